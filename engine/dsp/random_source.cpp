#include "engine/dsp/random_source.h"

namespace dsp {

namespace {

// A fresh thread starts as if seeded with 1.
thread_local std::uint32_t randomState = 1;

} // namespace

void seedRandom(std::uint32_t seed)
{
    randomState = seed;
}

std::uint32_t randomBits()
{
    // Full-period constants for a 2^32 modulus; the low bits of such a
    // generator are poor, so the draw comes from the upper half.
    randomState = randomState * 214013u + 2531011u;
    return (randomState >> 16) & kRandomMax;
}

float randomUnit()
{
    return static_cast<float>(randomBits() / static_cast<double>(kRandomMax));
}

} // namespace dsp
