#include "engine/filters/fx_filter.h"

#include "tests/engine/dsp_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <tuple>
#include <vector>

namespace {

using dsp::FxFilter;
using dsp::FxFilterType;
using kravo::test::biquad;
using kravo::test::kTestRate;
using Complex = std::complex<double>;

FxFilter makeFilter(FxFilterType type, float frequencyValue, float resonance = 0.0f)
{
    FxFilter f;
    f.init(kTestRate);
    f.setType(static_cast<std::uint32_t>(type));
    f.setFrequency(frequencyValue);
    f.setResonance(resonance);
    f.updateCoefficients(false);
    return f;
}

// What a type makes of a small sine at hz: the cutoff 20 * 2^(10 v) Hz as a fraction w of the rate (no lower than
// 50 Hz, at most 0.2), then the type's sections in series.
Complex expectedResponse(FxFilterType type, double value, double resonance, double hz)
{
    constexpr double kPi = 3.14159; // the filters' own rounding
    const double G = std::numbers::sqrt2, root8 = 2.0 * std::numbers::sqrt2, r = std::min(resonance, 0.9995);
    const double cutoff = 20.0 * std::exp2(10.0 * std::clamp(value, 0.0, 1.0));
    const double w = std::clamp((cutoff + 0.001) / kTestRate, 50.0 / kTestRate, 0.2);
    const double omega = 2.0 * std::numbers::pi * hz / kTestRate, s = std::sin(kPi * w), c = std::cos(kPi * w);
    // The state-variable core: band and low integrate (1 / D), high is the
    // input less the previous low and the previous band times 1 - r.
    const Complex z1 = std::polar(1.0, -omega), D = 1.0 - z1;
    const Complex n = D * D + 2.0 * s * (1.0 - r) * D * z1 + 4.0 * s * s * z1;
    const Complex low = 4.0 * s * s / n, band = 2.0 * s * D / n, high = D * D / n;
    const Complex onePole = biquad(omega, 2.0 * w, 0.0, 0.0, 2.0 * w - 1.0, 0.0);
    switch (type) {
    case FxFilterType::LowPass6: return onePole;
    case FxFilterType::HighPass6: return 1.0 - onePole;
    case FxFilterType::LowPass12: return G * low;
    case FxFilterType::HighPass12: return G * high;
    case FxFilterType::BandPass12: return 2.0 * band;
    case FxFilterType::Notch12: return G * (low - high);
    case FxFilterType::LowPass18: return G * onePole * low;
    case FxFilterType::HighPass18: return G * (1.0 - onePole) * high;
    case FxFilterType::LowPass24:
    case FxFilterType::HighPass24: {
        const bool lowPass = type == FxFilterType::LowPass24;
        const double k = lowPass ? c / (0.0015 + s) : s / std::fabs(c + 0.0015);
        const double m = 1.0 / (k * k + root8 * k + (lowPass ? 1.001 : 1.0001)), a2 = (k * k + 1.0 - root8 * k) * m;
        return lowPass ? G * low * biquad(omega, m, 2.0 * m, m, 2.0 * (1.0 - k * k) * m, a2)
                       : G * high * biquad(omega, m, -2.0 * m, m, 2.0 * (k * k - 1.0) * m, a2);
    }
    case FxFilterType::BandPass24:
    case FxFilterType::Notch24: {
        // Four stages p (1 + 1/z) / (1 + k/z), the last one's previous output fed back by r.
        const double f2 = 2.0 * w, q = 1.0 - f2, p = f2 + f2 * q;
        const double feedback = r * (1.0 + (5.6 * q * q + f2) * q / 2.0);
        const Complex stage = biquad(omega, p, p, 0.0, 2.0 * p - 1.0, 0.0), last = std::pow(stage, 4);
        const Complex in = 1.0 / (1.0 + feedback * z1 * last), bandOut = 6.0 * in * (std::pow(stage, 3) - last);
        return type == FxFilterType::BandPass24 ? bandOut : in * (1.0 - feedback * last) - bandOut;
    }
    case FxFilterType::Vocal: {
        // Vowel 0's formants moved by cutoff / 440 Hz, each a resonator on x - x(two samples back).
        Complex sum = 0.0;
        for (double formant : dsp::kFormantFrequencies[0]) {
            const double fr = std::min(formant * cutoff / 440.0 / kTestRate, 0.4);
            const double k = 1.0 / (std::tan(fr * (0.39 * r + 0.1) * kPi) + 0.001), a0 = 1.0 / (k + 1.0);
            sum += biquad(omega, a0, 0.0, -a0, -2.0 * std::cos(2.0 * kPi * fr) * k * a0, (k - 1.0) * a0);
        }
        return sum;
    }
    default: return 1.0;
    }
}

TEST(FxFilterBypass, AppliesOnlyTheDriveAndTheLimit)
{
    // Drive d = 2^(6 (a + b)) - 1, a + b held to 1, turns x into (x + d x) / (1 + |d x|).
    for (const auto& [a, b, x, y] : {std::tuple{0.0f, 0.0f, -0.75f, -0.75f}, {0.0f, 0.0f, 0.999f, 0.999f},
             {0.0f, 0.0f, 3.0f, 1.0f}, {0.0f, 0.0f, -250.0f, -1.0f}, {0.5f, 0.0f, 0.1f, 0.8f / 1.7f},
             {0.25f, 0.25f, -0.1f, -0.8f / 1.7f}, {1.0f, 1.0f, 0.01f, 0.64f / 1.63f}}) {
        FxFilter f = makeFilter(FxFilterType::Bypass, 0.5f);
        f.setDrive(a, b);
        EXPECT_NEAR(f.process(x), y, 1e-6f) << "a " << a << " b " << b << " x " << x;
    }
}

TEST(FxFilterTypes, EachTypeAnswersASineAsItsSectionsPredict)
{
    // Small enough that the band and ladder softeners stay linear and nothing reaches the limit.
    constexpr float kAmplitude = 0.02f;
    // Frequency value, resonance, test frequencies: cutoffs of 640 Hz, 113 Hz, 20480 Hz (held at a fifth of the
    // rate) and 20 Hz (raised to 50 Hz), then values out of 0..1.
    const std::tuple<float, float, std::vector<double>> cases[] = {{0.5f, 0.3f, {160.0, 640.0, 2560.0}},
        {0.25f, 0.6f, {113.0, 1000.0}}, {1.0f, 0.0f, {5000.0, 8000.0}}, {0.0f, 0.0f, {50.0, 200.0}},
        {4000.0f, 0.0f, {8000.0}}, {-3.0f, 0.0f, {50.0}}};
    for (std::uint32_t t = 1; t <= 14; t += t + 1 == std::uint32_t(FxFilterType::Comb) ? 2 : 1) // skips the comb
        for (const auto& [value, resonance, frequencies] : cases)
            for (double hz : frequencies) {
                const auto type = static_cast<FxFilterType>(t);
                const double expected = kAmplitude * std::abs(expectedResponse(type, value, resonance, hz));
                const float measured = kravo::test::sinePeak(makeFilter(type, value, resonance), hz, kAmplitude);
                EXPECT_NEAR(measured, expected, 0.005 * expected + 1e-6)
                    << "type " << t << " value " << value << " resonance " << resonance << " at " << hz << " Hz";
            }
}

TEST(FxFilterComb, EchoesAfterRateOverCutoffSamplesAtTheFourthRootOfTheResonanceAndForgetsOnATypeChange)
{
    FxFilter f = makeFilter(FxFilterType::Comb, std::log2(441.0f / 20.0f) / 10.0f, 0.5f);
    for (int i = 0; i <= 300; ++i) {
        const float expected = i % 100 ? 0.0f : 0.5f * std::pow(0.5f, 0.25f * float(i / 100));
        EXPECT_NEAR(f.process(i == 0 ? 0.5f : 0.0f), expected, 1e-6f) << "sample " << i;
    }
    // The highest cutoff gives 256 * 44100 / 20480 Hz, about two samples; resonance above 0.9995 acts as 0.9995.
    EXPECT_EQ(makeFilter(FxFilterType::Comb, 1.0f, 0.5f).combDelay(), 551u);
    EXPECT_EQ(makeFilter(FxFilterType::Comb, 0.5f, 1.0f).combFeedback(),
              makeFilter(FxFilterType::Comb, 0.5f, 0.9995f).combFeedback());
    f.process(0.5f);
    for (FxFilterType type : {FxFilterType::LowPass12, FxFilterType::Comb}) {
        f.setType(static_cast<std::uint32_t>(type));
        f.updateCoefficients(false);
    }
    for (int i = 0; i < 300; ++i)
        ASSERT_NEAR(f.process(0.0f), 0.0f, 1e-9f) << i;
}

TEST(FxFilterUpdate, SmoothsTheCutoffAndClearsTheStatesOfAnEarlierType)
{
    FxFilter smoothed = makeFilter(FxFilterType::LowPass12, 0.0f);
    smoothed.setFrequency(1.0f);
    smoothed.updateCoefficients(true);
    // A smoothed update moves the value two and a half percent of the way.
    EXPECT_NEAR(smoothed.cutoff(), 20.0f * std::exp2(10.0f * 0.025f), 1e-3f);
    // The direct passes run the state-variable core without drive or limit.
    FxFilter f = makeFilter(FxFilterType::LowPass12, 0.5f);
    f.setDrive(1.0f, 0.0f);
    for (int i = 1; i < 20000; ++i)
        f.lowPass(4.0f);
    EXPECT_NEAR(f.lowPass(4.0f), std::numbers::sqrt2_v<float> * 4.0f, 1e-3f);
    EXPECT_NEAR(f.highPass(4.0f), 0.0f, 1e-3f);
    EXPECT_NEAR(f.bandPass(4.0f), 0.0f, 1e-3f);
    // The notch runs on the settled low state, far beyond the limit, until the update clears it:
    // from rest its first sample is dominated by the high output.
    f.setType(static_cast<std::uint32_t>(FxFilterType::Notch12));
    EXPECT_EQ(f.process(0.5f), 1.0f);
    f.updateCoefficients(false);
    EXPECT_LT(f.process(0.5f), 0.0f);
}

TEST(FxFilterRobustness, BlockFormMatchesTheSampleFormAndNoFiniteInputMakesNanOrInf)
{
    const float values[] = {0.0f, 0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 0.999f, 1.0f};
    for (std::uint32_t t = 0; t <= 15; ++t)
        for (float freq : values)
            for (float res : values)
                for (float drive : {0.0f, 1.0f}) {
                    SCOPED_TRACE(testing::Message() << "type " << t << " at " << freq << ", " << res << ", " << drive);
                    FxFilter f = makeFilter(static_cast<FxFilterType>(std::min(t, 14u)), freq, res);
                    f.setType(t);
                    f.setDrive(drive, 0.0f);
                    kravo::test::expectRobust(f, [](FxFilter& g, float x, int i) {
                        if (i % 16 == 0)
                            g.updateCoefficients(i % 32 == 0);
                        return std::isfinite(g.lowPass(x) + g.bandPass(x) + g.highPass(x));
                    });
                }
}

} // namespace
