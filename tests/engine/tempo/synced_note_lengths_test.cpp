#include "engine/tempo/synced_note_lengths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace {

using tempo::kSyncedNoteLengths;

TEST(SyncedNoteLengths, AreEachAsLongAsTheirNameSays)
{
    EXPECT_EQ(kSyncedNoteLengths.front().bars, 0.0f); // "Off"
    for (std::size_t k = 1; k < kSyncedNoteLengths.size(); ++k) {
        // "N" or "N/M" bars, "*" dotted (half as long again), "T" triplet (two thirds).
        std::string name = kSyncedNoteLengths[k].name;
        float factor = 1.0f;
        if (name.back() == '*' || name.back() == 'T') {
            factor = name.back() == '*' ? 1.5f : 2.0f / 3.0f;
            name.pop_back();
        }
        const std::size_t slash = name.find('/');
        const float whole = std::stof(name.substr(0, slash));
        const float bars = factor * (slash == std::string::npos ? whole : whole / std::stof(name.substr(slash + 1)));
        EXPECT_FLOAT_EQ(kSyncedNoteLengths[k].bars, bars) << kSyncedNoteLengths[k].name;
    }
}

TEST(SyncedNoteIndex, ScalesTheSpeedAcrossTheTableAndKeepsOutOfRangeSpeedsInIt)
{
    const std::pair<float, int> cases[] = {{0.0f, 0},  {17.5f / 34.99f, 17}, {0.999f, 34},       {1.0f, 34},
                                           {-3.0f, 0}, {7.0f, 34},           {std::nanf(""), 0}};
    for (const auto& [speed, index] : cases)
        EXPECT_EQ(tempo::syncedNoteIndex(speed), index) << speed;
}

} // namespace
