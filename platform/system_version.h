#pragma once

// The operating system's version as GetVersionExA reports it: the NT family (platform id 2), version 5.1,
// unless a test switches to the Windows 9x family (platform id 1), version 4.10.

#include "platform/win_types.h"

struct OSVERSIONINFOA {
    // Set by the caller to the record's size before the call.
    DWORD size;
    DWORD majorVersion;
    DWORD minorVersion;
    DWORD platformId;
};

// FALSE with ERROR_INVALID_PARAMETER when the record is missing or its size is not set.
BOOL GetVersionExA(OSVERSIONINFOA* info);

namespace platform {

enum class SystemFamily { nt, windows9x };

void setSystemFamily(SystemFamily family);

} // namespace platform
