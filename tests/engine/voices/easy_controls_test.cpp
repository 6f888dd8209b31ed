#include "engine/voices/easy_controls.h"

#include "engine/modulation/mod_destinations.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/mixer_parameters.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

namespace param = kravo::param;

class EasyControlsTest : public ::testing::Test {
protected:
    EasyControlsTest() : params(param::kParameterCount, 0.5f) { params[param::voiceEasyBypass[0]] = 0.0f; }

    // One set of powers across the cases, as the engine keeps one: each update follows the knobs it was given.
    voices::EasyControls compute(int slot = 0)
    {
        powers.update(params.data());
        return voices::computeEasyControls(params.data(), slot, table, powers);
    }

    std::vector<float> params;
    voices::EasyPowers powers;
    modulation::ModDestinationTable table;
};

TEST_F(EasyControlsTest, KnobsSpanTheirRangesAroundANeutralCentre)
{
    EXPECT_EQ(compute().synthPitchFactor, 1.0f);
    EXPECT_EQ(compute().synthDecayFactor, 1.0f);
    EXPECT_EQ(compute().lfoSpeedFactor, 1.0f);
    using E = voices::EasyControls;
    for (const auto& [parameter, value, field, expected] :
         {std::tuple{param::kEasySynthSemi, 0.0f, &E::synthPitchOctaves, -1.0f},
          {param::kEasySynthSemi, 1.0f, &E::synthPitchFactor, 2.0f},
          {param::kEasySampleSemi, 0.0f, &E::samplePitchFactor, 0.5f},
          {param::kEasySynthOctave, 0.0f, &E::synthPitchOctaves, -4.0f},
          {param::kEasySynthOctave, 1.0f, &E::synthPitchFactor, 16.0f},
          {param::kEasySynthDecaySpeed, 0.0f, &E::synthDecayFactor, 32.0f},
          {param::kEasySynthDecaySpeed, 1.0f, &E::synthDecayFactor, 1.0f / 32.0f}}) {
        params[parameter] = value;
        EXPECT_FLOAT_EQ(compute().*field, expected) << parameter << " at " << value;
        params[parameter] = 0.5f;
    }
}

TEST_F(EasyControlsTest, ModulationCellsAddToOffsetsAndMultiplyFactors)
{
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

TEST_F(EasyControlsTest, BypassAboveHalfMakesEveryControlNeutralOnEverySlot)
{
    params[param::kEasySynthOctave] = 1.0f;
    params[param::voiceEasyBypass[0]] = 0.5f;
    EXPECT_FLOAT_EQ(compute().synthPitchOctaves, 4.0f);
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

} // namespace
