#include "plugin/presets/drum_preset_file.h"

#include "platform/windows_paths.h"
#include "plugin/presets/drum_preset_tables.h"
#include "plugin/settings/text_file_reading.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace kravo::presets {

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

std::optional<int> readInteger(std::FILE* file)
{
    const auto token = readToken(file);
    return token ? parseWhole<int>(*token) : std::nullopt;
}

std::optional<float> readValue(std::FILE* file)
{
    const auto token = readToken(file);
    const auto value = token ? parseWhole<float>(*token) : std::nullopt;
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

// The name is not used: the slot shows the file's name. It runs from the first byte that is not white
// space to the end of its line.
bool skipNameLine(std::FILE* file)
{
    int c = skipWhiteSpace(file);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\n')
        c = std::fgetc(file);
    return true;
}

bool readValues(std::FILE* file, int count, std::size_t kept, std::vector<float>& values)
{
    values.clear();
    for (int k = 0; k < count; ++k) {
        const auto value = readValue(file);
        if (!value)
            return false;
        if (values.size() < kept)
            values.push_back(*value);
    }
    return true;
}

DrumPresetRead parse(std::FILE* file, int slotType, std::size_t listSize, bool withSampleNames,
                     DrumPresetContent& content)
{
    const auto identifier = readInteger(file);
    const auto type = identifier ? readInteger(file) : std::nullopt;
    const auto count = type ? readInteger(file) : std::nullopt;
    if (!count || *count < 0 || !skipNameLine(file))
        return DrumPresetRead::Unreadable;
    if (!presetTypesMatch(*type, slotType))
        return DrumPresetRead::WrongType;
    if (!readValues(file, *count, listSize, content.values))
        return DrumPresetRead::Unreadable;
    content.sampleNames.clear();
    if (withSampleNames && !readValues(file, kSamplePresetNameValues, kSamplePresetNameValues, content.sampleNames))
        return DrumPresetRead::Unreadable;
    return std::ferror(file) != 0 ? DrumPresetRead::Unreadable : DrumPresetRead::Loaded;
}

std::string nameLine(const std::string& name)
{
    std::string line;
    for (const char c : name)
        if (c >= 32 && c <= 126 && line.size() < kLongestPresetFileName)
            line.push_back(c);
    if (line.find_first_not_of(' ') == std::string::npos)
        return "Preset";
    return line;
}

bool writeValue(std::FILE* file, float value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    if (error != std::errc())
        return false;
    *end = '\0';
    return std::fprintf(file, "%s\n", text) >= 0;
}

} // namespace

DrumPresetRead readDrumPresetFile(const char* path, int slotType, std::size_t listSize, bool withSampleNames,
                                  DrumPresetContent& content)
{
    std::FILE* file = platform::openFile(path, "rb");
    if (file == nullptr)
        return DrumPresetRead::Unreadable;
    const DrumPresetRead result = parse(file, slotType, listSize, withSampleNames, content);
    std::fclose(file);
    return result;
}

bool writeDrumPresetFile(const char* path, int type, const std::string& name, std::span<const float> values,
                         std::span<const float> sampleNames)
{
    std::FILE* file = platform::openFile(path, "wb");
    if (file == nullptr)
        return false;
    bool written = std::fprintf(file, "1\n%d\n%zu\n%s\n", type, values.size(), nameLine(name).c_str()) >= 0;
    for (const float value : values)
        written = writeValue(file, value) && written;
    for (const float value : sampleNames)
        written = writeValue(file, value) && written;
    if (std::fclose(file) != 0)
        written = false;
    return written;
}

} // namespace kravo::presets
