// Models 9..11 (kind 3), in the manner of a bass drum: a filtered body that
// sweeps between two frequencies (9, and 10 with ring modulation) or drops onto
// a base with a Kravo envelope on top (11), and a click that is always stereo.
#include "engine/drums/user_voice.h"

#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/user_parameters.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace us = kravo::param::user;
namespace voicedest = modulation::voicedest;

constexpr int kRingModel = 10;
constexpr int kDropModel = 11;

// "Osc Amp Decay Curve" bends the sweep models' level by up to two octaves of exponent.
constexpr float kAmpCurveRange = 2.0f;
// "Mod Freq Drop" starts the ring modulators up to three octaves away.
constexpr float kModDropRangeOctaves = 3.0f;
// "Osc Freq Drop" and "Kravo Amount" reach six octaves above or below the base;
// "Click Freq Drop" glides the click up to four octaves either way.
constexpr float kDropRangeOctaves = 6.0f;
constexpr float kKravoRangeOctaves = 6.0f;
constexpr float kClickDropRangeOctaves = 4.0f;
constexpr int kWaveChoices = 4; // sine, saw, square, triangle
constexpr std::uint32_t kLowPass = 1;

// 0 at the centre, octaves up or down toward the ends.
float centredOctaves(float value, float range)
{
    return (2.0f * value - 1.0f) * range;
}

} // namespace

void UserVoice::setupUserModelD(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    decayScale_ = 1.0f; // the velocity does not lengthen these envelopes
    kind_ = ModelKind::BodyAndClick;
    ringOn_ = model == kRingModel;
    bodyWave_ = param::readChoiceClamped(p(us::kOscWave), 3.99f, kWaveChoices);
    curveModeFlag_ = param::isAboveHalf(p(us::kOscFreqCurveMode));
    setupBodyD(c);
    click_.startStereo(p(us::kClickMix), p(us::kClickOffset), p(us::kClickSpread),
                       -centredOctaves(p(us::kClickFreqDrop), kClickDropRangeOctaves));
    c.modelFilters[kNoiseFilter].setType(kLowPass);

    modPitchEnv_.setDecayTimeScale(kLongTimeScaleMs);
    modPitchEnv_.setRiseTimeScale(kLongTimeScaleMs);
    modPitchEnv_.setDecay(p(us::kModFreqDecay), 0.0f, easy.pitchEnvSpeedFactor);
    modPitchEnv_.setRise(p(us::kModFreqRise), 0.0f, easy.pitchEnvSpeedFactor);
    modPitchEnv_.trigger();
    const float modVelocity = param::readBipolar(p(us::kModVelToFreq)) * velocity;
    modDropOctaves_ = kModDropRangeOctaves * param::readBipolar(p(us::kModFreqDrop));
    toneFilterEnv_.setDecayTimeScale(kLongTimeScaleMs);
    toneFilterEnv_.setRiseTimeScale(kLongTimeScaleMs);
    toneFilterEnv_.setDecay(p(us::kOscFilterDecay), 0.0f, decayScale_ * easy.synthDecayFactor);
    toneFilterEnv_.setRise(p(us::kOscFilterRise), 0.0f, decayScale_ * easy.synthDecayFactor);
    toneFilterEnv_.trigger();
    toneFilterDrop_ = param::readBipolar(p(us::kOscFilterDrop));
    setModulatorPair(ringModulatorFrequency(p(us::kModFreq2) + modVelocity), ringSpread(p(us::kModSpread)));
    c.modelFilters[kToneFilter].setType(filterTypeOf(p(us::kOscFilterType)));
}

// The body's level and pitch envelopes and their curves.
void UserVoice::setupBodyD(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    if (model != kDropModel) {
        ampEnv_.setDecay(p(us::kOscAmpDecayD), 0.0f, easy.synthDecayFactor);
        ampEnv_.setCurve(0.5f - 0.5f * p(us::kOscAmpDecayCurve), kAmpCurveRange);
        ampEnv_.setHold(p(us::kOscAmpHoldD), 0.0f, 1.0f);
        pitchEnv_.setDecay(p(us::kOscFreqDecayD), 0.0f, easy.pitchEnvSpeedFactor);
        curve_.set(curveModeFlag_, p(us::kOscFreqCurve));
    } else {
        ampEnv_.setDecay(p(us::kOscDecay), 0.0f, easy.synthDecayFactor);
        ampEnv_.setCurveExponent(0.0f); // 2^0: a straight decay
        ampEnv_.setHold(0.0f, 0.0f, 1.0f);
        pitchEnv_.setDecay(p(us::kOscDecay), 0.0f, easy.pitchEnvSpeedFactor);
        curve_.set(curveModeFlag_, p(us::kOscDecayCurve));
        // Here the power shape's exponent grows with the curve, where the sweeps' falls.
        curve_.e = powerCurveExponent(-p(us::kOscDecayCurve));
    }
    ampEnv_.trigger();
    pitchEnv_.trigger();
    kravoEnv_.setDecay(p(us::kKravoDecay), 0.0f, easy.pitchEnvSpeedFactor);
    kravoEnv_.trigger();
    kravoCurveK_ = rationalCurveK(p(us::kKravoCurve));
}

