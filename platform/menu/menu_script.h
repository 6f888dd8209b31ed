#pragma once

// The menu choices of headless runs and tests: one queued per TrackPopupMenu, taken in order; a menu
// shown with none queued is cancelled. Choosing an item opens the sub-menus on its way, each selected
// in the menu before it, and selects the item when it can be chosen, so that the picture of the menu
// shows the path. A choice that names no item opens what it named up to there and cancels.

#include "platform/menu/menu_chooser.h"
#include "platform/window/window_types.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class MenuScript : public MenuChooser {
public:
    // The item reached through these texts, one per menu from the top, each the text of an item as
    // appended (the first of equal texts): every text but the last names a sub-menu item.
    void pick(std::vector<std::string> texts);
    // The first item of that id that is neither a separator nor a sub-menu item, the items of a sub-menu
    // searched where its item stands.
    void pickId(UINT id);
    void cancel();

    std::size_t pending() const { return choices_.size(); }
    void reset();

    std::optional<MenuPick> choose(MenuTracking& tracking) override;

private:
    // Neither texts nor an id: a cancel.
    struct Choice {
        std::vector<std::string> texts;
        std::optional<UINT> id;
    };

    std::deque<Choice> choices_;
};

MenuScript& menuScript();

} // namespace platform
