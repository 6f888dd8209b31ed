#include "engine/dsp/lfo.h"

#include "engine/dsp/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using dsp::Lfo;

// At this rate a free speed of 0 gives an increment of exactly the factor: tests walk the phase in exact steps.
constexpr float kUnitIncrementRate = 0.21484375f;

Lfo steppingLfo(float increment, float wave)
{
    Lfo lfo;
    lfo.init(kUnitIncrementRate);
    lfo.setRate(0.0f, 0.0f, 120.0f, increment);
    lfo.setWave(wave);
    return lfo;
}

float waveValue(int wave) { return (wave + 0.5f) / 5.99f; }

// Numbers of the tests' own, so that they stand still.
struct TestNumbers {
    std::uint32_t state;
    std::uint32_t next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    // A step with a random mantissa (kept to its bits in `mantissaMask`) at one of `binades` binades from
    // 1/16 down.
    float increment(std::uint32_t binades, std::uint32_t mantissaMask)
    {
        const std::uint32_t mantissa = next() & mantissaMask;
        const std::uint32_t exponent = 127 - 4 - next() % binades;
        return std::bit_cast<float>((exponent << 23) | mantissa);
    }
};

TEST(LfoRate, FreeSpeedSpansTenOctavesSyncedSpeedPicksANoteLengthAgainstTheTempo)
{
    // Synced to a whole note: one cycle per sixteenth of it, at 480 * rate / tempo calls per bar.
    const auto synced = [](float tempo) { return 16.0f / (480.0f * kUnitIncrementRate / tempo + 1.0f); };
    const float wholeNote = 17.5f / 34.99f;
    // speed, sync, tempo, factor, increment; the last is "Off": the rate gain 16 times the factor
    const std::tuple<float, float, float, float, float> cases[] = {{1.0f, 0.0f, 120.0f, 1.0f, 1024.0f},
        {0.3f, 0.4f, 120.0f, 2.0f, 2.0f * 8.0f}, {wholeNote, 1.0f, 120.0f, 1.0f, synced(120.0f)},
        {wholeNote, 0.5f, 60.0f, 1.0f, synced(60.0f)}, {0.0f, 1.0f, 120.0f, 0.5f, 8.0f}};
    for (const auto& [speed, sync, tempo, factor, increment] : cases) {
        Lfo lfo = steppingLfo(1.0f, 0.0f);
        lfo.setRate(speed, sync, tempo, factor);
        EXPECT_FLOAT_EQ(lfo.increment(), increment) << "speed " << speed << " sync " << sync;
    }
}

TEST(LfoWave, EachWaveOverQuarterCyclesSampleAndHoldDrawingAtEachCycleStartAndOutOfRangeWavesSilent)
{
    // Values at the phases 1/4, 1/2, 3/4 and 0.
    const std::pair<float, std::array<float, 4>> cases[] = {
        {waveValue(Lfo::kSine), {1.0f, 0.0f, -1.0f, 0.0f}},    {waveValue(Lfo::kTriangle), {0.0f, 1.0f, 0.0f, -1.0f}},
        {waveValue(Lfo::kSawUp), {0.25f, 0.5f, 0.75f, 0.0f}},   {waveValue(Lfo::kSawDown), {0.75f, 0.5f, 0.25f, 1.0f}},
        {waveValue(Lfo::kSquare), {-1.0f, 1.0f, 1.0f, -1.0f}}, {1.2f, {}}, {-0.5f, {}}, {std::nanf(""), {}}};
    for (const auto& [wave, values] : cases) {
        Lfo lfo = steppingLfo(0.25f, wave);
        for (float value : values) {
            lfo.output();
            EXPECT_NEAR(lfo.bipolarOutput(), value, 1e-5f) << "wave " << wave;
            EXPECT_EQ(lfo.unipolarOutput(), 0.5f * lfo.bipolarOutput() + 0.5f) << "wave " << wave;
        }
    }
    dsp::seedRandom(3);
    Lfo held = steppingLfo(0.125f, waveValue(Lfo::kSampleAndHold));
    std::set<float> draws;
    for (int i = 1; i <= 40; ++i) {
        const float before = held.bipolarOutput();
        held.output();
        // Silence until the phase first wraps at call 8.
        ASSERT_TRUE(i % 8 == 0 || held.bipolarOutput() == before) << i;
        draws.insert(held.bipolarOutput());
    }
    EXPECT_TRUE(draws.size() == 6u && *draws.begin() >= -1.0f && *draws.rbegin() <= 1.0f); // silence, five draws
}

