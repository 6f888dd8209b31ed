#include "engine/effects/delay_effect.h"

#include "engine/effects/effect_rates.h"

#include <algorithm>

namespace effects {

float followDelayLength(float current, float target, float jumpRatio)
{
    constexpr float kKeep = 0.99f;
    constexpr float kDenormalOffset = 1e-15f;
    if (target > jumpRatio * current || target * jumpRatio < current)
        return target;
    return kKeep * current + (1.0f - kKeep) * target + kDenormalOffset;
}

// The lengths wander by at most an eighth of the modulation depth, a gentle tape-like drift.
void DelayEffect::followModulatedLengths(const tables::SineTables& sines)
{
    constexpr float kDepthScale = 0.125f;
    constexpr float kJumpRatio = 10.0f;
    lfoPhase = advancePhase(lfoPhase, lfoIncrement);
    const float m = modulationDepth * kDepthScale * sines.sine[lfoPhase >> kPhaseToTableShift];
    const float targetLeft = std::min(lengthLeft * (1.0f + m), LongDelayLines::kLongestRead);
    const float targetRight = std::min(lengthRight * (1.0f + m), LongDelayLines::kLongestRead);
    currentLeft = followDelayLength(currentLeft, targetLeft, kJumpRatio);
    currentRight = followDelayLength(currentRight, targetRight, kJumpRatio);
    tapLeft = LongDelayLines::tapAt(currentLeft);
    tapRight = LongDelayLines::tapAt(currentRight);
}

} // namespace effects
