#include "platform/window/window_lifetime.h"

#include "platform/desktop/desktop_switch.h"
#include "platform/forced_failures.h"
#include "platform/last_error.h"
#include "platform/window/focus.h"
#include "platform/window/input_state.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/painting.h"
#include "platform/window/timers.h"
#include "platform/window/ui_thread.h"
#include "platform/window/visible_regions.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_table.h"

#include <algorithm>
#include <optional>

using platform::window::Window;

namespace {

std::vector<platform::WindowEndHook>& endHooks()
{
    static std::vector<platform::WindowEndHook> hooks;
    return hooks;
}

void destroyTree(Window& window)
{
    window.destroying = true;
    const std::vector<HWND> children = window.children;
    for (HWND child : children)
        if (Window* below = platform::window::lookUp(child))
            destroyTree(*below);
    const HWND handle = window.handle;
    SendMessageA(handle, WM_DESTROY, 0, 0);
    platform::window::runWindowEndHooks(handle);
    platform::window::killTimersOf(handle);
    platform::window::dropMessagesOf(handle);
    std::erase(platform::window::siblingsOf(window), handle);
    --window.windowClass->windows;
    platform::window::removeWindow(handle);
}

} // namespace

HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
    HWND parent, HMENU, HINSTANCE, void*)
{
    platform::window::claimThread();
    platform::window::checkThread();
    if (platform::takeWindowCreationFailure())
        return nullptr;
    platform::window::WindowClass* windowClass = platform::window::findClass(className);
    if (windowClass == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return nullptr;
    }
    Window* parentWindow = nullptr;
    if ((style & WS_CHILD) != 0) {
        parentWindow = platform::window::find(parent);
        if (parentWindow == nullptr)
            return nullptr;
    }
    auto window = std::make_unique<Window>();
    window->windowClass = windowClass;
    window->style = style;
    window->text = windowName != nullptr ? windowName : "";
    window->parent = parentWindow != nullptr ? parentWindow->handle : nullptr;
    x = std::clamp(x, -kMaxWindowPosition, kMaxWindowPosition);
    y = std::clamp(y, -kMaxWindowPosition, kMaxWindowPosition);
    window->rect = {x, y, x + std::clamp(width, 0, kMaxWindowSize), y + std::clamp(height, 0, kMaxWindowSize)};
    window->proc = windowClass->proc;
    if (parentWindow == nullptr)
        window->pixels.resize(static_cast<std::size_t>(window->width()) * static_cast<std::size_t>(window->height()));

    std::optional<platform::window::LayoutChange> change;
    if (parentWindow != nullptr)
        change.emplace(*parentWindow);
    Window& made = *window;
    const HWND handle = platform::window::addWindow(std::move(window));
    ++windowClass->windows;
    std::vector<HWND>& siblings = platform::window::siblingsOf(made);
    siblings.insert(siblings.begin(), handle);
    if (parentWindow == nullptr && (style & WS_VISIBLE) != 0) {
        const RECT client{0, 0, made.width(), made.height()};
        platform::window::invalidate(made, platform::RectangleSet(client), true, false);
        platform::desktop::windowsChanged();
    }
    return handle;
}

BOOL DestroyWindow(HWND handle)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    if (window->destroying)
        return TRUE;
    std::optional<platform::window::LayoutChange> change;
    if (Window* parent = platform::window::lookUp(window->parent))
        change.emplace(*parent);
    platform::window::dropFocusWithin(*window);
    platform::window::dropCaptureWithin(*window);
    if (Window* still = platform::window::lookUp(handle); still != nullptr && !still->destroying)
        destroyTree(*still);
    platform::desktop::windowsChanged();
    return TRUE;
}

namespace platform {

void addWindowEndHook(WindowEndHook hook)
{
    if (std::find(endHooks().begin(), endHooks().end(), hook) == endHooks().end())
        endHooks().push_back(hook);
}

} // namespace platform

namespace platform::window {

void runWindowEndHooks(HWND window)
{
    for (const WindowEndHook hook : endHooks())
        hook(window);
}

} // namespace platform::window
