#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/sample_position.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/samples/sample_buffer.h"
#include "tests/support/plugin_renderer.h"
#include "tests/support/sample_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

namespace param = kravo::param;
namespace sound = kravo::param::soundblock;
namespace play = kravo::param::playblock;
using param::SamplePosition;
using kravo::test::PluginRenderer;

constexpr int kSampleSlot = 0; // "Sample 1": pad 16, which note 16 plays
constexpr int kSlot = param::kFirstSampleSlot + kSampleSlot;
constexpr std::uint8_t kNote = 16;
constexpr int kA = param::kLayerA;
constexpr int kB = param::kLayerB;
constexpr int kVoice = 1; // a slot's first note plays on voice 1

float choice(int n, float scale) { return (static_cast<float>(n) + 0.5f) / scale; }
float modeValue(samples::CombineMode mode) { return choice(static_cast<int>(mode), 9.99f); }

std::vector<std::int16_t> ramp(int frames, int first, int slope)
{
    std::vector<std::int16_t> v;
    for (int i = 0; i < frames; ++i)
        v.push_back(static_cast<std::int16_t>(first + slope * i));
    return v;
}

// Sample 1 played through the plug-in, with plain layers: full layer volume,
// no filter, no pitch movement, held at full level until the sample ends.
struct SlotRig {
    void load(int layer, const std::vector<std::int16_t>& frames, std::uint32_t rate = 44100)
    {
        const std::string path = (folder / ("layer" + std::to_string(layer) + ".wav")).string();
        kravo::test::writeFile(path, kravo::test::wavBytes(frames, 1, rate));
        auto buffer = std::make_unique<SampleBuffer>();
        buffer->reset();
        ASSERT_TRUE(buffer->setPath(path.c_str()));
        ASSERT_TRUE(buffer->readWavFile());
        r.plugin->getLayerSamples().replace(layer + 2 * kSampleSlot, std::move(buffer));
        setField(layer, &param::SampleLayerLayout::on, 1.0f);
        setField(layer, &param::SampleLayerLayout::volume, 1.0f);
    }
    void setField(int layer, int param::SampleLayerLayout::*field, float value)
    {
        r.set(param::sampleLayerLayouts[layer].*field + kSampleSlot, value);
    }
    void setSound(int layer, int j, float value)
    {
        r.set(param::soundBlockIndex(static_cast<param::SampleLayer>(layer), j, kSampleSlot), value);
    }
    void setPlay(int layer, int j, float value)
    {
        r.set(param::playBlockIndex(static_cast<param::SampleLayer>(layer), j, kSampleSlot), value);
    }
    void setLoop(int layer, std::int32_t start, std::int32_t end)
    {
        setField(layer, &param::SampleLayerLayout::loop, 1.0f);
        setField(layer, &param::SampleLayerLayout::loopStartHigh, SamplePosition::high(start));
        setField(layer, &param::SampleLayerLayout::loopStartLow, SamplePosition::low(start));
        setField(layer, &param::SampleLayerLayout::loopEndHigh, SamplePosition::high(end));
        setField(layer, &param::SampleLayerLayout::loopEndLow, SamplePosition::low(end));
    }
    void setMode(samples::CombineMode mode) { r.set(param::sampleSlotLayerMode[kSampleSlot], modeValue(mode)); }

    const samples::SampleSlotVoice& voice(int v = kVoice) const
    {
        return r.plugin->getEngine().getSampleSlotVoice(v, kSampleSlot);
    }
    const samples::LayerState& layer(int l, int v = kVoice) const { return voice(v).layer(l); }

    kravo::test::TempFolder folder;
    PluginRenderer r;
};

