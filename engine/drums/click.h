#pragma once

#include "engine/drums/noise_channel.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/filters/voice_filter.h"
#include "engine/voices/voice_context.h"

#include <cstdint>

namespace drums {

// The click at the attack of a drum: a sine tone and two noises (white, and
// the engine's pink noise table) through the voice's click filter, mono or
// spread in stereo, with its own decay and a pitch that glides as it decays.
class Click {
public:
    // The longest click decay, in ms.
    void setup(float sampleRate, float timeScaleMs);

    // "Click Mix" runs tone -> noise A -> noise B over its travel; the click
    // goes stereo when it is on and its "Click Offset" is audible.
    void start(bool on, float mix, float offset, float spread, float dropOctaves);
    // A click that is on and in two channels whatever its offset.
    void startStereo(float mix, float offset, float spread, float dropOctaves)
    {
        start(true, mix, offset, spread, dropOctaves);
        channel_.startStereo(offset, spread);
    }
    // For voices whose glide follows "Click Freq Drop" during the note.
    void setDropOctaves(float octaves) { dropOctaves_ = octaves; }

    bool isOn() const { return on_; }
    const NoiseChannel& channel() const { return channel_; }

    // Every 64 samples.
    void setTimes(float decay, float decayGain, float decayFactor, float pitchSpeedFactor, float volume, float q);
    // Every 16 samples: the tone's step per unit of glide and the filter's frequency.
    void setPitch(float phaseScale, float filterFrequency)
    {
        phaseScale_ = phaseScale;
        filterFrequency_ = filterFrequency;
    }
    void processBlock()
    {
        if (!on_)
            return;
        ampEnv_.processCurved();
        pitchEnv_.processCurved();
    }
    void step()
    {
        if (on_)
            ampEnv_.step();
    }
    bool isSounding() const { return on_ && ampEnv_.isActive(); }
    void kill() { ampEnv_.kill(); }

    // One sample of the click into left (and right when stereo).
    void render(const voices::VoiceContext& c, dsp::VoiceFilter& filter, bool pitchTick, float& left, float& right);

private:
    bool on_ = false;
    bool noiseAOn_ = false;
    bool noiseBOn_ = false;
    float toneMix_ = 1.0f;
    float noiseAMix_ = 0.0f;
    float noiseBMix_ = 0.0f;
    float gain_ = 0.0f;
    float q_ = 0.0f;
    float dropOctaves_ = 0.0f;
    float phaseScale_ = 0.0f;
    float filterFrequency_ = 0.0f;
    std::uint32_t phase_ = 0;
    std::uint32_t phaseInc_ = 0;
    NoiseChannel channel_;
    dsp::DecayEnvelope ampEnv_;
    dsp::DecayEnvelope pitchEnv_;
};

} // namespace drums
