#pragma once

// What the pages with grouped menus share: the text of the entry the user chose, in whichever group,
// and where that text stands in the full list of names.

#include <span>
#include <string>
#include <string_view>

class myOptionMenu;

namespace Toolkit {
class CControl;
}

namespace editor {

// Whether the control is the menu or one of its groups.
bool holdsChoice(const Toolkit::CControl* menu, std::span<myOptionMenu* const> groups, const Toolkit::CControl* control);
// The chosen entry's text of a menu that reported a choice; empty for any other control.
std::string chosenText(Toolkit::CControl* control);
// The first position of the text in the names, -1 when it is none of them.
int nameIndex(std::span<const std::string_view> names, std::string_view text);

} // namespace editor
