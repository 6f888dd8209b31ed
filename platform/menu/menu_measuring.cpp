#include "platform/menu/menu_measuring.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing_surface.h"
#include "platform/menu/owner_drawn_items.h"
#include "platform/menu/plain_menu_items.h"
#include "platform/menu/popup_menus.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"

#include <algorithm>

namespace platform::menu {

namespace {

SIZE askOwner(HWND owner, const TrackedMenuItem& item)
{
    MEASUREITEMSTRUCT measure{
        .type = ODT_MENU, .itemId = item.id, .itemWidth = 0, .itemHeight = 0, .itemData = item.data};
    SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return {static_cast<LONG>(std::min<UINT>(measure.itemWidth, kScreenWidth)),
        static_cast<LONG>(std::min<UINT>(measure.itemHeight, kScreenHeight))};
}

} // namespace

void measureItems(std::vector<TrackedMenuItem>& items, HWND owner)
{
    HDC textDC = CreateCompatibleDC(nullptr);
    for (TrackedMenuItem& item : items) {
        if (item.shown)
            continue;
        if ((item.flags & MF_OWNERDRAW) != 0) {
            item.size = askOwner(owner, item);
            continue;
        }
        const SIZE size = plainItemSize(textDC, item);
        item.size = {std::min<LONG>(size.width, kScreenWidth), std::min<LONG>(size.height, kScreenHeight)};
    }
    DeleteDC(textDC);
}

} // namespace platform::menu
