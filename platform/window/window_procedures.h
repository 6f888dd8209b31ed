#pragma once

// The default window procedure, and calling a procedure by its address (for a window whose procedure
// was replaced and that passes messages on to the one before).

#include "platform/window/window_types.h"

// WM_PAINT: validates (BeginPaint, EndPaint). WM_ERASEBKGND: fills the paint area with the class brush,
// answers 1; 0 without one. WM_SETCURSOR: sets the class cursor, answers TRUE; FALSE without one.
// WM_MOUSEWHEEL: a child passes it on to its parent and answers as the parent does. WM_CLOSE: destroys
// the window. WM_SETTEXT and WM_GETTEXT: keep and copy the window's text. Anything else: 0.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
