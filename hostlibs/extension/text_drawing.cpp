#include "hostlibs/extension/port_text.h"

#include <algorithm>
#include <string_view>

// Measuring and drawing runs of characters with the current port's text settings.

namespace {

using hostext::graphics;

// The characters first..first+count-1, nothing when either is negative.
std::string_view run(const char* text, std::int16_t first, std::int16_t count)
{
    if (text == nullptr || first < 0 || count <= 0)
        return {};
    return {text + first, static_cast<std::size_t>(count)};
}

} // namespace

extern "C" {

void HostExtGetFontInfo(HostFontInfo* info)
{
    HostPort port = graphics().current;
    if (port == nullptr || info == nullptr)
        return;
    const hostext::TextFont font(port->text);
    *info = font.info();
}

std::int16_t HostExtTextWidth(const char* text, std::int16_t first, std::int16_t count)
{
    HostPort port = graphics().current;
    if (port == nullptr)
        return 0;
    const hostext::TextFont font(port->text);
    return static_cast<std::int16_t>(std::min(font.width(run(text, first, count)), int{INT16_MAX}));
}

void HostExtDrawText(const char* text, std::int16_t first, std::int16_t count)
{
    HostPort port = graphics().current;
    if (port == nullptr)
        return;
    const hostext::TextFont font(port->text);
    const std::string_view characters = run(text, first, count);
    if (!font.usable() || characters.empty())
        return;
    hostext::paintText(*port, font, port->pen.h, port->pen.v, characters, hostext::everywhere(),
        hostext::toColour(port->fore));
    port->pen.h = static_cast<std::int16_t>(port->pen.h + font.width(characters));
}

} // extern "C"
