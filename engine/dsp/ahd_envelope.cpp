#include "engine/dsp/ahd_envelope.h"

#include <cmath>

namespace dsp {

void AhdEnvelope::init(float sampleRate)
{
    *this = AhdEnvelope{};
    sampleRate_ = sampleRate;
}

void AhdEnvelope::reset()
{
    level_ = 0.0f;
    holdCounter_ = 0.0f;
    levelTrack_.hold(0.0f);
    outTrack_.hold(0.0f);
    stage_ = kAttack;
    active_ = false;
}

void AhdEnvelope::trigger()
{
    killing_ = false;
    reset();
    startAttack();
}

void AhdEnvelope::retrigger()
{
    holdCounter_ = 0.0f;
    killing_ = false;
    startAttack();
}

void AhdEnvelope::startAttack()
{
    active_ = true;
    if (attackValue_ < kInstantAttack) {
        stage_ = kHold;
        level_ = kPeak;
        levelTrack_.run = levelTrack_.start = levelTrack_.end = kPeak;
    } else {
        stage_ = kAttack;
    }
}

void AhdEnvelope::setAttackTimeScale(float longestMs)
{
    attackScale_ = envelopeTimeScale(longestMs);
}

void AhdEnvelope::setHoldTimeScale(float longestMs)
{
    holdScale_ = envelopeTimeScale(longestMs);
}

void AhdEnvelope::setDecayTimeScale(float longestMs)
{
    decayScale_ = envelopeTimeScale(longestMs);
}

void AhdEnvelope::setAttack(float value, float mod, float factor)
{
    attackValue_ = clamp01(value + mod);
    attackRate_ = envelopeRate(attackValue_, attackScale_, sampleRate_, gain_, factor);
}

void AhdEnvelope::setHold(float value, float mod, float factor)
{
    holdRate_ = sustainFlag_ && value > kSustainThreshold
                    ? 0.0f
                    : envelopeRate(clamp01(value + mod), holdScale_, sampleRate_, gain_, factor);
}

void AhdEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = sustainFlag_ && value > kSustainThreshold
                     ? 0.0f
                     : envelopeRate(clamp01(value + mod), decayScale_, sampleRate_, gain_, factor);
}

void AhdEnvelope::setStages(float attack, float hold, float decay, float attackMod, float holdMod,
                            float decayMod, float attackFactor, float holdFactor, float decayFactor)
{
    setAttack(attack, attackMod, attackFactor);
    setHold(hold, holdMod, holdFactor);
    setDecay(decay, decayMod, decayFactor);
}

void AhdEnvelope::setAttackCurve(float x, float range)
{
    attackExponent_ = curveExponent(x, range);
}

void AhdEnvelope::setDecayCurve(float x, float range)
{
    decayExponent_ = curveExponent(x, range);
}

void AhdEnvelope::process()
{
    if (!active_) {
        // An idle modulation envelope must read 0, whatever it ended on.
        levelTrack_.run = outTrack_.run = 0.0f;
        levelTrack_.inc = levelTrack_.inc4 = outTrack_.inc = outTrack_.inc4 = 0.0f;
        return;
    }

    levelTrack_.beginBlock();
    outTrack_.beginBlock();

    if (killing_) {
        if (killStep(level_)) {
            killing_ = false;
            active_ = false;
        }
    } else {
        switch (stage_) {
        case kAttack:
            level_ += attackRate_;
            if (level_ >= kPeak) {
                level_ = kPeak;
                stage_ = kHold;
                holdCounter_ = 0.0f;
            }
            break;
        case kHold:
            holdCounter_ += holdRate_;
            if (holdCounter_ >= 1.0f)
                stage_ = kDecay;
            break;
        case kDecay:
            level_ -= decayRate_;
            if (level_ < 0.0f)
                level_ = 0.0f;
            break;
        }
    }

    levelTrack_.endBlock(level_);
    switch (stage_) {
    case kAttack:
        outTrack_.endBlock(std::pow(level_, attackExponent_));
        break;
    case kHold:
        outTrack_.endBlock(level_);
        break;
    case kDecay:
        outTrack_.endBlock(std::pow(level_, decayExponent_));
        break;
    }

    if (stage_ == kDecay && levelTrack_.end == 0.0f && levelTrack_.start == 0.0f)
        active_ = false;
}

} // namespace dsp
