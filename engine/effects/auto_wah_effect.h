#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "AutoWah": the first filter bank swept between two frequencies by the
// level of the input.
struct AutoWahEffect {
    // Coefficients.
    std::uint32_t filterType = 3;
    float low = 0.0f; // frequency values at no and at full level
    float high = 0.0f;
    float sensitivity = 0.0f;
    float q = 0.0f;
    float followerKeep = 0.0f; // per sample

    // State: the followed input level.
    float level = 0.0f;
};

StereoPair processAutoWah(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
