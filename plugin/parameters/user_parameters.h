#pragma once

#include "plugin/parameters/drum_kind_parameters.h"

namespace kravo::param {

// The user kinds' parameters j: index = 850 + 6 j + user ("User 1" .. "User 6",
// user 0..2 being the Tom/User slots in user mode). Several names occur in more
// than one model family; the suffix says whose: none for models 0..5, 2 for the
// second "Mod Freq" of models 4, 5 and 9..11, C for models 6..8, D for models 9..11.
namespace user {
inline constexpr int kVelocityToVolume = 0;
inline constexpr int kDistortionType = 3;
inline constexpr int kModel = 6;
inline constexpr int kOscFilterType = 7;
inline constexpr int kNoiseFilterType = 8;
inline constexpr int kFmRing = 9;
inline constexpr int kModWave = 10;
inline constexpr int kOscWave = 11;
inline constexpr int kOscFreqCurveMode = 12;
inline constexpr int kModFreq = 13;
inline constexpr int kModVelToFreq = 14;
inline constexpr int kModSpread = 15;
inline constexpr int kModAmount = 16;
inline constexpr int kModFreqDrop = 17;
inline constexpr int kModFreqDecay = 18;
inline constexpr int kOscVolume = 19;
inline constexpr int kOscVelToFreq = 20;
inline constexpr int kOscFreq = 21;
inline constexpr int kOscAmpAttack = 22;
inline constexpr int kOscAmpAttackCurve = 23;
inline constexpr int kOscAmpHold = 24;
inline constexpr int kOscAmpDecay = 25;
inline constexpr int kVelToDecay = 26;
inline constexpr int kOscFilterFreq = 27;
inline constexpr int kOscFilterQ = 28;
inline constexpr int kOscFilterDrop = 29;
inline constexpr int kOscFilterDecay = 30;
inline constexpr int kOscFilterRise = 31;
inline constexpr int kNoiseVolume = 32;
inline constexpr int kNoiseAmpAttack = 33;
inline constexpr int kNoiseAmpAttackCurve = 34;
inline constexpr int kNoiseAmpHold = 35;
inline constexpr int kNoiseAmpDecay = 36;
inline constexpr int kNoiseFilterFreq = 37;
inline constexpr int kNoiseFilterQ = 38;
inline constexpr int kNoiseFilterVelToFreq = 39;
inline constexpr int kNoiseFilterDrop = 40;
inline constexpr int kNoiseFilterDecay = 41;
inline constexpr int kNoiseFilterRise = 42;
inline constexpr int kStereoStart = 43;
inline constexpr int kStereoEnd = 44;
inline constexpr int kStereoTime = 45;
inline constexpr int kModFreq2 = 46;
inline constexpr int kModFreqRise = 47;
inline constexpr int kNoiseMix = 48;
inline constexpr int kNoiseFilterRndToFreq = 49;
inline constexpr int kRandomToDecay = 50;
inline constexpr int kFilterLfoAmount = 51;
inline constexpr int kFilterLfoSpeed = 52;
inline constexpr int kFilterLfoMode = 53;
inline constexpr int kFilterLfoSync = 54;
inline constexpr int kAttack = 55;
inline constexpr int kModFreqC = 56;
inline constexpr int kModFreqDropC = 57;
inline constexpr int kModFreqDecayC = 58;
inline constexpr int kOscFreqC = 59;
inline constexpr int kOscAmpDecayC = 60;
inline constexpr int kOscFilterDropC = 61;
inline constexpr int kOscFilterDecayC = 62;
inline constexpr int kOscFilterRiseC = 63;
inline constexpr int kOscRndToFreqC = 64;
inline constexpr int kNoiseAmpDecayC = 65;
inline constexpr int kNoiseFilterDecayC = 66;
inline constexpr int kNoiseFilterRiseC = 67;
inline constexpr int kOscFreqStart = 68;
inline constexpr int kOscFreqEnd = 69;
inline constexpr int kOscFreqDecayD = 70;
inline constexpr int kOscFreqCurve = 71;
inline constexpr int kOscAmpHoldD = 72;
inline constexpr int kOscAmpDecayD = 73;
inline constexpr int kOscAmpDecayCurve = 74;
inline constexpr int kKravoAmount = 75;
inline constexpr int kKravoDecay = 76;
inline constexpr int kKravoCurve = 77;
inline constexpr int kClickVolume = 78;
inline constexpr int kClickMix = 79;
inline constexpr int kClickFreq = 80;
inline constexpr int kClickFreqDrop = 81;
inline constexpr int kClickDecay = 82;
inline constexpr int kClickSpread = 83;
inline constexpr int kClickOffset = 84;
inline constexpr int kOscBaseFreq = 85;
inline constexpr int kOscFreqDropD = 86;
inline constexpr int kOscDecay = 87;
inline constexpr int kOscDecayCurve = 88;

constexpr int index(int j, int user)
{
    return kindParameterIndex(DrumKind::TomUser, j, user);
}
} // namespace user

} // namespace kravo::param
