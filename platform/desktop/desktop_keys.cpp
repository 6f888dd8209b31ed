#include "platform/desktop/desktop_keys.h"

#include "platform/window/virtual_keys.h"

#include <SDL.h>

#include <array>
#include <utility>

namespace platform::desktop {

int virtualKeyOf(std::int32_t sdlKey)
{
    static constexpr std::array<std::pair<SDL_Keycode, int>, 30> kOtherKeys{{
        {SDLK_LSHIFT, VK_SHIFT},
        {SDLK_RSHIFT, VK_SHIFT},
        {SDLK_LCTRL, VK_CONTROL},
        {SDLK_RCTRL, VK_CONTROL},
        {SDLK_LALT, VK_MENU},
        {SDLK_RALT, VK_MENU},
        {SDLK_BACKSPACE, VK_BACK},
        {SDLK_TAB, VK_TAB},
        {SDLK_RETURN, VK_RETURN},
        {SDLK_KP_ENTER, VK_RETURN},
        {SDLK_ESCAPE, VK_ESCAPE},
        {SDLK_SPACE, VK_SPACE},
        {SDLK_DELETE, VK_DELETE},
        {SDLK_LEFT, VK_LEFT},
        {SDLK_UP, VK_UP},
        {SDLK_RIGHT, VK_RIGHT},
        {SDLK_DOWN, VK_DOWN},
        {SDLK_HOME, VK_HOME},
        {SDLK_END, VK_END},
        {SDLK_BACKQUOTE, VK_GRAVE},
        {SDLK_MINUS, VK_MINUS},
        {SDLK_EQUALS, VK_EQUALS},
        {SDLK_LEFTBRACKET, VK_LEFTBRACKET},
        {SDLK_RIGHTBRACKET, VK_RIGHTBRACKET},
        {SDLK_BACKSLASH, VK_BACKSLASH},
        {SDLK_SEMICOLON, VK_SEMICOLON},
        {SDLK_QUOTE, VK_QUOTE},
        {SDLK_COMMA, VK_COMMA},
        {SDLK_PERIOD, VK_PERIOD},
        {SDLK_SLASH, VK_SLASH},
    }};
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z)
        return VK_A + (sdlKey - SDLK_a);
    if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9)
        return VK_0 + (sdlKey - SDLK_0);
    for (const auto& [key, virtualKey] : kOtherKeys)
        if (key == sdlKey)
            return virtualKey;
    return 0;
}

int virtualButtonOf(std::uint8_t sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return VK_LBUTTON;
    case SDL_BUTTON_RIGHT: return VK_RBUTTON;
    case SDL_BUTTON_MIDDLE: return VK_MBUTTON;
    default: return 0;
    }
}

} // namespace platform::desktop
