#include "hostlibs/extension/graphics_state.h"

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/blits.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"

namespace {

using hostext::graphics;
using platform::RectangleSet;

// The rectangle's pixels as they are before the move, so that a move onto itself copies what was there.
void copyShifted(HDC dc, const RectangleSet& pixels, const RECT& source, std::int16_t dh, std::int16_t dv)
{
    const int width = source.right - source.left;
    const int height = source.bottom - source.top;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP copy = memory != nullptr ? CreateCompatibleBitmap(dc, width, height) : nullptr;
    if (copy == nullptr) {
        DeleteDC(memory);
        return;
    }
    const HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, dc, source.left, source.top, SRCCOPY);
    for (const RECT& part : pixels.rectangles())
        BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, memory,
               part.left - dh - source.left, part.top - dv - source.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(copy);
}

} // namespace

extern "C" {

void HostExtScrollRect(const HostRect* rect, std::int16_t dh, std::int16_t dv, HostRegion uncovered)
{
    HostPort port = graphics().current;
    if (uncovered != nullptr)
        uncovered->area = RectangleSet();
    if (port == nullptr || rect == nullptr || rect->left >= rect->right || rect->top >= rect->bottom)
        return;
    const RECT box = hostext::toRect(*rect);
    RectangleSet moved(RECT{box.left + dh, box.top + dv, box.right + dh, box.bottom + dv});
    moved.intersect(box);
    RectangleSet left(box);
    left.subtract(moved);
    // The device context's coordinates are the local ones less the origin.
    const RECT source{box.left - port->origin.h, box.top - port->origin.v, box.right - port->origin.h,
                      box.bottom - port->origin.v};
    hostext::paintWith(*port, moved, {"scroll", *rect, {0, 0, 0}, false, {}},
                       [&](HDC dc, const RectangleSet& pixels) { copyShifted(dc, pixels, source, dh, dv); });
    hostext::paintArea(*port, left, {hostext::toColour(port->back), &port->backPattern},
                       {"erase", hostext::toHostRect(left.bounds()), port->back, !port->backPattern.plain(), {}});
    if (uncovered != nullptr)
        uncovered->area = left;
}

} // extern "C"
