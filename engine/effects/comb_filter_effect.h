#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Comb Filter": two modulated combs, each side hearing the other side's comb,
// so that the two feed each other.
struct CombFilterEffect {
    // Lengths are in 1/256 sample.
    static constexpr std::uint32_t kShortestLength = 513;
    static constexpr std::uint32_t kLongestLength = 2097150;

    struct Comb {
        std::uint32_t length = kShortestLength;
        float feedback = 0.0f;
        float modulationDepth = 0.0f;
        std::uint32_t lfoIncrement = 0;

        std::uint32_t lfoPhase = 0;
        float gain = 0.0f;
        std::uint32_t position = 0; // write position in 1/256 sample
    };

    Comb combs[2];
};

// Each comb's input and output history, a ring per side.
struct CombRings {
    static constexpr std::uint32_t kLength = 8192;
    static constexpr std::uint32_t kMask = kLength - 1;

    void clear();

    // No initialiser: a slot clears the rings when it takes the type.
    float inputLeft[kLength];
    float inputRight[kLength];
    float outputLeft[kLength];
    float outputRight[kLength];
};

StereoPair processCombFilter(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
