#pragma once

// The host's control values: signed 32-bit over the whole range. Header-only, so that the host program and
// the plug-in library convert alike without either linking the other.

#include <algorithm>
#include <cmath>
#include <cstdint>

// A value in the range as a host control value, in single precision as the plug-in's parameters
// are: the range's ends map to the host's lowest and highest values; NaN gives the lowest.
inline std::int32_t FloatToHostInteger(float value, float minimum, float maximum)
{
    const float held = minimum < maximum ? std::clamp(value, minimum, maximum) : std::clamp(value, maximum, minimum);
    const float ratio = (held - minimum) / (maximum - minimum);
    const double host = std::floor(static_cast<double>(ratio) * 4294967295.0 - 2147483648.0 + 0.5);
    if (!(host >= -2147483648.0))
        return INT32_MIN;
    return host >= 2147483647.0 ? INT32_MAX : static_cast<std::int32_t>(host);
}
