#pragma once

// Device contexts: memory DCs over a selected bitmap, and DCs over a drawing surface (the screen for
// GetDC(NULL), a window's for the window stand-in). A new DC holds GDI's defaults: the black pen, the
// white brush, the system font, an opaque white background, black text, R2_COPYPEN, no clip region,
// and for a memory DC a 1 × 1 monochrome bitmap.

#include "platform/gdi/gdi_types.h"

namespace platform {

// The mix mode that sets each bit of the destination to f(pen bit, destination bit): 1 + f's truth
// table, whose bit 2 × pen + destination holds f(pen, destination). 0 stays free, for SetROP2's failure.
constexpr int mixMode(bool (*f)(bool pen, bool destination))
{
    int table = 0;
    for (int bit = 0; bit < 4; ++bit)
        if (f((bit & 2) != 0, (bit & 1) != 0))
            table |= 1 << bit;
    return table + 1;
}

} // namespace platform

// Mix modes (SetROP2): every value from 1 to 16 is one, by the rule above.
inline constexpr int R2_COPYPEN = platform::mixMode([](bool pen, bool) { return pen; });
inline constexpr int R2_MERGEPEN = platform::mixMode([](bool pen, bool destination) { return pen || destination; });
inline constexpr int R2_NOTXORPEN = platform::mixMode([](bool pen, bool destination) { return pen == destination; });

// Background modes: whether text cells and the gaps of dotted lines are painted in the background colour.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Object kinds of GetCurrentObject.
inline constexpr UINT OBJ_PEN = 1;
inline constexpr UINT OBJ_BRUSH = 2;
inline constexpr UINT OBJ_FONT = 3;
inline constexpr UINT OBJ_BITMAP = 4;

// What SelectClipRgn and GetClipBox answer about the clip.
inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// Null: compatible with the screen.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
// Null: the screen (platform::screenSurface); a window: its client area, clipped to what shows of it.
// Both belong to the window stand-in (platform/window/window_dc.cpp), which keeps the windows' pixels.
HDC GetDC(HWND window);
// Releases a DC from GetDC or platform::createSurfaceDC; 1 when released.
int ReleaseDC(HWND window, HDC dc);

// Answers the object of that kind that was selected before. A bitmap goes into one memory DC at a time.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT kind);

// Each setter answers the previous value: 0, or CLR_INVALID for a colour, when it fails.
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);

// The current position, where LineTo starts.
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);

// The DC takes a copy of the region; null removes the clip region.
int SelectClipRgn(HDC dc, HRGN region);
// The smallest rectangle around what can be drawn: the clip region within the bitmap or the surface's
// visible part.
int GetClipBox(HDC dc, RECT* box);
