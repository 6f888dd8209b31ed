#pragma once

// Small texts the framework hands the host.

#include <cstdint>
#include <string>

// A name list holds its variants longest first, separated by line feeds ("Mono Gain\nGain\nGan").
// Copies the first variant of at most `maximum` characters, or the last one cut to `maximum`; the
// destination needs room for `maximum` characters and the terminator. No list: the empty text.
void CopyNameVariant(char* destination, const char* list, std::int32_t maximum);

// The value with two decimals as a length-prefixed text ("-1.25").
void FormatFixed2(float value, std::uint8_t* text);

// The lowest `count` bits of the value as "1" and "0", most significant first, and back again;
// TextToBits throws -7401 for any other character.
std::string BitsToText(std::uint32_t value, std::int32_t count);
std::uint32_t TextToBits(const std::string& text);
