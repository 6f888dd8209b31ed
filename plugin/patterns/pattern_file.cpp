#include "plugin/patterns/pattern_file.h"

#include "platform/windows_paths.h"
#include "plugin/settings/file_browser_list.h"
#include "plugin/settings/number_file.h"

#include <cstdio>

namespace kravo::patterns {

bool isPatternFileName(std::string_view name)
{
    return endsWith(name, ".pat");
}

std::optional<PatternFileValues> readPatternFile(const char* path)
{
    std::FILE* file = platform::openFile(path, "rb");
    if (file == nullptr)
        return std::nullopt;
    PatternFileValues values{};
    bool complete = true;
    for (float& value : values) {
        const auto read = readFiniteValue(file);
        if (!read) {
            complete = false;
            break;
        }
        value = *read;
    }
    if (std::ferror(file) != 0)
        complete = false;
    std::fclose(file);
    if (!complete)
        return std::nullopt;
    return values;
}

bool writePatternFile(const char* path, const PatternFileValues& values)
{
    std::FILE* file = platform::openFile(path, "wb");
    if (file == nullptr)
        return false;
    bool written = true;
    for (const float value : values)
        written = writeValueLine(file, value) && written;
    if (std::fclose(file) != 0)
        written = false;
    return written;
}

} // namespace kravo::patterns
