// Models 6..8 (kind 2), in the manner of a hi-hat: noise (6), a modulated
// tone (7) or both with a sine carrier (8), each under a single falling level.
#include "engine/drums/user_voice.h"

#include "engine/dsp/random_source.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/user_parameters.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace us = kravo::param::user;

// "Mod Freq Drop" starts the modulators up to three octaves above or below.
constexpr float kModDropRangeOctaves = 3.0f;
// The tone spans -60 dB .. 0 dB, the noise -40 dB .. 0 dB.
constexpr float kToneRangeDb = 60.0f;
constexpr float kNoiseRangeDb = 40.0f;
constexpr int kWaveChoices = 4; // sine, saw, square, triangle
constexpr std::int32_t kSineWave = 0;
constexpr int kToneAndNoiseModel = 8;

} // namespace

void UserVoice::setupUserModelC(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    kind_ = ModelKind::ToneAndNoise;
    noiseOn_ = model == 6 || model == kToneAndNoiseModel;
    toneOn_ = model == 7 || model == kToneAndNoiseModel;
    decayScale_ = std::exp2(-velocity * p(us::kVelToDecay));
    carrierWave_ = model == kToneAndNoiseModel ? kSineWave
                                               : param::readChoiceClamped(p(us::kOscWave), 3.99f, kWaveChoices);
    toneDecayEnv_.setDecay(p(us::kOscAmpDecayC), 0.0f, decayScale_ * easy.synthDecayFactor);
    toneDecayEnv_.trigger();

    // One random detune moves the carrier and the modulators together.
    carrierFreqOffset_ = param::readBipolar(p(us::kOscVelToFreq)) * velocity;
    const float randomPitch = p(us::kOscRndToFreqC);
    const float detune = std::exp2((2.0f * dsp::randomUnit() - 1.0f) * randomPitch * randomPitch);
    carrierFreq_ = voices::freqFromValue(p(us::kOscFreqC) + carrierFreqOffset_) * detune;
    ringMode_ = param::readChoiceClamped(p(us::kFmRing), 1.99f, 2) == 1;
    modPitchDecayEnv_.setDecay(p(us::kModFreqDecayC), 0.0f, easy.pitchEnvSpeedFactor);
    modPitchDecayEnv_.trigger();
    modDropOctaves_ = kModDropRangeOctaves * (2.0f * p(us::kModFreqDropC) - 1.0f);
    const float modVelocity = param::readBipolar(p(us::kModVelToFreq)) * velocity;
    setModulatorPair(voices::freqFromValue(p(us::kModFreqC) + modVelocity) * detune, fmSpread(p(us::kModSpread)));

    const float pitchSpeed = decayScale_ * easy.pitchEnvSpeedFactor;
    toneFilterEnv_.setDecay(p(us::kOscFilterDecayC), 0.0f, pitchSpeed);
    toneFilterEnv_.setRise(p(us::kOscFilterRiseC), 0.0f, pitchSpeed);
    toneFilterEnv_.trigger();
    toneFilterDrop_ = param::readBipolar(p(us::kOscFilterDropC));
    c.modelFilters[kToneFilter].setType(filterTypeOf(p(us::kOscFilterType)));
    noiseDecayEnv_.setDecay(p(us::kNoiseAmpDecayC), 0.0f, decayScale_ * easy.synthDecayFactor);
    noiseDecayEnv_.trigger();
    noiseFilterEnv_.setDecay(p(us::kNoiseFilterDecayC), 0.0f, pitchSpeed);
    noiseFilterEnv_.setRise(p(us::kNoiseFilterRiseC), 0.0f, pitchSpeed);
    noiseFilterEnv_.trigger();
    filterDrop_ = param::readBipolar(p(us::kNoiseFilterDrop));
    filterNoteOffset_ = param::readBipolar(p(us::kNoiseFilterVelToFreq)) * velocity;
    c.modelFilters[kNoiseFilter].setType(filterTypeOf(p(us::kNoiseFilterType)));
}

