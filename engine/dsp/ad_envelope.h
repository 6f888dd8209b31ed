#pragma once

#include "engine/dsp/envelope_generator.h"

namespace dsp {

// Linear attack to full level, then a curved decay to silence.
class AdEnvelope {
public:
    void init(float sampleRate);
    void reset();
    void trigger();
    void kill() { killing_ = true; }

    void setGain(float gain) { gain_ = gain; }
    void setAttackTimeScale(float longestMs);
    void setDecayTimeScale(float longestMs);
    void setAttack(float value, float mod, float factor);
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
    enum Stage { kAttack, kDecay };

    float sampleRate_ = 44100.0f;
    float attackRate_ = 1.0f;
    float decayRate_ = 0.0f;
    float exponent_ = 1.0f;
    float gain_ = 1.0f;
    float attackScale_ = kDefaultEnvelopeTimeScale;
    float decayScale_ = kDefaultEnvelopeTimeScale;
    float level_ = 0.0f;
    EnvelopeTrack levelTrack_;
    EnvelopeTrack outTrack_;
    Stage stage_ = kAttack;
    bool active_ = false;
    bool killing_ = false;
};

} // namespace dsp
