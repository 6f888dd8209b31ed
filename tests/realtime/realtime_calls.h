#pragma once

#include <cstddef>
#include <functional>
#include <ostream>

namespace kravo::test {

// What the audio path must never do, counted apart so that a failure says which it did.
struct RealtimeCalls {
    // Every allocation and every free of a block, through the C functions or any operator new and delete.
    std::size_t heap = 0;
    // Every lock taken, tried or waited for (mutexes, reader-writer and spin locks), every condition waited on or
    // signalled, and every semaphore waited on, tried or posted.
    std::size_t locks = 0;
    // Every file or console read, write, open, close, flush or status query.
    std::size_t io = 0;

    RealtimeCalls& operator+=(const RealtimeCalls& other);
    bool operator==(const RealtimeCalls&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RealtimeCalls& calls);

// The calls made on any thread while work runs. Calls do not nest.
RealtimeCalls realtimeCallsDuring(const std::function<void()>& work);

enum class RealtimeCallKind { heap, lock, io };

// For the functions this program takes over: counts the call if work is running.
void noteRealtimeCall(RealtimeCallKind kind);

} // namespace kravo::test
