#include "engine/voices/voice_output.h"

#include "engine/modulation/mod_destinations.h"
#include "engine/voices/output_buses.h"
#include "plugin/parameters/drum_kind_parameters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

namespace param = kravo::param;
namespace voicedest = modulation::voicedest;

class VoiceOutputTest : public ::testing::Test {
protected:
    VoiceOutputTest() : params(param::kParameterCount, 0.0f)
    {
        for (int slot = 0; slot < param::kVoiceSlotCount; ++slot)
            params[param::voicePan[slot]] = 0.5f;
    }

    voices::VoiceOutputLevels levels(int slot, float velocityFactor = 1.0f)
    {
        voices::DbGainMemo volumeGain;
        return voices::voiceOutputLevels(params.data(), slot, table, offsets, velocityFactor, volumeGain);
    }
    float& cell(int slot, int j) { return table.value[modulation::voiceDestination(slot, j)]; }

    std::vector<float> params;
    modulation::ModDestinationTable table;
    voices::VoiceOutputOffsets offsets;
};

TEST_F(VoiceOutputTest, VolumeRunsFromSilenceThroughMinus30DbToUnityAndOffsetsAddBeforeTheLaws)
{
    params[param::voiceVolume[0]] = 0.0009f;
    EXPECT_EQ(levels(0).gain, 0.0f);
    params[param::voiceVolume[0]] = 0.5f;
    EXPECT_NEAR(20.0f * std::log10(levels(0).gain), -30.0f, 1e-4f);
    params[param::voiceVolume[0]] = 1.0f;
    EXPECT_FLOAT_EQ(levels(0, 0.25f).gain, 0.25f);
    EXPECT_FLOAT_EQ(levels(0).left, 1.0f); // the centre keeps both sides at full gain
    EXPECT_FLOAT_EQ(levels(0).right, 1.0f);
    params[16] = 1.0f; // hi-hat volumes are kept in kind order: 16 is OP-HH 1, slot 5
    EXPECT_FLOAT_EQ(levels(5).gain, 1.0f);
    EXPECT_EQ(levels(6).gain, 0.0f);

    // Offsets and modulation add before the laws.
    params[param::voiceVolume[17]] = 0.25f;
    offsets.globalVolume = 0.25f;
    cell(17, voicedest::kVolume) = 0.5f;
    EXPECT_FLOAT_EQ(levels(17).gain, 1.0f);

    params[param::voiceVolume[0]] = 1.0f;
    offsets.notePan = 0.25f;
    offsets.globalPan = 0.125f;
    cell(0, voicedest::kPan) = 0.125f; // pan 1.0: hard right
    EXPECT_FLOAT_EQ(levels(0).left, 0.0f);
    EXPECT_FLOAT_EQ(levels(0).right, 1.0f);

    params[param::voiceDistortionFirst[0]] = 0.75f;
    params[param::voiceDistortionSecond[0]] = 0.25f;
    cell(0, voicedest::kDistort1) = 0.5f;
    cell(0, voicedest::kDistort2) = -0.125f;
    EXPECT_EQ(levels(0).distortion1, 1.0f);
    EXPECT_FLOAT_EQ(levels(0).distortion2, 0.125f);
}

TEST(OutputBuses, VoicesOnABusSumAndABusAboveSevenIsSilent)
{
    voices::OutputBuses buses;
    buses.add(3, 0.5f, 0.25f);
    buses.add(3, 0.5f, 0.25f);
    buses.add(8, 1.0f, 1.0f);
    for (std::uint32_t b = 0; b < voices::OutputBuses::kCount; ++b) {
        EXPECT_EQ(buses.left[b], b == 3 ? 1.0f : 0.0f) << b;
        EXPECT_EQ(buses.right[b], b == 3 ? 0.5f : 0.0f) << b;
    }
}

} // namespace
