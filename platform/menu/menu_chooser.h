#pragma once

// Who plays the user while a pop-up menu is open: the script of headless runs and tests
// (platform/menu/menu_script.h), or a live chooser that shows the open menus and lets a person pick.

#include "platform/menu/menu_tracking.h"

#include <cstddef>
#include <optional>

namespace platform {

// An item of one of the open menus (MenuTracking::menus()).
struct MenuPick {
    std::size_t menu = 0;
    std::size_t item = 0;
};

class MenuChooser {
public:
    virtual ~MenuChooser() = default;
    // Opens sub-menus and selects items as the user goes, and answers the item chosen, or nothing for a
    // cancel. TrackPopupMenu takes an item that cannot be chosen (isChoosable) as a cancel.
    virtual std::optional<MenuPick> choose(MenuTracking& tracking) = 0;
};

// Null returns to the script.
void setMenuChooser(MenuChooser* chooser);

} // namespace platform

namespace platform::menu {

MenuChooser& menuChooser();

} // namespace platform::menu
