#include "plugin/base/audio_plugin_x.h"

#include "tests/plugin/base/recording_editor.h"
#include "tests/plugin/base/recording_host.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using kravo::test::RecordingEditor;
using kravo::test::RecordingHost;

class BarePlugin : public AudioPluginX {
public:
    explicit BarePlugin(HostCallback callback, bool* destroyed = nullptr)
        : AudioPluginX(callback, 4, 10), destroyed_(destroyed)
    {
    }
    ~BarePlugin() override
    {
        if (destroyed_)
            *destroyed_ = true;
    }
    void processReplacing(float**, float**, std::int32_t) override {}
    void setProgram(std::int32_t program) override
    {
        programCalls.push_back(program);
        AudioPluginX::setProgram(program);
    }
    void setParameter(std::int32_t index, float value) override { lastSet = {index, value}; }

    std::vector<std::int32_t> programCalls;
    std::pair<std::int32_t, float> lastSet{-1, 0.0f};

private:
    bool* destroyed_;
};

class AudioPluginBase : public ::testing::Test {
protected:
    void SetUp() override { RecordingHost::reset(); }
    PlugIntPtr dispatch(BarePlugin& plugin, std::int32_t opcode, std::int32_t index = 0, PlugIntPtr value = 0,
                        void* ptr = nullptr, float opt = 0.0f)
    {
        PluginRecord* record = plugin.getPluginRecord();
        return record->dispatcher(record, opcode, index, value, ptr, opt);
    }
};

TEST_F(AudioPluginBase, RecordHoldsItsValuesAfterConstruction)
{
    BarePlugin plugin(nullptr);
    const PluginRecord& record = *plugin.getPluginRecord();
    EXPECT_EQ(record.magic, 0x506C6750);
    EXPECT_EQ(record.numPrograms, 4);
    EXPECT_EQ(record.numParams, 10);
    EXPECT_EQ(record.numInputs, 1);
    EXPECT_EQ(record.numOutputs, 2);
    EXPECT_EQ(record.flags, plugFlagsCanReplacing);
    EXPECT_EQ(record.resvd1, 0);
    EXPECT_EQ(record.ioRatio, 1.0f);
    EXPECT_EQ(record.object, &plugin);
    EXPECT_EQ(record.uniqueID, fourCharCode('N', 'o', 'E', 'f'));
    EXPECT_EQ(record.version, 1);
    EXPECT_NE(record.dispatcher, nullptr);
    EXPECT_NE(record.processReplacing, nullptr);
    EXPECT_NE(record.processDoubleReplacing, nullptr);
    for (char c : record.future)
        EXPECT_EQ(c, 0);
    EXPECT_EQ(plugin.getSampleRate(), 44100.0f);
    EXPECT_EQ(plugin.getBlockSize(), 1024);
    EXPECT_EQ(plugin.getProgram(), 0);
}

TEST_F(AudioPluginBase, FlagSettersSetAndClearTheirBits)
{
    BarePlugin plugin(nullptr);
    plugin.isSynth(true);
    plugin.hasVu(true);
    plugin.programsAreChunks(true);
    EXPECT_EQ(plugin.getPluginRecord()->flags, plugFlagsCanReplacing | plugFlagsIsSynth | plugFlagsHasVu | plugFlagsProgramChunks);
    plugin.hasVu(false);
    plugin.programsAreChunks(false);
    plugin.canProcessReplacing(false);
    EXPECT_EQ(plugin.getPluginRecord()->flags, plugFlagsIsSynth);
    EXPECT_EQ(plugin.getPlugCategory(), 2);
    plugin.isSynth(false);
    EXPECT_EQ(plugin.getPlugCategory(), 0);
}

TEST_F(AudioPluginBase, SetEditorKeepsTheEditorFlagInStep)
{
    BarePlugin plugin(nullptr);
    auto* editor = new RecordingEditor(&plugin);
    plugin.setEditor(editor);
    EXPECT_TRUE(plugin.getPluginRecord()->flags & plugFlagsHasEditor);
    plugin.setEditor(nullptr);
    EXPECT_FALSE(plugin.getPluginRecord()->flags & plugFlagsHasEditor);
    delete editor;
}

