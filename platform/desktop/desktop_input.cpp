#include "platform/desktop/desktop_input.h"

#include "platform/clock.h"
#include "platform/desktop/desktop_events.h"
#include "platform/desktop/desktop_windows.h"
#include "platform/window/scripted_input.h"

#include <SDL.h>

#include <cstdint>

namespace {

// Tick counts wrap after 2^32 ms: compared by their difference.
std::int32_t ticksAfter(DWORD time, DWORD since)
{
    return static_cast<std::int32_t>(time - since);
}

void sleepUntil(DWORD time)
{
    const DWORD now = GetTickCount();
    if (ticksAfter(time, now) > 0)
        Sleep(time - now);
}

} // namespace

namespace platform::desktop {

bool DesktopInput::pull()
{
    bool arrived = scriptedInput().pull();
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        events_.handle(event);
        arrived = true;
    }
    windows_.presentDue();
    return arrived;
}

void DesktopInput::nothingNew()
{
    Sleep(1);
}

bool DesktopInput::waitForInput(std::optional<DWORD> deadline)
{
    windows_.presentDrawn();
    if (const std::optional<DWORD> step = scriptedInput().nextStep()) {
        // The script's time: on a clock of a test's own it passes without waiting.
        sleepUntil(deadline && ticksAfter(*step, *deadline) > 0 ? *deadline : *step);
        return true;
    }
    if (!deadline) {
        SDL_WaitEvent(nullptr);
        return true;
    }
    const std::int32_t left = ticksAfter(*deadline, GetTickCount());
    // A clock of a test's own does not move while SDL waits: it is moved on to the timer.
    if (left > 0 && SDL_WaitEventTimeout(nullptr, left) == 0)
        sleepUntil(*deadline);
    return true;
}

} // namespace platform::desktop
