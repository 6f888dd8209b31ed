#include "hostframework/dsp_card/chip_dsps.h"
#include "hostframework/dsp_card/dsp_callback.h"
#include "hostframework/dsp_card/dsp_objects.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group_interface.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/dsp_card/dsp_card_fixture.h"

#include <stdexcept>

namespace {

using namespace kravo::test;

constexpr std::uint32_t kNotificationSelector = FourCharCode("PEN ");

// A group that only counts the host-call bracket.
class BracketCountingGroup : public CProcessGroupInterface {
public:
    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
    std::int32_t EnterHostCall() override
    {
        ++entered;
        return 0;
    }
    std::int32_t LeaveHostCall() override
    {
        ++left;
        return 0;
    }
    int entered = 0;
    int left = 0;
};

class ThrowingCodeInfoDSP : public CProcessDSP {
public:
    std::int16_t GetDSPCodeInfo(std::int32_t, std::int32_t*) override { throw std::runtime_error("code table"); }
};

class DSPCallback : public DSPCardTest {
protected:
    void TearDown() override
    {
        gProcessGroup = nullptr;
        DSPCardTest::TearDown();
        const CProcessDSP quiet; // the notification flag follows the host again
    }
};

TEST_F(DSPCallback, OnlySelectors256To273HaveHandlersAndTheNotificationAnswersForThemAll)
{
    EXPECT_EQ(dspCallbackDispatch(255), 0);
    EXPECT_EQ(dspCallbackDispatch(274), 0);
    for (std::int32_t selector = 256; selector <= 273; ++selector)
        EXPECT_NE(dspCallbackDispatch(selector), 0) << selector;

    hostengine::setCapability(kNotificationSelector, 1);
    const CProcessDSP notifying;
    for (std::int32_t selector = 250; selector <= 280; ++selector)
        EXPECT_EQ(dspCallbackDispatch(selector), 0) << selector;

    hostengine::setCapability(kNotificationSelector, 0);
    const CProcessDSP quiet;
    EXPECT_NE(dspCallbackDispatch(256), 0);
}

TEST_F(DSPCallback, TheShellReachesTheOperationsOfItsDSPsObject)
{
    DshDSP* dsp = addRunningDSP(21, false);
    CProcessDSP object;
    attach(object);
    EXPECT_EQ(dspshell::callHostCode(dsp, 259, 10, 0xFF, 0x12), 0);
    std::int32_t out = 0;
    EXPECT_EQ(dspshell::callHostCode(dsp, 256, 10, 0, 0, &out), 0);
    EXPECT_EQ(out, 0x12);
    EXPECT_EQ(dspshell::callHostCode(dsp, 265, 3), 0);
    EXPECT_EQ(dspshell::callHostCode(dsp, 264, 0, 0, 0, &out), 0);
    EXPECT_EQ(out, 3);
    EXPECT_EQ(dspshell::callHostCode(dsp, 266), 0);
    EXPECT_EQ(dspshell::callHostCode(dsp, 267), 0);
    EXPECT_EQ(dspshell::callHostCode(dsp, 268), 0);
    EXPECT_EQ(dspshell::callHostCode(dsp, 271, 12), 0);
    EXPECT_EQ(dspshell::callHostCode(dsp, 273, 5, 0, 0, &out), 0);
    EXPECT_EQ(callsWithoutPolls(), (Calls{"SChangeXBits 10 255 18", "SGetXWord 10", "SSetControlLatch 3",
                                        "SGetControlLatch", "write commandVector 1", "write commandVector 3",
                                        "SPauseShell", "SSetOutputDelay 12", "SGetDSPCodeInfo 5"}));

    // A DSP whose client has no object answers the lookup's failure.
    DshDSP* other = dspshell::addCard(21)->firstDSP;
    other->client = dspshell::addClient(FourCharCode("Othr"), nullptr);
    other->shell = shell;
    EXPECT_EQ(dspshell::callHostCode(other, 262, 1), -7053);
}

TEST_F(DSPCallback, TheNotifyingHandlersGoOnWithTheirOperation)
{
    DshDSP* dsp = addRunningDSP(21, false);
    CProcessDSP object;
    attach(object);
    const auto initShell = reinterpret_cast<decltype(&SInitShell)>(dspCallbackDispatch(266));
    const auto pauseShell = reinterpret_cast<decltype(&SPauseShell)>(dspCallbackDispatch(268));
    hostengine::setCapability(kNotificationSelector, 1);
    const CProcessDSP notifying;
    EXPECT_EQ(initShell(dsp), 0);
    EXPECT_EQ(pauseShell(dsp), 0);
    EXPECT_EQ(dspshell::calls().back(), "SPauseShell");
    EXPECT_EQ(portTraffic(), Calls{"write commandVector 1"});
}

TEST_F(DSPCallback, MemoryOperationsRunInsideTheGroupsBracket)
{
    DshDSP* dsp = addRunningDSP(21, false);
    CProcessDSP object;
    attach(object);
    BracketCountingGroup group;
    gProcessGroup = &group;
    std::int32_t out = 0;
    for (std::int32_t selector = 256; selector <= 261; ++selector)
        dspshell::callHostCode(dsp, selector, 1, 0, 0, &out);
    EXPECT_EQ(group.entered, 6);
    EXPECT_EQ(group.left, 6);
    dspshell::callHostCode(dsp, 262, 1);
    dspshell::callHostCode(dsp, 272);
    EXPECT_EQ(group.entered, 6);

    const std::int32_t level = GetLockLevel();
    group.SetLockLevel(0);
    dspshell::callHostCode(dsp, 256, 1, 0, 0, &out);
    group.SetLockLevel(level);
    EXPECT_EQ(group.entered, 6);
}

TEST_F(DSPCallback, TheCodeInformationHandlerAnswersMinusOneForAnError)
{
    DshDSP* dsp = addRunningDSP(21, false);
    ThrowingCodeInfoDSP object;
    attach(object);
    std::int32_t info = 0;
    EXPECT_EQ(dspshell::callHostCode(dsp, 273, 5, 0, 0, &info), -1);
}

TEST_F(DSPCallback, RoutinesByDSPHandleGoThroughItsObject)
{
    DshDSP* dsp = addRunningDSP(21, false);
    EXPECT_EQ(ReadDSPWord(dsp), 0);
    SendDSPHostCommand(dsp, 3);
    WriteDSPWord(dsp, 9);
    EXPECT_TRUE(portTraffic().empty());

    COnyxChipDSP object;
    attach(object);
    dspshell::queueReceiveWords(dsp, {5});
    SendDSPHostCommand(dsp, 3);
    EXPECT_EQ(ReadDSPWord(dsp), 5);
    WriteDSPWord(dsp, 9);
    EXPECT_EQ(portTraffic(), (Calls{"write commandVector 123", "read receive 5", "write transmit 9"}));
}

} // namespace
