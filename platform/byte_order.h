#pragma once

// Unsigned integers of 1 to 8 bytes as files and records lay them out, whatever the machine's own order.
// Header-only, so that the build's generators use it without linking the stand-ins.

#include <cstddef>
#include <cstdint>

namespace platform {

// Most significant byte first.
inline std::uint64_t readBigEndian(const std::uint8_t* at, std::size_t bytes)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        value = (value << 8) | at[i];
    return value;
}

inline void writeBigEndian(std::uint8_t* at, std::uint64_t value, std::size_t bytes)
{
    for (std::size_t i = 0; i < bytes; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * (bytes - 1 - i)));
}

// Least significant byte first.
inline std::uint64_t readLittleEndian(const std::uint8_t* at, std::size_t bytes)
{
    std::uint64_t value = 0;
    for (std::size_t i = bytes; i > 0; --i)
        value = (value << 8) | at[i - 1];
    return value;
}

} // namespace platform
