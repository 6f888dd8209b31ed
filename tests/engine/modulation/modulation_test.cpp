#include "engine/modulation/modulation.h"

#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_index_table.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <tuple>
#include <vector>

namespace {

namespace param = kravo::param;
using modulation::Modulation;

constexpr int kVelocity = 5, kOffset = modulation::source::kOffset;
// Destination cells.
constexpr int kMainVolume = 1, kMainPan = 2, kBd1Volume = 26, kBd1Pitch = 30, kBd1EnvSpeed = 31;
// A sample number whose low eight bits are not zero: no full rebuild.
constexpr std::uint32_t kMidBlock = 17;

constexpr int kGlobal = -1;

float sourceValue(int source) { return (source + 0.5f) / 199.99f; }
float destinationValue(int d) { return (d + 0.5f) / 699.99f; }

class ModulationTest : public ::testing::Test {
protected:
    ModulationTest()
    {
        for (int n = 0; n < param::kModRowCount; ++n)
            params[param::modRowModAmount[n]] = 0.5f; // centred: no depth modulation
        mod->init(44100.0f);
        mod->setSource(kOffset, 1.0f); // the constant source, as the engine sets it
    }

    void route(int row, int source, int destination, float signedDepth)
    {
        params[param::modRowSource[row]] = sourceValue(source);
        params[param::modRowDestination[row]] = destinationValue(destination);
        params[param::modRowAmount[row]] = (signedDepth + 1.0f) / 2.0f;
    }

    // One pass of the given slot, or of the global set for kGlobal, at 120 BPM.
    void run(int slot, std::uint32_t counter = kMidBlock)
    {
        mod->decodeMatrix(params.data());
        slot == kGlobal ? mod->updateGlobal(params.data(), 120.0f, counter)
                        : mod->updateSlot(slot, params.data(), 120.0f, counter);
    }
    float cell(int slot, int d) const { return (slot == kGlobal ? mod->globalTable() : mod->slotTable(slot)).value[d]; }

