#include "engine/dsp/ahd_envelope.h"

#include <bit>
#include <cmath>

namespace dsp {

void AhdEnvelope::init(float sampleRate)
{
    *this = AhdEnvelope{};
    core_.sampleRate = sampleRate;
}

void AhdEnvelope::reset()
{
    core_.rest();
    holdCounter_ = 0.0f;
    stage_ = kAttack;
}

void AhdEnvelope::trigger()
{
    reset();
    retrigger();
}

void AhdEnvelope::retrigger()
{
    holdCounter_ = 0.0f;
    core_.start();
    if (attackValue_ < kNoRampValue) {
        stage_ = kHold;
        core_.level = 1.0f;
        core_.levelTrack.run = core_.levelTrack.start = core_.levelTrack.end = 1.0f;
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
    attackRate_ = stageRate(attackRamp_, attackValue_, attackScale_, factor);
}

void AhdEnvelope::setHold(float value, float mod, float factor)
{
    holdRate_ = sustains(value) ? 0.0f : stageRate(holdRamp_, clamp01(value + mod), holdScale_, factor);
}

void AhdEnvelope::setDecay(float value, float mod, float factor)
{
    decayRate_ = sustains(value) ? 0.0f : stageRate(decayRamp_, clamp01(value + mod), decayScale_, factor);
}

float AhdEnvelope::stageRate(RampMemo& memo, float value, float scale, float factor) const
{
    const auto valueBits = std::bit_cast<std::uint32_t>(value);
    const auto scaleBits = std::bit_cast<std::uint32_t>(scale);
    if (!memo.known || valueBits != memo.value || scaleBits != memo.scale) {
        memo.value = valueBits;
        memo.scale = scaleBits;
        memo.increment = rampIncrement(value, scale, core_.sampleRate, kEnvelopeBlockSize);
        memo.known = true;
    }
    return memo.increment * (core_.gain * factor);
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
    if (!core_.active) {
        // An idle modulation envelope must read 0, whatever it ended on.
        core_.levelTrack.run = core_.outTrack.run = 0.0f;
        core_.levelTrack.inc = core_.levelTrack.inc4 = core_.outTrack.inc = core_.outTrack.inc4 = 0.0f;
        return;
    }

    core_.beginBlock();
    if (!core_.fadeKilled()) {
        switch (stage_) {
        case kAttack:
            if (core_.rise(attackRate_)) {
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
            core_.fall(decayRate_);
            break;
        }
    }

    switch (stage_) {
    case kAttack:
        core_.endBlock(std::pow(core_.level, attackExponent_));
        break;
    case kHold:
        core_.endBlock(core_.level);
        break;
    case kDecay:
        core_.endBlock(std::pow(core_.level, decayExponent_));
        break;
    }

    if (stage_ == kDecay && core_.levelTrack.restsAtZero())
        core_.active = false;
}

} // namespace dsp
