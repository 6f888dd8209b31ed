#pragma once

#include <cstdint>

// A frame number kept in two parameters of 13 bits each. A single value in
// 0..1 cannot hold a long sample's frame exactly; each half, stored as
// (k + 0.5) / 10000, stays below 0.82 and the half step keeps the cut back
// to an integer on the right side of it.
struct SamplePosition {
    static constexpr std::int32_t kHalfBits = 13;
    static constexpr std::int32_t kLowMask = (1 << kHalfBits) - 1;
    // The furthest frame both halves can carry.
    static constexpr std::int32_t kLargestFrame = (1 << (2 * kHalfBits)) - 1;
    static constexpr float kScale = 10000.0f;

    float high = 0.0f;
    float low = 0.0f;

    // Frames beyond what the halves carry would read back as another frame,
    // so they are held to the ends; a fraction is cut, NaN counts as frame 0.
    static SamplePosition fromFrame(float frame)
    {
        constexpr float kBeyond = static_cast<float>(kLargestFrame + 1); // exact in a float, unlike the largest frame
        const std::int32_t n = !(frame >= 0.0f) ? 0 : frame >= kBeyond ? kLargestFrame : static_cast<std::int32_t>(frame);
        return {half(n >> kHalfBits), half(n & kLowMask)};
    }

    std::int32_t frame() const
    {
        return static_cast<std::int32_t>(low * kScale) + (static_cast<std::int32_t>(high * kScale) << kHalfBits);
    }

private:
    static float half(std::int32_t k) { return (static_cast<float>(k) + 0.5f) / kScale; }
};
