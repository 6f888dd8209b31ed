#include "platform/gdi/draw_target.h"

#include <algorithm>
#include <cstdint>

namespace platform::gdi {

RECT intersection(const RECT& a, const RECT& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool isEmpty(const RECT& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

RECT offsetRect(const RECT& rect, POINT by)
{
    // A caller's rectangle may reach the ends of the range; it stays there rather than wrap round.
    const auto moved = [](LONG value, LONG by) {
        return static_cast<LONG>(std::clamp<std::int64_t>(std::int64_t{value} + by, INT32_MIN, INT32_MAX));
    };
    return {moved(rect.left, by.x), moved(rect.top, by.y), moved(rect.right, by.x), moved(rect.bottom, by.y)};
}

std::optional<DrawTarget> drawTarget(HDC dc, const char* call)
{
    DeviceContext* context = find<DeviceContext>(dc, call);
    if (context == nullptr)
        return std::nullopt;
    DrawTarget target{.dc = context};
    RectangleSet visible;
    if (context->surface != nullptr) {
        target.pixels = context->surface->pixels();
        target.origin = context->surface->origin();
        visible = context->surface->deviceClip();
        visible.intersect(RECT{0, 0, target.pixels.width, target.pixels.height});
    } else {
        target.pixels = selectedObject<Bitmap>(context->bitmap).pixels();
        visible = RectangleSet(RECT{0, 0, target.pixels.width, target.pixels.height});
    }
    target.bounds = visible.bounds();
    if (context->clipRegion)
        visible.intersect(offsetRect(*context->clipRegion, target.origin));
    target.clipParts = visible.rectangles();
    target.clip = visible.bounds();
    return target;
}

std::uint32_t pixelOf(COLORREF colour, bool monochrome)
{
    const unsigned red = colour & 0xFF;
    const unsigned green = (colour >> 8) & 0xFF;
    const unsigned blue = (colour >> 16) & 0xFF;
    if (monochrome)
        return red + green + blue > 382 ? 1 : 0;
    return (red << 16) | (green << 8) | blue;
}

COLORREF colourOf(std::uint32_t pixel, bool monochrome)
{
    if (monochrome)
        return pixel != 0 ? RGB(255, 255, 255) : RGB(0, 0, 0);
    return RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel));
}

std::uint32_t mixPixel(int mode, std::uint32_t source, std::uint32_t destination, bool monochrome)
{
    const int table = mode - 1;
    std::uint32_t result = 0;
    if (table & 1)
        result |= ~source & ~destination;
    if (table & 2)
        result |= ~source & destination;
    if (table & 4)
        result |= source & ~destination;
    if (table & 8)
        result |= source & destination;
    return result & (monochrome ? 1 : 0xFFFFFF);
}

} // namespace platform::gdi
