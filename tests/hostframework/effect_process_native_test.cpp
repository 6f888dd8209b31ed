#include "hostframework/adaptor_plugin.h"
#include "hostframework/effect_process_native.h"
#include "hostframework/effect_type_native.h"
#include "hostframework/native_block_length.h"
#include "hostframework/plugin_library.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "tests/hostframework/plugin_model/tracked_model.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/test_effect_process.h"
#include "tests/support/temp_folder.h"

#include <cctype>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace kravo::test;

class TestNativeProcess : public CEffectProcessNative {
public:
    TestNativeProcess()
    {
        AddControl(new CPluginControl_OnOff(fourCC("bypa"), "Master Bypass", 0, true, nullptr, nullptr));
        SetMasterBypassControl(1);
    }
    std::int32_t GetNumInputs(std::int16_t* count) override { return setOut(count, inputs); }
    std::int32_t GetNumOutputs(std::int16_t* count) override { return setOut(count, outputs); }
    void Render(float** inputs, float** outputs, std::int32_t frames) override
    {
        if (failRender)
            throw std::runtime_error("render");
        seenFrames.push_back(frames);
        seenInput = inputs[0];
        seenOutput = outputs[1];
    }
    // Prepared when a test says so, as a host that connects the process later.
    void ConnectMIDINode() override {}
    void TextHook(char* text) override
    {
        for (char* c = text; *c != '\0'; ++c)
            *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    }

    void SideInputConnected() override { sideInput.push_back(true); }
    void SideInputDisconnected() override { sideInput.push_back(false); }

    static inline std::int16_t inputs = 2;
    static inline std::int16_t outputs = 2;
    std::vector<bool> sideInput;
    bool failRender = false;
    std::vector<std::int32_t> seenFrames;
    float* seenInput = nullptr;
    float* seenOutput = nullptr;
};

// A native type as the host opens it (without the DSP manager), with the tracker of a host that
// keeps each instance's data buffer.
class NativeProcess : public TrackedModel {
protected:
    void SetUp() override
    {
        TrackedModel::SetUp();
        hostengine::resetNativeHost();
        hostext::keepDataBuffers(true);
        writeResourceFile(folder.path() / "Kravo.dll.rsr", {});
        platform::setModulePath((folder.path() / "Kravo.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
        type.SetNameList("Kravo\nKrv");
        type.SetProcessFactory([]() -> CProcess* { return new TestNativeProcess; });
    }
    void TearDown() override
    {
        type.DeleteAllProcesses();
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setModulePath("");
        hostengine::resetNativeHost();
        TestNativeProcess::inputs = 2;
        TestNativeProcess::outputs = 2;
        TrackedModel::TearDown();
    }
    TestNativeProcess* create()
    {
        std::int32_t id = 0;
        EXPECT_EQ(type.CreateProcess(&id), 0);
        return dynamic_cast<TestNativeProcess*>(type.FindProcess(id));
    }
    // The fields the host reads from the buffer its tracker installed for the instance's data block.
    struct Fields {
        std::uintptr_t process;
        std::uintptr_t inputFlags;
        std::uintptr_t outputFlags;
        std::int32_t inputChannels;
        std::int32_t outputPorts;
        std::int32_t sideInputPort;
        std::int32_t blockLength;
    };
    static Fields fieldsOf(CEffectProcessNative& process)
    {
        for (const auto& instance : hostext::trackedInstances()) {
            if (instance.instance != process.GetAdaptor() || instance.data == nullptr)
                continue;
            Fields fields{};
            std::memcpy(&fields.process, instance.data, 8);
            std::memcpy(&fields.inputFlags, instance.data + 8, 8);
            std::memcpy(&fields.outputFlags, instance.data + 16, 8);
            std::memcpy(&fields.inputChannels, instance.data + 24, 16);
            return fields;
        }
        ADD_FAILURE() << "the host holds no buffer for the instance";
        return {};
    }
    static std::vector<std::int32_t> inputPositions(CAdaptorPlugIn& adaptor)
    {
        std::vector<std::int32_t> positions;
        for (std::int32_t n = 1; n <= adaptor.GetNumInputs(); ++n)
            positions.push_back(adaptor.GetInput(n)->GetPosition());
        return positions;
    }

    TempFolder folder;
    CEffectTypeNative type{fourCC("Krst"), fourCC("KrCH"), 2048};
};

TEST_F(NativeProcess, TheRenderEntryTakesTheContextsLengthOr32AndNeverThrows)
{
    TestNativeProcess* process = create();
    ASSERT_NE(process, nullptr);
    float buffers[4][64] = {};
    float replacement[64] = {};
    float* cells[4] = {buffers[0], buffers[1], buffers[2], buffers[3]};
    SHostNativeInstance instance{static_cast<CProcess*>(process), 2, 2, 0, 0};
    SHostNativeContext context{16, replacement};
    SHostNativeRender render{&instance, cells};
    process->SetMetersReady(false);

    EXPECT_EQ(CEffectProcessNative::RenderEntry(&render, &context), 0);
    instance.hasBlockLength = 1;
    CEffectProcessNative::RenderEntry(&render, &context);
    EXPECT_EQ(process->seenFrames, (std::vector<std::int32_t>{32, 16}));
    EXPECT_EQ(process->seenInput, buffers[0]);
    EXPECT_EQ(process->seenOutput, buffers[3]);
    EXPECT_TRUE(process->AreMetersReady());
    EXPECT_EQ(process->GetContextRecord(), &context);

    process->failRender = true;
    EXPECT_EQ(CEffectProcessNative::RenderEntry(&render, &context), 0);
    EXPECT_EQ(cells[0], buffers[0]);
    EXPECT_EQ(cells[2], replacement);
    EXPECT_EQ(cells[3], replacement);
}

TEST_F(NativeProcess, TheBypassFollowsEveryChangeOfItsControl)
{
    TestNativeProcess* process = create();
    process->SetControlValue(1, 1);
    EXPECT_TRUE(process->IsBypassed());
    process->SetControlValue(1, 0);
    EXPECT_FALSE(process->IsBypassed());
    process->ApplyControlValue(1, 1);
    EXPECT_TRUE(process->IsBypassed());
    process->ApplyControlValue(1, -1);
    EXPECT_FALSE(process->IsBypassed());
    process->SetBypass(0, 1);
    EXPECT_TRUE(process->IsBypassed());
    process->SetBypass(0, 0);
    EXPECT_FALSE(process->IsBypassed());
}

TEST_F(NativeProcess, ConnectionFlagsAndTheTextQuery)
{
    TestNativeProcess* process = create();
    EXPECT_EQ(process->GetInputConnectionFlag(-1), 0);
    EXPECT_EQ(process->GetOutputConnectionFlag(CEffectProcessNative::kInitialCapacity), 0);
    EXPECT_EQ(process->ConnectInput(2), 0);
    EXPECT_EQ(process->GetInputConnectionFlag(1), 1);
    std::uint8_t connected = 0;
    process->IsInputConnected(2, &connected);
    EXPECT_EQ(connected, 1);
    process->DisconnectInput(2);
    process->IsInputConnected(2, &connected);
    EXPECT_EQ(connected, 0);
    // Channels beyond its own two the process does not keep, and the host lists none.
    EXPECT_EQ(process->ConnectInput(3), -7106);
    EXPECT_EQ(process->ConnectOutput(0), -7106);
    EXPECT_EQ(process->IsOutputConnected(3, &connected), -7106);
    EXPECT_TRUE(process->sideInput.empty());

    std::uint8_t text[32] = "\x05kravo";
    EXPECT_EQ(process->GetChunkAltName(5, text), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text), 6), "\x05KRAVO");
    EXPECT_EQ(process->GetChunkAltName(4, text), -7157);
}

