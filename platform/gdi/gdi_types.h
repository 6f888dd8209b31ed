#pragma once

// The handles and plain values of the drawing calls. Each object kind has a handle type of its own;
// HGDIOBJ takes any of them, as SelectObject and DeleteObject do. Handle values are never reused, so a
// handle kept after its object was deleted is recognised as stale.

#include "platform/win_types.h"

using HDC = struct PlatformDeviceContext*;
using HGDIOBJ = void*;
using HBITMAP = struct PlatformBitmap*;
using HPEN = struct PlatformPen*;
using HBRUSH = struct PlatformBrush*;
using HFONT = struct PlatformFont*;
using HRGN = struct PlatformRegion*;

// Red in the low byte, then green and blue; the high byte is 0 for every colour.
using COLORREF = DWORD;

constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue)
{
    return COLORREF{red} | (COLORREF{green} << 8) | (COLORREF{blue} << 16);
}

// Not a colour: what GetPixel answers outside the clip.
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

struct POINT {
    LONG x;
    LONG y;
};

// Covers the pixels from left up to but not including right, and likewise vertically.
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct SIZE {
    LONG width;
    LONG height;
};
