#include "platform/gdi/device_context.h"

#include "platform/gdi/draw_target.h"
#include "platform/gdi/gdi_object_table.h"
#include "platform/last_error.h"

#include <utility>
#include <vector>

using platform::gdi::DeviceContext;
using platform::gdi::find;
using platform::gdi::reportMisuse;

namespace {

class Screen : public platform::DrawingSurface {
public:
    static constexpr int kWidth = platform::kScreenWidth;
    static constexpr int kHeight = platform::kScreenHeight;

    platform::PixelBuffer pixels() override
    {
        // Taken on first use: most programs never draw on the screen itself.
        if (pixels_.empty())
            pixels_.resize(static_cast<std::size_t>(kWidth) * kHeight);
        return {pixels_.data(), kWidth, kHeight};
    }
    POINT origin() override { return {0, 0}; }
    platform::RectangleSet deviceClip() override { return platform::RectangleSet(RECT{0, 0, kWidth, kHeight}); }

private:
    std::vector<std::uint32_t> pixels_;
};

void select(HGDIOBJ object)
{
    ++platform::gdi::findEntry(object)->selections;
}

void deselect(HGDIOBJ object)
{
    --platform::gdi::findEntry(object)->selections;
}

HDC newContext(platform::DrawingSurface* surface)
{
    const platform::gdi::StockObjects& stock = platform::gdi::stockObjects();
    DeviceContext context{.surface = surface,
        .bitmap = surface != nullptr ? nullptr : stock.defaultBitmap,
        .pen = stock.blackPen,
        .brush = stock.whiteBrush,
        .font = stock.systemFont};
    for (HGDIOBJ object :
        {HGDIOBJ(context.pen), HGDIOBJ(context.brush), HGDIOBJ(context.font), HGDIOBJ(context.bitmap)})
        if (object != nullptr)
            select(object);
    return static_cast<HDC>(platform::gdi::addObject(std::move(context)));
}

void destroyContext(HDC dc, const DeviceContext& context)
{
    for (HGDIOBJ object :
        {HGDIOBJ(context.pen), HGDIOBJ(context.brush), HGDIOBJ(context.font), HGDIOBJ(context.bitmap)})
        if (object != nullptr)
            deselect(object);
    platform::gdi::removeObject(dc);
}

// Replaces the DC's object of one kind, keeping the selection counts right; answers the previous one.
template <class Handle>
HGDIOBJ exchange(Handle& held, HGDIOBJ object)
{
    const Handle previous = held;
    deselect(previous);
    held = static_cast<Handle>(object);
    select(object);
    return previous;
}

int clipComplexity(HDC dc, RECT* box)
{
    const auto target = platform::gdi::drawTarget(dc, "GetClipBox");
    if (!target)
        return RGN_ERROR;
    const bool empty = platform::gdi::isEmpty(target->clip);
    if (box != nullptr)
        *box = empty ? RECT{} : platform::gdi::offsetRect(target->clip, {-target->origin.x, -target->origin.y});
    if (empty)
        return NULLREGION;
    return target->clipParts.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

HDC CreateCompatibleDC(HDC dc)
{
    if (dc != nullptr && find<DeviceContext>(dc, "CreateCompatibleDC") == nullptr)
        return nullptr;
    return newContext(nullptr);
}

BOOL DeleteDC(HDC dc)
{
    DeviceContext* context = find<DeviceContext>(dc, "DeleteDC");
    if (context == nullptr)
        return FALSE;
    if (context->surface != nullptr) {
        reportMisuse("DeleteDC: a DC from GetDC is given back with ReleaseDC", true);
        return FALSE;
    }
    destroyContext(dc, *context);
    return TRUE;
}

namespace platform {

DrawingSurface& screenSurface()
{
    static Screen screen;
    return screen;
}

HDC createSurfaceDC(DrawingSurface& surface)
{
    return newContext(&surface);
}

bool releaseSurfaceDC(HDC dc)
{
    DeviceContext* context = find<DeviceContext>(dc, "ReleaseDC");
    if (context == nullptr)
        return false;
    if (context->surface == nullptr) {
        reportMisuse("ReleaseDC: a memory DC is deleted with DeleteDC", true);
        return false;
    }
    destroyContext(dc, *context);
    return true;
}

} // namespace platform

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    DeviceContext* context = find<DeviceContext>(dc, "SelectObject");
    platform::gdi::Entry* entry = platform::gdi::findEntry(object);
    if (context == nullptr)
        return nullptr;
    if (entry == nullptr) {
        reportMisuse("SelectObject: not an object handle", true);
        return nullptr;
    }
    if (std::holds_alternative<platform::gdi::Pen>(entry->object))
        return exchange(context->pen, object);
    if (std::holds_alternative<platform::gdi::Brush>(entry->object))
        return exchange(context->brush, object);
    if (std::holds_alternative<platform::gdi::Font>(entry->object))
        return exchange(context->font, object);
    if (std::holds_alternative<platform::gdi::Bitmap>(entry->object)) {
        if (context->surface != nullptr) {
            reportMisuse("SelectObject: a bitmap goes into a memory DC only", true);
            return nullptr;
        }
        if (!entry->stock && entry->selections > 0 && context->bitmap != object) {
            reportMisuse("SelectObject: the bitmap is selected into another DC", false);
            return nullptr;
        }
        return exchange(context->bitmap, object);
    }
    reportMisuse("SelectObject: not a pen, brush, font or bitmap (regions go through SelectClipRgn)", true);
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT kind)
{
    const DeviceContext* context = find<DeviceContext>(dc, "GetCurrentObject");
    if (context == nullptr)
        return nullptr;
    switch (kind) {
    case OBJ_PEN: return context->pen;
    case OBJ_BRUSH: return context->brush;
    case OBJ_FONT: return context->font;
    case OBJ_BITMAP: return context->bitmap;
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

int SetBkMode(HDC dc, int mode)
{
    DeviceContext* context = find<DeviceContext>(dc, "SetBkMode");
    if (context == nullptr)
        return 0;
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return std::exchange(context->backgroundMode, mode);
}

int GetBkMode(HDC dc)
{
    const DeviceContext* context = find<DeviceContext>(dc, "GetBkMode");
    return context != nullptr ? context->backgroundMode : 0;
}

COLORREF SetBkColor(HDC dc, COLORREF colour)
{
    DeviceContext* context = find<DeviceContext>(dc, "SetBkColor");
    return context != nullptr ? std::exchange(context->backgroundColour, colour & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetBkColor(HDC dc)
{
    const DeviceContext* context = find<DeviceContext>(dc, "GetBkColor");
    return context != nullptr ? context->backgroundColour : CLR_INVALID;
}

COLORREF SetTextColor(HDC dc, COLORREF colour)
{
    DeviceContext* context = find<DeviceContext>(dc, "SetTextColor");
    return context != nullptr ? std::exchange(context->textColour, colour & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetTextColor(HDC dc)
{
    const DeviceContext* context = find<DeviceContext>(dc, "GetTextColor");
    return context != nullptr ? context->textColour : CLR_INVALID;
}

int SetROP2(HDC dc, int mode)
{
    DeviceContext* context = find<DeviceContext>(dc, "SetROP2");
    if (context == nullptr)
        return 0;
    if (mode < 1 || mode > 16) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return std::exchange(context->mixMode, mode);
}

int GetROP2(HDC dc)
{
    const DeviceContext* context = find<DeviceContext>(dc, "GetROP2");
    return context != nullptr ? context->mixMode : 0;
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous)
{
    DeviceContext* context = find<DeviceContext>(dc, "MoveToEx");
    if (context == nullptr)
        return FALSE;
    if (previous != nullptr)
        *previous = context->position;
    context->position = {x, y};
    return TRUE;
}

int SelectClipRgn(HDC dc, HRGN region)
{
    DeviceContext* context = find<DeviceContext>(dc, "SelectClipRgn");
    if (context == nullptr)
        return RGN_ERROR;
    if (region == nullptr) {
        context->clipRegion.reset();
    } else {
        const platform::gdi::Region* selected = find<platform::gdi::Region>(region, "SelectClipRgn");
        if (selected == nullptr)
            return RGN_ERROR;
        context->clipRegion = selected->box;
    }
    return clipComplexity(dc, nullptr);
}

int GetClipBox(HDC dc, RECT* box)
{
    return clipComplexity(dc, box);
}
