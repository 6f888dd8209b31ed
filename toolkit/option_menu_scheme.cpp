#include "toolkit/option_menu_scheme.h"

#include "platform/window/system_colours.h"
#include "toolkit/draw_context.h"

#include <algorithm>
#include <cstring>

namespace Toolkit {

COptionMenuScheme* defaultOptionMenuScheme = nullptr;

namespace {

constexpr char kSeparator[] = "-";
constexpr std::int32_t kItemHeight = 18;
constexpr std::int32_t kSeparatorWidth = 6;
// Room beside the text for the check mark and around it.
constexpr std::int32_t kTextMargins = 36;
// Where the text starts, right of the check mark.
constexpr std::int32_t kTextIndent = 18;
// The width of the column a tab moves the rest of the text into.
constexpr std::int32_t kTabColumn = 50;

CColor systemColour(int index)
{
    const DWORD colour = GetSysColor(index);
    return {static_cast<std::uint8_t>(colour & 0xFF), static_cast<std::uint8_t>((colour >> 8) & 0xFF),
        static_cast<std::uint8_t>((colour >> 16) & 0xFF), 0};
}

} // namespace

COptionMenuScheme::COptionMenuScheme()
    : backgroundColor(systemColour(COLOR_MENU)),
      selectionColor(systemColour(COLOR_HIGHLIGHT)),
      textColor(systemColour(COLOR_MENUTEXT)),
      hiliteTextColor(systemColour(COLOR_HIGHLIGHTTEXT)),
      disableTextColor(systemColour(COLOR_GRAYTEXT))
{
}

COptionMenuScheme::~COptionMenuScheme()
{
    if (defaultOptionMenuScheme == this)
        defaultOptionMenuScheme = nullptr;
}

void COptionMenuScheme::setColors(
    CColor background, CColor selection, CColor text, CColor hiliteText, CColor disableText)
{
    backgroundColor = background;
    selectionColor = selection;
    textColor = text;
    hiliteTextColor = hiliteText;
    disableTextColor = disableText;
}

void COptionMenuScheme::getItemSize(const char* text, CDrawContext* context, CPoint& size)
{
    if (std::strcmp(text, kSeparator) == 0) {
        size = {kSeparatorWidth, kItemHeight};
        return;
    }
    context->setFont(font);
    size = {context->getStringWidth(text) + kTextMargins, kItemHeight};
}

void COptionMenuScheme::drawItemBack(CDrawContext* context, const CRect& rect, bool selected)
{
    context->setFillColor(selected ? selectionColor : backgroundColor);
    context->fillRect(rect);
}

void COptionMenuScheme::drawItem(const char* text, std::int32_t, std::int32_t state, CDrawContext* context,
    const CRect& rect)
{
    const bool selected = (state & kItemSelected) != 0;
    drawItemBack(context, rect, selected);

    if (std::strcmp(text, kSeparator) == 0) {
        // A groove: a dark line over a light one.
        const std::int32_t y = rect.top + (rect.bottom - rect.top) / 2;
        context->setFrameColor({0, 0, 0, 150});
        context->moveTo({rect.left + 2, y - 1});
        context->lineTo({rect.right - 2, y - 1});
        context->setFrameColor({180, 180, 180, 150});
        context->moveTo({rect.left + 2, y});
        context->lineTo({rect.right - 2, y});
        return;
    }

    if ((state & kItemChecked) != 0) {
        context->setFillColor(selected ? hiliteTextColor : textColor);
        context->fillEllipse({rect.left + 6, rect.top + 4, rect.left + 14, rect.top + 12});
    }

    CRect textRect = rect;
    textRect.left += kTextIndent;
    context->setFont(font);
    if ((state & kItemDisabled) != 0)
        context->setFontColor(disableTextColor);
    else
        context->setFontColor(selected ? hiliteTextColor : textColor);
    const char* tab = std::strchr(text, '\t');
    if (tab == nullptr) {
        context->drawString(text, textRect, false, kAlignLeft);
        return;
    }
    char before[256] = {};
    std::memcpy(before, text, std::min<std::size_t>(static_cast<std::size_t>(tab - text), sizeof before - 1));
    context->drawString(before, textRect, false, kAlignLeft);
    textRect.left = rect.right - kTabColumn;
    context->drawString(tab + 1, textRect, false, kAlignLeft);
}

} // namespace Toolkit
