#include "engine/effects/comb_filter_effect.h"

#include "engine/effects/effect_rates.h"
#include "engine/effects/master_effect_slot.h"

#include <algorithm>

namespace effects {

namespace {

// Positions wrap at 2^21 (8192 samples in 1/256 steps), the length of the rings.
constexpr std::uint32_t kPositionMask = (CombRings::kLength << 8) - 1;
constexpr std::uint32_t kFractionBits = 8;
constexpr std::uint32_t kOneSample = 1u << kFractionBits;
// The combs' own limit, far above full scale, keeps full feedback bounded.
constexpr float kCombLimit = 10.0f;
constexpr float kDenormalOffset = 1e-15f;

void modulateGain(CombFilterEffect::Comb& comb, const tables::SineTables& sines)
{
    comb.lfoPhase = advancePhase(comb.lfoPhase, comb.lfoIncrement);
    const float wave = sines.sine[comb.lfoPhase >> kPhaseToTableShift];
    comb.gain = (1.0f - comb.modulationDepth + wave * comb.modulationDepth) * comb.feedback;
}

// Steps the comb on by one sample; gives its write and read indices.
void stepComb(CombFilterEffect::Comb& comb, std::uint32_t& write, std::uint32_t& read)
{
    comb.position = (comb.position + kOneSample) & kPositionMask;
    write = comb.position >> kFractionBits;
    read = ((comb.position - comb.length) >> kFractionBits) & CombRings::kMask;
}

} // namespace

void CombRings::clear()
{
    for (float* ring : {inputLeft, inputRight, outputLeft, outputRight})
        std::fill(ring, ring + kLength, 0.0f);
}

StereoPair processCombFilter(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    CombFilterEffect::Comb* combs = slot.states.comb.combs;
    CombRings& rings = slot.combRings;
    if (clock.controlTick())
        for (int j = 0; j < 2; ++j)
            modulateGain(combs[j], *clock.sines);

    std::uint32_t write = 0;
    std::uint32_t read = 0;
    stepComb(combs[0], write, read);
    rings.inputLeft[write] = left + kDenormalOffset;
    const float yLeft =
        std::clamp(combs[0].gain * rings.outputRight[read] + rings.inputRight[read], -kCombLimit, kCombLimit) +
        kDenormalOffset;
    rings.outputLeft[write] = yLeft;

    stepComb(combs[1], write, read);
    rings.inputRight[write] = right + kDenormalOffset;
    const float yRight =
        std::clamp(combs[1].gain * rings.outputLeft[read] + rings.inputLeft[read], -kCombLimit, kCombLimit);
    rings.outputRight[write] = yRight + kDenormalOffset;
    return {yLeft + kDenormalOffset, yRight + 2.0f * kDenormalOffset};
}

} // namespace effects
