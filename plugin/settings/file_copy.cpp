#include "plugin/settings/file_copy.h"

#include "platform/windows_paths.h"

#include <cstdio>
#include <filesystem>

namespace kravo {

bool copyFileStream(const char* sourcePath, const char* targetPath)
{
    // Opening the target truncates it, which would destroy a source that is the same file.
    std::error_code error;
    if (std::filesystem::equivalent(platform::nativePath(sourcePath), platform::nativePath(targetPath), error))
        return true;

    std::FILE* source = platform::openFile(sourcePath, "rb");
    if (source == nullptr)
        return false;
    std::FILE* target = platform::openFile(targetPath, "wb");
    if (target == nullptr) {
        std::fclose(source);
        return false;
    }

    constexpr std::size_t kChunkBytes = 16 * 1024;
    char chunk[kChunkBytes];
    bool copied = true;
    for (;;) {
        const std::size_t read = std::fread(chunk, 1, sizeof chunk, source);
        if (read > 0 && std::fwrite(chunk, 1, read, target) != read) {
            copied = false;
            break;
        }
        if (read < sizeof chunk)
            break;
    }
    if (std::ferror(source) != 0)
        copied = false;
    std::fclose(source);
    if (std::fclose(target) != 0)
        copied = false;
    return copied;
}

} // namespace kravo
