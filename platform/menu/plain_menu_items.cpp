#include "platform/menu/plain_menu_items.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/text.h"
#include "platform/menu/popup_menus.h"
#include "platform/window/system_colours.h"

#include <string_view>

namespace platform::menu {

namespace {

constexpr int kCheckRoom = 18;
constexpr int kArrowRoom = 18;
// Between the text and what follows its tab.
constexpr int kTabGap = 12;
// Above and below the text, together.
constexpr int kTextPadding = 4;
constexpr int kSeparatorHeight = 8;

struct TextParts {
    std::string_view left;
    std::string_view right;
};

TextParts partsOf(const std::string& text)
{
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos)
        return {text, {}};
    return {std::string_view(text).substr(0, tab), std::string_view(text).substr(tab + 1)};
}

LONG widthOf(HDC dc, std::string_view text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.width;
}

LONG textHeight(HDC dc)
{
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.height;
}

void fill(HDC dc, LONG left, LONG top, LONG right, LONG bottom, int colour)
{
    const RECT area{left, top, right, bottom};
    FillRect(dc, &area, GetSysColorBrush(colour));
}

// A tick in the check room, two pixels thick: down three pixels, then up five.
void drawCheck(HDC dc, const RECT& rect, int colour)
{
    const LONG x = rect.left + 5;
    const LONG y = rect.top + (rect.bottom - rect.top) / 2 - 3;
    for (LONG step = 0; step < 3; ++step)
        fill(dc, x + step, y + 2 + step, x + step + 1, y + 4 + step, colour);
    for (LONG step = 0; step < 5; ++step)
        fill(dc, x + 3 + step, y + 3 - step, x + 4 + step, y + 5 - step, colour);
}

// A small triangle pointing right, in the arrow room.
void drawArrow(HDC dc, const RECT& rect, int colour)
{
    const LONG x = rect.right - 12;
    const LONG middle = rect.top + (rect.bottom - rect.top) / 2;
    for (LONG step = 0; step < 4; ++step)
        fill(dc, x + step, middle - 3 + step, x + step + 1, middle + 4 - step, colour);
}

} // namespace

SIZE plainItemSize(HDC dc, const TrackedMenuItem& item)
{
    if ((item.flags & MF_SEPARATOR) != 0)
        return {0, kSeparatorHeight};
    const TextParts parts = partsOf(item.text);
    LONG width = kCheckRoom + widthOf(dc, parts.left) + kArrowRoom;
    if (!parts.right.empty())
        width += kTabGap + widthOf(dc, parts.right);
    return {width, textHeight(dc) + kTextPadding};
}

void drawPlainItem(HDC dc, const TrackedMenuItem& item, const RECT& rect, bool selected)
{
    fill(dc, rect.left, rect.top, rect.right, rect.bottom, selected ? COLOR_HIGHLIGHT : COLOR_MENU);
    if ((item.flags & MF_SEPARATOR) != 0) {
        const LONG middle = rect.top + (rect.bottom - rect.top) / 2;
        fill(dc, rect.left + 1, middle - 1, rect.right - 1, middle, COLOR_GRAYTEXT);
        fill(dc, rect.left + 1, middle, rect.right - 1, middle + 1, COLOR_HIGHLIGHTTEXT);
        return;
    }
    const int colour = (item.flags & MF_GRAYED) != 0 ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(colour));
    const TextParts parts = partsOf(item.text);
    const LONG y = rect.top + (rect.bottom - rect.top - textHeight(dc)) / 2;
    TextOutA(dc, rect.left + kCheckRoom, y, parts.left.data(), static_cast<int>(parts.left.size()));
    if (!parts.right.empty())
        TextOutA(dc, rect.right - kArrowRoom - widthOf(dc, parts.right), y, parts.right.data(),
            static_cast<int>(parts.right.size()));
    if ((item.flags & MF_CHECKED) != 0)
        drawCheck(dc, rect, colour);
    if ((item.flags & MF_POPUP) != 0)
        drawArrow(dc, rect, colour);
}

} // namespace platform::menu
