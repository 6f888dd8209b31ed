#include "engine/samples/sample_slot_voice.h"

#include "engine/dsp/dsp_constants.h"
#include "engine/dsp/random_source.h"
#include "engine/samples/layer_motion.h"
#include "engine/voices/synth_voice.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/sample_position.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/samples/sample_buffer.h"

#include <algorithm>
#include <cmath>

namespace samples {

namespace {

namespace param = kravo::param;
namespace sound = kravo::param::soundblock;
namespace play = kravo::param::playblock;
namespace voicedest = modulation::voicedest;
namespace sampledest = modulation::sampledest;

// A layer's "Volume" spans -40 dB .. 0 dB.
constexpr float kLayerVolumeRangeDb = 40.0f;
// "Tuning" covers -36..+36 semitones in whole steps, "Fine-Tuning" +-100 cents.
constexpr float kTuningScale = 72.99f;
constexpr float kTuningRangeSemitones = 36.0f;
constexpr float kFineTuningRangeCents = 100.0f;
constexpr int kFilterTypes = 7;

// One layer's parameters of one sample slot.
struct LayerParameters {
    const float* p;
    param::SampleLayer layer;
    int slot;

    const param::SampleLayerLayout& layout() const { return param::sampleLayerLayouts[layer]; }
    float at(int first) const { return p[first + slot]; }
    float sound(int j) const { return p[param::soundBlockIndex(layer, j, slot)]; }
    float play(int j) const { return p[param::playBlockIndex(layer, j, slot)]; }
    float position(int high, int low) const
    {
        return static_cast<float>(param::SamplePosition::read(at(high), at(low)));
    }
};

LayerParameters layerParameters(const voices::VoiceContext& c, int layer)
{
    return {c.params, static_cast<param::SampleLayer>(layer), c.instance};
}

// An envelope's attack, hold and decay from the three parameters that follow
// each other from `attack` on, each stage's rate times its own factor.
struct StageFactors {
    float attack;
    float hold;
    float decay;
};

void setStages(dsp::AhdEnvelope& envelope, const LayerParameters& p, int attack, StageFactors f)
{
    envelope.setStages(p.sound(attack), p.sound(attack + 1), p.sound(attack + 2), 0.0f, 0.0f, 0.0f, f.attack, f.hold,
                       f.decay);
}

float tuningOctaves(float tuning, float fineTuning)
{
    const int semitones = static_cast<int>(tuning * kTuningScale - kTuningRangeSemitones);
    const float cents = (2.0f * fineTuning - 1.0f) * kFineTuningRangeCents;
    return static_cast<float>(semitones) / 12.0f + cents / 1200.0f;
}

} // namespace

void SampleSlotVoice::setup(float sampleRate, const float* sineTable, const float* cosineTable)
{
    playing = false;
    counter_ = 0;
    aheadCount_ = 0;
    aheadNext_ = 0;
    combineMode_ = CombineMode::SampleA;
    shareLayerA_ = false;
    lfoPerVoice_ = false;
    velocity_ = 0.0f;
    velocityGain_ = 1.0f;
    voiceGain_ = 0.0f;
    mix_ = 0.0f;
    timeFactor_ = 1.0f;
    for (int l = 0; l < kLayerCount; ++l) {
        Layer& layer = layers_[l];
        spread_[l] = 0.0f;
        layer.state = LayerState{};
        for (dsp::AhdEnvelope* envelope : {&layer.ampEnv, &layer.pitchEnv, &layer.filterEnv}) {
            envelope->init(sampleRate);
            envelope->setHoldFlag(true);
        }
        layer.filter->init(sampleRate);
        layer.lfo.init(sampleRate);
        layer.distortion.init(sampleRate, sineTable, cosineTable);
    }
}

void SampleSlotVoice::noteOn(const voices::VoiceContext& c, const SlotSources& sources, float velocity,
                             std::uint32_t alternate)
{
    const float* p = c.params;
    const int s = c.instance;
    playing = true;
    velocity_ = velocity;
    const float v = p[param::voiceVelocityToVolume[c.slot]];
    velocityGain_ = (1.0f - v) + v * velocity;
    const int mode = param::readChoice(p[param::sampleSlotLayerMode[s]], param::choicescale::kSampleLayerMode);
    combineMode_ = static_cast<CombineMode>(std::clamp(mode, 0, static_cast<int>(CombineMode::Mix)));
    const float spread = combineMode_ == CombineMode::Mix ? 0.5f * p[param::sampleSlotSpread[s]] : 0.0f;
    spread_[0] = -spread;
    spread_[1] = spread;

    // A switched-off layer may still hold the sample of an earlier program; it does not start.
    bool on[kLayerCount];
    for (int l = 0; l < kLayerCount; ++l)
        on[l] = sources.buffers[l] != nullptr && sources.buffers[l]->isLoaded() &&
                param::isSwitchOn(p[param::sampleLayerLayouts[l].on + s]);
    playing = on[0] || on[1];
    // A split value right at the velocity plays B.
    const bool playsB = combineMode_ == CombineMode::Alternate ? alternate == 1
                                                               : p[param::sampleSlotVelocitySplit[s]] <= velocity;
    switch (combineMode_) {
    case CombineMode::SampleA: on[1] = false; break;
    case CombineMode::SampleB: on[0] = false; break;
    case CombineMode::Alternate:
    case CombineMode::Split: on[playsB ? 0 : 1] = false; break;
    case CombineMode::Mix: break;
    }

    shareLayerA_ = param::isAboveHalf(p[param::sampleSlotCombine[s]]);
    lfoPerVoice_ = param::isSwitchOn(p[param::sampleSlotLfoMode[s]]);
    const auto kind = static_cast<std::uint32_t>(
        param::readChoice(p[param::voiceDistortionType[c.slot]], param::choicescale::kDistortionType));
    for (int l = 0; l < kLayerCount; ++l) {
        layers_[l].distortion.start(kind);
        startLayer(c, l, sources.buffers[l]);
        layers_[l].state.on = on[l];
    }
}

void SampleSlotVoice::startLayer(const voices::VoiceContext& c, int layer, const SampleBuffer* buffer)
{
    const LayerParameters p = layerParameters(c, layer);
    const param::SampleLayerLayout& at = p.layout();
    Layer& L = layers_[layer];
    LayerState& s = L.state;
    if (buffer != nullptr) {
        s.rateRatio = buffer->getRateRatio(c.sampleRate);
        s.lastFrame = static_cast<float>(buffer->getLastFrame());
    }
    const float last = s.lastFrame;
    s.looping = param::isAboveHalf(p.at(at.loop));
    s.reverse = param::isSwitchOn(p.at(at.reverse));
    // Points stored for a longer file than the one loaded now end the loop at its last frame.
    s.loopStart = std::min(p.position(at.loopStartHigh, at.loopStartLow), last);
    s.loopEnd = std::max(std::min(p.position(at.loopEndHigh, at.loopEndLow), last), s.loopStart);

    s.retriggerLimit = retriggerLimit(p.play(play::kRetriggers));
    placeLayer(s, last, p.play(play::kOffset), p.play(play::kRetriggerTime));

    const float pitchSpeed = c.easy->pitchEnvSpeedFactor;
    setStages(L.ampEnv, p, sound::kAmpAttack, {1.0f, 1.0f, c.easy->sampleDecayFactor});
    setStages(L.pitchEnv, p, sound::kPitchEnvAttack, {pitchSpeed, pitchSpeed, pitchSpeed});
    setStages(L.filterEnv, p, sound::kFilterEnvAttack, {1.0f, 1.0f, 1.0f});
    L.ampEnv.trigger();
    L.pitchEnv.trigger();
    L.filterEnv.trigger();
    s.pitchEnvAmount = 2.0f * p.sound(sound::kPitchEnv) - 1.0f;
    s.pitchEnvOn = s.pitchEnvAmount != 0.0f;
    s.filterEnvAmount = param::readBipolar(p.sound(sound::kFilterEnv));
    const float q = p.play(play::kRandomToPitch);
    s.randomPitch = (2.0f * dsp::randomUnit() - 1.0f) * q * q;
    s.velocityPitch = param::readBipolar(p.play(play::kVelToPitch)) * velocity_;
    s.velocityFreq = param::readBipolar(p.play(play::kFilterVelToFreq)) * velocity_;
    L.filter->setType(static_cast<std::uint32_t>(
        param::readChoiceClamped(p.sound(sound::kFilterType), param::choicescale::kVoiceFilterType, kFilterTypes)));
    L.lfo.resetPhase();
    L.lfo.setRate(filterLfoRate(c, layer));
    const voices::FadeIn sweep =
        voices::fadeInRateScaled(p.play(play::kStereoTime), c.sampleRate, dsp::kSampleStereoTimeRange);
    s.sweepPhase = sweep.start;
    s.sweepRate = sweep.increment;
    s.stereoStart = p.play(play::kStereoStart);
    s.stereoEnd = p.play(play::kStereoEnd);
}

dsp::LfoRate SampleSlotVoice::filterLfoRate(const voices::VoiceContext& c, int parameterLayer)
{
    const LayerParameters p = layerParameters(c, parameterLayer);
    return {p.at(p.layout().filterLfoSpeed), c.params[param::sampleSlotLfoSync[c.instance]], *c.tempo,
            c.modValue(sampledest::kLfoSpeed) * c.easy->lfoSpeedFactor};
}

void SampleSlotVoice::kill()
{
    for (Layer& layer : layers_)
        layer.ampEnv.kill();
}

void SampleSlotVoice::releaseLoopingLayers()
{
    for (Layer& layer : layers_)
        if (layer.state.looping)
            layer.ampEnv.release();
}

void SampleSlotVoice::stop()
{
    playing = false;
    for (Layer& layer : layers_)
        layer.state.on = false;
}

bool SampleSlotVoice::startRun(const voices::VoiceContext& c, const SlotSources& sources, std::uint32_t blockLeft)
{
    // The ticks count from the note's first sample, so its first sample
    // already has its gains, step and filter.
    const std::uint32_t n = counter_;
    if ((n & voicetick::kControlMask) == 0) {
        updateControls(c, sources, (n & voicetick::kCoefficientMask) == 0);
        if (!playing) {
            ++counter_;
            return false;
        }
    }
    renderAhead(sources, blockLeft);
    return true;
}

void SampleSlotVoice::renderAhead(const SlotSources& sources, std::uint32_t blockLeft)
{
    const std::uint32_t count = std::min(kMostAhead - (counter_ & voicetick::kControlMask), blockLeft);
    // "Sample A" and "Sample B" play one layer; "Alternate" and "Split" sum
    // both (their note started one), "Mix" weighs them.
    const bool rendersA = combineMode_ != CombineMode::SampleB;
    const bool rendersB = combineMode_ != CombineMode::SampleA;
    const bool mixes = combineMode_ == CombineMode::Mix;
    const float weightA = mixes ? 1.0f - mix_ : (rendersA ? 1.0f : 0.0f);
    const float weightB = mixes ? mix_ : (rendersB ? 1.0f : 0.0f);
    // A layer that does not play keeps the output it last had.
    float outLeft[kLayerCount][kMostAhead];
    float outRight[kLayerCount][kMostAhead];
    const bool renders[kLayerCount] = {rendersA, rendersB};
    for (int l = 0; l < kLayerCount; ++l) {
        if (renders[l]) {
            renderLayerRun(l, sources.buffers[l], count, outLeft[l], outRight[l]);
        } else {
            std::fill(outLeft[l], outLeft[l] + count, layers_[l].state.outLeft);
            std::fill(outRight[l], outRight[l] + count, layers_[l].state.outRight);
        }
    }
    for (std::uint32_t k = 0; k < count; ++k) {
        aheadLeft_[k] = outLeft[0][k] * weightA + outLeft[1][k] * weightB;
        aheadRight_[k] = outRight[0][k] * weightA + outRight[1][k] * weightB;
    }
    aheadCount_ = count;
    aheadNext_ = 0;
}

// Every 16 samples: the voice's gains, distortion and mix, then each sounding layer.
void SampleSlotVoice::updateControls(const voices::VoiceContext& c, const SlotSources& sources, bool timesTick)
{
    const voices::VoiceOutputLevels levels = c.prepareOutput(velocityGain_, layers_[0].distortion, volumeGain_);
    layers_[1].distortion.prepare(levels.distortion1, levels.distortion2);
    voiceGain_ = levels.gain;
    mix_ = dsp::clamp01(c.params[param::sampleSlotMix[c.instance]] + c.modValue(sampledest::kMix));
    timeFactor_ = c.note->noteLevel * c.modValue(voicedest::kEnvSpeed);
    for (int l = 0; l < kLayerCount; ++l)
        if (layers_[l].state.on)
            updateLayer(c, l, sources.sharedLfos[l], timesTick);
    playing = layerAOn() || layerBOn();
}

void SampleSlotVoice::updateLayer(const voices::VoiceContext& c, int layer, voices::SharedLfo& sharedLfo,
                                  bool timesTick)
{
    const int pl = parameterLayer(layer);
    const LayerParameters p = layerParameters(c, pl);
    Layer& L = layers_[layer];
    LayerState& s = L.state;
    s.volumeGain = L.volumeGain(p.at(p.layout().volume), kLayerVolumeRangeDb, kLayerVolumeRangeDb);

    s.sweepPhase = dsp::clamp01(s.sweepPhase + s.sweepRate * dsp::kEnvelopeBlockSize * timeFactor_);
    const float base = dsp::clamp01(c.params[param::voicePan[c.slot]] + c.note->notePan + *c.globalPanOffset +
                                    spread_[layer] + c.modValue(voicedest::kPan));
    const voices::StereoGains gains = voices::balanceGains(
        dsp::clamp01(base + s.sweepPhase * (s.stereoEnd - s.stereoStart) + s.stereoStart - 0.5f));
    s.panLeft = gains.left * s.volumeGain;
    s.panRight = gains.right * s.volumeGain;

    const float octaves =
        tuningOctaves(p.sound(sound::kTuning), p.sound(sound::kFineTuning)) + s.randomPitch + s.velocityPitch;
    s.baseStep = L.pitchFactor(octaves) * c.note->pitchFactor * c.easy->samplePitchFactor *
                 c.modRatio(voicedest::kPitch) * s.rateRatio;
    s.filterFreq = p.sound(sound::kFilterFreq) + c.easy->filterFreqOffset + c.modValue(voicedest::kFilterFreq) +
                   s.velocityFreq;
    s.filterQ = p.sound(sound::kFilterQ) + c.easy->filterQOffset + c.modValue(voicedest::kFilterQ);

    if (timesTick)
        setEnvelopeTimes(c, L, pl);
    L.ampEnv.process();
    L.pitchEnv.process();
    L.filterEnv.process();
    updateFilterLfo(c, L, sharedLfo, pl);
    s.on = L.ampEnv.isActive();
}

// Every 64 samples; the stages speed up with the slot's decay modulation and the easy speeds.
void SampleSlotVoice::setEnvelopeTimes(const voices::VoiceContext& c, Layer& layer, int parameterLayer)
{
    const LayerParameters p = layerParameters(c, parameterLayer);
    const float level = timeFactor_ * c.easy->sampleDecayFactor;
    const float pitch = timeFactor_ * c.easy->pitchEnvSpeedFactor;
    setStages(layer.ampEnv, p, sound::kAmpAttack, {level, level, level});
    setStages(layer.pitchEnv, p, sound::kPitchEnvAttack, {pitch, pitch, pitch});
    setStages(layer.filterEnv, p, sound::kFilterEnvAttack, {level, level, level});
}

void SampleSlotVoice::updateFilterLfo(const voices::VoiceContext& c, Layer& layer, voices::SharedLfo& sharedLfo,
                                      int parameterLayer)
{
    const LayerParameters p = layerParameters(c, parameterLayer);
    const float depth = dsp::clamp01(p.at(p.layout().filterLfoAmount) + c.modValue(sampledest::kLfoAmount) +
                                     c.easy->lfoAmountOffset);
    const float amount = depth * depth;
    layer.state.lfoValue = 0.0f;
    if (amount == 0.0f)
        return;
    dsp::Lfo& lfo = lfoPerVoice_ ? layer.lfo : sharedLfo.current();
    lfo.setRate(filterLfoRate(c, parameterLayer));
    lfo.output();
    if (!lfoPerVoice_)
        sharedLfo.reschedule();
    layer.state.lfoValue = lfo.bipolarOutput() * amount;
}

// One sample's envelope steps; at a pitch tick the pitch and filter envelopes' and the step from the pitch.
inline void SampleSlotVoice::stepEnvelopes(Layer& layer, bool pitchTick)
{
    LayerState& s = layer.state;
    layer.ampEnv.step();
    if (pitchTick) {
        layer.pitchEnv.step4();
        layer.filterEnv.step4();
        s.step = s.pitchEnvOn ? s.baseStep * std::exp2(layer.pitchEnv.output() * s.pitchEnvAmount) : s.baseStep;
    }
}

// In three passes over the run: the layer's own steps up to its end, the distortion of the samples that
// sounded, their gains. Once the layer ends, the rest of the run is silent.
void SampleSlotVoice::renderLayerRun(int layer, const SampleBuffer* buffer, std::uint32_t count, float* outLeft,
                                     float* outRight)
{
    Layer& L = layers_[layer];
    LayerState& s = L.state;
    std::fill(outLeft, outLeft + count, 0.0f);
    std::fill(outRight, outRight + count, 0.0f);
    s.outLeft = 0.0f;
    s.outRight = 0.0f;
    if (buffer == nullptr || !buffer->isLoaded())
        return;
    float level[kMostAhead];
    std::uint32_t sounding = 0;
    if (!L.filter->isOn()) {
        // The envelopes and the motion first, sample by sample; then the reads.
        float positions[kMostAhead];
        for (; sounding < count && s.on; ++sounding) {
            stepEnvelopes(L, ((counter_ + sounding) & voicetick::kPitchMask) == 0);
            if (!moveLayer(s)) {
                s.on = false;
                break;
            }
            positions[sounding] = s.position;
            level[sounding] = voiceGain_ * L.ampEnv.level();
        }
        buffer->readInterpolatedRun(positions, sounding, outLeft, outRight);
    } else {
        for (; sounding < count && s.on; ++sounding) {
            const bool pitchTick = ((counter_ + sounding) & voicetick::kPitchMask) == 0;
            stepEnvelopes(L, pitchTick);
            if (pitchTick)
                L.filter->setParameters(
                    voices::freqFromValue(s.filterFreq + L.filterEnv.output() * s.filterEnvAmount + s.lfoValue),
                    s.filterQ, 1.0f);
            if (!moveLayer(s)) {
                s.on = false;
                break;
            }
            float left = 0.0f;
            float right = 0.0f;
            buffer->readInterpolated(s.position, left, right);
            L.filter->processStereo(left, right);
            outLeft[sounding] = left;
            outRight[sounding] = right;
            level[sounding] = voiceGain_ * L.ampEnv.level();
        }
    }
    L.distortion.processStereo(outLeft, outRight, static_cast<int>(sounding));
    for (std::uint32_t k = 0; k < sounding; ++k) {
        outLeft[k] = s.panLeft * outLeft[k] * level[k];
        outRight[k] = s.panRight * outRight[k] * level[k];
    }
    if (sounding == count && sounding > 0) {
        s.outLeft = outLeft[sounding - 1];
        s.outRight = outRight[sounding - 1];
    }
}

} // namespace samples
