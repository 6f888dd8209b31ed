#include "engine/samples/factory_samples.h"
#include "plugin/parameters/synth_layer_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

namespace param = kravo::param;
namespace layer = kravo::param::synthlayer;
using kravo::test::PluginRenderer;
using samples::FactorySamples;

constexpr int kNone = Engine::kNoFactorySample;
constexpr int kVoice = 1; // a slot's first note plays on voice 1

float model(int m) { return (static_cast<float>(m) + 0.5f) / 199.99f; }

// Raw resource bytes as the module holds them: 16-bit little-endian values.
std::vector<unsigned char> resourceBytes(const std::vector<std::int16_t>& values)
{
    std::vector<unsigned char> bytes;
    for (const std::int16_t v : values) {
        const auto u = static_cast<std::uint16_t>(v);
        bytes.push_back(static_cast<unsigned char>(u & 0xFF));
        bytes.push_back(static_cast<unsigned char>(u >> 8));
    }
    return bytes;
}

struct ChoiceCase {
    const char* what;
    int slot;
    std::vector<std::pair<int, float>> values;
    int entry;
};

TEST(FactorySampleChoice, EachKindMapsItsSampleModelsOntoItsEntriesAndPastItsListOntoItsLast)
{
    const ChoiceCase cases[] = {
        {"BD at 0.02 is synthesised model 3", 0, {{144, 0.02f}}, kNone},
        {"BD at 0.021 is model 4", 0, {{144, 0.021f}}, 0},
        {"BD 2 past its list plays its last model", 1, {{145, model(28)}}, 23},
        {"SN first sample", 2, {{264, model(2)}}, 24},
        {"SN last sample", 3, {{265, model(66)}}, 88},
        {"CL-HH 1 first sample", 4, {{364, model(3)}}, 89},
        {"OP-HH 1 last sample", 5, {{484, model(24)}}, 110},
        {"Clap last sample", 8, {{602, model(17)}}, 136},
        {"Tom first sample", 10, {{1770, 0.0f}, {653, model(2)}}, 111},
        {"Tom past its list plays its last model", 10, {{1770, 0.0f}, {653, model(13)}}, 121},
        {"Tom/User in user mode reads its User Model", 11, {{1771, 1.0f}, {654, model(5)}, {887, model(12)}}, 137},
        {"Tom/User in user mode with a synthesised user model", 12, {{1772, 1.0f}, {655, model(5)}, {888, model(3)}},
         kNone},
        {"User model 139", 13, {{889, model(139)}}, 264},
        {"User model 140 plays model 139", 15, {{891, model(140)}}, 264},
        {"User model 11 is synthesised", 14, {{890, model(11)}}, kNone},
        {"sample slots have no built-in samples", 16, {}, kNone},
    };
    PluginRenderer r;
    for (const ChoiceCase& c : cases) {
        for (const auto& [index, value] : c.values)
            r.set(index, value);
        EXPECT_EQ(r.plugin->getEngine().factorySampleOfSlot(c.slot), c.entry) << c.what;
    }
}

