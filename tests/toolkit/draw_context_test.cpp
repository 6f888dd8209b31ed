#include "toolkit/draw_context.h"

#include "platform/gdi/text.h"
#include "tests/toolkit/support/toolkit_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Toolkit;
using kravo::test::WindowlessFrame;
using kravo::test::Held;
using DrawContext = kravo::test::ToolkitTest;

constexpr COLORREF kCanvas = RGB(255, 255, 255);
constexpr CColor kRed{255, 0, 0, 255};
constexpr CColor kBlue{0, 0, 255, 255};

LOGFONTA fontOf(HDC dc)
{
    LOGFONTA font{};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    return font;
}

LOGPEN penOf(HDC dc)
{
    LOGPEN pen{};
    GetObjectA(GetCurrentObject(dc, OBJ_PEN), sizeof(pen), &pen);
    return pen;
}

LOGBRUSH brushOf(HDC dc)
{
    LOGBRUSH brush{};
    GetObjectA(GetCurrentObject(dc, OBJ_BRUSH), sizeof(brush), &brush);
    return brush;
}

RECT clipBoxOf(HDC dc)
{
    RECT box{};
    GetClipBox(dc, &box);
    return box;
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(DrawContext, AFreshContextDrawsWithItsOwnWhitePenBlackBrushAndBoldArialAndGivesTheDcBackItsObjects)
{
    HDC dc = canvas(20, 20);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    {
        CDrawContext context(nullptr, dc, nullptr);
        EXPECT_EQ(penOf(dc).style, PS_SOLID);
        EXPECT_EQ(penOf(dc).colour, RGB(255, 255, 255));
        EXPECT_EQ(brushOf(dc).colour, RGB(0, 0, 0));
        EXPECT_EQ(std::string(fontOf(dc).faceName), "Arial");
        EXPECT_EQ(fontOf(dc).height, -12);
        EXPECT_EQ(fontOf(dc).weight, FW_BOLD);
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 0));
        EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
        EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
        EXPECT_EQ(context.getLineWidth(), 1);
        CRect clip;
        EXPECT_EQ(context.getClipRect(clip), (CRect{0, 0, 1000, 1000}));
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
}

TEST_F(DrawContext, SettersMakeNewGdiObjectsOnlyWhenTheValueChanges)
{
    HDC dc = canvas(4, 4);
    CDrawContext context(nullptr, dc, nullptr);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    context.setFillColor(kBlackColor);
    context.setFrameColor(kWhiteColor);
    context.setLineWidth(1);
    context.setLineStyle(kSolidLine);
    context.setFont(kArialBold12, 0, 0);
    context.setFont(kArialBold12, 12, 0); // the default size asked for by number
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);

    // The fresh fill colour is (0, 0, 0, 255): a clear black is another colour.
    context.setFillColor({0, 0, 0, 0});
    const HGDIOBJ newBrush = GetCurrentObject(dc, OBJ_BRUSH);
    EXPECT_NE(newBrush, brush);
    context.setFillColor({0, 0, 0, 0});
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), newBrush);

    context.setFrameColor(kTransparentColor);
    EXPECT_NE(GetCurrentObject(dc, OBJ_PEN), pen);
}

TEST_F(DrawContext, LineStyleOneIsDottedAndAnyOtherSolidDrawModesMapToTheirMixModes)
{
    HDC dc = canvas(4, 4);
    CDrawContext context(nullptr, dc, nullptr);
    context.setLineStyle(kDottedLine);
    EXPECT_EQ(penOf(dc).style, PS_DOT);
    context.setLineStyle(5);
    EXPECT_EQ(penOf(dc).style, PS_SOLID);
    EXPECT_EQ(context.getLineStyle(), 5);

    // Only one-pixel lines are drawn here: a wider pen cannot be made and the one in use stays.
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    context.setLineWidth(3);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(context.getLineWidth(), 3);

    const std::vector<std::pair<std::int32_t, int>> modes{
        {kPenMerge, R2_MERGEPEN}, {kPenNotXor, R2_NOTXORPEN}, {7, R2_COPYPEN}, {kPenNotXor, R2_NOTXORPEN}};
    for (const auto& [mode, mixMode] : modes) {
        context.setDrawMode(mode);
        EXPECT_EQ(GetROP2(dc), mixMode) << "draw mode " << mode;
    }
}

