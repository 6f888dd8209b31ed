#include "hostframework/module_version.h"

#include "hostframework/plugin_library.h"
#include "platform/module_loading.h"
#include "platform/version_info.h"

#include <cstdio>
#include <vector>

namespace {

constexpr UINT kFixedInfoSize = 52;

std::string moduleFile(HMODULE module)
{
    std::vector<char> path(4096);
    const DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
    return length < path.size() ? std::string(path.data(), length) : std::string();
}

std::vector<char> versionBlock(HMODULE module)
{
    const std::string file = moduleFile(module);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), handle, size, block.data()))
        block.clear();
    return block;
}

} // namespace

bool GetModuleVersion(HMODULE module, std::uint16_t numbers[4])
{
    const std::vector<char> block = versionBlock(module);
    void* value = nullptr;
    UINT length = 0;
    if (block.empty() || !VerQueryValueA(block.data(), "\\", &value, &length) || length < kFixedInfoSize)
        return false;
    const auto* fixed = static_cast<const VersionFixedInfo*>(value);
    numbers[0] = static_cast<std::uint16_t>(fixed->fileVersionMost >> 16);
    numbers[1] = static_cast<std::uint16_t>(fixed->fileVersionMost & 0xFFFF);
    numbers[2] = static_cast<std::uint16_t>(fixed->fileVersionLeast >> 16);
    numbers[3] = static_cast<std::uint16_t>(fixed->fileVersionLeast & 0xFFFF);
    return true;
}

std::string GetModuleVersionText()
{
    std::uint16_t numbers[4] = {};
    if (!GetModuleVersion(GetPlugInModuleHandle(), numbers))
        numbers[0] = numbers[1] = numbers[2] = numbers[3] = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", numbers[0], numbers[1], numbers[2], numbers[3]);
    return text;
}

std::string GetModuleLegalText()
{
    const std::vector<char> block = versionBlock(GetPlugInModuleHandle());
    void* value = nullptr;
    UINT length = 0;
    if (block.empty() || !VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4)
        return {};
    const auto* translation = static_cast<const std::uint16_t*>(value);
    char key[64];
    std::snprintf(key, sizeof key, "\\Text\\%04x%04x\\LegalNotice", translation[0], translation[1]);
    if (!VerQueryValueA(block.data(), key, &value, &length) || length == 0)
        return {};
    return std::string(static_cast<const char*>(value));
}
