#include "tests/hostlibs/extension/toolbox_test.h"

namespace {

using kravo::test::ToolboxTest;
using Pixels = std::set<std::pair<int, int>>;

class HostDrawing : public ToolboxTest {};

TEST_F(HostDrawing, ThePenCoversThePixelsBelowAndRightOfEachPointOfALine)
{
    HostPort port = offscreen();
    HostExtMoveTo(0, 0);
    HostExtLineTo(3, 3);
    EXPECT_EQ(painted(port), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    HostPoint pen{};
    HostExtGetPen(&pen);
    EXPECT_EQ(pen.h, 3);
    EXPECT_EQ(pen.v, 3);

    HostPort wide = offscreen();
    HostExtPenSize(2, 2);
    HostExtMoveTo(0, 0);
    HostExtLineTo(3, 0);
    EXPECT_EQ(painted(wide), block(0, 0, 2, 5));

    // Relative moves and lines; a shallow line steps once along its short axis.
    HostPort relative = offscreen();
    HostExtMoveTo(2, 5);
    HostExtMove(1, 1);
    HostExtLine(4, 2);
    EXPECT_EQ(painted(relative), (Pixels{{3, 6}, {4, 6}, {5, 7}, {6, 7}, {7, 8}}));

    // A hidden pen paints nothing, yet moves.
    HostPort hidden = offscreen();
    HostExtPenSize(0, 3);
    HostExtLineTo(5, 5);
    EXPECT_TRUE(painted(hidden).empty());
    HostExtGetPen(&pen);
    EXPECT_EQ(pen.h, 5);
}

TEST_F(HostDrawing, FillCoversLeftToRightMinusOneAndFramePaintsTheInsideEdge)
{
    const HostRect rect{0, 0, 10, 10};
    HostPort filled = offscreen();
    HostExtFillRect(&rect);
    EXPECT_EQ(painted(filled), block(0, 0, 10, 10));

    HostPort framed = offscreen();
    HostExtFrameRect(&rect);
    Pixels edge = block(0, 0, 10, 10);
    for (const auto& inner : block(1, 1, 9, 9))
        edge.erase(inner);
    EXPECT_EQ(painted(framed), edge);

    // A 2 × 3 pen frames with bands of its own size, inside the rectangle.
    HostPort thick = offscreen();
    HostExtPenSize(2, 3);
    HostExtFrameRect(&rect);
    Pixels bands = block(0, 0, 10, 10);
    for (const auto& inner : block(3, 2, 7, 8))
        bands.erase(inner);
    EXPECT_EQ(painted(thick), bands);
}

TEST_F(HostDrawing, ColoursComeFromSixteenBitComponentsAndTheTwoConstants)
{
    HostPort port = offscreen({0, 0, 4, 4});
    const HostColor teal{0x0000, 0x6666, 0xFFFF};
    HostExtRGBForeColor(&teal);
    const HostRect left{0, 0, 4, 2};
    HostExtFillRect(&left);
    HostColor read{};
    HostExtGetForeColor(&read);
    EXPECT_EQ(read.green, 0x6666);

    const HostColor grey{0x8888, 0x8888, 0x8888};
    HostExtRGBBackColor(&grey);
    const HostRect right{0, 2, 4, 4};
    HostExtEraseRect(&right);
    const platform::Image picture = pictureOf(port);
    EXPECT_EQ(picture.at(0, 0), RGB(0x00, 0x66, 0xFF));
    EXPECT_EQ(picture.at(3, 3), RGB(0x88, 0x88, 0x88));

    HostExtForeColor(30);
    HostExtBackColor(33);
    HostExtForeColor(7); // not a constant we know: unchanged
    HostExtGetForeColor(&read);
    EXPECT_EQ(read.red, 0xFFFF);
    EXPECT_EQ(read.blue, 0xFFFF);
    HostExtGetBackColor(&read);
    EXPECT_EQ(read.red, 0);
}

TEST_F(HostDrawing, AFillClippedToARegionWithAHoleLeavesTheHoleAlone)
{
    HostPort port = offscreen();
    HostRegion outer = HostExtNewRegion();
    HostRegion hole = HostExtNewRegion();
    const HostRect all{0, 0, 10, 10};
    const HostRect inner{2, 2, 5, 5};
    HostExtRectRegion(outer, &all);
    HostExtRectRegion(hole, &inner);
    HostExtDifferenceRegion(outer, hole, outer);
    HostRect bounds{};
    HostExtGetRegionBounds(outer, &bounds);
    EXPECT_EQ(std::vector<int>({bounds.top, bounds.left, bounds.bottom, bounds.right}),
              std::vector<int>({0, 0, 10, 10}));

    HostExtSetClip(outer);
    const HostRect wider{0, 0, 12, 12};
    HostExtFillRect(&wider);
    Pixels expected = block(0, 0, 10, 10);
    for (const auto& pixel : block(2, 2, 5, 5))
        expected.erase(pixel);
    EXPECT_EQ(painted(port), expected);
    EXPECT_FALSE(painted(port).contains({3, 3}));

    // The port kept a copy: the region may change and go.
    HostRegion clip = HostExtNewRegion();
    HostExtGetClip(clip);
    HostExtDisposeRegion(outer);
    HostExtDisposeRegion(hole);
    HostExtGetRegionBounds(clip, &bounds);
    EXPECT_EQ(bounds.right, 10);
    HostExtDisposeRegion(clip);
}

TEST_F(HostDrawing, RegionAndRectangleArithmetic)
{
    HostRegion a = HostExtNewRegion();
    HostRegion b = HostExtNewRegion();
    HostRegion result = HostExtNewRegion();
    EXPECT_TRUE(HostExtIsRegionEmpty(a));
    const HostRect first{0, 0, 4, 4};
    const HostRect second{2, 2, 8, 6};
    HostExtRectRegion(a, &first);
    HostExtRectRegion(b, &second);
    HostRect bounds{};
    HostExtUnionRegion(a, b, result);
    HostExtGetRegionBounds(result, &bounds);
    EXPECT_EQ(std::vector<int>({bounds.top, bounds.left, bounds.bottom, bounds.right}),
              std::vector<int>({0, 0, 8, 6}));
    HostExtIntersectRegion(a, b, result);
    HostExtGetRegionBounds(result, &bounds);
    EXPECT_EQ(std::vector<int>({bounds.top, bounds.left, bounds.bottom, bounds.right}),
              std::vector<int>({2, 2, 4, 4}));
    HostExtDifferenceRegion(a, a, result);
    EXPECT_TRUE(HostExtIsRegionEmpty(result));
    HostExtGetRegionBounds(result, &bounds);
    EXPECT_EQ(bounds.right, 0);
    HostExtDisposeRegion(a);
    HostExtDisposeRegion(b);
    HostExtDisposeRegion(result);

    HostRect meet{};
    EXPECT_TRUE(HostExtIntersectRect(&first, &second, &meet));
    EXPECT_EQ(std::vector<int>({meet.top, meet.left, meet.bottom, meet.right}), std::vector<int>({2, 2, 4, 4}));
    const HostRect apart{10, 10, 12, 12};
    EXPECT_FALSE(HostExtIntersectRect(&first, &apart, &meet));
    EXPECT_EQ(meet.bottom, 0);
    HostRect around{};
    HostExtUnionRect(&first, &apart, &around);
    EXPECT_EQ(std::vector<int>({around.top, around.left, around.bottom, around.right}),
              std::vector<int>({0, 0, 12, 12}));
    const HostRect empty{5, 5, 5, 9};
    HostExtUnionRect(&empty, &apart, &around);
    EXPECT_EQ(around.top, 10);

    EXPECT_TRUE(HostExtPointInRect({0, 0}, &first));
    EXPECT_TRUE(HostExtPointInRect({3, 3}, &first));
    EXPECT_FALSE(HostExtPointInRect({4, 0}, &first));
    EXPECT_FALSE(HostExtPointInRect({0, 4}, &first));
}

TEST_F(HostDrawing, TheOriginShiftsLocalCoordinatesAndTheBounds)
{
    HostPort port = offscreen({0, 0, 8, 6});
    HostExtSetOrigin(10, 20);
    HostRect bounds{};
    HostExtGetPortBounds(port, &bounds);
    EXPECT_EQ(std::vector<int>({bounds.top, bounds.left, bounds.bottom, bounds.right}),
              std::vector<int>({20, 10, 28, 16}));
    const HostRect rect{20, 10, 21, 11};
    HostExtFillRect(&rect);
    EXPECT_EQ(painted(port), (Pixels{{0, 0}}));

    // An offscreen port's local coordinates start at its bounds.
    HostPort placed = offscreen({5, 7, 9, 11});
    const HostRect corner{5, 7, 6, 8};
    HostExtFillRect(&corner);
    EXPECT_EQ(painted(placed), (Pixels{{0, 0}}));
}

TEST_F(HostDrawing, ALoggingPortNamesEachFillWithItsRectangleColourAndClip)
{
    HostPort port = offscreen();
    hostext::logPortOperations(port, true);
    const HostRect clip{1, 1, 9, 9};
    HostExtClipRect(&clip);
    const HostColor red{0xFFFF, 0, 0};
    HostExtRGBForeColor(&red);
    const HostRect rect{0, 2, 5, 6};
    HostExtFillRect(&rect);
    HostExtMoveTo(1, 1);
    HostExtLineTo(4, 1);

    const std::vector<hostext::PortOperation> log = hostext::portOperations(port);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].kind, "fill");
    EXPECT_EQ(std::vector<int>({log[0].rect.top, log[0].rect.left, log[0].rect.bottom, log[0].rect.right}),
              std::vector<int>({0, 2, 5, 6}));
    EXPECT_EQ(log[0].colour.red, 0xFFFF);
    EXPECT_EQ(log[0].colour.green, 0);
    EXPECT_EQ(std::vector<int>({log[0].clip.top, log[0].clip.left, log[0].clip.bottom, log[0].clip.right}),
              std::vector<int>({1, 1, 9, 9}));
    EXPECT_EQ(log[1].kind, "line");
    EXPECT_EQ(std::vector<int>({log[1].rect.top, log[1].rect.left, log[1].rect.bottom, log[1].rect.right}),
              std::vector<int>({1, 1, 1, 4}));

