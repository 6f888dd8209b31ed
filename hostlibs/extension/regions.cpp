#include "hostlibs/extension/graphics_state.h"

#include <algorithm>
#include <utility>

namespace {

using hostext::graphics;
using platform::RectangleSet;

bool isEmpty(const HostRect& rect)
{
    return rect.left >= rect.right || rect.top >= rect.bottom;
}

} // namespace

extern "C" {

HostRegion HostExtNewRegion()
{
    ++graphics().regions;
    return new HostRegionRecord;
}

void HostExtDisposeRegion(HostRegion region)
{
    if (region == nullptr)
        return;
    delete region;
    --graphics().regions;
}

void HostExtRectRegion(HostRegion region, const HostRect* rect)
{
    if (region != nullptr && rect != nullptr)
        region->area = RectangleSet(hostext::toRect(*rect));
}

void HostExtUnionRegion(HostRegion a, HostRegion b, HostRegion result)
{
    if (a == nullptr || b == nullptr || result == nullptr)
        return;
    RectangleSet area = a->area;
    area.add(b->area);
    result->area = std::move(area);
}

void HostExtDifferenceRegion(HostRegion a, HostRegion b, HostRegion result)
{
    if (a == nullptr || b == nullptr || result == nullptr)
        return;
    RectangleSet area = a->area;
    area.subtract(b->area);
    result->area = std::move(area);
}

void HostExtIntersectRegion(HostRegion a, HostRegion b, HostRegion result)
{
    if (a == nullptr || b == nullptr || result == nullptr)
        return;
    RectangleSet area = a->area;
    area.intersect(b->area);
    result->area = std::move(area);
}

void HostExtGetRegionBounds(HostRegion region, HostRect* bounds)
{
    if (region != nullptr && bounds != nullptr)
        *bounds = hostext::toHostRect(region->area.bounds());
}

bool HostExtIsRegionEmpty(HostRegion region)
{
    return region == nullptr || region->area.empty();
}

void HostExtUnionRect(const HostRect* a, const HostRect* b, HostRect* result)
{
    if (a == nullptr || b == nullptr || result == nullptr)
        return;
    if (isEmpty(*a) || isEmpty(*b)) {
        *result = isEmpty(*a) ? *b : *a;
        return;
    }
    *result = {std::min(a->top, b->top), std::min(a->left, b->left), std::max(a->bottom, b->bottom),
               std::max(a->right, b->right)};
}

bool HostExtIntersectRect(const HostRect* a, const HostRect* b, HostRect* result)
{
    if (a == nullptr || b == nullptr || result == nullptr)
        return false;
    const HostRect meet{std::max(a->top, b->top), std::max(a->left, b->left), std::min(a->bottom, b->bottom),
                        std::min(a->right, b->right)};
    *result = isEmpty(meet) ? HostRect{0, 0, 0, 0} : meet;
    return !isEmpty(meet);
}

bool HostExtPointInRect(HostPoint point, const HostRect* rect)
{
    return rect != nullptr && point.h >= rect->left && point.h < rect->right && point.v >= rect->top &&
           point.v < rect->bottom;
}

} // extern "C"

namespace hostext {

int liveRegionCount()
{
    return graphics().regions;
}

} // namespace hostext
