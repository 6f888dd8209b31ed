#include "engine/effects/effect_gate.h"

#include <algorithm>
#include <cmath>

namespace effects {

// Rises at once to a new peak and falls slowly, so that the gate reads the
// envelope of the signal rather than its waveform.
void EffectGate::followLevel(float left, float right)
{
    constexpr float kKeep = 0.9999f;
    constexpr float kDenormalOffset = 1e-15f;
    const float peak = std::max(std::fabs(left), std::fabs(right));
    level = level >= peak ? kKeep * level + (1.0f - kKeep) * peak + kDenormalOffset : peak;
}

void EffectGate::step()
{
    switch (state) {
    case kClosed:
        if (level >= threshold)
            state = kOpening;
        break;
    case kOpening:
        gain += attackStep;
        if (gain >= 1.0f) {
            gain = 1.0f;
            holdCounter = holdLength;
            state = kHolding;
        }
        break;
    case kHolding:
        holdCounter -= 1.0f;
        if (holdCounter < 0.0f && level < threshold)
            state = kClosing;
        break;
    case kClosing:
        // Floored first, so that a gate reopening at the end of its decay never turns the signal over.
        gain -= decayStep;
        if (gain <= 0.0f) {
            gain = 0.0f;
            state = kClosed;
        }
        if (level > threshold)
            state = kOpening;
        break;
    default:
        break;
    }
}

StereoPair EffectGate::process(float left, float right)
{
    followLevel(left, right);
    step();
    return {left * gain, right * gain};
}

} // namespace effects
