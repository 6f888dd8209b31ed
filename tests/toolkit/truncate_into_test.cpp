#include "toolkit/truncate_into.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace Toolkit;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();

TEST(TruncateInto, TruncatesTowardZeroAndTakesWhatLiesBeyondToTheNearerBoundAndNaNToTheLower)
{
    EXPECT_EQ(truncateInto(2.9f, 0, 5), 2);
    EXPECT_EQ(truncateInto(-2.9f, -5, 5), -2);
    EXPECT_EQ(truncateInto(-0.5f, 0, 5), 0);
    EXPECT_EQ(truncateInto(7.0f, 0, 5), 5);
    EXPECT_EQ(truncateInto(-7.0f, 1, 5), 1);
    EXPECT_EQ(truncateInto(kNaN, 1, 5), 1);
    EXPECT_EQ(truncateInto(kInfinity, kLeast, kMost), kMost);
    EXPECT_EQ(truncateInto(-kInfinity, kLeast, kMost), kLeast);
    EXPECT_EQ(truncateInto(2147483648.0f, kLeast, kMost), kMost) << "the first float beyond the range";
    EXPECT_EQ(truncateInto(-2147483648.0f, kLeast, kMost), kLeast);
    EXPECT_EQ(truncateInto(2147483520.0f, kLeast, kMost), 2147483520) << "the last float within it";
}

} // namespace