TEST(FactorySampleCopies, ACopyFollowsItsEntryWithinTheResourceAndAMissingResourceLeavesTheSlot)
{
    auto set = std::make_unique<FactorySamples>();
    set->setSampleEntry(7, 2.0f, 1);
    set->setSampleEntry(8, 3.0f, 0);
    set->setSampleEntry(9, 1000.0f, 0);
    const auto stereo = resourceBytes({100, -100, 200, -200, 300, -300});
    ASSERT_TRUE(set->loadSampleResource(3, 7, stereo.data(), stereo.size()));
    EXPECT_EQ(std::tuple(set->isStereo(3), set->loadedFrames(3), set->loadedEntry(3)), std::tuple(true, 2, 7));
    float left = 0.0f;
    float right = 0.0f;
    set->reader(3).read(0.5f, 1.0f, left, right);
    EXPECT_FLOAT_EQ(left, 150.0f / 32768.0f);
    EXPECT_FLOAT_EQ(right, -150.0f / 32768.0f);

    // Mono after stereo: the flag follows, and the mono copy is what is read.
    const auto mono = resourceBytes({1000, 2000, 3000, 4000});
    ASSERT_TRUE(set->loadSampleResource(3, 8, mono.data(), mono.size()));
    EXPECT_EQ(std::tuple(set->isStereo(3), set->loadedFrames(3)), std::tuple(false, 3));
    set->reader(3).read(1.0f, 1.0f, left, right);
    EXPECT_EQ(std::tuple(left, right), std::tuple(2000.0f / 32768.0f, 2000.0f / 32768.0f));
    // Past the last frame the next frame is held; past the copy nothing further is read.
    set->reader(3).read(2.5f, 1.0f, left, right);
    EXPECT_FLOAT_EQ(left, 3000.0f / 32768.0f);
    set->reader(3).read(500.0f, 900.0f, left, right);
    EXPECT_FLOAT_EQ(left, 3000.0f / 32768.0f);

    // An entry longer than its resource copies only what the resource holds.
    ASSERT_TRUE(set->loadSampleResource(4, 9, mono.data(), mono.size()));
    EXPECT_EQ(set->loadedFrames(4), 4);
    // A missing resource loads nothing and keeps the slot's copy.
    EXPECT_FALSE(set->loadSampleResource(3, 9, nullptr, 0));
    EXPECT_EQ(std::tuple(set->loadedEntry(3), set->loadedFrames(3)), std::tuple(8, 3));
    EXPECT_EQ(set->loadedFrames(5), 0);
}

// BD 1 playing entry 0, copied from a mono ramp, with every layer setting neutral.
class SampleLayerPlay : public ::testing::Test {
protected:
    static constexpr int kFrames = 1000;

    void play(float rate, std::initializer_list<std::pair<int, float>> layerValues = {})
    {
        r = std::make_unique<PluginRenderer>(rate);
        FactorySamples& set = r->plugin->getFactorySamples();
        set.setSampleEntry(0, static_cast<float>(kFrames), 0);
        std::vector<std::int16_t> ramp;
        for (int i = 0; i < kFrames; ++i)
            ramp.push_back(static_cast<std::int16_t>(10 * i));
        const auto bytes = resourceBytes(ramp);
        ASSERT_TRUE(set.loadSampleResource(0, 0, bytes.data(), bytes.size()));
        r->set(144, model(4));
        for (const auto& [j, value] :
             {std::pair{layer::kSemi, 0.5f}, {layer::kFine, 0.5f}, {layer::kAmpAttack, 0.0f}, {layer::kAmpHold, 1.0f},
              {layer::kRndToFreq, 0.0f}, {layer::kVelToFreq, 0.5f}, {layer::kFilterType, 0.0f},
              {layer::kSampleOffset, 0.0f}, {layer::kSampleRetriggers, 0.0f}, {layer::kSampleReverse, 0.0f}})
            r->set(param::synthLayer[j][0], value);
        for (const auto& [j, value] : layerValues)
            r->set(param::synthLayer[j][0], value);
        r->noteOn(0);
        r->render(64);
    }
    const samples::LayerState& state() const { return r->plugin->getEngine().getVoiceLayer(kVoice, 0); }

    std::unique_ptr<PluginRenderer> r;
};

TEST_F(SampleLayerPlay, TheSampleStepsAtItsOwnRateAt48kHzAndFasterAt44k1)
{
    for (const auto& [rate, step] : {std::pair{48000.0f, 1.0f}, {44100.0f, 48000.0f / 44100.0f}}) {
        play(rate);
        EXPECT_NEAR(state().baseStep, step, 1e-5f) << rate;
        EXPECT_NEAR(state().position, 64.0f * step, 1e-3f) << rate;
        EXPECT_NE(r->left.back(), 0.0f) << rate;
    }
    EXPECT_NEAR(48000.0f / 44100.0f, 1.088f, 1e-3f);
}

TEST_F(SampleLayerPlay, FineTuningIsInWholeCents)
{
    play(48000.0f, {{layer::kFine, 0.504f}});
    EXPECT_NEAR(state().baseStep, 1.0f, 1e-6f);
}

