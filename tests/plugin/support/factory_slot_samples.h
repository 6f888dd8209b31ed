#pragma once

#include "platform/windows_paths.h"

#include <filesystem>

namespace kravo::test {

// The factory programs' sample slots name files that the build writes out and a user has in the sample
// folder; a test of the factory programs puts them into its own. Answers true, for use in initialisers.
inline bool installFactorySlotSamples()
{
    const auto target = platform::nativePath("C:\\Kravo\\Samples\\Kravo Factory");
    std::filesystem::create_directories(target);
    std::filesystem::copy(KRAVO_SLOT_SAMPLE_FOLDER, target, std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    return true;
}

} // namespace kravo::test
