#include "platform/desktop/desktop_menus.h"

#include "platform/desktop/desktop_events.h"
#include "platform/desktop/desktop_keys.h"
#include "platform/desktop/desktop_windows.h"
#include "platform/menu/menu_script.h"
#include "platform/menu/popup_menus.h"
#include "platform/window/input_state.h"

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace {

using platform::MenuPick;
using platform::MenuTracking;
using platform::OpenMenu;
using platform::TrackedMenuItem;

bool contains(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

bool sameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The SDL windows of the open menus, one each; they close with the tracking.
class MenuWindows {
public:
    MenuWindows() = default;
    ~MenuWindows()
    {
        for (const Shown& shown : shown_)
            if (shown.sdl != nullptr)
                SDL_DestroyWindow(shown.sdl);
    }
    MenuWindows(const MenuWindows&) = delete;
    MenuWindows& operator=(const MenuWindows&) = delete;

    // Opens and closes windows as menus opened and closed, and shows every menu's pixels.
    void follow(const MenuTracking& tracking)
    {
        const std::vector<OpenMenu>& menus = tracking.menus();
        std::size_t kept = 0;
        while (kept < shown_.size() && kept < menus.size() && shown_[kept].handle == menus[kept].handle &&
            sameRect(shown_[kept].rect, menus[kept].rect))
            ++kept;
        for (std::size_t index = kept; index < shown_.size(); ++index)
            if (shown_[index].sdl != nullptr)
                SDL_DestroyWindow(shown_[index].sdl);
        shown_.resize(kept);
        for (std::size_t index = kept; index < menus.size(); ++index)
            shown_.push_back(open(menus[index]));
        for (std::size_t index = 0; index < menus.size(); ++index)
            if (shown_[index].sdl != nullptr)
                platform::desktop::showPixels(shown_[index].sdl, menus[index].pixels.data(),
                    menus[index].layout.size.width, menus[index].layout.size.height);
    }

    // The screen point of a point in a menu's window; nothing for another window.
    std::optional<POINT> screenPoint(std::uint32_t sdlId, int x, int y) const
    {
        for (const Shown& shown : shown_)
            if (shown.sdl != nullptr && shown.id == sdlId)
                return POINT{shown.rect.left + x, shown.rect.top + y};
        return std::nullopt;
    }

private:
    struct Shown {
        SDL_Window* sdl;
        std::uint32_t id;
        HMENU handle;
        RECT rect;
    };

    static Shown open(const OpenMenu& menu)
    {
        constexpr Uint32 kMenuWindow = SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP |
            SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_POPUP_MENU;
        SDL_Window* sdl = SDL_CreateWindow(
            "", menu.rect.left, menu.rect.top, menu.layout.size.width, menu.layout.size.height, kMenuWindow);
        return {sdl, sdl != nullptr ? SDL_GetWindowID(sdl) : 0, menu.handle, menu.rect};
    }

    std::vector<Shown> shown_;
};

struct Pointed {
    std::size_t menu;
    // Nothing over the frame, a gap or a separator.
    std::optional<std::size_t> item;
};

// The menu under the point, the last opened first, and its item there.
std::optional<Pointed> pointedAt(const MenuTracking& tracking, POINT point)
{
    const std::vector<OpenMenu>& menus = tracking.menus();
    for (std::size_t menu = menus.size(); menu-- > 0;) {
        if (!contains(menus[menu].rect, point))
            continue;
        const std::vector<TrackedMenuItem>& items = *menus[menu].items;
        for (std::size_t item = 0; item < items.size(); ++item)
            if ((items[item].flags & MF_SEPARATOR) == 0 && contains(items[item].rect, point))
                return Pointed{menu, item};
        return Pointed{menu, std::nullopt};
    }
    return std::nullopt;
}

// Selects what the pointer is over and opens or closes sub-menus for it; answers whether a menu changed.
bool pointAt(MenuTracking& tracking, POINT point)
{
    const std::optional<Pointed> pointed = pointedAt(tracking, point);
    if (!pointed) {
        // Off the menus the last one lets its item go; the ones before keep the way to it.
        const std::size_t last = tracking.menus().size() - 1;
        if (!tracking.menus()[last].selected)
            return false;
        tracking.select(last, std::nullopt);
        return true;
    }
    bool changed = false;
    if (tracking.menus()[pointed->menu].selected != pointed->item) {
        tracking.select(pointed->menu, pointed->item);
        changed = true;
    }
    if (!pointed->item)
        return changed;
    const TrackedMenuItem& item = (*tracking.menus()[pointed->menu].items)[*pointed->item];
    const bool beyond = tracking.menus().size() > pointed->menu + 1;
    if ((item.flags & MF_POPUP) != 0) {
        if (beyond && tracking.menus()[pointed->menu + 1].handle == item.submenuHandle)
            return changed;
        tracking.openSubmenu(pointed->menu, *pointed->item);
        return true;
    }
    if (!beyond)
        return changed;
    tracking.closeSubmenus(pointed->menu);
    return true;
}

void hold(int key, bool down)
{
    if (key != 0)
        platform::window::inputState().physical[static_cast<std::size_t>(key)] = down;
}

class MenuLoop {
public:
    MenuLoop(MenuTracking& tracking, platform::desktop::DesktopEvents& events) : tracking_(tracking), events_(events)
    {
        shown_.follow(tracking_);
    }

    std::optional<MenuPick> run()
    {
        SDL_Event event;
        while (SDL_WaitEvent(&event) != 0) {
            switch (event.type) {
            case SDL_MOUSEMOTION: movePointer(event.motion.windowID, event.motion.x, event.motion.y); break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                movePointer(event.button.windowID, event.button.x, event.button.y);
                const bool down = event.type == SDL_MOUSEBUTTONDOWN;
                hold(platform::desktop::virtualButtonOf(event.button.button), down);
                const std::optional<Pointed> pointed =
                    pointedAt(tracking_, platform::window::inputState().cursor);
                if (down && !pointed)
                    return std::nullopt;
                if (!down && pointed && pointed->item &&
                    platform::isChoosable((*tracking_.menus()[pointed->menu].items)[*pointed->item]))
                    return MenuPick{pointed->menu, *pointed->item};
                break;
            }
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                hold(platform::desktop::virtualKeyOf(event.key.keysym.sym), event.type == SDL_KEYDOWN);
                if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)
                    return std::nullopt;
                break;
            case SDL_MOUSEWHEEL:
            case SDL_TEXTINPUT: break;
            default: events_.handle(event);
            }
        }
        return std::nullopt;
    }

private:
    void movePointer(std::uint32_t sdlId, int x, int y)
    {
        std::optional<POINT> point = shown_.screenPoint(sdlId, x, y);
        if (!point)
            point = events_.screenPoint(sdlId, x, y);
        if (!point)
            return;
        platform::window::placePointer(*point);
        if (pointAt(tracking_, platform::window::inputState().cursor))
            shown_.follow(tracking_);
    }

    MenuTracking& tracking_;
    platform::desktop::DesktopEvents& events_;
    MenuWindows shown_;
};

} // namespace

namespace platform::desktop {

std::optional<MenuPick> DesktopMenus::choose(MenuTracking& tracking)
{
    if (menuScript().pending() > 0)
        return menuScript().choose(tracking);
    SDL_Window* focused = SDL_GetKeyboardFocus();
    const Uint32 focusedId = focused != nullptr ? SDL_GetWindowID(focused) : 0;
    std::optional<MenuPick> pick;
    {
        MenuLoop loop(tracking, events_);
        // Where the desktop lets it, a click outside the program's windows reaches the menu too, and cancels.
        SDL_CaptureMouse(SDL_TRUE);
        pick = loop.run();
        SDL_CaptureMouse(SDL_FALSE);
    }
    // Without a window manager the menu's window took the keyboard, and nobody gives it back when it closes.
    if (SDL_Window* stillThere = SDL_GetWindowFromID(focusedId))
        SDL_SetWindowInputFocus(stillThere);
    return pick;
}

} // namespace platform::desktop
