#include "engine/voices/voice_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(FreqFromValue, SpansTwentyHertzToTwentyKilohertzInTenOctaves)
{
    EXPECT_FLOAT_EQ(voices::freqFromValue(0.0f), 20.0f);
    EXPECT_FLOAT_EQ(voices::freqFromValue(0.5f), 640.0f);
    EXPECT_FLOAT_EQ(voices::freqFromValue(1.0f), 20480.0f);
}

TEST(FreqFromValue, ClampsValuesOutsideTheRange)
{
    EXPECT_FLOAT_EQ(voices::freqFromValue(-3.0f), 20.0f);
    EXPECT_FLOAT_EQ(voices::freqFromValue(7.0f), 20480.0f);
}

TEST(BalanceGains, CentreIsFullOnBothSidesAndTheEndsCutOneSide)
{
    EXPECT_EQ(voices::balanceGains(0.5f).left, 1.0f);
    EXPECT_EQ(voices::balanceGains(0.5f).right, 1.0f);
    EXPECT_EQ(voices::balanceGains(0.0f).left, 1.0f);
    EXPECT_EQ(voices::balanceGains(0.0f).right, 0.0f);
    EXPECT_EQ(voices::balanceGains(1.0f).left, 0.0f);
    EXPECT_EQ(voices::balanceGains(1.0f).right, 1.0f);
    EXPECT_FLOAT_EQ(voices::balanceGains(0.75f).left, 0.5f);
}

TEST(DbGain, BottomOfTheFaderIsSilent)
{
    EXPECT_EQ(voices::dbGain(0.0009f, 60.0f, 60.0f), 0.0f);
    EXPECT_FLOAT_EQ(voices::dbGain(1.0f, 60.0f, 60.0f), 1.0f);
    EXPECT_FLOAT_EQ(voices::dbGain(0.5f, 40.0f, 40.0f), 0.1f);
}

TEST(Curves, RationalCurveKeepsItsEndsAndBendsWithK)
{
    EXPECT_FLOAT_EQ(voices::curveRational(0.0f, 0.1f), 0.0f);
    EXPECT_FLOAT_EQ(voices::curveRational(1.0f, 0.1f), 1.0f);
    EXPECT_FLOAT_EQ(voices::curveRational(0.3f, 0.5f), 0.3f);
    EXPECT_LT(voices::curveRational(0.3f, 0.1f), 0.3f);
    EXPECT_GT(voices::curveRational(0.3f, 0.9f), 0.3f);
}

TEST(Curves, PowerCurveAndExpScale)
{
    EXPECT_FLOAT_EQ(voices::curvePower(0.5f, 1.0f), 0.5f);
    EXPECT_FLOAT_EQ(voices::curvePower(0.5f, 2.0f), 0.75f);
    EXPECT_FLOAT_EQ(voices::expScale(1.0f, 640.0f, 5.0f), 20480.0f);
}

TEST(FadeIn, AttackRisesInAboutTwentyToTheXMilliseconds)
{
    const voices::FadeIn fade = voices::fadeInRate(1.0f, 44100.0f);
    EXPECT_EQ(fade.start, 0.0f);
    const float samples = 1.0f / fade.increment;
    EXPECT_NEAR(samples, 0.020f * 44100.0f, 1.0f);
}

TEST(FadeIn, NoAttackStartsAtFullLevel)
{
    const voices::FadeIn fade = voices::fadeInRate(0.0009f, 44100.0f);
    EXPECT_EQ(fade.start, 1.0f);
    EXPECT_EQ(fade.increment, 0.0f);
}

TEST(FadeIn, ScaledRampStartsFromZeroAndReachesFullAtOnceWithoutTime)
{
    const voices::FadeIn slow = voices::fadeInRateScaled(1.0f, 44100.0f, 14.0f);
    EXPECT_EQ(slow.start, 0.0f);
    EXPECT_NEAR(1.0f / slow.increment, 16.384f * 44100.0f, 2.0f);
    const voices::FadeIn instant = voices::fadeInRateScaled(0.0f, 44100.0f, 14.0f);
    EXPECT_EQ(instant.start, 0.0f);
    EXPECT_GE(instant.start + instant.increment, 1.0f);
}

TEST(RandomBipolar, FollowsTheMultiplicativeGeneratorAndStoresProductPlusOne)
{
    std::uint32_t seed = 1;
    EXPECT_FLOAT_EQ(voices::randomBipolar(seed), 16807.0f / 2147483648.0f);
    EXPECT_EQ(seed, 16808u);
    seed = 0x80000000u / 16807u + 1u; // the product wraps past the sign bit
    EXPECT_LT(voices::randomBipolar(seed), 0.0f);
}

TEST(RandomBipolar, StaysWithinPlusMinusOne)
{
    std::uint32_t seed = 12345;
    for (int i = 0; i < 100000; ++i) {
        const float v = voices::randomBipolar(seed);
        ASSERT_GE(v, -1.0f);
        ASSERT_LT(v, 1.0f);
    }
}

} // namespace
