#include "platform/gdi/drawing.h"

#include "tests/support/gdi_checked_test.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using GdiDrawing = kravo::test::GdiCheckedTest;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Selects an object for the rest of the scope, then puts the previous one back and deletes it.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), previous_(SelectObject(dc, object)) { }
    ~Selected()
    {
        SelectObject(dc_, previous_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
};

platform::Image picture(HDC dc, int width, int height)
{
    return platform::captureImage(dc, {0, 0, width, height}).value_or(platform::Image());
}

TEST_F(GdiDrawing, FillRectPaintsLeftToRightMinusOneBothWays)
{
    HDC dc = canvas(12, 12);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT area{0, 0, 10, 10};
    EXPECT_EQ(FillRect(dc, &area, red), 1);
    DeleteObject(red);
    platform::Image expected(12, 12, kWhite);
    expected.fill({0, 0, 10, 10}, kRed);
    expectPicture(dc, expected);
}

TEST_F(GdiDrawing, LinesLeaveOutTheirLastPixelAndMoveTheCurrentPosition)
{
    HDC dc = canvas(8, 8);
    Selected pen(dc, CreatePen(PS_SOLID, 1, kRed));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 5, 0);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 3, 3);
    POINT now{};
    MoveToEx(dc, 0, 0, &now);
    EXPECT_TRUE(now.x == 3 && now.y == 3);
    platform::Image expected(8, 8, kWhite);
    expected.fill({0, 0, 5, 1}, kRed);
    expected.set(1, 1, kRed);
    expected.set(2, 2, kRed);
    expectPicture(dc, expected);
}

TEST_F(GdiDrawing, AHalfwayStepTakesTheSmallerCoordinateWhicheverWayTheLineRuns)
{
    HDC dc = canvas(6, 4);
    Selected pen(dc, CreatePen(PS_SOLID, 1, kRed));
    // From (0, 0) to (4, 1) the line passes (2, 0.5): halfway between rows 0 and 1.
    const std::array<POINT, 2> forward{{{0, 0}, {4, 1}}};
    Polyline(dc, forward.data(), 2);
    EXPECT_EQ(GetPixel(dc, 2, 0), kRed);
    EXPECT_EQ(GetPixel(dc, 3, 1), kRed);
    EXPECT_EQ(GetPixel(dc, 4, 1), kWhite);
    const platform::Image forwardOnly = picture(dc, 6, 4);

    HDC back = canvas(6, 4);
    Selected backPen(back, CreatePen(PS_SOLID, 1, kRed));
    const std::array<POINT, 2> backward{{{4, 1}, {0, 0}}};
    Polyline(back, backward.data(), 2);
    platform::Image expected = forwardOnly;
    expected.set(0, 0, kWhite);
    expected.set(4, 1, kRed);
    expectPicture(back, expected);
}

TEST_F(GdiDrawing, DottedLinesPaintTheirGapsOnlyInTheOpaqueMode)
{
    HDC dc = canvas(6, 3);
    Selected pen(dc, CreatePen(PS_DOT, 1, kRed));
    SetBkColor(dc, kBlue);
    SetBkMode(dc, TRANSPARENT);
    // The dots run on from one line of a polyline to the next.
    const std::array<POINT, 3> transparent{{{0, 0}, {3, 0}, {6, 0}}};
    Polyline(dc, transparent.data(), 3);
    SetBkMode(dc, OPAQUE);
    MoveToEx(dc, 0, 2, nullptr);
    LineTo(dc, 6, 2);
    platform::Image expected(6, 3, kWhite);
    for (int x = 0; x < 6; ++x) {
        if (x % 2 == 0)
            expected.set(x, 0, kRed);
        expected.set(x, 2, x % 2 == 0 ? kRed : kBlue);
    }
    expectPicture(dc, expected);
}

