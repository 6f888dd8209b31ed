#pragma once

// Opening a document with the program the system associates with it. The stand-in checks that the file
// exists and records the call, so that tests can see what would be opened. Only while the windows show on
// the desktop does it open the file for real (platform/desktop/open_on_desktop.h): a headless run or a
// test never starts another program.

#include "platform/show_window_command.h"
#include "platform/win_types.h"

#include <string>
#include <vector>

// The verb is "open" (any case) or null for it. Answers, as the handle's value, 42 when the file
// exists (the path goes through the drive mapping), else 2 (file not found); 2 as well for another verb.
HINSTANCE ShellExecuteA(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        INT showCommand);

namespace platform {

struct ShellExecuteCall {
    HWND owner = nullptr;
    // Null texts are recorded empty.
    std::string operation;
    std::string file;
    std::string parameters;
    std::string directory;
    INT showCommand = 0;
    INT_PTR answer = 0;
};

std::vector<ShellExecuteCall> recordedShellExecutes();
void resetShellExecutes();

} // namespace platform
