#include "engine/filters/voice_filter.h"

#include "tests/engine/dsp_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace {

using dsp::VoiceFilter;
using dsp::VoiceFilterType;
using kravo::test::kTestRate;

VoiceFilter makeFilter(VoiceFilterType type, float cutoff, float resonance, float rightFactor = 1.0f)
{
    VoiceFilter f;
    f.init(kTestRate);
    f.setType(static_cast<std::uint32_t>(type));
    f.setParametersStereo(cutoff, cutoff, resonance, 1.0f, rightFactor);
    return f;
}

TEST(VoiceFilterComb, EchoesAfterTheRateOverTheCutoffOnEachChannelWithinTenUntilTheTypeChanges)
{
    // The delay in 1/256 samples: the cutoff stops at a fifth of the rate, the delay just under 8192 samples.
    for (const auto& [cutoff, delay] : {std::pair{0.0f, 2097150u}, {30000.0f, 1279u}})
        EXPECT_EQ(makeFilter(VoiceFilterType::Comb, cutoff, 0.5f).combDelay(), delay) << cutoff;
    VoiceFilter f = makeFilter(VoiceFilterType::Comb, 441.0f, 0.5f, 2.0f);
    for (int i = 0; i <= 200; ++i) {
        float left = i == 0 ? 1.0f : 0.0f, right = left;
        f.processStereo(left, right);
        EXPECT_NEAR(left, i % 100 ? 0.0f : std::pow(0.5f, 0.25f * float(i / 100)), 1e-6f) << "sample " << i;
        EXPECT_NEAR(right, i % 50 ? 0.0f : std::pow(0.5f, 0.25f * float(i / 50)), 1e-6f) << "sample " << i;
    }
    // Setting the type it has keeps the echoes; another type in between clears them.
    for (const auto via : {VoiceFilterType::Comb, VoiceFilterType::LowPass}) {
        VoiceFilter g = f;
        g.setType(static_cast<std::uint32_t>(via));
        g.setType(static_cast<std::uint32_t>(VoiceFilterType::Comb));
        for (int i = 201; i < 300; ++i)
            g.process(0.0f);
        EXPECT_NEAR(g.process(0.0f), via == VoiceFilterType::Comb ? std::pow(0.5f, 0.75f) : 0.0f, 1e-6f);
    }
    // Resonance beyond 1 acts as 1: full feedback, held within +-10.
    VoiceFilter full = makeFilter(VoiceFilterType::Comb, 2000.0f, 3.0f);
    EXPECT_EQ(full.combFeedback(), 1.0f);
    EXPECT_EQ(kravo::test::sinePeak(full, 20.0, 0.9f), 10.0f);
}

TEST(VoiceFilterPasses, OutputsMatchTheirNamesTheResonanceIsHeldToTheUnitRangeAndWalksThroughTheVowels)
{
    using T = VoiceFilterType;
    VoiceFilter off = makeFilter(T::Off, 1000.0f, 0.5f);
    EXPECT_FALSE(off.isOn());
    for (float x : {1e-40f, 0.37f, -5.0f, 1e30f}) {
        float left = x, right = -x;
        off.processStereo(left, right);
        EXPECT_TRUE(off.process(x) == x && left == x && right == -x) << x;
    }
    // Damping 1 - 0.99 r.
    EXPECT_NEAR(makeFilter(T::LowPass, 1000.0f, 1.8f).damping(), 0.01f, 1e-6f);
    EXPECT_NEAR(makeFilter(T::LowPass, 1000.0f, -0.6f).damping(), 1.0f, 1e-6f);
    const auto peak = [](T type, float cutoff, double hz, float resonance = 0.0f) {
        return kravo::test::sinePeak(makeFilter(type, cutoff, resonance), hz);
    };
    const float passed = std::numbers::sqrt2_v<float> * 0.5f;
    EXPECT_NEAR(peak(T::LowPass, 1000.0f, 50.0), passed, 0.02f);
    EXPECT_LT(peak(T::LowPass, 1000.0f, 10000.0), 0.05f);
    EXPECT_NEAR(peak(T::HighPass, 1000.0f, 15000.0), passed, 0.1f);
    EXPECT_LT(peak(T::HighPass, 1000.0f, 50.0), 0.05f);
    EXPECT_GT(peak(T::BandPass, 1000.0f, 1000.0, 0.5f), 4.0f * peak(T::BandPass, 1000.0f, 50.0, 0.5f));
    // Vowel 0 has its first formant at 650 Hz, nothing near 5 kHz; an octave up in cutoff moves it an octave up.
    EXPECT_GT(peak(T::Vocal, 440.0f, 650.0), 3.0f * peak(T::Vocal, 440.0f, 5000.0));
    EXPECT_GT(peak(T::Vocal, 880.0f, 1300.0), 1.5f * peak(T::Vocal, 880.0f, 650.0));
    // Resonance, the two vowels its position blends and the second one's share:
    // 0.9 blends vowel 4 into vowel 0 and full resonance wraps round to vowel 0.
    const auto& table = dsp::kFormantFrequencies;
    for (const auto& [resonance, from, to, share] :
         {std::tuple{0.0f, 0, 0, 0.0f}, {0.5f, 2, 3, 0.495f}, {0.9f, 4, 0, 0.491f}, {1.0f, 0, 0, 0.0f}})
        for (int j = 0; j < dsp::kFormantCount; ++j)
            EXPECT_NEAR(dsp::vowelFormantFrequency(resonance * dsp::kVowelSpan, j),
                        share * table[to][j] + (1.0f - share) * table[from][j], 0.01f)
                << resonance << " formant " << j;
    // Cutoffs below about a hundred hertz all act as one (the halved 50 Hz floor).
    EXPECT_EQ(peak(T::LowPass, 20.0f, 30.0, 0.3f), peak(T::LowPass, 90.0f, 30.0, 0.3f));
}

TEST(VoiceFilterRobustness, BlockFormsMatchTheSampleFormsAndNoFiniteInputMakesNanOrInf)
{
    const float cutoffs[] = {-500.0f, 0.0f, 20.0f, 200.0f, 2000.0f, 8000.0f, 20000.0f, 100000.0f};
    const float resonances[] = {-1.0f, 0.0f, 0.3f, 0.7f, 0.95f, 1.0f, 1.5f, 10.0f};
    for (std::uint32_t t = 0; t <= 7; ++t)
        for (float cutoff : cutoffs)
            for (float res : resonances) {
                SCOPED_TRACE(testing::Message() << "type " << t << " cutoff " << cutoff << " res " << res);
                kravo::test::expectRobust(makeFilter(static_cast<VoiceFilterType>(t), cutoff, res));
            }
}

} // namespace
