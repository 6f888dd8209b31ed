#pragma once

#include "engine/effects/effect_clock.h"

namespace effects {

struct MasterEffectSlot;

// "Equalizer": five band-pass resonators per side in parallel, each with its
// own gain; the dry signal is not added, so middle gains give about unity.
struct EqualizerEffect {
    static constexpr int kBands = 5;

    float gains[kBands] = {};
    // The last three inputs per side, in a ring at the shared equalizer taps.
    float input[2][3] = {};
};

StereoPair processEqualizer(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects
