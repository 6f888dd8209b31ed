#include "platform/gdi/gdi_object_table.h"

#include "platform/gdi/gdi_objects.h"
#include "platform/last_error.h"

#include <cstring>
#include <ostream>
#include <unordered_map>

namespace platform::gdi {

namespace {

struct ObjectTable {
    std::unordered_map<std::uintptr_t, Entry> entries;
    // Handles count up from here and are never given out again, so a stale one always misses.
    std::uintptr_t nextHandle = 0x1000;
    unsigned misuses = 0;
    std::string lastMisuse;
};

ObjectTable& table()
{
    static ObjectTable objects;
    return objects;
}

std::uintptr_t key(const void* handle)
{
    return reinterpret_cast<std::uintptr_t>(handle);
}

StockObjects makeStockObjects()
{
    Font systemFont;
    systemFont.description.height = 16;
    systemFont.description.weight = FW_BOLD;
    std::strcpy(systemFont.description.faceName, "Arial");
    Bitmap defaultBitmap{.width = 1, .height = 1, .monochrome = true};
    defaultBitmap.storage = std::make_unique<std::uint32_t[]>(1);
    return {
        .whiteBrush = static_cast<HBRUSH>(addStockObject(Brush{.style = BS_SOLID, .colour = RGB(255, 255, 255)})),
        .blackPen = static_cast<HPEN>(addStockObject(Pen{.style = PS_SOLID, .width = 1, .colour = RGB(0, 0, 0)})),
        .nullPen = static_cast<HPEN>(addStockObject(Pen{.style = PS_NULL})),
        .systemFont = static_cast<HFONT>(addStockObject(std::move(systemFont))),
        .defaultBitmap = static_cast<HBITMAP>(addStockObject(std::move(defaultBitmap))),
    };
}

} // namespace

HGDIOBJ addObject(Object object)
{
    ObjectTable& objects = table();
    const std::uintptr_t handle = objects.nextHandle++;
    objects.entries.emplace(handle, Entry{.object = std::move(object)});
    return reinterpret_cast<HGDIOBJ>(handle);
}

HGDIOBJ addStockObject(Object object)
{
    HGDIOBJ handle = addObject(std::move(object));
    findEntry(handle)->stock = true;
    return handle;
}

Entry* findEntry(const void* handle)
{
    ObjectTable& objects = table();
    const auto found = objects.entries.find(key(handle));
    return found == objects.entries.end() ? nullptr : &found->second;
}

void removeObject(const void* handle)
{
    table().entries.erase(key(handle));
}

void reportMisuse(const std::string& what, bool invalidHandle)
{
    ObjectTable& objects = table();
    ++objects.misuses;
    objects.lastMisuse = what;
    if (invalidHandle)
        SetLastError(ERROR_INVALID_HANDLE);
}

const StockObjects& stockObjects()
{
    static const StockObjects stock = makeStockObjects();
    return stock;
}

} // namespace platform::gdi

namespace platform {

std::ostream& operator<<(std::ostream& out, const GdiObjectCounts& counts)
{
    return out << "{DCs " << counts.deviceContexts << ", bitmaps " << counts.bitmaps << ", pens " << counts.pens
               << ", brushes " << counts.brushes << ", fonts " << counts.fonts << ", regions " << counts.regions << "}";
}

GdiObjectCounts gdiObjectCounts()
{
    GdiObjectCounts counts;
    for (const auto& [handle, entry] : gdi::table().entries) {
        if (entry.stock)
            continue;
        static_assert(std::variant_size_v<gdi::Object> == 6);
        // In the order of the kinds in gdi::Object.
        int* const perKind[] = {
            &counts.deviceContexts, &counts.bitmaps, &counts.pens, &counts.brushes, &counts.fonts, &counts.regions};
        ++*perKind[entry.object.index()];
    }
    return counts;
}

unsigned gdiMisuseCount()
{
    return gdi::table().misuses;
}

std::string lastGdiMisuse()
{
    return gdi::table().lastMisuse;
}

} // namespace platform
