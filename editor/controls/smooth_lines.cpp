#include "editor/controls/smooth_lines.h"

#include "toolkit/draw_context.h"

#include <cmath>
#include <utility>

namespace editor {

namespace {

float fractionalPart(float v)
{
    return v - std::floor(v);
}

float remainingPart(float v)
{
    return 1.0f - fractionalPart(v);
}

} // namespace

void blendPixel(std::int32_t x, std::int32_t y, float alpha, Toolkit::CColor colour, Toolkit::CDrawContext* context)
{
    const Toolkit::CColor old = context->getPoint({x, y});
    const auto mix = [alpha](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>(static_cast<float>(from) * (1.0f - alpha) + static_cast<float>(to) * alpha);
    };
    context->drawPoint({x, y}, {mix(old.red, colour.red), mix(old.green, colour.green), mix(old.blue, colour.blue), 255});
}

// Wu's line: along the major axis, each step covers the two pixels across it in proportion to where
// the line passes between their centres.
void drawSmoothLine(float x1, float y1, float x2, float y2, Toolkit::CDrawContext* context)
{
    // Pixel centres lie half a pixel inside their corners.
    x1 -= 0.5f;
    y1 -= 0.5f;
    x2 -= 0.5f;
    y2 -= 0.5f;
    const bool steep = std::fabs(y2 - y1) > std::fabs(x2 - x1);
    if (steep) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const Toolkit::CColor colour = context->getFrameColor();
    const auto plot = [&](std::int32_t major, std::int32_t minor, float alpha) {
        if (steep)
            blendPixel(minor, major, alpha, colour, context);
        else
            blendPixel(major, minor, alpha, colour, context);
    };
    const float dx = x2 - x1;
    const float gradient = dx == 0.0f ? 1.0f : (y2 - y1) / dx;

    const float xEnd1 = std::round(x1);
    const float yEnd1 = y1 + gradient * (xEnd1 - x1);
    const float gap1 = remainingPart(x1 + 0.5f);
    const auto first = static_cast<std::int32_t>(xEnd1);
    const auto firstRow = static_cast<std::int32_t>(std::floor(yEnd1));
    plot(first, firstRow, remainingPart(yEnd1) * gap1);
    plot(first, firstRow + 1, fractionalPart(yEnd1) * gap1);

    const float xEnd2 = std::round(x2);
    const float yEnd2 = y2 + gradient * (xEnd2 - x2);
    const float gap2 = fractionalPart(x2 + 0.5f);
    const auto last = static_cast<std::int32_t>(xEnd2);
    const auto lastRow = static_cast<std::int32_t>(std::floor(yEnd2));
    plot(last, lastRow, remainingPart(yEnd2) * gap2);
    plot(last, lastRow + 1, fractionalPart(yEnd2) * gap2);

    float across = yEnd1 + gradient;
    for (std::int32_t major = first + 1; major < last; ++major) {
        const auto row = static_cast<std::int32_t>(std::floor(across));
        plot(major, row, remainingPart(across));
        plot(major, row + 1, fractionalPart(across));
        across += gradient;
    }
}

void drawSmoothPolyline(const float* x, const float* y, std::int32_t count, Toolkit::CDrawContext* context)
{
    for (std::int32_t i = 1; i < count; ++i)
        drawSmoothLine(x[i - 1], y[i - 1], x[i], y[i], context);
}

} // namespace editor
