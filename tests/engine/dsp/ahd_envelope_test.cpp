#include "engine/dsp/ahd_envelope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kSampleRate = 44100.0f;
const float kFastestRate = 16000.0f / (kSampleRate + 16.0f);

void runBlock(dsp::AhdEnvelope& env)
{
    env.process();
    for (int i = 0; i < 16; ++i)
        env.step();
}

dsp::AhdEnvelope makeEnvelope(float attack, float hold, float decay, bool sustain = false)
{
    dsp::AhdEnvelope env;
    env.init(kSampleRate);
    env.setHoldFlag(sustain);
    env.setStages(attack, hold, decay, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f);
    return env;
}

TEST(AhdEnvelope, IdleEnvelopeReadsZeroOnEveryTrack)
{
    dsp::AhdEnvelope env;
    env.init(kSampleRate);
    runBlock(env);
    EXPECT_EQ(env.level(), 0.0f);
    EXPECT_EQ(env.output(), 0.0f);
    EXPECT_EQ(env.curvedOutput(), 0.0f);
    EXPECT_EQ(env.bipolarOutput(), 0.5f);
}

TEST(AhdEnvelope, RunsAttackHoldAndDecayInOrderThenStops)
{
    dsp::AhdEnvelope env = makeEnvelope(0.002f, 0.0f, 0.0f);
    env.trigger();
    EXPECT_EQ(env.level(), 0.0f);
    runBlock(env);
    EXPECT_NEAR(env.level(), 16000.0f / (std::exp2(14.0f * 0.002f) * kSampleRate + 16.0f), 1e-5f);
    int blocks = 1;
    while (env.level() < 1.0f - 1e-4f) {
        runBlock(env);
        ++blocks;
    }
    EXPECT_EQ(blocks, 3);
    // The fastest hold lasts three blocks, during which the level stands.
    for (int i = 0; i < 3; ++i) {
        runBlock(env);
        EXPECT_NEAR(env.level(), 1.0f, 1e-6f);
    }
    runBlock(env);
    EXPECT_NEAR(env.level(), 1.0f - kFastestRate, 1e-5f);
    while (env.isActive())
        runBlock(env);
    EXPECT_EQ(env.level(), 0.0f);
}

TEST(AhdEnvelope, AttackBelowOneThousandthStartsAtFullLevelInTheHoldStage)
{
    dsp::AhdEnvelope env = makeEnvelope(0.0005f, 0.3f, 0.3f);
    env.trigger();
    EXPECT_TRUE(env.isActive());
    EXPECT_EQ(env.level(), 1.0f);
    runBlock(env);
    EXPECT_EQ(env.level(), 1.0f);
    runBlock(env);
    EXPECT_EQ(env.level(), 1.0f);
}

TEST(AhdEnvelope, InstantAttackLooksAtTheModulatedValue)
{
    dsp::AhdEnvelope env;
    env.init(kSampleRate);
    env.setStages(0.0f, 0.3f, 0.3f, 0.2f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f);
    env.trigger();
    EXPECT_EQ(env.level(), 0.0f);
}

TEST(AhdEnvelope, SustainedFullHoldStaysAtThePeakUntilRelease)
{
    dsp::AhdEnvelope env = makeEnvelope(0.0f, 1.0f, 0.0f, true);
    env.trigger();
    for (int i = 0; i < 2000; ++i)
        runBlock(env);
    EXPECT_EQ(env.level(), 1.0f);
    EXPECT_TRUE(env.isActive());

    env.release();
    for (int i = 0; i < 5; ++i)
        runBlock(env);
    EXPECT_EQ(env.level(), 0.0f);
    EXPECT_FALSE(env.isActive());
}

TEST(AhdEnvelope, SustainedFullDecayHoldsTheLevelAfterReleaseUntilKill)
{
    dsp::AhdEnvelope env = makeEnvelope(0.0f, 1.0f, 1.0f, true);
    env.trigger();
    runBlock(env);
    env.release();
    for (int i = 0; i < 2000; ++i)
        runBlock(env);
    EXPECT_EQ(env.level(), 1.0f);

    env.kill();
    for (int i = 0; i < 34; ++i)
        runBlock(env);
    EXPECT_NEAR(env.level(), 0.0f, 1e-6f);
    EXPECT_FALSE(env.isActive());
}

TEST(AhdEnvelope, WithoutTheSustainFlagAFullHoldStillEnds)
{
    dsp::AhdEnvelope env = makeEnvelope(0.0f, 1.0f, 0.0f, false);
    env.setHoldTimeScale(2.0f);
    env.setStages(0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f);
    env.trigger();
    for (int i = 0; i < 100; ++i)
        runBlock(env);
    EXPECT_FALSE(env.isActive());
}

TEST(AhdEnvelope, AttackAndDecayHaveTheirOwnCurves)
{
    dsp::AhdEnvelope env = makeEnvelope(0.5f, 0.0f, 0.5f);
    env.setAttackCurve(0.0f, 2.0f);
    env.setDecayCurve(1.0f, 2.0f);
    env.trigger();
    runBlock(env);
    ASSERT_LT(env.level(), 1.0f);
    EXPECT_NEAR(env.curvedOutput(), std::pow(env.level(), 4.0f), 1e-6f);

    while (env.level() < 1.0f)
        runBlock(env);
    EXPECT_NEAR(env.curvedOutput(), 1.0f, 1e-6f);
    for (int i = 0; i < 40; ++i)
        runBlock(env);
    ASSERT_LT(env.level(), 1.0f);
    ASSERT_GT(env.level(), 0.0f);
    EXPECT_NEAR(env.curvedOutput(), std::pow(env.level(), 0.25f), 1e-5f);
}

TEST(AhdEnvelope, AmountScalesTheLinearOutputs)
{
    dsp::AhdEnvelope env = makeEnvelope(0.0f, 0.5f, 0.5f);
    env.setAmount(-0.5f);
    env.trigger();
    runBlock(env);
    EXPECT_EQ(env.level(), 1.0f);
    EXPECT_EQ(env.output(), -0.5f);
    EXPECT_EQ(env.bipolarOutput(), 0.25f);
}

TEST(AhdEnvelope, RetriggerClimbsFromTheCurrentLevel)
{
    dsp::AhdEnvelope env = makeEnvelope(0.0f, 0.0f, 0.5f);
    env.trigger();
    for (int i = 0; i < 60; ++i)
        runBlock(env);
    const float reached = env.level();
    ASSERT_GT(reached, 0.2f);
    ASSERT_LT(reached, 0.9f);

    env.setAttack(0.5f, 0.0f, 1.0f);
    env.retrigger();
    EXPECT_EQ(env.level(), reached);
    const float attackRate = 16000.0f / (std::exp2(7.0f) * kSampleRate + 16.0f);
    runBlock(env);
    EXPECT_NEAR(env.level(), reached + attackRate, 1e-5f);
}

TEST(AhdEnvelope, TriggerRestartsFromZero)
{
    dsp::AhdEnvelope env = makeEnvelope(0.5f, 0.0f, 0.5f);
    env.trigger();
    for (int i = 0; i < 30; ++i)
        runBlock(env);
    env.trigger();
    EXPECT_EQ(env.level(), 0.0f);
}

} // namespace
