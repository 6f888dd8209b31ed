#include "hostframework/dsp_card/chip_dsps.h"
#include "hostframework/dsp_card/dsp_callback.h"
#include "hostframework/dsp_card/timed_out_exception.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/dsp_card/dsp_card_fixture.h"

#include <algorithm>

namespace {

using namespace kravo::test;

class DSP : public DSPCardTest {
protected:
    Calls callsStartingWith(const std::string& prefix)
    {
        Calls found;
        for (const std::string& call : dspshell::calls())
            if (call.starts_with(prefix))
                found.push_back(call);
        return found;
    }
};

TEST_F(DSP, AttachTakesTheIdentityAndSetsTheShellUpToCallBack)
{
    DshDSP* dsp = addRunningDSP(21, false);
    dsp->info[0] = 7;
    dsp->info[1] = 9;
    shell->dspCode = shell;
    COnyxChipDSP chip;
    chip.InitializeWithShell(shell);
    EXPECT_EQ(chip.GetDSPRecord(), dsp);
    EXPECT_EQ(chip.GetDSPIndex(), 7);
    EXPECT_EQ(chip.GetCardData(), 9);
    EXPECT_EQ(chip.GetReportValue(), 7);
    EXPECT_FALSE(chip.UsesAccessors());
    EXPECT_EQ(shell->id, FourCharCode("HVnd"));
    EXPECT_TRUE(shell->isStandard);
    EXPECT_EQ(shell->maxLocation, 0);
    EXPECT_EQ(shell->hostCodeHandler, &dspCallbackDispatch);
    EXPECT_EQ(shell->dspCode, nullptr);

    unloadDshLibrary();
    dspshell::reset();
    addRunningDSP(21, true);
    COnyxChipDSP throughAccessors;
    throughAccessors.InitializeWithShell(shell);
    EXPECT_TRUE(throughAccessors.UsesAccessors());
    EXPECT_EQ(shell->hostCodeHandler, &dspCallbackDispatch);
}

TEST_F(DSP, HostCommandsCountFromTheChipsBase)
{
    addRunningDSP(21, false);
    CPrestoChipDSP presto;
    attach(presto);
    presto.HostCommand(3);
    EXPECT_EQ(portTraffic(), Calls{"write commandVector 155"}); // (3 + 74) * 2, pending bit set

    unloadDshLibrary();
    dspshell::reset();
    addRunningDSP(21, true);
    CPrestoChipDSP throughAccessors;
    attach(throughAccessors);
    throughAccessors.HostCommand(3);
    EXPECT_EQ(dspshell::calls(), (Calls{"DshDoHostCommand 154 0", "DshWaitHostBit 0 0 1000000000"}));
}

TEST_F(DSP, AStuckPortGivesUpAfterThirtyTicks)
{
    platform::ManualClock clock{1000};
    platform::setClock(&clock);
    addRunningDSP(21, false);
    COnyxChipDSP chip;
    attach(chip);
    dspshell::stickHostPorts(&clock);
    chip.HostCommand(1); // returns: the command is dropped
    EXPECT_EQ(clock.tickCount(), 1030u);
    EXPECT_TRUE(portTraffic().empty());
    try {
        chip.WriteWord(5);
        FAIL() << "the word went out";
    } catch (const CTimedOutException& error) {
        EXPECT_EQ(error.GetCode(), -7201);
    }
    EXPECT_THROW(chip.ReadWord(), CTimedOutException);
    EXPECT_FALSE(chip.TryWriteWord(5));
    EXPECT_FALSE(chip.IsTransmitReady());
    EXPECT_TRUE(portTraffic().empty());
}

TEST_F(DSP, ABlockWaitsAtEverySixthWordFromTheThirdAndAtTheLast)
{
    std::vector<std::int32_t> words(16);
    for (std::int32_t i = 0; i < 16; ++i)
        words[static_cast<std::size_t>(i)] = 100 + i;
    addRunningDSP(21, false);
    COnyxChipDSP chip;
    attach(chip);
    chip.WriteBlock(words.data(), 16);
    Calls expected;
    for (std::int32_t i = 0; i < 16; ++i) {
        expected.push_back("read status");
        expected.push_back(joined("write transmit", {100 + i}));
        if (i == 2 || i == 8 || i == 14 || i == 15)
            expected.push_back("read status"); // a waiting word waits again once it is written
    }
    EXPECT_EQ(dspshell::calls(), expected);

    unloadDshLibrary();
    dspshell::reset();
    addRunningDSP(21, true);
    COnyxChipDSP throughAccessors;
    attach(throughAccessors);
    throughAccessors.WriteBlock(words.data(), 3);
    EXPECT_EQ(dspshell::calls(), Calls{"DshSendLo24of32Check 3 100 101 102 2000000000"});
}

TEST_F(DSP, AWordReadCarriesBit23AsItsSign)
{
    DshDSP* dsp = addRunningDSP(21, false);
    COnyxChipDSP chip;
    attach(chip);
    dspshell::queueReceiveWords(dsp, {0x800001, 0x12345678, 0x7FFFFF});
    EXPECT_EQ(chip.ReadWord(), -0x7FFFFF);
    EXPECT_EQ(chip.ReadWord(), 0x345678);
    EXPECT_EQ(chip.ReadWord(), 0x7FFFFF);
}

TEST_F(DSP, WordsAndPortBitsThroughTheAccessors)
{
    DshDSP* dsp = addRunningDSP(21, true);
    COnyxChipDSP chip;
    attach(chip);
    dspshell::queueReceiveWords(dsp, {0xFFFFFE});
    EXPECT_EQ(chip.ReadWord(), -2);
    chip.WriteWord(5);
    EXPECT_TRUE(chip.TryWriteWord(6));
    chip.SetInterruptControlBits(8 | 32);
    chip.TestHostStatus();
    chip.IsTransmitReady();
    EXPECT_EQ(dspshell::calls(), (Calls{"DshGetLo24ofS32 1000000000", "DshSendLo24of32 5 1000000000",
                                        "DshSendLo24of32 6 0", "DshSetHostBit 4 1", "DshSetHostBit 6 1",
                                        "DshGetHostBit 7", "DshGetHostBit 1"}));
}

TEST_F(DSP, InterruptControlAndStatusOnTheDirectPort)
{
    DshDSP* dsp = addRunningDSP(21, false);
    COnyxChipDSP chip;
    attach(chip);
    chip.SetInterruptControlBits(8);
    chip.SetInterruptControlBits(32);
    EXPECT_EQ(callsStartingWith("write"), (Calls{"write interruptControl 8", "write interruptControl 40"}));
    EXPECT_FALSE(chip.TestHostStatus());
    dspshell::setHostStatusFlags(dsp, 64);
    EXPECT_TRUE(chip.TestHostStatus());
}

TEST_F(DSP, HostBitsAreTheRecordsBytesBracketedByRefreshesOrTheAccessorsBits)
{
    DshDSP* dsp = addRunningDSP(21, false);
    COnyxChipDSP chip;
    attach(chip);
    chip.SetHostFlag(0);
    chip.SetHostFlag(1);
    chip.ClearHostFlag(0);
    EXPECT_EQ(dsp->hostControl, 16);
    EXPECT_EQ(dspshell::calls(), Calls(6, "SUpdateDSPPeripheral"));
    EXPECT_TRUE(chip.TestHostFlag(1));
    EXPECT_FALSE(chip.TestHostFlag(0));
    dsp->hostStatus = 16;
    EXPECT_TRUE(chip.TestStatusFlag(1));
    EXPECT_FALSE(chip.TestStatusFlag(0));
    chip.SetHostBit(2, true);
    EXPECT_EQ(chip.TestHostBit(2), 1);
    EXPECT_EQ(dsp->hostControl, 20);
    EXPECT_THROW(chip.SetHostFlag(2), CHostError);
    EXPECT_THROW(chip.TestHostBit(8), CHostError);
    COnyxChipDSP unattached;
    EXPECT_EQ(unattached.TestHostBit(0), -1);

    unloadDshLibrary();
    dspshell::reset();
    addRunningDSP(21, true);
    COnyxChipDSP throughAccessors;
    attach(throughAccessors);
    throughAccessors.SetHostFlagTo(1, true);
    throughAccessors.ClearHostFlag(0);
    throughAccessors.TestHostFlag(1);
    throughAccessors.TestStatusFlag(0);
    throughAccessors.SetHostBit(3, true);
    throughAccessors.TestHostBit(3);
    EXPECT_EQ(dspshell::calls(), (Calls{"DshSetHostBit 5 1", "DshSetHostBit 4 0", "DshGetHostBit 5",
                                        "DshGetHostBit 6", "DshSetHostBit 3 1", "DshGetHostBit 3"}));
}

TEST_F(DSP, ShellOperationsAndShellLoadsReachTheDriver)
{
    addRunningDSP(21, false);
    COnyxChipDSP chip;
    attach(chip);
    EXPECT_EQ(chip.ChangeMemoryBits(1, 10, 0xF0, 0x35), 0);
    std::int32_t word = 0;
    EXPECT_EQ(chip.ReadMemory(1, 10, &word), 0);
    EXPECT_EQ(word, 0x30);
    EXPECT_EQ(chip.ReadMemory(0, 10, &word), 0);
    EXPECT_EQ(word, 0);
    EXPECT_THROW(chip.ReadMemory(3, 10, &word), CHostError);
    EXPECT_EQ(chip.SetControlLatch(4), 0);
    EXPECT_EQ(chip.GetControlLatch(&word), 0);
    EXPECT_EQ(word, 4);
    chip.Stop();
    EXPECT_EQ(dspshell::calls(), (Calls{"SChangeYBits 10 240 53", "SGetYWord 10", "SGetXWord 10", "SSetControlLatch 4",
                                        "SGetControlLatch", "SPauseShell"}));

    dspshell::forgetCalls();
    chip.ReloadShell();
    EXPECT_EQ(dspshell::calls(), (Calls{"GetShellList", "DshLoadShell 0", "ResetDSP"}));
    DshShell unlisted{};
    chip.SetShell(&unlisted);
    EXPECT_THROW(chip.ReloadShell(), CHostError);
    chip.SetShell(nullptr);
    try {
        chip.LoadShell();
        FAIL() << "a missing shell was loaded";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -50); // the driver's own code
    }
}

} // namespace
