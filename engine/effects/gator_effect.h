#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Gator": a 16-step gate, one pattern per side, running free or locked to
// the host's position.
struct GatorEffect {
    static constexpr int kSteps = 16;
    enum Mode : std::int32_t { kBothSides = 0, kLeftOnly = 1, kRightOnly = 2 };
    enum SyncMode : std::int32_t { kFree = 0, kHostSteps = 1, kHostWhilePlaying = 2 };

    // Coefficients.
    float stepIncrement = 0.0f; // steps per sample
    float rate = 0.0f;          // steps per sixteenth note
    float smoothing = 1.0f;     // share of the new target per sample
    std::int32_t mode = kBothSides;
    std::int32_t syncMode = kFree;
    float pattern[2][kSteps] = {};

    // State.
    float position = 0.0f; // steps, 0..16
    float gainLeft = 0.0f;
    float gainRight = 0.0f;
};

StereoPair processGator(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
