// Models 0..5: filtered noise, ring-modulated in models 4 and 5 (kind 0), and
// a tone under two FM or ring modulators (models 2 and 3, kind 1).
#include "engine/drums/user_voice.h"

#include "engine/dsp/random_source.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/user_parameters.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace us = kravo::param::user;
namespace voicedest = modulation::voicedest;

// "Osc/Noise Amp Attack Curve" bend the rise by up to two octaves of exponent.
constexpr float kAttackCurveRange = 2.0f;
// "Mod Freq Drop" starts the modulators up to three octaves away.
constexpr float kModDropRangeOctaves = 3.0f;
// The FM modulators' "Mod Freq" spans 640 Hz .. 20480 Hz, the carrier's "Osc Freq" too.
constexpr float kModulatorLowestHz = 640.0f;
constexpr float kModulatorOctaves = 5.0f;
constexpr float kCarrierLowestHz = 640.0f;
constexpr float kCarrierOctaves = 5.0f;
// The tone spans -60 dB .. 0 dB, the noise -40 dB .. 0 dB.
constexpr float kToneRangeDb = 60.0f;
constexpr float kNoiseRangeDb = 40.0f;
constexpr int kWaveChoices = 4;     // sine, saw, square, triangle
constexpr int kRingWaveChoices = 5; // the second bank's waves

bool isNoiseModel(int model)
{
    return model == 0 || model == 1 || model == 4 || model == 5;
}

// A random factor in 2^-(x^2) .. 2^(x^2); the draw is made whatever x is.
float randomSpread(float x)
{
    return (2.0f * dsp::randomUnit() - 1.0f) * x * x;
}

} // namespace