TEST_F(SampleLayerPlay, ReversePlayStartsAtTheLastFrameAndEndsAfterFrameZero)
{
    play(48000.0f, {{layer::kSampleReverse, 1.0f}});
    EXPECT_EQ(state().lastFrame, kFrames - 2.0f);
    EXPECT_EQ(state().startPosition, kFrames - 2.0f);
    EXPECT_FLOAT_EQ(state().position, kFrames - 2.0f - 64.0f);
    r->render(kFrames);
    EXPECT_FALSE(r->plugin->getEngine().getBassDrumVoice(kVoice, 0).playing);
}

TEST_F(SampleLayerPlay, AnEntryLongerThanTheCopyPlaysOnlyTheCopy)
{
    play(48000.0f);
    FactorySamples& set = r->plugin->getFactorySamples();
    const auto bytes = resourceBytes(std::vector<std::int16_t>(100, 500));
    ASSERT_TRUE(set.loadSampleResource(0, 0, bytes.data(), bytes.size()));
    r->noteOn(0);
    r->render(64);
    EXPECT_EQ(r->plugin->getEngine().getVoiceLayer(0, 0).lastFrame, 98.0f);
    r->render(100);
    EXPECT_FALSE(r->plugin->getEngine().getBassDrumVoice(0, 0).playing);
}

} // namespace

namespace {

// The shared layer LFO runs at its own rate, once a sample, while the slot sounds: not at the voices'
// control rate, and not only while a layer plays.
TEST(SynthSlotLayerLfo, StepsOnceASampleWhileItsSlotSounds)
{
    PluginRenderer renderer;
    renderer.set(param::synthLayer[layer::kFilterLfoSpeed][0], 0.5f);
    renderer.set(param::synthLayer[layer::kFilterLfoTempoSync][0], 0.0f);
    renderer.noteOn(36);
    renderer.render(64);
    const dsp::Lfo before = renderer.plugin->getEngine().getLayerLfo(0);
    const float start = before.phase();
    const float increment = before.increment();
    ASSERT_GT(increment, 0.0f) << "the rate follows the slot's parameters while it sounds";
    constexpr int kFrames = 1000;
    renderer.render(kFrames);
    ASSERT_TRUE(renderer.plugin->getEngine().getBassDrumVoice(kVoice, 0).playing);
    const float expected = std::fmod(start + static_cast<float>(kFrames) * increment, 1.0f);
    EXPECT_NEAR(renderer.plugin->getEngine().getLayerLfo(0).phase(), expected, 1e-3f);
}

} // namespace

namespace {

// A host may replace a slot's copy of its sample between two blocks (a new
// model takes its copy at once, even under a sounding note). A layer never
// works out samples past its block, so the change sounds from the same sample
// whatever the block size.
std::vector<float> playWithCopyChange(int block)
{
    constexpr int kFrames = 4000;
    constexpr int kChangeAt = 1000; // between two of the voice's control ticks
    PluginRenderer r(48000.0f);
    FactorySamples& set = r.plugin->getFactorySamples();
    const auto copy = [&set](std::int16_t value) {
        const auto bytes = resourceBytes(std::vector<std::int16_t>(kFrames, value));
        ASSERT_TRUE(set.loadSampleResource(0, 0, bytes.data(), bytes.size()));
    };
    copy(3000);
    r.set(144, model(4));
    r.noteOn(36);
    r.render(0);
    std::vector<float> left(static_cast<std::size_t>(block));
    std::vector<float> right(static_cast<std::size_t>(block));
    float* outputs[2] = {left.data(), right.data()};
    std::vector<float> out;
    for (int done = 0; done < kFrames; done += block) {
        if (done == kChangeAt)
            copy(-2000);
        r.plugin->processReplacing(nullptr, outputs, block);
        out.insert(out.end(), left.begin(), left.end());
    }
    return out;
}

TEST(SampleLayerAhead, ACopyReplacedBetweenBlocksSoundsFromTheSameSampleWhateverTheBlockSize)
{
    const std::vector<float> oneByOne = playWithCopyChange(1);
    const std::vector<float> blocks = playWithCopyChange(200);
    EXPECT_GT(oneByOne[999] * oneByOne[998], 0.0f);
    EXPECT_LT(oneByOne[1001] * oneByOne[999], 0.0f) << "the new copy turns the sounding layer over at once";
    EXPECT_EQ(blocks, oneByOne);
}

} // namespace
