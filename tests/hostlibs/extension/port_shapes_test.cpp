#include "tests/hostlibs/extension/toolbox_test.h"

#include "hostlibs/extension/host_extension.h"

namespace {

using kravo::test::ToolboxTest;
using Pixels = std::set<std::pair<int, int>>;

class HostShapes : public ToolboxTest {};

TEST_F(HostShapes, OvalsStayInsideTheirRectangleAndFrameWithThePenSize)
{
    const HostRect rect{2, 2, 14, 14};
    HostPort filled = offscreen();
    HostExtBackColor(kHostBlackConstant);
    HostExtEraseOval(&rect);
    const Pixels oval = painted(filled);
    // Inside the rectangle, touching all four sides, corners left out, symmetric.
    for (const auto& [h, v] : oval) {
        EXPECT_TRUE(h >= 2 && h < 14 && v >= 2 && v < 14);
        EXPECT_TRUE(oval.contains({15 - h, v}) && oval.contains({h, 15 - v}));
    }
    EXPECT_TRUE(oval.contains({8, 2}) && oval.contains({2, 8}) && oval.contains({13, 8}) && oval.contains({8, 13}));
    EXPECT_FALSE(oval.contains({2, 2}));
    EXPECT_TRUE(oval.contains({8, 8}));

    HostPort thin = offscreen();
    HostExtFrameOval(&rect);
    const Pixels ring = painted(thin);
    EXPECT_FALSE(ring.contains({8, 8}));
    EXPECT_TRUE(ring.contains({8, 2}) && ring.contains({2, 8}));
    for (const auto& pixel : ring)
        EXPECT_TRUE(oval.contains(pixel));

    // A 3 × 3 pen makes a wider band, still inside the oval.
    HostPort thick = offscreen();
    HostExtPenSize(3, 3);
    HostExtFrameOval(&rect);
    const Pixels band = painted(thick);
    EXPECT_GT(band.size(), ring.size());
    EXPECT_TRUE(band.contains({8, 4}) && !band.contains({8, 5}));
    for (const auto& pixel : band)
        EXPECT_TRUE(oval.contains(pixel));

    // The normal pen is 1 × 1 again; its point stays.
    HostExtMoveTo(5, 6);
    HostExtPenMode(11);
    HostExtPenNormal();
    HostPort again = offscreen();
    HostExtSetPort(thick);
    HostPoint pen{};
    HostExtGetPen(&pen);
    EXPECT_EQ(pen.h, 5);
    EXPECT_EQ(pen.v, 6);
    HostExtSetPort(again);
    HostExtFrameOval(&rect);
    EXPECT_EQ(painted(again), ring);
}

TEST_F(HostShapes, EmptyHiddenAndMissingOvalsPaintNothing)
{
    HostPort port = offscreen();
    hostext::logPortOperations(port, true);
    const HostRect empty{5, 5, 5, 9};
    const HostRect inverted{9, 9, 2, 2};
    HostExtEraseOval(&empty);
    HostExtFrameOval(&inverted);
    HostExtEraseOval(nullptr);
    HostExtFrameOval(nullptr);
    HostExtPenSize(0, 2);
    const HostRect fine{0, 0, 8, 8};
    HostExtFrameOval(&fine);
    EXPECT_TRUE(painted(port).empty());
    // Logged with their kinds all the same.
    const auto logged = hostext::portOperations(port);
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[0].kind, "erase oval");
    EXPECT_EQ(logged[2].kind, "frame oval");
    hostext::logPortOperations(port, false);
    // No port: nothing happens.
    HostExtSetPort(nullptr);
    HostExtEraseOval(&fine);
    HostExtPenNormal();
}

TEST_F(HostShapes, FilledPolygonsCoverTheirInsideInTheForeColour)
{
    HostPort port = offscreen({0, 0, 20, 20});
    const HostPoint triangle[] = {{2, 2}, {2, 14}, {8, 8}};
    HostExtFillPolygon(triangle, 3);
    const Pixels filled = painted(port);
    EXPECT_TRUE(filled.contains({8, 3}));
    EXPECT_TRUE(filled.contains({3, 2}));
    EXPECT_FALSE(filled.contains({9, 7}));
    EXPECT_FALSE(filled.contains({1, 3}));
    for (const auto& [h, v] : filled)
        EXPECT_TRUE(v >= 2 && v < 8 && h >= 2 && h < 14);

    // Fewer than three points, or none, paint nothing.
    HostPort other = offscreen();
    HostExtFillPolygon(triangle, 2);
    HostExtFillPolygon(nullptr, 3);
    HostExtFillPolygon(triangle, -1);
    EXPECT_TRUE(painted(other).empty());
}

