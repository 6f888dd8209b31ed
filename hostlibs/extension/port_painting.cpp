#include "hostlibs/extension/graphics_state.h"

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/blits.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/window/window_data.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_styles.h"

#include <cstdint>

namespace {

using platform::RectangleSet;

struct ChildSearch {
    HWND parent;
    POINT parentOnScreen;
    RectangleSet area;
};

// The visible child windows of the window, in its client coordinates. Only its own children: theirs lie
// inside them.
RectangleSet childWindowsArea(HWND window)
{
    ChildSearch search{window, {0, 0}, {}};
    ClientToScreen(window, &search.parentOnScreen);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto& found = *reinterpret_cast<ChildSearch*>(parameter);
            RECT place{};
            if (GetParent(child) == found.parent && (GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE) != 0 &&
                GetWindowRect(child, &place)) {
                found.area.add(RECT{place.left - found.parentOnScreen.x, place.top - found.parentOnScreen.y,
                                    place.right - found.parentOnScreen.x, place.bottom - found.parentOnScreen.y});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.area;
}

void paintColour(HDC dc, const RectangleSet& area, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    for (const RECT& rect : area.rectangles())
        FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

int wrapped(LONG value, int size)
{
    const int rest = static_cast<int>(value % size);
    return rest < 0 ? rest + size : rest;
}

// The pattern laid over the area's box, its first pixel on the port's top-left pixel, then copied into
// each piece of the area.
void paintPattern(HDC dc, const RectangleSet& area, const hostext::PixelPattern& pattern)
{
    const RECT box = area.bounds();
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    BITMAPINFO info{};
    info.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, {}};
    void* bits = nullptr;
    HBITMAP tiles = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC source = tiles != nullptr ? CreateCompatibleDC(dc) : nullptr;
    if (source == nullptr) {
        DeleteObject(tiles);
        return;
    }
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const int row = wrapped(box.top + y, pattern.height);
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = pattern.at(wrapped(box.left + x, pattern.width), row);
            // Device pixels hold blue in the low byte, colours hold red there.
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
        }
    }
    HGDIOBJ previous = SelectObject(source, tiles);
    for (const RECT& rect : area.rectangles())
        BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, rect.left - box.left,
               rect.top - box.top, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(tiles);
}

} // namespace

namespace hostext {

void paintWith(HostPortRecord& port, RectangleSet area, PortOperation logged, const AreaPainter& paint)
{
    if (port.logging) {
        logged.clip = toHostRect(port.clip.bounds());
        port.log.push_back(std::move(logged));
    }
    area.intersect(port.clip);
    area.intersect(portArea(port));
    area.offset({-port.origin.h, -port.origin.v});
    if (port.window != nullptr)
        area.subtract(childWindowsArea(port.window));
    if (area.empty())
        return;
    HDC dc = port.window != nullptr ? GetDC(port.window) : port.offscreen;
    if (dc == nullptr)
        return;
    paint(dc, area);
    if (port.window != nullptr)
        ReleaseDC(port.window, dc);
}

void paintArea(HostPortRecord& port, RectangleSet area, const PaintSource& source, PortOperation logged)
{
    paintWith(port, std::move(area), std::move(logged), [&](HDC dc, const RectangleSet& pixels) {
        if (source.pattern != nullptr && !source.pattern->plain())
            paintPattern(dc, pixels, *source.pattern);
        else
            paintColour(dc, pixels, source.colour);
    });
}

} // namespace hostext
