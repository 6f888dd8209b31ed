#include "engine/modulation/modulation.h"

#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_index_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

namespace param = kravo::param;
using modulation::Modulation;

constexpr int kVelocity = 5;
constexpr int kOffset = 27;
constexpr int kBd1Pitch = 30;
constexpr int kBd1EnvSpeed = 31;
constexpr int kBd1Volume = 26;
constexpr int kMainVolume = 1;
constexpr float kTempo = 120.0f;
// A sample number whose low eight bits are not zero: no full rebuild.
constexpr std::uint32_t kMidBlock = 17;

float sourceValue(int source) { return (source + 0.5f) / 199.99f; }
float destinationValue(int d) { return (d + 0.5f) / 699.99f; }
// The amount that gives a signed depth s.
float amountFor(float s) { return (s + 1.0f) / 2.0f; }

class ModulationTest : public ::testing::Test {
protected:
    ModulationTest() : params(param::kParameterCount, 0.0f), mod(std::make_unique<Modulation>())
    {
        // Centred depth modulation contributes nothing.
        for (int n = 0; n < param::kModRowCount; ++n)
            params[param::modRowModAmount[n]] = 0.5f;
        mod->init(44100.0f);
    }

    void route(int row, int source, int destination, float signedDepth)
    {
        params[param::modRowSource[row]] = sourceValue(source);
        params[param::modRowDestination[row]] = destinationValue(destination);
        params[param::modRowAmount[row]] = amountFor(signedDepth);
    }

    void runSlot(int slot, std::uint32_t counter = kMidBlock)
    {
        mod->decodeMatrix(params.data());
        mod->updateSlot(slot, params.data(), kTempo, counter);
    }

    void runGlobal(std::uint32_t counter = kMidBlock)
    {
        mod->decodeMatrix(params.data());
        mod->updateGlobal(params.data(), kTempo, counter);
    }

    std::vector<float> params;
    std::unique_ptr<Modulation> mod;
};

TEST_F(ModulationTest, FullVelocityAtFullAmountRaisesBd1PitchTwoOctaves)
{
    mod->setSource(kVelocity, 127.0f / 127.0f);
    params[param::modRowSource[0]] = sourceValue(kVelocity);
    params[param::modRowDestination[0]] = destinationValue(kBd1Pitch);
    params[param::modRowAmount[0]] = 1.0f;
    runSlot(0);
    EXPECT_FLOAT_EQ(mod->slotTable(0).value[kBd1Pitch], 2.0f);
    EXPECT_FLOAT_EQ(mod->slotTable(0).ratio[kBd1Pitch], 4.0f);
}

TEST_F(ModulationTest, TwoScaleRowsMultiplyTheirFactors)
{
    mod->setSource(kOffset, 1.0f);
    route(0, kOffset, kBd1EnvSpeed, 0.25f);
    route(1, kOffset, kBd1EnvSpeed, 0.25f);
    runSlot(3);
    EXPECT_FLOAT_EQ(mod->slotTable(3).value[kBd1EnvSpeed], 4.0f);
}

TEST_F(ModulationTest, AFullNegativeScaleRowDividesBySixteen)
{
    mod->setSource(kOffset, 1.0f);
    route(0, kOffset, kBd1EnvSpeed, -1.0f);
    runSlot(0);
    EXPECT_FLOAT_EQ(mod->slotTable(0).value[kBd1EnvSpeed], 1.0f / 16.0f);
}

TEST_F(ModulationTest, RowsOnOneAddCellAccumulateAndRebuildEachPass)
{
    mod->setSource(kOffset, 1.0f);
    route(0, kOffset, kBd1Volume, 0.25f);
    route(1, kOffset, kBd1Volume, -0.5f);
    runSlot(0);
    runSlot(0);
    EXPECT_FLOAT_EQ(mod->slotTable(0).value[kBd1Volume], -0.25f);
}

TEST_F(ModulationTest, DestinationNoneDoesNothingAndRunsNoModulator)
{
    mod->setSource(kOffset, 1.0f);
    route(0, kOffset, 0, 1.0f);
    runSlot(0);
    runGlobal();
    EXPECT_EQ(mod->slotTable(0).value[0], 0.0f);
    EXPECT_FALSE(mod->matrix().envRunning(0));
    EXPECT_FALSE(mod->matrix().lfoRunning(0));
}

TEST_F(ModulationTest, ASourceNumberPastTheListActsAsNone)
{
    mod->setSource(kOffset, 1.0f);
    params[param::modRowSource[0]] = 1.0f; // reads as 199
    params[param::modRowDestination[0]] = destinationValue(kBd1Volume);
    params[param::modRowAmount[0]] = 1.0f;
    params[param::modRowModSource[0]] = 1.0f;
    params[param::modRowModAmount[0]] = 1.0f;
    runSlot(0);
    EXPECT_EQ(mod->slotTable(0).value[kBd1Volume], 0.0f);
}

TEST_F(ModulationTest, AModRowOnEnvelope1RunsEnvelope1WithoutItsOwnDestination)
{
    route(0, modulation::source::kEnv1, kBd1Volume, 1.0f);
    mod->decodeMatrix(params.data());
    EXPECT_TRUE(mod->matrix().envRunning(0));
    EXPECT_FALSE(mod->matrix().envRunning(1));
}

