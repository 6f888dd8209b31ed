#include "plugin/aplugin.h"

#include "tests/plugin/base/recording_editor.h"
#include "tests/plugin/base/recording_host.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <tuple>

namespace {

using kravo::test::RecordingEditor;
using kravo::test::RecordingHost;

class PluginObject : public ::testing::Test {
protected:
    void SetUp() override { RecordingHost::reset(); }

    RecordingEditor* attachEditor()
    {
        auto* editor = new RecordingEditor(plugin.get());
        plugin->setEditor(editor);
        return editor;
    }
    PlugIntPtr dispatch(std::int32_t opcode, std::int32_t index = 0, PlugIntPtr value = 0, void* ptr = nullptr,
                        float opt = 0.0f)
    {
        return plugin->dispatcher(opcode, index, value, ptr, opt);
    }

    std::unique_ptr<APlugin> plugin{static_cast<APlugin*>(createEffectInstance(RecordingHost::callback))};
};

TEST_F(PluginObject, IsASynthAnsweringOnlyItsCapabilitiesAndClampsOrIgnoresImplausibleSampleRates)
{
    const PluginRecord& record = *plugin->getPluginRecord();
    EXPECT_EQ(record.flags, plugFlagsCanReplacing | plugFlagsIsSynth);
    const std::pair<const char*, int> capabilities[] = {{"receivePlugEvents", 1}, {"receivePlugMidiEvent", 1},
        {"receivePlugTimeInfo", 1}, {"sendPlugMidiEvent", 0}, {"", 0}, {"receivePlugTimeInfoX", 0}};
    for (const auto& [can, answer] : capabilities) {
        std::string asked = can;
        EXPECT_EQ(dispatch(plugCanDo, 0, 0, asked.data()), answer) << can;
    }

    dispatch(plugSetSampleRate, 0, 0, nullptr, 0.5f);
    EXPECT_EQ(plugin->getSampleRate(), 1.0f);
    EXPECT_EQ(plugin->getSamplePeriod(), 1.0f);
    dispatch(plugSetSampleRate, 0, 0, nullptr, 48000.0f);
    EXPECT_FLOAT_EQ(plugin->getSamplePeriod(), 1.0f / 48000.0f);
    for (float bad : {600000.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                      -std::numeric_limits<float>::infinity()}) {
        dispatch(plugSetSampleRate, 0, 0, nullptr, bad);
        EXPECT_EQ(plugin->getSampleRate(), 48000.0f) << bad;
        EXPECT_EQ(plugin->getEngine().getSampleRate(), 48000.0f) << bad;
    }
}

TEST_F(PluginObject, EditsReachTheEditorAndTheHost)
{
    RecordingEditor* editor = attachEditor();
    RecordingHost::calls.clear();
    plugin->beginEdit(17);
    plugin->endEdit(17);
    EXPECT_EQ(editor->trackedControls, (std::vector<std::int32_t>{17, -1}));
    ASSERT_EQ(RecordingHost::calls.size(), 2u);
    EXPECT_EQ(std::tuple(RecordingHost::calls[0].opcode, RecordingHost::calls[0].index,
                         RecordingHost::calls[1].opcode, RecordingHost::calls[1].index),
              std::tuple(hostOpBeginEdit, 17, hostOpEndEdit, 17));

    plugin->setParameter(5, 1.5f);
    plugin->setParameter(9900, 0.5f);
    plugin->setParameter(-1, 0.5f);
    EXPECT_EQ(editor->parameterUpdates, (std::vector<std::pair<std::int32_t, float>>{{5, 1.0f}}));
    plugin->setParameter(1771, 0.5f);
    EXPECT_TRUE(plugin->isUserMode(1));
    plugin->setParameter(1771, 0.49f);
    EXPECT_FALSE(plugin->isUserMode(1));
}

TEST_F(PluginObject, RefreshesAndVoiceActivityReachOnlyAnOpenFinishedEditor)
{
    plugin->requestEditorRefresh();
    RecordingEditor* editor = attachEditor();
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
    plugin->showVoiceActivity(32, true);
    plugin->refreshSampleBrowserIfOpen();
    EXPECT_EQ(editor->voiceLeds, (std::vector<std::pair<std::int32_t, bool>>{{4, true}}));
    EXPECT_TRUE(editor->sampleBrowserRefreshed);
}

} // namespace
