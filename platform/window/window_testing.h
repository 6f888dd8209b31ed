#pragma once

// What tests and headless runs use of the window stand-in beyond the calls of the program.

#include "platform/gdi/image.h"
#include "platform/window/window_types.h"

#include <cstddef>
#include <optional>

namespace platform {

// Translates and dispatches messages while PeekMessageA finds any (so input that is due arrives, and
// the clock moves on 1 ms at the end); answers how many. A run of more than kMaxPumpedMessages is
// recorded as a failure of the scripted input and stopped.
inline constexpr int kMaxPumpedMessages = 100000;
int pumpMessages();

// The window's client area as its top-level window's pixels show it (what lies outside those pixels
// is black); null for a handle that is not a window.
std::optional<Image> captureWindow(HWND window);

std::size_t windowCount();

// Back to the start: no windows (ended without messages, but told to the window end hooks), classes,
// queued messages, timers, window DCs, focus, capture or keys held; the pointer at (0, 0), the arrow
// cursor, the buttons not swapped, the scripted input empty and starting from now, the input source the
// script, no user-interface thread.
void resetWindowSystem();

} // namespace platform
