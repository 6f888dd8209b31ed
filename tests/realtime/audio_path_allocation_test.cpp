#include "plugin/aplugin.h"

#include "plugin/base/plug_event_list.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/effect_type_names.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/sample_position.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "tests/plugin/base/recording_editor.h"
#include "tests/realtime/allocation_counter.h"
#include "tests/support/sample_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <tuple>

namespace {

using kravo::test::heapCallsDuring;

constexpr float kSampleRate = 48000.0f;
constexpr int kBlock = 512;
constexpr int kBlocks = 32; // two 8192-sample marks, where pending reloads complete
constexpr std::int32_t kLearnedParameter = 40;

// Sends the bass drum, snare, closed hat and clap to the four effect slots and
// gives the slots the given types: a type change sets a slot up and clears
// its memory on the audio thread.
void sendDrumsThroughEffects(PluginRecord* record, const int (&types)[4])
{
    constexpr int kSendingSlots[4] = {0, 2, 4, 8};
    for (int s = 0; s < 4; ++s) {
        record->setParameter(record, kravo::param::voiceOutput[kSendingSlots[s]], (1.5f + s) / 24.99f);
        record->setParameter(record, kravo::param::effectType[s], (types[s] + 0.5f) / 49.99f);
        record->setParameter(record, kravo::param::effectSlotMix[s], 0.5f);
    }
}

// "Sample 1" layer A, from the main thread: a looping sample, as the sample page loads one.
void loadLoopingSample(APlugin& plugin, const kravo::test::TempFolder& folder)
{
    namespace param = kravo::param;
    const std::string path = (folder / "loop.wav").string();
    kravo::test::writeFile(path, kravo::test::wavBytes(std::vector<std::int16_t>(2000, 12000), 2, 22050));
    auto buffer = std::make_unique<SampleBuffer>();
    buffer->reset();
    ASSERT_TRUE(buffer->setPath(path.c_str()) && buffer->readWavFile());
    plugin.getLayerSamples().replace(0, std::move(buffer));
    const param::SampleLayerLayout& a = param::sampleLayerLayouts[param::kLayerA];
    for (const auto& [index, value] : {std::pair{a.on, 1.0f}, {a.volume, 1.0f}, {a.loop, 1.0f},
             {a.loopStartLow, param::SamplePosition::low(100)}, {a.loopEndLow, param::SamplePosition::low(900)}})
        plugin.setParameter(index, value);
}

PlugTimeInfo hostTime{0.0, kSampleRate, 0.0, 120.0, 4, 4, 0};

TEST(AudioPath, EventsAndRenderingAllocateNothing)
{
    // A counter that stopped seeing the heap would pass any audio path.
    EXPECT_EQ(heapCallsDuring([] { void* volatile block = std::malloc(1); std::free(block); }), 2u);
    EXPECT_EQ(heapCallsDuring([] { int* volatile value = new int(1); delete value; }), 2u);

    // The host answers only the time information.
    const HostCallback host = [](PluginRecord*, std::int32_t opcode, std::int32_t, PlugIntPtr, void*, float) {
        return opcode == hostOpGetTimeInfo ? reinterpret_cast<PlugIntPtr>(&hostTime) : PlugIntPtr{0};
    };
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(host)));
    PluginRecord* record = plugin->getPluginRecord();
    record->dispatcher(record, plugSetSampleRate, 0, 0, nullptr, kSampleRate);
    plugin->getMidiCcMap().set(7, 2);
    plugin->midiLearnTarget = kLearnedParameter;
    plugin->midiLatchRequest = true;
    auto* editor = new kravo::test::RecordingEditor(plugin.get());
    editor->windowOpen = true;
    // Its records grow here, so that only the plug-in's own heap calls are counted.
    editor->voiceLeds.reserve(64 * kBlocks);
    editor->parameterUpdates.reserve(64 * kBlocks);
    plugin->setEditor(editor);
    kravo::test::TempFolder folder;
    loadLoopingSample(*plugin, folder);
    float left[kBlock] = {}, right[kBlock] = {};
    float* outputs[2] = {left, right};
    std::size_t heapCalls = 0;
    float peak = 0.0f;
    for (int b = 0; b < kBlocks; ++b) {
        // From the main thread; the audio thread completes it at its next 8192-sample mark.
        if (b == 2)
            record->dispatcher(record, plugSetProgram, 0, 3, nullptr, 0.0f);
        // The transport plays for two blocks and stops for two; each stop turns every voice off.
        hostTime.samplePos = double(b) * kBlock;
        hostTime.ppqPos = hostTime.samplePos / kSampleRate * 2.0;
        hostTime.flags = plugTimeTempoValid | plugTimePpqPosValid | (b % 4 < 2 ? plugTimeTransportPlaying : 0);
        // Notes of every sounding kind, controllers (one mapped, one learned, one due in the next block), pitch
        // bend, pressure, and in one block a reset of all controllers.
        PlugEventList events;
        for (const auto& [at, status, data1, data2] : {std::tuple{0, 0x99, 36, 100}, {17, 0x99, 38, 90},
                 {20, 0x99, 42, 80}, {25, 0x99, 46, 110}, {30, 0x99, 39, 100}, {40, 0x99, 48, 100},
                 {100, 0x89, 36, 0}, {150, 0xB0, 21, 4 * b}, {200, 0xB0, 7, 4 * b}, {300, 0xE0, 0, 64},
                 {350, 0xA0, 38, 70}, {400, 0xD0, 50, 0}, {45, 0x99, 16, 100}, {450, 0x89, 16, 0}, {kBlock + 20, 0xB0, 1, 64}})
            events.add(at, std::uint8_t(status), std::uint8_t(data1), std::uint8_t(data2));
        if (b == 8)
            events.add(10, 0xB0, 123, 0);
        // The first pattern, its first step on, started, locked, stopped and written back from the editor.
        if (b == 3) {
            record->setParameter(record, 2400, 1.0f);
            events.add(5, 0x99, 60, 100);
        }
        if (b == 5)
            plugin->setPatternLockMode(1);
        if (b == 6)
            plugin->stopPattern(0);
        if (b == 7)
            plugin->setPatternLockMode(2);
        // From the main thread, which reads the program's sample files again: the last parameter asks for a
        // reload at the next mark.
        if (b == 18)
            record->setParameter(record, kNumParams - 1, 1.0f);
        heapCalls += heapCallsDuring([&] {
            record->dispatcher(record, plugProcessEvents, 0, 0, events.list(), 0.0f);
            // "HQ Reverb", "Stereo Delay", "Chorus / Delay", "Ensemble"; after the program change
            // "Phaser", "Comb Filter", "Flanger", "WahWah Delay".
            if (b == 0)
                sendDrumsThroughEffects(record, {5, 2, 7, 23});
            if (b == 20)
                sendDrumsThroughEffects(record, {9, 3, 8, 10});
            record->processReplacing(record, nullptr, outputs, kBlock);
        });
        for (float sample : left)
            peak = std::max(peak, std::abs(sample));
    }
    EXPECT_EQ(heapCalls, 0u);
    // The paths above must really have run for the count to mean anything.
    EXPECT_TRUE(peak > 0.0f && !plugin->isProgramReloadPending() && !editor->voiceLeds.empty());
    EXPECT_EQ(plugin->getMidiCcMap().parameterOf(21), kLearnedParameter);
    EXPECT_TRUE(std::ranges::any_of(editor->parameterUpdates, [](auto& u) { return u.first == kLearnedParameter; }));
}

