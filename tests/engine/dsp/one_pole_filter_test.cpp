#include "engine/dsp/one_pole_filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

constexpr float kSampleRate = 44100.0f;

TEST(OnePoleCutoff, InputGainIsTwiceTheCutoffOverTheRateBetweenFiftyHertzAndFourTenths)
{
    const float fifty = 2.0f * 50.0f / kSampleRate, thousand = 2.0f * 1000.001f / kSampleRate;
    // Cutoff, factor, gain.
    const std::tuple<float, float, float> cases[] = {
        {1000.0f, 1.0f, thousand}, {500.0f, 2.0f, thousand}, {10.0f, 1.0f, fifty},    {0.0f, 1.0f, fifty},
        {-300.0f, 1.0f, fifty},    {std::nanf(""), 1.0f, fifty}, {8820.0f, 1.0f, 0.4f}, {15000.0f, 1.0f, 0.4f}};
    for (const auto& [cutoff, factor, gain] : cases) {
        // The first high-pass output of a unit step from rest is 1 - gain.
        dsp::OnePoleFilter filter;
        filter.init(kSampleRate);
        filter.setCutoff(cutoff, factor);
        EXPECT_NEAR(1.0f - filter.highPass(1.0f), gain, 1e-5f) << cutoff << " x " << factor;
    }
}

TEST(OnePoleFilter, StepResponsesFollowTheSinglePoleOnEveryOutputAndChannelAndDecayWithoutDenormals)
{
    // From rest, n samples of a constant x leave x (1 - g)^n in the high-pass
    // and the rest in the low-pass.
    const float g = 2.0f * 2000.001f / kSampleRate;
    dsp::OnePoleFilter mono;
    mono.init(kSampleRate);
    mono.setCutoff(2000.0f, 1.0f);
    dsp::OnePoleFilter low = mono, high = mono;
    for (int n = 1; n <= 200; ++n) {
        const float remaining = std::pow(1.0f - g, float(n));
        float lowLeft = 0.5f, lowRight = -0.25f, highLeft = 0.5f, highRight = -0.25f;
        low.lowPassStereo(lowLeft, lowRight);
        high.highPassStereo(highLeft, highRight);
        ASSERT_NEAR(mono.highPass(0.7f), 0.7f * remaining, 1e-5f) << n;
        ASSERT_NEAR(lowLeft, 0.5f * (1.0f - remaining), 1e-5f) << n;
        ASSERT_NEAR(lowRight, -0.25f * (1.0f - remaining), 1e-5f) << n;
        ASSERT_NEAR(highLeft, 0.5f * remaining, 1e-5f) << n;
        ASSERT_NEAR(highRight, -0.25f * remaining, 1e-5f) << n;
    }
    mono.reset();
    EXPECT_NEAR(mono.highPass(1.0f), 1.0f - g, 1e-6f);
    // A decay into silence stops short of the denormal range.
    float left = 1.0f, right = 1.0f;
    low.lowPassStereo(left, right);
    for (int i = 0; i < 1000000; ++i) {
        left = right = 0.0f;
        low.lowPassStereo(left, right);
    }
    for (float y : {left, right})
        EXPECT_TRUE(y == 0.0f || std::fpclassify(y) == FP_NORMAL) << y;
}

} // namespace
