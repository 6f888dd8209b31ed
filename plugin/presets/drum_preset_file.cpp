#include "plugin/presets/drum_preset_file.h"

#include "platform/windows_paths.h"
#include "plugin/presets/drum_preset_tables.h"
#include "plugin/settings/number_file.h"
#include "plugin/settings/text_file_reading.h"

#include <cstdio>
#include <optional>

namespace kravo::presets {

namespace {

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
        const auto value = readFiniteValue(file);
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
        written = writeValueLine(file, value) && written;
    for (const float value : sampleNames)
        written = writeValueLine(file, value) && written;
    if (std::fclose(file) != 0)
        written = false;
    return written;
}

} // namespace kravo::presets
