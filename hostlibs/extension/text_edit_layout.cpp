#include "hostlibs/extension/text_edit_record.h"

#include "hostlibs/extension/port_text.h"
#include "platform/gdi/blits.h"

#include <algorithm>
#include <vector>

namespace {

using hostext::TextFont;
using hostext::TextLine;
using platform::RectangleSet;

constexpr DWORD kInvert = platform::rasterOperation([](bool, bool, bool destination) { return !destination; });

struct Layout {
    explicit Layout(const HostTextEditRecord& record) :
        record(record), box(hostext::toRect(record.rect)), font(record.settings),
        lines(hostext::wrapLines(record.text, box.right - box.left, font))
    {
    }

    std::string_view shown(const TextLine& line) const
    {
        return std::string_view(record.text).substr(line.start, line.end - line.start);
    }
    int lineLeft(const TextLine& line) const
    {
        return hostext::alignedStart(box.left, box.right, font.width(shown(line)), record.alignment);
    }
    int top(std::size_t index) const { return box.top + static_cast<int>(index) * font.lineHeight(); }
    // The line holding the offset: the last one starting at or before it.
    std::size_t lineOf(std::size_t offset) const
    {
        std::size_t index = 0;
        while (index + 1 < lines.size() && lines[index + 1].start <= offset)
            ++index;
        return index;
    }
    int xOf(const TextLine& line, std::size_t offset) const
    {
        const std::size_t drawn = std::clamp(offset, line.start, line.end);
        return lineLeft(line) + font.width(std::string_view(record.text).substr(line.start, drawn - line.start));
    }

    const HostTextEditRecord& record;
    RECT box;
    TextFont font;
    std::vector<TextLine> lines;
};

RectangleSet selectionArea(const Layout& layout, std::size_t start, std::size_t end)
{
    RectangleSet area;
    for (std::size_t index = 0; index < layout.lines.size(); ++index) {
        const TextLine& line = layout.lines[index];
        const bool last = index + 1 == layout.lines.size();
        if (end <= line.start || (start >= line.next && !last))
            continue;
        const int left = layout.xOf(line, std::max(start, line.start));
        // A selection that goes on to the next line runs to the rectangle's edge.
        const int right = end >= line.next && !last ? static_cast<int>(layout.box.right) : layout.xOf(line, end);
        area.add(RECT{left, layout.top(index), right, layout.top(index) + layout.font.lineHeight()});
    }
    return area;
}

RectangleSet caretArea(const Layout& layout, std::size_t offset)
{
    const std::size_t index = layout.lineOf(offset);
    const int x = std::clamp<int>(layout.xOf(layout.lines[index], offset), layout.box.left, layout.box.right - 1);
    return RectangleSet(RECT{x, layout.top(index), x + 1, layout.top(index) + layout.font.lineHeight()});
}

void invert(HostPortRecord& port, RectangleSet area, const RECT& bounds)
{
    area.intersect(bounds);
    hostext::paintWith(port, area, {"invert", hostext::toHostRect(area.bounds()), {0, 0, 0}, false, {}},
        [](HDC dc, const RectangleSet& pixels) {
            for (const RECT& part : pixels.rectangles())
                BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, nullptr, 0, 0, kInvert);
        });
}

void invertHighlightWithin(HostTextEditRecord& record, const Layout& layout, const RECT& within)
{
    if (!record.active || record.port == nullptr || !layout.font.usable())
        return;
    if (record.selectionStart < record.selectionEnd)
        invert(*record.port, selectionArea(layout, record.selectionStart, record.selectionEnd), within);
    else if (record.caretShown)
        invert(*record.port, caretArea(layout, record.selectionStart), within);
}

} // namespace

namespace hostext {

std::size_t offsetAt(const HostTextEditRecord& record, HostPoint point)
{
    const Layout layout(record);
    if (!layout.font.usable())
        return 0;
    const int row = point.v < layout.box.top ? 0 : (point.v - layout.box.top) / layout.font.lineHeight();
    const TextLine& line = layout.lines[std::min<std::size_t>(static_cast<std::size_t>(row), layout.lines.size() - 1)];
    int x = layout.lineLeft(line);
    for (std::size_t offset = line.start; offset < line.end; ++offset) {
        const int width = layout.font.width(std::string_view(record.text).substr(offset, 1));
        // Left of a character's middle is before it.
        if (point.h < x + width / 2)
            return offset;
        x += width;
    }
    return line.end;
}

void drawTextEdit(HostTextEditRecord& record, const RECT& within)
{
    if (record.port == nullptr)
        return;
    HostPortRecord& port = *record.port;
    const Layout layout(record);
    RECT bounds = layout.box;
    bounds = {std::max(bounds.left, within.left), std::max(bounds.top, within.top),
        std::min(bounds.right, within.right), std::min(bounds.bottom, within.bottom)};
    if (bounds.left >= bounds.right || bounds.top >= bounds.bottom)
        return;
    paintArea(port, RectangleSet(bounds), {toColour(port.back), nullptr},
        {"erase", toHostRect(bounds), port.back, false, {}});
    if (!layout.font.usable())
        return;
    for (std::size_t index = 0; index < layout.lines.size(); ++index) {
        const TextLine& line = layout.lines[index];
        if (line.end > line.start)
            paintText(port, layout.font, layout.lineLeft(line), layout.top(index) + layout.font.ascent(),
                layout.shown(line), bounds, toColour(port.fore));
    }
    invertHighlightWithin(record, layout, bounds);
}

void invertHighlight(HostTextEditRecord& record)
{
    const Layout layout(record);
    invertHighlightWithin(record, layout, layout.box);
}

} // namespace hostext
