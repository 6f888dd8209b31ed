#pragma once

#include "engine/drums/click.h"
#include "engine/drums/pitch_curve.h"
#include "engine/dsp/ahd_envelope.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/decay_rise_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"
#include "engine/dsp/lfo.h"
#include "engine/voices/synth_voice.h"
#include "plugin/parameters/user_parameters.h"

#include <cstdint>

namespace drums {

// One voice of a user slot ("User 1" .. "User 6"). Its twelve synthesised
// models fall into four kinds: ring-modulated filtered noise (models 0, 1, 4
// and 5), an FM or ring-modulated tone (2 and 3), tone and noise in the manner
// of a hi-hat (6..8) and a bass-drum-like body with a stereo click (9..11);
// models from 12 on are built-in samples. Every kind pans along a sweep from
// "Stereo Start" to "Stereo End".
class UserVoice : public voices::SynthVoice {
public:
    static constexpr int kModelCount = 140;
    static constexpr int kInstances = 6; // the user slots, counted across slots 10..15
    static constexpr int kFirstSampleModel = 12;
    static int sampleOfModel(int model) { return model - kFirstSampleModel + kFirstUserSample; }
    static voices::SynthVoiceParameters parameters(int instance);

    // A filter LFO's rate from the user's speed and sync, the host tempo and
    // the slot's LFO speed modulation; the engine runs the user's shared LFO by it too.
    // Inline: the engine asks for it every sample for each sounding user slot.
    static dsp::LfoRate filterLfoRate(const voices::VoiceContext& c)
    {
        namespace us = kravo::param::user;
        auto p = [&](int j) { return c.params[us::index(j, c.instance)]; };
        return {p(us::kFilterLfoSpeed), p(us::kFilterLfoSync), *c.tempo,
                c.modValue(modulation::voicedest::kLfoSpeed) * c.easy->lfoSpeedFactor};
    }

    void setup(float sampleRate, const float* sineTable, const float* cosineTable);
    // The note-on of the synthesised models, after the shared opening.
    void noteOn(const voices::VoiceContext& c);
    // A stolen voice fades fast: the level envelopes of every kind.
    void kill();
    // One sample; the voice stops once its kind's level envelopes have ended.
    void render(const voices::VoiceContext& c);

private:
    static constexpr int kFirstUserSample = 137;
    // The voice's two model filters.
    static constexpr int kNoiseFilter = 0; // the stereo click filter in kind 3
    static constexpr int kToneFilter = 1;
    // The longest stage of every envelope of the long variants (models 1, 3
    // and 5) and of kind 3's modulator and filter sweeps, in ms.
    static constexpr float kLongTimeScaleMs = 16384.0f;

    enum class ModelKind : std::uint8_t { RingNoise, ModulatedTone, ToneAndNoise, BodyAndClick };

    // Laws the model families share.
    static std::uint32_t filterTypeOf(float value);
    static float fmSpread(float value);
    static float ringSpread(float value);
    static float ringModulatorFrequency(float value);

    // Note-ons of the three model families.
    void setupUserModelA(const voices::VoiceContext& c);
    void setupNoisePathA(const voices::VoiceContext& c);
    void setupUserModelC(const voices::VoiceContext& c);
    void setupUserModelD(const voices::VoiceContext& c);
    void setupBodyD(const voices::VoiceContext& c);
    void stretchEnvelopes();
    void setModulatorPair(float frequency, float spread);

    // What the kinds share at their 16-sample tick and at their pitch tick.
    void startBlock(const voices::VoiceContext& c);
    void updateToneFilterValues(const voices::VoiceContext& c);
    void updateNoiseFilterValues(const voices::VoiceContext& c);
    void setModulationAmount(float amount);
    void updateFilterLfo(const voices::VoiceContext& c);
    void updateUserPan(const voices::VoiceContext& c);
    void glideModulators(float envelopeOutput);
    float modulatedCarrier(const voices::VoiceContext& c, std::int32_t wave);
    void emitPanned(const voices::VoiceContext& c, float left, float right, float fade);

    void renderUserKind0(const voices::VoiceContext& c);
    void setTimesKind0(const voices::VoiceContext& c);
    void renderUserKind1(const voices::VoiceContext& c);
    void setTimesKind1(const voices::VoiceContext& c);
    void renderUserKind2(const voices::VoiceContext& c);
    void setBlockKind2(const voices::VoiceContext& c);
    void setTimesKind2(const voices::VoiceContext& c);
    void tuneKind2(const voices::VoiceContext& c);
    void renderUserKind3(const voices::VoiceContext& c);
    void setBlockKind3(const voices::VoiceContext& c);
    void setTimesKind3(const voices::VoiceContext& c);
    void tuneKind3(const voices::VoiceContext& c);
    void mixClick(const voices::VoiceContext& c, bool pitchTick, float body, float& left, float& right);

