#include "engine/tempo/synced_note_lengths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using tempo::kSyncedNoteLengths;

TEST(SyncedNoteLengths, RunFromOffThroughSixtyFourBarsDownToAHundredAndTwentyEighthOfABar)
{
    EXPECT_EQ(std::string(kSyncedNoteLengths.front().name), "Off");
    EXPECT_EQ(kSyncedNoteLengths.front().bars, 0.0f);
    EXPECT_EQ(std::string(kSyncedNoteLengths[1].name), "64");
    EXPECT_EQ(kSyncedNoteLengths[1].bars, 64.0f);
    EXPECT_EQ(std::string(kSyncedNoteLengths[17].name), "1/1");
    EXPECT_EQ(kSyncedNoteLengths[17].bars, 1.0f);
    EXPECT_EQ(std::string(kSyncedNoteLengths.back().name), "1/64");
    EXPECT_EQ(kSyncedNoteLengths.back().bars, 1.0f / 64.0f);
}

TEST(SyncedNoteLengths, DottedAndTripletValuesRelateToTheirPlainNote)
{
    for (std::size_t k = 1; k < kSyncedNoteLengths.size(); ++k) {
        const std::string name = kSyncedNoteLengths[k].name;
        if (name.back() == '*') {
            EXPECT_FLOAT_EQ(kSyncedNoteLengths[k].bars, 1.5f * kSyncedNoteLengths[k + 1].bars) << name;
        }
        if (name.back() == 'T') {
            EXPECT_FLOAT_EQ(kSyncedNoteLengths[k].bars, kSyncedNoteLengths[k - 1].bars * 2.0f / 3.0f) << name;
        }
    }
    EXPECT_EQ(kSyncedNoteLengths[6].bars, 10.666667f);
    EXPECT_EQ(kSyncedNoteLengths[21].bars, 0.33333334f);
}

TEST(SyncedNoteIndex, ScalesTheSpeedAcrossTheTable)
{
    EXPECT_EQ(tempo::syncedNoteIndex(0.0f), 0);
    EXPECT_EQ(tempo::syncedNoteIndex(17.5f / 34.99f), 17);
    EXPECT_EQ(tempo::syncedNoteIndex(0.999f), 34);
    EXPECT_EQ(tempo::syncedNoteIndex(1.0f), 34);
}

TEST(SyncedNoteIndex, OutOfRangeSpeedsStayInTheTable)
{
    EXPECT_EQ(tempo::syncedNoteIndex(-3.0f), 0);
    EXPECT_EQ(tempo::syncedNoteIndex(7.0f), 34);
    EXPECT_EQ(tempo::syncedNoteIndex(std::nanf("")), 0);
}

} // namespace
