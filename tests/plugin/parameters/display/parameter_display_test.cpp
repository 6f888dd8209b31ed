#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/model_names.h"
#include "plugin/parameters/display/modulation_names.h"
#include "plugin/parameters/display/parameter_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace kravo::param::display {
namespace {

struct Setting {
    int index;
    float value;
};

struct Case {
    int index;
    float value;
    const char* text;
    std::vector<Setting> others = {};
};

class ParameterDisplay : public ::testing::Test {
protected:
    std::string display(int index)
    {
        char text[kDisplayTextSize + 8];
        std::memset(text, 'x', sizeof text);
        formatParameterDisplay(index, ConstParameterSpan(values), text, kDisplayTextSize);
        EXPECT_EQ(std::count(text + kDisplayTextSize, text + sizeof text, 'x'), 8) << "written past the buffer";
        return text;
    }

    void check(const std::vector<Case>& cases)
    {
        for (const Case& c : cases) {
            values.fill(0.0f);
            for (const Setting& s : c.others)
                values[static_cast<std::size_t>(s.index)] = s.value;
            values[static_cast<std::size_t>(c.index)] = c.value;
            EXPECT_EQ(display(c.index), c.text) << "index " << c.index << " at " << c.value;
        }
    }

    std::array<float, kParameterCount> values{};
};

TEST_F(ParameterDisplay, NumbersCarryTheirUnits)
{
    check({{2, 0.5f, "-15.0 dB"},      {10, 1.0f, "0.0 dB"},          {34, 0.5f, "100L/100R"},
           {34, 0.25f, "100L/50R"},    {62, 0.75f, "50D/100W"},       {6224, 0.0f, "100A/0B"},
           {67, 1.0f, "12 sm"},        {68, 0.0f, "-4 oct"},          {72, 0.0f, "3200 %"},
           {75, 0.25f, "-50.0 %"},     {130, 0.5f, "50.0 %"},         {1800, 0.0f, "-36 sm"},
           {1816, 1.0f, "100.0 cent"}, {176, 0.0f, "20 Hz"},          {176, 1.0f, "20.5 kHz"},
           {372, 0.0f, "640 Hz"},      {1126, 0.0f, "0.1 Hz"},        {152, 1.0f, "20.0 kHz"},
           {154, 1.0f, "100 Hz"},      {186, 0.0f, "10.0 hz"},        {274, 0.0f, "25.0 hz"},
           {174, 0.25f, "Sine/White 50.0/50.0 %"},                    {174, 0.5f, "White/Pink 100.0/0.0 %"},
           {1138, 1.0f, "White/Pink 0.0/100.0 %"},                    {2120, 0.5f, "25.00 % of length"},
           {6232, 1.0f, "127"}});
}

TEST_F(ParameterDisplay, TimesAndRates)
{
    check({{142, 0.0005f, "Off"}, {142, 1.0f, "20.00 ms"},  {180, 1.0f, "10.0 sec"}, {1630, 0.5f, "128 ms"},
           {1848, 0.9925f, "Held"}, {1848, 0.99f, "14.9 sec"}, {1162, 0.0f, "Off"}, {1162, 1.0f, "27.50 Hz"},
           {1162, 0.5f, "1/1", {{1174, 0.5f}}}, {1660, 0.5f, "1/1", {{1666, 1.0f}}}});
}

TEST_F(ParameterDisplay, ChoicesAreHeldToTheirLastEntry)
{
    check({{1550, 1.0f, "AutoWah"}, {144, 1.0f, "BD Kravo 20"}, {144, 0.0f, "BD Model 1"},
           {364, 1.0f, "HH Kravo 07 Open 6''"}, {886, 1.0f, "User Perc. 62 Crashbox"}, {1558, 1.0f, "Sm. Break 4 Free"},
           {1698, 1.0f, "Sample 8 Mix"}, {148, 0.4f, "High"}, {1554, 0.5f, "On"}, {1168, 0.0f, "Free Running"},
           {136, 1.0f, "Transient"}, {2340, 1.0f, "Sample8"}, {3, 0.5f, "----"}});
}

TEST_F(ParameterDisplay, ModulationDestinationListIsBuiltFromItsParts)
{
    EXPECT_EQ(kModDestinationNames.size(), 306u);
    EXPECT_EQ(kModDestinationNames[26], "BD 1 Volume");
    EXPECT_EQ(kModDestinationNames[217], "User 6 LFO Speed");
    EXPECT_EQ(kModDestinationNames[218], "Sample 1 Volume");
    EXPECT_EQ(kModDestinationNames[25], "LFO 2 Speed");
    EXPECT_EQ(std::tuple(kBassDrumModelNames.size(), kSnareModelNames.size(), kHiHatModelNames.size(),
                         kTomModelNames.size(), kClapModelNames.size(), kUserModelNames.size(), kModSourceNames.size()),
              std::tuple(28u, 67u, 25u, 13u, 18u, 140u, 44u));
}

TEST_F(ParameterDisplay, ModulationAmountFollowsTheDestinationKind)
{
    // Destination 3 is a pitch, 5 a scale, 1 an add; value d / 699.99 + a little selects cell d.
    check({{1722, 1.0f, "24.0 semi", {{1698, 3.5f / 699.99f}}}, {1722, 0.5f, "100.0 %", {{1698, 5.5f / 699.99f}}},
           {1633, 0.0f, "-100.0 %", {{1634, 1.5f / 699.99f}}}, {1661, 0.5f, "-", {{1667, 0.0f}}}});
}

// Effect and distortion types are read alike, as int(value * 49.99).
constexpr float typeValue(int type) { return (static_cast<float>(type) + 0.5f) / 49.99f; }

TEST_F(ParameterDisplay, EffectParametersFollowTheSlotsType)
{
    check({{1590, 0.5f, "", {{1550, 0.0f}}},
           {1590, 0.5f, "", {{1550, 0.9f}}},
           {1591, 0.0f, "None", {{1550, typeValue(21)}}},
           {1591, 1.0f, "Limiter", {{1550, typeValue(21)}}},
           {1592, 0.0f, "Off", {{1550, typeValue(21)}}},
           {1600, 0.0f, "1 ms", {{1551, typeValue(1)}}},
           {1600, 1.0f, "1/2*", {{1551, typeValue(1)}, {1607, 1.0f}}},
           {1611, 0.5f, "1/8", {{1552, typeValue(2)}, {1618, 1.0f}}},
           {1620, 1.0f, "+20.0 dB", {{1553, typeValue(20)}}},
           {1620, 1.0f, "Radio", {{1553, typeValue(13)}}},
           {1621, 0.5f, "4.00 m", {{1553, typeValue(4)}}},
           {1627, 0.0f, "-40.0 dB", {{1553, typeValue(4)}}},
           {1627, 0.0f, "-20.0 dB", {{1553, typeValue(5)}}},
           {1590, 1.0f, "Vocal", {{1550, typeValue(19)}}},
           {1590, 1.0f, "1", {{1550, typeValue(12)}}},
           {1591, 1.0f, "1378", {{1550, typeValue(12)}}},
           {1591, 0.5f, "1/1", {{1550, typeValue(16)}}},
           {1566, 0.0f, "None"},
           {1570, 2.5f / 49.99f, "Pan"},
           // A routing's target among the effect's own parameters takes the slot's type's names.
           {1567, 3.5f / 49.99f, "Length", {{1551, typeValue(1)}}},
           {1571, 12.5f / 49.99f, "Gate Decay", {{1551, typeValue(5)}}},
           {1568, 13.5f / 49.99f, "", {{1552, typeValue(5)}}}});
}

TEST_F(ParameterDisplay, DistortionParametersFollowTheVoicesDistortionType)
{
    check({{132, 0.5f, "", {{136, 0.0f}}},
           {132, 0.5f, "8.0", {{136, typeValue(1)}}},
           {134, 0.5f, "50.0 %", {{136, typeValue(1)}}},
           {132, 0.0f, "-100.0 %", {{136, typeValue(2)}}},
           {134, 1.0f, "X 16.0", {{136, typeValue(7)}}},
           {863, 0.5f, "", {{869, typeValue(17)}}},
           {6272, 1.0f, "-100.0 %", {{6264, typeValue(14)}}},
           {6280, 1.0f, "-100.0 %", {{6264, typeValue(19)}}},
           {6273, 1.0f, "1024.0", {{6265, typeValue(15)}}},
           {133, 0.25f, "25.0 %", {{137, 1.0f}}}});
}

TEST_F(ParameterDisplay, IndicesPastTheLastLeaveTheTextEmptyAndTheLastPlusOneShowsDashes)
{
    EXPECT_EQ(display(kParameterCount), "----");
    EXPECT_EQ(display(kParameterCount + 1), "");
    EXPECT_EQ(display(-1), "");
    formatParameterDisplay(2, ConstParameterSpan(values), nullptr, kDisplayTextSize);
}

TEST_F(ParameterDisplay, ValuesOutsideTheRangeAreReadAtItsEnds)
{
    check({{144, std::numeric_limits<float>::quiet_NaN(), "BD Model 1"}, {144, 2.0f, "BD Kravo 20"},
           {1722, -1.0f, "-100.0 %", {{1698, 1e9f}}}, {1620, 0.5f, "", {{1553, 7.0f}}}});
}

TEST_F(ParameterDisplay, EveryIndexAtEveryValueGivesABoundedPrintableText)
{
    const float sweep[] = {0.0f, 0.0005f, 0.25f, 0.5f, 0.9925f, 1.0f};
    for (const float type : {0.0f, 0.3f, 0.52f, 0.9f, 1.0f}) { // effect and distortion types across their ranges
        for (const float v : sweep) {
            values.fill(v);
            for (int s = 0; s < 4; ++s)
                values[static_cast<std::size_t>(1550 + s)] = type + 0.02f * static_cast<float>(s) > 1.0f ? 1.0f : type + 0.02f * static_cast<float>(s);
            for (const int t : {136, 137, 256, 257, 356, 357, 476, 477, 596, 597, 868, 869, 6264, 6271})
                values[static_cast<std::size_t>(t)] = type;
            for (int index = 0; index <= kParameterCount + 1; ++index) {
                const std::string text = display(index);
                ASSERT_LT(text.size(), kDisplayTextSize) << index;
                ASSERT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c < 127; }))
                    << index << " at " << v << ": " << text;
            }
        }
    }
}

} // namespace
} // namespace kravo::param::display
