#pragma once

#include "plugin/parameters/parameter_index_table.h"
#include "plugin/parameters/voice_order.h"

namespace kravo::param {

// Texts kept in parameters, one character per parameter (sample names are in sample_slot_parameters.h).
inline constexpr int kPatternNameLength = 64;
inline constexpr int kDrumPresetNameLength = 24;
inline constexpr int kBankNameFirst = 9250;
inline constexpr int kBankNameLength = 38;

constexpr int patternNameIndex(int pattern)
{
    return 8100 + kPatternNameLength * pattern;
}

inline constexpr ParameterIndexTable<kVoiceSlotCount> drumPresetName =
    indexRun<kVoiceSlotCount>(9300, kDrumPresetNameLength);

} // namespace kravo::param
