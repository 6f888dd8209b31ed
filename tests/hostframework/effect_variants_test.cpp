#include "hostframework/adaptor_plugin.h"
#include "hostframework/dsp_library.h"
#include "hostframework/dsp_manager_access.h"
#include "hostframework/effect_group_card.h"
#include "hostframework/effect_process_card.h"
#include "hostframework/effect_process_offline.h"
#include "hostframework/effect_type_card.h"
#include "hostframework/effect_type_native.h"
#include "hostframework/effect_type_offline.h"
#include "hostframework/plugin_library.h"
#include "hostlibs/dspmanager/dsp_manager_control.h"
#include "hostlibs/dspshell/dsp_shell_control.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/byte_order.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "platform/module_resources.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/test_processes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace kravo::test;

constexpr std::uint32_t kCardType = FourCharCode("Kcrd");
constexpr std::uint32_t kOfflineType = FourCharCode("Koff");

class TestCardProcess : public CEffectProcessCard {};

class TestOfflineProcess : public CEffectProcessOffline {
public:
    bool AcceptsPosition(std::int32_t position) override { return position <= accepted; }
    void DesignatedConnectionChanging() override { ++notices; }
    std::int32_t accepted = 48;
    int notices = 0;
};

// A DSP that grants or refuses access to its memory and keeps what is written there.
class AccessDSP : public CProcessDSP {
public:
    bool AcquireAccess() override { return grants; }
    void WriteConnection(std::int32_t address, std::int32_t direction, std::int32_t value) override
    {
        writes.push_back({address, direction, value});
    }
    bool grants = true;
    std::vector<std::vector<std::int32_t>> writes;
};

// A card group with a card type and an offline type, as a DSP build of the library would register.
class TestCardGroup : public CEffectGroupCard {
public:
    std::int32_t HostCall6(std::int32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*) override { return 0; }
    void CreateProcessTypes() override
    {
        auto* card = new CEffectTypeCard(kCardType, FourCharCode("KrCH"), 2048);
        card->SetProcessFactory([]() -> CProcess* { return new TestCardProcess; });
        AddEffectType(card);
        auto* offline = new CEffectTypeOffline(kOfflineType, FourCharCode("KrCH"), 2048);
        offline->SetProcessFactory([]() -> CProcess* { return new TestOfflineProcess; });
        AddEffectType(offline);
    }
};

std::vector<std::int32_t> listed(CEffectGroupCard& group, std::int32_t kind, std::int32_t* result = nullptr)
{
    HostHandle list = nullptr;
    const std::int32_t answer = group.ListSupportedConfigurations(kind, &list);
    if (result != nullptr)
        *result = answer;
    std::vector<std::int32_t> words;
    if (list == nullptr)
        return words;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(*list);
    for (std::int32_t at = 0; at < HostExtGetHandleSize(list); at += 4)
        words.push_back(static_cast<std::int32_t>(platform::readBigEndian(bytes + at, 4)));
    HostExtDisposeHandle(list);
    return words;
}

TEST(CardGroup, CodeResourcesAndTheConfigurationsTheyMakeSupported)
{
    TestCardGroup group;
    std::int32_t result = 0;
    EXPECT_TRUE(listed(group, 29, &result).empty());
    EXPECT_EQ(result, -7215);
    group.SetCodeResource(29, 515, 1000);
    group.SetCodeResource(29, 287, 1001);
    EXPECT_EQ(listed(group, 29), (std::vector<std::int32_t>{2, 287, 515}));
    group.SetCodeResource(21, 7, 2000);
    group.SetCodeResource(21, 43, 2001);
    group.SetCodeResource(21, 27, 2002);
    EXPECT_EQ(listed(group, 21), (std::vector<std::int32_t>{3, 43, 27, 7}));

    group.SetCodeResource(29, 287, 1002); // fills only an empty entry
    group.SetCodeResource(29, 515, 1003);
    group.SetCodeResource(26, 3, 3000);
    group.SetCodeResource(26, 3, 3001);
    group.SetCodeResource(22, 3, 4000); // a kind that keeps nothing
    EXPECT_EQ(group.GetCodeResource(287, 29), 1001);
    EXPECT_EQ(group.GetCodeResource(515, 29), 1003);
    EXPECT_EQ(group.GetCodeResource(3, 26), 3000);
    EXPECT_EQ(group.GetCodeResource(3, 22), 0);
    EXPECT_EQ(group.GetCodeResource(3, 18), 0);
}