TEST_F(DrawContext, FontsComeFromTheTableWithTheStyleBitsAndTheSystemFontIsAlwaysBold)
{
    HDC dc = canvas(4, 4);
    CDrawContext context(nullptr, dc, nullptr);
    for (const std::int32_t unknown : {12, 11, -1}) {
        context.setFont(kVerdana14, 0, 0);
        context.setFont(unknown, 0, 0);
        const LOGFONTA font = fontOf(dc);
        EXPECT_EQ(std::string(font.faceName), "Arial") << "font id " << unknown;
        EXPECT_EQ(font.height, -12);
        EXPECT_EQ(font.weight, FW_BOLD);
        EXPECT_EQ(context.getFont(), kArialBold12);
    }

    context.setFont(kSymbol13, 0, 0);
    LOGFONTA font = fontOf(dc);
    EXPECT_EQ(std::string(font.faceName), "Symbol");
    EXPECT_EQ(font.height, -13);
    EXPECT_EQ(font.pitchAndFamily, DEFAULT_PITCH | FF_DECORATIVE);
    EXPECT_EQ(font.weight, FW_NORMAL);

    context.setFont(kArial10, 0, kBoldStyle | kItalicStyle | kUnderlineStyle);
    font = fontOf(dc);
    EXPECT_EQ(std::string(font.faceName), "Arial");
    EXPECT_EQ(font.height, -10);
    EXPECT_EQ(font.weight, FW_BOLD);
    EXPECT_TRUE(font.italic && font.underline);
    EXPECT_EQ(font.pitchAndFamily, VARIABLE_PITCH | FF_SWISS);
    EXPECT_EQ(font.charSet, ANSI_CHARSET);
    EXPECT_EQ(font.outPrecision, OUT_STRING_PRECIS);
    EXPECT_EQ(font.clipPrecision, CLIP_STROKE_PRECIS);

    context.setFont(kArialBold12, 20, 0);
    EXPECT_EQ(fontOf(dc).weight, FW_BOLD);
    EXPECT_EQ(fontOf(dc).height, -20);
}

TEST_F(DrawContext, TheClipIsKeptInDeviceCoordinatesAndAnswersInTheCallersOnes)
{
    HDC dc = canvas(30, 30);
    CDrawContext context(nullptr, dc, nullptr);
    context.offset = {5, 5};
    context.setClipRect({0, 0, 10, 10});
    CRect clip;
    EXPECT_EQ(context.getClipRect(clip), (CRect{0, 0, 10, 10}));
    EXPECT_TRUE(clipBoxOf(dc) == (RECT{5, 5, 15, 15}));

    // An unchanged rectangle does not touch GDI: a clip removed behind the context's back stays removed.
    SelectClipRgn(dc, nullptr);
    context.setClipRect({0, 0, 10, 10});
    EXPECT_TRUE(clipBoxOf(dc) == (RECT{0, 0, 30, 30}));

    // The reset applies the offset to GDI's clip but keeps the rectangle as given.
    context.resetClipRect();
    EXPECT_TRUE(clipBoxOf(dc) == (RECT{5, 5, 30, 30}));
    EXPECT_EQ(context.getClipRect(clip), (CRect{-5, -5, 995, 995}));
}

TEST_F(DrawContext, WithAFrameTheClipStartsAndResetsToTheFramesViewSize)
{
    HDC dc = canvas(30, 30);
    WindowlessFrame frame({0, 0, 20, 12});
    CDrawContext context(&frame, dc, nullptr);
    CRect clip;
    EXPECT_EQ(context.getClipRect(clip), (CRect{0, 0, 20, 12}));
    context.setClipRect({1, 1, 2, 2});
    context.resetClipRect();
    EXPECT_EQ(context.getClipRect(clip), (CRect{0, 0, 20, 12}));
    EXPECT_TRUE(clipBoxOf(dc) == (RECT{0, 0, 20, 12}));
}

