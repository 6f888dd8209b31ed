#pragma once

// Input as it happens: what the user does turned into the physical state and input messages.

#include "platform/window/window_types.h"

namespace platform {

// One thing the user did. The physical state changes when it is applied, and the messages it makes
// join the input queue with `time` as their time.
struct InputEvent {
    enum class Kind { move, press, release, wheel };

    Kind kind = Kind::move;
    // move: the pointer's new screen position.
    POINT point{};
    // press, release: a virtual key, the mouse buttons included (platform/window/virtual_keys.h).
    int key = 0;
    // wheel: the signed turn, WHEEL_DELTA a notch.
    int wheelDelta = 0;
    DWORD time = 0;
};

// Moves the pointer (kept on the screen) or changes a key or button, and queues its messages: mouse
// messages to the window with the capture or else the one under the pointer (none over no window), in
// the logical button of the swap setting, a press within the double-click time and 2 pixels of the
// last one on a CS_DBLCLKS window being a double click; key messages to the focus window; the wheel to
// the window under the pointer.
void applyInput(const InputEvent& event);

} // namespace platform

namespace platform::window {

// Forgets the last click, from which a double click would count.
void forgetClicks();

} // namespace platform::window
