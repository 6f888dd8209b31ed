#include "engine/effects/delay_effect.h"

#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

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

namespace {

// The lengths wander by at most an eighth of the modulation depth, a gentle tape-like drift.
void followModulatedLengths(DelayEffect& d, const tables::SineTables& sines)
{
    constexpr float kDepthScale = 0.125f;
    constexpr float kJumpRatio = 10.0f;
    d.lfoPhase = advancePhase(d.lfoPhase, d.lfoIncrement);
    const float m = d.modulationDepth * kDepthScale * sines.sine[d.lfoPhase >> kPhaseToTableShift];
    const float targetLeft = std::min(d.lengthLeft * (1.0f + m), LongDelayLines::kLongestRead);
    const float targetRight = std::min(d.lengthRight * (1.0f + m), LongDelayLines::kLongestRead);
    d.currentLeft = followDelayLength(d.currentLeft, targetLeft, kJumpRatio);
    d.currentRight = followDelayLength(d.currentRight, targetRight, kJumpRatio);
}

} // namespace

StereoPair processDelay(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    constexpr float kDenormalOffset = 1e-15f;
    DelayEffect& d = slot.states.delay;
    if (clock.controlTick())
        followModulatedLengths(d, *clock.sines);
    LongDelayLines& lines = slot.delayLines;
    const float delayedLeft = LongDelayLines::readLinear(lines.left, clock.sampleCounter, d.currentLeft);
    const float delayedRight = LongDelayLines::readLinear(lines.right, clock.sampleCounter, d.currentRight);
    float feedLeft = left - d.feedbackLeft * delayedLeft + kDenormalOffset;
    float feedRight = right - d.feedbackRight * delayedRight;
    if (d.crossFeed) {
        feedLeft -= d.crossLeft * delayedRight;
        feedRight -= d.crossRight * delayedLeft;
    }
    slot.onePoles[MasterEffectSlot::kLowPass].lowPassStereo(feedLeft, feedRight);
    slot.onePoles[MasterEffectSlot::kHighPass].highPassStereo(feedLeft, feedRight);
    lines.write(clock.sampleCounter, feedLeft, feedRight);
    return {delayedLeft, delayedRight};
}

} // namespace effects
