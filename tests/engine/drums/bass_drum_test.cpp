#include "plugin/parameters/bass_drum_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

namespace bd = kravo::param::bassdrum;
using kravo::param::drumModelValue;
using kravo::test::PluginRenderer;

constexpr int kGmBassDrum = 36;
// A start and end that name the same frequency: 10 * 2000^0.2 = 10 * 10^0.66 = 45.7 Hz.
constexpr float kSteadyStart = 0.2f;
constexpr float kSteadyEnd = 0.66024f;

// BD 1 as a plain sine sweep with a long, steady amplitude and no distortion,
// with the given changes on top (and any other parameters), after it has
// rendered its note for `seconds`.
std::unique_ptr<PluginRenderer> play(std::initializer_list<std::pair<int, float>> changes, double seconds,
                                     const std::vector<std::pair<int, float>>& others = {})
{
    auto renderer = std::make_unique<PluginRenderer>();
    renderer->setKind(bd::index, {{bd::kModel, drumModelValue(0)}, {bd::kOscWave, 0.0f}, {bd::kAttack, 0.0f},
                                  {bd::kOscAmpHold, 1.0f}, {bd::kOscAmpDecay, 1.0f}, {bd::kOscFreqCurveMode, 0.0f},
                                  {bd::kOscFreqCurve, 0.0f}, {bd::kDistortionType, 0.0f}});
    renderer->setKind(bd::index, changes);
    for (const auto& [index, value] : others)
        renderer->set(index, value);
    renderer->noteOn(kGmBassDrum);
    renderer->renderSeconds(seconds);
    return renderer;
}

// From 10 * 2000^Start Hz at the attack to 10 * 10^End Hz; Start = End = 0 holds 10 Hz.
TEST(BassDrum, SweepRunsFromTheStartToTheEndFrequency)
{
    struct Case {
        float start, end, decay;
        double from, to, hertz, tolerance;
    };
    for (const Case& c : {Case{0.0f, 0.0f, 0.0f, 0.0, 1.0, 10.0, 0.2}, Case{0.5f, 0.5f, 1.0f, 0.0, 0.006, 447.2, 25.0},
                          Case{0.5f, 0.5f, 0.0f, 0.3, 1.0, 31.62, 0.6}}) {
        const auto r = play({{bd::kOscFreqStart, c.start}, {bd::kOscFreqEnd, c.end}, {bd::kOscFreqDecay, c.decay}},
                            c.to + 0.001);
        EXPECT_NEAR(r->frequency(c.from, c.to), c.hertz, c.tolerance) << c.start << " " << c.decay;
    }
}

// Mean absolute value over the peak: 2/pi for a sine, 1/2 for a triangle, near 1 for a square.
TEST(BassDrum, WaveThresholdsSelectSineTriangleAndSquare)
{
    for (const auto& [wave, shape] : {std::pair(0.33f, 2.0 / M_PI), std::pair(0.34f, 0.5), std::pair(0.67f, 1.0)}) {
        const auto r =
            play({{bd::kOscWave, wave}, {bd::kOscFreqStart, kSteadyStart}, {bd::kOscFreqEnd, kSteadyEnd}}, 0.3);
        double sum = 0.0;
        for (std::size_t i = r->frameAt(0.1); i < r->frameAt(0.3); ++i)
            sum += std::fabs(r->left[i]);
        EXPECT_NEAR(sum / static_cast<double>(r->frameAt(0.3) - r->frameAt(0.1)) / r->peak(0.1, 0.3), shape, 0.05)
            << wave;
    }
}

TEST(BassDrum, AttackRampsInOverTwentyMilliseconds)
{
    const auto r = play({{bd::kOscFreqStart, kSteadyStart}, {bd::kOscFreqEnd, kSteadyEnd}, {bd::kAttack, 1.0f}}, 0.06);
    const float full = r->peak(0.03, 0.06);
    EXPECT_LT(r->peak(0.0, 0.005), 0.3f * full);
    EXPECT_GT(r->peak(0.015, 0.021), 0.6f * full);
    const auto instant = play({{bd::kOscWave, 0.67f}}, 0.01); // square: full level from the first cycle
    EXPECT_GT(instant->peak(0.0, 0.001), 0.5f * instant->peak(0.0, 0.01));
}

// The drop models decay in a straight line: 3/4, 1/2 and 1/4 of the level at
// a quarter, half and three quarters of the decay (a square's peaks are the level).
TEST(BassDrum, DropModelsDecayLinearly)
{
    for (const int model : {2, 3}) {
        const auto r = play({{bd::kModel, drumModelValue(model)}, {bd::kOscWave, 0.67f}, {bd::kOscBaseFreq, 0.5f},
                             {bd::kOscFreqDrop, 0.0f}, {bd::kKravoAmount, 0.0f}, {bd::kClickVolume, 0.0f},
                             {bd::kOscDecay, 0.8f}},
                            2.0);
        constexpr double kWindow = 0.01;
        const float start = r->peak(0.0, kWindow);
        double end = 0.0;
        while (end < 2.0 && r->peak(end, end + kWindow) > 0.01f * start)
            end += 0.001;
        ASSERT_GT(end, 0.1) << model;
        ASSERT_LT(end, 1.9) << model;
        for (const double part : {0.25, 0.5, 0.75})
            EXPECT_NEAR(r->peak(part * end, part * end + kWindow) / start, 1.0 - part, 0.05) << model << " " << part;
    }
}

TEST(BassDrum, ClickWithSpreadZeroIsTheSameOnBothSides)
{
    const auto r = play({{bd::kModel, drumModelValue(1)}, {bd::kClickVolume, 1.0f}, {bd::kClickMix, 0.75f},
                         {bd::kClickOffset, 0.8f}, {bd::kClickSpread, 0.0f}},
                        0.05);
    EXPECT_GT(r->peak(0.0, 0.05), 0.01f);
    EXPECT_EQ(r->largestSideDifference(), 0.0f);
}

// Sixteen octaves of pitch modulation on top of the highest sweep start
// overflow a 32-bit phase step many times.
TEST(BassDrum, PitchModulationFarBeyondHearingStaysDefined)
{
    namespace param = kravo::param;
    std::vector<std::pair<int, float>> rows; // velocity (source 5) onto "BD 1 Pitch" (30), two octaves each
    for (int row = 0; row < param::kModRowCount; ++row)
        rows.insert(rows.end(), {{param::modRowSource[row], 5.5f / param::choicescale::kModSource},
                                 {param::modRowDestination[row], 30.5f / param::choicescale::kModDestination},
                                 {param::modRowAmount[row], 1.0f}});
    const auto r =
        play({{bd::kModel, drumModelValue(1)}, {bd::kOscFreqStart, 1.0f}, {bd::kClickFreq, 1.0f}}, 0.05, rows);
    for (std::size_t i = 0; i < r->left.size(); ++i)
        ASSERT_TRUE(std::isfinite(r->left[i]) && std::isfinite(r->right[i])) << i;
}

TEST(BassDrum, SampleModelsBeyondTheTableAreLimitedToTheLastModel)
{
    const auto r = play({{bd::kModel, 1.0f}}, 0.0001); // trunc(199.99) = 199, beyond the 28 models
    EXPECT_EQ(r->plugin->getEngine().getBassDrumVoice(1, 0).model, 27);
}

} // namespace
