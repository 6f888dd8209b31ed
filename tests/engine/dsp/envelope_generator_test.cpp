#include "engine/dsp/envelope_generator.h"

#include "engine/dsp/ad_envelope.h"
#include "engine/dsp/ahd_envelope.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/decay_rise_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <tuple>
#include <utility>

namespace {

constexpr float kSampleRate = 44100.0f;

// How the tests drive each envelope as its owners do: its block update, the
// value its owners read, and all its timed stages set at once.
struct Ad {
    using Envelope = dsp::AdEnvelope;
    static constexpr int kStages = 2;
    static void process(Envelope& e) { e.process(); }
    static float read(const Envelope& e) { return e.output(); }
    static void setTimeScales(Envelope& e, float ms) { e.setAttackTimeScale(ms); e.setDecayTimeScale(ms); }
    static void setStages(Envelope& e, float x, float f) { e.setAttack(x, 0.0f, f); e.setDecay(x, 0.0f, f); }
};

struct Ahd {
    using Envelope = dsp::AhdEnvelope;
    static constexpr int kStages = 3;
    static void process(Envelope& e) { e.process(); }
    static float read(const Envelope& e) { return e.curvedOutput(); }
    static void setTimeScales(Envelope& e, float ms)
    {
        e.setAttackTimeScale(ms);
        e.setHoldTimeScale(ms);
        e.setDecayTimeScale(ms);
    }
    static void setStages(Envelope& e, float x, float f) { e.setStages(x, x, x, 0.0f, 0.0f, 0.0f, f, f, f); }
};

struct DecayLinear {
    using Envelope = dsp::DecayEnvelope;
    static constexpr int kStages = 1;
    static void process(Envelope& e) { e.processLinear(); }
    static float read(const Envelope& e) { return e.level(); }
    static void setTimeScales(Envelope& e, float ms) { e.setTimeScale(ms); }
    static void setStages(Envelope& e, float x, float f) { e.setDecay(x, 0.0f, f); }
};

struct DecayCurved : DecayLinear {
    static void process(Envelope& e) { e.processCurved(); }
    static float read(const Envelope& e) { return e.output(); }
};

struct DecayRise {
    using Envelope = dsp::DecayRiseEnvelope;
    static constexpr int kStages = 2;
    static void process(Envelope& e) { e.process(); }
    static float read(const Envelope& e) { return e.output(); }
    static void setTimeScales(Envelope& e, float ms) { e.setDecayTimeScale(ms); e.setRiseTimeScale(ms); }
    static void setStages(Envelope& e, float x, float f) { e.setDecay(x, 0.0f, f); e.setRise(x, 0.0f, f); }
};

struct HoldDecay {
    using Envelope = dsp::HoldDecayEnvelope;
    static constexpr int kStages = 2;
    static void process(Envelope& e) { e.process(); }
    static float read(const Envelope& e) { return e.output(); }
    static void setTimeScales(Envelope& e, float ms) { e.setHoldTimeScale(ms); e.setDecayTimeScale(ms); }
    static void setStages(Envelope& e, float x, float f) { e.setHold(x, 0.0f, f); e.setDecay(x, 0.0f, f); }
};

// 16-sample blocks as the voices run them: process, then a step per sample.
template <class Drive>
void runBlocks(typename Drive::Envelope& env, int blocks = 1)
{
    for (int block = 0; block < blocks; ++block) {
        Drive::process(env);
        for (int i = 0; i < dsp::kEnvelopeBlockSize; ++i)
            env.step();
    }
}

// Bounded, so that an envelope that never ends fails instead of hanging.
template <class Drive>
int blocksUntilInactive(typename Drive::Envelope& env)
{
    int blocks = 0;
    for (; env.isActive() && blocks < (1 << 20); ++blocks)
        runBlocks<Drive>(env);
    return blocks;
}

TEST(Clamp01, LetsNanThrough)
{
    EXPECT_TRUE(std::isnan(dsp::clamp01(std::numeric_limits<float>::quiet_NaN())));
}

// Every stage of the family's envelopes lasts up to this long.
constexpr float kLongestMs = 1000.0f;

// A triggered envelope whose every stage has the same value.
template <class Drive>
typename Drive::Envelope started(float stageValue, float gain = 1.0f, float factor = 1.0f)
{
    typename Drive::Envelope env;
    env.init(kSampleRate);
    env.setGain(gain);
    Drive::setTimeScales(env, kLongestMs);
    Drive::setStages(env, stageValue, factor);
    env.trigger();
    return env;
}

template <class Drive>
class EnvelopeFamily : public testing::Test {};

using Drives = testing::Types<Ad, Ahd, DecayLinear, DecayCurved, DecayRise, HoldDecay>;
TYPED_TEST_SUITE(EnvelopeFamily, Drives);

TYPED_TEST(EnvelopeFamily, KillFadesFromFullLevelToSilenceInThirtyFourBlocks)
{
    auto env = started<TypeParam>(0.5f);
    while (env.level() < 0.995f)
        runBlocks<TypeParam>(env);
    env.kill();
    runBlocks<TypeParam>(env, 33);
    EXPECT_TRUE(env.isActive());
    EXPECT_GT(TypeParam::read(env), 0.0f);
    runBlocks<TypeParam>(env);
    EXPECT_FALSE(env.isActive());
    EXPECT_NEAR(TypeParam::read(env), 0.0f, 1e-6f);
}

TYPED_TEST(EnvelopeFamily, TriggerAfterResetAndKillRunsLikeAFreshEnvelope)
{
    auto used = started<TypeParam>(0.1f);
    auto fresh = used;
    runBlocks<TypeParam>(used, 10);
    used.kill();
    runBlocks<TypeParam>(used, 3);
    used.reset();
    EXPECT_FALSE(used.isActive());
    used.trigger();
    for (int block = 0; block < 100; ++block) {
        runBlocks<TypeParam>(used);
        runBlocks<TypeParam>(fresh);
        ASSERT_EQ(TypeParam::read(used), TypeParam::read(fresh)) << "block " << block;
    }
}

TYPED_TEST(EnvelopeFamily, QuadStepsLandWhereSingleStepsDo)
{
    auto single = started<TypeParam>(0.1f);
    auto quad = single;
    for (int block = 0; block < 40; ++block) {
        runBlocks<TypeParam>(single);
        TypeParam::process(quad);
        for (int i = 0; i < 4; ++i)
            quad.step4();
        EXPECT_NEAR(TypeParam::read(single), TypeParam::read(quad), 1e-6f) << "block " << block;
    }
}

TYPED_TEST(EnvelopeFamily, EachStageLastsItsLongestTimeToThePowerOfItsValueOverGainAndFactor)
{
    constexpr float kValue = 0.5f;
    const float blocksPerStage = std::pow(kLongestMs, kValue) / 1000.0f * kSampleRate / 16.0f;
    const auto blocks = [](float gain, float factor) {
        auto env = started<TypeParam>(kValue, gain, factor);
        return blocksUntilInactive<TypeParam>(env);
    };
    const int normal = blocks(1.0f, 1.0f);
    EXPECT_NEAR(normal, TypeParam::kStages * blocksPerStage, TypeParam::kStages + 2);
    const int halfGain = blocks(0.5f, 1.0f);
    EXPECT_NEAR(halfGain, 2 * normal, 2 * TypeParam::kStages);
    EXPECT_EQ(blocks(1.0f, 0.5f), halfGain);
}

TYPED_TEST(EnvelopeFamily, StageValuesOutsideTheUnitRangeActLikeItsEnds)
{
    for (const auto& [outside, end] : {std::pair{1.4f, 1.0f}, std::pair{-0.2f, 0.0f}}) {
        auto beyond = started<TypeParam>(outside);
        auto atEnd = started<TypeParam>(end);
        EXPECT_EQ(blocksUntilInactive<TypeParam>(beyond), blocksUntilInactive<TypeParam>(atEnd)) << outside;
    }
}

template <class Drive>
using DecayMinimum = EnvelopeFamily<Drive>;
using DecaysWithAMinimum = testing::Types<DecayLinear, DecayRise, HoldDecay>;
TYPED_TEST_SUITE(DecayMinimum, DecaysWithAMinimum);

TYPED_TEST(DecayMinimum, RaisesShorterDecaysAndLeavesLongerOnes)
{
    for (const auto& [value, mod, sameAs] : {std::tuple{0.1f, 0.0f, 0.4f}, std::tuple{0.1f, 0.5f, 0.6f}}) {
        auto limited = started<TypeParam>(0.0f);
        limited.setDecayMinimum(0.4f);
        limited.setDecay(value, mod, 1.0f);
        auto reference = started<TypeParam>(0.0f);
        reference.setDecay(sameAs, 0.0f, 1.0f);
        EXPECT_EQ(blocksUntilInactive<TypeParam>(limited), blocksUntilInactive<TypeParam>(reference)) << mod;
    }
}

TEST(AdEnvelope, AttackStaysLinearAndTheDecayFollowsTheCurve)
{
    dsp::AdEnvelope env = started<Ad>(0.5f);
    env.setCurve(0.0f, 2.0f);
    runBlocks<Ad>(env);
    EXPECT_EQ(env.output(), env.level());
    while (env.level() < 0.999f)
        runBlocks<Ad>(env);
    runBlocks<Ad>(env, 20);
    EXPECT_NEAR(env.output(), std::pow(env.level(), 4.0f), 1e-5f);
    env.setCurveExponent(1.0f);
    runBlocks<Ad>(env);
    EXPECT_NEAR(env.output(), env.level() * env.level(), 1e-5f);
}

TEST(AdEnvelope, WithoutAnAttackItIsFullAfterOneBlockAndKeepsAGainSetBeforeInit)
{
    dsp::AdEnvelope env;
    env.setGain(0.5f);
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    runBlocks<Ad>(env);
    EXPECT_EQ(env.level(), 1.0f);
    runBlocks<Ad>(env);
    const float fastestFall = dsp::rampIncrement(0.0f, dsp::kDefaultEnvelopeTimeScale, kSampleRate, 16.0f);
    EXPECT_NEAR(1.0f - env.level(), 0.5f * fastestFall, 1e-6f);
    // Five more blocks to fall to 0, then one standing there.
    EXPECT_EQ(blocksUntilInactive<Ad>(env), 6);
}

TEST(AhdEnvelope, AttackBelowOneThousandthStartsAtFullLevelInTheHold)
{
    for (const auto& [attack, mod, instant] :
         {std::tuple{0.0009f, 0.0f, true}, {0.001f, 0.0f, false}, {0.0f, 0.2f, false}}) {
        dsp::AhdEnvelope env = started<Ahd>(0.3f);
        env.setAttack(attack, mod, 1.0f);
        env.trigger();
        EXPECT_EQ(env.level() == 1.0f, instant) << attack << " + " << mod;
        runBlocks<Ahd>(env, 2);
        EXPECT_EQ(env.level() == 1.0f, instant) << attack << " + " << mod;
    }
}

TEST(AhdEnvelope, UnderTheSustainFlagAFullHoldLastsUntilReleaseAndAFullDecayStandsStill)
{
    for (const auto& [sustain, decay, afterRelease] :
         {std::tuple{false, 1.0f, 0.0f}, {true, 1.0f, 1.0f}, {true, 0.99f, 0.0f}}) {
        dsp::AhdEnvelope env;
        env.init(kSampleRate);
        env.setHoldFlag(sustain);
        Ahd::setTimeScales(env, 2.0f);
        env.setStages(0.0f, 1.0f, decay, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f);
        env.trigger();
        runBlocks<Ahd>(env, 100);
        EXPECT_EQ(env.isActive(), sustain);
        env.release();
        runBlocks<Ahd>(env, 100);
        EXPECT_EQ(env.level(), afterRelease) << sustain << ", decay " << decay;
    }
}

TEST(AhdEnvelope, AttackAndDecayFollowTheirOwnCurves)
{
    dsp::AhdEnvelope env = started<Ahd>(0.5f);
    env.setAttackCurve(0.0f, 2.0f);
    env.setDecayCurve(1.0f, 2.0f);
    runBlocks<Ahd>(env);
    EXPECT_NEAR(env.curvedOutput(), std::pow(env.level(), 4.0f), 1e-6f);
    while (env.level() < 0.999f)
        runBlocks<Ahd>(env);
    runBlocks<Ahd>(env, 120);
    ASSERT_LT(env.level(), 0.95f);
    EXPECT_NEAR(env.curvedOutput(), std::pow(env.level(), 0.25f), 1e-5f);
}

TEST(AhdEnvelope, AmountScalesTheLinearOutputsAroundTheirCentre)
{
    dsp::AhdEnvelope env = started<Ahd>(0.0f);
    env.setAmount(-0.5f);
    EXPECT_EQ(env.output(), -0.5f);
    EXPECT_EQ(env.bipolarOutput(), 0.25f);
}

TEST(AhdEnvelope, RetriggerClimbsFromTheCurrentLevel)
{
    dsp::AhdEnvelope env = started<Ahd>(0.0f);
    env.setDecay(0.5f, 0.0f, 1.0f);
    runBlocks<Ahd>(env, 60);
    const float reached = env.level();
    ASSERT_LT(reached, 0.9f);
    env.setAttack(0.5f, 0.0f, 1.0f);
    env.retrigger();
    runBlocks<Ahd>(env);
    dsp::AhdEnvelope fromZero = started<Ahd>(0.5f);
    runBlocks<Ahd>(fromZero);
    EXPECT_NEAR(env.level() - reached, fromZero.level(), 1e-6f);
}

TEST(DecayEnvelope, CurvedModeRaisesTheLinearLevelToTheExponentAndIsSilentWhenNotRunning)
{
    dsp::DecayEnvelope idle;
    idle.init(kSampleRate);
    runBlocks<DecayCurved>(idle);
    EXPECT_EQ(idle.output(), 0.0f);

    dsp::DecayEnvelope curved = started<DecayCurved>(0.5f);
    curved.setCurve(0.0f, 3.0f);
    dsp::DecayEnvelope linear = curved;
    runBlocks<DecayCurved>(curved, 20);
    runBlocks<DecayLinear>(linear, 20);
    ASSERT_LT(linear.level(), 1.0f);
    EXPECT_NEAR(curved.output(), std::pow(linear.level(), 8.0f), 1e-5f);
}

TEST(DecayRiseEnvelope, FallsToZeroThenRisesBackUnlessTheRiseIsBelowOneThousandth)
{
    for (const auto& [rise, endLevel] : {std::pair{0.0009f, 0.0f}, {0.001f, 1.0f}, {0.5f, 1.0f}}) {
        dsp::DecayRiseEnvelope env;
        env.setRise(rise, 0.0f, 1.0f); // owners may set the rise before init
        env.init(kSampleRate);
        env.setCurve(0.0f, 3.0f);
        env.setDecay(0.0f, 0.0f, 1.0f);
        env.trigger();
        for (int block = 0; block < 1000 && env.isActive(); ++block) {
            runBlocks<DecayRise>(env);
            ASSERT_EQ(env.output(), env.level());
        }
        EXPECT_FALSE(env.isActive());
        EXPECT_NEAR(env.level(), endLevel, 1e-6f) << rise;
    }
}

TEST(HoldDecayEnvelope, DefaultHoldIsOneBlockAndTheDecayFollowsTheCurve)
{
    dsp::HoldDecayEnvelope env;
    env.init(kSampleRate);
    env.setDecay(0.6f, 0.0f, 1.0f);
    env.setCurveExponent(1.0f);
    env.trigger();
    runBlocks<HoldDecay>(env);
    EXPECT_EQ(env.level(), 1.0f);
    runBlocks<HoldDecay>(env);
    EXPECT_LT(env.level(), 1.0f);
    runBlocks<HoldDecay>(env, 30);
    EXPECT_NEAR(env.output(), env.level() * env.level(), 1e-5f);
    env.setCurve(1.0f, 2.0f);
    runBlocks<HoldDecay>(env);
    EXPECT_NEAR(env.output(), std::pow(env.level(), 0.25f), 1e-5f);
}

} // namespace
