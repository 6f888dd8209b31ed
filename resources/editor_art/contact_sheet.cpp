#include "resources/editor_art/contact_sheet.h"

#include "editor/bitmap_font_widths.h"
#include "resources/editor_art/art_catalogue.h"
#include "resources/editor_art/palette.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace editor_art {

namespace {

constexpr int kSheetWidth = 2080;
constexpr int kMargin = 16;
constexpr int kLabelRows = 16;
// Small pictures are shown twice their size.
constexpr int kSmall = 80;
constexpr int kKnobFramesShown[] = {0, 75, 150};
constexpr int kFontColumns = 6;
constexpr int kFontColumnGap = 6;
constexpr std::string_view kFontSample = "Kravo drums: semi fine vel 0123 BD 1";

constexpr Colour kSheet{92, 96, 100, 255};
constexpr Colour kCheckLight{176, 176, 176, 255};
constexpr Colour kCheckDark{152, 152, 152, 255};

Canvas cut(const Canvas& source, int top, int height)
{
    Canvas part(source.width(), height);
    part.paste(source, 0, -top);
    return part;
}

Canvas enlarged(const Canvas& source, int factor)
{
    Canvas large(source.width() * factor, source.height() * factor);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            large.blend(x, y, source.pixel(x / factor, y / factor), 1.0f);
    return large;
}

Canvas knobPositions(const Canvas& strip, int frameHeight)
{
    Canvas row(strip.width() * 3 + 8, frameHeight);
    int x = 0;
    for (const int frame : kKnobFramesShown) {
        row.paste(cut(strip, frame * frameHeight, frameHeight), x, 0);
        x += strip.width() + 4;
    }
    return row;
}

// The glyphs in columns of sixteen, and a line set as a label sets it.
Canvas fontTable(const Canvas& strip, int font)
{
    const int glyphsPerColumn = bitmap_font::kGlyphCount / kFontColumns;
    const int tableHeight = glyphsPerColumn * bitmap_font::kGlyphHeight;
    int sampleWidth = 0;
    for (const char character : kFontSample)
        sampleWidth += bitmap_font::glyphWidth(font, character - bitmap_font::kFirstCharacter);
    Canvas table(std::max(kFontColumns * (strip.width() + kFontColumnGap), sampleWidth),
        tableHeight + 6 + bitmap_font::kGlyphHeight);
    for (int column = 0; column < kFontColumns; ++column)
        table.paste(cut(strip, column * tableHeight, tableHeight), column * (strip.width() + kFontColumnGap), 0);
    int x = 0;
    for (const char character : kFontSample) {
        const int glyph = character - bitmap_font::kFirstCharacter;
        const int width = bitmap_font::glyphWidth(font, glyph);
        for (int y = 0; y < bitmap_font::kGlyphHeight; ++y)
            for (int column = 0; column < width; ++column)
                table.blend(x + column, tableHeight + 6 + y,
                    strip.pixel(column, glyph * bitmap_font::kGlyphHeight + y), 1.0f);
        x += width;
    }
    return table;
}

Canvas shown(const ArtImage& image, const Canvas& picture)
{
    Canvas tile = picture;
    if (image.frames > 2)
        tile = knobPositions(picture, image.height / image.frames);
    else if (image.id == bitmap_font::kImageIds[0] || image.id == bitmap_font::kImageIds[1])
        tile = fontTable(picture, image.id == bitmap_font::kImageIds[0] ? 0 : 1);
    return tile.width() <= kSmall * 2 && tile.height() <= kSmall ? enlarged(tile, 2) : tile;
}

struct Placed {
    int id;
    Canvas tile;
    int x;
    int y;
};

} // namespace

Canvas contactSheet(Typeface& type)
{
    std::vector<Placed> placed;
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    for (const ArtImage& image : catalogue()) {
        Canvas tile = shown(image, render(image, type));
        if (x + tile.width() > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kLabelRows + kMargin;
            rowHeight = 0;
        }
        const int width = tile.width();
        rowHeight = std::max(rowHeight, tile.height());
        placed.push_back({image.id, std::move(tile), x, y});
        x += std::max(width, 40) + kMargin;
    }
    Canvas sheet(kSheetWidth, y + rowHeight + kLabelRows + kMargin);
    sheet.fill(0, 0, sheet.width(), sheet.height(), kSheet);
    for (const Placed& item : placed) {
        for (int row = 0; row < item.tile.height(); ++row)
            for (int column = 0; column < item.tile.width(); ++column)
                sheet.blend(item.x + column, item.y + row, (row / 8 + column / 8) % 2 != 0 ? kCheckDark : kCheckLight,
                    1);
        sheet.draw(item.tile, item.x, item.y);
        type.draw(sheet, {11, Weight::bold, palette::kTextLight}, static_cast<float>(item.x),
            item.y + item.tile.height() + 12, std::to_string(item.id));
    }
    return sheet;
}

} // namespace editor_art
