#pragma once

#include "plugin/parameters/drum_kind_parameters.h"

namespace kravo::param {

// The bass drum's kind parameters j: index = 130 + 2 j + voice ("BD 1", "BD 2").
namespace bassdrum {
inline constexpr int kVelocityToVolume = 0;
inline constexpr int kDistortionType = 3;
inline constexpr int kAttack = 6;
inline constexpr int kModel = 7;
inline constexpr int kOscWave = 8;
inline constexpr int kOscFreqCurveMode = 9;
inline constexpr int kOscFreqStart = 11;
inline constexpr int kOscFreqEnd = 12;
inline constexpr int kOscFreqDecay = 13;
inline constexpr int kOscFreqCurve = 14;
inline constexpr int kOscAmpHold = 15;
inline constexpr int kOscAmpDecay = 16;
inline constexpr int kOscAmpDecayCurve = 17;
inline constexpr int kKravoAmount = 18;
inline constexpr int kKravoDecay = 19;
inline constexpr int kKravoCurve = 20;
inline constexpr int kClickVolume = 21;
inline constexpr int kClickMix = 22;
inline constexpr int kClickFreq = 23;
inline constexpr int kClickFreqDrop = 24;
inline constexpr int kClickDecay = 25;
inline constexpr int kClickSpread = 26;
inline constexpr int kClickOffset = 27;
inline constexpr int kOscBaseFreq = 28;
inline constexpr int kOscFreqDrop = 29;
inline constexpr int kOscDecay = 30;
inline constexpr int kOscDecayCurve = 31;

constexpr int index(int j, int voice)
{
    return kindParameterIndex(DrumKind::Bd, j, voice);
}
} // namespace bassdrum

} // namespace kravo::param
