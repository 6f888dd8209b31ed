#pragma once

#include "engine/dsp/ad_envelope.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/decay_rise_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"
#include "engine/dsp/one_pole_filter.h"
#include "engine/voices/synth_voice.h"

#include <cstdint>

// One voice of a snare slot: a high-passed tone with a pitch drop, white noise
// through the voice's noise filter (mono or spread in stereo) and, in the
// second model, a sine click.
struct SnareVoice : SynthVoice {
    bool curveMode = false;
    bool clickOn = false;
    bool stereoNoise = false;
    std::int32_t wave = 0;
    float velFilterOffset = 0.0f;
    float noiseGain = 0.0f;
    float phaseScale = 0.0f;
    float toneGain = 0.0f;
    std::uint32_t phase = 0;
    std::uint32_t phaseInc = 0;
    float curveK = 0.5f;
    float curveE = 1.0f;
    float baseFreq = 25.0f;
    float dropOctaves = 0.0f;
    float clickGain = 0.0f;
    float clickDropOctaves = 0.0f;
    std::uint32_t clickPhase = 0;
    std::uint32_t clickPhaseInc = 0;
    float clickFreq = 0.0f;
    float clickPhaseScale = 0.0f;
    float clickVelocity = 0.0f;
    float offsetUp = 1.0f;
    float offsetDown = 1.0f;
    float filterFreqValue = 0.0f;
    float filterDrop = 0.0f;
    float filterQValue = 0.1f;
    float filterPitch = 1.0f;
    float spreadCross = 1.0f;
    float spreadNorm = 0.5f;

    dsp::HoldDecayEnvelope toneAmpEnv;
    dsp::DecayEnvelope pitchEnv;
    dsp::AdEnvelope noiseAmpEnv;
    dsp::DecayRiseEnvelope noiseFilterEnv;
    dsp::DecayEnvelope clickAmpEnv;
    dsp::DecayEnvelope clickPitchEnv;
    dsp::OnePoleFilter toneHighPass;
};
