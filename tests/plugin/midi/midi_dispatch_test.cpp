#include "plugin/aplugin.h"

#include "tests/plugin/base/recording_editor.h"
#include "plugin/base/plug_event_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using kravo::test::RecordingEditor;

class MidiDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        plugin.reset(static_cast<APlugin*>(createEffectInstance(nullptr)));
        plugin->getNoteMap().set(36, 0);
        plugin->getNoteMap().set(38, 2);
        editor = new RecordingEditor(plugin.get());
        editor->windowOpen = true;
        plugin->setEditor(editor);
    }

    // Queues the events and renders one block of the given length.
    void play(PlugEventList& events, int frames = 8)
    {
        plugin->processEvents(events.list());
        std::vector<float> left(static_cast<std::size_t>(frames));
        std::vector<float> right(static_cast<std::size_t>(frames));
        float* outputs[2] = {left.data(), right.data()};
        plugin->processReplacing(nullptr, outputs, frames);
    }

    const Engine& engine() const { return plugin->getEngine(); }
    float source(int n) const { return engine().getModulation().globalSources().values[n].unipolar; }
    float bipolarSource(int n) const { return engine().getModulation().globalSources().values[n].bipolar; }

    std::unique_ptr<APlugin> plugin;
    RecordingEditor* editor = nullptr;
    PlugEventList events;
};

TEST_F(MidiDispatch, NoteOnTriggersThePadOfItsNote)
{
    events.add(0, 0x99, 38, 127);
    play(events);
    EXPECT_EQ(engine().getSlotNoteState(2).pad, 2u);
    EXPECT_EQ(engine().getSlotNoteState(2).velocity, 1.0f);
    EXPECT_EQ(source(5), 1.0f);
    EXPECT_EQ(engine().getPadGate(2), 1.0f);
    EXPECT_EQ(editor->voiceLeds, (std::vector<std::pair<std::int32_t, bool>>{{2, true}}));
}

TEST_F(MidiDispatch, TwoNotesDueInOneSampleBothTrigger)
{
    events.add(0, 0x90, 36, 64);
    events.add(0, 0x90, 38, 127);
    play(events, 1);
    EXPECT_FLOAT_EQ(engine().getSlotNoteState(0).velocity, 64.0f / 127.0f);
    EXPECT_EQ(engine().getSlotNoteState(2).velocity, 1.0f);
}

TEST_F(MidiDispatch, VelocityZeroActsAsNoteOff)
{
    events.add(0, 0x90, 36, 100);
    events.add(3, 0x90, 36, 0);
    play(events);
    EXPECT_EQ(engine().getPadGate(0), 0.0f);
    EXPECT_EQ(editor->voiceLeds, (std::vector<std::pair<std::int32_t, bool>>{{0, true}, {0, false}}));
}

TEST_F(MidiDispatch, UnmappedNotesTouchNoPad)
{
    plugin->getNoteMap().set(100, kNoPad);
    events.add(0, 0x90, 100, 100);
    play(events);
    EXPECT_TRUE(editor->voiceLeds.empty());
    for (int pad = 0; pad < kNumPads; ++pad)
        EXPECT_EQ(engine().getPadGate(pad), 0.0f);
}

TEST_F(MidiDispatch, PressureAndPitchBendFeedTheirModulationSources)
{
    events.add(0, 0xA0, 10, 127);
    play(events);
    EXPECT_EQ(source(4), 1.0f);
    EXPECT_EQ(source(2), 1.0f);

    PlugEventList more;
    more.add(0, 0xD0, 0, 0);
    more.add(0, 0xE0, 0, 64);
    play(more);
    EXPECT_EQ(source(3), 0.0f);
    EXPECT_EQ(source(2), 0.0f);
    EXPECT_EQ(source(6), 0.5f);
    EXPECT_EQ(bipolarSource(6), 0.0f);
}

TEST_F(MidiDispatch, FixedControllersFeedModulationSourcesAndTheModWheel)
{
    events.add(0, 0xB0, 1, 127);
    events.add(0, 0xB0, 90, 127);
    events.add(0, 0xB0, 16, 127);
    play(events);
    EXPECT_EQ(engine().getModWheel(), 1.0f);
    EXPECT_EQ(source(1), 1.0f);
    EXPECT_EQ(source(22), 1.0f);
    EXPECT_EQ(source(10), 1.0f);
}

TEST_F(MidiDispatch, LearnedControllersDriveTheirParameter)
{
    plugin->getMidiCcMap().set(7, 40);
    events.add(0, 0xB0, 7, 127);
    play(events);
    EXPECT_EQ(plugin->getParameter(40), 1.0f);
}

TEST_F(MidiDispatch, ResetControllersAreNeverLearnedNorRouted)
{
    plugin->getMidiCcMap().set(123, 40);
    plugin->setParameter(40, 0.25f);
    plugin->midiLearnTarget = 41;
    plugin->midiLatchRequest = true;
    events.add(0, 0xB0, 123, 127);
    play(events);
    EXPECT_EQ(plugin->getParameter(40), 0.25f);
    EXPECT_TRUE(plugin->midiLatchRequest);
    EXPECT_EQ(plugin->getMidiCcMap().parameterOf(123), 40);
}

} // namespace
