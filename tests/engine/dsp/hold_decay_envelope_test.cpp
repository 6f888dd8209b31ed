#include "engine/dsp/hold_decay_envelope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kSampleRate = 44100.0f;
const float kFastestRate = 16000.0f / (kSampleRate + 16.0f);

void runBlock(dsp::HoldDecayEnvelope& env)
{
    env.process();
    for (int i = 0; i < 16; ++i)
        env.step();
}

TEST(HoldDecayEnvelope, HoldsFullLevelForTheHoldTimeThenDecays)
{
    dsp::HoldDecayEnvelope env;
    env.init(kSampleRate);
    env.setHoldTimeScale(1000.0f);
    env.setHold(0.5f, 0.0f, 1.0f);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    // About 31.6 ms of hold: 1 / rate blocks.
    const float holdRate = 16000.0f / (std::exp2(0.5f * 9.965784f) * kSampleRate + 16.0f);
    const int holdBlocks = static_cast<int>(std::ceil(1.0f / holdRate));
    for (int i = 0; i < holdBlocks; ++i) {
        runBlock(env);
        ASSERT_EQ(env.level(), 1.0f) << "block " << i;
    }
    runBlock(env);
    EXPECT_NEAR(env.level(), 1.0f - kFastestRate, 1e-5f);
}

TEST(HoldDecayEnvelope, DefaultHoldLastsOneBlock)
{
    dsp::HoldDecayEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    runBlock(env);
    EXPECT_EQ(env.level(), 1.0f);
    runBlock(env);
    EXPECT_NEAR(env.level(), 1.0f - kFastestRate, 1e-5f);
}

TEST(HoldDecayEnvelope, OutputFollowsTheCurveExponent)
{
    dsp::HoldDecayEnvelope env;
    env.init(kSampleRate);
    env.setCurveExponent(1.0f);
    env.setDecay(0.6f, 0.0f, 1.0f);
    env.trigger();
    for (int i = 0; i < 30; ++i)
        runBlock(env);
    ASSERT_LT(env.level(), 1.0f);
    EXPECT_NEAR(env.output(), env.level() * env.level(), 1e-5f);

    env.setCurve(1.0f, 2.0f);
    runBlock(env);
    EXPECT_NEAR(env.output(), std::pow(env.level(), 0.25f), 1e-5f);
}

TEST(HoldDecayEnvelope, EndsInactiveAfterTheDecay)
{
    dsp::HoldDecayEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    int blocks = 0;
    while (env.isActive() && blocks < 100) {
        runBlock(env);
        ++blocks;
    }
    // One hold block, three falling, one resting at 0.
    EXPECT_EQ(blocks, 5);
    EXPECT_EQ(env.output(), 0.0f);
}

TEST(HoldDecayEnvelope, DecayNeverRunsFasterThanItsMinimum)
{
    dsp::HoldDecayEnvelope limited;
    limited.init(kSampleRate);
    limited.setDecayMinimum(0.4f);
    limited.setDecay(-1.0f, 0.0f, 1.0f);
    dsp::HoldDecayEnvelope reference;
    reference.init(kSampleRate);
    reference.setDecay(0.4f, 0.0f, 1.0f);
    limited.trigger();
    reference.trigger();
    for (int i = 0; i < 3; ++i) {
        runBlock(limited);
        runBlock(reference);
    }
    EXPECT_EQ(limited.level(), reference.level());
}

TEST(HoldDecayEnvelope, KillInTheHoldEndsAfterThirtyFourBlocks)
{
    dsp::HoldDecayEnvelope env;
    env.init(kSampleRate);
    env.setHold(1.0f, 0.0f, 1.0f);
    env.trigger();
    runBlock(env);
    env.kill();
    int blocks = 0;
    while (env.isActive() && blocks < 100) {
        runBlock(env);
        ++blocks;
    }
    EXPECT_EQ(blocks, 34);
    EXPECT_NEAR(env.level(), 0.0f, 1e-6f);
}

} // namespace
