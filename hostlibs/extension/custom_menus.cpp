#include "hostlibs/extension/menu_state.h"

#include "hostlibs/extension/graphics_state.h"

#include <algorithm>

namespace {

using hostext::menuState;

bool isInserted(HostMenu menu)
{
    const auto& inserted = menuState().inserted;
    return std::find(inserted.begin(), inserted.end(), menu) != inserted.end();
}

} // namespace

extern "C" {

HostMenu HostExtNewCustomMenu(std::int16_t id, HostMenuProc proc)
{
    if (proc == nullptr)
        return nullptr;
    ++menuState().menus;
    return new HostMenuRecord{id, proc, 0, 0, 0};
}

void HostExtDisposeMenu(HostMenu menu)
{
    if (menu == nullptr)
        return;
    std::erase(menuState().inserted, menu);
    delete menu;
    --menuState().menus;
}

std::int16_t HostExtGetMenuID(HostMenu menu)
{
    return menu != nullptr ? menu->id : 0;
}

void HostExtSetMenuReference(HostMenu menu, std::intptr_t reference)
{
    if (menu != nullptr)
        menu->reference = reference;
}

std::intptr_t HostExtGetMenuReference(HostMenu menu)
{
    return menu != nullptr ? menu->reference : 0;
}

void HostExtSetMenuSize(HostMenu menu, std::int16_t width, std::int16_t height)
{
    if (menu != nullptr) {
        menu->width = width;
        menu->height = height;
    }
}

void HostExtGetMenuSize(HostMenu menu, std::int16_t* width, std::int16_t* height)
{
    if (menu == nullptr)
        return;
    if (width != nullptr)
        *width = menu->width;
    if (height != nullptr)
        *height = menu->height;
}

void HostExtCalcMenuSize(HostMenu menu)
{
    if (menu == nullptr)
        return;
    const HostPort caller = HostExtGetPort();
    HostPort measuring = hostext::newMeasuringPort();
    HostExtSetPort(measuring);
    HostRect none{0, 0, 0, 0};
    HostMenuItemRecord item{0, 0};
    menu->proc(kHostMenuSize, menu, &none, {0, 0}, &item);
    HostExtSetPort(caller);
    HostExtDisposePort(measuring);
}

void HostExtInsertPopUpMenu(HostMenu menu)
{
    if (menu != nullptr && !isInserted(menu) && HostExtGetMenuHandle(menu->id) == nullptr)
        menuState().inserted.push_back(menu);
}

void HostExtRemoveMenu(std::int16_t id)
{
    std::erase_if(menuState().inserted, [id](HostMenu menu) { return menu->id == id; });
}

HostMenu HostExtGetMenuHandle(std::int16_t id)
{
    for (HostMenu menu : menuState().inserted)
        if (menu->id == id)
            return menu;
    return nullptr;
}

std::int16_t HostExtGetSystemFontFamily()
{
    return menuState().systemFont.family;
}

std::int16_t HostExtGetSystemFontSize()
{
    return menuState().systemFont.size;
}

std::int16_t HostExtGetSystemFontThird()
{
    return menuState().systemFont.third;
}

void HostExtSetSystemFontFamily(std::int16_t family)
{
    menuState().systemFont.family = family;
}

void HostExtSetSystemFontSize(std::int16_t size)
{
    menuState().systemFont.size = size;
}

void HostExtSetSystemFontThird(std::int16_t value)
{
    menuState().systemFont.third = value;
}

} // extern "C"

namespace hostext {

MenuState& menuState()
{
    static MenuState state;
    return state;
}

HostPort newMeasuringPort()
{
    const HostRect pixel{0, 0, 1, 1};
    HostPort port = HostExtNewOffscreenPort(&pixel);
    if (port != nullptr)
        takeSystemFont(port);
    return port;
}

void takeSystemFont(HostPort port)
{
    port->text.font = menuState().systemFont.family;
    port->text.size = menuState().systemFont.size;
}

int liveMenuCount()
{
    return menuState().menus;
}

std::vector<MenuPicture> menuPictures()
{
    return menuState().pictures;
}

void resetMenus()
{
    MenuState& state = menuState();
    state.inserted.clear();
    state.systemFont = {};
    state.testScreens = false;
    state.pictures.clear();
}

} // namespace hostext
