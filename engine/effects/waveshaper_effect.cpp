#include "engine/effects/waveshaper_effect.h"

#include "engine/effects/effect_coefficients.h"

#include <cmath>

namespace effects {

float waveshape(float x, float top, float bottom, float rectify)
{
    constexpr float kTwoPi = 6.28318f;
    if (x > 0.0f)
        return std::cos(top * x * kTwoPi) * x;
    return std::cos(bottom * x * kTwoPi) * (rectify * x);
}

StereoPair processWaveshaper(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    // A touch of resonance marks the swept corner.
    constexpr float kResonance = 0.1f;
    WaveshaperEffect& w = slot.states.waveshaper;
    if (clock.controlTick()) {
        w.phase = advancePhase(w.phase, w.increment);
        const float corner = clamp01(clock.sines->cosine[w.phase >> kPhaseToTableShift] * w.modulation + w.low);
        slot.tuneFilterBank(0, static_cast<std::uint32_t>(dsp::FxFilterType::LowPass12), corner, kResonance);
    }
    return {slot.filters[MasterEffectSlot::filterIndex(0, 0)].lowPass(waveshape(left, w.top, w.bottom, w.rectify)),
            slot.filters[MasterEffectSlot::filterIndex(0, 1)].lowPass(waveshape(right, w.top, w.bottom, w.rectify))};
}

} // namespace effects
