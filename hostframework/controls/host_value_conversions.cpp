#include "hostframework/controls/host_value_conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kHostSpan = 2147483647.0 - (-2147483648.0);
constexpr double kLowestHostValue = -2147483648.0;
constexpr double kSilenceDB = -144.0;

std::int32_t saturatedHostValue(double value)
{
    if (std::isnan(value) || value <= kLowestHostValue)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

} // namespace

double hostValueToContinuous(std::int32_t hostValue, double minimum, double maximum)
{
    return minimum + (maximum - minimum) * (hostValue - kLowestHostValue) / kHostSpan;
}

double hostValueToContinuousForward(std::int32_t hostValue, double minimum, double maximum)
{
    return hostValueToContinuous(hostValue, minimum, maximum);
}

std::int32_t continuousToHostValue(double value, double minimum, double maximum)
{
    const double clamped = minimum < maximum ? std::clamp(value, minimum, maximum) : std::clamp(value, maximum, minimum);
    return saturatedHostValue(std::floor((clamped - minimum) / (maximum - minimum) * kHostSpan + kLowestHostValue + 0.5));
}

std::int32_t hostValueToDiscrete(std::int32_t hostValue, std::int32_t minimum, std::int32_t maximum)
{
    const double span = double(maximum) - double(minimum);
    return saturatedHostValue(std::floor(minimum + span * (hostValue - kLowestHostValue) / kHostSpan + 0.5));
}

std::int32_t discreteToHostValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum)
{
    const std::int32_t clamped = std::max(std::min(value, maximum), minimum);
    const double offset = double(clamped) - double(minimum);
    const double span = double(maximum) - double(minimum);
    return saturatedHostValue(std::trunc(offset / span * kHostSpan + kLowestHostValue));
}

double LinearToDB(double linear)
{
    if (linear == 0.0)
        return kSilenceDB;
    const double decibels = 20.0 * std::log(linear) / std::log(10.0);
    return decibels < kSilenceDB ? kSilenceDB : decibels;
}

double LinearToDB(const double* linear)
{
    return LinearToDB(*linear);
}

double DBToLinear(double decibels)
{
    return std::pow(10.0, decibels / 20.0);
}

double DBToLinear(const double* decibels)
{
    return DBToLinear(*decibels);
}
