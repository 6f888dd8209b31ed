#pragma once

// Turning a control's float into an image index or a pixel position. A value may be anything a caller
// stored (NaN, infinite, huge), and converting a float beyond the integer's range is undefined, so
// every such conversion goes through here.

#include <cmath>
#include <cstdint>

namespace Toolkit {

// Truncates toward zero and clamps into [lo, hi]; NaN gives lo. Compared as doubles, which hold every
// 32-bit integer and every float exactly, so that values within the bounds convert as a cast would.
inline std::int32_t truncateInto(float x, std::int32_t lo, std::int32_t hi)
{
    const double truncated = std::trunc(static_cast<double>(x));
    if (!(truncated > lo))
        return lo;
    if (truncated >= hi)
        return hi;
    return static_cast<std::int32_t>(truncated);
}

} // namespace Toolkit
