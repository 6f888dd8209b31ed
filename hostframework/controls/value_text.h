#pragma once

// The texts of continuous host controls: a number with a unit prefix and a unit, as the host shows
// it in a buffer of n characters, and read back from what the user typed.

#include <cstdint>
#include <span>
#include <string>

struct SPrefixRecord {
    const char* prefix;
    double factor;
};

// "f" to "E"; controls are given its tail from the empty prefix on.
std::span<const SPrefixRecord> AllValuePrefixes();
std::span<const SPrefixRecord> ValuePrefixesFromEmpty();

// The value with `digits` decimals, fewer when it would not fit n characters with its prefix; then
// with a space and the unit, or without the space, or without the unit, or "*" for the number.
std::string FormatValueText(double value, std::int32_t digits, const std::string& unit, std::int32_t n,
                            std::span<const SPrefixRecord> prefixes, bool spaced);

// A number, then at most one word: a prefix (and the unit, which may follow it). Throws -7401 for a
// text without a number, with a second word, or with a suffix no prefix record matches.
double ParseValueText(const char* text, const std::string& unit, std::span<const SPrefixRecord> prefixes,
                      const std::string& defaultSuffix);

// The keys a value text may be typed with, beyond the digits and "."; 28 and 29 are the arrow keys,
// 8 backspace.
bool IsContinuousKey(std::int16_t key, const std::string& unit, std::span<const SPrefixRecord> prefixes);
bool IsDiscreteKey(std::int16_t key);

// Copies the text into the host's buffer: at most n characters, and the terminator at position n.
void CopyValueText(const std::string& text, char* buffer, std::int32_t n);
