#pragma once

#include "engine/dsp/envelope_generator.h"

namespace dsp {

// Falls from full level to 0, then optionally rises back to full level: the
// drop-and-return of a noise filter's cutoff. It stays linear, so its output
// equals its level.
class DecayRiseEnvelope {
public:
    void init(float sampleRate);
    void reset();
    void trigger();
    void kill() { killing_ = true; }

    void setGain(float gain) { gain_ = gain; }
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
    void step() { track_.step(); }
    void step4() { track_.step4(); }

    float level() const { return track_.run; }
    float output() const { return track_.run; }
    bool isActive() const { return active_; }

private:
    enum Stage { kDecay, kRise };

    static constexpr float kNoRise = 0.001f;

    float sampleRate_ = 44100.0f;
    float decayRate_ = 0.0f;
    float riseRate_ = 0.0f;
    float gain_ = 1.0f;
    float decayScale_ = kDefaultEnvelopeTimeScale;
    float riseScale_ = kDefaultEnvelopeTimeScale;
    float decayMinimum_ = 0.0f;
    float level_ = 1.0f;
    EnvelopeTrack track_{1.0f, 1.0f, 1.0f, 0.0f, 0.0f};
    Stage stage_ = kDecay;
    bool active_ = false;
    bool killing_ = false;
};

} // namespace dsp
