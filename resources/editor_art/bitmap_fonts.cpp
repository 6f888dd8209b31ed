#include "editor/bitmap_font_widths.h"
#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

#include <algorithm>
#include <cctype>

namespace editor_art {

using namespace palette;

namespace {

constexpr int kBaselineRow = 8;
// Capitals fill the rows above the baseline; lower case is drawn as smaller capitals in the same widths.
constexpr int kCapitalSize = 11;
constexpr int kSmallCapitalSize = 9;

int fontOfImage(int id)
{
    return id == bitmap_font::kImageIds[0] ? 0 : 1;
}

void drawGlyph(const Sketch& sketch, int font, int glyph)
{
    const char character = static_cast<char>(bitmap_font::kFirstCharacter + glyph);
    // The last code is no character.
    if (character == ' ' || character == 127)
        return;
    const bool lowerCase = std::islower(static_cast<unsigned char>(character)) != 0;
    const Weight weight = font == 1 ? Weight::bold : Weight::regular;
    const int size = lowerCase ? kSmallCapitalSize : kCapitalSize;
    const char shown = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    // The last column of every cell stays empty: it is the gap to the next glyph.
    const int room = bitmap_font::glyphWidth(font, glyph) - 1;
    Ink ink = sketch.type.ink(weight, size, shown, 1.0f);
    if (ink.width > room)
        ink = sketch.type.ink(weight, size, shown, static_cast<float>(room) / ink.width);
    const int left = std::max((room - ink.width) / 2, 0);
    const int top = glyph * bitmap_font::kGlyphHeight;
    for (int row = 0; row < ink.rows; ++row) {
        const int y = kBaselineRow - ink.top + row;
        if (y < 0 || y >= bitmap_font::kGlyphHeight)
            continue;
        for (int column = 0; column < ink.width && left + column < room; ++column)
            sketch.canvas.blend(left + column, top + y, kTextGrey,
                ink.coverage[static_cast<std::size_t>(row * ink.width + column)] / 255.0f);
    }
}

} // namespace

void paintBitmapFont(const Sketch& sketch)
{
    const int font = fontOfImage(sketch.id);
    for (int glyph = 0; glyph < bitmap_font::kGlyphCount; ++glyph)
        drawGlyph(sketch, font, glyph);
}

} // namespace editor_art
