#include "hostlibs/extension/host_pictures.h"

#include "hostlibs/extension/graphics_state.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/png_picture.h"
#include "platform/four_char_code.h"
#include "platform/gdi/bitmaps.h"
#include "platform/gdi/blits.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"

#include <cstddef>

struct HostPictureRecord {
    hostext::PngPicture image;
};

namespace {

using hostext::graphics;
using platform::RectangleSet;

constexpr std::uint32_t kPictureType = FourCharCode("PICT");
// As large as a port may be.
constexpr int kLargestSide = 4096;

std::uint32_t blendChannel(std::uint32_t under, std::uint32_t over, std::uint32_t alpha)
{
    return (over * alpha + under * (255 - alpha) + 127) / 255;
}

// The part's device pixels are read, the picture blended over them, and written back.
void blendPart(HDC dc, const RECT& part, const hostext::PngPicture& image, const RECT& frame, POINT origin)
{
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    BITMAPINFO info{};
    info.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, {}};
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = copy != nullptr ? CreateCompatibleDC(dc) : nullptr;
    if (memory == nullptr) {
        DeleteObject(copy);
        return;
    }
    const HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, dc, part.left, part.top, SRCCOPY);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::int64_t frameWidth = frame.right - frame.left;
    const std::int64_t frameHeight = frame.bottom - frame.top;
    for (int y = 0; y < height; ++y) {
        // The frame's pixel in local coordinates, then the picture's pixel that falls on it.
        const std::int64_t v = part.top + y + origin.y - frame.top;
        const auto sourceY = static_cast<std::size_t>(v * image.height / frameHeight);
        for (int x = 0; x < width; ++x) {
            const std::int64_t h = part.left + x + origin.x - frame.left;
            const auto sourceX = static_cast<std::size_t>(h * image.width / frameWidth);
            const std::uint8_t* over =
                &image.pixels[(sourceY * static_cast<std::size_t>(image.width) + sourceX) * 4];
            // Device pixels hold blue in the low byte.
            std::uint32_t& pixel = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)];
            pixel = (blendChannel((pixel >> 16) & 0xFF, over[0], over[3]) << 16) |
                (blendChannel((pixel >> 8) & 0xFF, over[1], over[3]) << 8) |
                blendChannel(pixel & 0xFF, over[2], over[3]);
        }
    }
    BitBlt(dc, part.left, part.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(copy);
}

} // namespace

extern "C" {

HostPicture HostExtGetPicture(std::int16_t id)
{
    HostHandle resource = HostExtGetResource(kPictureType, id);
    if (resource == nullptr)
        return nullptr;
    const auto size = static_cast<std::size_t>(HostExtGetHandleSize(resource));
    auto image = hostext::decodePng({reinterpret_cast<const std::uint8_t*>(*resource), size}, kLargestSide);
    HostExtReleaseResource(resource);
    if (!image)
        return nullptr;
    ++graphics().pictures;
    return new HostPictureRecord{std::move(*image)};
}

void HostExtReleasePicture(HostPicture picture)
{
    if (picture == nullptr)
        return;
    delete picture;
    --graphics().pictures;
}

void HostExtDrawPicture(HostPicture picture, const HostRect* frame)
{
    HostPort port = graphics().current;
    if (port == nullptr || picture == nullptr || frame == nullptr)
        return;
    const RECT box = hostext::toRect(*frame);
    if (box.right <= box.left || box.bottom <= box.top)
        return;
    const POINT origin{port->origin.h, port->origin.v};
    hostext::paintWith(*port, RectangleSet(box), {"picture", *frame, {0, 0, 0}, false, {}},
        [&](HDC dc, const RectangleSet& pixels) {
            for (const RECT& part : pixels.rectangles())
                blendPart(dc, part, picture->image, box, origin);
        });
}

} // extern "C"

namespace hostext {

int livePictureCount()
{
    return graphics().pictures;
}

} // namespace hostext
