#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kravo {

// What a file browser shows of one folder: its visible sub-folders, then the
// files its filter takes, each group in the order the file system gives them.
// The sample page and the pattern page each keep one.
class FileBrowserList {
public:
    static constexpr int kMostEntries = 1024;
    // Longer names are left out: cut, they would name a file or folder that is not there.
    static constexpr std::size_t kLongestName = 127;
    enum Kind : std::int32_t { kNone = 0, kFolder = 1, kFile = 2 };
    using FileFilter = bool (*)(std::string_view name);

    explicit FileBrowserList(FileFilter listsFile) : listsFile(listsFile) { entries.reserve(kMostEntries); }

    // folder is a full path ending in "\"; a folder that cannot be listed lists nothing.
    void list(const std::string& folder);
    std::int32_t count() const { return static_cast<std::int32_t>(entries.size()); }
    // kNone and "" for an entry that is not there.
    Kind kind(std::int32_t n) const;
    std::string name(std::int32_t n) const;

private:
    struct Entry {
        std::string name;
        Kind kind;
    };
    FileFilter listsFile;
    std::vector<Entry> entries;
};

bool endsWith(std::string_view text, std::string_view ending);

} // namespace kravo
