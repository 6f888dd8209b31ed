#include "engine/effects/compressor_effect.h"

#include "engine/effects/master_effect_slot.h"

#include <cmath>

namespace effects {

namespace {

// The gain one side asks for now, from the undelayed input x.
float followSide(CompressorEffect& c, int side, float x)
{
    constexpr float kPeakKeep = 0.999f;
    constexpr float kDenormalOffset = 1e-15f;
    const float a = std::fabs(x);
    float& p = c.peak[side];
    p = a > p ? a : (1.0f - kPeakKeep) * a + kPeakKeep * p + kDenormalOffset;
    float& e = c.envelope[side];
    const float keep = p <= e ? c.release : c.attack;
    e = keep * e + (1.0f - keep) * p;
    // Above the threshold the level is brought down by the slope in dB:
    // (threshold / e)^slope is 10^((thresholdDb - envelopeDb) x slope / 20).
    const float target = e > c.threshold ? std::pow(c.threshold / e, c.slope) : 1.0f;
    float& g = c.gain[side];
    g = g * c.attack + (1.0f - c.attack) * target;
    return g;
}

} // namespace

StereoPair processCompressor(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    CompressorEffect& c = slot.states.compressor;
    const std::uint32_t at = clock.sampleCounter & (CompressorEffect::kLookAhead - 1);
    const float delayedLeft = c.lookAhead[0][at];
    const float delayedRight = c.lookAhead[1][at];
    c.lookAhead[0][at] = left;
    c.lookAhead[1][at] = right;
    const float gainLeft = followSide(c, 0, left);
    const float gainRight = followSide(c, 1, right);
    return {gainLeft * c.volume * delayedLeft, gainRight * c.volume * delayedRight};
}

} // namespace effects
