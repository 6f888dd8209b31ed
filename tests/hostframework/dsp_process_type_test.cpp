#include "hostframework/dsp_manager_access.h"
#include "hostframework/plugin_library.h"
#include "hostlibs/dspmanager/dsp_manager_control.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/module_loading.h"
#include "platform/module_resources.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/test_dsp_processes.h"
#include "tests/support/temp_folder.h"
#include "tests/hostframework/support/suppressed_host_views.h"

#include <gtest/gtest.h>

namespace {

using namespace kravo::test;

class DSPProcessType : public ::testing::Test {
protected:
    SuppressedHostViews views;
    void SetUp() override
    {
        provideManager(false);
        writeResourceFile(folder.path() / "Type.dll.rsr", {});
        platform::setModulePath((folder.path() / "Type.dll").string());
    }
    void TearDown() override
    {
        type.DeleteAllProcesses();
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        hostengine::forgetOpenAndCloseProcs();
        provideManager(false);
        platform::setModulePath("");
    }
    // The library keeps the manager it found, so it is told to look again.
    static void provideManager(bool present)
    {
        dspmanager::provide(present);
        ForgetDSPManagerInterface();
    }
    // As the host's engine opens the library: processes are then registered with the manager.
    static void openThroughEngine()
    {
        WinPlugInOpen(72); // clears the mark of an earlier WinPlugInOpen
        DllMain(platform::pluginModule(), kProcessAttach, nullptr);
        ASSERT_EQ(hostengine::openPlugIn(), 0);
    }
    std::int32_t createInstance()
    {
        std::int32_t id = 0;
        EXPECT_EQ(type.CreateProcessInstance(&id), 0);
        return id;
    }

    TempFolder folder;
    Log log;
    TestDSPType type{log};
};

TEST_F(DSPProcessType, ANewProcessTakesTheLowestFreeIdWhateverTheListOrder)
{
    EXPECT_EQ(createInstance(), 1);
    EXPECT_EQ(createInstance(), 2);
    EXPECT_EQ(type.DeleteProcess(1), 0);
    EXPECT_EQ(createInstance(), 1); // listed after 2 now
    EXPECT_EQ(createInstance(), 3);

    type.makeProcess = [] { return nullptr; };
    std::int32_t id = -1;
    EXPECT_EQ(type.CreateProcessInstance(&id), -7053);
    EXPECT_EQ(type.GetNumProcesses(), 3);
}

TEST_F(DSPProcessType, TheProcessIsHandedItsValuesInOrder)
{
    type.SetIndexA(4);
    type.SetSampleRate(48000);
    type.SetProcessWord(99);
    log.clear();
    createInstance();
    EXPECT_EQ(log, (Log{"type", "dsp type", "index 4", "id 1", "initialize", "rate 48000", "word 99"}));
    EXPECT_EQ(type.process(1)->GetDSPProcessType(), &type);
    EXPECT_EQ(type.process(1)->GetProcessWord(), 99);
}

TEST_F(DSPProcessType, BothInterfaceIdsAnswerOneFaceThroughTheOuterObject)
{
    CountingOuter outer;
    TestDSPType aggregated{log, &outer};
    void* first = nullptr;
    void* second = nullptr;
    EXPECT_EQ(aggregated.QueryInterface(DOA::kProcessTypeInterfaceID, &first), 0);
    EXPECT_EQ(outer.references, 2);
    EXPECT_EQ(aggregated.QueryInterface(DOA::kProcessType2InterfaceID, &second), 0);
    EXPECT_EQ(outer.references, 3);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, static_cast<IProcessType2*>(&aggregated));
    static_cast<IProcessType2*>(first)->Release();
    EXPECT_EQ(outer.references, 2);
}

TEST_F(DSPProcessType, OnlyTheRegistrationRoadNeedsTheManager)
{
    ASSERT_EQ(WinPlugInOpen(73), 0);
    std::int32_t id = 0;
    EXPECT_EQ(type.CreateProcess(&id), 0);
    EXPECT_NE(type.FindProcess(id), nullptr);

    WinPlugInClose();
    openThroughEngine();
    log.clear();
    EXPECT_EQ(type.CreateProcess(&id), -7080);
    EXPECT_EQ(type.GetNumProcesses(), 1);
    EXPECT_EQ(log.back(), "word 0"); // made, then let go of again
}

TEST_F(DSPProcessType, TheManagerRegistersAndUnregistersEachProcess)
{
    openThroughEngine();
    provideManager(true);
    std::int32_t id = 0;
    ASSERT_EQ(type.CreateProcess(&id), 0);
    EXPECT_EQ(dspmanager::calls(), (std::vector<std::string>{"RegisterConversant", "ActivateConversant"}));
    EXPECT_EQ(type.DeleteProcess(id), 0);
    EXPECT_EQ(dspmanager::calls(), (std::vector<std::string>{"RegisterConversant", "ActivateConversant",
                                                             "DeactivateConversant", "UnregisterConversant"}));

    // A refused activation undoes the registration and lets the process go.
    dspmanager::failCall("ActivateConversant", -7101);
    log.clear();
    EXPECT_EQ(type.CreateProcess(&id), -7101);
    EXPECT_EQ(dspmanager::calls().back(), "UnregisterConversant");
    EXPECT_EQ(log.back(), "144");
    EXPECT_EQ(type.GetNumProcesses(), 0);

    dspmanager::provide(true);
    dspmanager::failCall("RegisterConversant", -7100);
    EXPECT_EQ(type.CreateProcess(&id), -7100);
    EXPECT_EQ(dspmanager::calls(), std::vector<std::string>{"RegisterConversant"});
    EXPECT_EQ(type.GetNumProcesses(), 0);
    EXPECT_EQ(dspmanager::outstandingReferences(), 0);

    // Without a manager a deletion still lets the process go.
    provideManager(false);
    ASSERT_EQ(WinPlugInOpen(73), 0);
    ASSERT_EQ(type.CreateProcess(&id), 0);
    EXPECT_EQ(type.DeleteProcess(id), 0);
    EXPECT_EQ(type.GetNumProcesses(), 0);
    EXPECT_TRUE(dspmanager::calls().empty());
}

} // namespace
