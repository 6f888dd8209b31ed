#pragma once

// ECS files: a MIDI controller map as plain text, 128 decimal parameter indices, entry c the c-th number.

#include "plugin/midi/midi_cc_map.h"

#include <optional>

namespace kravo {

inline constexpr std::int32_t kMaxEcsParameter = 9900;

// The 128 numbers, or nothing when the file cannot be read, holds a token that is not a whole number,
// a number outside 0..9900, or other than 128 numbers. White space of any kind may surround the numbers.
std::optional<MidiCcMap::Entries> readEcsFile(const char* path);

// One number per line, each ended by a line feed. False when the file cannot be written whole.
bool writeEcsFile(const char* path, const MidiCcMap::Entries& parameters);

} // namespace kravo
