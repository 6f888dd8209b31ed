#pragma once

// What a process's meters last showed, per reader. Two readers (the host's meter routines and the
// internal one) poll the same meters; a peak that came between one reader's reads is held for it
// while the other reader moves on, so neither misses it. Fresh levels are read from the process at
// most once every two ticks.

#include "hostframework/host_records.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CProcess;

// The reader tags.
inline constexpr std::uint8_t kHostMeterReader = 'e';
inline constexpr std::uint8_t kInternalMeterReader = 'i';

// A meter's held state: its level, the reader that saw it last and its clip.
struct SMeterHold {
    std::int32_t value = 0;
    std::uint8_t tag = 'a';
    std::uint8_t clip = 0;
};

struct SMeter {
    std::string name;
    EMeterType type{};
    EMeterOrientation orientation{};
    SMeterHold hold;
};

class CMeterCache {
public:
    // List mode: one meter object per AddMeter.
    CMeterCache() = default;
    // Array mode: a fixed number of slots and no meter objects.
    explicit CMeterCache(std::int16_t slotCount);

    // The process whose ReadMeters gives fresh levels, and its type's kind (kind 3 reads only when
    // the process has new levels ready).
    void Bind(CProcess* process, std::int32_t kind);
    // A null meter throws -7053.
    void AddMeter(SMeter* meter);
    std::int16_t Count() const;
    // Meters count from 0 here; null outside the list and in array mode.
    const SMeter* Meter(std::int32_t index) const;

    // Every meter's level and clip for the reader into the caller's arrays (room for Count()).
    void ReadAll(std::uint8_t tag, std::int32_t* values, std::uint8_t* clips);
    // Meter `meter` (from 1) for the reader; the arrays receive the fresh levels of a refresh.
    std::int32_t ReadOne(std::uint8_t tag, std::int32_t meter, std::int32_t* values, std::uint8_t* clips);
    // Reads the process once more and forgets every held level and clip.
    void Clear(std::int32_t* values, std::uint8_t* clips);

private:
    SMeterHold& HoldAt(std::int32_t index);
    // True when fresh levels were read into the arrays.
    bool Refresh(std::int32_t* values, std::uint8_t* clips);
    // What the reader gets from a meter when fresh levels came in.
    static std::int32_t Take(SMeterHold& hold, std::uint8_t tag, std::int32_t fresh, std::uint8_t clip);

    std::uint32_t lastRefresh = 0;
    CProcess* process = nullptr;
    std::int32_t typeKind = 0;
    bool listMode = true;
    std::vector<SMeterHold> slots;
    std::vector<std::unique_ptr<SMeter>> meters;
};
