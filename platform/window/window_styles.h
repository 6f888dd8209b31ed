#pragma once

// Window style bits (CreateWindowExA, GWL_STYLE) and class style bits (WNDCLASSA::style).

#include "platform/window/window_types.h"

// A child window lives in its parent's client area; a window without it is a top-level window.
inline constexpr DWORD WS_CHILD = 0x10000000;
inline constexpr DWORD WS_VISIBLE = 0x40000000;
// The window's drawing leaves out its visible children.
inline constexpr DWORD WS_CLIPCHILDREN = 0x01000000;
// The window's drawing leaves out its siblings above it.
inline constexpr DWORD WS_CLIPSIBLINGS = 0x02000000;
// Has a title bar. Windows here have no non-client area: the bit is only kept and answered.
inline constexpr DWORD WS_CAPTION = 0x00100000;

// A change of width (horizontal) or height (vertical) repaints the whole window, not only what it gains.
inline constexpr UINT CS_HREDRAW = 0x0001;
inline constexpr UINT CS_VREDRAW = 0x0002;
// A second press in time and place is a double-click message.
inline constexpr UINT CS_DBLCLKS = 0x0004;
// Usable by every module of the process. Classes here are process-wide anyway: the bit is only kept.
inline constexpr UINT CS_GLOBALCLASS = 0x0008;
