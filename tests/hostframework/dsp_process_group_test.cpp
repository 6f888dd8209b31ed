#include "hostframework/plugin_library.h"
#include "hostlibs/dspmanager/dsp_manager_control.h"
#include "hostlibs/dspshell/dsp_shell_control.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/module_loading.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/test_dsp_processes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

using namespace kravo::test;

class DSPProcessGroup : public ::testing::Test {
protected:
    void SetUp() override
    {
        hostengine::resetLockService();
        dspshell::reset();
        dspmanager::provide(false);
        writeResourceFile(folder.path() / "Test.dll.rsr", {});
        platform::setModulePath((folder.path() / "Test.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
    }
    void TearDown() override
    {
        group.reset();
        if (gProcessGroup != nullptr) // the dispatcher is module-wide: later tests start without one
            gProcessGroup->HostCall14(nullptr);
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        dspshell::failDriverStart(0);
        hostengine::resetLockService();
        platform::setModulePath("");
    }
    void initialize()
    {
        type = new TestDSPType(log);
        group->typesToAdd = {type};
        ASSERT_EQ(group->Initialize(), 0);
        group->GetProcessTypeByIndex(1)->GetTypeID(&typeID);
    }
    std::int32_t create()
    {
        std::int32_t id = 0;
        EXPECT_EQ(group->CreateProcess(typeID, &id), 0);
        return id;
    }
    RecordingDSP* createDSPObject()
    {
        CProcessDSP* object = nullptr;
        EXPECT_EQ(group->CreateDSPObject(nullptr, &object, 5, 6), 0);
        return static_cast<RecordingDSP*>(object);
    }

    TempFolder folder;
    Log log;
    std::unique_ptr<TestDSPGroup> group = std::make_unique<TestDSPGroup>(log);
    TestDSPType* type = nullptr;
    std::uint32_t typeID = 0;
};

TEST_F(DSPProcessGroup, InterfacesAnswerByIdAndCountReferences)
{
    void* face = nullptr;
    EXPECT_EQ(group->QueryInterface(DOA::kProcessGroupInterfaceID, &face), 0);
    EXPECT_EQ(face, static_cast<IProcessGroup*>(group.get()));
    EXPECT_EQ(static_cast<IProcessGroup*>(face)->Release(), 1); // the query added exactly one

    EXPECT_EQ(group->QueryInterface(DOA::kUnknownInterfaceID, &face), 0);
    EXPECT_EQ(face, static_cast<DOA::INondelegatingUnknown*>(static_cast<DOA::CUnknown*>(group.get())));
    EXPECT_EQ(group->Release(), 1);

    const DOA::SInterfaceID managerID{0x27B87CA0, 0x2294, 0x11D2, {0x81, 0x7A, 0x01, 0x60, 0x08, 0x9A, 0x89, 0x16}};
    face = &face;
    EXPECT_EQ(group->QueryInterface(managerID, &face), DOA::kNoSuchInterface);
    EXPECT_EQ(face, nullptr);

    // The interface's group operations never let an exception out.
    IProcessGroup& groupFace = *group;
    std::int32_t value = 0;
    EXPECT_EQ(groupFace.SafeHostCall35(&value, nullptr), 0);
    group->throwInGroupCalls = true;
    EXPECT_EQ(groupFace.SafeHostCall35(&value, nullptr), -7401);
    EXPECT_EQ(groupFace.SafeHostCall136(1, &value, 1, nullptr), -7401);
}

TEST_F(DSPProcessGroup, GroupInfoGivesTheNameCutToSixteenAndRefusesOtherKinds)
{
    group->plugInName = "A Rather Long Plug-In Name";
    std::uint8_t out[32];
    std::memset(out, 0xAA, sizeof out);
    EXPECT_EQ(group->GetGroupInfo(0, 3, out), -1);
    EXPECT_EQ(out[0], 0xAA);
    EXPECT_EQ(group->GetGroupInfo(0, 1, out), 0);
    EXPECT_EQ(out[0], 16);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out + 1), 16), "A Rather Long Pl");
    EXPECT_EQ(out[17], 0xAA);
}

TEST_F(DSPProcessGroup, AFailingDriverFailsInitializeWithItsCode)
{
    dspshell::failDriverStart(-4711);
    try {
        group->Initialize();
        FAIL() << "Initialize succeeded";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -4711);
    }
}

TEST_F(DSPProcessGroup, ADSPObjectGoesWithItsLastUserAndTheRestGoWithTheGroup)
{
    initialize();
    EXPECT_EQ(type->GetProcessGroup(), group.get());
    EXPECT_THROW(group->CreateDSPObject(nullptr, nullptr, 5, 6), CHostError); // no host call-back to report to
    ASSERT_EQ(group->HostCall14(&hostext::RecordComponentRequest), 0);
    hostext::forgetComponentRequests();
    create();
    create();
    create();
    log.clear();

    createDSPObject();
    RecordingDSP* used = createDSPObject();
    used->users = 1;
    const auto requests = hostext::componentRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].request, 13);
    std::int32_t words[3] = {};
    ASSERT_EQ(requests[0].block.size(), sizeof words);
    std::memcpy(words, requests[0].block.data(), sizeof words);
    EXPECT_EQ(words[0], 5);
    EXPECT_EQ(words[1], 6);
    EXPECT_EQ(words[2], 77);

    EXPECT_EQ(group->DeleteProcess(typeID, 1), 0);
    EXPECT_EQ(log, (Log{"stop dsp1", "deleted dsp1", "stop dsp2", "deleted dsp2"}));
    EXPECT_EQ(*group->GetDSPObjects(), std::vector<CProcessDSP*>{used});

    // A negative count stops the sweep before anything is deleted.
    createDSPObject();
    used->users = -1;
    log.clear();
    EXPECT_EQ(group->DeleteProcess(typeID, 2), -7150);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(group->GetDSPObjects()->size(), 2u);
    EXPECT_EQ(group->DeleteProcess(typeID, 9), -7126); // an unknown process changes nothing

    group.reset();
    EXPECT_EQ(log, (Log{"stop dsp3", "deleted dsp3", "stop dsp4", "deleted dsp4"}));
}

TEST_F(DSPProcessGroup, UsageAddsTheLoadsOfOneChipAndCapsAtAHundred)
{
    initialize();
    for (double load : {60.25, 70.25, 50.0})
        type->process(create())->load = load;
    type->process(3)->SetDSP(1, nullptr); // on another chip
    EXPECT_EQ(group->GetDSPUsagePercent(0), 100);
    EXPECT_EQ(group->GetDSPUsagePercent(1), 50);
    std::int16_t usage = 0;
    EXPECT_EQ(group->GetGroupInfo(1, 4, &usage), 0);
    EXPECT_EQ(usage, 50);
    EXPECT_EQ(group->GetDSPUsagePercent(2), 0);
}

TEST_F(DSPProcessGroup, WithoutACardTheFactoryNamesTheUnknownCard)
{
    CDSPProcessGroup& plain = *group;
    try {
        plain.CDSPProcessGroup::MakeDSPObject(0, 0, nullptr);
        FAIL() << "a DSP object was made";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "unrecognized card type in GetNewCProcessDSP()");
    }
}

} // namespace
