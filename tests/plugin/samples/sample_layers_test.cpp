#include "plugin/aplugin.h"
#include "plugin/parameters/sample_position.h"
#include "tests/plugin/samples/sample_loading.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using namespace kravo::test;
using kravo::param::SamplePosition;

class SampleLayers : public ::testing::Test {
protected:
    // A switched-on layer playing a mono 16-bit sample, its last frame stored as the loader stores it.
    void loadLayer(int slot, int layer, const std::vector<std::int16_t>& samples, int channels = 1)
    {
        plugin->getLayerSamples().replace(layer + 2 * slot, loadSample(folder, wavBytes(samples, channels, 44100)));
        plugin->setLayerLastFrame(slot, layer, static_cast<float>(samples.size() / channels - 1));
        plugin->setLayerEnabled(slot, layer, true);
    }

    TempFolder folder;
    std::unique_ptr<APlugin> plugin{static_cast<APlugin*>(createEffectInstance(nullptr))};
};

TEST_F(SampleLayers, PositionsAndTheSwitchLiveInTheLayersParameters)
{
    // kind, slot, layer, frame, high and low parameter
    const std::tuple<int, int, int, float, int, int> cases[] = {
        {0, 2, 0, 100000, 6338, 6346}, {1, 5, 0, 7, 6357, 6365}, {2, 4, 0, 9, 6708, 6716},
        {0, 0, 1, 5, 6544, 6552},      {1, 3, 1, 8192, 6563, 6571}, {2, 7, 1, 8191, 6727, 6735}};
    for (const auto& [kind, slot, layer, frame, high, low] : cases) {
        plugin->setSamplePosition(kind, slot, layer, frame);
        const auto n = static_cast<std::int32_t>(frame);
        EXPECT_EQ(std::tuple(plugin->getParameter(high), plugin->getParameter(low)),
                  std::tuple(SamplePosition::high(n), SamplePosition::low(n)));
        EXPECT_EQ(plugin->getSamplePosition(kind, slot, layer), frame);
    }
    EXPECT_EQ(std::tuple(plugin->getLoopStart(2, 0), plugin->getLoopEnd(3, 1), plugin->getLayerLastFrame(7, 1)),
              std::tuple(100000.0f, 8192.0f, 8191.0f));
    EXPECT_EQ(std::tuple(plugin->getSamplePosition(3, 0, 0), plugin->getSamplePosition(0, 8, 0)), std::tuple(0.0f, 0.0f));

    for (const auto& [on, value] : {std::pair{true, 1.0f}, std::pair{false, 0.0f}}) {
        plugin->setLayerEnabled(1, 1, on);
        EXPECT_EQ(std::tuple(plugin->getParameter(6809), plugin->isLayerEnabled(1, 1)), std::tuple(value, on));
    }
    plugin->setParameter(6801, 0.5f);
    EXPECT_TRUE(plugin->isLayerEnabled(1, 0));
}

TEST_F(SampleLayers, ClampedSettersKeepTheStartWithinTheEndWithinTheLastFrame)
{
    using Setter = float (APlugin::*)(std::int32_t, std::int32_t, float);
    const std::tuple<Setter, float, float, float> cases[] = {
        {&APlugin::setLoopEndClamped, 50, 100, 100},  {&APlugin::setLoopEndClamped, 5000, 100, 999},
        {&APlugin::setLoopStartClamped, -10, 0, 500}, {&APlugin::setLoopStartClamped, 800, 500, 500}};
    plugin->setLayerLastFrame(6, 1, 999);
    for (const auto& [setter, value, start, end] : cases) {
        plugin->setLoopStart(6, 1, 100);
        plugin->setLoopEnd(6, 1, 500);
        (plugin.get()->*setter)(6, 1, value);
        EXPECT_EQ(std::tuple(plugin->getLoopStart(6, 1), plugin->getLoopEnd(6, 1)), std::tuple(start, end)) << value;
    }
}

TEST_F(SampleLayers, NudgesMoveLoopPointsByTwoPercentOfTheSampleInWholeFramesOnlyWhileTheLayerIsOn)
{
    loadLayer(2, 0, std::vector<std::int16_t>(1000, 100));
    plugin->setLoopEnd(2, 0, 999);
    plugin->nudgeLoopStart(2, 0, 1.0f);  // asks for 19.98
    plugin->nudgeLoopEnd(2, 0, -1.0f);   // asks for 979.02
    EXPECT_EQ(std::tuple(plugin->getLoopStart(2, 0), plugin->getLoopEnd(2, 0)), std::tuple(19.0f, 979.0f));
    plugin->setLayerEnabled(2, 0, false);
    plugin->nudgeLoopStart(2, 0, 1.0f);
    EXPECT_EQ(plugin->getLoopStart(2, 0), 19.0f);
}

TEST_F(SampleLayers, SampleValuesAreTheLeftChannelOfTheSlotsLayerAndZeroWhileItIsOff)
{
    loadLayer(3, 1, {1000, -1000, 3000, -3000}, 2);
    EXPECT_FLOAT_EQ(plugin->sampleValueAt(3, 1, 0.5f), 2000.0f / 32768.0f);
    EXPECT_FLOAT_EQ(plugin->sampleValueAt(1, 1, 0.5f), 0.0f);  // layer 3, off
    plugin->setLayerEnabled(3, 1, false);
    EXPECT_EQ(plugin->sampleValueAt(3, 1, 0.5f), 0.0f);
}

// Snapping is the clamped setter applied to this search from the loop point.
TEST_F(SampleLayers, ZeroCrossingsAreFoundWithin256FramesElseAfterTheQuietestFrameAlwaysWithinTheSample)
{
    // 1000 frames at one level, with a few frames set apart.
    const auto signal = [](std::int16_t level, std::initializer_list<std::pair<int, std::int16_t>> frames = {}) {
        std::vector<std::int16_t> samples(1000, level);
        for (const auto& [frame, value] : frames)
            samples[static_cast<std::size_t>(frame)] = value;
        return samples;
    };
    const std::tuple<std::vector<std::int16_t>, float, float, std::int32_t> cases[] = {
        {signal(0), 10, 1, 11},          {signal(1000), 10, 1, 11},           {signal(1000), 3, -1, 0},
        {signal(1000), 995, 1, 999},     {signal(1000), 1200, -1, 999},       {signal(-50, {{1, 50}}), 1, 1, 2},
        {signal(5000, {{20, 10}}), 10, 1, 21}, {signal(5000, {{600, 10}}), 10, 1, 11}};
    for (const auto& [samples, start, direction, found] : cases) {
        loadLayer(0, 0, samples);
        EXPECT_EQ(plugin->findZeroCrossing(0, 0, start, direction), found) << start << " " << direction;
    }
    plugin->setLayerEnabled(0, 0, false);
    EXPECT_EQ(plugin->findZeroCrossing(0, 0, 10, 1), 11);

    loadLayer(4, 1, signal(2000, {{500, -2000}, {501, -2000}}));
    plugin->setLoopStart(4, 1, 400);
    plugin->setLoopEnd(4, 1, 600);
    plugin->snapLoopStart(4, 1, 1.0f);
    plugin->snapLoopEnd(4, 1, -1.0f);  // the frame after the change, searching downwards
    EXPECT_EQ(std::tuple(plugin->getLoopStart(4, 1), plugin->getLoopEnd(4, 1)), std::tuple(500.0f, 501.0f));
}

} // namespace
