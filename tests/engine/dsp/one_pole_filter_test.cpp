#include "engine/dsp/one_pole_filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

constexpr float kSampleRate = 44100.0f;

TEST(OnePoleFilter, StepResponsesFollowAPoleAtTwiceTheCutoffOverTheRateBetweenFiftyHertzAndFourTenths)
{
    // Cutoff, factor and the input gain g: from rest, n samples of a constant x leave x (1 - g)^n in the
    // high-pass and the rest in the low-pass, on every output and channel.
    const float fifty = 2.0f * 50.0f / kSampleRate, thousand = 2.0f * 1000.001f / kSampleRate;
    const std::tuple<float, float, float> cases[] = {
        {1000.0f, 1.0f, thousand}, {500.0f, 2.0f, thousand}, {10.0f, 1.0f, fifty},    {0.0f, 1.0f, fifty},
        {-300.0f, 1.0f, fifty},    {std::nanf(""), 1.0f, fifty}, {8820.0f, 1.0f, 0.4f}, {15000.0f, 1.0f, 0.4f}};
    const auto near = [](float y, float expected) { return std::fabs(y - expected) < 1e-5f; };
    for (const auto& [cutoff, factor, g] : cases) {
        dsp::OnePoleFilter mono;
        mono.init(kSampleRate);
        mono.setCutoff(cutoff, factor);
        dsp::OnePoleFilter low = mono, high = mono;
        for (int n = 1; n <= 200; ++n) {
            const float remaining = std::pow(1.0f - g, float(n));
            float lowLeft = 0.5f, lowRight = -0.25f, highLeft = 0.5f, highRight = -0.25f;
            low.lowPassStereo(lowLeft, lowRight);
            high.highPassStereo(highLeft, highRight);
            ASSERT_TRUE(near(mono.highPass(0.7f), 0.7f * remaining) && near(lowLeft, 0.5f * (1.0f - remaining)) &&
                        near(lowRight, -0.25f * (1.0f - remaining)) && near(highLeft, 0.5f * remaining) &&
                        near(highRight, -0.25f * remaining)) << cutoff << " x " << factor << ", sample " << n;
        }
        mono.reset();
        EXPECT_NEAR(mono.highPass(1.0f), 1.0f - g, 1e-6f);
        // A decay into silence never passes through the denormal range.
        for (int i = 0; i < 100000; ++i) {
            float left = 0.0f, right = 0.0f;
            low.lowPassStereo(left, right);
            ASSERT_TRUE(std::fpclassify(left) != FP_SUBNORMAL && std::fpclassify(right) != FP_SUBNORMAL) << i;
        }
    }
}

} // namespace
