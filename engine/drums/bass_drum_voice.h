#pragma once

#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"
#include "engine/voices/synth_voice.h"

#include <cstdint>

// One voice of a bass drum slot: the oscillator with its sweep or drop, the
// second ("Kravo") pitch envelope, the click (tone and two noises through the
// voice's click filter), the distortion stage and the fade-in.
struct BassDrumVoice : SynthVoice {
    bool curveMode = false;
    bool clickOn = false;
    bool noiseAOn = false;
    bool noiseBOn = false;
    bool dropModel = false;
    bool stereoClick = false;
    std::int32_t wave = 0;
    float phaseScale = 0.0f;
    std::uint32_t phase = 0;
    std::uint32_t phaseInc = 0;
    float logStart = 0.0f;
    float logEnd = 0.0f;
    float logSpan = 0.0f;
    float baseFreq = 10.0f;
    float dropOctaves = 0.0f;
    float curveK = 0.5f;
    float curveE = 1.0f;
    float kravoCurveK = 0.5f;
    float kravoOctaves = 0.0f;
    float clickGain = 0.0f;
    float clickDropOctaves = 0.0f;
    std::uint32_t clickPhase = 0;
    std::uint32_t clickPhaseInc = 0;
    float clickPhaseScale = 0.0f;
    float clickFilterFreq = 0.0f;
    float clickQ = 0.0f;
    float offsetUp = 1.0f;
    float offsetDown = 1.0f;
    float spreadCross = 1.0f;
    float spreadNorm = 0.5f;
    float toneMix = 1.0f;
    float noiseAMix = 0.0f;
    float noiseBMix = 0.0f;

    dsp::HoldDecayEnvelope ampEnv;
    dsp::DecayEnvelope pitchEnv;
    dsp::DecayEnvelope kravoEnv;
    dsp::DecayEnvelope clickAmpEnv;
    dsp::DecayEnvelope clickPitchEnv;
};
