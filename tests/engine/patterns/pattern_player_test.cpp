#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/pattern_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

namespace param = kravo::param;
using param::StepAttribute;

constexpr int kTick = 16;
constexpr std::uint8_t kFirstPatternNote = 60; // the first pattern pad in the GM map

// A renderer whose first pattern plays "BD 1" on the given steps of its
// first track; "Sync" off unless a test wants it.
struct PatternRig {
    explicit PatternRig(std::initializer_list<int> steps)
    {
        r.set(param::kPatternSync, 0.0f);
        for (int s : steps)
            r.set(param::stepAttributeIndex(StepAttribute::On, 0, 0, s), 1.0f);
    }

    // Renders tick by tick and gives the sample offsets at which the shown step changed.
    std::vector<int> stepChanges(int samples)
    {
        std::vector<int> changes;
        std::int32_t shown = r.plugin->getPatternStep(0);
        for (int at = 0; at < samples; at += kTick) {
            r.render(kTick);
            const std::int32_t step = r.plugin->getPatternStep(0);
            if (step != shown)
                changes.push_back(at);
            shown = step;
        }
        return changes;
    }

    // The steps the player stands on, in the order it visits them.
    std::vector<int> visitedSteps(int samples)
    {
        std::vector<int> steps{r.plugin->getPatternStep(0)};
        for (int at = 0; at < samples; at += kTick) {
            r.render(kTick);
            if (r.plugin->getPatternStep(0) != steps.back())
                steps.push_back(r.plugin->getPatternStep(0));
        }
        return steps;
    }

    void start()
    {
        r.plugin->startPatternFromEditor(0);
        r.render(kTick);
    }

    kravo::test::PluginRenderer r;
};

float choice(int n, float scale) { return (static_cast<float>(n) + 0.5f) / scale; }

TEST(PatternPlayer, StepsLastASixteenthAtSpeedOneAndSwingAlternatesTwoThirdsAndFourThirds)
{
    struct Case {
        int speedIndex;
        float swing;
        double even; // samples of an even and an odd step
        double odd;
    };
    for (const Case& c : {Case{4, 0.0f, 5512.5, 5512.5}, Case{4, 1.0f, 3675.0, 7350.0}, Case{8, 0.0f, 1378.125, 1378.125}}) {
        PatternRig rig({0});
        rig.r.set(param::patternSpeed[0], choice(c.speedIndex, param::choicescale::kPatternSpeed));
        rig.r.set(param::patternSwing[0], c.swing);
        rig.start();
        const std::vector<int> changes = rig.stepChanges(static_cast<int>(9 * (c.even + c.odd) / 2) + 64);
        ASSERT_GE(changes.size(), 9u) << c.speedIndex << " " << c.swing;
        for (std::size_t k = 1; k < 9; ++k) {
            const double expected = k % 2 == 1 ? c.odd : c.even; // the length of step k
            EXPECT_NEAR(changes[k] - changes[k - 1], expected, 2 * kTick) << "step " << k << ", swing " << c.swing;
        }
        // Over a whole swing pair the ticks keep to the exact length.
        EXPECT_NEAR(changes[8] - changes[0], 4.0 * (c.even + c.odd), 2 * kTick);
    }
}

// The first pass starts at step 0 whatever the start step; the loop runs from
// the start to the end step, and an end lowered behind the step reached
// sends the player back to the start at once rather than past the last step.
TEST(PatternPlayer, TheFirstPassPlaysFromZeroThenTheLoopRunsFromStartToEnd)
{
    PatternRig rig({0});
    rig.r.set(param::patternSpeed[0], choice(8, param::choicescale::kPatternSpeed)); // 1378 samples a step
    rig.r.set(param::patternStartStep[0], choice(4, param::choicescale::kPatternStep));
    rig.r.set(param::patternEndStep[0], choice(7, param::choicescale::kPatternStep));
    rig.start();
    EXPECT_EQ(rig.visitedSteps(13 * 1378), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 4, 5, 6, 7, 4, 5}));

    rig.r.set(param::patternStartStep[0], choice(9, param::choicescale::kPatternStep));
    rig.r.set(param::patternEndStep[0], choice(2, param::choicescale::kPatternStep));
    rig.start(); // settings are read at the start
    const std::vector<int> steps = rig.visitedSteps(6 * 1378);
    EXPECT_EQ(std::vector<int>(steps.begin(), steps.begin() + 4), (std::vector<int>{0, 1, 2, 9}));
    for (int s : steps)
        EXPECT_LT(s, param::kStepCount);
}

