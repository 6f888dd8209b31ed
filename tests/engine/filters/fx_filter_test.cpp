#include "engine/filters/fx_filter.h"

#include "engine/dsp/dsp_constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using dsp::FxFilter;
using dsp::FxFilterType;

constexpr float kRate = 44100.0f;

// The frequency value whose cutoff 20 * 2^(10 v) lands on hz.
float frequencyValueFor(float hz) { return std::log2(hz / 20.0f) / 10.0f; }

FxFilter makeFilter(FxFilterType type, float frequencyValue, float resonance = 0.0f)
{
    FxFilter f;
    f.init(kRate);
    f.setType(static_cast<std::uint32_t>(type));
    f.setFrequency(frequencyValue);
    f.setResonance(resonance);
    f.updateCoefficients(false);
    return f;
}

// Peak output over the second half of a second of sine at hz (the first half settles).
float sinePeak(FxFilter& f, float hz, float amplitude = 0.5f)
{
    float peak = 0.0f;
    const int n = int(kRate);
    for (int i = 0; i < n; ++i) {
        const float y = f.process(amplitude * std::sin(2.0f * float(M_PI) * hz * float(i) / kRate));
        if (i > n / 2)
            peak = std::max(peak, std::fabs(y));
    }
    return peak;
}

TEST(FxFilterCutoff, FrequencyValueMapsTwentyHertzToTwentyKilohertz)
{
    FxFilter f = makeFilter(FxFilterType::LowPass12, 0.0f);
    EXPECT_FLOAT_EQ(f.cutoff(), 20.0f);
    f.setFrequency(1.0f);
    f.updateCoefficients(false);
    EXPECT_FLOAT_EQ(f.cutoff(), 20480.0f);
}

TEST(FxFilterCutoff, ValuesOutsideTheRangeAreClamped)
{
    FxFilter f = makeFilter(FxFilterType::LowPass12, 200.0f);
    EXPECT_FLOAT_EQ(f.cutoff(), 20480.0f);
    f.setFrequency(4000.0f);
    f.updateCoefficients(false);
    EXPECT_FLOAT_EQ(f.cutoff(), 20480.0f);
    f.setFrequency(-3.0f);
    f.updateCoefficients(false);
    EXPECT_FLOAT_EQ(f.cutoff(), 20.0f);
}

TEST(FxFilterCutoff, SmoothingMovesTwoAndAHalfPercentPerUpdate)
{
    FxFilter f = makeFilter(FxFilterType::LowPass12, 0.0f);
    f.setFrequency(1.0f);
    f.updateCoefficients(true);
    EXPECT_NEAR(f.cutoff(), 20.0f * std::exp2(10.0f * 0.025f), 1e-3f);
    for (int i = 0; i < 1000; ++i)
        f.updateCoefficients(true);
    EXPECT_NEAR(f.cutoff(), 20480.0f, 1.0f);
}

TEST(FxFilterBypass, LeavesSignalsWithinFullScaleUnchangedWithoutDrive)
{
    FxFilter f = makeFilter(FxFilterType::Bypass, 0.5f);
    for (float x : {-1.0f, -0.75f, -0.001f, 0.3f, 0.999f, 1.0f})
        EXPECT_EQ(f.process(x), x);
    EXPECT_NEAR(f.process(0.0f), 0.0f, 1e-14f);
}

TEST(FxFilterBypass, StillLimitsToFullScale)
{
    FxFilter f = makeFilter(FxFilterType::Bypass, 0.5f);
    EXPECT_EQ(f.process(3.0f), 1.0f);
    EXPECT_EQ(f.process(-250.0f), -1.0f);
}

TEST(FxFilterBypass, StillAppliesTheDrive)
{
    FxFilter f = makeFilter(FxFilterType::Bypass, 0.5f);
    f.setDrive(0.5f, 0.0f); // drive = 2^3 - 1 = 7
    const float u = 7.0f * 0.1f;
    EXPECT_NEAR(f.process(0.1f), (0.1f + u) / (1.0f + u), 1e-6f);
    EXPECT_NEAR(f.process(-0.1f), -(0.1f + u) / (1.0f + u), 1e-6f);
}

