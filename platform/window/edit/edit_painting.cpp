#include "platform/window/edit/edit_painting.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text.h"
#include "platform/window/edit/edit_field.h"
#include "platform/window/edit/edit_layout.h"
#include "platform/window/focus.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/painting.h"
#include "platform/window/system_colours.h"
#include "platform/window/window_table.h"

#include <algorithm>
#include <string_view>

namespace platform::window {

namespace {

// Sets the DC's colours as the parent asks and answers the background brush.
HBRUSH askParentForColours(HDC dc, HWND window, HWND parent)
{
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    const auto brush = parent != nullptr ? reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLOREDIT,
                                               reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)))
                                         : nullptr;
    if (brush != nullptr)
        return brush;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

void drawPart(HDC dc, int x, int y, std::string_view part)
{
    TextOutA(dc, x, y, part.data(), static_cast<int>(part.size()));
}

void drawText(HDC dc, const Window& window, const EditField& field, const EditGeometry& geometry, bool focused)
{
    const std::string_view text = window.text;
    const int y = geometry.area.top;
    const std::size_t start = std::min(field.line.selectionStart(), text.size());
    const std::size_t end = std::min(field.line.selectionEnd(), text.size());
    if (!focused || start == end) {
        drawPart(dc, geometry.textLeft, y, text);
        return;
    }
    const int selectedLeft = geometry.textLeft + textWidth(dc, text.substr(0, start));
    const int selectedRight = selectedLeft + textWidth(dc, text.substr(start, end - start));
    drawPart(dc, geometry.textLeft, y, text.substr(0, start));
    drawPart(dc, selectedRight, y, text.substr(end));
    const COLORREF textColour = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    const COLORREF backColour = SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    drawPart(dc, selectedLeft, y, text.substr(start, end - start));
    SetTextColor(dc, textColour);
    SetBkColor(dc, backColour);
}

void drawCaret(HDC dc, const Window& window, const EditField& field, const EditGeometry& geometry)
{
    const std::string_view text = window.text;
    const int x = geometry.textLeft + textWidth(dc, text.substr(0, std::min(field.line.caret(), text.size())));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const RECT caret{x, geometry.area.top, x + kCaretWidth, geometry.area.top + metrics.height};
    HBRUSH brush = CreateSolidBrush(GetTextColor(dc));
    FillRect(dc, &caret, brush);
    DeleteObject(brush);
}

} // namespace

void paintEdit(HWND handle)
{
    const Window* window = lookUp(handle);
    if (window == nullptr)
        return;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(handle, &paint);
    HBRUSH brush = askParentForColours(dc, handle, window->parent);
    // The parent may have ended the edit while it chose the colours.
    window = lookUp(handle);
    if (window == nullptr) {
        EndPaint(handle, &paint);
        return;
    }
    const RECT client{0, 0, window->width(), window->height()};
    FillRect(dc, &client, brush);

    const EditField& field = editFieldOf(handle);
    const HGDIOBJ previousFont = SelectObject(dc, fontOf(field));
    const EditGeometry geometry = layOut(dc, *window, field);
    HRGN clip = CreateRectRgn(geometry.area.left, geometry.area.top, geometry.area.right, geometry.area.bottom);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    SetBkMode(dc, OPAQUE);
    const bool focused = GetFocus() == handle;
    drawText(dc, *window, field, geometry, focused);
    if (focused)
        drawCaret(dc, *window, field, geometry);
    SelectObject(dc, previousFont);
    EndPaint(handle, &paint);
}

} // namespace platform::window
