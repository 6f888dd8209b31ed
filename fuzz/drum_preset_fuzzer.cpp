// Feeds arbitrary bytes to the drum preset reader as a ".dpr" file on disk, read into a slot of every
// preset kind, the sample kind with its sample names. What it loads keeps at most the slot's values, all
// finite, and for the sample kind all 128 sample names.

#include "fuzz/input_file.h"
#include "plugin/presets/drum_preset_file.h"
#include "plugin/presets/drum_preset_tables.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kSlotValues = 64;

bool allFinite(const std::vector<float>& values)
{
    for (const float value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kravo::presets;
    static const FuzzInputFile input("input.dpr");
    input.write(data, size);
    for (int slotType = 0; slotType <= kSamplePresetType; ++slotType) {
        const bool withSampleNames = slotType == kSamplePresetType;
        DrumPresetContent content;
        if (readDrumPresetFile(input.path.c_str(), slotType, kSlotValues, withSampleNames, content) !=
            DrumPresetRead::Loaded)
            continue;
        if (content.values.size() > kSlotValues || !allFinite(content.values) || !allFinite(content.sampleNames))
            std::abort();
        if (withSampleNames && content.sampleNames.size() != static_cast<std::size_t>(kSamplePresetNameValues))
            std::abort();
    }
    return 0;
}
