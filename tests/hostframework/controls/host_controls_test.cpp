#include "hostframework/controls/discrete_control.h"
#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/controls/linear_control.h"
#include "hostframework/controls/linear_gain_control.h"
#include "hostframework/controls/on_off_control.h"
#include "hostframework/host_error.h"
#include "platform/four_char_code.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>

namespace {

const SPrefixRecord* fromEmpty()
{
    return ValuePrefixesFromEmpty().data();
}

const SPrefixRecord* lastPrefix()
{
    return &ValuePrefixesFromEmpty().back();
}

std::string text(CPluginControl& control, std::int32_t hostValue, std::int32_t n)
{
    char buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    control.GetValueText(buffer, n, hostValue);
    return buffer;
}

std::int32_t readCode(CPluginControl& control, const char* typed)
{
    try {
        control.SetValueFromText(typed);
        return 0;
    } catch (const CHostError& error) {
        return error.GetCode();
    }
}

TEST(HostValueConversions, TheRangesEndsAndMiddles)
{
    EXPECT_EQ(continuousToHostValue(0.0, 0, 1), INT32_MIN);
    EXPECT_EQ(continuousToHostValue(1.0, 0, 1), INT32_MAX);
    EXPECT_EQ(continuousToHostValue(0.5, 0, 1), 0);
    EXPECT_EQ(continuousToHostValue(7.0, 0, 1), INT32_MAX);
    EXPECT_EQ(continuousToHostValue(-7.0, 1, 0), INT32_MAX); // a reversed range clamps the other way
    EXPECT_EQ(continuousToHostValue(0.5, 2, 2), INT32_MIN);  // an empty range
    EXPECT_EQ(hostValueToContinuous(INT32_MIN, 0, 1), 0.0);
    EXPECT_EQ(hostValueToContinuous(INT32_MAX, 0, 1), 1.0);
    EXPECT_EQ(discreteToHostValue(1, 0, 2), 0);
    EXPECT_EQ(hostValueToDiscrete(0, 0, 2), 1);
    EXPECT_EQ(discreteToHostValue(INT32_MAX, INT32_MIN, INT32_MAX), INT32_MAX);
    EXPECT_EQ(discreteToHostValue(3, 3, 3), INT32_MIN);
    EXPECT_EQ(LinearToDB(0.0), -144.0);
    EXPECT_EQ(LinearToDB(1e-9), -144.0);
    EXPECT_NEAR(LinearToDB(0.5), -6.0206, 1e-4);
    EXPECT_NEAR(DBToLinear(-6.0206), 0.5, 1e-5);
}

TEST(HostControls, StepsTextsAndReadingOfLinearControls)
{
    EXPECT_EQ(CPluginControl_Linear(1, "x", 0, 1, 0.000001, 0, true, nullptr, nullptr).GetNumSteps(), 1000001);
    EXPECT_EQ(CPluginControl_Linear(1, "x", 0, 1, 0.1, 0, true, nullptr, nullptr).GetNumSteps(), 11);

    CPluginControl_Linear level(1, "Level", 0, 1, 0.1, 0.5, true, fromEmpty(), lastPrefix());
    EXPECT_EQ(text(level, level.ContinuousToHost(0.5), 8), "0.5");
    CPluginControl_Linear frequency(2, "Frequency", 0, 200000, 1, 0, true, fromEmpty(), lastPrefix());
    EXPECT_EQ(text(frequency, frequency.ContinuousToHost(1500), 8), "1.5k");
    CPluginControl_Linear big(3, "Big", 0, 1e6, 1, 0, true, fromEmpty(), lastPrefix());
    big.SetDigits(2);
    EXPECT_EQ(text(big, big.ContinuousToHost(123456.789), 5), "123k");
    CPluginControl_Linear signedLevel(4, "Signed", -1, 1, 0.1, 0, true, fromEmpty(), lastPrefix());
    EXPECT_EQ(text(signedLevel, signedLevel.ContinuousToHost(-0.01), 8), "0.0");
    EXPECT_EQ(text(frequency, frequency.ContinuousToHost(150000), 1), "*");

    for (const char* typed : {"2.5 k", "2.5k", "2500", "  2500"})
        EXPECT_NEAR(frequency.HostToContinuous(frequency.SetValueFromText(typed)), 2500.0, 0.01) << typed;
    for (const char* typed : {"2.5 q", "2.5 k k", "k", "", "2.5 Hz"})
        EXPECT_EQ(readCode(frequency, typed), -7401) << typed;
    CPluginControl_Linear plain(5, "Plain", 0, 10, 1, 0, true, nullptr, nullptr);
    EXPECT_EQ(readCode(plain, "2 k"), -7401);
    EXPECT_EQ(readCode(plain, "2"), 0);

    EXPECT_TRUE(frequency.IsKeyValid('k') && frequency.IsKeyValid('M') && frequency.IsKeyValid('-') &&
                frequency.IsKeyValid(28) && frequency.IsKeyValid(8));
    EXPECT_FALSE(frequency.IsKeyValid('q') || frequency.IsKeyValid('|'));
    EXPECT_EQ(level.GetAttributeB(), 0);
    EXPECT_EQ(level.GetAttributeC(), 1);
}

TEST(HostControls, GainControlsReadAndShowDecibels)
{
    CPluginControl_LinearGain gain(FourCharCode("sld1"), "Mono Gain\nGain\nGan", 0.0, 1.0, 0.1, 1.0, false, fromEmpty(),
                                   lastPrefix());
    EXPECT_EQ(gain.GetNumSteps(), 11);
    EXPECT_EQ(gain.GetHostValue(), INT32_MAX);
    EXPECT_EQ(text(gain, gain.ContinuousToHost(0.0), 16), "-INF");
    EXPECT_EQ(text(gain, gain.ContinuousToHost(0.5), 16), "-6.0 dB");
    EXPECT_EQ(text(gain, gain.ContinuousToHost(1e-9), 16), "-144.0 dB");
    EXPECT_NEAR(gain.HostToContinuous(gain.SetValueFromText("-0.5 dB")), std::pow(10.0, -0.5 / 20.0), 1e-6);
    EXPECT_EQ(gain.SetValueFromText("0.5 dB"), INT32_MAX); // above the range: held to its top
    EXPECT_NEAR(gain.HostToContinuous(gain.SetValueFromText("-6")), 0.501, 1e-3);
    EXPECT_TRUE(gain.IsKeyValid('d') && gain.IsKeyValid('B'));
    EXPECT_EQ(gain.GetAttributeA(), 0);
    EXPECT_EQ(gain.GetAttributeB(), 8);
    EXPECT_EQ(gain.GetAttributeC(), 1);
    char name[32];
    for (const auto& [n, expected] : {std::pair{31, "Mono Gain"}, {4, "Gain"}, {3, "Gan"}, {2, "Ga"}}) {
        gain.GetName(name, n);
        EXPECT_STREQ(name, expected);
    }
    // The stored host value and the control's own value are separate.
    gain.SetHostValue(0);
    EXPECT_EQ(gain.GetValue(), INT32_MAX);
    gain.SetValue(INT32_MIN);
    EXPECT_EQ(gain.GetHostValue(), 0);
    EXPECT_EQ(gain.GetValue(), INT32_MIN);
}

TEST(HostControls, DiscreteAndOnOffControls)
{
    CPluginControl_Discrete choice(1, "Choice", 0, 2, 1, true);
    EXPECT_EQ(choice.GetNumSteps(), 3);
    EXPECT_EQ(choice.GetValue(), 0);
    EXPECT_EQ(text(choice, choice.IntegerToHost(2), 8), "2");
    CPluginControl_Discrete wide(2, "Wide", 0, 100000, 0, true);
    EXPECT_EQ(text(wide, wide.IntegerToHost(100000), 3), "*");
    EXPECT_EQ(choice.HostToInteger(choice.SetValueFromText("2")), 2);
    EXPECT_TRUE(choice.IsKeyValid('|') && choice.IsKeyValid(':') && !choice.IsKeyValid('k'));
    EXPECT_EQ(choice.GetAttributeC(), 0);

    CPluginControl_OnOff bypass(FourCharCode("bypa"), "Master Bypass", 0, true, nullptr, nullptr);
    EXPECT_EQ(bypass.GetNumSteps(), 2);
    EXPECT_EQ(bypass.SetValueFromText("on"), INT32_MAX);
    EXPECT_EQ(bypass.SetValueFromText("ON"), INT32_MAX);
    EXPECT_EQ(bypass.SetValueFromText("off"), INT32_MIN);
    EXPECT_EQ(bypass.SetValueFromText("1"), INT32_MIN);
    EXPECT_EQ(text(bypass, INT32_MAX, 8), "On");
    EXPECT_EQ(text(bypass, INT32_MIN, 8), "Off");
    EXPECT_EQ(text(bypass, INT32_MAX, 1), "1");
    EXPECT_EQ(text(bypass, INT32_MIN, 1), "0");
    EXPECT_TRUE(bypass.IsKeyValid('o') && bypass.IsKeyValid('O') && bypass.IsKeyValid('n') && bypass.IsKeyValid('5'));
    CPluginControl_OnOff named(3, "Mode", 1, true, "Loud", "Soft");
    EXPECT_EQ(text(named, named.GetValue(), 8), "Loud");
    EXPECT_EQ(named.SetValueFromText("loud"), INT32_MAX);
}

TEST(HostControls, RandomTextsReadOrThrowAndValueTextsStayInTheirBuffers)
{
    CPluginControl_Linear frequency(2, "Frequency", -20000, 200000, 1, 0, true, fromEmpty(), lastPrefix());
    CPluginControl_LinearGain gain(FourCharCode("sld1"), "Mono Gain", 0.0, 1.0, 0.1, 1.0, false, fromEmpty(), lastPrefix());
    CPluginControl_Discrete choice(1, "Choice", -5, 5, 1, true);
    CPluginControl_OnOff bypass(FourCharCode("bypa"), "Master Bypass", 0, true, nullptr, nullptr);
    CPluginControl* controls[] = {&frequency, &gain, &choice, &bypass};
    const std::string alphabet = "0123456789.-+ ekKMGdBHz\tnaif";
    std::mt19937 random(29);
    for (int round = 0; round < 3000; ++round) {
        std::string typed;
        for (std::size_t k = random() % 12; k > 0; --k)
            typed += alphabet[random() % alphabet.size()];
        for (CPluginControl* control : controls) {
            const std::int32_t code = readCode(*control, typed.c_str());
            EXPECT_TRUE(code == 0 || code == -7401) << typed;
        }
        const auto hostValue = static_cast<std::int32_t>(random());
        const auto n = static_cast<std::int32_t>(random() % 41);
        for (CPluginControl* control : controls) {
            std::string buffer(64, '#');
            control->GetValueText(buffer.data(), n, hostValue);
            const std::size_t end = buffer.find('\0');
            ASSERT_LE(end, static_cast<std::size_t>(n));
            ASSERT_EQ(buffer.find_first_not_of('#', static_cast<std::size_t>(n) + 1), std::string::npos);
        }
    }
}

} // namespace
