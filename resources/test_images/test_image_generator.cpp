// Writes the pictures of test_images.h as PNG files (and the ordinary bitmap as a .bmp), the damaged
// copies, and the list that embeds them as resources. The same definitions always give the same bytes.
//
// usage: kravo_test_image_generator OUTPUT_FOLDER

#include "platform/byte_order.h"
#include "resources/test_images/test_images.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using test_images::Encoding;
using test_images::Picture;
using test_images::Rgba;

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "kravo_test_image_generator: %s\n", what.c_str());
    std::exit(1);
}

void appendToBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

[[noreturn]] void pngFailed(png_structp, png_const_charp message)
{
    fail(std::string("libpng: ") + message);
}

// The picture's colours in the order they first appear; with alpha when the palette carries it.
std::vector<Rgba> paletteOf(const Picture& picture, bool withAlpha)
{
    std::vector<Rgba> colours;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            Rgba colour = picture.pixel(x, y);
            if (!withAlpha)
                colour.alpha = 255;
            if (std::find(colours.begin(), colours.end(), colour) == colours.end())
                colours.push_back(colour);
        }
    if (colours.size() > 16)
        fail(std::string(picture.file) + ": more than 16 colours for a 4-bit palette");
    return colours;
}

int colourTypeOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::rgba8:
    case Encoding::rgba16: return PNG_COLOR_TYPE_RGB_ALPHA;
    case Encoding::rgb8: return PNG_COLOR_TYPE_RGB;
    case Encoding::palette4:
    case Encoding::palette4WithTransparency: return PNG_COLOR_TYPE_PALETTE;
    case Encoding::grey2:
    case Encoding::grey8WithTransparentLevel: return PNG_COLOR_TYPE_GRAY;
    case Encoding::greyAlpha8: return PNG_COLOR_TYPE_GRAY_ALPHA;
    }
    fail("unknown encoding");
}

int bitDepthOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::rgba16: return 16;
    case Encoding::palette4:
    case Encoding::palette4WithTransparency: return 4;
    case Encoding::grey2: return 2;
    default: return 8;
    }
}

// One row as the file stores it, bits packed high first.
Bytes packRow(const Picture& picture, int y, const std::vector<Rgba>& palette)
{
    Bytes row;
    const auto check = [&](bool good, const char* what) {
        if (!good)
            fail(std::string(picture.file) + ": " + what);
    };
    for (int x = 0; x < picture.width; ++x) {
        const Rgba pixel = picture.pixel(x, y);
        switch (picture.encoding) {
        case Encoding::rgba8: row.insert(row.end(), {pixel.red, pixel.green, pixel.blue, pixel.alpha}); break;
        case Encoding::rgb8:
            check(pixel.alpha == 255, "an RGB picture is opaque");
            row.insert(row.end(), {pixel.red, pixel.green, pixel.blue});
            break;
        case Encoding::rgba16:
            for (const std::uint8_t sample : {pixel.red, pixel.green, pixel.blue, pixel.alpha})
                row.insert(row.end(), {sample, test_images::kLowByteOf16BitSamples});
            break;
        case Encoding::palette4:
        case Encoding::palette4WithTransparency: {
            Rgba key = pixel;
            if (picture.encoding == Encoding::palette4) {
                check(pixel.alpha == 255, "a palette without transparency is opaque");
                key.alpha = 255;
            }
            const auto index = static_cast<unsigned char>(std::find(palette.begin(), palette.end(), key) - palette.begin());
            if (x % 2 == 0)
                row.push_back(static_cast<unsigned char>(index << 4));
            else
                row.back() |= index;
            break;
        }
        case Encoding::grey2: {
            check(pixel.red == pixel.green && pixel.green == pixel.blue && pixel.red % 85 == 0 && pixel.alpha == 255,
                "a 2-bit grey picture has levels 0, 85, 170 and 255 only, opaque");
            const int shift = 6 - 2 * (x % 4);
            if (x % 4 == 0)
                row.push_back(0);
            row.back() |= static_cast<unsigned char>((pixel.red / 85) << shift);
            break;
        }
        case Encoding::greyAlpha8:
            check(pixel.red == pixel.green && pixel.green == pixel.blue, "a grey picture is grey");
            row.insert(row.end(), {pixel.red, pixel.alpha});
            break;
        case Encoding::grey8WithTransparentLevel:
            check(pixel.red == pixel.green && pixel.green == pixel.blue, "a grey picture is grey");
            check(pixel.alpha == (pixel.red == test_images::kTransparentGrey ? 0 : 255),
                "only the transparent level is transparent");
            row.push_back(pixel.red);
            break;
        }
    }
    return row;
}

Bytes encodePng(const Picture& picture)
{
    Bytes file;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &pngFailed, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr)
        fail("libpng: no write structure");
    png_set_write_fn(png, &file, &appendToBytes, &noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height),
        bitDepthOf(picture.encoding), colourTypeOf(picture.encoding),
        picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
        PNG_FILTER_TYPE_DEFAULT);

    std::vector<Rgba> palette;
    if (picture.encoding == Encoding::palette4 || picture.encoding == Encoding::palette4WithTransparency) {
        palette = paletteOf(picture, picture.encoding == Encoding::palette4WithTransparency);
        std::vector<png_color> entries;
        std::vector<png_byte> alphas;
        for (const Rgba& colour : palette) {
            entries.push_back({colour.red, colour.green, colour.blue});
            alphas.push_back(colour.alpha);
        }
        png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
        if (picture.encoding == Encoding::palette4WithTransparency)
            png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    }
    if (picture.encoding == Encoding::grey8WithTransparentLevel) {
        png_color_16 level{};
        level.gray = test_images::kTransparentGrey;
        png_set_tRNS(png, info, nullptr, 0, &level);
    }
    // Small IDAT chunks (and no compression to make the data long), so that a cut leaves whole rows.
    if (picture.id == test_images::kPattern.id) {
        png_set_compression_level(png, 0);
        png_set_compression_buffer_size(png, 64);
    }

    std::vector<Bytes> rows;
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < picture.height; ++y)
        rows.push_back(packRow(picture, y, palette));
    for (Bytes& row : rows)
        rowPointers.push_back(row.data());
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return file;
}

