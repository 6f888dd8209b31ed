#pragma once

// What TrackPopupMenu did, call by call, for tests: where and how the menu was shown, its items, what
// was chosen, and a picture of it.

#include "platform/gdi/image.h"
#include "platform/window/window_types.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct TrackedMenuItem {
    UINT flags = 0;
    // 0 for a sub-menu item.
    UINT id = 0;
    // As appended; for an owner-drawn item, the text its data points to.
    std::string text;
    // Owner-drawn items: the pointer appended.
    ULONG_PTR data = 0;
    HMENU submenuHandle = nullptr;
    std::vector<TrackedMenuItem> submenu;
    // Once its menu was shown: its size (as the owner measured it, for an owner-drawn item) and where it
    // was on the screen. All zeros before.
    bool shown = false;
    SIZE size{};
    RECT rect{};
};

struct TrackedMenu {
    POINT point{};
    UINT flags = 0;
    HWND owner = nullptr;
    std::vector<TrackedMenuItem> items;
    // The menus open at the end, on the screen, the top one first.
    std::vector<RECT> menus;
    // Nothing when the menu was cancelled.
    std::optional<UINT> chosen;
    BOOL answer = FALSE;
    // The open menus as they were at the end, over black, and its top-left corner on the screen.
    Image image;
    POINT imageOrigin{};
};

// Every TrackPopupMenu that showed a menu, the first first.
const std::vector<TrackedMenu>& recordedMenus();

} // namespace platform

namespace platform::menu {

void recordMenu(TrackedMenu tracked);
void forgetRecordedMenus();

} // namespace platform::menu
