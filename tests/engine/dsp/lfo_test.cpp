#include "engine/dsp/lfo.h"

#include "engine/dsp/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

constexpr float kSampleRate = 44100.0f;

// At this sample rate a free speed of 0 gives an increment of exactly the
// factor, so tests can walk the phase in exact steps.
constexpr float kUnitIncrementRate = 0.21484375f;

dsp::Lfo steppingLfo(float increment, float wave)
{
    dsp::Lfo lfo;
    lfo.init(kUnitIncrementRate);
    lfo.setRate(0.0f, 0.0f, 120.0f, increment);
    lfo.setWave(wave);
    return lfo;
}

float waveValue(int wave)
{
    return (wave + 0.5f) / 5.99f;
}

TEST(LfoRate, FreeSpeedZeroAndOneSpanTenOctaves)
{
    dsp::Lfo lfo;
    lfo.init(kSampleRate);
    lfo.setRate(0.0f, 0.0f, 120.0f, 1.0f);
    EXPECT_EQ(lfo.increment(), 0.21484375f / kSampleRate);
    lfo.setRate(1.0f, 0.0f, 120.0f, 1.0f);
    EXPECT_EQ(lfo.increment(), 1024.0f * (0.21484375f / kSampleRate));
}

TEST(LfoRate, FreeRateScalesWithTheFactor)
{
    dsp::Lfo lfo;
    lfo.init(kSampleRate);
    lfo.setRate(0.3f, 0.0f, 120.0f, 1.0f);
    const float base = lfo.increment();
    lfo.setRate(0.3f, 0.4f, 120.0f, 2.0f);
    EXPECT_FLOAT_EQ(lfo.increment(), 2.0f * base);
}

TEST(LfoRate, SyncedWholeNoteFollowsTheTempo)
{
    dsp::Lfo lfo;
    lfo.init(kSampleRate);
    const float wholeNote = 17.5f / 34.99f;
    lfo.setRate(wholeNote, 1.0f, 120.0f, 1.0f);
    EXPECT_FLOAT_EQ(lfo.increment(), 16.0f / (1.0f * 480.0f * 44100.0f / 120.0f + 1.0f));
    lfo.setRate(wholeNote, 0.5f, 60.0f, 1.0f);
    EXPECT_FLOAT_EQ(lfo.increment(), 16.0f / (480.0f * 44100.0f / 60.0f + 1.0f));
}

TEST(LfoRate, SyncedOffGivesTheRateGainTimesTheFactor)
{
    dsp::Lfo lfo;
    lfo.init(kSampleRate);
    lfo.setRate(0.0f, 1.0f, 120.0f, 0.5f);
    EXPECT_EQ(lfo.increment(), 8.0f);
}

TEST(LfoRate, SyncedSpeedOutsideTheRangeUsesTheNearestLength)
{
    dsp::Lfo lfo;
    lfo.init(kSampleRate);
    lfo.setRate(1.0f, 1.0f, 120.0f, 1.0f);
    const float shortest = lfo.increment();
    lfo.setRate(3.0f, 1.0f, 120.0f, 1.0f);
    EXPECT_EQ(lfo.increment(), shortest);
    lfo.setRate(-2.0f, 1.0f, 120.0f, 1.0f);
    EXPECT_EQ(lfo.increment(), 16.0f);
}

TEST(LfoWave, SineOverOneCycle)
{
    dsp::Lfo lfo = steppingLfo(0.125f, waveValue(dsp::Lfo::kSine));
    for (int i = 1; i < 8; ++i) {
        lfo.output();
        EXPECT_NEAR(lfo.bipolarOutput(), std::sin(i * 0.125f * 6.28318f), 1e-6f) << i;
        EXPECT_NEAR(lfo.unipolarOutput(), 0.5f * lfo.bipolarOutput() + 0.5f, 1e-7f);
    }
}

TEST(LfoWave, TriangleRisesFromMinusOneToOneAndBack)
{
    dsp::Lfo lfo = steppingLfo(0.25f, waveValue(dsp::Lfo::kTriangle));
    const float expected[] = {0.0f, 1.0f, 0.0f, -1.0f};
    for (float e : expected) {
        lfo.output();
        EXPECT_EQ(lfo.bipolarOutput(), e);
    }
}

TEST(LfoWave, SawsRunBetweenZeroAndOne)
{
    dsp::Lfo up = steppingLfo(0.25f, waveValue(dsp::Lfo::kSawUp));
    dsp::Lfo down = steppingLfo(0.25f, waveValue(dsp::Lfo::kSawDown));
    const float expected[] = {0.25f, 0.5f, 0.75f, 0.0f};
    for (float e : expected) {
        up.output();
        down.output();
        EXPECT_EQ(up.bipolarOutput(), e);
        EXPECT_EQ(down.bipolarOutput(), 1.0f - e);
    }
}

