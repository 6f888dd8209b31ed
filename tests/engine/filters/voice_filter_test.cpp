#include "engine/filters/voice_filter.h"

#include "engine/dsp/dsp_constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using dsp::VoiceFilter;
using dsp::VoiceFilterType;

constexpr float kRate = 44100.0f;

VoiceFilter makeFilter(VoiceFilterType type, float cutoff, float resonance)
{
    VoiceFilter f;
    f.init(kRate);
    f.setType(static_cast<std::uint32_t>(type));
    f.setParameters(cutoff, resonance, 1.0f);
    return f;
}

float sinePeak(VoiceFilter& f, float hz, float amplitude = 0.5f)
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

TEST(VoiceFilterOff, ReturnsTheInputUnchanged)
{
    VoiceFilter f = makeFilter(VoiceFilterType::Off, 1000.0f, 0.5f);
    EXPECT_FALSE(f.isOn());
    for (float x : {0.0f, -0.0f, 1e-40f, 0.37f, -5.0f, 1e30f})
        EXPECT_EQ(f.process(x), x);
    float left = 0.25f, right = -7.0f;
    f.processStereo(left, right);
    EXPECT_EQ(left, 0.25f);
    EXPECT_EQ(right, -7.0f);
}

TEST(VoiceFilterOff, SkipsTheCoefficientUpdate)
{
    VoiceFilter f = makeFilter(VoiceFilterType::Off, 1000.0f, 1.0f);
    EXPECT_EQ(f.damping(), 1.0f);
}

TEST(VoiceFilterResonance, FullResonanceGivesDampingOfOneHundredth)
{
    VoiceFilter f = makeFilter(VoiceFilterType::LowPass, 1000.0f, 1.0f);
    EXPECT_NEAR(f.damping(), 0.01f, 1e-6f);
}

TEST(VoiceFilterResonance, IsHeldToTheUnitRange)
{
    VoiceFilter over = makeFilter(VoiceFilterType::LowPass, 1000.0f, 1.8f);
    EXPECT_NEAR(over.damping(), 0.01f, 1e-6f);
    VoiceFilter under = makeFilter(VoiceFilterType::LowPass, 1000.0f, -0.6f);
    EXPECT_NEAR(under.damping(), 1.0f, 1e-6f);
    VoiceFilter comb = makeFilter(VoiceFilterType::Comb, 441.0f, 3.0f);
    EXPECT_NEAR(comb.combFeedback(), 1.0f, 1e-6f);
}

TEST(VoiceFilterComb, EchoesEveryHundredSamplesAt441Hertz)
{
    VoiceFilter f = makeFilter(VoiceFilterType::Comb, 441.0f, 0.5f);
    EXPECT_EQ(f.combDelay(), 25599u);
    EXPECT_NEAR(f.combFeedback(), 0.8409f, 1e-4f);

    std::vector<float> out(301);
    out[0] = f.process(1.0f);
    for (int i = 1; i < 301; ++i)
        out[i] = f.process(0.0f);
    EXPECT_NEAR(out[0], 1.0f, 1e-6f);
    EXPECT_NEAR(out[100], 0.8409f, 1e-4f);
    EXPECT_NEAR(out[200], 0.8409f * 0.8409f, 1e-4f);
    for (int i = 1; i < 301; ++i) {
        if (i % 100 != 0) {
            EXPECT_NEAR(out[i], 0.0f, 1e-9f) << "sample " << i;
        }
    }
}

TEST(VoiceFilterComb, ZeroCutoffGivesTheLongestDelay)
{
    VoiceFilter f = makeFilter(VoiceFilterType::Comb, 0.0f, 0.5f);
    EXPECT_EQ(f.combDelay(), 2097150u);
}

TEST(VoiceFilterComb, CutoffAboveAFifthOfTheRateStopsThere)
{
    VoiceFilter f = makeFilter(VoiceFilterType::Comb, 30000.0f, 0.5f);
    EXPECT_EQ(f.combDelay(), 1279u); // 44100 * 256 / 8820
}

TEST(VoiceFilterComb, StaysWithinTenAtFullFeedback)
{
    VoiceFilter f = makeFilter(VoiceFilterType::Comb, 2000.0f, 1.0f);
    float peak = 0.0f;
    for (int i = 0; i < 20000; ++i)
        peak = std::max(peak, std::fabs(f.process(0.9f)));
    EXPECT_EQ(peak, 10.0f);
}

