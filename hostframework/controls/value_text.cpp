#include "hostframework/controls/value_text.h"

#include "hostframework/host_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr std::array<SPrefixRecord, 12> kPrefixes{{{"f", 1e-15},
                                                   {"p", 1e-12},
                                                   {"n", 1e-9},
                                                   {"u", 1e-6},
                                                   {"m", 0.001},
                                                   {"", 1.0},
                                                   {"k", 1000.0},
                                                   {"M", 1e6},
                                                   {"G", 1e9},
                                                   {"T", 1e12},
                                                   {"P", 1e15},
                                                   {"E", 1e18}}};
constexpr std::size_t kEmptyPrefix = 5;

constexpr std::int16_t kLeftArrow = 28;
constexpr std::int16_t kRightArrow = 29;
constexpr std::int16_t kBackspace = 8;

std::string fixedText(double value, std::int32_t digits)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", std::clamp(digits, 0, 30), value);
    return text;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::span<const SPrefixRecord> AllValuePrefixes()
{
    return kPrefixes;
}

std::span<const SPrefixRecord> ValuePrefixesFromEmpty()
{
    return std::span(kPrefixes).subspan(kEmptyPrefix);
}

std::string FormatValueText(double value, std::int32_t digits, const std::string& unit, std::int32_t n,
                            std::span<const SPrefixRecord> prefixes, bool spaced)
{
    std::string prefix;
    double factor = 1.0;
    if (value != 0.0 && !prefixes.empty()) {
        prefix = prefixes.front().prefix;
        factor = prefixes.front().factor;
        for (const SPrefixRecord& record : prefixes) {
            if (!(record.factor < std::fabs(value)))
                break;
            prefix = record.prefix;
            factor = record.factor;
        }
    }
    if (value < 0.0 && value > -std::pow(10.0, -digits))
        value = 0.0;
    const auto limit = static_cast<std::size_t>(std::max(n, 0));
    std::string number = fixedText(value / factor, digits);
    while (number.size() + prefix.size() > limit && --digits >= 0)
        number = fixedText(value / factor, digits);

    // The first of these that fits; the number gives way to "*" before the prefix does.
    for (const std::string& shown : {number, std::string("*")}) {
        const std::string spacedText = shown + ' ' + prefix + unit;
        const std::string joinedText = shown + prefix + unit;
        const std::string bareText = shown + prefix;
        if (spaced && spacedText.size() <= limit)
            return spacedText;
        if (joinedText.size() <= limit)
            return joinedText;
        if (bareText.size() <= limit)
            return bareText;
    }
    return "*";
}

double ParseValueText(const char* text, const std::string& unit, std::span<const SPrefixRecord> prefixes,
                      const std::string& defaultSuffix)
{
    if (text == nullptr)
        throw CHostError(kHostErrUnexpected);
    std::string_view rest = text;
    while (!rest.empty() && isSpace(rest.front()))
        rest.remove_prefix(1);
    double number = 0.0;
    const char* first = rest.data();
    if (!rest.empty() && rest.front() == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, rest.data() + rest.size(), number);
    if (error != std::errc())
        throw CHostError(kHostErrUnexpected);
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));

    const auto nextWord = [&rest] {
        while (!rest.empty() && isSpace(rest.front()))
            rest.remove_prefix(1);
        std::size_t length = 0;
        while (length < rest.size() && !isSpace(rest[length]))
            ++length;
        const std::string word(rest.substr(0, length));
        rest.remove_prefix(length);
        return word;
    };
    std::string suffix = nextWord();
    if (suffix.empty())
        suffix = defaultSuffix;
    if (!nextWord().empty())
        throw CHostError(kHostErrUnexpected);
    if (!unit.empty() && suffix.size() >= unit.size() && suffix.compare(suffix.size() - unit.size(), unit.size(), unit) == 0)
        suffix.resize(suffix.size() - unit.size());

    if (prefixes.empty()) {
        if (!suffix.empty())
            throw CHostError(kHostErrUnexpected);
        return number;
    }
    for (const SPrefixRecord& record : prefixes)
        if (suffix == record.prefix)
            return number * record.factor;
    throw CHostError(kHostErrUnexpected);
}

bool IsContinuousKey(std::int16_t key, const std::string& unit, std::span<const SPrefixRecord> prefixes)
{
    if ((key >= '0' && key <= '9') || key == '.' || key == '-' || key == '+' || key == kLeftArrow ||
        key == kRightArrow || key == kBackspace)
        return true;
    if (key <= 0 || key > 255)
        return false;
    const char c = static_cast<char>(key);
    if (unit.find(c) != std::string::npos)
        return true;
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [c](const SPrefixRecord& record) { return std::strchr(record.prefix, c) != nullptr && c != 0; });
}

bool IsDiscreteKey(std::int16_t key)
{
    return (key >= '0' && key <= '9') || key == '.' || key == '-' || key == '+' || key == '|' || key == ':' ||
           key == kLeftArrow || key == kRightArrow || key == kBackspace;
}

void CopyValueText(const std::string& text, char* buffer, std::int32_t n)
{
    if (buffer == nullptr)
        return;
    const auto limit = static_cast<std::size_t>(std::max(n, 0));
    const std::size_t length = std::min(text.size(), limit);
    std::memcpy(buffer, text.data(), length);
    buffer[limit < text.size() ? limit : length] = '\0';
}
