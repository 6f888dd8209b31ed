#include "engine/effects/cabinet_effect.h"

#include "engine/effects/master_effect_slot.h"

namespace effects {

namespace {

constexpr std::uint32_t kRingMask = tables::kCabinetTaps - 1;

// The sums run in double precision: the sealed cabinets' poles crowd near
// z = 1, where single-precision rounding in the recursion would leave a noise
// floor only some 45 dB under the signal.
float cabinetFilter(const tables::CabinetRow& row, float* inputs, double* outputs, std::uint32_t newest, float x)
{
    constexpr double kDenormalOffset = 1e-15;
    inputs[newest] = x;
    double y = kDenormalOffset;
    for (std::uint32_t k = 0; k < tables::kCabinetTaps; ++k)
        y += static_cast<double>(row.b[k]) * inputs[(newest - k) & kRingMask];
    for (std::uint32_t k = 1; k < tables::kCabinetTaps; ++k)
        y += static_cast<double>(row.a[k]) * outputs[(newest - k) & kRingMask];
    outputs[newest] = y;
    return static_cast<float>(y);
}

} // namespace

StereoPair processCabinet(MasterEffectSlot& slot, const EffectClock&, float left, float right)
{
    CabinetEffect& c = slot.states.cabinet;
    // The first row of each set is no cabinet at all.
    if (c.cabinet % tables::kHighRateCabinets != 0) {
        const tables::CabinetRow& row = tables::kCabinetRows[c.cabinet];
        left = cabinetFilter(row, c.inputs[0], c.outputs[0], c.ringIndex, left);
        right = cabinetFilter(row, c.inputs[1], c.outputs[1], c.ringIndex, right);
        c.ringIndex = (c.ringIndex + 1) & kRingMask;
    }
    return processToneStack(slot, c.tone, left, right);
}

} // namespace effects
