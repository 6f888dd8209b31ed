#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "WahWah Delay": a resonant low-pass swept by an LFO between two corners,
// followed by a tempo-synced delay with feedback.
struct WahDelayEffect {
    // Coefficients.
    float low = 0.0f;  // the filter's frequency values at the two ends of the sweep
    float high = 0.0f;
    std::uint32_t increment = 0;
    float resonance = 0.0f;
    float delayLength = 1.0f; // samples
    float feedback = 0.0f;
    float volume = 0.0f;

    // State.
    std::uint32_t phase = 0;
    float currentLength = 0.0f;
};

StereoPair processWahDelay(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
