#include "plugin/midi/note_map.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr std::int32_t kNone = NoteMap::kNoPad;

std::int32_t padOf(const NoteMap::Table& table, int note) { return table[static_cast<std::size_t>(note)]; }

TEST(NoteMaps, ThreeBlocksOf32NotesPlayThePadsAndTheNotesBetweenAndAbovePlayNothing)
{
    int seen[32] = {};
    for (int note = 0; note < 128; ++note) {
        const int block = note < 32 ? 0 : note >= 36 && note < 68 ? 36 : note >= 72 && note < 104 ? 72 : -1;
        EXPECT_EQ(padOf(NoteMap::standardTable, note), block < 0 ? kNone : note - block) << note;
        if (block == 36)
            ++seen[padOf(NoteMap::gmTable, note)];
        else
            EXPECT_EQ(padOf(NoteMap::gmTable, note), padOf(NoteMap::standardTable, note)) << note;
    }
    // The middle block of the GM map reaches every pad once, the drums where drum kits have them.
    for (int pad = 0; pad < 32; ++pad)
        EXPECT_EQ(seen[pad], 1) << pad;
    EXPECT_EQ(std::tuple(padOf(NoteMap::gmTable, 36), padOf(NoteMap::gmTable, 38), padOf(NoteMap::gmTable, 42)),
              std::tuple(0, 2, 4));
}

} // namespace
