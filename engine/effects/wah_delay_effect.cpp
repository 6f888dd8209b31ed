#include "engine/effects/wah_delay_effect.h"

#include "engine/effects/delay_effect.h"
#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

#include <algorithm>

namespace effects {

namespace {

void sweep(MasterEffectSlot& slot, const tables::SineTables& sines)
{
    constexpr float kJumpRatio = 10.0f;
    WahDelayEffect& w = slot.states.wahDelay;
    w.phase = advancePhase(w.phase, w.increment);
    const float frequency = w.low + (w.high - w.low) * sines.unipolarSine[w.phase >> kPhaseToTableShift];
    slot.tuneFilterBank(0, static_cast<std::uint32_t>(dsp::FxFilterType::LowPass12), frequency, w.resonance);
    w.currentLength =
        followDelayLength(w.currentLength, std::min(w.delayLength, LongDelayLines::kLongestRead), kJumpRatio);
}

} // namespace

StereoPair processWahDelay(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    WahDelayEffect& w = slot.states.wahDelay;
    if (clock.controlTick())
        sweep(slot, *clock.sines);
    const float wahLeft = slot.filters[MasterEffectSlot::filterIndex(0, 0)].process(left);
    const float wahRight = slot.filters[MasterEffectSlot::filterIndex(0, 1)].process(right);
    return slot.delayLines.echo(clock.sampleCounter, w.currentLength, wahLeft, wahRight, w.feedback, w.volume);
}

} // namespace effects
