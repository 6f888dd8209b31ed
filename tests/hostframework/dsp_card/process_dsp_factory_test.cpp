#include "hostframework/dsp_card/chip_dsps.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_dsp_factory.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/module_loading.h"
#include "tests/hostframework/dsp_card/dsp_card_fixture.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/test_dsp_processes.h"
#include "tests/support/temp_folder.h"

#include <cstring>
#include <functional>
#include <memory>
#include <typeinfo>

namespace {

using namespace kravo::test;

struct CardCase {
    const char* name;
    std::int32_t cardType;
    bool accessors;
    std::function<void(DshDSP*)> describe;
    const std::type_info* chosen;
};

class DSPFactory : public DSPCardTest {};

TEST_F(DSPFactory, TheCardTestsChooseTheClassInTheirOrder)
{
    const auto gen2 = [](DshDSP* dsp) { dsp->card->gen2 = true; };
    const CardCase cases[] = {
        {"generic card", 18, false, [](DshDSP*) {}, &typeid(CProcessDSP)},
        {"generic card on a gen2 card", 18, false, gen2, &typeid(CProcessDSP)},
        {"gen2", 21, true, gen2, &typeid(COnyxChipDSP)},
        {"gen2 read directly", 21, false, gen2, &typeid(COnyxChipDSP)},
        {"gen2 with a presto core", 21, true,
         [](DshDSP* dsp) {
             dsp->card->gen2 = true;
             dsp->coreType = 2;
         },
         &typeid(COnyxChipDSP)},
        {"presto", 21, true, [](DshDSP* dsp) { dsp->coreType = 2; }, &typeid(CPrestoChipDSP)},
        {"321", 26, true, [](DshDSP* dsp) { dsp->coreType = 321; }, &typeid(C321ChipDSP)},
    };
    for (const CardCase& card : cases) {
        SCOPED_TRACE(card.name);
        unloadDshLibrary();
        dspshell::reset();
        card.describe(addRunningDSP(card.cardType, card.accessors));
        const std::unique_ptr<CProcessDSP> made(GetNewCProcessDSP(shell));
        EXPECT_EQ(typeid(*made), *card.chosen);
    }
}

TEST_F(DSPFactory, NoCardOfAKnownFamilyIsAnUnrecognizedCard)
{
    DshDSP* dsp = addRunningDSP(21, true);
    const auto unrecognized = [this](DshShell* asked) {
        try {
            delete GetNewCProcessDSP(asked);
        } catch (const std::runtime_error& error) {
            return std::strcmp(error.what(), "unrecognized card type in GetNewCProcessDSP()") == 0;
        }
        return false;
    };
    EXPECT_TRUE(unrecognized(shell));
    DshShell* idle = nullptr;
    DshCreateShell(&idle); // runs on no DSP
    EXPECT_TRUE(unrecognized(idle));
    unloadDshLibrary(); // no accessors left to ask about the chip
    dsp->card->gen2 = true;
    EXPECT_TRUE(unrecognized(shell));
}

// The DSP process group's own factory, as a DSP build of the library has it.
class CardGroup : public TestDSPGroup {
public:
    using TestDSPGroup::TestDSPGroup;
    CProcessDSP* MakeDSPObject(std::int16_t kind, std::int32_t word, DshShell* runningShell) override
    {
        return CDSPProcessGroup::MakeDSPObject(kind, word, runningShell);
    }
};

class DSPFactoryInGroup : public DSPCardTest {
protected:
    void SetUp() override
    {
        DSPCardTest::SetUp();
        writeResourceFile(folder.path() / "Test.dll.rsr", {});
        platform::setModulePath((folder.path() / "Test.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
    }
    void TearDown() override
    {
        group.reset();
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setModulePath("");
        DSPCardTest::TearDown();
    }

    TempFolder folder;
    Log log;
    std::unique_ptr<CardGroup> group = std::make_unique<CardGroup>(log);
};

TEST_F(DSPFactoryInGroup, TheGroupListsTheObjectOfTheShellsCardAttachedToItsDSP)
{
    DshDSP* dsp = addRunningDSP(21, true);
    dsp->card->gen2 = true;
    dsp->info[0] = 3;
    ASSERT_EQ(group->Initialize(), 0);
    ASSERT_EQ(group->HostCall14(&hostext::RecordComponentRequest), 0);
    hostext::forgetComponentRequests();

    CProcessDSP* object = nullptr;
    ASSERT_EQ(group->CreateDSPObject(shell, &object, 5, 6), 0);
    EXPECT_NE(dynamic_cast<COnyxChipDSP*>(object), nullptr);
    EXPECT_EQ(*group->GetDSPObjects(), std::vector<CProcessDSP*>{object});
    EXPECT_EQ(object->GetDSPRecord(), dsp);
    EXPECT_EQ(object->GetHostWord(), 6);
    EXPECT_EQ(object->GetUserCount(), 0); // the group's own reference is no user
    object->AddRef();
    EXPECT_EQ(object->GetUserCount(), 1);
    object->Release();
    const auto requests = hostext::componentRequests();
    ASSERT_EQ(requests.size(), 1u);
    std::int32_t words[3] = {};
    ASSERT_EQ(requests[0].block.size(), sizeof words);
    std::memcpy(words, requests[0].block.data(), sizeof words);
    EXPECT_EQ(words[2], 3); // the DSP's index

    group->HostCall14(nullptr);
    dspshell::forgetCalls();
    group.reset();
    EXPECT_EQ(dspshell::calls(), Calls{"SPauseShell"});
}

} // namespace
