#pragma once

#include "plugin/parameters/drum_kind_parameters.h"

namespace kravo::param {

// The snare's kind parameters j: index = 250 + 2 j + voice ("SN 1", "SN 2").
namespace snare {
inline constexpr int kVelocityToVolume = 0;
inline constexpr int kDistortionType = 3;
inline constexpr int kAttack = 6;
inline constexpr int kModel = 7;
inline constexpr int kNoiseFilterType = 8;
inline constexpr int kOscWave = 9;
inline constexpr int kOscFreqCurveMode = 10;
inline constexpr int kOscFreqDrop = 11;
inline constexpr int kOscBaseFreq = 12;
inline constexpr int kOscFreqDecay = 13;
inline constexpr int kOscFreqDecayCurve = 14;
inline constexpr int kOscVolume = 15;
inline constexpr int kOscAmpHold = 16;
inline constexpr int kOscAmpDecay = 17;
inline constexpr int kOscAmpDecayCurve = 18;
inline constexpr int kOscHpFilterFreq = 19;
inline constexpr int kClickVolume = 20;
inline constexpr int kClickVelToFreq = 21;
inline constexpr int kClickFreq = 22;
inline constexpr int kClickFreqDrop = 23;
inline constexpr int kClickFreqDecay = 24;
inline constexpr int kNoiseVolume = 25;
inline constexpr int kNoiseAmpAttack = 26;
inline constexpr int kNoiseAmpDecay = 27;
inline constexpr int kNoiseFilterFreq = 28;
inline constexpr int kNoiseFilterQ = 29;
inline constexpr int kNoiseFilterVelToFreq = 30;
inline constexpr int kNoiseFilterSpread = 31;
inline constexpr int kNoiseFilterOffset = 32;
inline constexpr int kNoiseFilterDrop = 33;
inline constexpr int kNoiseFilterDecay = 34;
inline constexpr int kNoiseFilterRise = 35;
inline constexpr int kNoiseFilterCurve = 36;

constexpr int index(int j, int voice)
{
    return kindParameterIndex(DrumKind::Sn, j, voice);
}
} // namespace snare

} // namespace kravo::param
