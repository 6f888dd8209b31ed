#include "engine/drums/tom_voice.h"

#include "engine/dsp/dsp_constants.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/tom_parameters.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace tom = kravo::param::tom;
namespace voicedest = modulation::voicedest;

// The longest time of every stage, in ms.
constexpr float kTimeScaleMs = 10000.0f;

// "Osc Amp Decay Curve" bends the level by up to two octaves of exponent.
constexpr float kAmpCurveRange = 2.0f;
// The tone starts up to six octaves above its base, the modulator up to
// three above its own; the click glides down by up to four.
constexpr float kDropRangeOctaves = 6.0f;
constexpr float kModDropRangeOctaves = 3.0f;
constexpr float kClickDropRangeOctaves = 4.0f;
// The tone's base runs 25 Hz .. 500 Hz, the modulator's 10 Hz .. 2000 Hz.
constexpr float kLowestHz = 25.0f;
constexpr float kLowestModHz = 10.0f;
// "Mod Amount" raises the FM depth to 2^3 - 1 = 7 units of three quarters of
// a carrier cycle (the phase runs over 2^23 units).
constexpr float kFmDepthOctaves = 3.0f;
constexpr float kFmDepthPhaseUnits = 6291456.0f;

constexpr std::int32_t kFmModel = 1;
// The tone filter of the slot's voice is the tom's oscillator filter.
constexpr int kClickFilter = 0;
constexpr int kOscFilter = 1;
constexpr std::uint32_t kLowPass = 1;

} // namespace

voices::SynthVoiceParameters TomVoice::parameters(int instance)
{
    return {tom::sharedIndex(param::kindparam::kVelocityToVolume, instance), tom::index(tom::kModel, instance),
            tom::index(tom::kAttack, instance), tom::sharedIndex(param::kindparam::kDistortionType, instance),
            kModelCount};
}

void TomVoice::setup(float sampleRate, const float* sineTable, const float* cosineTable)
{
    *this = TomVoice{};
    distortion.init(sampleRate, sineTable, cosineTable);
    for (dsp::HoldDecayEnvelope* level : {&ampEnv_, &modAmpEnv_}) {
        level->init(sampleRate);
        level->setDecayTimeScale(kTimeScaleMs);
        level->setHoldTimeScale(kTimeScaleMs);
    }
    for (dsp::DecayEnvelope* fall : {&pitchEnv_, &modPitchEnv_, &filterEnv_}) {
        fall->init(sampleRate);
        fall->setTimeScale(kTimeScaleMs);
    }
    click_.setup(sampleRate, kTimeScaleMs);
}

void TomVoice::noteOn(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[tom::index(j, c.instance)]; };
    velocityPitch_ = std::exp2(velocity * param::readBipolar(p(tom::kOscVelToFreq)));
    fmOn_ = model == kFmModel;
    ampEnv_.setCurve(0.5f - 0.5f * p(tom::kOscAmpDecayCurve), kAmpCurveRange);
    ampEnv_.trigger();
    pitchEnv_.trigger();
    dropOctaves_ = kDropRangeOctaves * p(tom::kOscFreqDrop);
    carrierFreq_ = kLowestHz * std::exp2(dsp::clamp01(p(tom::kOscBaseFreq)) * dsp::kTomBaseFreqRange);
    curve_.set(p(tom::kOscFreqCurveMode) > 0.5f, p(tom::kOscFreqCurve));

    modAmpEnv_.trigger();
    modPitchEnv_.trigger();
    const float modDrop = p(tom::kModFreqDrop);
    modDropOctaves_ = kModDropRangeOctaves * modDrop * modDrop;
    modRatio_ = kLowestModHz * std::exp2(dsp::clamp01(p(tom::kModBaseFreq)) * dsp::kTomModFreqRange);
    const float clickDrop = p(tom::kClickFreqDrop);
    // No offset: the tom's click stays mono.
    click_.start(fmOn_, p(tom::kClickMix), 0.0f, 0.0f, -kClickDropRangeOctaves * clickDrop * clickDrop);

    filterEnv_.trigger();
    const float filterDrop = p(tom::kOscFilterDrop);
    filterDrop_ = filterDrop * filterDrop;
    dsp::VoiceFilter& oscFilter = c.modelFilters[kOscFilter];
    oscFilter.setType(static_cast<std::uint32_t>(
        param::readChoiceClamped(p(tom::kOscFilterType), param::choicescale::kVoiceFilterType, 7)));
    oscFilter.reset();
    c.modelFilters[kClickFilter].setType(kLowPass);
}

void TomVoice::kill()
{
    ampEnv_.kill();
    click_.kill();
}

