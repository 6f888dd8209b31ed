#include "plugin/parameters/default_patch.h"

#include "plugin/parameters/parameter_map.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace kravo;
using Values = std::array<float, param::kParameterCount>;

struct DefaultPatchTest : ::testing::Test {
    DefaultPatchTest()
    {
        fillDefaultValues(defaults);
        fillZeroValues(zeros);
    }

    void expectDefaults(int first, int last, float value) const
    {
        for (int i = first; i <= last; ++i)
            EXPECT_EQ(defaults[i], value) << "default of parameter " << i;
    }

    void expectZeros(int first, int last, float value) const
    {
        for (int i = first; i <= last; ++i)
            EXPECT_EQ(zeros[i], value) << "zero value of parameter " << i;
    }

    Values defaults{};
    Values zeros{};
};

TEST_F(DefaultPatchTest, EveryReferenceValueLiesInZeroToOne)
{
    for (int i = 0; i < param::kParameterCount; ++i) {
        EXPECT_GE(defaults[i], 0.0f);
        EXPECT_LE(defaults[i], 1.0f);
        EXPECT_GE(zeros[i], 0.0f);
        EXPECT_LE(zeros[i], 1.0f);
    }
}

TEST_F(DefaultPatchTest, ProgramStartsWithSilentUnnamedParametersThenMainVolume)
{
    EXPECT_EQ(defaults[0], 0.0f);
    EXPECT_EQ(defaults[1], 0.0f);
    EXPECT_EQ(defaults[2], 0.7f);
    EXPECT_EQ(defaults[3], 0.0f);
}

TEST_F(DefaultPatchTest, MixerVoicesSitAtSevenEighthsAndCentred)
{
    expectDefaults(10, 33, 0.875f);
    expectDefaults(34, 65, 0.5f);
    expectDefaults(66, 66, 0.0f);
    expectDefaults(67, 68, 0.5f);
    expectDefaults(69, 69, 0.0f);
    expectDefaults(70, 78, 0.5f);
}

TEST_F(DefaultPatchTest, DrumKindDefaultsApplyToEveryVoiceOfTheKind)
{
    expectDefaults(130, 131, 0.5f);   // BD velocity to volume
    expectDefaults(150, 151, 0.0f);   // BD j = 10 carries nothing
    expectDefaults(190, 191, 0.76f);  // BD j = 30
    expectDefaults(264, 265, 0.0075f);// SN model
    expectDefaults(322, 323, 0.165f); // SN j = 36
    expectDefaults(414, 415, 0.5f);   // CL-HH j = 32
    expectDefaults(538, 539, 0.57f);  // OP-HH j = 34
    expectDefaults(634, 635, 0.15f);  // Clap j = 22
    expectDefaults(653, 655, 0.0075f);// Tom model
    expectDefaults(731, 733, 0.54f);  // Tom j = 26
    expectDefaults(1378, 1383, 0.32f);// Tom/User j = 88
}

TEST_F(DefaultPatchTest, TomUserDistortionStartsSetOnlyOnTheTomUserSlots)
{
    expectDefaults(862, 864, 1.0f);
    expectDefaults(865, 867, 0.0f);
    expectDefaults(868, 870, 0.27f);
    expectDefaults(871, 873, 0.0f);
    expectDefaults(1770, 1772, 0.0f); // slots 10..12 start as Tom voices
}

TEST_F(DefaultPatchTest, ModulationDefaults)
{
    const std::array<float, 7> envelope = {0.1f, 0.2f, 0.5f, 0.5f, 0.0f, 0.0f, 0.5f};
    const std::array<float, 10> lfo = {0.5f, 0.5f, 0.0f, 0.5f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.5f};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(defaults[1630 + k], envelope[k]);
        EXPECT_EQ(defaults[1640 + k], envelope[k]);
    }
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(defaults[1660 + k], lfo[k]);
        EXPECT_EQ(defaults[1671 + k], lfo[k]);
    }
    expectDefaults(1574, 1581, 0.5f);
    expectDefaults(1690, 1721, 0.0f);
    expectDefaults(1722, 1737, 0.5f);
}