void UserVoice::setupUserModelA(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    decayScale_ = std::exp2(-velocity * p(us::kVelToDecay));
    kind_ = isNoiseModel(model) ? ModelKind::RingNoise : ModelKind::ModulatedTone;
    modEnvOn_ = model == 2 || model == 3;
    ringOn_ = model == 4 || model == 5;
    lfoOn_ = model <= 3;
    filterOffset_ = randomSpread(p(us::kNoiseFilterRndToFreq));
    // The tone models keep their decay steady.
    extraDecay_ = std::exp2(randomSpread(modEnvOn_ ? 0.0f : p(us::kRandomToDecay)));
    if (model % 2 == 1)
        stretchEnvelopes();

    carrierWave_ = param::readChoiceClamped(p(us::kOscWave), 3.99f, kWaveChoices);
    ringMode_ = param::readChoiceClamped(p(us::kFmRing), 1.99f, 2) == 1;
    ringWave_ = param::readChoiceClamped(p(us::kModWave), 4.99f, kRingWaveChoices);
    toneAmpEnv_.setAttack(p(us::kOscAmpAttack), 0.0f, decayScale_);
    toneAmpEnv_.setHold(p(us::kOscAmpHold), 0.0f, decayScale_);
    toneAmpEnv_.setAttackCurve(0.5f - 0.5f * p(us::kOscAmpAttackCurve), kAttackCurveRange);
    toneAmpEnv_.setDecay(p(us::kOscAmpDecay), 0.0f, decayScale_ * easy.synthDecayFactor);
    toneAmpEnv_.trigger();
    modPitchEnv_.setDecay(p(us::kModFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    modPitchEnv_.setRise(p(us::kModFreqRise), 0.0f, easy.pitchEnvSpeedFactor);
    modPitchEnv_.trigger();
    carrierFreqOffset_ = param::readBipolar(p(us::kOscVelToFreq)) * velocity;
    modDropOctaves_ = kModDropRangeOctaves * param::readBipolar(p(us::kModFreqDrop));
    const float modVelocity = param::readBipolar(p(us::kModVelToFreq)) * velocity;
    if (ringOn_)
        setModulatorPair(ringModulatorFrequency(p(us::kModFreq2) + modVelocity), ringSpread(p(us::kModSpread)));
    else
        setModulatorPair(voices::expScale(p(us::kModFreq) + modVelocity, kModulatorLowestHz, kModulatorOctaves),
                         fmSpread(p(us::kModSpread)));
    toneFilterEnv_.setDecay(p(us::kOscFilterDecay), 0.0f, decayScale_ * easy.synthDecayFactor);
    toneFilterEnv_.setRise(p(us::kOscFilterRise), 0.0f, decayScale_ * easy.synthDecayFactor);
    toneFilterEnv_.trigger();
    toneFilterDrop_ = param::readBipolar(p(us::kOscFilterDrop));
    c.modelFilters[kToneFilter].setType(filterTypeOf(p(us::kOscFilterType)));
    setupNoisePathA(c);
}

void UserVoice::setupNoisePathA(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const float decayFactor = decayScale_ * c.easy->synthDecayFactor;
    noiseAmpEnv_.setAttack(p(us::kNoiseAmpAttack), 0.0f, decayScale_);
    noiseAmpEnv_.setAttackCurve(0.5f - 0.5f * p(us::kNoiseAmpAttackCurve), kAttackCurveRange);
    noiseAmpEnv_.setHold(p(us::kNoiseAmpHold), 0.0f, decayScale_);
    noiseAmpEnv_.setDecay(p(us::kNoiseAmpDecay), 0.0f, decayFactor);
    noiseAmpEnv_.trigger();
    noiseFilterEnv_.setDecay(p(us::kNoiseFilterDecay), 0.0f, decayFactor);
    noiseFilterEnv_.setRise(p(us::kNoiseFilterRise), 0.0f, decayFactor);
    noiseFilterEnv_.trigger();
    filterDrop_ = param::readBipolar(p(us::kNoiseFilterDrop));
    filterNoteOffset_ = param::readBipolar(p(us::kNoiseFilterVelToFreq)) * velocity;
    c.modelFilters[kNoiseFilter].setType(filterTypeOf(p(us::kNoiseFilterType)));
    noiseAMix_ = 1.0f - p(us::kNoiseMix);
    noiseBMix_ = p(us::kNoiseMix);
    lfoPerVoice_ = param::isSwitchOn(p(us::kFilterLfoMode));
}

// Kind 0 ends with its noise level, whatever its other envelopes do.
void UserVoice::renderUserKind0(const voices::VoiceContext& c)
{
    const bool gliding = modEnvOn_ || ringOn_;
    if (atControlTick()) {
        updateNoiseFilterValues(c);
        if (atCoefficientTick())
            setTimesKind0(c);
        if (gliding)
            modPitchEnv_.process();
        noiseAmpEnv_.process();
        noiseFilterEnv_.process();
        updateFilterLfo(c);
        updateUserPan(c);
    }

    noiseAmpEnv_.step();
    if (!noiseAmpEnv_.isActive()) {
        stop();
        return;
    }
    dsp::VoiceFilter& filter = c.modelFilters[kNoiseFilter];
    if (atPitchTick()) {
        if (gliding) {
            modPitchEnv_.step4();
            glideModulators(modPitchEnv_.output());
        }
        noiseFilterEnv_.step4();
        filter.setParameters(voices::freqFromValue(filterValue_ + noiseFilterEnv_.output() * filterDrop_ + filterLfo_),
                             filterQ_, filterPitch_);
    }
    float x = 0.0f;
    const float a = noiseAmpEnv_.curvedOutput() * noiseGain_;
    if (a > 0.0f) {
        const float noiseA = noiseAMix_ > 0.0f ? c.randomBipolar() : 0.0f;
        const float noiseB = noiseBMix_ > 0.0f ? c.readNoise() : 0.0f;
        const float filtered = filter.process(noiseAMix_ * noiseA + noiseBMix_ * noiseB);
        float ring = 1.0f;
        if (ringOn_) {
            const float m = c.readWaveBank2(mod1Phase_, mod1Inc_, ringWave_, 1.0f) +
                            c.readWaveBank2(mod2Phase_, mod2Inc_, ringWave_, 1.0f);
            ring = 1.0f - ringAmount_ + ringAmount_ * 0.5f * (0.5f * m + 1.0f);
        }
        x = ring * filtered * a;
    }
    const float z = distortion.process(x);
    emitPanned(c, z, z, 1.0f);
}

// Envelope times and gains, every 64 samples.
void UserVoice::setTimesKind0(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const float pitchSpeed = c.easy->pitchEnvSpeedFactor * decayScale_;
    const float decayFactor = c.easy->synthDecayFactor * decayScale_;
    modPitchEnv_.setGain(decayGain_);
    noiseAmpEnv_.setGain(decayGain_);
    noiseFilterEnv_.setGain(decayGain_);
    modPitchEnv_.setDecay(p(us::kModFreqDecay), 0.0f, pitchSpeed);
    modPitchEnv_.setRise(p(us::kModFreqRise), 0.0f, pitchSpeed);
    ringAmount_ = p(us::kModAmount);
    noiseAmpEnv_.setAttack(p(us::kNoiseAmpAttack), 0.0f, decayScale_);
    noiseAmpEnv_.setHold(p(us::kNoiseAmpHold), 0.0f, decayFactor);
    noiseAmpEnv_.setDecay(p(us::kNoiseAmpDecay), 0.0f, extraDecay_ * decayFactor);
    noiseGain_ = voices::dbGain(p(us::kNoiseVolume), kNoiseRangeDb, kNoiseRangeDb);
    noiseFilterEnv_.setDecay(p(us::kNoiseFilterDecay), 0.0f, pitchSpeed);
    noiseFilterEnv_.setRise(p(us::kNoiseFilterRise), 0.0f, pitchSpeed);
}

// Kind 1's level moves once per block: it is read without the per-sample steps.
void UserVoice::renderUserKind1(const voices::VoiceContext& c)
{
    if (atControlTick()) {
        auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
        carrierFreq_ = voices::expScale(p(us::kOscFreq) + carrierFreqOffset_, kCarrierLowestHz, kCarrierOctaves);
        carrierPhaseInc_ = voices::phaseIncrement(carrierFreq_ * phaseScale_);
        updateToneFilterValues(c);
        if (atCoefficientTick())
            setTimesKind1(c);
        toneAmpEnv_.process();
        toneFilterEnv_.process();
        modPitchEnv_.process();
        updateFilterLfo(c);
        updateUserPan(c);
    }

    if (!toneAmpEnv_.isActive()) {
        stop();
        return;
    }
    dsp::VoiceFilter& filter = c.modelFilters[kToneFilter];
    if (atPitchTick()) {
        modPitchEnv_.step4();
        glideModulators(modPitchEnv_.output());
        toneFilterEnv_.step4();
        filter.setParameters(
            voices::freqFromValue(toneFilterValue_ + toneFilterEnv_.output() * toneFilterDrop_ + filterLfo_),
            toneFilterQ_, 1.0f);
    }
    const float x = modulatedCarrier(c, carrierWave_) * toneAmpEnv_.curvedOutput();
    const float z = distortion.process(filter.process(x * toneGain_));
    emitPanned(c, z, z, 1.0f);
}

// Envelope times and gains and the modulation depth, every 64 samples.
void UserVoice::setTimesKind1(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const float pitchSpeed = c.easy->pitchEnvSpeedFactor * decayScale_;
    const float decayFactor = c.easy->synthDecayFactor * decayScale_;
    toneAmpEnv_.setGain(decayGain_);
    modPitchEnv_.setGain(decayGain_);
    toneFilterEnv_.setGain(decayGain_);
    toneAmpEnv_.setAttack(p(us::kOscAmpAttack), 0.0f, decayScale_);
    toneAmpEnv_.setHold(p(us::kOscAmpHold), 0.0f, decayFactor);
    toneAmpEnv_.setDecay(p(us::kOscAmpDecay), 0.0f, extraDecay_ * decayFactor);
    toneGain_ = voices::dbGain(p(us::kOscVolume), kToneRangeDb, kToneRangeDb);
    toneFilterEnv_.setDecay(p(us::kOscFilterDecay), 0.0f, pitchSpeed);
    toneFilterEnv_.setRise(p(us::kOscFilterRise), 0.0f, pitchSpeed);
    modPitchEnv_.setDecay(p(us::kModFreqDecay), 0.0f, pitchSpeed);
    modPitchEnv_.setRise(p(us::kModFreqRise), 0.0f, pitchSpeed);
    setModulationAmount(p(us::kModAmount));
}

} // namespace drums
