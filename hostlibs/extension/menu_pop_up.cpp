#include "hostlibs/extension/menu_state.h"

#include "hostlibs/extension/graphics_state.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/window/window_lifetime.h"

// A pop-up is a borderless top-level window of the window stand-in: headless it lives in its pixels,
// with the desktop on it shows there as every other window does.

namespace {

using hostext::menuState;

// The procedure chooses on every read of the mouse while the button is held and once more at the
// release, so the item under the released button is the one chosen.
void trackChoice(HostMenu menu, HostRect rect, HostMenuItemRecord& item)
{
    bool held = true;
    while (held) {
        held = HostExtStillDown();
        HostPoint mouse{};
        HostExtGetMouse(&mouse);
        menu->proc(kHostMenuChoose, menu, &rect, mouse, &item);
    }
}

// Opens the window over the rectangle and runs the menu in it; answers the item chosen.
std::int16_t runPopUp(HostMenu menu, const HostRect& placed, HostPoint where)
{
    HWND window = hostext::makeHostWindow(hostext::toRect(placed));
    HostPort port = window != nullptr ? HostExtNewWindowPort(window) : nullptr;
    if (port == nullptr) {
        DestroyWindow(window);
        return 0;
    }
    hostext::takeSystemFont(port);
    HostExtSetPort(port);
    HostExtSetOrigin(placed.left, placed.top);
    HostRect area = placed;
    HostMenuItemRecord item{0, 0};
    menu->proc(kHostMenuDraw, menu, &area, where, &item);
    trackChoice(menu, placed, item);
    if (const auto picture = hostext::capturePort(port))
        menuState().pictures.push_back({menu->id, placed, *picture});
    HostExtSetPort(nullptr);
    HostExtDisposePort(port);
    DestroyWindow(window);
    return item.item;
}

} // namespace

extern "C" {

std::int32_t HostExtPopUpMenuSelect(HostMenu menu, HostPoint where, std::int16_t item)
{
    if (menu == nullptr || HostExtGetMenuHandle(menu->id) != menu)
        return 0;
    const HostPort caller = HostExtGetPort();
    HostPort measuring = hostext::newMeasuringPort();
    HostExtSetPort(measuring);
    HostRect placed{0, 0, 0, 0};
    HostMenuItemRecord asked{item, 0};
    menu->proc(kHostMenuSize, menu, &placed, where, &asked);
    asked = {item, 0};
    menu->proc(kHostMenuPlace, menu, &placed, where, &asked);
    HostExtSetPort(caller);
    HostExtDisposePort(measuring);
    std::int16_t chosen = 0;
    if (placed.right > placed.left && placed.bottom > placed.top) {
        chosen = runPopUp(menu, placed, where);
        HostExtSetPort(caller);
    }
    if (chosen <= 0)
        return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(menu->id)) << 16 |
                                     static_cast<std::uint16_t>(chosen));
}

} // extern "C"
