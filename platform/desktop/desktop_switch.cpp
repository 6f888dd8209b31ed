#include "platform/desktop/desktop_switch.h"

#include "platform/desktop/desktop_cursors.h"
#include "platform/desktop/desktop_events.h"
#include "platform/desktop/desktop_input.h"
#include "platform/desktop/desktop_menus.h"
#include "platform/desktop/desktop_windows.h"
#include "platform/menu/menu_chooser.h"
#include "platform/window/cursors.h"
#include "platform/window/input_source.h"
#include "platform/window/window_table.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Everything that lives while the windows show on the desktop.
struct Desktop {
    platform::desktop::DesktopWindows windows;
    platform::desktop::DesktopCursors cursors;
    platform::desktop::DesktopEvents events{windows};
    platform::desktop::DesktopInput input{windows, events};
    platform::desktop::DesktopMenus menus{events};
};

std::unique_ptr<Desktop> running;
// Whether the program asked, or KRAVO_SHOW_WINDOWS was read.
bool decided = false;

bool start()
{
    if (running)
        return true;
    // Ctrl+C in the terminal stops the program as it does headless, rather than becoming an SDL event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "kravo: the windows stay headless: no desktop to show them on (%s)\n", SDL_GetError());
        return false;
    }
    // Without a display the library falls back to drivers that draw into memory only: windows "shown"
    // there would run unseen until killed. Such a driver serves only when asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    const bool memoryOnly =
        driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    if (memoryOnly && (asked == nullptr || driver == nullptr || std::strcmp(asked, driver) != 0)) {
        std::fprintf(stderr, "kravo: the windows stay headless: no desktop to show them on (only the %s driver)\n",
                     driver != nullptr ? driver : "no");
        SDL_Quit();
        return false;
    }
    running = std::make_unique<Desktop>();
    platform::setInputSource(&running->input);
    platform::setMenuChooser(&running->menus);
    running->cursors.show(GetCursor());
    running->windows.follow();
    return true;
}

void stop()
{
    if (!running)
        return;
    platform::setInputSource(nullptr);
    platform::setMenuChooser(nullptr);
    running.reset();
    SDL_Quit();
}

Desktop* current()
{
    if (!decided) {
        decided = true;
        const char* asked = std::getenv("KRAVO_SHOW_WINDOWS");
        if (asked != nullptr && std::strcmp(asked, "1") == 0)
            start();
    }
    return running.get();
}

HWND topLevelOf(HWND window)
{
    platform::window::Window* found = platform::window::lookUp(window);
    return found != nullptr ? platform::window::topLevelOf(*found).handle : nullptr;
}

} // namespace

namespace platform {

bool showWindowsOnDesktop(bool show)
{
    decided = true;
    if (show)
        return start();
    stop();
    return false;
}

} // namespace platform

namespace platform::desktop {

bool showing()
{
    return current() != nullptr;
}

void windowsChanged()
{
    if (Desktop* shown = current())
        shown->windows.follow();
}

void drawnOn(HWND window)
{
    if (Desktop* shown = current())
        shown->windows.drawnOn(topLevelOf(window));
}

void painted(HWND window)
{
    if (Desktop* shown = current())
        shown->windows.present(topLevelOf(window));
}

void cursorChanged(HCURSOR cursor)
{
    if (Desktop* shown = current())
        shown->cursors.show(cursor);
}

void reset()
{
    stop();
    decided = false;
}

SDL_Window* windowOnDesktop(HWND window)
{
    return running ? running->windows.sdlWindowOf(window) : nullptr;
}

} // namespace platform::desktop
