#pragma once

#include <string>

namespace platform {

// Runs a command line through the system shell and answers its exit code
// (-1 when it did not exit normally).
int runShellCommand(const std::string& commandLine);

} // namespace platform
