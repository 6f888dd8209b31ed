#include "platform/gdi/bitmaps.h"

#include "platform/gdi/bmp_file.h"
#include "platform/forced_failures.h"
#include "platform/gdi/gdi_object_table.h"
#include "platform/last_error.h"
#include "platform/module_resources.h"
#include "platform/platform_module.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

using platform::gdi::Bitmap;

namespace {

// 256 MiB of pixels at most, far beyond any picture of the editor.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

HBITMAP refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

// A black bitmap, or none for sizes out of range.
std::optional<Bitmap> blankBitmap(int width, int height, bool monochrome)
{
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels)
        return std::nullopt;
    Bitmap bitmap{.width = width, .height = height, .monochrome = monochrome};
    bitmap.storage =
        std::make_unique<std::uint32_t[]>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    return bitmap;
}

HBITMAP add(Bitmap bitmap)
{
    return static_cast<HBITMAP>(platform::gdi::addObject(std::move(bitmap)));
}

} // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    std::optional<Bitmap> bitmap = blankBitmap(width, height, true);
    if (planes != 1 || bitsPerPixel != 1 || !bitmap)
        return refuse();
    if (bits != nullptr) {
        const auto* bytes = static_cast<const unsigned char*>(bits);
        const std::size_t stride = (static_cast<std::size_t>(width) + 15) / 16 * 2;
        const platform::PixelBuffer pixels = bitmap->pixels();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.at(x, y) =
                    (bytes[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) / 8] >> (7 - x % 8)) & 1;
    }
    return add(std::move(*bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height)
{
    const platform::gdi::DeviceContext* context =
        platform::gdi::find<platform::gdi::DeviceContext>(dc, "CreateCompatibleBitmap");
    if (context == nullptr || platform::takeCompatibleBitmapFailure())
        return nullptr;
    // A memory DC is only as colourful as the bitmap it holds, and a fresh one holds a monochrome one.
    const bool monochrome =
        context->surface == nullptr && platform::gdi::selectedObject<Bitmap>(context->bitmap).monochrome;
    std::optional<Bitmap> bitmap = blankBitmap(width, height, monochrome);
    return bitmap ? add(std::move(*bitmap)) : refuse();
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD)
{
    if (dc != nullptr && platform::gdi::find<platform::gdi::DeviceContext>(dc, "CreateDIBSection") == nullptr)
        return nullptr;
    if (info == nullptr || usage != DIB_RGB_COLORS || section != nullptr ||
        info->header.size != sizeof(BITMAPINFOHEADER) || info->header.planes != 1 || info->header.bitCount != 32 ||
        info->header.compression != BI_RGB || info->header.height == INT32_MIN)
        return refuse();
    std::optional<Bitmap> bitmap = blankBitmap(info->header.width, std::abs(info->header.height), false);
    if (!bitmap)
        return refuse();
    bitmap->bottomUp = info->header.height > 0;
    bitmap->deviceIndependent = true;
    if (bits != nullptr)
        *bits = bitmap->storage.get();
    return add(std::move(*bitmap));
}

HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name)
{
    if (platform::ownModuleOf(instance) == nullptr)
        return refuse();
    HRSRC resource = FindResourceA(instance, name, "BITMAP");
    const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(instance, resource)));
    if (bytes == nullptr)
        return refuse();
    const std::optional<platform::gdi::BmpPicture> picture =
        platform::gdi::readBmp(std::span(bytes, SizeofResource(instance, resource)));
    std::optional<Bitmap> bitmap = picture ? blankBitmap(picture->width, picture->height, false) : std::nullopt;
    if (!bitmap)
        return refuse();
    std::copy(picture->pixels.begin(), picture->pixels.end(), bitmap->storage.get());
    return add(std::move(*bitmap));
}
