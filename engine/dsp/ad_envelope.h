#pragma once

#include "engine/dsp/envelope_generator.h"

namespace dsp {

// Linear attack to full level, then a curved decay to silence.
class AdEnvelope {
public:
    void init(float sampleRate);
    void reset();
    void trigger();
    void kill() { core_.killing = true; }

    void setGain(float gain) { core_.gain = gain; }
    void setAttackTimeScale(float longestMs);
    void setDecayTimeScale(float longestMs);
    void setAttack(float value, float mod, float factor);
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
    enum Stage { kAttack, kDecay };

    float attackRate_ = 1.0f;
    float decayRate_ = 0.0f;
    float exponent_ = 1.0f;
    float attackScale_ = kDefaultEnvelopeTimeScale;
    float decayScale_ = kDefaultEnvelopeTimeScale;
    EnvelopeCore core_{0.0f};
    Stage stage_ = kAttack;
};

} // namespace dsp
