#include "engine/tables/pink_noise.h"

#include "engine/dsp/random_source.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

constexpr std::uint32_t kSeed = 4711;

TEST(PinkNoiseRowRenewal, RowsAreRenewedAtOctaveSpacedRatesAndKeptPerSet)
{
    // Every row and the hidden eighth at multiples of 256, the lower rows more often, nothing on odd samples.
    tables::PinkNoise noise;
    for (const auto& [n, draws] :
         {std::pair<std::uint32_t, int>{0, 8}, {512, 8}, {1, 0}, {2, 1}, {4, 2}, {8, 3}, {16, 6}, {48, 4}, {64, 7}}) {
        // Seed, call, then find the next draw's place in the freshly seeded sequence.
        dsp::seedRandom(kSeed);
        {
            dsp::RandomRun random; // gives the thread's state back when it ends
            noise.next(0, 0, n, random);
        }
        const std::uint32_t after = dsp::randomBits();
        dsp::seedRandom(kSeed);
        int taken = 0;
        while (taken < 16 && dsp::randomBits() != after)
            ++taken;
        EXPECT_EQ(taken, draws) << "sample " << n;
    }
    // Each (row, set) keeps its own rows: another set's renewal leaves this one's odd sample alone.
    dsp::RandomRun random;
    const float even = noise.next(0, 0, 0, random);
    noise.next(1, 3, 0, random);
    EXPECT_EQ(noise.next(0, 0, 1, random), even);
}

} // namespace
