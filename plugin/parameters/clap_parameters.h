#pragma once

#include "plugin/parameters/drum_kind_parameters.h"

namespace kravo::param {

// The clap's kind parameters j: index = 590 + 2 j + voice ("Clap 1", "Clap 2").
namespace clap {
inline constexpr int kVelocityToVolume = 0;
inline constexpr int kDistortionType = 3;
inline constexpr int kModel = 6;
inline constexpr int kNoiseFilter = 7;
inline constexpr int kNumberOfRepeats = 8;
inline constexpr int kNoiseFilterFreq = 9;
inline constexpr int kNoiseQ = 10;
inline constexpr int kRepeatSpeed = 11;
inline constexpr int kAmpHold = 12;
inline constexpr int kAmpDecay = 13;
inline constexpr int kAmpDecayCurve = 14;
inline constexpr int kStereoSpread = 15;
inline constexpr int kStereoOffset = 16;
inline constexpr int kStereoSpeedOffset = 17;
inline constexpr int kSpeedHumanization = 18;
inline constexpr int kVolumeHumanization = 19;
inline constexpr int kFilterRndToFreq = 20;
inline constexpr int kDecayHumanization = 22;

constexpr int index(int j, int voice)
{
    return kindParameterIndex(DrumKind::Clap, j, voice);
}
} // namespace clap

} // namespace kravo::param
