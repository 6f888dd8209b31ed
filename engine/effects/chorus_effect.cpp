#include "engine/effects/chorus_effect.h"

#include "engine/effects/delay_effect.h"
#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

#include <algorithm>

namespace effects {

namespace {

// The two swept reads; the lines are written by the caller.
StereoPair readSwept(MasterEffectSlot& slot, const EffectClock& clock)
{
    ChorusEffect& c = slot.states.chorus;
    const float* sine = clock.sines->sine;
    c.phaseLeft = advancePhase(c.phaseLeft, c.incrementLeft);
    const float delayLeft = (1.0f - c.width + sine[c.phaseLeft >> kPhaseToTableShift] * c.width) * c.baseDelay;
    c.phaseRight = advancePhase(c.phaseRight, c.incrementRight);
    const float delayRight =
        (sine[c.phaseRight >> kPhaseToTableShift] * c.width + 1.0f - c.width) * c.baseDelay + c.widenOffset;
    const ModulationLines& lines = slot.modulationLines;
    return {ModulationLines::readCubic(lines.left, clock.sampleCounter, delayLeft),
            ModulationLines::readCubic(lines.right, clock.sampleCounter, delayRight)};
}

} // namespace

StereoPair processChorus(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    const StereoPair wet = readSwept(slot, clock);
    slot.onePoles[MasterEffectSlot::kLowPass].lowPassStereo(left, right);
    slot.modulationLines.write(clock.sampleCounter, left, right);
    return wet;
}

StereoPair processChorusForDelay(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    const StereoPair wet = readSwept(slot, clock);
    slot.modulationLines.write(clock.sampleCounter, left, right);
    return wet;
}

StereoPair processChorusDelayStage(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    // The stage glides only over small changes; a doubling or halving jumps.
    constexpr float kJumpRatio = 2.0f;
    ChorusEffect& c = slot.states.chorus;
    if (clock.controlTick())
        c.stageCurrent =
            followDelayLength(c.stageCurrent, std::min(c.stageLength, LongDelayLines::kLongestRead), kJumpRatio);
    return slot.delayLines.echo(clock.sampleCounter, c.stageCurrent, left, right, c.stageFeedback, c.stageVolume);
}

} // namespace effects
