#include "hostlibs/extension/port_text.h"

extern "C" {

void HostExtTextBox(const char* text, std::int32_t length, const HostRect* rect, std::int16_t alignment)
{
    HostPort port = hostext::graphics().current;
    if (port == nullptr || text == nullptr || length <= 0 || rect == nullptr)
        return;
    const hostext::TextFont font(port->text);
    if (!font.usable())
        return;
    const std::string_view characters(text, static_cast<std::size_t>(length));
    const RECT box = hostext::toRect(*rect);
    int baseline = box.top + font.ascent();
    for (const hostext::TextLine& line : hostext::wrapLines(characters, box.right - box.left, font)) {
        // Lines that start below the box would all be clipped away.
        if (baseline - font.ascent() >= box.bottom)
            break;
        const std::string_view shown = characters.substr(line.start, line.end - line.start);
        if (!shown.empty())
            hostext::paintText(*port, font, hostext::alignedStart(box.left, box.right, font.width(shown), alignment),
                baseline, shown, box, hostext::toColour(port->fore));
        baseline += font.lineHeight();
    }
}

} // extern "C"
