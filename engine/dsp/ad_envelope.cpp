#include "engine/dsp/ad_envelope.h"

#include <cmath>

namespace dsp {

void AdEnvelope::init(float sampleRate)
{
    // The gain belongs to the owner, which may set it before or after init.
    const float gain = core_.gain;
    *this = AdEnvelope{};
    core_.gain = gain;
    core_.sampleRate = sampleRate;
}

void AdEnvelope::reset()
{
    core_.rest();
    stage_ = kAttack;
}

void AdEnvelope::trigger()
{
    reset();
    core_.start();
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
    attackRate_ = core_.rate(clamp01(value + mod), attackScale_, factor);
}

void AdEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = core_.rate(clamp01(value + mod), decayScale_, factor);
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
    core_.beginBlock();
    if (!core_.fadeKilled() && core_.active) {
        if (stage_ == kAttack) {
            if (core_.rise(attackRate_))
                stage_ = kDecay;
        } else {
            core_.fall(decayRate_);
        }
    }
    // The attack stays linear so a short attack keeps its click.
    core_.endBlock(stage_ == kAttack ? core_.level : std::pow(core_.level, exponent_));
    if (stage_ == kDecay && core_.levelTrack.restsAtZero())
        core_.active = false;
}

} // namespace dsp
