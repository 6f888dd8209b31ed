#include "platform/clock.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplacedClock, TickCountAndSleepUseItAndTheTickCountWrapsAfterThirtyTwoBits)
{
    platform::ManualClock clock(0xFFFFFF00u);
    platform::setClock(&clock);
    EXPECT_EQ(GetTickCount(), 0xFFFFFF00u);
    Sleep(0xF0);
    EXPECT_EQ(GetTickCount(), 0xFFFFFFF0u);
    clock.advance(0x20);
    EXPECT_EQ(GetTickCount(), 0x10u);
    platform::setClock(nullptr);
}

} // namespace
