#pragma once

#include <algorithm>
#include <cmath>

namespace effects {

// A soft saturation that steepens with k (0 leaves the signal as it is up to
// full scale): x (1 + k) / (1 + k |x|), held within +-1.
inline float saturate(float x, float k)
{
    constexpr float kDenormalOffset = 1e-15f;
    // Beyond full scale the curve is at its limit anyway; bounding x first
    // keeps k x from overflowing into Inf / Inf.
    x = std::clamp(x, -1.0f, 1.0f);
    const float s = k * x + kDenormalOffset;
    return std::clamp((x + s) / (1.0f + std::fabs(s)), -1.0f, 1.0f) + kDenormalOffset;
}

// Reaches full scale with zero slope, so the top of the wave rounds off
// instead of breaking: 1.5 |y| - 0.5 y^2 below it, the sign above.
inline float softClip(float y)
{
    const float a = std::fabs(y);
    const float magnitude = a < 1.0f ? 1.5f * a - 0.5f * a * a : 1.0f;
    if (y > 0.0f)
        return magnitude;
    return y < 0.0f ? -magnitude : 0.0f;
}

} // namespace effects
