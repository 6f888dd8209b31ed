#pragma once

// The resources embedded in the plug-in's own module. A missing resource, type or module gives a null
// handle. Resources are named by integer id only (MAKEINTRESOURCEA) and typed by name ("TXT", "PNG"),
// which compares without case. The calls take no lock and allocate nothing, so the audio thread may make them.

#include "platform/module_loading.h"
#include "platform/win_types.h"

#define MAKEINTRESOURCEA(id) (reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id))))

// A null module stands for the main program's, as on Windows.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
// The resource's bytes, which stay valid for as long as the module is loaded.
void* LockResource(HGLOBAL loaded);
DWORD SizeofResource(HMODULE module, HRSRC resource);

namespace platform {

// The handle of the module the caller's code belongs to: each program and library has its own
// (platform/this_module), registered with the stand-ins when the module loads.
[[gnu::visibility("hidden")]] HMODULE pluginModule();

} // namespace platform
