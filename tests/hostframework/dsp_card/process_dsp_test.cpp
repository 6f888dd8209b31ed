#include "hostframework/dsp_card/chip_dsps.h"
#include "tests/hostframework/dsp_card/dsp_card_fixture.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

namespace {

using namespace kravo::test;

constexpr std::int32_t kOnyxBase = 0x8001C0;
// The process command (13) on an Onyx chip, its host commands counted from 58.
constexpr std::int32_t kOnyxProcessVector = (13 + 58) * 2;

struct Send {
    std::vector<std::int32_t> arguments;
    std::vector<std::int32_t> results = {};
};

struct SubCommandCase {
    const char* name;
    std::function<std::int64_t(CProcessDSP&)> run;
    std::vector<Send> sends;
    std::int64_t answer = 0;
};

std::vector<SubCommandCase> subCommandCases()
{
    constexpr std::int32_t B = kOnyxBase;
    const auto none = [](auto operation) {
        return [operation](CProcessDSP& dsp) -> std::int64_t {
            operation(dsp);
            return 0;
        };
    };
    return {
        {"query 0", [](CProcessDSP& dsp) { return dsp.Query0(); }, {{{0, -1, -1}, {41}}, {{0, -1, -1}}}, 41},
        {"set", none([](CProcessDSP& dsp) { dsp.Set(1, 2, 3, 4); }), {{{1, 1, 2, 3, 4 + B}}}},
        {"set second kind", none([](CProcessDSP& dsp) { dsp.SetSecondKind(1, 2, 3, 4); }), {{{2, 1, 2, 3, 4 + B}}}},
        {"first limit", none([](CProcessDSP& dsp) { dsp.SetWithFirstLimit(1, 2, 3); }), {{{1, 1, 2, 3, 63}}}},
        {"second limit", none([](CProcessDSP& dsp) { dsp.SetWithSecondLimit(1, 2, 3); }), {{{2, 1, 2, 3, 63}}}},
        {"3", none([](CProcessDSP& dsp) { dsp.SubCommand3(1, 2, 3); }), {{{3, 1, 2, 3}}}},
        {"4", none([](CProcessDSP& dsp) { dsp.SubCommand4(1, 2, 3); }), {{{4, 1, 2, 3}}}},
        {"6", none([](CProcessDSP& dsp) { dsp.SubCommand6(1, 2, true); }), {{{6, 1, 2, 0xFFFFFF}}}},
        {"7", none([](CProcessDSP& dsp) { dsp.SubCommand7(1, 2, false); }), {{{7, 1, 2, 0}}}},
        {"address", none([](CProcessDSP& dsp) { dsp.SetAddress(5); }), {{{7, -1, -1, 5 + B}}}},
        {"addresses", none([](CProcessDSP& dsp) { dsp.SetAddresses(5, 6); }), {{{8, -1, -1, 5 + B, 6 + B}}}},
        {"timed value", [](CProcessDSP& dsp) { return dsp.SetTimedValue(0x12345678, 2, 3); },
         {{{12, -1, -1}, {0}}, {{11, -1, -1, 3, 2, 0x12, 0x345678}}}},
        {"query 12", [](CProcessDSP& dsp) { return dsp.Query12(); }, {{{12, -1, -1}, {9}}}, 9},
        {"query 13", [](CProcessDSP& dsp) { return dsp.Query13(1, 2); }, {{{13, 1, 2}, {-5}}}, -5},
        {"14", none([](CProcessDSP& dsp) { dsp.SubCommand14(); }), {{{14, -1, -1}}}},
        {"counter",
         [](CProcessDSP& dsp) {
             const auto counter = dsp.ReadCounter(1);
             return std::int64_t{counter[0]} * 1000 + counter[1];
         },
         {{{15, -1, -1, 1}, {3, 4}}}, 3004},
        {"counter at", [](CProcessDSP& dsp) { return dsp.ReadCounterAt(1, 2, 3).value_or(-1); },
         {{{15, 2, 3}}, {{15, 2, 3, 1}, {2, 0x123456}}}, 2 * 16'777'216 + 0x123456},
        {"time of day", [](CProcessDSP& dsp) -> std::int64_t { return dsp.GetCurrentTimeOfDay(); },
         {{{16, -1, -1}, {0x1FF, 0x123456}}}, 0xFF123456},
    };
}

// What a send looks like on the host port (directly) or to the accessors.
Calls expectedCalls(const std::vector<Send>& sends, std::int32_t vector, bool accessors)
{
    Calls calls;
    for (const Send& send : sends) {
        if (accessors) {
            std::vector<std::int32_t> values = {vector, static_cast<std::int32_t>(send.results.size()),
                                                static_cast<std::int32_t>(send.arguments.size())};
            values.insert(values.end(), send.arguments.begin(), send.arguments.end());
            values.push_back(kWordLimit);
            calls.push_back(joined("DshDoHostCommandWithDataList", values));
            continue;
        }
        calls.push_back(joined("write commandVector", {vector | 1}));
        for (std::int32_t argument : send.arguments)
            calls.push_back(joined("write transmit", {argument}));
        for (std::int32_t result : send.results)
            calls.push_back(joined("read receive", {result}));
    }
    return calls;
}

Calls accessorCalls()
{
    Calls found;
    for (const std::string& call : dspshell::calls())
        if (call.starts_with("DshDoHostCommandWithDataList") || call.starts_with("DshSendLo24of32"))
            found.push_back(call);
    return found;
}

class ProcessCommand : public DSPCardTest {
protected:
    // A fresh driver with an Onyx chip's DSP, read directly or through the accessors.
    COnyxChipDSP& onyx(bool accessors)
    {
        object.reset();
        unloadDshLibrary();
        dspshell::reset();
        dsp = addRunningDSP(21, accessors);
        object = std::make_unique<COnyxChipDSP>();
        attach(*object);
        return *object;
    }
    Calls sent(bool accessors) { return accessors ? accessorCalls() : portTraffic(); }

