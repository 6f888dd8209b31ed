#include "hostlibs/extension/png_picture.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

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

// Damaged pictures are common input, not news: libpng's messages are kept off the error stream.
[[noreturn]] void fail(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignore(png_structp, png_const_charp) {}

struct Decoding {
    hostext::PngPicture picture;
    bool complete = false;
};

// To red, green, blue and alpha, 8 bits each, whatever the file holds.
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
    if (bitDepth == 16)
        png_set_strip_16(png);
}

// Every step that can end in png_error; what it makes lives in `decoding`, in the caller's frame, so the
// error's jump skips no destructor.
void decode(png_structp png, png_infop info, Decoding& decoding, int largestSide)
{
    png_set_user_limits(png, static_cast<png_uint_32>(largestSide), static_cast<png_uint_32>(largestSide));
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    chooseTransformations(png, info, bitDepth, colourType);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t stride = std::size_t{width} * kBytesPerPixel;
    if (png_get_rowbytes(png, info) != stride)
        png_error(png, "the rows do not come out as 32-bit pixels");
    decoding.picture.width = static_cast<int>(width);
    decoding.picture.height = static_cast<int>(height);
    decoding.picture.pixels.resize(stride * height);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 row = 0; row < height; ++row)
            png_read_row(png, decoding.picture.pixels.data() + std::size_t{row} * stride, nullptr);
    png_read_end(png, nullptr);
    decoding.complete = true;
}

void decodeGuarded(png_structp png, png_infop info, Decoding& decoding, int largestSide)
{
    if (setjmp(png_jmpbuf(png)) == 0)
        decode(png, info, decoding, largestSide);
}

} // namespace

namespace hostext {

std::optional<PngPicture> decodePng(std::span<const std::uint8_t> file, int largestSide)
{
    Decoding decoding;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &fail, &ignore);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_read_struct(png != nullptr ? &png : nullptr, nullptr, nullptr);
        return std::nullopt;
    }
    Source source{file.data(), 0, file.size()};
    png_set_read_fn(png, &source, &readFromSource);
    decodeGuarded(png, info, decoding, largestSide);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!decoding.complete)
        return std::nullopt;
    return std::move(decoding.picture);
}

} // namespace hostext
