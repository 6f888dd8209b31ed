#pragma once

// The keyboard focus: the window that key messages go to. There is no activation: only SetFocus and the
// destruction of the focus window move it.

#include "platform/window/window_types.h"

// Sends WM_KILLFOCUS to the window that had the focus and WM_SETFOCUS to the new one (null: the focus
// goes nowhere); nothing when the window has it already. Answers the window that had it.
HWND SetFocus(HWND window);
HWND GetFocus();

namespace platform::window {

struct Window;

// When the window or one below it has the focus, the focus goes nowhere and that window gets
// WM_KILLFOCUS.
void dropFocusWithin(const Window& window);
void forgetFocus();

} // namespace platform::window
