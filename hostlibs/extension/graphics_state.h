#pragma once

// The records behind the toolbox's graphics handles and the state the graphics units share. Host main
// thread only.

#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_text.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/rectangle_set.h"

#include <functional>
#include <vector>

namespace hostext {

// Empty pixels: the plain pattern.
struct PixelPattern {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    bool plain() const { return pixels.empty(); }
    COLORREF at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

// Where a drawing's pixels take their colour from: the pattern when it is not plain, else the colour.
struct PaintSource {
    COLORREF colour;
    const PixelPattern* pattern;
};

} // namespace hostext

struct HostRegionRecord {
    platform::RectangleSet area;
};

struct HostPixelPatternRecord {
    hostext::PixelPattern pattern;
};

struct HostPortRecord {
    // One of the two: the window drawn into, or the offscreen pixels.
    HWND window = nullptr;
    HDC offscreen = nullptr;
    HBITMAP offscreenBitmap = nullptr;
    SIZE offscreenSize{};
    HostPoint origin{0, 0};
    platform::RectangleSet clip;
    HostPoint pen{0, 0};
    HostPoint penSize{1, 1};
    std::int16_t penMode = 8;
    HostColor fore{0, 0, 0};
    HostColor back{0xFFFF, 0xFFFF, 0xFFFF};
    hostext::PixelPattern backPattern;
    HostTextSettings text{0, 0, 0, 1};
    bool logging = false;
    std::vector<hostext::PortOperation> log;
};

namespace hostext {

struct GraphicsState {
    HostPort current = nullptr;
    int ports = 0;
    int regions = 0;
    int patterns = 0;
    int pictures = 0;
    std::vector<HostTextEdit> textEdits;
};

GraphicsState& graphics();

RECT toRect(const HostRect& rect);
// Cut to the 16-bit range.
HostRect toHostRect(const RECT& rect);
COLORREF toColour(const HostColor& colour);
// Everything a 16-bit coordinate can reach.
RECT everywhere();

// Records over the port draw nothing from now on: it is being disposed of.
void forgetPortOfTextEdits(HostPort port);

// The port's pixels in its local coordinates.
RECT portArea(const HostPortRecord& port);

// Paints the area (local coordinates) of the port within its clip and its pixels and away from its
// window's child windows, and logs the operation when the port logs: `paint` gets the port's device
// context and what is left of the area, in the context's coordinates (local ones less the origin).
using AreaPainter = std::function<void(HDC dc, const platform::RectangleSet& pixels)>;
void paintWith(HostPortRecord& port, platform::RectangleSet area, PortOperation logged, const AreaPainter& paint);

// paintWith, painting in the source's colour or pattern.
void paintArea(HostPortRecord& port, platform::RectangleSet area, const PaintSource& source, PortOperation logged);

} // namespace hostext
