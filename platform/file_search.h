#pragma once

// Folder listing in the shape of the Windows file search. The pattern is a folder, a separator and a name
// pattern ("C:\Kravo\Samples\*", "C:\Kravo\DrumPresets\BD\*.dpr"); the folder goes through the drive mapping.
// Names match without regard to case, "*" standing for any run of characters and "?" for one. Entries
// come sorted by name, "." and ".." first in every folder but a drive's root. A name starting with "." is
// hidden, as Linux has it.

#include "platform/win_types.h"

#include <string>

inline constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x00000002;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes = 0;
    CHAR cFileName[MAX_PATH] = {};
};

// INVALID_HANDLE_VALUE when the folder cannot be listed or nothing matches.
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* found);
BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* found);
BOOL FindClose(HANDLE search);

namespace platform {

bool matchesWildcard(const std::string& pattern, const std::string& name);

} // namespace platform
