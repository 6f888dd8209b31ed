#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Filter": the first filter bank, its frequency moved by the slot's LFO and the mod wheel.
struct FilterEffect {
    std::uint32_t filterType = 0;
    float frequency = 0.0f; // frequency value, 0..1
    float q = 0.0f;
    float modWheel = 0.0f; // 0..1; 0.5 leaves the frequency alone
    float lfoAmount = 0.0f;
};

StereoPair processFilter(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
