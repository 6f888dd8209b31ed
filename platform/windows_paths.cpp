#include "platform/windows_paths.h"

#include "platform/user_folders.h"

#include <cctype>
#include <mutex>
#include <string>
#include <vector>

namespace platform {
namespace {

std::mutex rootMutex;
std::filesystem::path chosenRoot;

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool hasDriveLetter(const char* path)
{
    return std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

std::string withSlashes(const char* text)
{
    std::string result(text);
    for (char& c : result)
        if (c == '\\')
            c = '/';
    return result;
}

} // namespace

std::filesystem::path driveRoot()
{
    {
        std::lock_guard lock(rootMutex);
        if (!chosenRoot.empty())
            return chosenRoot;
    }
    return userLocationFromEnvironment("KRAVO_DRIVE_ROOT", "XDG_DATA_HOME", ".local/share", "kravo/drive");
}

void setDriveRoot(const std::filesystem::path& folder)
{
    std::lock_guard lock(rootMutex);
    chosenRoot = folder;
}

std::filesystem::path nativePath(const char* path)
{
    if (path == nullptr)
        return {};
    if (path[0] == '/')
        return path;
    const bool onDrive = hasDriveLetter(path);
    if (!onDrive && !isSeparator(path[0]))
        return withSlashes(path);

    const char driveLetter = onDrive ? static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))) : 'c';
    // "C:x" (drive-relative) is taken from the drive's root: there is no current folder per drive here.
    const std::string rest = withSlashes(onDrive ? path + 2 : path);
    // "." and ".." resolve by name, as Windows resolves them, and never climb above the drive's root.
    std::vector<std::string> names;
    for (std::size_t start = 0; start < rest.size();) {
        std::size_t end = rest.find('/', start);
        if (end == std::string::npos)
            end = rest.size();
        const std::string name = rest.substr(start, end - start);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    std::filesystem::path result = driveRoot() / std::string(1, driveLetter);
    for (const std::string& name : names)
        result /= name;
    if (!names.empty() && rest.back() == '/')
        result /= "";
    return result;
}

bool isRootFolder(const char* path)
{
    if (path == nullptr)
        return false;
    const char* rest = hasDriveLetter(path) ? path + 2 : path;
    if (rest == path && !isSeparator(*rest))
        return false;
    while (isSeparator(*rest))
        ++rest;
    return *rest == '\0';
}

FILE* openFile(const char* path, const char* mode)
{
    if (path == nullptr || mode == nullptr || path[0] == '\0')
        return nullptr;
    return std::fopen(nativePath(path).c_str(), mode);
}

int removeFile(const char* path)
{
    if (path == nullptr || path[0] == '\0')
        return -1;
    return std::remove(nativePath(path).c_str());
}

} // namespace platform
