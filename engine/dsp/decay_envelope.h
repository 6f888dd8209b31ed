#pragma once

#include "engine/dsp/envelope_generator.h"

namespace dsp {

// One falling stage from full level. Each owner uses one mode: stepped with
// processLinear and read with level, or stepped with processCurved and read
// with output.
class DecayEnvelope {
public:
    void init(float sampleRate);
    void reset();
    void trigger();
    void kill() { killing_ = true; }

    void setGain(float gain) { gain_ = gain; }
    void setTimeScale(float longestMs);
    void setDecayMinimum(float minimum) { decayMinimum_ = minimum; }
    void setDecay(float value, float mod, float factor);
    void setCurve(float x, float range);

    // Once per 16-sample block, after the rate.
    void processLinear();
    void processCurved();
    void step()
    {
        levelTrack_.step();
        outTrack_.step();
    }
    void step4()
    {
        levelTrack_.step4();
        outTrack_.step4();
    }

    float level() const { return levelTrack_.run; }
    float output() const { return outTrack_.run; }
    bool isActive() const { return active_; }

private:
    // Applies the kill or the decay of one block to the working level.
    void fall();

    float sampleRate_ = 44100.0f;
    float decayRate_ = 0.0f;
    float exponent_ = 1.0f;
    float decayMinimum_ = 0.0f;
    float scale_ = kDefaultEnvelopeTimeScale;
    float gain_ = 1.0f;
    float level_ = 1.0f;
    EnvelopeTrack levelTrack_{1.0f, 1.0f, 1.0f, 0.0f, 0.0f};
    EnvelopeTrack outTrack_{1.0f, 1.0f, 1.0f, 0.0f, 0.0f};
    bool active_ = false;
    bool killing_ = false;
};

} // namespace dsp
