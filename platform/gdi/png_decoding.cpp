#include "platform/gdi/png_decoding.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace platform {

namespace {

constexpr std::size_t kBytesPerPixel = 4;

struct Source {
    const std::uint8_t* start;
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

[[noreturn]] void fail(png_structp png, png_const_charp /*message*/)
{
    png_longjmp(png, 1);
}

void ignore(png_structp /*png*/, png_const_charp /*message*/) {}

// To four channels of 8 bits, alpha last.
void chooseTransformations(png_structp png, png_infop info, int bitDepth, int colourType, PngChannelOrder order)
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
    if (bitDepth == 16)
        png_set_strip_16(png);
    // Grey turned to colour is the same in either order.
    if (order == PngChannelOrder::blueGreenRed &&
        (colourType == PNG_COLOR_TYPE_RGB || colourType == PNG_COLOR_TYPE_RGB_ALPHA ||
            colourType == PNG_COLOR_TYPE_PALETTE))
        png_set_bgr(png);
}

// Every step that can end in png_error. Nothing here has a destructor for the error's jump to skip.
bool decode(png_structp png, png_infop info, std::uint32_t largestSide, PngChannelOrder order,
    const PngRowPlacement& place)
{
    png_set_user_limits(png, largestSide, largestSide);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    const PngRows rows = place(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    if (rows.pixels == nullptr)
        png_error(png, "no place for the image");

    chooseTransformations(png, info, bitDepth, colourType, order);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t stride = std::size_t{width} * kBytesPerPixel;
    if (png_get_rowbytes(png, info) != stride)
        png_error(png, "the rows do not come out as 32-bit pixels");
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 row = 0; row < height; ++row)
            png_read_row(png, rows.pixels + std::size_t{rows.bottomUp ? height - 1 - row : row} * stride, nullptr);
    png_read_end(png, nullptr);
    return true;
}

bool decodeGuarded(png_structp png, png_infop info, std::uint32_t largestSide, PngChannelOrder order,
    const PngRowPlacement& place)
{
    if (setjmp(png_jmpbuf(png)) == 0)
        return decode(png, info, largestSide, order, place);
    return false;
}

} // namespace

bool decodePng(std::span<const std::uint8_t> file, std::uint32_t largestSide, PngChannelOrder order,
    const PngRowPlacement& place)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &fail, &ignore);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_read_struct(png != nullptr ? &png : nullptr, nullptr, nullptr);
        return false;
    }
    Source source{file.data(), 0, file.size()};
    png_set_read_fn(png, &source, &readFromSource);
    const bool complete = decodeGuarded(png, info, largestSide, order, place);
    png_destroy_read_struct(&png, &info, nullptr);
    return complete;
}

} // namespace platform
