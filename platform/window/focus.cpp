#include "platform/window/focus.h"

#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_table.h"

#include <utility>

namespace {

HWND focus = nullptr;

} // namespace

HWND SetFocus(HWND window)
{
    platform::window::checkThread();
    if (window != nullptr && platform::window::find(window) == nullptr)
        return nullptr;
    if (window == focus)
        return focus;
    const HWND previous = std::exchange(focus, window);
    if (platform::window::lookUp(previous) != nullptr)
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window != nullptr)
        SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus()
{
    platform::window::checkThread();
    return focus;
}

namespace platform::window {

void dropFocusWithin(const Window& window)
{
    if (!isWithin(focus, window))
        return;
    const HWND lost = std::exchange(focus, nullptr);
    SendMessageA(lost, WM_KILLFOCUS, 0, 0);
}

void forgetFocus()
{
    focus = nullptr;
}

} // namespace platform::window
