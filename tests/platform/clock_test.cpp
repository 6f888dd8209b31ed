#include "platform/clock.h"

#include <gtest/gtest.h>

namespace {

class ReplacedClock : public ::testing::Test {
protected:
    void TearDown() override { platform::setClock(nullptr); }
};

TEST_F(ReplacedClock, TickCountAndSleepUseTheReplacementClock)
{
    platform::ManualClock clock(1000);
    platform::setClock(&clock);
    EXPECT_EQ(GetTickCount(), 1000u);
    Sleep(250);
    EXPECT_EQ(GetTickCount(), 1250u);
    clock.advance(5);
    EXPECT_EQ(GetTickCount(), 1255u);
}

TEST_F(ReplacedClock, TheTickCountWrapsAroundAfterThirtyTwoBits)
{
    platform::ManualClock clock(0xFFFFFFF0u);
    platform::setClock(&clock);
    Sleep(0x20);
    EXPECT_EQ(GetTickCount(), 0x10u);
}

TEST_F(ReplacedClock, ResettingReturnsToTheSystemClockWhichNeverRunsBackwards)
{
    platform::ManualClock clock(7);
    platform::setClock(&clock);
    platform::setClock(nullptr);
    const DWORD first = GetTickCount();
    Sleep(0);
    EXPECT_LT(GetTickCount() - first, 0x80000000u);
}

} // namespace
