#include "platform/module_resources.h"

#include "platform/embedded_resource.h"
#include "platform/platform_module.h"

#include <cctype>
#include <functional>
#include <span>

// A program that links no resource table still links this unit; it then finds no resources.
#pragma weak kravoResourceTable
#pragma weak kravoResourceCount

namespace platform {

PlatformModule& ownModule()
{
    static PlatformModule module{.kind = PlatformModule::Kind::own,
                                 .resources = &kravoResourceCount != nullptr
                                                  ? std::span(kravoResourceTable, kravoResourceCount)
                                                  : std::span<const platform::EmbeddedResource>()};
    return module;
}

} // namespace platform

namespace {

using platform::ownModule;

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
    return module == nullptr || module == &ownModule() ? &ownModule() : nullptr;
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
    const platform::EmbeddedResource* entry = entryOf(&ownModule(), loaded);
    return entry == nullptr ? nullptr : const_cast<unsigned char*>(entry->begin);
}

DWORD SizeofResource(HMODULE module, HRSRC resource)
{
    const platform::EmbeddedResource* entry = entryOf(moduleFor(module), resource);
    return entry == nullptr ? 0 : static_cast<DWORD>(entry->end - entry->begin);
}

namespace platform {

HMODULE pluginModule()
{
    return &ownModule();
}

} // namespace platform
