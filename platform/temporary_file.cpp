#include "platform/temporary_file.h"

#include <cerrno>
#include <random>
#include <string>

namespace platform {

namespace {

constexpr int kTemporaryNameAttempts = 100;

} // namespace

TemporaryFile createTemporaryBeside(const std::filesystem::path& target)
{
    std::random_device entropy;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(entropy()));
        std::string name = ".";
        name += target.filename().string();
        name += '.';
        name += suffix;
        name += ".part";
        TemporaryFile temporary{target, nullptr, 0};
        temporary.path.replace_filename(name);
        temporary.file = std::fopen(temporary.path.c_str(), "wbx");
        if (temporary.file != nullptr)
            return temporary;
        if (errno != EEXIST)
            return {{}, nullptr, errno};
    }
    return {{}, nullptr, EEXIST};
}

} // namespace platform
