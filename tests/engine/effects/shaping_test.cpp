#include "engine/effects/shaping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Shaping, SoftClipReachesFullScaleWithZeroSlopeAndHoldsItBeyond)
{
    const float cases[][2] = {{1.0f, 1.0f}, {0.5f, 0.625f}, {-2.0f, -1.0f}, {-0.5f, -0.625f}, {0.0f, 0.0f}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(effects::softClip(c[0]), c[1]) << c[0];
}

// Without drive the signal passes up to full scale; x (1 + k) / (1 + k |x|) with drive; never beyond full scale.
TEST(Shaping, SaturateLeavesTheSignalAloneWithoutDriveAndNeverPassesFullScale)
{
    for (int i = -100; i <= 100; ++i)
        EXPECT_NEAR(effects::saturate(0.01f * static_cast<float>(i), 0.0f), 0.01f * static_cast<float>(i), 1e-6f);
    EXPECT_NEAR(effects::saturate(0.5f, 255.0f), 128.0f / 128.5f, 1e-6f);
    const float huge = std::numeric_limits<float>::max();
    for (float k : {0.0f, 1.0f, 255.0f})
        for (float x : {-huge, -3.0f, -0.01f, 0.01f, 1.0f, huge, INFINITY}) {
            const float y = effects::saturate(x, k);
            EXPECT_TRUE(std::fabs(y) <= 1.0f && (y > 0.0f) == (x > 0.0f)) << x << " " << k << ": " << y;
        }
}

} // namespace
