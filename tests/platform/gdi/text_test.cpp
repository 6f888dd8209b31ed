#include "platform/gdi/text.h"

#include "tests/support/gdi_checked_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

class GdiText : public kravo::test::GdiCheckedTest {
protected:
    void TearDown() override
    {
        for (const auto& [dc, previous] : fonts_)
            DeleteObject(SelectObject(dc, previous));
        platform::setTextAntialiasing(true);
        GdiCheckedTest::TearDown();
    }

    // Selects a font like the toolkit's: the character height in pixels, a face and a weight.
    void useFont(HDC dc, int characterHeight, const char* face, int weight = FW_NORMAL, bool underline = false)
    {
        HFONT font = CreateFontA(-characterHeight, 0, 0, 0, weight, 0, underline ? 1 : 0, 0, ANSI_CHARSET,
            OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face);
        fonts_.emplace_back(dc, SelectObject(dc, font));
    }

    int width(HDC dc, const char* text)
    {
        SIZE size{};
        EXPECT_EQ(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size), TRUE);
        return size.width;
    }

private:
    std::vector<std::pair<HDC, HGDIOBJ>> fonts_;
};

// Columns and rows of the pixels that are not the background.
RECT inkBox(HDC dc, int width, int height, COLORREF background = kWhite)
{
    RECT box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (GetPixel(dc, x, y) != background)
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                    std::max<LONG>(box.bottom, y + 1)};
    return box;
}

TEST_F(GdiText, Arial12MeasuresTheAdvancesOfLiberationSansAndItsWindowsMetrics)
{
    HDC dc = canvas(4, 4);
    useFont(dc, 12, "Arial");
    // Liberation Sans advances in its 2048 units: K 1366, r 682, a 1139, v 1024, o 1139; at 12 pixels each
    // rounds to 8, 4, 7, 6 and 7 (DejaVu Sans, what an unknown face falls back to, gives 34; bold 35).
    EXPECT_EQ(width(dc, "Kravo"), 32);
    TEXTMETRICA metrics{};
    ASSERT_EQ(GetTextMetricsA(dc, &metrics), TRUE);
    // Windows ascent 1854 and descent 434 units.
    EXPECT_TRUE(metrics.ascent == 11 && metrics.descent == 3 && metrics.height == 14 && metrics.internalLeading == 2);
    SIZE size{};
    GetTextExtentPoint32A(dc, "", 0, &size);
    EXPECT_TRUE(size.width == 0 && size.height == 14);

    HDC bold = canvas(4, 4);
    useFont(bold, 12, "Arial", FW_BOLD);
    EXPECT_EQ(width(bold, "Kravo"), 35);
    HDC unknown = canvas(4, 4);
    useFont(unknown, 12, "No Such Face");
    EXPECT_EQ(width(unknown, "Kravo"), 34);
}

TEST_F(GdiText, TheExternalLeadingIsTheLineGapTheWindowsCellLeavesOut)
{
    // Liberation Sans: a line gap of 67 units, none of it inside the Windows cell; at 64 pixels 2.09.
    HDC large = canvas(4, 4);
    useFont(large, 64, "Arial");
    TEXTMETRICA metrics{};
    ASSERT_EQ(GetTextMetricsA(large, &metrics), TRUE);
    EXPECT_EQ(metrics.externalLeading, 2);
    HDC small = canvas(4, 4);
    useFont(small, 12, "Arial");
    ASSERT_EQ(GetTextMetricsA(small, &metrics), TRUE);
    EXPECT_EQ(metrics.externalLeading, 0);
}

