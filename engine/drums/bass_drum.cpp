#include "engine/drums/bass_drum_voice.h"

#include "engine/dsp/dsp_constants.h"
#include "plugin/parameters/bass_drum_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace bd = kravo::param::bassdrum;
namespace voicedest = modulation::voicedest;

// Longest stage times, in ms.
constexpr float kAmpTimeScaleMs = 1500.0f;
constexpr float kPitchTimeScaleMs = 250.0f;
constexpr float kKravoTimeScaleMs = 250.0f;
constexpr float kClickTimeScaleMs = 10000.0f;
constexpr float kDropModelTimeScaleMs = 2000.0f; // level and pitch of models 2 and 3

// "Osc Amp Decay Curve" bends the sweep models' level by up to two octaves of exponent.
constexpr float kAmpCurveRange = 2.0f;
// "Osc Freq Drop" and "Kravo Amount" reach six octaves above the base, "Click
// Freq Drop" glides the click up to four octaves either way.
constexpr float kDropRangeOctaves = 6.0f;
constexpr float kKravoRangeOctaves = 6.0f;
constexpr float kClickDropRangeOctaves = 4.0f;
// The lowest pitch the sweep and the base frequency reach.
constexpr float kLowestHz = 10.0f;

constexpr std::int32_t kWaveOfChoice[3] = {0, 3, 2}; // sine, triangle, square
constexpr int kClickFilter = 0;
constexpr std::uint32_t kLowPass = 1;

bool isDropModel(int model)
{
    return model == 2 || model == 3;
}

bool hasClick(int model)
{
    return model == 1 || model == 3;
}

} // namespace

voices::SynthVoiceParameters BassDrumVoice::parameters(int instance)
{
    return {bd::index(bd::kVelocityToVolume, instance), bd::index(bd::kModel, instance),
            bd::index(bd::kAttack, instance), bd::index(bd::kDistortionType, instance), kModelCount};
}

void BassDrumVoice::setup(float sampleRate, const float* sineTable, const float* cosineTable)
{
    *this = BassDrumVoice{};
    distortion.init(sampleRate, sineTable, cosineTable);
    ampEnv_.init(sampleRate);
    ampEnv_.setDecayTimeScale(kAmpTimeScaleMs);
    ampEnv_.setHoldTimeScale(kAmpTimeScaleMs);
    pitchEnv_.init(sampleRate);
    pitchEnv_.setTimeScale(kPitchTimeScaleMs);
    kravoEnv_.init(sampleRate);
    kravoEnv_.setTimeScale(kKravoTimeScaleMs);
    click_.setup(sampleRate, kClickTimeScaleMs);
}

void BassDrumVoice::noteOn(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[bd::index(j, c.instance)]; };
    wave_ = kWaveOfChoice[param::readChoiceClamped(p(bd::kOscWave), 2.99f, 3)];
    dropModel_ = isDropModel(model);
    const bool powerCurve = p(bd::kOscFreqCurveMode) > 0.5f;
    if (!dropModel_) {
        ampEnv_.setCurve(0.5f - 0.5f * p(bd::kOscAmpDecayCurve), kAmpCurveRange);
        curve_.set(powerCurve, p(bd::kOscFreqCurve));
    } else {
        ampEnv_.setDecayTimeScale(kDropModelTimeScaleMs);
        ampEnv_.setHold(0.0f, 0.0f, 1.0f);
        ampEnv_.setCurveExponent(0.0f); // 2^0: a straight decay
        pitchEnv_.setTimeScale(kDropModelTimeScaleMs);
        curve_.set(powerCurve, p(bd::kOscDecayCurve));
    }
    ampEnv_.trigger();
    pitchEnv_.trigger();
    dropOctaves_ = kDropRangeOctaves * p(bd::kOscFreqDrop);
    kravoCurveK_ = rationalCurveK(p(bd::kKravoCurve));
    kravoEnv_.trigger();
    click_.start(hasClick(model), p(bd::kClickMix), p(bd::kClickOffset), p(bd::kClickSpread),
                 -kClickDropRangeOctaves * param::readBipolar(p(bd::kClickFreqDrop)));
    c.modelFilters[kClickFilter].setType(kLowPass);
}

void BassDrumVoice::kill()
{
    ampEnv_.kill();
    click_.kill();
}