// The step per output sample is the file's rate over the host's, shifted by
// whole semitones of "Tuning" (0.5 truncates to none) and cents of "Fine-Tuning";
// the output reads the file at that position.
TEST(SampleSlot, StepFollowsFileRateTuningAndFineTuning)
{
    struct Case {
        std::uint32_t fileRate;
        float tuning;
        float fine;
        float step;
    };
    for (const Case& c : {Case{22050, 0.5f, 0.5f, 0.5f}, Case{44100, 1.0f, 0.5f, 8.0f}, Case{44100, 0.0f, 0.5f, 0.125f},
                          Case{44100, 0.5f, 1.0f, std::exp2(1.0f / 12.0f)}, Case{88200, 0.5f, 0.5f, 2.0f}}) {
        SlotRig rig;
        rig.load(kA, ramp(3000, 1000, 8), c.fileRate);
        rig.setSound(kA, sound::kTuning, c.tuning);
        rig.setSound(kA, sound::kFineTuning, c.fine);
        rig.r.noteOn(kNote);
        rig.r.render(64);
        EXPECT_FLOAT_EQ(rig.layer(kA).step, c.step) << c.fileRate << " " << c.tuning;
        EXPECT_NEAR(rig.layer(kA).position, 64.0f * c.step, 1e-3f) << c.fileRate << " " << c.tuning;
        // Frames 1000 + 8 x position: the last output over the first.
        EXPECT_NEAR(rig.r.left[63] / rig.r.left[0], (1000.0f + 8.0f * 64.0f * c.step) / (1000.0f + 8.0f * c.step), 1e-4f);
    }
}

// A 3001-frame sample at unit step, played frame by frame: where each layer
// stops, and where every jump of its position lands.
TEST(SampleSlot, EndsRetriggersAndLoopsLandExactlyOnTheirBounds)
{
    struct Case {
        const char* name;
        bool reverse;
        int retriggers; // entry of {0, 1, 2, 3, 4, 6, 8, 12}
        float retriggerTime;
        bool loop;
        std::int32_t loopStart;
        std::int32_t loopEnd;
        int stopsAfter; // 0: still playing after 6000 samples
        float jumpTarget;
        int jumps;
    };
    const Case cases[] = {
        {"forward", false, 0, 0.0f, false, 0, 0, 3001, 0.0f, 0},
        {"reverse", true, 0, 0.0f, false, 0, 0, 3001, 0.0f, 0},
        {"three retriggers over a quarter", false, 3, 0.5f, false, 0, 0, 3 * 751 + 3001, 0.0f, 3},
        {"loop", false, 0, 0.0f, true, 1000, 2000, 0, 1000.0f, 4},
        {"reverse loop", true, 0, 0.0f, true, 1000, 2000, 0, 2000.0f, 4},
        {"loop end below its start", false, 0, 0.0f, true, 2000, 1000, 0, 2000.0f, 4000},
        {"loop end past the last frame", false, 0, 0.0f, true, 1000, 9000, 0, 1000.0f, 2},
    };
    for (const Case& c : cases) {
        SlotRig rig;
        rig.load(kA, ramp(3001, 0, 10));
        rig.setField(kA, &param::SampleLayerLayout::reverse, c.reverse ? 1.0f : 0.0f);
        rig.setPlay(kA, play::kRetriggers, choice(c.retriggers, 7.99f));
        rig.setPlay(kA, play::kRetriggerTime, c.retriggerTime);
        if (c.loop)
            rig.setLoop(kA, c.loopStart, c.loopEnd);
        rig.r.noteOn(kNote);
        int stopped = 0;
        int jumps = 0;
        float previous = c.reverse ? 3001.0f : -1.0f;
        for (int n = 1; n <= 6000; ++n) {
            rig.r.render(1);
            const samples::LayerState& s = rig.layer(kA);
            if (!s.on) {
                stopped = n;
                break;
            }
            EXPECT_TRUE(s.position >= 0.0f && s.position <= 3000.0f) << c.name << " at " << n;
            if (c.reverse ? s.position > previous : s.position < previous) {
                EXPECT_EQ(s.position, c.jumpTarget) << c.name << " at " << n;
                ++jumps;
            } else if (s.position == previous) {
                EXPECT_EQ(s.position, c.jumpTarget) << c.name << " stands still at " << n;
                ++jumps;
            }
            previous = s.position;
        }
        EXPECT_EQ(stopped, c.stopsAfter) << c.name;
        EXPECT_EQ(jumps, c.jumps) << c.name;
    }
}

