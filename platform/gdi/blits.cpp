#include "platform/gdi/blits.h"

#include "platform/gdi/draw_target.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/rasterizer.h"
#include "platform/last_error.h"

#include <array>
#include <vector>

namespace {

bool usesSource(DWORD operation)
{
    // Table bits with the source bit clear must equal those with it set for the source not to matter.
    return ((operation >> 2) & 0x33) != (operation & 0x33);
}

bool usesPattern(DWORD operation)
{
    return ((operation >> 4) & 0x0F) != (operation & 0x0F);
}

std::uint32_t combine(DWORD operation, std::uint32_t pattern, std::uint32_t source, std::uint32_t destination)
{
    if (operation == SRCCOPY)
        return source;
    std::uint32_t result = 0;
    for (int bit = 0; bit < 8; ++bit)
        if ((operation >> bit) & 1)
            result |= ((bit & 4) ? pattern : ~pattern) & ((bit & 2) ? source : ~source) &
                ((bit & 1) ? destination : ~destination);
    return result;
}

bool refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

} // namespace

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD operation)
{
    const auto target = platform::gdi::drawTarget(destination, "BitBlt");
    if (!target)
        return FALSE;
    std::optional<platform::gdi::DrawTarget> from;
    if (usesSource(operation)) {
        from = platform::gdi::drawTarget(source, "BitBlt");
        if (!from)
            return FALSE;
    }
    const std::array<POINT, 3> corners{{{x, y}, {sourceX, sourceY}, {width, height}}};
    if (operation > 0xFF || !platform::gdi::withinCoordinateRange(corners))
        return refuse();
    const platform::gdi::DeviceContext& context = *target->dc;
    const auto& brush = platform::gdi::selectedObject<platform::gdi::Brush>(context.brush);
    if (width <= 0 || height <= 0 || (usesPattern(operation) && brush.style == BS_NULL))
        return TRUE;

    const bool monochrome = target->pixels.monochrome;
    RECT area = platform::gdi::intersection(
        target->clip, platform::gdi::offsetRect({x, y, x + width, y + height}, target->origin));
    // From a destination pixel to its source pixel.
    POINT shift{};
    if (from) {
        shift = {sourceX + from->origin.x - x - target->origin.x, sourceY + from->origin.y - y - target->origin.y};
        area = platform::gdi::intersection(area, platform::gdi::offsetRect(from->bounds, {-shift.x, -shift.y}));
    }
    if (platform::gdi::isEmpty(area))
        return TRUE;

    // Read first, so that a block may overlap itself in one DC.
    const int areaWidth = area.right - area.left;
    std::vector<std::uint32_t> sources(
        static_cast<std::size_t>(areaWidth) * static_cast<std::size_t>(area.bottom - area.top));
    if (from) {
        const bool fromMonochrome = from->pixels.monochrome;
        const std::uint32_t sourceBackground = platform::gdi::pixelOf(from->dc->backgroundColour, false);
        const std::uint32_t zeroColour = platform::gdi::pixelOf(context.textColour, false);
        const std::uint32_t oneColour = platform::gdi::pixelOf(context.backgroundColour, false);
        for (LONG row = area.top; row < area.bottom; ++row)
            for (LONG column = area.left; column < area.right; ++column) {
                std::uint32_t pixel = from->pixels.at(column + shift.x, row + shift.y);
                if (monochrome && !fromMonochrome)
                    pixel = (pixel & 0xFFFFFF) == sourceBackground ? 1 : 0;
                else if (!monochrome && fromMonochrome)
                    pixel = pixel != 0 ? oneColour : zeroColour;
                sources[static_cast<std::size_t>(row - area.top) * static_cast<std::size_t>(areaWidth) +
                    static_cast<std::size_t>(column - area.left)] = pixel;
            }
    }
    const std::uint32_t pattern = platform::gdi::pixelOf(brush.colour, monochrome);
    const std::uint32_t mask = monochrome ? 1 : 0xFFFFFFFF;
    target->forEachClipPart(area, [&](const RECT& part) {
        for (LONG row = part.top; row < part.bottom; ++row)
            for (LONG column = part.left; column < part.right; ++column) {
                std::uint32_t& pixel = target->pixels.at(column, row);
                pixel = combine(operation, pattern,
                            sources[static_cast<std::size_t>(row - area.top) * static_cast<std::size_t>(areaWidth) +
                                static_cast<std::size_t>(column - area.left)],
                            pixel) &
                    mask;
            }
    });
    return TRUE;
}
