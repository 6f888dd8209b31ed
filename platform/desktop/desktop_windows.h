#pragma once

// The SDL windows that show the shown top-level windows on the desktop: one each, of its size, title and
// place. The virtual screen is the desktop's: moving either window moves the other, so that the pointer's
// screen position, the windows' and the menus' agree with what the person sees. A window shows its pixels
// when it opens, after each paint, and, for what was drawn outside a paint, when input is read (at most
// 60 times a second) or before the program waits for input.

#include "platform/window/window_types.h"

#include <cstdint>
#include <map>
#include <string>

struct SDL_Window;

namespace platform::desktop {

// At most 60 presents a second for what is drawn outside paints.
inline constexpr DWORD kPresentInterval = 17;

// Copies the pixels (rows of 0x00RRGGBB words) into the SDL window's surface, as much as fits, and shows it.
void showPixels(SDL_Window* window, const std::uint32_t* pixels, int width, int height);

class DesktopWindows {
public:
    DesktopWindows() = default;
    ~DesktopWindows();
    DesktopWindows(const DesktopWindows&) = delete;
    DesktopWindows& operator=(const DesktopWindows&) = delete;

    // Opens an SDL window for each shown top-level window that has none (a window without pixels has
    // none), closes those of windows hidden or gone, and brings the others' size, place and title in line.
    void follow();
    void present(HWND topLevel);
    // Drawn on outside a paint.
    void drawnOn(HWND topLevel);
    // Presents the windows drawn on, each at most once in kPresentInterval.
    void presentDue();
    // Presents every window drawn on.
    void presentDrawn();

    // The top-level window the SDL window with that id shows; null for none.
    HWND windowOf(std::uint32_t sdlId) const;
    SDL_Window* sdlWindowOf(HWND topLevel) const;
    // The desktop put the SDL window's top-left corner there: its window follows.
    void moved(std::uint32_t sdlId, int x, int y);

private:
    struct Shown {
        SDL_Window* sdl = nullptr;
        std::uint32_t id = 0;
        // Where the SDL window is, as last set or told.
        RECT rect{};
        std::string title;
        bool drawn = false;
        DWORD presentedAt = 0;
    };

    void open(HWND handle);

    std::map<HWND, Shown> shown_;
};

} // namespace platform::desktop
