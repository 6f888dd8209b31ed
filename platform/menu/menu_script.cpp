#include "platform/menu/menu_script.h"

#include "platform/menu/popup_menus.h"

#include <algorithm>

namespace platform {

namespace {

// The item of each menu on the way, from the top; complete when the last one is the item chosen, not
// only a sub-menu item on the way to a choice that named no item.
struct Way {
    std::vector<std::size_t> items;
    bool complete = false;
};

bool opensSubmenu(const TrackedMenuItem& item)
{
    return (item.flags & MF_POPUP) != 0;
}

Way wayByTexts(const std::vector<TrackedMenuItem>& top, const std::vector<std::string>& texts)
{
    Way way;
    const std::vector<TrackedMenuItem>* items = &top;
    for (std::size_t level = 0; level < texts.size(); ++level) {
        const auto found = std::find_if(items->begin(), items->end(),
            [&](const TrackedMenuItem& item) { return item.text == texts[level]; });
        if (found == items->end())
            return way;
        const bool last = level + 1 == texts.size();
        if (!last && !opensSubmenu(*found))
            return way;
        way.items.push_back(static_cast<std::size_t>(found - items->begin()));
        way.complete = last;
        items = &found->submenu;
    }
    return way;
}

bool findId(const std::vector<TrackedMenuItem>& items, UINT id, std::vector<std::size_t>& way)
{
    for (std::size_t index = 0; index < items.size(); ++index) {
        const TrackedMenuItem& item = items[index];
        way.push_back(index);
        if (opensSubmenu(item) ? findId(item.submenu, id, way) : (item.flags & MF_SEPARATOR) == 0 && item.id == id)
            return true;
        way.pop_back();
    }
    return false;
}

} // namespace

MenuScript& menuScript()
{
    static MenuScript script;
    return script;
}

void MenuScript::pick(std::vector<std::string> texts)
{
    choices_.push_back({std::move(texts), std::nullopt});
}

void MenuScript::pickId(UINT id)
{
    choices_.push_back({{}, id});
}

void MenuScript::cancel()
{
    choices_.push_back({});
}

void MenuScript::reset()
{
    choices_.clear();
}

std::optional<MenuPick> MenuScript::choose(MenuTracking& tracking)
{
    if (choices_.empty())
        return std::nullopt;
    const Choice choice = std::move(choices_.front());
    choices_.pop_front();
    const std::vector<TrackedMenuItem>& top = *tracking.menus().front().items;
    Way way;
    if (choice.id)
        way.complete = findId(top, *choice.id, way.items);
    else
        way = wayByTexts(top, choice.texts);

    const std::size_t passed = way.complete ? way.items.size() - 1 : way.items.size();
    for (std::size_t menu = 0; menu < passed; ++menu) {
        tracking.select(menu, way.items[menu]);
        tracking.openSubmenu(menu, way.items[menu]);
    }
    if (!way.complete)
        return std::nullopt;
    const MenuPick picked{passed, way.items.back()};
    if (isChoosable((*tracking.menus()[picked.menu].items)[picked.item]))
        tracking.select(picked.menu, picked.item);
    return picked;
}

} // namespace platform
