#pragma once

#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

// A gate with attack, hold and decay on a peak follower: the tail gate of the
// reverbs and the "Noise-Gate" type share its coefficients.
struct EffectGate {
    enum State : std::int32_t { kClosed = 1, kOpening = 2, kHolding = 3, kClosing = 4 };

    // Coefficients; a threshold of 0 keeps the gate open.
    float threshold = 0.0f;
    float attackStep = 1.0f; // gain per sample
    float holdLength = 0.0f; // samples
    float decayStep = 0.0f;  // gain per sample

    // A newly chosen gate starts closed and silent.
    float level = 0.0f;
    float gain = 0.0f;
    float holdCounter = 0.0f;
    std::int32_t state = kClosed;

    StereoPair process(float left, float right);

private:
    void followLevel(float left, float right);
    void step();
};

} // namespace effects
