#pragma once

#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

#include <cstdint>

namespace effects {

// What the control-rate update reads for one slot: its pan, mix and ten
// effect parameters, each already added to its modulation and held in 0..1.
struct SlotControls {
    float pan = 0.5f;
    float mix = 0.0f;
    float parameters[kEffectParameterCount] = {};
};

// The inputs of a type's coefficient formulas: the clamped parameters p, the
// smoothed ones s (which some types read to avoid zipper noise), and the clock.
struct EffectInputs {
    const float* p;
    const float* s;
    std::uint32_t sampleCounter;
};

// The control-rate update of one slot, every 16 samples: pan gains, the mix
// ramp, parameter smoothing, and (when a smoothed value moved, or forced)
// the coefficients of the slot's type.
void updateMasterEffectCoefficients(MasterEffectSlot& slot, const SlotControls& controls, bool force,
                                    const EffectRates& rates, std::uint32_t sampleCounter);

// The delay lengths of "Mono Delay" and "Stereo Delay": left time a, right
// time b, right-side offset c, sync switch.
void setDelayLengths(DelayEffect& delay, float a, float b, float c, float sync, const EffectRates& rates);

// One formula set per type; the dynamics and distortion ones in their own unit.
using CoefficientFormula = void (*)(MasterEffectSlot&, const EffectInputs&, const EffectRates&);
namespace formulas {
void distort(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void lowFi(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void ampSim(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void waveshaper(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void widener(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void autoPan(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void gator(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void ringMod(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void filter(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void equalizer(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void compressor(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void noiseGate(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void cabinet(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void multiDistort(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
void autoWah(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates);
} // namespace formulas

} // namespace effects
