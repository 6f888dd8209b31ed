#pragma once

// The library's start-up: the load hooks, the open and close procedures with their use count, the
// exported start functions and the factory of the one process group, and the plug-in's host
// resource file beside the library.

#include "platform/win_types.h"

#include <cstdint>
#include <string>

class CProcessGroupInterface;

// The one process group, from the first successful open to the last close; every routine calls it.
extern CProcessGroupInterface* gProcessGroup;

inline constexpr DWORD kProcessDetach = 0;
inline constexpr DWORD kProcessAttach = 1;

// The load hooks: attach hands the host the open and close procedures, or opens at once when the
// host's engine does not take them; detach closes what attach opened.
BOOL DllMain(HINSTANCE instance, DWORD reason, void* reserved);

std::int16_t OpenPlugInLibrary();
std::int16_t ClosePlugInLibrary();
bool IsOpenedByWinPlugInOpen();
void OpenPlugInResFile();
void ClosePlugInResFile();
void DeletePlugInGroup();
HINSTANCE GetPlugInModuleHandle();
// The library's file and its host resource file (the library's path + ".rsr"), known after the first open.
const std::string& GetPlugInModulePath();
const std::string& GetPlugInResFilePath();

// The host's resource loader calls it for every resource of the resource file: 'thng' and 'cfrg'
// resources are stored big-endian and turned around in place. 1 when it converted the resource.
std::int32_t FlipResourceByteOrder(std::intptr_t context, std::uint32_t type, std::int32_t index, void* data);

extern "C" {
std::int32_t WinPlugInOpen(std::int32_t version);
std::int32_t WinPlugInClose();
std::int32_t NewPlugIn(std::int32_t reserved);
}
