#pragma once

// Update regions and painting. Each window keeps an update region (client coordinates, a rectangle set)
// and a flag asking for an erase; WM_PAINT is made for a shown window while its update region is not
// empty or an internal paint was asked for, until BeginPaint or ValidateRect validates it.

#include "platform/gdi/rectangle_set.h"
#include "platform/window/window_types.h"

// RedrawWindow flags.
inline constexpr UINT RDW_INVALIDATE = 0x0001;
inline constexpr UINT RDW_INTERNALPAINT = 0x0002;

// Adds the rectangle (client coordinates; null: the whole client area) to the update region; with erase
// the next BeginPaint sends WM_ERASEBKGND. A window without WS_CLIPCHILDREN paints over its children, so
// they are invalidated where the rectangle covers them too.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
// Takes the rectangle out of the update region; null validates everything, the internal paint included.
BOOL ValidateRect(HWND window, const RECT* rect);
// The box around the update region (all zeros when empty); answers whether there is one. With erase, a
// pending erase is done now.
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
// Sends WM_PAINT at once when the window is shown and its update region is not empty.
BOOL UpdateWindow(HWND window);
// RDW_INVALIDATE invalidates the region's box, else the rectangle, else the whole client area, without
// erasing; RDW_INTERNALPAINT asks for a WM_PAINT even with nothing to update.
BOOL RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);
// Validates the window and answers a DC that draws only where the update region was, after WM_ERASEBKGND
// when an erase was asked for. The paint record gets the DC and the update region's box.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
// Gives back the DC of BeginPaint; on the desktop the window then shows what was painted.
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

namespace platform::window {

struct Window;

// The area in client coordinates, cut to the client area.
void invalidate(Window& window, const RectangleSet& area, bool erase, bool withChildren);
// The window that needs a WM_PAINT: the given one if it does; without one, the first of all windows,
// each before its children and the top of the z-order first; null when none does.
HWND windowToPaint(HWND only);

} // namespace platform::window
