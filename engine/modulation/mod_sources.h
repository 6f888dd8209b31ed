#pragma once

#include <cstdint>

namespace modulation {

// The numbered inputs of the modulation matrix ("None", controllers, velocity,
// bend, two envelopes, two LFOs, a constant and the pattern sequencers).
inline constexpr int kModSourceCount = 44;

namespace source {
inline constexpr int kNone = 0;
inline constexpr int kEnv1 = 23;
inline constexpr int kLfo1 = 25;
inline constexpr int kOffset = 27;
inline constexpr int kGrooveStepped = 28;  // pattern players 0..7
inline constexpr int kGrooveSmoothed = 36; // pattern players 0..7
} // namespace source

struct ModSourceValue {
    float unipolar = 0.0f; // 0..1, for displays and unipolar readers
    float bipolar = 0.0f;  // what the matrix multiplies
};

// One set of all sources: the global set, or one drum slot's (which has its
// own envelopes and LFOs).
struct ModSourceSet {
    ModSourceValue values[kModSourceCount];

    // A source number read from a parameter may lie past the list; it reads as "None".
    float bipolar(std::uint32_t source) const { return source < kModSourceCount ? values[source].bipolar : 0.0f; }
};

} // namespace modulation
