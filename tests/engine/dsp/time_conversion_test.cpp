#include "engine/dsp/time_conversion.h"

#include "engine/dsp/dsp_constants.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kSampleRate = 44100.0f;

TEST(RampIncrement, ValuesBelowOneThousandthMeanNoRamp)
{
    EXPECT_EQ(dsp::rampIncrement(0.0f, 14.0f, kSampleRate), 0.0f);
    EXPECT_EQ(dsp::rampIncrement(0.0009f, 14.0f, kSampleRate), 0.0f);
    EXPECT_GT(dsp::rampIncrement(0.001f, 14.0f, kSampleRate), 0.0f);
}

TEST(RampIncrement, RampLastsAboutTheMappedTime)
{
    const float span = dsp::octaveSpan(2500.0f);
    const float increment = dsp::rampIncrement(1.0f, span, kSampleRate);
    EXPECT_NEAR(increment, 1000.0 / (2500.0 * 44100.0 + 16.0), 1e-10);
    const double ms = 1.0 / increment / kSampleRate * 1000.0;
    EXPECT_NEAR(ms, 2500.0, 1.0);
}

TEST(AttackRampIncrement, SpansOneToTwentyMilliseconds)
{
    EXPECT_NEAR(dsp::attackRampIncrement(0.001f, kSampleRate), 1000.0f / (kSampleRate + 16.0f), 1e-4f);
    EXPECT_NEAR(dsp::attackRampIncrement(1.0f, kSampleRate), 1000.0f / (20.0f * kSampleRate + 16.0f), 1e-8f);
    EXPECT_EQ(dsp::attackRampIncrement(0.5f, kSampleRate),
              dsp::rampIncrement(0.5f, dsp::kAttackTimeRange, kSampleRate));
}

} // namespace
