#pragma once

#include "engine/drums/click.h"
#include "engine/drums/pitch_curve.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"
#include "engine/voices/synth_voice.h"

#include <cstdint>

namespace drums {

// One voice of a Tom/User slot in Tom mode: a sine that drops onto its base
// pitch under a hold-then-decay level, through the voice's tone filter, whose
// cutoff falls with a third envelope. Model 1 bends the sine's phase with a
// second, dropping sine (FM) and adds a mono click; models from 2 on are
// built-in samples.
class TomVoice : public voices::SynthVoice {
public:
    static constexpr int kModelCount = 13;
    static constexpr int kInstances = 3; // the kind's slots
    static constexpr int kFirstSampleModel = 2;
    static int sampleOfModel(int model) { return model + kSampleOfModel0; }
    static voices::SynthVoiceParameters parameters(int instance);

    void setup(float sampleRate, const float* sineTable, const float* cosineTable);
    // The note-on of the synthesised models, after the shared opening.
    void noteOn(const voices::VoiceContext& c);
    // A stolen voice fades fast.
    void kill();
    // One sample; the voice stops once its level and click have died away.
    void render(const voices::VoiceContext& c);

private:
    static constexpr int kSampleOfModel0 = 109;

    void setBlock(const voices::VoiceContext& c);
    void setTimes(const voices::VoiceContext& c);
    void retune(const voices::VoiceContext& c);

    bool fmOn_ = false;
    PitchCurve curve_;
    float velocityPitch_ = 1.0f;
    float dropOctaves_ = 0.0f;
    float carrierFreq_ = 25.0f;
    float carrierScale_ = 0.0f;
    std::uint32_t carrierPhase_ = 0;
    std::uint32_t carrierPhaseInc_ = 0;

    float modRatio_ = 10.0f; // the modulator's frequency, in Hz
    float modScale_ = 0.0f;
    float modDropOctaves_ = 0.0f;
    float fmDepth_ = 0.0f; // the carrier's largest phase shift, in phase units
    std::uint32_t modPhase_ = 0;
    std::uint32_t modPhaseInc_ = 0;

    float oscFilterValue_ = 0.0f;
    float oscFilterQ_ = 0.0f;
    float filterDrop_ = 0.0f;

    dsp::HoldDecayEnvelope ampEnv_;
    dsp::DecayEnvelope pitchEnv_;
    dsp::HoldDecayEnvelope modAmpEnv_;
    dsp::DecayEnvelope modPitchEnv_;
    dsp::DecayEnvelope filterEnv_;
    Click click_;
};

} // namespace drums
