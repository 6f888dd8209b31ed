#pragma once

#include "engine/effects/amp_tone_stack.h"
#include "engine/effects/effect_clock.h"
#include "engine/tables/cabinet_rows.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Cabinet": a speaker cabinet as a recursive filter, then the tone stack.
struct CabinetEffect {
    // Coefficients.
    std::int32_t cabinet = 0; // a row of the cabinet table
    AmpToneStack tone;        // its volume includes the cabinet's level

    // State: each side's last inputs and outputs, the newest at ringIndex.
    float inputs[2][tables::kCabinetTaps] = {};
    double outputs[2][tables::kCabinetTaps] = {};
    std::uint32_t ringIndex = 0;
};

StereoPair processCabinet(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
