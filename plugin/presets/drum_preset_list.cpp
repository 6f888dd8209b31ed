#include "plugin/presets/drum_preset_list.h"

#include "platform/file_search.h"
#include "plugin/settings/path_text.h"

#include <cstring>

namespace kravo::presets {

namespace {

bool hasPresetEnding(const char* name)
{
    constexpr const char* kEnding = ".dpr";
    const std::size_t length = std::strlen(name);
    return length >= 4 && std::strcmp(name + length - 4, kEnding) == 0;
}

} // namespace

void DrumPresetList::list(const std::string& folder)
{
    names = {};
    presetCount = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.dpr").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !hasPresetEnding(found.cFileName))
            continue;
        auto& entry = names[static_cast<std::size_t>(presetCount)];
        if (fileTitleFromPath((folder + found.cFileName).c_str(), entry))
            ++presetCount;
    } while (presetCount < kMaxPresets && FindNextFileA(search, &found));
    FindClose(search);
}

std::string DrumPresetList::name(std::int32_t n) const
{
    std::string text = fileTitle(n);
    std::erase_if(text, [](char c) { return c < 32 || c > 126; });
    return text;
}

std::string DrumPresetList::fileTitle(std::int32_t n) const
{
    if (n < 0 || n >= presetCount)
        return {};
    return names[static_cast<std::size_t>(n)].data();
}

} // namespace kravo::presets
