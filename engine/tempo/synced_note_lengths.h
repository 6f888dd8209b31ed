#pragma once

#include <array>

// The note lengths a tempo-synchronised speed can choose, longest first, with
// the names the user sees for them ("*" dotted, "T" triplet). Lengths are in
// bars of four beats; "Off" has length 0.
namespace tempo {

struct SyncedNoteLength {
    const char* name;
    float bars;
};

inline constexpr int kSyncedNoteLengthCount = 35;

extern const std::array<SyncedNoteLength, kSyncedNoteLengthCount> kSyncedNoteLengths;

// The entry a 0..1 speed value selects; values outside 0..1 (and NaN) select
// the nearest end of the table.
int syncedNoteIndex(float speed);

} // namespace tempo
