#pragma once

// ".dpr" files: the sound of one drum slot as text. Four header lines (an identifier, the preset kind, the
// value count N, a name), then N values, and for sample presets the two layers' sample names as 128
// more values. Everything is separated by white space, which also comes before the name line.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace kravo::presets {

// Longest name the name line holds when written.
inline constexpr std::size_t kLongestPresetFileName = 23;

enum class DrumPresetRead { Loaded, Unreadable, WrongType };

struct DrumPresetContent {
    // The first values of the file, at most as many as the slot's list holds; further ones are read and
    // dropped so what follows them stays in place.
    std::vector<float> values;
    std::vector<float> sampleNames;
};

// Reads the whole file before anything is applied. WrongType when the preset kind does not load into the
// slot's; Unreadable when the file cannot be opened or a number, or the name line, is missing or malformed
// (values must be finite).
DrumPresetRead readDrumPresetFile(const char* path, int slotType, std::size_t listSize, bool withSampleNames,
                                  DrumPresetContent& content);

// Writes values so that each reads back as the same float. The name is cut to what the name line holds;
// an empty one is written as "Preset". False when the file cannot be written whole.
bool writeDrumPresetFile(const char* path, int type, const std::string& name, std::span<const float> values,
                         std::span<const float> sampleNames);

} // namespace kravo::presets
