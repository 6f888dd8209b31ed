#pragma once

// The sizes of a menu's items, taken when the menu is first shown in a tracking.

#include "platform/menu/tracked_menus.h"

#include <vector>

namespace platform::menu {

// Sizes the items not shown yet: an owner-drawn one (separators too) as the owner answers one
// WM_MEASUREITEM, any other from its text (platform/menu/plain_menu_items.h). No size exceeds the screen.
void measureItems(std::vector<TrackedMenuItem>& items, HWND owner);

} // namespace platform::menu
