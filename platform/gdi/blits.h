#pragma once

// Block transfers between device contexts with any of the 256 raster operations.

#include "platform/gdi/gdi_types.h"

namespace platform {

// The raster operation that sets each bit of the destination to f(pattern bit, source bit, destination
// bit): f's truth table, whose bit 4 × pattern + 2 × source + destination holds f(pattern, source,
// destination). The pattern is the destination's brush.
constexpr DWORD rasterOperation(bool (*f)(bool pattern, bool source, bool destination))
{
    DWORD table = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (f((bit & 4) != 0, (bit & 2) != 0, (bit & 1) != 0))
            table |= DWORD{1} << bit;
    return table;
}

} // namespace platform

inline constexpr DWORD SRCCOPY = platform::rasterOperation([](bool, bool source, bool) { return source; });
inline constexpr DWORD SRCAND =
    platform::rasterOperation([](bool, bool source, bool destination) { return source && destination; });
inline constexpr DWORD SRCINVERT =
    platform::rasterOperation([](bool, bool source, bool destination) { return source != destination; });

// Copies the block, combined by the raster operation, clipped to the destination's clip and to the
// source's pixels (outside them the destination stays as it was). A colour source on a monochrome
// destination gives 1 where it shows the source DC's background colour, else 0; a monochrome source on a
// colour destination gives the destination DC's text colour for 0 and its background colour for 1.
// An operation that uses no source takes a null source DC; one that uses the pattern draws nothing while
// the null brush is selected.
BOOL BitBlt(
    HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD operation);
