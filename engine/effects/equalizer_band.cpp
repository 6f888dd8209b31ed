#include "engine/effects/equalizer_band.h"

#include <cmath>

namespace effects {

void EqualizerBand::setup(float frequency, float sampleRate)
{
    constexpr float kTwoPi = 6.28318f;
    // A fixed bandwidth of about an octave and a half at every centre.
    const float w = kTwoPi * frequency / (sampleRate + 1.0f);
    const float r = (1.41f - 0.5f * w) / (w + 2.82f);
    const float g = 0.5f * (0.5f - r);
    b0 = 2.0f * g;
    b1 = 0.0f;
    b2 = -2.0f * g;
    a1 = -2.0f * std::cos(w) * (0.5f + r);
    a2 = 2.0f * r;
    for (auto& side : output)
        for (float& y : side)
            y = 0.0f;
}

} // namespace effects
