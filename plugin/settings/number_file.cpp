#include "plugin/settings/number_file.h"

#include "plugin/settings/text_file_reading.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kravo {

namespace {

// The next white-space separated token; nothing at the end of the file or for a token too long to be a
// number.
std::optional<std::string> readToken(std::FILE* file)
{
    constexpr std::size_t kLongestToken = 64;
    std::string token;
    int c = skipWhiteSpace(file);
    for (; c != EOF && !isWhiteSpace(c); c = std::fgetc(file)) {
        if (token.size() == kLongestToken)
            return std::nullopt;
        token.push_back(static_cast<char>(c));
    }
    if (token.empty())
        return std::nullopt;
    return token;
}

template <typename T>
std::optional<T> parseWhole(const std::string& token)
{
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+')
        ++first;
    T value{};
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<int> readInteger(std::FILE* file)
{
    const auto token = readToken(file);
    return token ? parseWhole<int>(*token) : std::nullopt;
}

std::optional<float> readFiniteValue(std::FILE* file)
{
    const auto token = readToken(file);
    const auto value = token ? parseWhole<float>(*token) : std::nullopt;
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

bool writeValueLine(std::FILE* file, float value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    if (error != std::errc())
        return false;
    *end = '\0';
    return std::fprintf(file, "%s\n", text) >= 0;
}

} // namespace kravo
