#include "platform/gdi/rectangle_set.h"

#include <algorithm>

namespace platform {

namespace {

bool hasArea(const RECT& rect)
{
    return rect.right > rect.left && rect.bottom > rect.top;
}

bool overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
        inner.bottom <= outer.bottom;
}

RECT meet(const RECT& a, const RECT& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The parts of `from` outside `cut`: at most a band above, one below, and one on each side between them.
void appendDifference(const RECT& from, const RECT& cut, std::vector<RECT>& out)
{
    if (!overlap(from, cut)) {
        out.push_back(from);
        return;
    }
    const LONG top = std::max(from.top, cut.top);
    const LONG bottom = std::min(from.bottom, cut.bottom);
    const RECT pieces[] = {{from.left, from.top, from.right, top}, {from.left, bottom, from.right, from.bottom},
        {from.left, top, cut.left, bottom}, {cut.right, top, from.right, bottom}};
    for (const RECT& piece : pieces)
        if (hasArea(piece))
            out.push_back(piece);
}

} // namespace

RectangleSet::RectangleSet(const RECT& rect)
{
    if (hasArea(rect))
        rectangles_.push_back(rect);
}

RECT RectangleSet::bounds() const
{
    if (rectangles_.empty())
        return {};
    RECT box = rectangles_.front();
    for (const RECT& rect : rectangles_)
        box = {std::min(box.left, rect.left), std::min(box.top, rect.top), std::max(box.right, rect.right),
            std::max(box.bottom, rect.bottom)};
    return box;
}

void RectangleSet::add(const RECT& rect)
{
    if (!hasArea(rect))
        return;
    // Rectangles the new one covers go, so that repeated invalidation of the same places stays small.
    std::erase_if(rectangles_, [&rect](const RECT& held) { return inside(held, rect); });
    std::vector<RECT> pieces{rect};
    for (const RECT& held : rectangles_) {
        std::vector<RECT> left;
        for (const RECT& piece : pieces)
            appendDifference(piece, held, left);
        pieces = std::move(left);
    }
    rectangles_.insert(rectangles_.end(), pieces.begin(), pieces.end());
}

void RectangleSet::add(const RectangleSet& other)
{
    for (const RECT& rect : other.rectangles_)
        add(rect);
}

void RectangleSet::subtract(const RECT& rect)
{
    if (!hasArea(rect))
        return;
    std::vector<RECT> left;
    for (const RECT& held : rectangles_)
        appendDifference(held, rect, left);
    rectangles_ = std::move(left);
}

void RectangleSet::subtract(const RectangleSet& other)
{
    for (const RECT& rect : other.rectangles_)
        subtract(rect);
}

void RectangleSet::intersect(const RECT& rect)
{
    std::vector<RECT> kept;
    for (const RECT& held : rectangles_)
        if (const RECT common = meet(held, rect); hasArea(common))
            kept.push_back(common);
    rectangles_ = std::move(kept);
}

void RectangleSet::intersect(const RectangleSet& other)
{
    // Pieces of disjoint rectangles with disjoint rectangles are disjoint in turn.
    std::vector<RECT> kept;
    for (const RECT& held : rectangles_)
        for (const RECT& rect : other.rectangles_)
            if (const RECT common = meet(held, rect); hasArea(common))
                kept.push_back(common);
    rectangles_ = std::move(kept);
}

void RectangleSet::offset(POINT by)
{
    for (RECT& rect : rectangles_)
        rect = {rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

} // namespace platform