TEST_F(NativeProcess, TheSideInputTellsTheProcessAndTheHostAnswersForItsOwnConnections)
{
    hostengine::setCapability(5, 4);
    TestNativeProcess* process = create();
    EXPECT_EQ(process->GetSideInputChannel(), 4);
    EXPECT_EQ(process->ConnectInput(4), 0);
    EXPECT_EQ(process->DisconnectInput(4), 0);
    EXPECT_EQ(process->ConnectInput(1), 0); // not the side input
    EXPECT_EQ(process->sideInput, (std::vector<bool>{true, false}));
    EXPECT_EQ(process->ConnectInput(3), -7106);

    // The host's active auxiliary connection (two channels) follows the process's own outputs.
    hostengine::setCapability(5, 0);
    hostengine::setCapability(41, 1);
    hostengine::setAuxConnections({{1, true}});
    process = create();
    std::uint8_t connected = 0;
    EXPECT_EQ(process->IsOutputConnected(4, &connected), 0);
    EXPECT_EQ(connected, 1);
    EXPECT_EQ(process->IsOutputConnected(5, &connected), -7106);
    EXPECT_EQ(process->ConnectOutput(4), -7106); // the host's, not the process's to change
}

TEST_F(NativeProcess, AProcessOfAnotherClassIsRefusedAndLetGo)
{
    type.SetProcessFactory(&MakeTestEffectProcess);
    std::int32_t id = 0;
    EXPECT_EQ(type.CreateProcess(&id), -77);
    EXPECT_EQ(type.GetNumProcesses(), 0);
}

