#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Flanger": both sides read their modulation line at one swept length, each
// feeding the other side's line, with an LFO-driven pan of the wet pair.
struct FlangerEffect {
    // Coefficients.
    float baseDelay = 44.0f; // samples
    float width = 0.0f;
    std::uint32_t increment = 0;
    float feedback = 0.0f;
    float panDepth = 0.0f;

    // State.
    std::uint32_t phase = 0;
    float gainLeft = 0.0f;
    float gainRight = 0.0f;
};

// Pan gains of a wet pair from a -1..1 wave value: the cosine table's value
// at the LFO phase, scaled by the pan depth, moves the pair's centre.
void panFromWave(float wave, float depth, float& gainLeft, float& gainRight);

StereoPair processFlanger(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
