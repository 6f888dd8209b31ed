#include "hostframework/plugin_library.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/module_loading.h"
#include "platform/module_resources.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/test_processes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace kravo::test;

// A group opened as the host opens the library: through the engine's registration (the resource
// file is pinned while processes live) or through WinPlugInOpen (it is not).
class ProcessGroup : public ::testing::Test {
protected:
    void SetUp() override
    {
        hostengine::resetLockService();
        hostengine::resetObjectServer();
        hostext::forgetResourceFileEvents();
        writeResourceFile(folder.path() / "Test.dll.rsr", processDialogResources());
        platform::setModulePath((folder.path() / "Test.dll").string());
    }
    void TearDown() override
    {
        group.reset();
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        hostengine::forgetOpenAndCloseProcs();
        hostengine::resetLockService();
        hostengine::resetObjectServer();
        platform::setModulePath("");
    }
    void open(bool throughWinPlugInOpen, std::vector<CProcessType*> types)
    {
        if (throughWinPlugInOpen) {
            ASSERT_EQ(WinPlugInOpen(73), 0);
        } else {
            WinPlugInOpen(72); // clears the flag an earlier test set
            DllMain(platform::pluginModule(), kProcessAttach, nullptr);
            ASSERT_EQ(hostengine::openPlugIn(), 0);
        }
        libraryLocks = hostengine::lockServiceCounts(); // the library's own group took a lock of its own
        group = std::make_unique<TestGroup>();
        group->typesToAdd = std::move(types);
        ASSERT_EQ(group->Initialize(), 0);
    }
    std::int32_t create(std::uint32_t type = fourCC("AAAA"))
    {
        std::int32_t id = 0;
        EXPECT_EQ(group->CreateProcess(type, &id), 0);
        return id;
    }

    TempFolder folder;
    std::unique_ptr<TestGroup> group;
    hostengine::LockServiceCounts libraryLocks;
};

TEST_F(ProcessGroup, TypesAreNumberedFoundAndDisabledOnesSortLast)
{
    open(true, {new TestType(fourCC("AAAA")), new TestType(fourCC("BBBB"))});
    EXPECT_EQ(group->typeOrder(), (std::vector<std::uint32_t>{fourCC("AAAA"), fourCC("BBBB")}));
    EXPECT_EQ(group->GetProcessTypeIndex(fourCC("BBBB")), 2);
    EXPECT_THROW(group->GetProcessType(fourCC("CCCC")), CHostError);
    EXPECT_EQ(group->HostCall93(fourCC("CCCC"), 0, nullptr), -7125);

    group.reset();
    group = std::make_unique<TestGroup>();
    group->typesToAdd = {new TestType(fourCC("frst"), 0), new TestType(fourCC("scnd"), 7),
                         new TestType(fourCC("thrd"), 0)};
    group->Initialize();
    EXPECT_EQ(group->typeOrder(), (std::vector<std::uint32_t>{fourCC("frst"), fourCC("thrd"), fourCC("scnd")}));
    std::int16_t count = 0;
    group->GetNumProcessTypes(&count);
    EXPECT_EQ(count, 2);
    const int sorts = group->sorts;
    group->EnableProcessType(7);
    EXPECT_EQ(group->sorts, sorts + 1);
    EXPECT_EQ(group->typeOrder(), (std::vector<std::uint32_t>{fourCC("frst"), fourCC("thrd"), fourCC("scnd")}));
    group->GetNumProcessTypes(&count);
    EXPECT_EQ(count, 3);
    group->EnableProcessType(7);
    EXPECT_EQ(group->sorts, sorts + 1);
}

TEST_F(ProcessGroup, NamesBroadcastsAndTheStereoText)
{
    open(true, {});
    char name[64] = {};
    EXPECT_EQ(group->GetTypeName(fourCC("????"), 63, name), 0);
    EXPECT_EQ(std::string(name + 1, static_cast<std::size_t>(name[0])), "Kravo Test");

    group.reset();
    auto* a = new TestType(fourCC("AAAA"));
    auto* b = new TestType(fourCC("BBBB"));
    auto* c = new TestType(fourCC("CCCC"));
    b->sampleRateAnswer = -5;
    c->sampleRateAnswer = -9;
    group = std::make_unique<TestGroup>();
    group->typesToAdd = {a, b, c};
    group->Initialize();
    EXPECT_EQ(group->SetSampleRate(48000), -5);
    EXPECT_EQ(a->sampleRateCalls + b->sampleRateCalls + c->sampleRateCalls, 3);
    EXPECT_EQ(group->GetSampleRate(), 48000);

    const std::int32_t stereo = create();
    const std::int32_t mono = create();
    a->process(mono)->inputs = 1;
    std::uint8_t text[32] = {};
    EXPECT_EQ(group->GetInfoText(fourCC("AAAA"), stereo, 2, text), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "stereo mode");
    EXPECT_EQ(group->GetInfoText(fourCC("AAAA"), stereo, 1, text), -7000);
    EXPECT_EQ(group->GetInfoText(fourCC("AAAA"), mono, 2, text), -7000);

    std::int32_t first = 9;
    std::int32_t request = 0x47892354;
    EXPECT_EQ(group->HostCall36(&first, &request, fourCC("AAAA"), stereo, 0), 0);
    EXPECT_EQ(request, 0x47892354);
    EXPECT_EQ(first, 9);
}

