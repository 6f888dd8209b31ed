#include "engine/dsp/time_conversion.h"

#include "engine/dsp/dsp_constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

constexpr float kSampleRate = 44100.0f;

TEST(RampIncrement, RampLastsTheLongestTimeToThePowerOfTheValueWhateverTheStride)
{
    for (const auto& [value, longestMs, ms] :
         {std::tuple{0.0f, 16384.0f, 1.0f}, {1.0f, 16384.0f, 16384.0f}, {0.5f, 2500.0f, 50.0f}}) {
        const float perSample = dsp::rampIncrement(value, dsp::octaveSpan(longestMs), kSampleRate, 1.0f);
        EXPECT_NEAR(1000.0f / perSample / kSampleRate, ms, 1e-3f * ms) << value;
        EXPECT_FLOAT_EQ(dsp::rampIncrement(value, dsp::octaveSpan(longestMs), kSampleRate, 16.0f), 16.0f * perSample);
    }
    EXPECT_TRUE(std::isfinite(dsp::rampIncrement(0.0f, 14.0f, 0.0f, 1.0f))) << "no sample rate";
}

} // namespace
