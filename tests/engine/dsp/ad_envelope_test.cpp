#include "engine/dsp/ad_envelope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kSampleRate = 44100.0f;
const float kFastestRate = 16000.0f / (kSampleRate + 16.0f);

// One 16-sample block as the voices run it: process, then a step per sample.
void runBlock(dsp::AdEnvelope& env)
{
    env.process();
    for (int i = 0; i < 16; ++i)
        env.step();
}

TEST(AdEnvelope, ConstructedEnvelopeHasUnitGain)
{
    dsp::AdEnvelope env;
    env.init(kSampleRate);
    env.setAttack(0.0f, 0.0f, 1.0f);
    env.trigger();
    runBlock(env);
    EXPECT_NEAR(env.level(), kFastestRate, 1e-5f);
}

TEST(AdEnvelope, OwnerGainScalesTheRates)
{
    dsp::AdEnvelope env;
    env.init(kSampleRate);
    env.setGain(0.5f);
    env.setAttack(0.0f, 0.0f, 1.0f);
    env.trigger();
    runBlock(env);
    EXPECT_NEAR(env.level(), 0.5f * kFastestRate, 1e-5f);
}

TEST(AdEnvelope, DefaultAttackReachesFullLevelInTheFirstBlockAndDecaysFromTheSecond)
{
    dsp::AdEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    runBlock(env);
    EXPECT_NEAR(env.level(), 1.0f, 1e-6f);
    runBlock(env);
    EXPECT_NEAR(env.level(), 1.0f - kFastestRate, 1e-5f);
}

TEST(AdEnvelope, AttackIsLinearAndDecayFollowsTheCurve)
{
    dsp::AdEnvelope env;
    env.init(kSampleRate);
    env.setAttackTimeScale(20.0f);
    env.setAttack(0.5f, 0.0f, 1.0f);
    env.setDecay(0.5f, 0.0f, 1.0f);
    env.setCurve(0.0f, 2.0f);
    env.trigger();
    runBlock(env);
    EXPECT_GT(env.level(), 0.0f);
    EXPECT_LT(env.level(), 1.0f);
    EXPECT_NEAR(env.output(), env.level(), 1e-6f);

    while (env.level() < 0.999f)
        runBlock(env);
    for (int i = 0; i < 20; ++i)
        runBlock(env);
    EXPECT_LT(env.level(), 0.999f);
    EXPECT_NEAR(env.output(), std::pow(env.level(), 4.0f), 1e-4f);
}

TEST(AdEnvelope, CurveExponentIsAPowerOfTwo)
{
    dsp::AdEnvelope env;
    env.init(kSampleRate);
    env.setCurveExponent(1.0f);
    env.setDecay(0.8f, 0.0f, 1.0f);
    env.trigger();
    for (int i = 0; i < 200; ++i)
        runBlock(env);
    EXPECT_NEAR(env.output(), env.level() * env.level(), 1e-5f);
}

TEST(AdEnvelope, EndsInactiveOnceTheDecayHasReachedZero)
{
    dsp::AdEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    int blocks = 0;
    while (env.isActive() && blocks < 100) {
        runBlock(env);
        ++blocks;
    }
    EXPECT_FALSE(env.isActive());
    EXPECT_EQ(env.level(), 0.0f);
    // One block to full level, three to fall to 0, one more standing at 0.
    EXPECT_EQ(blocks, 5);
}

TEST(AdEnvelope, KillFromFullLevelEndsAfterThirtyFourBlocks)
{
    dsp::AdEnvelope env;
    env.init(kSampleRate);
    env.setDecay(1.0f, 0.0f, 1.0f);
    env.trigger();
    runBlock(env);
    ASSERT_NEAR(env.level(), 1.0f, 1e-5f);

    env.kill();
    for (int i = 0; i < 33; ++i)
        runBlock(env);
    EXPECT_TRUE(env.isActive());
    EXPECT_GT(env.level(), 0.0f);
    runBlock(env);
    EXPECT_FALSE(env.isActive());
    EXPECT_NEAR(env.level(), 0.0f, 1e-6f);
}

TEST(AdEnvelope, TriggerAfterKillStartsAFreshAttack)
{
    dsp::AdEnvelope env;
    env.init(kSampleRate);
    env.setAttack(0.0f, 0.0f, 1.0f);
    env.setDecay(1.0f, 0.0f, 1.0f);
    env.trigger();
    runBlock(env);
    env.kill();
    runBlock(env);
    env.trigger();
    EXPECT_EQ(env.level(), 0.0f);
    runBlock(env);
    EXPECT_NEAR(env.level(), kFastestRate, 1e-5f);
}

TEST(AdEnvelope, QuadStepsLandWhereSingleStepsDo)
{
    dsp::AdEnvelope single;
    single.init(kSampleRate);
    single.setAttack(0.3f, 0.0f, 1.0f);
    single.setDecay(0.3f, 0.0f, 1.0f);
    single.trigger();
    dsp::AdEnvelope quad = single;
    for (int block = 0; block < 10; ++block) {
        single.process();
        quad.process();
        for (int i = 0; i < 16; ++i) {
            single.step();
            if ((i & 3) == 0)
                quad.step4();
        }
        EXPECT_NEAR(single.level(), quad.level(), 1e-6f);
        EXPECT_NEAR(single.output(), quad.output(), 1e-6f);
    }
}

} // namespace
