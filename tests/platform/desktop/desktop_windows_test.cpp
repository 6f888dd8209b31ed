#include "platform/desktop/desktop_windows.h"
#include "tests/platform/desktop/desktop_test.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF kBackground = RGB(20, 40, 60);
constexpr COLORREF kRed = RGB(230, 10, 10);

class DesktopWindows : public kravo::test::DesktopTest {
protected:
    void SetUp() override
    {
        DesktopTest::SetUp();
        background = CreateSolidBrush(kBackground);
    }

    void TearDown() override
    {
        DeleteObject(background);
        DesktopTest::TearDown();
    }

    // A top-level window on the screen at the rectangle, of a class that erases with kBackground.
    HWND makeTopLevel(RECT rect, DWORD style = WS_VISIBLE, const char* title = "Kravo")
    {
        if (!registered_) {
            registerRecordingClass(0, background, "KravoPainted");
            registered_ = true;
        }
        return CreateWindowExA(0, "KravoPainted", title, style, rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
    }

    static SIZE sdlSize(HWND window)
    {
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(sdlWindow(window), &width, &height);
        return {width, height};
    }

    static POINT sdlPosition(HWND window)
    {
        int x = 0;
        int y = 0;
        SDL_GetWindowPosition(sdlWindow(window), &x, &y);
        return {x, y};
    }

    // Paints a red box on every WM_PAINT.
    void paintRedBoxes()
    {
        answer = [](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
            if (delivery.message != WM_PAINT)
                return std::nullopt;
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(delivery.window, &paint);
            HBRUSH red = CreateSolidBrush(kRed);
            const RECT box{10, 10, 60, 40};
            FillRect(dc, &box, red);
            DeleteObject(red);
            EndPaint(delivery.window, &paint);
            return 0;
        };
    }

    HBRUSH background = nullptr;

private:
    bool registered_ = false;
};

TEST_F(DesktopWindows, AShownTopLevelWindowOpensAnSdlWindowOfItsSizeTitleAndPlaceAndAChildNone)
{
    HWND window = makeTopLevel({40, 30, 360, 230});
    HWND child = makeWindow(window, {10, 10, 50, 50}, WS_VISIBLE, "KravoPainted");

    ASSERT_NE(sdlWindow(window), nullptr);
    EXPECT_EQ(sdlSize(window).width, 320);
    EXPECT_EQ(sdlSize(window).height, 200);
    EXPECT_EQ(std::string(SDL_GetWindowTitle(sdlWindow(window))), "Kravo");
    EXPECT_EQ(sdlPosition(window).x, 40);
    EXPECT_EQ(sdlPosition(window).y, 30);
    EXPECT_EQ(sdlWindow(child), nullptr) << "a child shows in its top-level window's pixels";

    SetWindowTextA(window, "Kravo \xC9" "diteur");
    EXPECT_EQ(std::string(SDL_GetWindowTitle(sdlWindow(window))), "Kravo \xC3\x89" "diteur") << "in UTF-8";
    DestroyWindow(window);
}

TEST_F(DesktopWindows, AWindowShowsOnTheDesktopOnlyWhileShownAndClosesThereWhenDestroyed)
{
    HWND window = makeTopLevel({0, 0, 100, 80}, 0);
    EXPECT_EQ(sdlWindow(window), nullptr);

    ShowWindow(window, SW_SHOW);
    const Uint32 first = sdlId(window);
    EXPECT_NE(SDL_GetWindowFromID(first), nullptr);
    ShowWindow(window, SW_HIDE);
    EXPECT_EQ(sdlWindow(window), nullptr);
    EXPECT_EQ(SDL_GetWindowFromID(first), nullptr) << "hiding closes the SDL window";

    ShowWindow(window, SW_SHOW);
    const Uint32 second = sdlId(window);
    ASSERT_NE(SDL_GetWindowFromID(second), nullptr);
    DestroyWindow(window);
    EXPECT_EQ(SDL_GetWindowFromID(second), nullptr);
}

TEST_F(DesktopWindows, SizingTheWindowSizesItsSdlWindowAndMovingEitherMovesTheOther)
{
    HWND window = makeTopLevel({40, 30, 360, 230});

    SetWindowPos(window, HWND_TOP, 0, 0, 400, 250, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(sdlSize(window).width, 400);
    EXPECT_EQ(sdlSize(window).height, 250);
    SetWindowPos(window, HWND_TOP, 70, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(sdlPosition(window).x, 70);
    EXPECT_EQ(sdlPosition(window).y, 90);

    push(windowEvent(window, SDL_WINDOWEVENT_MOVED, 300, 250));
    platform::pumpMessages();

    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 300);
    EXPECT_EQ(rect.top, 250);
    EXPECT_EQ(rect.right, 700) << "the size stays";
    POINT point{310, 270};
    ScreenToClient(window, &point);
    EXPECT_EQ(point.x, 10);
    EXPECT_EQ(point.y, 20);
    DestroyWindow(window);
}

TEST_F(DesktopWindows, ClosingTheSdlWindowSendsWmCloseWhoseDefaultDestroysTheWindow)
{
    HWND window = makeTopLevel({0, 0, 100, 80});
    push(windowEvent(window, SDL_WINDOWEVENT_CLOSE));

    platform::pumpMessages();

    EXPECT_EQ(count(WM_CLOSE, window), 1);
    EXPECT_EQ(count(WM_DESTROY, window), 1);
    EXPECT_EQ(platform::windowCount(), 0u);
}

TEST_F(DesktopWindows, WhatAPaintLeavesIsPresentedAtOnce)
{
    paintRedBoxes();
    HWND window = makeTopLevel({40, 30, 360, 230});
    HWND child = makeWindow(window, {100, 50, 200, 150}, WS_VISIBLE, "KravoPainted");

    platform::pumpMessages();

    const auto captured = platform::captureWindow(window);
    ASSERT_TRUE(captured.has_value());
    EXPECT_EQ(captured->at(20, 20), kRed);
    EXPECT_EQ(captured->at(120, 70), kRed) << "the child's paint is in its top-level window's pixels";
    expectSamePicture(presented(window), *captured);
    DestroyWindow(child);
    DestroyWindow(window);
}

TEST_F(DesktopWindows, DrawingOutsideAPaintIsPresentedWhenInputIsReadAtMost60TimesASecond)
{
    HWND window = makeTopLevel({0, 0, 100, 80});
    platform::pumpMessages();
    const platform::Image before = presented(window);

    HDC dc = GetDC(window);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT box{0, 0, 30, 30};
    FillRect(dc, &box, red);
    DeleteObject(red);
    ReleaseDC(window, dc);

    GetAsyncKeyState(VK_LBUTTON);
    EXPECT_EQ(presented(window), before) << "presented at the paint a moment ago";
    clock().advance(platform::desktop::kPresentInterval);
    GetAsyncKeyState(VK_LBUTTON);
    expectSamePicture(presented(window), *platform::captureWindow(window));
    EXPECT_EQ(presented(window).at(5, 5), kRed);
    DestroyWindow(window);
}

} // namespace
