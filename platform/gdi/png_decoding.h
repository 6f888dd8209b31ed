#pragma once

// PNG files held in memory, decoded with libpng into four 8-bit channels a pixel, alpha last, whatever
// the file holds. The callers give the rows their place and make their own pictures of them.

#include <cstdint>
#include <functional>
#include <span>

namespace platform {

enum class PngChannelOrder { redGreenBlue, blueGreenRed };

// Where the rows go: width * height * 4 bytes, the rows from the top, or from the bottom as
// device-independent bitmaps hold them.
struct PngRows {
    std::uint8_t* pixels = nullptr;
    bool bottomUp = false;
};

// Asked once the header has given the size; null pixels stop the decoding there.
using PngRowPlacement = std::function<PngRows(std::int32_t width, std::int32_t height)>;

// True when the file decoded to its end; otherwise the rows decoded before the fault are kept. Sides
// longer than `largestSide` are refused before `place` is asked. Damaged files are common input, so
// libpng's messages are not printed.
bool decodePng(std::span<const std::uint8_t> file, std::uint32_t largestSide, PngChannelOrder order,
    const PngRowPlacement& place);

} // namespace platform
