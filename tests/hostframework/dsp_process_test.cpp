#include "hostframework/conversant_info.h"
#include "hostframework/dsp_manager_access.h"
#include "hostframework/host_connections_api.h"
#include "hostlibs/dspmanager/dsp_manager_control.h"
#include "hostlibs/engine/host_engine_control.h"
#include "tests/hostframework/support/test_dsp_processes.h"
#include "tests/hostframework/support/suppressed_host_views.h"

#include <gtest/gtest.h>

namespace {

using namespace kravo::test;

using Calls = std::vector<std::string>;

class DSPProcess : public ::testing::Test {
protected:
    SuppressedHostViews views;
    void SetUp() override
    {
        hostengine::forgetConnectionCalls();
        dspmanager::provide(false);
        ForgetDSPManagerInterface();
        type.SetProcessGroup(&group);
        std::int32_t id = 0;
        type.CreateProcessInstance(&id);
        type.CreateProcessInstance(&id);
        process = type.process(id);
    }
    void TearDown() override
    {
        type.DeleteAllProcesses();
        hostengine::forgetConnectionCalls();
    }

    Log log;
    TestDSPGroup group{log};
    TestDSPType type{log};
    TestDSPProcess* process = nullptr;
};

TEST_F(DSPProcess, AnswersBothProcessIdsWithOneFaceAndFullPriority)
{
    void* first = nullptr;
    void* second = nullptr;
    EXPECT_EQ(process->QueryInterface(DOA::kProcessInterfaceID, &first), 0);
    EXPECT_EQ(process->QueryInterface(DOA::kProcess2InterfaceID, &second), 0);
    EXPECT_EQ(first, static_cast<IProcess2*>(process));
    EXPECT_EQ(second, first);
    static_cast<IProcess2*>(first)->Release();
    EXPECT_EQ(process->Release(), 1);

    EXPECT_EQ(process->GetPriority(), 100);
    EXPECT_EQ(process->GetPriorityAsDouble(), 100.0);
    EXPECT_EQ(process->GetPrecision(), 0);
    hostengine::offerPrecision(24);
    EXPECT_EQ(process->GetPrecision(), 24);
}

TEST_F(DSPProcess, TheDescriptionNamesTheGroupsCodesAndTheProcessIndex)
{
    SConversantInfoFromCDSPProcess info = MakeConversantInfo(*process);
    EXPECT_EQ(info.manufacturer, fourCC("XXXX"));
    EXPECT_EQ(info.product, fourCC("XXXX"));
    EXPECT_EQ(info.type, fourCC("XXXX"));
    EXPECT_EQ(info.instance, 2);
    EXPECT_EQ(info.inputs, 2);
    EXPECT_EQ(info.process, process);

    group.codes = {fourCC("HVnd"), fourCC("Mixr"), fourCC("Krvo")};
    info = MakeConversantInfo(*process);
    EXPECT_EQ(info.manufacturer, fourCC("HVnd"));
    EXPECT_EQ(info.type, fourCC("Krvo"));
    EXPECT_EQ(info.instance, process->GetIndexB());
    EXPECT_EQ(hostengine::connectionCalls().back(), "HostCreatePlugInSpec " + std::to_string(fourCC("HVnd")) + " " +
                                                         std::to_string(fourCC("Mixr")) + " " +
                                                         std::to_string(fourCC("Krvo")) + " object");
}

TEST_F(DSPProcess, TheDSPComesAndGoesInsideOnePreparationOfConnections)
{
    RecordingDSP dsp{log, "dsp"};
    dsp.index = 3;
    dsp.slot = 5;
    hostengine::offerConnectionPreparation(true);
    ASSERT_EQ(process->AttachDSPSafe(&dsp), 0);
    EXPECT_TRUE(process->IsConnected());
    EXPECT_EQ(process->GetChipNumber(), 3);
    EXPECT_EQ(hostengine::connectionCalls(),
              (Calls{"HostPrepareForConnectionsStatus 0", "HostPrepareForConnections 0 1",
                     "HostCreatePlugInSpec 1482184792 1482184792 1482184792 object", "HostReactivateTalker object 1",
                     "HostCreatePlugInSpec 1482184792 1482184792 1482184792 object",
                     "HostReactivateListener object 1", "HostPrepareForConnections 0 0"}));

    hostengine::forgetConnectionCalls();
    hostengine::offerConnectionPreparation(true);
    process->HostCall30(7, 8);
    process->HostCall31(9, 10);
    process->HostCall32(11);
    process->HostCall33(12);
    EXPECT_EQ(Log(log.end() - 4, log.end()), (Log{"30 3 5 7 8", "31 3 5 9 10", "32 3 5 11 0", "33 3 5 12 0"}));

    ASSERT_EQ(process->DetachDSP(), 0);
    const Calls calls = hostengine::connectionCalls();
    EXPECT_EQ(calls.front(), "HostPrepareForConnectionsStatus 0");
    EXPECT_EQ(calls[1], "HostPrepareForConnections 0 1");
    EXPECT_EQ(calls[3], "HostDeactivateTalker object 0");
    EXPECT_EQ(calls[5], "HostDeactivateListener object 0");
    EXPECT_EQ(calls.back(), "HostPrepareForConnections 0 0");
    EXPECT_FALSE(process->IsConnected());
    EXPECT_EQ(process->GetDSP(), nullptr);

    // Without a DSP the process calls answer 0 and reach nothing.
    const std::size_t logged = log.size();
    EXPECT_EQ(process->HostCall30(1, 2), 0);
    EXPECT_EQ(process->HostCall33(1), 0);
    EXPECT_EQ(log.size(), logged);
}

TEST_F(DSPProcess, AFailedAttachLeavesNoDSPAndAPreparationUnderWayIsLeftToItsOwner)
{
    RecordingDSP dsp{log, "dsp"};
    dsp.index = 2;
    hostengine::offerConnectionPreparation(true);
    hostengine::setConnectionsPrepared(true);
    process->listenerFailure = -7104;
    EXPECT_EQ(process->AttachDSPSafe(&dsp), -7401);
    EXPECT_EQ(process->GetDSP(), nullptr);
    EXPECT_EQ(process->GetChipNumber(), 0);
    EXPECT_FALSE(process->IsConnected());
    for (const std::string& call : hostengine::connectionCalls())
        EXPECT_EQ(call.rfind("HostPrepareForConnections ", 0), std::string::npos) << call;
}

TEST_F(DSPProcess, TheManagerHearsOfEveryDSPChange)
{
    dspmanager::provide(true);
    ForgetDSPManagerInterface();
    RecordingDSP dsp{log, "dsp"};
    ASSERT_EQ(process->AttachDSPSafe(&dsp), 0);
    ASSERT_EQ(process->DetachDSP(), 0);
    EXPECT_EQ(dspmanager::calls(), (Calls{"SetConversantDSP", "SetConversantDSP"}));
    dspmanager::provide(false);
    ForgetDSPManagerInterface();
}

TEST_F(DSPProcess, EachConnectionCallReachesItsEngineRoutine)
{
    SHostConnectionsAPI& api = GetHostConnectionsAPI();
    int talker = 0;
    api.ReactivateTalker(&talker, 3);
    api.DeactivateTalker(nullptr, 4);
    api.ReactivateListener(&talker, 5);
    api.DeactivateListener(&talker, 6);
    api.PrepareForConnections(1);
    EXPECT_EQ(api.PrepareForConnectionsStatus(), 1);
    api.PrepareForConnections(0);
    EXPECT_EQ(api.PrepareForConnectionsStatus(), 0);
    SConversantInfo info{};
    info.manufacturer = 1;
    info.product = 2;
    info.type = 3;
    api.CreatePlugInSpec(info);
    EXPECT_EQ(hostengine::connectionCalls(),
              (Calls{"HostReactivateTalker object 3", "HostDeactivateTalker null 4", "HostReactivateListener object 5",
                     "HostDeactivateListener object 6", "HostPrepareForConnections 0 1",
                     "HostPrepareForConnectionsStatus 0", "HostPrepareForConnections 0 0",
                     "HostPrepareForConnectionsStatus 0", "HostCreatePlugInSpec 1 2 3 object"}));
    std::intptr_t answer = 0;
    EXPECT_NE(api.Gestalt(fourCC("cmvc"), &answer), 0);
    hostengine::offerConnectionPreparation(true);
    EXPECT_EQ(api.Gestalt(fourCC("cmvc"), &answer), 0);
    EXPECT_EQ(answer, 1);
}

} // namespace
