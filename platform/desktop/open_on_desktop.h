#pragma once

// Opening a document with the program the desktop associates with it: what ShellExecuteA does while the
// windows show on the desktop (headless it only records the call).

#include <filesystem>

namespace platform::desktop {

// Hands the file to xdg-open and returns without waiting for the program it starts; false when that could
// not be set going. No child is left behind: a shell starts xdg-open in the background and ends at once,
// and is waited for, so that xdg-open is the system's to reap.
bool openOnDesktop(const std::filesystem::path& file);

} // namespace platform::desktop
