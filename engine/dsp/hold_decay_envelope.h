#pragma once

#include "engine/dsp/envelope_generator.h"

namespace dsp {

// Holds full level for the hold time, then falls along its curve to silence.
class HoldDecayEnvelope {
public:
    void init(float sampleRate);
    void reset();
    void trigger();
    void kill() { core_.killing = true; }

    void setGain(float gain) { core_.gain = gain; }
    void setHoldTimeScale(float longestMs);
    void setDecayTimeScale(float longestMs);
    void setDecayMinimum(float minimum) { decayMinimum_ = minimum; }
    void setHold(float value, float mod, float factor);
    void setDecay(float value, float mod, float factor);
    void setCurve(float x, float range);
    void setCurveExponent(float e);

    // Once per 16-sample block, after the rates.
    void process();
    void step() { core_.step(); }
    void step4() { core_.step4(); }

    float level() const { return core_.levelTrack.run; }
    float output() const { return core_.outTrack.run; }
    bool isActive() const { return core_.active; }

private:
    enum Stage { kHold, kDecay };

    float holdRate_ = 1.0f;
    float decayRate_ = 0.0f;
    float exponent_ = 1.0f;
    float decayMinimum_ = 0.0f;
    float holdScale_ = kDefaultEnvelopeTimeScale;
    float decayScale_ = kDefaultEnvelopeTimeScale;
    float holdCounter_ = 0.0f;
    EnvelopeCore core_{1.0f};
    Stage stage_ = kHold;
};

} // namespace dsp
