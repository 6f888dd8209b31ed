#include "engine/drums/user_voice.h"

#include "engine/dsp/dsp_constants.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/user_parameters.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace us = kravo::param::user;
namespace voicedest = modulation::voicedest;

// Longest stage times, in ms.
constexpr float kLevelRiseTimeScaleMs = 1500.0f; // attack and hold of the tone and noise levels
constexpr float kLevelDecayTimeScaleMs = 2500.0f;
constexpr float kSweepTimeScaleMs = 2500.0f; // fall and rise of the modulator pitch and the filters
constexpr float kDecayTimeScaleMs = 1500.0f; // the single falling stages, the click's too
// The falls bend with exponent 2^(3 - 6 x 0.4) = 2^0.6.
constexpr float kCurve = 0.4f;
constexpr float kCurveRange = 3.0f;
// "Attack" and the slower stereo sweeps take up to 2^14 ms.
constexpr float kRampOctaves = 14.0f;

constexpr int kFirstModelC = 6;
constexpr int kFirstModelD = 9;

// The second "Mod Freq" of the ring models runs from 0.1 Hz over ten octaves.
constexpr float kRingModulatorLowestHz = 0.1f;
constexpr float kRingModulatorOctaves = 10.0f;
// At full "Mod Amount" the FM modulators swing the carrier's phase by 7 x 3/4
// of a cycle (3/4 cycle on the 23-bit phase, times 2^3 - 1).
constexpr float kFmDepthPhase = 6291456.0f;
constexpr float kFmDepthOctaves = 3.0f;

// The short variants' stereo sweep takes up to 2.5 s, the others' up to 16 s.
bool hasShortSweep(int model)
{
    return model == 0 || model == 2 || model == 4;
}

} // namespace

voices::SynthVoiceParameters UserVoice::parameters(int instance)
{
    return {us::index(us::kVelocityToVolume, instance), us::index(us::kModel, instance),
            us::index(us::kAttack, instance), us::index(us::kDistortionType, instance), kModelCount};
}

std::uint32_t UserVoice::filterTypeOf(float value)
{
    constexpr int kFilterTypes = 7;
    return static_cast<std::uint32_t>(
        param::readChoiceClamped(value, param::choicescale::kVoiceFilterType, kFilterTypes));
}

// "Mod Spread" detunes the two FM modulators by 1/60 .. 1/30 octave either way.
float UserVoice::fmSpread(float value)
{
    constexpr float kSpreadDivisor = 30.0f;
    return std::exp2((0.5f * value + 0.5f) / kSpreadDivisor);
}

// The ring modulators spread by up to a quarter octave either way.
float UserVoice::ringSpread(float value)
{
    constexpr float kSpreadOctaves = 0.25f;
    return std::exp2(kSpreadOctaves * value);
}

float UserVoice::ringModulatorFrequency(float value)
{
    return voices::expScale(value, kRingModulatorLowestHz, kRingModulatorOctaves);
}

void UserVoice::setup(float sampleRate, const float* sineTable, const float* cosineTable)
{
    *this = UserVoice{};
    distortion.init(sampleRate, sineTable, cosineTable);
    for (dsp::DecayRiseEnvelope* envelope : {&modPitchEnv_, &toneFilterEnv_, &noiseFilterEnv_}) {
        envelope->init(sampleRate);
        envelope->setDecayTimeScale(kSweepTimeScaleMs);
        envelope->setRiseTimeScale(kSweepTimeScaleMs);
    }
    for (dsp::AhdEnvelope* envelope : {&toneAmpEnv_, &noiseAmpEnv_}) {
        envelope->init(sampleRate);
        envelope->setAttackTimeScale(kLevelRiseTimeScaleMs);
        envelope->setHoldTimeScale(kLevelRiseTimeScaleMs);
        envelope->setDecayTimeScale(kLevelDecayTimeScaleMs);
        envelope->setAttackCurve(kCurve, kCurveRange);
        envelope->setDecayCurve(kCurve, kCurveRange);
    }
    for (dsp::DecayEnvelope* envelope : {&toneDecayEnv_, &noiseDecayEnv_, &modPitchDecayEnv_, &pitchEnv_, &kravoEnv_}) {
        envelope->init(sampleRate);
        envelope->setTimeScale(kDecayTimeScaleMs);
        envelope->setCurve(kCurve, kCurveRange);
    }
    ampEnv_.init(sampleRate);
    click_.setup(sampleRate, kDecayTimeScaleMs);
    lfo_.init(sampleRate);
}