// Pitch and filter settings of the next 16 samples.
void TomVoice::setBlock(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[tom::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    const float pitchMod = c.modRatio(voicedest::kPitch);
    const float phaseScale = c.note->phaseIncrement * velocityPitch_ * easy.synthPitchFactor * pitchMod;
    carrierScale_ = phaseScale * carrierFreq_;
    modScale_ = modRatio_ * phaseScale;
    if (click_.isOn()) {
        const float clickFreq = p(tom::kClickBaseFreq);
        click_.setPitch(voices::freqFromValue(clickFreq) * phaseScale,
                        voices::freqFromValue(clickFreq + easy.filterFreqOffset + c.modValue(voicedest::kNoiseFreq)) *
                            pitchMod * easy.synthPitchFactor * c.note->pitchFactor);
    }
    oscFilterValue_ = p(tom::kOscFilterFreq) + easy.filterFreqOffset + c.modValue(voicedest::kFilterFreq);
    oscFilterQ_ = p(tom::kOscFilterQ) + easy.filterQOffset + c.modValue(voicedest::kFilterQ);
}

// Envelope times and gains and the FM depth, every 64 samples.
void TomVoice::setTimes(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[tom::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    const float decayGain = c.modValue(voicedest::kEnvSpeed) * c.note->noteLevel;
    ampEnv_.setGain(decayGain);
    modAmpEnv_.setGain(decayGain);
    pitchEnv_.setGain(decayGain);
    modPitchEnv_.setGain(decayGain);
    filterEnv_.setGain(decayGain);
    ampEnv_.setDecay(p(tom::kOscAmpDecay), 0.0f, easy.synthDecayFactor);
    ampEnv_.setHold(p(tom::kOscAmpHold), 0.0f, easy.synthDecayFactor);
    pitchEnv_.setDecay(p(tom::kOscFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    modAmpEnv_.setHold(p(tom::kModAmpHold), 0.0f, easy.synthDecayFactor);
    modAmpEnv_.setDecay(p(tom::kModAmpDecay), 0.0f, easy.synthDecayFactor);
    modPitchEnv_.setDecay(p(tom::kModFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    fmDepth_ = fmOn_ ? (std::exp2(kFmDepthOctaves * p(tom::kModAmount)) - 1.0f) * kFmDepthPhaseUnits : 0.0f;
    click_.setTimes(p(tom::kClickFreqDecay), decayGain, easy.synthDecayFactor, easy.pitchEnvSpeedFactor,
                    p(tom::kClickVolume), c.modValue(voicedest::kNoiseQ) + easy.filterQOffset);
    filterEnv_.setDecay(p(tom::kOscFilterDecay), 0.0f, easy.pitchEnvSpeedFactor);
}

// Every fourth sample: the tone's and the modulator's steps and the filter's cutoff.
void TomVoice::retune(const voices::VoiceContext& c)
{
    pitchEnv_.step4();
    carrierPhaseInc_ =
        voices::phaseIncrement(droppedFrequency(carrierScale_, dropOctaves_, curve_.shape(pitchEnv_.level())));
    modPitchEnv_.step4();
    modPhaseInc_ = voices::phaseIncrement(droppedFrequency(modScale_, modDropOctaves_, modPitchEnv_.level()));
    filterEnv_.step4();
    c.modelFilters[kOscFilter].setParameters(voices::freqFromValue(oscFilterValue_ + filterEnv_.level() * filterDrop_),
                                             oscFilterQ_, 1.0f);
}

void TomVoice::render(const voices::VoiceContext& c)
{
    if (atControlTick()) {
        setBlock(c);
        if (atCoefficientTick())
            setTimes(c);
        ampEnv_.process();
        pitchEnv_.processLinear();
        modAmpEnv_.process();
        modPitchEnv_.processLinear();
        click_.processBlock();
        filterEnv_.processLinear();
    }

    ampEnv_.step();
    modAmpEnv_.step();
    click_.step();
    if (!ampEnv_.isActive() && !click_.isSounding()) {
        stop();
        return;
    }

    const bool pitchTick = atPitchTick();
    if (pitchTick)
        retune(c);
    const float mod = c.readSine(modPhase_, modPhaseInc_, 1.0f);
    const std::uint32_t offset = voices::phaseShift(fmDepth_ * mod * modAmpEnv_.output());
    const float carrier = c.readSineOffset(carrierPhase_, carrierPhaseInc_, offset, ampEnv_.output());
    const float body = c.modelFilters[kOscFilter].process(carrier);
    float click = 0.0f;
    float unusedRight = 0.0f; // the tom's click is mono
    click_.render(c, c.modelFilters[kClickFilter], pitchTick, click, unusedRight);
    const float z = distortion.process(click + body);
    emit(c, z, z);
}

} // namespace drums
