#include "toolkit/png_reader.h"

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/png_decoding.h"

#include <cstring>

namespace Toolkit {

namespace {

// Far beyond any picture of the editor; larger headers are refused before anything is allocated.
constexpr std::uint32_t kLargestSide = 16384;
constexpr std::size_t kBytesPerPixel = 4;

// Pixels without alpha become all zero, whatever their colour.
void premultiply(unsigned char* bits, std::size_t pixelCount)
{
    for (unsigned char* pixel = bits; pixel != bits + pixelCount * kBytesPerPixel; pixel += kBytesPerPixel) {
        const unsigned alpha = pixel[3];
        if (alpha == 0) {
            std::memset(pixel, 0, kBytesPerPixel);
            continue;
        }
        for (int channel = 0; channel < 3; ++channel)
            pixel[channel] = static_cast<unsigned char>((pixel[channel] * alpha) >> 8);
    }
}

} // namespace

DecodedPng readPng(std::span<const unsigned char> file)
{
    DecodedPng result;
    unsigned char* bits = nullptr;
    result.complete = platform::decodePng(file, kLargestSide, platform::PngChannelOrder::blueGreenRed,
        [&](std::int32_t width, std::int32_t height) {
            result.width = width;
            result.height = height;
            BITMAPINFO description{};
            // A positive height: the rows run bottom-up.
            description.header = {.size = sizeof(BITMAPINFOHEADER),
                .width = width,
                .height = height,
                .planes = 1,
                .bitCount = 32,
                .compression = BI_RGB,
                .reserved = {}};
            void* pixels = nullptr;
            result.bitmap = CreateDIBSection(nullptr, &description, DIB_RGB_COLORS, &pixels, nullptr, 0);
            bits = result.bitmap != nullptr ? static_cast<unsigned char*>(pixels) : nullptr;
            return platform::PngRows{bits, true};
        });
    if (bits != nullptr)
        premultiply(bits, static_cast<std::size_t>(result.width) * static_cast<std::size_t>(result.height));
    return result;
}

} // namespace Toolkit
