#include "toolkit/png_reader.h"

#include "platform/gdi/bitmaps.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace Toolkit {

namespace {

// Far beyond any picture of the editor; larger headers are refused before anything is allocated.
constexpr png_uint_32 kLargestSide = 16384;
constexpr std::size_t kBytesPerPixel = 4;

struct Source {
    const unsigned char* start;
    std::size_t position;
    std::size_t size;
};

void readFromSource(png_structp png, png_bytep into, png_size_t count)
{
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->size - source->position)
        png_error(png, "the image ends early");
    std::memcpy(into, source->start + source->position, count);
    source->position += count;
}

struct Decoding {
    DecodedPng result;
    unsigned char* bits = nullptr;
};

// To blue, green, red and alpha, 8 bits each, whatever the file holds.
void chooseTransformations(png_structp png, png_infop info, int bitDepth, int colourType)
{
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS) != 0)
        png_set_tRNS_to_alpha(png);
    else
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    if (bitDepth == 16) {
        png_set_swap(png);
        png_set_strip_16(png);
    }
    if (colourType == PNG_COLOR_TYPE_RGB || colourType == PNG_COLOR_TYPE_RGB_ALPHA ||
        colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_bgr(png);
}

// Every step that can end in png_error. Nothing here has a destructor for the error's jump to skip.
void decode(png_structp png, png_infop info, Decoding& decoding)
{
    png_set_user_limits(png, kLargestSide, kLargestSide);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    decoding.result.width = static_cast<std::int32_t>(width);
    decoding.result.height = static_cast<std::int32_t>(height);

    BITMAPINFO description{};
    // A positive height: the rows run bottom-up.
    description.header = {.size = sizeof(BITMAPINFOHEADER),
        .width = decoding.result.width,
        .height = decoding.result.height,
        .planes = 1,
        .bitCount = 32,
        .compression = BI_RGB,
        .reserved = {}};
    void* bits = nullptr;
    decoding.result.bitmap = CreateDIBSection(nullptr, &description, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (decoding.result.bitmap == nullptr)
        png_error(png, "no bitmap for the image");
    decoding.bits = static_cast<unsigned char*>(bits);

    chooseTransformations(png, info, bitDepth, colourType);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t stride = std::size_t{width} * kBytesPerPixel;
    if (png_get_rowbytes(png, info) != stride)
        png_error(png, "the rows do not come out as 32-bit pixels");
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 row = 0; row < height; ++row)
            png_read_row(png, decoding.bits + std::size_t{height - 1 - row} * stride, nullptr);
    png_read_end(png, nullptr);
    decoding.result.complete = true;
}

// What the error's jump leaves behind is all in decoding, which lives in the caller's frame.
void decodeGuarded(png_structp png, png_infop info, Decoding& decoding)
{
    if (setjmp(png_jmpbuf(png)) == 0)
        decode(png, info, decoding);
}

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
    Decoding decoding;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_read_struct(png != nullptr ? &png : nullptr, nullptr, nullptr);
        return decoding.result;
    }
    Source source{file.data(), 0, file.size()};
    png_set_read_fn(png, &source, &readFromSource);
    decodeGuarded(png, info, decoding);
    png_destroy_read_struct(&png, &info, nullptr);
    if (decoding.bits != nullptr)
        premultiply(decoding.bits,
            static_cast<std::size_t>(decoding.result.width) * static_cast<std::size_t>(decoding.result.height));
    return decoding.result;
}

} // namespace Toolkit
