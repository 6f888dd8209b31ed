#pragma once

#include "engine/effects/effect_clock.h"

#include <algorithm>
#include <cmath>
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

    // Both channels through the first side, which follows their larger peak. Inline, as the reverbs run it
    // every sample.
    StereoPair process(float left, float right)
    {
        const float gain = step(sides[0], std::max(std::fabs(left), std::fabs(right)));
        return {left * gain, right * gain};
    }
    // Each channel through its own side.
    StereoPair processEachSide(float left, float right);

private:
    // Follows the peak, moves the side's state on and gives its gain.
    float step(Side& side, float peak) const;
};

inline float EffectGate::step(Side& side, float peak) const
{
    // Rises at once to a new peak and falls slowly, so that the gate reads the
    // envelope of the signal rather than its waveform.
    constexpr float kKeep = 0.9999f;
    constexpr float kDenormalOffset = 1e-15f;
    side.level = side.level >= peak ? kKeep * side.level + (1.0f - kKeep) * peak + kDenormalOffset : peak;

    switch (side.state) {
    case kClosed:
        if (side.level >= threshold)
            side.state = kOpening;
        break;
    case kOpening:
        side.gain += attackStep;
        if (side.gain >= 1.0f) {
            side.gain = 1.0f;
            side.holdCounter = holdLength;
            side.state = kHolding;
        }
        break;
    case kHolding:
        side.holdCounter -= 1.0f;
        if (side.holdCounter < 0.0f && side.level < threshold)
            side.state = kClosing;
        break;
    case kClosing:
        // Floored first, so that a gate reopening at the end of its decay never turns the signal over.
        side.gain -= decayStep;
        if (side.gain <= 0.0f) {
            side.gain = 0.0f;
            side.state = kClosed;
        }
        if (side.level > threshold)
            side.state = kOpening;
        break;
    default:
        break;
    }
    return side.gain;
}

} // namespace effects
