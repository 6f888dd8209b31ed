#include "hostframework/host_text.h"

#include "hostframework/host_error.h"
#include "hostlibs/extension/host_extension.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

void CopyNameVariant(char* destination, const char* list, std::int32_t maximum)
{
    if (destination == nullptr)
        return;
    destination[0] = '\0';
    if (list == nullptr)
        return;
    const auto limit = static_cast<std::size_t>(std::max(maximum, 0));
    std::string_view rest = list;
    std::string_view chosen;
    for (;;) {
        const std::size_t end = rest.find('\n');
        chosen = rest.substr(0, end);
        if (chosen.size() <= limit || end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    const std::size_t length = std::min(chosen.size(), limit);
    std::memcpy(destination, chosen.data(), length);
    destination[length] = '\0';
}

void FormatFixed2(float value, std::uint8_t* text)
{
    if (text == nullptr)
        return;
    const double rounded = std::isnan(value) ? 0.0 : std::min(std::fabs(static_cast<double>(value)) + 0.005, 2147483647.0);
    const auto whole = static_cast<std::int32_t>(rounded);
    const double fraction = rounded - whole;
    std::uint8_t digits[256] = {};
    HostExtNumberToText(whole, digits);
    std::string formatted = value < 0.0f ? "-" : "";
    formatted.append(reinterpret_cast<const char*>(digits + 1), digits[0]);
    formatted += '.';
    formatted += static_cast<char>('0' + static_cast<int>(fraction * 10.0) % 10);
    formatted += static_cast<char>('0' + static_cast<int>(fraction * 100.0) % 10);
    HostExtTextToLengthPrefixed(formatted.c_str(), text);
}

std::string BitsToText(std::uint32_t value, std::int32_t count)
{
    std::string text;
    for (std::int32_t bit = std::min(count, 32) - 1; bit >= 0; --bit)
        text += ((value >> bit) & 1u) != 0 ? '1' : '0';
    return text;
}

std::uint32_t TextToBits(const std::string& text)
{
    std::uint32_t value = 0;
    for (const char c : text) {
        if (c != '0' && c != '1')
            throw CHostError(kHostErrUnexpected);
        value = (value << 1) | static_cast<std::uint32_t>(c - '0');
    }
    return value;
}
