#include "platform/menu/menu_chooser.h"

#include "platform/menu/menu_script.h"

namespace {

platform::MenuChooser* chosen = nullptr;

} // namespace

namespace platform {

void setMenuChooser(MenuChooser* chooser)
{
    chosen = chooser;
}

} // namespace platform

namespace platform::menu {

MenuChooser& menuChooser()
{
    return chosen != nullptr ? *chosen : menuScript();
}

} // namespace platform::menu
