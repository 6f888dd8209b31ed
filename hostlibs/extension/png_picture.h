#pragma once

// A PNG image held in memory, decoded with libpng into 8-bit red, green, blue and alpha.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace hostext {

struct PngPicture {
    int width = 0;
    int height = 0;
    // Row after row from the top, four bytes a pixel: red, green, blue, alpha.
    std::vector<std::uint8_t> pixels;
};

// Nothing unless the bytes hold a whole, sound image of at most `largestSide` pixels a side.
std::optional<PngPicture> decodePng(std::span<const std::uint8_t> file, int largestSide);

} // namespace hostext
