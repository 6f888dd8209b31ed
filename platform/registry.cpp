#include "platform/registry.h"

#include "platform/registry_file.h"
#include "platform/user_folders.h"

#include <cstring>
#include <mutex>
#include <string>
#include <unordered_map>

namespace {

struct OpenKey {
    std::string path;
    REGSAM access = 0;
};

// Every registry call runs under one lock: the calls are rare, short and never on the audio path.
class Registry {
public:
    static Registry& instance()
    {
        static Registry registry;
        return registry;
    }

    std::filesystem::path file()
    {
        std::lock_guard lock(mutex_);
        return fileLocked();
    }

    void setFile(const std::filesystem::path& file)
    {
        std::lock_guard lock(mutex_);
        chosenFile_ = file;
    }

    LONG open(HKEY parent, LPCSTR subKey, REGSAM access, bool create, HKEY* result, DWORD* disposition)
    {
        if (result == nullptr)
            return ERROR_INVALID_PARAMETER;
        std::lock_guard lock(mutex_);
        const OpenKey* parentKey = find(parent);
        if (parentKey == nullptr)
            return ERROR_INVALID_HANDLE;
        const std::string path = platform::normalisedKeyPath(parentKey->path + '\\' + (subKey ? subKey : ""));

        keys_ = platform::readRegistryFile(fileLocked());
        const bool exists = keys_.count(path) != 0;
        if (!exists) {
            if (!create)
                return ERROR_FILE_NOT_FOUND;
            if (!change([&] { addKeyWithParents(path); }))
                return ERROR_WRITE_FAULT;
        }
        if (disposition != nullptr)
            *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
        nextHandle_ += kHandleStep;
        handles_[nextHandle_] = OpenKey{path, access};
        *result = reinterpret_cast<HKEY>(nextHandle_);
        return ERROR_SUCCESS;
    }

    LONG query(HKEY key, LPCSTR valueName, DWORD* type, BYTE* data, DWORD* dataSize)
    {
        std::lock_guard lock(mutex_);
        const OpenKey* openKey = find(key);
        if (openKey == nullptr)
            return ERROR_INVALID_HANDLE;
        if ((openKey->access & KEY_QUERY_VALUE) == 0)
            return ERROR_ACCESS_DENIED;
        if (data != nullptr && dataSize == nullptr)
            return ERROR_INVALID_PARAMETER;
        const auto keyFound = keys_.find(openKey->path);
        if (keyFound == keys_.end())
            return ERROR_FILE_NOT_FOUND;
        const auto valueFound = keyFound->second.find(valueName ? valueName : "");
        if (valueFound == keyFound->second.end())
            return ERROR_FILE_NOT_FOUND;

        const platform::RegistryValue& value = valueFound->second;
        if (type != nullptr)
            *type = value.type;
        if (dataSize == nullptr)
            return ERROR_SUCCESS;
        const DWORD capacity = *dataSize;
        *dataSize = static_cast<DWORD>(value.bytes.size());
        if (data == nullptr)
            return ERROR_SUCCESS;
        if (capacity < value.bytes.size())
            return ERROR_MORE_DATA;
        std::memcpy(data, value.bytes.data(), value.bytes.size());
        return ERROR_SUCCESS;
    }

    LONG set(HKEY key, LPCSTR valueName, DWORD type, const BYTE* data, DWORD dataSize)
    {
        if (data == nullptr && dataSize != 0)
            return ERROR_INVALID_PARAMETER;
        std::lock_guard lock(mutex_);
        const OpenKey* openKey = find(key);
        if (openKey == nullptr)
            return ERROR_INVALID_HANDLE;
        if ((openKey->access & KEY_SET_VALUE) == 0)
            return ERROR_ACCESS_DENIED;

        // Start from the file so that what another instance stored since our open survives.
        keys_ = platform::readRegistryFile(fileLocked());
        const std::string bytes(reinterpret_cast<const char*>(data), data ? dataSize : 0);
        const bool stored = change([&] {
            addKeyWithParents(openKey->path);
            keys_[openKey->path][valueName ? valueName : ""] = platform::RegistryValue{type, bytes};
        });
        return stored ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
    }

    LONG close(HKEY key)
    {
        if (key == HKEY_CURRENT_USER)
            return ERROR_SUCCESS;
        std::lock_guard lock(mutex_);
        return handles_.erase(reinterpret_cast<ULONG_PTR>(key)) != 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }

private:
    static constexpr ULONG_PTR kHandleStep = 4;

    std::filesystem::path fileLocked() const
    {
        if (!chosenFile_.empty())
            return chosenFile_;
        return platform::userLocationFromEnvironment("KRAVO_REGISTRY", "XDG_CONFIG_HOME", ".config",
                                                     "kravo/registry.txt");
    }

    const OpenKey* find(HKEY key) const
    {
        if (key == HKEY_CURRENT_USER)
            return &rootKey_;
        const auto found = handles_.find(reinterpret_cast<ULONG_PTR>(key));
        return found == handles_.end() ? nullptr : &found->second;
    }

    void addKeyWithParents(const std::string& path)
    {
        for (std::size_t separator = path.find('\\'); separator != std::string::npos;
             separator = path.find('\\', separator + 1))
            keys_[path.substr(0, separator)];
        keys_[path];
    }

    // Applies a change and writes the file; when the file cannot be written the change is undone.
    template <typename Change>
    bool change(Change&& apply)
    {
        platform::RegistryKeys before = keys_;
        apply();
        if (platform::writeRegistryFile(fileLocked(), keys_))
            return true;
        keys_ = std::move(before);
        return false;
    }

    std::mutex mutex_;
    std::filesystem::path chosenFile_;
    platform::RegistryKeys keys_;
    std::unordered_map<ULONG_PTR, OpenKey> handles_;
    ULONG_PTR nextHandle_ = 0x1000;
    const OpenKey rootKey_{"", KEY_ALL_ACCESS};
};

} // namespace

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, HKEY* result)
{
    return Registry::instance().open(key, subKey, access, false, result, nullptr);
}

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access, SECURITY_ATTRIBUTES*,
                     HKEY* result, DWORD* disposition)
{
    return Registry::instance().open(key, subKey, access, true, result, disposition);
}

LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize)
{
    return Registry::instance().set(key, valueName, type, data, dataSize);
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, DWORD*, DWORD* type, BYTE* data, DWORD* dataSize)
{
    return Registry::instance().query(key, valueName, type, data, dataSize);
}

LONG RegCloseKey(HKEY key)
{
    return Registry::instance().close(key);
}

namespace platform {

std::filesystem::path registryFile()
{
    return Registry::instance().file();
}

void setRegistryFile(const std::filesystem::path& file)
{
    Registry::instance().setFile(file);
}

} // namespace platform
