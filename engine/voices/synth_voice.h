#pragma once

#include "engine/distortion/voice_distortion.h"
#include "engine/voices/voice_context.h"
#include "engine/voices/voice_output.h"

#include <algorithm>
#include <cstdint>

// The rates at which a synthesised voice renews its state, as masks on its
// own sample counter: output levels and envelope blocks every 16 samples,
// envelope times and gains every 64, pitch and filter every 4.
namespace voicetick {
inline constexpr std::uint32_t kControlMask = 0xF;
inline constexpr std::uint32_t kCoefficientMask = 0x3F;
inline constexpr std::uint32_t kPitchMask = 0x3;
} // namespace voicetick

namespace voices {

// The fade-in at the start of a note ("Attack").
struct AttackRamp {
    float level = 1.0f;
    float increment = 0.0f;

    void start(FadeIn fadeIn)
    {
        level = fadeIn.start;
        increment = fadeIn.increment;
    }

    float next()
    {
        level = std::clamp(level + increment, 0.0f, 1.0f);
        return level;
    }
};

// The parameters of a kind that the shared opening of a note-on reads; a
// kind without an "Attack" starts every note at full level.
inline constexpr int kNoAttack = -1;
struct SynthVoiceParameters {
    int velocityToVolume;
    int model;
    int attack;
    int distortionType;
    int modelCount;
};

// What every synthesised drum voice starts with: its note, model, output
// levels, distortion stage and fade-in, and the steps of its note-on and of
// its output that every kind shares.
struct SynthVoice {
    bool playing = false;
    std::uint32_t counter = 0; // samples since the note-on
    std::int32_t model = 0;
    float velocity = 0.0f;
    float velocityFactor = 1.0f;
    VoiceOutputLevels out;
    DbGainMemo volumeGain;
    dsp::VoiceDistortion distortion;
    AttackRamp attack;

    // Velocity scaling, model (a value past the kind's list plays its last
    // model), fade-in and distortion kind of a new note.
    void open(const VoiceContext& c, float noteVelocity, const SynthVoiceParameters& kind);

    bool atControlTick() const { return (counter & voicetick::kControlMask) == 0; }
    bool atCoefficientTick() const { return (counter & voicetick::kCoefficientMask) == 0; }
    bool atPitchTick() const { return (counter & voicetick::kPitchMask) == 0; }

    // Output levels follow the mixer and the modulation every 16 samples.
    void updateOutput(const VoiceContext& c)
    {
        if (atControlTick())
            out = c.prepareOutput(velocityFactor, distortion, volumeGain);
    }

    // The sample's last steps: fade-in, gains and balance, the count, the bus.
    void emit(const VoiceContext& c, float left, float right)
    {
        const float fade = attack.next();
        ++counter;
        c.route(out.left * left * fade, out.right * right * fade);
    }

    void stop() { playing = false; }
};

} // namespace voices
