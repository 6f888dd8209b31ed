#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Low Fi": sample-and-hold at a lower rate, fewer quantisation steps, and a
// low-pass the mod wheel can move.
struct LowFiEffect {
    // Coefficients.
    float levels = 2.0f; // quantisation steps per unit
    float inverseLevels = 0.5f;
    std::int32_t holdPeriod = 1; // samples
    float filter = 0.0f;         // frequency value of the low-pass
    float modWheel = 0.0f;       // -1 .. 1, the wheel's share of the frequency

    // State.
    float smoothedFilter = 0.0f;
    float heldLeft = 0.0f;
    float heldRight = 0.0f;
};

StereoPair processLowFi(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
