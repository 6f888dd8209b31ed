#include "platform/gdi/rectangle_set.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using platform::RectangleSet;

bool same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

long long area(const RectangleSet& set)
{
    long long total = 0;
    for (const RECT& rect : set.rectangles())
        total += static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
    return total;
}

bool contains(const RectangleSet& set, POINT point)
{
    return std::any_of(set.rectangles().begin(), set.rectangles().end(), [point](const RECT& rect) {
        return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
    });
}

bool sameArea(const RectangleSet& a, const RectangleSet& b)
{
    RectangleSet onlyA = a;
    onlyA.subtract(b);
    RectangleSet onlyB = b;
    onlyB.subtract(a);
    return onlyA.empty() && onlyB.empty();
}

bool disjoint(const RectangleSet& set)
{
    const auto& parts = set.rectangles();
    for (std::size_t i = 0; i < parts.size(); ++i)
        for (std::size_t j = i + 1; j < parts.size(); ++j)
            if (parts[i].left < parts[j].right && parts[j].left < parts[i].right && parts[i].top < parts[j].bottom &&
                parts[j].top < parts[i].bottom)
                return false;
    return true;
}

TEST(RectangleSets, AddingOverlappingRectanglesCoversTheirUnionOnce)
{
    RectangleSet set(RECT{0, 0, 10, 10});
    set.add(RECT{5, 5, 15, 15});
    set.add(RECT{20, 0, 20, 30}); // no area
    EXPECT_TRUE(disjoint(set));
    EXPECT_EQ(area(set), 175);
    EXPECT_TRUE(same(set.bounds(), {0, 0, 15, 15}));
    EXPECT_TRUE(contains(set, {12, 12}));
    EXPECT_FALSE(contains(set, {12, 2}));
    set.add(RECT{-5, -5, 20, 20}); // covers all of it
    EXPECT_EQ(set.rectangles().size(), 1u);
    EXPECT_EQ(area(set), 625);
}

TEST(RectangleSets, SubtractingAndIntersectingCutRectanglesIntoPiecesThatDoNotOverlap)
{
    RectangleSet frame(RECT{0, 0, 30, 30});
    frame.subtract(RECT{10, 10, 20, 20});
    EXPECT_TRUE(disjoint(frame));
    EXPECT_EQ(area(frame), 800);
    EXPECT_FALSE(contains(frame, {15, 15}));
    EXPECT_TRUE(same(frame.bounds(), {0, 0, 30, 30}));

    RectangleSet band(RECT{0, 12, 40, 18});
    band.intersect(frame);
    EXPECT_TRUE(disjoint(band));
    EXPECT_EQ(area(band), 2 * 10 * 6);
    EXPECT_TRUE(sameArea(band, [] {
        RectangleSet pieces(RECT{0, 12, 10, 18});
        pieces.add(RECT{20, 12, 30, 18});
        return pieces;
    }()));
    band.offset({100, 1});
    EXPECT_TRUE(same(band.bounds(), {100, 13, 130, 19}));
    band.intersect(RECT{0, 0, 105, 100});
    EXPECT_TRUE(same(band.bounds(), {100, 13, 105, 19}));
    band.subtract(band);
    EXPECT_TRUE(band.empty());
    EXPECT_TRUE(same(band.bounds(), {0, 0, 0, 0}));
}

} // namespace
