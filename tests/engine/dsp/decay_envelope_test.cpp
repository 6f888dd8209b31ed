#include "engine/dsp/decay_envelope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kSampleRate = 44100.0f;
const float kFastestRate = 16000.0f / (kSampleRate + 16.0f);

void runLinearBlock(dsp::DecayEnvelope& env)
{
    env.processLinear();
    for (int i = 0; i < 16; ++i)
        env.step();
}

void runCurvedBlock(dsp::DecayEnvelope& env)
{
    env.processCurved();
    for (int i = 0; i < 16; ++i)
        env.step();
}

TEST(DecayEnvelope, LinearModeFallsFromFullLevelAndStopsAtZero)
{
    dsp::DecayEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    EXPECT_EQ(env.level(), 1.0f);
    runLinearBlock(env);
    EXPECT_NEAR(env.level(), 1.0f - kFastestRate, 1e-5f);
    int blocks = 1;
    while (env.isActive() && blocks < 100) {
        runLinearBlock(env);
        ++blocks;
    }
    EXPECT_EQ(blocks, 3);
    EXPECT_EQ(env.level(), 0.0f);
}

TEST(DecayEnvelope, LinearModeLeavesTheOutputTrackAlone)
{
    dsp::DecayEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    runLinearBlock(env);
    runLinearBlock(env);
    EXPECT_EQ(env.output(), 1.0f);
}

TEST(DecayEnvelope, CurvedModeRaisesTheLevelToTheExponent)
{
    dsp::DecayEnvelope env;
    env.init(kSampleRate);
    env.setTimeScale(1000.0f);
    env.setCurve(0.0f, 3.0f);
    env.setDecay(0.5f, 0.0f, 1.0f);
    env.trigger();
    for (int i = 0; i < 20; ++i)
        runCurvedBlock(env);
    // The decay rate for 2^(0.5 * log2 1000) ms.
    const float rate = 16000.0f / (std::exp2(0.5f * 9.965784f) * kSampleRate + 16.0f);
    const float level = 1.0f - 20.0f * rate;
    EXPECT_NEAR(env.output(), std::pow(level, 8.0f), 1e-4f);
}

TEST(DecayEnvelope, CurvedModeIsSilentWhenNotRunning)
{
    dsp::DecayEnvelope env;
    env.init(kSampleRate);
    runCurvedBlock(env);
    EXPECT_NEAR(env.output(), 0.0f, 1e-6f);
    EXPECT_FALSE(env.isActive());
}

TEST(DecayEnvelope, CurvedModeEndsInactiveOnceTheOutputRestsAtZero)
{
    dsp::DecayEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    int blocks = 0;
    while (env.isActive() && blocks < 100) {
        runCurvedBlock(env);
        ++blocks;
    }
    EXPECT_EQ(blocks, 3);
    runCurvedBlock(env);
    EXPECT_EQ(env.output(), 0.0f);
}

TEST(DecayEnvelope, DecayNeverRunsFasterThanItsMinimum)
{
    dsp::DecayEnvelope limited;
    limited.init(kSampleRate);
    limited.setDecayMinimum(0.4f);
    limited.setDecay(0.1f, 0.0f, 1.0f);
    dsp::DecayEnvelope reference;
    reference.init(kSampleRate);
    reference.setDecay(0.4f, 0.0f, 1.0f);
    limited.trigger();
    reference.trigger();
    runLinearBlock(limited);
    runLinearBlock(reference);
    EXPECT_EQ(limited.level(), reference.level());
}

TEST(DecayEnvelope, KillFromFullLevelEndsAfterThirtyFourBlocks)
{
    dsp::DecayEnvelope env;
    env.init(kSampleRate);
    env.setDecay(1.0f, 0.0f, 1.0f);
    env.trigger();
    env.kill();
    int blocks = 0;
    while (env.isActive() && blocks < 100) {
        runLinearBlock(env);
        ++blocks;
    }
    EXPECT_EQ(blocks, 34);
}

} // namespace
