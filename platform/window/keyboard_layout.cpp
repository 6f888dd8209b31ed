#include "platform/window/keyboard_layout.h"

#include "platform/window/input_state.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/ui_thread.h"
#include "platform/window/virtual_keys.h"

#include <array>

namespace {

struct KeyCharacters {
    int key;
    char plain;
    char shifted;
};

constexpr std::array<KeyCharacters, 16> kOtherKeys{{
    {VK_SPACE, ' ', ' '},
    {VK_RETURN, '\r', '\r'},
    {VK_TAB, '\t', '\t'},
    {VK_BACK, '\b', '\b'},
    {VK_ESCAPE, '\x1b', '\x1b'},
    {VK_GRAVE, '`', '~'},
    {VK_MINUS, '-', '_'},
    {VK_EQUALS, '=', '+'},
    {VK_LEFTBRACKET, '[', '{'},
    {VK_RIGHTBRACKET, ']', '}'},
    {VK_BACKSLASH, '\\', '|'},
    {VK_SEMICOLON, ';', ':'},
    {VK_QUOTE, '\'', '"'},
    {VK_COMMA, ',', '<'},
    {VK_PERIOD, '.', '>'},
    {VK_SLASH, '/', '?'},
}};

// Above the digits 0..9 on a US keyboard.
constexpr const char* kShiftedDigits = ")!@#$%^&*(";

bool held(int key)
{
    return GetKeyState(key) < 0;
}

// The character of the key, or 0 for none.
char characterOf(int key, bool shift)
{
    if (key >= VK_A && key < VK_A + 26)
        return static_cast<char>((shift ? 'A' : 'a') + (key - VK_A));
    if (key >= VK_0 && key < VK_0 + 10)
        return shift ? kShiftedDigits[key - VK_0] : static_cast<char>('0' + (key - VK_0));
    for (const KeyCharacters& other : kOtherKeys)
        if (other.key == key)
            return shift ? other.shifted : other.plain;
    return 0;
}

} // namespace

BOOL TranslateMessage(const MSG* message)
{
    platform::window::checkThread();
    if (message == nullptr || message->message != WM_KEYDOWN || held(VK_CONTROL) || held(VK_MENU))
        return FALSE;
    const char character = characterOf(static_cast<int>(message->wParam), held(VK_SHIFT));
    if (character == 0)
        return FALSE;
    PostMessageA(message->window, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)), message->lParam);
    return TRUE;
}
