#pragma once

#include "plugin/parameters/pattern_parameters.h"

#include <array>

namespace tables {

// Where each value of a pattern file (and of the pattern clipboard) goes, in
// file order: a placeholder, the pattern's six settings, the seven step fields
// of every step of every track, the sixteen sequencer values and the four
// track target pads.
inline constexpr int kPatternListLength = 475;
using PatternEntries = std::array<int, kPatternListLength>;

constexpr std::array<PatternEntries, kravo::param::kPatternCount> buildPatternList()
{
    namespace param = kravo::param;
    std::array<PatternEntries, param::kPatternCount> list{};
    for (int p = 0; p < param::kPatternCount; ++p) {
        PatternEntries& entries = list[p];
        int n = 0;
        entries[n++] = 0; // never applied by the reader
        entries[n++] = param::patternStartStep[p];
        entries[n++] = param::patternEndStep[p];
        entries[n++] = param::patternSpeed[p];
        entries[n++] = param::patternSwing[p];
        entries[n++] = param::patternFlam[p];
        entries[n++] = param::patternHumanization[p];
        for (int t = 0; t < param::kTrackCount; ++t)
            for (int s = 0; s < param::kStepCount; ++s)
                for (int q = 0; q < param::kStepAttributeCount; ++q)
                    entries[n++] = param::stepAttributeIndex(static_cast<param::StepAttribute>(q), p, t, s);
        for (int k = 0; k < param::kStepCount; ++k)
            entries[n++] = param::sequencerValueIndex(p, k);
        for (int t = 0; t < param::kTrackCount; ++t)
            entries[n++] = param::trackTargetPadIndex(p, t);
    }
    return list;
}

inline constexpr std::array<PatternEntries, kravo::param::kPatternCount> kPatternList = buildPatternList();

} // namespace tables
