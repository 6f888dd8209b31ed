#include "engine/dsp/decay_envelope.h"

#include <cmath>

namespace dsp {

void DecayEnvelope::init(float sampleRate)
{
    *this = DecayEnvelope{};
    core_.sampleRate = sampleRate;
}

void DecayEnvelope::reset()
{
    core_.rest();
}

void DecayEnvelope::trigger()
{
    reset();
    core_.start();
}

void DecayEnvelope::setTimeScale(float longestMs)
{
    scale_ = envelopeTimeScale(longestMs);
}

void DecayEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = core_.rate(clampDecayValue(value + mod, decayMinimum_), scale_, factor);
}

void DecayEnvelope::setCurve(float x, float range)
{
    exponent_ = curveExponent(x, range);
}

void DecayEnvelope::moveLevel()
{
    if (!core_.fadeKilled() && core_.active && core_.fall(decayRate_))
        core_.active = false;
}

void DecayEnvelope::processLinear()
{
    core_.levelTrack.beginBlock();
    moveLevel();
    core_.levelTrack.endBlock(core_.level);
    if (core_.levelTrack.restsAtZero())
        core_.active = false;
}

void DecayEnvelope::processCurved()
{
    core_.beginBlock();
    moveLevel();
    // A curved envelope that is not running is silent, not held at full level.
    if (!core_.active && !core_.killing)
        core_.level = 0.0f;
    core_.levelTrack.end = core_.level;
    core_.outTrack.endBlock(std::pow(core_.level, exponent_));
    if (core_.outTrack.restsAtZero())
        core_.active = false;
}

} // namespace dsp
