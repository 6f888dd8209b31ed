#include "editor/menu_choice.h"

#include "editor/controls/my_option_menu.h"

#include <algorithm>

namespace editor {

bool holdsChoice(const Toolkit::CControl* menu, std::span<myOptionMenu* const> groups, const Toolkit::CControl* control)
{
    if (menu == nullptr || control == nullptr)
        return false;
    return control == menu || std::ranges::any_of(groups, [control](const myOptionMenu* group) {
               return group != nullptr && static_cast<const Toolkit::CControl*>(group) == control;
           });
}

std::string chosenText(Toolkit::CControl* control)
{
    auto* menu = dynamic_cast<Toolkit::COptionMenu*>(control);
    char text[Toolkit::COptionMenu::kEntrySize] = {};
    if (menu == nullptr || !menu->getEntry(menu->getCurrent(), text))
        return {};
    return text;
}

int nameIndex(std::span<const std::string_view> names, std::string_view text)
{
    const auto found = std::find(names.begin(), names.end(), text);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

} // namespace editor
