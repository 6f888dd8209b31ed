#include "hostframework/fixed_point.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr double kFractionScale = 1.0 / 8388608.0;
constexpr double kFix24Full = 8388607.0;
constexpr double kFix32Full = 8388608.0;
constexpr std::int32_t kLargestFix24 = 8388607;
constexpr std::int32_t kSmallestFix24 = -8388608;
// Adding it leaves the rounded integer in the low word of the double.
constexpr double kRoundingBias = 6755399441055744.0; // 1.5 x 2^52

// A result that would not fit saturates to the 24-bit ends, and NaN gives 0.
template <typename Convert>
std::int32_t fix32(double value, Convert convert)
{
    if (std::isnan(value))
        return 0;
    if (value > 2147483647.0)
        return kLargestFix24;
    if (value < -2147483648.0)
        return kSmallestFix24;
    const double scaled = value * kFix32Full;
    if (scaled >= 2147483647.0 || scaled <= -2147483648.0)
        return scaled > 0 ? 2147483647 : std::numeric_limits<std::int32_t>::min();
    return convert(scaled);
}

} // namespace

double Fix24ToDouble(std::int32_t value)
{
    return std::clamp(value, kSmallestFix24, kLargestFix24) * kFractionScale;
}

double Fix32ToDouble(std::int32_t value)
{
    return value * kFractionScale;
}

std::int32_t DoubleToFix24(double value)
{
    const double scaled = value * kFix24Full;
    if (std::isnan(scaled))
        return 0;
    return static_cast<std::int32_t>(std::clamp(scaled, -2147483648.0, 2147483647.0));
}

std::int32_t DoubleToFix32(double value)
{
    return fix32(value, [](double scaled) { return static_cast<std::int32_t>(scaled); });
}

std::int32_t DoubleToFix32Rounded(double value)
{
    return fix32(value, RoundToInt);
}

std::int32_t RoundToInt(double value)
{
    const double biased = value + kRoundingBias;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &biased, sizeof bits);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
}
