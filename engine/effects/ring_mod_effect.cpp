#include "engine/effects/ring_mod_effect.h"

#include "engine/effects/master_effect_slot.h"

#include <cmath>

namespace effects {

namespace {

float signOf(float x) { return x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f); }

float oscillator(std::int32_t waveform, float phase, const tables::SineTables& sines)
{
    switch (waveform) {
    case RingModEffect::kSaw:
        return 2.0f * phase - 1.0f;
    case RingModEffect::kSquare:
        // The sign of the sine: 0 where the sine crosses zero.
        return phase == 0.0f || phase == 0.5f ? 0.0f : (phase < 0.5f ? 1.0f : -1.0f);
    case RingModEffect::kTriangle:
        return 1.0f - 2.0f * std::fabs(1.0f - 2.0f * phase);
    default:
        return sines.sine[static_cast<std::uint32_t>(phase * tables::SineTables::kSize) & tables::SineTables::kMask];
    }
}

} // namespace

StereoPair processRingMod(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    RingModEffect& r = slot.states.ringMod;
    r.phase += r.increment;
    r.phase -= std::floor(r.phase);
    if (r.waveform == RingModEffect::kChannelProduct) {
        const float product = left * right;
        return {product * signOf(left), product * signOf(right)};
    }
    const float m = oscillator(r.waveform, r.phase, *clock.sines) * r.amount + (1.0f - r.amount);
    return {left * m, right * m};
}

} // namespace effects
