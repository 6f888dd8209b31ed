#include "toolkit/frame_window.h"

#include "platform/module_loading.h"
#include "platform/window/cursors.h"
#include "platform/window/message_numbers.h"
#include "platform/window/painting.h"
#include "platform/window/system_colours.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_data.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_styles.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/process_state.h"

#include <cstdio>

namespace Toolkit {

namespace {

int classUsers = 0;
char className[32] = {};

// Both halves signed: a point left of or above the window is negative.
POINT pointOf(LPARAM lParam)
{
    return {static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam))),
        static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)))};
}

// Painting goes through the back buffer, so the window only ever receives finished pictures.
void paint(CFrame& frame, HWND window)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    const CRect area{paint.paint.left, paint.paint.top, paint.paint.right, paint.paint.bottom};
    if (COffscreenContext* buffer = frame.getBackBuffer(); buffer != nullptr) {
        frame.drawRect(buffer, area);
        CDrawContext onWindow(&frame, dc, window);
        buffer->copyFrom(&onWindow, area, area.topLeft());
    } else {
        CDrawContext* direct = new CDrawContext(&frame, dc, window);
        frame.drawRect(direct, area);
        direct->forget();
    }
    EndPaint(window, &paint);
}

} // namespace

const char* useFrameWindowClass()
{
    if (++classUsers == 1) {
        HINSTANCE module = GetModuleHandleA(nullptr);
        std::snprintf(className, sizeof className, "Plugin%p", static_cast<void*>(module));
        const WNDCLASSA description{.style = CS_GLOBALCLASS,
            .windowProc = &frameWindowProcedure,
            .classExtraBytes = 0,
            .windowExtraBytes = 0,
            .instance = module,
            .icon = nullptr,
            .cursor = LoadCursorA(nullptr, IDC_ARROW),
            .background = GetSysColorBrush(COLOR_BTNFACE),
            .menuName = nullptr,
            .className = className};
        RegisterClassA(&description);
        readSwapButtons();
    }
    return className;
}

void releaseFrameWindowClass()
{
    if (--classUsers == 0)
        UnregisterClassA(className, GetModuleHandleA(nullptr));
}

LRESULT frameWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* frame = reinterpret_cast<CFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (frame == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        frame->setOpenFlag(false);
        frame->systemWindow = nullptr;
        break;
    case WM_PAINT:
        if (GetUpdateRect(window, nullptr, FALSE) == FALSE)
            break;
        paint(*frame, window);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        CDrawContext* context = new CDrawContext(frame, nullptr, window);
        const POINT where = pointOf(lParam);
        frame->mouse(context, {where.x, where.y}, kButtonsUnread);
        context->forget();
        return 0;
    }
    case WM_MOUSEWHEEL: {
        // The position comes on the screen; views are found in the window's own coordinates.
        POINT where = pointOf(lParam);
        ScreenToClient(window, &where);
        const float distance = static_cast<SHORT>(HIWORD(wParam)) / static_cast<float>(WHEEL_DELTA);
        CDrawContext* context = new CDrawContext(frame, nullptr, window);
        frame->onWheel(context, {where.x, where.y}, distance);
        context->forget();
        // The parent hears of the turn too.
        break;
    }
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace Toolkit
