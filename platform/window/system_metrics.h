#pragma once

// The system's measures and settings the program asks for.

#include "platform/window/window_types.h"

// GetSystemMetrics indices: the screen's width and height, the height of a fixed window frame (3), and
// whether the mouse buttons are swapped (0 or 1).
inline constexpr int SM_CXSCREEN = 1;
inline constexpr int SM_CYSCREEN = 2;
inline constexpr int SM_CYFIXEDFRAME = 3;
inline constexpr int SM_SWAPBUTTON = 4;

// 0 for an index it does not know.
int GetSystemMetrics(int index);
// Milliseconds within which a second press is a double click: 500.
UINT GetDoubleClickTime();

namespace platform {

// The system setting that swaps the left and right mouse buttons; off at the start.
void setSwapButtons(bool swapped);

} // namespace platform

namespace platform::window {

bool buttonsSwapped();

} // namespace platform::window
