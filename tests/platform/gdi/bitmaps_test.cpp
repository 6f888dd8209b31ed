#include "platform/gdi/bitmaps.h"

#include "platform/module_resources.h"
#include "tests/support/gdi_checked_test.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

using GdiBitmaps = kravo::test::GdiCheckedTest;

BITMAPINFO dibHeader(int width, int height)
{
    BITMAPINFO info{};
    info.header = {.size = sizeof(BITMAPINFOHEADER),
        .width = width,
        .height = height,
        .planes = 1,
        .bitCount = 32,
        .compression = BI_RGB,
        .reserved = {}};
    return info;
}

TEST_F(GdiBitmaps, ADibSectionsMemoryIsThePictureBottomUpForAPositiveHeightAndTopDownForANegativeOne)
{
    HDC dc = CreateCompatibleDC(nullptr);
    for (const int height : {3, -3}) {
        const BITMAPINFO info = dibHeader(4, height);
        void* memory = nullptr;
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
        ASSERT_NE(memory, nullptr);
        auto* pixels = static_cast<std::uint32_t*>(memory);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        const int lastRow = height > 0 ? 2 : 0; // the picture's row that memory row 0 holds
        SetPixel(dc, 0, lastRow, RGB(255, 0, 0));
        EXPECT_EQ(pixels[0], 0x00FF0000u); // blue, green, red, fourth byte
        pixels[1] = 0x0000FF00u;
        EXPECT_EQ(GetPixel(dc, 1, lastRow), RGB(0, 255, 0));
        BITMAP description{};
        GetObjectA(bitmap, sizeof description, &description);
        EXPECT_TRUE(description.bits == memory && description.widthBytes == 16 && description.bitsPerPixel == 32);
        SelectObject(dc, previous);
        DeleteObject(bitmap);
    }
    BITMAPINFO paletted = dibHeader(4, 4);
    paletted.header.bitCount = 8;
    void* memory = nullptr;
    EXPECT_EQ(CreateDIBSection(dc, &paletted, DIB_RGB_COLORS, &memory, nullptr, 0), nullptr);
    DeleteDC(dc);
}

TEST_F(GdiBitmaps, CreateBitmapTakesMonochromeRowsPaddedTo16BitsLeftmostPixelInTheHighBit)
{
    // Two bytes a row. Row 0: pixels 0 and 9 set; row 1: pixel 1.
    const std::array<unsigned char, 4> bits{0x80, 0x40, 0x40, 0x00};
    HBITMAP bitmap = CreateBitmap(10, 2, 1, 1, bits.data());
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    platform::Image expected(10, 2, RGB(0, 0, 0));
    for (const POINT white : {POINT{0, 0}, POINT{9, 0}, POINT{1, 1}})
        expected.set(white.x, white.y, RGB(255, 255, 255));
    expectPicture(dc, expected);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 32, nullptr), nullptr);
}

TEST_F(GdiBitmaps, LoadBitmapReadsTheModulesBitmapResources)
{
    HBITMAP bitmap = LoadBitmapA(platform::pluginModule(), MAKEINTRESOURCEA(1));
    ASSERT_NE(bitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    platform::Image expected(3, 2, 0);
    const std::array<COLORREF, 6> colours{
        RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(0, 0, 0), RGB(10, 20, 30)};
    for (int i = 0; i < 6; ++i)
        expected.set(i % 3, i / 3, colours[static_cast<std::size_t>(i)]);
    expectPicture(dc, expected);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(LoadBitmapA(nullptr, MAKEINTRESOURCEA(2)), nullptr);
}

} // namespace
