#include "engine/voices/voice_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <tuple>

namespace {

TEST(VoiceCurves, FrequencyGainAndBalanceLaws)
{
    // Ten octaves from 20 Hz, clamped beyond the knob's travel.
    for (const auto& [x, hertz] : {std::pair{0.0f, 20.0f}, {0.5f, 640.0f}, {1.0f, 20480.0f}, {-3.0f, 20.0f},
                                   {7.0f, 20480.0f}})
        EXPECT_FLOAT_EQ(voices::freqFromValue(x), hertz) << x;
    EXPECT_FLOAT_EQ(voices::expScale(1.0f, 640.0f, 5.0f), 20480.0f);
    // The bottom of a fader is silent.
    EXPECT_EQ(voices::dbGain(0.0009f, 60.0f, 60.0f), 0.0f);
    EXPECT_FLOAT_EQ(voices::dbGain(1.0f, 60.0f, 60.0f), 1.0f);
    EXPECT_FLOAT_EQ(voices::dbGain(0.5f, 40.0f, 40.0f), 0.1f);
    // Balance, not a pan law: the centre keeps both sides full.
    for (const auto& [x, left, right] :
         {std::tuple{0.5f, 1.0f, 1.0f}, {0.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 1.0f}, {0.75f, 0.5f, 1.0f}})
        EXPECT_EQ(std::pair(voices::balanceGains(x).left, voices::balanceGains(x).right), std::pair(left, right)) << x;
}

// Held levels, moves, the silent bottom, a negative zero and a NaN: the memo gives dbGain's value bit for bit.
TEST(VoiceCurves, AGainMemoFollowsEveryMoveOfTheLevel)
{
    voices::DbGainMemo memo;
    for (float x : {0.5f, 0.5f, 0.7f, 0.0005f, 0.0005f, 0.5f, -0.0f, 0.0f, std::nanf(""), 1.0f, 1.0f}) {
        const float expected = voices::dbGain(x, 60.0f, 60.0f);
        const float gain = memo(x, 60.0f, 60.0f);
        EXPECT_TRUE(std::memcmp(&gain, &expected, sizeof gain) == 0) << x;
    }
}

// Held exponents, moves, a negative zero and a NaN: the memo gives exp2's value bit for bit.
TEST(VoiceCurves, APowerMemoFollowsEveryMoveOfTheExponent)
{
    voices::Exp2Memo memo;
    for (float x : {0.25f, 0.25f, -1.5f, 0.0f, -0.0f, std::nanf(""), 0.25f, 0.25f}) {
        const float expected = std::exp2(x);
        const float power = memo(x);
        EXPECT_TRUE(std::memcmp(&power, &expected, sizeof power) == 0) << x;
    }
}

TEST(VoiceCurves, RationalCurveKeepsItsEndsAndBendsWithKAndThePowerCurveFollowsItsExponent)
{
    EXPECT_FLOAT_EQ(voices::curveRational(0.0f, 0.1f), 0.0f);
    EXPECT_FLOAT_EQ(voices::curveRational(1.0f, 0.1f), 1.0f);
    EXPECT_FLOAT_EQ(voices::curveRational(0.3f, 0.5f), 0.3f);
    EXPECT_LT(voices::curveRational(0.3f, 0.1f), 0.3f);
    EXPECT_GT(voices::curveRational(0.3f, 0.9f), 0.3f);
    EXPECT_FLOAT_EQ(voices::curvePower(0.5f, 1.0f), 0.5f);
    EXPECT_FLOAT_EQ(voices::curvePower(0.5f, 2.0f), 0.75f);
}

TEST(VoiceCurves, FadeInRampsOverTheAttackTimeAndBelowOneThousandthHasNoRamp)
{
    const voices::FadeIn attack = voices::fadeInRate(1.0f, 44100.0f);
    const voices::FadeIn scaled = voices::fadeInRateScaled(1.0f, 44100.0f, 10.0f);
    EXPECT_EQ(std::pair(attack.start, scaled.start), std::pair(0.0f, 0.0f));
    EXPECT_NEAR(1.0f / attack.increment, 0.020f * 44100.0f, 1.0f);
    EXPECT_NEAR(1.0f / scaled.increment, 1.024f * 44100.0f, 1.0f);
    EXPECT_EQ(voices::fadeInRate(0.001f, 44100.0f).start, 0.0f);
    EXPECT_LT(voices::fadeInRateScaled(0.001f, 44100.0f, 14.0f).increment, 1.0f);
    const voices::FadeIn noAttack = voices::fadeInRate(0.0009f, 44100.0f);
    EXPECT_EQ(std::pair(noAttack.start, noAttack.increment), std::pair(1.0f, 0.0f));
    const voices::FadeIn instant = voices::fadeInRateScaled(0.0009f, 44100.0f, 14.0f);
    EXPECT_EQ(instant.start, 0.0f);
    EXPECT_GE(instant.increment, 1.0f);
}

TEST(VoiceCurves, RandomBipolarFollowsTheMultiplicativeGeneratorAndStoresProductPlusOne)
{
    std::uint32_t seed = 1;
    EXPECT_FLOAT_EQ(voices::randomBipolar(seed), 16807.0f / 2147483648.0f);
    EXPECT_EQ(seed, 16808u);
    seed = 0x80000000u / 16807u + 1u; // the product wraps past the sign bit
    EXPECT_LT(voices::randomBipolar(seed), 0.0f);
}

} // namespace
