#include "engine/effects/auto_wah_effect.h"

#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

#include <cmath>

namespace effects {

StereoPair processAutoWah(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    // The sweep follows the level more closely than the other effects' control rate.
    constexpr std::uint32_t kSweepMask = 3;
    constexpr float kDenormalOffset = 1e-15f;
    AutoWahEffect& w = slot.states.autoWah;
    if ((clock.sampleCounter & kSweepMask) == 0) {
        const float e = clamp01(w.sensitivity * w.level);
        slot.tuneFilterBank(0, w.filterType, w.low + (w.high - w.low) * e, w.q);
    }
    const float a = (std::fabs(left) + std::fabs(right)) * 0.5f;
    w.level = w.followerKeep * w.level + (1.0f - w.followerKeep) * a + kDenormalOffset;
    return {slot.filters[MasterEffectSlot::filterIndex(0, 0)].process(left),
            slot.filters[MasterEffectSlot::filterIndex(0, 1)].process(right)};
}

} // namespace effects