TEST_F(DrawContext, FillRectPaintsTheInsideOfWhatDrawRectOutlines)
{
    HDC dc = canvas(12, 12);
    CDrawContext context(nullptr, dc, nullptr);
    context.setFillColor(kRed);
    context.fillRect({0, 0, 10, 10});
    platform::Image expected(12, 12, kCanvas);
    expected.fill({1, 1, 10, 10}, kRed.gdiValue());
    expectPicture(dc, expected);

    context.setFrameColor(kBlue);
    context.drawRect({0, 0, 10, 10}, kOutline);
    for (int i = 0; i < 10; ++i)
        for (const auto& [x, y] : {std::pair{i, 0}, std::pair{i, 9}, std::pair{0, i}, std::pair{9, i}})
            expected.set(x, y, kBlue.gdiValue());
    expectPicture(dc, expected);
}

TEST_F(DrawContext, EveryPrimitiveIsMovedByTheDrawingOrigin)
{
    HDC dc = canvas(16, 16);
    CDrawContext context(nullptr, dc, nullptr);
    context.offset = {3, 2};
    context.setFillColor(kRed);
    context.setFrameColor(kBlue);
    context.drawRect({0, 0, 6, 5}, kFillAndOutline);
    context.moveTo({8, 8});
    context.lineTo({11, 8});
    context.drawPoint({0, 12}, kRed);

    platform::Image expected(16, 16, kCanvas);
    expected.fill({3, 2, 9, 7}, kRed.gdiValue());
    expected.fill({3, 2, 9, 3}, kBlue.gdiValue());
    expected.fill({3, 6, 9, 7}, kBlue.gdiValue());
    expected.fill({3, 2, 4, 7}, kBlue.gdiValue());
    expected.fill({8, 2, 9, 7}, kBlue.gdiValue());
    expected.fill({11, 10, 14, 11}, kBlue.gdiValue()); // a line leaves out its last pixel
    expected.set(3, 14, kRed.gdiValue());
    expectPicture(dc, expected);
    EXPECT_EQ(context.getPoint({0, 12}), kRed);
    EXPECT_EQ(context.getPoint({12, 0}), (CColor{255, 255, 255, 255}));
}

TEST_F(DrawContext, PolylinesOfAnyLengthDrawWhatTheirSegmentsDrawAlone)
{
    for (const int count : {5, 30, 31, 45}) {
        std::vector<CPoint> points;
        for (int i = 0; i < count; ++i)
            points.push_back({i, i % 2 == 0 ? 1 : 6});
        HDC joined = canvas(50, 10);
        HDC apart = canvas(50, 10);
        CDrawContext joinedContext(nullptr, joined, nullptr);
        CDrawContext apartContext(nullptr, apart, nullptr);
        joinedContext.offset = apartContext.offset = {2, 1};
        joinedContext.setFrameColor(kBlue);
        apartContext.setFrameColor(kBlue);
        joinedContext.polyLine(points.data(), count);
        std::vector<CPoint> pairs;
        for (int i = 0; i + 1 < count; ++i)
            pairs.insert(pairs.end(), {points[static_cast<std::size_t>(i)], points[static_cast<std::size_t>(i) + 1]});
        apartContext.drawLines(pairs.data(), count - 1);
        expectPicture(joined, *platform::captureImage(apart, {0, 0, 50, 10}));
    }
}

