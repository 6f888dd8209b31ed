#include "platform/menu/menu_layout.h"

#include "platform/gdi/drawing_surface.h"
#include "platform/menu/popup_menus.h"

#include <algorithm>

namespace platform::menu {

namespace {

struct Column {
    std::size_t first = 0;
    std::size_t end = 0;
    LONG width = 0;
    LONG height = 0;
    bool bar = false;
};

std::vector<Column> columnsOf(const std::vector<TrackedMenuItem>& items)
{
    constexpr LONG kTallest = kScreenHeight - 2 * kMenuBorder;
    std::vector<Column> columns;
    for (std::size_t index = 0; index < items.size(); ++index) {
        const TrackedMenuItem& item = items[index];
        const bool asked = (item.flags & (MF_MENUBREAK | MF_MENUBARBREAK)) != 0;
        const bool full = !columns.empty() && columns.back().end > columns.back().first &&
            columns.back().height + item.size.height > kTallest;
        if (columns.empty() || asked || full) {
            const bool bar = !columns.empty() && (item.flags & MF_MENUBARBREAK) != 0;
            columns.push_back({.first = index, .end = index, .bar = bar});
        }
        Column& column = columns.back();
        column.end = index + 1;
        column.width = std::max(column.width, item.size.width);
        column.height += item.size.height;
    }
    return columns;
}

RECT onScreen(RECT rect)
{
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const LONG left = std::max<LONG>(0, std::min<LONG>(rect.left, kScreenWidth - width));
    const LONG top = std::max<LONG>(0, std::min<LONG>(rect.top, kScreenHeight - height));
    return {left, top, left + width, top + height};
}

} // namespace

MenuLayout layOutMenu(const std::vector<TrackedMenuItem>& items)
{
    // Columns past the screen's edge are cut off anyway; this keeps their coordinates from overflowing.
    constexpr LONG kFarOff = 1 << 24;
    MenuLayout layout;
    layout.items.resize(items.size());
    LONG x = kMenuBorder;
    LONG tallest = 0;
    const std::vector<Column> columns = columnsOf(items);
    for (std::size_t at = 0; at < columns.size(); ++at) {
        const Column& column = columns[at];
        if (at > 0) {
            if (column.bar)
                layout.bars.push_back(x);
            x = std::min(x + kColumnGap, kFarOff);
        }
        LONG y = kMenuBorder;
        for (std::size_t index = column.first; index < column.end; ++index) {
            layout.items[index] = {x, y, x + column.width, y + items[index].size.height};
            y += items[index].size.height;
        }
        x = std::min(x + column.width, kFarOff);
        tallest = std::max(tallest, column.height);
    }
    layout.size = {
        std::min<LONG>(x + kMenuBorder, kScreenWidth), std::min<LONG>(tallest + 2 * kMenuBorder, kScreenHeight)};
    return layout;
}

RECT placeMenu(SIZE size, POINT point)
{
    return onScreen({point.x, point.y, point.x + size.width, point.y + size.height});
}

RECT placeSubmenu(SIZE size, const RECT& parentMenu, const RECT& item)
{
    const LONG top = item.top - kMenuBorder;
    LONG left = parentMenu.right;
    if (left + size.width > kScreenWidth)
        left = parentMenu.left - size.width;
    return onScreen({left, top, left + size.width, top + size.height});
}

} // namespace platform::menu
