#pragma once

// The first half of replacing a file whole: a hidden temporary file beside it, to be written and then
// renamed over it.

#include <cstdio>
#include <filesystem>

namespace platform {

struct TemporaryFile {
    std::filesystem::path path;
    // Open for writing; null when no file could be made.
    std::FILE* file = nullptr;
    // Without a file, why: the errno of the failed creation, EEXIST when every name tried was taken.
    int error = 0;
};

// ".NAME.XXXXXXXX.part" in the target's folder, created exclusively so that two writers never share one.
TemporaryFile createTemporaryBeside(const std::filesystem::path& target);

} // namespace platform
