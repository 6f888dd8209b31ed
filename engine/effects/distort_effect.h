#pragma once

#include "engine/effects/effect_clock.h"

namespace effects {

struct MasterEffectSlot;

// "Distort": saturation into a band-pass tone filter the mod wheel can sweep,
// a rectifier for the negative half, a hard limit and a soft clip.
struct DistortEffect {
    float limit = 0.0f;
    float rectify = 0.0f; // -1 .. 1, the gain of the negative half
    float drive = 0.0f;   // 0 .. 255
    float tone = 0.0f;
    float emphasis = 0.0f;
    float volume = 0.0f;
    float modWheel = 0.0f; // -1 .. 1
};

StereoPair processDistort(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
