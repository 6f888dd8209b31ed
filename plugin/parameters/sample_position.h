#pragma once

#include <cstdint>

namespace kravo::param {

// A frame number of up to 26 bits kept in two parameters of 13 bits each. The
// half step keeps the cut toward zero on the right integer when read back.
struct SamplePosition {
    static constexpr std::int32_t kHalfBits = 13;
    static constexpr std::int32_t kHalfMask = (1 << kHalfBits) - 1;
    static constexpr float kScale = 10000.0f;
    // The furthest frame both halves can carry.
    static constexpr std::int32_t kLargestFrame = (1 << (2 * kHalfBits)) - 1;

    static float low(std::int32_t frame) { return (static_cast<float>(frame & kHalfMask) + 0.5f) / kScale; }
    static float high(std::int32_t frame) { return (static_cast<float>(frame >> kHalfBits) + 0.5f) / kScale; }

    // A position as a frame the halves carry: a fraction is cut, and a frame beyond
    // them, which would read back as another one, is held to the ends (NaN to 0).
    static std::int32_t heldFrame(float frame)
    {
        constexpr float kBeyond = static_cast<float>(kLargestFrame + 1); // exact in a float, unlike the largest frame
        return !(frame >= 0.0f) ? 0 : frame >= kBeyond ? kLargestFrame : static_cast<std::int32_t>(frame);
    }

    static std::int32_t read(float highValue, float lowValue)
    {
        return static_cast<std::int32_t>(lowValue * kScale) +
               (kHalfMask + 1) * static_cast<std::int32_t>(highValue * kScale);
    }
};

} // namespace kravo::param
