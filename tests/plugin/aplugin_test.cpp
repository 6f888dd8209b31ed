#include "plugin/aplugin.h"

#include "tests/plugin/base/recording_editor.h"
#include "tests/plugin/base/recording_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace {

using kravo::test::RecordingEditor;
using kravo::test::RecordingHost;

class PluginObject : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordingHost::reset();
        plugin.reset(static_cast<APlugin*>(createEffectInstance(RecordingHost::callback)));
        ASSERT_NE(plugin, nullptr);
    }

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

    std::unique_ptr<APlugin> plugin;
};

TEST_F(PluginObject, AnswersItsIdentity)
{
    const PluginRecord& record = *plugin->getPluginRecord();
    EXPECT_EQ(record.uniqueID, fourCharCode('K', 'r', 'C', 'H'));
    EXPECT_EQ(record.numPrograms, 32);
    EXPECT_EQ(record.numParams, 9900);
    EXPECT_EQ(record.numInputs, 2);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.flags, plugFlagsCanReplacing | plugFlagsIsSynth);

    char text[64] = {};
    EXPECT_EQ(dispatch(plugGetEffectName, 0, 0, text), 1);
    EXPECT_STREQ(text, "Kravo");
    EXPECT_EQ(dispatch(plugGetVendorString, 0, 0, text), 1);
    EXPECT_STREQ(text, "Vexo");
    EXPECT_EQ(dispatch(plugGetProductString, 0, 0, text), 1);
    EXPECT_STREQ(text, "Kravo");
    EXPECT_EQ(dispatch(plugGetVendorVersion), 0x10000);
    EXPECT_EQ(dispatch(plugGetPlugCategory), 2);
    EXPECT_EQ(dispatch(plugGetPlugVersion), 2400);
}

TEST_F(PluginObject, CanDoOnlyItsThreeCapabilities)
{
    for (const char* yes : {"receivePlugEvents", "receivePlugMidiEvent", "receivePlugTimeInfo"}) {
        std::string text = yes;
        EXPECT_EQ(dispatch(plugCanDo, 0, 0, text.data()), 1) << yes;
    }
    for (const char* no : {"sendPlugMidiEvent", "", "receivePlugTimeInfoX"}) {
        std::string text = no;
        EXPECT_EQ(dispatch(plugCanDo, 0, 0, text.data()), 0) << no;
    }
}

TEST_F(PluginObject, OutputPropertiesNameTheStereoPairOnce)
{
    PlugPinProperties pin{};
    std::strcpy(pin.label, "host label");
    EXPECT_EQ(dispatch(plugGetOutputProperties, 0, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "Out 1 + 2");
    EXPECT_EQ(pin.flags, 3);

    PlugPinProperties second{};
    std::strcpy(second.label, "host label");
    EXPECT_EQ(dispatch(plugGetOutputProperties, 1, 0, &second), 1);
    EXPECT_STREQ(second.label, "host label");
    EXPECT_EQ(second.flags, 3);

    PlugPinProperties third{};
    EXPECT_EQ(dispatch(plugGetOutputProperties, 2, 0, &third), 0);
    EXPECT_EQ(third.flags, 0);
}

TEST_F(PluginObject, SampleRateIsClampedAndImplausibleRatesIgnored)
{
    dispatch(plugSetSampleRate, 0, 0, nullptr, 0.5f);
    EXPECT_EQ(plugin->getSampleRate(), 1.0f);
    EXPECT_EQ(plugin->getSamplePeriod(), 1.0f);
    dispatch(plugSetSampleRate, 0, 0, nullptr, 48000.0f);
    EXPECT_EQ(plugin->getSampleRate(), 48000.0f);
    EXPECT_FLOAT_EQ(plugin->getSamplePeriod(), 1.0f / 48000.0f);
    for (float bad : {600000.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                      -std::numeric_limits<float>::infinity()}) {
        dispatch(plugSetSampleRate, 0, 0, nullptr, bad);
        EXPECT_EQ(plugin->getSampleRate(), 48000.0f) << bad;
        EXPECT_EQ(plugin->getEngine().getSampleRate(), 48000.0f) << bad;
    }
}

TEST_F(PluginObject, HasNoEditorUntilOneRegisters)
{
    EXPECT_EQ(plugin->getPluginRecord()->flags & plugFlagsHasEditor, 0);
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(plugEditGetRect, 0, 0, &rect), 0);
    attachEditor();
    EXPECT_NE(plugin->getPluginRecord()->flags & plugFlagsHasEditor, 0);
}

TEST_F(PluginObject, BeginAndEndEditTrackTheControlAndTellTheHost)
{
    RecordingEditor* editor = attachEditor();
    RecordingHost::calls().clear();
    plugin->beginEdit(17);
    plugin->endEdit(17);
    EXPECT_EQ(editor->trackedControls, (std::vector<std::int32_t>{17, -1}));
    ASSERT_EQ(RecordingHost::calls().size(), 2u);
    EXPECT_EQ(RecordingHost::calls()[0].opcode, hostOpBeginEdit);
    EXPECT_EQ(RecordingHost::calls()[0].index, 17);
    EXPECT_EQ(RecordingHost::calls()[1].opcode, hostOpEndEdit);
}

TEST_F(PluginObject, ParameterWritesAreClampedAndReachTheEditor)
{
    RecordingEditor* editor = attachEditor();
    plugin->setParameter(5, 1.5f);
    plugin->setParameter(6, -2.0f);
    EXPECT_EQ(plugin->getParameter(5), 1.0f);
    EXPECT_EQ(plugin->getParameter(6), 0.0f);
    ASSERT_EQ(editor->parameterUpdates.size(), 2u);
    EXPECT_EQ(editor->parameterUpdates[0], std::make_pair(5, 1.0f));
    plugin->setParameter(9900, 0.5f);
    plugin->setParameter(-1, 0.5f);
    EXPECT_EQ(editor->parameterUpdates.size(), 2u);
}

TEST_F(PluginObject, EditorRefreshIsRequestedOnlyOfAnOpenFinishedEditor)
{
    plugin->requestEditorRefresh();
    EXPECT_FALSE(plugin->getEditorRefreshFlag());

    RecordingEditor* editor = attachEditor();
    plugin->requestEditorRefresh();
    EXPECT_FALSE(plugin->getEditorRefreshFlag());

    editor->windowOpen = true;
    plugin->editorOpening = true;
    plugin->requestEditorRefresh();
    EXPECT_FALSE(plugin->getEditorRefreshFlag());

    plugin->editorOpening = false;
    plugin->requestEditorRefresh();
    EXPECT_TRUE(plugin->getEditorRefreshFlag());
}

TEST_F(PluginObject, VoiceActivityReachesAnOpenEditorExceptForNoPad)
{
    RecordingEditor* editor = attachEditor();
    plugin->showVoiceActivity(3, true);
    EXPECT_TRUE(editor->voiceLeds.empty());
    editor->windowOpen = true;
    plugin->showVoiceActivity(3, true);
    plugin->showVoiceActivity(32, true);
    plugin->refreshSampleBrowserIfOpen();
    EXPECT_EQ(editor->voiceLeds, (std::vector<std::pair<std::int32_t, bool>>{{3, true}}));
    EXPECT_EQ(editor->calls.back(), "refreshSampleBrowser");
}

TEST_F(PluginObject, UserModeFollowsItsSwitchParameter)
{
    plugin->setParameter(1771, 0.5f);
    EXPECT_TRUE(plugin->isUserMode(1));
    plugin->setParameter(1771, 0.49f);
    EXPECT_FALSE(plugin->isUserMode(1));
}

} // namespace
