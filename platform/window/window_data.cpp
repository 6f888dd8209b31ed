#include "platform/window/window_data.h"

#include "platform/desktop/desktop_switch.h"
#include "platform/last_error.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_table.h"

#include <utility>
#include <vector>

using platform::window::Window;

LONG_PTR GetWindowLongPtrA(HWND handle, int index)
{
    platform::window::checkThread();
    const Window* window = platform::window::find(handle);
    if (window == nullptr)
        return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_USERDATA: return window->userData;
    case GWL_STYLE: return static_cast<LONG_PTR>(window->style);
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND handle, int index, LONG_PTR value)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        if (value == 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        return reinterpret_cast<LONG_PTR>(std::exchange(window->proc, reinterpret_cast<WNDPROC>(value)));
    case GWLP_USERDATA: return std::exchange(window->userData, value);
    case GWL_STYLE: {
        const DWORD kept = window->style & WS_CHILD;
        const DWORD style = (static_cast<DWORD>(value) & ~WS_CHILD) | kept;
        return static_cast<LONG_PTR>(std::exchange(window->style, style));
    }
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
    }
}

LONG_PTR GetWindowLongA(HWND window, int index)
{
    return GetWindowLongPtrA(window, index);
}

LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value)
{
    return SetWindowLongPtrA(window, index, value);
}

HWND GetParent(HWND handle)
{
    platform::window::checkThread();
    const Window* window = platform::window::find(handle);
    return window != nullptr ? window->parent : nullptr;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC procedure, LPARAM parameter)
{
    platform::window::checkThread();
    Window* window = platform::window::find(parent);
    if (window == nullptr || procedure == nullptr)
        return FALSE;
    // Taken first: the procedure may destroy windows, which are then left out.
    std::vector<HWND> below;
    platform::window::forEachInTree(*window, [&below](const Window& each) { below.push_back(each.handle); });
    for (std::size_t n = 1; n < below.size(); ++n)
        if (platform::window::lookUp(below[n]) != nullptr && !procedure(below[n], parameter))
            break;
    return TRUE;
}

namespace platform::window {

void setText(HWND handle, LPCSTR text)
{
    Window* window = lookUp(handle);
    if (window == nullptr)
        return;
    window->text = text != nullptr ? text : "";
    if (window->parent == nullptr)
        platform::desktop::windowsChanged();
}

} // namespace platform::window

BOOL SetWindowTextA(HWND handle, LPCSTR text)
{
    platform::window::checkThread();
    if (platform::window::find(handle) == nullptr)
        return FALSE;
    return SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextA(HWND handle, LPSTR buffer, int size)
{
    platform::window::checkThread();
    if (platform::window::find(handle) == nullptr || buffer == nullptr || size <= 0)
        return 0;
    return static_cast<int>(
        SendMessageA(handle, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}
