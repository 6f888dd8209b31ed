#include "engine/effects/widener_effect.h"

#include "engine/effects/master_effect_slot.h"

#include <cmath>

namespace effects {

StereoPair processWidener(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    WidenerEffect& w = slot.states.widener;
    if (clock.controlTick()) {
        w.phase += w.lfoRate;
        w.phase -= std::floor(w.phase);
        const float triangle = std::fabs(2.0f * w.phase - 1.0f);
        w.sweep = (1.0f - w.width) + (1.0f - triangle) * w.width;
    }
    slot.spreadRing.write(clock.sampleCounter, right);
    float delayedRight = slot.spreadRing.readLinear(clock.sampleCounter, static_cast<float>(w.delayOffset) * w.sweep);
    slot.onePoles[MasterEffectSlot::kLowPass].lowPassStereo(left, delayedRight);
    slot.onePoles[MasterEffectSlot::kHighPass].highPassStereo(left, delayedRight);
    return {left, delayedRight};
}

} // namespace effects