// The voice ends when both its levels have, even a half it does not sound.
void UserVoice::renderUserKind2(const voices::VoiceContext& c)
{
    if (atControlTick()) {
        setBlockKind2(c);
        if (atCoefficientTick())
            setTimesKind2(c);
        toneDecayEnv_.processCurved();
        toneFilterEnv_.process();
        modPitchDecayEnv_.processCurved();
        noiseDecayEnv_.processCurved();
        noiseFilterEnv_.process();
        updateUserPan(c);
    }

    noiseDecayEnv_.step();
    toneDecayEnv_.step();
    if (!noiseDecayEnv_.isActive() && !toneDecayEnv_.isActive()) {
        stop();
        return;
    }
    if (atPitchTick())
        tuneKind2(c);
    float tone = 0.0f;
    if (toneOn_) {
        const float x = modulatedCarrier(c, carrierWave_) * toneDecayEnv_.output();
        tone = c.modelFilters[kToneFilter].process(x * toneGain_);
    }
    float noise = 0.0f;
    const float n = noiseOn_ ? noiseDecayEnv_.output() * noiseGain_ : 0.0f;
    if (n > 0.0f)
        noise = c.modelFilters[kNoiseFilter].process(c.randomBipolar()) * n;
    const float z = distortion.process(noise + tone);
    emitPanned(c, z, z, attack.next());
}

void UserVoice::setBlockKind2(const voices::VoiceContext& c)
{
    if (toneOn_) {
        carrierPhaseInc_ = voices::phaseIncrement(phaseScale_ * carrierFreq_);
        updateToneFilterValues(c);
    }
    if (noiseOn_)
        updateNoiseFilterValues(c);
}

// Envelope times and gains and the modulation depth, every 64 samples.
void UserVoice::setTimesKind2(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const float pitchSpeed = c.easy->pitchEnvSpeedFactor * decayScale_;
    const float decayFactor = c.easy->synthDecayFactor * decayScale_;
    toneDecayEnv_.setGain(decayGain_);
    toneFilterEnv_.setGain(decayGain_);
    modPitchDecayEnv_.setGain(decayGain_);
    noiseDecayEnv_.setGain(decayGain_);
    noiseFilterEnv_.setGain(decayGain_);
    toneDecayEnv_.setDecay(p(us::kOscAmpDecayC), 0.0f, decayFactor);
    toneGain_ = voices::dbGain(p(us::kOscVolume), kToneRangeDb, kToneRangeDb);
    toneFilterEnv_.setDecay(p(us::kOscFilterDecayC), 0.0f, pitchSpeed);
    toneFilterEnv_.setRise(p(us::kOscFilterRiseC), 0.0f, pitchSpeed);
    modPitchDecayEnv_.setDecay(p(us::kModFreqDecayC), 0.0f, pitchSpeed);
    setModulationAmount(p(us::kModAmount));
    noiseDecayEnv_.setDecay(p(us::kNoiseAmpDecayC), 0.0f, decayFactor);
    noiseGain_ = voices::dbGain(p(us::kNoiseVolume), kNoiseRangeDb, kNoiseRangeDb);
    noiseFilterEnv_.setDecay(p(us::kNoiseFilterDecayC), 0.0f, pitchSpeed);
    noiseFilterEnv_.setRise(p(us::kNoiseFilterRiseC), 0.0f, pitchSpeed);
}

// Modulator glide and filter frequencies, every 4 samples.
void UserVoice::tuneKind2(const voices::VoiceContext& c)
{
    if (toneOn_) {
        modPitchDecayEnv_.step4();
        glideModulators(modPitchDecayEnv_.output());
        toneFilterEnv_.step4();
        c.modelFilters[kToneFilter].setParameters(
            voices::freqFromValue(toneFilterValue_ + toneFilterEnv_.output() * toneFilterDrop_), toneFilterQ_, 1.0f);
    }
    if (noiseOn_) {
        noiseFilterEnv_.step4();
        c.modelFilters[kNoiseFilter].setParameters(
            voices::freqFromValue(noiseFilterEnv_.output() * filterDrop_ + filterValue_), filterQ_, filterPitch_);
    }
}

} // namespace drums
