#pragma once

#include <cstdint>
#include <string>

namespace host {

// A chunk ID as its four characters, any that is not printable as '?'.
inline std::string chunkIdText(std::uint32_t id)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<char>(id >> shift);
        text += c >= ' ' && c <= '~' ? c : '?';
    }
    return text;
}

} // namespace host
