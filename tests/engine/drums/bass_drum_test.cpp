#include "plugin/parameters/bass_drum_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace bd = kravo::param::bassdrum;
using kravo::test::PluginRenderer;

constexpr int kGmBassDrum = 36;

// BD 1 as a plain sine sweep with a long, steady amplitude and no distortion.
void makePlain(PluginRenderer& renderer)
{
    const auto set = [&](int j, float value) { renderer.set(bd::index(j, 0), value); };
    set(bd::kModel, kravo::param::drumModelValue(0));
    set(bd::kOscWave, 0.0f);
    set(bd::kAttack, 0.0f);
    set(bd::kOscAmpHold, 1.0f);
    set(bd::kOscAmpDecay, 1.0f);
    set(bd::kOscFreqCurveMode, 0.0f);
    set(bd::kOscFreqCurve, 0.0f); // a straight sweep
    set(bd::kDistortionType, 0.0f);
}

// A start and end that name the same frequency: 10 * 2000^0.2 = 10 * 10^0.66 = 45.7 Hz.
constexpr float kSteadyStart = 0.2f;
constexpr float kSteadyEnd = 0.66024f;

class BassDrum : public ::testing::Test {
protected:
    void SetUp() override { makePlain(renderer); }
    void set(int j, float value) { renderer.set(bd::index(j, 0), value); }

    PluginRenderer renderer;
};

// From 10 * 2000^Start Hz at the attack to 10 * 10^End Hz; Start = End = 0 holds 10 Hz.
TEST(BassDrumSweep, RunsFromTheStartToTheEndFrequency)
{
    struct Case {
        float start, end, decay;
        double from, to, hertz, tolerance;
    };
    for (const Case& c : {Case{0.0f, 0.0f, 0.0f, 0.0, 1.0, 10.0, 0.2}, Case{0.5f, 0.5f, 1.0f, 0.0, 0.006, 447.2, 25.0},
                          Case{0.5f, 0.5f, 0.0f, 0.3, 1.0, 31.62, 0.6}}) {
        PluginRenderer renderer;
        makePlain(renderer);
        renderer.set(bd::index(bd::kOscFreqStart, 0), c.start);
        renderer.set(bd::index(bd::kOscFreqEnd, 0), c.end);
        renderer.set(bd::index(bd::kOscFreqDecay, 0), c.decay);
        renderer.noteOn(kGmBassDrum);
        renderer.render(static_cast<int>(c.to * 44100) + 1);
        EXPECT_NEAR(renderer.frequency(c.from, c.to), c.hertz, c.tolerance) << c.start << " " << c.decay;
    }
}

// Mean absolute value over the peak: 2/pi for a sine, 1/2 for a triangle, near 1 for a square.
double shapeOf(float wave)
{
    PluginRenderer renderer;
    makePlain(renderer);
    const auto set = [&](int j, float v) { renderer.set(bd::index(j, 0), v); };
    set(bd::kOscWave, wave);
    set(bd::kOscFreqStart, kSteadyStart);
    set(bd::kOscFreqEnd, kSteadyEnd);
    renderer.noteOn(kGmBassDrum);
    renderer.renderSeconds(0.3);
    double sum = 0.0;
    double peak = 0.0;
    const std::size_t from = renderer.frameAt(0.1);
    const std::size_t to = renderer.frameAt(0.3);
    for (std::size_t i = from; i < to; ++i) {
        sum += std::fabs(renderer.left[i]);
        peak = std::fmax(peak, std::fabs(renderer.left[i]));
    }
    return sum / static_cast<double>(to - from) / peak;
}

TEST(BassDrumWave, ThresholdsSelectSineTriangleAndSquare)
{
    EXPECT_NEAR(shapeOf(0.33f), 2.0 / M_PI, 0.03);
    EXPECT_NEAR(shapeOf(0.34f), 0.5, 0.03);
    EXPECT_GT(shapeOf(0.67f), 0.9);
}

