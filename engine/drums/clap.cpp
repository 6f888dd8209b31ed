#include "engine/drums/clap_voice.h"

#include "engine/dsp/random_source.h"
#include "plugin/parameters/clap_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <cmath>

namespace drums {

namespace {

namespace param = kravo::param;
namespace cl = kravo::param::clap;
namespace voicedest = modulation::voicedest;

// Longest stage times, in ms: a repeat hit's decay, the final hit's hold and decay.
constexpr float kRepeatTimeScaleMs = 100.0f;
constexpr float kFinalTimeScaleMs = 10000.0f;

// "Number of Repeats" picks how many short hits come before the final one.
constexpr std::int32_t kRepeatsOfChoice[] = {0, 1, 2, 3, 4, 6, 8};
constexpr int kRepeatChoices = 7;
constexpr float kRepeatsScale = 6.99f;

// "Stereo Speed Offset" runs the left burst up to 0.3 octaves faster and the right as much slower.
constexpr float kSpeedOffsetOctaves = 0.3f;
// Humanisation moves each repeat hit's speed by up to 0.3 octaves either way
// and the final decay by up to three, and cuts a hit's level to as little as a
// quarter; "Filter Rnd > Freq" moves the filter by up to a quarter of its
// travel (2.5 octaves) per note.
constexpr float kSpeedJitterOctaves = 0.3f;
constexpr float kDecayJitterOctaves = 3.0f;
constexpr float kLevelJitter = 0.75f;
constexpr float kFilterJitter = 0.25f;
// "Amp Decay Curve" bends the final hit's fall by up to four octaves of exponent.
constexpr float kFinalCurveOctaves = 4.0f;

constexpr std::int32_t kPlainModel = 0;
constexpr std::int32_t kHumanisedModel = 2;
constexpr int kNoiseFilter = 0;

float bipolarDraw()
{
    return 2.0f * dsp::randomUnit() - 1.0f;
}

} // namespace

voices::SynthVoiceParameters ClapVoice::parameters(int instance)
{
    return {cl::index(cl::kVelocityToVolume, instance), cl::index(cl::kModel, instance), voices::kNoAttack,
            cl::index(cl::kDistortionType, instance), kModelCount};
}

void ClapVoice::setup(float sampleRate, const float* sineTable, const float* cosineTable)
{
    *this = ClapVoice{};
    distortion.init(sampleRate, sineTable, cosineTable);
    for (Side* side : {&left_, &right_}) {
        side->envelope.init(sampleRate);
        side->envelope.setDecayTimeScale(kRepeatTimeScaleMs);
        side->envelope.setHoldTimeScale(kFinalTimeScaleMs);
        side->envelope.setCurveExponent(0.0f); // 2^0: a straight fall
    }
}

void ClapVoice::noteOn(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[cl::index(j, c.instance)]; };
    const float speedOffset = kSpeedOffsetOctaves * p(cl::kStereoSpeedOffset);
    left_.speed = std::exp2(speedOffset);
    right_.speed = std::exp2(-speedOffset);
    channel_.startStereo(p(cl::kStereoOffset), p(cl::kStereoSpread));
    if (model == kHumanisedModel) {
        const float decay = p(cl::kDecayHumanization);
        const float volume = p(cl::kVolumeHumanization);
        speedJitter_ = kSpeedJitterOctaves * p(cl::kSpeedHumanization);
        decayJitter_ = kDecayJitterOctaves * decay * decay;
        levelJitter_ = kLevelJitter * volume * volume;
    }
    // The plain model is one clap: both bursts alike, each side carrying their sum.
    if (model == kPlainModel) {
        left_.speed = right_.speed = 1.0f;
        channel_.spreadCross = channel_.spreadNorm = 1.0f;
    }
    repeats_ = kRepeatsOfChoice[param::readChoiceClamped(p(cl::kNumberOfRepeats), kRepeatsScale, kRepeatChoices)];
    // The note-on's hits run at their own rates: gain 1, and a final hit (no
    // repeats) untouched by the Easy decay speed. The humanised model draws
    // both levels before the hits' own values; the others start at full level.
    if (model == kHumanisedModel) {
        left_.level = drawLevel();
        right_.level = drawLevel();
    }
    constexpr float kNoteOnGain = 1.0f;
    constexpr float kNoteOnDecayFactor = 1.0f;
    startHit(c, kNoteOnGain, kNoteOnDecayFactor, left_);
    startHit(c, kNoteOnGain, kNoteOnDecayFactor, right_);
    const float filterRandom = p(cl::kFilterRndToFreq);
    filterOffset_ = kFilterJitter * filterRandom * filterRandom * bipolarDraw();
    c.modelFilters[kNoiseFilter].setType(static_cast<std::uint32_t>(
        param::readChoiceClamped(p(cl::kNoiseFilter), param::choicescale::kVoiceFilterType, 7)));
}

