#include "platform/gdi/gdi_objects.h"
#include "platform/last_error.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using SystemValues = kravo::test::WindowTest;

TEST_F(SystemValues, MetricsAnswerTheScreenTheFixedFrameAndTheSwapSwitch)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    EXPECT_EQ(GetSystemMetrics(SM_CYFIXEDFRAME), 3);
    EXPECT_EQ(GetSystemMetrics(SM_SWAPBUTTON), 0);
    platform::setSwapButtons(true);
    EXPECT_EQ(GetSystemMetrics(SM_SWAPBUTTON), 1);
    EXPECT_EQ(GetSystemMetrics(-1), 0);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
}

TEST_F(SystemValues, SystemColoursComeFromAFixedTableWithOneSharedBrushEach)
{
    EXPECT_EQ(GetSysColor(COLOR_MENU), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_MENUTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0, 0, 128));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(999), 0u);

    HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHT);
    EXPECT_EQ(GetSysColorBrush(COLOR_HIGHLIGHT), brush);
    EXPECT_NE(GetSysColorBrush(COLOR_MENU), brush);
    EXPECT_EQ(GetSysColorBrush(999), nullptr);
    LOGBRUSH description{};
    ASSERT_EQ(GetObjectA(brush, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_EQ(description.colour, RGB(0, 0, 128));
    EXPECT_TRUE(DeleteObject(brush)); // shared: left alone
    EXPECT_EQ(GetObjectA(brush, sizeof description, &description), static_cast<int>(sizeof description));
}

TEST_F(SystemValues, EachSystemCursorHasOneHandleAndTheArrowIsInForceAtTheStart)
{
    const LPCSTR names[] = {
        IDC_ARROW, IDC_WAIT, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_SIZENESW, IDC_SIZENWSE, IDC_NO, IDC_HAND};
    std::set<HCURSOR> cursors;
    for (LPCSTR name : names) {
        HCURSOR cursor = LoadCursorA(nullptr, name);
        EXPECT_NE(cursor, nullptr);
        EXPECT_EQ(LoadCursorA(nullptr, name), cursor);
        cursors.insert(cursor);
    }
    EXPECT_EQ(cursors.size(), std::size(names));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(SetCursor(LoadCursorA(nullptr, IDC_WAIT)), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(LoadCursorA(reinterpret_cast<HINSTANCE>(std::uintptr_t{0x400000}), IDC_ARROW), nullptr);
    EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, IDC_WAIT), nullptr);
}

} // namespace
