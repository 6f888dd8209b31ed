#pragma once

// Header-only, so that the plug-in's base, the framework and the host's libraries make their codes alike
// without linking one another.

#include <cstdint>

// A four-character code as the host compares them: the first character in the top byte.
constexpr std::uint32_t FourCharCode(const char (&text)[5])
{
    return (std::uint32_t(std::uint8_t(text[0])) << 24) | (std::uint32_t(std::uint8_t(text[1])) << 16) |
           (std::uint32_t(std::uint8_t(text[2])) << 8) | std::uint32_t(std::uint8_t(text[3]));
}
