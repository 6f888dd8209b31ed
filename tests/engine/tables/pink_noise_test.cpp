#include "engine/tables/pink_noise.h"

#include "engine/dsp/random_source.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kSeed = 4711;

// How many random draws one call at sample n takes: seed, call, then find the
// next draw's place in the freshly seeded sequence.
int drawsAt(tables::PinkNoise& noise, std::uint32_t n)
{
    dsp::seedRandom(kSeed);
    noise.next(0, 0, n);
    const std::uint32_t after = dsp::randomBits();
    dsp::seedRandom(kSeed);
    for (int draws = 0; draws < 16; ++draws)
        if (dsp::randomBits() == after)
            return draws;
    return -1;
}

TEST(PinkNoiseRowRenewal, EveryRowAndTheHiddenEighthAreDrawnAtMultiplesOf256)
{
    tables::PinkNoise noise;
    EXPECT_EQ(drawsAt(noise, 0), 8);
    EXPECT_EQ(drawsAt(noise, 512), 8);
}

TEST(PinkNoiseRowRenewal, LowerRowsAreRenewedAtOctaveSpacedRates)
{
    tables::PinkNoise noise;
    drawsAt(noise, 0);
    EXPECT_EQ(drawsAt(noise, 2), 1);
    EXPECT_EQ(drawsAt(noise, 4), 2);
    EXPECT_EQ(drawsAt(noise, 8), 3);
    EXPECT_EQ(drawsAt(noise, 16), 6);
    EXPECT_EQ(drawsAt(noise, 48), 4);
    EXPECT_EQ(drawsAt(noise, 64), 7);
}

TEST(PinkNoiseRowRenewal, OddSamplesRepeatTheLastValueWithoutDrawing)
{
    tables::PinkNoise noise;
    dsp::seedRandom(kSeed);
    const float even = noise.next(0, 0, 0);
    EXPECT_EQ(drawsAt(noise, 1), 0);
    EXPECT_EQ(noise.next(0, 0, 1), even);
}

TEST(PinkNoiseRange, StaysWithinPlusMinusOne)
{
    tables::PinkNoise noise;
    dsp::seedRandom(kSeed);
    float lowest = 1.0f;
    float highest = -1.0f;
    for (std::uint32_t n = 0; n < 100000; ++n) {
        const float v = noise.next(0, 0, n);
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_GE(lowest, -1.0f);
    EXPECT_LE(highest, 1.0f);
    EXPECT_LT(lowest, -0.3f);
    EXPECT_GT(highest, 0.3f);
}

TEST(PinkNoiseSets, EachSetKeepsItsOwnState)
{
    tables::PinkNoise noise;
    dsp::seedRandom(kSeed);
    const float first = noise.next(0, 0, 0);
    noise.next(1, 3, 0);
    EXPECT_EQ(noise.next(0, 0, 1), first);
}

} // namespace
