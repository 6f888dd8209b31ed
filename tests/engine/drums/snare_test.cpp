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

// With an offset the noise runs in two channels; spread 0 adds each fully into the other.
TEST(Snare, StereoNoiseWithSpreadZeroIsTheSameOnBothSides)
{
    for (const float spread : {0.0f, 1.0f}) {
        PluginRenderer renderer;
        makeToneOnly(renderer);
        const auto set = [&](int j, float value) { renderer.set(sn::index(j, 0), value); };
        set(sn::kNoiseVolume, 1.0f);
        set(sn::kNoiseAmpDecay, 0.8f);
        set(sn::kNoiseFilterType, 0.2f); // low-pass
        set(sn::kNoiseFilterOffset, 0.7f);
        set(sn::kNoiseFilterSpread, spread);
        renderer.noteOn(kGmSnare);
        renderer.renderSeconds(0.05);
        EXPECT_GT(renderer.peak(0.0, 0.05), 0.01f);
        if (spread == 0.0f)
            EXPECT_EQ(renderer.largestSideDifference(), 0.0f);
        else
            EXPECT_GT(renderer.largestSideDifference(), 0.001f);
    }
}

// The second model adds a sine click at "Click Freq" (160 Hz here) that glides
// down by up to four octaves as it decays; the first model has none.
TEST(Snare, TheSecondModelClicksAtItsFrequencyAndGlidesDown)
{
    struct Case {
        int model;
        float drop;
    };
    for (const Case c : {Case{0, 0.0f}, Case{1, 0.0f}, Case{1, 1.0f}}) {
        PluginRenderer renderer;
        makeToneOnly(renderer);
        const auto set = [&](int j, float value) { renderer.set(sn::index(j, 0), value); };
        set(sn::kOscVolume, 0.0f);
        set(sn::kModel, kravo::param::drumModelValue(c.model));
        set(sn::kClickVolume, 1.0f);
        set(sn::kClickFreq, 0.3f);
        set(sn::kClickVelToFreq, 0.5f);
        set(sn::kClickFreqDecay, 0.9f);
        set(sn::kClickFreqDrop, c.drop);
        renderer.noteOn(kGmSnare);
        renderer.renderSeconds(0.4);
        if (c.model == 0) {
            EXPECT_EQ(renderer.peak(0.0, 0.4), 0.0f);
        } else if (c.drop == 0.0f) {
            EXPECT_NEAR(renderer.frequency(0.0, 0.3), 160.0, 2.0);
        } else {
            EXPECT_GT(renderer.frequency(0.0, 0.02), 140.0);
            EXPECT_LT(renderer.frequency(0.2, 0.4), 100.0);
        }
    }
}

} // namespace