TEST_F(ProcessGroup, OneObjectServerWhileProcessesLiveAndTheResourceFilePinnedOnTheHostsRoad)
{
    hostengine::offerObjectServer(true);
    open(false, {new TestType(fourCC("AAAA"))});
    const std::string file = (folder.path() / "Test.dll.rsr").string();
    const int opensBefore = hostext::resourceFileOpens(file);
    const std::int32_t first = create();
    const std::int32_t second = create();
    EXPECT_EQ(hostengine::liveObjectServerHandles(), 2); // the server and its object
    EXPECT_EQ(hostext::resourceFileOpens(file), opensBefore + 1);
    EXPECT_EQ(group->DeleteProcess(fourCC("AAAA"), 7), -7126);
    EXPECT_EQ(group->GetLiveProcessCount(), 2); // a failed deletion does not count
    EXPECT_EQ(group->DeleteProcess(fourCC("AAAA"), first), 0);
    EXPECT_EQ(hostengine::liveObjectServerHandles(), 2);
    EXPECT_EQ(group->DeleteProcess(fourCC("AAAA"), second), 0);
    EXPECT_EQ(hostengine::liveObjectServerHandles(), 0);
    EXPECT_EQ(hostext::resourceFileOpens(file), opensBefore);
    const std::intptr_t firstServer = CProcessGroup::GetObjectServer();
    EXPECT_EQ(firstServer, 0);
    create();
    EXPECT_NE(CProcessGroup::GetObjectServer(), 0);
}

TEST_F(ProcessGroup, WinPlugInOpensRoadNeitherPinsTheFileNorLoadsTheCache)
{
    open(true, {new TestType(fourCC("AAAA"))});
    const std::string file = (folder.path() / "Test.dll.rsr").string();
    const int opensBefore = hostext::resourceFileOpens(file);
    hostext::forgetResourceFileEvents();
    const std::int32_t id = create();
    EXPECT_EQ(hostext::resourceFileOpens(file), opensBefore);
    EXPECT_TRUE(hostext::resourceFileEvents().empty());
    EXPECT_EQ(group->DeleteProcess(fourCC("AAAA"), id), 0);
    std::int32_t none = 0;
    EXPECT_THROW(group->CreateProcess(fourCC("ZZZZ"), &none), CHostError);
    EXPECT_EQ(group->GetLiveProcessCount(), 0);
}

TEST_F(ProcessGroup, TheLockNestsAndIsNamedAfterThePlugInFromVersion2)
{
    open(true, {});
    EXPECT_EQ(group->EnterHostCall(), 1);
    EXPECT_EQ(group->EnterHostCall(), 2);
    EXPECT_EQ(group->LeaveHostCall(), 1);
    EXPECT_EQ(group->LeaveHostCall(), 0);
    EXPECT_EQ(group->LeaveHostCall(), 0); // more leaves than enters are ignored
    EXPECT_EQ(hostengine::lockServiceCounts().created - libraryLocks.created, 1);
    EXPECT_STREQ(hostengine::lockServiceCounts().lastName, "CProcessGroup<Kravo Test>");
    EXPECT_EQ(hostengine::lockServiceCounts().entered - libraryLocks.entered, 2);
    EXPECT_EQ(hostengine::lockServiceCounts().left - libraryLocks.left, 2);
    group.reset();
    EXPECT_EQ(hostengine::lockServiceCounts().deleted - libraryLocks.deleted, 1);
    WinPlugInClose(); // the library's group and its lock go before the service is reset below

    // The service is kept once found, so only its version decides from here on.
    for (const auto& [version, created, name] : {std::tuple{1, 1, ""}, {0, 0, ""}}) {
        hostengine::resetLockService();
        hostengine::setLockServiceVersion(version);
        group = std::make_unique<TestGroup>();
        group->Initialize();
        EXPECT_EQ(hostengine::lockServiceCounts().created, created) << version;
        EXPECT_STREQ(hostengine::lockServiceCounts().lastName == nullptr ? "" : hostengine::lockServiceCounts().lastName,
                     name);
        EXPECT_EQ(group->EnterHostCall(), 1);
        EXPECT_FALSE(version == 0 && group->TryEnterHostCall());
        group->LeaveHostCall();
        group.reset();
    }
}

} // namespace
