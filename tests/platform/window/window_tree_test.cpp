#include "platform/last_error.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using WindowTree = kravo::test::WindowTest;

bool same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(WindowTree, AChildAt100By50InATopLevelWindowAt200By300MapsScreen350By400To50By50)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {200, 300, 700, 800});
    HWND child = makeWindow(top, {100, 50, 300, 250});
    POINT point{350, 400};
    EXPECT_TRUE(ScreenToClient(child, &point));
    EXPECT_TRUE(point.x == 50 && point.y == 50);
    EXPECT_TRUE(ClientToScreen(child, &point));
    EXPECT_TRUE(point.x == 350 && point.y == 400);
    RECT rect{};
    GetWindowRect(child, &rect);
    EXPECT_TRUE(same(rect, {300, 350, 500, 550}));
    GetClientRect(child, &rect);
    EXPECT_TRUE(same(rect, {0, 0, 200, 200}));

    POINT points[2] = {{0, 0}, {-10, 5}};
    const int shift = MapWindowPoints(child, top, points, 2);
    EXPECT_EQ(static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(shift))), 100);
    EXPECT_EQ(static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(shift))), 50);
    EXPECT_TRUE(points[1].x == 90 && points[1].y == 55);
    MapWindowPoints(top, child, points, 1);
    EXPECT_TRUE(points[0].x == 0 && points[0].y == 0);
    DestroyWindow(top);
}

TEST_F(WindowTree, WindowFromPointFindsTheDeepestVisibleWindowOnTopOfTheOthers)
{
    registerRecordingClass();
    HWND lower = makeWindow(nullptr, {0, 0, 400, 400});
    HWND upper = makeWindow(nullptr, {100, 100, 300, 300});
    HWND child = makeWindow(upper, {10, 10, 50, 50});
    HWND grandchild = makeWindow(child, {5, 5, 15, 15});
    HWND hidden = makeWindow(upper, {60, 60, 90, 90}, 0);
    EXPECT_EQ(WindowFromPoint({115, 115}), grandchild);
    EXPECT_EQ(WindowFromPoint({112, 112}), child);
    EXPECT_EQ(WindowFromPoint({170, 170}), upper); // under a hidden child
    EXPECT_EQ(WindowFromPoint({50, 50}), lower);
    EXPECT_EQ(WindowFromPoint({500, 50}), nullptr);
    BringWindowToTop(lower);
    EXPECT_EQ(WindowFromPoint({115, 115}), lower);
    EXPECT_TRUE(ShowWindow(hidden, SW_SHOW) == FALSE);
    DestroyWindow(lower);
    DestroyWindow(upper);
}

TEST_F(WindowTree, SetWindowPosStacksBelowAGivenSiblingAndRefusesAStranger)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 100, 100});
    HWND first = makeWindow(top, {0, 0, 50, 50});
    HWND second = makeWindow(top, {0, 0, 50, 50}); // on top
    EXPECT_EQ(WindowFromPoint({10, 10}), second);
    EXPECT_TRUE(SetWindowPos(second, first, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(WindowFromPoint({10, 10}), first);
    EXPECT_FALSE(SetWindowPos(second, top, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(SetWindowPos(first, HWND_TOP, 5, 6, 7, 8, SWP_NOZORDER));
    RECT rect{};
    GetWindowRect(first, &rect);
    EXPECT_TRUE(same(rect, {5, 6, 12, 14}));
    DestroyWindow(top);
}

TEST_F(WindowTree, DestroyWindowEndsTheChildrenFirstAndLeavesStaleHandles)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 100, 100});
    HWND child = makeWindow(top, {0, 0, 50, 50});
    HWND grandchild = makeWindow(child, {0, 0, 10, 10});
    PostMessageA(grandchild, WM_USER, 0, 0);
    SetTimer(child, 1, 10, nullptr);
    deliveries.clear();
    EXPECT_TRUE(DestroyWindow(top));
    ASSERT_EQ(deliveries.size(), 3u);
    EXPECT_TRUE(deliveries[0].window == grandchild && deliveries[0].message == WM_DESTROY);
    EXPECT_TRUE(deliveries[1].window == child && deliveries[1].message == WM_DESTROY);
    EXPECT_TRUE(deliveries[2].window == top && deliveries[2].message == WM_DESTROY);
    EXPECT_EQ(platform::windowCount(), 0u);
    SetLastError(0);
    EXPECT_EQ(GetParent(child), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(DestroyWindow(child));
    MSG message{};
    clock().advance(100);
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)); // its message and timer went with it
}

