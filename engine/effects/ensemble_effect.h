#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Ensemble": six chorus voices of falling delay, depth and speed, each with
// its own stereo line and feedback, spread across the stereo field.
struct EnsembleEffect {
    static constexpr int kVoices = 6;

    struct Voice {
        std::uint32_t increment = 0;
        float depth = 0.0f;  // samples the LFO sweeps
        float centre = 0.0f; // samples at the bottom of the sweep
        float gainLeft = 0.0f;
        float gainRight = 0.0f;

        std::uint32_t phase = 0;
    };

    Voice voices[kVoices];
    float feedback = 0.0f;
};

// The six voices' stereo lines.
struct EnsembleLines {
    static constexpr std::uint32_t kLength = 16384;
    static constexpr std::uint32_t kMask = kLength - 1;
    static constexpr float kLongestRead = static_cast<float>(kLength - 1);

    void clear();

    // No initialiser: a slot clears the lines when it takes the type.
    float left[EnsembleEffect::kVoices][kLength];
    float right[EnsembleEffect::kVoices][kLength];
};

StereoPair processEnsemble(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