TEST_F(GdiDrawing, PolygonsFillByTheAlternateRuleAndCloseTheirOutline)
{
    HDC dc = canvas(10, 10);
    {
        Selected brush(dc, CreateSolidBrush(kRed));
        SelectObject(dc, GetStockObject(NULL_PEN));
        // A square with a square hole, joined by a seam that is crossed twice.
        const std::array<POINT, 10> holed{
            {{0, 0}, {9, 0}, {9, 9}, {0, 9}, {0, 0}, {3, 3}, {6, 3}, {6, 6}, {3, 6}, {3, 3}}};
        Polygon(dc, holed.data(), static_cast<int>(holed.size()));
        SelectObject(dc, GetStockObject(BLACK_PEN));
    }
    platform::Image expected(10, 10, kWhite);
    expected.fill({0, 0, 9, 9}, kRed);
    expected.fill({3, 3, 6, 6}, kWhite);
    expectPicture(dc, expected);

    HDC twice = canvas(10, 10);
    Selected brush(twice, CreateSolidBrush(kRed));
    Selected pen(twice, CreatePen(PS_SOLID, 1, kBlue));
    const std::array<POINT, 4> square{{{1, 1}, {5, 1}, {5, 5}, {1, 5}}};
    Polygon(twice, square.data(), 4);
    platform::Image outlined(10, 10, kWhite);
    outlined.fill({1, 1, 6, 6}, kBlue);
    outlined.fill({2, 2, 5, 5}, kRed);
    expectPicture(twice, outlined);
}

// Whether the picture shows the colour only at pixels symmetric about the box's centre lines.
bool symmetric(const platform::Image& image, int size)
{
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (image.at(x, y) != image.at(size - 1 - x, y) || image.at(x, y) != image.at(x, size - 1 - y) ||
                image.at(x, y) != image.at(y, x))
                return false;
    return true;
}

TEST_F(GdiDrawing, WithTheNullPenAnEllipseIsFilledOnePixelSmallerToTheRightAndBottom)
{
    HDC dc = canvas(12, 12);
    Selected brush(dc, CreateSolidBrush(kRed));
    SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, 0, 0, 10, 10);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    const platform::Image drawn = picture(dc, 12, 12);
    EXPECT_TRUE(symmetric(drawn, 9));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(drawn.at(9, i), kWhite);
        EXPECT_EQ(drawn.at(i, 9), kWhite);
    }
    EXPECT_TRUE(drawn.at(0, 4) == kRed && drawn.at(8, 4) == kRed && drawn.at(4, 0) == kRed && drawn.at(4, 8) == kRed);
    EXPECT_TRUE(drawn.at(0, 0) == kWhite && drawn.at(4, 4) == kRed);
}

TEST_F(GdiDrawing, AnEllipsesOutlineLiesOnTheBoxsOwnEdgePixelsAroundItsFilling)
{
    HDC dc = canvas(11, 11);
    Selected brush(dc, CreateSolidBrush(kBlue));
    Selected pen(dc, CreatePen(PS_SOLID, 1, kRed));
    Ellipse(dc, 0, 0, 10, 10);
    const platform::Image drawn = picture(dc, 11, 11);
    EXPECT_TRUE(symmetric(drawn, 10));
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(drawn.at(10, i) == kWhite && drawn.at(i, 10) == kWhite);
    // The outline is one pixel thin: each row meets it, left to right, as outline, filling, outline.
    EXPECT_TRUE(drawn.at(0, 4) == kRed && drawn.at(1, 4) == kBlue && drawn.at(9, 5) == kRed && drawn.at(8, 5) == kBlue);
    EXPECT_TRUE(drawn.at(3, 0) == kRed && drawn.at(2, 0) == kWhite && drawn.at(3, 1) == kBlue);

    // An arc from a ray to the same ray is the whole outline, without the filling.
    HDC arc = canvas(11, 11);
    Selected arcPen(arc, CreatePen(PS_SOLID, 1, kRed));
    Arc(arc, 0, 0, 10, 10, 5, 0, 5, 0);
    platform::Image outline = drawn;
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            if (outline.at(x, y) == kBlue)
                outline.set(x, y, kWhite);
    expectPicture(arc, outline);
}

