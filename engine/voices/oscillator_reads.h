#pragma once

#include "engine/tables/noise_table.h"

#include <cmath>
#include <cstdint>

// Table oscillators on a 23-bit phase. Each output sample is the mean of four
// reads a quarter of the increment apart (the caller's increment is a
// quarter-sample step), which softens the aliasing of the raw waves.
namespace voices {

inline constexpr std::uint32_t kPhaseMask = 0x7FFFFF;
// The top 12 of the 23 phase bits pick one of the 4096 table entries.
inline constexpr int kPhaseToIndexShift = 11;
inline constexpr int kOversampling = 4;

// The phase step of a step worked out in floats. Only its low 23 bits ever
// reach the phase, so a step stacked far beyond the audible range by pitch
// modulation wraps the same way instead of overflowing the conversion; a step
// that is negative or not a number stands still.
inline std::uint32_t phaseIncrement(float step)
{
    constexpr float kPhaseCycle = static_cast<float>(kPhaseMask + 1);
    if (step < kPhaseCycle)
        return step > 0.0f ? static_cast<std::uint32_t>(step) : 0u;
    return std::isfinite(step) ? static_cast<std::uint32_t>(std::fmod(step, kPhaseCycle)) : 0u;
}

// A phase shift of either sign as the offset the phase wraps with: only its
// low 23 bits reach the phase, so a shift back by s lands where a shift on by
// 2^32 - s does.
inline std::uint32_t phaseShift(float shift)
{
    return shift < 0.0f ? 0u - phaseIncrement(-shift) : phaseIncrement(shift);
}

// Reads at phase + offset + i * increment (i = 1..4); the phase advances by
// four increments and never includes the offset.
inline float readWaveOscOffset(std::uint32_t& phase, std::uint32_t increment, std::uint32_t offset,
                               const float* table, float amplitude)
{
    float sum = 0.0f;
    std::uint32_t p = phase;
    for (int i = 0; i < kOversampling; ++i) {
        p += increment;
        sum += table[((p + offset) & kPhaseMask) >> kPhaseToIndexShift];
    }
    phase = p & kPhaseMask;
    return sum * 0.25f * amplitude;
}

inline float readWaveOsc(std::uint32_t& phase, std::uint32_t increment, const float* table, float amplitude)
{
    return readWaveOscOffset(phase, increment, 0, table, amplitude);
}

// A voice's read position in the noise table: one step per sample, wrapping.
inline float readNoise(const tables::NoiseTable& noise, std::uint32_t& position)
{
    constexpr float kFromInt16 = 1.0f / 32768.0f;
    position = (position + 1) & tables::NoiseTable::kPositionMask;
    return static_cast<float>(noise.left[position]) * kFromInt16;
}

inline void readNoiseStereo(const tables::NoiseTable& noise, std::uint32_t& position, float& left, float& right)
{
    constexpr float kFromInt16 = 1.0f / 32768.0f;
    position = (position + 1) & tables::NoiseTable::kPositionMask;
    left = static_cast<float>(noise.left[position]) * kFromInt16;
    right = static_cast<float>(noise.right[position]) * kFromInt16;
}

} // namespace voices