TEST_F(WindowTree, DestroyingTheFocusWindowSendsWmKillFocusOnce)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 100, 100});
    HWND child = makeWindow(top, {0, 0, 50, 50});
    HWND other = makeWindow(top, {50, 50, 60, 60});
    SetFocus(child);
    EXPECT_EQ(GetFocus(), child);
    DestroyWindow(other);
    EXPECT_EQ(count(WM_KILLFOCUS), 0);
    DestroyWindow(child);
    EXPECT_EQ(count(WM_KILLFOCUS, child), 1);
    EXPECT_EQ(count(WM_KILLFOCUS), 1);
    EXPECT_EQ(GetFocus(), nullptr);

    HWND inner = makeWindow(top, {0, 0, 50, 50});
    SetFocus(inner);
    DestroyWindow(top); // the focus window goes with its parent
    EXPECT_EQ(count(WM_KILLFOCUS, inner), 1);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTree, SetFocusTellsTheWindowThatLosesItAndTheOneThatGetsIt)
{
    registerRecordingClass();
    HWND first = makeWindow(nullptr, {0, 0, 10, 10});
    HWND second = makeWindow(nullptr, {0, 0, 10, 10});
    EXPECT_EQ(SetFocus(first), nullptr);
    EXPECT_EQ(SetFocus(second), first);
    SetFocus(second);
    EXPECT_EQ(count(WM_SETFOCUS), 2);
    EXPECT_EQ(count(WM_KILLFOCUS), 1);
    const auto killed = std::find_if(deliveries.begin(), deliveries.end(),
        [](const kravo::test::Delivery& delivery) { return delivery.message == WM_KILLFOCUS; });
    EXPECT_TRUE(killed->window == first && reinterpret_cast<HWND>(killed->wParam) == second);
    SetFocus(nullptr);
    EXPECT_EQ(count(WM_KILLFOCUS, second), 1);
    DestroyWindow(first);
    DestroyWindow(second);
}

LRESULT replacement(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER)
        return 42;
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return CallWindowProcA(previous, window, message, wParam, lParam + 1);
}

TEST_F(WindowTree, AWindowKeepsAPointerSizedValueAndItsProcedureCanBeReplacedAndCalledOn)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 10, 10});
    const LONG_PTR wide = static_cast<LONG_PTR>(static_cast<std::uintptr_t>(UINTPTR_MAX) - 0x1234);
    EXPECT_EQ(SetWindowLongPtrA(window, GWLP_USERDATA, wide), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_USERDATA), wide);

    const LONG_PTR original = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&replacement));
    SetWindowLongA(window, GWL_USERDATA, original);
    EXPECT_EQ(SendMessageA(window, WM_USER, 0, 0), 42);
    deliveries.clear();
    SendMessageA(window, WM_USER + 1, 0, 7);
    ASSERT_EQ(deliveries.size(), 1u);
    EXPECT_EQ(deliveries[0].lParam, 8);

    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    EXPECT_EQ(style & WS_VISIBLE, WS_VISIBLE);
    SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>(WS_CHILD | WS_CAPTION));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), WS_CAPTION); // stays top-level
    EXPECT_EQ(GetWindowLongPtrA(window, 5), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    DestroyWindow(window);
}

