#pragma once

// Where windows are: showing and hiding, moving, sizing and stacking them, and mapping points between
// windows and the screen. Each change repaints what it newly shows (see LayoutChange).

#include "platform/show_window_command.h"
#include "platform/window/window_types.h"

// SetWindowPos flags: keep the size, the position, the place in the z-order.
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;

// SetWindowPos: on top of the siblings.
inline constexpr HWND HWND_TOP = nullptr;

// Answers whether the window was visible before.
BOOL ShowWindow(HWND window, int command);
// Moves (parent's client coordinates; the screen for a top-level window), sizes and restacks the window:
// below the sibling given as insertAfter, or on top for HWND_TOP. A top-level window's pixels keep what
// they had where the old and new sizes overlap.
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL BringWindowToTop(HWND window);
// On the screen.
BOOL GetWindowRect(HWND window, RECT* rect);
// (0, 0, width, height).
BOOL GetClientRect(HWND window, RECT* rect);
BOOL ScreenToClient(HWND window, POINT* point);
BOOL ClientToScreen(HWND window, POINT* point);
// Moves the points from one window's client coordinates to another's (null: the screen). Answers the
// horizontal shift in the low 16 bits and the vertical one in the high 16 bits, 0 on failure.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
// The deepest visible window at the screen point, the top of the z-order first; null over no window.
HWND WindowFromPoint(POINT point);