TEST(LfoWave, SquareSwitchesAtTheMidpoint)
{
    dsp::Lfo lfo = steppingLfo(0.25f, waveValue(dsp::Lfo::kSquare));
    const float expected[] = {-1.0f, 1.0f, 1.0f, -1.0f};
    for (float e : expected) {
        lfo.output();
        EXPECT_EQ(lfo.bipolarOutput(), e);
        EXPECT_EQ(lfo.unipolarOutput(), 0.5f * e + 0.5f);
    }
}

TEST(LfoWave, SampleAndHoldChangesOncePerCycle)
{
    dsp::seedRandom(3);
    dsp::Lfo lfo = steppingLfo(0.125f, waveValue(dsp::Lfo::kSampleAndHold));
    // Up to the first wrap of the phase.
    for (int i = 0; i < 7; ++i) {
        lfo.output();
        EXPECT_EQ(lfo.bipolarOutput(), 0.0f);
    }
    std::set<float> perCycle;
    for (int cycle = 0; cycle < 4; ++cycle) {
        std::set<float> seen;
        for (int i = 0; i < 8; ++i) {
            lfo.output();
            seen.insert(lfo.bipolarOutput());
        }
        EXPECT_EQ(seen.size(), 1u) << "cycle " << cycle;
        perCycle.insert(*seen.begin());
        EXPECT_GE(*seen.begin(), -1.0f);
        EXPECT_LE(*seen.begin(), 1.0f);
    }
    EXPECT_GT(perCycle.size(), 1u);
}

TEST(LfoWave, OutOfRangeWaveIsSilent)
{
    for (float wave : {1.2f, -0.5f, std::nanf("")}) {
        dsp::Lfo lfo = steppingLfo(0.25f, wave);
        lfo.output();
        EXPECT_EQ(lfo.bipolarOutput(), 0.0f) << wave;
        EXPECT_EQ(lfo.unipolarOutput(), 0.5f);
    }
}

TEST(LfoSymmetry, ZeroMakesTheRisingPartOneThousandthOfTheCycle)
{
    dsp::Lfo lfo = steppingLfo(0.0005f, waveValue(dsp::Lfo::kSawUp));
    lfo.setSymmetry(0.0f);
    lfo.output();
    EXPECT_NEAR(lfo.bipolarOutput(), 0.25f, 1e-5f);
    lfo.output();
    EXPECT_NEAR(lfo.bipolarOutput(), 0.5f, 1e-5f);
}

TEST(LfoHumanize, ZeroKeepsTheRateSteady)
{
    dsp::seedRandom(5);
    dsp::Lfo lfo = steppingLfo(0.25f, waveValue(dsp::Lfo::kSawUp));
    for (int i = 0; i < 40; ++i)
        lfo.output();
    EXPECT_EQ(lfo.phase(), 0.0f);
}

TEST(LfoHumanize, DepthStretchesTheRateOnlyUpwardsPerCycle)
{
    dsp::seedRandom(11);
    dsp::Lfo lfo = steppingLfo(0.01f, waveValue(dsp::Lfo::kSawUp));
    lfo.setHumanize(0.5f);
    float previous = 0.0f;
    bool sawFasterStep = false;
    for (int i = 0; i < 2000; ++i) {
        lfo.output();
        const float phase = lfo.phase();
        if (phase > previous) {
            const float step = phase - previous;
            EXPECT_GE(step, 0.01f - 1e-6f);
            EXPECT_LE(step, 0.015f + 1e-6f);
            sawFasterStep = sawFasterStep || step > 0.0101f;
        }
        previous = phase;
    }
    EXPECT_TRUE(sawFasterStep);
}

TEST(Lfo, AdvanceMovesThePhaseWithoutTouchingTheOutputs)
{
    dsp::Lfo lfo = steppingLfo(0.25f, waveValue(dsp::Lfo::kSawUp));
    lfo.output();
    const float out = lfo.bipolarOutput();
    for (int i = 0; i < 5; ++i)
        lfo.advance();
    EXPECT_EQ(lfo.phase(), 0.5f);
    EXPECT_EQ(lfo.bipolarOutput(), out);
}

TEST(Lfo, ResetPhaseRestartsTheCycle)
{
    dsp::Lfo lfo = steppingLfo(0.25f, waveValue(dsp::Lfo::kSawUp));
    lfo.output();
    lfo.output();
    lfo.resetPhase();
    EXPECT_EQ(lfo.phase(), 0.0f);
    lfo.output();
    EXPECT_EQ(lfo.bipolarOutput(), 0.25f);
}

TEST(Lfo, StartsSilentAtTheMiddle)
{
    dsp::Lfo lfo;
    lfo.init(kSampleRate);
    EXPECT_EQ(lfo.bipolarOutput(), 0.0f);
    EXPECT_EQ(lfo.unipolarOutput(), 0.5f);
}

} // namespace
