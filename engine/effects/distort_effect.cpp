#include "engine/effects/distort_effect.h"

#include "engine/effects/effect_coefficients.h"
#include "engine/effects/shaping.h"

#include <algorithm>

namespace effects {

namespace {

float distortSide(const DistortEffect& d, dsp::FxFilter& toneFilter, float x)
{
    float y = toneFilter.bandPass(saturate(x, d.drive));
    if (y < 0.0f)
        y *= d.rectify;
    y = std::clamp(y, -d.limit, d.limit);
    return softClip(y * d.volume);
}

} // namespace

StereoPair processDistort(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    const DistortEffect& d = slot.states.distort;
    if (clock.controlTick()) {
        // The mod wheel moves the tone filter up or down from "Tone"; "Emp" is its resonance.
        const float tone = clamp01(d.modWheel * clock.modWheel + d.tone);
        slot.tuneFilterBank(0, static_cast<std::uint32_t>(dsp::FxFilterType::BandPass12), tone, d.emphasis);
    }
    return {distortSide(d, slot.filters[MasterEffectSlot::filterIndex(0, 0)], left),
            distortSide(d, slot.filters[MasterEffectSlot::filterIndex(0, 1)], right)};
}

} // namespace effects