TEST_F(AudioPluginBase, CloseThroughTheRecordDeletesObjectAndEditor)
{
    bool pluginGone = false;
    bool editorGone = false;
    auto* plugin = new BarePlugin(nullptr, &pluginGone);
    plugin->setEditor(new RecordingEditor(plugin, &editorGone));
    PluginRecord* record = plugin->getPluginRecord();
    EXPECT_EQ(record->dispatcher(record, plugClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_TRUE(pluginGone);
    EXPECT_TRUE(editorGone);
}

TEST_F(AudioPluginBase, SetProgramBeyondTheProgramCountIsIgnored)
{
    BarePlugin plugin(nullptr);
    EXPECT_EQ(dispatch(plugin, plugSetProgram, 0, 4), 0);
    EXPECT_TRUE(plugin.programCalls.empty());
    dispatch(plugin, plugSetProgram, 0, 3);
    EXPECT_EQ(dispatch(plugin, plugGetProgram), 3);
}

TEST_F(AudioPluginBase, UnusedAndUnknownOpcodesAnswerZero)
{
    BarePlugin plugin(RecordingHost::callback);
    for (std::int32_t op : {9, 16, 17, 18, 20, 21, 28, 30, 31, 32, 36, 37, 43, 46, 53, 54, 55, 57, -1, 80, 1000})
        EXPECT_EQ(dispatch(plugin, op, 1, 1, nullptr, 1.0f), 0) << "opcode " << op;
    EXPECT_EQ(dispatch(plugin, plugIdentify, 7, 7, nullptr, 7.0f), 0x4E764566);
    EXPECT_EQ(dispatch(plugin, plugGetPlugVersion), 2400);
    EXPECT_EQ(dispatch(plugin, plugGetCurrentMidiProgram), -1);
    EXPECT_EQ(dispatch(plugin, plugSetTotalSampleToProcess, 0, 777), 777);
    EXPECT_EQ(dispatch(plugin, plugCanBeAutomated, 3), 1);
    EXPECT_TRUE(RecordingHost::calls().empty());
}

TEST_F(AudioPluginBase, EditorOpcodesWithoutEditorAnswerZero)
{
    BarePlugin plugin(nullptr);
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(plugin, plugEditGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(rect, nullptr);
    for (std::int32_t op : {plugEditOpen, plugEditClose, plugEditIdle, plugEditKeyDown, plugEditKeyUp, plugSetEditKnobMode})
        EXPECT_EQ(dispatch(plugin, op, 65, 1, nullptr, 2.0f), 0);
}

TEST_F(AudioPluginBase, EditorOpcodesReachTheEditor)
{
    BarePlugin plugin(nullptr);
    auto* editor = new RecordingEditor(&plugin);
    plugin.setEditor(editor);
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(plugin, plugEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right, 200);
    EXPECT_EQ(dispatch(plugin, plugEditOpen, 0, 0, &plugin), 1);
    EXPECT_EQ(dispatch(plugin, plugEditIdle), 0);
    EXPECT_EQ(dispatch(plugin, plugEditClose), 0);
    EXPECT_EQ(editor->calls, (std::vector<std::string>{"getRect", "open", "idle", "close"}));

    EXPECT_EQ(dispatch(plugin, plugEditKeyDown, 'a', 0x1234, nullptr, 3.7f), 0);
    EXPECT_EQ(editor->lastKey.character, 'a');
    EXPECT_EQ(editor->lastKey.virt, 0x34);
    EXPECT_EQ(editor->lastKey.modifier, 3);
    editor->handlesKeys = true;
    EXPECT_EQ(dispatch(plugin, plugEditKeyUp, 'b'), 1);
    EXPECT_EQ(dispatch(plugin, plugSetEditKnobMode, 0, 2), 1);
    EXPECT_EQ(editor->knobMode, 2);
}

TEST_F(AudioPluginBase, WrappersWithoutCallbackAnswerTheirDefaults)
{
    BarePlugin plugin(nullptr);
    EXPECT_EQ(plugin.getMasterVersion(), 1);
    EXPECT_EQ(plugin.getCurrentUniqueId(), 0);
    EXPECT_TRUE(plugin.isInputConnected(0));
    EXPECT_TRUE(plugin.isOutputConnected(1));
    EXPECT_EQ(plugin.getTimeInfo(0x600), nullptr);
    EXPECT_EQ(plugin.updateSampleRate(), 44100.0);
    EXPECT_EQ(plugin.updateBlockSize(), 1024);
    EXPECT_FALSE(plugin.updateDisplay());
    EXPECT_FALSE(plugin.beginEdit(3));
    plugin.setParameterAutomated(2, 0.5f);
    EXPECT_EQ(plugin.lastSet, std::make_pair(2, 0.5f));
}

TEST_F(AudioPluginBase, WrappersCallTheHostWithTheirOpcodes)
{
    BarePlugin plugin(RecordingHost::callback);
    plugin.setParameterAutomated(5, 0.25f);
    EXPECT_EQ(plugin.lastSet, std::make_pair(5, 0.25f));
    ASSERT_EQ(RecordingHost::calls().size(), 1u);
    EXPECT_EQ(RecordingHost::calls()[0].opcode, hostOpSetParameterAutomated);
    EXPECT_EQ(RecordingHost::calls()[0].index, 5);
    EXPECT_EQ(RecordingHost::calls()[0].opt, 0.25f);

    EXPECT_EQ(plugin.getMasterVersion(), 1); // an answer of 0 reads as version 1
    RecordingHost::answer() = 48000;
    EXPECT_EQ(plugin.updateSampleRate(), 48000.0);
    EXPECT_EQ(plugin.getSampleRate(), 48000.0f);
    EXPECT_FALSE(plugin.isInputConnected(0)); // a non-zero answer means not connected

    PlugTimeInfo info{};
    RecordingHost::answer() = reinterpret_cast<PlugIntPtr>(&info);
    EXPECT_EQ(plugin.getTimeInfo(kTimeInfoFilter), &info);
    EXPECT_EQ(RecordingHost::calls().back().opcode, hostOpGetTimeInfo);
    EXPECT_EQ(RecordingHost::calls().back().value, kTimeInfoFilter);

    RecordingHost::calls().clear();
    EXPECT_FALSE(plugin.openFileSelector(nullptr));
    EXPECT_TRUE(RecordingHost::calls().empty());
}

TEST_F(AudioPluginBase, ResumeAsksForEventsWhenItIsASynth)
{
    BarePlugin plugin(RecordingHost::callback);
    dispatch(plugin, plugMainsChanged, 0, 1);
    EXPECT_TRUE(RecordingHost::calls().empty());
    plugin.isSynth(true);
    dispatch(plugin, plugMainsChanged, 0, 1);
    ASSERT_EQ(RecordingHost::calls().size(), 1u);
    EXPECT_EQ(RecordingHost::calls()[0].opcode, hostOpWantEvents);
    EXPECT_EQ(RecordingHost::calls()[0].value, 1);
}

} // namespace
