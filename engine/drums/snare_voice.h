#pragma once

#include "engine/drums/noise_channel.h"
#include "engine/drums/pitch_curve.h"
#include "engine/dsp/ad_envelope.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/decay_rise_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"
#include "engine/dsp/one_pole_filter.h"
#include "engine/voices/synth_voice.h"

#include <cstdint>

namespace drums {

// One voice of a snare slot: a high-passed tone with a pitch drop, white noise
// through the voice's noise filter (mono or spread in stereo) and, in the
// second model, a sine click; models from 2 on are built-in samples.
class SnareVoice : public voices::SynthVoice {
public:
    static constexpr int kModelCount = 67;
    static constexpr int kInstances = 2; // the kind's slots
    static constexpr int kFirstSampleModel = 2;
    static int sampleOfModel(int model) { return model - kFirstSampleModel + kFirstSnareSample; }
    static voices::SynthVoiceParameters parameters(int instance);

    void setup(float sampleRate, const float* sineTable, const float* cosineTable);
    void noteOn(const voices::VoiceContext& c);
    // A stolen voice fades fast, its noise too: left to run out, the noise
    // would still sound when the note after next set this voice up again.
    void kill();
    void render(const voices::VoiceContext& c);

private:
    static constexpr int kFirstSnareSample = 24;

    void setBlock(const voices::VoiceContext& c);
    void setTimes(const voices::VoiceContext& c);
    float renderTone(const voices::VoiceContext& c, bool pitchTick);
    float renderClick(const voices::VoiceContext& c, bool pitchTick);
    void renderNoise(const voices::VoiceContext& c, bool pitchTick, float& left, float& right);

    bool clickOn_ = false;
    std::int32_t wave_ = 0;
    PitchCurve curve_;
    float phaseScale_ = 0.0f;
    std::uint32_t phase_ = 0;
    std::uint32_t phaseInc_ = 0;
    float baseFreq_ = 25.0f;
    float dropOctaves_ = 0.0f;
    float toneGain_ = 0.0f;

    float clickGain_ = 0.0f;
    float clickDropOctaves_ = 0.0f;
    float clickFreq_ = 0.0f;
    float clickPhaseScale_ = 0.0f;
    std::uint32_t clickPhase_ = 0;
    std::uint32_t clickPhaseInc_ = 0;

    NoiseChannel noise_;
    float noiseGain_ = 0.0f;
    float velFilterOffset_ = 0.0f;
    float filterFreqValue_ = 0.0f;
    float filterDrop_ = 0.0f;
    float filterQValue_ = 0.1f;
    float filterPitch_ = 1.0f;

    dsp::HoldDecayEnvelope toneAmpEnv_;
    dsp::DecayEnvelope pitchEnv_;
    dsp::AdEnvelope noiseAmpEnv_;
    dsp::DecayRiseEnvelope noiseFilterEnv_;
    dsp::DecayEnvelope clickAmpEnv_;
    dsp::DecayEnvelope clickPitchEnv_;
    dsp::OnePoleFilter toneHighPass_;
};

} // namespace drums
