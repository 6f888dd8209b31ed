#include "platform/window/cursors.h"

#include "platform/desktop/desktop_switch.h"
#include "platform/last_error.h"
#include "platform/window/ui_thread.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {

// Handles of the system's cursors and icon: numbers that no other handle takes.
constexpr std::uintptr_t kCursorHandles = 0x5000'0000;
constexpr std::uintptr_t kIconHandles = 0x5100'0000;

const std::array<LPCSTR, 9>& systemCursors()
{
    static const std::array<LPCSTR, 9> names{
        IDC_ARROW, IDC_WAIT, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_SIZENESW, IDC_SIZENWSE, IDC_NO, IDC_HAND};
    return names;
}

HCURSOR arrow()
{
    return reinterpret_cast<HCURSOR>(kCursorHandles);
}

HCURSOR current = arrow();

std::nullptr_t refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

} // namespace

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    platform::window::checkThread();
    if (instance != nullptr)
        return refuse();
    const std::array<LPCSTR, 9>& names = systemCursors();
    for (std::size_t index = 0; index < names.size(); ++index)
        if (names[index] == name)
            return reinterpret_cast<HCURSOR>(kCursorHandles + index);
    return refuse();
}

HCURSOR SetCursor(HCURSOR cursor)
{
    platform::window::checkThread();
    const HCURSOR previous = std::exchange(current, cursor);
    platform::desktop::cursorChanged(cursor);
    return previous;
}

HCURSOR GetCursor()
{
    platform::window::checkThread();
    return current;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name)
{
    platform::window::checkThread();
    if (instance != nullptr || name != IDI_APPLICATION)
        return refuse();
    return reinterpret_cast<HICON>(kIconHandles);
}

namespace platform::window {

void forgetCursor()
{
    current = arrow();
}

} // namespace platform::window
