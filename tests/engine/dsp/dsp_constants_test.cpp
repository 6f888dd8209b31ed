#include "engine/dsp/dsp_constants.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DspConstants, LayerStereoRangeIsOneUlpBelowTheExactLogarithm)
{
    const float exact = static_cast<float>(std::log2(6000.0));
    EXPECT_EQ(std::nextafter(exact, 0.0f), dsp::kLayerStereoTimeRange);
}

} // namespace
