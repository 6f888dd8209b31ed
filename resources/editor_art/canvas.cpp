#include "resources/editor_art/canvas.h"

#include <algorithm>
#include <cmath>

namespace editor_art {

namespace {

std::uint8_t channel(float value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

float distanceToSegment(float px, float py, float x0, float y0, float x1, float y1)
{
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float lengthSquared = dx * dx + dy * dy;
    const float projected = lengthSquared > 0 ? ((px - x0) * dx + (py - y0) * dy) / lengthSquared : 0;
    const float along = std::clamp(projected, 0.0f, 1.0f);
    return std::hypot(px - (x0 + along * dx), py - (y0 + along * dy));
}

float roundedBoxDistance(Box box, float radius, float px, float py)
{
    const float halfWidth = (box.right - box.left) / 2;
    const float halfHeight = (box.bottom - box.top) / 2;
    const float r = std::min({radius, halfWidth, halfHeight});
    const float qx = std::abs(px - (box.left + halfWidth)) - (halfWidth - r);
    const float qy = std::abs(py - (box.top + halfHeight)) - (halfHeight - r);
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
}

// Positive outside the edge from (x0, y0) to (x1, y1) of a clockwise polygon (y down).
float edgeDistance(float px, float py, float x0, float y0, float x1, float y1)
{
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float length = std::hypot(dx, dy);
    return length > 0 ? ((px - x0) * dy - (py - y0) * dx) / length : 0;
}

} // namespace

Colour faded(Colour colour, float opacity)
{
    colour.alpha = channel(colour.alpha * opacity);
    return colour;
}

Colour mixed(Colour from, Colour to, float amount)
{
    const auto mix = [amount](std::uint8_t a, std::uint8_t b) { return channel(a + (b - a) * amount); };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue), mix(from.alpha, to.alpha)};
}

Canvas::Canvas(int width, int height) :
    width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height)
{
}

void Canvas::blend(int x, int y, Colour colour, float coverage)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0)
        return;
    Colour& target = pixels_[index(x, y)];
    const float sourceAlpha = colour.alpha / 255.0f * std::min(coverage, 1.0f);
    const float targetAlpha = target.alpha / 255.0f;
    const float keep = targetAlpha * (1 - sourceAlpha);
    const float alpha = sourceAlpha + keep;
    if (alpha <= 0)
        return;
    const auto over = [&](std::uint8_t source, std::uint8_t below) {
        return channel((source * sourceAlpha + below * keep) / alpha);
    };
    target = {over(colour.red, target.red), over(colour.green, target.green), over(colour.blue, target.blue),
        channel(alpha * 255)};
}

void Canvas::fill(int left, int top, int right, int bottom, Colour colour)
{
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x)
            pixels_[index(x, y)] = colour;
}

template <class Distance>
void Canvas::cover(Box bounds, Distance distance, Colour colour)
{
    const int left = std::max(static_cast<int>(std::floor(bounds.left)) - 1, 0);
    const int top = std::max(static_cast<int>(std::floor(bounds.top)) - 1, 0);
    const int right = std::min(static_cast<int>(std::ceil(bounds.right)) + 1, width_);
    const int bottom = std::min(static_cast<int>(std::ceil(bounds.bottom)) + 1, height_);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            blend(x, y, colour, std::clamp(0.5f - distance(x + 0.5f, y + 0.5f), 0.0f, 1.0f));
}

void Canvas::fillRoundedBox(Box box, float radius, Colour colour)
{
    cover(box, [&](float x, float y) { return roundedBoxDistance(box, radius, x, y); }, colour);
}

void Canvas::strokeRoundedBox(Box box, float radius, float lineWidth, Colour colour)
{
    const float half = lineWidth / 2;
    const Box middle{box.left + half, box.top + half, box.right - half, box.bottom - half};
    cover(box, [&](float x, float y) { return std::abs(roundedBoxDistance(middle, radius - half, x, y)) - half; },
        colour);
}

void Canvas::fillCircle(float centreX, float centreY, float radius, Colour colour)
{
    cover({centreX - radius, centreY - radius, centreX + radius, centreY + radius},
        [&](float x, float y) { return std::hypot(x - centreX, y - centreY) - radius; }, colour);
}

void Canvas::strokeArc(float centreX, float centreY, float radius, float lineWidth, float from, float to, Colour colour)
{
    const float half = lineWidth / 2;
    const float startX = centreX + radius * std::sin(from);
    const float startY = centreY - radius * std::cos(from);
    const float endX = centreX + radius * std::sin(to);
    const float endY = centreY - radius * std::cos(to);
    const float reach = radius + half;
    cover({centreX - reach, centreY - reach, centreX + reach, centreY + reach},
        [&](float x, float y) {
            const float angle = std::atan2(x - centreX, centreY - y);
            if (angle >= from && angle <= to)
                return std::abs(std::hypot(x - centreX, y - centreY) - radius) - half;
            return std::min(std::hypot(x - startX, y - startY), std::hypot(x - endX, y - endY)) - half;
        },
        colour);
}

void Canvas::line(float x0, float y0, float x1, float y1, float lineWidth, Colour colour)
{
    const float half = lineWidth / 2;
    cover({std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half},
        [&](float x, float y) { return distanceToSegment(x, y, x0, y0, x1, y1) - half; }, colour);
}

void Canvas::fillTriangle(float x0, float y0, float x1, float y1, float x2, float y2, Colour colour)
{
    // Either winding: the edges are taken clockwise.
    if ((x1 - x0) * (y2 - y0) - (y1 - y0) * (x2 - x0) < 0) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    cover({std::min({x0, x1, x2}), std::min({y0, y1, y2}), std::max({x0, x1, x2}), std::max({y0, y1, y2})},
        [&](float x, float y) {
            return std::max({edgeDistance(x, y, x0, y0, x1, y1), edgeDistance(x, y, x1, y1, x2, y2),
                edgeDistance(x, y, x2, y2, x0, y0)});
        },
        colour);
}

void Canvas::fillRoundedGradient(Box box, float radius, Colour top, Colour bottom)
{
    const float height = std::max(box.bottom - box.top, 1.0f);
    for (int y = std::max(static_cast<int>(box.top), 0); y < std::min(static_cast<int>(std::ceil(box.bottom)), height_);
         ++y) {
        const Colour colour = mixed(top, bottom, std::clamp((y + 0.5f - box.top) / height, 0.0f, 1.0f));
        for (int x = std::max(static_cast<int>(box.left) - 1, 0); x < std::min(static_cast<int>(box.right) + 1, width_);
             ++x)
            blend(x, y, colour, std::clamp(0.5f - roundedBoxDistance(box, radius, x + 0.5f, y + 0.5f), 0.0f, 1.0f));
    }
}

void Canvas::draw(const Canvas& source, int x, int y)
{
    for (int row = 0; row < source.height_; ++row)
        for (int column = 0; column < source.width_; ++column)
            blend(x + column, y + row, source.pixel(column, row), 1.0f);
}

void Canvas::paste(const Canvas& source, int x, int y)
{
    for (int row = 0; row < source.height_; ++row)
        for (int column = 0; column < source.width_; ++column)
            if (x + column >= 0 && x + column < width_ && y + row >= 0 && y + row < height_)
                pixels_[index(x + column, y + row)] = source.pixel(column, row);
}

} // namespace editor_art
