#include "platform/window/input_events.h"

#include "platform/window/focus.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/system_metrics.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_table.h"

#include <cstdlib>
#include <optional>

using platform::InputEvent;
using platform::window::InputState;

namespace {

// How far the pointer may stray between the two presses of a double click, each way.
constexpr int kDoubleClickDistance = 2;

struct Click {
    int button;
    HWND window;
    DWORD time;
    POINT point;
    // A double click ends a pair: the next press starts a new one.
    bool wasDouble;
};

std::optional<Click> lastClick;

struct ButtonMessages {
    UINT down;
    UINT up;
    UINT doubleClick;
    WPARAM flag;
};

bool isButton(int key)
{
    return key == VK_LBUTTON || key == VK_RBUTTON || key == VK_MBUTTON;
}

// The button the program hears of: the left and right ones trade places while swapped.
int logicalButton(int physical)
{
    if (!platform::window::buttonsSwapped() || physical == VK_MBUTTON)
        return physical;
    return physical == VK_LBUTTON ? VK_RBUTTON : VK_LBUTTON;
}

ButtonMessages messagesOf(int logical)
{
    switch (logical) {
    case VK_LBUTTON: return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON};
    case VK_RBUTTON: return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON};
    default: return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON};
    }
}

WPARAM mouseFlags(const InputState& state)
{
    const auto held = [&state](int key) { return state.physical[static_cast<std::size_t>(key)]; };
    WPARAM flags = 0;
    for (int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON})
        if (held(button))
            flags |= messagesOf(logicalButton(button)).flag;
    if (held(VK_SHIFT))
        flags |= MK_SHIFT;
    if (held(VK_CONTROL))
        flags |= MK_CONTROL;
    return flags;
}

HWND mouseTarget(const InputState& state)
{
    if (platform::window::lookUp(state.capture) != nullptr)
        return state.capture;
    return WindowFromPoint(state.cursor);
}

void postMouse(HWND target, UINT message, const InputEvent& event)
{
    const InputState& state = platform::window::inputState();
    const platform::window::Window* window = platform::window::lookUp(target);
    if (window == nullptr)
        return;
    const POINT origin = platform::window::originOnScreen(*window);
    platform::window::postInput({target, message, mouseFlags(state),
                                    MAKELPARAM(state.cursor.x - origin.x, state.cursor.y - origin.y), event.time,
                                    state.cursor},
        state.physical);
}

UINT pressMessage(int button, HWND target, const InputEvent& event)
{
    const POINT at = platform::window::inputState().cursor;
    const platform::window::Window* window = platform::window::lookUp(target);
    const bool doubleClick = window != nullptr && (window->windowClass->style & CS_DBLCLKS) != 0 && lastClick &&
        !lastClick->wasDouble && lastClick->button == button && lastClick->window == target &&
        event.time - lastClick->time < GetDoubleClickTime() &&
        std::abs(at.x - lastClick->point.x) <= kDoubleClickDistance &&
        std::abs(at.y - lastClick->point.y) <= kDoubleClickDistance;
    lastClick = Click{button, target, event.time, at, doubleClick};
    return doubleClick ? messagesOf(button).doubleClick : messagesOf(button).down;
}

void applyKey(const InputEvent& event)
{
    InputState& state = platform::window::inputState();
    if (event.key < 0 || event.key >= static_cast<int>(state.physical.size()))
        return;
    const bool pressed = event.kind == InputEvent::Kind::press;
    state.physical[static_cast<std::size_t>(event.key)] = pressed;
    if (isButton(event.key)) {
        const int button = logicalButton(event.key);
        const HWND target = mouseTarget(state);
        postMouse(target, pressed ? pressMessage(button, target, event) : messagesOf(button).up, event);
        return;
    }
    if (HWND focus = GetFocus())
        platform::window::postInput({focus, pressed ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(event.key), 0,
                                        event.time, state.cursor},
            state.physical);
}

} // namespace

namespace platform {

void applyInput(const InputEvent& event)
{
    InputState& state = platform::window::inputState();
    switch (event.kind) {
    case InputEvent::Kind::move:
        platform::window::placePointer(event.point);
        postMouse(mouseTarget(state), WM_MOUSEMOVE, event);
        return;
    case InputEvent::Kind::press:
    case InputEvent::Kind::release: applyKey(event); return;
    case InputEvent::Kind::wheel:
        if (HWND target = WindowFromPoint(state.cursor)) {
            const WPARAM flagsAndTurn = MAKEWPARAM(static_cast<int>(mouseFlags(state)), event.wheelDelta);
            platform::window::postInput({target, WM_MOUSEWHEEL, flagsAndTurn,
                                            MAKELPARAM(state.cursor.x, state.cursor.y), event.time, state.cursor},
                state.physical);
        }
        return;
    }
}

} // namespace platform

namespace platform::window {

void forgetClicks()
{
    lastClick.reset();
}

} // namespace platform::window
