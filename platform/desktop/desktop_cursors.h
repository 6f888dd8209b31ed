#pragma once

// The cursor in force (SetCursor), shown over the windows on the desktop as SDL's system cursor of the
// same kind; no cursor hides it.

#include "platform/window/window_types.h"

#include <array>
#include <optional>

struct SDL_Cursor;

namespace platform::desktop {

// SDL's system cursor (an SDL_SystemCursor) for one of the system's cursors (platform/window/cursors.h);
// the arrow's for any other handle.
int systemCursorOf(HCURSOR cursor);

class DesktopCursors {
public:
    DesktopCursors() = default;
    ~DesktopCursors();
    DesktopCursors(const DesktopCursors&) = delete;
    DesktopCursors& operator=(const DesktopCursors&) = delete;

    void show(HCURSOR cursor);

private:
    // One per SDL system cursor, made when first shown.
    std::array<SDL_Cursor*, 12> made_{};
    std::optional<HCURSOR> shown_;
};

} // namespace platform::desktop
