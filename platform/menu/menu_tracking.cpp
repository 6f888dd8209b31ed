#include "platform/menu/menu_tracking.h"

#include "platform/menu/menu_measuring.h"
#include "platform/menu/menu_painting.h"
#include "platform/menu/popup_menus.h"

#include <algorithm>

namespace platform {

bool isChoosable(const TrackedMenuItem& item)
{
    return (item.flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP)) == 0;
}

MenuTracking::MenuTracking(HMENU handle, std::vector<TrackedMenuItem>& items, HWND owner, POINT point) : owner_(owner)
{
    OpenMenu& top = prepare(handle, items);
    show(top, menu::placeMenu(top.layout.size, point));
}

void MenuTracking::openSubmenu(std::size_t menu, std::size_t item)
{
    if (menu >= menus_.size() || item >= menus_[menu].items->size())
        return;
    TrackedMenuItem& opener = (*menus_[menu].items)[item];
    if ((opener.flags & MF_POPUP) == 0)
        return;
    const RECT openerMenu = menus_[menu].rect;
    const RECT openerItem = opener.rect;
    menus_.resize(menu + 1);
    OpenMenu& submenu = prepare(opener.submenuHandle, opener.submenu);
    show(submenu, menu::placeSubmenu(submenu.layout.size, openerMenu, openerItem));
}

void MenuTracking::select(std::size_t menu, std::optional<std::size_t> item)
{
    if (menu >= menus_.size() || (item && *item >= menus_[menu].items->size()))
        return;
    OpenMenu& open = menus_[menu];
    const std::optional<std::size_t> before = open.selected;
    if (before == item)
        return;
    open.selected = item;
    if (before)
        menu::paintItem(open, *before, owner_);
    if (item)
        menu::paintItem(open, *item, owner_);
}

Image MenuTracking::picture(POINT& origin) const
{
    RECT box = menus_.front().rect;
    for (const OpenMenu& open : menus_)
        box = {std::min(box.left, open.rect.left), std::min(box.top, open.rect.top),
            std::max(box.right, open.rect.right), std::max(box.bottom, open.rect.bottom)};
    origin = {box.left, box.top};
    Image image(box.right - box.left, box.bottom - box.top, RGB(0, 0, 0));
    for (const OpenMenu& open : menus_) {
        const SIZE size = open.layout.size;
        for (LONG y = 0; y < size.height; ++y)
            for (LONG x = 0; x < size.width; ++x) {
                const std::uint32_t pixel =
                    open.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.width) +
                        static_cast<std::size_t>(x)];
                image.set(open.rect.left - box.left + x, open.rect.top - box.top + y,
                    RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel)));
            }
    }
    return image;
}

OpenMenu& MenuTracking::prepare(HMENU handle, std::vector<TrackedMenuItem>& items)
{
    menu::measureItems(items, owner_);
    OpenMenu& open = menus_.emplace_back();
    open.handle = handle;
    open.items = &items;
    open.layout = menu::layOutMenu(items);
    open.pixels.resize(
        static_cast<std::size_t>(open.layout.size.width) * static_cast<std::size_t>(open.layout.size.height));
    return open;
}

void MenuTracking::show(OpenMenu& open, const RECT& rect)
{
    open.rect = rect;
    for (std::size_t index = 0; index < open.items->size(); ++index) {
        const RECT& item = open.layout.items[index];
        TrackedMenuItem& shown = (*open.items)[index];
        shown.shown = true;
        shown.rect = {rect.left + item.left, rect.top + item.top, rect.left + item.right, rect.top + item.bottom};
    }
    menu::paintMenu(open, owner_);
}

} // namespace platform
