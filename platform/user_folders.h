#pragma once

#include <filesystem>

namespace platform {

// Where a per-user file or folder lives: an explicit setting wins; otherwise `leaf` below the XDG folder
// when that is an absolute path, else below `homeRelativeFolder` in the home folder.
std::filesystem::path userLocation(const char* explicitPath, const char* xdgFolder, const char* homeFolder,
                                   const char* homeRelativeFolder, const std::filesystem::path& leaf);

// userLocation() fed from the environment variables `explicitVariable`, `xdgVariable` and HOME.
std::filesystem::path userLocationFromEnvironment(const char* explicitVariable, const char* xdgVariable,
                                                  const char* homeRelativeFolder,
                                                  const std::filesystem::path& leaf);

} // namespace platform
