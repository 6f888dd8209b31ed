#pragma once

// DSP code as the DSP shell loads it: from the plug-in's host resource file, packed into 24-bit
// words, or as raw bytes from the plug-in's module or from a resource file of our own.

#include "hostlibs/extension/host_extension.h"
#include "platform/win_types.h"

#include <cstdint>

// A new memory handle with the resource of that type and id from the plug-in's resource file: the
// word count, a zero word, then one word per three bytes (first byte highest; for the type 'SACD'
// the last byte highest). Raw: the byte count, then the bytes unchanged. Null when the resource is
// missing; a handle the host cannot give throws -7401.
HostHandle LoadDSPCodeResource(std::uint32_t type, std::int16_t id, bool raw);
// The module's "DSPCODE" resource of that id, its bytes and their count; null when missing.
const void* LoadDSPCode(HMODULE module, std::int16_t id, std::int32_t* size);
// The resource of type 'DSPC' (the module resource type "DSPCODE" where types have four characters)
// and that id in the named resource file: at most `capacity` bytes copied to `destination`, the
// resource's full size to `size`. False when the file cannot be read, is not a resource file or has
// no such resource.
bool LoadDSPCodeFromFile(const char* file, std::int16_t id, std::int32_t* size, std::int32_t capacity,
                         void* destination);
