#include "engine/modulation/mod_destinations.h"

#include <gtest/gtest.h>

namespace {

using modulation::ModDestinationKind;
using modulation::kModDestinationKinds;

int countKind(ModDestinationKind kind)
{
    int n = 0;
    for (ModDestinationKind k : kModDestinationKinds)
        n += k == kind;
    return n;
}

TEST(ModDestinationKinds, EasyAndVoiceCellsCarryTheirArithmetic)
{
    EXPECT_EQ(kModDestinationKinds[0], ModDestinationKind::None);
    EXPECT_EQ(kModDestinationKinds[1], ModDestinationKind::Add);
    EXPECT_EQ(kModDestinationKinds[3], ModDestinationKind::Pitch);
    EXPECT_EQ(kModDestinationKinds[5], ModDestinationKind::Scale);
    EXPECT_EQ(kModDestinationKinds[7], ModDestinationKind::Add);
    EXPECT_EQ(kModDestinationKinds[13], ModDestinationKind::Scale);
    EXPECT_EQ(kModDestinationKinds[26], ModDestinationKind::Level); // "BD 1 Volume"
    EXPECT_EQ(kModDestinationKinds[30], ModDestinationKind::Pitch); // "BD 1 Pitch"
    EXPECT_EQ(kModDestinationKinds[31], ModDestinationKind::Scale); // "BD 1 Env Speed"
    EXPECT_EQ(kModDestinationKinds[218], ModDestinationKind::Level); // "Sample 1 Volume"
    EXPECT_EQ(kModDestinationKinds[227], ModDestinationKind::Scale); // "Sample 1 LFO Speed"
    EXPECT_EQ(kModDestinationKinds[305], ModDestinationKind::Add);
    EXPECT_EQ(kModDestinationKinds[555], ModDestinationKind::Add);
}

TEST(ModDestinationKinds, CountsMatchTheVoiceLayout)
{
    EXPECT_EQ(countKind(ModDestinationKind::Scale), 56);
    EXPECT_EQ(countKind(ModDestinationKind::Pitch), 26);
    EXPECT_EQ(countKind(ModDestinationKind::Level), 24);
    EXPECT_EQ(countKind(ModDestinationKind::None), 1);
}

TEST(ModDestinationKinds, VoiceDestinationsFollowTheSynthAndSampleStrides)
{
    EXPECT_EQ(modulation::voiceDestination(0, modulation::voicedest::kPitch), 30);
    EXPECT_EQ(modulation::voiceDestination(15, modulation::voicedest::kVolume), 206);
    EXPECT_EQ(modulation::voiceDestination(16, modulation::voicedest::kVolume), 218);
    EXPECT_EQ(modulation::voiceDestination(23, modulation::voicedest::kPitch), 299);
}

TEST(ModDestinationGlobalFlags, SharedCellsAreGlobalEverywhereEffectCellsOnlyInTheGlobalTable)
{
    for (int d : {1, 2, 12, 20, 25}) {
        EXPECT_TRUE(modulation::isGlobalDestination(d, true)) << d;
        EXPECT_TRUE(modulation::isGlobalDestination(d, false)) << d;
    }
    for (int d : {0, 3, 11, 26, 499}) {
        EXPECT_FALSE(modulation::isGlobalDestination(d, true)) << d;
        EXPECT_FALSE(modulation::isGlobalDestination(d, false)) << d;
    }
    EXPECT_TRUE(modulation::isGlobalDestination(500, true));
    EXPECT_TRUE(modulation::isGlobalDestination(699, true));
    EXPECT_FALSE(modulation::isGlobalDestination(600, false));
}

TEST(ModDestinationTable, ResetPutsScaleCellsAtOneAndEveryOtherAtZeroWithUnitRatios)
{
    modulation::ModDestinationTable table;
    table.value[5] = 7.0f;
    table.value[30] = 2.0f;
    table.ratio[30] = 4.0f;
    table.resetToBase();
    EXPECT_EQ(table.value[5], 1.0f);
    EXPECT_EQ(table.value[30], 0.0f);
    EXPECT_EQ(table.ratio[30], 1.0f);
    EXPECT_EQ(table.value[0], 0.0f);
}

} // namespace
