#include "hostframework/views/control_value_library.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t kLowest = INT32_MIN;
constexpr std::int32_t kHighest = INT32_MAX;

std::string characters(const std::uint8_t* text)
{
    return {reinterpret_cast<const char*>(text + 1), text[0]};
}

template <typename Write>
std::string written(Write write)
{
    std::uint8_t text[256] = {};
    text[0] = 3; // what was there before
    write(text);
    return characters(text);
}

TEST(ControlValueLibrary, LinearAndLogarithmicMappingsSpanTheHostRange)
{
    EXPECT_EQ(LinearToHost(0.5, 0, 1), 0);
    EXPECT_EQ(LinearToHost(1, 0, 1), kHighest);
    EXPECT_EQ(LinearToHost(0, 0, 1), kLowest);
    // Held between the bounds, whichever is larger.
    EXPECT_EQ(LinearToHost(7, 0, 1), kHighest);
    EXPECT_EQ(LinearToHost(-7, 0, 1), kLowest);
    EXPECT_EQ(LinearToHost(0, 1, 0), kHighest);

    EXPECT_NEAR(HostToLog(0, 1, 100), 10.0, 1e-6);
    EXPECT_DOUBLE_EQ(HostToLog(kLowest, 1, 100), 1.0);
    EXPECT_NEAR(HostToLog(kHighest, 1, 100), 100.0, 1e-9);
    EXPECT_NEAR(LogToHost(10, 1, 100), 0, 1);
    EXPECT_EQ(LogToHost(100, 1, 100), kHighest);
    EXPECT_EQ(LogToHost(0.5, 1, 100), kLowest);
    // A bound of 0 or below counts as a logarithm of 0: a range from 0 to e maps like 1 to e.
    EXPECT_EQ(LogToHost(std::exp(0.5), 0, std::exp(1.0)), 0);
    EXPECT_NEAR(HostToLog(0, -3, std::exp(2.0)), std::exp(1.0), 1e-6);
}

TEST(ControlValueLibrary, EqualBoundsAndNonNumbersGiveFixedAnswersNotDivisionsByZero)
{
    EXPECT_EQ(LinearToHost(3, 2, 2), kLowest);
    EXPECT_EQ(LogToHost(3, 2, 2), kLowest);
    EXPECT_EQ(HostToLog(12345, 2, 2), 2.0);
    // Both bounds at or below 0 have the same logarithm.
    EXPECT_EQ(LogToHost(0.5, -1, 0), kLowest);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(LinearToHost(1, 0, nan), kLowest);
    EXPECT_EQ(LinearToHost(1, 0, std::numeric_limits<double>::infinity()), kLowest);
}

TEST(ControlValueLibrary, PiecewiseMappingsFollowTheWeightsOfTheSegments)
{
    const double points[] = {0, 1, 10};
    const double weights[] = {0.5, 0.5};
    EXPECT_EQ(PiecewiseToHost(5.5, points, weights, 2), 1073741823);
    EXPECT_EQ(PiecewiseToHost(0, points, weights, 2), kLowest);
    EXPECT_EQ(PiecewiseToHost(10, points, weights, 2), kHighest);
    EXPECT_EQ(PiecewiseToHost(99, points, weights, 2), kHighest);
    EXPECT_EQ(PiecewiseToHost(-5, points, weights, 2), kLowest);
    EXPECT_DOUBLE_EQ(HostToPiecewise(0, points, weights, 2), 1.0);
    EXPECT_DOUBLE_EQ(HostToPiecewise(kLowest, points, weights, 2), 0.0);
    EXPECT_NEAR(HostToPiecewise(1073741823, points, weights, 2), 5.5, 1e-6);

    // A segment of weight 0 is passed over: its range has no host value of its own.
    const double skipping[] = {0, 1, 2, 3};
    const double zeroWeight[] = {0.5, 0, 0.5};
    EXPECT_DOUBLE_EQ(HostToPiecewise(0, skipping, zeroWeight, 3), 2.0);
    EXPECT_EQ(PiecewiseToHost(1.5, skipping, zeroWeight, 3), PiecewiseToHost(2, skipping, zeroWeight, 3));
    // Weights adding up to less than 1 leave the top of the host range at the last breakpoint.
    const double light[] = {0.25};
    EXPECT_DOUBLE_EQ(HostToPiecewise(kHighest, points, light, 1), 1.0);

    // No segments.
    EXPECT_EQ(PiecewiseToHost(1, points, weights, 0), kLowest);
    EXPECT_EQ(PiecewiseToHost(1, nullptr, weights, 2), kLowest);
    EXPECT_DOUBLE_EQ(HostToPiecewise(0, points, weights, 0), 0.0);
    EXPECT_DOUBLE_EQ(HostToPiecewise(0, points, nullptr, 2), 0.0);
    EXPECT_DOUBLE_EQ(HostToPiecewise(0, nullptr, weights, 2), 0.0);
}

