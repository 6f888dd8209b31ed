#include "engine/tempo/synced_note_lengths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace {

using tempo::kSyncedNoteLengths;

TEST(SyncedNoteLengths, AreEachAsLongAsTheirNameSaysAndSpeedsPickThemAcrossTheTable)
{
    EXPECT_EQ(kSyncedNoteLengths.front().bars, 0.0f); // "Off"
    for (std::size_t k = 1; k < kSyncedNoteLengths.size(); ++k) {
        // "N" or "N/M" bars, "*" dotted (half as long again), "T" triplet (two thirds).
        const std::string name = kSyncedNoteLengths[k].name;
        std::size_t digits = 0;
        const float whole = std::stof(name, &digits);
        const float bars = whole / (name[digits] == '/' ? std::stof(name.substr(digits + 1)) : 1.0f) *
                           (name.back() == '*' ? 1.5f : name.back() == 'T' ? 2.0f / 3.0f : 1.0f);
        EXPECT_FLOAT_EQ(kSyncedNoteLengths[k].bars, bars) << name;
    }
    // A speed picks its length across the table; speeds out of range pick its ends.
    for (const auto& [speed, index] : {std::pair{0.0f, 0}, {17.5f / 34.99f, 17}, {0.999f, 34}, {1.0f, 34}, {-3.0f, 0},
                                       {7.0f, 34}, {std::nanf(""), 0}})
        EXPECT_EQ(tempo::syncedNoteIndex(speed), index) << speed;
}

} // namespace
