#include "plugin/aplugin.h"

#include "plugin/base/plug_event_list.h"
#include "tests/plugin/base/recording_editor.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <tuple>

namespace {

using kravo::test::RecordingEditor;
using Leds = std::vector<std::pair<std::int32_t, bool>>;

class MidiDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor->windowOpen = true;
        plugin->setEditor(editor);
    }

    // Queues the messages (delta frame, status, data 1, data 2) and renders one block of up to 8 frames.
    void play(std::initializer_list<std::array<std::uint8_t, 4>> messages, int frames = 8)
    {
        PlugEventList events;
        for (const auto& m : messages)
            events.add(m[0], m[1], m[2], m[3]);
        plugin->processEvents(events.list());
        float left[8], right[8], *outputs[2] = {left, right};
        plugin->processReplacing(nullptr, outputs, frames);
    }

    const Engine& engine() const { return plugin->getEngine(); }
    float source(int n) const { return engine().getModulation().globalSources().values[n].unipolar; }

    // Either note map plays pad 0 on note 36 and pad 2 on note 38.
    std::unique_ptr<APlugin> plugin{static_cast<APlugin*>(createEffectInstance(nullptr))};
    RecordingEditor* editor = new RecordingEditor(plugin.get());
};

TEST_F(MidiDispatch, NotesDueInOneSampleAllTriggerTheirPadsVelocityZeroEndsThemAndUnmappedNotesTouchNone)
{
    play({{0, 0x90, 36, 64}, {0, 0x99, 38, 127}}, 1);
    EXPECT_FLOAT_EQ(engine().getSlotNoteState(0).velocity, 64.0f / 127.0f);
    EXPECT_EQ(std::tuple(engine().getSlotNoteState(2).pad, engine().getSlotNoteState(2).velocity, source(5),
                         engine().getPadGate(2)),
              std::tuple(2u, 1.0f, 1.0f, 1.0f));
    EXPECT_EQ(editor->voiceLeds, (Leds{{0, true}, {2, true}}));

    plugin->getNoteMap().set(100, kNoPad);
    editor->voiceLeds.clear();
    play({{0, 0x89, 38, 0}, {0, 0x90, 36, 100}, {3, 0x90, 36, 0}, {4, 0x90, 100, 100}});
    EXPECT_EQ(editor->voiceLeds, (Leds{{2, false}, {0, true}, {0, false}}));
    for (int pad = 0; pad < kNumPads; ++pad)
        EXPECT_EQ(engine().getPadGate(pad), 0.0f) << pad;
}

TEST_F(MidiDispatch, PressureBendAndControllersFeedSourcesButAResetControllerNeitherDrivesNorLearnsAParameter)
{
    play({{0, 0xA0, 10, 127}, {0, 0xB0, 1, 127}, {0, 0xB0, 90, 127}, {0, 0xB0, 16, 127}});
    EXPECT_EQ(std::tuple(source(4), source(2), engine().getModWheel(), source(1), source(22), source(10)),
              std::tuple(1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f));

    play({{0, 0xD0, 0, 0}, {0, 0xE0, 0, 64}});
    EXPECT_EQ(std::tuple(source(3), source(2), source(6), engine().getModulation().globalSources().values[6].bipolar),
              std::tuple(0.0f, 0.0f, 0.5f, 0.0f));

    plugin->getMidiCcMap().set(123, 40);
    plugin->setParameter(40, 0.25f);
    plugin->midiLearnTarget = 41;
    plugin->midiLatchRequest = true;
    play({{0, 0xB0, 123, 127}});
    EXPECT_EQ(std::tuple(plugin->getParameter(40), plugin->midiLatchRequest.load(),
                         plugin->getMidiCcMap().parameterOf(123)),
              std::tuple(0.25f, true, 40));
}

} // namespace
