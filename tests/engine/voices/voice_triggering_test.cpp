#include "plugin/parameters/bass_drum_parameters.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/snare_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

namespace {

namespace bd = kravo::param::bassdrum;
namespace sn = kravo::param::snare;
using kravo::test::PluginRenderer;

constexpr int kGmBassDrum = 36;
constexpr int kGmSnare = 38;
constexpr int kFastFadeFrames = 34 * 16; // a killed envelope reaches silence within 34 blocks

// Long, plain bass drums and snares that would ring for seconds on their own.
void makeLongDrums(PluginRenderer& renderer)
{
    for (int voice = 0; voice < 2; ++voice) {
        renderer.setKind(bd::index, {{bd::kModel, kravo::param::drumModelValue(0)}, {bd::kDistortionType, 0.0f},
                                     {bd::kOscAmpHold, 1.0f}, {bd::kOscAmpDecay, 1.0f}}, voice);
        renderer.setKind(sn::index, {{sn::kModel, kravo::param::drumModelValue(0)}, {sn::kOscAmpHold, 1.0f},
                                     {sn::kOscAmpDecay, 1.0f}, {sn::kNoiseAmpDecay, 1.0f}}, voice);
    }
}

class VoiceTriggering : public ::testing::Test {
protected:
    void SetUp() override { makeLongDrums(renderer); }
    const Engine& engine() const { return renderer.plugin->getEngine(); }

    PluginRenderer renderer;
};

// Every envelope of a stolen voice fades, the snare's long noise included.
TEST_F(VoiceTriggering, NotesAlternateVoicesAndFadeThePreviousOneFast)
{
    for (const int note : {kGmBassDrum, kGmSnare}) {
        const auto playing = [&](int voice) {
            return note == kGmBassDrum ? engine().getBassDrumVoice(voice, 0).playing
                                       : engine().getSnareVoice(voice, 0).playing;
        };
        renderer.noteOn(note);
        renderer.render(1000);
        EXPECT_TRUE(playing(1)) << note; // the first note of a slot plays voice 1

        renderer.noteOn(note);
        renderer.render(kFastFadeFrames + 32);
        EXPECT_TRUE(playing(0)) << note;
        EXPECT_FALSE(playing(1)) << note;

        renderer.noteOn(note);
        renderer.render(kFastFadeFrames + 32);
        EXPECT_TRUE(playing(1)) << note;
        EXPECT_FALSE(playing(0)) << note;
    }
}

// A shared non-zero group chokes across kinds; group 0 never chokes.
TEST(VoiceChoke, ASharedGroupSilencesOtherSlotsOfAnyKind)
{
    for (const int group : {3, 0}) {
        PluginRenderer renderer;
        makeLongDrums(renderer);
        for (const int slot : {0, 2})
            renderer.set(kravo::param::voiceChokeGroup[slot], (static_cast<float>(group) + 0.5f) / 9.99f);
        renderer.noteOn(kGmBassDrum);
        renderer.render(1000);
        renderer.noteOn(kGmSnare);
        renderer.render(kFastFadeFrames + 32);
        EXPECT_EQ(renderer.plugin->getEngine().getBassDrumVoice(1, 0).playing, group == 0) << group;
        EXPECT_TRUE(renderer.plugin->getEngine().getSnareVoice(1, 0).playing) << group;
    }
}

// A note-off leaves a synthesised drum sounding; an editor pad plays at velocity 96 on the audio thread.
TEST_F(VoiceTriggering, NoteOffsLeaveSynthesisedVoicesAndEditorPadsPlayOnTheAudioThread)
{
    renderer.noteOn(kGmBassDrum);
    renderer.midi(100, 0x89, kGmBassDrum, 0);
    renderer.render(4000);
    EXPECT_TRUE(engine().getBassDrumVoice(1, 0).playing);
    EXPECT_GT(renderer.peak(0.05, 0.09), 0.01f);
    renderer.plugin->triggerPadFromEditor(2);
    EXPECT_FALSE(engine().getSnareVoice(1, 0).playing);
    renderer.render(64);
    EXPECT_TRUE(engine().getSnareVoice(1, 0).playing);
    EXPECT_FLOAT_EQ(engine().getSlotNoteState(2).velocity, 96.0f / 127.0f);
}

TEST_F(VoiceTriggering, AResetControllerAndATransportStopTurnEveryVoiceOffAndTheHostTempoIsFollowed)
{
    renderer.noteOn(kGmBassDrum);
    renderer.noteOn(kGmSnare);
    renderer.midi(10, 0xB0, 123, 0);
    renderer.render(64);
    EXPECT_FALSE(engine().isAnyVoiceActive());

    renderer.timeInfo.flags |= plugTimeTransportPlaying;
    renderer.timeInfo.tempo = 93.0;
    renderer.noteOn(kGmBassDrum);
    renderer.render(256);
    ASSERT_TRUE(engine().isAnyVoiceActive());
    EXPECT_EQ(engine().getTempo(), 93.0f);
    renderer.timeInfo.flags &= ~plugTimeTransportPlaying;
    renderer.render(kFastFadeFrames + 64);
    EXPECT_FALSE(engine().isAnyVoiceActive());
}

TEST(VoiceSampleRate, AChangeSilencesEveryVoice)
{
    PluginRenderer renderer;
    makeLongDrums(renderer);
    renderer.noteOn(kGmBassDrum);
    renderer.noteOn(kGmSnare);
    renderer.render(256);
    ASSERT_TRUE(renderer.plugin->getEngine().isAnyVoiceActive());
    renderer.plugin->setSampleRate(48000.0f);
    EXPECT_FALSE(renderer.plugin->getEngine().isAnyVoiceActive());
}

} // namespace
