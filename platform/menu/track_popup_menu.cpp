#include "platform/menu/track_popup_menu.h"

#include "platform/last_error.h"
#include "platform/menu/menu_chooser.h"
#include "platform/menu/menu_table.h"
#include "platform/menu/menu_tracking.h"
#include "platform/menu/popup_menus.h"
#include "platform/menu/tracked_menus.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_table.h"

namespace {

constexpr UINT kKnownFlags = TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD;

// The items as they are now: the owner may change or destroy the menus while it draws, and the
// tracking goes on with what was shown.
std::vector<platform::TrackedMenuItem> copyItems(const platform::menu::Menu& menu)
{
    std::vector<platform::TrackedMenuItem> items;
    items.reserve(menu.items.size());
    for (const platform::menu::MenuItem& item : menu.items) {
        platform::TrackedMenuItem& copy = items.emplace_back();
        copy.flags = item.flags;
        copy.id = item.id;
        copy.text = item.text;
        copy.data = item.data;
        copy.submenuHandle = item.submenu;
        if (const platform::menu::Menu* submenu = platform::menu::lookUp(item.submenu))
            copy.submenu = copyItems(*submenu);
    }
    return items;
}

std::optional<UINT> chosenId(const platform::MenuTracking& tracking, const std::optional<platform::MenuPick>& pick)
{
    if (!pick || pick->menu >= tracking.menus().size())
        return std::nullopt;
    const std::vector<platform::TrackedMenuItem>& items = *tracking.menus()[pick->menu].items;
    if (pick->item >= items.size() || !platform::isChoosable(items[pick->item]))
        return std::nullopt;
    return items[pick->item].id;
}

} // namespace

BOOL TrackPopupMenu(HMENU handle, UINT flags, int x, int y, HWND owner)
{
    platform::window::checkThread();
    const platform::menu::Menu* menu = platform::menu::find(handle);
    if (menu == nullptr || platform::window::find(owner) == nullptr)
        return FALSE;
    if ((flags & ~kKnownFlags) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    platform::TrackedMenu tracked;
    tracked.point = {x, y};
    tracked.flags = flags;
    tracked.owner = owner;
    tracked.items = copyItems(*menu);
    {
        platform::MenuTracking tracking(handle, tracked.items, owner, tracked.point);
        tracked.chosen = chosenId(tracking, platform::menu::menuChooser().choose(tracking));
        for (const platform::OpenMenu& open : tracking.menus())
            tracked.menus.push_back(open.rect);
        tracked.image = tracking.picture(tracked.imageOrigin);
    }
    if (tracked.chosen && (flags & (TPM_NONOTIFY | TPM_RETURNCMD)) == 0)
        PostMessageA(owner, WM_COMMAND, MAKEWPARAM(static_cast<int>(*tracked.chosen & 0xFFFF), 0), 0);
    tracked.answer = (flags & TPM_RETURNCMD) != 0 ? static_cast<BOOL>(tracked.chosen.value_or(0)) : TRUE;
    const BOOL answer = tracked.answer;
    platform::menu::recordMenu(std::move(tracked));
    return answer;
}
