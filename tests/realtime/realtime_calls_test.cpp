#include "tests/realtime/realtime_calls.h"

#include <gtest/gtest.h>

#include <semaphore.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ctime>
#include <mutex>
#include <shared_mutex>

namespace {

using kravo::test::RealtimeCalls;
using kravo::test::realtimeCallsDuring;

// A counter that stopped seeing one of the calls would pass any audio path.
TEST(RealtimeCalls, HeapCallsLocksSemaphoresAndFileCallsAreEachSeen)
{
    EXPECT_EQ(realtimeCallsDuring([] { void* volatile block = std::malloc(1); std::free(block); }),
              (RealtimeCalls{2, 0, 0}));
    EXPECT_EQ(realtimeCallsDuring([] { int* volatile value = new int(1); delete value; }), (RealtimeCalls{2, 0, 0}));

    std::mutex mutex;
    std::shared_mutex shared;
    std::condition_variable condition;
    EXPECT_EQ(realtimeCallsDuring([&] {
        mutex.lock();
        mutex.unlock();
        if (mutex.try_lock())
            mutex.unlock();
        shared.lock_shared();
        shared.unlock_shared();
        shared.lock();
        shared.unlock();
        condition.notify_one();
    }),
              (RealtimeCalls{0, 5, 0}));

    // Each post is taken by the wait after it, so that none of them blocks.
    sem_t semaphore;
    ASSERT_EQ(sem_init(&semaphore, 0, 0), 0);
    timespec now{};
    ASSERT_EQ(clock_gettime(CLOCK_REALTIME, &now), 0);
    EXPECT_EQ(realtimeCallsDuring([&] {
        sem_post(&semaphore);
        sem_wait(&semaphore);
        sem_post(&semaphore);
        sem_trywait(&semaphore);
        sem_post(&semaphore);
        sem_timedwait(&semaphore, &now);
        sem_post(&semaphore);
        sem_clockwait(&semaphore, CLOCK_REALTIME, &now);
    }),
              (RealtimeCalls{0, 8, 0}));
    sem_destroy(&semaphore);

    // Through the C library's streams and the C++ library's files.
    std::FILE* nowhere = std::fopen("/dev/null", "w");
    ASSERT_NE(nowhere, nullptr);
    // A buffered stream would take its buffer from the heap at its first write.
    std::setvbuf(nowhere, nullptr, _IONBF, 0);
    std::ofstream file("/dev/null");
    EXPECT_EQ(realtimeCallsDuring([&] {
        std::fputs("x", nowhere);
        std::fprintf(nowhere, "%d", 1);
        std::fflush(nowhere);
        file << 'x' << std::flush;
    }),
              (RealtimeCalls{0, 0, 4}));
    std::fclose(nowhere);
}

} // namespace
