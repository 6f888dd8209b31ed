#pragma once

#include "engine/distortion/voice_distortion.h"
#include "engine/voices/voice_output.h"

#include <algorithm>
#include <cstdint>

// What every synthesised drum voice record starts with: its note, model,
// output levels, distortion stage and fade-in.
struct SynthVoice {
    bool playing = false;
    std::uint32_t counter = 0; // samples since the note-on
    std::int32_t model = 0;
    float velocity = 0.0f;
    float velocityFactor = 1.0f;
    voices::VoiceOutputLevels out;
    dsp::VoiceDistortion distortion;
    float fade = 1.0f;
    float fadeInc = 0.0f;

    // The fade-in level of the next sample.
    float nextFade()
    {
        fade = std::clamp(fade + fadeInc, 0.0f, 1.0f);
        return fade;
    }
};

// The kind parameters the shared opening of a note-on reads.
struct SynthVoiceParameters {
    int velocityToVolume;
    int model;
    int attack;
    int distortionType;
    int modelCount;
};

// The rates at which a synthesised voice renews its state, as masks on its
// own sample counter: output levels and envelope blocks every 16 samples,
// envelope times and gains every 64, pitch and filter every 4.
namespace voicetick {
inline constexpr std::uint32_t kControlMask = 0xF;
inline constexpr std::uint32_t kCoefficientMask = 0x3F;
inline constexpr std::uint32_t kPitchMask = 0x3;
} // namespace voicetick
