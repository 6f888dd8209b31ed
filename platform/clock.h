#pragma once

// Tick count and sleeping, on a clock that tests replace so that time passes without waiting.

#include "platform/win_types.h"

// Milliseconds since the system started, wrapping after 2^32.
DWORD GetTickCount();
void Sleep(DWORD milliseconds);

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual DWORD tickCount() = 0;
    virtual void sleep(DWORD milliseconds) = 0;
};

// A clock that stands still until told; sleeping moves it on by the time slept.
class ManualClock : public Clock {
public:
    explicit ManualClock(DWORD startTicks = 0) : ticks_(startTicks) {}
    DWORD tickCount() override { return ticks_; }
    void sleep(DWORD milliseconds) override { ticks_ += milliseconds; }
    void advance(DWORD milliseconds) { ticks_ += milliseconds; }

private:
    DWORD ticks_;
};

// Makes GetTickCount and Sleep use the clock; null returns to the system clock. The caller keeps the
// clock alive while it is in use.
void setClock(Clock* clock);

} // namespace platform
