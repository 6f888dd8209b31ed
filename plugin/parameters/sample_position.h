#pragma once

#include <cstdint>

namespace kravo::param {

// A frame number of up to 26 bits kept in two parameters of 13 bits each. The
// half step keeps the cut toward zero on the right integer when read back.
struct SamplePosition {
    static constexpr std::int32_t kHalfBits = 13;
    static constexpr std::int32_t kHalfMask = (1 << kHalfBits) - 1;
    static constexpr float kScale = 10000.0f;

    static float low(std::int32_t frame) { return (static_cast<float>(frame & kHalfMask) + 0.5f) / kScale; }
    static float high(std::int32_t frame) { return (static_cast<float>(frame >> kHalfBits) + 0.5f) / kScale; }

    static std::int32_t read(float highValue, float lowValue)
    {
        return static_cast<std::int32_t>(lowValue * kScale) +
               (kHalfMask + 1) * static_cast<std::int32_t>(highValue * kScale);
    }
};

} // namespace kravo::param
