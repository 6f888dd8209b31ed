#include "engine/dsp/one_pole_filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kSampleRate = 44100.0f;

// The first high-pass output of a unit step from rest is 1 - a, which reveals
// the input gain the cutoff produced.
float inputGainFor(float cutoff, float factor = 1.0f)
{
    dsp::OnePoleFilter filter;
    filter.init(kSampleRate);
    filter.setCutoff(cutoff, factor);
    return 1.0f - filter.highPass(1.0f);
}

TEST(OnePoleCutoff, FollowsTheCutoffInTheMiddleRange)
{
    EXPECT_NEAR(inputGainFor(1000.0f), 2.0f * 1000.001f / kSampleRate, 1e-6f);
    EXPECT_NEAR(inputGainFor(500.0f, 2.0f), 2.0f * 1000.001f / kSampleRate, 1e-6f);
}

TEST(OnePoleCutoff, BelowFiftyHertzActsAsFiftyHertz)
{
    const float fifty = 2.0f * 50.0f / kSampleRate;
    EXPECT_NEAR(inputGainFor(10.0f), fifty, 1e-6f);
    EXPECT_NEAR(inputGainFor(-300.0f), fifty, 1e-6f);
    EXPECT_NEAR(inputGainFor(0.0f), fifty, 1e-6f);
}

TEST(OnePoleCutoff, CoefficientStopsAtFourTenths)
{
    EXPECT_NEAR(inputGainFor(8820.0f), 0.4f, 1e-5f);
    EXPECT_NEAR(inputGainFor(15000.0f), 0.4f, 1e-6f);
}

TEST(OnePoleCutoff, NanCutoffActsAsFiftyHertz)
{
    EXPECT_NEAR(inputGainFor(std::numeric_limits<float>::quiet_NaN()), 2.0f * 50.0f / kSampleRate, 1e-6f);
}

TEST(OnePoleFilter, HighPassOfAConstantDecaysToZero)
{
    dsp::OnePoleFilter filter;
    filter.init(kSampleRate);
    filter.setCutoff(200.0f, 1.0f);
    float out = 1.0f;
    for (int i = 0; i < 44100; ++i)
        out = filter.highPass(0.7f);
    EXPECT_NEAR(out, 0.0f, 1e-5f);
}

TEST(OnePoleFilter, StereoLowPassSettlesOnEachChannelsInput)
{
    dsp::OnePoleFilter filter;
    filter.init(kSampleRate);
    filter.setCutoff(2000.0f, 1.0f);
    float left = 0.0f;
    float right = 0.0f;
    for (int i = 0; i < 4410; ++i) {
        left = 0.5f;
        right = -0.25f;
        filter.lowPassStereo(left, right);
    }
    EXPECT_NEAR(left, 0.5f, 1e-5f);
    EXPECT_NEAR(right, -0.25f, 1e-5f);
}

TEST(OnePoleFilter, StereoHighPassRemovesAConstantOnEachChannel)
{
    dsp::OnePoleFilter filter;
    filter.init(kSampleRate);
    filter.setCutoff(2000.0f, 1.0f);
    float left = 0.0f;
    float right = 0.0f;
    for (int i = 0; i < 4410; ++i) {
        left = 0.5f;
        right = -0.25f;
        filter.highPassStereo(left, right);
    }
    EXPECT_NEAR(left, 0.0f, 1e-5f);
    EXPECT_NEAR(right, 0.0f, 1e-5f);
}

TEST(OnePoleFilter, ResetForgetsThePast)
{
    dsp::OnePoleFilter filter;
    filter.init(kSampleRate);
    filter.setCutoff(1000.0f, 1.0f);
    for (int i = 0; i < 100; ++i)
        filter.highPass(1.0f);
    filter.reset();
    const float first = filter.highPass(1.0f);
    EXPECT_NEAR(first, 1.0f - 2.0f * 1000.001f / kSampleRate, 1e-6f);
}

TEST(OnePoleFilter, SilenceDoesNotDecayIntoDenormals)
{
    dsp::OnePoleFilter filter;
    filter.init(kSampleRate);
    filter.setCutoff(50.0f, 1.0f);
    float left = 1.0f;
    float right = 1.0f;
    filter.lowPassStereo(left, right);
    for (int i = 0; i < 1000000; ++i) {
        left = 0.0f;
        right = 0.0f;
        filter.lowPassStereo(left, right);
    }
    EXPECT_TRUE(left == 0.0f || std::fpclassify(left) == FP_NORMAL);
    EXPECT_TRUE(right == 0.0f || std::fpclassify(right) == FP_NORMAL);
}

} // namespace