TEST_F(DefaultPatchTest, SynthLayerBlockDefaults)
{
    expectDefaults(1800, 1831, 0.5f);  // Semi, Fine
    expectDefaults(1832, 1847, 0.0f);  // Amp Attack
    expectDefaults(1848, 1863, 1.0f);  // Amp Hold
    expectDefaults(2056, 2071, 0.6f);  // Filter LFO Speed
    expectDefaults(2088, 2103, 1.0f);  // Filter LFO Tempo Sync
    expectDefaults(2168, 2199, 0.5f);  // Stereo Start, End
    expectDefaults(2200, 2215, 0.0f);  // Stereo Time
}

TEST_F(DefaultPatchTest, PatternDefaults)
{
    expectDefaults(2298, 2298, 0.0f);
    expectDefaults(2299, 2299, 1.0f);
    expectDefaults(2300, 2307, 0.0f);
    expectDefaults(2308, 2315, 1.0f);
    expectDefaults(2316, 2323, 0.5f);
    expectDefaults(2324, 2371, 0.0f);
    expectDefaults(2400, 3423, 0.0f);
    expectDefaults(3424, 3935, 0.5f);
    expectDefaults(3936, 4447, 1.0f);
    expectDefaults(4448, 5471, 0.5f);
    expectDefaults(5472, 5983, 0.0f);
    expectDefaults(5984, 6111, 0.5f);
    expectDefaults(6112, 6143, 0.0f);
}

TEST_F(DefaultPatchTest, SampleSlotDefaults)
{
    expectDefaults(6256, 6263, 0.75f);
    expectDefaults(6376, 6383, 1.0f);  // layer A Amp Hold
    expectDefaults(6392, 6415, 0.5f);  // layer A Tuning, Fine-Tuning, Pitch Env
    expectDefaults(6584, 6591, 1.0f);  // layer B Amp Hold
    expectDefaults(6744, 6751, 0.6f);
    expectDefaults(6760, 6767, 0.6f);
    expectDefaults(7872, 7879, 1.0f);
    expectDefaults(7888, 7903, 0.5f);  // play block A Filter Vel > Freq, Vel > Pitch
    expectDefaults(7928, 7943, 0.5f);  // play block A Stereo Start, End
    expectDefaults(7960, 7975, 0.5f);
    expectDefaults(8000, 8015, 0.5f);
    expectDefaults(6304, 6319, 0.0f);  // layer volumes default to 0; their neutral value is 1
}

TEST_F(DefaultPatchTest, EveryDrumPresetNameReadsDashes)
{
    for (int slot = 0; slot < param::kVoiceSlotCount; ++slot) {
        EXPECT_EQ(readParamText(defaults, param::drumPresetName[slot], param::kDrumPresetNameLength), "----");
        EXPECT_EQ(defaults[param::drumPresetName[slot]], 0.177734375f);
    }
    expectDefaults(9300, 9303, 0.177734375f);
    expectDefaults(9304, 9323, 0.0f);
    expectDefaults(9876, 9899, 0.0f);
}

TEST_F(DefaultPatchTest, SetToZeroCentresPansButSilencesVolumes)
{
    EXPECT_EQ(zeros[34], 0.5f);
    EXPECT_EQ(zeros[10], 0.0f);
    EXPECT_EQ(zeros[2], 0.7f);
}

TEST_F(DefaultPatchTest, ZeroValuesOfTheListedGroups)
{
    expectZeros(34, 65, 0.5f);
    expectZeros(66, 66, 0.0f);
    expectZeros(412, 415, 0.5f);
    expectZeros(731, 733, 0.5f);
    expectZeros(1126, 1131, 0.33f);
    expectZeros(1366, 1371, 0.6f);
    expectZeros(1630, 1630, 0.1f);
    expectZeros(1641, 1641, 0.2f);
    expectZeros(1666, 1666, 1.0f);
    expectZeros(1677, 1677, 1.0f);
    expectZeros(6304, 6319, 1.0f);
    expectZeros(8000, 8015, 0.5f);
    expectZeros(8016, 9899, 0.0f);
}

TEST_F(DefaultPatchTest, PatternClearValuesCopyTheDefaults)
{
    Values clear{};
    fillPatternClearValues(clear);
    EXPECT_EQ(clear, defaults);
}

} // namespace
