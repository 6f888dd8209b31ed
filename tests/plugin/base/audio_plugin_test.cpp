#include "plugin/base/audio_plugin_x.h"

#include "tests/plugin/base/recording_editor.h"
#include "tests/plugin/base/recording_host.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using kravo::test::HostCall;
using kravo::test::RecordingEditor;
using kravo::test::RecordingHost;

class BarePlugin : public AudioPluginX {
public:
    explicit BarePlugin(HostCallback callback) : AudioPluginX(callback, 4, 10) { RecordingHost::reset(); }
    void processReplacing(float**, float**, std::int32_t) override {}
    void setParameter(std::int32_t index, float value) override { lastSet = std::tuple(index, value); }
    // Through the record, as a host calls.
    PlugIntPtr dispatch(std::int32_t opcode, std::int32_t index = 0, PlugIntPtr value = 0, void* ptr = nullptr)
    {
        return getPluginRecord()->dispatcher(getPluginRecord(), opcode, index, value, ptr, 0.0f);
    }

    std::tuple<std::int32_t, float> lastSet{-1, 0.0f};
};

TEST(AudioPluginBase, TheRecordPointsToTheObjectItsFlagsFollowTheSettersAndCloseDeletesObjectAndEditor)
{
    BarePlugin plugin(nullptr);
    const PluginRecord& record = *plugin.getPluginRecord();
    EXPECT_EQ(std::tuple(record.magic, record.numPrograms, record.numParams, record.object),
              std::tuple(kPluginRecordMagic, 4, 10, static_cast<void*>(&plugin)));
    EXPECT_TRUE(record.dispatcher && record.processReplacing && record.processDoubleReplacing);
    EXPECT_EQ(std::string(record.future, sizeof record.future), std::string(sizeof record.future, '\0'));

    RecordingEditor editor(&plugin);
    constexpr std::int32_t kEveryFlag =
        plugFlagsCanReplacing | plugFlagsIsSynth | plugFlagsHasVu | plugFlagsProgramChunks | plugFlagsHasEditor;
    for (const bool on : {true, false}) {
        plugin.isSynth(on);
        plugin.hasVu(on);
        plugin.programsAreChunks(on);
        plugin.canProcessReplacing(on);
        plugin.setEditor(on ? &editor : nullptr);
        EXPECT_EQ(std::tuple(record.flags, plugin.getPlugCategory() != 0), std::tuple(on ? kEveryFlag : 0, on));
    }

    bool editorGone = false;
    auto* closing = new BarePlugin(nullptr);
    closing->setEditor(new RecordingEditor(closing, &editorGone));
    EXPECT_TRUE(closing->dispatch(plugClose) == 1 && editorGone);
}

TEST(AudioPluginBase, UnknownOpcodesAnswerZeroProgramsStayInRangeAndEditorOpcodesReachTheEditorIfAny)
{
    BarePlugin plugin(RecordingHost::callback);
    for (std::int32_t op : {9, 16, 17, 18, 20, 21, 28, 30, 31, 32, 36, 37, 43, 46, 53, 54, 55, 57, -1, 80, 1000})
        EXPECT_EQ(plugin.dispatch(op, 1, 1), 0) << "opcode " << op;
    EXPECT_EQ(std::tuple(plugin.dispatch(plugGetCurrentMidiProgram), plugin.dispatch(plugCanBeAutomated, 3),
                         plugin.dispatch(plugSetTotalSampleToProcess, 0, 777), plugin.dispatch(plugSetProgram, 0, 4)),
              std::tuple(-1, 1, 777, 0));
    EXPECT_EQ(plugin.dispatch(plugGetProgram), 0);
    plugin.dispatch(plugSetProgram, 0, 3);
    EXPECT_EQ(plugin.dispatch(plugGetProgram), 3);
    EXPECT_TRUE(RecordingHost::calls.empty());

    ERect* rect = nullptr;
    for (std::int32_t op : {plugEditGetRect, plugEditOpen, plugEditClose, plugEditIdle, plugEditKeyDown,
                            plugEditKeyUp, plugSetEditKnobMode})
        EXPECT_EQ(plugin.dispatch(op, 65, 1, op == plugEditGetRect ? &rect : nullptr), 0) << op;
    EXPECT_EQ(rect, nullptr);

    auto* editor = new RecordingEditor(&plugin);
    plugin.setEditor(editor);
    EXPECT_EQ(plugin.dispatch(plugEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(std::tuple(plugin.dispatch(plugEditOpen), plugin.dispatch(plugSetEditKnobMode, 0, 2)), std::tuple(1, 1));
    EXPECT_EQ(std::tuple(rect->right, editor->windowOpen, editor->knobMode), std::tuple(200, true, 2));
    PluginRecord* record = plugin.getPluginRecord();
    EXPECT_EQ(record->dispatcher(record, plugEditKeyDown, 'a', 0x1234, nullptr, 3.7f), 0);
    EXPECT_EQ(std::tuple(editor->lastKey.character, editor->lastKey.virt, editor->lastKey.modifier),
              std::tuple('a', 0x34, 3));
    editor->handlesKeys = true;
    EXPECT_EQ(plugin.dispatch(plugEditKeyUp, 'b'), 1);
}

TEST(AudioPluginBase, WrappersCallTheHostWithTheirOpcodesAndAResumedSynthAsksForEvents)
{
    BarePlugin plugin(RecordingHost::callback);
    const auto lastCall = [] {
        const HostCall& call = RecordingHost::calls.back();
        return std::tuple(call.opcode, call.index, call.value, call.opt);
    };
    plugin.setParameterAutomated(5, 0.25f);
    EXPECT_EQ(plugin.lastSet, std::tuple(5, 0.25f));
    EXPECT_EQ(lastCall(), std::tuple(hostOpSetParameterAutomated, 5, 0, 0.25f));
    EXPECT_EQ(plugin.getMasterVersion(), 1); // an answer of 0 reads as version 1
    RecordingHost::answer = 48000;
    EXPECT_EQ(plugin.updateSampleRate(), 48000.0);
    EXPECT_EQ(plugin.getSampleRate(), 48000.0f);
    EXPECT_FALSE(plugin.isInputConnected(0)); // a non-zero answer means not connected

    PlugTimeInfo info{};
    RecordingHost::answer = reinterpret_cast<PlugIntPtr>(&info);
    EXPECT_EQ(plugin.getTimeInfo(kTimeInfoFilter), &info);
    EXPECT_EQ(lastCall(), std::tuple(hostOpGetTimeInfo, 0, PlugIntPtr{kTimeInfoFilter}, 0.0f));
    RecordingHost::calls.clear();
    EXPECT_FALSE(plugin.openFileSelector(nullptr));
    plugin.dispatch(plugMainsChanged, 0, 1);
    EXPECT_TRUE(RecordingHost::calls.empty());
    plugin.isSynth(true); // a synth asks for events when it is resumed
    plugin.dispatch(plugMainsChanged, 0, 1);
    EXPECT_EQ(lastCall(), std::tuple(hostOpWantEvents, 0, 1, 0.0f));
}

} // namespace