TEST_F(GdiDrawing, ArcsAndPiesRunCounterClockwiseFromTheStartRayToTheEndRay)
{
    HDC dc = canvas(21, 21);
    Selected pen(dc, CreatePen(PS_SOLID, 1, kRed));
    Arc(dc, 0, 0, 20, 20, 20, 10, 10, 0); // from the right to the top: the upper right quarter
    const platform::Image quarter = picture(dc, 21, 21);
    int painted = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            if (quarter.at(x, y) == kRed) {
                ++painted;
                EXPECT_TRUE(x >= 10 && y < 10) << x << ", " << y;
            }
    EXPECT_GT(painted, 8);

    HDC pie = canvas(21, 21);
    Selected piePen(pie, CreatePen(PS_SOLID, 1, kRed));
    Selected brush(pie, CreateSolidBrush(kBlue));
    Pie(pie, 0, 0, 20, 20, 10, 0, 20, 10); // from the top round the left and bottom to the right
    EXPECT_EQ(GetPixel(pie, 9, 9), kRed); // the closing lines meet at the centre
    EXPECT_EQ(GetPixel(pie, 9, 4), kRed); // the line up
    EXPECT_EQ(GetPixel(pie, 15, 10), kRed); // the line to the right
    EXPECT_EQ(GetPixel(pie, 5, 14), kBlue); // lower left: inside
    EXPECT_EQ(GetPixel(pie, 15, 5), kWhite); // upper right: left out
}

// What a mix mode makes of one bit of the pen and one of the destination.
bool mixed(int mode, bool pen, bool destination)
{
    return (((mode - 1) >> ((pen ? 2 : 0) + (destination ? 1 : 0))) & 1) != 0;
}

TEST_F(GdiDrawing, EachOfTheSixteenMixModesCombinesPenAndDestinationByItsTruthTable)
{
    constexpr COLORREF kPen = RGB(0xF0, 0x0F, 0x3C);
    constexpr COLORREF kDestination = RGB(0xCC, 0x33, 0xA5);
    HDC dc = canvas(16, 1, kDestination);
    Selected pen(dc, CreatePen(PS_SOLID, 1, kPen));
    for (int mode = 1; mode <= 16; ++mode) {
        SetROP2(dc, mode);
        MoveToEx(dc, mode - 1, 0, nullptr);
        LineTo(dc, mode, 0);
        COLORREF expected = 0;
        for (int bit = 0; bit < 24; ++bit)
            if (mixed(mode, ((kPen >> bit) & 1) != 0, ((kDestination >> bit) & 1) != 0))
                expected |= COLORREF{1} << bit;
        EXPECT_EQ(GetPixel(dc, mode - 1, 0), expected) << "mode " << mode;
    }
    EXPECT_EQ(R2_COPYPEN, 13);
    EXPECT_EQ(R2_NOTXORPEN, 10);
    EXPECT_EQ(R2_MERGEPEN, 15);
}

TEST_F(GdiDrawing, NotXorWithAWhitePenChangesNothingAndShapesMixToo)
{
    HDC dc = canvas(10, 10, RGB(10, 200, 30));
    Selected pen(dc, CreatePen(PS_SOLID, 1, kWhite));
    Selected brush(dc, CreateSolidBrush(kWhite));
    SetROP2(dc, R2_NOTXORPEN);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 9, 9);
    Ellipse(dc, 0, 0, 10, 10);
    expectPicture(dc, platform::Image(10, 10, RGB(10, 200, 30)));
}

TEST_F(GdiDrawing, EveryPrimitiveStaysInsideTheClipRegion)
{
    HDC dc = canvas(10, 10);
    HRGN region = CreateRectRgn(2, 2, 6, 6);
    SelectClipRgn(dc, region);
    DeleteObject(region);
    Selected pen(dc, CreatePen(PS_SOLID, 1, kRed));
    Selected brush(dc, CreateSolidBrush(kRed));
    const RECT all{0, 0, 10, 10};
    const std::array<POINT, 3> triangle{{{0, 0}, {10, 0}, {0, 10}}};
    MoveToEx(dc, 0, 9, nullptr);
    LineTo(dc, 9, 0);
    Ellipse(dc, 0, 0, 10, 10);
    Polygon(dc, triangle.data(), 3);
    Pie(dc, 0, 0, 10, 10, 0, 0, 0, 10);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetPixel(dc, 1, 1, kRed);
    EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
    SelectClipRgn(dc, nullptr);
    expectPicture(dc, platform::Image(10, 10, kWhite));
    EXPECT_EQ(LineTo(dc, 1 << 28, 0), FALSE);
}

} // namespace
