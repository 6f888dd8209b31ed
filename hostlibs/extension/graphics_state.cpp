#include "hostlibs/extension/graphics_state.h"

#include "platform/window/window_layout.h"

#include <algorithm>
#include <cstdint>

namespace hostext {

GraphicsState& graphics()
{
    static GraphicsState state;
    return state;
}

RECT toRect(const HostRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

HostRect toHostRect(const RECT& rect)
{
    const auto cut = [](LONG value) {
        return static_cast<std::int16_t>(std::clamp<LONG>(value, INT16_MIN, INT16_MAX));
    };
    return {cut(rect.top), cut(rect.left), cut(rect.bottom), cut(rect.right)};
}

COLORREF toColour(const HostColor& colour)
{
    return RGB(static_cast<BYTE>(colour.red >> 8), static_cast<BYTE>(colour.green >> 8),
               static_cast<BYTE>(colour.blue >> 8));
}

RECT everywhere()
{
    return {INT16_MIN, INT16_MIN, INT16_MAX, INT16_MAX};
}

RECT portArea(const HostPortRecord& port)
{
    SIZE size = port.offscreenSize;
    RECT client{};
    if (port.window != nullptr && GetClientRect(port.window, &client))
        size = {client.right, client.bottom};
    return {port.origin.h, port.origin.v, port.origin.h + size.width, port.origin.v + size.height};
}

} // namespace hostext
