#include "platform/menu/popup_menus.h"

#include "platform/last_error.h"
#include "platform/menu/menu_table.h"
#include "platform/window/ui_thread.h"

namespace {

constexpr UINT kKnownFlags =
    MF_STRING | MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_MENUBARBREAK | MF_MENUBREAK | MF_OWNERDRAW |
    MF_SEPARATOR;

// Whether the candidate is the menu or lies below it: owning it would close a loop.
bool holds(const platform::menu::Menu& menu, HMENU candidate)
{
    if (menu.handle == candidate)
        return true;
    for (const platform::menu::MenuItem& item : menu.items)
        if (const platform::menu::Menu* below = platform::menu::lookUp(item.submenu))
            if (holds(*below, candidate))
                return true;
    return false;
}

void destroyTree(HMENU handle)
{
    const platform::menu::Menu* menu = platform::menu::lookUp(handle);
    if (menu == nullptr)
        return;
    for (const platform::menu::MenuItem& item : menu->items)
        destroyTree(item.submenu);
    platform::menu::removeMenu(handle);
}

} // namespace

HMENU CreatePopupMenu()
{
    platform::window::checkThread();
    return platform::menu::addMenu();
}

BOOL AppendMenuA(HMENU handle, UINT flags, UINT_PTR id, LPCSTR text)
{
    platform::window::checkThread();
    platform::menu::Menu* menu = platform::menu::find(handle);
    if (menu == nullptr)
        return FALSE;
    if ((flags & ~kKnownFlags) != 0 || ((flags & MF_POPUP) != 0 && (flags & MF_SEPARATOR) != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    platform::menu::MenuItem item;
    item.flags = flags;
    if ((flags & MF_POPUP) != 0) {
        const HMENU submenuHandle = reinterpret_cast<HMENU>(id);
        platform::menu::Menu* submenu = platform::menu::find(submenuHandle);
        if (submenu == nullptr)
            return FALSE;
        if (submenu->owned || holds(*submenu, handle)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        submenu->owned = true;
        item.submenu = submenuHandle;
    } else {
        item.id = static_cast<UINT>(id);
    }
    if ((flags & MF_OWNERDRAW) != 0)
        item.data = reinterpret_cast<ULONG_PTR>(text);
    if (text != nullptr && ((flags & MF_SEPARATOR) == 0 || (flags & MF_OWNERDRAW) != 0))
        item.text = text;
    menu->items.push_back(std::move(item));
    return TRUE;
}

BOOL DestroyMenu(HMENU handle)
{
    platform::window::checkThread();
    if (platform::menu::find(handle) == nullptr)
        return FALSE;
    destroyTree(handle);
    return TRUE;
}
