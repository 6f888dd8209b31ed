#pragma once

// What a window keeps for its program: the window procedure, a pointer-sized user value, the style,
// the title; and its parent.

#include "platform/window/window_types.h"

// Indices of GetWindowLongPtrA and SetWindowLongPtrA; the GWL_ names are the same indices.
inline constexpr int GWLP_WNDPROC = -1;
inline constexpr int GWLP_USERDATA = -2;
inline constexpr int GWL_STYLE = -3;
inline constexpr int GWL_WNDPROC = GWLP_WNDPROC;
inline constexpr int GWL_USERDATA = GWLP_USERDATA;

// Other indices fail with ERROR_INVALID_PARAMETER. Setting answers the previous value. A new style is
// only kept (nothing is redrawn, shown or hidden), and its WS_CHILD bit stays as the window was made.
LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
// The same calls under their older names: pointer-sized too.
LONG_PTR GetWindowLongA(HWND window, int index);
LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value);

// Null for a top-level window.
HWND GetParent(HWND window);

using WNDENUMPROC = BOOL (*)(HWND window, LPARAM parameter);
// Calls the procedure with every window below the parent, each before its own children, the top of the
// z-order first, until it answers FALSE. Answers FALSE for a handle that is not a window.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC procedure, LPARAM parameter);

// The window's text: its title, or what an edit control holds. Set and read through WM_SETTEXT and
// WM_GETTEXT, so that the window's procedure sees both.
BOOL SetWindowTextA(HWND window, LPCSTR text);
// Copies the text, cut to fit the buffer with its terminating zero; answers the characters copied.
int GetWindowTextA(HWND window, LPSTR buffer, int size);

namespace platform::window {

// What DefWindowProcA does with WM_SETTEXT: the text (null: empty) becomes the window's.
void setText(HWND window, LPCSTR text);

} // namespace platform::window
