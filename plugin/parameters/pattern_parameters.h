#pragma once

#include "plugin/parameters/parameter_index_table.h"

#include <array>

namespace kravo::param {

// Patterns 0..3 are Groove 1..4, 4..7 Break 1..4; each has 4 tracks of 16 steps.
inline constexpr int kPatternCount = 8;
inline constexpr int kTrackCount = 4;
inline constexpr int kStepCount = 16;

inline constexpr int kPatternLatching = 2298;
inline constexpr int kPatternSync = 2299;

// One entry per pattern.
inline constexpr ParameterIndexTable<kPatternCount> patternStartStep = indexRun<kPatternCount>(2300);
inline constexpr ParameterIndexTable<kPatternCount> patternEndStep = indexRun<kPatternCount>(2308);
inline constexpr ParameterIndexTable<kPatternCount> patternSpeed = indexRun<kPatternCount>(2316);
inline constexpr ParameterIndexTable<kPatternCount> patternSwing = indexRun<kPatternCount>(2324);
inline constexpr ParameterIndexTable<kPatternCount> patternFlam = indexRun<kPatternCount>(2332);
inline constexpr ParameterIndexTable<kPatternCount> patternHumanization = indexRun<kPatternCount>(6190);

constexpr int trackTargetPadIndex(int pattern, int track)
{
    return 2340 + kPatternCount * track + pattern;
}

// Seven attributes per step, each a 512-entry block of 8 patterns x 4 tracks x 16 steps.
enum class StepAttribute : int { On, Flam, Pitch, Velocity, Pan, Length, Delay };
inline constexpr int kStepAttributeCount = 7;
inline constexpr int kFirstStepAttribute = 2400;
inline constexpr int kLastStepAttribute = 5983;

// What an empty step holds, by attribute: off, no flam, no pitch shift, full velocity, centre pan,
// plain length, no delay. The default patch and "Clear Track" both give steps these values.
inline constexpr std::array<float, kStepAttributeCount> kClearedStepValues = {0.0f, 0.0f, 0.5f, 1.0f, 0.5f, 0.5f, 0.0f};

constexpr int stepAttributeIndex(StepAttribute attribute, int pattern, int track, int step)
{
    return kFirstStepAttribute + 512 * static_cast<int>(attribute) + 64 * pattern + 16 * track + step;
}

constexpr int sequencerValueIndex(int pattern, int step)
{
    return 5984 + kStepCount * pattern + step;
}

// All pattern settings and steps of all patterns: what "Copy All Pattern" and "Clear All Pattern" take.
inline constexpr int kFirstPatternParameter = 2300;
inline constexpr int kLastPatternParameter = 6143;

// The pattern menu's "Bypass Track" switch.
constexpr int trackMuteIndex(int pattern, int track)
{
    return 6112 + kTrackCount * pattern + track;
}

} // namespace kravo::param
