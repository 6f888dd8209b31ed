#include "hostlibs/extension/host_graphics_types.h"
#include "tests/hostlibs/extension/toolbox_test.h"

namespace {

using kravo::test::ToolboxTest;

class HostInput : public ToolboxTest {
protected:
    bool keyDown(int key)
    {
        std::uint8_t keys[16] = {};
        HostExtGetKeys(keys);
        return (keys[key / 8] >> (key % 8) & 1) != 0;
    }
};

TEST_F(HostInput, AScriptedPressReadsAtItsLocalPointAndIsHeldUntilTheReleaseIsDue)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {300, 200, 400, 300});
    windowPort(window);
    HostExtSetOrigin(0, 100);
    script().move(310, 225);
    script().press(VK_LBUTTON);
    script().wait(30);
    script().release(VK_LBUTTON);
    const DWORD releaseAt = clock().tickCount() + 30;

    HostPoint mouse{};
    HostExtGetMouse(&mouse);
    EXPECT_EQ(mouse.h, 10);
    EXPECT_EQ(mouse.v, 125);
    EXPECT_TRUE(HostExtButton());
    // Each read that finds nothing new lets a millisecond pass.
    int passes = 0;
    for (; passes < 1000; ++passes) {
        const std::uint32_t readAt = HostExtTickCount();
        if (!HostExtStillDown()) {
            EXPECT_EQ(readAt, releaseAt);
            break;
        }
        EXPECT_LT(readAt, releaseAt);
    }
    EXPECT_GT(passes, 1);
    EXPECT_FALSE(HostExtButton());
    platform::pumpMessages();
    DestroyWindow(window);
}

TEST_F(HostInput, ModifierKeysFillTheKeyMapAndTheEventRecord)
{
    script().press(VK_MENU);
    EXPECT_TRUE(keyDown(0x3A));
    EXPECT_FALSE(keyDown(0x38));
    HostEventRecord event{};
    const std::uint32_t now = clock().tickCount();
    HostExtMakeEventRecord(1, 0x12345678, &event);
    EXPECT_EQ(event.modifiers, kHostOptionKeyModifier);
    EXPECT_EQ(event.what, 1);
    EXPECT_EQ(+event.message, 0x12345678); // packed: read as a value
    EXPECT_EQ(+event.when, now);

    script().press(VK_SHIFT);
    script().press(VK_CONTROL);
    script().move(40, 30);
    HostExtMakeEventRecord(1, 0, &event);
    EXPECT_EQ(event.modifiers, kHostCommandKeyModifier | kHostShiftKeyModifier | kHostOptionKeyModifier);
    EXPECT_EQ(event.where.h, 40);
    EXPECT_EQ(event.where.v, 30);
    EXPECT_TRUE(keyDown(0x38));
    EXPECT_TRUE(keyDown(0x37));

    for (int key : {VK_MENU, VK_SHIFT, VK_CONTROL})
        script().release(key);
    EXPECT_FALSE(keyDown(0x3A));
    HostExtMakeEventRecord(1, 0, &event);
    EXPECT_EQ(event.modifiers, 0);
}

TEST_F(HostInput, TicksAreMillisecondsOfTheVirtualClockAndWaitingMovesIt)
{
    const std::uint32_t start = HostExtTickCount();
    EXPECT_EQ(start, kStartTicks);
    clock().advance(7);
    EXPECT_EQ(HostExtTickCount(), start + 7);
    EXPECT_EQ(HostExtDelay(10), start + 17);
    EXPECT_EQ(clock().tickCount(), start + 17);
}

TEST_F(HostInput, AWaitForTheHostRunsTheGivenActionOnceEvenWhenItWaitsAgain)
{
    int actions = 0;
    const int waits = hostext::waitForHostCount();
    hostext::runOnNextWait([&actions] {
        ++actions;
        std::int32_t inner = -1;
        HostExtWaitForHost(0, &inner);
        EXPECT_EQ(inner, 0);
    });
    std::int32_t result = -1;
    HostExtWaitForHost(0, &result);
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(hostext::waitForHostCount(), waits + 2);
    HostExtWaitForHost(0, &result);
    EXPECT_EQ(actions, 1);
}

} // namespace
