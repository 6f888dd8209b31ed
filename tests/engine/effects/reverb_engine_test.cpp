#include "engine/effects/reverb_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using effects::ReverbEngine;

std::unique_ptr<ReverbEngine> engineAt(float rate)
{
    auto engine = std::make_unique<ReverbEngine>();
    engine->init();
    engine->setSampleRate(rate);
    return engine;
}

float noise(int i) { return std::sin(static_cast<float>(i) * 12.9898f) * 0.9f; }

TEST(ReverbEngine, CombsAndAllpassesFollowTheirTuningsTheRateAndTheLengthScale)
{
    constexpr int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617, 1680, 1046};
    constexpr int kAllpasses[] = {556, 441, 341, 225};
    struct Case {
        float rate;
        float scale; // 0: the lengths the rate alone gives
        double factor;
    };
    for (const Case& c : {Case{44100.0f, 0.0f, 1.0}, Case{88200.0f, 0.0f, 2.0}, Case{44100.0f, 0.25f, 0.25}}) {
        auto engine = engineAt(c.rate);
        if (c.scale > 0.0f)
            engine->setLengthScale(c.scale);
        for (int side = 0; side < 2; ++side) {
            for (int i = 0; i < ReverbEngine::kCombCount; ++i)
                EXPECT_EQ(engine->combLength(side, i), static_cast<int>((kCombs[i] + 23 * side) * c.factor + 0.5))
                    << c.rate << " side " << side << " comb " << i;
            for (int k = 0; k < ReverbEngine::kAllpassCount; ++k)
                EXPECT_EQ(engine->allpassLength(side, k),
                          static_cast<int>((kAllpasses[k] + 23 * side) * c.rate / 44100.0 + 0.5));
        }
    }
}

TEST(ReverbEngine, RoomSizeSetsTheFeedbackAndTheFiltersSwitchOffAtTheirEnds)
{
    auto engine = engineAt(44100.0f);
    engine->setRoomSize(0.0f);
    EXPECT_NEAR(engine->feedback(), 0.65f, 0.005f);
    engine->setRoomSize(1.0f);
    EXPECT_NEAR(engine->feedback(), 0.98f, 0.005f);
    engine->setFilters(1.0f, 0.0f);
    EXPECT_EQ(engine->lowPassCoefficient(), 1.0f);
    EXPECT_EQ(engine->highPassCoefficient(), 0.0f);
    engine->setFilters(0.5f, 0.5f);
    EXPECT_NEAR(engine->lowPassCoefficient(), 2.0f * 640.0f / 44100.0f, 1e-6f);
    EXPECT_NEAR(engine->highPassCoefficient(), 2.0f * 640.0f / 44100.0f, 1e-6f);
}

// At the highest accepted rate and the largest scale the lengths are held
// inside their fixed buffers; a clear leaves no old tail for any comb to
// find, however long.
TEST(ReverbEngine, AtTheHighestRateLengthsStayInTheirBuffersAndAClearLeavesNoTail)
{
    for (float rate : {44100.0f, 500000.0f}) {
        auto engine = engineAt(rate);
        engine->setRoomSize(1.0f);
        engine->setLengthScale(4.4f);
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < ReverbEngine::kCombCount; ++i)
                EXPECT_LT(engine->combLength(side, i), static_cast<int>(ReverbEngine::kCombFrames));
        float left = 0.0f;
        float right = 0.0f;
        float peak = 0.0f;
        for (int i = 0; i < 70000; ++i) {
            engine->process(noise(i), noise(i + 99), left, right);
            peak = std::fmax(peak, std::fabs(left));
        }
        EXPECT_GT(peak, 0.01f);
        engine->clear();
        float after = 0.0f;
        for (int i = 0; i < 70000; ++i) {
            engine->process(0.0f, 0.0f, left, right);
            ASSERT_TRUE(std::isfinite(left) && std::isfinite(right));
            after = std::fmax(after, std::fmax(std::fabs(left), std::fabs(right)));
        }
        EXPECT_LT(after, 1e-5f) << rate;
    }
}

} // namespace