void UserVoice::noteOn(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    if (model < kFirstModelC)
        setupUserModelA(c);
    else if (model < kFirstModelD)
        setupUserModelC(c);
    else
        setupUserModelD(c);
    attack.start(voices::fadeInRateScaled(p(us::kAttack), c.sampleRate, kRampOctaves));
    const float sweepOctaves = hasShortSweep(model) ? dsp::kUserStereoTimeRange : kRampOctaves;
    const voices::FadeIn sweep = voices::fadeInRateScaled(p(us::kStereoTime), c.sampleRate, sweepOctaves);
    sweepPos_ = sweep.start;
    sweepRate_ = sweep.increment;
    sweepOffset_ = p(us::kStereoStart);
    sweepDepth_ = p(us::kStereoEnd) - p(us::kStereoStart);
}

// The long variants let every envelope run up to 16 s.
void UserVoice::stretchEnvelopes()
{
    for (dsp::DecayRiseEnvelope* envelope : {&modPitchEnv_, &toneFilterEnv_, &noiseFilterEnv_}) {
        envelope->setDecayTimeScale(kLongTimeScaleMs);
        envelope->setRiseTimeScale(kLongTimeScaleMs);
    }
    for (dsp::AhdEnvelope* envelope : {&toneAmpEnv_, &noiseAmpEnv_}) {
        envelope->setAttackTimeScale(kLongTimeScaleMs);
        envelope->setHoldTimeScale(kLongTimeScaleMs);
        envelope->setDecayTimeScale(kLongTimeScaleMs);
    }
}

void UserVoice::setModulatorPair(float frequency, float spread)
{
    mod1Ratio_ = frequency * spread;
    mod2Ratio_ = frequency / spread;
}

void UserVoice::kill()
{
    toneAmpEnv_.kill();
    noiseAmpEnv_.kill();
    toneDecayEnv_.kill();
    noiseDecayEnv_.kill();
    ampEnv_.kill();
    click_.kill();
}

void UserVoice::render(const voices::VoiceContext& c)
{
    if (atControlTick())
        startBlock(c);
    switch (kind_) {
    case ModelKind::RingNoise: renderUserKind0(c); break;
    case ModelKind::ModulatedTone: renderUserKind1(c); break;
    case ModelKind::ToneAndNoise: renderUserKind2(c); break;
    case ModelKind::BodyAndClick: renderUserKind3(c); break;
    }
}

// What every kind renews first at its 16-sample tick: the decay and pitch
// modulation, and the fade-in, which speeds up with the decays.
void UserVoice::startBlock(const voices::VoiceContext& c)
{
    decayGain_ = c.modValue(voicedest::kEnvSpeed) * c.note->noteLevel;
    pitchMod_ = c.modRatio(voicedest::kPitch);
    phaseScale_ = c.note->phaseIncrement * c.easy->synthPitchFactor * pitchMod_;
    mod1Scale_ = phaseScale_ * mod1Ratio_;
    mod2Scale_ = mod2Ratio_ * phaseScale_;
    const float a = c.params[us::index(us::kAttack, c.instance)];
    if (a < dsp::kNoRampValue) {
        attack.level = 1.0f;
        attack.increment = 0.0f;
    } else {
        attack.increment = decayGain_ * voices::fadeInRateScaled(a, c.sampleRate, kRampOctaves).increment;
    }
}

