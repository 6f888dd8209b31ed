#include "engine/dsp/dsp_constants.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DspConstants, OctaveSpansHaveTheirSinglePrecisionValues)
{
    EXPECT_EQ(dsp::kBdSweepStartRange, 10.965784f);
    EXPECT_EQ(dsp::kBdSweepEndRange, 3.321928f);
    EXPECT_EQ(dsp::kBdBaseFreqRange, 3.321928f);
    EXPECT_EQ(dsp::kSnBaseFreqRange, 4.321928f);
    EXPECT_EQ(dsp::kTomBaseFreqRange, 4.321928f);
    EXPECT_EQ(dsp::kTomModFreqRange, 7.643856f);
    EXPECT_EQ(dsp::kUserStereoTimeRange, 11.287712f);
    EXPECT_EQ(dsp::kLayerStereoTimeRange, 12.550746f);
    EXPECT_EQ(dsp::kSampleStereoTimeRange, 13.965784f);
    EXPECT_EQ(dsp::kAttackTimeRange, 4.321928f);
    EXPECT_EQ(dsp::kSqrt8, 2.828427f);
    EXPECT_EQ(dsp::kSqrt2, 1.4142135f);
}

TEST(DspConstants, LayerStereoRangeIsOneUlpBelowTheExactLogarithm)
{
    const float exact = static_cast<float>(std::log2(6000.0));
    EXPECT_EQ(std::nextafter(exact, 0.0f), dsp::kLayerStereoTimeRange);
}

TEST(DspConstants, MappingSpansItsRange)
{
    EXPECT_FLOAT_EQ(25.0f * std::exp2(0.0f * dsp::kSnBaseFreqRange), 25.0f);
    EXPECT_NEAR(25.0f * std::exp2(1.0f * dsp::kSnBaseFreqRange), 500.0f, 1e-3f);
}

} // namespace