// Envelope times and gains, the frequency laws and the click's level, every 64 samples.
void BassDrumVoice::setTimes(const voices::VoiceContext& c, float decayGain)
{
    auto p = [&](int j) { return c.params[bd::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    pitchEnv_.setGain(decayGain);
    kravoEnv_.setGain(decayGain);
    ampEnv_.setGain(decayGain);
    if (dropModel_) {
        ampEnv_.setDecay(p(bd::kOscDecay), 0.0f, easy.synthDecayFactor);
        ampEnv_.setHold(0.0f, 0.0f, easy.synthDecayFactor);
        pitchEnv_.setDecay(p(bd::kOscDecay), 0.0f, easy.pitchEnvSpeedFactor);
    } else {
        ampEnv_.setDecay(p(bd::kOscAmpDecay), 0.0f, easy.synthDecayFactor);
        ampEnv_.setHold(p(bd::kOscAmpHold), 0.0f, easy.synthDecayFactor);
        pitchEnv_.setDecay(p(bd::kOscFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    }
    logStart_ = p(bd::kOscFreqStart) * dsp::kBdSweepStartRange;
    logEnd_ = p(bd::kOscFreqEnd) * dsp::kBdSweepEndRange;
    logSpan_ = logStart_ - logEnd_;
    baseFreq_ = kLowestHz * std::exp2(dsp::clamp01(p(bd::kOscBaseFreq)) * dsp::kBdBaseFreqRange);
    kravoEnv_.setDecay(p(bd::kKravoDecay), 0.0f, easy.pitchEnvSpeedFactor);
    kravoOctaves_ = dropModel_ ? kKravoRangeOctaves * p(bd::kKravoAmount) : 0.0f;
    click_.setTimes(p(bd::kClickDecay), decayGain, easy.synthDecayFactor, easy.pitchEnvSpeedFactor,
                    p(bd::kClickVolume), c.modValue(voicedest::kNoiseQ) + easy.filterQOffset);
}

// The sweep runs from 10 * 2000^Start Hz at the attack to 10 * 10^End Hz; the
// drop models fall onto their base, the Kravo envelope multiplying on top.
float BassDrumVoice::pitchFrequency() const
{
    const float shape = curve_.shape(pitchEnv_.level());
    if (!dropModel_)
        return phaseScale_ * (kLowestHz * std::exp2(logSpan_ * shape + logEnd_));
    const float kravo = std::exp2(kravoOctaves_ * voices::curveRational(kravoEnv_.level(), kravoCurveK_));
    return phaseScale_ * droppedFrequency(baseFreq_, dropOctaves_, shape) * kravo;
}

void BassDrumVoice::render(const voices::VoiceContext& c)
{
    if (atControlTick()) {
        const float pitchMod = c.modRatio(voicedest::kPitch);
        const float decayGain = c.modValue(voicedest::kEnvSpeed) * c.note->noteLevel;
        phaseScale_ = c.note->phaseIncrement * c.easy->synthPitchFactor * pitchMod;
        if (click_.isOn()) {
            const float clickFreq = c.params[bd::index(bd::kClickFreq, c.instance)];
            click_.setPitch(voices::freqFromValue(clickFreq) * phaseScale_,
                            voices::freqFromValue(clickFreq + c.easy->filterFreqOffset +
                                                  c.modValue(voicedest::kNoiseFreq)) *
                                pitchMod * c.easy->synthPitchFactor * c.note->pitchFactor);
        }
        if (atCoefficientTick())
            setTimes(c, decayGain);
        pitchEnv_.processLinear();
        ampEnv_.process();
        if (dropModel_)
            kravoEnv_.processLinear();
        click_.processBlock();
    }

    ampEnv_.step();
    click_.step();
    if (!ampEnv_.isActive() && !click_.isSounding()) {
        stop();
        return;
    }

    const bool pitchTick = atPitchTick();
    if (pitchTick) {
        pitchEnv_.step4();
        phaseInc_ = voices::phaseIncrement(pitchFrequency());
    }
    const float osc = c.readWave(phase_, phaseInc_, wave_, ampEnv_.output());
    float clickLeft = 0.0f;
    float clickRight = 0.0f;
    click_.render(c, c.modelFilters[kClickFilter], pitchTick, clickLeft, clickRight);
    renderOutput(c, osc, clickLeft, clickRight);
}

// A stereo click is mixed across by its spread: 0 puts the sum of both sides
// on each, 1 swaps them.
void BassDrumVoice::renderOutput(const voices::VoiceContext& c, float osc, float clickLeft, float clickRight)
{
    const NoiseChannel& spread = click_.channel();
    if (!spread.stereo) {
        const float y = distortion.process(osc + clickLeft);
        emit(c, y, y);
        return;
    }
    float yLeft = osc + (spread.spreadCross * clickLeft + clickRight) * spread.spreadNorm;
    float yRight = osc + (clickLeft + spread.spreadCross * clickRight) * spread.spreadNorm;
    distortion.processStereo(yLeft, yRight);
    emit(c, yLeft, yRight);
}

} // namespace drums
