#include "platform/shell/shell_execute.h"

#include "platform/desktop/desktop_switch.h"
#include "platform/desktop/open_on_desktop.h"
#include "platform/last_error.h"
#include "platform/windows_paths.h"

#include <strings.h>

#include <filesystem>

namespace {

constexpr INT_PTR kOpened = 42;

std::vector<platform::ShellExecuteCall>& calls()
{
    static std::vector<platform::ShellExecuteCall> recorded;
    return recorded;
}

std::string text(LPCSTR value)
{
    return value != nullptr ? value : "";
}

bool opens(LPCSTR operation, LPCSTR file)
{
    if ((operation != nullptr && strcasecmp(operation, "open") != 0) || file == nullptr || *file == '\0')
        return false;
    std::error_code error;
    return std::filesystem::exists(platform::nativePath(file), error);
}

} // namespace

HINSTANCE ShellExecuteA(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        INT showCommand)
{
    const INT_PTR answer = opens(operation, file) ? kOpened : ERROR_FILE_NOT_FOUND;
    if (answer == kOpened && platform::desktop::showing())
        platform::desktop::openOnDesktop(platform::nativePath(file));
    calls().push_back({.owner = owner,
                       .operation = text(operation),
                       .file = text(file),
                       .parameters = text(parameters),
                       .directory = text(directory),
                       .showCommand = showCommand,
                       .answer = answer});
    return reinterpret_cast<HINSTANCE>(answer);
}

namespace platform {

std::vector<ShellExecuteCall> recordedShellExecutes()
{
    return calls();
}

void resetShellExecutes()
{
    calls().clear();
}

} // namespace platform
