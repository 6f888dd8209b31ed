#pragma once

#include "engine/effects/effect_clock.h"

namespace effects {

struct MasterEffectSlot;

// "Noise-Gate": the slot's gate on each side separately, each following its own level.
StereoPair processNoiseGate(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