TEST(CardGroup, CapacityByFamilyAndInstanceSlots)
{
    dspshell::reset();
    dspshell::addCard(21, 3);
    dspshell::addCard(26, 3);
    dspshell::addCard(29, 2);
    TestCardGroup group;
    EXPECT_EQ(group.GetDSPCapacity(21), 3);
    EXPECT_EQ(group.GetDSPCapacity(26), 6);
    EXPECT_EQ(group.GetDSPCapacity(29), 8);
    EXPECT_EQ(group.GetDSPCapacity(18), 0);
    dspshell::reset();

    EXPECT_EQ(group.AllocateInstanceSlot(kCardType), 0);
    EXPECT_EQ(group.AllocateInstanceSlot(kCardType), 1);
    EXPECT_EQ(group.AllocateInstanceSlot(kOfflineType), 0);
    group.RemoveInstanceSlot(0, kCardType);
    EXPECT_EQ(group.CountInstanceSlots(kCardType), 1);
    EXPECT_EQ(group.AllocateInstanceSlot(kCardType), 0);
    EXPECT_EQ(group.CountInstanceSlots(kCardType), 2);
}

TEST(OfflineProcess, TablesOfFortyEightPositionsAndTheDesignatedOne)
{
    TestOfflineProcess process;
    std::uint8_t connected = 9;
    EXPECT_EQ(process.IsInputConnected(0, &connected), -7106);
    EXPECT_EQ(process.SetOutputConnection(49, 1), -7106);
    EXPECT_EQ(process.SetInputConnection(1, 7), 0);
    EXPECT_EQ(process.SetOutputConnection(48, 8), 0);
    process.IsInputConnected(1, &connected);
    EXPECT_EQ(connected, 1);
    process.IsOutputConnected(48, &connected);
    EXPECT_EQ(connected, 1);
    EXPECT_EQ(process.ClearOutputConnection(48), 0);
    process.IsOutputConnected(48, &connected);
    EXPECT_EQ(connected, 0);

    // Positions the process does not take itself follow the shared rules.
    process.accepted = 10;
    EXPECT_EQ(process.SetInputConnection(20, 5), 0);
    EXPECT_EQ(process.SetInputConnection(20, 6), -7100);
    EXPECT_EQ(process.ClearInputConnection(21), -7107);

    process.SetDesignatedPosition(3);
    process.SetInputConnection(4, 1);
    EXPECT_EQ(process.notices, 0);
    process.SetInputConnection(3, 1);
    process.ClearInputConnection(3);
    EXPECT_EQ(process.notices, 2);

    std::uint8_t text[32] = "\x03" "abc";
    EXPECT_EQ(process.GetChunkAltName(5, text), 0);
    EXPECT_EQ(process.GetChunkAltName(6, text), -7157);
}

TEST(OfflineProcess, TheNativeTypeHandsItItsIdentityAndItsAdaptorGoesWithIt)
{
    TempFolder folder;
    writeResourceFile(folder.path() / "Kravo.dll.rsr", {});
    platform::setModulePath((folder.path() / "Kravo.dll").string());
    ASSERT_EQ(WinPlugInOpen(73), 0);
    {
        CEffectTypeNative type{FourCharCode("Krst"), FourCharCode("KrCH"), 2048};
        type.SetProcessFactory([]() -> CProcess* { return new TestOfflineProcess; });
        std::int32_t id = 0;
        ASSERT_EQ(type.CreateProcess(&id), 0);
        auto* process = dynamic_cast<TestOfflineProcess*>(type.FindProcess(id));
        ASSERT_NE(process, nullptr);
        ASSERT_NE(process->GetAdaptorPlugIn(), nullptr);
        SPlugInID identity{};
        process->GetAdaptorPlugIn()->GetID(identity);
        EXPECT_EQ(identity.words[1], FourCharCode("KrCH"));
        EXPECT_EQ(identity.words[3], FourCharCode("Krst"));
        EXPECT_EQ(identity.words[4], static_cast<std::uintptr_t>(id));
        type.DeleteAllProcesses(); // the adaptor goes too; a leak would show under the sanitizers
    }
    while (gProcessGroup != nullptr)
        WinPlugInClose();
    platform::setModulePath("");
}

