#include "engine/dsp/random_source.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

std::vector<std::uint32_t> draws(int count)
{
    std::vector<std::uint32_t> values;
    for (int i = 0; i < count; ++i)
        values.push_back(dsp::randomBits());
    return values;
}

TEST(RandomSource, SeedOneGivesTheGeneratorsKnownOpening)
{
    dsp::seedRandom(1);
    EXPECT_EQ(draws(5), (std::vector<std::uint32_t>{41, 18467, 6334, 26500, 19169}));
}

TEST(RandomSource, SameSeedRepeatsTheSequence)
{
    dsp::seedRandom(12345);
    const auto first = draws(100);
    dsp::seedRandom(12345);
    EXPECT_EQ(draws(100), first);
    dsp::seedRandom(54321);
    EXPECT_NE(draws(100), first);
}

TEST(RandomSource, DrawsAreFifteenBitsAndReachBothEnds)
{
    dsp::seedRandom(7);
    std::uint32_t lowest = dsp::kRandomMax;
    std::uint32_t highest = 0;
    for (int i = 0; i < 1 << 20; ++i) {
        const std::uint32_t bits = dsp::randomBits();
        ASSERT_LE(bits, dsp::kRandomMax);
        lowest = std::min(lowest, bits);
        highest = std::max(highest, bits);
    }
    EXPECT_EQ(lowest, 0u);
    EXPECT_EQ(highest, dsp::kRandomMax);
}

TEST(RandomSource, UnitValueIsTheDrawOverItsMaximum)
{
    dsp::seedRandom(99);
    const auto bits = draws(10);
    dsp::seedRandom(99);
    for (std::uint32_t b : bits) {
        const float unit = dsp::randomUnit();
        EXPECT_EQ(unit, static_cast<float>(b / 32767.0));
        EXPECT_GE(unit, 0.0f);
        EXPECT_LE(unit, 1.0f);
    }
}

TEST(RandomSource, EachThreadHasItsOwnSequence)
{
    dsp::seedRandom(1);
    const auto mainFirst = dsp::randomBits();
    std::uint32_t otherFirst = 0;
    std::thread other([&] {
        dsp::seedRandom(1);
        otherFirst = dsp::randomBits();
    });
    other.join();
    EXPECT_EQ(otherFirst, mainFirst);
    // The other thread's draws did not move this thread's state.
    EXPECT_EQ(dsp::randomBits(), 18467u);
}

} // namespace
