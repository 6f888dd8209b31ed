#include "platform/file_search.h"

#include "platform/windows_paths.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

struct Entry {
    std::string name;
    DWORD attributes = 0;
};

struct Search {
    std::vector<Entry> entries;
    std::size_t next = 0;
};

// Searches in progress, so that a stale or foreign handle is refused instead of followed.
struct OpenSearches {
    std::mutex mutex;
    std::unordered_set<Search*> live;
};

OpenSearches& openSearches()
{
    static OpenSearches instance;
    return instance;
}

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool caseInsensitiveLess(const Entry& a, const Entry& b)
{
    const bool aFirst = a.name == "." || a.name == "..";
    const bool bFirst = b.name == "." || b.name == "..";
    if (aFirst != bFirst)
        return aFirst;
    const auto foldedLess = [](char x, char y) { return folded(x) < folded(y); };
    if (std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(), foldedLess))
        return true;
    if (std::lexicographical_compare(b.name.begin(), b.name.end(), a.name.begin(), a.name.end(), foldedLess))
        return false;
    return a.name < b.name;
}

DWORD attributesOf(const std::filesystem::directory_entry& entry, const std::string& name)
{
    std::error_code error;
    DWORD attributes = entry.is_directory(error) ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if (name[0] == '.')
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

void fill(WIN32_FIND_DATAA* found, const Entry& entry)
{
    found->dwFileAttributes = entry.attributes;
    const std::size_t length = std::min<std::size_t>(entry.name.size(), MAX_PATH - 1);
    std::memcpy(found->cFileName, entry.name.data(), length);
    found->cFileName[length] = '\0';
}

} // namespace

namespace platform {

bool matchesWildcard(const std::string& pattern, const std::string& name)
{
    // Greedy match with one backtrack point: the last "*" seen.
    std::size_t p = 0, n = 0, starAt = std::string::npos, starMatch = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            starMatch = n;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++starMatch;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace platform

HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* found)
{
    if (pattern == nullptr || found == nullptr)
        return INVALID_HANDLE_VALUE;
    const std::string text(pattern);
    const std::size_t separator = text.find_last_of("\\/");
    const std::string folder = separator == std::string::npos ? "." : text.substr(0, separator + 1);
    const std::string namePattern = separator == std::string::npos ? text : text.substr(separator + 1);

    std::error_code error;
    std::filesystem::directory_iterator listing(platform::nativePath(folder.c_str()), error);
    if (error)
        return INVALID_HANDLE_VALUE;

    auto search = std::make_unique<Search>();
    if (!platform::isRootFolder(folder.c_str()))
        for (const char* dots : {".", ".."})
            if (platform::matchesWildcard(namePattern, dots))
                search->entries.push_back({dots, FILE_ATTRIBUTE_DIRECTORY});
    for (const auto end = std::filesystem::directory_iterator(); listing != end; listing.increment(error)) {
        if (error)
            return INVALID_HANDLE_VALUE;
        std::string name = listing->path().filename().string();
        if (platform::matchesWildcard(namePattern, name))
            search->entries.push_back({name, attributesOf(*listing, name)});
    }
    if (search->entries.empty())
        return INVALID_HANDLE_VALUE;
    std::sort(search->entries.begin(), search->entries.end(), caseInsensitiveLess);

    fill(found, search->entries[0]);
    search->next = 1;
    OpenSearches& searches = openSearches();
    std::lock_guard lock(searches.mutex);
    searches.live.insert(search.get());
    return search.release();
}

BOOL FindNextFileA(HANDLE handle, WIN32_FIND_DATAA* found)
{
    OpenSearches& searches = openSearches();
    std::lock_guard lock(searches.mutex);
    const auto live = searches.live.find(static_cast<Search*>(handle));
    if (live == searches.live.end() || found == nullptr)
        return FALSE;
    Search& search = **live;
    if (search.next >= search.entries.size())
        return FALSE;
    fill(found, search.entries[search.next++]);
    return TRUE;
}

BOOL FindClose(HANDLE handle)
{
    OpenSearches& searches = openSearches();
    std::lock_guard lock(searches.mutex);
    const auto live = searches.live.find(static_cast<Search*>(handle));
    if (live == searches.live.end())
        return FALSE;
    delete *live;
    searches.live.erase(live);
    return TRUE;
}
