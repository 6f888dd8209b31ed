#include "engine/effects/phaser_effect.h"

#include "engine/effects/effect_rates.h"
#include "engine/effects/flanger_effect.h"
#include "engine/effects/master_effect_slot.h"

#include <cmath>

namespace effects {

namespace {

constexpr float kDenormalOffset = 1e-15f;

void sweep(PhaserEffect& p, const tables::SineTables& sines)
{
    // The corner sweeps over eleven octaves of the "Pitch" range.
    constexpr float kOctaves = 11.0f;
    p.phase = advancePhase(p.phase, p.increment);
    const std::uint32_t index = p.phase >> kPhaseToTableShift;
    const float x = (sines.sine[index] * p.width + 1.0f) * p.pitch;
    const float g = std::exp2(kOctaves * x) * p.cornerScale;
    p.coefficient = (1.0f - g) / (1.0f + g) + kDenormalOffset;
    panFromWave(sines.cosine[index], p.panDepth, p.gainLeft, p.gainRight);
}

float runChain(PhaserEffect& p, int side, float in)
{
    float x = in - p.feedback * p.lastOutput[side] + kDenormalOffset;
    float* previousInput = p.previousInput[side];
    float* previousOutput = p.previousOutput[side];
    for (int s = 0; s < p.sections; ++s) {
        const float y = p.coefficient * (x + previousOutput[s]) - previousInput[s] + kDenormalOffset;
        previousInput[s] = x;
        previousOutput[s] = y;
        x = y;
    }
    p.lastOutput[side] = x;
    return x;
}

} // namespace

StereoPair processPhaser(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    PhaserEffect& p = slot.states.phaser;
    if (clock.controlTick())
        sweep(p, *clock.sines);
    slot.spreadRing.write(clock.sampleCounter, runChain(p, 0, left));
    const float spreadLeft = slot.spreadRing.read(clock.sampleCounter, p.spreadLength);
    const float chainRight = runChain(p, 1, right);
    EffectLimiter& limiter = slot.states.limiter;
    return {limiter.limitEffect(EffectLimiter::kLeft, spreadLeft, clock.limitLevel) * p.gainLeft,
            limiter.limitEffect(EffectLimiter::kRight, chainRight, clock.limitLevel) * p.gainRight};
}

} // namespace effects
