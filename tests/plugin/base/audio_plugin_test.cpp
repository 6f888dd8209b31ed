#include "plugin/base/audio_plugin_x.h"

#include "tests/plugin/base/recording_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using kravo::test::RecordingEditor;
using HostCall = std::tuple<std::int32_t, std::int32_t, PlugIntPtr, float>; // opcode, index, value, opt

// The host side: it records every call and gives one answer to all of them.
std::vector<HostCall> hostCalls;
PlugIntPtr hostAnswer = 0;

PlugIntPtr recordingHost(PluginRecord*, std::int32_t opcode, std::int32_t index, PlugIntPtr value, void*, float opt)
{
    hostCalls.emplace_back(opcode, index, value, opt);
    return hostAnswer;
}

class BarePlugin : public AudioPluginX {
public:
    explicit BarePlugin(HostCallback host) : AudioPluginX(host, 4, 10) { hostCalls.clear(); hostAnswer = 0; }
    void processReplacing(float**, float**, std::int32_t) override {}
    void setParameter(std::int32_t index, float value) override { lastSet = std::tuple(index, value); }
    // Through the record, as a host calls.
    PlugIntPtr dispatch(std::int32_t opcode, std::int32_t index = 0, PlugIntPtr value = 0, void* ptr = nullptr,
                        float opt = 0.0f)
    {
        return getPluginRecord()->dispatcher(getPluginRecord(), opcode, index, value, ptr, opt);
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

    // The sanitizer build's leak check fails the test if the close leaves the object or its editor behind.
    auto* closing = new BarePlugin(nullptr);
    closing->setEditor(new RecordingEditor(closing));
    EXPECT_EQ(closing->dispatch(plugClose), 1);
}

TEST(AudioPluginBase, UnknownOpcodesAnswerZeroProgramsStayInRangeAndEditorOpcodesReachTheEditorIfAny)
{
    BarePlugin plugin(recordingHost);
    for (std::int32_t op : {9, 16, 17, 18, 20, 21, 28, 30, 31, 32, 36, 37, 43, 46, 53, 54, 55, 57, -1, 80, 1000})
        EXPECT_EQ(plugin.dispatch(op, 1, 1), 0) << "opcode " << op;
    plugin.dispatch(plugSetProgram, 0, 3);
    plugin.dispatch(plugSetProgram, 0, 4);
    EXPECT_EQ(std::tuple(plugin.dispatch(plugGetCurrentMidiProgram), plugin.dispatch(plugCanBeAutomated, 3),
                         plugin.dispatch(plugSetTotalSampleToProcess, 0, 777), plugin.dispatch(plugGetProgram)),
              std::tuple(-1, 1, 777, 3));
    EXPECT_TRUE(hostCalls.empty());

    ERect* rect = nullptr;
    for (std::int32_t op : {plugEditGetRect, plugEditOpen, plugEditClose, plugEditIdle, plugEditKeyDown,
                            plugEditKeyUp, plugSetEditKnobMode})
        EXPECT_EQ(plugin.dispatch(op, 65, 1, op == plugEditGetRect ? &rect : nullptr), 0) << op;
    EXPECT_EQ(rect, nullptr);

    auto* editor = new RecordingEditor(&plugin);
    plugin.setEditor(editor);
    ASSERT_TRUE(plugin.dispatch(plugEditGetRect, 0, 0, &rect) == 1 && rect != nullptr);
    EXPECT_EQ(std::tuple(plugin.dispatch(plugEditOpen), plugin.dispatch(plugSetEditKnobMode, 0, 2)), std::tuple(1, 1));
    EXPECT_EQ(std::tuple(rect->right, editor->windowOpen, editor->knobMode), std::tuple(200, true, 2));
    EXPECT_EQ(plugin.dispatch(plugEditKeyDown, 'a', 0x1234, nullptr, 3.7f), 0);
    EXPECT_EQ(std::tuple(editor->lastKey.character, editor->lastKey.virt, editor->lastKey.modifier),
              std::tuple('a', 0x34, 3));
    editor->handlesKeys = true;
    EXPECT_EQ(plugin.dispatch(plugEditKeyUp, 'b'), 1);
}

TEST(AudioPluginBase, WrappersCallTheHostWithTheirOpcodesAndAResumedSynthAsksForEvents)
{
    BarePlugin plugin(recordingHost);
    plugin.setParameterAutomated(5, 0.25f);
    EXPECT_EQ(plugin.lastSet, std::tuple(5, 0.25f));
    EXPECT_EQ(hostCalls.back(), HostCall(hostOpSetParameterAutomated, 5, 0, 0.25f));
    EXPECT_EQ(plugin.getMasterVersion(), 1); // an answer of 0 reads as version 1
    hostAnswer = 48000; // a non-zero answer also means an input is not connected
    EXPECT_EQ(std::tuple(plugin.updateSampleRate(), plugin.isInputConnected(0)), std::tuple(48000.0, false));
    EXPECT_EQ(plugin.getSampleRate(), 48000.0f);

    PlugTimeInfo info{};
    hostAnswer = reinterpret_cast<PlugIntPtr>(&info);
    EXPECT_EQ(plugin.getTimeInfo(kTimeInfoFilter), &info);
    EXPECT_EQ(hostCalls.back(), HostCall(hostOpGetTimeInfo, 0, kTimeInfoFilter, 0.0f));
    hostCalls.clear();
    EXPECT_FALSE(plugin.openFileSelector(nullptr));
    plugin.dispatch(plugMainsChanged, 0, 1);
    EXPECT_TRUE(hostCalls.empty());
    plugin.isSynth(true); // a synth asks for events when it is resumed
    plugin.dispatch(plugMainsChanged, 0, 1);
    EXPECT_EQ(hostCalls.back(), HostCall(hostOpWantEvents, 0, 1, 0.0f));
}

} // namespace
