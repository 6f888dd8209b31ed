#pragma once

// Pop-up menus a person uses on the desktop. Each open menu shows as a borderless SDL window above all
// others, at its place on the screen. The item under the pointer is selected, and so drawn again (an
// owner-drawn item by its owner, with ODS_SELECTED); pointing at an item that opens a sub-menu opens it,
// pointing at another item of that menu closes it. Letting a button go over an item that can be chosen
// chooses it; over anything else the menu stays open, as after the press that opened it. A press outside
// the menus, or Escape, cancels. While a menu is open the mouse and keys move the pointer and change the
// key state, but send the program nothing. A choice queued in the menu script goes first.

#include "platform/menu/menu_chooser.h"

namespace platform::desktop {

class DesktopEvents;

class DesktopMenus : public MenuChooser {
public:
    explicit DesktopMenus(DesktopEvents& events) : events_(events) {}

    std::optional<MenuPick> choose(MenuTracking& tracking) override;

private:
    DesktopEvents& events_;
};

} // namespace platform::desktop
