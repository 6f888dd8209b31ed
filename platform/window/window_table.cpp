#include "platform/window/window_table.h"

#include "platform/last_error.h"
#include "platform/window/window_styles.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace platform::window {

namespace {

struct WindowTable {
    std::unordered_map<std::uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevel;
    // Counts up from here; apart from the GDI stand-in's handles, so that one is never taken for the other.
    std::uintptr_t nextHandle = 0x4000'0000;
};

WindowTable& table()
{
    static WindowTable windows;
    return windows;
}

} // namespace

Window* lookUp(HWND handle)
{
    WindowTable& windows = table();
    const auto found = windows.windows.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == windows.windows.end() ? nullptr : found->second.get();
}

Window* find(HWND handle)
{
    Window* window = lookUp(handle);
    if (window == nullptr)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

HWND addWindow(std::unique_ptr<Window> window)
{
    WindowTable& windows = table();
    const std::uintptr_t key = windows.nextHandle++;
    window->handle = reinterpret_cast<HWND>(key);
    HWND handle = window->handle;
    windows.windows.emplace(key, std::move(window));
    return handle;
}

void removeWindow(HWND handle)
{
    table().windows.erase(reinterpret_cast<std::uintptr_t>(handle));
}

std::size_t windowCount()
{
    return table().windows.size();
}

std::vector<HWND> allWindows()
{
    std::vector<HWND> handles;
    handles.reserve(table().windows.size());
    for (const auto& [key, window] : table().windows)
        handles.push_back(window->handle);
    return handles;
}

void forgetAllWindows()
{
    table().windows.clear();
    table().topLevel.clear();
}

std::vector<HWND>& topLevelWindows()
{
    return table().topLevel;
}

std::vector<HWND>& siblingsOf(const Window& window)
{
    Window* parent = lookUp(window.parent);
    return parent != nullptr ? parent->children : table().topLevel;
}

Window& topLevelOf(Window& window)
{
    Window* current = &window;
    while (Window* parent = lookUp(current->parent))
        current = parent;
    return *current;
}

bool isWithin(HWND candidate, const Window& window)
{
    for (const Window* current = lookUp(candidate); current != nullptr; current = lookUp(current->parent))
        if (current == &window)
            return true;
    return false;
}

int copyText(const std::string& text, LPSTR buffer, int size)
{
    if (buffer == nullptr || size <= 0)
        return 0;
    const int copied = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<std::size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

bool isShown(const Window& window)
{
    for (const Window* current = &window; current != nullptr; current = lookUp(current->parent))
        if ((current->style & WS_VISIBLE) == 0)
            return false;
    return true;
}

POINT originInTopLevel(const Window& window)
{
    POINT origin{0, 0};
    for (const Window* current = &window; current->parent != nullptr;) {
        origin.x += current->rect.left;
        origin.y += current->rect.top;
        current = lookUp(current->parent);
        if (current == nullptr)
            break;
    }
    return origin;
}

POINT originOnScreen(const Window& window)
{
    POINT origin{0, 0};
    for (const Window* current = &window; current != nullptr; current = lookUp(current->parent)) {
        origin.x += current->rect.left;
        origin.y += current->rect.top;
    }
    return origin;
}

} // namespace platform::window
