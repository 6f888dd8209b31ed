#pragma once

// Header-only, so that the framework and the host's libraries write their length-prefixed texts alike
// without linking one another.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Writes the text as a length-prefixed one of at most `longest` characters (255 at most); `out` has room
// for the length byte and that many. The text may lie in `out` itself: a zero-terminated text in a
// buffer one byte longer turns into the prefixed form in place.
inline void WriteLengthPrefixed(std::string_view text, std::uint8_t* out, std::size_t longest = 255)
{
    const std::size_t length = std::min({text.size(), longest, std::size_t{255}});
    std::memmove(out + 1, text.data(), length);
    out[0] = static_cast<std::uint8_t>(length);
}
