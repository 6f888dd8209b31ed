#pragma once

#include <cstdint>

// The engine's one source of randomness: 15-bit draws from a small linear
// congruential generator. Each thread has its own state, so the audio thread
// never shares or locks anything with other threads, and a thread that seeds
// its state gets a reproducible sequence.
namespace dsp {

inline constexpr std::uint32_t kRandomMax = 0x7fff;

// Full-period constants for a 2^32 modulus; the low bits of such a generator are poor, so a draw
// comes from the upper half.
constexpr std::uint32_t nextRandomState(std::uint32_t state)
{
    return state * 214013u + 2531011u;
}

void seedRandom(std::uint32_t seed);

// 0..kRandomMax.
std::uint32_t randomBits();

// 0..1, both ends included.
float randomUnit();

// A run of draws on the calling thread's state, taken at the start and given back at the end: the same
// numbers as as many calls of randomBits or randomUnit, without reaching the thread's state for each
// (a table filled at construction draws millions).
class RandomRun {
public:
    RandomRun();
    ~RandomRun();
    RandomRun(const RandomRun&) = delete;
    RandomRun& operator=(const RandomRun&) = delete;

    std::uint32_t bits()
    {
        state_ = nextRandomState(state_);
        return (state_ >> 16) & kRandomMax;
    }
    float unit() { return static_cast<float>(bits() / static_cast<double>(kRandomMax)); }

private:
    std::uint32_t state_;
};

} // namespace dsp
