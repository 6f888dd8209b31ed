#include "platform/gdi/gdi_objects.h"

#include "platform/gdi/text.h"
#include "platform/last_error.h"
#include "tests/support/gdi_checked_test.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using GdiObjects = kravo::test::GdiCheckedTest;

TEST_F(GdiObjects, StaleAndWrongKindHandlesFailWithInvalidHandleAndAreCounted)
{
    HDC dc = canvas(4, 4);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    ASSERT_EQ(DeleteObject(pen), TRUE);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(DeleteObject(pen), FALSE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(SelectObject(dc, pen), nullptr);
    EXPECT_EQ(LineTo(reinterpret_cast<HDC>(pen), 1, 1), FALSE);
    EXPECT_EQ(DeleteDC(reinterpret_cast<HDC>(GetStockObject(WHITE_BRUSH))), FALSE);
    EXPECT_EQ(DeleteObject(dc), FALSE);

    HPEN again = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    EXPECT_NE(again, pen); // never the stale handle's value
    DeleteObject(again);
    expectMisuses(5);
}

TEST_F(GdiObjects, ASelectedObjectCannotBeDeletedAndABitmapGoesIntoOneDCAtATime)
{
    HDC dc = canvas(4, 4);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ previous = SelectObject(dc, brush);
    EXPECT_EQ(previous, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(DeleteObject(brush), FALSE);
    EXPECT_EQ(SelectObject(dc, previous), brush);
    EXPECT_EQ(DeleteObject(brush), TRUE);

    HDC other = CreateCompatibleDC(dc);
    HBITMAP held = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    EXPECT_EQ(SelectObject(other, held), nullptr);
    EXPECT_EQ(DeleteObject(held), FALSE);
    DeleteDC(other);
    expectMisuses(3);
}

TEST_F(GdiObjects, CountsFollowEachKindAndStockObjectsStayOutOfThem)
{
    const platform::GdiObjectCounts before = platform::gdiObjectCounts();
    HPEN pen = CreatePen(PS_DOT, 1, 0);
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HDC dc = CreateCompatibleDC(nullptr);
    platform::GdiObjectCounts expected = before;
    ++expected.pens, ++expected.regions, ++expected.fonts, ++expected.deviceContexts;
    EXPECT_EQ(platform::gdiObjectCounts(), expected);

    EXPECT_EQ(DeleteObject(GetStockObject(NULL_PEN)), TRUE); // accepted, and nothing happens
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_PEN)), GetStockObject(BLACK_PEN));
    EXPECT_EQ(platform::gdiObjectCounts(), expected);
    for (HGDIOBJ object : {HGDIOBJ(pen), HGDIOBJ(region), HGDIOBJ(font)})
        DeleteObject(object);
    DeleteDC(dc);
    EXPECT_EQ(platform::gdiObjectCounts(), before);
    EXPECT_EQ(CreatePen(PS_SOLID, 2, 0), nullptr); // only cosmetic lines
}

TEST_F(GdiObjects, GetObjectDescribesBitmapsPensBrushesAndFonts)
{
    HBITMAP bitmap = CreateBitmap(20, 3, 1, 1, nullptr);
    BITMAP description{};
    EXPECT_EQ(GetObjectA(bitmap, 0, nullptr), static_cast<int>(sizeof description));
    EXPECT_EQ(GetObjectA(bitmap, sizeof description - 1, &description), 0);
    ASSERT_EQ(GetObjectA(bitmap, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_TRUE(description.width == 20 && description.height == 3 && description.bitsPerPixel == 1 &&
        description.widthBytes == 4 && description.bits == nullptr);

    HPEN pen = CreatePen(PS_DOT, 1, RGB(1, 2, 3));
    LOGPEN penDescription{};
    GetObjectA(pen, sizeof penDescription, &penDescription);
    EXPECT_TRUE(penDescription.style == PS_DOT && penDescription.width == 1 && penDescription.colour == RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    LOGBRUSH brushDescription{};
    GetObjectA(brush, sizeof brushDescription, &brushDescription);
    EXPECT_TRUE(brushDescription.style == BS_SOLID && brushDescription.colour == RGB(4, 5, 6));
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_BOLD, 1, 0, 0, ANSI_CHARSET, OUT_STRING_PRECIS, CLIP_STROKE_PRECIS,
        DEFAULT_QUALITY, FF_DECORATIVE | DEFAULT_PITCH, "Symbol");
    LOGFONTA fontDescription{};
    GetObjectA(font, sizeof fontDescription, &fontDescription);
    EXPECT_TRUE(fontDescription.height == -13 && fontDescription.weight == FW_BOLD && fontDescription.italic == 1 &&
        fontDescription.pitchAndFamily == FF_DECORATIVE && std::strcmp(fontDescription.faceName, "Symbol") == 0);
    for (HGDIOBJ object : {HGDIOBJ(bitmap), HGDIOBJ(pen), HGDIOBJ(brush), HGDIOBJ(font)})
        DeleteObject(object);
}

} // namespace
