#include "engine/modulation/mod_destinations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>

namespace {

using modulation::isGlobalDestination;
using modulation::kModDestinationKinds;
using modulation::ModDestinationKind;
using modulation::voiceDestination;
namespace voicedest = modulation::voicedest;

TEST(ModDestinations, VoiceCellsCarryTheirArithmeticRestAtTheirBaseAndStayOutOfTheGlobalPass)
{
    modulation::ModDestinationTable table;
    std::fill(std::begin(table.value), std::end(table.value), 7.0f);
    std::fill(std::begin(table.ratio), std::end(table.ratio), 4.0f);
    table.resetToBase();
    for (int slot = 0; slot < 24; ++slot) {
        const int volume = voiceDestination(slot, voicedest::kVolume);
        const int pitch = voiceDestination(slot, voicedest::kPitch);
        const int speed = voiceDestination(slot, voicedest::kEnvSpeed);
        EXPECT_EQ(std::tuple(kModDestinationKinds[volume], kModDestinationKinds[pitch], kModDestinationKinds[speed]),
                  std::tuple(ModDestinationKind::Level, ModDestinationKind::Pitch, ModDestinationKind::Scale)) << slot;
        // Scale cells rest at 1, the others at 0; every ratio at 1.
        EXPECT_EQ(std::tuple(table.value[volume], table.value[pitch], table.value[speed], table.ratio[pitch]),
                  std::tuple(0.0f, 0.0f, 1.0f, 1.0f)) << slot;
        EXPECT_FALSE(isGlobalDestination(volume, true) || isGlobalDestination(pitch, false)) << slot;
    }
    // Master and modulator cells are global in every table, effect cells only in the global one.
    namespace g = modulation::globaldest;
    for (int d : {g::kMainVolume, g::kMainPan, g::kEnvAmount[0], g::kEnvDecay[1], g::kLfoAmount[0], g::kLfoSpeed[1]})
        EXPECT_TRUE(isGlobalDestination(d, true) && isGlobalDestination(d, false)) << d;
    for (int d : {0, modulation::easydest::kSynthPitch, modulation::easydest::kLfoSpeed})
        EXPECT_FALSE(isGlobalDestination(d, true) || isGlobalDestination(d, false)) << d;
    for (int d : {g::kEffectNone, 600, modulation::kModDestinationCount - 1})
        EXPECT_TRUE(isGlobalDestination(d, true) && !isGlobalDestination(d, false)) << d;
}

} // namespace
