#include "hostlibs/extension/graphics_state.h"

#include "platform/gdi/rasterizer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using hostext::graphics;
using platform::RectangleSet;
using platform::gdi::EllipseShape;
using platform::gdi::Span;

RectangleSet spansArea(const std::vector<Span>& spans)
{
    RectangleSet area;
    for (const Span& span : spans)
        area.add(RECT{span.left, span.y, span.right, span.y + 1});
    return area;
}

bool ovalFits(const RECT& box)
{
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    return width >= 1 && height >= 1 && width <= platform::gdi::kMaxEllipseSize &&
           height <= platform::gdi::kMaxEllipseSize;
}

RectangleSet ovalArea(const RECT& box)
{
    return ovalFits(box) ? spansArea(EllipseShape(box).rows(box)) : RectangleSet();
}

} // namespace

extern "C" {

void HostExtEraseOval(const HostRect* rect)
{
    HostPort port = graphics().current;
    if (port == nullptr || rect == nullptr)
        return;
    const bool patterned = !port->backPattern.plain();
    hostext::paintArea(*port, ovalArea(hostext::toRect(*rect)), {hostext::toColour(port->back), &port->backPattern},
                       {"erase oval", *rect, port->back, patterned, {}});
}

void HostExtFrameOval(const HostRect* rect)
{
    HostPort port = graphics().current;
    if (port == nullptr || rect == nullptr)
        return;
    RectangleSet area;
    const RECT outer = hostext::toRect(*rect);
    if (port->penSize.h > 0 && port->penSize.v > 0 && ovalFits(outer)) {
        area = ovalArea(outer);
        area.subtract(ovalArea(RECT{outer.left + port->penSize.h, outer.top + port->penSize.v,
                                    outer.right - port->penSize.h, outer.bottom - port->penSize.v}));
    }
    hostext::paintArea(*port, area, {hostext::toColour(port->fore), nullptr}, {"frame oval", *rect, port->fore, false, {}});
}

void HostExtFillPolygon(const HostPoint* points, std::int16_t count)
{
    HostPort port = graphics().current;
    if (port == nullptr || points == nullptr || count < 3)
        return;
    std::vector<POINT> corners;
    RECT box{points[0].h, points[0].v, points[0].h, points[0].v};
    for (std::int16_t n = 0; n < count; ++n) {
        corners.push_back({points[n].h, points[n].v});
        box = {std::min<LONG>(box.left, points[n].h), std::min<LONG>(box.top, points[n].v),
               std::max<LONG>(box.right, points[n].h), std::max<LONG>(box.bottom, points[n].v)};
    }
    const RectangleSet area = spansArea(platform::gdi::polygonSpans(corners, box.top, box.bottom));
    hostext::paintArea(*port, area, {hostext::toColour(port->fore), nullptr},
                       {"polygon", hostext::toHostRect(box), port->fore, false, {}});
}

std::int16_t HostExtPointToAngle(const HostRect* rect, HostPoint point)
{
    if (rect == nullptr)
        return 0;
    const double right = point.h - (rect->left + rect->right) / 2.0;
    const double down = point.v - (rect->top + rect->bottom) / 2.0;
    if (right == 0 && down == 0)
        return 0;
    const double degrees = std::atan2(right, -down) * 180.0 / std::numbers::pi;
    const auto whole = static_cast<int>(std::lround(degrees < 0 ? degrees + 360.0 : degrees));
    return static_cast<std::int16_t>(whole % 360);
}

} // extern "C"
