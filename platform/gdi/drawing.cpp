#include "platform/gdi/drawing.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_target.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/rasterizer.h"
#include "platform/last_error.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <unordered_set>
#include <vector>

using platform::gdi::DrawTarget;
using platform::gdi::EllipseShape;
using platform::gdi::Span;

namespace {

// Paints in the DC's own coordinates, through its clip, with its pen and brush.
class Painter {
public:
    explicit Painter(const DrawTarget& target) :
        target_(target),
        pen_(platform::gdi::selectedObject<platform::gdi::Pen>(target.dc->pen)),
        brush_(platform::gdi::selectedObject<platform::gdi::Brush>(target.dc->brush))
    {
    }

    // The clip in the DC's coordinates, to keep loops to what can show.
    RECT window() const { return platform::gdi::offsetRect(target_.clip, {-target_.origin.x, -target_.origin.y}); }
    bool hasPen() const { return pen_.style != PS_NULL; }
    bool hasBrush() const { return brush_.style != BS_NULL; }

    void mix(int x, int y, COLORREF colour)
    {
        // Coordinates are held within 2^27, so this stays inside an int.
        const int pixelX = x + target_.origin.x;
        const int pixelY = y + target_.origin.y;
        if (!target_.inClip(pixelX, pixelY))
            return;
        std::uint32_t& pixel = target_.pixels.at(pixelX, pixelY);
        pixel = platform::gdi::mixPixel(target_.dc->mixMode, platform::gdi::pixelOf(colour, target_.pixels.monochrome),
            pixel, target_.pixels.monochrome);
    }

    // The pixel at this step of a line or outline.
    void stroke(std::int64_t step, int x, int y)
    {
        if (pen_.style == PS_SOLID || step % 2 == 0)
            mix(x, y, pen_.colour);
        else if (target_.dc->backgroundMode == OPAQUE)
            mix(x, y, target_.dc->backgroundColour);
    }

    void stroke(const std::vector<POINT>& outline)
    {
        if (!hasPen())
            return;
        for (std::size_t step = 0; step < outline.size(); ++step)
            stroke(static_cast<std::int64_t>(step), outline[step].x, outline[step].y);
    }

    // Lines through the points, the pen's dots running on from one to the next.
    void strokeLines(const std::vector<POINT>& points)
    {
        if (!hasPen())
            return;
        std::int64_t firstStep = 0;
        const RECT clip = window();
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const POINT from = points[i];
            const POINT to = points[i + 1];
            platform::gdi::forEachLinePixel(
                from, to, false, clip, [&](std::int64_t step, int x, int y) { stroke(firstStep + step, x, y); });
            firstStep += std::max(std::abs(std::int64_t{to.x} - from.x), std::abs(std::int64_t{to.y} - from.y));
        }
    }

    void fill(const std::vector<Span>& spans)
    {
        if (!hasBrush())
            return;
        const RECT clip = window();
        for (const Span& span : spans)
            for (int x = std::max(span.left, static_cast<int>(clip.left));
                 x < std::min(span.right, static_cast<int>(clip.right)); ++x)
                mix(x, span.y, brush_.colour);
    }

private:
    const DrawTarget& target_;
    const platform::gdi::Pen& pen_;
    const platform::gdi::Brush& brush_;
};

std::uint64_t pixelKey(POINT pixel)
{
    return (std::uint64_t{static_cast<std::uint32_t>(pixel.x)} << 32) | static_cast<std::uint32_t>(pixel.y);
}

// The pixels of the spans that `keep` accepts, a span each.
template <class Keep>
std::vector<Span> pixelsWhere(const std::vector<Span>& spans, Keep keep)
{
    std::vector<Span> kept;
    for (const Span& span : spans)
        for (int x = span.left; x < span.right; ++x)
            if (keep(POINT{x, span.y}))
                kept.push_back({span.y, x, x + 1});
    return kept;
}

bool refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

// The box in order, when it is inside the limits; a box without area is valid and draws nothing.
bool orderedBox(int left, int top, int right, int bottom, RECT& box)
{
    const std::array<POINT, 2> corners{{{left, top}, {right, bottom}}};
    if (!platform::gdi::withinCoordinateRange(corners))
        return refuse();
    box = {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    if (box.right - box.left > platform::gdi::kMaxEllipseSize || box.bottom - box.top > platform::gdi::kMaxEllipseSize)
        return refuse();
    return true;
}

enum class EllipsePart { whole, arc, pie };

BOOL drawEllipse(HDC dc, const char* call, EllipsePart part, int left, int top, int right, int bottom, POINT start = {},
    POINT end = {})
{
    const auto target = platform::gdi::drawTarget(dc, call);
    RECT box{};
    const std::array<POINT, 2> rays{start, end};
    if (!target || !orderedBox(left, top, right, bottom, box) || !platform::gdi::withinCoordinateRange(rays))
        return FALSE;
    Painter painter(*target);
    if (!painter.hasPen()) {
        // Without an outline the ellipse is one pixel smaller to the right and bottom.
        if (part == EllipsePart::arc || box.right - box.left < 2 || box.bottom - box.top < 2)
            return TRUE;
        const EllipseShape smaller({box.left, box.top, box.right - 1, box.bottom - 1});
        if (part == EllipsePart::pie)
            painter.fill(pixelsWhere(
                smaller.rows(painter.window()), [&](POINT pixel) { return smaller.inSweep(pixel, start, end); }));
        else
            painter.fill(smaller.rows(painter.window()));
        return TRUE;
    }
    if (box.right == box.left || box.bottom == box.top)
        return TRUE;
    const EllipseShape shape(box);
    if (part == EllipsePart::whole) {
        painter.fill(shape.innerRows(painter.window()));
        painter.stroke(shape.outline());
        return TRUE;
    }
    std::vector<POINT> outline = shape.outline(start);
    std::erase_if(outline, [&](POINT pixel) { return !shape.inSweep(pixel, start, end); });
    if (part == EllipsePart::arc || outline.empty()) {
        painter.stroke(outline);
        return TRUE;
    }
    // A pie is closed by lines from the centre to both ends of its arc; each pixel is painted once, by
    // the pen or by the brush.
    std::vector<POINT> closed;
    const auto addLine = [&](POINT from, POINT to, bool withEnd) {
        platform::gdi::forEachLinePixel(from, to, withEnd, box, [&](std::int64_t, int x, int y) {
            closed.push_back({x, y});
        });
    };
    addLine(shape.centrePixel(), outline.front(), false);
    closed.insert(closed.end(), outline.begin(), outline.end());
    addLine(outline.back(), shape.centrePixel(), true);
    std::unordered_set<std::uint64_t> onOutline;
    outline.clear();
    for (POINT pixel : closed)
        if (onOutline.insert(pixelKey(pixel)).second)
            outline.push_back(pixel);
    painter.fill(pixelsWhere(shape.rows(painter.window()),
        [&](POINT pixel) { return !onOutline.contains(pixelKey(pixel)) && shape.inSweep(pixel, start, end); }));
    painter.stroke(outline);
    return TRUE;
}

} // namespace

