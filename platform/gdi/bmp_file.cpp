#include "platform/gdi/bmp_file.h"

#include "platform/byte_order.h"

#include <cstdlib>

namespace platform::gdi {

namespace {

// The file is little-endian throughout.
std::uint32_t word32(std::span<const unsigned char> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(readLittleEndian(bytes.data() + at, 4));
}

std::uint16_t word16(std::span<const unsigned char> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(readLittleEndian(bytes.data() + at, 2));
}

} // namespace

std::optional<BmpPicture> readBmp(std::span<const unsigned char> file)
{
    // The file header (signature, file size, reserved word, offset of the pixels), then the picture's
    // header of at least 40 bytes (its size, width, height, planes, bits per pixel, compression, ...).
    constexpr std::size_t kFileHeader = 14;
    constexpr std::size_t kPictureHeader = 40;
    constexpr int kLargestSide = 1 << 14;
    if (file.size() < kFileHeader + kPictureHeader || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint32_t pixelOffset = word32(file, 10);
    const std::uint32_t headerSize = word32(file, 14);
    const auto width = static_cast<std::int32_t>(word32(file, 18));
    const auto height = static_cast<std::int32_t>(word32(file, 22));
    const std::uint16_t planes = word16(file, 26);
    const std::uint16_t bitsPerPixel = word16(file, 28);
    const std::uint32_t compression = word32(file, 30);
    if (headerSize < kPictureHeader || planes != 1 || (bitsPerPixel != 24 && bitsPerPixel != 32) || compression != 0 ||
        width <= 0 || width > kLargestSide || height == 0 || std::abs(height) > kLargestSide)
        return std::nullopt;
    const int rows = std::abs(height);
    const std::size_t bytesPerPixel = bitsPerPixel / 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    if (pixelOffset > file.size() || (file.size() - pixelOffset) / stride < static_cast<std::size_t>(rows))
        return std::nullopt;

    BmpPicture picture{.width = width, .height = rows};
    picture.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows));
    for (int y = 0; y < rows; ++y) {
        // A positive height stores the bottom row first.
        const int storedRow = height > 0 ? rows - 1 - y : y;
        const unsigned char* source = file.data() + pixelOffset + static_cast<std::size_t>(storedRow) * stride;
        for (int x = 0; x < width; ++x, source += bytesPerPixel)
            picture
                .pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                source[0] | (std::uint32_t{source[1]} << 8) | (std::uint32_t{source[2]} << 16);
    }
    return picture;
}

} // namespace platform::gdi
