#include "engine/dsp/hold_decay_envelope.h"

#include <cmath>

namespace dsp {

void HoldDecayEnvelope::init(float sampleRate)
{
    *this = HoldDecayEnvelope{};
    core_.sampleRate = sampleRate;
}

void HoldDecayEnvelope::reset()
{
    core_.rest();
    holdCounter_ = 0.0f;
    stage_ = kHold;
}

void HoldDecayEnvelope::trigger()
{
    reset();
    core_.start();
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
    holdRate_ = core_.rate(clamp01(value + mod), holdScale_, factor);
}

void HoldDecayEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = core_.rate(clampDecayValue(value + mod, decayMinimum_), decayScale_, factor);
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
    core_.beginBlock();
    if (!core_.fadeKilled() && core_.active) {
        if (stage_ == kHold) {
            core_.level = 1.0f;
            holdCounter_ += holdRate_;
            if (holdCounter_ >= 1.0f)
                stage_ = kDecay;
        } else {
            core_.fall(decayRate_);
        }
    }
    core_.endBlock(std::pow(core_.level, exponent_));
    if (stage_ == kDecay && core_.levelTrack.restsAtZero())
        core_.active = false;
}

} // namespace dsp
