#pragma once

#include "plugin/parameters/drum_kind_parameters.h"

namespace kravo::param {

// The hi-hats' kind parameters j: closed hats at 350 + 2 j + voice ("CL-HH 1",
// "CL-HH 2"), open hats with the same j at 470 + 2 j + voice ("OP-HH 1", "OP-HH 2").
namespace hihat {
inline constexpr int kVelocityToVolume = 0;
inline constexpr int kDistortionType = 3;
inline constexpr int kAttack = 6;
inline constexpr int kModel = 7;
inline constexpr int kOscFilterType = 8;
inline constexpr int kNoiseFilterType = 9;
inline constexpr int kFmRing = 10;
inline constexpr int kModFreq = 11;
inline constexpr int kModVelToFreq = 12;
inline constexpr int kModSpread = 13;
inline constexpr int kModAmount = 14;
inline constexpr int kModFreqDrop = 15;
inline constexpr int kModFreqDecay = 16;
inline constexpr int kOscVolume = 17;
inline constexpr int kOscVelToFreq = 18;
inline constexpr int kOscFreq = 19;
inline constexpr int kOscAmpDecay = 20;
inline constexpr int kVelToDecay = 21;
inline constexpr int kOscFilterFreq = 22;
inline constexpr int kOscFilterQ = 23;
inline constexpr int kOscFilterDrop = 24;
inline constexpr int kOscFilterDecay = 25;
inline constexpr int kOscFilterRise = 26;
inline constexpr int kNoiseVolume = 27;
inline constexpr int kNoiseAmpDecay = 28;
inline constexpr int kNoiseFilterFreq = 29;
inline constexpr int kNoiseFilterQ = 30;
inline constexpr int kNoiseFilterVelToFreq = 31;
inline constexpr int kNoiseFilterDrop = 32;
inline constexpr int kNoiseFilterDecay = 33;
inline constexpr int kNoiseFilterRise = 34;
inline constexpr int kOscRndToFreq = 35;

constexpr int closedIndex(int j, int voice)
{
    return kindParameterIndex(DrumKind::ClosedHiHat, j, voice);
}

constexpr int openIndex(int j, int voice)
{
    return kindParameterIndex(DrumKind::OpenHiHat, j, voice);
}
} // namespace hihat

} // namespace kravo::param
