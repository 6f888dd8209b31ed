#pragma once

// Conversions of control values between host integers (the whole signed 32-bit range standing for a
// control's range) and a control's own numbers, linear, logarithmic and piecewise, and the texts of
// such numbers. Texts are length-prefixed; a maximum length caps the text at that many characters
// (255 at most).

#include <cstdint>

// The value held between the two bounds (in either order), mapped onto the host range rounded to the
// nearest integer. Equal bounds give the lowest host value.
std::int32_t LinearToHost(double value, double minimum, double maximum);
// The host value mapped linearly between the logarithms of the bounds (a bound of 0 or below counts
// as a logarithm of 0), back through the exponential, held between the bounds. Equal bounds give the
// minimum.
double HostToLog(std::int32_t value, double minimum, double maximum);
// The inverse: the value held between the bounds, then LinearToHost of the logarithms.
std::int32_t LogToHost(double value, double minimum, double maximum);

// A range of `count` segments between the breakpoints b[0..count], each taking the share of the host
// range its weight says (the weights adding up to 1). A segment of weight 0 takes none: HostToPiecewise
// passes over it. Fewer than one segment gives the lowest host value, and b[0] (0 without breakpoints)
// the other way.
std::int32_t PiecewiseToHost(double value, const double* breakpoints, const double* weights, std::int32_t count);
double HostToPiecewise(std::int32_t value, const double* breakpoints, const double* weights, std::int32_t count);
// Rounds the value to the nearest multiple of the quantum of the segment that holds it (a[i] up to but
// not including a[i + 1]); a value in no segment, or in one with a quantum of 0, stays.
void Quantize(double* value, const double* breakpoints, const double* quanta, std::int32_t count);

// 16.16 fixed-point values: rounded to the nearest integer, and as they are.
std::int32_t FixedToLong(std::int32_t value);
double FixedToDouble(std::int32_t value);

// Appends the decimal number, with "0"s in front up to `width` characters.
void NumToPaddedString(std::int32_t number, std::uint8_t* text, std::int32_t width, std::int32_t maxLength);
// The text holds the number with two decimals, the last one truncated after adding half a cent:
// -1.234 gives "-1.23".
void DoubleToString2(double value, std::uint8_t* text, std::int32_t maxLength);
// The text holds the number rounded to `digits` decimals (0 to 9), with "-" only when what shows is not
// zero: 9.996 to 2 gives "10.00", -0.004 "0.00".
void DoubleToString(double value, std::uint8_t* text, std::int32_t digits, std::int32_t maxLength);
// As DoubleToString; without `withZero` a whole part of 0 is left out: 0.5 to 2 gives ".50".
void DoubleToStringOptInt(double value, std::uint8_t* text, std::int32_t digits, std::int32_t maxLength,
                          bool withZero);
