#include "engine/drums/snare_voice.h"

#include "engine/dsp/dsp_constants.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/snare_parameters.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace sn = kravo::param::snare;
namespace voicedest = modulation::voicedest;

// Longest stage times, in ms.
constexpr float kToneTimeScaleMs = 1000.0f;
constexpr float kNoiseTimeScaleMs = 2000.0f;
constexpr float kNoiseAttackTimeScaleMs = 20.0f;
constexpr float kClickTimeScaleMs = 1000.0f;

// The curves: the tone's level bends by up to two octaves of exponent, the
// noise's by three, the click falls with exponent 2^(3 - 6 x 0.4).
constexpr float kToneCurveRange = 2.0f;
constexpr float kNoiseCurveRange = 3.0f;
constexpr float kClickCurve = 0.4f;
constexpr float kClickCurveRange = 3.0f;

// The tone starts up to six octaves above its base; the click glides down by up to four.
constexpr float kDropRangeOctaves = 6.0f;
constexpr float kClickDropRangeOctaves = 4.0f;
constexpr float kLowestHz = 25.0f;
// Tone, noise and click volumes span -60 dB .. 0 dB; the tone gets four times that.
constexpr float kVolumeRangeDb = 60.0f;
constexpr float kToneHeadroom = 4.0f;

constexpr std::int32_t kWaveOfChoice[2] = {0, 3}; // sine, triangle
constexpr int kNoiseFilter = 0;

} // namespace

voices::SynthVoiceParameters SnareVoice::parameters(int instance)
{
    return {sn::index(sn::kVelocityToVolume, instance), sn::index(sn::kModel, instance),
            sn::index(sn::kAttack, instance), sn::index(sn::kDistortionType, instance), kModelCount};
}

void SnareVoice::setup(float sampleRate, const float* sineTable, const float* cosineTable)
{
    *this = SnareVoice{};
    distortion.init(sampleRate, sineTable, cosineTable);
    toneAmpEnv_.init(sampleRate);
    toneAmpEnv_.setDecayTimeScale(kToneTimeScaleMs);
    toneAmpEnv_.setHoldTimeScale(kToneTimeScaleMs);
    pitchEnv_.init(sampleRate);
    pitchEnv_.setTimeScale(kToneTimeScaleMs);
    toneHighPass_.init(sampleRate);
    toneHighPass_.setCutoff(voices::freqFromValue(1.0f), 1.0f);
    toneHighPass_.reset();
    noiseFilterEnv_.init(sampleRate);
    noiseFilterEnv_.setDecayTimeScale(kNoiseTimeScaleMs);
    noiseFilterEnv_.setRiseTimeScale(kNoiseTimeScaleMs);
    noiseAmpEnv_.init(sampleRate);
    noiseAmpEnv_.setDecayTimeScale(kNoiseTimeScaleMs);
    noiseAmpEnv_.setAttackTimeScale(kNoiseAttackTimeScaleMs);
    noiseAmpEnv_.setCurve(0.0f, kNoiseCurveRange);
    for (dsp::DecayEnvelope* click : {&clickAmpEnv_, &clickPitchEnv_}) {
        click->init(sampleRate);
        click->setTimeScale(kClickTimeScaleMs);
        click->setCurve(kClickCurve, kClickCurveRange);
    }
}

