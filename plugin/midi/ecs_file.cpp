#include "plugin/midi/ecs_file.h"

#include "platform/windows_paths.h"
#include "plugin/settings/text_file_reading.h"

#include <cstdio>

namespace kravo {

namespace {

// Reads the token that starts with `first` up to the next white space or the end, as a number in 0..9900:
// an optional sign and at least one digit, nothing else.
std::optional<std::int32_t> readNumber(std::FILE* file, int first)
{
    // More digits than this cannot be in range whatever their value; stop counting before any overflow.
    constexpr int kMaxDigits = 9;
    bool negative = false;
    int c = first;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = std::fgetc(file);
    }
    std::int64_t value = 0;
    int digits = 0;
    bool wellFormed = true;
    for (; c != EOF && !isWhiteSpace(c); c = std::fgetc(file)) {
        if (c < '0' || c > '9' || digits == kMaxDigits) {
            wellFormed = false;
            continue;
        }
        value = value * 10 + (c - '0');
        ++digits;
    }
    if (!wellFormed || digits == 0)
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < 0 || value > kMaxEcsParameter)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<MidiCcMap::Entries> parse(std::FILE* file)
{
    MidiCcMap::Entries parameters{};
    for (auto& parameter : parameters) {
        const int first = skipWhiteSpace(file);
        if (first == EOF)
            return std::nullopt;
        const auto number = readNumber(file, first);
        if (!number)
            return std::nullopt;
        parameter = *number;
    }
    if (skipWhiteSpace(file) != EOF || std::ferror(file) != 0)
        return std::nullopt;
    return parameters;
}

} // namespace

std::optional<MidiCcMap::Entries> readEcsFile(const char* path)
{
    std::FILE* file = platform::openFile(path, "rb");
    if (file == nullptr)
        return std::nullopt;
    const auto parameters = parse(file);
    std::fclose(file);
    return parameters;
}

bool writeEcsFile(const char* path, const MidiCcMap::Entries& parameters)
{
    std::FILE* file = platform::openFile(path, "wb");
    if (file == nullptr)
        return false;
    bool written = true;
    for (const std::int32_t parameter : parameters)
        if (std::fprintf(file, "%d\n", static_cast<int>(parameter)) < 0)
            written = false;
    if (std::fclose(file) != 0)
        written = false;
    return written;
}

} // namespace kravo
