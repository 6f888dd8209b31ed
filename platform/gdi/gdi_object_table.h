#pragma once

// What GDI handles stand for, and the one table that maps handles to objects. Handles are numbers that
// count up and are never given out twice. Shared by the drawing stand-in's units only.

#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_surface.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/text.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace platform::gdi {

class FontFace;

struct Bitmap {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    bool bottomUp = false;
    // A device-independent bitmap: its pixels are handed out to the caller.
    bool deviceIndependent = false;
    std::unique_ptr<std::uint32_t[]> storage{};

    PixelBuffer pixels() const { return {storage.get(), width, height, bottomUp, monochrome}; }
};

struct Pen {
    UINT style = 0;
    int width = 0;
    COLORREF colour = 0;
};

struct Brush {
    UINT style = 0;
    COLORREF colour = 0;
};

struct Font {
    LOGFONTA description{};
    // Matched when the font is first measured or drawn.
    std::shared_ptr<FontFace> face{};
};

struct Region {
    // In order; empty when it has no area.
    RECT box{};
};

struct DeviceContext {
    // Null for a memory DC, which draws into its selected bitmap.
    DrawingSurface* surface = nullptr;
    HBITMAP bitmap = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    std::optional<RECT> clipRegion{};
    COLORREF backgroundColour = RGB(255, 255, 255);
    COLORREF textColour = RGB(0, 0, 0);
    int backgroundMode = OPAQUE;
    int mixMode = R2_COPYPEN;
    POINT position{};
};

using Object = std::variant<DeviceContext, Bitmap, Pen, Brush, Font, Region>;

struct Entry {
    Object object;
    bool stock = false;
    // How many DCs hold it selected.
    int selections = 0;
};

HGDIOBJ addObject(Object object);
// An object every program shares: never deleted, not counted.
HGDIOBJ addStockObject(Object object);
// The entry, or null (without complaint) for a handle that is not one.
Entry* findEntry(const void* handle);
void removeObject(const void* handle);

// A refused call: counted, and ERROR_INVALID_HANDLE set when the handle itself was wrong.
void reportMisuse(const std::string& what, bool invalidHandle);

// The object of kind T behind the handle; a handle that is stale, unknown or of another kind is misuse.
template <class T>
T* find(const void* handle, const char* call)
{
    Entry* entry = findEntry(handle);
    T* object = entry != nullptr ? std::get_if<T>(&entry->object) : nullptr;
    if (object == nullptr)
        reportMisuse(std::string(call) + ": not a handle of the kind it takes", true);
    return object;
}

// The object behind a handle known to be good: one selected into a DC.
template <class T>
T& selectedObject(const void* handle)
{
    return std::get<T>(findEntry(handle)->object);
}

// The stock objects behind GetStockObject and the defaults of a new DC.
struct StockObjects {
    HBRUSH whiteBrush;
    HPEN blackPen;
    HPEN nullPen;
    HFONT systemFont;
    HBITMAP defaultBitmap;
};
const StockObjects& stockObjects();

} // namespace platform::gdi
