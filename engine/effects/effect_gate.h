#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

// A gate with attack, hold and decay on a peak follower: the tail gate of the
// reverbs and the "Noise-Gate" type share its coefficients. It has a state
// per side; the reverbs gate both channels with the first side alone.
struct EffectGate {
    enum State : std::int32_t { kClosed = 1, kOpening = 2, kHolding = 3, kClosing = 4 };

    struct Side {
        // A newly chosen gate starts closed and silent.
        float level = 0.0f;
        float gain = 0.0f;
        float holdCounter = 0.0f;
        std::int32_t state = kClosed;
    };

    // Coefficients; a threshold of 0 keeps the gate open.
    float threshold = 0.0f;
    float attackStep = 1.0f; // gain per sample
    float holdLength = 0.0f; // samples
    float decayStep = 0.0f;  // gain per sample

    Side sides[2];

    // Both channels through the first side, which follows their larger peak.
    StereoPair process(float left, float right);
    // Each channel through its own side.
    StereoPair processEachSide(float left, float right);

private:
    // Follows the peak, moves the side's state on and gives its gain.
    float step(Side& side, float peak) const;
};

} // namespace effects
