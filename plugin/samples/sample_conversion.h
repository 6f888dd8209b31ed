#pragma once

#include <array>
#include <cstdint>

// The fixed tables that turn a sample file's raw bytes into floats, one
// look-up per sample value, built at compile time and shared by every buffer.
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

constexpr std::array<float, 65536> buildSigned16()
{
    std::array<float, 65536> table{};
    for (int w = 0; w < 65536; ++w)
        table[static_cast<std::size_t>(w)] = static_cast<float>(w >= 32768 ? w - 65536 : w) * 3.0517578125e-5f;
    return table;
}

// Unsigned 8-bit samples, 128 being zero.
inline constexpr std::array<float, 256> kUnsigned8 = buildUnsigned8();
// Two's-complement 8-bit samples.
inline constexpr std::array<float, 256> kSigned8 = buildSigned8();
// Two's-complement 16-bit words, whatever their byte order in the file.
inline constexpr std::array<float, 65536> kSigned16 = buildSigned16();

} // namespace samples