TEST_F(BassDrum, AttackRampsInOverTwentyMilliseconds)
{
    set(bd::kOscFreqStart, kSteadyStart);
    set(bd::kOscFreqEnd, kSteadyEnd);
    set(bd::kAttack, 1.0f);
    renderer.noteOn(kGmBassDrum);
    renderer.renderSeconds(0.06);
    const float full = renderer.peak(0.03, 0.06);
    EXPECT_LT(renderer.peak(0.0, 0.005), 0.3f * full);
    EXPECT_GT(renderer.peak(0.015, 0.021), 0.6f * full);

    PluginRenderer instant;
    makePlain(instant);
    instant.set(bd::index(bd::kOscWave, 0), 0.67f); // square: full level from the first cycle
    instant.noteOn(kGmBassDrum);
    instant.renderSeconds(0.01);
    EXPECT_GT(instant.peak(0.0, 0.001), 0.5f * instant.peak(0.0, 0.01));
}

// The drop models decay in a straight line: 3/4, 1/2 and 1/4 of the level at
// a quarter, half and three quarters of the decay.
TEST(BassDrumDropModels, DecayLinearly)
{
    for (const int model : {2, 3}) {
        PluginRenderer renderer;
        makePlain(renderer);
        const auto set = [&](int j, float value) { renderer.set(bd::index(j, 0), value); };
        set(bd::kModel, kravo::param::drumModelValue(model));
        set(bd::kOscWave, 0.67f); // square: each cycle's peak is the envelope's level
        set(bd::kOscBaseFreq, 0.5f);
        set(bd::kOscFreqDrop, 0.0f);
        set(bd::kKravoAmount, 0.0f);
        set(bd::kClickVolume, 0.0f);
        set(bd::kOscDecay, 0.8f);
        renderer.noteOn(kGmBassDrum);
        renderer.renderSeconds(2.0);

        constexpr double kWindow = 0.01;
        const float start = renderer.peak(0.0, kWindow);
        double end = 0.0;
        while (end < 2.0 && renderer.peak(end, end + kWindow) > 0.01f * start)
            end += 0.001;
        ASSERT_GT(end, 0.1) << model;
        ASSERT_LT(end, 1.9) << model;
        for (const double part : {0.25, 0.5, 0.75})
            EXPECT_NEAR(renderer.peak(part * end, part * end + kWindow) / start, 1.0 - part, 0.05)
                << "model " << model << " at " << part;
    }
}

TEST_F(BassDrum, ClickWithSpreadZeroIsTheSameOnBothSides)
{
    set(bd::kModel, kravo::param::drumModelValue(1));
    set(bd::kClickVolume, 1.0f);
    set(bd::kClickMix, 0.75f); // both noises
    set(bd::kClickOffset, 0.8f);
    set(bd::kClickSpread, 0.0f);
    renderer.noteOn(kGmBassDrum);
    renderer.renderSeconds(0.05);
    EXPECT_GT(renderer.peak(0.0, 0.05), 0.01f);
    EXPECT_EQ(renderer.largestSideDifference(), 0.0f);
}

// Every modulation row adds two octaves from full velocity: sixteen octaves on
// top of the highest sweep start overflow a 32-bit phase step many times.
TEST_F(BassDrum, PitchModulationFarBeyondHearingStaysDefined)
{
    namespace param = kravo::param;
    constexpr int kVelocitySource = 5;
    constexpr int kBd1PitchDestination = 30;
    for (int row = 0; row < param::kModRowCount; ++row) {
        renderer.set(param::modRowSource[row], (kVelocitySource + 0.5f) / param::choicescale::kModSource);
        renderer.set(param::modRowDestination[row],
                     (kBd1PitchDestination + 0.5f) / param::choicescale::kModDestination);
        renderer.set(param::modRowAmount[row], 1.0f);
    }
    set(bd::kModel, kravo::param::drumModelValue(1)); // with the click
    set(bd::kOscFreqStart, 1.0f);
    set(bd::kClickFreq, 1.0f);
    renderer.noteOn(kGmBassDrum);
    renderer.renderSeconds(0.05);
    for (std::size_t i = 0; i < renderer.left.size(); ++i)
        ASSERT_TRUE(std::isfinite(renderer.left[i]) && std::isfinite(renderer.right[i])) << i;
}

TEST_F(BassDrum, SampleModelsBeyondTheTableAreLimitedToTheLastModel)
{
    set(bd::kModel, 1.0f); // trunc(199.99) = 199, beyond the 28 models
    renderer.noteOn(kGmBassDrum);
    renderer.render(1);
    EXPECT_EQ(renderer.plugin->getEngine().getBassDrumVoice(1, 0).model, 27);
}

} // namespace
