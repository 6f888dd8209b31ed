#pragma once

// What the person does on the desktop, as the window stand-in hears of it: SDL's events turned into the
// same input, messages and key state as scripted input makes (platform/window/input_events.h).
// - The mouse in a window of ours moves the pointer there on the screen; a button (left, right, middle)
//   goes down or up where the pointer is; the wheel turns WHEEL_DELTA a notch, away from the person
//   positive. A button changes even when its event names no window of ours, so that none stays held.
// - Keys (desktop_keys.h) go down and up; before any other key, Shift, Ctrl and Alt are brought to the
//   state SDL tells with it. Characters come from the keys through TranslateMessage, as with scripted
//   keys; typed text adds WM_CHAR, in the order typed, only for the characters no key gives there
//   (the Latin-1 characters above ASCII), and the rest of it is dropped.
// - Closing a window posts WM_CLOSE to it (posted, not sent, so that no window is destroyed under a
//   modal loop in the middle of its input read); moving it moves its window; a window uncovered shows
//   its pixels again.
// - Dropped files play a drag from another program (desktop_drops.h).

#include "platform/desktop/desktop_drops.h"
#include "platform/window/window_types.h"

#include <cstdint>
#include <optional>

union SDL_Event;

namespace platform::desktop {

class DesktopWindows;

class DesktopEvents {
public:
    explicit DesktopEvents(DesktopWindows& windows) : windows_(windows), drops_(windows) {}

    void handle(const SDL_Event& event);
    // The screen point of a point in the SDL window's coordinates; nothing for a window not ours.
    std::optional<POINT> screenPoint(std::uint32_t sdlId, int x, int y) const;

private:
    DesktopWindows& windows_;
    DesktopDrops drops_;
};

} // namespace platform::desktop
