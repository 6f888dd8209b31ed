#include "hostlibs/extension/graphics_state.h"

// What a port draws with: its colours, its pen and its text settings.

namespace {

using hostext::graphics;

constexpr HostColor kBlack{0, 0, 0};
constexpr HostColor kWhite{0xFFFF, 0xFFFF, 0xFFFF};

void setConstantColour(HostColor& colour, std::int32_t constant)
{
    if (constant == kHostBlackConstant)
        colour = kBlack;
    else if (constant == kHostWhiteConstant)
        colour = kWhite;
}

} // namespace

extern "C" {

void HostExtRGBForeColor(const HostColor* colour)
{
    if (HostPort port = graphics().current; port != nullptr && colour != nullptr)
        port->fore = *colour;
}

void HostExtRGBBackColor(const HostColor* colour)
{
    if (HostPort port = graphics().current; port != nullptr && colour != nullptr)
        port->back = *colour;
}

void HostExtGetForeColor(HostColor* colour)
{
    if (HostPort port = graphics().current; port != nullptr && colour != nullptr)
        *colour = port->fore;
}

void HostExtGetBackColor(HostColor* colour)
{
    if (HostPort port = graphics().current; port != nullptr && colour != nullptr)
        *colour = port->back;
}

void HostExtForeColor(std::int32_t constant)
{
    if (HostPort port = graphics().current)
        setConstantColour(port->fore, constant);
}

void HostExtBackColor(std::int32_t constant)
{
    if (HostPort port = graphics().current)
        setConstantColour(port->back, constant);
}

void HostExtPenSize(std::int16_t width, std::int16_t height)
{
    if (HostPort port = graphics().current)
        port->penSize = {height, width};
}

void HostExtPenMode(std::int16_t mode)
{
    if (HostPort port = graphics().current)
        port->penMode = mode;
}

void HostExtPenNormal()
{
    if (HostPort port = graphics().current) {
        port->penSize = {1, 1};
        port->penMode = 8;
    }
}

void HostExtGetPen(HostPoint* point)
{
    if (HostPort port = graphics().current; port != nullptr && point != nullptr)
        *point = port->pen;
}

void HostExtMoveTo(std::int16_t h, std::int16_t v)
{
    if (HostPort port = graphics().current)
        port->pen = {v, h};
}

void HostExtMove(std::int16_t dh, std::int16_t dv)
{
    if (HostPort port = graphics().current)
        port->pen = {static_cast<std::int16_t>(port->pen.v + dv), static_cast<std::int16_t>(port->pen.h + dh)};
}

void HostExtTextFont(std::int16_t font)
{
    if (HostPort port = graphics().current)
        port->text.font = font;
}

void HostExtTextSize(std::int16_t size)
{
    if (HostPort port = graphics().current)
        port->text.size = size;
}

void HostExtTextFace(std::int16_t face)
{
    if (HostPort port = graphics().current)
        port->text.face = face;
}

void HostExtTextMode(std::int16_t mode)
{
    if (HostPort port = graphics().current)
        port->text.mode = mode;
}

void HostExtGetTextSettings(HostTextSettings* settings)
{
    if (HostPort port = graphics().current; port != nullptr && settings != nullptr)
        *settings = port->text;
}

} // extern "C"
