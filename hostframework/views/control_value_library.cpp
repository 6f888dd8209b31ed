#include "hostframework/views/control_value_library.h"

#include "hostframework/views/lp_strings.h"
#include "hostlibs/extension/host_extension.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHostSpan = 4294967295.0;
constexpr double kLowestHost = -2147483648.0;

// Held to the host range; NaN gives the lowest host value.
std::int32_t toHostInteger(double value)
{
    if (!(value >= kLowestHost))
        return INT32_MIN;
    return value >= 2147483647.0 ? INT32_MAX : static_cast<std::int32_t>(value);
}

double between(double value, double a, double b)
{
    return std::clamp(value, std::min(a, b), std::max(a, b));
}

double logOrZero(double value)
{
    return value > 0 ? std::log(value) : 0.0;
}

// A fraction of the host range from its lowest value.
double hostFraction(std::int32_t value)
{
    return (value - kLowestHost) / kHostSpan;
}

std::int32_t cappedLength(std::int32_t maxLength)
{
    return std::clamp(maxLength, 0, 255);
}

void append(std::uint8_t* text, std::int32_t maxLength, const char* characters)
{
    std::uint8_t piece[256] = {};
    HostExtTextToLengthPrefixed(characters, piece);
    appendLPString(cappedLength(maxLength), piece, text);
}

// A whole number that is not negative, held to what 32 bits hold.
std::int32_t wholeNumber(double value)
{
    return value >= 0 ? toHostInteger(value) : 0;
}

void appendDigits(std::uint8_t* text, std::int32_t maxLength, double whole, std::int32_t width)
{
    NumToPaddedString(wholeNumber(whole), text, width, maxLength);
}

void writeRounded(double value, std::uint8_t* text, std::int32_t digits, std::int32_t maxLength, bool withZero)
{
    if (text == nullptr)
        return;
    text[0] = 0;
    digits = std::clamp(digits, 0, 9);
    const double scale = std::pow(10.0, digits);
    const double shifted = std::fabs(value) + 0.05 / scale;
    double whole = std::floor(shifted);
    double fraction = std::floor((shifted - whole) * scale + 0.5);
    if (fraction >= scale) {
        fraction = 0;
        whole += 1;
    }
    if (value < 0 && (whole != 0 || fraction != 0))
        append(text, maxLength, "-");
    if (withZero || whole != 0)
        appendDigits(text, maxLength, whole, 0);
    if (digits > 0) {
        append(text, maxLength, ".");
        appendDigits(text, maxLength, fraction, digits);
    }
}

} // namespace

std::int32_t LinearToHost(double value, double minimum, double maximum)
{
    if (minimum == maximum)
        return INT32_MIN;
    const double held = between(value, minimum, maximum);
    return toHostInteger(std::floor((held - minimum) / (maximum - minimum) * kHostSpan + kLowestHost + 0.5));
}

double HostToLog(std::int32_t value, double minimum, double maximum)
{
    if (minimum == maximum)
        return minimum;
    const double low = logOrZero(minimum);
    const double high = logOrZero(maximum);
    return between(std::exp(low + hostFraction(value) * (high - low)), minimum, maximum);
}

std::int32_t LogToHost(double value, double minimum, double maximum)
{
    if (minimum == maximum)
        return INT32_MIN;
    return LinearToHost(logOrZero(between(value, minimum, maximum)), logOrZero(minimum), logOrZero(maximum));
}

std::int32_t PiecewiseToHost(double value, const double* breakpoints, const double* weights, std::int32_t count)
{
    if (breakpoints == nullptr || weights == nullptr || count < 1)
        return INT32_MIN;
    const double held = between(value, breakpoints[0], breakpoints[count]);
    double fraction = 1.0;
    double below = 0.0;
    for (std::int32_t i = 0; i < count; ++i) {
        if (breakpoints[i] <= held && held < breakpoints[i + 1]) {
            fraction = below + weights[i] * (held - breakpoints[i]) / (breakpoints[i + 1] - breakpoints[i]);
            break;
        }
        below += weights[i];
    }
    return toHostInteger(std::trunc(std::clamp(fraction, 0.0, 1.0) * kHostSpan + kLowestHost));
}

double HostToPiecewise(std::int32_t value, const double* breakpoints, const double* weights, std::int32_t count)
{
    if (breakpoints == nullptr)
        return 0.0;
    if (weights == nullptr || count < 1)
        return breakpoints[0];
    const double fraction = (value - kLowestHost) / 4294967296.0;
    double below = 0.0;
    for (std::int32_t i = 0; i < count; ++i) {
        if (weights[i] > 0 && below + weights[i] > fraction)
            return breakpoints[i] + (fraction - below) * (breakpoints[i + 1] - breakpoints[i]) / weights[i];
        below += weights[i];
    }
    return breakpoints[count];
}

void Quantize(double* value, const double* breakpoints, const double* quanta, std::int32_t count)
{
    if (value == nullptr || breakpoints == nullptr || quanta == nullptr)
        return;
    for (std::int32_t i = 0; i < count; ++i) {
        if (breakpoints[i] <= *value && *value < breakpoints[i + 1]) {
            if (quanta[i] != 0)
                *value = std::trunc(*value / quanta[i] + 0.5) * quanta[i];
            return;
        }
    }
}

std::int32_t FixedToLong(std::int32_t value)
{
    return static_cast<std::int32_t>(std::floor(HostExtFixedToDouble(value) + 0.5));
}

double FixedToDouble(std::int32_t value)
{
    return HostExtFixedToDouble(value);
}

void NumToPaddedString(std::int32_t number, std::uint8_t* text, std::int32_t width, std::int32_t maxLength)
{
    if (text == nullptr)
        return;
    std::uint8_t digits[256] = {};
    appendZeroPaddedNumber(number, digits, std::clamp(width, 0, 255));
    appendLPString(cappedLength(maxLength), digits, text);
}

void DoubleToString2(double value, std::uint8_t* text, std::int32_t maxLength)
{
    if (text == nullptr)
        return;
    text[0] = 0;
    const double shifted = std::fabs(value) + 0.005;
    const double whole = std::floor(shifted);
    if (value < 0)
        append(text, maxLength, "-");
    appendDigits(text, maxLength, whole, 0);
    append(text, maxLength, ".");
    appendDigits(text, maxLength, std::floor((shifted - whole) * 100), 2);
}

void DoubleToString(double value, std::uint8_t* text, std::int32_t digits, std::int32_t maxLength)
{
    writeRounded(value, text, digits, maxLength, true);
}

void DoubleToStringOptInt(double value, std::uint8_t* text, std::int32_t digits, std::int32_t maxLength,
                          bool withZero)
{
    writeRounded(value, text, digits, maxLength, withZero);
}
