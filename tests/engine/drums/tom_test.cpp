#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/tom_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace tom = kravo::param::tom;
namespace kind = kravo::param::kindparam;
using kravo::param::drumModelValue;
using kravo::test::PluginRenderer;

constexpr int kGmTom1 = 48;

// Tom 1 as a long, bare sine at 111.8 Hz that drops from three octaves up within 0.1 s, with a deep 240 Hz
// modulator and a loud 16 ms tone click, and the given changes on top, after `seconds`.
std::unique_ptr<PluginRenderer> play(std::initializer_list<std::pair<int, float>> changes, double seconds)
{
    auto renderer = std::make_unique<PluginRenderer>();
    renderer->set(tom::sharedIndex(kind::kDistortionType, 0), 0.0f);
    renderer->setKind(tom::index, {{tom::kModel, drumModelValue(0)}, {tom::kAttack, 0.0f}, {tom::kOscFilterType, 0.0f},
                                   {tom::kOscBaseFreq, 0.5f}, {tom::kOscFreqDrop, 0.5f}, {tom::kOscFreqDecay, 0.5f},
                                   {tom::kOscFreqCurveMode, 0.0f}, {tom::kOscFreqCurve, 0.0f}, {tom::kOscAmpHold, 1.0f},
                                   {tom::kOscAmpDecay, 1.0f}, {tom::kOscVelToFreq, 0.5f}, {tom::kModBaseFreq, 0.6f},
                                   {tom::kModFreqDrop, 0.0f}, {tom::kModAmount, 1.0f}, {tom::kModAmpHold, 1.0f},
                                   {tom::kModAmpDecay, 1.0f}, {tom::kClickVolume, 1.0f}, {tom::kClickMix, 0.0f},
                                   {tom::kClickBaseFreq, 0.6f}, {tom::kClickFreqDecay, 0.3f}});
    renderer->setKind(tom::index, changes);
    renderer->noteOn(kGmTom1);
    renderer->renderSeconds(seconds);
    return renderer;
}

// The first model is the bare sine, whatever the modulator and click say, and
// it settles on 25 * 20^"Osc Base Freq" Hz after its drop.
TEST(Tom, TheFirstModelSettlesOnItsBaseFrequencyWithoutFmOrClick)
{
    for (const auto& [base, hertz] : {std::pair(0.0f, 25.0), std::pair(0.5f, 111.8), std::pair(1.0f, 500.0)}) {
        const auto r = play({{tom::kOscBaseFreq, base}}, 1.0);
        EXPECT_GT(r->frequency(0.0, 0.02), 4.0 * hertz) << base;
        EXPECT_NEAR(r->frequency(0.6, 1.0), hertz, 0.02 * hertz) << base;
        const auto bare = play({{tom::kOscBaseFreq, base}, {tom::kModAmount, 0.0f}, {tom::kClickVolume, 0.0f}}, 1.0);
        EXPECT_EQ(r->left, bare->left) << base;
    }
}

// The second model bends the sine with its modulator for as long as the
// modulator sounds, and adds the click, which is over after its decay.
TEST(Tom, TheSecondModelSoundsItsFmAndItsClick)
{
    const auto fmModel = [](float mod, float click) {
        return play({{tom::kModel, drumModelValue(1)}, {tom::kModAmount, mod}, {tom::kClickVolume, click}}, 1.0);
    };
    const auto plain = fmModel(0.0f, 0.0f);
    const auto difference = [&](const PluginRenderer& r, double from, double to) {
        float d = 0.0f;
        for (std::size_t i = plain->frameAt(from); i < plain->frameAt(to); ++i)
            d = std::fmax(d, std::fabs(r.left[i] - plain->left[i]));
        return d;
    };
    EXPECT_GT(difference(*fmModel(1.0f, 0.0f), 0.6, 1.0), 0.3f * plain->peak(0.6, 1.0));
    const auto click = fmModel(0.0f, 1.0f);
    EXPECT_GT(difference(*click, 0.0, 0.01), 0.1f * plain->peak(0.0, 0.01));
    EXPECT_EQ(difference(*click, 0.2, 1.0), 0.0f);
}

// A slot in user mode is the user voices' to play; a model past the list plays the last one.
TEST(Tom, UserModeLeavesTheTomVoicesAloneAndModelsPastTheListPlayTheLast)
{
    PluginRenderer renderer;
    const Engine& engine = renderer.plugin->getEngine();
    renderer.setKind(tom::index, {{tom::kModel, 1.0f}, {tom::kOscAmpHold, 1.0f}, {tom::kOscAmpDecay, 1.0f}});
    renderer.set(kravo::param::tomUserSwitch[0], 1.0f);
    renderer.noteOn(kGmTom1);
    renderer.render(64);
    EXPECT_FALSE(engine.getTomVoice(0, 0).playing || engine.getTomVoice(1, 0).playing);
    renderer.set(kravo::param::tomUserSwitch[0], 0.0f);
    renderer.noteOn(kGmTom1);
    renderer.render(64);
    EXPECT_EQ(engine.getTomVoice(static_cast<int>(engine.getSlotNoteState(10).lastVoice), 0).model, 12);
}

// Any mix of parameter values, in both synthesised models, stays finite.
TEST(Tom, RandomParameterSetsRenderFiniteSamples)
{
    std::uint32_t state = 7;
    const auto draw = [&] { return static_cast<float>((state = state * 1664525u + 1013904223u) >> 8) / 0x1p24f; };
    for (int set = 0; set < 36; ++set) {
        PluginRenderer renderer;
        for (int j = 0; j < kravo::param::drumKindLayout(kravo::param::DrumKind::Tom).parameterCount; ++j)
            renderer.set(tom::index(j, 0), draw());
        for (int j = kind::kVelocityToVolume; j <= kind::kDistortionType; ++j)
            renderer.set(tom::sharedIndex(j, 0), draw());
        renderer.set(tom::index(tom::kModel, 0), drumModelValue(set % 2));
        renderer.noteOn(kGmTom1);
        renderer.render(3000);
        renderer.noteOn(kGmTom1, 50);
        renderer.render(20000);
        for (std::size_t i = 0; i < renderer.left.size(); ++i)
            ASSERT_TRUE(std::isfinite(renderer.left[i]) && std::isfinite(renderer.right[i])) << set << " " << i;
    }
}

} // namespace
