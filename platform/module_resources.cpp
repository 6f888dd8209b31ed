#include "platform/module_resources.h"

#include "platform/embedded_resource.h"
#include "platform/platform_module.h"

#include <dlfcn.h>
#include <link.h>

#include <array>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <mutex>

namespace {

using platform::EmbeddedResource;

// The project's programs and libraries in one process: a program, the plug-in library and the odd test library.
constexpr std::size_t kMostOwnModules = 16;

// A registered module (null once it is gone) and the bounds of its resource table, kept here so that a handle given
// without its module is placed without reading the memory of another module, whose library may be unloading.
struct OwnModuleSlot {
    std::atomic<PlatformModule*> module{nullptr};
    std::atomic<const EmbeddedResource*> first{nullptr};
    std::atomic<const EmbeddedResource*> end{nullptr};
};

// The modules change only as libraries load and unload, on the main thread; the resource calls read them on any
// thread, the audio thread among them, so reading takes no lock.
struct OwnModules {
    std::mutex registering;
    std::array<OwnModuleSlot, kMostOwnModules> slots{};
    std::atomic<PlatformModule*> mainProgram{nullptr};
};

constinit OwnModules ownModules;

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
    const std::lock_guard<std::mutex> guard(ownModules.registering);
    if (isInMainProgram(module))
        ownModules.mainProgram = &module;
    for (OwnModuleSlot& slot : ownModules.slots)
        if (slot.module.load() == nullptr) {
            slot.first = module.resources.data();
            slot.end = module.resources.data() + module.resources.size();
            slot.module = &module;
            return;
        }
    // A module left out would silently lose its resources.
    std::abort();
}

void unregisterOwnModule(PlatformModule& module)
{
    const std::lock_guard<std::mutex> guard(ownModules.registering);
    PlatformModule* registered = &module;
    ownModules.mainProgram.compare_exchange_strong(registered, nullptr);
    for (OwnModuleSlot& slot : ownModules.slots)
        if (slot.module.load() == &module)
            slot.module = nullptr;
}

PlatformModule* mainProgramModule()
{
    return ownModules.mainProgram.load();
}

PlatformModule* ownModuleOf(HMODULE module)
{
    if (module == nullptr)
        return mainProgramModule();
    for (const OwnModuleSlot& slot : ownModules.slots)
        if (PlatformModule* own = slot.module.load(); own == module)
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

// The entry a resource handle stands for, or null for a handle outside the table from first to end.
const EmbeddedResource* entryIn(const EmbeddedResource* first, const EmbeddedResource* end, const void* handle)
{
    const auto* entry = static_cast<const EmbeddedResource*>(handle);
    const std::less<const EmbeddedResource*> before;
    return handle != nullptr && !before(entry, first) && before(entry, end) ? entry : nullptr;
}

// The entry a resource handle stands for, or null for a handle that is not one of the module's.
const EmbeddedResource* entryOf(PlatformModule* module, const void* handle)
{
    if (module == nullptr)
        return nullptr;
    return entryIn(module->resources.data(), module->resources.data() + module->resources.size(), handle);
}

// The entry a handle stands for in any registered module's table, for calls that are given no module.
const EmbeddedResource* registeredEntry(const void* handle)
{
    for (const OwnModuleSlot& slot : ownModules.slots) {
        PlatformModule* module = slot.module.load();
        const EmbeddedResource* entry = entryIn(slot.first.load(), slot.end.load(), handle);
        // The bounds are the module's when it is registered both before and after they are read.
        if (module != nullptr && entry != nullptr && slot.module.load() == module)
            return entry;
    }
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
            return reinterpret_cast<HRSRC>(const_cast<EmbeddedResource*>(&entry));
    return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource)
{
    return const_cast<EmbeddedResource*>(entryOf(moduleFor(module), resource));
}

void* LockResource(HGLOBAL loaded)
{
    const EmbeddedResource* entry = registeredEntry(loaded);
    return entry == nullptr ? nullptr : const_cast<unsigned char*>(entry->begin);
}

DWORD SizeofResource(HMODULE module, HRSRC resource)
{
    const EmbeddedResource* entry = entryOf(moduleFor(module), resource);
    return entry == nullptr ? 0 : static_cast<DWORD>(entry->end - entry->begin);
}