    // The picture: the fill cut by the clip, the line inside it.
    platform::Image expected(16, 16, kWhite);
    expected.fill({2, 1, 6, 5}, RGB(255, 0, 0));
    expected.fill({1, 1, 5, 2}, RGB(255, 0, 0));
    expectSamePicture(pictureOf(port), expected);

    // Erasing and invalidating are logged too, the erase with the back colour; nothing more once off.
    const HostRect nothing{0, 0, 0, 0};
    HostExtEraseRect(&nothing);
    HostExtInvalidateRect(&nothing);
    ASSERT_EQ(hostext::portOperations(port).size(), 4u);
    EXPECT_EQ(hostext::portOperations(port)[2].kind, "erase");
    EXPECT_EQ(hostext::portOperations(port)[2].colour.green, 0xFFFF);
    EXPECT_FALSE(hostext::portOperations(port)[2].patterned);
    EXPECT_EQ(hostext::portOperations(port)[3].kind, "invalidate");
    hostext::logPortOperations(port, false);
    HostExtFillRect(&rect);
    EXPECT_EQ(hostext::portOperations(port).size(), 4u);
}

TEST_F(HostDrawing, PortsComeAndGoAndAnswerNoWindowOffscreen)
{
    const HostRect none{0, 0, 0, 5};
    EXPECT_EQ(HostExtNewOffscreenPort(&none), nullptr);
    HostPort port = offscreen();
    EXPECT_EQ(HostExtGetPort(), port);
    EXPECT_EQ(HostExtGetPortWindow(port), nullptr);
    EXPECT_EQ(HostExtNewWindowPort(nullptr), nullptr);

    // Text settings are kept for the text routines.
    HostExtTextFont(3);
    HostExtTextSize(9);
    HostExtTextFace(1);
    HostExtTextMode(8);
    HostTextSettings text{};
    HostExtGetTextSettings(&text);
    EXPECT_EQ(std::vector<int>({text.font, text.size, text.face, text.mode}), std::vector<int>({3, 9, 1, 8}));

    const HostRect small{0, 0, 2, 2};
    HostPort other = HostExtNewOffscreenPort(&small);
    HostExtSetPort(other);
    HostExtDisposePort(other);
    EXPECT_EQ(HostExtGetPort(), nullptr);
    // Drawing without a port does nothing.
    const HostRect rect{0, 0, 2, 2};
    HostExtFillRect(&rect);
}

} // namespace