    std::vector<float> params = std::vector<float>(param::kParameterCount, 0.0f);
    std::unique_ptr<Modulation> mod = std::make_unique<Modulation>();
};

TEST_F(ModulationTest, RowsOnOneCellCombineByTheCellsKind)
{
    // Destination, the depths of two rows, the first row's depth modulation amount and the cell's value.
    const std::tuple<int, float, float, float, float> cases[] = {
        {kBd1Pitch, 1.0f, 0.0f, 0.5f, 2.0f},         // 2x octaves
        {kBd1EnvSpeed, 0.25f, 0.25f, 0.5f, 4.0f},    // factors 2^(4x), multiplied
        {kBd1Volume, 0.25f, -0.5f, 0.5f, -0.25f},    // summed
        {kBd1Volume, 0.25f, 0.0f, 1.0f, 0.75f}};     // the depth moved by velocity 0.5 at full amount
    mod->setSource(kVelocity, 0.5f);
    params[param::modRowModSource[0]] = sourceValue(kVelocity);
    for (int slot = 0; slot < int(std::size(cases)); ++slot) {
        const auto& [destination, firstDepth, secondDepth, modAmount, value] = cases[slot];
        route(0, kOffset, destination, firstDepth);
        route(1, kOffset, destination, secondDepth);
        params[param::modRowModAmount[0]] = modAmount;
        // A second pass rebuilds the cells the rows point at rather than adding to them.
        run(slot);
        run(slot);
        EXPECT_FLOAT_EQ(cell(slot, destination), value) << "case " << slot;
    }
    EXPECT_FLOAT_EQ(mod->slotTable(0).ratio[kBd1Pitch], 4.0f);
}

TEST_F(ModulationTest, RowsRunOnlyTheModulatorsTheyUseAndRowsWithoutDestinationOrValidSourceDoNothing)
{
    route(0, kOffset, 0, 1.0f);
    route(1, 199, kBd1Volume, 1.0f);
    params[param::modRowModSource[1]] = sourceValue(199);
    params[param::modRowModAmount[1]] = 1.0f;
    run(0);
    run(kGlobal);
    EXPECT_TRUE(cell(0, 0) == 0.0f && cell(0, kBd1Volume) == 0.0f);
    EXPECT_FALSE(mod->matrix().envRunning(0) || mod->matrix().lfoRunning(0));
    // A mod row on envelope 1 runs envelope 1, though the envelope's own row has no destination.
    route(2, modulation::source::kEnv1, kBd1Volume, 1.0f);
    mod->decodeMatrix(params.data());
    EXPECT_TRUE(mod->matrix().envRunning(0) && !mod->matrix().envRunning(1));
}

TEST_F(ModulationTest, GlobalAndEffectCellsMoveOnlyInTheGlobalPassVoiceCellsOnlyInTheirSlotsPass)
{
    route(0, kOffset, kMainVolume, 0.5f);
    route(1, kOffset, kBd1Volume, 0.5f);
    run(1);
    EXPECT_EQ(std::tuple(cell(1, kMainVolume), cell(kGlobal, kMainVolume), cell(1, kBd1Volume), cell(2, kBd1Volume)),
              std::tuple(0.0f, 0.0f, 0.5f, 0.0f));
    run(kGlobal);
    EXPECT_EQ(std::tuple(cell(kGlobal, kMainVolume), cell(kGlobal, kBd1Volume)), std::tuple(0.5f, 0.0f));
    // A cell no row points at any more keeps its value until the full rebuild.
    route(0, kOffset, kMainPan, 0.5f);
    run(kGlobal);
    EXPECT_EQ(cell(kGlobal, kMainVolume), 0.5f);
    run(kGlobal, 256);
    EXPECT_EQ(std::tuple(cell(kGlobal, kMainVolume), cell(kGlobal, kMainPan)), std::tuple(0.0f, 0.5f));
    // Effect rows reach their slot cells in the global pass only.
    params[param::effectModSourceB[1]] = sourceValue(kOffset);
    params[param::effectModDestinationB[1]] = (2 + 0.5f) / 49.99f; // the slot's pan
    params[param::effectModAmountB[1]] = 0.75f; // depth 0.5
    // "Fx 1A" has no destination: it points at the unused cell.
    params[param::effectModSourceA[0]] = sourceValue(kOffset);
    params[param::effectModAmountA[0]] = 1.0f;
    const int fxPan = 500 + 13 * 5 + 2; // row 5 is "Fx 2B"
    run(kGlobal);
    run(0);
    EXPECT_EQ(std::tuple(cell(kGlobal, fxPan), cell(0, fxPan), mod->matrix().row(12).destination, cell(kGlobal, 500)),
              std::tuple(0.5f, 0.0f, 500u, 0.0f));
}

TEST_F(ModulationTest, EachSlotRunsItsOwnEnvelopeAndItsPolyLfoRestartsAtItsNote)
{
    params[param::envelopeBase[0] + param::envelope::kDestination] = destinationValue(kBd1Volume);
    params[param::envelopeBase[0] + param::envelope::kAmount] = 1.0f;
    mod->startSlotModulators(0, params.data());
    for (int block = 0; block < 4; ++block)
        run(0);
    run(1);
    EXPECT_TRUE(cell(0, kBd1Volume) > 0.9f && cell(1, kBd1Volume) == 0.0f); // instant attack, full hold; no trigger
    params[param::envelopeBase[0] + param::envelope::kDestination] = 0.0f;
    for (const auto& [field, value] : {std::pair{param::lfo::kDestination, destinationValue(kBd1Volume)},
             {param::lfo::kAmount, 1.0f}, {param::lfo::kSpeed, 1.0f}, {param::lfo::kSymmetry, 0.5f}})
        params[param::lfoBase[0] + field] = value;
    params[param::kEasyLfoSpeed] = 0.5f;
    params[param::kEasyLfoAmount] = 0.5f; // no easy offset on the depth
    for (int block = 0; block < 5; ++block)
        run(2);
    const float running = cell(2, kBd1Volume);
    mod->startSlotModulators(2, params.data());
    run(2);
    run(4);
    EXPECT_NE(cell(2, kBd1Volume), running);
    EXPECT_FLOAT_EQ(cell(2, kBd1Volume), cell(4, kBd1Volume));
}

} // namespace