// After the 8-byte signature, IHDR's length and type (8 bytes), then its 13 bytes of data and its CRC.
constexpr std::size_t kHeaderData = 16;
constexpr std::size_t kHeaderDataLength = 13;

void fixHeaderCrc(Bytes& file)
{
    const auto crc = static_cast<std::uint32_t>(crc32(0, file.data() + 12, 4 + kHeaderDataLength));
    platform::writeBigEndian(file.data() + kHeaderData + kHeaderDataLength, crc, 4);
}

// The offset of the last chunk of that type.
std::size_t lastChunk(const Bytes& file, const char* type)
{
    std::size_t found = 0;
    for (std::size_t at = 8; at + 12 <= file.size(); at += 12 + platform::readBigEndian(file.data() + at, 4))
        if (std::equal(type, type + 4, file.begin() + static_cast<std::ptrdiff_t>(at) + 4))
            found = at;
    if (found == 0)
        fail(std::string("no ") + type + " chunk");
    return found;
}

Bytes damaged(Bytes file, test_images::Damage damage)
{
    using test_images::Damage;
    switch (damage) {
    case Damage::cutInSignature: file.resize(5); break;
    case Damage::cutInHeader: file.resize(kHeaderData + 6); break;
    case Damage::cutInData: {
        const std::size_t cut = file.size() / 2;
        // The pattern has nothing between IHDR and its IDAT chunks.
        const std::size_t firstData = kHeaderData + kHeaderDataLength + 4 + 8;
        if (cut <= firstData || cut >= lastChunk(file, "IEND"))
            fail("the cut does not fall inside the image data");
        file.resize(cut);
        break;
    }
    case Damage::badCrc: {
        const std::size_t chunk = lastChunk(file, "IDAT");
        file[chunk + 8 + platform::readBigEndian(file.data() + chunk, 4)] ^= 0x5A;
        break;
    }
    case Damage::zeroWidth:
        platform::writeBigEndian(file.data() + kHeaderData, 0, 4);
        fixHeaderCrc(file);
        break;
    case Damage::hugeHeader:
        platform::writeBigEndian(file.data() + kHeaderData, 100000, 4);
        platform::writeBigEndian(file.data() + kHeaderData + 4, 100000, 4);
        fixHeaderCrc(file);
        break;
    case Damage::unknownColourType:
        file[kHeaderData + 9] = 5;
        fixHeaderCrc(file);
        break;
    }
    return file;
}

void putLittleEndian(Bytes& file, std::uint32_t value, int bytes)
{
    for (int byte = 0; byte < bytes; ++byte)
        file.push_back(static_cast<unsigned char>(value >> (8 * byte)));
}

// 24 bits a pixel, bottom row first, rows padded to 4 bytes.
Bytes encodeBmp(const Picture& picture)
{
    const auto stride = static_cast<std::uint32_t>((picture.width * 3 + 3) / 4 * 4);
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(picture.height);
    Bytes file{'B', 'M'};
    putLittleEndian(file, 14 + 40 + pixelBytes, 4);
    putLittleEndian(file, 0, 4);
    putLittleEndian(file, 14 + 40, 4);
    putLittleEndian(file, 40, 4);
    putLittleEndian(file, static_cast<std::uint32_t>(picture.width), 4);
    putLittleEndian(file, static_cast<std::uint32_t>(picture.height), 4);
    putLittleEndian(file, 1, 2);
    putLittleEndian(file, 24, 2);
    for (int field = 0; field < 6; ++field) // compression, sizes, resolutions, colours
        putLittleEndian(file, 0, 4);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba pixel = picture.pixel(x, y);
            file.insert(file.end(), {pixel.blue, pixel.green, pixel.red});
        }
        file.resize(file.size() + (stride - static_cast<std::uint32_t>(picture.width) * 3));
    }
    return file;
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        fail("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        fail("usage: kravo_test_image_generator OUTPUT_FOLDER");
    const std::string folder = argv[1];
    std::string list = "# Generated by kravo_test_image_generator: TYPE ID PATH, PATH relative to this folder.\n";
    for (const Picture& picture : test_images::kPictures) {
        writeFile(folder + "/" + picture.file, encodePng(picture));
        list += "PNG " + std::to_string(picture.id) + " " + picture.file + "\n";
    }
    const Bytes pattern = encodePng(test_images::kPattern);
    for (const test_images::DamagedPicture& picture : test_images::kDamagedPictures) {
        writeFile(folder + "/" + picture.file, damaged(pattern, picture.damage));
        list += "PNG " + std::to_string(picture.id) + " " + picture.file + "\n";
    }
    writeFile(folder + "/" + test_images::kOrdinaryBitmap.file, encodeBmp(test_images::kOrdinaryBitmap));
    list += "BITMAP " + std::to_string(test_images::kOrdinaryBitmap.id) + " " + test_images::kOrdinaryBitmap.file + "\n";
    // Last, so that the list's time stamp says every picture is there.
    writeFile(folder + "/test_images.list", Bytes(list.begin(), list.end()));
    return 0;
}
