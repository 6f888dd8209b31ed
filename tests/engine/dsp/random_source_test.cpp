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

TEST(RandomSource, EachSeedGivesItsOwnRepeatableSequenceOnEachThread)
{
    const std::vector<std::uint32_t> opening{41, 18467, 6334, 26500, 19169}; // the generator's known opening
    dsp::seedRandom(1);
    EXPECT_EQ(dsp::randomBits(), opening[0]);
    std::vector<std::uint32_t> otherThread;
    std::thread([&] {
        dsp::seedRandom(1);
        otherThread = draws(5);
    }).join();
    EXPECT_EQ(otherThread, opening);
    // The other thread's draws left this thread's state alone.
    EXPECT_EQ(draws(4), std::vector(opening.begin() + 1, opening.end()));
    // Unit values are the draws' fraction of their maximum.
    dsp::seedRandom(1);
    for (std::uint32_t b : opening)
        EXPECT_EQ(dsp::randomUnit(), static_cast<float>(b / 32767.0));
    dsp::seedRandom(2);
    EXPECT_NE(dsp::randomBits(), opening[0]);
}

TEST(RandomSource, ARunDrawsTheThreadsSequenceAndGivesTheStateBack)
{
    const std::vector<std::uint32_t> opening{41, 18467, 6334, 26500, 19169};
    dsp::seedRandom(1);
    {
        dsp::RandomRun run;
        EXPECT_EQ(run.bits(), opening[0]);
        EXPECT_EQ(run.unit(), static_cast<float>(opening[1] / 32767.0));
    }
    EXPECT_EQ(draws(3), std::vector(opening.begin() + 2, opening.end()));
}

} // namespace
