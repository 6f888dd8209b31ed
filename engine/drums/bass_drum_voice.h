#pragma once

#include "engine/drums/click.h"
#include "engine/drums/pitch_curve.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"
#include "engine/voices/synth_voice.h"

#include <cstdint>

namespace drums {

// One voice of a bass drum slot. Models 0 and 1 sweep from a start to an end
// frequency under a hold-then-decay level; models 2 and 3 drop onto a base
// frequency, with a second ("Kravo") pitch envelope on top, under a straight
// decay. Models 1 and 3 add the click; models from 4 on are built-in samples.
class BassDrumVoice : public voices::SynthVoice {
public:
    static constexpr int kModelCount = 28;
    static constexpr int kInstances = 2; // the kind's slots
    static constexpr int kFirstSampleModel = 4;
    static int sampleOfModel(int model) { return model - kFirstSampleModel; }
    static voices::SynthVoiceParameters parameters(int instance);

    void setup(float sampleRate, const float* sineTable, const float* cosineTable);
    // The note-on of the synthesised models, after the shared opening.
    void noteOn(const voices::VoiceContext& c);
    // A stolen voice fades fast.
    void kill();
    // One sample; the voice stops once its level and click have died away.
    void render(const voices::VoiceContext& c);

private:
    void setTimes(const voices::VoiceContext& c, float decayGain);
    float pitchFrequency() const;
    void renderOutput(const voices::VoiceContext& c, float osc, float clickLeft, float clickRight);

    bool dropModel_ = false;
    std::int32_t wave_ = 0;
    PitchCurve curve_;
    float phaseScale_ = 0.0f;
    std::uint32_t phase_ = 0;
    std::uint32_t phaseInc_ = 0;
    float logStart_ = 0.0f;
    float logEnd_ = 0.0f;
    float logSpan_ = 0.0f;
    float baseFreq_ = 10.0f;
    float dropOctaves_ = 0.0f;
    float kravoCurveK_ = 0.5f;
    float kravoOctaves_ = 0.0f;

    dsp::HoldDecayEnvelope ampEnv_;
    dsp::DecayEnvelope pitchEnv_;
    dsp::DecayEnvelope kravoEnv_;
    Click click_;
};

} // namespace drums
