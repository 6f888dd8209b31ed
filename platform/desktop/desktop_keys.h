#pragma once

// SDL's keys and mouse buttons as the virtual keys of the window stand-in (platform/window/virtual_keys.h).
// Keys go by their key code, which follows the keyboard layout, so that a letter key is the letter it
// types; left and right Shift, Ctrl and Alt are one key each.

#include <cstdint>

namespace platform::desktop {

// The virtual key of an SDL key code; 0 for a key the stand-in does not know.
int virtualKeyOf(std::int32_t sdlKey);
// The virtual key of an SDL mouse button; 0 for a button other than the left, right and middle ones.
int virtualButtonOf(std::uint8_t sdlButton);

} // namespace platform::desktop
