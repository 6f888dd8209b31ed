#pragma once

// Between host control values (signed 32-bit over the whole range) and a control's own values.
// Every conversion to a host value saturates, and NaN (an empty range divides by zero) gives the
// lowest host value.

#include <cstdint>

double hostValueToContinuous(std::int32_t hostValue, double minimum, double maximum);
double hostValueToContinuousForward(std::int32_t hostValue, double minimum, double maximum);
// The value is held to the range first.
std::int32_t continuousToHostValue(double value, double minimum, double maximum);
std::int32_t hostValueToDiscrete(std::int32_t hostValue, std::int32_t minimum, std::int32_t maximum);
std::int32_t discreteToHostValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum);

// The control views' names for the two discrete conversions: the same formulas, one definition.
inline std::int32_t ValueToHostLinear(std::int32_t value, std::int32_t minimum, std::int32_t maximum)
{
    return discreteToHostValue(value, minimum, maximum);
}
inline std::int32_t HostToValueLinear(std::int32_t hostValue, std::int32_t minimum, std::int32_t maximum)
{
    return hostValueToDiscrete(hostValue, minimum, maximum);
}

// -144 dB stands for silence.
double LinearToDB(double linear);
double LinearToDB(const double* linear);
double DBToLinear(double decibels);
double DBToLinear(const double* decibels);
