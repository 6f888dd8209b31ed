#pragma once

// The host toolbox library (HOSTEXT.DLL) as the plug-in imports it. The host numbers its routines;
// these are our names for the ones the plug-in calls.

#include <cstdint>

extern "C" {

// Called by the host's resource loader for every resource it loads from the file.
using ResourceByteOrderProc = std::int32_t (*)(std::intptr_t context, std::uint32_t type, std::int32_t index,
                                               void* data);

// Opens the resource file at path for the caller; the result is a reference number, 0 when it failed.
std::int16_t HostExtOpenResourceFile(const char* path, ResourceByteOrderProc byteOrder);
void HostExtReleaseResourceFile(const char* path);

} // extern "C"
