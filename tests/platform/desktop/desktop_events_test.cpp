#include "platform/desktop/desktop_events.h"
#include "tests/platform/desktop/desktop_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

class DesktopEvents : public kravo::test::FocusedWindowTest {
protected:
    DesktopEvents() : FocusedWindowTest({100, 50, 420, 250}) {}

    bool held(int key) { return GetAsyncKeyState(key) < 0; }

    // The messages of the kinds, in order, as (message, wParam).
    std::vector<std::pair<UINT, WPARAM>> received(std::vector<UINT> kinds) const
    {
        std::vector<std::pair<UINT, WPARAM>> found;
        for (const kravo::test::Delivery& delivery : deliveries)
            if (std::find(kinds.begin(), kinds.end(), delivery.message) != kinds.end())
                found.emplace_back(delivery.message, delivery.wParam);
        return found;
    }
};

using Messages = std::vector<std::pair<UINT, WPARAM>>;

TEST_F(DesktopEvents, AButtonPressArrivesAtItsClientPointAndHoldsTheButtonUntilItsRelease)
{
    pushButton(window, SDL_BUTTON_LEFT, true, 10, 20);

    EXPECT_TRUE(held(VK_LBUTTON));
    platform::pumpMessages();
    const kravo::test::Delivery down = last(WM_LBUTTONDOWN);
    EXPECT_EQ(down.window, window);
    EXPECT_EQ(down.lParam, MAKELPARAM(10, 20));
    EXPECT_EQ(down.wParam, MK_LBUTTON);
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x, 110);
    EXPECT_EQ(pointer.y, 70);
    EXPECT_TRUE(held(VK_LBUTTON)) << "reading again changes nothing";

    pushButton(window, SDL_BUTTON_LEFT, false, 10, 20);
    EXPECT_FALSE(held(VK_LBUTTON));
    platform::pumpMessages();
    EXPECT_EQ(count(WM_LBUTTONUP, window), 1);
    EXPECT_EQ(count(WM_MOUSEMOVE, window), 1) << "the press moved the pointer there; the release did not move it";
}

TEST_F(DesktopEvents, MotionMovesThePointerAndTheRightAndMiddleButtonsArePressesToo)
{
    pushMotion(window, 30, 40);
    pushButton(window, SDL_BUTTON_RIGHT, true, 30, 40);
    pushButton(window, SDL_BUTTON_MIDDLE, true, 30, 40);
    pushButton(window, SDL_BUTTON_X1, true, 30, 40);
    platform::pumpMessages();

    EXPECT_EQ(last(WM_MOUSEMOVE).lParam, MAKELPARAM(30, 40));
    EXPECT_EQ(count(WM_RBUTTONDOWN, window), 1);
    EXPECT_EQ(count(WM_MBUTTONDOWN, window), 1);
    EXPECT_EQ(last(WM_MBUTTONDOWN).wParam, MK_RBUTTON | MK_MBUTTON);
    EXPECT_EQ(count(WM_MOUSEMOVE, window), 1) << "a button where the pointer is does not move it";
}

TEST_F(DesktopEvents, AButtonReleaseNamingNoWindowOfOursStillLetsTheButtonGo)
{
    pushButton(window, SDL_BUTTON_LEFT, true, 10, 20);
    push(buttonEvent(0, SDL_BUTTON_LEFT, false, 900, 900));
    platform::pumpMessages();

    EXPECT_FALSE(held(VK_LBUTTON));
    EXPECT_EQ(last(WM_LBUTTONUP).lParam, MAKELPARAM(10, 20)) << "at the pointer, which stayed";
}

TEST_F(DesktopEvents, AWheelNotchIs120AwayFromThePersonAndAFlippedWheelTurnsBack)
{
    pushMotion(window, 30, 40);
    push(wheelEvent(window, 0, 1, SDL_MOUSEWHEEL_NORMAL));
    push(wheelEvent(window, 0, -2, SDL_MOUSEWHEEL_NORMAL));
    push(wheelEvent(window, 0, 1, SDL_MOUSEWHEEL_FLIPPED));
    push(wheelEvent(window, 1, 0, SDL_MOUSEWHEEL_NORMAL));
    platform::pumpMessages();

    std::vector<int> turns;
    for (const kravo::test::Delivery& delivery : deliveries)
        if (delivery.message == WM_MOUSEWHEEL)
            turns.push_back(static_cast<SHORT>(HIWORD(delivery.wParam)));
    EXPECT_EQ(turns, (std::vector<int>{120, -240, -120})) << "a sideways turn is none";
    EXPECT_EQ(last(WM_MOUSEWHEEL).lParam, MAKELPARAM(130, 90)) << "at the pointer, on the screen";
}

TEST_F(DesktopEvents, KeyAWithShiftGivesItsKeyDownAndTheCapitalAThroughTranslateMessage)
{
    pushKey(SDLK_a, true, KMOD_LSHIFT);
    platform::pumpMessages();

    EXPECT_EQ(received({WM_KEYDOWN, WM_KEYUP, WM_CHAR}),
        (Messages{{WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, VK_A}, {WM_CHAR, 'A'}}))
        << "Shift is pressed first, as SDL tells it is down";
    EXPECT_TRUE(held(VK_SHIFT));

    deliveries.clear();
    pushKey(SDLK_a, false);
    platform::pumpMessages();
    EXPECT_EQ(received({WM_KEYDOWN, WM_KEYUP, WM_CHAR}), (Messages{{WM_KEYUP, VK_SHIFT}, {WM_KEYUP, VK_A}}))
        << "a Shift let go where the program did not see it is let go first";
    EXPECT_FALSE(held(VK_SHIFT));
}

TEST_F(DesktopEvents, ModifierKeysAreHeldWhileDownAndAKeyTheStandInDoesNotKnowSendsNothing)
{
    pushKey(SDLK_RCTRL, true, KMOD_RCTRL);
    pushKey(SDLK_LEFT, true, KMOD_RCTRL);
    pushKey(SDLK_F5, true, KMOD_RCTRL);
    platform::pumpMessages();

    EXPECT_TRUE(held(VK_CONTROL));
    EXPECT_EQ(received({WM_KEYDOWN, WM_KEYUP, WM_CHAR}), (Messages{{WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, VK_LEFT}}));
    pushKey(SDLK_RCTRL, false);
    EXPECT_FALSE(held(VK_CONTROL));
}

TEST_F(DesktopEvents, TypedTextGivesCharactersOnlyWhereNoKeyGivesThemInTheOrderTyped)
{
    pushKey(SDLK_b, true);
    SDL_Event text{};
    text.text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "b\xC3\xA9\xE2\x82\xAC\xC2\xB5");
    push(text);
    platform::pumpMessages();

    EXPECT_EQ(received({WM_CHAR}), (Messages{{WM_CHAR, 'b'}, {WM_CHAR, 0xE9}, {WM_CHAR, 0xB5}}))
        << "b from its key; e acute and micro from the text; the euro sign is not in the code page";
}

TEST_F(DesktopEvents, AWindowUncoveredShowsItsPixelsAgain)
{
    SDL_Surface* surface = SDL_GetWindowSurface(sdlWindow(window));
    ASSERT_NE(surface, nullptr);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 255, 255, 0));
    push(windowEvent(window, SDL_WINDOWEVENT_EXPOSED));

    platform::pumpMessages();

    expectSamePicture(presented(window), *platform::captureWindow(window));
}

} // namespace
