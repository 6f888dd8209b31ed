#include "plugin/aplugin.h"

#include "plugin/base/plug_event_list.h"
#include "tests/plugin/base/recording_editor.h"
#include "tests/realtime/allocation_counter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using kravo::test::heapCallsDuring;

constexpr float kSampleRate = 48000.0f;
constexpr int kBlock = 512;
constexpr int kBlocks = 32; // two 8192-sample marks, where pending reloads complete
constexpr int kProgramChangeBlock = 2;
constexpr int kReloadParameterBlock = 18;
constexpr std::int32_t kLearnedParameter = 40;

PlugTimeInfo hostTime{};

// The host answers only the time information.
PlugIntPtr hostCallback(PluginRecord*, std::int32_t opcode, std::int32_t, PlugIntPtr, void*, float)
{
    return opcode == hostOpGetTimeInfo ? reinterpret_cast<PlugIntPtr>(&hostTime) : 0;
}

// The transport plays for two blocks and stops for two; each stop turns every voice off.
void advanceHostTime(int block)
{
    const bool playing = block % 4 < 2;
    hostTime.flags = plugTimeTempoValid | plugTimePpqPosValid | (playing ? plugTimeTransportPlaying : 0);
    hostTime.tempo = 120.0;
    hostTime.samplePos = static_cast<double>(block) * kBlock;
    hostTime.ppqPos = hostTime.samplePos / kSampleRate * hostTime.tempo / 60.0;
}

// Bass drum and snare notes, controllers (one mapped, one learned), a reset, pitch bend and pressure.
PlugEventList eventsOfBlock(int block)
{
    PlugEventList events;
    events.add(0, 0x99, 36, 100);
    events.add(17, 0x99, 38, 90);
    events.add(100, 0x89, 36, 0);
    events.add(150, 0xB0, 21, static_cast<std::uint8_t>(block * 4));
    events.add(200, 0xB0, 7, static_cast<std::uint8_t>(block * 4));
    events.add(300, 0xE0, 0, 64);
    events.add(350, 0xA0, 38, 70);
    events.add(400, 0xD0, 50, 0);
    events.add(kBlock + 20, 0xB0, 1, 64); // due in the next block
    if (block == 8)
        events.add(10, 0xB0, 123, 0);
    return events;
}

TEST(AudioPath, EventsAndRenderingAllocateNothing)
{
    // A counter that stopped seeing the heap would pass any audio path.
    EXPECT_EQ(heapCallsDuring([] { void* volatile block = std::malloc(1); std::free(block); }), 2u);
    EXPECT_EQ(heapCallsDuring([] { int* volatile value = new int(1); delete value; }), 2u);

    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(hostCallback)));
    PluginRecord* record = plugin->getPluginRecord();
    record->dispatcher(record, plugSetSampleRate, 0, 0, nullptr, kSampleRate);
    plugin->getMidiCcMap().set(7, 2);
    auto* editor = new kravo::test::RecordingEditor(plugin.get());
    editor->windowOpen = true;
    // Its records grow here, so that only the plug-in's own heap calls are counted.
    editor->voiceLeds.reserve(64 * kBlocks);
    editor->parameterUpdates.reserve(64 * kBlocks);
    plugin->setEditor(editor);
    std::vector<PlugEventList> blocks;
    for (int b = 0; b < kBlocks; ++b)
        blocks.push_back(eventsOfBlock(b));
    std::vector<float> left(kBlock);
    std::vector<float> right(kBlock);
    float* outputs[2] = {left.data(), right.data()};
    plugin->midiLearnTarget = kLearnedParameter;
    plugin->midiLatchRequest = true;

    std::size_t heapCalls = 0;
    float peak = 0.0f;
    for (int b = 0; b < kBlocks; ++b) {
        // From the main thread; the audio thread completes it at its next 8192-sample mark.
        if (b == kProgramChangeBlock)
            record->dispatcher(record, plugSetProgram, 0, 3, nullptr, 0.0f);
        advanceHostTime(b);
        PlugEvents* events = blocks[static_cast<std::size_t>(b)].list();
        heapCalls += heapCallsDuring([&] {
            record->dispatcher(record, plugProcessEvents, 0, 0, events, 0.0f);
            if (b == kReloadParameterBlock)
                record->setParameter(record, kNumParams - 1, 1.0f);
            record->processReplacing(record, nullptr, outputs, kBlock);
        });
        for (float sample : left)
            peak = std::max(peak, std::abs(sample));
    }
    EXPECT_EQ(heapCalls, 0u);
    // The paths above must really have run for the count to mean anything.
    EXPECT_GT(peak, 0.0f);
    EXPECT_FALSE(plugin->isProgramReloadPending());
    EXPECT_EQ(plugin->getMidiCcMap().parameterOf(21), kLearnedParameter);
    EXPECT_FALSE(editor->voiceLeds.empty());
    EXPECT_TRUE(std::any_of(editor->parameterUpdates.begin(), editor->parameterUpdates.end(),
                            [](const auto& update) { return update.first == kLearnedParameter; }));
}

} // namespace
