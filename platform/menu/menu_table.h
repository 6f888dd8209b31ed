#pragma once

// The menus, as the menu stand-in's units share them: each menu's items and the handle table.

#include "platform/window/window_types.h"

#include <cstddef>
#include <string>
#include <vector>

namespace platform::menu {

struct MenuItem {
    UINT flags = 0;
    UINT id = 0;
    std::string text;
    // Owner-drawn items: the pointer appended.
    ULONG_PTR data = 0;
    // MF_POPUP items: the menu the item owns; stale once that menu was destroyed on its own.
    HMENU submenu = nullptr;
};

struct Menu {
    HMENU handle = nullptr;
    std::vector<MenuItem> items;
    // An item of another menu owns this one.
    bool owned = false;
};

// The living menu, or null with ERROR_INVALID_MENU_HANDLE.
Menu* find(HMENU handle);
// The living menu, or null without a word.
Menu* lookUp(HMENU handle);

HMENU addMenu();
void removeMenu(HMENU handle);
std::size_t menuCount();
void forgetAllMenus();

} // namespace platform::menu
