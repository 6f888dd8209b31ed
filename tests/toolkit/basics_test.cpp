#include "toolkit/color.h"
#include "toolkit/font_table.h"
#include "toolkit/rect.h"
#include "toolkit/reference_counter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Toolkit;

class Counted : public CReferenceCounter {
public:
    explicit Counted(bool& destroyed) : destroyed_(destroyed) {}
    ~Counted() override { destroyed_ = true; }

private:
    bool& destroyed_;
};

TEST(ReferenceCounter, TheCreatorHoldsTheFirstReferenceAndTheLastForgetDestroys)
{
    bool destroyed = false;
    auto* object = new Counted(destroyed);
    object->remember();
    object->forget();
    EXPECT_FALSE(destroyed);
    object->forget();
    EXPECT_TRUE(destroyed);
}

TEST(Rect, PointInsideExcludesTheRightAndBottomEdges)
{
    const CRect rect{0, 0, 10, 10};
    EXPECT_TRUE(rect.pointInside({0, 0}));
    EXPECT_TRUE(rect.pointInside({9, 9}));
    EXPECT_FALSE(rect.pointInside({10, 5}));
    EXPECT_FALSE(rect.pointInside({5, 10}));
    EXPECT_FALSE(rect.pointInside({-1, 5}));
}

TEST(Rect, BoundClipsAndNeverInvertsSoThatDisjointRectanglesGiveAnEmptyOnePinnedAtTheClippedCorner)
{
    CRect apart{0, 0, 10, 10};
    EXPECT_EQ(apart.bound({20, 20, 30, 30}), (CRect{20, 20, 20, 20}));
    EXPECT_TRUE(apart.isEmpty());

    CRect overlapping{0, 0, 10, 10};
    EXPECT_EQ(overlapping.bound({5, -5, 30, 8}), (CRect{5, 0, 10, 8}));
    EXPECT_FALSE(overlapping.isEmpty());

    CRect leftOf{0, 0, 10, 10};
    EXPECT_EQ(leftOf.bound({-30, 2, -20, 4}), (CRect{0, 2, 0, 4}));
}

TEST(Rect, IsEmptyWhenEitherSideIsZeroOrNegative)
{
    EXPECT_TRUE((CRect{5, 0, 5, 10}).isEmpty());
    EXPECT_TRUE((CRect{0, 5, 10, 4}).isEmpty());
    EXPECT_FALSE((CRect{0, 0, 1, 1}).isEmpty());
}

TEST(Rect, OffsetsMoveBothCornersOfARectangleAndAPoint)
{
    CRect rect{1, 2, 3, 4};
    EXPECT_EQ(rect.offset(10, -20), (CRect{11, -18, 13, -16}));
    EXPECT_EQ(rect.width(), 2);
    CPoint point{1, 2};
    EXPECT_EQ(point.offset(-1, 5), (CPoint{0, 7}));
}

TEST(Color, ColoursDifferInAnyOfTheirFourBytesButGdiSeesOnlyRedGreenAndBlue)
{
    const CColor clearBlack{0, 0, 0, 0};
    EXPECT_NE(clearBlack, kBlackColor);
    EXPECT_EQ(clearBlack.gdiValue(), kBlackColor.gdiValue());
    EXPECT_EQ((CColor{1, 2, 3, 99}).gdiValue(), 1u + 256u * 2u + 65536u * 3u);
    EXPECT_EQ(kTransparentColor.gdiValue(), kWhiteColor.gdiValue());
    EXPECT_NE(kTransparentColor, kWhiteColor);
}

TEST(FontTable, UnknownIdsAreTheBoldSystemFontAndSizeZeroAsksForTheDefaultSize)
{
    for (const std::int32_t unknown : {11, -1, 1000}) {
        EXPECT_EQ(validFontId(unknown), 0);
        EXPECT_EQ(std::string(fontDescription(unknown).face), "Arial");
        EXPECT_EQ(fontDescription(unknown).defaultSize, 12);
        EXPECT_TRUE(fontDescription(unknown).alwaysBold);
    }
    EXPECT_EQ(std::string(fontDescription(kSymbol13).face), "Symbol");
    EXPECT_EQ(fontDescription(kSymbol13).defaultSize, 13);
    EXPECT_TRUE(fontDescription(kSymbol13).decorative);
    EXPECT_EQ(std::string(fontDescription(kVerdana8).face), "Verdana");
    EXPECT_EQ(fontDescription(kVerdana8).defaultSize, 8);
    EXPECT_FALSE(fontDescription(kArial12).alwaysBold);
}

} // namespace
