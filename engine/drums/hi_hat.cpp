#include "engine/drums/hi_hat_voice.h"

#include "engine/dsp/random_source.h"
#include "plugin/parameters/hi_hat_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace hh = kravo::param::hihat;
namespace voicedest = modulation::voicedest;
using kravo::param::DrumKind;

// Longest stage times, in ms: every stage but the noise filter's rise.
constexpr float kTimeScaleMs = 2500.0f;
constexpr float kNoiseFilterRiseTimeScaleMs = 2000.0f;
// The amplitude and modulator pitch envelopes fall with exponent 2^(3 - 6 x 0.4).
constexpr float kDecayCurve = 0.4f;
constexpr float kDecayCurveRange = 3.0f;

// Carrier and modulators span five octaves from 640 Hz (640 Hz .. 20480 Hz).
constexpr float kLowestHz = 640.0f;
constexpr float kRangeOctaves = 5.0f;
// "Mod Spread" sets the modulators 1/60 to 1/30 octave above and below the
// modulator frequency: the slow beating of a cymbal's close partials.
constexpr float kModDetuneOctaves = 1.0f / 30.0f;
// Each modulator at half level, so that the pair stays within -1..1.
constexpr float kModulatorLevel = 0.5f;
// "Mod Freq Drop" starts the modulators up to three octaves off and lets them glide back.
constexpr float kModDropRangeOctaves = 3.0f;
// FM depth grows over three octaves of "Mod Amount"; one unit shifts the
// carrier by three quarters of a cycle of its 23-bit phase.
constexpr float kFmDepthOctaves = 3.0f;
constexpr float kFmPhasePerDepth = 6291456.0f;
// Tone volume spans -60 dB .. 0 dB, noise volume -40 dB .. 0 dB.
constexpr float kToneRangeDb = 60.0f;
constexpr float kNoiseRangeDb = 40.0f;

constexpr float kFmRingScale = 1.99f;
constexpr float kToneFilterTypeScale = 2.99f;
constexpr std::uint32_t kToneFilterTypes[3] = {0, 2, 3}; // off, high-pass, band-pass
constexpr int kNoiseFilter = 0;
constexpr int kToneFilter = 1;

} // namespace

template <DrumKind Kind>
voices::SynthVoiceParameters HiHatVoice<Kind>::parameters(int instance)
{
    return {index(hh::kVelocityToVolume, instance), index(hh::kModel, instance), index(hh::kAttack, instance),
            index(hh::kDistortionType, instance), kModelCount};
}

template <DrumKind Kind>
void HiHatVoice<Kind>::setup(float sampleRate, const float* sineTable, const float* cosineTable)
{
    *this = HiHatVoice{};
    distortion.init(sampleRate, sineTable, cosineTable);
    for (dsp::DecayEnvelope* env : {&toneAmpEnv_, &modPitchEnv_, &noiseAmpEnv_}) {
        env->init(sampleRate);
        env->setTimeScale(kTimeScaleMs);
        env->setCurve(kDecayCurve, kDecayCurveRange);
    }
    toneFilterEnv_.init(sampleRate);
    toneFilterEnv_.setDecayTimeScale(kTimeScaleMs);
    toneFilterEnv_.setRiseTimeScale(kTimeScaleMs);
    noiseFilterEnv_.init(sampleRate);
    noiseFilterEnv_.setDecayTimeScale(kTimeScaleMs);
    noiseFilterEnv_.setRiseTimeScale(kNoiseFilterRiseTimeScaleMs);
}

