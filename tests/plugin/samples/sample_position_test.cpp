#include "plugin/samples/sample_position.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

TEST(SamplePosition, AFrameIsSplitIntoTwo13BitHalvesThatReadBackExactly)
{
    const std::tuple<float, float, float> cases[] = {
        {8191, 0.00005f, 0.81915f}, {8192, 0.00015f, 0.00005f}, {100000, 0.00125f, 0.16965f}, {0, 0.00005f, 0.00005f}};
    for (const auto& [frame, high, low] : cases) {
        const SamplePosition position = SamplePosition::fromFrame(frame);
        EXPECT_FLOAT_EQ(position.high, high) << frame;
        EXPECT_FLOAT_EQ(position.low, low) << frame;
        EXPECT_EQ(position.frame(), static_cast<std::int32_t>(frame));
    }
    // Positions travel as floats, which hold every frame up to 2^24.
    for (std::int32_t frame = 0; frame <= (1 << 24); frame += 4093)
        ASSERT_EQ(SamplePosition::fromFrame(static_cast<float>(frame)).frame(), frame);
}

// Beyond 2^26 - 1 the high half would pass 1.0 and read back as another frame.
TEST(SamplePosition, FramesOutsideWhatTheHalvesCarryAreHeldToTheEndsAndFractionsCut)
{
    const std::tuple<float, std::int32_t> cases[] = {
        {19.98f, 19}, {67108864.0f, 67108863}, {1e12f, 67108863}, {std::numeric_limits<float>::infinity(), 67108863},
        {-3.0f, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const auto& [frame, stored] : cases)
        EXPECT_EQ(SamplePosition::fromFrame(frame).frame(), stored) << frame;
}

} // namespace
