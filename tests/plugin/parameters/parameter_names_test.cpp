#include "plugin/aplugin.h"
#include "plugin/parameters/names/parameter_names.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using kravo::param::kUnnamedParameter;

class ParameterNames : public ::testing::Test {
protected:
    std::unique_ptr<APlugin> plugin{static_cast<APlugin*>(createEffectInstance(nullptr))};

    std::string name(int index)
    {
        char text[kravo::param::kParameterNameSize] = {};
        plugin->dispatcher(plugGetParamName, index, 0, text, 0.0f);
        return text;
    }

    void expectNames(const std::vector<std::pair<int, std::string>>& rows)
    {
        for (const auto& [index, expected] : rows)
            EXPECT_EQ(name(index), expected) << index;
    }
};

// Every name fits, is printable and leaves the caller's bytes past the name size alone.
void expectBoundedNames(const std::vector<float>& values, int first, int last)
{
    for (int index = first; index <= last; ++index) {
        std::array<char, 64> text;
        text.fill('#');
        kravo::param::writeParameterName(index, values, text.data());
        const std::size_t length = strnlen(text.data(), text.size());
        ASSERT_LE(length, kravo::param::kParameterNameSize - 1) << index;
        ASSERT_GT(length, 0u) << index;
        for (std::size_t i = 0; i < length; ++i)
            ASSERT_TRUE(text[i] >= 32 && text[i] < 127) << index;
        for (std::size_t i = kravo::param::kParameterNameSize; i < text.size(); ++i)
            ASSERT_EQ(text[i], '#') << index;
    }
}

TEST_F(ParameterNames, FixedNamesKeepTheirSpellingsAndIndicesWithoutASettingGiveDashes)
{
    const std::string dashes(kUnnamedParameter);
    EXPECT_EQ(dashes, std::string(19, '-'));
    expectNames({{0, dashes}, {1, dashes}, {3, dashes}, {66, dashes}, {69, dashes}, {150, dashes},
        {633, dashes}, {1770, dashes}, {2400, dashes}, {6336, dashes}, {6800, dashes}, {6840, dashes},
        {8080, dashes}, {9899, dashes}, {-1, dashes}, {9900, dashes}, {2, "Main Volume"},
        {10, "BD 1 Main Volume"}, {11, "BD 2 Main Volume"}, {12, "SN 1 Volume"}, {15, "CL-HH 2 Volume"},
        {16, "OP-HH 1 Volume"}, {17, "OP-HH 2 Volume"}, {33, "Sample 8 Volume"}, {39, "CL-HH 2 Pan"},
        {61, "Fx 4 Pan"}, {62, "Fx 1 Mix"}, {67, "Easy Synth Semi"}, {78, "Easy LFO Speed"},
        {144, "BD 1 Model"}, {296, "SN 1 Click Freq Drop "}, {408, "CL-HH 1 Nose Filter Freq"},
        {412, "CL-HH 1 Noise Filter Vel > Freq"}, {386, "CL-HH 1 Osc Vel > Freq"},
        {387, "CL-HH Osc 2 Vel > Freq"}, {507, "OP-HH Osc 2 Vel > Freq"}, {506, "OP-HH 1 Osc Vel > Freq"},
        {634, "Clap 1 Decay Humanization"}, {653, "Tom 1 Mode"}, {722, "Tom 1 Osc Filter Q"},
        {723, "Tom 2 Osc Filter Q / Vowel"}, {733, "Tom 3 Osc Vel > Freq"},
        {850, "TM/US 1 Velocity > Volume"}, {870, "TM/US 3 Distortion Type"}, {885, "User 6 Choke Group"},
        {886, "User 1 Model"}, {1072, "User 1 Nose Filter Freq"}, {1383, "User 6 Osc Decay Curve"},
        {1549, "Fx Path"}, {1553, "Fx 4 Type"}, {1554, "Fx 1 Bypass"}, {1562, "Fx 1B Mod Source"},
        {1573, "Fx 4B Mod Destination"}, {1581, "Fx 4B Mod Amount"}, {1636, "Envelope 1 Mod Amount"},
        {1640, "Envelope 2 Attack"}, {1669, "LFO 1 Mod Amount"}, {1671, "LFO 2 Speed"}, {1690, "Mod 1 Bypass"},
        {1737, "Mod 8 Mod Amount"}, {1776, "BD 1 Easy Bypass"}, {1783, "OP-OH 2 Easy Bypass"},
        {1786, "Tom/User 1 Easy Bypass"}, {1799, "Sample 8 Easy Bypass"}, {1800, "BD 1 Semi"},
        {1806, "OP-HH 1 Semi"}, {1921, "Clap 2 Filter Q"}, {1922, "TM/US 1 Filter Q / Vowel"},
        {1927, "User 6 Filter Q / Vowel"}, {2215, "User 6 Stereo Time"}, {2298, "Latching"}, {2299, "Sync"},
        {2300, "Groove 1 Start"}, {2371, "Break 4 Track 4 Pad"}, {6197, "Break 4 Humanization"},
        {6200, "Sample 1 Output"}, {6223, "Sample 8 Mode"}, {6255, "Sample 8A/B Combine"},
        {6264, "Sample 1 Distort Mode"}, {6296, "Sample 1A Reverse"}, {6312, "Sample 1B Volume"},
        {6503, "Sample 8B Loop"}, {6703, "Sample 8B Filter Env Decay"}, {6760, "Sample 1B Filter LFO Speed"},
        {7879, "Sample 8 LFO Sync"}, {7904, "Sample 1A Offset"}, {7927, "Sample 8A Retrigger Time"},
        {8023, "Sample 8B Stereo Time"}, {8024, "Sample 1A"}, {8032, "Sample 1B"},
        {8048, "Sample 1A Loop Start"}, {8056, "Sample 1B Loop Start"}, {8064, "Sample 1A Loop End"},
        {8079, "Sample 8B Loop End"}});

    for (const int index : {-1, 0, 2, 1590, 9899, 9900}) {
        char label[8] = "xxxxxxx";
        plugin->dispatcher(plugGetParamLabel, index, 0, label, 0.0f);
        EXPECT_STREQ(label, " ") << index;
    }
}

