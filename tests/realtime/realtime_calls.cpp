#include "tests/realtime/realtime_calls.h"

#include <atomic>

namespace kravo::test {

namespace {

std::atomic<bool> regionOpen{false};
std::atomic<std::size_t> heapCalls{0};
std::atomic<std::size_t> lockCalls{0};
std::atomic<std::size_t> ioCalls{0};

} // namespace

RealtimeCalls& RealtimeCalls::operator+=(const RealtimeCalls& other)
{
    heap += other.heap;
    locks += other.locks;
    io += other.io;
    return *this;
}

std::ostream& operator<<(std::ostream& out, const RealtimeCalls& calls)
{
    return out << calls.heap << " heap calls, " << calls.locks << " locks, " << calls.io << " file or console calls";
}

void noteRealtimeCall(RealtimeCallKind kind)
{
    if (!regionOpen.load())
        return;
    switch (kind) {
    case RealtimeCallKind::heap: ++heapCalls; break;
    case RealtimeCallKind::lock: ++lockCalls; break;
    case RealtimeCallKind::io: ++ioCalls; break;
    }
}

RealtimeCalls realtimeCallsDuring(const std::function<void()>& work)
{
    heapCalls = 0;
    lockCalls = 0;
    ioCalls = 0;
    regionOpen = true;
    work();
    regionOpen = false;
    return {heapCalls.load(), lockCalls.load(), ioCalls.load()};
}

} // namespace kravo::test
