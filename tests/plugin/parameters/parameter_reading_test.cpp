#include "plugin/parameters/parameter_reading.h"

#include <gtest/gtest.h>

namespace {

using namespace kravo::param;

TEST(ChoiceReading, FullScaleLandsOnTheScaleTruncated)
{
    EXPECT_EQ(readChoice(1.0f, choicescale::kDrumModel), 199);
    EXPECT_EQ(readChoice(1.0f, choicescale::kEffectType), 49);
    EXPECT_EQ(readChoice(0.0f, choicescale::kModDestination), 0);
}

TEST(ChoiceReading, ClampedReadStaysInsideTheList)
{
    EXPECT_EQ(readChoiceClamped(1.0f, choicescale::kEffectType, 27), 26);
    EXPECT_EQ(readChoiceClamped(0.39f, choicescale::kDistortionType, 27), 19);
}

TEST(ChoiceReading, EveryDrumModelTheEditorWritesReadsBackAsItself)
{
    for (int model = 0; model < 200; ++model)
        EXPECT_EQ(readChoice(drumModelValue(model), choicescale::kDrumModel), model);
}

TEST(ChoiceReading, MenuEntriesReadBackThroughAScaleJustBelowTheirCount)
{
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(readChoice(menuEntryValue(n, 10), choicescale::kEffectRouting), n);
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(readChoice(menuEntryValue(n, 7), choicescale::kVoiceFilterType), n);
}

TEST(SwitchReading, OnFromTheMiddleUnlessStrictlyAbove)
{
    EXPECT_TRUE(isSwitchOn(0.5f));
    EXPECT_FALSE(isSwitchOn(0.49f));
    EXPECT_FALSE(isAboveHalf(0.5f));
    EXPECT_TRUE(isAboveHalf(0.51f));
}

TEST(BipolarReading, CentreIsZeroAndTheEndsAreSquared)
{
    EXPECT_FLOAT_EQ(readBipolar(0.5f), 0.0f);
    EXPECT_FLOAT_EQ(readBipolar(1.0f), 1.0f);
    EXPECT_FLOAT_EQ(readBipolar(0.0f), -1.0f);
    EXPECT_FLOAT_EQ(readBipolar(0.75f), 0.25f);
    EXPECT_FLOAT_EQ(readBipolar(0.25f), -0.25f);
}

TEST(StepReading, PitchSpansThreeOctavesEachWayAndCentresOnZero)
{
    EXPECT_EQ(readStepPitch(0.5f), 0);
    EXPECT_EQ(readStepPitch(0.0f), -36);
    EXPECT_EQ(readStepPitch(1.0f), 36);
    EXPECT_EQ(readStepPitch(0.49f), 0); // truncation toward zero
}

TEST(StepReading, OnAndFlamNeedMoreThanHalf)
{
    EXPECT_FALSE(readStepOn(0.5f));
    EXPECT_TRUE(readStepOn(1.0f));
    EXPECT_FALSE(readStepFlam(0.5f));
}

TEST(StepReading, VelocityPanLengthDelayAndSequencerValue)
{
    EXPECT_FLOAT_EQ(readStepVelocity(1.0f), 127.0f);
    EXPECT_FLOAT_EQ(readStepPanShift(0.5f), 0.0f);
    EXPECT_FLOAT_EQ(readStepLengthFactor(0.0f), 16.0f);
    EXPECT_FLOAT_EQ(readStepLengthFactor(0.5f), 1.0f);
    EXPECT_FLOAT_EQ(readStepLengthFactor(1.0f), 1.0f / 16.0f);
    EXPECT_FLOAT_EQ(readStepDelay(1.0f), 0.99f);
    EXPECT_FLOAT_EQ(readSequencerValue(0.0f), -1.0f);
    EXPECT_FLOAT_EQ(readSequencerValue(0.5f), 0.0f);
}

} // namespace