    ModelKind kind_ = ModelKind::RingNoise;
    bool modEnvOn_ = false; // the modulators glide (models 2 and 3)
    bool ringOn_ = false;   // the modulators ring the noise (4, 5) or the body (10)
    bool lfoOn_ = false;    // the filter LFO moves the filter (0..3)
    bool noiseOn_ = false;  // kind 2's two halves (6 and 8, 7 and 8)
    bool toneOn_ = false;
    bool ringMode_ = false; // "FM / Ring" on ring
    bool lfoPerVoice_ = false;
    bool curveModeFlag_ = false; // kind 3's "Osc Freq Curve Mode"
    std::int32_t carrierWave_ = 0;
    std::int32_t ringWave_ = 0;
    std::int32_t bodyWave_ = 0;

    float decayGain_ = 1.0f; // the slot's decay modulation times the note's decay factor
    float decayScale_ = 1.0f;
    float extraDecay_ = 1.0f;
    float filterOffset_ = 0.0f;
    float filterLfo_ = 0.0f;
    float panLeft_ = 1.0f;
    float panRight_ = 1.0f;
    float sweepOffset_ = 0.5f;
    float sweepDepth_ = 0.0f;
    float sweepPos_ = 0.0f;
    float sweepRate_ = 0.0f;

    float phaseScale_ = 0.0f;
    float pitchMod_ = 1.0f;
    float toneGain_ = 0.0f;
    float carrierFreqOffset_ = 0.0f;
    float carrierFreq_ = 0.0f;
    std::uint32_t carrierPhaseInc_ = 0;
    std::uint32_t carrierPhase_ = 0;
    float fmDepth_ = 0.0f;
    float ringAmount_ = 0.0f;
    float modDropOctaves_ = 0.0f;
    float mod1Ratio_ = 0.0f;
    float mod2Ratio_ = 0.0f;
    float mod1Scale_ = 0.0f;
    float mod2Scale_ = 0.0f;
    std::uint32_t mod1Inc_ = 0;
    std::uint32_t mod2Inc_ = 0;
    std::uint32_t mod1Phase_ = 0;
    std::uint32_t mod2Phase_ = 0;
    float toneFilterValue_ = 0.0f;
    float toneFilterDrop_ = 0.0f;
    float toneFilterQ_ = 0.0f;

    float noiseGain_ = 0.0f;
    float noiseAMix_ = 1.0f; // white noise
    float noiseBMix_ = 0.0f; // the engine's noise table
    float filterValue_ = 0.0f;
    float filterPitch_ = 1.0f;
    float filterDrop_ = 0.0f;
    float filterNoteOffset_ = 0.0f;
    float filterQ_ = 0.0f;

    // The body of kind 3.
    PitchCurve curve_;
    float kravoCurveK_ = 0.5f;
    float freqStart_ = 0.0f;
    float freqEnd_ = 0.0f;
    float baseFreq_ = 20.0f;
    float dropOctaves_ = 0.0f;
    float kravoOctaves_ = 0.0f;
    std::uint32_t bodyPhase_ = 0;
    std::uint32_t bodyPhaseInc_ = 0;

    // Models 0..5: tone and noise levels with attack, hold and decay.
    dsp::AhdEnvelope toneAmpEnv_;
    dsp::AhdEnvelope noiseAmpEnv_;
    dsp::DecayRiseEnvelope modPitchEnv_;
    dsp::DecayRiseEnvelope toneFilterEnv_;
    dsp::DecayRiseEnvelope noiseFilterEnv_;
    // Models 6..8: single falling stages, as a hi-hat's.
    dsp::DecayEnvelope toneDecayEnv_;
    dsp::DecayEnvelope noiseDecayEnv_;
    dsp::DecayEnvelope modPitchDecayEnv_;
    // Models 9..11.
    dsp::HoldDecayEnvelope ampEnv_;
    dsp::DecayEnvelope pitchEnv_;
    dsp::DecayEnvelope kravoEnv_;
    Click click_;
    dsp::Lfo lfo_; // the filter LFO when "Filter LFO Mode" gives each voice its own
};

} // namespace drums
