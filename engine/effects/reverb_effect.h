#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// What "Reverb" and "HQ Reverb" add around their engines: a pre-delay, a
// spread delay on the right output, a slowly swept internal pre-delay and
// (in the slot) the tail gate.
struct ReverbEffect {
    static constexpr std::uint32_t kLongestRingDelay = 65535;

    // Coefficients.
    std::uint32_t preDelayLength = 1; // samples
    std::uint32_t spreadLength = 1;   // samples

    // State: the sweep of the engines' internal pre-delay, 0..1.
    float sweepPhase = 0.0f;
};

// Type 4 runs the slot's first engine, type 5 both on the same input.
StereoPair processReverb(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);
StereoPair processHqReverb(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