TEST(FxFilterResonance, AboveTheLimitActsAsTheLimit)
{
    FxFilter top = makeFilter(FxFilterType::Comb, 0.5f, 1.0f);
    FxFilter limit = makeFilter(FxFilterType::Comb, 0.5f, 0.9995f);
    EXPECT_EQ(top.combFeedback(), limit.combFeedback());
    EXPECT_NEAR(top.combFeedback(), std::sqrt(std::sqrt(0.9995f)), 1e-6f);
}

TEST(FxFilterComb, EchoesEveryHundredSamplesAt441Hertz)
{
    FxFilter f = makeFilter(FxFilterType::Comb, frequencyValueFor(441.0f), 0.5f);
    ASSERT_NEAR(f.cutoff(), 441.0f, 0.01f);
    EXPECT_NEAR(f.combFeedback(), 0.8409f, 1e-4f);

    std::vector<float> out(301);
    out[0] = f.process(0.5f);
    for (int i = 1; i < 301; ++i)
        out[i] = f.process(0.0f);
    EXPECT_NEAR(out[0], 0.5f, 1e-6f);
    EXPECT_NEAR(out[100], 0.5f * 0.8409f, 1e-4f);
    EXPECT_NEAR(out[200], 0.5f * 0.8409f * 0.8409f, 1e-4f);
    EXPECT_NEAR(out[300], 0.5f * 0.8409f * 0.8409f * 0.8409f, 1e-4f);
    for (int i = 1; i < 301; ++i) {
        if (i % 100 != 0) {
            EXPECT_NEAR(out[i], 0.0f, 1e-9f) << "sample " << i;
        }
    }
}

TEST(FxFilterComb, HighestCutoffGivesAboutTwoSamples)
{
    FxFilter f = makeFilter(FxFilterType::Comb, 1.0f, 0.5f);
    EXPECT_EQ(f.combDelay(), 551u);
}

TEST(FxFilterTypes, LowPassesKeepLowsAndCutHighs)
{
    for (FxFilterType t : {FxFilterType::LowPass6, FxFilterType::LowPass12, FxFilterType::LowPass18,
                           FxFilterType::LowPass24}) {
        FxFilter low = makeFilter(t, frequencyValueFor(1000.0f), 0.0f);
        FxFilter high = low;
        EXPECT_GT(sinePeak(low, 100.0f), 0.3f) << "type " << int(t);
        EXPECT_LT(sinePeak(high, 10000.0f), 0.15f) << "type " << int(t);
    }
}

TEST(FxFilterTypes, HighPassesKeepHighsAndCutLows)
{
    for (FxFilterType t : {FxFilterType::HighPass6, FxFilterType::HighPass12, FxFilterType::HighPass18,
                           FxFilterType::HighPass24}) {
        FxFilter low = makeFilter(t, frequencyValueFor(1000.0f), 0.0f);
        FxFilter high = low;
        EXPECT_LT(sinePeak(low, 50.0f), 0.15f) << "type " << int(t);
        EXPECT_GT(sinePeak(high, 8000.0f), 0.3f) << "type " << int(t);
    }
}

TEST(FxFilterTypes, BandPassesFavourTheCutoff)
{
    for (FxFilterType t : {FxFilterType::BandPass12, FxFilterType::BandPass24}) {
        FxFilter at = makeFilter(t, frequencyValueFor(1000.0f), 0.5f);
        FxFilter away = at;
        EXPECT_GT(sinePeak(at, 1000.0f), 2.0f * sinePeak(away, 60.0f)) << "type " << int(t);
    }
}

TEST(FxFilterTypes, TwelveDecibelNotchIsLowMinusHighAtTheLowPassGain)
{
    // Far below the cutoff only the low output remains, far above only the
    // high output: both reach the output at the low-pass gain.
    FxFilter f = makeFilter(FxFilterType::Notch12, frequencyValueFor(1000.0f), 0.0f);
    FxFilter g = f;
    EXPECT_NEAR(sinePeak(f, 30.0f), dsp::kSqrt2 * 0.5f, 0.02f);
    EXPECT_NEAR(sinePeak(g, 8000.0f), dsp::kSqrt2 * 0.5f, 0.1f);
}

TEST(FxFilterTypes, VocalUsesTheFirstVowelMovedByTheCutoff)
{
    // At 440 Hz the formants sit at 650, 1080, 2650 and 2900 Hz.
    FxFilter at = makeFilter(FxFilterType::Vocal, frequencyValueFor(440.0f), 0.5f);
    FxFilter away = at;
    EXPECT_GT(sinePeak(at, 650.0f), 3.0f * sinePeak(away, 8000.0f));
}

