#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Phaser": a chain of first-order all-passes per side with feedback, its
// corner swept by an LFO; the left output leaves through the spread delay.
struct PhaserEffect {
    static constexpr int kMostSections = 8;

    // Coefficients.
    int sections = 1;
    float pitch = 0.0f;
    float feedback = 0.0f; // 0 .. -1: the chain's last output is added back
    float width = 0.0f;
    std::uint32_t increment = 0;
    std::uint32_t spreadLength = 5; // samples
    float panDepth = 0.0f;
    float cornerScale = 15.0f / 44100.0f; // the all-pass corner per unit of 2^(11 x)

    // State.
    std::uint32_t phase = 0;
    float coefficient = 0.0f;
    float gainLeft = 0.0f;
    float gainRight = 0.0f;
    float lastOutput[2] = {};
    float previousInput[2][kMostSections] = {};
    float previousOutput[2][kMostSections] = {};
};

StereoPair processPhaser(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
