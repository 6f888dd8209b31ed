#include "plugin/settings/file_browser_list.h"

#include "platform/file_search.h"

namespace kravo {

namespace {

bool isFolder(const WIN32_FIND_DATAA& found)
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isVisible(const WIN32_FIND_DATAA& found)
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) == 0 && found.cFileName[0] != '.';
}

} // namespace

bool endsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

void FileBrowserList::list(const std::string& folder)
{
    entries.clear();
    const std::string pattern = folder + "*";
    // Two passes over the same listing: folders first, then the files.
    for (const Kind pass : {kFolder, kFile}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            if (count() >= kMostEntries)
                break;
            const std::string_view name = found.cFileName;
            if (!isVisible(found) || name.size() > kLongestName)
                continue;
            const bool wanted = pass == kFolder ? isFolder(found) : !isFolder(found) && listsFile(name);
            if (wanted)
                entries.push_back({std::string(name), pass});
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
}

FileBrowserList::Kind FileBrowserList::kind(std::int32_t n) const
{
    return n >= 0 && n < count() ? entries[static_cast<std::size_t>(n)].kind : kNone;
}

std::string FileBrowserList::name(std::int32_t n) const
{
    return n >= 0 && n < count() ? entries[static_cast<std::size_t>(n)].name : std::string();
}

} // namespace kravo
