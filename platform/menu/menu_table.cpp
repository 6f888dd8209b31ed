#include "platform/menu/menu_table.h"

#include "platform/last_error.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace platform::menu {

namespace {

struct MenuTable {
    std::unordered_map<std::uintptr_t, std::unique_ptr<Menu>> menus;
    // Counts up from here; apart from the windows' and the GDI stand-in's handles.
    std::uintptr_t nextHandle = 0x5000'0000;
};

MenuTable& table()
{
    static MenuTable menus;
    return menus;
}

} // namespace

Menu* lookUp(HMENU handle)
{
    MenuTable& menus = table();
    const auto found = menus.menus.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == menus.menus.end() ? nullptr : found->second.get();
}

Menu* find(HMENU handle)
{
    Menu* menu = lookUp(handle);
    if (menu == nullptr)
        SetLastError(ERROR_INVALID_MENU_HANDLE);
    return menu;
}

HMENU addMenu()
{
    MenuTable& menus = table();
    const std::uintptr_t key = menus.nextHandle++;
    auto menu = std::make_unique<Menu>();
    menu->handle = reinterpret_cast<HMENU>(key);
    const HMENU handle = menu->handle;
    menus.menus.emplace(key, std::move(menu));
    return handle;
}

void removeMenu(HMENU handle)
{
    table().menus.erase(reinterpret_cast<std::uintptr_t>(handle));
}

std::size_t menuCount()
{
    return table().menus.size();
}

void forgetAllMenus()
{
    table().menus.clear();
}

} // namespace platform::menu
