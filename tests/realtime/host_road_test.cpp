#include "hostframework/host_records.h"
#include "hostframework/plugin_library.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/engine/host_native_render.h"
#include "hostlibs/extension/host_extension_control.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "tests/hostframework/support/routines.h"
#include "tests/realtime/realtime_calls.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

using kravo::test::routine;

constexpr std::uint32_t kKrst = FourCharCode("Krst");
constexpr int kBlock = 256;
constexpr int kBlocks = 40; // past an 8192-sample mark

// As the host's engine renders an instance: MIDI packets, the transport and the bypass change
// between blocks on the main thread; the render entry runs alone.
TEST(AudioPath, TheHostRoadMakesNoRealtimeCalls)
{
    kravo::test::TempFolder folder;
    std::ofstream(folder / "Kravo.dll.rsr", std::ios::binary).close();
    platform::setModulePath((folder / "Kravo.dll").string());
    hostext::keepDataBuffers(true);
    ASSERT_EQ(WinPlugInOpen(73), 0);
    routine<std::int32_t (*)(ComponentDispatcher)>(14)(&hostext::AnswerComponentRequest);
    routine<std::int32_t (*)(std::int32_t)>(91)(3);
    std::int32_t id = 0;
    ASSERT_EQ(routine<std::int32_t (*)(std::uint32_t, std::int32_t*)>(19)(kKrst, &id), 0);
    const auto instances = hostext::trackedInstances();
    ASSERT_EQ(instances.size(), 1u);
    const auto entry = reinterpret_cast<HostNativeRenderEntry>(instances[0].renderCallback);
    SHostNativeInstance record{};
    std::uintptr_t process = 0;
    std::memcpy(&process, instances[0].data, sizeof process);
    record.process = reinterpret_cast<void*>(process);
    record.inputCount = 2;
    record.outputCount = 2;
    record.hasBlockLength = 1;

    std::vector<float> left(kBlock), right(kBlock), silence(kBlock), replacement(kBlock);
    float* cells[4] = {silence.data(), silence.data(), left.data(), right.data()};
    SHostNativeRender render{&record, cells};
    SHostNativeContext context{kBlock, replacement.data()};
    const auto bypass = routine<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t, std::uint8_t)>(39);
    kravo::test::RealtimeCalls calls;
    float peak = 0.0f;
    for (int b = 0; b < kBlocks; ++b) {
        std::vector<hostengine::MIDIInputPacket> packets(3);
        packets[0] = {0, {0x99, 36, 100, 0}};
        packets[1] = {40, {0x99, 38, 90, 0}};
        packets[2] = {90, {0xB0, 7, static_cast<std::uint8_t>(b), 0}};
        hostengine::bufferMIDIInput(0, packets);
        hostengine::setMIDITransport(120.0, b % 4 < 2, std::int64_t{b} * 480000);
        bypass(kKrst, id, 1, b == 10 ? 1 : 0);
        calls += kravo::test::realtimeCallsDuring([&] { entry(&render, &context); });
        for (float sample : left)
            peak = std::max(peak, std::abs(sample));
    }
    EXPECT_EQ(calls.heap, 0u) << calls;
    EXPECT_EQ(calls.locks, 0u) << calls;
    EXPECT_EQ(calls.io, 0u) << calls;
    EXPECT_GT(peak, 0.0f);
    routine<std::int32_t (*)(std::uint32_t, std::int32_t)>(20)(kKrst, id);
    while (gProcessGroup != nullptr)
        WinPlugInClose();
    platform::setModulePath("");
}

} // namespace
