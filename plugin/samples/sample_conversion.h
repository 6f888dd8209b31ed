#pragma once

#include <array>
#include <cstdint>

// What turns a sample file's raw bytes into floats: fixed tables for the
// 8-bit formats, built at compile time and shared by every buffer, and plain
// arithmetic for 16-bit words, whose table would be too large to stay in cache.
namespace samples {

constexpr std::array<float, 256> buildUnsigned8()
{
    std::array<float, 256> table{};
    for (int u = 0; u < 256; ++u)
        table[static_cast<std::size_t>(u)] = static_cast<float>(u - 128) * 0.0078125f;
    return table;
}

constexpr std::array<float, 256> buildSigned8()
{
    std::array<float, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<std::size_t>(b)] = static_cast<float>(b >= 128 ? b - 256 : b) * 0.0078125f;
    return table;
}

// Unsigned 8-bit samples, 128 being zero.
inline constexpr std::array<float, 256> kUnsigned8 = buildUnsigned8();
// Two's-complement 8-bit samples.
inline constexpr std::array<float, 256> kSigned8 = buildSigned8();
// A two's-complement 16-bit word, whatever its byte order in the file: exact
// in a float, as the scale is a power of two.
constexpr float signed16(std::uint32_t word)
{
    return static_cast<float>(static_cast<std::int16_t>(static_cast<std::uint16_t>(word))) * 3.0517578125e-5f;
}

} // namespace samples