// Which layers a note starts by "Mode", of those that hold a sample and are switched on.
TEST(SampleSlot, ModeChoosesTheLayersANoteStarts)
{
    using samples::CombineMode;
    struct Case {
        const char* name;
        float mode;
        std::uint8_t velocity;
        int layerB; // layer B: 0 no sample, 1 a sample, 2 a sample but switched off
        bool a;
        bool b;
    };
    const Case cases[] = {
        {"Sample A", modeValue(CombineMode::SampleA), 100, 1, true, false},
        {"Sample B", modeValue(CombineMode::SampleB), 100, 1, false, true},
        {"Split at the split value", modeValue(CombineMode::Split), 64, 1, false, true},
        {"Split below", modeValue(CombineMode::Split), 63, 1, true, false},
        {"Mix", modeValue(CombineMode::Mix), 100, 1, true, true},
        {"mode 9", 1.0f, 100, 1, true, true},
        {"Mix with B switched off", modeValue(CombineMode::Mix), 100, 2, true, false},
        {"Sample B without a B sample", modeValue(CombineMode::SampleB), 100, 0, false, false},
    };
    for (const Case& c : cases) {
        SlotRig rig;
        rig.load(kA, ramp(3000, 1000, 1));
        if (c.layerB > 0)
            rig.load(kB, ramp(3000, 1000, 1));
        if (c.layerB == 2)
            rig.setField(kB, &param::SampleLayerLayout::on, 0.0f);
        rig.r.set(param::sampleSlotLayerMode[kSampleSlot], c.mode);
        rig.r.set(param::sampleSlotVelocitySplit[kSampleSlot], 64.0f / 127.0f);
        rig.r.noteOn(kNote, c.velocity);
        rig.r.render(1);
        EXPECT_EQ(rig.voice().layerAOn(), c.a) << c.name;
        EXPECT_EQ(rig.voice().layerBOn(), c.b) << c.name;
        EXPECT_EQ(rig.voice().playing, c.a || c.b) << c.name;
        EXPECT_EQ(rig.r.peak(0.0, 0.001) > 0.0f, c.a || c.b) << c.name;
    }
}

// The first note after a reset plays B, then A; a pattern that restarts
// makes the next note play A again rather than B.
TEST(SampleSlot, AlternateStartsWithBAndAPatternRestartStartsA)
{
    SlotRig rig;
    rig.load(kA, ramp(30000, 1000, 1));
    rig.load(kB, ramp(30000, 1000, 1));
    rig.setMode(samples::CombineMode::Alternate);
    for (const bool a : {false, true}) {
        rig.r.noteOn(kNote);
        rig.r.render(16);
        const int v = static_cast<int>(rig.r.plugin->getEngine().getSlotNoteState(kSlot).lastVoice);
        EXPECT_EQ(rig.voice(v).layerAOn(), a);
        EXPECT_EQ(rig.voice(v).layerBOn(), !a);
    }
    rig.r.set(param::kPatternSync, 0.0f);
    rig.r.set(param::trackTargetPadIndex(0, 0), choice(kSlot, param::choicescale::kTrackTargetPad));
    rig.r.set(param::stepAttributeIndex(param::StepAttribute::On, 0, 0, 0), 1.0f);
    rig.r.plugin->startPatternFromEditor(0);
    rig.r.render(64);
    const int v = static_cast<int>(rig.r.plugin->getEngine().getSlotNoteState(kSlot).lastVoice);
    EXPECT_TRUE(rig.voice(v).layerAOn());
    EXPECT_FALSE(rig.voice(v).layerBOn());
}

