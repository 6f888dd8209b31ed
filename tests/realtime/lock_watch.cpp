#include "tests/realtime/next_definition.h"

#include <pthread.h>
#include <semaphore.h>

#include <ctime>

// Every way a thread waits on another: the mutexes (std::mutex, std::recursive_mutex and the timed ones end here),
// the reader-writer locks (std::shared_mutex), spin locks, conditions (std::condition_variable) and semaphores;
// signalling a condition takes its internal lock, posting a semaphore may wake a waiter. The C library keeps an older
// condition under the same names; the current one is named by its version.

namespace {

constexpr auto kLock = kravo::test::RealtimeCallKind::lock;
constexpr const char* kConditionVersion = "GLIBC_2.3.2";

} // namespace

KRAVO_COUNTED_FUNCTION(kLock, int, pthread_mutex_lock, (pthread_mutex_t* m), (m), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_mutex_trylock, (pthread_mutex_t* m), (m), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_mutex_timedlock, (pthread_mutex_t* m, const timespec* t), (m, t), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_mutex_clocklock, (pthread_mutex_t* m, clockid_t c, const timespec* t),
                       (m, c, t), noexcept)

KRAVO_COUNTED_FUNCTION(kLock, int, pthread_rwlock_rdlock, (pthread_rwlock_t* l), (l), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_rwlock_wrlock, (pthread_rwlock_t* l), (l), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_rwlock_tryrdlock, (pthread_rwlock_t* l), (l), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_rwlock_trywrlock, (pthread_rwlock_t* l), (l), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_rwlock_timedrdlock, (pthread_rwlock_t* l, const timespec* t), (l, t),
                       noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_rwlock_timedwrlock, (pthread_rwlock_t* l, const timespec* t), (l, t),
                       noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_rwlock_clockrdlock, (pthread_rwlock_t* l, clockid_t c, const timespec* t),
                       (l, c, t), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_rwlock_clockwrlock, (pthread_rwlock_t* l, clockid_t c, const timespec* t),
                       (l, c, t), noexcept)

KRAVO_COUNTED_FUNCTION(kLock, int, pthread_spin_lock, (pthread_spinlock_t* l), (l), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_spin_trylock, (pthread_spinlock_t* l), (l), noexcept)

KRAVO_COUNTED_VERSIONED_FUNCTION(kLock, kConditionVersion, int, pthread_cond_wait,
                                 (pthread_cond_t* c, pthread_mutex_t* m), (c, m))
KRAVO_COUNTED_VERSIONED_FUNCTION(kLock, kConditionVersion, int, pthread_cond_timedwait,
                                 (pthread_cond_t* c, pthread_mutex_t* m, const timespec* t), (c, m, t))
KRAVO_COUNTED_FUNCTION(kLock, int, pthread_cond_clockwait,
                       (pthread_cond_t* c, pthread_mutex_t* m, clockid_t k, const timespec* t), (c, m, k, t))
KRAVO_COUNTED_VERSIONED_FUNCTION(kLock, kConditionVersion, int, pthread_cond_signal, (pthread_cond_t* c), (c),
                                 noexcept)
KRAVO_COUNTED_VERSIONED_FUNCTION(kLock, kConditionVersion, int, pthread_cond_broadcast, (pthread_cond_t* c), (c),
                                 noexcept)

KRAVO_COUNTED_FUNCTION(kLock, int, sem_wait, (sem_t* s), (s))
KRAVO_COUNTED_FUNCTION(kLock, int, sem_timedwait, (sem_t* s, const timespec* t), (s, t))
KRAVO_COUNTED_FUNCTION(kLock, int, sem_clockwait, (sem_t* s, clockid_t c, const timespec* t), (s, c, t))
KRAVO_COUNTED_FUNCTION(kLock, int, sem_trywait, (sem_t* s), (s), noexcept)
KRAVO_COUNTED_FUNCTION(kLock, int, sem_post, (sem_t* s), (s), noexcept)
