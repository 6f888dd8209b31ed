#pragma once

#include "plugin/settings/path_text.h"

namespace kravo {

// The user's folders, read once per plug-in object from the settings store.
struct FolderSettings {
    static constexpr int kDrumPresetFolderCount = 24;

    char baseFolder[kPathBufferSize] = {};
    char bankFolder[kPathBufferSize] = {};
    char presetFolder[kPathBufferSize] = {};
    // Ends with "\": the root of the pattern browser and of pattern paths.
    char patternFolder[kPathBufferSize] = {};
    // The manual, opened by the editor's help control.
    char helpFile[kPathBufferSize] = {};
    // Where the ECS load and save dialogs start.
    char ecsFolder[kPathBufferSize] = {};
    // By a drum slot's preset folder number; each ends with "\". Closed and open hi-hats share one folder.
    char drumPresetFolders[kDrumPresetFolderCount][kPathBufferSize] = {};
    // Ends with "\".
    char sampleFolder[kPathBufferSize] = {};
};

// Reads every folder; a missing value gets its default, which is also written back to the store. A stored
// value too long to read is replaced by the default in memory only, so the user's value survives.
void loadFolderSettings(FolderSettings& folders);

} // namespace kravo
