#pragma once

// The record a host-side view is built from: where it goes, how it starts, and the text that
// describes it.

#include "hostlibs/extension/host_graphics_types.h"

#include <cstddef>
#include <cstdint>

struct SViewRecord {
    std::int32_t reserved;
    HostRect frame;
    // 8 for a text item; bit 0x80 builds the view disabled.
    std::uint8_t type;
    std::uint8_t length;
    // `length` characters, no terminator.
    char text[255];
};

static_assert(offsetof(SViewRecord, frame) == 4 && offsetof(SViewRecord, type) == 12 &&
              offsetof(SViewRecord, length) == 13 && offsetof(SViewRecord, text) == 14);
