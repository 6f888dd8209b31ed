#include "platform/window/edit/edit_layout.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text.h"
#include "platform/window/edit/edit_control.h"
#include "platform/window/window_table.h"

#include <algorithm>

namespace platform::window {

namespace {

RECT areaOf(const Window& window, const EditField& field)
{
    const int left = std::clamp(field.leftMargin, 0, window.width());
    const int right = std::max(left, window.width() - field.rightMargin);
    return {left, 0, right, window.height()};
}

// The text with the caret after it.
int spanOf(HDC dc, const Window& window)
{
    return textWidth(dc, window.text) + kCaretWidth;
}

std::size_t caretOf(const Window& window, const EditField& field)
{
    return std::min(field.line.caret(), window.text.size());
}

} // namespace

HGDIOBJ fontOf(const EditField& field)
{
    return field.font != nullptr ? static_cast<HGDIOBJ>(field.font) : GetStockObject(SYSTEM_FONT);
}

int textWidth(HDC dc, std::string_view text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.width;
}

EditGeometry layOut(HDC dc, const Window& window, const EditField& field)
{
    const RECT area = areaOf(window, field);
    const int free = (area.right - area.left) - spanOf(dc, window);
    if (free < 0)
        return {area, area.left - field.scroll};
    int left = area.left;
    if ((window.style & ES_CENTER) != 0)
        left += free / 2;
    else if ((window.style & ES_RIGHT) != 0)
        left += free;
    return {area, left};
}

void scrollToCaret(HDC dc, const Window& window, EditField& field)
{
    const RECT area = areaOf(window, field);
    const int span = spanOf(dc, window);
    const int visible = std::max(static_cast<int>(area.right - area.left), kCaretWidth);
    if ((window.style & ES_AUTOHSCROLL) == 0 || span <= visible) {
        field.scroll = 0;
        return;
    }
    const int caretX = textWidth(dc, std::string_view(window.text).substr(0, caretOf(window, field)));
    int scroll = std::max(field.scroll, caretX - (visible - kCaretWidth));
    scroll = std::min(scroll, caretX);
    // Nothing empty is shown at the right while the text could fill it.
    field.scroll = std::clamp(scroll, 0, span - visible);
}

bool fitsBetweenMargins(HDC dc, const Window& window, const EditField& field)
{
    const RECT area = areaOf(window, field);
    return spanOf(dc, window) <= area.right - area.left;
}

std::size_t positionAt(HDC dc, const Window& window, const EditField& field, int x)
{
    int offset = x - layOut(dc, window, field).textLeft;
    for (std::size_t position = 0; position < window.text.size(); ++position) {
        const int width = textWidth(dc, std::string_view(window.text).substr(position, 1));
        if (2 * offset < width)
            return position;
        offset -= width;
    }
    return window.text.size();
}

MeasuringDC::MeasuringDC(const EditField& field)
    : dc_(CreateCompatibleDC(nullptr)), previousFont_(SelectObject(dc_, fontOf(field)))
{
}

MeasuringDC::~MeasuringDC()
{
    SelectObject(dc_, previousFont_);
    DeleteDC(dc_);
}

} // namespace platform::window
