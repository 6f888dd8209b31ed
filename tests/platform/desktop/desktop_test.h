#pragma once

// A fixture for tests of the windows on the desktop: windows as in WindowTest, shown through SDL's dummy
// video driver, which needs no display, with the menu stand-in reset around each test. Tests push SDL
// events as the desktop would send them and read back what the SDL windows show.

#include "platform/desktop/desktop_switch.h"
#include "platform/menu/menu_testing.h"
#include "tests/support/window_test.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace kravo::test {

class DesktopTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform::resetMenus();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_TRUE(platform::showWindowsOnDesktop(true));
        registerRecordingClass();
    }

    void TearDown() override
    {
        platform::showWindowsOnDesktop(false);
        EXPECT_EQ(SDL_WasInit(0), 0u) << "turning the desktop off quits SDL";
        EXPECT_EQ(platform::menuCount(), 0u) << "menus were left behind";
        platform::resetMenus();
        WindowTest::TearDown();
    }

    static SDL_Window* sdlWindow(HWND window) { return platform::desktop::windowOnDesktop(window); }
    static Uint32 sdlId(HWND window) { return SDL_GetWindowID(sdlWindow(window)); }

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

    // Points in the window's client coordinates, as SDL gives them.
    static void pushMotion(HWND window, int x, int y)
    {
        SDL_Event event{};
        event.motion.type = SDL_MOUSEMOTION;
        event.motion.windowID = sdlId(window);
        event.motion.x = x;
        event.motion.y = y;
        push(event);
    }

    static void pushButton(HWND window, Uint8 button, bool down, int x, int y)
    {
        push(buttonEvent(sdlId(window), button, down, x, y));
    }

    static SDL_Event buttonEvent(Uint32 sdlWindow, Uint8 button, bool down, int x, int y)
    {
        SDL_Event event{};
        event.button.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.windowID = sdlWindow;
        event.button.button = button;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        return event;
    }

    static SDL_Event windowEvent(HWND window, SDL_WindowEventID what, int data1 = 0, int data2 = 0)
    {
        SDL_Event event{};
        event.window.type = SDL_WINDOWEVENT;
        event.window.windowID = sdlId(window);
        event.window.event = static_cast<Uint8>(what);
        event.window.data1 = data1;
        event.window.data2 = data2;
        return event;
    }

    static SDL_Event wheelEvent(HWND window, int x, int y, SDL_MouseWheelDirection direction)
    {
        SDL_Event event{};
        event.wheel.type = SDL_MOUSEWHEEL;
        event.wheel.windowID = sdlId(window);
        event.wheel.x = x;
        event.wheel.y = y;
        event.wheel.direction = direction;
        return event;
    }

    static void pushKey(SDL_Keycode key, bool down, Uint16 modifiers = KMOD_NONE)
    {
        SDL_Event event{};
        event.key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = key;
        event.key.keysym.mod = modifiers;
        push(event);
    }

    // What the SDL window shows.
    static platform::Image presented(HWND window)
    {
        SDL_Surface* surface = SDL_GetWindowSurface(sdlWindow(window));
        if (surface == nullptr)
            return {};
        std::vector<Uint32> pixels(static_cast<std::size_t>(surface->w) * static_cast<std::size_t>(surface->h));
        SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels, surface->pitch,
            SDL_PIXELFORMAT_RGB888, pixels.data(), surface->w * 4);
        platform::Image image(surface->w, surface->h, RGB(0, 0, 0));
        for (int y = 0; y < surface->h; ++y)
            for (int x = 0; x < surface->w; ++x) {
                const Uint32 pixel = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(surface->w) +
                    static_cast<std::size_t>(x)];
                image.set(x, y,
                    RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel)));
            }
        return image;
    }
};

// The desktop fixture with one window of the bounds that has the focus, the messages of its making
// handled and forgotten; it goes at the end.
class FocusedWindowTest : public DesktopTest {
protected:
    explicit FocusedWindowTest(RECT bounds) : bounds_(bounds) {}

    void SetUp() override
    {
        DesktopTest::SetUp();
        window = makeWindow(nullptr, bounds_);
        SetFocus(window);
        platform::pumpMessages();
        deliveries.clear();
    }

    void TearDown() override
    {
        DestroyWindow(window);
        DesktopTest::TearDown();
    }

    HWND window = nullptr;

private:
    RECT bounds_;
};

} // namespace kravo::test
