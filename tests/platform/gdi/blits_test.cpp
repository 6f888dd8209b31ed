#include "platform/gdi/blits.h"

#include "tests/support/gdi_checked_test.h"

#include <gtest/gtest.h>

namespace {

using GdiBlits = kravo::test::GdiCheckedTest;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST_F(GdiBlits, EachOfThe256RasterOperationsCombinesPatternSourceAndDestinationByItsTruthTable)
{
    constexpr COLORREF kPattern = RGB(0xF0, 0xCC, 0x0F);
    constexpr COLORREF kSource = RGB(0xAA, 0x33, 0x5A);
    constexpr COLORREF kDestination = RGB(0x3C, 0x99, 0xC3);
    HDC source = canvas(1, 1, kSource);
    HDC destination = canvas(256, 1, kDestination);
    HBRUSH pattern = CreateSolidBrush(kPattern);
    HGDIOBJ previous = SelectObject(destination, pattern);
    for (DWORD operation = 0; operation < 256; ++operation) {
        ASSERT_EQ(BitBlt(destination, static_cast<int>(operation), 0, 1, 1, source, 0, 0, operation), TRUE);
        COLORREF expected = 0;
        for (int bit = 0; bit < 24; ++bit) {
            const int row =
                (((kPattern >> bit) & 1) << 2) | (((kSource >> bit) & 1) << 1) | ((kDestination >> bit) & 1);
            expected |= ((operation >> row) & 1) << bit;
        }
        EXPECT_EQ(GetPixel(destination, static_cast<int>(operation), 0), expected) << "operation " << operation;
    }
    EXPECT_TRUE(SRCCOPY == 0xCC && SRCAND == 0x88 && SRCINVERT == 0x66);
    // The pattern alone needs no source DC.
    EXPECT_EQ(BitBlt(destination, 0, 0, 1, 1, nullptr, 0, 0,
                  platform::rasterOperation([](bool pattern, bool, bool) { return pattern; })),
        TRUE);
    EXPECT_EQ(GetPixel(destination, 0, 0), kPattern);
    SelectObject(destination, previous);
    DeleteObject(pattern);
}

TEST_F(GdiBlits, ColourBecomesMonochromeByTheSourceBackgroundAndComesBackInTextAndBackgroundColours)
{
    HDC colour = canvas(3, 1, RGB(9, 9, 9));
    SetPixel(colour, 1, 0, RGB(1, 2, 3));
    SetBkColor(colour, RGB(1, 2, 3));
    HDC mono = CreateCompatibleDC(nullptr);
    HBITMAP mask = CreateCompatibleBitmap(mono, 3, 1);
    HGDIOBJ previous = SelectObject(mono, mask);
    BitBlt(mono, 0, 0, 3, 1, colour, 0, 0, SRCCOPY);
    platform::Image expected(3, 1, kBlack);
    expected.set(1, 0, kWhite);
    expectPicture(mono, expected);

    HDC back = canvas(3, 1);
    SetTextColor(back, RGB(200, 0, 0)); // for 0
    SetBkColor(back, RGB(0, 0, 200)); // for 1
    BitBlt(back, 0, 0, 3, 1, mono, 0, 0, SRCCOPY);
    platform::Image coloured(3, 1, RGB(200, 0, 0));
    coloured.set(1, 0, RGB(0, 0, 200));
    expectPicture(back, coloured);
    SelectObject(mono, previous);
    DeleteObject(mask);
    DeleteDC(mono);
}

TEST_F(GdiBlits, ABlockIsClippedToItsSourceAndMayOverlapItselfInOneDC)
{
    HDC source = canvas(2, 2, RGB(0, 128, 0));
    HDC destination = canvas(4, 4);
    BitBlt(destination, 0, 0, 4, 4, source, -1, -1, SRCCOPY);
    platform::Image expected(4, 4, kWhite);
    expected.fill({1, 1, 3, 3}, RGB(0, 128, 0));
    expectPicture(destination, expected);

    HDC strip = canvas(4, 1);
    for (int x = 0; x < 4; ++x)
        SetPixel(strip, x, 0, RGB(x * 60, 0, 0));
    BitBlt(strip, 1, 0, 3, 1, strip, 0, 0, SRCCOPY);
    platform::Image shifted(4, 1, 0);
    for (const int x : {0, 1, 2, 3})
        shifted.set(x, 0, RGB((x == 0 ? 0 : x - 1) * 60, 0, 0));
    expectPicture(strip, shifted);
}

} // namespace
