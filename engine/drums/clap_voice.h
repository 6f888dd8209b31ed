#pragma once

#include "engine/drums/noise_channel.h"
#include "engine/dsp/hold_decay_envelope.h"
#include "engine/voices/synth_voice.h"

#include <cstdint>

namespace drums {

// One voice of a clap slot: a burst of short noise hits and one longer final
// hit, all through one stereo noise filter. Each side runs its own burst (its
// own hits, speed and level), which gives the clap its width. Model 0 plays
// both sides alike and sums them, model 1 lets them drift apart, model 2
// humanises every hit; models from 3 on are built-in samples.
class ClapVoice : public voices::SynthVoice {
public:
    static constexpr int kModelCount = 18;
    static constexpr int kInstances = 2; // the kind's slots
    static constexpr int kFirstSampleModel = 3;
    static int sampleOfModel(int model) { return model + kSampleOfModel0; }
    static voices::SynthVoiceParameters parameters(int instance);

    void setup(float sampleRate, const float* sineTable, const float* cosineTable);
    // The note-on of the synthesised models, after the shared opening.
    void noteOn(const voices::VoiceContext& c);
    // A stolen voice fades fast.
    void kill();
    // One sample; the voice stops once both sides have played their final hit.
    void render(const voices::VoiceContext& c);

private:
    static constexpr int kSampleOfModel0 = 119;

    // One channel's burst.
    struct Side {
        dsp::HoldDecayEnvelope envelope;
        std::int32_t hits = 0; // hits the side has finished
        float speed = 1.0f;    // factor on the repeat hits' decay rate
        float level = 1.0f;
    };

    float drawLevel() const;
    void startHit(const voices::VoiceContext& c, float decayGain, float decayFactor, Side& side);
    void tuneFilter(const voices::VoiceContext& c);

    std::int32_t repeats_ = 0;
    NoiseChannel channel_;
    float speedJitter_ = 0.0f; // octaves either way on each repeat hit's speed
    float decayJitter_ = 0.0f; // octaves either way on the final hit's decay
    float levelJitter_ = 0.0f; // the deepest cut of a hit's level
    float filterOffset_ = 0.0f;
    Side left_;
    Side right_;
};

} // namespace drums
