#include "engine/effects/waveshaper_effect.h"

#include <gtest/gtest.h>

namespace {

// Top = bottom = 0 is no bending: x above zero, rect x at and below it.
TEST(WaveshaperEffect, WithoutBendingPassesThePositiveHalfAndScalesTheRestByRect)
{
    for (float rect : {1.0f, 0.0f, -1.0f, 0.4f})
        for (float x : {0.7f, 0.01f, 0.0f, -0.3f, -1.0f})
            EXPECT_EQ(effects::waveshape(x, 0.0f, 0.0f, rect), x > 0.0f ? x : rect * x) << x << " " << rect;
    // Two cycles per unit of level turn a quarter of full scale over.
    EXPECT_NEAR(effects::waveshape(0.25f, 2.0f, 0.0f, 1.0f), -0.25f, 1e-5f);
    EXPECT_NEAR(effects::waveshape(-0.25f, 0.0f, 2.0f, 1.0f), 0.25f, 1e-5f);
}

} // namespace
