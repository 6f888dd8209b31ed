#include "platform/desktop/desktop_events.h"

#include "platform/clock.h"
#include "platform/desktop/desktop_keys.h"
#include "platform/desktop/desktop_windows.h"
#include "platform/window/focus.h"
#include "platform/window/input_events.h"
#include "platform/window/input_state.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_table.h"

#include <SDL.h>

#include <array>
#include <string>
#include <utility>

namespace {

using platform::InputEvent;

void apply(InputEvent::Kind kind, int key)
{
    platform::applyInput({.kind = kind, .key = key, .time = GetTickCount()});
}

bool held(int key)
{
    return platform::window::inputState().physical[static_cast<std::size_t>(key)];
}

void moveTo(POINT point)
{
    platform::applyInput({.kind = InputEvent::Kind::move, .point = point, .time = GetTickCount()});
}

// SDL tells with every key which modifiers are down; a change the program missed (a release while
// another window had the keyboard) is made up before the key.
void followModifiers(Uint16 modifiers)
{
    static constexpr std::array<std::pair<Uint16, int>, 3> kModifiers{
        {{KMOD_SHIFT, VK_SHIFT}, {KMOD_CTRL, VK_CONTROL}, {KMOD_ALT, VK_MENU}}};
    for (const auto& [bits, key] : kModifiers) {
        const bool down = (modifiers & bits) != 0;
        if (down != held(key))
            apply(down ? InputEvent::Kind::press : InputEvent::Kind::release, key);
    }
}

void keyChanged(const SDL_KeyboardEvent& event)
{
    const int key = platform::desktop::virtualKeyOf(event.keysym.sym);
    if (key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU)
        followModifiers(event.keysym.mod);
    if (key != 0)
        apply(event.type == SDL_KEYDOWN ? InputEvent::Kind::press : InputEvent::Kind::release, key);
}

// The characters of the text that no key gives: the Latin-1 ones above ASCII, from their two-byte UTF-8.
void textTyped(const char* text)
{
    const HWND focus = GetFocus();
    if (focus == nullptr)
        return;
    const platform::window::InputState& state = platform::window::inputState();
    for (const auto* byte = reinterpret_cast<const unsigned char*>(text); *byte != 0; ++byte) {
        const bool latin1Lead = *byte == 0xC2 || *byte == 0xC3;
        if (!latin1Lead || (byte[1] & 0xC0) != 0x80)
            continue;
        const unsigned character = ((*byte & 0x1Fu) << 6) | (byte[1] & 0x3Fu);
        ++byte;
        platform::window::postInput(
            {focus, WM_CHAR, static_cast<WPARAM>(character), 0, GetTickCount(), state.cursor}, state.physical);
    }
}

} // namespace

namespace platform::desktop {

void DesktopEvents::handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
        if (const auto point = screenPoint(event.motion.windowID, event.motion.x, event.motion.y))
            moveTo(*point);
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const int button = virtualButtonOf(event.button.button);
        if (button == 0)
            return;
        const auto point = screenPoint(event.button.windowID, event.button.x, event.button.y);
        const POINT pointer = window::inputState().cursor;
        if (point && (point->x != pointer.x || point->y != pointer.y))
            moveTo(*point);
        apply(event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::press : InputEvent::Kind::release, button);
        return;
    }
    case SDL_MOUSEWHEEL: {
        const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        if (notches != 0)
            applyInput(
                {.kind = InputEvent::Kind::wheel, .wheelDelta = notches * WHEEL_DELTA, .time = GetTickCount()});
        return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: keyChanged(event.key); return;
    case SDL_TEXTINPUT: textTyped(event.text.text); return;
    case SDL_WINDOWEVENT: {
        const HWND window = windows_.windowOf(event.window.windowID);
        if (window == nullptr)
            return;
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: PostMessageA(window, WM_CLOSE, 0, 0); return;
        case SDL_WINDOWEVENT_MOVED:
            windows_.moved(event.window.windowID, event.window.data1, event.window.data2);
            return;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: windows_.present(window); return;
        default: return;
        }
    }
    case SDL_DROPBEGIN: drops_.begin(); return;
    case SDL_DROPFILE: {
        if (event.drop.file == nullptr)
            return;
        std::string path = event.drop.file;
        SDL_free(event.drop.file);
        drops_.file(std::move(path), event.drop.windowID);
        return;
    }
    case SDL_DROPTEXT: SDL_free(event.drop.file); return;
    case SDL_DROPCOMPLETE: drops_.complete(event.drop.windowID); return;
    default: return;
    }
}

std::optional<POINT> DesktopEvents::screenPoint(std::uint32_t sdlId, int x, int y) const
{
    const window::Window* shown = window::lookUp(windows_.windowOf(sdlId));
    if (shown == nullptr)
        return std::nullopt;
    return POINT{shown->rect.left + x, shown->rect.top + y};
}

} // namespace platform::desktop
