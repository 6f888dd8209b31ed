#include "platform/desktop/open_on_desktop.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <system_error>

extern char** environ;

namespace platform::desktop {

bool openOnDesktop(const std::filesystem::path& file)
{
    // The path is the shell's argument, never part of its script, and absolute, so that no name is taken
    // for an option.
    std::error_code error;
    const std::string path = std::filesystem::absolute(file, error).string();
    if (error)
        return false;
    const char* arguments[] = {"sh", "-c", "xdg-open \"$1\" </dev/null >/dev/null &", "sh", path.c_str(), nullptr};
    pid_t shell = 0;
    if (posix_spawn(&shell, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(arguments), environ) != 0)
        return false;
    int status = 0;
    while (waitpid(shell, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace platform::desktop
