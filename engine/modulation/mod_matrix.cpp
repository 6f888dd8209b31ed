#include "engine/modulation/mod_matrix.h"

#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <algorithm>
#include <cmath>

namespace modulation {

namespace {

namespace param = kravo::param;

constexpr int kEnvRowFirst = 0;
constexpr int kLfoRowFirst = 2;
constexpr int kModRowFirst = 4;
constexpr int kFxRowFirst = 12;
constexpr int kFxRowCount = 8;
constexpr int kFxCellsPerRow = 13;
constexpr float kFxDestinationScale = 49.99f;
constexpr float kPitchOctavesPerUnit = 24.0f / 12.0f; // a full row moves two octaves

// A choice read from a parameter; anything outside the list is entry 0 ("None").
std::uint32_t readIndex(float value, float scale, int count)
{
    const int n = param::readChoice(value, scale);
    return n >= 0 && n < count ? static_cast<std::uint32_t>(n) : 0u;
}

float signedFromUnit(float value)
{
    return 2.0f * value - 1.0f;
}

void applyToCell(ModDestinationTable& table, std::uint32_t d, float x)
{
    switch (kModDestinationKinds[d]) {
    case ModDestinationKind::Add:
    case ModDestinationKind::Level: table.value[d] += x; break;
    case ModDestinationKind::Scale: table.value[d] *= std::exp2(4.0f * x); break;
    case ModDestinationKind::Pitch:
        table.value[d] += x * kPitchOctavesPerUnit;
        table.ratio[d] = std::exp2(table.value[d]);
        break;
    case ModDestinationKind::None: break;
    }
}

} // namespace

void ModulationMatrix::markRunning(std::uint32_t source)
{
    if (source == source::kEnv1 || source == source::kEnv1 + 1)
        envRunning_[source - source::kEnv1] = true;
    else if (source == source::kLfo1 || source == source::kLfo1 + 1)
        lfoRunning_[source - source::kLfo1] = true;
}

void ModulationMatrix::decode(const float* p, const ModSourceSet& global, const ModDestinationTable& globalTable)
{
    envRunning_[0] = envRunning_[1] = false;
    lfoRunning_[0] = lfoRunning_[1] = false;

    // Envelope and LFO rows: fixed source; their own amount destinations move the depth.
    auto decodeModulatorRow = [&](ModMatrixRow& row, std::uint32_t source, int destinationParam, int amountParam,
                                  int modSourceParam, int modAmountParam, float depthOffset) {
        row.source = source;
        row.destination = readIndex(p[destinationParam], param::choicescale::kModDestination, kModDestinationCount);
        row.modSource = readIndex(p[modSourceParam], param::choicescale::kModSource, kModSourceCount);
        row.modDepth = signedFromUnit(p[modAmountParam]) * global.bipolar(row.modSource);
        row.depth = row.depthCopy = std::clamp(p[amountParam] + depthOffset, 0.0f, 1.0f);
        row.signedDepth = std::clamp(signedFromUnit(p[amountParam]) + depthOffset, -1.0f, 1.0f);
    };

    for (int e = 0; e < 2; ++e) {
        const int base = param::envelopeBase[e];
        ModMatrixRow& row = rows_[kEnvRowFirst + e];
        decodeModulatorRow(row, source::kEnv1 + e, base + param::envelope::kDestination,
                           base + param::envelope::kAmount, base + param::envelope::kModSource,
                           base + param::envelope::kModAmount, globalTable.value[globaldest::kEnvAmount[e]]);
        if (row.destination != 0)
            envRunning_[e] = true;
    }

    const float easyAmount = easyLfoAmount(p[param::kEasyLfoAmount]);
    for (int l = 0; l < 2; ++l) {
        const int base = param::lfoBase[l];
        ModMatrixRow& row = rows_[kLfoRowFirst + l];
        decodeModulatorRow(row, source::kLfo1 + l, base + param::lfo::kDestination, base + param::lfo::kAmount,
                           base + param::lfo::kModSource, base + param::lfo::kModAmount,
                           globalTable.value[globaldest::kLfoAmount[l]] + easyAmount);
        if (row.destination != 0)
            lfoRunning_[l] = true;
    }

    for (int n = 0; n < param::kModRowCount; ++n) {
        ModMatrixRow& row = rows_[kModRowFirst + n];
        row.source = readIndex(p[param::modRowSource[n]], param::choicescale::kModSource, kModSourceCount);
        decodeModulatorRow(row, row.source, param::modRowDestination[n], param::modRowAmount[n],
                           param::modRowModSource[n], param::modRowModAmount[n], 0.0f);
        markRunning(row.source);
    }

    // Effect rows: rows nA then nB of master slot n, each reaching one of its slot's twelve cells.
    for (int i = 0; i < kFxRowCount; ++i) {
        ModMatrixRow& row = rows_[kFxRowFirst + i];
        const int slot = i % param::kEffectSlotCount;
        const bool rowB = i >= param::kEffectSlotCount;
        const int sourceParam = rowB ? param::effectModSourceB[slot] : param::effectModSourceA[slot];
        const int destinationParam = rowB ? param::effectModDestinationB[slot] : param::effectModDestinationA[slot];
        const int amountParam = rowB ? param::effectModAmountB[slot] : param::effectModAmountA[slot];
        row.source = readIndex(p[sourceParam], param::choicescale::kModSource, kModSourceCount);
        const std::uint32_t k = readIndex(p[destinationParam], kFxDestinationScale, kModDestinationCount);
        row.destination = k != 0 ? globaldest::kEffectNone + kFxCellsPerRow * i + k : globaldest::kEffectNone;
        row.depth = row.depthCopy = p[amountParam];
        row.signedDepth = signedFromUnit(p[amountParam]);
        row.modSource = 0;
        row.modDepth = 0.0f;
        markRunning(row.source);
    }
    listActiveRows();
}

void ModulationMatrix::listActiveRows()
{
    globalCellsSettled_ = false;
    rowCellCount_ = 0;
    globalRowCount_ = 0;
    slotRowCount_ = 0;
    for (int r = 0; r < kRowCount; ++r) {
        const std::uint32_t d = rows_[r].destination;
        if (std::find(rowCells_, rowCells_ + rowCellCount_, d) == rowCells_ + rowCellCount_)
            rowCells_[rowCellCount_++] = d;
        const auto cell = static_cast<int>(d);
        if (cell != 0 && cell != globaldest::kEffectNone && isGlobalDestination(cell, true))
            globalRows_[globalRowCount_++] = static_cast<std::uint8_t>(r);
        if (r < kVoiceRowCount && cell != 0 && !isGlobalDestination(cell, false))
            slotRows_[slotRowCount_++] = static_cast<std::uint8_t>(r);
    }
}

bool ModulationMatrix::reachesGlobalCell(int cell) const
{
    for (int i = 0; i < globalRowCount_; ++i)
        if (static_cast<int>(rows_[globalRows_[i]].destination) == cell)
            return true;
    return false;
}

void ModulationMatrix::resetRowCells(ModDestinationTable& table) const
{
    for (int i = 0; i < rowCellCount_; ++i)
        table.resetCell(static_cast<int>(rowCells_[i]));
}

void ModulationMatrix::applyGlobal(ModDestinationTable& table, const ModSourceSet& sources)
{
    if (globalCellsSettled_)
        return;
    globalCellsSettled_ = globalRowCount_ == 0;
    resetRowCells(table);
    for (int i = 0; i < globalRowCount_; ++i) {
        const int r = globalRows_[i];
        const ModMatrixRow& row = rows_[r];
        const float depth = r < kFxRowFirst ? row.signedDepth + row.modDepth : row.signedDepth;
        const float x = std::clamp(depth, -1.0f, 1.0f) * sources.bipolar(row.source);
        applyToCell(table, row.destination, x);
    }
}

void ModulationMatrix::applySlot(ModDestinationTable& table, const ModSourceSet& sources) const
{
    resetRowCells(table);
    for (int i = 0; i < slotRowCount_; ++i) {
        const ModMatrixRow& row = rows_[slotRows_[i]];
        const float x = std::clamp(row.signedDepth + row.modDepth, -1.0f, 1.0f) * sources.bipolar(row.source);
        applyToCell(table, row.destination, x);
    }
}

} // namespace modulation
