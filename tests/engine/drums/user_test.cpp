#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/user_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

namespace param = kravo::param;
namespace us = kravo::param::user;
using kravo::param::drumModelValue;
using kravo::test::PluginRenderer;

constexpr int kUser4 = 3; // slot 13
constexpr int kSynthesisedModels = 12;
// The GM notes of the users, slots 10..15.
constexpr int kGmNote[] = {48, 47, 45, 37, 43, 44};

// A user playing `model` with the factory program's settings and the given
// changes, after `seconds` of its note; slot 10 in user mode.
std::unique_ptr<PluginRenderer> play(int model, std::initializer_list<std::pair<int, float>> changes, double seconds,
                                     int user = kUser4)
{
    auto renderer = std::make_unique<PluginRenderer>();
    renderer->set(param::tomUserSwitch[0], 1.0f);
    renderer->setKind(us::index, {{us::kModel, drumModelValue(model)}}, user);
    renderer->setKind(us::index, changes, user);
    renderer->noteOn(kGmNote[user]);
    renderer->renderSeconds(seconds);
    return renderer;
}

bool allFinite(const PluginRenderer& r)
{
    auto finite = [](float x) { return std::isfinite(x); };
    return std::ranges::all_of(r.left, finite) && std::ranges::all_of(r.right, finite);
}

TEST(User, EveryModelSoundsAtTheFactorySettings)
{
    for (int model = 0; model < kSynthesisedModels; ++model) {
        const auto r = play(model, {}, 0.5);
        EXPECT_TRUE(allFinite(*r)) << model;
        EXPECT_GT(r->peak(0.0, 0.5), 0.01f) << model;
    }
}

// "Attack" fades the tone-and-noise and body kinds in over up to 2^14 ms; at 0 they start at full level.
TEST(User, AttackZeroStartsAtFullLevelAndAttackFadesIn)
{
    for (const int model : {7, 9}) {
        for (const float attack : {0.0f, 0.6f}) {
            const auto r = play(model,
                                {{us::kAttack, attack}, {us::kOscAmpDecayC, 1.0f}, {us::kOscAmpHoldD, 1.0f},
                                 {us::kOscAmpDecayD, 1.0f}, {us::kClickVolume, 0.0f}, {us::kOscFilterType, 0.0f}},
                                0.5);
            const float ratio = r->peak(0.0, 0.003) / r->peak(0.4, 0.5);
            EXPECT_TRUE(attack == 0.0f ? ratio > 0.5f : ratio < 0.05f) << model << " " << attack << " " << ratio;
        }
    }
}

// The noise level alone decides: the filter's long fall and rise do not keep the voice alive.
TEST(User, NoiseKindEndsWithItsNoiseLevel)
{
    const auto r = play(0, {{us::kNoiseAmpAttack, 0.0f}, {us::kNoiseAmpHold, 0.0f}, {us::kNoiseAmpDecay, 0.5f},
                            {us::kNoiseFilterDecay, 1.0f}, {us::kNoiseFilterRise, 1.0f}},
                        0.3);
    EXPECT_GT(r->peak(0.0, 0.02), 0.01f);
    EXPECT_EQ(r->peak(0.1, 0.3), 0.0f);
    EXPECT_FALSE(r->plugin->getEngine().getUserVoice(1, kUser4).playing);
}

// A hard-right sweep (from the centre to "Stereo End" 1 at once) empties the left side in every kind.
TEST(User, StereoSweepReachesItsEndInEveryKind)
{
    for (const int model : {0, 2, 7, 9}) {
        const auto r = play(model, {{us::kStereoStart, 0.5f}, {us::kStereoEnd, 1.0f}, {us::kStereoTime, 0.0f}}, 0.2);
        EXPECT_GT(r->peak(0.0, 0.2), 0.01f) << model;
        EXPECT_EQ(r->largestSideDifference(), r->peak(0.0, 0.2)) << model;
    }
}

// The first note plays on voice 1; in Tom mode the next one leaves voice 0 of the user alone.
TEST(User, TomUserSlotPlaysItsUserModelOnlyInUserMode)
{
    const auto r = play(9, {}, 0.1, 0);
    EXPECT_GT(r->peak(0.0, 0.1), 0.01f);
    EXPECT_GT(r->plugin->getEngine().getUserVoice(1, 0).counter, 0u);
    r->set(param::tomUserSwitch[0], 0.0f);
    r->noteOn(kGmNote[0]);
    r->render(1000);
    EXPECT_EQ(r->plugin->getEngine().getUserVoice(0, 0).counter, 0u);
}

// Every kind parameter but the output and choke group from a fixed pseudo-random
// sequence, with the ends of the range among them; three notes, two close together.
TEST(User, RandomSettingsOfEveryModelStayFinite)
{
    constexpr int kSets = 36;
    std::uint32_t state = 2024u;
    for (int set = 0; set < kSets; ++set) {
        PluginRenderer r;
        for (int j = 0; j < param::drumKindLayout(param::DrumKind::TomUser).parameterCount; ++j) {
            state = state * 1664525u + 1013904223u;
            const float value = static_cast<float>(state >> 8) / 16777216.0f;
            if (j != param::kindparam::kOutput && j != param::kindparam::kChokeGroup)
                r.set(us::index(j, kUser4), value < 0.1f ? 0.0f : value > 0.9f ? 1.0f : value);
        }
        r.set(us::index(us::kModel, kUser4), drumModelValue(set % kSynthesisedModels));
        for (const int velocity : {127, 40, 100}) {
            r.noteOn(kGmNote[kUser4], velocity);
            r.render(velocity == 40 ? 200 : 8000);
        }
        ASSERT_TRUE(allFinite(r)) << "set " << set;
    }
}

} // namespace
