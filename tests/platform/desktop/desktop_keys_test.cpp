#include "platform/desktop/desktop_keys.h"

#include "platform/window/virtual_keys.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using platform::desktop::virtualButtonOf;
using platform::desktop::virtualKeyOf;

TEST(DesktopKeys, LettersDigitsAndTheNamedKeysAreTheirVirtualKeysAndOthersNone)
{
    const std::vector<std::pair<SDL_Keycode, int>> keys{{SDLK_a, VK_A}, {SDLK_m, VK_A + 12}, {SDLK_z, VK_A + 25},
        {SDLK_0, VK_0}, {SDLK_9, VK_0 + 9}, {SDLK_LEFT, VK_LEFT}, {SDLK_UP, VK_UP}, {SDLK_RIGHT, VK_RIGHT},
        {SDLK_DOWN, VK_DOWN}, {SDLK_RETURN, VK_RETURN}, {SDLK_KP_ENTER, VK_RETURN}, {SDLK_TAB, VK_TAB},
        {SDLK_ESCAPE, VK_ESCAPE}, {SDLK_BACKSPACE, VK_BACK}, {SDLK_DELETE, VK_DELETE}, {SDLK_HOME, VK_HOME},
        {SDLK_END, VK_END}, {SDLK_LSHIFT, VK_SHIFT}, {SDLK_RSHIFT, VK_SHIFT}, {SDLK_LCTRL, VK_CONTROL},
        {SDLK_RCTRL, VK_CONTROL}, {SDLK_LALT, VK_MENU}, {SDLK_RALT, VK_MENU}, {SDLK_SPACE, VK_SPACE},
        {SDLK_MINUS, VK_MINUS}, {SDLK_SLASH, VK_SLASH}, {SDLK_F1, 0}, {SDLK_KP_5, 0}, {SDLK_PAGEUP, 0},
        {static_cast<SDL_Keycode>(0xE9), 0}};
    for (const auto& [sdl, expected] : keys)
        EXPECT_EQ(virtualKeyOf(sdl), expected) << SDL_GetKeyName(sdl);
}

TEST(DesktopKeys, TheLeftRightAndMiddleButtonsAreTheirVirtualKeysAndOthersNone)
{
    EXPECT_EQ(virtualButtonOf(SDL_BUTTON_LEFT), VK_LBUTTON);
    EXPECT_EQ(virtualButtonOf(SDL_BUTTON_RIGHT), VK_RBUTTON);
    EXPECT_EQ(virtualButtonOf(SDL_BUTTON_MIDDLE), VK_MBUTTON);
    EXPECT_EQ(virtualButtonOf(SDL_BUTTON_X1), 0);
}

} // namespace
