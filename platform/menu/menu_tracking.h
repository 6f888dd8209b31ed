#pragma once

// A pop-up menu while TrackPopupMenu shows it: the menus open on the screen, the top one first, each
// sub-menu opened from an item of the one before. Opening a menu sizes its items (once a tracking),
// lays them out, places the menu and paints it into its own pixels; selecting an item paints it again.
// Who plays the user (platform/menu/menu_chooser.h) opens, selects and chooses through this.

#include "platform/menu/menu_layout.h"
#include "platform/menu/tracked_menus.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

struct OpenMenu {
    HMENU handle = nullptr;
    std::vector<TrackedMenuItem>* items = nullptr;
    // On the screen.
    RECT rect{};
    menu::MenuLayout layout;
    // Row by row, as a top-level window's (platform/gdi/drawing_surface.h).
    std::vector<std::uint32_t> pixels;
    std::optional<std::size_t> selected;
};

// An item can be chosen unless it is greyed, disabled, a separator or opens a sub-menu.
bool isChoosable(const TrackedMenuItem& item);

class MenuTracking {
public:
    // Opens the menu at the point.
    MenuTracking(HMENU handle, std::vector<TrackedMenuItem>& items, HWND owner, POINT point);

    const std::vector<OpenMenu>& menus() const { return menus_; }
    // Closes the menus after the given one and opens the sub-menu of its item; nothing for an item
    // without one.
    void openSubmenu(std::size_t menu, std::size_t item);
    // Selects the item of the open menu (no item: none), painting what changes.
    void select(std::size_t menu, std::optional<std::size_t> item);
    // The open menus, later ones over earlier ones, over black; the picture's top-left corner on the
    // screen goes to origin.
    Image picture(POINT& origin) const;

private:
    // Sizes and lays out the items of a menu that opens.
    OpenMenu& prepare(HMENU handle, std::vector<TrackedMenuItem>& items);
    // Puts it there on the screen and paints it.
    void show(OpenMenu& open, const RECT& rect);

    HWND owner_;
    std::vector<OpenMenu> menus_;
};

} // namespace platform
