#pragma once

// The second half of replacing a file whole (the first is temporary_file.h): where the new file goes, and
// how it takes the old one's place.

#include <filesystem>
#include <system_error>

namespace platform {

// The file a write to `path` lands in: for a symbolic link, or a chain of them, the last one's target, which
// need not exist yet; otherwise `path` itself. `error` is set (too many levels of links) for a loop of links.
std::filesystem::path finalLinkTarget(const std::filesystem::path& path, std::error_code& error);

// Renames `temporary` over `target`, first giving it the permission bits of the file it replaces; with no
// file there it keeps the mode it was created with.
void renameKeepingPermissions(const std::filesystem::path& temporary, const std::filesystem::path& target,
                              std::error_code& error);

} // namespace platform
