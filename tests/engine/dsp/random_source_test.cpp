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

TEST(RandomSource, EachSeedGivesItsOwnRepeatableSequence)
{
    dsp::seedRandom(1);
    EXPECT_EQ(draws(5), (std::vector<std::uint32_t>{41, 18467, 6334, 26500, 19169})); // the generator's known opening
    dsp::seedRandom(12345);
    const auto first = draws(1000);
    dsp::seedRandom(12345);
    EXPECT_EQ(draws(1000), first);
    dsp::seedRandom(54321);
    EXPECT_NE(draws(1000), first);
    // Unit values are the draws' fraction of their maximum.
    dsp::seedRandom(12345);
    for (std::uint32_t b : first)
        ASSERT_EQ(dsp::randomUnit(), static_cast<float>(b / 32767.0));
}

TEST(RandomSource, EachThreadHasItsOwnSequence)
{
    dsp::seedRandom(1);
    const auto mainFirst = dsp::randomBits();
    std::uint32_t otherFirst = 0;
    std::thread([&] {
        dsp::seedRandom(1);
        otherFirst = dsp::randomBits();
    }).join();
    EXPECT_EQ(otherFirst, mainFirst);
    EXPECT_EQ(dsp::randomBits(), 18467u); // the other thread's draws left this thread's state alone
}

} // namespace
