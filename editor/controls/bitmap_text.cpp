#include "editor/controls/bitmap_text.h"

#include "editor/bitmap_font_widths.h"

#include <algorithm>

namespace editor {

int glyphIndex(char character)
{
    const int glyph = static_cast<signed char>(character) - bitmap_font::kFirstCharacter;
    return std::clamp(glyph, 0, bitmap_font::kGlyphCount - 1);
}

std::int32_t bitmapTextWidth(const char* text, std::int32_t available, std::int32_t font)
{
    if (text == nullptr || font < 0 || font >= bitmap_font::kFontCount)
        return 0;
    std::int32_t width = 0;
    for (const char* c = text; *c != 0; ++c)
        width += bitmap_font::glyphWidth(font, glyphIndex(*c));
    return std::min(width, available);
}

} // namespace editor
