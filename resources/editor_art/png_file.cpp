#include "resources/editor_art/png_file.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace editor_art {

namespace {

void appendToBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

// libpng cannot unwind through its own frames: a failure ends the generator.
[[noreturn]] void pngFailed(png_structp, png_const_charp message)
{
    std::fprintf(stderr, "kravo_editor_art_generator: libpng: %s\n", message);
    std::exit(1);
}

static_assert(sizeof(Colour) == 4, "a picture's pixels are its PNG rows");

} // namespace

Bytes encodePng(const Canvas& canvas)
{
    Bytes file;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &pngFailed, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr)
        throw std::runtime_error("libpng: no write structure");
    std::vector<png_bytep> rows;
    auto* first = const_cast<png_bytep>(reinterpret_cast<const png_byte*>(canvas.pixels().data()));
    for (int y = 0; y < canvas.height(); ++y)
        rows.push_back(first + static_cast<std::size_t>(y) * canvas.width() * 4);
    png_set_write_fn(png, &file, &appendToBytes, &noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.width()), static_cast<png_uint_32>(canvas.height()), 8,
        PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return file;
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace editor_art
