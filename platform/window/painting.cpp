#include "platform/window/painting.h"

#include "platform/desktop/desktop_switch.h"
#include "platform/gdi/gdi_object_table.h"
#include "platform/last_error.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_dc.h"
#include "platform/window/window_styles.h"
#include "platform/window/window_table.h"

using platform::RectangleSet;
using platform::window::Window;

namespace {

RECT clientArea(const Window& window)
{
    return {0, 0, window.width(), window.height()};
}

bool needsPaint(const Window& window)
{
    return platform::window::isShown(window) && (!window.update.empty() || window.internalPaint);
}

Window* firstToPaint(Window& window)
{
    if (needsPaint(window))
        return &window;
    for (HWND child : window.children)
        if (Window* below = platform::window::lookUp(child))
            if (Window* found = firstToPaint(*below))
                return found;
    return nullptr;
}

// Sends WM_ERASEBKGND with a DC limited to the update region when an erase is pending; answers whether
// the background still needs erasing.
bool erasePending(Window& window, HDC dc)
{
    window.eraseBackground = false;
    return SendMessageA(window.handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
}

} // namespace

namespace platform::window {

void invalidate(Window& window, const RectangleSet& area, bool erase, bool withChildren)
{
    RectangleSet added = area;
    added.intersect(clientArea(window));
    if (added.empty())
        return;
    window.update.add(added);
    window.eraseBackground = window.eraseBackground || erase;
    if (!withChildren || (window.style & WS_CLIPCHILDREN) != 0)
        return;
    for (HWND child : window.children) {
        Window* below = lookUp(child);
        if (below == nullptr || (below->style & WS_VISIBLE) == 0)
            continue;
        RectangleSet covered = added;
        covered.offset({-below->rect.left, -below->rect.top});
        invalidate(*below, covered, erase, true);
    }
}

HWND windowToPaint(HWND only)
{
    if (only != nullptr) {
        const Window* window = lookUp(only);
        return window != nullptr && needsPaint(*window) ? only : nullptr;
    }
    for (HWND topLevel : topLevelWindows())
        if (Window* window = lookUp(topLevel))
            if (const Window* found = firstToPaint(*window))
                return found->handle;
    return nullptr;
}

} // namespace platform::window

BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    platform::window::invalidate(
        *window, RectangleSet(rect != nullptr ? *rect : clientArea(*window)), erase != FALSE, true);
    return TRUE;
}

BOOL ValidateRect(HWND handle, const RECT* rect)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    if (rect == nullptr) {
        window->update = {};
        window->internalPaint = false;
    } else {
        window->update.subtract(*rect);
    }
    if (window->update.empty())
        window->eraseBackground = false;
    return TRUE;
}

BOOL GetUpdateRect(HWND handle, RECT* rect, BOOL erase)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    if (rect != nullptr)
        *rect = window->update.bounds();
    if (erase != FALSE && window->eraseBackground && !window->update.empty()) {
        HDC dc = platform::window::openWindowDC(*window, &window->update);
        window->eraseBackground = erasePending(*window, dc);
        ReleaseDC(handle, dc);
    }
    return window->update.empty() ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND handle)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    if (platform::window::isShown(*window) && !window->update.empty())
        SendMessageA(handle, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL RedrawWindow(HWND handle, const RECT* rect, HRGN region, UINT flags)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return FALSE;
    RECT area = rect != nullptr ? *rect : clientArea(*window);
    if (region != nullptr) {
        const auto* held = platform::gdi::find<platform::gdi::Region>(region, "RedrawWindow");
        if (held == nullptr)
            return FALSE;
        area = held->box;
    }
    if ((flags & RDW_INVALIDATE) != 0)
        platform::window::invalidate(*window, RectangleSet(area), false, true);
    if ((flags & RDW_INTERNALPAINT) != 0)
        window->internalPaint = true;
    return TRUE;
}

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint)
{
    platform::window::checkThread();
    Window* window = platform::window::find(handle);
    if (window == nullptr)
        return nullptr;
    if (paint == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const RectangleSet region = window->update;
    const bool erase = window->eraseBackground;
    window->update = {};
    window->eraseBackground = false;
    window->internalPaint = false;
    HDC dc = platform::window::openWindowDC(*window, &region);
    *paint = {.dc = dc, .erase = FALSE, .paint = region.bounds()};
    if (erase)
        paint->erase = erasePending(*window, dc) ? TRUE : FALSE;
    return dc;
}

BOOL EndPaint(HWND handle, const PAINTSTRUCT* paint)
{
    platform::window::checkThread();
    if (paint == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (ReleaseDC(handle, paint->dc) != 1)
        return FALSE;
    platform::desktop::painted(handle);
    return TRUE;
}
