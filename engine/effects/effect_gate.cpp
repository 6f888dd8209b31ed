#include "engine/effects/effect_gate.h"

#include <algorithm>
#include <cmath>

namespace effects {

float EffectGate::step(Side& side, float peak) const
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

StereoPair EffectGate::process(float left, float right)
{
    const float gain = step(sides[0], std::max(std::fabs(left), std::fabs(right)));
    return {left * gain, right * gain};
}

StereoPair EffectGate::processEachSide(float left, float right)
{
    return {left * step(sides[0], std::fabs(left)), right * step(sides[1], std::fabs(right))};
}

} // namespace effects
