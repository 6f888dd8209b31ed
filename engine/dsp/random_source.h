#pragma once

#include <cstdint>

// The engine's one source of randomness: 15-bit draws from a small linear
// congruential generator. Each thread has its own state, so the audio thread
// never shares or locks anything with other threads, and a thread that seeds
// its state gets a reproducible sequence.
namespace dsp {

inline constexpr std::uint32_t kRandomMax = 0x7fff;

void seedRandom(std::uint32_t seed);

// 0..kRandomMax.
std::uint32_t randomBits();

// 0..1, both ends included.
float randomUnit();

} // namespace dsp
