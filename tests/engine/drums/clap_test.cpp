#include "plugin/parameters/clap_parameters.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

namespace cl = kravo::param::clap;
using kravo::param::drumModelValue;
using kravo::test::PluginRenderer;

constexpr int kGmClap = 39;

// Clap 1, plain model, centred, unfiltered and undistorted, with 10 ms repeat
// hits and a 16 ms final hit, with the given changes on top, after `seconds`.
std::unique_ptr<PluginRenderer> play(std::initializer_list<std::pair<int, float>> changes, double seconds)
{
    auto renderer = std::make_unique<PluginRenderer>();
    renderer->set(kravo::param::voicePan[8], 0.5f);
    renderer->setKind(cl::index, {{cl::kModel, drumModelValue(0)}, {cl::kDistortionType, 0.0f},
                                  {cl::kNoiseFilter, 0.0f}, {cl::kNumberOfRepeats, 0.0f}, {cl::kRepeatSpeed, 0.5f},
                                  {cl::kAmpHold, 0.0f}, {cl::kAmpDecay, 0.3f}});
    renderer->setKind(cl::index, changes);
    renderer->noteOn(kGmClap);
    renderer->renderSeconds(seconds);
    return renderer;
}

// The frames at which a channel starts to sound after at least a block of silence.
std::vector<std::size_t> onsets(const std::vector<float>& channel)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0, silent = 16; i < channel.size(); silent = channel[i++] == 0.0f ? silent + 1 : 0)
        if (channel[i] != 0.0f && silent >= 16)
            starts.push_back(i);
    return starts;
}

// N repeat hits and the final one: "Number of Repeats" 0 gives only the final hit, 0.15 one repeat, 1 eight.
TEST(Clap, RepeatsComeBeforeTheFinalHitAndTheVoiceEndsAfterIt)
{
    for (const auto& [repeats, hits] : {std::pair(0.0f, 1u), std::pair(0.15f, 2u), std::pair(1.0f, 9u)}) {
        const auto r = play({{cl::kNumberOfRepeats, repeats}}, 0.4);
        EXPECT_EQ(onsets(r->left).size(), hits) << repeats;
        EXPECT_FALSE(r->plugin->getEngine().getClapVoice(1, 0).playing) << repeats;
    }
}

// The plain model is one clap in the middle whatever the stereo and humanisation
// settings say; in the stereo model "Stereo Speed Offset" runs the left burst ahead.
TEST(Clap, ThePlainModelIsTheSameOnBothSidesAndTheStereoModelRunsItsLeftBurstAhead)
{
    for (const int model : {0, 1}) {
        const auto r = play({{cl::kModel, drumModelValue(model)}, {cl::kNumberOfRepeats, 1.0f},
                             {cl::kNoiseFilter, 0.2f}, {cl::kStereoOffset, 0.8f}, {cl::kStereoSpread, 1.0f},
                             {cl::kStereoSpeedOffset, 1.0f}, {cl::kSpeedHumanization, 1.0f},
                             {cl::kVolumeHumanization, 1.0f}, {cl::kDecayHumanization, 1.0f}},
                            0.4);
        const auto left = onsets(r->left);
        const auto right = onsets(r->right);
        ASSERT_EQ(left.size(), 9u) << model;
        ASSERT_EQ(right.size(), 9u) << model;
        if (model == 0)
            EXPECT_EQ(r->largestSideDifference(), 0.0f);
        else
            EXPECT_LT(left.back(), right.back());
    }
}

// A stolen voice fades within 34 blocks and plays none of its remaining hits.
// The note-on starts the final hit of a clap without repeats at its own speed:
// neither the Easy decay speed nor Env Speed modulation and note level reach it.
TEST(Clap, AClapWithoutRepeatsIsTheSameWhateverTheEasyDecaySpeed)
{
    constexpr int kEasySynthDecaySpeed = 72;
    const auto soundedFrames = [](float easySpeed) {
        PluginRenderer r;
        r.set(kEasySynthDecaySpeed, easySpeed);
        r.setKind(cl::index, {{cl::kModel, drumModelValue(0)}, {cl::kNumberOfRepeats, 0.0f}, {cl::kAmpDecay, 0.3f}});
        r.noteOn(kGmClap);
        r.renderSeconds(1.0);
        std::size_t last = 0;
        for (std::size_t i = 0; i < r.left.size(); ++i)
            if (r.left[i] != 0.0f)
                last = i;
        return last;
    };
    const std::size_t atMiddle = soundedFrames(0.5f);
    EXPECT_GT(atMiddle, 256u);
    EXPECT_EQ(soundedFrames(0.3f), atMiddle);
    EXPECT_EQ(soundedFrames(0.8f), atMiddle);
}

TEST(Clap, AStolenVoiceEndsItsBurst)
{
    const auto r = play({{cl::kNumberOfRepeats, 1.0f}, {cl::kRepeatSpeed, 1.0f}}, 0.01);
    r->noteOn(kGmClap);
    r->render(34 * 16 + 64);
    EXPECT_FALSE(r->plugin->getEngine().getClapVoice(1, 0).playing);
    EXPECT_TRUE(r->plugin->getEngine().getClapVoice(0, 0).playing);
}

// Any mix of parameter values, in every synthesised model, stays finite.
TEST(Clap, RandomParameterSetsRenderFiniteSamples)
{
    namespace kind = kravo::param::kindparam;
    std::uint32_t state = 99;
    for (int set = 0; set < 36; ++set) {
        PluginRenderer renderer;
        for (int j = 0; j < kravo::param::drumKindLayout(kravo::param::DrumKind::Clap).parameterCount; ++j)
            renderer.set(cl::index(j, 0), static_cast<float>((state = state * 1664525u + 1013904223u) >> 8) / 0x1p24f);
        renderer.setKind(cl::index,
                         {{kind::kOutput, 0.0f}, {kind::kChokeGroup, 0.0f}, {cl::kModel, drumModelValue(set % 3)}});
        renderer.noteOn(kGmClap);
        renderer.render(3000);
        renderer.noteOn(kGmClap, 50);
        renderer.render(20000);
        for (std::size_t i = 0; i < renderer.left.size(); ++i)
            ASSERT_TRUE(std::isfinite(renderer.left[i]) && std::isfinite(renderer.right[i])) << set << " " << i;
    }
}

} // namespace
