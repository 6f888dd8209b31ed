#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Mono Delay" and "Stereo Delay": two long delay lines with feedback,
// cross-feed, a low-pass and a high-pass in the loop, and a slow modulation
// of the lengths.
struct DelayEffect {
    // Coefficients. The feedbacks run -0.99 .. +0.99 and are subtracted.
    float lengthLeft = 1.0f; // samples
    float lengthRight = 1.0f;
    float feedbackLeft = 0.0f;
    float feedbackRight = 0.0f;
    float crossLeft = 0.0f;
    float crossRight = 0.0f;
    bool crossFeed = false;
    float modulationDepth = 0.0f;
    std::uint32_t lfoIncrement = 0;

    // State: the lengths the lines are read at, which slide to their targets.
    std::uint32_t lfoPhase = 0;
    float currentLeft = 0.0f;
    float currentRight = 0.0f;
};

// One step of a delay length sliding to its target; a change by more than the
// given ratio jumps instead, so that a new length is not a long glide.
float followDelayLength(float current, float target, float jumpRatio);

StereoPair processDelay(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
