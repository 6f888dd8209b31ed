#include "engine/effects/low_fi_effect.h"

#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

#include <cmath>

namespace effects {

namespace {

void followFilter(MasterEffectSlot& slot, float modWheel)
{
    constexpr float kKeep = 0.9f;
    constexpr float kDenormalOffset = 1e-15f;
    constexpr float kResonance = 0.1f;
    LowFiEffect& l = slot.states.lowFi;
    const float f = clamp01(l.modWheel * modWheel + l.filter);
    l.smoothedFilter = kKeep * l.smoothedFilter + (1.0f - kKeep) * f + kDenormalOffset;
    slot.tuneFilterBank(0, static_cast<std::uint32_t>(dsp::FxFilterType::LowPass12), clamp01(l.smoothedFilter),
                        kResonance);
}

} // namespace

StereoPair processLowFi(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    LowFiEffect& l = slot.states.lowFi;
    if (clock.controlTick())
        followFilter(slot, clock.modWheel);
    const auto period = static_cast<std::uint32_t>(l.holdPeriod);
    if (period == 0 || clock.sampleCounter % period == 0) {
        l.heldLeft = left;
        l.heldRight = right;
    }
    // Cut toward zero: everything within one step of zero is silent.
    const float quantisedLeft = std::trunc(l.heldLeft * l.levels) * l.inverseLevels;
    const float quantisedRight = std::trunc(l.heldRight * l.levels) * l.inverseLevels;
    // The filter's plain low-pass pass: no drive and no limit.
    return {slot.filters[MasterEffectSlot::filterIndex(0, 0)].lowPass(quantisedLeft),
            slot.filters[MasterEffectSlot::filterIndex(0, 1)].lowPass(quantisedRight)};
}

} // namespace effects
