#include "plugin/aplugin.h"

#include "tests/plugin/base/recording_editor.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using kravo::test::RecordingEditor;
using HostCalls = std::vector<std::pair<std::int32_t, std::int32_t>>; // (opcode, index)

HostCalls hostCalls;

PlugIntPtr recordHostCall(PluginRecord*, std::int32_t opcode, std::int32_t index, PlugIntPtr, void*, float)
{
    hostCalls.push_back({opcode, index});
    return 0;
}

class PluginObject : public ::testing::Test {
protected:
    std::unique_ptr<APlugin> plugin{static_cast<APlugin*>(createEffectInstance(recordHostCall))};
};

TEST_F(PluginObject, IsASynthAnsweringOnlyItsCapabilitiesAndIgnoresImplausibleSampleRates)
{
    // The editor comes with the object.
    EXPECT_EQ(plugin->getPluginRecord()->flags, plugFlagsHasEditor | plugFlagsCanReplacing | plugFlagsIsSynth);
    const std::pair<const char*, int> capabilities[] = {{"receivePlugEvents", 1}, {"receivePlugMidiEvent", 1},
        {"receivePlugTimeInfo", 1}, {"sendPlugMidiEvent", 0}, {"", 0}, {"receivePlugTimeInfoX", 0}};
    for (const auto& [can, answer] : capabilities) {
        std::string asked = can;
        EXPECT_EQ(plugin->dispatcher(plugCanDo, 0, 0, asked.data(), 0.0f), answer) << can;
    }

    plugin->dispatcher(plugSetSampleRate, 0, 0, nullptr, 48000.0f);
    EXPECT_FLOAT_EQ(plugin->getSamplePeriod(), 1.0f / 48000.0f);
    for (float bad : {600000.0f, 999.0f, 20.0f, 1.0f, 0.5f, 0.0f, -44100.0f, std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()}) {
        plugin->dispatcher(plugSetSampleRate, 0, 0, nullptr, bad);
        EXPECT_EQ(plugin->getSampleRate(), 48000.0f) << bad;
        EXPECT_EQ(plugin->getEngine().getSampleRate(), 48000.0f) << bad;
    }
}

TEST_F(PluginObject, EditsReachTheEditorAndTheHostButRefreshesAndVoiceActivityOnlyAnOpenFinishedEditor)
{
    plugin->requestEditorRefresh();
    auto* editor = new RecordingEditor(plugin.get());
    plugin->setEditor(editor);
    hostCalls.clear();
    plugin->beginEdit(17);
    plugin->endEdit(17);
    EXPECT_EQ(std::tuple(editor->trackedControls, hostCalls),
              std::tuple(std::vector<std::int32_t>{17, -1}, HostCalls{{hostOpBeginEdit, 17}, {hostOpEndEdit, 17}}));
    plugin->setParameter(5, 1.5f);
    plugin->setParameter(9900, 0.5f);
    plugin->setParameter(-1, 0.5f);
    EXPECT_EQ(editor->parameterUpdates, (std::vector<std::pair<std::int32_t, float>>{{5, 1.0f}}));

    plugin->requestEditorRefresh();
    plugin->showVoiceActivity(3, true);
    editor->windowOpen = true;
    plugin->editorOpening = true;
    plugin->requestEditorRefresh();
    EXPECT_FALSE(plugin->getEditorRefreshFlag());
    plugin->editorOpening = false;
    plugin->requestEditorRefresh();
    EXPECT_TRUE(plugin->getEditorRefreshFlag());
    plugin->showVoiceActivity(4, true);
    plugin->refreshSampleBrowserIfOpen();
    EXPECT_EQ(editor->voiceLeds, (std::vector<std::pair<std::int32_t, bool>>{{4, true}}));
    EXPECT_TRUE(editor->sampleBrowserRefreshed);
}

} // namespace