void UserVoice::updateToneFilterValues(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    toneFilterValue_ = p(us::kOscFilterFreq) + c.easy->filterFreqOffset + c.modValue(voicedest::kFilterFreq);
    toneFilterQ_ = p(us::kOscFilterQ) + c.easy->filterQOffset + c.modValue(voicedest::kFilterQ);
}

// The noise filter follows the voice's pitch.
void UserVoice::updateNoiseFilterValues(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
    filterPitch_ = pitchMod_ * c.easy->synthPitchFactor * c.note->pitchFactor;
    filterValue_ = p(us::kNoiseFilterFreq) + c.easy->filterFreqOffset + filterOffset_ + filterNoteOffset_ +
                   c.modValue(voicedest::kNoiseFreq);
    filterQ_ = p(us::kNoiseFilterQ) + c.easy->filterQOffset + c.modValue(voicedest::kNoiseQ);
}

void UserVoice::setModulationAmount(float amount)
{
    fmDepth_ = (std::exp2(kFmDepthOctaves * amount) - 1.0f) * kFmDepthPhase;
    ringAmount_ = amount;
}

// The voice's own LFO, or the user's shared one, which the engine also steps
// every sample; both step once more per block here.
void UserVoice::updateFilterLfo(const voices::VoiceContext& c)
{
    filterLfo_ = 0.0f;
    if (!lfoOn_)
        return;
    dsp::Lfo& lfo = lfoPerVoice_ ? lfo_ : c.userLfo->current();
    lfo.setRate(filterLfoRate(c));
    lfo.output();
    if (!lfoPerVoice_)
        c.userLfo->reschedule();
    const float depth = dsp::clamp01(c.modValue(voicedest::kLfoAmount) +
                                     c.params[us::index(us::kFilterLfoAmount, c.instance)] + c.easy->lfoAmountOffset);
    filterLfo_ = depth * depth * lfo.bipolarOutput();
}

// The balance sweeps from "Stereo Start" to "Stereo End" around the slot's
// pan, faster as the decays speed up; the gains are plain balance gains.
void UserVoice::updateUserPan(const voices::VoiceContext& c)
{
    sweepPos_ = dsp::clamp01(sweepRate_ * dsp::kEnvelopeBlockSize * decayGain_ + sweepPos_);
    const float pan = dsp::clamp01(c.params[param::voicePan[c.slot]] + c.note->notePan + *c.globalPanOffset +
                                   c.modValue(voicedest::kPan));
    const voices::StereoGains gains =
        voices::balanceGains(dsp::clamp01(sweepDepth_ * sweepPos_ + sweepOffset_ - 0.5f + pan));
    panLeft_ = gains.left;
    panRight_ = gains.right;
}

// The modulators start modDropOctaves away and glide home as the envelope falls.
void UserVoice::glideModulators(float envelopeOutput)
{
    const float glide = std::exp2(envelopeOutput * modDropOctaves_);
    mod1Inc_ = voices::phaseIncrement(mod1Scale_ * glide);
    mod2Inc_ = voices::phaseIncrement(glide * mod2Scale_);
}

// The carrier under its two sine modulators: phase-modulated, or in ring mode
// multiplied by them to the depth of "Mod Amount".
float UserVoice::modulatedCarrier(const voices::VoiceContext& c, std::int32_t wave)
{
    const float mod = c.readSine(mod1Phase_, mod1Inc_, 0.5f) + c.readSine(mod2Phase_, mod2Inc_, 0.5f);
    if (ringMode_)
        return (ringAmount_ * mod + 1.0f - ringAmount_) * c.readWave(carrierPhase_, carrierPhaseInc_, wave, 1.0f);
    return c.readWaveOffset(carrierPhase_, carrierPhaseInc_, voices::phaseShift(fmDepth_ * mod), wave, 1.0f);
}

void UserVoice::emitPanned(const voices::VoiceContext& c, float left, float right, float fade)
{
    ++counter;
    c.route(panLeft_ * left * out.gain * fade, fade * right * panRight_ * out.gain);
}

} // namespace drums