// Layer A holds +0.5, layer B -0.25: each mode's output against "Sample A"'s,
// left and right; "Spread" pans A left and B right in the mixing modes.
TEST(SampleSlot, ModeAndMixWeighTheLayers)
{
    using samples::CombineMode;
    struct Case {
        CombineMode mode;
        float mix;
        float spread;
        float left;
        float right;
    };
    const Case cases[] = {{CombineMode::SampleA, 0.0f, 0.0f, 1.0f, 1.0f},    {CombineMode::SampleB, 0.0f, 0.0f, -0.5f, -0.5f},
                          {CombineMode::Mix, 0.0f, 0.0f, 1.0f, 1.0f},        {CombineMode::Mix, 1.0f, 0.0f, -0.5f, -0.5f},
                          {CombineMode::Mix, 0.5f, 0.0f, 0.25f, 0.25f},      {CombineMode::Mix, 0.5f, 1.0f, 0.5f, -0.25f},
                          {CombineMode::SampleA, 0.5f, 1.0f, 1.0f, 1.0f}};
    float reference = 0.0f;
    for (const Case& c : cases) {
        SlotRig rig;
        rig.load(kA, std::vector<std::int16_t>(3000, 16384));
        rig.load(kB, std::vector<std::int16_t>(3000, -8192));
        rig.setMode(c.mode);
        rig.r.set(param::sampleSlotMix[kSampleSlot], c.mix);
        rig.r.set(param::sampleSlotSpread[kSampleSlot], c.spread);
        rig.r.noteOn(kNote);
        rig.r.render(32);
        if (reference == 0.0f)
            reference = rig.r.left[31];
        EXPECT_NEAR(rig.r.left[31] / reference, c.left, 1e-5f) << static_cast<int>(c.mode) << " " << c.mix;
        EXPECT_NEAR(rig.r.right[31] / reference, c.right, 1e-5f) << static_cast<int>(c.mode) << " " << c.mix;
    }
}

// Held layers: note-off lets the looping one decay, the other plays on; both
// layer switches off end the voice at once.
TEST(SampleSlot, NoteOffReleasesLoopingLayersAndSwitchesEndTheVoice)
{
    SlotRig rig;
    rig.load(kA, ramp(30000, 1000, 1));
    rig.load(kB, ramp(30000, 1000, 1));
    rig.setMode(samples::CombineMode::Mix);
    rig.setLoop(kA, 100, 200);
    rig.r.noteOn(kNote);
    rig.r.render(4096);
    EXPECT_TRUE(rig.voice().layerAOn() && rig.voice().layerBOn());
    rig.r.midi(0, 0x89, kNote, 0);
    rig.r.render(4096);
    EXPECT_FALSE(rig.voice().layerAOn());
    EXPECT_TRUE(rig.voice().layerBOn());
    rig.setField(kA, &param::SampleLayerLayout::on, 0.0f);
    rig.setField(kB, &param::SampleLayerLayout::on, 0.0f);
    rig.r.render(1);
    EXPECT_FALSE(rig.voice().playing);
}

// A distortion that blocks DC, on two layers that play the same sample: the
// mix of both sounds like one of them alone.
TEST(SampleSlot, EachLayerKeepsItsOwnDistortionState)
{
    std::vector<std::int16_t> sine;
    for (int i = 0; i < 3000; ++i)
        sine.push_back(static_cast<std::int16_t>(20000.0 * std::sin(0.05 * i) + 5000.0));
    std::vector<float> outputs[2];

    for (const samples::CombineMode mode : {samples::CombineMode::SampleA, samples::CombineMode::Mix}) {
        SlotRig rig;
        rig.load(kA, sine);
        rig.load(kB, sine);
        rig.setMode(mode);
        rig.r.set(param::sampleSlotMix[kSampleSlot], 0.5f);
        rig.r.set(param::voiceDistortionType[kSlot], choice(14, param::choicescale::kDistortionType)); // "Rectify"
        rig.r.set(param::voiceDistortionFirst[kSlot], 0.7f);
        rig.r.set(param::voiceDistortionSecond[kSlot], 1.0f);
        rig.r.noteOn(kNote);
        rig.r.render(2000);
        outputs[mode == samples::CombineMode::Mix] = rig.r.left;
    }
    for (std::size_t i = 0; i < outputs[0].size(); ++i)
        ASSERT_NEAR(outputs[1][i], outputs[0][i], 1e-5f) << i;
}

} // namespace
