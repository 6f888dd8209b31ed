#pragma once

// Length-prefixed texts as the views keep them: a length byte, then that many characters. Every copy
// and append stops at the destination's capacity, and the length byte then counts what was copied.
// Also the numbers written into such texts, and copies of the host's key map.

#include <cstdint>

// Copies at most 31, 63 or 255 characters.
void copyLPString31(const std::uint8_t* source, std::uint8_t* destination);
void copyLPString63(const std::uint8_t* source, std::uint8_t* destination);
void copyLPString255(const std::uint8_t* source, std::uint8_t* destination);
// Appends as many of the source's characters as fit under the capacity.
void appendLPString(int capacity, const std::uint8_t* source, std::uint8_t* destination);
// Two nulls are equal; a null and a text are not.
bool equalLPStrings(const std::uint8_t* a, const std::uint8_t* b);

// The decimal text of the value, with "0"s in front until at least `digits` characters are appended.
void appendZeroPaddedNumber(std::int32_t value, std::uint8_t* destination, int digits);
// "-" for a negative value, the whole part, ".", then the fraction truncated to three or `digits`
// (0 to 9) digits: -1.5 appends "-1.500".
void appendFixed3(double value, std::uint8_t* destination);
void appendFixed(double value, std::uint8_t* destination, int digits);

// A key map is 128 keys, one bit each. The 32-byte blocks of the copies hold it in their first 16
// bytes; the copy into a block clears the rest, the copy out of one reads no further.
void copyKeyMapToBlock(const std::uint8_t keys[16], std::uint8_t block[32]);
void copyBlockToKeyMap(const std::uint8_t block[32], std::uint8_t keys[16]);
