#include "editor/controls/box_drawing.h"
#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_line.h"
#include "editor/controls/smooth_lines.h"

#include "tests/editor/controls/own_control_test.h"
#include "toolkit/draw_context.h"

namespace {

using Toolkit::CColor;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

using DrawingKit = kravo::test::OwnControlTest;

TEST_F(DrawingKit, ABoxFrameCoversItsRightAndBottomCoordinatesAndTheFillItsInside)
{
    auto context = buffer(12, 12);
    context->setFrameColor(Toolkit::kBlackColor);
    editor::drawBoxFrame(0, 0, 9, 9, context.get());
    platform::Image expected(12, 12, kWhite);
    expected.fill({0, 0, 10, 1}, kBlack);
    expected.fill({0, 9, 10, 10}, kBlack);
    expected.fill({0, 0, 1, 10}, kBlack);
    expected.fill({9, 0, 10, 10}, kBlack);
    EXPECT_EQ(pictureOf(context.get(), {0, 0, 12, 12}), expected);

    context->setFillColor({200, 0, 0, 255});
    editor::drawBoxFill(0, 0, 9, 9, context.get());
    expected.fill({1, 1, 9, 9}, RGB(200, 0, 0));
    EXPECT_EQ(pictureOf(context.get(), {0, 0, 12, 12}), expected);
}

TEST_F(DrawingKit, SmoothLinesBlendTheirColourByCoverage)
{
    auto context = buffer(20, 20);
    editor::blendPixel(3, 4, 0.5f, Toolkit::kBlackColor, context.get());
    EXPECT_EQ(context->getPoint({3, 4}), (CColor{127, 127, 127, 255}));
    editor::blendPixel(3, 4, 1.0f, {10, 20, 30, 255}, context.get());
    EXPECT_EQ(context->getPoint({3, 4}), (CColor{10, 20, 30, 255}));

    // Along the middle of row 10 from the corner of pixel 2 to that of pixel 12: full inside, half at
    // the ends' pixel halves, nothing beside.
    auto line = buffer(20, 20);
    line->setFrameColor(Toolkit::kBlackColor);
    editor::drawSmoothLine(2.5f, 10.5f, 12.5f, 10.5f, line.get());
    EXPECT_EQ(line->getPoint({7, 10}), (CColor{0, 0, 0, 255}));
    EXPECT_EQ(line->getPoint({7, 9}), (CColor{255, 255, 255, 255}));
    EXPECT_EQ(line->getPoint({7, 11}), (CColor{255, 255, 255, 255}));
    EXPECT_EQ(line->getPoint({15, 10}), (CColor{255, 255, 255, 255}));
    EXPECT_EQ(line->getPoint({2, 10}), (CColor{127, 127, 127, 255}));
    EXPECT_EQ(line->getPoint({12, 10}), (CColor{127, 127, 127, 255}));

    // Halfway between two rows both take half; a steep line works along its columns.
    auto between = buffer(20, 20);
    between->setFrameColor(Toolkit::kBlackColor);
    const float xs[] = {5.0f, 15.0f, 15.0f};
    const float ys[] = {5.0f, 5.0f, 15.0f};
    editor::drawSmoothPolyline(xs, ys, 3, between.get());
    EXPECT_EQ(between->getPoint({10, 4}), (CColor{127, 127, 127, 255}));
    EXPECT_EQ(between->getPoint({10, 5}), (CColor{127, 127, 127, 255}));
    EXPECT_EQ(between->getPoint({14, 10}), (CColor{127, 127, 127, 255}));
    EXPECT_EQ(between->getPoint({15, 10}), (CColor{127, 127, 127, 255}));
    EXPECT_EQ(between->getPoint({10, 10}), (CColor{255, 255, 255, 255}));
}

TEST_F(DrawingKit, ABitmapShowsItsImageAndTakesNoMouseAndALineIsItsColour)
{
    constexpr RECT kArea{100, 100, 150, 120};
    auto* bitmap = added(new myBitmap({100, 100, 150, 120}, editor->image(10058), editor));
    auto drawn = buffer(300, 200);
    bitmap->draw(drawn.get());
    EXPECT_FALSE(bitmap->isDirty());
    auto expected = buffer(300, 200);
    editor->image(10058)->draw(expected.get(), {100, 100, 150, 120}, {0, 0});
    EXPECT_EQ(pictureOf(drawn.get(), kArea), pictureOf(expected.get(), kArea));
    gesture({110, 110}, {});
    gesture({110, 110}, {}, {}, VK_RBUTTON);
    EXPECT_EQ(logging->log, Log{});

    auto* line = added(new myLine({100, 100, 150, 103}, {0, 90, 200, 255}, editor));
    EXPECT_EQ(line->getTag(), uEditor::kCommandTag);
    auto lined = buffer(300, 200);
    line->draw(lined.get());
    platform::Image colour(50, 5, kWhite);
    colour.fill({0, 0, 50, 3}, RGB(0, 90, 200));
    EXPECT_EQ(pictureOf(lined.get(), {100, 100, 150, 105}), colour);
}

} // namespace
