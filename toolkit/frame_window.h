#pragma once

// The frame's window class, shared by every frame of the process, and its window procedure, which turns
// the window's messages into frame calls.

#include "platform/window/window_types.h"

namespace Toolkit {

// The first frame of the process registers the class; every frame that makes a window holds it.
// Answers the class name.
const char* useFrameWindowClass();
// The last frame to let go unregisters the class.
void releaseFrameWindowClass();

LRESULT frameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace Toolkit
