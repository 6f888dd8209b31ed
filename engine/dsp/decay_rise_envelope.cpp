#include "engine/dsp/decay_rise_envelope.h"

namespace dsp {

void DecayRiseEnvelope::init(float sampleRate)
{
    // The rise rate belongs to the owner, which may set it before or after init.
    const float riseRate = riseRate_;
    *this = DecayRiseEnvelope{};
    riseRate_ = riseRate;
    sampleRate_ = sampleRate;
}

void DecayRiseEnvelope::reset()
{
    level_ = 1.0f;
    track_.hold(1.0f);
    stage_ = kDecay;
    active_ = false;
}

void DecayRiseEnvelope::trigger()
{
    killing_ = false;
    reset();
    active_ = true;
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
    decayRate_ = envelopeRate(clampDecayValue(value + mod, decayMinimum_), decayScale_, sampleRate_, gain_, factor);
}

void DecayRiseEnvelope::setRise(float value, float mod, float factor)
{
    const float x = clamp01(value + mod);
    riseRate_ = x < kNoRise ? 0.0f : envelopeRate(x, riseScale_, sampleRate_, gain_, factor);
}

void DecayRiseEnvelope::process()
{
    track_.beginBlock();

    if (killing_) {
        if (killStep(level_)) {
            killing_ = false;
            active_ = false;
        }
    } else if (active_) {
        if (stage_ == kDecay) {
            level_ -= decayRate_;
            if (level_ < 0.0f) {
                level_ = 0.0f;
                stage_ = kRise;
                if (riseRate_ == 0.0f)
                    active_ = false;
            }
        } else {
            level_ += riseRate_;
            if (level_ > 1.0f) {
                level_ = 1.0f;
                active_ = false;
            }
        }
    }

    track_.endBlock(level_);
}

} // namespace dsp
