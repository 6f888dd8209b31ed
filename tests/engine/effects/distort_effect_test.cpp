#include "engine/effects/effect_types.h"
#include "tests/engine/effects/master_section.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A 441 Hz sine through "Distort" with "Limit" 1, its tone filter at 640 Hz,
// "Volume" 0 dB and the mod wheel out of play, wet only: "Rect" 0.5 removes
// the negative half of the filtered signal, 1 keeps it.
TEST(DistortEffect, RectHalfwayRemovesTheNegativeHalfAndFullKeepsIt)
{
    for (const float rect : {0.5f, 1.0f}) {
        kravo::test::MasterSection section;
        section.configure(0, effects::type::kDistort,
                          kravo::test::slotControls(0.5f, 1.0f, {1.0f, rect, 0.3f, 0.5f, 0.2f, 0.75f, 0.5f}));
        float lowest = 0.0f;
        float highest = 0.0f;
        for (int i = 0; i < 4410; ++i) {
            const float x = 0.5f * std::sin(2.0f * 3.14159265f * static_cast<float>(i) / 100.0f);
            const float y = section.step(0, x, x).left;
            lowest = std::fmin(lowest, y);
            highest = std::fmax(highest, y);
        }
        EXPECT_GT(highest, 0.1f) << rect;
        EXPECT_TRUE(rect == 0.5f ? lowest >= 0.0f : lowest < -0.1f) << rect << ": " << lowest;
    }
}

} // namespace
