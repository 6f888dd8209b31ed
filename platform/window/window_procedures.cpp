#include "platform/window/window_procedures.h"

#include "platform/gdi/drawing.h"
#include "platform/last_error.h"
#include "platform/window/cursors.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/painting.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_data.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_table.h"

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    platform::window::checkThread();
    const platform::window::Window* window = platform::window::find(handle);
    if (window == nullptr)
        return 0;
    const platform::window::WindowClass& windowClass = *window->windowClass;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(handle, &paint);
        EndPaint(handle, &paint);
        return 0;
    }
    case WM_ERASEBKGND: {
        if (windowClass.background == nullptr)
            return 0;
        const RECT client{0, 0, window->width(), window->height()};
        FillRect(reinterpret_cast<HDC>(wParam), &client, windowClass.background);
        return 1;
    }
    case WM_SETCURSOR:
        if (windowClass.cursor == nullptr)
            return FALSE;
        SetCursor(windowClass.cursor);
        return TRUE;
    case WM_MOUSEWHEEL:
        return window->parent != nullptr ? SendMessageA(window->parent, message, wParam, lParam) : 0;
    case WM_CLOSE: DestroyWindow(handle); return 0;
    case WM_SETTEXT: platform::window::setText(handle, reinterpret_cast<LPCSTR>(lParam)); return TRUE;
    case WM_GETTEXT:
        return platform::window::copyText(window->text, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
    default: return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (procedure == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return procedure(window, message, wParam, lParam);
}