TEST(CardProcess, LoadPortsAndConnectionsUnderTheDSPsAccess)
{
    TestCardProcess process;
    EXPECT_EQ(process.GetDSPLoad(), 0);
    process.SetDSPUse(30, 0, 10, 40);
    EXPECT_EQ(process.GetDSPLoad(), 25);
    process.SetDSPUse(30, 60, 10, 40);
    EXPECT_EQ(process.GetDSPLoad(), 50);
    EXPECT_EQ(process.SetBypass(0, 1), 0);
    EXPECT_TRUE(process.IsBypassOn());

    process.SetPortAddresses({0x100, 0x180});
    EXPECT_EQ(process.GetPortAddress(2), 0x180);
    EXPECT_EQ(process.GetPortAddress(3), -1);
    EXPECT_EQ(process.GetPortAddress(0), -1);

    AccessDSP dsp;
    process.StartOnDSP(&dsp);
    process.SetConnectionCounts(2, 2);
    EXPECT_EQ(process.ConnectInput(3, 5), -7106);
    EXPECT_EQ(process.ConnectInput(2, 5), 0);
    EXPECT_EQ(process.ConnectInput(2, 6), -7100);
    EXPECT_EQ(dsp.writes, (std::vector<std::vector<std::int32_t>>{{0x180, 0, 5}}));
    dsp.grants = false;
    EXPECT_EQ(process.ConnectOutput(1, 7), -7303);
    EXPECT_EQ(process.DisconnectInput(2), -7303);
    std::uint8_t connected = 0;
    process.IsOutputConnected(1, &connected);
    EXPECT_EQ(connected, 0);
    EXPECT_EQ(dsp.writes.size(), 1u);
    dsp.grants = true;
    EXPECT_EQ(process.DisconnectInput(2), 0);
    EXPECT_EQ(process.DisconnectInput(2), -7107);
    process.StopOnDSP();
}

// The registration road with the DSP manager: the card process registers, the offline one does not.
TEST(CardGroup, OnTheRegistrationRoadOnlyTheCardProcessMeetsTheManager)
{
    TempFolder folder;
    writeResourceFile(folder.path() / "Kravo.dll.rsr", processDialogResources());
    platform::setModulePath((folder.path() / "Kravo.dll").string());
    WinPlugInOpen(72);
    DllMain(platform::pluginModule(), kProcessAttach, nullptr);
    ASSERT_EQ(hostengine::openPlugIn(), 0);
    dspmanager::provide(true);
    ForgetDSPManagerInterface();
    {
        TestCardGroup group;
        ASSERT_EQ(group.Initialize(), 0);
        group.EnableProcessType(0);
        group.EnableProcessType(1);
        std::int32_t card = 0;
        std::int32_t offline = 0;
        ASSERT_EQ(group.CreateProcess(kCardType, &card), 0);
        ASSERT_EQ(group.CreateProcess(kOfflineType, &offline), 0);
        EXPECT_EQ(dspmanager::calls(), (std::vector<std::string>{"RegisterConversant", "ActivateConversant"}));
        auto* process = dynamic_cast<TestCardProcess*>(group.GetProcessType(kCardType)->FindProcess(card));
        ASSERT_NE(process, nullptr);
        process->SetChipFamily(29);
        process->SetDSPUse(10, 100, 0, 0);
        EXPECT_EQ(group.GetDSPUsage(29), 10);
        EXPECT_EQ(group.GetDSPUsage(26), 0);
        group.DeleteProcess(kOfflineType, offline);
        group.DeleteProcess(kCardType, card);
        EXPECT_EQ(dspmanager::calls().size(), 4u);
        EXPECT_EQ(dspmanager::calls().back(), "UnregisterConversant");
    }
    dspmanager::provide(false);
    ForgetDSPManagerInterface();
    hostengine::closePlugIn();
    hostengine::forgetOpenAndCloseProcs();
    while (gProcessGroup != nullptr)
        WinPlugInClose();
    platform::setModulePath("");
}

TEST(CardFamilies, AnsweredFromTheSimulatorsCardsDirectlyAndThroughTheAccessors)
{
    // A card of type 18 keeps the binding reading the driver's records directly; without one it reads
    // them through the accessors.
    for (const bool accessors : {false, true}) {
        dspshell::reset();
        std::vector<std::int32_t> families = {20, 21, 22, 26, 28, 29, 31, 15};
        if (!accessors)
            families.push_back(18);
        for (std::int32_t family : families)
            dspshell::addCard(family, 2);
        ASSERT_EQ(loadDshLibrary(), 0);
        EXPECT_EQ(IsAccessorMode(), accessors);
        for (std::int32_t family : families)
            EXPECT_TRUE(HasCardOfType(family)) << family << (accessors ? " through the accessors" : "");
        EXPECT_FALSE(HasCardOfType(27));
        EXPECT_TRUE(HasProcessingCard() && HasCardOfType22() && HasCardOfType15() && HasCardOfType28() &&
                    HasCardOfType31());
        unloadDshLibrary();
    }
    dspshell::reset();
}

} // namespace
