#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Ring-Mod": the signal multiplied by an oscillator, blended with the
// unchanged signal by the amount; or the two channels multiplied together.
struct RingModEffect {
    enum Waveform : std::int32_t { kSine = 0, kSaw = 1, kSquare = 2, kTriangle = 3, kChannelProduct = 4 };

    // Coefficients.
    std::int32_t waveform = kSine;
    float increment = 0.0f; // cycles per sample
    float amount = 0.0f;

    // State.
    float phase = 0.0f; // 0..1
};

StereoPair processRingMod(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
