#include "hostlibs/extension/graphics_state.h"

#include "platform/window/painting.h"

#include <algorithm>
#include <cstdlib>

namespace {

using hostext::graphics;
using hostext::PaintSource;
using hostext::PortOperation;
using platform::RectangleSet;

PaintSource foreSource(const HostPortRecord& port)
{
    return {hostext::toColour(port.fore), nullptr};
}

bool penShows(const HostPortRecord& port)
{
    return port.penSize.h > 0 && port.penSize.v > 0;
}

RECT penBlock(const HostPortRecord& port, LONG h, LONG v)
{
    return {h, v, h + port.penSize.h, v + port.penSize.v};
}

// Every point from the start to the end, both included, one step along the longer axis at a time.
RectangleSet lineArea(const HostPortRecord& port, HostPoint from, HostPoint to)
{
    RectangleSet area;
    const LONG dh = std::abs(to.h - from.h);
    const LONG dv = std::abs(to.v - from.v);
    const LONG stepH = to.h >= from.h ? 1 : -1;
    const LONG stepV = to.v >= from.v ? 1 : -1;
    LONG h = from.h;
    LONG v = from.v;
    LONG error = dh - dv;
    for (LONG n = 0; n <= std::max(dh, dv); ++n) {
        area.add(penBlock(port, h, v));
        const LONG twice = 2 * error;
        if (twice > -dv) {
            error -= dv;
            h += stepH;
        }
        if (twice < dh) {
            error += dh;
            v += stepV;
        }
    }
    return area;
}

void drawLine(HostPortRecord& port, HostPoint to)
{
    const HostPoint from = port.pen;
    port.pen = to;
    const RectangleSet area = penShows(port) ? lineArea(port, from, to) : RectangleSet();
    hostext::paintArea(port, area, foreSource(port), {"line", {from.v, from.h, to.v, to.h}, port.fore, false, {}});
}

} // namespace

extern "C" {

void HostExtLineTo(std::int16_t h, std::int16_t v)
{
    if (HostPort port = graphics().current)
        drawLine(*port, {v, h});
}

void HostExtLine(std::int16_t dh, std::int16_t dv)
{
    if (HostPort port = graphics().current)
        drawLine(*port, {static_cast<std::int16_t>(port->pen.v + dv), static_cast<std::int16_t>(port->pen.h + dh)});
}

void HostExtFillRect(const HostRect* rect)
{
    if (HostPort port = graphics().current; port != nullptr && rect != nullptr)
        hostext::paintArea(*port, RectangleSet(hostext::toRect(*rect)), foreSource(*port),
                           {"fill", *rect, port->fore, false, {}});
}

void HostExtFillRectWithPattern(const HostRect* rect, HostPixelPattern pattern)
{
    HostPort port = graphics().current;
    if (port == nullptr || rect == nullptr || pattern == nullptr)
        return;
    const bool patterned = !pattern->pattern.plain();
    hostext::paintArea(*port, RectangleSet(hostext::toRect(*rect)),
                       {hostext::toColour(port->back), &pattern->pattern},
                       {"pattern", *rect, port->back, patterned, {}});
}

void HostExtEraseRect(const HostRect* rect)
{
    HostPort port = graphics().current;
    if (port == nullptr || rect == nullptr)
        return;
    const bool patterned = !port->backPattern.plain();
    hostext::paintArea(*port, RectangleSet(hostext::toRect(*rect)),
                       {hostext::toColour(port->back), &port->backPattern},
                       {"erase", *rect, port->back, patterned, {}});
}

void HostExtFrameRect(const HostRect* rect)
{
    HostPort port = graphics().current;
    if (port == nullptr || rect == nullptr)
        return;
    RectangleSet area;
    if (penShows(*port)) {
        const RECT outer = hostext::toRect(*rect);
        area = RectangleSet(outer);
        area.subtract(RECT{outer.left + port->penSize.h, outer.top + port->penSize.v, outer.right - port->penSize.h,
                           outer.bottom - port->penSize.v});
    }
    hostext::paintArea(*port, area, foreSource(*port), {"frame", *rect, port->fore, false, {}});
}

void HostExtInvalidateRect(const HostRect* rect)
{
    HostPort port = graphics().current;
    if (port == nullptr || rect == nullptr)
        return;
    if (port->logging)
        port->log.push_back({"invalidate", *rect, {0, 0, 0}, false, hostext::toHostRect(port->clip.bounds())});
    if (port->window == nullptr)
        return;
    RECT client = hostext::toRect(*rect);
    client = {client.left - port->origin.h, client.top - port->origin.v, client.right - port->origin.h,
              client.bottom - port->origin.v};
    InvalidateRect(port->window, &client, FALSE);
}

} // extern "C"
