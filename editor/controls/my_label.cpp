#include "editor/controls/my_label.h"

#include "editor/bitmap_font_widths.h"
#include "editor/controls/bitmap_text.h"
#include "editor/ueditor.h"
#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"

#include <algorithm>
#include <cstring>

using Toolkit::CRect;

myLabel::myLabel(const CRect& size, const char* text, std::int32_t alignment, std::int32_t font)
    : CParamDisplay(size, nullptr, 0), alignment(alignment), font(font)
{
    setText(text);
    setFont(Toolkit::kArial10);
    setHoriAlign(Toolkit::kAlignLeft);
}

void myLabel::setText(const char* newText)
{
    constexpr std::size_t kLongestText = 254;
    std::memset(text, 0, sizeof(text));
    if (newText != nullptr)
        std::memcpy(text, newText, std::min(std::strlen(newText), kLongestText));
}

void myLabel::draw(Toolkit::CDrawContext* context)
{
    // Left and right aligned texts keep this far from the edge.
    constexpr std::int32_t kMargin = 2;

    const std::int32_t available = size.right - size.left;
    const std::int32_t width = editor::bitmapTextWidth(text, available, font);
    std::int32_t x = size.left + kMargin;
    if (alignment == Toolkit::kAlignCentre)
        x = size.left + (available - width) / 2;
    else if (alignment == Toolkit::kAlignRight)
        x = size.right - width - kMargin;

    if (font == kContextFont) {
        context->drawString(text, size, false, Toolkit::kAlignLeft);
    } else if (font >= 0 && font < bitmap_font::kFontCount) {
        auto* owner = dynamic_cast<uEditor*>(getEditor());
        Toolkit::CBitmap* glyphs = owner != nullptr ? owner->image(bitmap_font::kImageIds[static_cast<std::size_t>(font)]) : nullptr;
        for (const char* c = text; glyphs != nullptr && *c != 0; ++c) {
            const int glyph = editor::glyphIndex(*c);
            const std::int32_t right = x + bitmap_font::glyphWidth(font, glyph);
            if (right >= size.right)
                continue;
            glyphs->draw(context, CRect{x, size.top, right, size.top + bitmap_font::kGlyphHeight},
                         {0, glyph * bitmap_font::kGlyphHeight});
            x = right;
        }
    }
    setDirty(false);
}
