// A window on the desktop, to check by hand that the window stand-in shows its windows there and takes
// live input: it draws a few shapes and text, marks where the pointer is, opens an owner-drawn pop-up
// menu where the right button is pressed, counts seconds on a timer, takes files dropped on it, and
// prints every message it receives. It needs a desktop; headless it says so and ends.

#include "platform/desktop/desktop_switch.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text.h"
#include "platform/menu/owner_drawn_items.h"
#include "platform/menu/popup_menus.h"
#include "platform/menu/track_popup_menu.h"
#include "platform/ole/drag_drop_registry.h"
#include "platform/ole/ole_initialize.h"
#include "platform/shell/drop_files.h"
#include "platform/window/cursors.h"
#include "platform/window/focus.h"
#include "platform/window/input_state.h"
#include "platform/window/keyboard_layout.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/painting.h"
#include "platform/window/timers.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_layout.h"
#include "platform/window/window_lifetime.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_styles.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 320;
constexpr UINT_PTR kSecondsTimer = 1;
constexpr UINT kQuit = 100;
// Over this box the pointer is a hand.
constexpr RECT kHandBox{300, 150, 440, 230};

struct Shown {
    POINT pointer{-1, -1};
    std::string status = "Right-click for the menu; drop files here";
    int seconds = 0;
};

Shown shown;

const char* nameOf(UINT message)
{
    switch (message) {
    case WM_DESTROY: return "WM_DESTROY";
    case WM_CLOSE: return "WM_CLOSE";
    case WM_PAINT: return "WM_PAINT";
    case WM_ERASEBKGND: return "WM_ERASEBKGND";
    case WM_SETFOCUS: return "WM_SETFOCUS";
    case WM_KILLFOCUS: return "WM_KILLFOCUS";
    case WM_SETCURSOR: return "WM_SETCURSOR";
    case WM_TIMER: return "WM_TIMER";
    case WM_COMMAND: return "WM_COMMAND";
    case WM_MEASUREITEM: return "WM_MEASUREITEM";
    case WM_DRAWITEM: return "WM_DRAWITEM";
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_KEYUP: return "WM_KEYUP";
    case WM_CHAR: return "WM_CHAR";
    case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
    case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP: return "WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
    case WM_RBUTTONDOWN: return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP: return "WM_RBUTTONUP";
    case WM_RBUTTONDBLCLK: return "WM_RBUTTONDBLCLK";
    case WM_MBUTTONDOWN: return "WM_MBUTTONDOWN";
    case WM_MBUTTONUP: return "WM_MBUTTONUP";
    case WM_MBUTTONDBLCLK: return "WM_MBUTTONDBLCLK";
    case WM_MOUSEWHEEL: return "WM_MOUSEWHEEL";
    default: return "message";
    }
}

POINT clientPoint(LPARAM lParam)
{
    return {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

void fill(HDC dc, const RECT& area, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void text(HDC dc, int x, int y, const std::string& line)
{
    TextOutA(dc, x, y, line.c_str(), static_cast<int>(line.size()));
}

void paint(HWND window)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    fill(dc, {0, 0, kWidth, kHeight}, RGB(34, 40, 49));
    fill(dc, {20, 60, 160, 140}, RGB(16, 154, 154));
    fill(dc, kHandBox, RGB(60, 70, 84));

    HPEN pen = CreatePen(PS_SOLID, 1, RGB(240, 240, 240));
    HBRUSH orange = CreateSolidBrush(RGB(235, 140, 40));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, orange);
    Ellipse(dc, 180, 60, 280, 140);
    const POINT triangle[]{{300, 140}, {370, 60}, {440, 140}};
    Polygon(dc, triangle, 3);
    for (int x = 20; x < kWidth - 20; x += 20) {
        MoveToEx(dc, x, 260, nullptr);
        LineTo(dc, x + 10, (x / 20) % 2 == 0 ? 240 : 280);
    }
    if (shown.pointer.x >= 0) {
        MoveToEx(dc, shown.pointer.x - 8, shown.pointer.y, nullptr);
        LineTo(dc, shown.pointer.x + 9, shown.pointer.y);
        MoveToEx(dc, shown.pointer.x, shown.pointer.y - 8, nullptr);
        LineTo(dc, shown.pointer.x, shown.pointer.y + 9);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(orange);
    DeleteObject(pen);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(240, 240, 240));
    text(dc, 20, 16, "Kravo desktop window");
    text(dc, 20, 160, shown.status);
    text(dc, 20, 190, "Seconds: " + std::to_string(shown.seconds));
    text(dc, 310, 200, "Hand cursor here");
    EndPaint(window, &paint);
}

// The menu's owner-drawn items: each item's data is its text.
void measureItem(HWND window, MEASUREITEMSTRUCT& measure)
{
    const char* label = reinterpret_cast<const char*>(measure.itemData);
    if (std::strcmp(label, "-") == 0) {
        measure.itemWidth = 6;
        measure.itemHeight = 7;
        return;
    }
    HDC dc = GetDC(window);
    SIZE size{};
    GetTextExtentPoint32A(dc, label, static_cast<int>(std::strlen(label)), &size);
    ReleaseDC(window, dc);
    measure.itemWidth = static_cast<UINT>(size.width + 36);
    measure.itemHeight = 20;
}

void drawItem(const DRAWITEMSTRUCT& draw)
{
    const char* label = reinterpret_cast<const char*>(draw.itemData);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    fill(draw.dc, draw.item, selected ? RGB(13, 155, 156) : RGB(236, 236, 236));
    if (std::strcmp(label, "-") == 0) {
        fill(draw.dc, {draw.item.left + 4, draw.item.top + 3, draw.item.right - 4, draw.item.top + 4},
            RGB(140, 140, 140));
        return;
    }
    SetBkMode(draw.dc, TRANSPARENT);
    SetTextColor(draw.dc, selected ? RGB(255, 255, 255) : RGB(34, 34, 34));
    text(draw.dc, draw.item.left + 18, draw.item.top + 2, label);
}

// Item ids from 1; the menu's items keep pointers to these texts.
const char* const kItems[]{"", "Kick", "Snare", "Closed hat", "Open hat", "-"};

void showMenu(HWND window, POINT client)
{
    HMENU hats = CreatePopupMenu();
    AppendMenuA(hats, MF_OWNERDRAW, 3, kItems[3]);
    AppendMenuA(hats, MF_OWNERDRAW, 4, kItems[4]);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, 1, kItems[1]);
    AppendMenuA(menu, MF_OWNERDRAW, 2, kItems[2]);
    AppendMenuA(menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(hats), "Hats");
    AppendMenuA(menu, MF_OWNERDRAW | MF_SEPARATOR, 0, kItems[5]);
    AppendMenuA(menu, MF_OWNERDRAW, kQuit, "Quit");
    ClientToScreen(window, &client);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, client.x, client.y, window);
    DestroyMenu(menu);
}

