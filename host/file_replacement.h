#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace host {

// A file that takes its path's place whole or not at all. Its hidden temporary file, beside the file it
// replaces, is created at once, so a path that cannot be written is found before any work is done; the
// temporary takes the path's place only on commit(), and is removed otherwise, leaving an older file
// of that name as it was. A symbolic link as the path stays: the file it leads to is replaced (or
// created, for a dangling link). The new file keeps the permission bits of the one it replaces.
// Throws std::runtime_error naming the path when it cannot be created, written or put in place;
// `kind` names what the file is ("WAV file", "state file").
class FileReplacement {
public:
    FileReplacement(const std::string& path, const std::string& kind);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    const std::string& path() const { return path_; }
    const std::filesystem::path& temporary() const { return temporary_; }
    // Fills the temporary file, every write and its close checked.
    void write(std::span<const std::uint8_t> bytes);
    void commit();

private:
    std::string path_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    bool committed_ = false;
};

} // namespace host
