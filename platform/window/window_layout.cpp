#include "platform/window/window_layout.h"

#include "platform/last_error.h"
#include "platform/window/ui_thread.h"
#include "platform/window/visible_regions.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_table.h"

#include <algorithm>
#include <optional>
#include <utility>

using platform::window::Window;

namespace {

bool refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

bool contains(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// Keeps the overlap of the old and new sizes; the rest starts black.
void resizePixels(Window& window, int oldWidth, int oldHeight)
{
    const auto newWidth = static_cast<std::size_t>(window.width());
    std::vector<std::uint32_t> resized(newWidth * static_cast<std::size_t>(window.height()));
    const auto keptWidth = static_cast<std::size_t>(std::min(oldWidth, window.width()));
    const auto keptHeight = static_cast<std::size_t>(std::min(oldHeight, window.height()));
    for (std::size_t y = 0; keptWidth > 0 && y < keptHeight; ++y)
        std::copy_n(window.pixels.data() + y * static_cast<std::size_t>(oldWidth), keptWidth,
            resized.data() + y * newWidth);
    window.pixels = std::move(resized);
}

// Puts the window just below `above` among its siblings, or on top when `above` is null.
void restack(const Window& window, HWND above)
{
    std::vector<HWND>& siblings = platform::window::siblingsOf(window);
    std::erase(siblings, window.handle);
    const auto place = above != nullptr ? std::find(siblings.begin(), siblings.end(), above) + 1 : siblings.begin();
    siblings.insert(place, window.handle);
}

const Window* deepestAt(const Window& window, POINT screenPoint)
{
    const POINT origin = platform::window::originOnScreen(window);
    const POINT inside{screenPoint.x - origin.x, screenPoint.y - origin.y};
    for (HWND child : window.children) {
        const Window* below = platform::window::lookUp(child);
        if (below != nullptr && (below->style & WS_VISIBLE) != 0 && contains(below->rect, inside))
            return deepestAt(*below, screenPoint);
    }
    return &window;
}

// What to add to a point in one window's client coordinates (null: the screen) to have it in another's.
std::optional<POINT> shiftBetween(HWND from, HWND to)
{
    POINT shift{0, 0};
    for (const auto& [handle, sign] : {std::pair{from, 1}, std::pair{to, -1}}) {
        if (handle == nullptr)
            continue;
        const Window* window = platform::window::find(handle);
        if (window == nullptr)
            return std::nullopt;
        const POINT origin = platform::window::originOnScreen(*window);
        shift.x += sign * origin.x;
        shift.y += sign * origin.y;
    }
    return shift;
}

bool moveBy(const std::optional<POINT>& shift, POINT* points, UINT count)
{
    if (!shift)
        return false;
    if (points == nullptr && count > 0)
        return refuse();
    for (UINT i = 0; i < count; ++i) {
        points[i].x += shift->x;
        points[i].y += shift->y;
    }
    return true;
}

} // namespace

BOOL ShowWindow(HWND handle, int command)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    if (command != SW_HIDE && command != SW_SHOW && command != SW_SHOWNORMAL)
        return refuse();
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    platform::window::LayoutChange change(*window);
    if (command == SW_HIDE)
        window->style &= ~WS_VISIBLE;
    else
        window->style |= WS_VISIBLE;
    return wasVisible ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    if ((flags & SWP_NOZORDER) == 0 && insertAfter != HWND_TOP) {
        const std::vector<HWND>& siblings = platform::window::siblingsOf(*window);
        if (insertAfter == handle || std::find(siblings.begin(), siblings.end(), insertAfter) == siblings.end())
            return refuse();
    }
    platform::window::LayoutChange change(*window);
    const int oldWidth = window->width();
    const int oldHeight = window->height();
    if ((flags & SWP_NOMOVE) == 0) {
        x = std::clamp(x, -kMaxWindowPosition, kMaxWindowPosition);
        y = std::clamp(y, -kMaxWindowPosition, kMaxWindowPosition);
        window->rect = {x, y, x + oldWidth, y + oldHeight};
    }
    if ((flags & SWP_NOSIZE) == 0) {
        window->rect.right = window->rect.left + std::clamp(width, 0, kMaxWindowSize);
        window->rect.bottom = window->rect.top + std::clamp(height, 0, kMaxWindowSize);
    }
    if (window->parent == nullptr && (window->width() != oldWidth || window->height() != oldHeight))
        resizePixels(*window, oldWidth, oldHeight);
    if ((flags & SWP_NOZORDER) == 0)
        restack(*window, insertAfter);
    return TRUE;
}

BOOL BringWindowToTop(HWND handle)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    platform::window::LayoutChange change(*window);
    restack(*window, nullptr);
    return TRUE;
}

BOOL GetWindowRect(HWND handle, RECT* rect)
{
    platform::window::checkThread();
    const Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    if (rect == nullptr)
        return refuse();
    const POINT origin = platform::window::originOnScreen(*window);
    *rect = {origin.x, origin.y, origin.x + window->width(), origin.y + window->height()};
    return TRUE;
}

BOOL GetClientRect(HWND handle, RECT* rect)
{
    platform::window::checkThread();
    const Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    if (rect == nullptr)
        return refuse();
    *rect = {0, 0, window->width(), window->height()};
    return TRUE;
}

BOOL ScreenToClient(HWND handle, POINT* point)
{
    platform::window::checkThread();
    return moveBy(shiftBetween(nullptr, handle), point, 1) ? TRUE : FALSE;
}

BOOL ClientToScreen(HWND handle, POINT* point)
{
    platform::window::checkThread();
    return moveBy(shiftBetween(handle, nullptr), point, 1) ? TRUE : FALSE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count)
{
    platform::window::checkThread();
    const std::optional<POINT> shift = shiftBetween(from, to);
    if (!moveBy(shift, points, count))
        return 0;
    return static_cast<int>(MAKELPARAM(shift->x, shift->y));
}

HWND WindowFromPoint(POINT point)
{
    platform::window::checkThread();
    for (HWND topLevel : platform::window::topLevelWindows()) {
        const Window* window = platform::window::lookUp(topLevel);
        if (window != nullptr && (window->style & WS_VISIBLE) != 0 && contains(window->rect, point))
            return deepestAt(*window, point)->handle;
    }
    return nullptr;
}
