#include "engine/dsp/ad_envelope.h"

#include <cmath>

namespace dsp {

void AdEnvelope::init(float sampleRate)
{
    // The gain belongs to the owner, which may set it before or after init.
    const float gain = gain_;
    *this = AdEnvelope{};
    gain_ = gain;
    sampleRate_ = sampleRate;
}

void AdEnvelope::reset()
{
    level_ = 0.0f;
    levelTrack_.hold(0.0f);
    outTrack_.hold(0.0f);
    stage_ = kAttack;
    active_ = false;
}

void AdEnvelope::trigger()
{
    killing_ = false;
    reset();
    active_ = true;
}

void AdEnvelope::setAttackTimeScale(float longestMs)
{
    attackScale_ = envelopeTimeScale(longestMs);
}

void AdEnvelope::setDecayTimeScale(float longestMs)
{
    decayScale_ = envelopeTimeScale(longestMs);
}

void AdEnvelope::setAttack(float value, float mod, float factor)
{
    attackRate_ = envelopeRate(clamp01(value + mod), attackScale_, sampleRate_, gain_, factor);
}

void AdEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = envelopeRate(clamp01(value + mod), decayScale_, sampleRate_, gain_, factor);
}

void AdEnvelope::setCurve(float x, float range)
{
    exponent_ = curveExponent(x, range);
}

void AdEnvelope::setCurveExponent(float e)
{
    exponent_ = std::exp2(e);
}

void AdEnvelope::process()
{
    levelTrack_.beginBlock();
    outTrack_.beginBlock();

    if (killing_) {
        if (killStep(level_)) {
            killing_ = false;
            active_ = false;
        }
    } else if (active_) {
        if (stage_ == kAttack) {
            level_ += attackRate_;
            if (level_ >= 1.0f) {
                level_ = 1.0f;
                stage_ = kDecay;
            }
        } else {
            level_ -= decayRate_;
            if (level_ < 0.0f)
                level_ = 0.0f;
        }
    }

    levelTrack_.endBlock(level_);
    // The attack stays linear so a short attack keeps its click.
    outTrack_.endBlock(stage_ == kAttack ? level_ : std::pow(level_, exponent_));

    if (stage_ == kDecay && levelTrack_.end == 0.0f && levelTrack_.start == 0.0f)
        active_ = false;
}

} // namespace dsp
