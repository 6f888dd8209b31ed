#include "engine/dsp/decay_envelope.h"

#include <cmath>

namespace dsp {

void DecayEnvelope::init(float sampleRate)
{
    *this = DecayEnvelope{};
    sampleRate_ = sampleRate;
}

void DecayEnvelope::reset()
{
    level_ = 1.0f;
    levelTrack_.hold(1.0f);
    outTrack_.hold(1.0f);
    active_ = false;
}

void DecayEnvelope::trigger()
{
    killing_ = false;
    reset();
    active_ = true;
}

void DecayEnvelope::setTimeScale(float longestMs)
{
    scale_ = envelopeTimeScale(longestMs);
}

void DecayEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = envelopeRate(clampDecayValue(value + mod, decayMinimum_), scale_, sampleRate_, gain_, factor);
}

void DecayEnvelope::setCurve(float x, float range)
{
    exponent_ = curveExponent(x, range);
}

void DecayEnvelope::fall()
{
    if (killing_) {
        if (killStep(level_)) {
            killing_ = false;
            active_ = false;
        }
    } else if (active_) {
        level_ -= decayRate_;
        if (level_ < 0.0f) {
            level_ = 0.0f;
            active_ = false;
        }
    }
}

void DecayEnvelope::processLinear()
{
    levelTrack_.beginBlock();
    fall();
    levelTrack_.endBlock(level_);
    if (levelTrack_.end == 0.0f && levelTrack_.start == 0.0f)
        active_ = false;
}

void DecayEnvelope::processCurved()
{
    levelTrack_.beginBlock();
    outTrack_.beginBlock();
    fall();
    // A curved envelope that is not running is silent, not held at full level.
    if (!active_ && !killing_)
        level_ = 0.0f;
    levelTrack_.end = level_;
    outTrack_.endBlock(std::pow(level_, exponent_));
    if (outTrack_.end == 0.0f && outTrack_.start == 0.0f)
        active_ = false;
}

} // namespace dsp
