#include "platform/registry.h"

#include "platform/registry_file.h"
#include "platform/user_folders.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

namespace {

// An uncommitted value, numbered in the order values were set, so that when a thread's changes meet (two
// handles, or a handle and a batch) the later one wins.
struct PendingValue {
    platform::RegistryValue value;
    std::uint64_t order = 0;
};

using PendingValues = std::map<std::string, PendingValue, platform::CaseInsensitiveLess>;
// A path with no values stands for a key that was created.
using PendingKeys = std::map<std::string, PendingValues, platform::CaseInsensitiveLess>;

struct OpenKey {
    std::string path;
    REGSAM access = 0;
    std::thread::id owner;
    PendingKeys changes;
};

struct Batch {
    int depth = 0;
    PendingKeys changes;
};

// True when a key had to be added.
template <typename Keys>
bool addKeyWithParents(Keys& keys, const std::string& path)
{
    bool added = false;
    for (std::size_t separator = path.find('\\'); separator != std::string::npos;
         separator = path.find('\\', separator + 1))
        added |= keys.try_emplace(path.substr(0, separator)).second;
    return keys.try_emplace(path).second || added;
}

void mergeLater(PendingKeys& into, PendingKeys&& from)
{
    for (auto& [path, values] : from) {
        PendingValues& target = into[path];
        for (auto& [name, pending] : values) {
            const auto [found, inserted] = target.try_emplace(name, pending);
            if (!inserted && found->second.order < pending.order)
                found->second = std::move(pending);
        }
    }
}

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
        bool exists = keys_.count(path) != 0;
        forEachPendingOfThisThread([&](const PendingKeys& changes) { exists = exists || changes.count(path) != 0; });
        if (!exists && !create)
            return ERROR_FILE_NOT_FOUND;
        OpenKey key{path, access, std::this_thread::get_id(), {}};
        if (!exists)
            addKeyWithParents(key.changes, path);
        if (disposition != nullptr)
            *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
        nextHandle_ += kHandleStep;
        handles_[nextHandle_] = std::move(key);
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
        const platform::RegistryValue* found = latestValue(*openKey, valueName ? valueName : "");
        if (found == nullptr)
            return ERROR_FILE_NOT_FOUND;

        const platform::RegistryValue& value = *found;
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
        const std::string name = valueName ? valueName : "";
        PendingValue pending{{type, std::string(reinterpret_cast<const char*>(data), data ? dataSize : 0)},
                             ++nextOrder_};
        // The root handle is never closed, so what is set through it is released at once.
        if (key == HKEY_CURRENT_USER) {
            PendingKeys changes;
            changes[rootKey_.path][name] = std::move(pending);
            return release(std::move(changes)) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
        }
        const auto found = handles_.find(reinterpret_cast<ULONG_PTR>(key));
        if (found == handles_.end())
            return ERROR_INVALID_HANDLE;
        OpenKey& openKey = found->second;
        if ((openKey.access & KEY_SET_VALUE) == 0)
            return ERROR_ACCESS_DENIED;
        openKey.changes[openKey.path][name] = std::move(pending);
        return ERROR_SUCCESS;
    }

    LONG close(HKEY key)
    {
        if (key == HKEY_CURRENT_USER)
            return ERROR_SUCCESS;
        std::lock_guard lock(mutex_);
        const auto found = handles_.find(reinterpret_cast<ULONG_PTR>(key));
        if (found == handles_.end())
            return ERROR_INVALID_HANDLE;
        PendingKeys changes = std::move(found->second.changes);
        handles_.erase(found);
        return release(std::move(changes)) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
    }

    void beginBatch()
    {
        std::lock_guard lock(mutex_);
        ++batches_[std::this_thread::get_id()].depth;
    }

    void endBatch()
    {
        std::lock_guard lock(mutex_);
        const auto found = batches_.find(std::this_thread::get_id());
        if (found == batches_.end() || --found->second.depth > 0)
            return;
        PendingKeys changes = std::move(found->second.changes);
        batches_.erase(found);
        commit(changes);
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

    // The uncommitted changes this thread can see: those of the handles it opened and of its batch.
    template <typename Visit>
    void forEachPendingOfThisThread(Visit&& visit) const
    {
        const std::thread::id thread = std::this_thread::get_id();
        for (const auto& [handle, openKey] : handles_)
            if (openKey.owner == thread)
                visit(openKey.changes);
        const auto batch = batches_.find(thread);
        if (batch != batches_.end())
            visit(batch->second.changes);
    }

    const platform::RegistryValue* latestValue(const OpenKey& key, const std::string& name) const
    {
        const PendingValue* latest = nullptr;
        const auto consider = [&](const PendingKeys& changes) {
            const auto values = changes.find(key.path);
            if (values == changes.end())
                return;
            const auto found = values->second.find(name);
            if (found != values->second.end() && (latest == nullptr || latest->order < found->second.order))
                latest = &found->second;
        };
        consider(key.changes);
        forEachPendingOfThisThread(consider);
        if (latest != nullptr)
            return &latest->value;

        const auto values = keys_.find(key.path);
        if (values == keys_.end())
            return nullptr;
        const auto found = values->second.find(name);
        return found == values->second.end() ? nullptr : &found->second;
    }

    // Hands a closed handle's changes to this thread's batch, or stores them when there is none.
    bool release(PendingKeys&& changes)
    {
        if (changes.empty())
            return true;
        const auto batch = batches_.find(std::this_thread::get_id());
        if (batch != batches_.end()) {
            mergeLater(batch->second.changes, std::move(changes));
            return true;
        }
        return commit(changes);
    }

    // Lays the changes over the file as it is now and writes it if that differs; a failed write drops them.
    bool commit(const PendingKeys& changes)
    {
        const std::filesystem::path file = fileLocked();
        keys_ = platform::readRegistryFile(file);
        platform::RegistryKeys merged = keys_;
        bool differs = false;
        for (const auto& [path, values] : changes) {
            differs |= addKeyWithParents(merged, path);
            platform::RegistryValues& stored = merged[path];
            for (const auto& [name, pending] : values) {
                const auto [value, added] = stored.try_emplace(name, pending.value);
                if (!added && !(value->second == pending.value)) {
                    value->second = pending.value;
                    differs = true;
                }
                differs |= added;
            }
        }
        if (!differs)
            return true;
        if (!platform::writeRegistryFile(file, merged))
            return false;
        keys_ = std::move(merged);
        return true;
    }

    std::mutex mutex_;
    std::filesystem::path chosenFile_;
    // The file as last read; reads see it under this thread's uncommitted changes.
    platform::RegistryKeys keys_;
    std::unordered_map<ULONG_PTR, OpenKey> handles_;
    std::unordered_map<std::thread::id, Batch> batches_;
    ULONG_PTR nextHandle_ = 0x1000;
    std::uint64_t nextOrder_ = 0;
    const OpenKey rootKey_{"", KEY_ALL_ACCESS, {}, {}};
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

RegistryBatch::RegistryBatch()
{
    Registry::instance().beginBatch();
}

RegistryBatch::~RegistryBatch()
{
    Registry::instance().endBatch();
}

} // namespace platform
