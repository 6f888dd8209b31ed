#include "platform/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class SystemClock : public platform::Clock {
public:
    DWORD tickCount() override
    {
        // The steady clock counts from boot on Linux, as the tick count does.
        const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
    }

    void sleep(DWORD milliseconds) override
    {
        if (milliseconds == 0)
            std::this_thread::yield();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

constinit SystemClock systemClock;
constinit std::atomic<platform::Clock*> currentClock{&systemClock};

} // namespace

DWORD GetTickCount()
{
    return currentClock.load()->tickCount();
}

void Sleep(DWORD milliseconds)
{
    currentClock.load()->sleep(milliseconds);
}

namespace platform {

void setClock(Clock* clock)
{
    currentClock.store(clock != nullptr ? clock : &systemClock);
}

} // namespace platform
