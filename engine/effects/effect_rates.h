#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace effects {

// What the effects' control-rate formulas read of the engine's clock and tempo.
struct EffectRates {
    float sampleRate = 44100.0f;
    float inverseSampleRate = 1.0f / 44100.0f;
    float samplesPerBar = 88200.0f; // four beats
    float tempo = 120.0f;           // beats per minute
};

// The effects' LFO phases are 24-bit accumulators; the top 16 bits index a
// 65536-entry wave table.
inline constexpr std::uint32_t kPhaseMask = 0xFFFFFF;
inline constexpr std::uint32_t kPhaseToTableShift = 8;

inline std::uint32_t advancePhase(std::uint32_t phase, std::uint32_t increment)
{
    return (phase + increment) & kPhaseMask;
}

// A phase increment the formulas give as a float; the accumulator wraps, so
// only the conversion itself must be kept in range (absurd rates would overflow it).
inline std::uint32_t phaseIncrement(double increment)
{
    constexpr double kLargest = 4294967295.0;
    return static_cast<std::uint32_t>(std::clamp(increment, 0.0, kLargest));
}

// A sample count from a float, cut toward zero and held within 0..largest.
inline std::int32_t sampleCount(float samples, std::int32_t largest)
{
    if (!(samples > 0.0f))
        return 0;
    return samples >= static_cast<float>(largest) ? largest : static_cast<std::int32_t>(samples);
}

inline float clamp01(float x) { return std::clamp(x, 0.0f, 1.0f); }

// A 0..1 parameter as a frequency over ten octaves, 20 Hz .. 20480 Hz.
inline float effectFrequency(float x) { return 20.0f * std::exp2(10.0f * x); }

// A free LFO rate in cycles per sample before the caller's scale.
inline float freeLfoRate(float x, const EffectRates& rates) { return std::exp2(10.0f * x) * rates.inverseSampleRate; }

// A short offset between the stereo sides: 5 .. 1025 samples.
inline float offsetSamples(float x) { return 4.0f * std::exp2(8.0f * x) + 1.0f; }

// A level knob: 10^((a x - b) / 20), with the bottom of the travel silent.
inline float decibelGain(float x, float a, float b)
{
    constexpr float kSilentBelow = 0.001f;
    return x < kSilentBelow ? 0.0f : std::pow(10.0f, (a * x - b) / 20.0f);
}

// The same without the silent bottom.
inline float decibelGainNoMute(float x, float a, float b) { return std::pow(10.0f, (a * x - b) / 20.0f); }

// The longest delay the long delay lines hold, in samples.
inline constexpr float kLongestDelay = 262142.0f;

// A tempo-synced delay length in samples, from a 0..1 choice of the 15 delay note lengths.
float syncedDelay(float x, const EffectRates& rates);
// The delay note length (bars) a 0..1 choice selects.
float delayNoteLength(float x);
// Phase steps (of 2^24 per cycle) for one cycle per synced LFO note length;
// "Off" gives the largest step.
float syncedLfoIncrement(float x, const EffectRates& rates);

} // namespace effects
