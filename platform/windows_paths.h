#pragma once

// The one mapping from Windows-style paths to the Linux file system, and the file entry points that use it.
//
// "X:\a\b" (any drive letter, either case, "\" or "/" as separator) maps to <drive root>/x/a/b, the drive
// folder named by the lower-case letter. A path starting with a backslash is on drive C. Any other
// path not starting with "/" is relative: its backslashes become slashes. A path starting with "/" is
// already a Linux path and passes through unchanged. In a drive path "." and ".." resolve by name and
// stop at the drive's root, as on Windows. Names below the drive root keep their case.
//
// The drive root is, in this order: the folder set with setDriveRoot(), the environment variable
// KRAVO_DRIVE_ROOT, $XDG_DATA_HOME/kravo/drive, ~/.local/share/kravo/drive.

#include <cstdio>
#include <filesystem>

namespace platform {

std::filesystem::path driveRoot();

// Points the drive root at a folder (tests); an empty path returns to the environment's choice.
void setDriveRoot(const std::filesystem::path& folder);

std::filesystem::path nativePath(const char* path);

// True for a path naming the root folder of a drive ("C:\", "c:", "\"), or "/".
bool isRootFolder(const char* path);

// std::fopen and std::remove on the mapped path; every file the plug-in reads, writes or deletes goes here.
FILE* openFile(const char* path, const char* mode);
int removeFile(const char* path);

} // namespace platform
