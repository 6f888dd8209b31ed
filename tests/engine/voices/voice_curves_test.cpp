#include "engine/voices/voice_curves.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

namespace {

TEST(FreqFromValue, SpansTwentyHertzToTwentyKilohertzInTenOctavesAndClampsBeyond)
{
    EXPECT_FLOAT_EQ(voices::freqFromValue(0.0f), 20.0f);
    EXPECT_FLOAT_EQ(voices::freqFromValue(0.5f), 640.0f);
    EXPECT_FLOAT_EQ(voices::freqFromValue(1.0f), 20480.0f);
    EXPECT_FLOAT_EQ(voices::freqFromValue(-3.0f), 20.0f);
    EXPECT_FLOAT_EQ(voices::freqFromValue(7.0f), 20480.0f);
}

TEST(BalanceGains, CentreIsFullOnBothSidesAndTheEndsCutOneSide)
{
    for (const auto& [x, left, right] :
         {std::tuple{0.5f, 1.0f, 1.0f}, {0.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 1.0f}, {0.75f, 0.5f, 1.0f}}) {
        EXPECT_EQ(voices::balanceGains(x).left, left) << x;
        EXPECT_EQ(voices::balanceGains(x).right, right) << x;
    }
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

TEST(FadeIn, RampsFromZeroOverTheAttackTimeAndBelowOneThousandthHasNoRamp)
{
    const voices::FadeIn attack = voices::fadeInRate(1.0f, 44100.0f);
    const voices::FadeIn scaled = voices::fadeInRateScaled(1.0f, 44100.0f, 10.0f);
    EXPECT_EQ(attack.start, 0.0f);
    EXPECT_EQ(scaled.start, 0.0f);
    EXPECT_NEAR(1.0f / attack.increment, 0.020f * 44100.0f, 1.0f);
    EXPECT_NEAR(1.0f / scaled.increment, 1.024f * 44100.0f, 1.0f);
    EXPECT_EQ(voices::fadeInRate(0.001f, 44100.0f).start, 0.0f);
    EXPECT_LT(voices::fadeInRateScaled(0.001f, 44100.0f, 14.0f).increment, 1.0f);

    const voices::FadeIn noAttack = voices::fadeInRate(0.0009f, 44100.0f);
    EXPECT_EQ(noAttack.start, 1.0f);
    EXPECT_EQ(noAttack.increment, 0.0f);
    const voices::FadeIn instant = voices::fadeInRateScaled(0.0009f, 44100.0f, 14.0f);
    EXPECT_EQ(instant.start, 0.0f);
    EXPECT_GE(instant.increment, 1.0f);
}

TEST(RandomBipolar, FollowsTheMultiplicativeGeneratorAndStoresProductPlusOne)
{
    std::uint32_t seed = 1;
    EXPECT_FLOAT_EQ(voices::randomBipolar(seed), 16807.0f / 2147483648.0f);
    EXPECT_EQ(seed, 16808u);
    seed = 0x80000000u / 16807u + 1u; // the product wraps past the sign bit
    EXPECT_LT(voices::randomBipolar(seed), 0.0f);
}

} // namespace
