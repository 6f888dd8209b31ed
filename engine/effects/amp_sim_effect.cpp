#include "engine/effects/amp_sim_effect.h"

#include "engine/effects/master_effect_slot.h"

namespace effects {

namespace {

constexpr std::uint32_t kRingMask = tables::kAmpSimKernelLength - 1;

float convolve(const float* kernel, const float* ring, std::uint32_t newest)
{
    float sum = 0.0f;
    for (std::uint32_t k = 0; k < tables::kAmpSimKernelLength; ++k)
        sum += kernel[k] * ring[(newest - k) & kRingMask];
    return sum;
}

} // namespace

StereoPair processAmpSim(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    const AmpSimEffect& a = slot.states.ampSim;
    const std::uint32_t newest = clock.sampleCounter & kRingMask;
    // The rings run without an amplifier too, so that choosing one starts from the recent input.
    slot.ampSimRing[0][newest] = left;
    slot.ampSimRing[1][newest] = right;
    if (a.ampType != 0) {
        const float* kernel = tables::kAmpSimKernels[a.ampType];
        left = convolve(kernel, slot.ampSimRing[0], newest);
        right = convolve(kernel, slot.ampSimRing[1], newest);
    }
    return processToneStack(slot, a.tone, left, right);
}

} // namespace effects
