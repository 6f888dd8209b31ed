#include "hostlibs/extension/port_text.h"

#include "hostlibs/extension/host_text.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text.h"

#include <algorithm>

namespace {

bool isBlank(char character)
{
    return character == ' ';
}

bool isBreak(char character)
{
    return character == '\r' || character == '\n';
}

// Past the break at `at`: a carriage return and a line feed after it count as one.
std::size_t afterBreak(std::string_view text, std::size_t at)
{
    return at + (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1);
}

} // namespace

namespace hostext {

void paintText(HostPortRecord& port, const TextFont& font, int h, int baseline, std::string_view text,
    const RECT& within, COLORREF colour)
{
    const int top = baseline - font.ascent();
    const RECT cell{h, top, h + font.width(text), baseline + font.descent()};
    // Slanted and overhanging glyphs may reach beyond the cell's sides.
    platform::RectangleSet area(within);
    area.intersect(RECT{cell.left - font.ascent(), cell.top, cell.right + font.ascent(), cell.bottom});
    const PortOperation logged{"text", toHostRect(cell), port.fore, false, {}};
    paintWith(port, area, logged, [&](HDC dc, const platform::RectangleSet& pixels) {
        const HGDIOBJ previousFont = SelectObject(dc, font.handle());
        const COLORREF previousColour = SetTextColor(dc, colour);
        const int previousMode = SetBkMode(dc, TRANSPARENT);
        // One part of the area at a time, so glyphs are clipped exactly to it.
        for (const RECT& part : pixels.rectangles()) {
            HRGN clip = CreateRectRgn(part.left, part.top, part.right, part.bottom);
            SelectClipRgn(dc, clip);
            DeleteObject(clip);
            TextOutA(dc, h - port.origin.h, top - port.origin.v, text.data(), static_cast<int>(text.size()));
        }
        SelectClipRgn(dc, nullptr);
        SetBkMode(dc, previousMode);
        SetTextColor(dc, previousColour);
        SelectObject(dc, previousFont);
    });
}

std::vector<TextLine> wrapLines(std::string_view text, int width, const TextFont& font)
{
    std::vector<TextLine> lines;
    std::size_t start = 0;
    do {
        std::size_t hardEnd = start;
        while (hardEnd < text.size() && !isBreak(text[hardEnd]))
            ++hardEnd;
        std::size_t fitting = start;
        for (int used = 0; fitting < hardEnd; ++fitting) {
            used += font.width(text.substr(fitting, 1));
            if (used > width)
                break;
        }
        std::size_t end = hardEnd;
        std::size_t next = hardEnd;
        if (fitting < hardEnd) {
            std::size_t blank = fitting;
            while (blank > start && !isBlank(text[blank]))
                --blank;
            end = blank;
            while (end > start && isBlank(text[end - 1]))
                --end;
            next = blank;
            while (next < hardEnd && isBlank(text[next]))
                ++next;
            if (end == start) {
                // No blank to break at: the word is broken where it stops fitting, one character at least.
                end = std::max(fitting, start + 1);
                next = end;
            }
        }
        if (next == hardEnd && hardEnd < text.size())
            next = afterBreak(text, hardEnd);
        lines.push_back({start, end, next});
        // A text ending in a line break has an empty last line, where its caret goes.
        if (next == text.size() && hardEnd < text.size())
            lines.push_back({next, next, next});
        start = next;
    } while (start < text.size());
    return lines;
}

int alignedStart(int left, int right, int width, std::int16_t alignment)
{
    if (alignment == kHostAlignRight)
        return right - width;
    if (alignment == kHostAlignCentre)
        return left + (right - left - width) / 2;
    return left;
}

} // namespace hostext
