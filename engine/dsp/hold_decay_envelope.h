#pragma once

#include "engine/dsp/envelope_generator.h"

namespace dsp {

// Holds full level for the hold time, then falls along its curve to silence.
class HoldDecayEnvelope {
public:
    void init(float sampleRate);
    void reset();
    void trigger();
    void kill() { killing_ = true; }

    void setGain(float gain) { gain_ = gain; }
    void setHoldTimeScale(float longestMs);
    void setDecayTimeScale(float longestMs);
    void setDecayMinimum(float minimum) { decayMinimum_ = minimum; }
    void setHold(float value, float mod, float factor);
    void setDecay(float value, float mod, float factor);
    void setCurve(float x, float range);
    void setCurveExponent(float e);

    // Once per 16-sample block, after the rates.
    void process();
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
    enum Stage { kHold, kDecay };

    float sampleRate_ = 44100.0f;
    float holdRate_ = 1.0f;
    float decayRate_ = 0.0f;
    float exponent_ = 1.0f;
    float decayMinimum_ = 0.0f;
    float gain_ = 1.0f;
    float holdScale_ = kDefaultEnvelopeTimeScale;
    float decayScale_ = kDefaultEnvelopeTimeScale;
    float level_ = 1.0f;
    float holdCounter_ = 0.0f;
    EnvelopeTrack levelTrack_{1.0f, 1.0f, 1.0f, 0.0f, 0.0f};
    EnvelopeTrack outTrack_{1.0f, 1.0f, 1.0f, 0.0f, 0.0f};
    Stage stage_ = kHold;
    bool active_ = false;
    bool killing_ = false;
};

} // namespace dsp
