#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Waveshaper": each half of the wave bent by a cosine of its own level, then
// a low-pass whose corner an LFO sweeps around "Low".
struct WaveshaperEffect {
    // Coefficients.
    float top = 0.0f;    // 0 .. 15, cosine cycles per unit of level above zero
    float bottom = 0.0f; // the same below zero
    float rectify = 0.0f; // -1 .. 1, the gain of the negative half
    float low = 0.0f;
    float modulation = 0.0f;
    std::uint32_t increment = 0;

    // State.
    std::uint32_t phase = 0;
};

// One sample of the shape: x cos(2 pi top x) above zero, rectify x cos(2 pi bottom x) at and below it.
float waveshape(float x, float top, float bottom, float rectify);

StereoPair processWaveshaper(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
