#include "engine/effects/chorus_effect.h"

#include "engine/effects/delay_effect.h"
#include "engine/effects/master_effect_slot.h"

#include <algorithm>

namespace effects {

StereoPair processChorusForDelay(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    const StereoPair wet = slot.states.chorus.readSwept(slot.modulationLines, clock);
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