TEST(LfoPhase, AdvanceLeavesTheOutputsResetRestartsTheCycleSymmetryMovesTheMidpointAndHumanizeStretchesCycles)
{
    Lfo lfo = steppingLfo(0.25f, waveValue(Lfo::kSawUp));
    lfo.output();
    for (int i = 0; i < 5; ++i)
        lfo.advance();
    EXPECT_EQ(std::tuple(lfo.phase(), lfo.bipolarOutput()), std::tuple(0.5f, 0.25f));
    lfo.resetPhase();
    lfo.output();
    EXPECT_EQ(lfo.bipolarOutput(), 0.25f);
    // Symmetry 0 leaves the rising half a thousandth of the cycle.
    Lfo steep = steppingLfo(0.0005f, waveValue(Lfo::kSawUp));
    steep.setSymmetry(0.0f);
    steep.output();
    EXPECT_NEAR(steep.bipolarOutput(), 0.25f, 1e-5f);
    // Humanize stretches each cycle's steps by up to its share of the rate.
    for (float depth : {0.0f, 0.5f}) {
        Lfo human = steppingLfo(0.01f, waveValue(Lfo::kSawUp));
        human.setHumanize(depth);
        std::set<float> steps; // the phase steps that do not wrap
        for (int i = 0; i < 2000; ++i) {
            const float previous = human.phase();
            human.output();
            if (human.phase() > previous)
                steps.insert(human.phase() - previous);
        }
        EXPECT_NEAR(*steps.begin(), 0.01f, 1e-6f) << depth;
        EXPECT_LE(*steps.rbegin(), 0.01f * (1.0f + depth) + 1e-6f) << depth;
        EXPECT_EQ(*steps.rbegin() > 0.0101f, depth > 0.0f) << depth;
    }
}

} // namespace

namespace {

// Many steps at once land on the very phase as many single steps: across
// step sizes from a stalled phase to a few per cycle, steps midway between
// two grid points of the phase's binade, and steps that are not positive.
TEST(LfoPhase, ManyStepsAtOnceMatchAsManySingleStepsToTheBit)
{
    TestNumbers numbers{12345};
    std::vector<float> increments = {0.0f, -0.001f, 0.25f, 0.0625f, 1.0e-9f, 2.9802322e-8f, 5.9604645e-8f};
    // Some with only the top bits of their mantissas set.
    for (int i = 0; i < 1500; ++i)
        increments.push_back(numbers.increment(26, i % 3 == 0 ? 0x7f0000 : 0x7fffff));
    for (float increment : increments) {
        Lfo one = steppingLfo(increment, waveValue(Lfo::kSine));
        for (std::uint32_t s = numbers.next() % 700; s > 0; --s)
            one.advance();
        Lfo many = one;
        const std::uint32_t steps = numbers.next() % 3000;
        for (std::uint32_t s = 0; s < steps; ++s)
            one.advance();
        many.advance(steps);
        ASSERT_EQ(std::bit_cast<std::uint32_t>(many.phase()), std::bit_cast<std::uint32_t>(one.phase()))
            << "increment " << increment << ", " << steps << " steps";
    }
}

} // namespace

namespace {

// The count of steps before a cycle start is never one too many (that step
// would draw late) and, for steps small enough to run, not one too few.
TEST(LfoPhase, StepsBeforeACycleStartCountTheStepsThatStayBelowOne)
{
    TestNumbers numbers{777};
    std::vector<float> increments = {0.0f, -0.001f, 0.5f, 0.25f, 0.0625f, 5.9604645e-8f, 1.0f / 4096.0f};
    for (int i = 0; i < 600; ++i)
        increments.push_back(numbers.increment(18, 0x7fffff));

    for (float increment : increments) {
        Lfo lfo = steppingLfo(increment, waveValue(Lfo::kSine));
        for (std::uint32_t s = numbers.next() % 4 == 0 ? 0 : numbers.next() % 5000; s > 0; --s)
            lfo.advance();
        const std::uint32_t limit = 1u << 16;
        const std::uint32_t counted = lfo.stepsBeforeCycleStart(limit);
        float phase = lfo.phase();
        for (std::uint32_t s = 0; s < counted; ++s) {
            phase += increment;
            ASSERT_LT(phase, 1.0f) << "increment " << increment << ": step " << s + 1 << " of " << counted;
        }
        if (increment > 0.0f && increment <= 0.0625f && counted < limit) {
            EXPECT_GE(phase + increment, 1.0f) << "increment " << increment << " stopped early at " << counted;
        }
    }
    // From one half, steps a little under a power of two round up onto the grid and land on 1 itself.
    for (int k = 4; k <= 14; ++k) {
        Lfo lfo = steppingLfo(0.25f, waveValue(Lfo::kSine));
        lfo.advance(2);
        const float increment = std::ldexp(1.0f, -k) - std::ldexp(0.3f, -24);
        lfo.setRate(0.0f, 0.0f, 120.0f, increment);
        EXPECT_EQ(lfo.stepsBeforeCycleStart(1u << 16), (1u << (k - 1)) - 1u) << "k " << k;
    }
}

} // namespace