    DshDSP* dsp = nullptr;
    std::unique_ptr<COnyxChipDSP> object;
};

TEST_F(ProcessCommand, EverySubCommandGoesOutWordByWordDirectlyAndThroughTheAccessors)
{
    for (const bool accessors : {false, true}) {
        COnyxChipDSP& chip = onyx(accessors);
        for (const SubCommandCase& subCommand : subCommandCases()) {
            SCOPED_TRACE(std::string(subCommand.name) + (accessors ? " through the accessors" : " directly"));
            dspshell::forgetCalls();
            for (const Send& send : subCommand.sends)
                dspshell::queueReceiveWords(dsp, send.results);
            EXPECT_EQ(subCommand.run(chip), subCommand.answer);
            EXPECT_EQ(sent(accessors), expectedCalls(subCommand.sends, kOnyxProcessVector, accessors));
        }
        EXPECT_EQ(chip.GetAddresses(), (std::array<std::int16_t, 2>{5, 6}));
        chip.SetAddress(9);
        EXPECT_EQ(chip.GetAddresses(), (std::array<std::int16_t, 2>{9, 6}));
    }
}

TEST_F(ProcessCommand, AnswersThatStopACommandOrAreReportedOnTheirWay)
{
    COnyxChipDSP& chip = onyx(false);
    dspshell::queueReceiveWords(dsp, {0xFFFFFF}); // -1 from query 12
    EXPECT_EQ(chip.SetTimedValue(1, 2, 3), -7433);
    EXPECT_EQ(portTraffic(), expectedCalls({{{12, -1, -1}, {0xFFFFFF}}}, kOnyxProcessVector, false));

    dspshell::forgetCalls();
    EXPECT_EQ(chip.ReadCounterAt(1, 2, -1), std::nullopt);
    EXPECT_TRUE(portTraffic().empty());

    dspshell::queueReceiveWords(dsp, {0x800000, 0x123456});
    EXPECT_EQ(chip.GetCurrentTimeOfDay(), 0x00123456u);
    EXPECT_EQ(dspshell::printedTexts(), (Calls{"CProcessDSP::GetCurrentTimeOfDay TODHi is negative!;g"}));
}

TEST_F(ProcessCommand, StateDataIsCheckedWholeBeforeAWordGoesOut)
{
    const auto handleOf = [](std::vector<std::int32_t> words, std::int32_t size) {
        HostHandle handle = HostExtNewHandle(size);
        std::memcpy(*handle, words.data(), std::min<std::size_t>(words.size() * 4, static_cast<std::size_t>(size)));
        return handle;
    };
    HostHandle state = handleOf({10, 11, 12}, 12);
    HostHandle small = handleOf({10, 11}, 11);
    HostHandle second = handleOf({20, 21}, 8);
    for (const bool accessors : {false, true}) {
        COnyxChipDSP& chip = onyx(accessors);
        EXPECT_EQ(chip.SetStateData(nullptr, 3, second, 2, 7, 8, 1, 2, 3), -108);
        EXPECT_EQ(chip.SetStateData(small, 3, second, 2, 7, 8, 1, 2, 3), -108);
        EXPECT_EQ(chip.SetStateData(state, 3, small, 3, 7, 8, 1, 2, 3), -108);
        EXPECT_EQ(chip.SetStateData(state, -1, second, 2, 7, 8, 1, 2, 3), -108);
        EXPECT_EQ(dspshell::printedTexts(), (Calls{"CProcessDSP::SetStateData anXStateMem == NULL.",
                                                   "CProcessDSP::SetStateData anXStateMem valid, but too small!",
                                                   "CProcessDSP::SetStateData second block missing or too small!",
                                                   "CProcessDSP::SetStateData anXStateMem valid, but too small!"}));
        EXPECT_TRUE(sent(accessors).empty());

        EXPECT_EQ(chip.SetStateData(state, 3, second, 2, 7, 8, 1, 2, 3), 0);
        Calls expected = expectedCalls({{{9, 1, 2, 3, 3, 2}}}, kOnyxProcessVector, accessors);
        const Calls words = accessors ? Calls{"DshSendLo24of32Check 3 10 11 12 2000000000",
                                              "DshSendLo24of32 7 1000000000", "DshSendLo24of32 8 1000000000",
                                              "DshSendLo24of32Check 2 20 21 2000000000"}
                                      : Calls{"write transmit 10", "write transmit 11", "write transmit 12",
                                              "write transmit 7", "write transmit 8", "write transmit 20",
                                              "write transmit 21"};
        expected.insert(expected.end(), words.begin(), words.end());
        EXPECT_EQ(sent(accessors), expected);
    }
    for (HostHandle handle : {state, small, second})
        HostExtDisposeHandle(handle);
}

TEST_F(ProcessCommand, ReservationsNestAndBalanceWithTheLockServiceWhenItServesUsers)
{
    const auto locks = [] {
        Calls found;
        for (const std::string& call : dspshell::calls())
            if (call == "DshLockDSP" || call == "DshUnlockDSP" || call == "DshRegisterLockUser")
                found.push_back(call);
        return found;
    };
    COnyxChipDSP& unserved = onyx(false);
    EXPECT_TRUE(unserved.Reserve());
    unserved.ReleaseReservation();
    EXPECT_TRUE(locks().empty());

    object.reset();
    dspshell::reset();
    unloadDshLibrary();
    dspshell::setLockServiceCount(1);
    dsp = addRunningDSP(21, false);
    object = std::make_unique<COnyxChipDSP>();
    object->InitializeWithShell(shell);
    EXPECT_EQ(locks(), Calls{"DshRegisterLockUser"});
    EXPECT_TRUE(object->Reserve());
    EXPECT_FALSE(object->Reserve());
    EXPECT_EQ(dspshell::heldDSPLocks(), 2);
    EXPECT_FALSE(object->AcquireAccess()); // refused access holds nothing
    EXPECT_EQ(dspshell::heldDSPLocks(), 2);
    object->ReleaseReservation();
    object->ReleaseReservation();
    EXPECT_EQ(dspshell::heldDSPLocks(), 0);

    dspshell::forgetCalls();
    dspshell::queueReceiveWords(dsp, {0});
    EXPECT_EQ(object->SetTimedValue(1, 2, 3), 0);
    EXPECT_EQ(locks(), (Calls{"DshLockDSP", "DshLockDSP", "DshUnlockDSP", "DshUnlockDSP"}));
    EXPECT_EQ(dspshell::heldDSPLocks(), 0);
}

struct ChipClassCase {
    const char* name;
    std::function<CProcessDSP*()> make;
    std::int32_t addressBase;
    std::int32_t hostCommandBase;
    std::int16_t kind;
    std::int32_t firstLimit;
    std::int32_t secondLimit;
};

TEST_F(ProcessCommand, EachChipClassCarriesTheWordsOfItsFamily)
{
    const ChipClassCase cases[] = {
        {"process", [] { return new CProcessDSP; }, 65472, 0, 18, 63, 63},
        {"generic", [] { return new CGenericDSP; }, 65472, 0, 18, 63, 63},
        {"onyx", [] { return new COnyxChipDSP; }, 0x8001C0, 58, 18, 63, 63},
        {"presto", [] { return new CPrestoChipDSP; }, 0x801800, 74, 18, 511, 510},
        {"321", [] { return new C321ChipDSP; }, 0x801800, 0, 58, 511, 510},
    };
    dsp = addRunningDSP(21, false);
    for (const ChipClassCase& chipClass : cases) {
        SCOPED_TRACE(chipClass.name);
        const std::unique_ptr<CProcessDSP> chip(chipClass.make());
        attach(*chip);
        EXPECT_EQ(chip->GetKind(), chipClass.kind);
        chip->InitShell();
        chip->StartShell();
        chip->Set(0, 0, 0, 1);
        chip->SetWithFirstLimit(0, 0, 0);
        chip->SetWithSecondLimit(0, 0, 0);
        const std::int32_t vector = (13 + chipClass.hostCommandBase) * 2;
        Calls expected = {joined("write commandVector", {chipClass.hostCommandBase * 2 + 1}),
                          joined("write commandVector", {(1 + chipClass.hostCommandBase) * 2 + 1})};
        const Calls sets = expectedCalls({{{1, 0, 0, 0, 1 + chipClass.addressBase}},
                                          {{1, 0, 0, 0, chipClass.firstLimit}},
                                          {{2, 0, 0, 0, chipClass.secondLimit}}},
                                         vector, false);
        expected.insert(expected.end(), sets.begin(), sets.end());
        EXPECT_EQ(portTraffic(), expected);
    }
}

TEST_F(ProcessCommand, TheWordShortcutsAnswerThroughTheChipsWordOperations)
{
    COnyxChipDSP& chip = onyx(false);
    EXPECT_EQ(chip.WriteWordShortcut(5), 1);
    dspshell::queueReceiveWords(dsp, {6});
    std::uint8_t flag = 0;
    EXPECT_EQ(chip.ReadWordShortcut(&flag), 6);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(portTraffic(), (Calls{"write transmit 5", "read receive 6"}));
}

} // namespace