TEST(ControlValueLibrary, QuantizeRoundsToTheQuantumOfTheSegment)
{
    const double points[] = {0, 1, 10};
    const double quanta[] = {0.25, 0};
    double value = 0.37;
    Quantize(&value, points, quanta, 2);
    EXPECT_DOUBLE_EQ(value, 0.25);
    value = 0.9;
    Quantize(&value, points, quanta, 2);
    EXPECT_DOUBLE_EQ(value, 1.0);
    // A quantum of 0 leaves the value; so does a value in no segment.
    value = 3.3;
    Quantize(&value, points, quanta, 2);
    EXPECT_DOUBLE_EQ(value, 3.3);
    value = 10;
    Quantize(&value, points, quanta, 2);
    EXPECT_DOUBLE_EQ(value, 10.0);
    Quantize(nullptr, points, quanta, 2);
    Quantize(&value, points, nullptr, 2);
    Quantize(&value, points, quanta, -4);
    EXPECT_DOUBLE_EQ(value, 10.0);
}

TEST(ControlValueLibrary, FixedPointValuesConvertRoundedAndAsTheyAre)
{
    EXPECT_EQ(FixedToLong(0x18000), 2);
    EXPECT_EQ(FixedToLong(0x17FFF), 1);
    EXPECT_EQ(FixedToLong(-0x18000), -1);
    EXPECT_EQ(FixedToLong(kHighest), 32768);
    EXPECT_EQ(FixedToLong(kLowest), -32768);
    EXPECT_DOUBLE_EQ(FixedToDouble(0x18000), 1.5);
    EXPECT_DOUBLE_EQ(FixedToDouble(-0x4000), -0.25);
}

TEST(ControlValueLibrary, NumbersBecomeTextsWithinTheirMaximumLength)
{
    EXPECT_EQ(written([](std::uint8_t* text) { text[0] = 0; NumToPaddedString(7, text, 3, 255); }), "007");
    // Appended to what is there.
    std::uint8_t text[256] = {2, 'a', 'b'};
    NumToPaddedString(-42, text, 0, 255);
    EXPECT_EQ(characters(text), "ab-42");
    NumToPaddedString(123456, text, 2, 7);
    EXPECT_EQ(characters(text), "ab-4212");
    NumToPaddedString(5, text, 300, 255);
    EXPECT_EQ(text[0], 255);
    NumToPaddedString(5, nullptr, 3, 255);

    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString2(-1.234, t, 255); }), "-1.23");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString2(2.999, t, 255); }), "3.00");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString2(0.004, t, 255); }), "0.00");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString2(12.5, t, 3); }), "12.");

    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(9.996, t, 2, 255); }), "10.00");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(-0.004, t, 2, 255); }), "0.00");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(-2.5, t, 1, 255); }), "-2.5");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(3.7, t, 0, 255); }), "4");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(1.5, t, -3, 255); }), "2");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(1.5, t, 40, 255); }), "1.500000000");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(1e30, t, 1, 255); }), "2147483647.0");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(std::nan(""), t, 1, 255); }), "0.0");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToString(-1.25, t, 2, 0); }), "");

    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToStringOptInt(0.5, t, 2, 255, false); }), ".50");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToStringOptInt(-0.5, t, 2, 255, false); }), "-.50");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToStringOptInt(0.5, t, 2, 255, true); }), "0.50");
    EXPECT_EQ(written([](std::uint8_t* t) { DoubleToStringOptInt(1.5, t, 1, 255, false); }), "1.5");
    DoubleToString(1, nullptr, 2, 255);
    DoubleToString2(1, nullptr, 255);
}

} // namespace
