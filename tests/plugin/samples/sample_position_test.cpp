#include "plugin/parameters/sample_position.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

using kravo::param::SamplePosition;

TEST(SamplePosition, AFrameIsSplitIntoTwo13BitHalvesThatReadBackExactly)
{
    const std::tuple<std::int32_t, float, float> cases[] = {
        {8191, 0.00005f, 0.81915f}, {8192, 0.00015f, 0.00005f}, {100000, 0.00125f, 0.16965f}, {0, 0.00005f, 0.00005f}};
    for (const auto& [frame, high, low] : cases) {
        EXPECT_FLOAT_EQ(SamplePosition::high(frame), high) << frame;
        EXPECT_FLOAT_EQ(SamplePosition::low(frame), low) << frame;
    }
    for (std::int32_t frame = 0; frame <= SamplePosition::kLargestFrame; frame += 4093)
        ASSERT_EQ(SamplePosition::read(SamplePosition::high(frame), SamplePosition::low(frame)), frame);
}

// Beyond 2^26 - 1 the high half would pass 1.0 and read back as another frame.
TEST(SamplePosition, PositionsOutsideWhatTheHalvesCarryAreHeldToTheEndsAndFractionsCut)
{
    const std::tuple<float, std::int32_t> cases[] = {
        {19.98f, 19}, {67108864.0f, 67108863}, {1e12f, 67108863}, {std::numeric_limits<float>::infinity(), 67108863},
        {-3.0f, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const auto& [frame, held] : cases)
        EXPECT_EQ(SamplePosition::heldFrame(frame), held) << frame;
}

} // namespace
