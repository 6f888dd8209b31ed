#pragma once

// The edit control: the predefined window class "EDIT", made with CreateWindowExA without registering
// it. One line of text (the window's text) with a selection and a caret, typed into with WM_CHAR and
// edited with WM_KEYDOWN of Backspace, Delete, Left, Right, Home and End; a click places the caret and
// takes the focus. It paints in the font of WM_SETFONT, on the brush and in the colours its parent
// answers to WM_CTLCOLOREDIT, showing the selection highlighted and the caret while it has the focus.
// Its messages: WM_SETFONT, WM_SETTEXT, WM_GETTEXT, WM_GETDLGCODE (DLGC_WANTCHARS | DLGC_WANTARROWS),
// EM_SETSEL, EM_LIMITTEXT and EM_SETMARGINS (platform/window/message_numbers.h).

#include "platform/window/window_types.h"

// Edit styles, in the low bits of the window style. The text lies at the left (ES_LEFT), in the middle or
// at the right of the space between the margins while it fits there.
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
// The text scrolls to keep the caret in view; without it, typing stops where the text would no longer
// fit.
inline constexpr DWORD ES_AUTOHSCROLL = 0x0004;

// Which margins EM_SETMARGINS sets.
inline constexpr WPARAM EC_LEFTMARGIN = 0x0001;
inline constexpr WPARAM EC_RIGHTMARGIN = 0x0002;

namespace platform::window {

inline constexpr const char* kEditClassName = "EDIT";

LRESULT editWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform::window
