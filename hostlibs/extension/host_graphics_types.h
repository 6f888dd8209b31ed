#pragma once

// The records of the host toolbox's graphics: 16-bit integer coordinates, 16-bit colour components,
// and the event record, laid out as the host lays them out.

#include <cstdint>

extern "C" {

// Pixels from left up to but not including right, and likewise from top to bottom.
struct HostRect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

struct HostPoint {
    std::int16_t v;
    std::int16_t h;
};

struct HostColor {
    std::uint16_t red;
    std::uint16_t green;
    std::uint16_t blue;
};

#pragma pack(push, 2)
struct HostEventRecord {
    std::int16_t what;
    std::int32_t message;
    std::uint32_t when;
    HostPoint where;
    std::int16_t modifiers;
};
#pragma pack(pop)
static_assert(sizeof(HostEventRecord) == 16);

// An event record's kinds (what) and the modifier keys held at it (bits of modifiers).
constexpr std::int16_t kHostMouseDownEvent = 1;
constexpr std::int16_t kHostKeyDownEvent = 3;
constexpr std::int16_t kHostCommandKeyModifier = 0x0100;
constexpr std::int16_t kHostShiftKeyModifier = 0x0200;
constexpr std::int16_t kHostOptionKeyModifier = 0x0800;

// Each is the toolbox's own; callers only pass them back.
using HostPort = struct HostPortRecord*;
using HostRegion = struct HostRegionRecord*;
using HostPixelPattern = struct HostPixelPatternRecord*;

} // extern "C"
