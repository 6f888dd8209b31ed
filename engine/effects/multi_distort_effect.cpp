#include "engine/effects/multi_distort_effect.h"

#include "engine/effects/master_effect_slot.h"

#include <algorithm>
#include <cmath>

namespace effects {

namespace {

// A level follower of about a millisecond, never quite 0 so that the ratio of two stays finite.
float followLevel(float level, float x)
{
    constexpr float kKeep = 0.98f;
    constexpr float kFloor = 0.001f;
    return std::max(kKeep * level + (1.0f - kKeep) * std::fabs(x), kFloor);
}

float distortSide(MultiDistortEffect& m, int side, dsp::FxFilter& lowPass, dsp::FxFilter& highPass, float input)
{
    m.inputLevel[side] = followLevel(m.inputLevel[side], input);
    float y = applyCurve(m.curve, std::clamp(m.preBoost * input, -1.0f, 1.0f));
    m.outputLevel[side] = followLevel(m.outputLevel[side], y);
    y *= (1.0f - m.normalize) + m.normalize * m.inputLevel[side] / m.outputLevel[side];
    return std::clamp(highPass.highPass(lowPass.lowPass(y)) * m.volume, -1.0f, 1.0f);
}

} // namespace

StereoPair processMultiDistort(MasterEffectSlot& slot, const EffectClock&, float left, float right)
{
    MultiDistortEffect& m = slot.states.multiDistort;
    dsp::FxFilter* f = slot.filters;
    using S = MasterEffectSlot;
    return {distortSide(m, 0, f[S::filterIndex(0, 0)], f[S::filterIndex(1, 0)], left),
            distortSide(m, 1, f[S::filterIndex(0, 1)], f[S::filterIndex(1, 1)], right)};
}

} // namespace effects
