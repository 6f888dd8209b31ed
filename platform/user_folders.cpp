#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace platform {
namespace {

bool isSet(const char* value) { return value != nullptr && value[0] != '\0'; }

// HOME may be missing under service managers; the password database still knows the folder.
std::string homeFromPasswordDatabase()
{
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr && isSet(found->pw_dir))
        return found->pw_dir;
    return {};
}

} // namespace

std::filesystem::path userLocation(const char* explicitPath, const char* xdgFolder, const char* homeFolder,
                                   const char* homeRelativeFolder, const std::filesystem::path& leaf)
{
    if (isSet(explicitPath))
        return explicitPath;
    // A relative XDG folder is invalid by that convention and is ignored.
    if (isSet(xdgFolder) && xdgFolder[0] == '/')
        return std::filesystem::path(xdgFolder) / leaf;
    const std::filesystem::path home = isSet(homeFolder) ? std::filesystem::path(homeFolder)
                                                         : std::filesystem::temp_directory_path();
    return home / homeRelativeFolder / leaf;
}

std::filesystem::path userLocationFromEnvironment(const char* explicitVariable, const char* xdgVariable,
                                                  const char* homeRelativeFolder,
                                                  const std::filesystem::path& leaf)
{
    const char* home = std::getenv("HOME");
    std::string fallbackHome;
    if (!isSet(home)) {
        fallbackHome = homeFromPasswordDatabase();
        home = fallbackHome.c_str();
    }
    return userLocation(std::getenv(explicitVariable), std::getenv(xdgVariable), home, homeRelativeFolder, leaf);
}

} // namespace platform
