#include "engine/dsp/decay_rise_envelope.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr float kSampleRate = 44100.0f;
const float kFastestRate = 16000.0f / (kSampleRate + 16.0f);

void runBlock(dsp::DecayRiseEnvelope& env)
{
    env.process();
    for (int i = 0; i < 16; ++i)
        env.step();
}

int runUntilInactive(dsp::DecayRiseEnvelope& env)
{
    int blocks = 0;
    while (env.isActive() && blocks < 100000) {
        runBlock(env);
        ++blocks;
    }
    return blocks;
}

TEST(DecayRiseEnvelope, StartsAtFullLevel)
{
    dsp::DecayRiseEnvelope env;
    env.init(kSampleRate);
    EXPECT_EQ(env.level(), 1.0f);
    env.trigger();
    EXPECT_EQ(env.level(), 1.0f);
    EXPECT_EQ(env.output(), 1.0f);
}

TEST(DecayRiseEnvelope, WithoutARiseItEndsInactiveAtZero)
{
    dsp::DecayRiseEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.setRise(0.0009f, 0.0f, 1.0f);
    env.trigger();
    EXPECT_EQ(runUntilInactive(env), 3);
    EXPECT_EQ(env.level(), 0.0f);
    runBlock(env);
    EXPECT_EQ(env.level(), 0.0f);
}

TEST(DecayRiseEnvelope, RiseRateIsZeroUntilTheOwnerSetsIt)
{
    dsp::DecayRiseEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    runUntilInactive(env);
    EXPECT_EQ(env.level(), 0.0f);
}

TEST(DecayRiseEnvelope, WithARiseItFallsToZeroThenEndsInactiveAtFullLevel)
{
    dsp::DecayRiseEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.setRise(0.0f, 0.5f, 1.0f);
    env.trigger();
    float lowest = 1.0f;
    int blocks = 0;
    while (env.isActive() && blocks < 100000) {
        runBlock(env);
        lowest = std::min(lowest, env.level());
        EXPECT_EQ(env.output(), env.level());
        ++blocks;
    }
    EXPECT_EQ(lowest, 0.0f);
    EXPECT_FALSE(env.isActive());
    EXPECT_NEAR(env.level(), 1.0f, 1e-6f);
}

TEST(DecayRiseEnvelope, DecayNeverRunsFasterThanItsMinimum)
{
    dsp::DecayRiseEnvelope limited;
    limited.init(kSampleRate);
    limited.setDecayMinimum(0.5f);
    limited.setDecay(0.0f, -0.3f, 1.0f);
    dsp::DecayRiseEnvelope reference;
    reference.init(kSampleRate);
    reference.setDecay(0.5f, 0.0f, 1.0f);
    limited.trigger();
    reference.trigger();
    runBlock(limited);
    runBlock(reference);
    EXPECT_EQ(limited.level(), reference.level());
    EXPECT_LT(limited.level(), 1.0f);
}

TEST(DecayRiseEnvelope, CurveLeavesTheOutputLinear)
{
    dsp::DecayRiseEnvelope env;
    env.init(kSampleRate);
    env.setCurve(0.0f, 3.0f);
    env.setDecay(0.5f, 0.0f, 1.0f);
    env.trigger();
    for (int i = 0; i < 50; ++i)
        runBlock(env);
    ASSERT_LT(env.level(), 1.0f);
    EXPECT_EQ(env.output(), env.level());
}

TEST(DecayRiseEnvelope, KillFromFullLevelEndsAfterThirtyFourBlocks)
{
    dsp::DecayRiseEnvelope env;
    env.init(kSampleRate);
    env.setDecay(1.0f, 0.0f, 1.0f);
    env.setRise(1.0f, 0.0f, 1.0f);
    env.trigger();
    env.kill();
    EXPECT_EQ(runUntilInactive(env), 34);
    EXPECT_NEAR(env.level(), 0.0f, 1e-6f);
}

TEST(DecayRiseEnvelope, FirstBlockFallsByTheDecayRate)
{
    dsp::DecayRiseEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    runBlock(env);
    EXPECT_NEAR(env.level(), 1.0f - kFastestRate, 1e-5f);
}

} // namespace
