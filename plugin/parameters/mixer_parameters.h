#pragma once

#include "plugin/parameters/parameter_index_table.h"

namespace kravo::param {

// Indices 0, 1 and 3..9 carry nothing; index 0 still heads every pattern's parameter list.
inline constexpr int kMainVolume = 2;

// Easy controls: global offsets over all voices (66 and 69 carry nothing).
inline constexpr int kEasySynthSemi = 67;
inline constexpr int kEasySynthOctave = 68;
inline constexpr int kEasySampleSemi = 70;
inline constexpr int kEasySampleOctave = 71;
inline constexpr int kEasySynthDecaySpeed = 72;
inline constexpr int kEasySampleDecaySpeed = 73;
inline constexpr int kEasyPitchEnvSpeed = 74;
inline constexpr int kEasyFilterFreq = 75;
inline constexpr int kEasyFilterQ = 76;
inline constexpr int kEasyLfoAmount = 77;
inline constexpr int kEasyLfoSpeed = 78;

// Writing this last parameter re-applies the current program at the next reload mark.
inline constexpr int kReloadTrigger = 9899;

} // namespace kravo::param
