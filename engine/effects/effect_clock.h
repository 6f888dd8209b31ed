#pragma once

#include "engine/tables/sine_tables.h"

#include <cstdint>

namespace effects {

// The wet pair an effect type leaves for one sample.
struct StereoPair {
    float left = 0.0f;
    float right = 0.0f;
};

// What every effect type reads of the engine for one sample, besides its slot.
struct EffectClock {
    // Control-rate tasks of the per-sample algorithms run on multiples of 16.
    static constexpr std::uint32_t kControlMask = 0xF;

    std::uint32_t sampleCounter = 0;
    const tables::SineTables* sines = nullptr;
    // The effects' reference level, which follows "Main Volume"; 0 turns the effect limiter off.
    float limitLevel = 0.0f;

    bool controlTick() const { return (sampleCounter & kControlMask) == 0; }
};

} // namespace effects