TEST_F(HostShapes, PointToAngleCountsDegreesClockwiseFromUp)
{
    const HostRect dial{0, 0, 56, 56};
    const auto angle = [&](int h, int v) {
        return HostExtPointToAngle(&dial, {static_cast<std::int16_t>(v), static_cast<std::int16_t>(h)});
    };
    EXPECT_EQ(angle(28, 0), 0);
    EXPECT_EQ(angle(56, 28), 90);
    EXPECT_EQ(angle(28, 56), 180);
    EXPECT_EQ(angle(0, 28), 270);
    EXPECT_EQ(angle(56, 0), 45);
    // Just left of straight up rounds to 360, which is 0.
    EXPECT_EQ(angle(27, -1000), 0);
    EXPECT_EQ(angle(27, 0), 358);
    EXPECT_EQ(angle(27, 56), 182);
    EXPECT_EQ(angle(28, 28), 0);
    EXPECT_EQ(HostExtPointToAngle(nullptr, {0, 0}), 0);
}

TEST_F(HostShapes, StringsCompareWithCaseAndDiacritics)
{
    const std::uint8_t word[] = "\x0F" "EnableHighlight";
    const std::uint8_t same[] = "\x0F" "EnableHighlight";
    const std::uint8_t lower[] = "\x0F" "enablehighlight";
    const std::uint8_t accented[] = "\x0F" "EnableHighl\xEDght";
    const std::uint8_t longer[] = "\x10" "EnableHighlightX";
    EXPECT_TRUE(HostExtEqualString(word, same));
    EXPECT_FALSE(HostExtEqualString(word, lower));
    EXPECT_FALSE(HostExtEqualString(word, accented));
    EXPECT_FALSE(HostExtEqualString(word, longer));
    EXPECT_FALSE(HostExtEqualString(word, nullptr));
    EXPECT_FALSE(HostExtEqualString(nullptr, nullptr));

    EXPECT_EQ(HostExtFixedToDouble(0x18000), 1.5);
    EXPECT_EQ(HostExtFixedToDouble(-0x8000), -0.5);
}

TEST_F(HostShapes, ScrollingMovesPixelsWithinTheRectangleAndHandsBackWhatItUncovered)
{
    HostPort port = offscreen({10, 20, 30, 40});
    HostExtBackColor(kHostWhiteConstant);
    const HostRect dot{12, 22, 14, 24};
    HostExtFillRect(&dot);
    const HostRect outside{25, 35, 27, 37};
    HostExtFillRect(&outside);
    HostRegion uncovered = HostExtNewRegion();
    const HostRect area{10, 20, 20, 30};
    HostExtScrollRect(&area, 3, 4, uncovered);
    // Pixels are (h, v) of the port's picture: local (h, v) less (20, 10).
    EXPECT_EQ(painted(port), (Pixels{{5, 6}, {6, 6}, {5, 7}, {6, 7}, {15, 15}, {16, 15}, {15, 16}, {16, 16}}));
    HostRect bounds{};
    HostExtGetRegionBounds(uncovered, &bounds);
    EXPECT_EQ(bounds.top, 10);
    EXPECT_EQ(bounds.left, 20);
    EXPECT_EQ(bounds.bottom, 20);
    EXPECT_EQ(bounds.right, 30);
    const HostRect stillCovered{14, 23, 20, 30};
    HostRegion inside = HostExtNewRegion();
    HostExtRectRegion(inside, &stillCovered);
    HostExtIntersectRegion(inside, uncovered, inside);
    EXPECT_TRUE(HostExtIsRegionEmpty(inside));

    // Moved out of the rectangle entirely: everything is uncovered and erased.
    HostExtScrollRect(&area, 0, -30, uncovered);
    EXPECT_EQ(painted(port), (Pixels{{15, 15}, {16, 15}, {15, 16}, {16, 16}}));
    HostExtGetRegionBounds(uncovered, &bounds);
    EXPECT_EQ(bounds.bottom, 20);

    // Not moved, empty or without a port: nothing is uncovered.
    HostExtScrollRect(&area, 0, 0, uncovered);
    EXPECT_TRUE(HostExtIsRegionEmpty(uncovered));
    const HostRect empty{10, 20, 10, 30};
    HostExtScrollRect(&empty, 1, 1, uncovered);
    EXPECT_TRUE(HostExtIsRegionEmpty(uncovered));
    HostExtScrollRect(nullptr, 1, 1, uncovered);
    HostExtSetPort(nullptr);
    HostExtScrollRect(&area, 1, 1, uncovered);
    EXPECT_TRUE(HostExtIsRegionEmpty(uncovered));
    HostExtScrollRect(&area, 1, 1, nullptr);
    HostExtDisposeRegion(inside);
    HostExtDisposeRegion(uncovered);
}

} // namespace
