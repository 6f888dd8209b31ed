#pragma once

#include "engine/dsp/lfo.h"
#include "engine/dsp/one_pole_filter.h"
#include "engine/effects/equalizer_band.h"
#include "engine/filters/fx_filter.h"
#include "engine/tables/amp_sim_kernels.h"

#include <cstdint>

namespace effects {

// One of the four master effect slots: the type it runs and the building
// blocks the effect types share.
struct MasterEffectSlot {
    static constexpr int kFilterCount = 4;
    static constexpr int kEqualizerBandCount = 5;

    // Puts the slot into its start state for its current type at the given
    // rate; whatever the slot was holding (its tail) is lost.
    void setup(float sampleRate);

    std::int32_t type = 0;
    dsp::FxFilter filters[kFilterCount];
    dsp::OnePoleFilter onePoles[2]; // low-pass, high-pass
    dsp::Lfo lfo;
    EqualizerBand equalizer[kEqualizerBandCount];
    float ampSimRing[2][tables::kAmpSimKernelLength] = {};
};

} // namespace effects
