#pragma once

#include "plugin/parameters/parameter_index_table.h"

namespace kravo::param {

// Envelope e's parameter is envelopeBase[e] + envelope::kAttack and so on.
namespace envelope {
enum Parameter : int { kAttack, kHold, kDecay, kAmount, kDestination, kModSource, kModAmount, kParameterCount };
}
inline constexpr ParameterIndexTable<2> envelopeBase = {1630, 1640};

namespace lfo {
enum Parameter : int {
    kSpeed, kAmount, kHumanize, kSymmetry, kWave, kMode, kSync, kDestination, kModSource, kModAmount,
    kParameterCount
};
}
inline constexpr ParameterIndexTable<2> lfoBase = {1660, 1671};

// The eight rows of the modulation matrix, one entry per row.
inline constexpr int kModRowCount = 8;
inline constexpr ParameterIndexTable<kModRowCount> modRowBypass = indexRun<kModRowCount>(1690);
inline constexpr ParameterIndexTable<kModRowCount> modRowDestination = indexRun<kModRowCount>(1698);
inline constexpr ParameterIndexTable<kModRowCount> modRowSource = indexRun<kModRowCount>(1706);
inline constexpr ParameterIndexTable<kModRowCount> modRowModSource = indexRun<kModRowCount>(1714);
inline constexpr ParameterIndexTable<kModRowCount> modRowAmount = indexRun<kModRowCount>(1722);
inline constexpr ParameterIndexTable<kModRowCount> modRowModAmount = indexRun<kModRowCount>(1730);

} // namespace kravo::param
