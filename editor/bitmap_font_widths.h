#pragma once

// The two bitmap fonts of the editor's labels: 96 glyphs for the characters 32..127, each 10 pixel rows
// high and stacked from the top of its image. The widths are what a label advances by; the art generator
// draws each glyph's ink inside them and the labels measure with them, so both read this one table.

#include <array>
#include <cstdint>

namespace bitmap_font {

inline constexpr int kGlyphCount = 96;
inline constexpr int kGlyphHeight = 10;
inline constexpr int kFirstCharacter = 32;
inline constexpr int kFontCount = 2;

// Font 0 is image 10161, font 1 image 10160.
inline constexpr std::array<int, kFontCount> kImageIds{10161, 10160};

inline constexpr std::array<std::array<std::uint8_t, kGlyphCount>, kFontCount> kWidths{{
    {3, 3, 4, 7, 7, 9, 8, 3, 5, 5, 6, 7, 3, 3, 3, 6,
        9, 7, 8, 8, 9, 9, 8, 9, 8, 8, 3, 3, 5, 6, 5, 6,
        7, 7, 6, 6, 7, 6, 6, 7, 6, 2, 6, 6, 6, 7, 7, 7,
        6, 7, 6, 6, 6, 6, 7, 8, 6, 7, 7, 3, 8, 3, 6, 7,
        3, 7, 6, 6, 7, 6, 6, 7, 6, 2, 6, 6, 6, 7, 7, 7,
        6, 7, 6, 6, 6, 6, 7, 8, 6, 7, 7, 3, 3, 3, 5, 4},
    {3, 3, 4, 7, 7, 9, 8, 3, 5, 5, 6, 7, 3, 3, 3, 6,
        9, 7, 7, 8, 8, 8, 7, 8, 7, 7, 3, 3, 5, 6, 5, 6,
        7, 8, 7, 7, 7, 7, 7, 8, 9, 3, 7, 7, 7, 9, 6, 9,
        7, 9, 8, 7, 6, 6, 9, 9, 8, 7, 7, 3, 8, 3, 6, 7,
        3, 8, 7, 7, 7, 7, 7, 8, 9, 3, 7, 7, 7, 9, 6, 9,
        7, 9, 8, 7, 6, 6, 9, 9, 8, 7, 7, 3, 3, 3, 5, 4},
}};

constexpr int glyphWidth(int font, int glyph)
{
    return kWidths[static_cast<std::size_t>(font)][static_cast<std::size_t>(glyph)];
}

} // namespace bitmap_font
