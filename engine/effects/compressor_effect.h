#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Compressor": a peak-following envelope per side sets a gain that the
// signal, delayed by the look-ahead, is multiplied with; a peak is seen
// before it sounds.
struct CompressorEffect {
    static constexpr std::uint32_t kLookAhead = 256;

    // Coefficients.
    float threshold = 0.0f; // linear
    float slope = 1.0f;     // 1 / ratio
    float attack = 0.0f;    // per-sample keep factors
    float release = 0.0f;
    float volume = 0.0f;

    // State, per side.
    float lookAhead[2][kLookAhead] = {};
    float peak[2] = {};
    float envelope[2] = {};
    float gain[2] = {1.0f, 1.0f};
};

StereoPair processCompressor(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