void UserVoice::renderUserKind3(const voices::VoiceContext& c)
{
    if (atControlTick()) {
        setBlockKind3(c);
        if (atCoefficientTick())
            setTimesKind3(c);
        ampEnv_.process();
        pitchEnv_.processLinear();
        kravoEnv_.processLinear();
        click_.processBlock();
        if (ringOn_)
            modPitchEnv_.process();
        toneFilterEnv_.process();
        updateUserPan(c);
    }

    ampEnv_.step();
    click_.step();
    if (!ampEnv_.isActive() && !click_.isSounding()) {
        stop();
        return;
    }
    const bool pitchTick = atPitchTick();
    if (pitchTick)
        tuneKind3(c);
    float ring = 1.0f;
    if (ringOn_) {
        const float m = c.readSine(mod1Phase_, mod1Inc_, 1.0f) + c.readSine(mod2Phase_, mod2Inc_, 1.0f);
        ring = 1.0f - ringAmount_ + ringAmount_ * 0.5f * (0.5f * m + 1.0f);
    }
    const float body = c.modelFilters[kToneFilter].process(c.readWave(bodyPhase_, bodyPhaseInc_, bodyWave_, 1.0f)) *
                       ampEnv_.output() * ring;
    float left = 0.0f;
    float right = 0.0f;
    mixClick(c, pitchTick, body, left, right);
    distortion.processStereo(left, right);
    emitPanned(c, left, right, attack.next());
}

// Click pitch and filter, and the body's filter settings, every 16 samples.
void UserVoice::setBlockKind3(const voices::VoiceContext& c)
{
    const float clickFreq = c.params[us::index(us::kClickFreq, c.instance)];
    click_.setPitch(voices::freqFromValue(clickFreq) * phaseScale_,
                    voices::freqFromValue(clickFreq + c.easy->filterFreqOffset + c.modValue(voicedest::kNoiseFreq)) *
                        pitchMod_ * c.easy->synthPitchFactor * c.note->pitchFactor);
    updateToneFilterValues(c);
}

// Envelope times and gains and the frequency laws, every 64 samples.
void UserVoice::setTimesKind3(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    const float pitchSpeed = easy.pitchEnvSpeedFactor * decayScale_;
    const float decayFactor = easy.synthDecayFactor * decayScale_;
    ampEnv_.setGain(decayGain_);
    pitchEnv_.setGain(decayGain_);
    kravoEnv_.setGain(decayGain_);
    const bool drop = model == kDropModel;
    ampEnv_.setHold(drop ? 0.0f : p(us::kOscAmpHoldD), 0.0f, decayFactor);
    ampEnv_.setDecay(drop ? p(us::kOscDecay) : p(us::kOscAmpDecayD), 0.0f, decayFactor);
    pitchEnv_.setDecay(drop ? p(us::kOscDecay) : p(us::kOscFreqDecayD), 0.0f, pitchSpeed);
    freqStart_ = p(us::kOscFreqStart);
    freqEnd_ = p(us::kOscFreqEnd);
    baseFreq_ = voices::freqFromValue(p(us::kOscBaseFreq));
    dropOctaves_ = centredOctaves(p(us::kOscFreqDropD), kDropRangeOctaves);
    kravoEnv_.setDecay(p(us::kKravoDecay), 0.0f, decayFactor);
    kravoOctaves_ = drop ? centredOctaves(p(us::kKravoAmount), kKravoRangeOctaves) : 0.0f;
    click_.setTimes(p(us::kClickDecay), decayGain_, decayFactor, pitchSpeed, p(us::kClickVolume),
                    c.modValue(voicedest::kNoiseQ) + easy.filterQOffset);
    click_.setDropOctaves(-centredOctaves(p(us::kClickFreqDrop), kClickDropRangeOctaves));
    modPitchEnv_.setDecay(p(us::kModFreqDecay), 0.0f, pitchSpeed);
    modPitchEnv_.setRise(p(us::kModFreqRise), 0.0f, pitchSpeed);
    ringAmount_ = p(us::kModAmount);
    toneFilterEnv_.setDecay(p(us::kOscFilterDecay), 0.0f, pitchSpeed);
    toneFilterEnv_.setRise(p(us::kOscFilterRise), 0.0f, pitchSpeed);
    // The rational shape needs the curve-mode switch off and "Kravo Curve" in its upper half.
    curve_.power = curveModeFlag_ || p(us::kKravoCurve) < 0.5f;
}

// Body pitch and filter and the ring modulators' glide, every 4 samples.
void UserVoice::tuneKind3(const voices::VoiceContext& c)
{
    pitchEnv_.step4();
    const float shape = curve_.shape(pitchEnv_.level());
    const float frequency = model == kDropModel ? droppedFrequency(baseFreq_, dropOctaves_, shape)
                                                : voices::freqFromValue(freqEnd_ + (freqStart_ - freqEnd_) * shape);
    kravoEnv_.step4();
    const float kravo = std::exp2(kravoOctaves_ * voices::curveRational(kravoEnv_.level(), kravoCurveK_));
    bodyPhaseInc_ = voices::phaseIncrement(kravo * phaseScale_ * frequency);
    toneFilterEnv_.step4();
    c.modelFilters[kToneFilter].setParameters(
        voices::freqFromValue(toneFilterValue_ + toneFilterEnv_.output() * toneFilterDrop_), toneFilterQ_, 1.0f);
    if (ringOn_) {
        modPitchEnv_.step4();
        glideModulators(modPitchEnv_.output());
    }
}

// The click's spread: 0 gives each side both channels, 1 keeps them apart.
void UserVoice::mixClick(const voices::VoiceContext& c, bool pitchTick, float body, float& left, float& right)
{
    float clickLeft = 0.0f;
    float clickRight = 0.0f;
    click_.render(c, c.modelFilters[kNoiseFilter], pitchTick, clickLeft, clickRight);
    const NoiseChannel& spread = click_.channel();
    left = body + (clickLeft + spread.spreadCross * clickRight) * spread.spreadNorm;
    right = body + (clickRight + spread.spreadCross * clickLeft) * spread.spreadNorm;
}

} // namespace drums