TEST(VoiceFilterComb, StereoChannelsKeepTheirOwnDelays)
{
    VoiceFilter f;
    f.init(kRate);
    f.setType(static_cast<std::uint32_t>(VoiceFilterType::Comb));
    f.setParametersStereo(441.0f, 441.0f, 0.5f, 1.0f, 2.0f);
    EXPECT_EQ(f.combDelay(0), 25599u);
    EXPECT_EQ(f.combDelay(1), 12799u);
    float left = 1.0f, right = 1.0f;
    f.processStereo(left, right);
    int leftEcho = 0, rightEcho = 0;
    for (int i = 1; i <= 100; ++i) {
        left = right = 0.0f;
        f.processStereo(left, right);
        if (left > 0.5f && leftEcho == 0)
            leftEcho = i;
        if (right > 0.5f && rightEcho == 0)
            rightEcho = i;
    }
    EXPECT_EQ(leftEcho, 100);
    EXPECT_EQ(rightEcho, 50);
}

TEST(VoiceFilterVocal, ResonanceWalksThroughTheVowels)
{
    // Resonance 0 is vowel 0 alone.
    for (int j = 0; j < dsp::kFormantCount; ++j)
        EXPECT_EQ(dsp::vowelFormantFrequency(0.0f * dsp::kVowelSpan, j), dsp::kFormantFrequencies[0][j]);
    // Resonance 0.5 sits about halfway between vowels 2 and 3 (position 2.495).
    for (int j = 0; j < dsp::kFormantCount; ++j) {
        const float expected = 0.495f * dsp::kFormantFrequencies[3][j] + 0.505f * dsp::kFormantFrequencies[2][j];
        EXPECT_NEAR(dsp::vowelFormantFrequency(0.5f * dsp::kVowelSpan, j), expected, 0.01f);
    }
    // Resonance 0.9 blends vowel 4 into vowel 0 (position 4.491).
    for (int j = 0; j < dsp::kFormantCount; ++j) {
        const float expected = 0.491f * dsp::kFormantFrequencies[0][j] + 0.509f * dsp::kFormantFrequencies[4][j];
        EXPECT_NEAR(dsp::vowelFormantFrequency(0.9f * dsp::kVowelSpan, j), expected, 0.01f);
    }
    // Full resonance wraps round to vowel 0.
    EXPECT_NEAR(dsp::vowelFormantFrequency(1.0f * dsp::kVowelSpan, 0), dsp::kFormantFrequencies[0][0], 0.01f);
}

TEST(VoiceFilterVocal, FormantsSitAtTheirTableValuesAt440Hertz)
{
    // Vowel 0 has its first formant at 650 Hz and nothing near 5 kHz.
    VoiceFilter at = makeFilter(VoiceFilterType::Vocal, 440.0f, 0.0f);
    VoiceFilter away = at;
    EXPECT_GT(sinePeak(at, 650.0f), 3.0f * sinePeak(away, 5000.0f));
    // An octave up in cutoff moves the formant an octave up.
    VoiceFilter moved = makeFilter(VoiceFilterType::Vocal, 880.0f, 0.0f);
    VoiceFilter old = moved;
    EXPECT_GT(sinePeak(moved, 1300.0f), 1.5f * sinePeak(old, 650.0f));
}

TEST(VoiceFilterStateVariable, OutputsMatchTheirNames)
{
    const float cutoff = 1000.0f;
    VoiceFilter lp = makeFilter(VoiceFilterType::LowPass, cutoff, 0.0f);
    VoiceFilter lpHigh = lp;
    EXPECT_NEAR(sinePeak(lp, 50.0f), dsp::kSqrt2 * 0.5f, 0.02f);
    EXPECT_LT(sinePeak(lpHigh, 10000.0f), 0.05f);

    VoiceFilter hp = makeFilter(VoiceFilterType::HighPass, cutoff, 0.0f);
    VoiceFilter hpLow = hp;
    EXPECT_NEAR(sinePeak(hp, 15000.0f), dsp::kSqrt2 * 0.5f, 0.1f);
    EXPECT_LT(sinePeak(hpLow, 50.0f), 0.05f);

    VoiceFilter bp = makeFilter(VoiceFilterType::BandPass, cutoff, 0.5f);
    VoiceFilter bpLow = bp;
    EXPECT_GT(sinePeak(bp, 1000.0f), 4.0f * sinePeak(bpLow, 50.0f));
}

