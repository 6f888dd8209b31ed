#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "AutoPan": a tempo-synced LFO moves the signal between the sides.
struct AutoPanEffect {
    // Coefficients.
    float depth = 0.0f; // 0 .. 0.5 either side of the centre
    std::uint32_t increment = 0;

    // State.
    std::uint32_t phase = 0;
    float gainLeft = 1.0f;
    float gainRight = 1.0f;
};

StereoPair processAutoPan(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
