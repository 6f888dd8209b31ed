#pragma once

// Whether the windows show on the desktop too. Headless, they live only in their pixels; on the desktop
// every shown top-level window is also an SDL window (platform/desktop/desktop_windows.h), input comes live
// from the person (desktop_input.h), pop-up menus open as windows of their own (desktop_menus.h), files
// dropped from the desktop reach the drop targets (desktop_drops.h), the cursor shows
// (desktop_cursors.h) and ShellExecuteA opens documents for real (open_on_desktop.h). Message boxes and
// file dialogs keep their headless answers.
//
// A program asks for the desktop with showWindowsOnDesktop; one that never asks shows its windows there
// when KRAVO_SHOW_WINDOWS is 1, read when the window stand-in first has something to show. Headless, no
// SDL call is made at all.

#include "platform/window/window_types.h"

struct SDL_Window;

namespace platform {

// Turns the desktop on or off; answers whether the windows now show there: false without a display
// (SDL's video does not start), the reason then told on stderr. Turning it on makes the live input the
// input source and the live menus the menu chooser; turning it off closes every SDL window and gives both
// back to their scripts.
bool showWindowsOnDesktop(bool show);

} // namespace platform

namespace platform::desktop {

// Whether the windows show on the desktop.
bool showing();

// The window stand-in's news, each nothing while headless.
// Top-level windows came or went, or were shown, hidden, moved, sized or renamed.
void windowsChanged();
// A DC on the window (or a window below it) was given back: its top-level window shows it at the next
// present.
void drawnOn(HWND window);
// The window finished a paint: its top-level window shows it at once.
void painted(HWND window);
void cursorChanged(HCURSOR cursor);

// Headless again, and the next look at the switch reads KRAVO_SHOW_WINDOWS anew (resetWindowSystem).
void reset();

// The SDL window showing the top-level window; null when there is none. For tests.
SDL_Window* windowOnDesktop(HWND window);

} // namespace platform::desktop
