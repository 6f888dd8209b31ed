#pragma once

#include "engine/dsp/envelope_generator.h"

namespace dsp {

// Falls from full level to 0, then optionally rises back to full level: the
// drop-and-return of a noise filter's cutoff. It stays linear, so its output
// is its level and only the level track moves.
class DecayRiseEnvelope {
public:
    void init(float sampleRate);
    void reset();
    void trigger();
    void kill() { core_.killing = true; }

    void setGain(float gain) { core_.gain = gain; }
    void setDecayTimeScale(float longestMs);
    void setRiseTimeScale(float longestMs);
    void setDecayMinimum(float minimum) { decayMinimum_ = minimum; }
    void setDecay(float value, float mod, float factor);
    // A rise value below 0.001 means no rise: the envelope ends at 0.
    void setRise(float value, float mod, float factor);
    // The voices were voiced with a straight fall and rise; the curve is
    // accepted from their setups but deliberately left linear.
    void setCurve(float, float) {}

    // Once per 16-sample block, after the rates.
    void process();
    void step() { core_.levelTrack.step(); }
    void step4() { core_.levelTrack.step4(); }

    float level() const { return core_.levelTrack.run; }
    float output() const { return core_.levelTrack.run; }
    bool isActive() const { return core_.active; }

private:
    enum Stage { kDecay, kRise };

    float decayRate_ = 0.0f;
    float riseRate_ = 0.0f;
    float decayScale_ = kDefaultEnvelopeTimeScale;
    float riseScale_ = kDefaultEnvelopeTimeScale;
    float decayMinimum_ = 0.0f;
    EnvelopeCore core_{1.0f};
    Stage stage_ = kDecay;
};

} // namespace dsp
