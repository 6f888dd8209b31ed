#pragma once

// A pixel position, y growing downwards.

#include <cstdint>

namespace Toolkit {

struct CPoint {
    std::int32_t h = 0;
    std::int32_t v = 0;

    CPoint& offset(std::int32_t dh, std::int32_t dv)
    {
        h += dh;
        v += dv;
        return *this;
    }

    friend bool operator==(const CPoint&, const CPoint&) = default;
};

} // namespace Toolkit