TEST_F(DrawContext, PolygonsFillWithoutThePenAndOutlineOnlyWhereAsked)
{
    const std::vector<CPoint> triangle{{1, 1}, {11, 1}, {1, 11}, {1, 1}};
    HDC filled = canvas(14, 14);
    CDrawContext context(nullptr, filled, nullptr);
    context.setFillColor(kRed);
    context.setFrameColor(kBlue);
    const HGDIOBJ pen = GetCurrentObject(filled, OBJ_PEN);
    context.fillPolygon(triangle.data(), 3);
    EXPECT_EQ(GetCurrentObject(filled, OBJ_PEN), pen);
    const platform::Image fill = *platform::captureImage(filled, {0, 0, 14, 14});
    int red = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x) {
            EXPECT_NE(fill.at(x, y), kBlue.gdiValue()) << x << ", " << y;
            red += fill.at(x, y) == kRed.gdiValue() ? 1 : 0;
        }
    EXPECT_GT(red, 30);

    HDC both = canvas(14, 14);
    CDrawContext bothContext(nullptr, both, nullptr);
    bothContext.setFillColor(kRed);
    bothContext.setFrameColor(kBlue);
    bothContext.drawPolygon(triangle.data(), 4, kFillAndOutline);
    context.polyLine(triangle.data(), 4);
    expectPicture(both, *platform::captureImage(filled, {0, 0, 14, 14}));
}

TEST_F(DrawContext, EllipsesAndArcsUseTheirBoxesAndAWholeArcIsTheEllipse)
{
    const CRect box{2, 2, 14, 10};
    HDC byPoints = canvas(20, 20);
    HDC byAngles = canvas(20, 20);
    CDrawContext points(nullptr, byPoints, nullptr);
    CDrawContext angles(nullptr, byAngles, nullptr);
    points.setFrameColor(kBlue);
    angles.setFrameColor(kBlue);
    points.drawEllipse(box);
    angles.drawArc(box, 0.0f, 360.0f, kOutline);
    expectPicture(byPoints, *platform::captureImage(byAngles, {0, 0, 20, 20}));
    // The outline's box reaches one pixel beyond the rectangle's right and bottom edges.
    EXPECT_EQ(points.getPoint({14, 6}), kBlue);
    EXPECT_EQ(points.getPoint({8, 10}), kBlue);

    HDC filled = canvas(20, 20);
    CDrawContext fill(nullptr, filled, nullptr);
    fill.setFillColor(kRed);
    fill.setFrameColor(kBlue);
    fill.fillEllipse(box);
    EXPECT_EQ(fill.getPoint({8, 6}), kRed);
    EXPECT_EQ(fill.getPoint({2, 6}), kWhiteColor); // the fill starts one pixel in
    EXPECT_EQ(fill.getPoint({3, 6}), kRed);

    // A filled quarter, counter-clockwise from the right to the top.
    HDC quarter = canvas(20, 20);
    CDrawContext pie(nullptr, quarter, nullptr);
    pie.setFillColor(kRed);
    pie.drawArc({0, 0, 16, 16}, 0.0f, 90.0f, kFill);
    EXPECT_EQ(pie.getPoint({11, 4}), kRed);
    EXPECT_EQ(pie.getPoint({4, 11}), kWhiteColor);
    EXPECT_EQ(pie.getPoint({4, 4}), kWhiteColor);
    pie.fillArc({0, 0, 16, 16}, {0, 8}, {8, 16});
    EXPECT_EQ(pie.getPoint({4, 11}), kRed);
}

// The opaque cell of a text shows where the text was put.
struct Cell {
    int left = -1;
    int right = -1;
    int top = -1;
    int bottom = -1;
};

Cell cellOf(HDC dc, int width, int height, COLORREF colour)
{
    const platform::Image picture = *platform::captureImage(dc, {0, 0, width, height});
    Cell cell;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (picture.at(x, y) == colour) {
                cell.left = cell.left < 0 ? x : std::min(cell.left, x);
                cell.right = std::max(cell.right, x + 1);
                cell.top = cell.top < 0 ? y : cell.top;
                cell.bottom = y + 1;
            }
    return cell;
}

