#pragma once

// A rectangle that covers the pixels from left up to but not including right, and likewise vertically.

#include "toolkit/point.h"

#include <cstdint>

namespace Toolkit {

struct CRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    CPoint topLeft() const { return {left, top}; }

    // The right and bottom edges are outside.
    bool pointInside(const CPoint& where) const
    {
        return where.h >= left && where.h < right && where.v >= top && where.v < bottom;
    }
    bool isEmpty() const { return right <= left || bottom <= top; }
    // Clips to other; rectangles that do not overlap give an empty one pinned at the clipped corner.
    CRect& bound(const CRect& other);
    CRect& offset(std::int32_t dh, std::int32_t dv)
    {
        left += dh;
        right += dh;
        top += dv;
        bottom += dv;
        return *this;
    }

    friend bool operator==(const CRect&, const CRect&) = default;
};

} // namespace Toolkit