// Every model of every drum kind (so every model family, the Tom/User slots in
// both modes), every effect type on all four slots, the sample slots and a
// pattern, with the parameter writes that choose them made between the blocks'
// events as a host's automation makes them.
TEST(AudioPath, EveryDrumModelAndEffectTypeAllocatesNothing)
{
    namespace param = kravo::param;
    constexpr int kMostModels = 140; // the User kind's
    constexpr int kVoicePads = 24;
    const HostCallback host = [](PluginRecord*, std::int32_t opcode, std::int32_t, PlugIntPtr, void*, float) {
        return opcode == hostOpGetTimeInfo ? reinterpret_cast<PlugIntPtr>(&hostTime) : PlugIntPtr{0};
    };
    hostTime.flags = plugTimeTempoValid;
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(host)));
    PluginRecord* record = plugin->getPluginRecord();
    record->dispatcher(record, plugSetSampleRate, 0, 0, nullptr, kSampleRate);
    kravo::test::TempFolder folder;
    loadLoopingSample(*plugin, folder);
    plugin->setParameter(2400, 1.0f); // the first pattern's first step
    float left[kBlock] = {}, right[kBlock] = {};
    float* outputs[2] = {left, right};
    std::size_t heapCalls = 0;
    float peak = 0.0f;
    for (int m = 0; m < kMostModels; ++m) {
        for (int pad = 0; pad < kVoicePads; ++pad)
            plugin->triggerPadFromEditor(pad);
        if (m % 16 == 0)
            plugin->startPatternFromEditor(0);
        const int effectType = 1 + m % (param::kEffectTypeCount - 1);
        heapCalls += heapCallsDuring([&] {
            // A kind with fewer models plays its last one, past its list.
            for (const int model : param::synthVoiceModel)
                record->setParameter(record, model, param::drumModelValue(m));
            for (const int model : param::tomModel)
                record->setParameter(record, model, param::drumModelValue(m));
            for (const int userMode : param::tomUserSwitch)
                record->setParameter(record, userMode, static_cast<float>(m % 2));
            sendDrumsThroughEffects(record, {effectType, effectType, effectType, effectType});
            record->processReplacing(record, nullptr, outputs, kBlock);
        });
        for (float sample : left)
            peak = std::max(peak, std::abs(sample));
    }
    EXPECT_EQ(heapCalls, 0u);
    EXPECT_GT(peak, 0.0f);
}

} // namespace
