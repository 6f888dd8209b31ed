#include "engine/distortion/voice_distortion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <vector>

namespace {

using dsp::DistortionKind;
using dsp::VoiceDistortion;

constexpr float kRate = 44100.0f;
constexpr float kDcCoefficient = 60.0f / kRate;

// The engine's one-cycle tables, built the way the engine builds them.
struct Tables {
    std::vector<float> sine = std::vector<float>(65536);
    std::vector<float> cosine = std::vector<float>(65536);
    Tables()
    {
        for (int i = 0; i < 65536; ++i) {
            const float x = 2.0f * 3.1415925f * float(i) / 65536.0f;
            sine[i] = std::sin(x);
            cosine[i] = std::cos(x);
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

VoiceDistortion makeStage(DistortionKind kind, float a, float b)
{
    VoiceDistortion d;
    d.init(kRate, tables().sine.data(), tables().cosine.data());
    d.start(static_cast<std::uint32_t>(kind));
    d.prepare(a, b);
    return d;
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(DistortionNone, LeavesTheSignalBitIdentical)
{
    VoiceDistortion d = makeStage(DistortionKind::None, 0.7f, 0.3f);
    for (float x : {0.0f, -0.0f, 1e-40f, -1e-45f, 0.3f, -1.0f, 12.5f, 1e30f, std::numeric_limits<float>::max()})
        EXPECT_TRUE(sameBits(d.process(x), x)) << x;
    float left = -0.0f, right = 1e-39f;
    d.processStereo(left, right);
    EXPECT_TRUE(sameBits(left, -0.0f));
    EXPECT_TRUE(sameBits(right, 1e-39f));
}

TEST(DistortionKinds, AboveTheListPassThrough)
{
    for (std::uint32_t kind : {20u, 33u, 49u}) {
        VoiceDistortion d;
        d.init(kRate, tables().sine.data(), tables().cosine.data());
        d.start(kind);
        d.prepare(1.0f, 1.0f);
        for (float x : {-0.8f, 0.0f, 0.45f})
            EXPECT_NEAR(d.process(x), x, 1e-14f) << "kind " << kind;
    }
}

TEST(DistortionKinds, DcBlockerServesTheShapersThatLeaveAnOffset)
{
    const std::set<std::uint32_t> blocked = {2, 4, 5, 6, 9, 11, 12, 13, 14};
    for (std::uint32_t kind = 0; kind < 50; ++kind)
        EXPECT_EQ(dsp::distortionNeedsDcBlock(kind), blocked.count(kind) == 1) << "kind " << kind;
}

TEST(DistortionPreparation, TurnsTheAmountsIntoShaperConstants)
{
    float p = 0.0f, q = 0.0f;
    dsp::prepareDistortion(std::uint32_t(DistortionKind::Bits), 0.0f, 0.0f, p, q);
    EXPECT_EQ(p, 131072.0f);
    dsp::prepareDistortion(std::uint32_t(DistortionKind::HardLimit), 1.0f, 0.5f, p, q);
    EXPECT_FLOAT_EQ(p, 1.0f / 64.0f);
    EXPECT_FLOAT_EQ(q, 0.5f * 64.0f + 0.5f);
    dsp::prepareDistortion(std::uint32_t(DistortionKind::Transient), 1.0f, 0.25f, p, q);
    EXPECT_FLOAT_EQ(p, 0.97f);
    EXPECT_FLOAT_EQ(q, 0.75f);
}

TEST(DistortionPreparation, SoftLimitAndUnknownKindsLeaveTheOtherConstantAlone)
{
    float p = 5.0f, q = 7.0f;
    dsp::prepareDistortion(std::uint32_t(DistortionKind::SoftLimit), 0.4f, 0.9f, p, q);
    EXPECT_EQ(p, 0.4f);
    EXPECT_EQ(q, 7.0f);
    dsp::prepareDistortion(25u, 0.4f, 0.9f, p, q);
    EXPECT_EQ(p, 0.4f);
    EXPECT_EQ(q, 7.0f);
}

TEST(DistortionBits, FullAmountLeavesThreeLevelsAndMixesFully)
{
    VoiceDistortion d = makeStage(DistortionKind::Bits, 1.0f, 0.0f);
    EXPECT_EQ(d.p(), 2.0f);
    std::set<float> levels;
    for (int i = 0; i < 200; ++i)
        levels.insert(std::round(d.process(0.99f * std::sin(0.1f * float(i))) * 1e6f) / 1e6f);
    EXPECT_EQ(levels, (std::set<float>{-0.5f, 0.0f, 0.5f}));
}

TEST(DistortionBits, MixEqualsTheFirstAmount)
{
    VoiceDistortion d = makeStage(DistortionKind::Bits, 0.25f, 0.0f);
    const float p = d.p();
    const float x = 0.3f;
    EXPECT_NEAR(d.process(x), 0.25f * std::trunc(x * p) / p + 0.75f * x, 1e-7f);
}

TEST(DistortionBits, NoAmountQuantisesInaudibly)
{
    VoiceDistortion d = makeStage(DistortionKind::Bits, 0.0f, 0.0f);
    const float x = 0.123456f;
    EXPECT_NEAR(d.process(x), x, 1.0f / 131072.0f);
}

TEST(DistortionClipper, NoAmountsLimitToFullScale)
{
    // The first sample shows the shaped value before the DC blocker has moved.
    VoiceDistortion up = makeStage(DistortionKind::Clipper, 0.0f, 0.0f);
    EXPECT_NEAR(up.process(3.0f), 1.0f - kDcCoefficient, 1e-6f);
    VoiceDistortion down = makeStage(DistortionKind::Clipper, 0.0f, 0.0f);
    EXPECT_NEAR(down.process(-3.0f), -1.0f + kDcCoefficient, 1e-6f);
    VoiceDistortion inside = makeStage(DistortionKind::Clipper, 0.0f, 0.0f);
    EXPECT_NEAR(inside.process(0.5f), 0.5f * (1.0f - kDcCoefficient), 1e-6f);
}

TEST(DistortionClipper, FullFirstAmountLimitsTheNegativeSideAtOneSixtyFourth)
{
    VoiceDistortion d = makeStage(DistortionKind::Clipper, 1.0f, 0.0f);
    EXPECT_NEAR(d.process(-0.8f), -(1.0f / 64.0f) * (1.0f - kDcCoefficient), 1e-7f);
    VoiceDistortion e = makeStage(DistortionKind::Clipper, 0.0f, 1.0f);
    EXPECT_NEAR(e.process(0.8f), (1.0f / 64.0f) * (1.0f - kDcCoefficient), 1e-7f);
}

TEST(DistortionSampleAndHold, NoAmountPassesEverySample)
{
    VoiceDistortion d = makeStage(DistortionKind::SampleAndHold, 0.0f, 1.0f);
    for (int i = 0; i < 50; ++i)
        EXPECT_NEAR(d.process(float(i) * 0.01f), float(i) * 0.01f, 1e-7f);
}

TEST(DistortionSampleAndHold, FullAmountHoldsEach1024Samples)
{
    VoiceDistortion d = makeStage(DistortionKind::SampleAndHold, 1.0f, 1.0f);
    std::vector<int> changes;
    float last = d.process(0.0f);
    for (int i = 1; i < 4096; ++i) {
        const float y = d.process(float(i) / 4096.0f);
        if (y != last)
            changes.push_back(i);
        last = y;
    }
    EXPECT_EQ(changes, (std::vector<int>{1023, 2047, 3071, 4095}));
}

TEST(DistortionSampleAndHold, StereoChannelsAreSampledTogether)
{
    VoiceDistortion d = makeStage(DistortionKind::SampleAndHold, 0.3f, 1.0f); // every 2^3 = 8 samples
    float heldLeft = 0.0f, heldRight = 0.0f;
    for (int i = 0; i < 64; ++i) {
        float left = float(i), right = -float(i);
        d.processStereo(left, right);
        if (i % 8 == 7) {
            heldLeft = float(i);
            heldRight = -float(i);
        }
        EXPECT_NEAR(left, heldLeft, 1e-6f) << i;
        EXPECT_NEAR(right, heldRight, 1e-6f) << i;
    }
}

TEST(DistortionRectify, DcBlockerSettlesToZeroMean)
{
    VoiceDistortion d = makeStage(DistortionKind::Rectify, 1.0f, 1.0f);
    float y = 1.0f;
    for (int i = 0; i < int(kRate); ++i)
        y = d.process(0.5f);
    // Single-precision state: the blocker comes to rest within -80 dB.
    EXPECT_NEAR(y, 0.0f, 1e-4f);

    // A full-wave rectified sine keeps no DC after a second.
    VoiceDistortion s = makeStage(DistortionKind::Rectify, 1.0f, 1.0f);
    const int period = 441;
    for (int i = 0; i < int(kRate); ++i)
        s.process(0.8f * std::sin(2.0f * float(M_PI) * float(i) / float(period)));
    double sum = 0.0;
    for (int i = 0; i < period; ++i)
        sum += s.process(0.8f * std::sin(2.0f * float(M_PI) * float(i) / float(period)));
    EXPECT_NEAR(sum / period, 0.0, 1e-3);
}

TEST(DistortionRectify, NoAmountLeavesTheNegativeHalfAlone)
{
    VoiceDistortion d = makeStage(DistortionKind::Rectify, 0.0f, 1.0f);
    EXPECT_NEAR(d.process(-0.5f), -0.5f * (1.0f - kDcCoefficient), 1e-7f);
}

TEST(DistortionPower, TinyAmountPassesTheInputIntoTheMix)
{
    VoiceDistortion d = makeStage(DistortionKind::Power, 0.0001f, 1.0f);
    float dc = 0.0f;
    for (int i = 0; i < 100; ++i) {
        const float x = std::sin(0.2f * float(i));
        dc = (1.0f - kDcCoefficient) * dc + kDcCoefficient * x + 1e-15f;
        EXPECT_NEAR(d.process(x), x - dc, 1e-6f);
    }
}

TEST(DistortionTransient, KeepsOnlyMagnitudesBetweenPAndTwiceP)
{
    VoiceDistortion d = makeStage(DistortionKind::Transient, 0.5f, 0.0f); // p = 0.51, q = 1
    EXPECT_NEAR(d.process(0.3f), 0.0f, 1e-12f);
    EXPECT_NEAR(d.process(1.1f), 0.0f, 1e-12f);
    EXPECT_NEAR(d.process(0.51f), 1.0f, 1e-6f);
    EXPECT_NEAR(d.process(-0.765f), -0.5f, 1e-6f);
}

TEST(DistortionShapers, SoftLimitStaysWithinFullScale)
{
    VoiceDistortion soft = makeStage(DistortionKind::SoftLimit, 1.0f, 0.0f);
    for (float x : {-8.0f, -1.0f, 0.2f, 1.0f, 50.0f})
        EXPECT_LE(std::fabs(soft.process(x)), 1.0f + 1e-6f) << x;
    EXPECT_NEAR(soft.process(-0.5f), -0.625f, 1e-6f);
}

TEST(DistortionShapers, CosReadsTheTableAtHalfACyclePerUnit)
{
    VoiceDistortion d = makeStage(DistortionKind::Cos, 0.2f, 1.0f); // p = 2^1 - 1 = 1
    EXPECT_NEAR(d.process(0.5f), std::cos(float(M_PI) * 0.5f) * 0.5f, 1e-3f);
    EXPECT_NEAR(d.process(-1.0f), std::cos(float(M_PI)) * -1.0f, 1e-3f);
}

TEST(DistortionBlocks, BlockAndStereoProcessingMatchMonoSamples)
{
    for (std::uint32_t kind = 0; kind <= 20; ++kind) {
        VoiceDistortion a;
        a.init(kRate, tables().sine.data(), tables().cosine.data());
        a.start(kind);
        a.prepare(0.6f, 0.4f);
        VoiceDistortion b = a;
        VoiceDistortion c = a;
        float block[16], expected[16], right[16];
        for (int i = 0; i < 16; ++i)
            block[i] = right[i] = 0.9f * std::sin(0.7f * float(i));
        for (int i = 0; i < 16; ++i)
            expected[i] = a.process(block[i]);
        b.process(block, 16);
        float left[16];
        std::memcpy(left, right, sizeof left);
        c.processStereo(left, right, 16);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(block[i], expected[i]) << "kind " << kind;
            EXPECT_EQ(left[i], expected[i]) << "kind " << kind;
            EXPECT_EQ(right[i], expected[i]) << "kind " << kind;
        }
    }
}

TEST(DistortionStability, NoAmountsInRangeAndNoFiniteInputMakeNanOrInf)
{
    const float amounts[] = {0.0f, 0.0001f, 0.1f, 0.5f, 0.9f, 1.0f};
    const float inputs[] = {0.0f,  1e-38f, -1e-38f, 0.5f,   -0.999f, 1.0f,  -1.0f,
                            3.0f,  -47.0f, 1e4f,    -1e12f, 1e30f,   std::numeric_limits<float>::max(),
                            -std::numeric_limits<float>::max()};
    for (std::uint32_t kind = 0; kind < 50; ++kind)
        for (float a : amounts)
            for (float b : amounts) {
                VoiceDistortion d;
                d.init(kRate, tables().sine.data(), tables().cosine.data());
                d.start(kind);
                d.prepare(a, b);
                bool finite = true;
                for (int round = 0; round < 3; ++round)
                    for (float x : inputs) {
                        float left = x, right = -x;
                        d.processStereo(left, right);
                        finite = finite && (kind == 0 || std::isfinite(d.process(x))) && std::isfinite(left)
                                 && std::isfinite(right);
                    }
                EXPECT_TRUE(finite) << "kind " << kind << " a " << a << " b " << b;
            }
}

} // namespace
