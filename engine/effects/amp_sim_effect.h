#pragma once

#include "engine/effects/amp_tone_stack.h"
#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Amp Sim": an amplifier and speaker voicing as a 64-tap FIR kernel, then
// the tone stack.
struct AmpSimEffect {
    std::int32_t ampType = 0; // a kernel of the table; 0 is no amplifier
    AmpToneStack tone;
};

StereoPair processAmpSim(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
