#pragma once

// Pens, brushes, regions and stock objects, and what every GDI object answers: DeleteObject and GetObjectA.
//
// Misuse fails as the call would on Windows and is counted, so that tests can insist on none: a stale or
// unknown handle, a handle of a kind the call does not take (both set ERROR_INVALID_HANDLE, as does a
// DC given back the wrong way: DeleteDC for one from GetDC, ReleaseDC for a memory DC), deleting an object
// still selected into a DC, and selecting a bitmap that another DC holds.

#include "platform/gdi/gdi_types.h"

#include <iosfwd>
#include <string>

// Pen styles. Lines are cosmetic: one pixel wide whatever the width asked for up to 1.
inline constexpr UINT PS_SOLID = 0;
inline constexpr UINT PS_DOT = 2;
inline constexpr UINT PS_NULL = 3;

// Brush styles, as GetObjectA reports them.
inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;

// Stock objects: shared, never deleted (DeleteObject accepts them and does nothing).
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int BLACK_PEN = 1;
inline constexpr int NULL_PEN = 2;
inline constexpr int SYSTEM_FONT = 3;

struct LOGPEN {
    UINT style;
    LONG width;
    COLORREF colour;
};

struct LOGBRUSH {
    UINT style;
    COLORREF colour;
};

// Null for a width above 1 (only cosmetic lines are drawn) or an unknown style.
HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
// Left and right (top and bottom) are put in order; a region without area is empty.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HGDIOBJ GetStockObject(int object);
BOOL DeleteObject(HGDIOBJ object);
// Copies the object's description (BITMAP, LOGFONTA, LOGPEN or LOGBRUSH) into the buffer and answers
// its size; with no buffer, only the size. 0 for a buffer too small or a region.
int GetObjectA(HGDIOBJ object, int size, void* buffer);

namespace platform {

// A solid brush that is a stock object: the system's colour brushes.
HBRUSH createStockBrush(COLORREF colour);

struct GdiObjectCounts {
    int deviceContexts = 0;
    int bitmaps = 0;
    int pens = 0;
    int brushes = 0;
    int fonts = 0;
    int regions = 0;

    friend bool operator==(const GdiObjectCounts&, const GdiObjectCounts&) = default;
};

std::ostream& operator<<(std::ostream& out, const GdiObjectCounts& counts);

// The objects the program made and has not deleted, by kind; stock objects are not counted.
GdiObjectCounts gdiObjectCounts();
unsigned gdiMisuseCount();
// What the last misuse was, for a failing test to show.
std::string lastGdiMisuse();

} // namespace platform
