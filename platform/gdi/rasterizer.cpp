#include "platform/gdi/rasterizer.h"

#include <algorithm>
#include <cstdlib>

namespace platform::gdi {

namespace {

std::int64_t floorDiv(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    return quotient * denominator != numerator && (numerator < 0) != (denominator < 0) ? quotient - 1 : quotient;
}

std::int64_t ceilDiv(std::int64_t numerator, std::int64_t denominator)
{
    return -floorDiv(-numerator, denominator);
}

// The nearest integer to numerator / denominator (denominator > 0), halves going down.
std::int64_t roundHalfDown(std::int64_t numerator, std::int64_t denominator)
{
    return ceilDiv(2 * numerator - denominator, 2 * denominator);
}

std::int64_t integerSquareRoot(std::int64_t value)
{
    std::int64_t root = 0;
    for (std::int64_t bit = std::int64_t{1} << 62; bit != 0; bit >>= 2) {
        if (value >= root + bit) {
            value -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
    }
    return root;
}

} // namespace

bool withinCoordinateRange(std::span<const POINT> points)
{
    return std::all_of(points.begin(), points.end(), [](POINT point) {
        return std::abs(std::int64_t{point.x}) <= kMaxCoordinate && std::abs(std::int64_t{point.y}) <= kMaxCoordinate;
    });
}

void forEachLinePixel(
    POINT from, POINT to, bool withEnd, const RECT& window, const std::function<void(std::int64_t, int, int)>& visit)
{
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const std::int64_t length = alongX ? std::abs(dx) : std::abs(dy);
    const std::int64_t across = alongX ? dy : dx;
    const std::int64_t direction = (alongX ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t start = alongX ? from.x : from.y;
    const std::int64_t windowStart = alongX ? window.left : window.top;
    const std::int64_t windowEnd = alongX ? window.right : window.bottom;

    // Only the steps whose coordinate along the line falls inside the window.
    std::int64_t first = 0;
    std::int64_t last = withEnd ? length : length - 1;
    if (direction > 0) {
        first = std::max(first, windowStart - start);
        last = std::min(last, windowEnd - 1 - start);
    } else {
        first = std::max(first, start - (windowEnd - 1));
        last = std::min(last, start - windowStart);
    }
    for (std::int64_t step = first; step <= last; ++step) {
        const std::int64_t along = start + direction * step;
        const std::int64_t offset = length == 0 ? 0 : roundHalfDown(step * across, length);
        const std::int64_t side = (alongX ? from.y : from.x) + offset;
        if (alongX)
            visit(step, static_cast<int>(along), static_cast<int>(side));
        else
            visit(step, static_cast<int>(side), static_cast<int>(along));
    }
}

std::vector<Span> polygonSpans(std::span<const POINT> points, int firstRow, int endRow)
{
    std::vector<Span> spans;
    if (points.size() < 3)
        return spans;
    const auto [lowest, highest] =
        std::minmax_element(points.begin(), points.end(), [](POINT a, POINT b) { return a.y < b.y; });
    firstRow = std::max(firstRow, static_cast<int>(lowest->y));
    endRow = std::min(endRow, static_cast<int>(highest->y));
    std::vector<std::int64_t> crossings;
    for (int row = firstRow; row < endRow; ++row) {
        // Twice the coordinates throughout, so that the row's pixel centres (odd) never meet a vertex (even).
        const std::int64_t centreY = 2 * std::int64_t{row} + 1;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            POINT a = points[i];
            POINT b = points[(i + 1) % points.size()];
            if ((2 * std::int64_t{a.y} < centreY) == (2 * std::int64_t{b.y} < centreY))
                continue;
            if (a.y > b.y)
                std::swap(a, b);
            // The edge crosses the row at x = numerator / denominator (doubled); the first pixel whose centre
            // lies at or right of it begins or ends a span.
            const std::int64_t denominator = 2 * (std::int64_t{b.y} - a.y);
            const std::int64_t numerator =
                2 * std::int64_t{a.x} * denominator + (centreY - 2 * std::int64_t{a.y}) * 2 * (std::int64_t{b.x} - a.x);
            crossings.push_back(ceilDiv(ceilDiv(numerator, denominator) - 1, 2));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            if (crossings[i] < crossings[i + 1])
                spans.push_back({row, static_cast<int>(crossings[i]), static_cast<int>(crossings[i + 1])});
    }
    return spans;
}

EllipseShape::EllipseShape(const RECT& box) : box_(box)
{
}

// In doubled coordinates relative to the centre a pixel centre is (X, Y) = (2x + 1 - (left + right), ...),
// and it lies inside when X²·H² + Y²·W² <= W²·H², W and H being the box's width and height.
EllipseShape::RowRange EllipseShape::rowRange(int y) const
{
    if (y < box_.top || y >= box_.bottom)
        return {0, -1};
    const std::int64_t width = std::int64_t{box_.right} - box_.left;
    const std::int64_t height = std::int64_t{box_.bottom} - box_.top;
    const std::int64_t centreY = 2 * std::int64_t{y} + 1 - box_.top - box_.bottom;
    const std::int64_t limit = width * width * (height * height - centreY * centreY) / (height * height);
    std::int64_t reach = limit < 0 ? -1 : integerSquareRoot(limit);
    // X is odd for a box of even width and even for an odd one.
    if (reach >= 0 && (reach - width - 1) % 2 != 0)
        --reach;
    if (reach < 0)
        return {0, -1};
    const std::int64_t doubledCentre = std::int64_t{box_.left} + box_.right - 1;
    return {static_cast<int>((doubledCentre - reach) / 2), static_cast<int>((doubledCentre + reach) / 2)};
}

// Inner pixels have the row's pixels on both sides and the rows above and below under them.
EllipseShape::RowRange EllipseShape::innerRange(int y) const
{
    const RowRange row = rowRange(y);
    const RowRange above = rowRange(y - 1);
    const RowRange below = rowRange(y + 1);
    return {std::max({row.left + 1, above.left, below.left}), std::min({row.right - 1, above.right, below.right})};
}

std::vector<Span> EllipseShape::spans(const RECT& window, RowRange (EllipseShape::*range)(int) const) const
{
    std::vector<Span> found;
    for (int y = std::max(box_.top, window.top); y < std::min(box_.bottom, window.bottom); ++y) {
        const RowRange row = (this->*range)(y);
        const int left = std::max(row.left, static_cast<int>(window.left));
        const int right = std::min(row.right + 1, static_cast<int>(window.right));
        if (left < right)
            found.push_back({y, left, right});
    }
    return found;
}

std::vector<Span> EllipseShape::rows(const RECT& window) const
{
    return spans(window, &EllipseShape::rowRange);
}

std::vector<Span> EllipseShape::innerRows(const RECT& window) const
{
    return spans(window, &EllipseShape::innerRange);
}

EllipseShape::Vector EllipseShape::fromCentre(POINT point, bool pixelCentre) const
{
    const std::int64_t half = pixelCentre ? 1 : 0;
    // Upwards positive, so that counter-clockwise on the screen is the mathematical sense.
    return {2 * std::int64_t{point.x} + half - box_.left - box_.right,
        std::int64_t{box_.top} + box_.bottom - 2 * std::int64_t{point.y} - half};
}

EllipseShape::Vector EllipseShape::rayDirection(POINT point) const
{
    const Vector direction = fromCentre(point, false);
    // A ray through the centre itself has no direction; it points right.
    return direction.x == 0 && direction.y == 0 ? Vector{1, 0} : direction;
}

// Whether a comes before b going counter-clockwise from start: the half turn from start first, then
// within a half turn by the sign of the cross product.
bool EllipseShape::before(Vector start, Vector a, Vector b)
{
    const auto secondHalf = [start](Vector v) {
        const std::int64_t cross = start.x * v.y - start.y * v.x;
        return cross < 0 || (cross == 0 && start.x * v.x + start.y * v.y < 0);
    };
    if (secondHalf(a) != secondHalf(b))
        return secondHalf(b);
    return a.x * b.y - a.y * b.x > 0;
}

std::vector<POINT> EllipseShape::outline(POINT start) const
{
    return outlineFrom(rayDirection(start));
}

std::vector<POINT> EllipseShape::outline() const
{
    return outlineFrom({1, 0});
}

std::vector<POINT> EllipseShape::outlineFrom(Vector from) const
{
    std::vector<POINT> pixels;
    for (int y = box_.top; y < box_.bottom; ++y) {
        const RowRange row = rowRange(y);
        const RowRange inner = innerRange(y);
        for (int x = row.left; x <= row.right; ++x)
            if (x < inner.left || x > inner.right)
                pixels.push_back({x, y});
            else
                x = inner.right;
    }
    const auto direction = [&](POINT pixel) {
        const Vector v = fromCentre(pixel, true);
        return v.x == 0 && v.y == 0 ? from : v;
    };
    std::sort(pixels.begin(), pixels.end(), [&](POINT a, POINT b) {
        const Vector va = direction(a);
        const Vector vb = direction(b);
        if (before(from, va, vb))
            return true;
        if (before(from, vb, va))
            return false;
        // Along the same ray: inner pixels first, then any order that is the same every time.
        const std::int64_t da = va.x * va.x + va.y * va.y;
        const std::int64_t db = vb.x * vb.x + vb.y * vb.y;
        return da != db ? da < db : (a.y != b.y ? a.y < b.y : a.x < b.x);
    });
    return pixels;
}

bool EllipseShape::inSweep(POINT pixel, POINT start, POINT end) const
{
    const Vector from = rayDirection(start);
    const Vector to = rayDirection(end);
    if (!before(from, from, to))
        return true;
    Vector v = fromCentre(pixel, true);
    if (v.x == 0 && v.y == 0)
        v = from;
    return !before(from, to, v);
}

POINT EllipseShape::centrePixel() const
{
    return {static_cast<LONG>(floorDiv(std::int64_t{box_.left} + box_.right - 1, 2)),
        static_cast<LONG>(floorDiv(std::int64_t{box_.top} + box_.bottom - 1, 2))};
}

} // namespace platform::gdi
