#include "platform/gdi/device_context.h"

#include "platform/gdi/blits.h"
#include "platform/gdi/drawing_surface.h"
#include "platform/last_error.h"
#include "tests/support/gdi_checked_test.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using GdiDeviceContexts = kravo::test::GdiCheckedTest;

BITMAP describe(HGDIOBJ bitmap)
{
    BITMAP description{};
    GetObjectA(bitmap, sizeof description, &description);
    return description;
}

bool same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(GdiDeviceContexts, AFreshMemoryDCHoldsGdisDefaults)
{
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    const BITMAP bitmap = describe(GetCurrentObject(dc, OBJ_BITMAP));
    EXPECT_TRUE(bitmap.width == 1 && bitmap.height == 1 && bitmap.bitsPerPixel == 1);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(SetROP2(dc, 17), 0);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    DeleteDC(dc);
}

TEST_F(GdiDeviceContexts, AFreshMemoryDCMakesMonochromeBitmapsAndAColourOneOrTheScreenColourBitmaps)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP monochrome = CreateCompatibleBitmap(memory, 8, 8);
    HBITMAP colour = CreateCompatibleBitmap(screen, 8, 8);
    EXPECT_EQ(describe(monochrome).bitsPerPixel, 1);
    EXPECT_EQ(describe(colour).bitsPerPixel, 32);
    HGDIOBJ original = SelectObject(memory, colour);
    HBITMAP fromColourDC = CreateCompatibleBitmap(memory, 8, 8);
    EXPECT_EQ(describe(fromColourDC).bitsPerPixel, 32);
    SelectObject(memory, original);
    for (HGDIOBJ object : {HGDIOBJ(monochrome), HGDIOBJ(colour), HGDIOBJ(fromColourDC)})
        DeleteObject(object);
    DeleteDC(memory);
    EXPECT_EQ(DeleteDC(screen), FALSE); // a DC from GetDC goes back with ReleaseDC
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    expectMisuses(1);
}

TEST_F(GdiDeviceContexts, TheScreenIs1920By1080ColourPixels)
{
    HDC screen = GetDC(nullptr);
    RECT box{};
    EXPECT_EQ(GetClipBox(screen, &box), SIMPLEREGION);
    EXPECT_TRUE(same(box, {0, 0, 1920, 1080}));
    EXPECT_EQ(SetPixel(screen, 1919, 1079, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(screen, 1919, 1079), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(screen, 1920, 0), CLR_INVALID);
    ReleaseDC(nullptr, screen);
}

class TestSurface : public platform::DrawingSurface {
public:
    platform::PixelBuffer pixels() override { return {pixels_.data(), 20, 20}; }
    POINT origin() override { return {5, 4}; }
    platform::RectangleSet deviceClip() override { return platform::RectangleSet(RECT{5, 4, 15, 12}); }
    std::uint32_t at(int x, int y) const
    {
        return pixels_[static_cast<std::size_t>(y) * 20 + static_cast<std::size_t>(x)];
    }

private:
    std::vector<std::uint32_t> pixels_ = std::vector<std::uint32_t>(400);
};

TEST_F(GdiDeviceContexts, ASurfaceDCDrawsFromItsOriginWithinItsDeviceClip)
{
    TestSurface surface;
    HDC dc = platform::createSurfaceDC(surface);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    const RECT everything{-100, -100, 100, 100};
    FillRect(dc, &everything, brush);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(surface.at(x, y), x >= 5 && x < 15 && y >= 4 && y < 12 ? 0xFF0000u : 0u) << x << ", " << y;
    RECT box{};
    GetClipBox(dc, &box);
    EXPECT_TRUE(same(box, {0, 0, 10, 8}));
    HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr); // bitmaps go into memory DCs
    for (HGDIOBJ object : {HGDIOBJ(bitmap), HGDIOBJ(brush)})
        DeleteObject(object);
    ReleaseDC(nullptr, dc);
    expectMisuses(1);
}

// Shows an L: the surface less its top-right quarter.
class LShapedSurface : public TestSurface {
public:
    platform::RectangleSet deviceClip() override
    {
        platform::RectangleSet shown(RECT{0, 0, 20, 20});
        shown.subtract(RECT{10, 0, 20, 10});
        return shown;
    }
};

TEST_F(GdiDeviceContexts, ASurfaceThatShowsMoreThanOneRectangleLimitsFillsBlitsAndPixelsToIt)
{
    LShapedSurface surface;
    HDC dc = platform::createSurfaceDC(surface);
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_TRUE(same(box, {-5, -4, 15, 16}));
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    const RECT everything{-100, -100, 100, 100};
    FillRect(dc, &everything, brush);
    HDC source = canvas(20, 20, RGB(0, 0, 255));
    BitBlt(dc, -5, 6, 20, 10, source, 0, 0, SRCCOPY);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool shown = x < 10 || y >= 10;
            const std::uint32_t expected = !shown ? 0u : y >= 10 && y < 20 ? 0x0000FFu : 0xFF0000u;
            EXPECT_EQ(surface.at(x, y), expected) << x << ", " << y;
        }
    EXPECT_EQ(SetPixel(dc, 10, -2, RGB(0, 255, 0)), CLR_INVALID); // in the box, not in the L
    EXPECT_EQ(GetPixel(dc, 10, -2), CLR_INVALID);
    DeleteObject(brush);
    ReleaseDC(nullptr, dc);
}

TEST_F(GdiDeviceContexts, AClipRegionIsCopiedIntoTheDCAndLimitsDrawing)
{
    HDC dc = canvas(8, 8);
    HRGN region = CreateRectRgn(6, 5, 2, 1); // corners in any order
    EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
    DeleteObject(region);
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_TRUE(same(box, {2, 1, 6, 5}));
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    const RECT everything{0, 0, 8, 8};
    FillRect(dc, &everything, black);
    EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID);
    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    platform::Image expected(8, 8, RGB(255, 255, 255));
    expected.fill({2, 1, 6, 5}, RGB(0, 0, 0));
    expectPicture(dc, expected);

    HRGN empty = CreateRectRgn(3, 3, 3, 9);
    EXPECT_EQ(SelectClipRgn(dc, empty), NULLREGION);
    DeleteObject(empty);
    DeleteObject(black);
}

} // namespace
