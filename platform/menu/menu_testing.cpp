#include "platform/menu/menu_testing.h"

#include "platform/menu/menu_chooser.h"
#include "platform/menu/menu_script.h"
#include "platform/menu/menu_table.h"
#include "platform/menu/tracked_menus.h"

namespace platform {

std::size_t menuCount()
{
    return menu::menuCount();
}

void resetMenus()
{
    menu::forgetAllMenus();
    menu::forgetRecordedMenus();
    menuScript().reset();
    setMenuChooser(nullptr);
}

} // namespace platform
