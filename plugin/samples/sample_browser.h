#pragma once

#include "plugin/samples/sample_buffer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kravo {

// What the sample page lists of one folder below the sample folder: its
// visible sub-folders, then its sample files, each group in the order the
// file system gives them.
class SampleBrowserList {
public:
    static constexpr int kMostEntries = 1024;
    // Longer names are left out: cut, they would name a file or folder that is not there.
    static constexpr std::size_t kLongestName = 127;
    enum Kind : std::int32_t { kNone = 0, kFolder = 1, kFile = 2 };

    SampleBrowserList() { entries.reserve(kMostEntries); }

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
    std::vector<Entry> entries;
};

// What the browser keeps per layer: the folder shown, relative to the sample
// folder ("" or ending in "\"), and the stored name the layer loaded last.
struct LayerBrowseState {
    static constexpr std::size_t kLongestFolder = 255;
    std::string browseFolder;
    std::string loadedName;
};

inline constexpr std::string_view kNoSampleName = "No Sample";

// Only these exact, lower-case endings are sample files.
bool isSampleFileName(std::string_view name);
// "D\E\" gives "D\", "D\" gives "".
std::string parentBrowseFolder(const std::string& folder);
// The part up to and including the last "\", "" without one.
std::string folderOfName(const std::string& name);
// The part after the last "\".
std::string fileOfName(const std::string& name);

// As every sample load goes: reset, path, then the reader the exact ".wav"
// ending selects (any other name goes to the AIFF reader). True when loaded.
bool readSampleFile(SampleBuffer& buffer, const std::string& path);

} // namespace kravo
