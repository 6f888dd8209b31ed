#include "engine/dsp/hold_decay_envelope.h"

#include <cmath>

namespace dsp {

void HoldDecayEnvelope::init(float sampleRate)
{
    *this = HoldDecayEnvelope{};
    sampleRate_ = sampleRate;
}

void HoldDecayEnvelope::reset()
{
    level_ = 1.0f;
    holdCounter_ = 0.0f;
    levelTrack_.hold(1.0f);
    outTrack_.hold(1.0f);
    stage_ = kHold;
    active_ = false;
}

void HoldDecayEnvelope::trigger()
{
    killing_ = false;
    reset();
    active_ = true;
}

void HoldDecayEnvelope::setHoldTimeScale(float longestMs)
{
    holdScale_ = envelopeTimeScale(longestMs);
}

void HoldDecayEnvelope::setDecayTimeScale(float longestMs)
{
    decayScale_ = envelopeTimeScale(longestMs);
}

void HoldDecayEnvelope::setHold(float value, float mod, float factor)
{
    holdRate_ = envelopeRate(clamp01(value + mod), holdScale_, sampleRate_, gain_, factor);
}

void HoldDecayEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = envelopeRate(clampDecayValue(value + mod, decayMinimum_), decayScale_, sampleRate_, gain_, factor);
}

void HoldDecayEnvelope::setCurve(float x, float range)
{
    exponent_ = curveExponent(x, range);
}

void HoldDecayEnvelope::setCurveExponent(float e)
{
    exponent_ = std::exp2(e);
}

void HoldDecayEnvelope::process()
{
    levelTrack_.beginBlock();
    outTrack_.beginBlock();

    if (killing_) {
        if (killStep(level_)) {
            killing_ = false;
            active_ = false;
        }
    } else if (active_) {
        if (stage_ == kHold) {
            level_ = 1.0f;
            holdCounter_ += holdRate_;
            if (holdCounter_ >= 1.0f)
                stage_ = kDecay;
        } else {
            level_ -= decayRate_;
            if (level_ < 0.0f)
                level_ = 0.0f;
        }
    }

    levelTrack_.endBlock(level_);
    outTrack_.endBlock(std::pow(level_, exponent_));

    if (stage_ == kDecay && levelTrack_.end == 0.0f && levelTrack_.start == 0.0f)
        active_ = false;
}

} // namespace dsp
