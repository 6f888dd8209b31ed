#include "editor/bitmap_font_widths.h"
#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

#include <algorithm>
#include <cctype>

namespace editor_art {

using namespace palette;

namespace {

// Capitals fill the six rows above the baseline, so that captions stacked seven rows apart keep a row
// between their lines; lower case is drawn as smaller capitals in the same widths.
constexpr int kBaselineRow = 6;
constexpr int kCapitalSize = 8;
constexpr int kSmallCapitalSize = 7;
constexpr float kMostWidening = 1.4f;

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
    // The bold font's cells are wide for glyphs of this height: its glyphs are widened to fill them, as far
    // as they keep their shape.
    const float widest = weight == Weight::bold ? kMostWidening : 1.0f;
    if (ink.width > room || (widest > 1.0f && ink.width > 0 && ink.width < room))
        ink = sketch.type.ink(weight, size, shown,
            std::min(static_cast<float>(room) / static_cast<float>(ink.width), widest));
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
