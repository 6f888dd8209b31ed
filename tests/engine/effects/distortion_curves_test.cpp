#include "engine/effects/distortion_curves.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using effects::applyCurve;
using effects::prepareCurve;
namespace curve = effects::curve;

// A number past the last curve leaves the signal as it is, like curve 0.
TEST(DistortionCurves, EveryCurveStaysFiniteAndBoundedForInputsInFullScaleAtAnyAmounts)
{
    for (int type = 0; type <= curve::kSquare + 1; ++type)
        for (int i = 0; i <= 8; ++i)
            for (int j = 0; j <= 8; ++j) {
                const effects::DistortionCurve c = prepareCurve(type, 0.125f * i, 0.125f * j);
                const float bound = type == curve::kFuzz ? 2.0f : 1.0f;
                for (int n = -400; n <= 400; ++n) {
                    const float y = applyCurve(c, 0.0025f * static_cast<float>(n));
                    ASSERT_TRUE(std::isfinite(y) && std::fabs(y) <= bound + 1e-5f) << type << " " << i << " " << j
                                                                                    << " " << n << ": " << y;
                }
            }
}

// "Amount 1" at 1 sets the dead band to 0.2.
TEST(DistortionCurves, CrossCutsADeadBandAroundZeroAndStretchesTheRestBackToFullScale)
{
    const effects::DistortionCurve c = prepareCurve(curve::kCross, 1.0f, 0.0f);
    for (float x : {0.0f, 0.19f, -0.19f, 0.6f, -0.6f, 1.0f})
        EXPECT_NEAR(applyCurve(c, x), std::fabs(x) < 0.2f ? 0.0f : std::copysign(std::fabs(x) - 0.2f, x) / 0.8f, 1e-6f);
    EXPECT_EQ(applyCurve(prepareCurve(curve::kCross, 0.0f, 0.0f), -0.3f), -0.3f);
}

TEST(DistortionCurves, SquareGivesEachHalfItsLevelAndSilenceForALevelNearZeroOrNoInput)
{
    struct Case {
        float amount1, amount2, x, y;
    };
    for (const Case& c : {Case{0.0f, 0.0f, 0.3f, 1.0f}, Case{0.0f, 0.0f, -0.002f, -1.0f}, Case{0.0f, 0.0f, 0.0005f, 0.0f},
                          Case{0.25f, 0.0f, 0.3f, 0.5f}, Case{0.498f, 0.0f, 0.3f, 0.0f}, Case{1.0f, 0.0f, 0.3f, -1.0f},
                          Case{1.0f, 0.75f, -0.3f, 0.5f}, Case{0.0f, 0.503f, -0.3f, 0.0f}})
        EXPECT_NEAR(applyCurve(prepareCurve(curve::kSquare, c.amount1, c.amount2), c.x), c.y, 1e-6f)
            << c.amount1 << " " << c.amount2 << " " << c.x;
}

} // namespace
