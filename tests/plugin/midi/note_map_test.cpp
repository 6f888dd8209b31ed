#include "plugin/midi/note_map.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t kNone = NoteMap::kNoPad;

std::int32_t padOf(const NoteMap::Table& table, int note)
{
    return table[static_cast<std::size_t>(note)];
}

TEST(StandardNoteMap, ThreeBlocksOf32NotesPlayThePadsInOrder)
{
    const NoteMap::Table& table = NoteMap::standardTable;
    EXPECT_EQ(padOf(table, 0), 0);
    EXPECT_EQ(padOf(table, 36), 0);
    EXPECT_EQ(padOf(table, 72), 0);
    EXPECT_EQ(padOf(table, 31), 31);
    EXPECT_EQ(padOf(table, 67), 31);
    EXPECT_EQ(padOf(table, 103), 31);
    EXPECT_EQ(padOf(table, 50), 14);
}

TEST(StandardNoteMap, NotesBetweenAndAboveTheBlocksPlayNothing)
{
    const NoteMap::Table& table = NoteMap::standardTable;
    for (int note : {32, 33, 34, 35, 68, 69, 70, 71})
        EXPECT_EQ(padOf(table, note), kNone) << note;
    for (int note = 104; note < 128; ++note)
        EXPECT_EQ(padOf(table, note), kNone) << note;
}

TEST(GmNoteMap, DrumNotesReachTheirPads)
{
    const NoteMap::Table& table = NoteMap::gmTable;
    EXPECT_EQ(padOf(table, 36), 0);  // BD 1
    EXPECT_EQ(padOf(table, 38), 2);  // SN 1
    EXPECT_EQ(padOf(table, 39), 8);  // Clap 1
    EXPECT_EQ(padOf(table, 40), 3);  // SN 2
    EXPECT_EQ(padOf(table, 42), 4);  // CL-HH 1
    EXPECT_EQ(padOf(table, 46), 5);  // OP-HH 1
    EXPECT_EQ(padOf(table, 48), 10); // Tom / User 1
    EXPECT_EQ(padOf(table, 47), 11);
    EXPECT_EQ(padOf(table, 45), 12);
    EXPECT_EQ(padOf(table, 49), 16); // Sample 1
    EXPECT_EQ(padOf(table, 57), 6);  // CL-HH 2
    EXPECT_EQ(padOf(table, 58), 7);  // OP-HH 2
    EXPECT_EQ(padOf(table, 59), 9);  // Clap 2
}

TEST(GmNoteMap, NotesSixtyToSixtySevenStartThePatterns)
{
    const std::int32_t patterns[] = {24, 28, 25, 29, 26, 27, 30, 31};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(padOf(NoteMap::gmTable, 60 + i), patterns[i]) << 60 + i;
}

TEST(GmNoteMap, OuterBlocksMatchTheStandardMap)
{
    for (int note = 0; note < 128; ++note) {
        if (note < 36 || note > 67) {
            EXPECT_EQ(padOf(NoteMap::gmTable, note), padOf(NoteMap::standardTable, note)) << note;
        }
    }
}

TEST(GmNoteMap, EveryPadIsReachableFromTheMiddleBlockOnce)
{
    int seen[32] = {};
    for (int note = 36; note <= 67; ++note)
        ++seen[padOf(NoteMap::gmTable, note)];
    for (int pad = 0; pad < 32; ++pad)
        EXPECT_EQ(seen[pad], 1) << pad;
}

TEST(NoteMapLoad, CopiesATableIntoTheMap)
{
    NoteMap map;
    EXPECT_EQ(map.padOf(36), kNone);
    map.load(NoteMap::gmTable);
    EXPECT_EQ(map.padOf(38), 2);
    map.load(NoteMap::standardTable);
    EXPECT_EQ(map.padOf(38), 2);
    EXPECT_EQ(map.padOf(39), 3);
    EXPECT_EQ(map.padOf(127), kNone);
}

} // namespace
