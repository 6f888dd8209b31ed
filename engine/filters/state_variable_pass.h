#pragma once

#include <algorithm>

namespace dsp {

// The state-variable core shared by both multimode filters: one update of
// the low, band and high states for input x.
struct StateVariableState {
    float low = 0.0f;
    float band = 0.0f;
    float high = 0.0f;
};

// Beyond this magnitude the band's cubic softener b(1 - 0.001 b^2) throws
// the state further out than it came in and the filter runs away to Inf;
// inside it the softener maps the band back into the same range. A band
// that large only arises from inputs far above full scale.
inline constexpr float kBandStableLimit = 44.72136f; // sqrt(2000)

inline void stateVariablePass(StateVariableState& s, float x, float frequencyCoefficient, float damping)
{
    constexpr float kDenormalOffset = 1e-15f;
    const float band = std::clamp(s.band, -kBandStableLimit, kBandStableLimit);
    s.band = band * (1.0f - 0.001f * band * band) + kDenormalOffset;
    s.high = x - s.low - damping * s.band + kDenormalOffset;
    s.band = frequencyCoefficient * s.high + kDenormalOffset + s.band;
    s.low = frequencyCoefficient * s.band + kDenormalOffset + s.low;
}

} // namespace dsp
