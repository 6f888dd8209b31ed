#include "engine/effects/flanger_effect.h"

#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

#include <algorithm>

namespace effects {

void panFromWave(float wave, float depth, float& gainLeft, float& gainRight)
{
    const float v = depth * wave + 0.5f;
    gainLeft = std::clamp(2.0f - 2.0f * v, 0.0f, 1.0f);
    gainRight = std::clamp(2.0f * v, 0.0f, 1.0f);
}

StereoPair processFlanger(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    // The shortest delay keeps the comb's first notch below the top of the band.
    constexpr float kShortestDelay = 10.0f;
    // The feedback path's own limit, far above full scale.
    constexpr float kLoopLimit = 10.0f;
    constexpr float kDenormalOffset = 1e-15f;
    FlangerEffect& f = slot.states.flanger;
    f.phase = advancePhase(f.phase, f.increment);
    const std::uint32_t index = f.phase >> kPhaseToTableShift;
    const float d = (clock.sines->sine[index] * f.width + 1.0f - f.width) * f.baseDelay + kShortestDelay;
    ModulationLines& lines = slot.modulationLines;
    float wetLeft = ModulationLines::readCubic(lines.left, clock.sampleCounter, d);
    float wetRight = ModulationLines::readCubic(lines.right, clock.sampleCounter, d);
    if (clock.controlTick())
        panFromWave(clock.sines->cosine[index], f.panDepth, f.gainLeft, f.gainRight);

    lines.write(clock.sampleCounter,
                std::clamp(left - f.feedback * wetRight, -kLoopLimit, kLoopLimit) + kDenormalOffset,
                std::clamp(right - f.feedback * wetLeft, -kLoopLimit, kLoopLimit) + kDenormalOffset);
    slot.onePoles[MasterEffectSlot::kLowPass].lowPassStereo(wetLeft, wetRight);
    slot.onePoles[MasterEffectSlot::kHighPass].highPassStereo(wetLeft, wetRight);
    wetLeft = slot.states.limiter.limitEffect(EffectLimiter::kLeft, wetLeft, clock.limitLevel);
    wetRight = slot.states.limiter.limitEffect(EffectLimiter::kRight, wetRight, clock.limitLevel);
    return {f.gainLeft * wetLeft, f.gainRight * wetRight};
}

} // namespace effects
