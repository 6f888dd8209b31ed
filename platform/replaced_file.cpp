#include "platform/replaced_file.h"

#include <cerrno>

namespace platform {

namespace {

// As many links as the system itself follows in one path before it gives up on a loop.
constexpr int kMaxLinksFollowed = 40;

} // namespace

std::filesystem::path finalLinkTarget(const std::filesystem::path& path, std::error_code& error)
{
    error.clear();
    std::filesystem::path file = path;
    for (int followed = 0; followed <= kMaxLinksFollowed; ++followed) {
        // A file that is not there, or cannot be looked at, is the end; writing it tells what is wrong.
        std::error_code unseen;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, unseen)))
            return file;
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error)
            return {};
        // A relative target is relative to the link's own folder, not to the current one.
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

void renameKeepingPermissions(const std::filesystem::path& temporary, const std::filesystem::path& target,
                              std::error_code& error)
{
    std::error_code absent;
    const std::filesystem::file_status old = std::filesystem::status(target, absent);
    if (std::filesystem::exists(old)) {
        // Only the permission bits: set-user-ID and the like never pass to what a program writes.
        std::filesystem::permissions(temporary, old.permissions() & std::filesystem::perms::all,
                                     std::filesystem::perm_options::replace, error);
        if (error)
            return;
    }
    std::filesystem::rename(temporary, target, error);
}

} // namespace platform
