#pragma once

// An area of pixels held as rectangles that do not overlap: what a device context may draw into, and a
// window's update region. Rectangles without area are never kept.

#include "platform/gdi/gdi_types.h"

#include <vector>

namespace platform {

class RectangleSet {
public:
    RectangleSet() = default;
    explicit RectangleSet(const RECT& rect);

    const std::vector<RECT>& rectangles() const { return rectangles_; }
    bool empty() const { return rectangles_.empty(); }
    // The smallest rectangle around the area; all zeros when it is empty.
    RECT bounds() const;

    void add(const RECT& rect);
    void add(const RectangleSet& other);
    void subtract(const RECT& rect);
    void subtract(const RectangleSet& other);
    void intersect(const RECT& rect);
    void intersect(const RectangleSet& other);
    void offset(POINT by);

private:
    std::vector<RECT> rectangles_;
};

} // namespace platform
