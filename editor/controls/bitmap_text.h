#pragma once

// Measuring text in the labels' two bitmap fonts.

#include <cstdint>

namespace editor {

// The glyph of a character: 32..127 give 0..95, every other byte the space.
int glyphIndex(char character);

// The width of the text's glyphs in font 0 or 1, at most the available width; 0 for any other font.
std::int32_t bitmapTextWidth(const char* text, std::int32_t available, std::int32_t font);

} // namespace editor
