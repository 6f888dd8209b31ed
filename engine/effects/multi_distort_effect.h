#pragma once

#include "engine/effects/distortion_curves.h"
#include "engine/effects/effect_clock.h"

namespace effects {

struct MasterEffectSlot;

// "Multi Distort": a boost into one of eleven distortion curves, a level
// follower that can give the result the input's level back, a low-pass, a
// high-pass and the volume.
struct MultiDistortEffect {
    // Coefficients.
    DistortionCurve curve;
    float preBoost = 0.0f;
    float normalize = 0.0f; // 0 keeps the curve's level, 1 follows the input's
    float volume = 0.0f;

    // State: per side, the level of the input and of the curve's output.
    float inputLevel[2] = {};
    float outputLevel[2] = {};
};

StereoPair processMultiDistort(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
