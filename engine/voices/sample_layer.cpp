#include "engine/engine.h"

#include "engine/dsp/dsp_constants.h"
#include "engine/dsp/random_source.h"
#include "engine/samples/factory_samples.h"
#include "engine/samples/layer_motion.h"
#include "engine/voices/voice_layer.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/synth_layer_parameters.h"

#include <algorithm>
#include <cmath>

namespace voices {

namespace {

namespace param = kravo::param;
namespace layer = kravo::param::synthlayer;
namespace voicedest = modulation::voicedest;

// "Semi" covers -36..+36 semitones, "Fine" +-100 cents, both in whole steps.
constexpr float kSemiScale = 72.99f;
constexpr float kSemiRange = 36.0f;
constexpr float kFineScale = 200.0f;
constexpr float kFineRange = 100.0f;
constexpr int kFilterTypes = 7;

float p(const VoiceContext& c, int j)
{
    return c.params[param::synthLayer[static_cast<std::size_t>(j)][static_cast<std::size_t>(c.slot)]];
}

float tuningOctaves(float semi, float fine)
{
    const auto semitones = static_cast<float>(static_cast<int>(semi * kSemiScale - kSemiRange));
    const auto cents = static_cast<float>(static_cast<int>(fine * kFineScale - kFineRange));
    return semitones / 12.0f + cents / 1200.0f;
}

void setStages(dsp::AhdEnvelope& envelope, const VoiceContext& c, int attack, float factor, float decayFactor)
{
    envelope.setStages(p(c, attack), p(c, attack + 1), p(c, attack + 2), 0.0f, 0.0f, 0.0f, factor, factor,
                       decayFactor);
}

} // namespace

void VoiceLayer::setup(float sampleRate)
{
    state_ = samples::LayerState{};
    aheadCount_ = 0;
    aheadNext_ = 0;
    endsAt_ = kNoEnd;
    lfoPerVoice_ = false;
    panLeft_ = 0.0f;
    panRight_ = 0.0f;
    for (dsp::AhdEnvelope* envelope : {&ampEnv_, &filterEnv_}) {
        envelope->init(sampleRate);
        envelope->setHoldFlag(true);
    }
    filter_->init(sampleRate);
    filter_->setType(0);
    filter_->reset();
    lfo_.init(sampleRate);
}

void VoiceLayer::start(const VoiceContext& c, float velocity, float length, std::int32_t loadedFrames)
{
    samples::LayerState& s = state_;
    // A slot whose copy is shorter than the entry (or empty) plays what it holds.
    const float frames = std::min(length, static_cast<float>(loadedFrames));
    s.on = frames >= 2.0f;
    s.lastFrame = std::max(frames - 2.0f, 0.0f);

    setStages(ampEnv_, c, layer::kAmpAttack, 1.0f, c.easy->sampleDecayFactor);
    ampEnv_.trigger();
    const float q = p(c, layer::kRndToFreq);
    const float octaves =
        param::readBipolar(p(c, layer::kVelToFreq)) * velocity + (2.0f * dsp::randomUnit() - 1.0f) * q * q;
    s.rateRatio = std::exp2(octaves) * c.note->pitchFactor * factory_samples::kSampleRate / c.sampleRate;

    s.reverse = param::isSwitchOn(p(c, layer::kSampleReverse));
    s.retriggerLimit = samples::retriggerLimit(p(c, layer::kSampleRetriggers));
    samples::placeLayer(s, s.lastFrame, p(c, layer::kSampleOffset), p(c, layer::kSampleRetriggerTime));

    setStages(filterEnv_, c, layer::kFilterEnvAttack, 1.0f, c.easy->sampleDecayFactor);
    s.filterEnvAmount = param::readBipolar(p(c, layer::kFilterEnvAmount));
    filterEnv_.trigger();
    filter_->setType(static_cast<std::uint32_t>(
        param::readChoiceClamped(p(c, layer::kFilterType), param::choicescale::kVoiceFilterType, kFilterTypes)));
    filter_->reset();
    s.velocityFreq = param::readBipolar(p(c, layer::kFilterVelToFreq)) * velocity;

    lfoPerVoice_ = param::isSwitchOn(p(c, layer::kFilterLfoMode));
    lfo_.resetPhase();
    lfo_.setRate(filterLfoRate(c));

    const FadeIn sweep = fadeInRateScaled(p(c, layer::kStereoTime), c.sampleRate, dsp::kLayerStereoTimeRange);
    s.sweepPhase = sweep.start;
    s.sweepRate = sweep.increment;
    s.stereoStart = p(c, layer::kStereoStart);
    s.stereoEnd = p(c, layer::kStereoEnd);
}

dsp::LfoRate VoiceLayer::filterLfoRate(const VoiceContext& c)
{
    return {p(c, layer::kFilterLfoSpeed), p(c, layer::kFilterLfoTempoSync), *c.tempo,
            c.modValue(voicedest::kLfoSpeed) * c.easy->lfoSpeedFactor};
}

// Every 16 samples: step, filter settings, envelope blocks, LFO and pan.
void VoiceLayer::updateControls(const VoiceContext& c, SynthVoice& voice, SharedLfo& sharedLfo)
{
    samples::LayerState& s = state_;
    s.baseStep = tuningFactor_(tuningOctaves(p(c, layer::kSemi), p(c, layer::kFine))) * s.rateRatio *
                 c.easy->synthPitchFactor * c.modRatio(voicedest::kPitch);
    s.filterFreq = dsp::clamp01(p(c, layer::kFilterFreq) + c.easy->filterFreqOffset + s.velocityFreq +
                                c.modValue(voicedest::kFilterFreq));
    s.filterQ = dsp::clamp01(p(c, layer::kFilterQ) + c.easy->filterQOffset + c.modValue(voicedest::kFilterQ));

    const float timeFactor = c.note->noteLevel * c.modValue(voicedest::kEnvSpeed);
    if (voice.atCoefficientTick())
        setEnvelopeTimes(c, timeFactor);
    ampEnv_.process();
    filterEnv_.process();

    const float depth =
        dsp::clamp01(p(c, layer::kFilterLfoAmount) + c.modValue(voicedest::kLfoAmount) + c.easy->lfoAmountOffset);
    s.lfoValue = 0.0f;
    if (depth > 0.0f) {
        if (lfoPerVoice_) {
            lfo_.setRate(filterLfoRate(c));
            lfo_.output();
        }
        s.lfoValue = (lfoPerVoice_ ? lfo_ : sharedLfo.current()).bipolarOutput() * depth * depth;
    }

    s.sweepPhase = dsp::clamp01(s.sweepPhase + s.sweepRate * dsp::kEnvelopeBlockSize * timeFactor);
    const float pan = dsp::clamp01(c.params[param::voicePan[static_cast<std::size_t>(c.slot)]] + c.note->notePan +
                                   *c.globalPanOffset + c.modValue(voicedest::kPan));
    const StereoGains gains =
        balanceGains(dsp::clamp01(s.sweepPhase * (s.stereoEnd - s.stereoStart) + s.stereoStart - 0.5f + pan));
    panLeft_ = gains.left;
    panRight_ = gains.right;
}

// Every 64 samples; the stages speed up with the note's level and the slot's decay modulation.
void VoiceLayer::setEnvelopeTimes(const VoiceContext& c, float timeFactor)
{
    const float decay = timeFactor * c.easy->sampleDecayFactor;
    setStages(ampEnv_, c, layer::kAmpAttack, timeFactor, decay);
    setStages(filterEnv_, c, layer::kFilterEnvAttack, timeFactor, decay);
}

// One sample's envelope step and move; false, the layer ending at this sample, once either stops it.
inline bool VoiceLayer::stepAndMove(samples::LayerState& s, std::uint32_t sample)
{
    ampEnv_.step();
    bool playing = ampEnv_.isActive();
    if (playing) {
        s.step = s.baseStep;
        playing = samples::moveLayer(s);
    }
    if (!playing) {
        s.on = false;
        endsAt_ = sample;
    }
    return playing;
}

// In three passes over the run: the layer's own steps, the distortion, the gains. The steps work on a copy
// of the layer's state, which the run's outputs cannot alias.
void VoiceLayer::renderAhead(const VoiceContext& c, SynthVoice& voice, const samples::FactorySamples& buffers,
                             SharedLfo& sharedLfo, std::uint32_t blockLeft)
{
    aheadNext_ = 0;
    if (voice.atControlTick())
        updateControls(c, voice, sharedLfo);
    const std::uint32_t count = std::min(kMostAhead - (voice.counter & voicetick::kControlMask), blockLeft);
    const samples::FactorySamples::Reader reader = buffers.reader(c.slot);
    const bool stereo = reader.isStereo();
    samples::LayerState s = state_;
    float left[kMostAhead];
    float right[kMostAhead];
    endsAt_ = kNoEnd;
    std::uint32_t sounding = 0;
    if (!filter_->isOn()) {
        // The envelope and the motion first, sample by sample; then the reads and the levels.
        float positions[kMostAhead] = {}; // only the sounding ones are read, which the compiler cannot see
        float levels[kMostAhead];
        for (; sounding < count; ++sounding) {
            if (!stepAndMove(s, sounding))
                break;
            positions[sounding] = s.position;
            levels[sounding] = ampEnv_.level();
        }
        reader.readRun(positions, sounding, s.lastFrame, left, right);
        for (std::uint32_t k = 0; k < sounding; ++k)
            left[k] *= levels[k];
        if (stereo)
            for (std::uint32_t k = 0; k < sounding; ++k)
                right[k] *= levels[k];
    } else {
        std::uint32_t counter = voice.counter;
        for (; sounding < count; ++sounding) {
            const bool pitchTick = (counter & voicetick::kPitchMask) == 0;
            ++counter;
            if (!stepAndMove(s, sounding))
                break;
            float l = 0.0f;
            float r = 0.0f;
            reader.read(s.position, s.lastFrame, l, r);
            if (pitchTick) {
                filterEnv_.step4();
                const float freq = s.filterFreq + filterEnv_.output() * s.filterEnvAmount + s.lfoValue;
                filter_->setParameters(freqFromValue(freq), s.filterQ, 1.0f);
            }
            if (stereo)
                filter_->processStereo(l, r);
            else
                l = filter_->process(l);
            const float level = ampEnv_.level();
            left[sounding] = l * level;
            right[sounding] = r * level;
        }
    }
    state_ = s;
    aheadCount_ = endsAt_ == kNoEnd ? count : sounding + 1;
    const auto n = static_cast<int>(sounding);
    const float gain = voice.out.gain;
    if (stereo) {
        voice.distortion.processStereo(left, right, n);
        for (std::uint32_t k = 0; k < sounding; ++k) {
            aheadLeft_[k] = left[k] * gain * panLeft_;
            aheadRight_[k] = right[k] * gain * panRight_;
        }
    } else {
        // A mono copy is distorted once for both channels.
        voice.distortion.process(left, n);
        for (std::uint32_t k = 0; k < sounding; ++k) {
            aheadLeft_[k] = left[k] * gain * panLeft_;
            aheadRight_[k] = left[k] * gain * panRight_;
        }
    }
}

} // namespace voices

void Engine::startFactorySample(int voice, int slot, int sample)
{
    voices::VoiceLayer& layer = voiceLayers[voice][slot];
    layer.setup(sampleRate);
    const voices::VoiceContext& c = voiceContexts[voice][slot];
    if (factorySamples == nullptr || sample < 0 || sample >= samples::FactorySamples::kEntries) {
        layer.start(c, slotNotes[slot].velocity, 0.0f, 0);
        return;
    }
    layer.start(c, slotNotes[slot].velocity, factorySamples->entry(sample).length,
                factorySamples->loadedFrames(slot));
}
