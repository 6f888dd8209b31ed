#pragma once

#include "plugin/parameters/parameter_index_table.h"

namespace kravo {

inline constexpr int kProgramCount = 32;
inline constexpr int kProgramNameSize = 32; // zero-terminated

// The 32 factory programs, compiled in from resources/factory/: program p's values are
// factoryBank[p][0..9899], every one in 0..1.
extern const float factoryBank[kProgramCount][param::kParameterCount];
extern const char factoryProgramNames[kProgramCount][kProgramNameSize];

} // namespace kravo