TEST_F(ParameterNames, LayerATagsFollowTheSlotsCombineSwitchOnEveryCall)
{
    for (const auto& [combine, tag] : {std::pair{0.6f, "A/B"}, std::pair{0.4f, "A"}, std::pair{0.5f, "A/B"}}) {
        plugin->setParameter(6248, combine);
        expectNames({{6368, std::string("Sample 1") + tag + " Amp Attack"},
            {6304, std::string("Sample 1") + tag + " Volume"}, {6736, std::string("Sample 1") + tag + " Filter LFO Amount"},
            {7880, std::string("Sample 1") + tag + " Random > Pitch"}, {7928, std::string("Sample 1") + tag + " Stereo Start"},
            {6288, "Sample 1A Loop"}, {7904, "Sample 1A Offset"}, {6576, "Sample 1B Amp Attack"},
            {6369, "Sample 2A Amp Attack"}, {6224, "Sample 1A/B Mix"}});
    }
}

TEST_F(ParameterNames, EffectParameterNamesFollowTheSlotsTypeAndDistortionNamesTheVoicesDistortionType)
{
    auto typeValue = [](int type) { return (static_cast<float>(type) + 0.5f) / 49.99f; };
    plugin->setParameter(1550, 1.0f);
    plugin->setParameter(1551, typeValue(2));
    plugin->setParameter(1552, typeValue(7));
    expectNames({{1590, "FX 1 - AutoWah Type"}, {1596, "FX 1 - AutoWah -"}, {1601, "FX 2 - Stereo Delay Right Delay"},
        {1610, "FX 3 - Chor/Del Length"}, {1629, "FX 4 - None FX J"}});
    plugin->setParameter(1550, typeValue(26 + 1));
    EXPECT_EQ(name(1590), "FX 1 - AutoWah Type");

    plugin->setParameter(136, 0.0f);
    plugin->setParameter(137, 0.0f);
    expectNames({{132, "BD 1 Distort : None"}, {134, "BD 1 Distort : None"}});
    plugin->setParameter(136, 0.39f);
    expectNames({{132, "BD 1 Distort : Trans. Range"}, {134, "BD 1 Distort : Amount"}, {133, "BD 2 Distort : None"}});
    plugin->setParameter(476, typeValue(17));
    plugin->setParameter(871, typeValue(30));
    plugin->setParameter(6271, typeValue(9));
    expectNames({{472, "OP-HH 1 Distort : Mix"}, {474, "OP-HH 1 Distort : None"}, {859, "User 4 Distort : Amount"},
        {865, "User 4 Distort : Mix"}, {6279, "Sample 8 Distort : Limit"}, {6287, "Sample 8 Distort : Boost"}});
}

TEST_F(ParameterNames, EveryIndexGetsABoundedPrintableNameWhateverTheOtherValues)
{
    std::vector<float> values(kNumParams, 0.0f);
    expectBoundedNames(values, -3, kNumParams + 3);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (float& value : values)
        value = unit(random);
    expectBoundedNames(values, 0, kNumParams - 1);
    values.assign(kNumParams, 1.0f);
    expectBoundedNames(values, 0, kNumParams - 1);

    // Each effect and distortion type, and values a store never holds.
    const std::vector<int> typeParameters = {1550, 1551, 1552, 1553, 136, 137, 256, 257, 356, 476, 357, 477,
        596, 597, 868, 869, 870, 871, 872, 873, 6264, 6265, 6266, 6267, 6268, 6269, 6270, 6271};
    for (int type = 0; type < 52; ++type) {
        const float value = type == 50 ? -1.0f : type == 51 ? std::numeric_limits<float>::quiet_NaN()
                                                            : static_cast<float>(type) / 49.99f;
        for (const int index : typeParameters)
            values[index] = value;
        expectBoundedNames(values, 1590, 1629);
        expectBoundedNames(values, 130, 1383);
        expectBoundedNames(values, 6272, 6287);
    }
    expectBoundedNames({}, 0, kNumParams - 1);
}

} // namespace
