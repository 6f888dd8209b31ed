#pragma once

// Where a menu's items go, and where the menu goes on the screen. Items stand in columns inside a frame,
// each as wide as the widest of its column and as tall as its own size; a column ends before an item
// with MF_MENUBREAK or MF_MENUBARBREAK, and before an item that would reach past the screen's bottom.

#include "platform/menu/tracked_menus.h"

#include <vector>

namespace platform::menu {

// The frame around the columns, and the space between two columns (where a bar goes).
inline constexpr int kMenuBorder = 3;
inline constexpr int kColumnGap = 4;

struct MenuLayout {
    // No larger than the screen: what lies beyond is cut off.
    SIZE size{};
    // In the menu's coordinates, one per item.
    std::vector<RECT> items;
    // The left edge of each gap that holds a bar (MF_MENUBARBREAK).
    std::vector<LONG> bars;
};

// From the items' sizes.
MenuLayout layOutMenu(const std::vector<TrackedMenuItem>& items);
// With its top-left corner at the point, pushed back onto the screen where it would leave it.
RECT placeMenu(SIZE size, POINT point);
// Level with the item (screen coordinates) that opens it, to the right of its menu, or to the left when
// it does not fit there; then pushed back onto the screen.
RECT placeSubmenu(SIZE size, const RECT& parentMenu, const RECT& item);

} // namespace platform::menu
