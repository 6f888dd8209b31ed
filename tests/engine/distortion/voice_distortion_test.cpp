#include "engine/distortion/voice_distortion.h"

#include "engine/tables/sine_tables.h"
#include "tests/engine/dsp_test_support.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using dsp::DistortionKind;
using dsp::VoiceDistortion;
using kravo::test::kTestRate;

constexpr float kPi = std::numbers::pi_v<float>;

VoiceDistortion makeStage(DistortionKind kind, float a, float b)
{
    VoiceDistortion d;
    d.init(kTestRate, tables::sineTables().sine, tables::sineTables().cosine);
    d.start(static_cast<std::uint32_t>(kind));
    d.prepare(a, b);
    return d;
}

// A DC-blocked shaper's first output from rest: the 60 Hz blocker's first step toward the shaped value s.
float blocked(float s) { return s * (1.0f - 60.0f / kTestRate); }

TEST(DistortionKinds, EachShaperFollowsItsFormula)
{
    using K = DistortionKind;
    // Kind, amounts a and b, inputs and outputs worked by hand from the kind's p(a), q(b), shape and mix.
    const std::tuple<K, float, float, std::vector<std::pair<float, float>>> cases[] = {
        {K::None, 0.7f, 0.3f, {{-0.0f, -0.0f}, {1e-40f, 1e-40f}, {-1e-45f, -1e-45f}, {1e30f, 1e30f}}}, // bit for bit
        {K::Bits, 1.0f, 0.0f, {{0.7f, 0.5f}, {-0.99f, -0.5f}, {0.3f, 0.0f}}}, // three levels, fully wet
        {K::Bits, 0.25f, 0.0f, {{0.3f, 0.25f * 153.0f / 512.0f + 0.225f}, {-0.7f, 0.25f * -358.0f / 512.0f - 0.525f}}},
        {K::Clipper, 1.0f, 1.0f, {{-0.8f, blocked(-0.015625f)}, {0.8f, blocked(0.015625f)}, {0.01f, blocked(0.01f)}}},
        {K::Cos, 0.4f, 0.5f, {{0.25f, 0.5f * 0.25f * std::cos(0.75f * kPi) + 0.125f}, {-0.5f, -0.25f}}},
        {K::Cross1, 1.0f, 1.0f, {{0.5f, blocked(0.3f)}, {-0.5f, blocked(-0.3f)}, {0.1f, blocked(-0.2f)}}},
        {K::Cross2, 1.0f, 0.0f, {{0.5f, 0.0f}, {0.975f, blocked(0.5f)}, {-0.5f, blocked(-0.48515625f / 0.98515625f)}}},
        {K::FoldOver, 0.5f, 1.0f, {{0.8f, blocked(2.0f - 0.8f / 0.505f)}, {-0.8f, blocked(0.8f / 0.505f - 2.0f)}}},
        {K::FoldOver, 0.5f, 1.0f, {{2.0f, blocked(2.0f / 0.505f - 4.0f)}, {3.0f, blocked(6.0f - 3.0f / 0.505f)}}},
        {K::Fuzz, 0.5f, 0.25f, {{0.25f, 0.71875f}, {0.125f, 0.984375f * 0.5f * std::sin(kPi / 4.0f) + 0.125f}}},
        {K::Gapper, 0.5f, 0.5f, {{0.1f, 0.1f}, {0.2f, 0.1f}, {-0.2f, -0.1f}, {0.4f, 0.4f}}},
        {K::HardLimit, 0.5f, 0.5f, {{0.05f, blocked(0.225f)}, {0.5f, blocked(0.5625f)}, {-0.5f, blocked(-0.5625f)}}},
        {K::OverDrive, 0.5f, 0.5f, {{0.5f, 0.5f * 3.75f / 4.25f + 0.25f}, {-0.5f, -0.5f * 3.75f / 4.25f - 0.25f}}},
        {K::Octave, 0.5f, 1.0f, {{0.25f, blocked(0.5f)}, {0.75f, blocked(0.5f)}, {-0.25f, blocked(-0.375f)}}},
        {K::Octave2, 0.25f, 1.0f, {{0.25f, blocked(0.5f)}, {0.9f, blocked(0.2f)}, {-0.75f, blocked(-0.5f)}}},
        {K::Power, 0.5f / 0.95f, 1.0f, {{0.5f, blocked(0.75f)}, {-0.25f, blocked(-0.5f)}}},
        {K::Rectify, 0.5f, 0.5f, {{-0.5f, -0.25f}, {0.3f, 0.5f * blocked(0.3f) + 0.15f}}},
        {K::Saturate, 0.5f, 0.5f, {{0.5f, 0.5f * 2.5f / 3.0f + 0.25f}, {-0.25f, -0.5f * 0.625f - 0.125f}}},
        {K::SoftLimit, 0.5f, 0.0f, {{0.5f, 0.5f * 0.625f + 0.25f}, {-0.5f, -0.5625f}, {1.5f, 0.5f + 0.75f}}},
        {K::Square, 1.0f, 0.5f, {{0.3f, 0.475f}, {-0.3f, -1.0f}, {0.0005f, 0.0f}}},
        {K::Transient, 0.5f, 0.5f, {{0.3f, 0.0f}, {1.1f, 0.0f}, {0.6f, 0.5f - 0.045f / 0.51f}, {-0.765f, -0.25f}}},
        {K::Power, 0.0001f, 1.0f, {{0.5f, blocked(0.5f)}}}, {K(49), 1.0f, 1.0f, {{0.45f, 0.45f}}}}; // past the list
    for (const auto& [kind, a, b, inputToOutput] : cases) {
        // The table kinds read one of 65536 entries, the nearest below the argument.
        const float tolerance = kind == K::Cos || kind == K::Fuzz ? 2e-4f : 1e-5f;
        for (const auto& [x, expected] : inputToOutput) {
            const float y = makeStage(kind, a, b).process(x);
            EXPECT_TRUE(kind == K::None ? std::bit_cast<std::uint32_t>(y) == std::bit_cast<std::uint32_t>(x)
                                        : std::fabs(y - expected) <= tolerance)
                << "kind " << std::uint32_t(kind) << " a " << a << " b " << b << " x " << x << ": " << y;
        }
    }
    // The blocker is a one-pole at 60 Hz: a constant shaped value s decays as s (1 - 60 Hz / rate)^n.
    VoiceDistortion d = makeStage(K::Rectify, 1.0f, 1.0f);
    for (int i = 1; i < 1000; ++i)
        d.process(0.5f);
    EXPECT_NEAR(d.process(0.5f), 0.5f * std::pow(1.0f - 60.0f / kTestRate, 1000.0f), 1e-4f);
    // Sample and hold takes a new value on each channel every 2^(10 a) samples.
    for (const auto& [a, period] : {std::pair{0.0f, 1}, {0.3f, 8}, {1.0f, 1024}}) {
        VoiceDistortion sampler = makeStage(K::SampleAndHold, a, 1.0f);
        for (int i = 0; i < 3 * period; ++i) {
            // Nothing is held before the counter first reaches the period.
            const float held = i + 1 < period ? 0.0f : float(i - (i + 1) % period);
            float left = float(i), right = -float(i);
            sampler.processStereo(left, right);
            ASSERT_TRUE(std::fabs(left - held) < 1e-6f && std::fabs(right + held) < 1e-6f) << a << ' ' << i;
        }
    }
}

TEST(DistortionRobustness, BlockFormsMatchTheSampleFormsAndNoFiniteInputMakesNanOrInf)
{
    const float amounts[] = {0.0f, 0.0001f, 0.1f, 0.5f, 0.9f, 1.0f};
    for (std::uint32_t kind = 0; kind < 50; ++kind)
        for (float a : amounts)
            for (float b : amounts) {
                SCOPED_TRACE(testing::Message() << "kind " << kind << " a " << a << " b " << b);
                kravo::test::expectRobust(makeStage(DistortionKind(kind), a, b));
            }
}

} // namespace
