#include "engine/dsp/decay_rise_envelope.h"

namespace dsp {

void DecayRiseEnvelope::init(float sampleRate)
{
    // The rise rate belongs to the owner, which may set it before or after init.
    const float riseRate = riseRate_;
    *this = DecayRiseEnvelope{};
    riseRate_ = riseRate;
    core_.sampleRate = sampleRate;
}

void DecayRiseEnvelope::reset()
{
    core_.rest();
    stage_ = kDecay;
}

void DecayRiseEnvelope::trigger()
{
    reset();
    core_.start();
}

void DecayRiseEnvelope::setDecayTimeScale(float longestMs)
{
    decayScale_ = envelopeTimeScale(longestMs);
}

void DecayRiseEnvelope::setRiseTimeScale(float longestMs)
{
    riseScale_ = envelopeTimeScale(longestMs);
}

void DecayRiseEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = core_.rate(clampDecayValue(value + mod, decayMinimum_), decayScale_, factor);
}

void DecayRiseEnvelope::setRise(float value, float mod, float factor)
{
    const float x = clamp01(value + mod);
    riseRate_ = x < kNoRampValue ? 0.0f : core_.rate(x, riseScale_, factor);
}

void DecayRiseEnvelope::process()
{
    core_.levelTrack.beginBlock();
    if (!core_.fadeKilled() && core_.active) {
        if (stage_ == kDecay) {
            if (core_.fall(decayRate_)) {
                stage_ = kRise;
                if (riseRate_ == 0.0f)
                    core_.active = false;
            }
        } else {
            // The rise ends once it has passed full level, not on reaching it.
            core_.level += riseRate_;
            if (core_.level > 1.0f) {
                core_.level = 1.0f;
                core_.active = false;
            }
        }
    }
    core_.levelTrack.endBlock(core_.level);
}

} // namespace dsp
