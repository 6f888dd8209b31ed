#pragma once

#include "engine/tables/pattern_list.h"
#include "plugin/parameters/pattern_parameters.h"

#include <array>

namespace kravo::patterns {

inline constexpr int kAllPatternValues = param::kLastPatternParameter - param::kFirstPatternParameter + 1;
inline constexpr int kTrackValues = param::kStepAttributeCount * param::kStepCount;

// The copy commands fill all three parts at once, whichever was asked for; each paste command writes
// back its own part.
struct PatternClipboard {
    std::array<float, kAllPatternValues> allPatterns{};
    std::array<float, tables::kPatternListLength> pattern{};
    // By attribute, then step.
    std::array<float, kTrackValues> track{};
    bool valid = false;
};

} // namespace kravo::patterns
