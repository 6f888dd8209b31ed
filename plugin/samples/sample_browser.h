#pragma once

#include "plugin/samples/sample_buffer.h"
#include "plugin/settings/file_browser_list.h"

#include <string>
#include <string_view>

namespace kravo {

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
