#pragma once

#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/decay_rise_envelope.h"
#include "engine/voices/synth_voice.h"
#include "plugin/parameters/drum_kind_parameters.h"

#include <cstdint>

namespace drums {

// One voice of a hi-hat slot: a metallic tone (a sine carrier whose phase or
// amplitude two slightly detuned sine modulators move) through the tone
// filter, and white noise through the noise filter, each filter with a
// fall-and-rise sweep. Model 0 sounds the noise, 1 the tone, 2 both; models
// from 3 on are built-in samples. Closed and open hats play alike and differ
// only in the parameters they read, which `Kind` names.
template <kravo::param::DrumKind Kind>
class HiHatVoice : public voices::SynthVoice {
public:
    static constexpr int kModelCount = 25;
    static constexpr int kInstances = 2; // the kind's slots
    static constexpr int kFirstSampleModel = 3;
    static int sampleOfModel(int model) { return model - kFirstSampleModel + kFirstHatSample; }
    static voices::SynthVoiceParameters parameters(int instance);

    void setup(float sampleRate, const float* sineTable, const float* cosineTable);
    void noteOn(const voices::VoiceContext& c);
    // A stolen voice fades fast.
    void kill();
    // One sample; the voice stops once the paths its model sounds have died away.
    void render(const voices::VoiceContext& c);

private:
    static constexpr int kFirstHatSample = 89; // closed and open hats share the hat samples

    static int index(int j, int instance) { return kravo::param::kindParameterIndex(Kind, j, instance); }
    void setBlock(const voices::VoiceContext& c);
    void setTimes(const voices::VoiceContext& c);
    float renderTone(const voices::VoiceContext& c, bool pitchTick);
    float renderNoise(const voices::VoiceContext& c, bool pitchTick);

    bool hasTone_ = false;
    bool hasNoise_ = false;
    bool ringMode_ = false;
    float decayScale_ = 1.0f;

    float pitchRandom_ = 1.0f;
    float carrierFreqOffset_ = 0.0f;
    std::uint32_t carrierPhase_ = 0;
    std::uint32_t carrierPhaseInc_ = 0;
    float toneGain_ = 0.0f;
    float toneFilterValue_ = 0.0f;
    float toneFilterDrop_ = 0.0f;
    float toneFilterQ_ = 0.0f;

    float modFreqOffset_ = 0.0f;
    float modDropOctaves_ = 0.0f;
    float fmDepth_ = 0.0f;
    float ringAmount_ = 0.0f;
    float mod1Scale_ = 0.0f;
    std::uint32_t mod1Phase_ = 0;
    std::uint32_t mod1Inc_ = 0;
    float mod2Scale_ = 0.0f;
    std::uint32_t mod2Phase_ = 0;
    std::uint32_t mod2Inc_ = 0;

    float noiseGain_ = 0.0f;
    float noiseFilterOffset_ = 0.0f;
    float noiseFilterValue_ = 0.0f;
    float noiseFilterDrop_ = 0.0f;
    float noiseFilterQ_ = 0.0f;
    float filterPitch_ = 1.0f;

    dsp::DecayEnvelope toneAmpEnv_;
    dsp::DecayEnvelope modPitchEnv_;
    dsp::DecayRiseEnvelope toneFilterEnv_;
    dsp::DecayEnvelope noiseAmpEnv_;
    dsp::DecayRiseEnvelope noiseFilterEnv_;
};

using ClosedHatVoice = HiHatVoice<kravo::param::DrumKind::ClosedHiHat>;
using OpenHatVoice = HiHatVoice<kravo::param::DrumKind::OpenHiHat>;

extern template class HiHatVoice<kravo::param::DrumKind::ClosedHiHat>;
extern template class HiHatVoice<kravo::param::DrumKind::OpenHiHat>;

} // namespace drums