TEST_F(GdiText, DrawTextPlacesOneLineInItsRectangleAndClipsToIt)
{
    platform::setTextAntialiasing(false);
    HDC dc = canvas(80, 30);
    useFont(dc, 12, "Arial");
    SetBkMode(dc, TRANSPARENT);
    RECT measured{5, 5, 5, 5};
    EXPECT_EQ(DrawTextA(dc, "Kravo", -1, &measured, DT_CALCRECT | DT_SINGLELINE), 14);
    EXPECT_TRUE(measured.right == 37 && measured.bottom == 19);
    EXPECT_EQ(inkBox(dc, 80, 30).right, 0); // measuring draws nothing

    RECT left{0, 0, 80, 30};
    DrawTextA(dc, "Kravo", -1, &left, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
    const RECT atLeft = inkBox(dc, 80, 30);
    HDC other = canvas(80, 30);
    useFont(other, 12, "Arial");
    SetBkMode(other, TRANSPARENT);
    RECT centred{0, 0, 80, 30};
    EXPECT_EQ(DrawTextA(other, "Kravo", 5, &centred, DT_SINGLELINE | DT_NOPREFIX | DT_CENTER | DT_VCENTER), 22);
    const RECT atCentre = inkBox(other, 80, 30);
    // The text's 32 pixels start at (80 - 32) / 2 = 24; its 14-pixel cell at (30 - 14) / 2 = 8.
    EXPECT_TRUE(atCentre.left - atLeft.left == 24 && atCentre.top - atLeft.top == 8);

    HDC clipped = canvas(80, 30);
    useFont(clipped, 12, "Arial");
    RECT narrow{0, 0, 80, 6};
    DrawTextA(clipped, "Kravo", -1, &narrow, DT_SINGLELINE | DT_RIGHT);
    const RECT ink = inkBox(clipped, 80, 30);
    EXPECT_TRUE(ink.bottom <= 6 && ink.right <= 80 && ink.right > 70);
}

TEST_F(GdiText, TheOpaqueModeFillsTheTextCellInTheBackgroundColour)
{
    HDC dc = canvas(60, 20);
    useFont(dc, 12, "Arial");
    SetBkColor(dc, RGB(0, 0, 255));
    SetTextColor(dc, kWhite);
    EXPECT_EQ(TextOutA(dc, 3, 2, "Kravo", 5), TRUE);
    const RECT cell = inkBox(dc, 60, 20);
    EXPECT_TRUE(cell.left == 3 && cell.top == 2 && cell.right == 35 && cell.bottom == 16);
    EXPECT_EQ(GetPixel(dc, 3, 2), RGB(0, 0, 255));

    HDC transparent = canvas(60, 20);
    useFont(transparent, 12, "Arial");
    SetBkMode(transparent, TRANSPARENT);
    SetBkColor(transparent, RGB(0, 0, 255));
    TextOutA(transparent, 3, 2, "Kravo", 5);
    EXPECT_EQ(GetPixel(transparent, 3, 2), kWhite);
}

TEST_F(GdiText, GlyphsBlendTheTextColourIntoTheBackgroundOrAreBilevelWhenSwitched)
{
    for (const bool antialiased : {true, false}) {
        platform::setTextAntialiasing(antialiased);
        HDC dc = canvas(60, 20);
        useFont(dc, 12, "Arial");
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kRed);
        TextOutA(dc, 2, 2, "Kravo", 5);
        std::set<COLORREF> colours;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                colours.insert(GetPixel(dc, x, y));
        for (const COLORREF colour : colours) // every shade lies between white and red
            EXPECT_TRUE((colour & 0xFF) == 255 && ((colour >> 8) & 0xFF) == (colour >> 16)) << std::hex << colour;
        EXPECT_EQ(colours.size() > 2, antialiased);
    }
}

TEST_F(GdiText, AnUnderlinedFontDrawsALineBelowTheBaselineAcrossTheText)
{
    platform::setTextAntialiasing(false);
    HDC dc = canvas(60, 20);
    useFont(dc, 12, "Arial", FW_NORMAL, true);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 0, 0, "Kravo", 5);
    // Liberation Sans puts the underline's middle 142 units below the baseline, 150 thick: one pixel at 12.
    for (int x = 0; x < 32; ++x)
        EXPECT_EQ(GetPixel(dc, x, 12), RGB(0, 0, 0)) << x;
    EXPECT_EQ(GetPixel(dc, 32, 12), kWhite);
}

} // namespace