// The envelope times follow from the first block on, where "Vel > Decay" stretches them all.
template <DrumKind Kind>
void HiHatVoice<Kind>::noteOn(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[index(j, c.instance)]; };
    hasNoise_ = model != 1;
    hasTone_ = model != 0;
    decayScale_ = std::exp2(-velocity * p(hh::kVelToDecay));
    carrierFreqOffset_ = param::readBipolar(p(hh::kOscVelToFreq)) * velocity;
    const float detune = p(hh::kOscRndToFreq);
    pitchRandom_ = std::exp2((2.0f * dsp::randomUnit() - 1.0f) * detune * detune);
    toneFilterDrop_ = param::readBipolar(p(hh::kOscFilterDrop));
    modFreqOffset_ = param::readBipolar(p(hh::kModVelToFreq)) * velocity;
    ringMode_ = param::readChoiceClamped(p(hh::kFmRing), kFmRingScale, 2) == 1;
    modDropOctaves_ = kModDropRangeOctaves * param::readBipolar(p(hh::kModFreqDrop));
    noiseFilterOffset_ = param::readBipolar(p(hh::kNoiseFilterVelToFreq)) * velocity;
    noiseFilterDrop_ = param::readBipolar(p(hh::kNoiseFilterDrop));
    c.modelFilters[kToneFilter].setType(
        kToneFilterTypes[param::readChoiceClamped(p(hh::kOscFilterType), kToneFilterTypeScale, 3)]);
    c.modelFilters[kNoiseFilter].setType(static_cast<std::uint32_t>(
        param::readChoiceClamped(p(hh::kNoiseFilterType), param::choicescale::kVoiceFilterType, 7)));
    toneAmpEnv_.trigger();
    modPitchEnv_.trigger();
    toneFilterEnv_.trigger();
    noiseAmpEnv_.trigger();
    noiseFilterEnv_.trigger();
}

template <DrumKind Kind>
void HiHatVoice<Kind>::kill()
{
    toneAmpEnv_.kill();
    noiseAmpEnv_.kill();
}

// Pitches and filter settings of the next 16 samples. The tone filter stays
// where it is set; only the noise filter follows the voice's pitch.
template <DrumKind Kind>
void HiHatVoice<Kind>::setBlock(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    const float pitchMod = c.modRatio(voicedest::kPitch);
    const float phaseScale = c.note->phaseIncrement * easy.synthPitchFactor * pitchMod * pitchRandom_;
    const float carrierHz = voices::expScale(dsp::clamp01(p(hh::kOscFreq) + carrierFreqOffset_), kLowestHz,
                                             kRangeOctaves);
    carrierPhaseInc_ = voices::phaseIncrement(carrierHz * phaseScale);
    toneFilterValue_ = p(hh::kOscFilterFreq) + easy.filterFreqOffset + c.modValue(voicedest::kFilterFreq);
    toneFilterQ_ = dsp::clamp01(p(hh::kOscFilterQ) + easy.filterQOffset) + c.modValue(voicedest::kFilterQ);
    const float spread = std::exp2((0.5f * p(hh::kModSpread) + 0.5f) * kModDetuneOctaves);
    const float modStep = voices::expScale(p(hh::kModFreq) + modFreqOffset_, kLowestHz, kRangeOctaves) * phaseScale;
    mod1Scale_ = modStep * spread;
    mod2Scale_ = modStep / spread;
    filterPitch_ = easy.synthPitchFactor * pitchMod * c.note->pitchFactor;
    noiseFilterValue_ = p(hh::kNoiseFilterFreq) + easy.filterFreqOffset + noiseFilterOffset_ +
                        c.modValue(voicedest::kNoiseFreq);
    noiseFilterQ_ = dsp::clamp01(p(hh::kNoiseFilterQ) + easy.filterQOffset + c.modValue(voicedest::kNoiseQ));
}

// Envelope times and gains, levels and modulation depth, every 64 samples.
template <DrumKind Kind>
void HiHatVoice<Kind>::setTimes(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[index(j, c.instance)]; };
    const float decayGain = c.modValue(voicedest::kEnvSpeed) * c.note->noteLevel;
    for (dsp::DecayEnvelope* env : {&toneAmpEnv_, &modPitchEnv_, &noiseAmpEnv_})
        env->setGain(decayGain);
    toneFilterEnv_.setGain(decayGain);
    noiseFilterEnv_.setGain(decayGain);
    const float ampFactor = c.easy->synthDecayFactor * decayScale_;
    const float sweepFactor = c.easy->pitchEnvSpeedFactor * decayScale_;
    toneAmpEnv_.setDecay(p(hh::kOscAmpDecay), 0.0f, ampFactor);
    toneGain_ = voices::dbGain(p(hh::kOscVolume), kToneRangeDb, kToneRangeDb);
    toneFilterEnv_.setDecay(p(hh::kOscFilterDecay), 0.0f, sweepFactor);
    toneFilterEnv_.setRise(p(hh::kOscFilterRise), 0.0f, sweepFactor);
    modPitchEnv_.setDecay(p(hh::kModFreqDecay), 0.0f, sweepFactor);
    const float amount = p(hh::kModAmount);
    fmDepth_ = (std::exp2(kFmDepthOctaves * dsp::clamp01(amount)) - 1.0f) * kFmPhasePerDepth;
    ringAmount_ = amount;
    noiseAmpEnv_.setDecay(p(hh::kNoiseAmpDecay), 0.0f, ampFactor);
    noiseGain_ = voices::dbGain(p(hh::kNoiseVolume), kNoiseRangeDb, kNoiseRangeDb);
    noiseFilterEnv_.setDecay(p(hh::kNoiseFilterDecay), 0.0f, sweepFactor);
    noiseFilterEnv_.setRise(p(hh::kNoiseFilterRise), 0.0f, sweepFactor);
}

