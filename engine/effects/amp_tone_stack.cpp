#include "engine/effects/amp_tone_stack.h"

#include "engine/effects/master_effect_slot.h"
#include "engine/effects/shaping.h"

#include <algorithm>

namespace effects {

namespace {

float toneStackSide(const AmpToneStack& stack, dsp::FxFilter& lowPass, dsp::FxFilter& highPass, float x)
{
    constexpr float kDenormalOffset = 1e-15f;
    const float s = saturate(x, stack.drive);
    // Each stage adds its band scaled by the gain less one, so a gain of 1 leaves the signal untouched.
    const float u = s + (stack.bass - 1.0f) * lowPass.lowPass(s);
    const float t = u + (stack.treble - 1.0f) * highPass.highPass(u);
    // Both filters sit at their top corner, where they peak sharply near the
    // top of the band: cut bass and treble would lift the highest frequencies
    // by some 40 dB. The stages end at the full scale the saturation set.
    return std::clamp(t, -1.0f, 1.0f) * stack.volume + kDenormalOffset;
}

} // namespace

StereoPair processToneStack(MasterEffectSlot& slot, const AmpToneStack& stack, float left, float right)
{
    dsp::FxFilter* f = slot.filters;
    using S = MasterEffectSlot;
    return {toneStackSide(stack, f[S::filterIndex(0, 0)], f[S::filterIndex(1, 0)], left),
            toneStackSide(stack, f[S::filterIndex(0, 1)], f[S::filterIndex(1, 1)], right)};
}

} // namespace effects
