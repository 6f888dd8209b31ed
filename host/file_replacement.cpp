#include "host/file_replacement.h"

#include "platform/replaced_file.h"
#include "platform/temporary_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace host {

namespace {

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

std::string failure(const char* what, const std::string& path, const std::string& reason)
{
    std::string text = what;
    text += ' ';
    text += path;
    text += ": ";
    text += reason;
    return text;
}

// Opened exclusively, so two runs writing into one folder never share a temporary.
std::filesystem::path reserveTemporaryBeside(const std::filesystem::path& target, const std::string& path)
{
    const platform::TemporaryFile temporary = platform::createTemporaryBeside(folderOf(target) / target.filename());
    if (temporary.file == nullptr)
        throw std::runtime_error(failure("cannot create", path,
            temporary.error == EEXIST ? "no free name for its temporary file" : std::strerror(temporary.error)));
    std::fclose(temporary.file);
    return temporary.path;
}

} // namespace

FileReplacement::FileReplacement(const std::string& path, const std::string& kind) : path_(path)
{
    // Through a link, the file it points to is replaced and the link stays.
    std::error_code error;
    target_ = platform::finalLinkTarget(path, error);
    if (error)
        throw std::runtime_error(failure("cannot write", path, error.message()));
    const auto status = std::filesystem::status(target_, error);
    if (std::filesystem::is_directory(status))
        throw std::runtime_error(path + " is a folder, not a " + kind);
    // A device or a pipe in the path's place would itself be replaced by the rename.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw std::runtime_error(failure("cannot write", path, "it is not a regular file"));
    const std::filesystem::path folder = folderOf(target_);
    if (!std::filesystem::is_directory(folder, error))
        throw std::runtime_error(failure("cannot create", path, "there is no folder " + folder.string()));
    temporary_ = reserveTemporaryBeside(target_, path);
}

FileReplacement::~FileReplacement()
{
    if (!committed_) {
        std::error_code error;
        std::filesystem::remove(temporary_, error);
    }
}

void FileReplacement::write(std::span<const std::uint8_t> bytes)
{
    std::FILE* file = std::fopen(temporary_.c_str(), "wb");
    if (file == nullptr)
        throw std::runtime_error(failure("cannot write", path_, std::strerror(errno)));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const int writeError = errno;
    if (std::fclose(file) != 0 || !written)
        throw std::runtime_error(failure("cannot write", path_, std::strerror(written ? errno : writeError)));
}

void FileReplacement::commit()
{
    std::error_code error;
    platform::renameKeepingPermissions(temporary_, target_, error);
    if (error)
        throw std::runtime_error(failure("cannot write", path_, error.message()));
    committed_ = true;
}

} // namespace host
