// Linked into every program and library of the project (never into the shared stand-ins): the
// module's own handle, with the resources embedded in this module only.

#include "platform/embedded_resource.h"
#include "platform/module_resources.h"
#include "platform/platform_module.h"

// A module that links no resource table still links this unit; it then has no resources.
#pragma weak kravoResourceTable
#pragma weak kravoResourceCount

namespace {

// Registered while the module is loaded, so a library that is unloaded leaves no handle behind.
struct ThisModule {
    ThisModule()
        : module{.kind = PlatformModule::Kind::own,
                 .resources = &kravoResourceCount != nullptr ? std::span(kravoResourceTable, kravoResourceCount)
                                                             : std::span<const platform::EmbeddedResource>(),
                 .anchor = reinterpret_cast<const void*>(&platform::pluginModule)}
    {
        platform::registerOwnModule(module);
    }
    ~ThisModule() { platform::unregisterOwnModule(module); }
    ThisModule(const ThisModule&) = delete;
    ThisModule& operator=(const ThisModule&) = delete;

    PlatformModule module;
};

ThisModule& thisModule()
{
    static ThisModule own;
    return own;
}

// Registered at load, before anything asks the stand-ins for the main program's module.
[[gnu::used]] const ThisModule& registeredAtLoad = thisModule();

} // namespace

namespace platform {

HMODULE pluginModule()
{
    return &thisModule().module;
}

} // namespace platform
