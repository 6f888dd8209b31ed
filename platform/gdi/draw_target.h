#pragma once

// Where a device context's drawing lands. Shared by the drawing stand-in's units only.

#include "platform/gdi/gdi_object_table.h"

#include <cstdint>
#include <optional>

namespace platform::gdi {

RECT intersection(const RECT& a, const RECT& b);
bool isEmpty(const RECT& rect);
RECT offsetRect(const RECT& rect, POINT by);

struct DrawTarget {
    DeviceContext* dc = nullptr;
    PixelBuffer pixels{};
    // The pixel of the DC's (0, 0).
    POINT origin{};
    // In pixel coordinates: the pixels the device has (the bitmap, or the surface's visible part), and
    // of those the ones the clip region leaves.
    RECT bounds{};
    RECT clip{};

    bool inClip(int pixelX, int pixelY) const
    {
        return pixelX >= clip.left && pixelX < clip.right && pixelY >= clip.top && pixelY < clip.bottom;
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
