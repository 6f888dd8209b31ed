#include "engine/effects/master_effect_slot.h"

namespace effects {

namespace {

// Centres of the "Equalizer" type's five bands.
constexpr float kEqualizerBandHz[MasterEffectSlot::kEqualizerBandCount] = {60.0f, 200.0f, 600.0f, 2000.0f, 8000.0f};

} // namespace

void MasterEffectSlot::setup(float sampleRate)
{
    for (auto& ring : ampSimRing)
        for (float& s : ring)
            s = 0.0f;
    for (dsp::FxFilter& filter : filters)
        filter.init(sampleRate);
    for (dsp::OnePoleFilter& filter : onePoles)
        filter.init(sampleRate);
    lfo.init(sampleRate);
    for (int band = 0; band < kEqualizerBandCount; ++band)
        equalizer[band].setup(kEqualizerBandHz[band], sampleRate);
}

} // namespace effects
