#pragma once

#include <cstdint>

namespace dsp {
class RandomRun;
} // namespace dsp

namespace tables {

// Pink noise by summing random rows that are renewed at octave-spaced rates:
// row 0 on every even sample, row 1 every fourth, ... so the spectrum falls
// about 3 dB per octave. Each (row, set) pair keeps its own rows and sum.
class PinkNoise {
public:
    static constexpr int kRowCount = 7;
    static constexpr int kStateCount = 96;

    // One value in -1..1 for sample number n; odd samples repeat the last value.
    float next(int row, int set, std::uint32_t n, dsp::RandomRun& random);

private:
    struct State {
        float rows[kRowCount] = {};
        float sum = 0.0f;
    };

    State states_[kStateCount];
};

} // namespace tables
