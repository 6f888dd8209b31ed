#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Widener": the right side delayed by a few milliseconds, the delay swept
// slowly by a triangle, then the pair band-limited.
struct WidenerEffect {
    // Coefficients.
    std::uint32_t delayOffset = 5; // samples
    float width = 0.0f;            // share of the delay the sweep moves
    float lfoRate = 0.0f;          // cycles per 16 samples

    // State.
    float phase = 0.0f;
    float sweep = 1.0f; // factor on the delay
};

StereoPair processWidener(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
