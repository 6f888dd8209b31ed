#pragma once

#include <cstdint>

namespace voices {

// The eight stereo buses the voices mix into: 0 is the main sum, 1..4 feed
// the master effect slots, 5..7 are further sums that join the main output.
struct OutputBuses {
    static constexpr std::uint32_t kCount = 8;

    void clear()
    {
        for (std::uint32_t b = 0; b < kCount; ++b)
            left[b] = right[b] = 0.0f;
    }

    // A bus number past the last one is silent; the voice keeps running.
    void add(std::uint32_t bus, float l, float r)
    {
        if (bus >= kCount)
            return;
        left[bus] += l;
        right[bus] += r;
    }

    float left[kCount] = {};
    float right[kCount] = {};
};

} // namespace voices
