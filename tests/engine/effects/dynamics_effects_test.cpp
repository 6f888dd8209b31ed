#include "engine/effects/effect_types.h"
#include "tests/engine/effects/master_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using kravo::test::MasterSection;
using kravo::test::slotControls;
namespace type = effects::type;

// Slot 0 wet only, centred, with the given type and parameters.
MasterSection wetSlot(int t, std::initializer_list<float> parameters)
{
    MasterSection section;
    section.configure(0, t, slotControls(0.5f, 1.0f, parameters));
    return section;
}

float wave(int i) { return 0.7f * std::sin(0.05f * static_cast<float>(i)) + 0.2f * std::sin(0.31f * static_cast<float>(i)); }

TEST(DynamicsEffects, RingModAtAmountZeroAndAutoPanAtAmountZeroLeaveTheSignalAlone)
{
    struct Case {
        int type;
        float first; // waveform or amount
        float second;
    };
    for (const Case& c : {Case{type::kRingMod, 0.1f, 0.8f}, Case{type::kRingMod, 0.3f, 0.2f}, Case{type::kRingMod, 0.5f, 0.5f},
                          Case{type::kRingMod, 0.7f, 1.0f}, Case{type::kAutoPan, 0.0f, 0.9f}}) {
        // Ring-Mod: waveform, frequency, amount 0; AutoPan: amount 0, speed.
        MasterSection section = wetSlot(c.type, {c.first, c.second, 0.0f});
        for (int i = 0; i < 3000; ++i) {
            const effects::StereoPair out = section.step(0, wave(i), -0.5f * wave(i + 3));
            ASSERT_NEAR(out.left, wave(i), 1e-6f) << c.type << " " << c.first << " at " << i;
            ASSERT_NEAR(out.right, -0.5f * wave(i + 3), 1e-6f) << c.type << " " << c.first << " at " << i;
        }
    }
    // The channel product keeps each side's sign.
    MasterSection product = wetSlot(type::kRingMod, {0.9f, 0.5f, 0.0f});
    const effects::StereoPair out = product.step(0, 0.5f, -0.4f);
    EXPECT_NEAR(out.left, -0.2f, 1e-6f);
    EXPECT_NEAR(out.right, 0.2f, 1e-6f);
}

// "Threshold" 0.5 is -20 dB; attack and release at their fastest, "Volume" at 0 dB.
TEST(DynamicsEffects, CompressorLagsByItsLookAheadAndHoldsTheLevelToTheThresholdByItsRatio)
{
    for (const float ratio : {1.0f, 0.0f}) {
        MasterSection section = wetSlot(type::kCompressor, {0.5f, ratio, 0.0f, 0.0f, 0.5f});
        int first = -1;
        float settled = 0.0f;
        for (int i = 0; i < 8000; ++i) {
            const float out = section.step(0, 0.5f, 0.5f).left;
            if (first < 0 && std::fabs(out) > 1e-6f)
                first = i;
            settled = out;
        }
        EXPECT_EQ(first, 256);
        // Slope 1 holds a steady level at the threshold; slope 1/128 barely touches it.
        EXPECT_NEAR(settled, ratio == 1.0f ? 0.1f : 0.5f * std::pow(0.2f, 1.0f / 128.0f), 1e-3f) << ratio;
    }
}

TEST(DynamicsEffects, LowFiAtOneBitQuantisesInHalvesTowardZero)
{
    // "Bits" 1, no sample hold, the low-pass fully open; constant inputs settle
    // to their step, which the low-pass passes at +3 dB.
    const float half = 0.5f * std::numbers::sqrt2_v<float>;
    for (const auto& [in, expected] :
         {std::pair{0.6f, half}, {0.9f, half}, {0.4f, 0.0f}, {-0.45f, 0.0f}, {-0.7f, -half}, {1.0f, 2.0f * half}}) {
        MasterSection section = wetSlot(type::kLowFi, {1.0f, 0.0f, 1.0f, 0.5f});
        effects::StereoPair out;
        for (int i = 0; i < 4000; ++i)
            out = section.step(0, in, in);
        EXPECT_NEAR(out.left, expected, 2e-3f) << in;
        EXPECT_NEAR(out.right, expected, 2e-3f) << in;
    }
}

// At middle gains each band is 0 dB, and at a band's centre its neighbours
// add little: the sum stays within about a decibel of unity there.
TEST(DynamicsEffects, EqualizerAtMiddleGainsIsNearUnityAtItsBandCentres)
{
    for (const double hz : {60.0, 200.0, 600.0, 2000.0, 8000.0}) {
        MasterSection section = wetSlot(type::kEqualizer, {0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
        const double step = 2.0 * std::numbers::pi * hz / 44100.0;
        float peak = 0.0f;
        for (int i = 0; i < 44100; ++i) {
            const auto x = static_cast<float>(0.5 * std::sin(step * i));
            const float out = section.step(0, x, x).left;
            if (i > 22050)
                peak = std::fmax(peak, std::fabs(out));
        }
        EXPECT_NEAR(peak / 0.5f, 1.0f, 0.14f) << hz << " Hz";
    }
}

// "Speed" 1 step per sixteenth, hardly any smoothing, locked to whole host
// steps; the first pattern opens step 3 only, the second stays closed.
TEST(DynamicsEffects, GatorLockedToTheHostOpensOnThePatternsStepsAndWrapsEverySixteen)
{
    const float oneStepPerSixteenth = 17.5f / 34.99f;
    const float stepThreeOnly = 8.5f / 65535.8984375f;
    MasterSection section = wetSlot(type::kGator, {oneStepPerSixteenth, 0.0f, 0.0f, 0.5f, stepThreeOnly, 0.0f});
    for (const auto& [quarterNotes, open] : {std::pair{0.75f, true}, {0.5f, false}, {4.8f, true}, {5.0f, false}}) {
        section.clock.hostQuarterNotes = quarterNotes;
        effects::StereoPair out;
        for (int i = 0; i < 200; ++i)
            out = section.step(0, 0.5f, 0.5f);
        EXPECT_NEAR(out.left, open ? 0.5f : 0.0f, 1e-3f) << quarterNotes;
        EXPECT_NEAR(out.right, 0.0f, 1e-3f) << quarterNotes;
    }
}

// "Threshold" -20 dB, fastest attack, hold and decay: each side opens on its own level.
TEST(DynamicsEffects, NoiseGateOpensEachSideOnItsOwnLevel)
{
    MasterSection section = wetSlot(type::kNoiseGate, {0.5f, 0.0f, 0.0f, 0.0f});
    effects::StereoPair out;
    for (int i = 0; i < 2000; ++i)
        out = section.step(0, 0.5f, 0.05f);
    EXPECT_NEAR(out.left, 0.5f, 1e-4f);
    EXPECT_NEAR(out.right, 0.0f, 1e-6f);
}

} // namespace
