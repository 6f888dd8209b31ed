#include "host/file_replacement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <stdexcept>

namespace host {

namespace {

constexpr int kTemporaryNameAttempts = 100;

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
std::filesystem::path createTemporaryBeside(const std::string& path)
{
    const std::filesystem::path target(path);
    std::random_device entropy;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(entropy()));
        std::string name = ".";
        name += target.filename().string();
        name += '.';
        name += suffix;
        name += ".part";
        const std::filesystem::path candidate = folderOf(target) / name;
        if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
            std::fclose(file);
            return candidate;
        }
        if (errno != EEXIST)
            throw std::runtime_error(failure("cannot create", path, std::strerror(errno)));
    }
    throw std::runtime_error(failure("cannot create", path, "no free name for its temporary file"));
}

} // namespace

FileReplacement::FileReplacement(const std::string& path, const std::string& kind) : path_(path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::is_directory(status))
        throw std::runtime_error(path + " is a folder, not a " + kind);
    // A device or a pipe in the path's place would itself be replaced by the rename.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw std::runtime_error(failure("cannot write", path, "it is not a regular file"));
    const std::filesystem::path folder = folderOf(path);
    if (!std::filesystem::is_directory(folder, error))
        throw std::runtime_error(failure("cannot create", path, "there is no folder " + folder.string()));
    temporary_ = createTemporaryBeside(path);
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
    std::filesystem::rename(temporary_, path_, error);
    if (error)
        throw std::runtime_error(failure("cannot write", path_, error.message()));
    committed_ = true;
}

} // namespace host