void SnareVoice::noteOn(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[sn::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    wave_ = kWaveOfChoice[param::readChoiceClamped(p(sn::kOscWave), 1.99f, 2)];
    toneAmpEnv_.setDecay(p(sn::kOscAmpDecay), 0.0f, easy.synthDecayFactor);
    toneAmpEnv_.setHold(p(sn::kOscAmpHold), 0.0f, 1.0f);
    toneAmpEnv_.setCurve(0.5f - 0.5f * p(sn::kOscAmpDecayCurve), kToneCurveRange);
    toneAmpEnv_.trigger();
    pitchEnv_.setDecay(p(sn::kOscFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    pitchEnv_.trigger();
    curve_.set(p(sn::kOscFreqCurveMode) > 0.5f, p(sn::kOscFreqDecayCurve));
    toneHighPass_.setCutoff(voices::freqFromValue(p(sn::kOscHpFilterFreq)), 1.0f);
    toneHighPass_.reset();

    noiseAmpEnv_.setAttack(p(sn::kNoiseAmpAttack), 0.0f, 1.0f);
    noiseAmpEnv_.setDecay(p(sn::kNoiseAmpDecay), 0.0f, easy.synthDecayFactor);
    noiseAmpEnv_.setCurve(p(sn::kNoiseFilterCurve), kNoiseCurveRange);
    noiseAmpEnv_.trigger();
    noiseFilterEnv_.setDecay(p(sn::kNoiseFilterDecay), 0.0f, easy.pitchEnvSpeedFactor);
    noiseFilterEnv_.setRise(p(sn::kNoiseFilterRise), 0.0f, easy.pitchEnvSpeedFactor);
    noiseFilterEnv_.trigger();
    const float drop = p(sn::kNoiseFilterDrop);
    filterDrop_ = drop * drop;
    noise_.start(p(sn::kNoiseFilterOffset), p(sn::kNoiseFilterSpread));
    velFilterOffset_ = param::readBipolar(p(sn::kNoiseFilterVelToFreq)) * velocity;
    c.modelFilters[kNoiseFilter].setType(static_cast<std::uint32_t>(
        param::readChoiceClamped(p(sn::kNoiseFilterType), param::choicescale::kVoiceFilterType, 7)));

    clickOn_ = model == 1;
    clickAmpEnv_.trigger();
    clickPitchEnv_.trigger();
    clickFreq_ = voices::freqFromValue(param::readBipolar(p(sn::kClickVelToFreq)) * velocity + p(sn::kClickFreq));
}

void SnareVoice::kill()
{
    toneAmpEnv_.kill();
    clickAmpEnv_.kill();
    noiseAmpEnv_.kill();
}

// Pitch and filter settings of the next 16 samples.
void SnareVoice::setBlock(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[sn::index(j, c.instance)]; };
    const float pitchMod = c.modRatio(voicedest::kPitch);
    phaseScale_ = c.note->phaseIncrement * c.easy->synthPitchFactor * pitchMod;
    if (clickOn_) {
        clickDropOctaves_ = -kClickDropRangeOctaves * dsp::clamp01(p(sn::kClickFreqDrop));
        clickPhaseScale_ = clickFreq_ * phaseScale_;
    }
    filterPitch_ = pitchMod * c.easy->synthPitchFactor * c.note->pitchFactor;
    filterFreqValue_ = p(sn::kNoiseFilterFreq) + velFilterOffset_ + c.easy->filterFreqOffset +
                       c.modValue(voicedest::kNoiseFreq);
    filterQValue_ = p(sn::kNoiseFilterQ) + c.easy->filterQOffset + c.modValue(voicedest::kNoiseQ);
}

// Envelope times and gains and the levels, every 64 samples.
void SnareVoice::setTimes(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[sn::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    const float decayGain = c.modValue(voicedest::kEnvSpeed) * c.note->noteLevel;
    toneAmpEnv_.setGain(decayGain);
    pitchEnv_.setGain(decayGain);
    noiseAmpEnv_.setGain(decayGain);
    noiseFilterEnv_.setGain(decayGain);
    clickAmpEnv_.setGain(decayGain);
    clickPitchEnv_.setGain(decayGain);
    toneAmpEnv_.setDecay(p(sn::kOscAmpDecay), 0.0f, easy.synthDecayFactor);
    toneAmpEnv_.setHold(p(sn::kOscAmpHold), 0.0f, easy.synthDecayFactor);
    pitchEnv_.setDecay(p(sn::kOscFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    toneGain_ = voices::dbGain(p(sn::kOscVolume), kVolumeRangeDb, kVolumeRangeDb);
    baseFreq_ = kLowestHz * std::exp2(p(sn::kOscBaseFreq) * dsp::kSnBaseFreqRange);
    dropOctaves_ = kDropRangeOctaves * p(sn::kOscFreqDrop);
    toneHighPass_.setCutoff(voices::freqFromValue(p(sn::kOscHpFilterFreq)), 1.0f);
    clickAmpEnv_.setDecay(p(sn::kClickFreqDecay), 0.0f, easy.synthDecayFactor);
    clickGain_ = voices::dbGain(p(sn::kClickVolume), kVolumeRangeDb, kVolumeRangeDb);
    clickPitchEnv_.setDecay(p(sn::kClickFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    noiseAmpEnv_.setAttack(p(sn::kNoiseAmpAttack), 0.0f, 1.0f);
    noiseAmpEnv_.setDecay(p(sn::kNoiseAmpDecay), 0.0f, easy.synthDecayFactor);
    noiseGain_ = voices::dbGain(p(sn::kNoiseVolume), kVolumeRangeDb, kVolumeRangeDb);
    noiseFilterEnv_.setDecay(p(sn::kNoiseFilterDecay), 0.0f, easy.pitchEnvSpeedFactor);
    noiseFilterEnv_.setRise(p(sn::kNoiseFilterRise), 0.0f, easy.pitchEnvSpeedFactor);
}

void SnareVoice::render(const voices::VoiceContext& c)
{
    if (atControlTick()) {
        setBlock(c);
        if (atCoefficientTick())
            setTimes(c);
        toneAmpEnv_.process();
        pitchEnv_.processLinear();
        noiseAmpEnv_.process();
        noiseFilterEnv_.process();
        if (clickOn_) {
            clickAmpEnv_.processCurved();
            clickPitchEnv_.processCurved();
        }
    }

    toneAmpEnv_.step();
    noiseAmpEnv_.step();
    if (clickOn_)
        clickAmpEnv_.step();
    if (!toneAmpEnv_.isActive() && !noiseAmpEnv_.isActive() && (!clickOn_ || !clickAmpEnv_.isActive())) {
        stop();
        return;
    }

    const bool pitchTick = atPitchTick();
    const float tone = renderTone(c, pitchTick);
    const float click = renderClick(c, pitchTick);
    float noiseLeft = 0.0f;
    float noiseRight = 0.0f;
    renderNoise(c, pitchTick, noiseLeft, noiseRight);
    float yLeft = click + tone + noiseLeft;
    float yRight = noiseRight + tone + click;
    distortion.processStereo(yLeft, yRight);
    emit(c, yLeft, yRight);
}

float SnareVoice::renderTone(const voices::VoiceContext& c, bool pitchTick)
{
    if (pitchTick) {
        pitchEnv_.step4();
        const float shape = curve_.shape(pitchEnv_.level());
        phaseInc_ = voices::phaseIncrement(droppedFrequency(baseFreq_, dropOctaves_, shape) * phaseScale_);
    }
    return toneHighPass_.highPass(c.readWave(phase_, phaseInc_, wave_, 1.0f)) * toneAmpEnv_.output() * toneGain_ *
           kToneHeadroom;
}

float SnareVoice::renderClick(const voices::VoiceContext& c, bool pitchTick)
{
    if (!clickOn_)
        return 0.0f;
    const float a = clickAmpEnv_.output() * clickGain_;
    if (!(a > 0.0f))
        return 0.0f;
    if (pitchTick && clickPitchEnv_.isActive()) {
        clickPitchEnv_.step4();
        clickPhaseInc_ = voices::phaseIncrement(glideFactor(clickDropOctaves_, clickPitchEnv_.output()) *
                                                clickPhaseScale_);
    }
    return c.readSine(clickPhase_, clickPhaseInc_, a);
}

// The noise's own spread keeps each channel on its side: 0 adds the other
// side in full, 1 keeps them apart.
void SnareVoice::renderNoise(const voices::VoiceContext& c, bool pitchTick, float& left, float& right)
{
    const float n = noiseAmpEnv_.output() * noiseGain_;
    if (!(n > 0.0f))
        return;
    dsp::VoiceFilter& filter = c.modelFilters[kNoiseFilter];
    if (pitchTick) {
        noiseFilterEnv_.step4();
        const float frequency = voices::freqFromValue(filterFreqValue_ + noiseFilterEnv_.output() * filterDrop_);
        noise_.tune(filter, frequency, filterQValue_, filterPitch_);
    }
    if (!noise_.stereo) {
        left = right = filter.process(c.randomBipolar()) * n;
        return;
    }
    float filteredLeft = c.randomBipolar();
    float filteredRight = c.randomBipolar();
    filter.processStereo(filteredLeft, filteredRight);
    left = (filteredLeft + noise_.spreadCross * filteredRight) * n * noise_.spreadNorm;
    right = (filteredRight + noise_.spreadCross * filteredLeft) * n * noise_.spreadNorm;
}

} // namespace drums
