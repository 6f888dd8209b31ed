#pragma once

// Small texts the framework hands the host.

#include "platform/length_prefixed_text.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

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


// Hands a length-prefixed text to `work` as a zero-terminated one and puts what `work` left back in
// the prefixed form; `text` holds 256 bytes.
template <typename Work>
void WithPlainText(std::uint8_t* text, Work work)
{
    char plain[256] = {};
    std::memcpy(plain, text + 1, text[0]);
    work(plain);
    WriteLengthPrefixed(plain, text);
}