TEST(FxFilterTypes, DirectPassesReturnTheScaledStateVariableOutputs)
{
    FxFilter f = makeFilter(FxFilterType::LowPass12, frequencyValueFor(1000.0f));
    float y = 0.0f;
    for (int i = 0; i < 20000; ++i)
        y = f.lowPass(0.5f);
    EXPECT_NEAR(y, dsp::kSqrt2 * 0.5f, 1e-4f);
    EXPECT_NEAR(f.highPass(0.5f), 0.0f, 1e-4f);
    EXPECT_NEAR(f.bandPass(0.5f), 0.0f, 1e-4f);
    // No drive and no limit on these.
    for (int i = 0; i < 20000; ++i)
        y = f.lowPass(4.0f);
    EXPECT_NEAR(y, dsp::kSqrt2 * 4.0f, 1e-3f);
}

TEST(FxFilterTypeChange, KeepsStatesUntilTheNextCoefficientUpdate)
{
    FxFilter f = makeFilter(FxFilterType::LowPass12, frequencyValueFor(500.0f));
    for (int i = 0; i < 5000; ++i)
        f.process(0.5f);
    // The new type runs on the old states: a settled low state makes the notch
    // (low - high) carry the DC straight away.
    f.setType(static_cast<std::uint32_t>(FxFilterType::Notch12));
    EXPECT_NEAR(f.process(0.5f), dsp::kSqrt2 * 0.5f, 1e-3f);
    f.updateCoefficients(false);
    // Cleared: the first sample of a notch from rest is dominated by its high output.
    EXPECT_LT(f.process(0.5f), 0.0f);
}

TEST(FxFilterTypeChange, ClearsTheCombMemory)
{
    FxFilter f = makeFilter(FxFilterType::Comb, frequencyValueFor(441.0f), 0.9f);
    f.process(0.5f);
    f.setType(static_cast<std::uint32_t>(FxFilterType::LowPass12));
    f.updateCoefficients(false);
    f.setType(static_cast<std::uint32_t>(FxFilterType::Comb));
    f.updateCoefficients(false);
    for (int i = 0; i < 300; ++i)
        EXPECT_NEAR(f.process(0.0f), 0.0f, 1e-9f);
}

TEST(FxFilterBlocks, BlockProcessingMatchesSampleProcessing)
{
    for (std::uint32_t t = 0; t <= 14; ++t) {
        FxFilter a = makeFilter(static_cast<FxFilterType>(t), 0.6f, 0.7f);
        a.setDrive(0.3f, 0.1f);
        FxFilter b = a;
        float block[16];
        for (int i = 0; i < 16; ++i)
            block[i] = 0.9f * std::sin(0.3f * float(i));
        float expected[16];
        for (int i = 0; i < 16; ++i)
            expected[i] = a.process(block[i]);
        b.process(block, 16);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(block[i], expected[i]) << "type " << t << " sample " << i;
    }
}

TEST(FxFilterStability, NoParameterInRangeAndNoFiniteInputMakesNanOrInf)
{
    const float values[] = {0.0f, 0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 0.999f, 1.0f};
    const float amplitudes[] = {1.0f, 100.0f, 1.0e30f};
    for (std::uint32_t t = 0; t <= 15; ++t)
        for (float freq : values)
            for (float res : values)
                for (float drive : {0.0f, 1.0f})
                    for (float amp : amplitudes) {
                        FxFilter f = makeFilter(static_cast<FxFilterType>(std::min(t, 14u)), freq, res);
                        f.setType(t);
                        f.setDrive(drive, 0.0f);
                        bool finite = true;
                        for (int i = 0; i < 4000 && finite; ++i) {
                            // A square wave near the cutoff, then the largest float.
                            const float x = i < 3000 ? ((i / 7) % 2 ? amp : -amp)
                                                     : std::numeric_limits<float>::max() * ((i / 3) % 2 ? 1 : -1);
                            finite = std::isfinite(f.process(x)) && std::isfinite(f.lowPass(x))
                                     && std::isfinite(f.bandPass(x)) && std::isfinite(f.highPass(x));
                            if (i % 16 == 0)
                                f.updateCoefficients(i % 32 == 0);
                        }
                        EXPECT_TRUE(finite) << "type " << t << " freq " << freq << " res " << res << " amp " << amp;
                    }
}

} // namespace