TEST_F(ModulationTest, GlobalDestinationsMoveOnlyInTheGlobalPass)
{
    mod->setSource(kOffset, 1.0f);
    route(0, kOffset, kMainVolume, 0.5f);
    runSlot(0);
    EXPECT_EQ(mod->slotTable(0).value[kMainVolume], 0.0f);
    EXPECT_EQ(mod->globalTable().value[kMainVolume], 0.0f);
    runGlobal();
    EXPECT_FLOAT_EQ(mod->globalTable().value[kMainVolume], 0.5f);
}

TEST_F(ModulationTest, VoiceDestinationsMoveOnlyInTheSlotPass)
{
    mod->setSource(kOffset, 1.0f);
    route(0, kOffset, kBd1Volume, 0.5f);
    runGlobal();
    EXPECT_EQ(mod->globalTable().value[kBd1Volume], 0.0f);
    runSlot(1);
    EXPECT_FLOAT_EQ(mod->slotTable(1).value[kBd1Volume], 0.5f);
    EXPECT_EQ(mod->slotTable(2).value[kBd1Volume], 0.0f);
}

TEST_F(ModulationTest, EffectRowsReachTheirSlotCellsGloballyAndNeverPerSlot)
{
    mod->setSource(kOffset, 1.0f);
    const int row = 5; // "Fx 2B"
    params[param::effectModSourceB[1]] = sourceValue(kOffset);
    params[param::effectModDestinationB[1]] = (2 + 0.5f) / 49.99f; // the slot's pan
    params[param::effectModAmountB[1]] = amountFor(0.5f);
    const int cell = 500 + 13 * row + 2;
    runGlobal();
    runSlot(0);
    EXPECT_FLOAT_EQ(mod->globalTable().value[cell], 0.5f);
    EXPECT_EQ(mod->slotTable(0).value[cell], 0.0f);
}

TEST_F(ModulationTest, AnEffectRowWithoutDestinationPointsAtTheUnusedCell)
{
    mod->setSource(kOffset, 1.0f);
    params[param::effectModSourceA[0]] = sourceValue(kOffset);
    params[param::effectModAmountA[0]] = 1.0f;
    runGlobal();
    EXPECT_EQ(mod->matrix().row(12).destination, 500u);
    EXPECT_EQ(mod->globalTable().value[500], 0.0f);
}

TEST_F(ModulationTest, AnAbandonedDestinationKeepsItsValueUntilTheFullRebuild)
{
    mod->setSource(kOffset, 1.0f);
    route(0, kOffset, kMainVolume, 0.5f);
    runGlobal();
    route(0, kOffset, 2, 0.5f);
    runGlobal();
    EXPECT_FLOAT_EQ(mod->globalTable().value[kMainVolume], 0.5f);
    runGlobal(256);
    EXPECT_EQ(mod->globalTable().value[kMainVolume], 0.0f);
    EXPECT_FLOAT_EQ(mod->globalTable().value[2], 0.5f);
}

TEST_F(ModulationTest, DepthModulationAddsTheModSourceScaledByItsAmount)
{
    mod->setSource(kOffset, 1.0f);
    mod->setSource(kVelocity, 0.5f);
    route(0, kOffset, kBd1Volume, 0.25f);
    params[param::modRowModSource[0]] = sourceValue(kVelocity);
    params[param::modRowModAmount[0]] = 1.0f;
    runSlot(0);
    EXPECT_FLOAT_EQ(mod->slotTable(0).value[kBd1Volume], 0.75f);
}

TEST_F(ModulationTest, PitchBendAtCentreHasNoBipolarSignal)
{
    mod->setSourceBipolar(6, 0.5f, 0.0f);
    EXPECT_EQ(mod->globalSources().values[6].unipolar, 0.5f);
    EXPECT_EQ(mod->slotSources(7).values[6].bipolar, 0.0f);
}

TEST_F(ModulationTest, Envelope1DrivesEachSlotWithItsOwnEnvelope)
{
    params[param::envelopeBase[0] + param::envelope::kDestination] = destinationValue(kBd1Volume);
    params[param::envelopeBase[0] + param::envelope::kAmount] = 1.0f;
    mod->startSlotModulators(0, params.data());
    for (int block = 0; block < 4; ++block)
        runSlot(0);
    runSlot(1);
    EXPECT_GT(mod->slotTable(0).value[kBd1Volume], 0.9f); // instant attack, full hold
    EXPECT_EQ(mod->slotTable(1).value[kBd1Volume], 0.0f); // never triggered
}

TEST_F(ModulationTest, PolyLfoModeRestartsTheSlotsLfoAtItsNote)
{
    params[param::lfoBase[0] + param::lfo::kDestination] = destinationValue(kBd1Volume);
    params[param::lfoBase[0] + param::lfo::kAmount] = 1.0f;
    params[param::lfoBase[0] + param::lfo::kSpeed] = 1.0f;
    params[param::lfoBase[0] + param::lfo::kSymmetry] = 0.5f;
    params[param::kEasyLfoSpeed] = 0.5f;
    params[param::kEasyLfoAmount] = 0.5f; // no easy offset on the depth
    for (int block = 0; block < 5; ++block)
        runSlot(0);
    const float running = mod->slotTable(0).value[kBd1Volume];
    mod->startSlotModulators(0, params.data());
    runSlot(0);
    runSlot(4);
    EXPECT_NE(mod->slotTable(0).value[kBd1Volume], running);
    EXPECT_FLOAT_EQ(mod->slotTable(0).value[kBd1Volume], mod->slotTable(4).value[kBd1Volume]);
}

} // namespace
