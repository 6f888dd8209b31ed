#include "plugin/samples/sample_browser.h"

#include "platform/file_search.h"

namespace kravo {

namespace {

bool endsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

bool isFolder(const WIN32_FIND_DATAA& found)
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isVisible(const WIN32_FIND_DATAA& found)
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) == 0 && found.cFileName[0] != '.';
}

} // namespace

bool isSampleFileName(std::string_view name)
{
    return endsWith(name, ".wav") || endsWith(name, ".aif") || endsWith(name, ".aiff");
}

void SampleBrowserList::list(const std::string& folder)
{
    entries.clear();
    const std::string pattern = folder + "*";
    // Two passes over the same listing: folders first, then the sample files.
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
            const bool wanted = pass == kFolder ? isFolder(found) : !isFolder(found) && isSampleFileName(name);
            if (wanted)
                entries.push_back({std::string(name), pass});
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
}

SampleBrowserList::Kind SampleBrowserList::kind(std::int32_t n) const
{
    return n >= 0 && n < count() ? entries[static_cast<std::size_t>(n)].kind : kNone;
}

std::string SampleBrowserList::name(std::int32_t n) const
{
    return n >= 0 && n < count() ? entries[static_cast<std::size_t>(n)].name : std::string();
}

std::string parentBrowseFolder(const std::string& folder)
{
    if (folder.size() < 2)
        return {};
    const std::size_t earlier = folder.find_last_of('\\', folder.size() - 2);
    if (earlier == std::string::npos || earlier == 0)
        return {};
    return folder.substr(0, earlier + 1);
}

std::string folderOfName(const std::string& name)
{
    const std::size_t last = name.find_last_of('\\');
    return last == std::string::npos ? std::string() : name.substr(0, last + 1);
}

std::string fileOfName(const std::string& name)
{
    const std::size_t last = name.find_last_of('\\');
    return last == std::string::npos ? name : name.substr(last + 1);
}

bool readSampleFile(SampleBuffer& buffer, const std::string& path)
{
    buffer.reset();
    if (!buffer.setPath(path.c_str()))
        return false;
    return endsWith(path, ".wav") ? buffer.readWavFile() : buffer.readAiffFile();
}

} // namespace kravo
