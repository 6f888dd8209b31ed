#pragma once

// Pixels that device contexts draw into without owning them: the screen, and the parts of it that
// windows show. The window stand-in gives each window's device contexts a surface of its own.

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/rectangle_set.h"

#include <cstddef>
#include <cstdint>

namespace platform {

inline constexpr int kScreenWidth = 1920;
inline constexpr int kScreenHeight = 1080;

// Rows of pixels, each a 32-bit word with blue in the low byte, then green, red and a fourth byte that
// only blits and blends carry; in a monochrome bitmap each word is 0 or 1.
struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    // The last row of the picture comes first in memory, as in a device-independent bitmap of
    // positive height.
    bool bottomUp = false;
    bool monochrome = false;

    std::uint32_t& at(int x, int y) const
    {
        const int row = bottomUp ? height - 1 - y : y;
        return pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // 32-bit pixels; a surface is never monochrome.
    virtual PixelBuffer pixels() = 0;
    // Where the device context's (0, 0) lies in the pixels.
    virtual POINT origin() = 0;
    // The pixels a device context may touch, in pixel coordinates: what is visible of the window.
    virtual RectangleSet deviceClip() = 0;
};

// The screen: 32 bits per pixel, kScreenWidth × kScreenHeight, what GetDC(NULL) draws on.
DrawingSurface& screenSurface();

// A device context over the surface, with GDI's defaults. The surface must outlive it.
HDC createSurfaceDC(DrawingSurface& surface);
// Ends a DC from createSurfaceDC; false, as misuse, for any other handle (a memory DC is deleted with
// DeleteDC).
bool releaseSurfaceDC(HDC dc);

} // namespace platform
