#include "plugin/parameters/parameter_reading.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace kravo::param;

TEST(ParameterReading, EveryChoiceTheEditorWritesReadsBackAsItselfAndSwitchesAndStepsTurnAtTheMiddle)
{
    for (int model = 0; model < 200; ++model)
        EXPECT_EQ(readChoice(drumModelValue(model), choicescale::kDrumModel), model);
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(readChoice(menuEntryValue(n, 7), choicescale::kVoiceFilterType), n);
    EXPECT_EQ(readChoice(1.0f, choicescale::kEffectType), 49);
    EXPECT_EQ(readChoiceClamped(1.0f, choicescale::kEffectType, 27), 26);
    EXPECT_TRUE(isAboveHalf(0.51f) && !isAboveHalf(0.5f) && !readStepOn(0.5f) && !readStepFlam(0.5f));
    EXPECT_EQ(std::tuple(readStepPitch(0.0f), readStepPitch(0.49f), readStepPitch(1.0f)), std::tuple(-36, 0, 36));
}

} // namespace
