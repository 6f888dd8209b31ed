#include "engine/voices/oscillator_reads.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>

namespace {

// Entry i holds i, so a read tells which entry it hit.
const std::array<float, 4096> kRamp = [] {
    std::array<float, 4096> entries{};
    std::iota(entries.begin(), entries.end(), 0.0f);
    return entries;
}();

constexpr std::uint32_t kOneEntry = 1u << 11;

// Four reads after the phase, averaged; the phase advances four steps and wraps
// at 23 bits; an offset shifts the reads but not the stored phase.
TEST(ReadWaveOsc, AveragesFourReadsAndWrapsTheTwentyThreeBitPhase)
{
    struct Case {
        std::uint32_t phase, offset;
        float amplitude, expected;
        std::uint32_t phaseAfter;
    };
    for (const Case& c : {Case{0, 0, 2.0f, (1 + 2 + 3 + 4) * 0.25f * 2.0f, 4 * kOneEntry},
                          Case{voices::kPhaseMask - kOneEntry + 1, 0, 1.0f, (0 + 1 + 2 + 3) * 0.25f, 3 * kOneEntry},
                          Case{0, 10 * kOneEntry, 1.0f, (11 + 12 + 13 + 14) * 0.25f, 4 * kOneEntry}}) {
        std::uint32_t phase = c.phase;
        EXPECT_FLOAT_EQ(voices::readWaveOscOffset(phase, kOneEntry, c.offset, kRamp.data(), c.amplitude), c.expected);
        EXPECT_EQ(phase, c.phaseAfter);
    }
}

TEST(PhaseIncrement, WrapsLikeThePhaseAndStandsStillOnNonsense)
{
    EXPECT_EQ(voices::phaseIncrement(12345.75f), 12345u);
    const float cycle = static_cast<float>(voices::kPhaseMask + 1);
    EXPECT_EQ(voices::phaseIncrement(cycle + 4096.0f), 4096u);
    EXPECT_EQ(voices::phaseIncrement(1e12f), static_cast<std::uint32_t>(std::fmod(1e12f, cycle)));
    for (float nonsense : {-3.0f, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()})
        EXPECT_EQ(voices::phaseIncrement(nonsense), 0u) << nonsense;
    // A shift back lands where the same shift on from the far side of the cycle does.
    EXPECT_EQ(voices::phaseShift(-4096.75f) & voices::kPhaseMask, voices::kPhaseMask + 1 - 4096u);
}

TEST(ReadNoise, StepsOneFrameAndWrapsAtTheTableEnd)
{
    auto noise = std::make_unique<tables::NoiseTable>();
    noise->left[0] = -16384;
    noise->right[0] = 8192;
    noise->left[5] = 32767;
    std::uint32_t position = tables::NoiseTable::kFrames - 1;
    float left = 0.0f;
    float right = 0.0f;
    voices::readNoiseStereo(*noise, position, left, right);
    EXPECT_EQ(position, 0u);
    EXPECT_EQ(left, -0.5f);
    EXPECT_EQ(right, 0.25f);
    position = 4;
    EXPECT_FLOAT_EQ(voices::readNoise(*noise, position), 32767.0f / 32768.0f);
}

} // namespace