TEST_F(NativeProcess, TheHostReadsTheInstanceFromItsDataBuffer)
{
    hostengine::setCapability(48, 7);
    TestNativeProcess* process = create();
    CAdaptorPlugIn* adaptor = process->GetAdaptor();
    ASSERT_NE(adaptor, nullptr);
    EXPECT_STREQ(adaptor->GetName(), "Kravo"); // the type's name as 63 characters fit it
    Fields fields = fieldsOf(*process);
    EXPECT_EQ(fields.process, reinterpret_cast<std::uintptr_t>(static_cast<CProcess*>(process)));
    EXPECT_EQ(fields.inputChannels, 2);
    EXPECT_EQ(fields.outputPorts, 2);
    EXPECT_EQ(fields.sideInputPort, 0);
    EXPECT_EQ(fields.blockLength, 0); // no 'vqta': no block length of its own
    auto* flags = reinterpret_cast<std::int32_t*>(fields.inputFlags);
    process->ConnectInput(1);
    EXPECT_EQ(flags[0], 1); // the host's view of the flags is the process's own array
    EXPECT_NE(fields.outputFlags, fields.inputFlags);
    const auto& instances = hostext::trackedInstances();
    ASSERT_EQ(instances.size(), 1u);
    EXPECT_EQ(instances[0].renderCallback, reinterpret_cast<std::uintptr_t>(&CEffectProcessNative::RenderEntry));

    // A capacity set before the process is prepared moves the arrays; the host learns it from a report.
    process->SetChannelCapacity(8);
    const Fields moved = fieldsOf(*process);
    EXPECT_NE(moved.inputFlags, fields.inputFlags);
    process->ConnectInput(2);
    EXPECT_EQ(reinterpret_cast<std::int32_t*>(moved.inputFlags)[1], 1);
    EXPECT_EQ(process->GetInputConnectionFlag(8), 0);
    process->Prepare();
    process->SetChannelCapacity(16);
    EXPECT_EQ(process->GetInputConnectionFlag(8), 0);
    EXPECT_EQ(fieldsOf(*process).inputFlags, moved.inputFlags);

    hostengine::setCapability(FourCharCode("vqta"), 1);
    EXPECT_EQ(fieldsOf(*create()).blockLength, 7);
}

TEST_F(NativeProcess, PortsFollowTheHostsCapabilities)
{
    hostengine::setCapability(5, 3);
    TestNativeProcess* process = create();
    EXPECT_EQ(inputPositions(*process->GetAdaptor()), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(fieldsOf(*process).sideInputPort, 3);
    EXPECT_EQ(fieldsOf(*process).inputChannels, 2);

    hostengine::setCapability(5, 0);
    hostengine::setCapability(41, 1);
    hostengine::setAuxConnections({{1, true}, {3, false}, {10, true}, {12, true}});
    process = create();
    EXPECT_EQ(fieldsOf(*process).inputChannels, 12); // 2 + 2 + 8; the inactive and the unreadable add none
    EXPECT_EQ(fieldsOf(*process).outputPorts, 12);

    TestNativeProcess::inputs = 0; // an instrument: fewer inputs than outputs are raised to match
    hostengine::setAuxConnections({{0, true}});
    process = create();
    EXPECT_EQ(fieldsOf(*process).inputChannels, 3);
    EXPECT_EQ(fieldsOf(*process).outputPorts, 3);
    EXPECT_EQ(process->GetAdaptor()->GetInputPortCount(), 3);

    hostengine::setCapability(41, 0); // without the capability nothing is raised
    process = create();
    EXPECT_EQ(process->GetAdaptor()->GetInputPortCount(), 0);
    EXPECT_EQ(process->GetAdaptor()->GetOutputPortCount(), 2);
}

TEST_F(NativeProcess, AnUnnamedProcessIsUnknownAndTheAdaptorGoesInOrder)
{
    auto process = std::make_unique<TestNativeProcess>();
    ASSERT_EQ(process->AttachAdaptor(SPlugInID{{1, 2, 3, 4, 5}}), 0);
    CAdaptorPlugIn* adaptor = process->GetAdaptor();
    EXPECT_STREQ(adaptor->GetName(), "<unknown>"); // no type to name it
    const void* data = &adaptor->GetDataBlock();
    const auto before = static_cast<std::ptrdiff_t>(hostext::trackerEvents().size());
    process.reset();

    std::vector<std::string> order;
    const auto events = hostext::trackerEvents();
    for (auto event = events.begin() + before; event != events.end(); ++event) {
        const bool untrack = event->call == hostext::TrackerCall::untrack;
        if (untrack && event->kind == kPlugInInputObject)
            order.push_back("input");
        else if (event->call == hostext::TrackerCall::report && event->words == std::vector<std::uintptr_t>{3})
            order.push_back("closed report");
        else if (untrack && event->object == data)
            order.push_back("data");
        else if (untrack && event->kind == kPlugInWorkerObject)
            order.push_back("worker");
        else if (untrack && event->kind == kPlugInObject)
            order.push_back("instance");
    }
    EXPECT_EQ(order, (std::vector<std::string>{"input", "input", "closed report", "data", "worker", "instance"}));
}

TEST(NativeBlockLength, TheHostsQuantumOr32)
{
    hostengine::resetNativeHost();
    hostengine::setMaximumNativeQuantum(128);
    EXPECT_EQ(GetMaximumNativeBlockLength(), 32); // not offered
    hostengine::setCapability(FourCharCode("vqta"), 1);
    EXPECT_EQ(GetMaximumNativeBlockLength(), 128);
    hostengine::setMaximumNativeQuantum(0);
    EXPECT_EQ(GetMaximumNativeBlockLength(), 32);
    hostengine::setMaximumNativeQuantum(64);
    hostengine::withhold("HostGetMaximumNativeQuantum");
    EXPECT_EQ(GetMaximumNativeBlockLength(), 32);
    hostengine::offerEverything();
    hostengine::resetNativeHost();
}

} // namespace