LRESULT procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::printf("%-16s wParam 0x%08lx lParam 0x%08lx\n", nameOf(message), static_cast<unsigned long>(wParam),
        static_cast<unsigned long>(lParam));
    std::fflush(stdout);
    switch (message) {
    case WM_PAINT: paint(window); return 0;
    case WM_MOUSEMOVE:
        shown.pointer = clientPoint(lParam);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_RBUTTONDOWN: showMenu(window, clientPoint(lParam)); return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kQuit) {
            DestroyWindow(window);
            return 0;
        }
        shown.status = std::string("Chosen: ") + kItems[LOWORD(wParam)];
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_MEASUREITEM: measureItem(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DRAWITEM: drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_TIMER:
        ++shown.seconds;
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_SETCURSOR: {
        POINT pointer{};
        GetCursorPos(&pointer);
        ScreenToClient(window, &pointer);
        const bool overBox = pointer.x >= kHandBox.left && pointer.x < kHandBox.right &&
            pointer.y >= kHandBox.top && pointer.y < kHandBox.bottom;
        SetCursor(LoadCursorA(nullptr, overBox ? IDC_HAND : IDC_ARROW));
        return TRUE;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Names the files dropped on the window.
class FileDrops final : public IDropTarget {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        *object = iid == IID_IUnknown || iid == IID_IDropTarget ? this : nullptr;
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override { return copy(effect); }
    HRESULT DragOver(DWORD, POINTL, DWORD* effect) override { return copy(effect); }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override
    {
        FORMATETC format{.cfFormat = CF_HDROP, .ptd = nullptr, .dwAspect = DVASPECT_CONTENT, .lindex = -1,
            .tymed = TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) == S_OK) {
            HDROP drop = static_cast<HDROP>(medium.hGlobal);
            const UINT files = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT index = 0; index < files; ++index) {
                char name[MAX_PATH];
                DragQueryFileA(drop, index, name, sizeof name);
                std::printf("dropped at %ld,%ld: %s\n", static_cast<long>(point.x), static_cast<long>(point.y), name);
                shown.status = std::string("Dropped: ") + name;
            }
            ReleaseStgMedium(&medium);
        }
        InvalidateRect(window, nullptr, FALSE);
        return copy(effect);
    }

    HWND window = nullptr;

private:
    static HRESULT copy(DWORD* effect)
    {
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
};

} // namespace

int main()
{
    if (!platform::showWindowsOnDesktop(true))
        return 1;
    const WNDCLASSA windowClass{.style = CS_DBLCLKS,
        .windowProc = &procedure,
        .classExtraBytes = 0,
        .windowExtraBytes = 0,
        .instance = nullptr,
        .icon = nullptr,
        .cursor = LoadCursorA(nullptr, IDC_ARROW),
        .background = nullptr,
        .menuName = nullptr,
        .className = "KravoDesktopWindow"};
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "KravoDesktopWindow", "Kravo desktop window", WS_VISIBLE, 100, 100, kWidth,
        kHeight, nullptr, nullptr, nullptr, nullptr);
    SetFocus(window);
    SetTimer(window, kSecondsTimer, 1000, nullptr);
    OleInitialize(nullptr);
    FileDrops drops;
    drops.window = window;
    RegisterDragDrop(window, &drops);

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    OleUninitialize();
    platform::showWindowsOnDesktop(false);
    return 0;
}
