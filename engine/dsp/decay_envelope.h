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
    void kill() { core_.killing = true; }

    void setGain(float gain) { core_.gain = gain; }
    void setTimeScale(float longestMs);
    void setDecayMinimum(float minimum) { decayMinimum_ = minimum; }
    void setDecay(float value, float mod, float factor);
    void setCurve(float x, float range);

    // Once per 16-sample block, after the rate.
    void processLinear();
    void processCurved();
    void step() { core_.step(); }
    void step4() { core_.step4(); }

    float level() const { return core_.levelTrack.run; }
    float output() const { return core_.outTrack.run; }
    bool isActive() const { return core_.active; }

private:
    // Applies the kill or the decay of one block to the working level.
    void moveLevel();

    float decayRate_ = 0.0f;
    float exponent_ = 1.0f;
    float decayMinimum_ = 0.0f;
    float scale_ = kDefaultEnvelopeTimeScale;
    EnvelopeCore core_{1.0f};
};

} // namespace dsp
