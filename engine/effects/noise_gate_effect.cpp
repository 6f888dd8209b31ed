#include "engine/effects/noise_gate_effect.h"

#include "engine/effects/master_effect_slot.h"

namespace effects {

StereoPair processNoiseGate(MasterEffectSlot& slot, const EffectClock&, float left, float right)
{
    return slot.states.gate.processEachSide(left, right);
}

} // namespace effects
