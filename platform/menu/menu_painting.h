#pragma once

// Painting an open menu into its pixels: a frame in the menu colours, the bars between columns, and the
// items: the owner draws its owner-drawn items (WM_DRAWITEM), the system the others
// (platform/menu/plain_menu_items.h).

#include "platform/menu/menu_tracking.h"

#include <cstddef>

namespace platform::menu {

void paintMenu(OpenMenu& menu, HWND owner);
void paintItem(OpenMenu& menu, std::size_t item, HWND owner);

} // namespace platform::menu