TEST_F(DrawContext, StringsAreAlignedInTheirRectangleCentredVerticallyAndLeaveTheBackgroundTransparent)
{
    platform::setTextAntialiasing(false);
    constexpr CColor kGreen{0, 200, 0, 255};
    const CRect rect{10, 4, 110, 40};
    int textWidth = 0;
    for (const std::int32_t alignment : {kAlignLeft, kAlignCentre, kAlignRight}) {
        HDC dc = canvas(120, 44);
        CDrawContext context(nullptr, dc, nullptr);
        context.setFillColor(kGreen);
        context.setFontColor(kBlue);
        textWidth = context.getStringWidth("Kick");
        context.drawString("Kick", rect, true, alignment);
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        const Cell cell = cellOf(dc, 120, 44, kGreen.gdiValue());
        EXPECT_EQ(cell.right - cell.left, textWidth);
        const int expectedLeft = alignment == kAlignLeft    ? rect.left + 1
            : alignment == kAlignCentre ? rect.left + (rect.width() - textWidth) / 2
                                        : rect.right - textWidth;
        EXPECT_NEAR(cell.left, expectedLeft, alignment == kAlignCentre ? 1 : 0) << "alignment " << alignment;
        EXPECT_NEAR(cell.top - rect.top, rect.bottom - cell.bottom, 1);
    }
    EXPECT_GT(textWidth, 10);
    platform::setTextAntialiasing(true);
}

TEST_F(DrawContext, AMissingStringDrawsNothingAndLeavesTheBackgroundModeAlone)
{
    HDC dc = canvas(20, 20);
    CDrawContext context(nullptr, dc, nullptr);
    SetBkMode(dc, OPAQUE);
    context.drawString(nullptr, {0, 0, 20, 20}, false, kAlignLeft);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(context.getStringWidth(nullptr), 0);
    expectPicture(dc, platform::Image(20, 20, kCanvas));
}

TEST_F(DrawContext, CopyFromPutsABlockAtTheDestinationRectangleMovedByTheDestinationsOrigin)
{
    HDC from = canvas(10, 10);
    HDC to = canvas(10, 10);
    CDrawContext source(nullptr, from, nullptr);
    Held<CDrawContext> destination(new CDrawContext(nullptr, to, nullptr));
    source.drawPoint({4, 5}, kRed);
    source.offset = {3, 3}; // the source offset is taken as it is given
    destination->offset = {1, 2};
    source.copyFrom(destination.get(), {0, 0, 2, 2}, {4, 4});
    platform::Image expected(10, 10, kCanvas);
    expected.set(1, 3, kRed.gdiValue());
    expectPicture(to, expected);
}

TEST_F(DrawContext, AContextWithoutADeviceContextAcceptsEveryCallAndDrawsNothing)
{
    CDrawContext context(nullptr, nullptr, nullptr);
    const std::vector<CPoint> points{{0, 0}, {5, 5}, {0, 5}};
    context.setFillColor(kRed);
    context.setFrameColor(kBlue);
    context.setLineWidth(1);
    context.setLineStyle(kDottedLine);
    context.setDrawMode(kPenNotXor);
    context.setFont(kVerdana10, 0, kItalicStyle);
    context.setFontColor(kRed);
    context.setClipRect({0, 0, 5, 5});
    context.resetClipRect();
    context.moveTo({0, 0});
    context.lineTo({5, 5});
    context.drawLines(points.data(), 1);
    context.drawPolygon(points.data(), 3, kFillAndOutline);
    context.drawRect({0, 0, 5, 5}, kFillAndOutline);
    context.fillRect({0, 0, 5, 5});
    context.fillEllipse({0, 0, 5, 5});
    context.drawEllipse({0, 0, 5, 5});
    context.fillArc({0, 0, 5, 5}, {5, 2}, {2, 0});
    context.drawArc({0, 0, 5, 5}, 0.0f, 90.0f, kFillAndOutline);
    context.drawPoint({1, 1}, kRed);
    context.drawString("text", {0, 0, 50, 20}, true, kAlignLeft);
    EXPECT_EQ(context.getStringWidth("text"), 0);
    EXPECT_EQ(context.getPoint({1, 1}), kBlackColor);
    EXPECT_EQ(context.getFillColor(), kRed);
}

} // namespace
