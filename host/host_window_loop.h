#pragma once

// What the host's top-level windows share: where they stand on the screen, how the host idles what they
// show while they are up, and how a headless run turns one into a picture.

#include "platform/win_types.h"
#include "platform/window/window_types.h"

#include <functional>
#include <string>

namespace host {

inline constexpr int kWindowLeft = 80;
inline constexpr int kWindowTop = 60;

// A visible top-level window "Kravo" of the given client size at the host's place, of a class of the
// plug-in module's that the first call registers; null when it cannot be made.
HWND makeTopLevelWindow(const char* className, WNDPROC procedure, DWORD style, int width, int height);

// On the desktop until the person closes the window: the window's procedure gets a timer message every
// 20 ms to idle what it shows, and ends the loop with PostQuitMessage when the window is destroyed.
int runUntilClosed(HWND window);

// Headless: `idle` run until an editor has drawn everything once, then the window written as a picture;
// 1 when the picture cannot be written.
int writeWindowPicture(HWND window, const std::function<void()>& idle, const std::string& path);

} // namespace host
