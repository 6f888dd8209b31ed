#pragma once

// Window message numbers, and what each carries. Mouse messages are numbered together, and so are key
// messages, so that PeekMessageA's number range can pick either group.

#include "platform/window/window_types.h"

inline constexpr UINT WM_NULL = 0x0000;
// Sent to each window that DestroyWindow ends, its children before it.
inline constexpr UINT WM_DESTROY = 0x0001;
// Asks the window to close; DefWindowProcA destroys it.
inline constexpr UINT WM_CLOSE = 0x0002;
// wParam: the exit code of PostQuitMessage. GetMessageA answers 0 for it.
inline constexpr UINT WM_QUIT = 0x0003;
// Made while the window has an update region or an internal paint request.
inline constexpr UINT WM_PAINT = 0x0004;
// wParam: the paint DC. Answer non-zero when the background was erased.
inline constexpr UINT WM_ERASEBKGND = 0x0005;
// wParam: the window that had the keyboard focus, or null.
inline constexpr UINT WM_SETFOCUS = 0x0006;
// wParam: the window that gets the keyboard focus, or null.
inline constexpr UINT WM_KILLFOCUS = 0x0007;
// Sent before a mouse message is handed out, to the window under the pointer when no window has the
// capture. wParam: that window; lParam: the mouse message. Answer TRUE when the cursor was set.
inline constexpr UINT WM_SETCURSOR = 0x0008;
// wParam: the timer's id; lParam: its TIMERPROC, or 0.
inline constexpr UINT WM_TIMER = 0x0009;
// lParam: the new text (null: empty). SetWindowTextA sends it; DefWindowProcA keeps the text and answers
// TRUE.
inline constexpr UINT WM_SETTEXT = 0x000A;
// wParam: the buffer's size in characters; lParam: the buffer. GetWindowTextA sends it; DefWindowProcA
// copies the text, cut to fit with its terminating zero, and answers the characters copied.
inline constexpr UINT WM_GETTEXT = 0x000B;
// wParam: the font to draw text with (null: the system font), which stays the caller's; lParam: non-zero
// to have the window repainted.
inline constexpr UINT WM_SETFONT = 0x000C;
// Asks a control which keys it handles itself; answered with DLGC_ bits.
inline constexpr UINT WM_GETDLGCODE = 0x000D;
// Sent by an edit control to its parent as it paints. wParam: the edit's paint DC, whose text and
// background colours the parent may set; lParam: the edit window. Answer the brush for the edit's
// background; 0 leaves the system's window colours.
inline constexpr UINT WM_CTLCOLOREDIT = 0x000E;

// Answers of WM_GETDLGCODE.
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0008;

// Sent or posted to the owner of a pop-up menu (platform/menu/). WM_COMMAND: an item was chosen, its id
// in the low 16 bits of wParam and 0 in the high ones; lParam 0. WM_MEASUREITEM and WM_DRAWITEM: an
// owner-drawn item is measured or drawn; wParam 0, lParam the MEASUREITEMSTRUCT or DRAWITEMSTRUCT
// (platform/menu/owner_drawn_items.h). Answer TRUE when handled.
inline constexpr UINT WM_COMMAND = 0x0010;
inline constexpr UINT WM_MEASUREITEM = 0x0011;
inline constexpr UINT WM_DRAWITEM = 0x0012;

// Key messages go to the window with the keyboard focus. wParam: the virtual key (virtual_keys.h).
inline constexpr UINT WM_KEYFIRST = 0x0020;
inline constexpr UINT WM_KEYDOWN = 0x0020;
inline constexpr UINT WM_KEYUP = 0x0021;
// Posted by TranslateMessage. wParam: the character.
inline constexpr UINT WM_CHAR = 0x0022;
inline constexpr UINT WM_KEYLAST = 0x0022;

// Mouse messages go to the window with the capture, else to the window under the pointer. wParam: the
// MK_ flags after the change; lParam: the point in the receiving window's client coordinates, x in the
// low and y in the high 16 bits, both signed.
inline constexpr UINT WM_MOUSEFIRST = 0x0040;
inline constexpr UINT WM_MOUSEMOVE = 0x0040;
inline constexpr UINT WM_LBUTTONDOWN = 0x0041;
inline constexpr UINT WM_LBUTTONUP = 0x0042;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0043;
inline constexpr UINT WM_RBUTTONDOWN = 0x0044;
inline constexpr UINT WM_RBUTTONUP = 0x0045;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0046;
inline constexpr UINT WM_MBUTTONDOWN = 0x0047;
inline constexpr UINT WM_MBUTTONUP = 0x0048;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0049;
// Goes to the window under the pointer. wParam: the MK_ flags in the low 16 bits and the signed turn in
// the high 16 bits, WHEEL_DELTA a notch, away from the user positive; lParam: the pointer's screen
// position, x low and y high.
inline constexpr UINT WM_MOUSEWHEEL = 0x004A;
inline constexpr UINT WM_MOUSELAST = 0x004A;

inline constexpr int WHEEL_DELTA = 120;

// Messages of the edit control (platform/window/edit/edit_control.h).
// wParam: where the selection starts; lParam: where it ends, at the caret. Positions past the text mean
// its end, so (0, -1) selects everything; a start of -1 takes the selection away and keeps the caret.
inline constexpr UINT EM_SETSEL = 0x0080;
// wParam: the most characters typing may make the text (0: the default limit). Text set with
// WM_SETTEXT is not held to it.
inline constexpr UINT EM_LIMITTEXT = 0x0081;
// wParam: EC_LEFTMARGIN and/or EC_RIGHTMARGIN; lParam: the left margin in the low 16 bits and the
// right margin in the high ones, in pixels.
inline constexpr UINT EM_SETMARGINS = 0x0082;

// Numbers from here on are free for a program's own messages.
inline constexpr UINT WM_USER = 0x1000;
