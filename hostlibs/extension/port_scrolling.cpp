#include "hostlibs/extension/graphics_state.h"

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/blits.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"

namespace {

using hostext::graphics;
using platform::RectangleSet;

RECT shifted(RECT rect, LONG dh, LONG dv)
{
    return {rect.left + dh, rect.top + dv, rect.right + dh, rect.bottom + dv};
}

// Copies the pixels of `source` (device coordinates) by (dh, dv) into the pixels given, through a copy
// of their own so that source and destination may overlap.
void movePixels(HDC dc, const RECT& source, LONG dh, LONG dv, const RectangleSet& pixels)
{
    const int width = source.right - source.left;
    const int height = source.bottom - source.top;
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HDC copy = bitmap != nullptr ? CreateCompatibleDC(dc) : nullptr;
    if (copy == nullptr) {
        DeleteObject(bitmap);
        return;
    }
    HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, dc, source.left, source.top, SRCCOPY);
    for (const RECT& rect : pixels.rectangles())
        BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, copy,
               rect.left - dh - source.left, rect.top - dv - source.top, SRCCOPY);
    SelectObject(copy, previous);
    DeleteDC(copy);
    DeleteObject(bitmap);
}

} // namespace

extern "C" {

void HostExtScrollRect(const HostRect* rect, std::int16_t dh, std::int16_t dv, HostRegion uncovered)
{
    HostPort port = graphics().current;
    if (uncovered != nullptr)
        uncovered->area = RectangleSet();
    if (port == nullptr || rect == nullptr)
        return;
    const RECT whole = hostext::toRect(*rect);
    if (whole.right <= whole.left || whole.bottom <= whole.top)
        return;
    RectangleSet moved(shifted(whole, dh, dv));
    moved.intersect(whole);
    RectangleSet left(whole);
    left.subtract(moved);
    const POINT origin{port->origin.h, port->origin.v};
    const RECT source{whole.left - origin.x, whole.top - origin.y, whole.right - origin.x, whole.bottom - origin.y};
    hostext::paintWith(*port, moved, {"scroll", *rect, {0, 0, 0}, false, {}},
                       [&](HDC dc, const RectangleSet& pixels) { movePixels(dc, source, dh, dv, pixels); });
    if (!left.empty())
        hostext::paintArea(*port, left, {hostext::toColour(port->back), &port->backPattern},
                           {"erase", hostext::toHostRect(left.bounds()), port->back, !port->backPattern.plain(), {}});
    if (uncovered != nullptr)
        uncovered->area = left;
}

} // extern "C"
