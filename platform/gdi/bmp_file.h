#pragma once

// Reading .bmp files: uncompressed, 24 or 32 bits per pixel, rows bottom-up or top-down.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform::gdi {

struct BmpPicture {
    int width = 0;
    int height = 0;
    // Top row first; blue in the low byte, the fourth byte 0.
    std::vector<std::uint32_t> pixels{};
};

// Null for anything else, and for a file shorter than its header says.
std::optional<BmpPicture> readBmp(std::span<const unsigned char> file);

} // namespace platform::gdi
