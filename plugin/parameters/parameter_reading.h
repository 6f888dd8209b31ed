#pragma once

#include <algorithm>
#include <cmath>

namespace kravo::param {

// A choice is read back as trunc(value * scale); the scale sits just under the count it is made
// for, so that value 1.0 still lands on a valid entry of a list of that many. Computed in single
// precision, as the stored values are.
namespace choicescale {
inline constexpr float kDrumModel = 199.99f;
inline constexpr float kModSource = 199.99f;
inline constexpr float kEffectType = 49.99f;
inline constexpr float kDistortionType = 49.99f;
inline constexpr float kOutput = 24.99f;
inline constexpr float kEffectRouting = 9.99f;
inline constexpr float kChokeGroup = 9.99f;
inline constexpr float kSampleLayerMode = 9.99f;
inline constexpr float kVoiceFilterType = 6.99f;
inline constexpr float kModDestination = 699.99f;
inline constexpr float kPatternStep = 15.99f;
inline constexpr float kPatternSpeed = 8.99f;
inline constexpr float kTrackTargetPad = 23.99f;
} // namespace choicescale

inline int readChoice(float value, float scale)
{
    return static_cast<int>(value * scale);
}

// For readers that must stay inside a list of `count` entries.
inline int readChoiceClamped(float value, float scale, int count)
{
    return std::clamp(readChoice(value, scale), 0, count - 1);
}

// How the editor writes entry n of a menu of `count` entries: the middle of the entry's range.
inline float menuEntryValue(int n, int count)
{
    return (static_cast<float>(n) + 0.5f) / static_cast<float>(count);
}

inline float drumModelValue(int model)
{
    return (static_cast<float>(model) + 0.5f) / choicescale::kDrumModel;
}

// Switches are on at or above the middle; the few that say "above 0.5" use isAboveHalf.
inline bool isSwitchOn(float value)
{
    return value >= 0.5f;
}

inline bool isAboveHalf(float value)
{
    return value > 0.5f;
}

// A bipolar amount: centre 0.5 is zero, squared toward both ends for finer control near zero.
inline float readBipolar(float value)
{
    const float offset = 2.0f * value - 1.0f;
    return offset < 0.0f ? -offset * offset : offset * offset;
}

// Step attributes as the pattern players read them when a pattern starts.
inline bool readStepOn(float value) { return isAboveHalf(value); }
inline bool readStepFlam(float value) { return isAboveHalf(value); }

// Semitones -36..+36; 0.5 gives 0.
inline int readStepPitch(float value)
{
    constexpr float kPitchScale = 72.99f;
    constexpr float kPitchRangeSemitones = 36.0f;
    return static_cast<int>(value * kPitchScale - kPitchRangeSemitones);
}

inline float readStepVelocity(float value) { return value * 127.0f; }
inline float readStepPanShift(float value) { return value - 0.5f; }

// Length factor from 16 (value 0) through 1 (value 0.5) to 1/16 (value 1).
inline float readStepLengthFactor(float value)
{
    return std::exp2(4.0f - 8.0f * value);
}

// Fraction of a step by which the step is delayed.
inline float readStepDelay(float value) { return value * 0.99f; }

// The sequencer value of a step, -1..+1.
inline float readSequencerValue(float value) { return 2.0f * value - 1.0f; }

} // namespace kravo::param
