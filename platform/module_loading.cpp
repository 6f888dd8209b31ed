#include "platform/module_loading.h"

#include "platform/platform_module.h"

#include <dlfcn.h>
#include <link.h>

#include <array>
#include <cctype>
#include <cstring>
#include <mutex>
#include <deque>

namespace {

bool sameName(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

std::array<PlatformModule, 4>& hostLibraries()
{
    static std::array<PlatformModule, 4> libraries{{
        {.kind = PlatformModule::Kind::hostLibrary, .name = "HOSTENGINE.DLL", .file = "libkravo_hostengine.so"},
        {.kind = PlatformModule::Kind::hostLibrary, .name = "HOSTEXT.DLL", .file = "libkravo_hostext.so"},
        {.kind = PlatformModule::Kind::hostLibrary, .name = "DSPSHELL.DLL", .file = "libkravo_dspshell.so"},
        {.kind = PlatformModule::Kind::hostLibrary, .name = "DSPMANAGER.DLL", .file = "libkravo_dspmanager.so"},
    }};
    return libraries;
}

struct BuiltInModules {
    std::mutex lock;
    // A deque keeps the handles given out valid while modules are added.
    std::deque<PlatformModule> modules{platform::imageLibraryModule()};
};

BuiltInModules& builtInModules()
{
    static BuiltInModules registry;
    return registry;
}

PlatformModule* findHostLibrary(const char* name)
{
    for (PlatformModule& library : hostLibraries())
        if (sameName(library.name, name))
            return &library;
    return nullptr;
}

PlatformModule* findBuiltIn(const char* name)
{
    BuiltInModules& registry = builtInModules();
    const std::lock_guard<std::mutex> guard(registry.lock);
    for (PlatformModule& module : registry.modules)
        if (sameName(module.name, name))
            return module.present == nullptr || module.present() ? &module : nullptr;
    return nullptr;
}

std::string& overriddenModulePath()
{
    static std::string path;
    return path;
}

// "_Name@8" -> "Name"; an undecorated name stays as it is.
std::string undecorated(const char* name)
{
    std::string plain = name;
    const std::size_t at = plain.rfind('@');
    if (!plain.empty() && plain[0] == '_' && at != std::string::npos && at + 1 < plain.size() &&
        plain.find_first_not_of("0123456789", at + 1) == std::string::npos)
        plain = plain.substr(1, at - 1);
    return plain;
}

std::string ownModuleFile(const PlatformModule& module)
{
    Dl_info info{};
    if (dladdr(module.anchor, &info) == 0 || info.dli_fname == nullptr)
        return {};
    return info.dli_fname;
}

std::string libraryFile(void* library)
{
    link_map* map = nullptr;
    if (library == nullptr || dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr)
        return {};
    return map->l_name;
}

} // namespace

HMODULE GetModuleHandleA(LPCSTR moduleName)
{
    if (moduleName == nullptr)
        return platform::mainProgramModule();
    if (PlatformModule* library = findHostLibrary(moduleName)) {
        void* loaded = dlopen(library->file, RTLD_LAZY | RTLD_NOLOAD);
        if (loaded == nullptr)
            return nullptr;
        // The probe took a reference of its own; the module stays loaded by whoever loaded it.
        library->library = loaded;
        dlclose(loaded);
        return library;
    }
    return findBuiltIn(moduleName);
}

ProcAddress GetProcAddress(HMODULE module, LPCSTR name)
{
    if (module == nullptr || name == nullptr)
        return nullptr;
    const std::string plain = undecorated(name);
    switch (module->kind) {
    case PlatformModule::Kind::hostLibrary: {
        if (module->library == nullptr)
            return nullptr;
        const auto offers = reinterpret_cast<platform::HostLibraryOffers>(dlsym(module->library, platform::kHostLibraryOffersName));
        if (offers != nullptr && !offers(plain.c_str()))
            return nullptr;
        return reinterpret_cast<ProcAddress>(dlsym(module->library, plain.c_str()));
    }
    case PlatformModule::Kind::builtIn:
        if (module->offers != nullptr && !module->offers(plain.c_str()))
            return nullptr;
        for (const platform::BuiltInFunction& function : module->functions)
            if (plain == function.name)
                return function.function;
        return nullptr;
    case PlatformModule::Kind::own: return nullptr;
    }
    return nullptr;
}

HMODULE LoadLibraryA(LPCSTR moduleName)
{
    if (moduleName == nullptr)
        return nullptr;
    if (PlatformModule* library = findHostLibrary(moduleName)) {
        void* loaded = dlopen(library->file, RTLD_NOW | RTLD_LOCAL);
        if (loaded == nullptr)
            return nullptr;
        library->library = loaded;
        return library;
    }
    return findBuiltIn(moduleName);
}

BOOL FreeLibrary(HMODULE module)
{
    if (module == nullptr)
        return FALSE;
    if (module->kind == PlatformModule::Kind::hostLibrary)
        return module->library != nullptr && dlclose(module->library) == 0 ? TRUE : FALSE;
    return TRUE;
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR path, DWORD size)
{
    if (path == nullptr || size == 0)
        return 0;
    if (module == nullptr)
        module = platform::mainProgramModule();
    if (module == nullptr)
        return 0;
    std::string file;
    if (module->kind == PlatformModule::Kind::own)
        file = overriddenModulePath().empty() ? ownModuleFile(*module) : overriddenModulePath();
    else if (module->kind == PlatformModule::Kind::hostLibrary)
        file = libraryFile(module->library);
    else
        file = module->name;
    if (file.size() >= size) {
        std::memcpy(path, file.data(), size - 1);
        path[size - 1] = '\0';
        return size;
    }
    std::memcpy(path, file.c_str(), file.size() + 1);
    return static_cast<DWORD>(file.size());
}

namespace platform {

void addBuiltInModule(const char* name, std::span<const BuiltInFunction> functions)
{
    BuiltInModules& registry = builtInModules();
    const std::lock_guard<std::mutex> guard(registry.lock);
    registry.modules.push_back({.kind = PlatformModule::Kind::builtIn, .name = name, .functions = functions});
}

void setModulePath(const std::string& path)
{
    overriddenModulePath() = path;
}

} // namespace platform
