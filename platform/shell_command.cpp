#include "platform/shell_command.h"

#include <cstdlib>
#include <sys/wait.h>

namespace platform {

int runShellCommand(const std::string& commandLine)
{
    const int status = std::system(commandLine.c_str());
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace platform
