#pragma once

// The button set of every mouse operation: buttons and modifier keys held, one bit each.

#include <cstdint>

namespace Toolkit {

enum MouseButtons : std::int32_t {
    kLeftButton = 1,
    kMiddleButton = 2,
    kRightButton = 4,
    kShiftHeld = 8,
    kCtrlHeld = 16,
    kAltHeld = 32,
    // A modifier that getMouseButtons never reports; callers may pass it.
    kFurtherModifier = 64,
    kAnyModifier = kShiftHeld | kCtrlHeld | kAltHeld | kFurtherModifier,
    // Passed instead of a button set: the receiver reads the state when it needs it.
    kButtonsUnread = -1,
    // The click with which a control returns to its default value.
    kDefaultValueClick = kLeftButton | kCtrlHeld,
};

// The axis of a wheel turn; every turn from the window is vertical.
inline constexpr std::int32_t kVerticalWheelAxis = 1;

} // namespace Toolkit