int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    const auto target = platform::gdi::drawTarget(dc, "FillRect");
    const platform::gdi::Brush* fill = platform::gdi::find<platform::gdi::Brush>(brush, "FillRect");
    if (!target || fill == nullptr)
        return 0;
    if (rect == nullptr) {
        refuse();
        return 0;
    }
    if (fill->style == BS_NULL)
        return 1;
    const std::uint32_t pixel = platform::gdi::pixelOf(fill->colour, target->pixels.monochrome);
    target->forEachClipPart(platform::gdi::offsetRect(*rect, target->origin), [&](const RECT& area) {
        for (LONG y = area.top; y < area.bottom; ++y)
            for (LONG x = area.left; x < area.right; ++x)
                target->pixels.at(x, y) = pixel;
    });
    return 1;
}

BOOL LineTo(HDC dc, int x, int y)
{
    const auto target = platform::gdi::drawTarget(dc, "LineTo");
    if (!target)
        return FALSE;
    const std::vector<POINT> line{target->dc->position, {x, y}};
    if (!platform::gdi::withinCoordinateRange(line))
        return refuse();
    Painter(*target).strokeLines(line);
    target->dc->position = {x, y};
    return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count)
{
    const auto target = platform::gdi::drawTarget(dc, "Polyline");
    if (!target)
        return FALSE;
    if (points == nullptr || count < 2)
        return refuse();
    const std::vector<POINT> line(points, points + count);
    if (!platform::gdi::withinCoordinateRange(line))
        return refuse();
    Painter(*target).strokeLines(line);
    return TRUE;
}

BOOL Polygon(HDC dc, const POINT* points, int count)
{
    const auto target = platform::gdi::drawTarget(dc, "Polygon");
    if (!target)
        return FALSE;
    if (points == nullptr || count < 2)
        return refuse();
    std::vector<POINT> outline(points, points + count);
    if (!platform::gdi::withinCoordinateRange(outline))
        return refuse();
    Painter painter(*target);
    const RECT clip = painter.window();
    painter.fill(platform::gdi::polygonSpans(outline, clip.top, clip.bottom));
    outline.push_back(outline.front());
    painter.strokeLines(outline);
    return TRUE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom)
{
    return drawEllipse(dc, "Ellipse", EllipsePart::whole, left, top, right, bottom);
}

BOOL Arc(HDC dc, int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    return drawEllipse(dc, "Arc", EllipsePart::arc, left, top, right, bottom, {startX, startY}, {endX, endY});
}

BOOL Pie(HDC dc, int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    return drawEllipse(dc, "Pie", EllipsePart::pie, left, top, right, bottom, {startX, startY}, {endX, endY});
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour)
{
    const auto target = platform::gdi::drawTarget(dc, "SetPixel");
    if (!target)
        return CLR_INVALID;
    const std::int64_t pixelX = std::int64_t{x} + target->origin.x;
    const std::int64_t pixelY = std::int64_t{y} + target->origin.y;
    if (pixelX < target->clip.left || pixelX >= target->clip.right || pixelY < target->clip.top ||
        pixelY >= target->clip.bottom || !target->inClip(static_cast<int>(pixelX), static_cast<int>(pixelY)))
        return CLR_INVALID;
    std::uint32_t& pixel = target->pixels.at(static_cast<int>(pixelX), static_cast<int>(pixelY));
    pixel = platform::gdi::pixelOf(colour, target->pixels.monochrome);
    return platform::gdi::colourOf(pixel, target->pixels.monochrome);
}

COLORREF GetPixel(HDC dc, int x, int y)
{
    const auto target = platform::gdi::drawTarget(dc, "GetPixel");
    if (!target)
        return CLR_INVALID;
    const std::int64_t pixelX = std::int64_t{x} + target->origin.x;
    const std::int64_t pixelY = std::int64_t{y} + target->origin.y;
    if (pixelX < target->clip.left || pixelX >= target->clip.right || pixelY < target->clip.top ||
        pixelY >= target->clip.bottom || !target->inClip(static_cast<int>(pixelX), static_cast<int>(pixelY)))
        return CLR_INVALID;
    return platform::gdi::colourOf(
        target->pixels.at(static_cast<int>(pixelX), static_cast<int>(pixelY)), target->pixels.monochrome);
}
