#include "platform/window/edit/edit_control.h"

#include "platform/window/edit/edit_field.h"
#include "platform/window/edit/edit_layout.h"
#include "platform/window/edit/edit_painting.h"
#include "platform/window/focus.h"
#include "platform/window/message_numbers.h"
#include "platform/window/painting.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_procedures.h"
#include "platform/window/window_table.h"

#include <cstdint>
#include <string>

namespace platform::window {

namespace {

void keepCaretInView(Window& window, EditField& field)
{
    const MeasuringDC measuring(field);
    scrollToCaret(measuring.dc(), window, field);
}

void showChange(Window& window, EditField& field)
{
    keepCaretInView(window, field);
    InvalidateRect(window.handle, nullptr, FALSE);
}

void type(Window& window, EditField& field, char character)
{
    const EditLine before = field.line;
    const std::string previous = window.text;
    if (!field.line.type(window.text, character))
        return;
    if ((window.style & ES_AUTOHSCROLL) == 0) {
        const MeasuringDC measuring(field);
        if (!fitsBetweenMargins(measuring.dc(), window, field)) {
            field.line = before;
            window.text = previous;
            return;
        }
    }
    showChange(window, field);
}

void pressKey(Window& window, EditField& field, WPARAM key)
{
    switch (key) {
    case VK_BACK: field.line.eraseBackward(window.text); break;
    case VK_DELETE: field.line.eraseForward(window.text); break;
    case VK_LEFT: field.line.moveLeft(); break;
    case VK_RIGHT: field.line.moveRight(window.text); break;
    case VK_HOME: field.line.moveHome(); break;
    case VK_END: field.line.moveEnd(window.text); break;
    default: return;
    }
    showChange(window, field);
}

void click(HWND handle, LPARAM where)
{
    SetFocus(handle);
    // Whoever lost the focus may have ended this window.
    Window* window = lookUp(handle);
    if (window == nullptr)
        return;
    EditField& field = editFieldOf(handle);
    {
        const MeasuringDC measuring(field);
        const auto x = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(where)));
        field.line.placeCaret(positionAt(measuring.dc(), *window, field, x), window->text);
    }
    showChange(*window, field);
}

} // namespace

LRESULT editWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = lookUp(handle);
    if (window == nullptr)
        return DefWindowProcA(handle, message, wParam, lParam);
    EditField& field = editFieldOf(handle);
    switch (message) {
    case WM_PAINT: paintEdit(handle); return 0;
    case WM_CHAR: type(*window, field, static_cast<char>(wParam)); return 0;
    case WM_KEYDOWN: pressKey(*window, field, wParam); return 0;
    case WM_LBUTTONDOWN: click(handle, lParam); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(handle, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(handle, message, wParam, lParam);
        field.line.reset();
        field.scroll = 0;
        InvalidateRect(handle, nullptr, FALSE);
        return result;
    }
    case WM_SETFONT:
        field.font = reinterpret_cast<HFONT>(wParam);
        keepCaretInView(*window, field);
        if (lParam != 0)
            InvalidateRect(handle, nullptr, FALSE);
        return 0;
    case EM_SETSEL:
        field.line.select(static_cast<LONG_PTR>(wParam), static_cast<LONG_PTR>(lParam), window->text);
        showChange(*window, field);
        return 0;
    case EM_LIMITTEXT: field.line.setLimit(wParam); return 0;
    case EM_SETMARGINS:
        if ((wParam & EC_LEFTMARGIN) != 0)
            field.leftMargin = LOWORD(static_cast<std::uintptr_t>(lParam));
        if ((wParam & EC_RIGHTMARGIN) != 0)
            field.rightMargin = HIWORD(static_cast<std::uintptr_t>(lParam));
        showChange(*window, field);
        return 0;
    default: return DefWindowProcA(handle, message, wParam, lParam);
    }
}

} // namespace platform::window
