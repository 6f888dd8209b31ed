#pragma once

// Characters from keys, on a US keyboard layout.

#include "platform/window/window_types.h"

// For WM_KEYDOWN of a key that gives a character, with the Shift state of GetKeyState and neither Ctrl
// nor Alt held, posts WM_CHAR with that character to the same window and answers TRUE; otherwise FALSE.
BOOL TranslateMessage(const MSG* message);
