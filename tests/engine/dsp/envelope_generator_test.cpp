#include "engine/dsp/envelope_generator.h"

#include "engine/dsp/ad_envelope.h"
#include "engine/dsp/ahd_envelope.h"
#include "engine/dsp/decay_envelope.h"
#include "engine/dsp/decay_rise_envelope.h"
#include "engine/dsp/hold_decay_envelope.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <tuple>
#include <utility>

namespace {

constexpr float kSampleRate = 44100.0f;

// Each envelope driven as its owners drive it: its block update, the value they read, all its timed stages at once.
template <class E, int kStageCount>
struct DriveDefaults {
    using Envelope = E;
    static constexpr int kStages = kStageCount;
    static void process(E& e) { e.process(); }
    static float read(const E& e) { return e.output(); }
};

struct Ad : DriveDefaults<dsp::AdEnvelope, 2> {
    static void setTimeScales(Envelope& e, float ms) { e.setAttackTimeScale(ms); e.setDecayTimeScale(ms); }
    static void setStages(Envelope& e, float x, float f) { e.setAttack(x, 0.0f, f); e.setDecay(x, 0.0f, f); }
};

struct Ahd : DriveDefaults<dsp::AhdEnvelope, 3> {
    static float read(const Envelope& e) { return e.curvedOutput(); }
    static void setTimeScales(Envelope& e, float ms)
    {
        e.setAttackTimeScale(ms);
        e.setHoldTimeScale(ms);
        e.setDecayTimeScale(ms);
    }
    static void setStages(Envelope& e, float x, float f) { e.setStages(x, x, x, 0.0f, 0.0f, 0.0f, f, f, f); }
};

struct DecayLinear : DriveDefaults<dsp::DecayEnvelope, 1> {
    static void process(Envelope& e) { e.processLinear(); }
    static float read(const Envelope& e) { return e.level(); }
    static void setTimeScales(Envelope& e, float ms) { e.setTimeScale(ms); }
    static void setStages(Envelope& e, float x, float f) { e.setDecay(x, 0.0f, f); }
};

struct DecayCurved : DecayLinear {
    static void process(Envelope& e) { e.processCurved(); }
    static float read(const Envelope& e) { return e.output(); }
};

struct DecayRise : DriveDefaults<dsp::DecayRiseEnvelope, 2> {
    static void setTimeScales(Envelope& e, float ms) { e.setDecayTimeScale(ms); e.setRiseTimeScale(ms); }
    static void setStages(Envelope& e, float x, float f) { e.setDecay(x, 0.0f, f); e.setRise(x, 0.0f, f); }
};

struct HoldDecay : DriveDefaults<dsp::HoldDecayEnvelope, 2> {
    static void setTimeScales(Envelope& e, float ms) { e.setHoldTimeScale(ms); e.setDecayTimeScale(ms); }
    static void setStages(Envelope& e, float x, float f) { e.setHold(x, 0.0f, f); e.setDecay(x, 0.0f, f); }
};

// 16-sample blocks as the voices run them: process, then a step per sample (a quad step per four at stride 4).
template <class Drive>
void runBlocks(typename Drive::Envelope& env, int blocks = 1, int stride = 1)
{
    for (int block = 0; block < blocks; ++block) {
        Drive::process(env);
        for (int i = 0; i < dsp::kEnvelopeBlockSize; i += stride)
            stride == 4 ? env.step4() : env.step();
    }
}

// Bounded, so that an envelope that never ends fails instead of hanging.
template <class Drive>
int blocksUntilInactive(typename Drive::Envelope env)
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

TYPED_TEST(EnvelopeFamily, KillFadesFromFullLevelToSilenceInThirtyFourBlocksAndATriggerEndsTheFade)
{
    auto env = started<TypeParam>(0.5f);
    auto fresh = env;
    while (env.level() < 0.995f)
        runBlocks<TypeParam>(env);
    env.kill();
    runBlocks<TypeParam>(env, 33);
    EXPECT_TRUE(env.isActive() && TypeParam::read(env) > 0.0f);
    auto retriggered = env;
    runBlocks<TypeParam>(env);
    EXPECT_FALSE(env.isActive());
    EXPECT_NEAR(TypeParam::read(env), 0.0f, 1e-6f);
    // Reset and triggered in the middle of the fade, it runs like a fresh envelope; the fresh one takes
    // quad steps, which must land where single steps do.
    retriggered.reset();
    EXPECT_FALSE(retriggered.isActive());
    retriggered.trigger();
    for (int block = 0; block < 100; ++block) {
        runBlocks<TypeParam>(retriggered);
        runBlocks<TypeParam>(fresh, 1, 4);
        ASSERT_NEAR(TypeParam::read(retriggered), TypeParam::read(fresh), 1e-6f) << "block " << block;
    }
}

TYPED_TEST(EnvelopeFamily, EachStageLastsItsLongestTimeToThePowerOfItsValueOverGainAndFactor)
{
    constexpr float kValue = 0.5f;
    const float blocksPerStage = std::pow(kLongestMs, kValue) / 1000.0f * kSampleRate / 16.0f;
    const int normal = blocksUntilInactive<TypeParam>(started<TypeParam>(kValue));
    EXPECT_NEAR(normal, TypeParam::kStages * blocksPerStage, TypeParam::kStages + 2);
    const int halfGain = blocksUntilInactive<TypeParam>(started<TypeParam>(kValue, 0.5f));
    EXPECT_NEAR(halfGain, 2 * normal, 2 * TypeParam::kStages);
    EXPECT_EQ(blocksUntilInactive<TypeParam>(started<TypeParam>(kValue, 1.0f, 0.5f)), halfGain);
}

TYPED_TEST(EnvelopeFamily, StageValuesOutsideTheUnitRangeActLikeItsEnds)
{
    for (const auto& [outside, end] : {std::pair{1.4f, 1.0f}, std::pair{-0.2f, 0.0f}})
        EXPECT_EQ(blocksUntilInactive<TypeParam>(started<TypeParam>(outside)),
                  blocksUntilInactive<TypeParam>(started<TypeParam>(end))) << outside;
}

template <class Drive>
using DecayMinimum = EnvelopeFamily<Drive>;
using DecaysWithAMinimum = testing::Types<DecayLinear, DecayRise, HoldDecay>;
TYPED_TEST_SUITE(DecayMinimum, DecaysWithAMinimum);

TYPED_TEST(DecayMinimum, RaisesShorterDecaysAndLeavesLongerOnes)
{
    for (const auto& [value, mod, sameAs] : {std::tuple{0.1f, 0.0f, 0.4f}, std::tuple{0.1f, 0.5f, 0.6f}}) {
        auto limited = started<TypeParam>(0.0f), reference = limited;
        limited.setDecayMinimum(0.4f);
        limited.setDecay(value, mod, 1.0f);
        reference.setDecay(sameAs, 0.0f, 1.0f);
        EXPECT_EQ(blocksUntilInactive<TypeParam>(limited), blocksUntilInactive<TypeParam>(reference)) << mod;
    }
}

template <class Drive>
using CurvedDecay = EnvelopeFamily<Drive>;
using DecaysAfterAnUncurvedStage = testing::Types<Ad, HoldDecay>;
TYPED_TEST_SUITE(CurvedDecay, DecaysAfterAnUncurvedStage);

TYPED_TEST(CurvedDecay, AnUnsetFirstStageLastsOneBlockAndOnlyTheDecayFollowsTheCurveOrTheExponentSetLast)
{
    typename TypeParam::Envelope unset;
    unset.init(kSampleRate);
    unset.setDecay(0.6f, 0.0f, 1.0f);
    unset.trigger();
    runBlocks<TypeParam>(unset);
    EXPECT_EQ(unset.level(), 1.0f);
    runBlocks<TypeParam>(unset);
    EXPECT_LT(unset.level(), 1.0f);
    auto env = started<TypeParam>(0.5f);
    env.setCurve(0.0f, 2.0f);
    runBlocks<TypeParam>(env);
    EXPECT_EQ(env.output(), env.level()); // a linear attack, a full hold
    runBlocks<TypeParam>(env, 120); // through the first stage, into the decay
    ASSERT_TRUE(env.level() > 0.1f && env.level() < 0.95f);
    EXPECT_NEAR(env.output(), std::pow(env.level(), 4.0f), 1e-5f);
    env.setCurveExponent(1.0f);
    runBlocks<TypeParam>(env);
    EXPECT_NEAR(env.output(), env.level() * env.level(), 1e-5f);
}

TEST(AdEnvelope, KeepsAGainSetBeforeInit)
{
    dsp::AdEnvelope env;
    env.setGain(0.5f);
    env.init(kSampleRate);
    env.setDecay(0.0f, 0.0f, 1.0f);
    env.trigger();
    runBlocks<Ad>(env, 2);
    const float fastestFall = dsp::rampIncrement(0.0f, dsp::kDefaultEnvelopeTimeScale, kSampleRate, 16.0f);
    EXPECT_NEAR(1.0f - env.level(), 0.5f * fastestFall, 1e-6f);
    // Five more blocks to fall to 0, then one standing there.
    EXPECT_EQ(blocksUntilInactive<Ad>(env), 6);
}

TEST(AhdEnvelope, UnderTheSustainFlagAFullHoldLastsUntilReleaseAndAFullDecayStandsStill)
{
    for (const auto& [sustain, decay, afterRelease] :
         {std::tuple{false, 1.0f, 0.0f}, {true, 1.0f, 1.0f}, {true, 0.99f, 0.0f}}) {
        dsp::AhdEnvelope env = started<Ahd>(0.0f);
        env.setHoldFlag(sustain);
        Ahd::setTimeScales(env, 2.0f);
        env.setStages(0.0f, 1.0f, decay, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f);
        runBlocks<Ahd>(env, 100);
        EXPECT_EQ(env.isActive(), sustain);
        env.release();
        runBlocks<Ahd>(env, 100);
        EXPECT_EQ(env.level(), afterRelease) << sustain << ", decay " << decay;
    }
}

// Set once with inputs of which one differs, then with these: every block as in an envelope only ever set with
// these, whichever moved (a stage's value, the modulation, the time scales).
TEST(AhdEnvelope, StagesSetAgainFollowEveryMoveOfTheirValuesModulationAndTimeScales)
{
    const auto set = [](dsp::AhdEnvelope& env, std::array<float, 5> in) {
        Ahd::setTimeScales(env, in[4]);
        env.setStages(in[0], in[1], in[2], in[3], in[3], in[3], 1.0f, 1.0f, 1.0f);
    };
    const std::array<float, 5> inputs = {0.25f, 0.35f, 0.45f, 0.05f, 3.0f};
    for (int moved = 0; moved < 5; ++moved) {
        dsp::AhdEnvelope once;
        dsp::AhdEnvelope twice;
        once.init(kSampleRate);
        twice.init(kSampleRate);
        std::array<float, 5> before = inputs;
        before[moved] *= 0.5f;
        set(twice, before);
        set(twice, inputs);
        set(once, inputs);
        once.trigger();
        twice.trigger();
        for (int block = 0; block < (1 << 16) && once.isActive(); ++block) {
            runBlocks<Ahd>(once);
            runBlocks<Ahd>(twice);
            ASSERT_EQ(twice.curvedOutput(), once.curvedOutput()) << "input " << moved << ", block " << block;
        }
        EXPECT_FALSE(twice.isActive()) << moved;
    }
}

TEST(AhdEnvelope, AttackAndDecayFollowTheirOwnCurvesAndTheAmountScalesOnlyTheLinearOutputs)
{
    dsp::AhdEnvelope env = started<Ahd>(0.5f);
    env.setAttackCurve(0.0f, 2.0f);
    env.setDecayCurve(1.0f, 2.0f);
    env.setAmount(-0.5f);
    runBlocks<Ahd>(env);
    EXPECT_NEAR(env.curvedOutput(), std::pow(env.level(), 4.0f), 1e-6f);
    runBlocks<Ahd>(env, 210); // through the attack and the hold, into the decay
    ASSERT_TRUE(env.level() > 0.1f && env.level() < 0.95f);
    EXPECT_NEAR(env.curvedOutput(), std::pow(env.level(), 0.25f), 1e-5f);
    EXPECT_FLOAT_EQ(env.output(), -0.5f * env.level());
    EXPECT_FLOAT_EQ(env.bipolarOutput(), 0.5f - 0.25f * env.level());
}

TEST(AhdEnvelope, AnAttackBelowOneThousandthStartsAtFullLevelAndARetriggeredOneAtTheCurrentLevel)
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
    dsp::AhdEnvelope env = started<Ahd>(0.5f);
    runBlocks<Ahd>(env, 240); // through the attack and the hold, well into the decay
    const float reached = env.level();
    ASSERT_TRUE(reached > 0.1f && reached < 0.9f);
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
        env.setDecay(0.0f, 0.0f, 1.0f);
        env.trigger();
        runBlocks<DecayRise>(env, 1000);
        EXPECT_FALSE(env.isActive());
        EXPECT_NEAR(env.level(), endLevel, 1e-6f) << rise;
    }
}

} // namespace
