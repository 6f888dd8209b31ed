#include "hostframework/adaptor/template_no_ui_process_native.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/routines.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace {

using kravo::test::routine;
using kravo::test::TempFolder;

constexpr std::uint32_t kKrst = FourCharCode("Krst");
constexpr std::int32_t kFrames = 64;

// One instance made through the routines and rendered as the host's engine does: through the render
// entry its worker reports, with the process and counts its data block gives.
class AudioBlock : public ::testing::Test {
protected:
    void SetUp() override
    {
        hostengine::resetMIDIClients();
        hostext::resetObjectTracker();
        hostext::keepDataBuffers(true);
        kravo::test::writeResourceFile(folder.path() / "Kravo.dll.rsr", {});
        platform::setModulePath((folder.path() / "Kravo.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
        routine<std::int32_t (*)(ComponentDispatcher)>(14)(&hostext::AnswerComponentRequest);
        routine<std::int32_t (*)(std::int32_t)>(91)(3);
    }
    void TearDown() override
    {
        deleteProcess();
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setModulePath("");
        hostengine::resetMIDIClients();
        hostext::resetObjectTracker();
    }
    CTemplateNoUIProcessNative& create()
    {
        EXPECT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t*)>(19)(kKrst, &id), 0);
        auto& process = dynamic_cast<CTemplateNoUIProcessNative&>(
            *dynamic_cast<CProcessGroup*>(gProcessGroup)->GetProcessType(kKrst)->FindProcess(id));
        for (const auto& instance : hostext::trackedInstances()) {
            if (instance.instance != process.GetAdaptor())
                continue;
            entry = reinterpret_cast<HostNativeRenderEntry>(instance.renderCallback);
            std::uintptr_t processFace = 0;
            std::memcpy(&processFace, instance.data, sizeof processFace);
            std::memcpy(&record.inputCount, instance.data + 24, 4);
            std::memcpy(&record.outputCount, instance.data + 28, 4);
            record.process = reinterpret_cast<void*>(processFace);
            record.hasBlockLength = 1;
        }
        EXPECT_NE(entry, nullptr);
        return process;
    }
    void deleteProcess()
    {
        if (id != 0)
            routine<std::int32_t (*)(std::uint32_t, std::int32_t)>(20)(kKrst, id);
        id = 0;
    }
    void render(float** inputs = nullptr)
    {
        float* cells[4] = {inputs != nullptr ? inputs[0] : nullptr, inputs != nullptr ? inputs[1] : nullptr,
                           outputs[0].data(), outputs[1].data()};
        SHostNativeRender renderRecord{&record, cells};
        SHostNativeContext context{kFrames, replacement.data()};
        entry(&renderRecord, &context);
    }
    static hostengine::MIDIInputPacket packet(std::int32_t offset, std::uint8_t status, std::uint8_t d1,
                                              std::uint8_t d2, std::uint8_t d3 = 0)
    {
        hostengine::MIDIInputPacket made;
        made.sampleOffset = offset;
        made.bytes[0] = status;
        made.bytes[1] = d1;
        made.bytes[2] = d2;
        made.bytes[3] = d3;
        return made;
    }

    TempFolder folder;
    std::int32_t id = 0;
    HostNativeRenderEntry entry = nullptr;
    SHostNativeInstance record{};
    std::array<std::vector<float>, 2> outputs{std::vector<float>(kFrames), std::vector<float>(kFrames)};
    std::vector<float> replacement = std::vector<float>(kFrames);
};

TEST_F(AudioBlock, TheHostsPacketsBecomeTheBlocksEvents)
{
    CTemplateNoUIProcessNative& process = create();
    render();
    EXPECT_EQ(process.GetEventList().count(), 0);

    std::vector<hostengine::MIDIInputPacket> packets(2049, packet(0, 0xB9, 1, 2));
    packets[0] = packet(17, 0x99, 36, 100, 7);
    ASSERT_TRUE(hostengine::bufferMIDIInput(0, packets));
    render();
    PlugEvents* list = process.GetEventList().list();
    ASSERT_EQ(list->numEvents, 2048);
    const auto* first = reinterpret_cast<PlugMidiEvent*>(list->events[0]);
    EXPECT_EQ(first->type, 1);
    EXPECT_EQ(first->byteSize, 32);
    EXPECT_EQ(first->deltaFrames, 17);
    EXPECT_EQ(std::vector<int>(first->midiData, first->midiData + 4), (std::vector<int>{0x99, 36, 100, 7}));
    EXPECT_EQ(first->flags, 0);

    ASSERT_TRUE(hostengine::bufferMIDIInput(0, {}));
    render();
    EXPECT_EQ(process.GetEventList().count(), 0); // nothing survives its block
}

TEST_F(AudioBlock, TheTransportReachesTheTimeInformationAndTheChangeLastsOneBlock)
{
    CTemplateNoUIProcessNative& process = create();
    hostengine::setMIDITransport(100.0, true, 960000);
    render();
    EXPECT_EQ(process.GetTimeInfo().ppqPos, 1.0);
    EXPECT_EQ(process.GetTimeInfo().tempo, 100.0);
    EXPECT_EQ(process.GetTimeInfo().flags, 0x603 & ~1); // the plug-in saw 0x603; cleared after the block
    hostengine::setMIDITransport(100.0, false, 1920000);
    render();
    EXPECT_EQ(process.GetTimeInfo().flags, 0x600);
    EXPECT_EQ(process.GetTimeInfo().ppqPos, 2.0);
}

TEST_F(AudioBlock, AnOlderInterfaceLeavesTheFieldsItCannotAnswer)
{
    hostengine::setMIDIInterfaceVersion(3); // tempo and playing from 2, position from 4
    CTemplateNoUIProcessNative& process = create();
    process.GetTimeInfo().ppqPos = 5.5;
    hostengine::setMIDITransport(90.0, false, 960000);
    render();
    EXPECT_EQ(process.GetTimeInfo().ppqPos, 5.5);
    EXPECT_EQ(process.GetTimeInfo().tempo, 90.0);
}

TEST_F(AudioBlock, ABypassedInstancePassesItsInputsThrough)
{
    CTemplateNoUIProcessNative& process = create();
    routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::uint8_t)>(39)(kKrst, id, 1, 1);
    ASSERT_TRUE(process.IsBypassed());
    std::vector<float> left(kFrames, 0.25f);
    std::vector<float> right(kFrames, -0.5f);
    float* inputs[2] = {left.data(), right.data()};
    ASSERT_TRUE(hostengine::bufferMIDIInput(0, {packet(0, 0x99, 36, 127)}));
    render(inputs);
    EXPECT_EQ(outputs[0], left);
    EXPECT_EQ(outputs[1], right);
    render(); // no inputs: silence, not a read through null
    EXPECT_EQ(outputs[0], std::vector<float>(kFrames, 0.0f));

    // The plug-in ran all along: the note it was given while bypassed sounds once the bypass is off.
    routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::uint8_t)>(39)(kKrst, id, 1, 0);
    float loudest = 0.0f;
    for (int block = 0; block < 8; ++block) {
        render();
        for (float sample : outputs[0])
            loudest = std::max(loudest, std::abs(sample));
    }
    EXPECT_GT(loudest, 0.01f);
}

TEST_F(AudioBlock, EveryObjectTheInstanceTrackedGoesWithIt)
{
    const auto before = hostext::trackedObjects();
    create();
    EXPECT_GT(hostext::trackedObjects().size(), before.size());
    deleteProcess();
    EXPECT_EQ(hostext::trackedObjects(), before);
}

} // namespace
