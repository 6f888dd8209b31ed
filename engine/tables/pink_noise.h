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
    // Samples 0 .. count - 1 of row 0, set 0, each times `scale` and truncated:
    // the values of as many calls of next, in one run.
    void fill(std::int16_t* out, std::uint32_t count, float scale, dsp::RandomRun& random);

private:
    struct State {
        float rows[kRowCount] = {};
        float sum = 0.0f;
    };

    static void renew(State& state, std::uint32_t n, dsp::RandomRun& random);

    State states_[kStateCount];
};

} // namespace tables
