#include "hostframework/views/lp_strings.h"

#include "hostlibs/extension/host_extension.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kLongestText = 255;

void copyBounded(const std::uint8_t* source, std::uint8_t* destination, int capacity)
{
    const int length = std::min<int>(source[0], capacity);
    std::memmove(destination + 1, source + 1, static_cast<std::size_t>(length));
    destination[0] = static_cast<std::uint8_t>(length);
}

void appendCharacter(std::uint8_t* destination, char character)
{
    if (destination[0] >= kLongestText)
        return;
    destination[++destination[0]] = static_cast<std::uint8_t>(character);
}

// The whole part saturates at the largest 32-bit number (a NaN too) rather than overflowing.
std::int32_t wholePart(double magnitude)
{
    return magnitude < 2147483647.0 ? static_cast<std::int32_t>(std::floor(magnitude)) : 2147483647;
}

} // namespace

void copyLPString31(const std::uint8_t* source, std::uint8_t* destination)
{
    copyBounded(source, destination, 31);
}

void copyLPString63(const std::uint8_t* source, std::uint8_t* destination)
{
    copyBounded(source, destination, 63);
}

void copyLPString255(const std::uint8_t* source, std::uint8_t* destination)
{
    copyBounded(source, destination, kLongestText);
}

void appendLPString(int capacity, const std::uint8_t* source, std::uint8_t* destination)
{
    const int room = std::min(capacity, kLongestText) - destination[0];
    const int count = std::clamp<int>(source[0], 0, std::max(room, 0));
    std::memmove(destination + 1 + destination[0], source + 1, static_cast<std::size_t>(count));
    destination[0] = static_cast<std::uint8_t>(destination[0] + count);
}

bool equalLPStrings(const std::uint8_t* a, const std::uint8_t* b)
{
    if (a == nullptr || b == nullptr)
        return a == b;
    return a[0] == b[0] && std::memcmp(a + 1, b + 1, a[0]) == 0;
}

void appendZeroPaddedNumber(std::int32_t value, std::uint8_t* destination, int digits)
{
    std::uint8_t number[256] = {};
    HostExtNumberToText(value, number);
    for (int padding = digits - number[0]; padding > 0; --padding)
        appendCharacter(destination, '0');
    appendLPString(kLongestText, number, destination);
}

void appendFixed3(double value, std::uint8_t* destination)
{
    appendFixed(value, destination, 3);
}

void appendFixed(double value, std::uint8_t* destination, int digits)
{
    digits = std::clamp(digits, 0, 9);
    if (value < 0)
        appendCharacter(destination, '-');
    const double magnitude = std::fabs(value);
    appendZeroPaddedNumber(wholePart(magnitude), destination, 0);
    appendCharacter(destination, '.');
    const double fraction = magnitude - std::floor(magnitude);
    appendZeroPaddedNumber(static_cast<std::int32_t>(fraction * std::pow(10.0, digits)), destination, digits);
}

void copyKeyMapToBlock(const std::uint8_t keys[16], std::uint8_t block[32])
{
    std::memcpy(block, keys, 16);
    std::memset(block + 16, 0, 16);
}

void copyBlockToKeyMap(const std::uint8_t block[32], std::uint8_t keys[16])
{
    std::memcpy(keys, block, 16);
}
