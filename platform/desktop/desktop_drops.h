#pragma once

// Files dropped on the windows from the desktop, played as a drag from another program
// (platform/ole/simulated_drag.h) at the pointer: it enters, moves over and drops there, with the left
// button held and copying or moving allowed, carrying the files' paths as the desktop gives them.

#include "platform/window/window_types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::desktop {

class DesktopWindows;

class DesktopDrops {
public:
    explicit DesktopDrops(const DesktopWindows& windows) : windows_(windows) {}

    // SDL brackets the files of one drop between a begin and a complete; a file outside them is a drop of
    // its own. The SDL window the files were dropped on is named by its id.
    void begin();
    void file(std::string path, std::uint32_t sdlId);
    void complete(std::uint32_t sdlId);

private:
    void drop(std::vector<std::string> files, std::uint32_t sdlId);
    POINT dropPoint(std::uint32_t sdlId) const;

    const DesktopWindows& windows_;
    std::optional<std::vector<std::string>> collecting_;
};

} // namespace platform::desktop
