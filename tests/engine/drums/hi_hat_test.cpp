#include "platform/clock.h"
#include "plugin/parameters/hi_hat_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace hh = kravo::param::hihat;
using kravo::param::drumModelValue;
using kravo::test::PluginRenderer;

constexpr int kGmClosedHat = 42;
constexpr int kGmOpenHat = 46;
constexpr int kKindParameters = kravo::param::drumKindLayout(kravo::param::DrumKind::ClosedHiHat).parameterCount;

// CL-HH 1 (or OP-HH 1) of the factory program as model 2: an unmodulated 640 Hz carrier and white noise, both
// unfiltered and long; a `set` above 0 then gives every kind parameter but the output and choke group a
// pseudo-random value; the changes on top. After `seconds` of a note, with the same random draws every time.
std::unique_ptr<PluginRenderer> play(std::initializer_list<std::pair<int, float>> changes, double seconds,
                                     bool open = false, std::uint32_t set = 0, int velocity = 127)
{
    platform::ManualClock clock(1000);
    platform::setClock(&clock);
    auto r = std::make_unique<PluginRenderer>();
    platform::setClock(nullptr);
    const auto index = open ? hh::openIndex : hh::closedIndex;
    r->setKind(index, {{hh::kModel, drumModelValue(2)}, {hh::kOscFilterType, 0.0f}, {hh::kNoiseFilterType, 0.0f},
                       {hh::kModAmount, 0.0f}, {hh::kModFreq, 0.0f}, {hh::kOscFreq, 0.0f}, {hh::kOscVelToFreq, 0.5f},
                       {hh::kOscAmpDecay, 1.0f}, {hh::kNoiseAmpDecay, 1.0f}, {hh::kVelToDecay, 0.0f}});
    std::uint32_t state = set;
    for (int j = 0; set > 0 && j < kKindParameters; ++j) {
        state = state * 1664525u + 1013904223u;
        if (j != kravo::param::kindparam::kOutput && j != kravo::param::kindparam::kChokeGroup)
            r->set(index(j, 0), static_cast<float>(state >> 8) / 16777216.0f);
    }
    r->setKind(index, changes);
    r->noteOn(open ? kGmOpenHat : kGmClosedHat, velocity);
    r->renderSeconds(seconds);
    return r;
}

// 640 * 32^"Osc Freq" Hz; without modulation depth ring mode passes the carrier as FM does.
TEST(HiHat, UnmodulatedToneIsASineAtTheCarrierFrequency)
{
    for (const float x : {0.0f, 0.3f, 0.6f}) {
        const auto fm = play({{hh::kModel, drumModelValue(1)}, {hh::kOscFreq, x}}, 0.2);
        EXPECT_NEAR(fm->frequency(0.02, 0.2) / (640.0 * std::pow(32.0, x)), 1.0, 0.003) << x;
        EXPECT_EQ(play({{hh::kModel, drumModelValue(1)}, {hh::kOscFreq, x}, {hh::kFmRing, 1.0f}}, 0.2)->left, fm->left);
    }
}

// Model 0 is the noise of model 2 alone, model 1 its tone alone.
TEST(HiHat, ModelsSoundNoiseToneOrBoth)
{
    for (const auto& [model, other] : {std::pair(0, hh::kOscVolume), std::pair(1, hh::kNoiseVolume)}) {
        const auto alone = play({{hh::kModel, drumModelValue(model)}}, 0.1);
        EXPECT_EQ(alone->left, play({{other, 0.0f}}, 0.1)->left) << model;
        EXPECT_NE(alone->left, play({}, 0.1)->left) << model;
        EXPECT_GT(alone->peak(0.0, 0.1), 0.1f) << model;
    }
}

// FM keeps the carrier's level in every millisecond; ring modulation falls
// silent where the beating modulator pair cancels. "FM / Ring" 0.5 is still FM.
TEST(HiHat, FmRingSwitchesToRingJustAboveTheMiddle)
{
    for (const auto& [value, ring] : {std::pair(0.5f, false), std::pair(0.51f, true)}) {
        const auto r = play({{hh::kModel, drumModelValue(1)}, {hh::kOscFreq, 0.6f}, {hh::kModAmount, 1.0f},
                             {hh::kFmRing, value}}, 0.2);
        float quietest = 1.0f;
        for (double t = 0.02; t < 0.2; t += 0.001)
            quietest = std::fmin(quietest, r->peak(t, t + 0.001) / r->peak(0.02, 0.2));
        EXPECT_EQ(quietest < 0.2f, ring) << value << " " << quietest;
    }
}

// The time until the level is down to 1% of its start, for the tone and for the noise.
TEST(HiHat, VelToDecayAtFullVelocityMakesTheEnvelopesLastTwiceAsLong)
{
    for (const auto& [model, decay] : {std::pair(1, hh::kOscAmpDecay), std::pair(0, hh::kNoiseAmpDecay)}) {
        double ends[2] = {};
        for (const int stretch : {0, 1}) {
            const auto r = play({{hh::kModel, drumModelValue(model)}, {decay, 0.6f},
                                 {hh::kVelToDecay, static_cast<float>(stretch)}}, 0.5);
            while (ends[stretch] < 0.5 && r->peak(ends[stretch], ends[stretch] + 0.01) > 0.01f * r->peak(0.0, 0.01))
                ends[stretch] += 0.001;
        }
        EXPECT_NEAR(ends[1] / ends[0], 2.0, 0.1) << model << " " << ends[0];
    }
}

// Pseudo-random sets of the kind's parameters, at velocities across the range.
TEST(HiHat, OpenHatSoundsAsTheClosedHatAndRandomSetsStayFinite)
{
    for (std::uint32_t set = 1; set <= 24; ++set) {
        const std::initializer_list<std::pair<int, float>> model = {{hh::kModel, drumModelValue(set % 3)}};
        const int velocity = static_cast<int>(1 + set * 7 % 127);
        const auto closed = play(model, 0.25, false, set, velocity);
        for (std::size_t i = 0; i < closed->left.size(); ++i)
            ASSERT_TRUE(std::isfinite(closed->left[i]) && std::isfinite(closed->right[i])) << set << " " << i;
        EXPECT_EQ(closed->left, play(model, 0.25, true, set, velocity)->left) << set;
    }
}

} // namespace
