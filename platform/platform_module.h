#pragma once

// What a module handle stands for. Shared by the platform's resource and module-loading units and the
// built-in modules only.

#include "platform/embedded_resource.h"
#include "platform/win_types.h"

#include <span>

namespace platform {

struct BuiltInFunction;

} // namespace platform

struct PlatformModule {
    enum class Kind { own, hostLibrary, builtIn };
    Kind kind = Kind::own;
    // own: the resources embedded in a program or library, and an address inside it, which names its file.
    std::span<const platform::EmbeddedResource> resources{};
    const void* anchor = nullptr;
    // hostLibrary: the Windows name and the stand-in's shared library file; the handle while loaded.
    const char* name = nullptr;
    const char* file = nullptr;
    void* library = nullptr;
    // builtIn: its functions by name; a module that can be switched off, as on a system without it, tells
    // whether it is there and which of its names it offers now (null: always, all).
    std::span<const platform::BuiltInFunction> functions{};
    bool (*present)() = nullptr;
    bool (*offers)(const char* name) = nullptr;
};

namespace platform {

// The modules of this process that carry their own identity (platform/this_module): each registers
// while it is loaded. The main program's is the one a null module handle stands for; null when the
// main program carries none. Registering is the loading thread's; the lookups take no lock.
void registerOwnModule(PlatformModule& module);
void unregisterOwnModule(PlatformModule& module);
PlatformModule* mainProgramModule();
// The registered module a handle stands for, or null.
PlatformModule* ownModuleOf(HMODULE module);
// The system's image library, msimg32 (gdi/image_library.cpp).
PlatformModule imageLibraryModule();

} // namespace platform
