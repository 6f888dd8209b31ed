#pragma once

#include <cstdint>

namespace effects {

// The effect types a master slot can hold, numbered as the type parameter
// stores them; a number past the last acts as "None".
namespace type {
inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kMonoDelay = 1;
inline constexpr std::int32_t kStereoDelay = 2;
inline constexpr std::int32_t kCombFilter = 3;
inline constexpr std::int32_t kReverb = 4;
inline constexpr std::int32_t kHqReverb = 5;
inline constexpr std::int32_t kChorus = 6;
inline constexpr std::int32_t kChorusDelay = 7;
inline constexpr std::int32_t kFlanger = 8;
inline constexpr std::int32_t kPhaser = 9;
inline constexpr std::int32_t kWahWahDelay = 10;
inline constexpr std::int32_t kDistort = 11;
inline constexpr std::int32_t kLowFi = 12;
inline constexpr std::int32_t kAmpSim = 13;
inline constexpr std::int32_t kWaveshaper = 14;
inline constexpr std::int32_t kWidener = 15;
inline constexpr std::int32_t kAutoPan = 16;
inline constexpr std::int32_t kGator = 17;
inline constexpr std::int32_t kRingMod = 18;
inline constexpr std::int32_t kFilter = 19;
inline constexpr std::int32_t kEqualizer = 20;
inline constexpr std::int32_t kCompressor = 21;
inline constexpr std::int32_t kNoiseGate = 22;
inline constexpr std::int32_t kEnsemble = 23;
inline constexpr std::int32_t kCabinet = 24;
inline constexpr std::int32_t kMultiDistort = 25;
inline constexpr std::int32_t kAutoWah = 26;
inline constexpr std::int32_t kCount = 27;
} // namespace type

// Whether a slot of this type runs anything at all.
constexpr bool isActiveType(std::int32_t t) { return t > type::kNone && t < type::kCount; }

} // namespace effects
