#include "engine/effects/equalizer_effect.h"

#include "engine/effects/master_effect_slot.h"

#include <algorithm>

namespace effects {

namespace {

float equalizeSide(MasterEffectSlot& slot, int side, float x, const EqualizerTaps& taps)
{
    // A band's own limit, far above full scale, keeps a runaway resonance bounded.
    constexpr float kBandLimit = 10.0f;
    constexpr float kDenormalOffset = 1e-15f;
    EqualizerEffect& e = slot.states.equalizer;
    float* input = e.input[side];
    input[taps.newest] = x;
    const float d = x - input[taps.oldest];
    float sum = 0.0f;
    for (int k = 0; k < EqualizerEffect::kBands; ++k) {
        EqualizerBand& band = slot.equalizerBands[k];
        float* y = band.output[side];
        const float out = std::clamp(band.b0 * d - band.a1 * y[taps.previous] - band.a2 * y[taps.oldest] +
                                         kDenormalOffset,
                                     -kBandLimit, kBandLimit);
        y[taps.newest] = out;
        sum += e.gains[k] * out;
    }
    return sum;
}

} // namespace

StereoPair processEqualizer(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    return {equalizeSide(slot, 0, left, clock.equalizerTaps), equalizeSide(slot, 1, right, clock.equalizerTaps)};
}

} // namespace effects