TEST_F(WindowTree, TitlesGoThroughTheProcedureAndTitlesAndClassNamesAreCutToTheCallersBuffer)
{
    registerRecordingClass();
    HWND window = CreateWindowExA(
        0, kRecordingClass, "Vexo Editor", WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    char text[6] = "?????";
    EXPECT_EQ(GetWindowTextA(window, text, sizeof text), 5);
    EXPECT_EQ(std::string(text), "Vexo ");
    SetWindowTextA(window, "Window");
    EXPECT_EQ(GetWindowTextA(window, text, 3), 2);
    EXPECT_EQ(std::string(text), "Wi");
    EXPECT_EQ(count(WM_SETTEXT, window), 1); // both go through the window's procedure
    EXPECT_EQ(count(WM_GETTEXT, window), 2);
    char name[64] = {};
    EXPECT_EQ(GetClassNameA(window, name, sizeof name), static_cast<int>(std::string(kRecordingClass).size()));
    EXPECT_EQ(std::string(name), kRecordingClass);
    DestroyWindow(window);
}

TEST_F(WindowTree, AChildNeedsALivingParentAndATopLevelWindowHasNone)
{
    registerRecordingClass();
    SetLastError(0);
    EXPECT_EQ(makeWindow(reinterpret_cast<HWND>(std::uintptr_t{0x1234}), {0, 0, 10, 10}), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(CreateWindowExA(0, kRecordingClass, "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    HWND top = makeWindow(nullptr, {0, 0, 10, 10});
    HWND owned = CreateWindowExA(0, kRecordingClass, "", WS_VISIBLE, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetParent(owned), nullptr);
    EXPECT_EQ(GetParent(makeWindow(top, {0, 0, 5, 5})), top);
    DestroyWindow(top);
    DestroyWindow(owned);
}

TEST_F(WindowTree, EnumeratingChildrenVisitsEachWindowBelowBeforeItsOwnChildrenUntilToldToStop)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 100, 100});
    HWND lower = makeWindow(top, {0, 0, 50, 50});
    HWND upper = makeWindow(top, {10, 10, 60, 60});
    HWND inner = makeWindow(lower, {0, 0, 5, 5});
    std::vector<HWND> seen;
    const auto collect = [](HWND window, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
    };
    EXPECT_TRUE(EnumChildWindows(top, collect, reinterpret_cast<LPARAM>(&seen)));
    EXPECT_EQ(seen, (std::vector<HWND>{upper, lower, inner}));

    seen.clear();
    const auto firstOnly = [](HWND window, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return FALSE;
    };
    EnumChildWindows(top, firstOnly, reinterpret_cast<LPARAM>(&seen));
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_FALSE(EnumChildWindows(reinterpret_cast<HWND>(std::uintptr_t{0x1234}), collect, 0));
    DestroyWindow(top);
}

TEST_F(WindowTree, TheDefaultProcedurePassesTheWheelUpClosesAndSetsTheClassCursor)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 100, 100});
    HWND child = makeWindow(top, {0, 0, 50, 50});
    SendMessageA(child, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(10, 10));
    EXPECT_EQ(count(WM_MOUSEWHEEL, top), 1);
    EXPECT_EQ(deliveries.back().wParam, MAKEWPARAM(0, -WHEEL_DELTA));

    SetCursor(LoadCursorA(nullptr, IDC_HAND));
    EXPECT_EQ(SendMessageA(child, WM_SETCURSOR, reinterpret_cast<WPARAM>(child), WM_MOUSEMOVE), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));

    SendMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_EQ(count(WM_DESTROY, child), 1);
    EXPECT_EQ(GetParent(child), nullptr);
    DestroyWindow(top);
}

TEST_F(WindowTree, WindowSizesAndPositionsAreKeptWithinTheirLimits)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 10, 10});
    SetWindowPos(window, HWND_TOP, -(1 << 30), 5, -20, 1 << 30, SWP_NOZORDER);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_TRUE(same(rect, {-kMaxWindowPosition, 5, -kMaxWindowPosition, 5 + kMaxWindowSize}));
    DestroyWindow(window);
}

} // namespace
