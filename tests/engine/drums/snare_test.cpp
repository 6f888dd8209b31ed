#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/snare_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace sn = kravo::param::snare;
using kravo::test::PluginRenderer;

constexpr int kGmSnare = 38;

// SN 1 as a long tone without drop, noise or distortion.
void makeToneOnly(PluginRenderer& renderer)
{
    const auto set = [&](int j, float value) { renderer.set(sn::index(j, 0), value); };
    set(sn::kModel, kravo::param::drumModelValue(0));
    set(sn::kOscWave, 0.0f);
    set(sn::kAttack, 0.0f);
    set(sn::kDistortionType, 0.0f);
    set(sn::kOscFreqDrop, 0.0f);
    set(sn::kOscVolume, 1.0f);
    set(sn::kOscAmpHold, 1.0f);
    set(sn::kOscAmpDecay, 1.0f);
    set(sn::kOscHpFilterFreq, 0.0f);
    set(sn::kNoiseVolume, 0.0f);
}

TEST(Snare, BaseFrequencyFollowsItsLaw)
{
    PluginRenderer renderer;
    makeToneOnly(renderer);
    renderer.set(sn::index(sn::kOscBaseFreq, 0), 0.5f); // 25 * 20^0.5
    renderer.noteOn(kGmSnare);
    renderer.renderSeconds(0.5);
    EXPECT_NEAR(renderer.frequency(0.05, 0.5), 111.8, 1.5);
}

TEST(Snare, DropStartsHighAndSettlesOnTheBase)
{
    PluginRenderer renderer;
    makeToneOnly(renderer);
    renderer.set(sn::index(sn::kOscBaseFreq, 0), 0.5f);
    renderer.set(sn::index(sn::kOscFreqDrop, 0), 0.5f); // three octaves above at the attack
    renderer.set(sn::index(sn::kOscFreqDecay, 0), 0.8f);     // about a quarter second
    renderer.set(sn::index(sn::kOscFreqCurveMode, 0), 0.0f);
    renderer.set(sn::index(sn::kOscFreqDecayCurve, 0), 0.0f); // a straight fall
    renderer.noteOn(kGmSnare);
    renderer.renderSeconds(0.8);
    EXPECT_GT(renderer.frequency(0.0, 0.006), 700.0);
    EXPECT_NEAR(renderer.frequency(0.55, 0.8), 111.8, 2.0);
}

TEST(Snare, StereoNoiseWithSpreadZeroIsTheSameOnBothSides)
{
    PluginRenderer renderer;
    makeToneOnly(renderer);
    const auto set = [&](int j, float value) { renderer.set(sn::index(j, 0), value); };
    set(sn::kNoiseVolume, 1.0f);
    set(sn::kNoiseAmpDecay, 0.8f);
    set(sn::kNoiseFilterType, 0.2f); // low-pass
    set(sn::kNoiseFilterOffset, 0.7f);
    set(sn::kNoiseFilterSpread, 0.0f);
    renderer.noteOn(kGmSnare);
    renderer.renderSeconds(0.05);
    float difference = 0.0f;
    for (std::size_t i = 0; i < renderer.left.size(); ++i)
        difference = std::fmax(difference, std::fabs(renderer.left[i] - renderer.right[i]));
    EXPECT_GT(renderer.peak(0.0, 0.05), 0.01f);
    EXPECT_EQ(difference, 0.0f);

    PluginRenderer spread;
    makeToneOnly(spread);
    const auto setSpread = [&](int j, float value) { spread.set(sn::index(j, 0), value); };
    setSpread(sn::kNoiseVolume, 1.0f);
    setSpread(sn::kNoiseAmpDecay, 0.8f);
    setSpread(sn::kNoiseFilterType, 0.2f);
    setSpread(sn::kNoiseFilterOffset, 0.7f);
    setSpread(sn::kNoiseFilterSpread, 1.0f);
    spread.noteOn(kGmSnare);
    spread.renderSeconds(0.05);
    float spreadDifference = 0.0f;
    for (std::size_t i = 0; i < spread.left.size(); ++i)
        spreadDifference = std::fmax(spreadDifference, std::fabs(spread.left[i] - spread.right[i]));
    EXPECT_GT(spreadDifference, 0.001f);
}

} // namespace
