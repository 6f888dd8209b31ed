#pragma once

// Which pixels lines, polygons and ellipses cover, in integers only. Shared by the drawing stand-in's
// units only; they add the clip, the pen and the brush.

#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace platform::gdi {

// Coordinates beyond this, either way, are refused by the drawing calls; it keeps every product of the
// rasteriser inside 64 bits.
inline constexpr LONG kMaxCoordinate = 1 << 27;
// The largest ellipse box, in pixels either way (its equation squares both sizes twice).
inline constexpr LONG kMaxEllipseSize = 1 << 15;

bool withinCoordinateRange(std::span<const POINT> points);

// The pixels of one row from left up to but not including right.
struct Span {
    int y;
    int left;
    int right;
};

// Calls visit(step, x, y) for the pixels of the line from `from` to `to` in order, `to` itself only when
// asked, skipping those whose coordinate along the line's longer axis lies outside `window` (the caller
// clips the other axis). Each step along the longer axis takes the pixel nearest the true line across it;
// where the line passes exactly halfway between two, the one with the smaller coordinate, so that a line
// covers the same pixels whichever way it runs.
void forEachLinePixel(POINT from, POINT to, bool withEnd, const RECT& window,
    const std::function<void(std::int64_t step, int x, int y)>& visit);

// The pixels whose centres lie inside the polygon by the alternate (even-odd) rule, for rows within
// [firstRow, endRow). A pixel centre on a left edge is inside, on a right edge outside, as with rectangles.
std::vector<Span> polygonSpans(std::span<const POINT> points, int firstRow, int endRow);

// The ellipse inscribed in a box: the pixels whose centres it holds. It touches all four sides of the box
// and is symmetric within it.
class EllipseShape {
public:
    // The box in order, each side at least 1 and at most kMaxEllipseSize.
    explicit EllipseShape(const RECT& box);

    // The pixels inside, and those of them not on the outline, as far as they lie within the window.
    std::vector<Span> rows(const RECT& window) const;
    std::vector<Span> innerRows(const RECT& window) const;
    // The pixels inside with a neighbour (left, right, above or below) outside, in counter-clockwise order
    // (as seen on the screen) starting from the ray from the centre through `start`.
    std::vector<POINT> outline(POINT start) const;
    // The same, starting from the ray to the right.
    std::vector<POINT> outline() const;
    // Whether the pixel lies between the rays through `start` and `end`, going counter-clockwise from
    // `start`; when both rays are the same, everything does.
    bool inSweep(POINT pixel, POINT start, POINT end) const;
    // The pixel at the centre, the upper left of the middle four when the centre falls between pixels.
    POINT centrePixel() const;

private:
    struct Vector {
        std::int64_t x;
        std::int64_t y;
    };
    struct RowRange {
        int left;
        int right; // included; right < left when the row is empty
    };

    RowRange rowRange(int y) const;
    RowRange innerRange(int y) const;
    std::vector<Span> spans(const RECT& window, RowRange (EllipseShape::*range)(int) const) const;
    std::vector<POINT> outlineFrom(Vector start) const;
    Vector fromCentre(POINT point, bool pixelCentre) const;
    Vector rayDirection(POINT point) const;
    static bool before(Vector start, Vector a, Vector b);

    RECT box_;
};

} // namespace platform::gdi
