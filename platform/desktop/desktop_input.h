#pragma once

// The live input source while the windows show on the desktop: every read of the input pumps SDL's
// events (desktop_events.h) and presents what was drawn since the last present (at most 60 times a
// second), so that a knob drag or an audition loop stays live; GetMessageA sleeps until an SDL event
// comes or the next timer falls due. Steps queued in the input script go first, and are waited for on
// the clock in use, so that tests and scripted runs drive a program on the desktop as they do headless.
// The script's watchdog never runs: a person may leave the program waiting as long as they like.

#include "platform/window/input_source.h"

namespace platform::desktop {

class DesktopEvents;
class DesktopWindows;

class DesktopInput : public InputSource {
public:
    DesktopInput(DesktopWindows& windows, DesktopEvents& events) : windows_(windows), events_(events) {}

    bool pull() override;
    // Sleeps 1 ms, so that a loop polling the input does not keep the processor busy.
    void nothingNew() override;
    bool waitForInput(std::optional<DWORD> deadline) override;

private:
    DesktopWindows& windows_;
    DesktopEvents& events_;
};

} // namespace platform::desktop
