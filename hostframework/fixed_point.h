#pragma once

// Host values with 23 fraction bits (value x 2^23): the 24-bit form is held to -8388608..8388607,
// the 32-bit form is not.

#include <cstdint>

double Fix24ToDouble(std::int32_t value);
double Fix32ToDouble(std::int32_t value);
std::int32_t DoubleToFix24(double value);
std::int32_t DoubleToFix32(double value);
std::int32_t DoubleToFix32Rounded(double value);
// To nearest, ties to even.
std::int32_t RoundToInt(double value);
