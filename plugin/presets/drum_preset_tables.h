#pragma once

// What a drum preset holds for each of the 24 voice slots: the preset kind written in the file, the preset
// folder, and the parameters its values go to. Value k of a preset goes to list entry k plus the slot's
// offset; the lists are written for the kind's first voice.

#include <cstddef>
#include <span>

namespace kravo::presets {

inline constexpr int kPresetFolderCount = 8;
inline constexpr int kSamplePresetType = 7;
// The sample names that follow a sample preset's values: layer A's 64, then layer B's.
inline constexpr int kSamplePresetNameValues = 128;

struct DrumPresetSlot {
    int type;
    int folder;
    std::span<const int> list;
    int offset;
};

// Slots 10..12 take the User row when their User mode is on. Any other slot gives an empty list.
DrumPresetSlot drumPresetSlot(int slot, bool userMode);

// Closed and open hi-hat presets load into either kind of hi-hat.
constexpr bool presetTypesMatch(int fileType, int slotType)
{
    const auto isHiHat = [](int type) { return type == 2 || type == 3; };
    return fileType == slotType || (isHiHat(fileType) && isHiHat(slotType));
}

} // namespace kravo::presets
