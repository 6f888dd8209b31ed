#include "engine/effects/auto_pan_effect.h"

#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

namespace effects {

StereoPair processAutoPan(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    AutoPanEffect& a = slot.states.autoPan;
    if (clock.controlTick()) {
        a.phase = advancePhase(a.phase, a.increment);
        const float t = clock.sines->unipolarSine[a.phase >> kPhaseToTableShift];
        const float pan = (2.0f * t - 1.0f) * a.depth + 0.5f;
        a.gainLeft = clamp01(2.0f - 2.0f * pan);
        a.gainRight = clamp01(2.0f * pan);
    }
    return {left * a.gainLeft, right * a.gainRight};
}

} // namespace effects
