#include "plugin/aplugin.h"

#include "plugin/base/plug_event_list.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_type_names.h"
#include "tests/plugin/base/recording_editor.h"
#include "tests/realtime/audio_path_setup.h"
#include "tests/realtime/realtime_calls.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

namespace {

using kravo::test::hostTime;
using kravo::test::kBlock;
using kravo::test::kSampleRate;
using kravo::test::RealtimeCalls;
using kravo::test::realtimeCallsDuring;
using kravo::test::sendDrumsThroughEffects;

constexpr int kBlocks = 32; // two 8192-sample marks, where pending reloads complete
constexpr std::int32_t kLearnedParameter = 40;

TEST(AudioPath, EventsAndRenderingMakeNoRealtimeCalls)
{
    std::unique_ptr<APlugin> plugin = kravo::test::makeRealtimePlugin();
    PluginRecord* record = plugin->getPluginRecord();
    plugin->getMidiCcMap().set(7, 2);
    plugin->midiLearnTarget = kLearnedParameter;
    plugin->midiLatchRequest = true;
    auto* editor = new kravo::test::RecordingEditor(plugin.get());
    editor->windowOpen = true;
    // Its records grow here, so that only the plug-in's own heap calls are counted.
    editor->voiceLeds.reserve(64 * kBlocks);
    editor->parameterUpdates.reserve(64 * kBlocks);
    // In place of the plug-in's own, which the plug-in then no longer deletes.
    delete plugin->getEditor();
    plugin->setEditor(editor);
    kravo::test::TempFolder folder;
    kravo::test::loadSample(*plugin, folder, 0, true, kravo::test::SampleDirection::forward);
    float left[kBlock] = {}, right[kBlock] = {};
    float* outputs[2] = {left, right};
    RealtimeCalls calls;
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
                 {350, 0xA0, 38, 70}, {400, 0xD0, 50, 0}, {45, 0x99, 16, 100}, {450, 0x89, 16, 0},
                 {kBlock + 20, 0xB0, 1, 64}})
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
        calls += realtimeCallsDuring([&] {
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
    EXPECT_EQ(calls, RealtimeCalls{});
    // The paths above must really have run for the count to mean anything.
    EXPECT_TRUE(peak > 0.0f && !plugin->isProgramReloadPending() && !editor->voiceLeds.empty());
    EXPECT_EQ(plugin->getMidiCcMap().parameterOf(21), kLearnedParameter);
    EXPECT_TRUE(std::ranges::any_of(editor->parameterUpdates, [](auto& u) { return u.first == kLearnedParameter; }));
}

// Every model of every drum kind (so every model family, the Tom/User slots in
// both modes), every effect type on all four slots, the sample slots and a
// pattern, with the parameter writes that choose them made between the blocks'
// events as a host's automation makes them.
TEST(AudioPath, EveryDrumModelAndEffectTypeMakesNoRealtimeCalls)
{
    namespace param = kravo::param;
    constexpr int kMostModels = 140; // the User kind's
    constexpr int kVoicePads = 24;
    hostTime.flags = plugTimeTempoValid;
    std::unique_ptr<APlugin> plugin = kravo::test::makeRealtimePlugin();
    PluginRecord* record = plugin->getPluginRecord();
    kravo::test::TempFolder folder;
    kravo::test::loadSample(*plugin, folder, 0, true, kravo::test::SampleDirection::forward);
    plugin->setParameter(2400, 1.0f); // the first pattern's first step
    float left[kBlock] = {}, right[kBlock] = {};
    float* outputs[2] = {left, right};
    RealtimeCalls calls;
    float peak = 0.0f;
    for (int m = 0; m < kMostModels; ++m) {
        for (int pad = 0; pad < kVoicePads; ++pad)
            plugin->triggerPadFromEditor(pad);
        if (m % 16 == 0)
            plugin->startPatternFromEditor(0);
        const int effectType = 1 + m % (param::kEffectTypeCount - 1);
        calls += realtimeCallsDuring([&] {
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
    EXPECT_EQ(calls, RealtimeCalls{});
    EXPECT_GT(peak, 0.0f);
}

} // namespace