// A side's next hit: short repeats at the burst's speed until the side has
// played all of them, then the final hit with its own hold, decay and curve.
float ClapVoice::drawLevel() const
{
    return 1.0f - levelJitter_ * dsp::randomUnit();
}

void ClapVoice::startHit(const voices::VoiceContext& c, float decayGain, float decayFactor, Side& side)
{
    auto p = [&](int j) { return c.params[cl::index(j, c.instance)]; };
    dsp::HoldDecayEnvelope& envelope = side.envelope;
    const float jitter = bipolarDraw();
    envelope.setGain(decayGain);
    if (side.hits < repeats_) {
        envelope.setDecayTimeScale(kRepeatTimeScaleMs);
        envelope.setHold(0.0f, 0.0f, 1.0f);
        envelope.setDecay(p(cl::kRepeatSpeed), 0.0f, std::exp2(jitter * speedJitter_) * side.speed);
        envelope.setCurveExponent(0.0f);
    } else {
        envelope.setDecayTimeScale(kFinalTimeScaleMs);
        envelope.setHold(p(cl::kAmpHold), 0.0f, decayFactor);
        envelope.setDecay(p(cl::kAmpDecay), 0.0f, std::exp2(jitter * decayJitter_) * decayFactor);
        envelope.setCurveExponent(kFinalCurveOctaves * p(cl::kAmpDecayCurve));
    }
    envelope.trigger();
}

// Each side counts as at its final hit, so that the fade ends the burst
// instead of making way for its next hit.
void ClapVoice::kill()
{
    for (Side* side : {&left_, &right_}) {
        side->hits = repeats_;
        side->envelope.kill();
    }
}

void ClapVoice::tuneFilter(const voices::VoiceContext& c)
{
    auto p = [&](int j) { return c.params[cl::index(j, c.instance)]; };
    const voices::EasyControls& easy = *c.easy;
    const float frequency = voices::freqFromValue(p(cl::kNoiseFilterFreq) + filterOffset_ + easy.filterFreqOffset +
                                                  c.modValue(voicedest::kNoiseFreq)) *
                            c.modRatio(voicedest::kPitch) * c.note->pitchFactor * easy.synthPitchFactor;
    const float q = p(cl::kNoiseQ) + easy.filterQOffset + c.modValue(voicedest::kNoiseQ);
    channel_.tune(c.modelFilters[kNoiseFilter], frequency, q, 1.0f);
}

void ClapVoice::render(const voices::VoiceContext& c)
{
    if (atControlTick()) {
        const float decayGain = c.modValue(voicedest::kEnvSpeed) * c.note->noteLevel;
        // A side's next hit starts at the first block boundary after its last one has ended.
        for (Side* side : {&left_, &right_}) {
            if (!side->envelope.isActive() && ++side->hits <= repeats_) {
                side->level = drawLevel();
                startHit(c, decayGain, c.easy->synthDecayFactor, *side);
            }
            side->envelope.process();
        }
        tuneFilter(c);
    }
    if (left_.hits > repeats_ && right_.hits > repeats_) {
        stop();
        return;
    }

    left_.envelope.step();
    right_.envelope.step();
    float noiseLeft = c.randomBipolar();
    float noiseRight = c.randomBipolar();
    c.modelFilters[kNoiseFilter].processStereo(noiseLeft, noiseRight);
    const float sideLeft = left_.level * left_.envelope.output() * noiseLeft;
    const float sideRight = right_.level * right_.envelope.output() * noiseRight;
    float yLeft = (sideRight * channel_.spreadCross + sideLeft) * channel_.spreadNorm;
    float yRight = (sideLeft * channel_.spreadCross + sideRight) * channel_.spreadNorm;
    distortion.processStereo(yLeft, yRight);
    emit(c, yLeft, yRight);
}

} // namespace drums
