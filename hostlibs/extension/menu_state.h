#pragma once

// The records behind menu and screen handles and the state the menu units share. Host main thread only.

#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_menus.h"

#include <vector>

struct HostMenuRecord {
    std::int16_t id = 0;
    HostMenuProc proc = nullptr;
    std::intptr_t reference = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
};

struct HostScreenRecord {
    HostRect rect{};
};

namespace hostext {

struct SystemFont {
    std::int16_t family = 0;
    std::int16_t size = 12;
    std::int16_t third = 0;
};

struct MenuState {
    int menus = 0;
    std::vector<HostMenu> inserted;
    SystemFont systemFont;
    bool testScreens = false;
    HostScreenRecord main;
    HostScreenRecord second;
    std::vector<MenuPicture> pictures;
};

MenuState& menuState();

// A port of the toolbox's own over a pixel's bounds, with the system font, for measuring menus.
// Disposed of by the caller.
HostPort newMeasuringPort();
void takeSystemFont(HostPort port);

} // namespace hostext
