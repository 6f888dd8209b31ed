#include "engine/dsp/envelope_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kSampleRate = 44100.0f;

TEST(Clamp01, LimitsToTheUnitRangeAndLetsNanThrough)
{
    EXPECT_EQ(dsp::clamp01(-0.5f), 0.0f);
    EXPECT_EQ(dsp::clamp01(0.3f), 0.3f);
    EXPECT_EQ(dsp::clamp01(1.7f), 1.0f);
    EXPECT_TRUE(std::isnan(dsp::clamp01(std::numeric_limits<float>::quiet_NaN())));
}

TEST(EnvelopeTimeLaw, ValueZeroSweepsInUnderThreeBlocks)
{
    const float rate = dsp::envelopeRate(0.0f, 14.0f, kSampleRate, 1.0f, 1.0f);
    EXPECT_NEAR(rate, 0.36268f, 1e-5f);
    EXPECT_NEAR(rate, 16000.0f / 44116.0f, 1e-7f);
    EXPECT_LT(1.0f / rate, 3.0f);
}

TEST(EnvelopeTimeLaw, ValueOneLastsTheLongestTimeOfTheScale)
{
    const float rate = dsp::envelopeRate(1.0f, 14.0f, kSampleRate, 1.0f, 1.0f);
    EXPECT_NEAR(rate, 16000.0 / (16384.0 * 44100.0 + 16.0), 1e-10);
    const double seconds = 1.0 / rate * 16.0 / kSampleRate;
    EXPECT_NEAR(seconds, 16.384, 0.01);
}

TEST(EnvelopeTimeLaw, AStageLastsAboutLongestTimeToThePowerOfTheValue)
{
    const float scale = dsp::envelopeTimeScale(1000.0f);
    for (float x : {0.25f, 0.5f, 0.75f}) {
        const float rate = dsp::envelopeRate(x, scale, kSampleRate, 1.0f, 1.0f);
        const double ms = 1.0 / rate * 16.0 / kSampleRate * 1000.0;
        EXPECT_NEAR(ms, std::pow(1000.0, x), 0.01 * std::pow(1000.0, x)) << "x = " << x;
    }
}

TEST(EnvelopeTimeLaw, GainAndFactorSpeedTheStageUp)
{
    const float base = dsp::envelopeRate(0.5f, 10.0f, kSampleRate, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(dsp::envelopeRate(0.5f, 10.0f, kSampleRate, 2.0f, 1.5f), 3.0f * base);
}

TEST(EnvelopeTimeScale, IsTheOctaveCountOfTheLongestTime)
{
    EXPECT_NEAR(dsp::envelopeTimeScale(16384.0f), dsp::kDefaultEnvelopeTimeScale, 1e-5f);
    EXPECT_NEAR(dsp::envelopeTimeScale(1000.0f), 9.965784f, 1e-5f);
}

TEST(CurveExponent, BendsBothWaysAroundTheStraightMiddle)
{
    for (float range : {1.0f, 2.0f, 3.0f})
        EXPECT_EQ(dsp::curveExponent(0.5f, range), 1.0f);
    EXPECT_EQ(dsp::curveExponent(0.0f, 2.0f), 4.0f);
    EXPECT_EQ(dsp::curveExponent(1.0f, 2.0f), 0.25f);
}

TEST(DecayValueClamp, CapsAtOneAndRaisesToTheMinimum)
{
    EXPECT_EQ(dsp::clampDecayValue(1.4f, 0.0f), 1.0f);
    EXPECT_EQ(dsp::clampDecayValue(-0.2f, 0.0f), 0.0f);
    EXPECT_EQ(dsp::clampDecayValue(0.1f, 0.3f), 0.3f);
    EXPECT_EQ(dsp::clampDecayValue(0.6f, 0.3f), 0.6f);
}

TEST(EnvelopeTrack, ReachesTheBlockEndInSixteenStepsOrFourQuadSteps)
{
    dsp::EnvelopeTrack single;
    single.hold(1.0f);
    single.beginBlock();
    single.endBlock(0.5f);
    dsp::EnvelopeTrack quad = single;
    for (int i = 0; i < 16; ++i)
        single.step();
    for (int i = 0; i < 4; ++i)
        quad.step4();
    EXPECT_FLOAT_EQ(single.run, 0.5f);
    EXPECT_FLOAT_EQ(quad.run, 0.5f);
}

TEST(EnvelopeTrack, NextBlockStartsFromTheIntendedEndNotTheAccumulatedValue)
{
    dsp::EnvelopeTrack track;
    track.beginBlock();
    track.endBlock(0.3f);
    for (int i = 0; i < 16; ++i)
        track.step();
    track.beginBlock();
    EXPECT_EQ(track.run, 0.3f);
    EXPECT_EQ(track.start, 0.3f);
}

TEST(KillStep, TakesThirtyFourBlocksFromFullLevel)
{
    float level = 1.0f;
    int blocks = 1;
    while (!dsp::killStep(level))
        ++blocks;
    EXPECT_EQ(blocks, 34);
    EXPECT_EQ(level, 0.0f);
}

} // namespace
