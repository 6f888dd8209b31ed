#include "engine/voices/easy_controls.h"

#include "engine/modulation/mod_destinations.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/mixer_parameters.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace param = kravo::param;

class EasyControlsTest : public ::testing::Test {
protected:
    EasyControlsTest() : params(param::kParameterCount, 0.5f) {}

    voices::EasyControls compute(int slot = 0) { return voices::computeEasyControls(params.data(), slot, table); }

    std::vector<float> params;
    modulation::ModDestinationTable table;
};

TEST_F(EasyControlsTest, CentredKnobsAreNeutral)
{
    for (int p = param::voiceEasyBypass[0]; p <= param::voiceEasyBypass[23]; ++p)
        params[p] = 0.0f;
    const voices::EasyControls c = compute();
    EXPECT_EQ(c.synthPitchOctaves, 0.0f);
    EXPECT_EQ(c.synthPitchFactor, 1.0f);
    EXPECT_EQ(c.synthDecayFactor, 1.0f);
    EXPECT_EQ(c.filterFreqOffset, 0.0f);
    EXPECT_EQ(c.lfoAmountOffset, 0.0f);
    EXPECT_EQ(c.lfoSpeedFactor, 1.0f);
}

TEST_F(EasyControlsTest, SemitonesSpanMinusTwelveToPlusTwelve)
{
    params[param::voiceEasyBypass[0]] = 0.0f;
    params[param::kEasySynthSemi] = 0.0f;
    EXPECT_FLOAT_EQ(compute().synthPitchOctaves, -1.0f);
    params[param::kEasySynthSemi] = 1.0f;
    EXPECT_FLOAT_EQ(compute().synthPitchOctaves, 1.0f);
    EXPECT_FLOAT_EQ(compute().synthPitchFactor, 2.0f);
    params[param::kEasySampleSemi] = 0.0f;
    EXPECT_FLOAT_EQ(compute().samplePitchFactor, 0.5f);
}

TEST_F(EasyControlsTest, OctavesSpanMinusFourToPlusFour)
{
    params[param::voiceEasyBypass[0]] = 0.0f;
    params[param::kEasySynthOctave] = 0.0f;
    EXPECT_FLOAT_EQ(compute().synthPitchOctaves, -4.0f);
    params[param::kEasySynthOctave] = 1.0f;
    EXPECT_FLOAT_EQ(compute().synthPitchOctaves, 4.0f);
    EXPECT_FLOAT_EQ(compute().synthPitchFactor, 16.0f);
}

TEST_F(EasyControlsTest, DecaySpeedRunsFromThirtyTwoTimesToOneThirtySecond)
{
    params[param::voiceEasyBypass[0]] = 0.0f;
    params[param::kEasySynthDecaySpeed] = 0.0f;
    EXPECT_FLOAT_EQ(compute().synthDecayFactor, 32.0f);
    params[param::kEasySynthDecaySpeed] = 0.5f;
    EXPECT_FLOAT_EQ(compute().synthDecayFactor, 1.0f);
    params[param::kEasySynthDecaySpeed] = 1.0f;
    EXPECT_FLOAT_EQ(compute().synthDecayFactor, 1.0f / 32.0f);
}

TEST_F(EasyControlsTest, ModulationCellsAddToOffsetsAndMultiplyFactors)
{
    params[param::voiceEasyBypass[0]] = 0.0f;
    table.value[modulation::easydest::kSynthPitch] = 1.0f;
    table.ratio[modulation::easydest::kSynthPitch] = 2.0f;
    table.value[modulation::easydest::kSynthDecay] = 4.0f;
    table.value[modulation::easydest::kFilterFreq] = -0.5f;
    const voices::EasyControls c = compute();
    EXPECT_FLOAT_EQ(c.synthPitchOctaves, 1.0f);
    EXPECT_FLOAT_EQ(c.synthPitchFactor, 2.0f);
    EXPECT_FLOAT_EQ(c.synthDecayFactor, 4.0f);
    EXPECT_FLOAT_EQ(c.filterFreqOffset, -0.25f); // signed square
}

TEST_F(EasyControlsTest, BypassMakesEveryControlNeutralOnEverySlot)
{
    params[param::kEasySynthSemi] = 1.0f;
    params[param::kEasySynthDecaySpeed] = 0.0f;
    params[param::kEasyLfoAmount] = 1.0f;
    params[param::kEasyFilterFreq] = 1.0f;
    for (int slot : {0, 15, 16, 23}) {
        params[param::voiceEasyBypass[slot]] = 1.0f;
        const voices::EasyControls c = compute(slot);
        EXPECT_EQ(c.synthPitchOctaves, 0.0f);
        EXPECT_EQ(c.synthDecayFactor, 1.0f);
        EXPECT_EQ(c.filterFreqOffset, 0.0f);
        EXPECT_EQ(c.lfoAmountOffset, 0.0f);
    }
}

TEST_F(EasyControlsTest, BypassOnlyAboveHalf)
{
    params[param::voiceEasyBypass[0]] = 0.5f;
    params[param::kEasySynthOctave] = 1.0f;
    EXPECT_FLOAT_EQ(compute().synthPitchOctaves, 4.0f);
}

} // namespace