TEST(VoiceFilterStateVariable, CutoffsBelowAboutOneHundredHertzAllActAsOne)
{
    VoiceFilter a = makeFilter(VoiceFilterType::LowPass, 20.0f, 0.3f);
    VoiceFilter b = makeFilter(VoiceFilterType::LowPass, 90.0f, 0.3f);
    for (int i = 0; i < 1000; ++i) {
        const float x = std::sin(0.01f * float(i));
        EXPECT_EQ(a.process(x), b.process(x));
    }
}

TEST(VoiceFilterTypeChange, ClearsCombMemoryAndStates)
{
    VoiceFilter f = makeFilter(VoiceFilterType::Comb, 441.0f, 0.9f);
    f.process(1.0f);
    f.setType(static_cast<std::uint32_t>(VoiceFilterType::LowPass));
    f.setType(static_cast<std::uint32_t>(VoiceFilterType::Comb));
    f.setParameters(441.0f, 0.9f, 1.0f);
    for (int i = 0; i < 300; ++i)
        EXPECT_NEAR(f.process(0.0f), 0.0f, 1e-9f);
}

TEST(VoiceFilterTypeChange, SettingTheSameTypeKeepsTheStates)
{
    VoiceFilter f = makeFilter(VoiceFilterType::Comb, 441.0f, 0.5f);
    f.process(1.0f);
    f.setType(static_cast<std::uint32_t>(VoiceFilterType::Comb));
    float echo = 0.0f;
    for (int i = 1; i <= 100; ++i)
        echo = f.process(0.0f);
    EXPECT_NEAR(echo, 0.8409f, 1e-4f);
}

TEST(VoiceFilterBlocks, BlockProcessingMatchesSampleProcessing)
{
    for (std::uint32_t t = 0; t <= 6; ++t) {
        VoiceFilter a;
        a.init(kRate);
        a.setType(t);
        a.setParametersStereo(700.0f, 900.0f, 0.6f, 1.0f, 1.5f);
        VoiceFilter b = a;
        float left[16], right[16], expectedLeft[16], expectedRight[16];
        for (int i = 0; i < 16; ++i) {
            left[i] = expectedLeft[i] = std::sin(0.3f * float(i));
            right[i] = expectedRight[i] = std::cos(0.2f * float(i));
        }
        for (int i = 0; i < 16; ++i)
            a.processStereo(expectedLeft[i], expectedRight[i]);
        b.processStereo(left, right, 16);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(left[i], expectedLeft[i]) << "type " << t;
            EXPECT_EQ(right[i], expectedRight[i]) << "type " << t;
        }
        float mono[16], expectedMono[16];
        for (int i = 0; i < 16; ++i)
            mono[i] = std::sin(0.7f * float(i));
        VoiceFilter c = a;
        for (int i = 0; i < 16; ++i)
            expectedMono[i] = a.process(mono[i]);
        c.process(mono, 16);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(mono[i], expectedMono[i]) << "type " << t;
    }
}

TEST(VoiceFilterStability, NoParameterAndNoFiniteInputMakesNanOrInf)
{
    const float cutoffs[] = {-500.0f, 0.0f, 20.0f, 200.0f, 2000.0f, 8000.0f, 20000.0f, 100000.0f};
    const float resonances[] = {-1.0f, 0.0f, 0.3f, 0.7f, 0.95f, 1.0f, 1.5f, 10.0f};
    const float amplitudes[] = {1.0f, 100.0f, 1.0e30f};
    for (std::uint32_t t = 0; t <= 7; ++t)
        for (float cutoff : cutoffs)
            for (float res : resonances)
                for (float amp : amplitudes) {
                    VoiceFilter f;
                    f.init(kRate);
                    f.setType(t);
                    f.setParametersStereo(cutoff, cutoff * 0.5f, res, 1.0f, 1.0f);
                    bool finite = true;
                    for (int i = 0; i < 4000 && finite; ++i) {
                        const float x = i < 3000 ? ((i / 7) % 2 ? amp : -amp)
                                                 : std::numeric_limits<float>::max() * ((i / 3) % 2 ? 1 : -1);
                        float left = x, right = -x;
                        f.processStereo(left, right);
                        finite = std::isfinite(left) && std::isfinite(right) && std::isfinite(f.process(x));
                    }
                    EXPECT_TRUE(finite) << "type " << t << " cutoff " << cutoff << " res " << res << " amp " << amp;
                }
}

} // namespace
