#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/snare_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace sn = kravo::param::snare;
using kravo::param::drumModelValue;
using kravo::test::PluginRenderer;

constexpr int kGmSnare = 38;

// SN 1 as a long tone at 25 * 20^0.5 = 111.8 Hz without drop, noise or
// distortion, with the given changes on top, after `seconds` of its note.
std::unique_ptr<PluginRenderer> play(std::initializer_list<std::pair<int, float>> changes, double seconds,
                                     float sampleRate = 44100.0f)
{
    auto renderer = std::make_unique<PluginRenderer>(sampleRate);
    renderer->setKind(sn::index, {{sn::kModel, drumModelValue(0)}, {sn::kOscWave, 0.0f}, {sn::kAttack, 0.0f},
                                  {sn::kDistortionType, 0.0f}, {sn::kOscFreqDrop, 0.0f}, {sn::kOscVolume, 1.0f},
                                  {sn::kOscAmpHold, 1.0f}, {sn::kOscAmpDecay, 1.0f}, {sn::kOscHpFilterFreq, 0.0f},
                                  {sn::kNoiseVolume, 0.0f}, {sn::kOscBaseFreq, 0.5f}});
    renderer->setKind(sn::index, changes);
    renderer->noteOn(kGmSnare);
    renderer->renderSeconds(seconds);
    return renderer;
}

// 25 * 20^0.5 Hz at every rate; half the drop starts three octaves up and falls back over a quarter second.
TEST(Snare, BaseFrequencyFollowsItsLawAtEveryRateAndTheDropSettlesOnIt)
{
    for (const float rate : {44100.0f, 48000.0f, 96000.0f})
        EXPECT_NEAR(play({}, 0.5, rate)->frequency(0.05, 0.5), 111.8, 1.5) << rate;
    const auto r = play({{sn::kOscFreqDrop, 0.5f}, {sn::kOscFreqDecay, 0.8f}, {sn::kOscFreqCurveMode, 0.0f},
                         {sn::kOscFreqDecayCurve, 0.0f}},
                        0.8);
    EXPECT_GT(r->frequency(0.0, 0.006), 700.0);
    EXPECT_NEAR(r->frequency(0.55, 0.8), 111.8, 2.0);
}

// With an offset the noise runs in two channels; spread 0 adds each fully into the other.
TEST(Snare, StereoNoiseWithSpreadZeroIsTheSameOnBothSides)
{
    for (const float spread : {0.0f, 1.0f}) {
        const auto r = play({{sn::kNoiseVolume, 1.0f}, {sn::kNoiseAmpDecay, 0.8f}, {sn::kNoiseFilterType, 0.2f},
                             {sn::kNoiseFilterOffset, 0.7f}, {sn::kNoiseFilterSpread, spread}},
                            0.05);
        EXPECT_GT(r->peak(0.0, 0.05), 0.01f);
        if (spread == 0.0f)
            EXPECT_EQ(r->largestSideDifference(), 0.0f);
        else
            EXPECT_GT(r->largestSideDifference(), 0.001f);
    }
}

// The second model adds a sine click at "Click Freq" (160 Hz here) that glides
// down by up to four octaves as it decays; the first model has none.
TEST(Snare, TheSecondModelClicksAtItsFrequencyAndGlidesDown)
{
    for (const auto& [model, drop] : {std::pair(0, 0.0f), std::pair(1, 0.0f), std::pair(1, 1.0f)}) {
        const auto r = play({{sn::kOscVolume, 0.0f}, {sn::kModel, drumModelValue(model)}, {sn::kClickVolume, 1.0f},
                             {sn::kClickFreq, 0.3f}, {sn::kClickVelToFreq, 0.5f}, {sn::kClickFreqDecay, 0.9f},
                             {sn::kClickFreqDrop, drop}},
                            0.4);
        if (model == 0) {
            EXPECT_EQ(r->peak(0.0, 0.4), 0.0f);
        } else if (drop == 0.0f) {
            EXPECT_NEAR(r->frequency(0.0, 0.3), 160.0, 2.0);
        } else {
            EXPECT_GT(r->frequency(0.0, 0.02), 140.0);
            EXPECT_LT(r->frequency(0.2, 0.4), 100.0);
        }
    }
}

} // namespace
