#include "toolkit/frame_window.h"

#include "platform/menu/owner_drawn_items.h"
#include "platform/module_resources.h"
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
#include "toolkit/option_menu.h"
#include "toolkit/option_menu_scheme.h"
#include "toolkit/process_state.h"
#include "toolkit/text_edit.h"

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

// Owner-drawn items belong to the pop-up of the option menu that has the focus while it is open; they
// are drawn in its scheme. Null when the focus is elsewhere or the menu has no scheme.
COptionMenuScheme* schemeOfOpenMenu(CFrame& frame)
{
    CView* focus = frame.getFocusView();
    if (focus == nullptr || !focus->isTypeOf("COptionMenu"))
        return nullptr;
    return static_cast<COptionMenu*>(focus)->getScheme();
}

std::int32_t itemStateOf(UINT state)
{
    std::int32_t bits = 0;
    if ((state & ODS_CHECKED) != 0)
        bits |= COptionMenuScheme::kItemChecked;
    if ((state & (ODS_DISABLED | ODS_GRAYED)) != 0)
        bits |= COptionMenuScheme::kItemDisabled;
    if ((state & ODS_SELECTED) != 0)
        bits |= COptionMenuScheme::kItemSelected;
    return bits;
}

bool measureItem(CFrame& frame, HWND window, MEASUREITEMSTRUCT* item)
{
    COptionMenuScheme* scheme = schemeOfOpenMenu(frame);
    if (item == nullptr || item->type != ODT_MENU || item->itemData == 0 || scheme == nullptr)
        return false;
    CDrawContext* context = new CDrawContext(&frame, nullptr, window);
    CPoint size;
    scheme->getItemSize(reinterpret_cast<const char*>(item->itemData), context, size);
    context->forget();
    item->itemWidth = static_cast<UINT>(size.h);
    item->itemHeight = static_cast<UINT>(size.v);
    return true;
}

bool drawItem(CFrame& frame, const DRAWITEMSTRUCT* item)
{
    COptionMenuScheme* scheme = schemeOfOpenMenu(frame);
    if (item == nullptr || item->type != ODT_MENU || item->itemData == 0 || scheme == nullptr)
        return false;
    CDrawContext* context = new CDrawContext(&frame, item->dc, nullptr);
    const CRect rect{item->item.left, item->item.top, item->item.right, item->item.bottom + 1};
    scheme->drawItem(reinterpret_cast<const char*>(item->itemData), static_cast<std::int32_t>(item->itemId),
        itemStateOf(item->itemState), context, rect);
    context->forget();
    return true;
}

} // namespace

const char* useFrameWindowClass()
{
    if (++classUsers == 1) {
        // Named after the plug-in's own module: two plug-ins in one process keep their own classes.
        HINSTANCE module = platform::pluginModule();
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
        UnregisterClassA(className, platform::pluginModule());
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
    case WM_MEASUREITEM:
        if (measureItem(*frame, window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return 1;
        break;
    case WM_DRAWITEM:
        if (drawItem(*frame, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return 1;
        break;
    case WM_CTLCOLOREDIT:
        // The one EDIT window in the frame belongs to the text edit that has the focus.
        if (CView* focus = frame->getFocusView(); focus != nullptr && focus->isTypeOf("CTextEdit"))
            return reinterpret_cast<LRESULT>(
                static_cast<CTextEdit*>(focus)->colourEditWindow(reinterpret_cast<HDC>(wParam)));
        break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace Toolkit
