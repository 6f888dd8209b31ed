#include "platform/module_resources.h"

#include "platform/embedded_resource.h"
#include "platform/platform_module.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <mutex>
#include <span>
#include <vector>

namespace {

struct OwnModules {
    std::mutex lock;
    std::vector<PlatformModule*> modules;
};

OwnModules& ownModules()
{
    static OwnModules registry;
    return registry;
}

// The load address of the main program: the first object the dynamic linker reports.
const void* mainProgramBase()
{
    const void* base = nullptr;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            *static_cast<const void**>(data) = reinterpret_cast<const void*>(info->dlpi_addr);
            return 1;
        },
        &base);
    return base;
}

bool isInMainProgram(const PlatformModule& module)
{
    Dl_info info{};
    return dladdr(module.anchor, &info) != 0 && info.dli_fbase == mainProgramBase();
}

} // namespace

namespace platform {

void registerOwnModule(PlatformModule& module)
{
    OwnModules& registry = ownModules();
    const std::lock_guard<std::mutex> guard(registry.lock);
    registry.modules.push_back(&module);
}

void unregisterOwnModule(PlatformModule& module)
{
    OwnModules& registry = ownModules();
    const std::lock_guard<std::mutex> guard(registry.lock);
    std::erase(registry.modules, &module);
}

PlatformModule* mainProgramModule()
{
    OwnModules& registry = ownModules();
    const std::lock_guard<std::mutex> guard(registry.lock);
    for (PlatformModule* module : registry.modules)
        if (isInMainProgram(*module))
            return module;
    return nullptr;
}

PlatformModule* ownModuleOf(HMODULE module)
{
    if (module == nullptr)
        return mainProgramModule();
    OwnModules& registry = ownModules();
    const std::lock_guard<std::mutex> guard(registry.lock);
    for (PlatformModule* own : registry.modules)
        if (own == module)
            return own;
    return nullptr;
}

} // namespace platform

namespace {

bool isIntegerResource(LPCSTR name) { return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0; }

bool sameTypeName(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

PlatformModule* moduleFor(HMODULE module)
{
    return platform::ownModuleOf(module);
}

// The entry a resource handle stands for, or null for a handle that is not one of the module's.
const platform::EmbeddedResource* entryOf(PlatformModule* module, const void* handle)
{
    if (module == nullptr || handle == nullptr || module->resources.empty())
        return nullptr;
    const auto* entry = static_cast<const platform::EmbeddedResource*>(handle);
    const std::less<const platform::EmbeddedResource*> before;
    const auto* first = module->resources.data();
    const auto* last = first + module->resources.size() - 1;
    if (before(entry, first) || before(last, entry))
        return nullptr;
    return entry;
}

// The registered module whose resources hold the handle, for calls that are given no module.
PlatformModule* moduleHolding(const void* handle)
{
    OwnModules& registry = ownModules();
    const std::lock_guard<std::mutex> guard(registry.lock);
    for (PlatformModule* own : registry.modules)
        if (entryOf(own, handle) != nullptr)
            return own;
    return nullptr;
}

} // namespace

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type)
{
    PlatformModule* own = moduleFor(module);
    if (own == nullptr || name == nullptr || !isIntegerResource(name) || type == nullptr || isIntegerResource(type))
        return nullptr;
    const auto id = static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name));
    for (const auto& entry : own->resources)
        if (entry.id == id && sameTypeName(entry.type, type))
            return reinterpret_cast<HRSRC>(const_cast<platform::EmbeddedResource*>(&entry));
    return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource)
{
    return const_cast<platform::EmbeddedResource*>(entryOf(moduleFor(module), resource));
}

void* LockResource(HGLOBAL loaded)
{
    const platform::EmbeddedResource* entry = entryOf(moduleHolding(loaded), loaded);
    return entry == nullptr ? nullptr : const_cast<unsigned char*>(entry->begin);
}

DWORD SizeofResource(HMODULE module, HRSRC resource)
{
    const platform::EmbeddedResource* entry = entryOf(moduleFor(module), resource);
    return entry == nullptr ? 0 : static_cast<DWORD>(entry->end - entry->begin);
}

