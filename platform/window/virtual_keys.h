#pragma once

// Virtual keys (GetAsyncKeyState, GetKeyState, key messages, scripted input), with the MK_ flags that
// mouse messages carry in wParam (buttons logical: after the swap setting). All virtual keys are below 256.

#include "platform/input/mouse_key_state.h"
#include "platform/window/window_types.h"

// The physical mouse buttons.
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x03;

inline constexpr int VK_SHIFT = 0x08;
inline constexpr int VK_CONTROL = 0x09;
// Alt.
inline constexpr int VK_MENU = 0x0A;

inline constexpr int VK_BACK = 0x10;
inline constexpr int VK_TAB = 0x11;
inline constexpr int VK_RETURN = 0x12;
inline constexpr int VK_ESCAPE = 0x13;
inline constexpr int VK_SPACE = 0x14;
inline constexpr int VK_DELETE = 0x15;
inline constexpr int VK_LEFT = 0x18;
inline constexpr int VK_UP = 0x19;
inline constexpr int VK_RIGHT = 0x1A;
inline constexpr int VK_DOWN = 0x1B;
inline constexpr int VK_HOME = 0x1C;
inline constexpr int VK_END = 0x1D;

// The punctuation keys of the main block, named after their unshifted character on a US keyboard.
inline constexpr int VK_GRAVE = 0x20;
inline constexpr int VK_MINUS = 0x21;
inline constexpr int VK_EQUALS = 0x22;
inline constexpr int VK_LEFTBRACKET = 0x23;
inline constexpr int VK_RIGHTBRACKET = 0x24;
inline constexpr int VK_BACKSLASH = 0x25;
inline constexpr int VK_SEMICOLON = 0x26;
inline constexpr int VK_QUOTE = 0x27;
inline constexpr int VK_COMMA = 0x28;
inline constexpr int VK_PERIOD = 0x29;
inline constexpr int VK_SLASH = 0x2A;

// The digit keys 0..9 of the main block: VK_0 + digit.
inline constexpr int VK_0 = 0x40;
// The letter keys A..Z: VK_A + letter - 'A'.
inline constexpr int VK_A = 0x60;

