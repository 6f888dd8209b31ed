#pragma once

// Modules looked up by their Windows names. Three kinds exist: the plug-in's own module (a null name;
// it holds the embedded resources), the host's libraries, each a shared library of its own
// (hostlibs/), and built-in modules that the platform layer itself provides. Names compare without
// case. A host library is found by GetModuleHandleA only while it is loaded; LoadLibraryA loads it.

#include "platform/win_types.h"

#include <span>
#include <string>

using ProcAddress = void (*)();

HMODULE GetModuleHandleA(LPCSTR moduleName);
// A decorated name ("_Name@8") finds the function Name. A host library may withhold a name, as an
// older version of it would not have the function.
ProcAddress GetProcAddress(HMODULE module, LPCSTR name);
HMODULE LoadLibraryA(LPCSTR moduleName);
BOOL FreeLibrary(HMODULE module);
// The module's file (null: the plug-in's own). The plug-in's own is the shared library (or program) that holds this code.
// Returns the length copied; a path that does not fit is cut and the size returned.
DWORD GetModuleFileNameA(HMODULE module, LPSTR path, DWORD size);

namespace platform {

struct BuiltInFunction {
    const char* name;
    ProcAddress function;
};

// Makes a module of the platform's own available to GetModuleHandleA and LoadLibraryA. The name and
// the table must outlive every lookup.
void addBuiltInModule(const char* name, std::span<const BuiltInFunction> functions);

// Gives the plug-in's own module another file name (tests); an empty path returns to the real one.
void setModulePath(const std::string& path);

// Exported by a host library that can withhold names: false for a name it does not offer now.
using HostLibraryOffers = bool (*)(const char* name);
inline constexpr const char* kHostLibraryOffersName = "kravoHostLibraryOffers";

} // namespace platform
