#pragma once

#include "engine/tables/sine_tables.h"

#include <cstdint>

namespace effects {

// The wet pair an effect type leaves for one sample.
struct StereoPair {
    float left = 0.0f;
    float right = 0.0f;
};

// The "Equalizer" keeps three samples of history in rings of three shared by
// every slot; these are the ring positions of the newest, previous and oldest
// sample, moved on once per sample.
struct EqualizerTaps {
    std::int32_t newest = 2;
    std::int32_t previous = 0;
    std::int32_t oldest = 1;

    void rotate()
    {
        oldest = previous;
        previous = newest;
        newest = newest == 0 ? 2 : newest - 1;
    }
};

// What every effect type reads of the engine for one sample, besides its slot.
struct EffectClock {
    // Control-rate tasks of the per-sample algorithms run on multiples of 16.
    static constexpr std::uint32_t kControlMask = 0xF;

    std::uint32_t sampleCounter = 0;
    const tables::SineTables* sines = nullptr;
    // The effects' reference level, which follows "Main Volume"; 0 turns the effect limiter off.
    float limitLevel = 0.0f;
    float modWheel = 0.0f; // controller 1, 0..1
    // The host's position in quarter notes (0 before the start) and its transport.
    float hostQuarterNotes = 0.0f;
    bool transportPlaying = false;
    EqualizerTaps equalizerTaps;

    bool controlTick() const { return (sampleCounter & kControlMask) == 0; }
};

} // namespace effects
