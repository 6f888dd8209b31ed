#pragma once

#include "plugin/parameters/drum_kind_parameters.h"

namespace kravo::param {

// The tom's kind parameters j: index = 653 + 3 j + voice ("Tom 1" .. "Tom 3").
// Its velocity scaling, distortion, output and choke group are the Tom/User
// kind's first parameters, which serve both modes of slots 10..12.
namespace tom {
inline constexpr int kModel = 0;
inline constexpr int kAttack = 1;
inline constexpr int kOscFreqCurveMode = 2;
inline constexpr int kOscFilterType = 3;
inline constexpr int kOscFreqDrop = 4;
inline constexpr int kOscBaseFreq = 5;
inline constexpr int kOscFreqDecay = 6;
inline constexpr int kOscFreqCurve = 7;
inline constexpr int kOscAmpHold = 8;
inline constexpr int kOscAmpDecay = 9;
inline constexpr int kOscAmpDecayCurve = 10;
inline constexpr int kModBaseFreq = 11;
inline constexpr int kModFreqDrop = 12;
inline constexpr int kModFreqDecay = 13;
inline constexpr int kModAmpHold = 14;
inline constexpr int kModAmpDecay = 15;
inline constexpr int kModAmount = 16;
inline constexpr int kClickVolume = 17;
inline constexpr int kClickMix = 18;
inline constexpr int kClickBaseFreq = 19;
inline constexpr int kClickFreqDrop = 20;
inline constexpr int kClickFreqDecay = 21;
inline constexpr int kOscFilterFreq = 22;
inline constexpr int kOscFilterQ = 23;
inline constexpr int kOscFilterDrop = 24;
inline constexpr int kOscFilterDecay = 25;
inline constexpr int kOscVelToFreq = 26;

constexpr int index(int j, int voice)
{
    return kindParameterIndex(DrumKind::Tom, j, voice);
}

// The Tom/User kind parameters j = 0..5 (velocity scaling, distortion, output, choke group).
constexpr int sharedIndex(int j, int voice)
{
    return kindParameterIndex(DrumKind::TomUser, j, voice);
}
} // namespace tom

} // namespace kravo::param
