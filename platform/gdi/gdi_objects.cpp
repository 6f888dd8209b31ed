#include "platform/gdi/gdi_objects.h"

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/gdi_object_table.h"
#include "platform/last_error.h"

#include <algorithm>
#include <cstring>

using platform::gdi::Bitmap;
using platform::gdi::Brush;
using platform::gdi::Font;
using platform::gdi::Pen;
using platform::gdi::Region;

namespace {

template <class Description>
int copyDescription(const Description& description, int size, void* buffer)
{
    if (buffer == nullptr)
        return sizeof description;
    if (size < static_cast<int>(sizeof description))
        return 0;
    std::memcpy(buffer, &description, sizeof description);
    return sizeof description;
}

BITMAP describe(const Bitmap& bitmap)
{
    // Monochrome rows are padded to 16 bits, as CreateBitmap takes them.
    const LONG widthBytes = bitmap.monochrome ? (bitmap.width + 15) / 16 * 2 : bitmap.width * 4;
    return {.type = 0,
        .width = bitmap.width,
        .height = bitmap.height,
        .widthBytes = widthBytes,
        .planes = 1,
        .bitsPerPixel = static_cast<WORD>(bitmap.monochrome ? 1 : 32),
        .bits = bitmap.deviceIndependent ? bitmap.storage.get() : nullptr};
}

} // namespace

HPEN CreatePen(int style, int width, COLORREF colour)
{
    const auto penStyle = static_cast<UINT>(style);
    if ((penStyle != PS_SOLID && penStyle != PS_DOT && penStyle != PS_NULL) || width < 0 || width > 1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HPEN>(
        platform::gdi::addObject(Pen{.style = penStyle, .width = width, .colour = colour & 0xFFFFFF}));
}

HBRUSH CreateSolidBrush(COLORREF colour)
{
    return static_cast<HBRUSH>(platform::gdi::addObject(Brush{.style = BS_SOLID, .colour = colour & 0xFFFFFF}));
}

namespace platform {

HBRUSH createStockBrush(COLORREF colour)
{
    return static_cast<HBRUSH>(gdi::addStockObject(Brush{.style = BS_SOLID, .colour = colour & 0xFFFFFF}));
}

} // namespace platform

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    RECT box{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    if (box.left == box.right || box.top == box.bottom)
        box = {};
    return static_cast<HRGN>(platform::gdi::addObject(Region{.box = box}));
}

HGDIOBJ GetStockObject(int object)
{
    const platform::gdi::StockObjects& stock = platform::gdi::stockObjects();
    switch (object) {
    case WHITE_BRUSH: return stock.whiteBrush;
    case BLACK_PEN: return stock.blackPen;
    case NULL_PEN: return stock.nullPen;
    case SYSTEM_FONT: return stock.systemFont;
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ object)
{
    platform::gdi::Entry* entry = platform::gdi::findEntry(object);
    if (entry == nullptr || std::holds_alternative<platform::gdi::DeviceContext>(entry->object)) {
        platform::gdi::reportMisuse("DeleteObject: not an object handle", true);
        return FALSE;
    }
    if (entry->stock)
        return TRUE;
    if (entry->selections > 0) {
        platform::gdi::reportMisuse("DeleteObject: the object is still selected into a DC", false);
        return FALSE;
    }
    platform::gdi::removeObject(object);
    return TRUE;
}

int GetObjectA(HGDIOBJ object, int size, void* buffer)
{
    platform::gdi::Entry* entry = platform::gdi::findEntry(object);
    if (entry == nullptr || std::holds_alternative<platform::gdi::DeviceContext>(entry->object)) {
        platform::gdi::reportMisuse("GetObjectA: not an object handle", true);
        return 0;
    }
    if (const auto* bitmap = std::get_if<Bitmap>(&entry->object))
        return copyDescription(describe(*bitmap), size, buffer);
    if (const auto* pen = std::get_if<Pen>(&entry->object))
        return copyDescription(LOGPEN{.style = pen->style, .width = pen->width, .colour = pen->colour}, size, buffer);
    if (const auto* brush = std::get_if<Brush>(&entry->object))
        return copyDescription(LOGBRUSH{.style = brush->style, .colour = brush->colour}, size, buffer);
    if (const auto* font = std::get_if<Font>(&entry->object))
        return copyDescription(font->description, size, buffer);
    return 0;
}
