#pragma once

// The presets found in one preset folder: file titles in the order the folder search gives them.

#include <array>
#include <cstdint>
#include <string>

namespace kravo::presets {

class DrumPresetList {
public:
    static constexpr std::int32_t kMaxPresets = 1024;
    static constexpr std::size_t kNameSize = 128;

    // folder ends with "\". Only names ending in exactly ".dpr" count, and only titles the list can hold
    // whole, so every entry names its file again. A folder that can't be searched gives an empty list.
    void list(const std::string& folder);
    std::int32_t count() const { return presetCount; }
    // "" outside the list. The name to show has only printable bytes; the file title names the file.
    std::string name(std::int32_t n) const;
    std::string fileTitle(std::int32_t n) const;

private:
    std::array<std::array<char, kNameSize>, kMaxPresets> names{};
    std::int32_t presetCount = 0;
};

} // namespace kravo::presets
