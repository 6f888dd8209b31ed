#include "engine/effects/master_effect_slot.h"

#include "engine/effects/effect_types.h"

namespace effects {

namespace {

// Centres of the "Equalizer" type's five bands.
constexpr float kEqualizerBandHz[MasterEffectSlot::kEqualizerBandCount] = {60.0f, 200.0f, 600.0f, 2000.0f, 8000.0f};

} // namespace

void MasterEffectSlot::init(float sampleRate)
{
    for (ReverbEngine& engine : reverbEngines) {
        engine.init();
        engine.setSampleRate(sampleRate);
    }
    setup(sampleRate);
}

void MasterEffectSlot::setup(float sampleRate)
{
    states = EffectStates{};
    for (auto& ring : ampSimRing)
        for (float& s : ring)
            s = 0.0f;
    for (dsp::FxFilter& filter : filters)
        filter.init(sampleRate);
    for (dsp::OnePoleFilter& filter : onePoles)
        filter.init(sampleRate);
    lfo.init(sampleRate);
    // Only a changed rate rebuilds the engines' lengths; it clears them too.
    for (ReverbEngine& engine : reverbEngines)
        engine.setSampleRate(sampleRate);
    clearEffectBuffers();
    for (int band = 0; band < kEqualizerBandCount; ++band)
        equalizerBands[band].setup(kEqualizerBandHz[band], sampleRate);
}

void MasterEffectSlot::clearEffectBuffers()
{
    switch (type) {
    case type::kMonoDelay:
    case type::kStereoDelay:
    case type::kWahWahDelay:
        delayLines.clear();
        break;
    case type::kChorusDelay:
        // Its chorus reads the modulation lines as well as its delay stage the long ones.
        delayLines.clear();
        modulationLines.clear();
        break;
    case type::kChorus:
    case type::kFlanger:
        modulationLines.clear();
        break;
    case type::kEnsemble:
        ensembleLines.clear();
        break;
    case type::kReverb:
    case type::kHqReverb:
        preDelayLeft.clear();
        preDelayRight.clear();
        spreadRing.clear();
        reverbEngines[0].clear();
        // "Reverb" never runs the second engine.
        if (type == type::kHqReverb)
            reverbEngines[1].clear();
        break;
    case type::kPhaser:
    case type::kWidener:
        spreadRing.clear();
        break;
    case type::kCombFilter:
        combRings.clear();
        break;
    default:
        break;
    }
}

void MasterEffectSlot::tuneFilterBank(int bank, std::uint32_t filterType, float frequencyValue, float resonance)
{
    for (int side = 0; side < 2; ++side) {
        dsp::FxFilter& f = filters[filterIndex(bank, side)];
        f.setType(filterType);
        f.setFrequency(frequencyValue);
        f.setResonance(resonance);
        f.updateCoefficients(false);
    }
}

} // namespace effects
