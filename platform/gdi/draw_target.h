#pragma once

// Where a device context's drawing lands. Shared by the drawing stand-in's units only.

#include "platform/gdi/gdi_object_table.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::gdi {

RECT intersection(const RECT& a, const RECT& b);
bool isEmpty(const RECT& rect);
RECT offsetRect(const RECT& rect, POINT by);

struct DrawTarget {
    DeviceContext* dc = nullptr;
    PixelBuffer pixels{};
    // The pixel of the DC's (0, 0).
    POINT origin{};
    // In pixel coordinates: the box around the pixels the device has (the bitmap, or the surface's
    // visible part); of those, the ones the clip region leaves, as rectangles that do not overlap, and the
    // box around them.
    RECT bounds{};
    std::vector<RECT> clipParts{};
    RECT clip{};

    bool inClip(int pixelX, int pixelY) const
    {
        if (pixelX < clip.left || pixelX >= clip.right || pixelY < clip.top || pixelY >= clip.bottom)
            return false;
        for (const RECT& part : clipParts)
            if (pixelX >= part.left && pixelX < part.right && pixelY >= part.top && pixelY < part.bottom)
                return true;
        return false;
    }

    // Calls paint(rectangle) for each piece of the area (pixel coordinates) that may be drawn.
    template <class Paint>
    void forEachClipPart(const RECT& area, Paint paint) const
    {
        for (const RECT& part : clipParts)
            if (const RECT piece = intersection(part, area); !isEmpty(piece))
                paint(piece);
    }
};

// Null, after reporting the misuse, when the handle is not a DC.
std::optional<DrawTarget> drawTarget(HDC dc, const char* call);

// A colour as a pixel of this kind: on a monochrome bitmap 1 when the colour is nearer white than black.
std::uint32_t pixelOf(COLORREF colour, bool monochrome);
COLORREF colourOf(std::uint32_t pixel, bool monochrome);

// The destination pixel after drawing `source` on it in a mix mode (1..16, see platform::mixMode); a
// colour pixel's fourth byte becomes 0, as for everything drawn.
std::uint32_t mixPixel(int mode, std::uint32_t source, std::uint32_t destination, bool monochrome);

} // namespace platform::gdi