template <DrumKind Kind>
void HiHatVoice<Kind>::render(const voices::VoiceContext& c)
{
    if (atControlTick()) {
        setBlock(c);
        if (atCoefficientTick())
            setTimes(c);
        toneAmpEnv_.processCurved();
        toneFilterEnv_.process();
        modPitchEnv_.processCurved();
        noiseAmpEnv_.processCurved();
        noiseFilterEnv_.process();
    }

    noiseAmpEnv_.step();
    toneAmpEnv_.step();
    if (!noiseAmpEnv_.isActive() && !toneAmpEnv_.isActive()) {
        stop();
        return;
    }

    const bool pitchTick = atPitchTick();
    const float tone = hasTone_ ? renderTone(c, pitchTick) : 0.0f;
    const float noise = hasNoise_ ? renderNoise(c, pitchTick) : 0.0f;
    const float z = distortion.process(noise + tone);
    emit(c, z, z);
}

// FM shifts the carrier's phase by the modulator pair; ring modulation blends
// the pair's product with the plain carrier by the amount.
template <DrumKind Kind>
float HiHatVoice<Kind>::renderTone(const voices::VoiceContext& c, bool pitchTick)
{
    dsp::VoiceFilter& filter = c.modelFilters[kToneFilter];
    if (pitchTick) {
        modPitchEnv_.step4();
        const float glide = std::exp2(modPitchEnv_.output() * modDropOctaves_);
        mod1Inc_ = voices::phaseIncrement(mod1Scale_ * glide);
        mod2Inc_ = voices::phaseIncrement(mod2Scale_ * glide);
        toneFilterEnv_.step4();
        filter.setParameters(voices::freqFromValue(toneFilterValue_ + toneFilterEnv_.output() * toneFilterDrop_),
                             toneFilterQ_, 1.0f);
    }
    const float mod =
        c.readSine(mod1Phase_, mod1Inc_, kModulatorLevel) + c.readSine(mod2Phase_, mod2Inc_, kModulatorLevel);
    const float a = toneAmpEnv_.output();
    float x;
    if (ringMode_)
        x = (mod * ringAmount_ + 1.0f - ringAmount_) * c.readSine(carrierPhase_, carrierPhaseInc_, 1.0f) * a;
    else
        x = a * c.readSineOffset(carrierPhase_, carrierPhaseInc_, voices::phaseShift(fmDepth_ * mod), 1.0f);
    return filter.process(x * toneGain_);
}

template <DrumKind Kind>
float HiHatVoice<Kind>::renderNoise(const voices::VoiceContext& c, bool pitchTick)
{
    const float n = noiseAmpEnv_.output() * noiseGain_;
    if (!(n > 0.0f))
        return 0.0f;
    dsp::VoiceFilter& filter = c.modelFilters[kNoiseFilter];
    if (pitchTick) {
        noiseFilterEnv_.step4();
        filter.setParameters(voices::freqFromValue(noiseFilterValue_ + noiseFilterEnv_.output() * noiseFilterDrop_),
                             noiseFilterQ_, filterPitch_);
    }
    return filter.process(2.0f * dsp::randomUnit() - 1.0f) * n;
}

template class HiHatVoice<DrumKind::ClosedHiHat>;
template class HiHatVoice<DrumKind::OpenHiHat>;

} // namespace drums
