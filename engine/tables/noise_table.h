#pragma once

#include <cstdint>

namespace tables {

class PinkNoise;

// Stereo pink noise that the voices read at their own positions; long enough
// (about 24 s at 44.1 kHz) that no loop is heard.
struct NoiseTable {
    static constexpr std::uint32_t kFrames = 1u << 20;
    static constexpr std::uint32_t kPositionMask = kFrames - 1;

    // Left first, then right from the generator's running state, so the
    // channels differ.
    void fill(PinkNoise& generator);

    std::int16_t left[kFrames];
    std::int16_t right[kFrames];
};

} // namespace tables