// "Delay" 0.5 of a step (0.99 is the whole step) at the slowest speed; "Velocity" 1.
TEST(PatternPlayer, ADelayedStepFiresHalfwayThroughItsStepAtFullVelocity)
{
    PatternRig rig({0});
    rig.r.set(param::stepAttributeIndex(StepAttribute::Delay, 0, 0, 0), 0.5f / 0.99f);
    rig.r.set(param::stepAttributeIndex(StepAttribute::Velocity, 0, 0, 0), 1.0f);
    rig.r.left.clear();
    rig.r.right.clear();
    rig.start();
    rig.r.render(5000);
    std::size_t onset = 0;
    while (onset < rig.r.left.size() && std::fabs(rig.r.left[onset]) < 1e-4f)
        ++onset;
    EXPECT_NEAR(static_cast<double>(onset), 5512.5 / 2.0, 2.0 * kTick);
    EXPECT_FLOAT_EQ(rig.r.plugin->getEngine().getSlotNoteState(0).velocity, 127.0f / 127.0f);
}

TEST(PatternPlayer, ANoteOffStopsThePatternUnlessLatchingAndAStopRewindsIt)
{
    for (const bool latching : {false, true}) {
        PatternRig rig({0});
        rig.r.set(param::kPatternLatching, latching ? 1.0f : 0.0f);
        rig.r.render(kTick);
        rig.r.noteOn(kFirstPatternNote);
        rig.r.render(5 * 5512 / 2);
        rig.r.midi(0, 0x89, kFirstPatternNote, 0);
        rig.r.render(kTick);
        const std::int32_t atRelease = rig.r.plugin->getPatternStep(0);
        EXPECT_EQ(atRelease, 2);
        rig.r.render(2 * 5512);
        EXPECT_EQ(rig.r.plugin->getPatternStep(0), latching ? 4 : atRelease) << latching;

        rig.r.plugin->stopPattern(0);
        rig.r.render(kTick);
        EXPECT_EQ(rig.r.plugin->getPatternStep(0), 0) << latching;
        EXPECT_EQ(rig.r.plugin->getEngine().getPatternPlayer(0).running, latching ? 1 : 0);

        // Turning "Latching" over stops every pattern.
        rig.r.plugin->startPatternFromEditor(0);
        rig.r.render(kTick);
        rig.r.set(param::kPatternLatching, latching ? 0.0f : 1.0f);
        rig.r.render(kTick);
        EXPECT_EQ(rig.r.plugin->getEngine().getPatternPlayer(0).running, 0) << latching;
    }
}

// With "Sync" on and the host playing at quarter note 1.1, a started pattern
// waits for the next sixteenth (1.25) before it moves.
TEST(PatternPlayer, ASyncedStartWaitsForTheHostsNextSixteenth)
{
    PatternRig rig({0});
    rig.r.set(param::kPatternSync, 1.0f);
    rig.r.timeInfo.flags |= plugTimeTransportPlaying;
    rig.r.timeInfo.ppqPos = 1.1;
    rig.r.render(kTick);
    rig.start();
    rig.r.render(4 * kTick);
    EXPECT_EQ(rig.r.plugin->getEngine().getPatternPlayer(0).waiting, 1);
    rig.r.timeInfo.ppqPos = 1.25;
    rig.r.render(4 * kTick);
    EXPECT_EQ(rig.r.plugin->getEngine().getPatternPlayer(0).waiting, 0);
    EXPECT_GT(rig.r.plugin->getEngine().getPatternPlayer(0).tickCounter, 0u);
}

// Lock 1 freezes the pattern: the editor's step edits are refused and the
// players play the copy; 2 writes the copy back and unlocks; 2 without a lock
// writes nothing.
TEST(PatternPlayer, ThePatternLockFreezesThePatternAndWritesItBack)
{
    const int stepOn = param::stepAttributeIndex(StepAttribute::On, 0, 0, 0);
    const int flam = param::stepAttributeIndex(StepAttribute::Flam, 0, 0, 0);
    PatternRig rig({0});
    rig.r.plugin->setPatternLockMode(1);
    EXPECT_EQ(rig.r.plugin->getPatternLockMode(), 1);
    rig.r.set(stepOn, 0.0f); // the host automates the program meanwhile
    rig.r.plugin->setPatternParameter(flam, 1.0f);
    EXPECT_EQ(rig.r.plugin->getParameter(flam), 0.0f);
    EXPECT_EQ(rig.r.plugin->getParameterValue(stepOn), 1.0f);

    rig.r.left.clear();
    rig.start();
    rig.r.render(2000);
    EXPECT_GT(rig.r.peak(0.0, 2000.0 / 44100.0), 0.01f) << "the locked copy still has the step on";

    rig.r.plugin->setPatternLockMode(2);
    EXPECT_EQ(rig.r.plugin->getPatternLockMode(), 0);
    EXPECT_EQ(rig.r.plugin->getParameter(stepOn), 1.0f);
    rig.r.set(stepOn, 0.0f);
    rig.r.plugin->setPatternLockMode(2);
    EXPECT_EQ(rig.r.plugin->getParameter(stepOn), 0.0f);
}

} // namespace
