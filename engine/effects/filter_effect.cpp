#include "engine/effects/filter_effect.h"

#include "engine/effects/master_effect_slot.h"

namespace effects {

namespace {

void sweep(MasterEffectSlot& slot, float modWheel)
{
    const FilterEffect& f = slot.states.filter;
    slot.lfo.output();
    // The wheel's share rises with the square of its knob's distance from the
    // centre, either way, for fine control near no effect.
    const float w = 2.0f * f.modWheel - 1.0f;
    const float offset = slot.lfo.bipolarOutput() * f.lfoAmount + w * w * (w < 0.0f ? -1.0f : 1.0f) * modWheel;
    slot.tuneFilterBank(0, f.filterType, f.frequency + offset, f.q);
}

} // namespace

StereoPair processFilter(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    if (clock.controlTick())
        sweep(slot, clock.modWheel);
    return {slot.filters[MasterEffectSlot::filterIndex(0, 0)].process(left),
            slot.filters[MasterEffectSlot::filterIndex(0, 1)].process(right)};
}

} // namespace effects
