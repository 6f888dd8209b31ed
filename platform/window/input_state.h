#pragma once

// The state of the mouse and keyboard: the pointer, the keys and buttons held, and the capture.
// GetAsyncKeyState and GetCursorPos answer the physical state as it is now, and are where input arrives
// (platform/window/input_source.h); GetKeyState answers the state as of the last input message taken
// out of the queue. Both report physical buttons: VK_LBUTTON is the left button whatever the swap
// setting, which mouse messages follow.

#include "platform/window/window_types.h"

#include <bitset>

// The high bit (the value is negative) while the key or button is held.
SHORT GetAsyncKeyState(int key);
SHORT GetKeyState(int key);
// On the screen.
BOOL GetCursorPos(POINT* point);
// Mouse messages go to the window until ReleaseCapture, wherever the pointer is. Answers the window that
// had the capture.
HWND SetCapture(HWND window);
BOOL ReleaseCapture();

namespace platform::window {

struct Window;

// One bit per virtual key, set while held.
using KeyStates = std::bitset<256>;

struct InputState {
    POINT cursor{0, 0};
    KeyStates physical;
    KeyStates synchronous;
    HWND capture = nullptr;
};

InputState& inputState();
// Moves the pointer to the screen point, kept on the screen, without input messages.
void placePointer(POINT point);
// Ends the capture when the window or a window below it has it.
void dropCaptureWithin(const Window& window);
void forgetInputState();

} // namespace platform::window
