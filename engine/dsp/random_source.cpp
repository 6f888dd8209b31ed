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
    randomState = nextRandomState(randomState);
    return (randomState >> 16) & kRandomMax;
}

float randomUnit()
{
    return static_cast<float>(randomBits() / static_cast<double>(kRandomMax));
}

RandomRun::RandomRun() : state_(randomState) {}

RandomRun::~RandomRun()
{
    randomState = state_;
}

} // namespace dsp
