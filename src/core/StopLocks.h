#pragma once

#include <QElapsedTimer>

#include <atomic>
#include <chrono>
#include <mutex>
#include <type_traits>
#include <vector>

#include "WorkerThread.h"

namespace kavrotether {

// The lock if it can be had within `wait`, else none (owns_lock() false):
// Qt's mutexes and the standard timed ones alike.
template<typename Mutex>
std::unique_lock<Mutex> lockWithin(Mutex &mutex, std::chrono::milliseconds wait)
{
    bool had;
#if defined(__SANITIZE_THREAD__)
    // The thread sanitizer of GCC 12 does not see the steady clock's
    // pthread_mutex_clocklock of the standard timed mutexes, only
    // pthread_mutex_timedlock against the system clock.
    if constexpr (std::is_same_v<Mutex, std::timed_mutex> || std::is_same_v<Mutex, std::recursive_timed_mutex>)
        had = mutex.try_lock_until(std::chrono::system_clock::now() + wait);
    else
#endif
        had = mutex.try_lock_for(wait);
    return had ? std::unique_lock<Mutex>(mutex, std::adopt_lock) : std::unique_lock<Mutex>(mutex, std::defer_lock);
}

// The locks that the steps of a stop or of the close take on the interface's
// thread and that a thread a stop had to leave in a camera call may hold for
// good: the SDK lock, a network camera's lock, the camera table, live view's
// run lock, the certificate files. All of them together are waited for no
// longer than one stop's time limit: each step waits what is left of that
// allowance, and once it is spent the others only try. A step that gets no
// lock does not do what needed it; the lock counts as given up until a later
// step has it, and while one does the program ends without taking anything
// apart.
class StopLocks
{
public:
    // The lock, or (owns_lock() false) none when the allowance ran out first.
    // `lock` and `step` name both in the log.
    template<typename Mutex>
    std::unique_lock<Mutex> take(Mutex &mutex, const char *lock, const char *step)
    {
        const int left = m_leftMs.load();
        QElapsedTimer waited;
        waited.start();
        std::unique_lock<Mutex> g = lockWithin(mutex, std::chrono::milliseconds(left));
        settle(&mutex, g.owns_lock(), g.owns_lock() ? qMax<qint64>(0, left - waited.elapsed()) : 0, lock, step);
        return g;
    }
    // Whoever held a lock has let it go (the SDK starts again): the whole
    // allowance again, nothing given up.
    void reset();
    bool anyGivenUp() const;
    bool givenUp(const void *mutex) const;

private:
    void settle(const void *mutex, bool had, qint64 leftMs, const char *lock, const char *step);

    std::atomic<int> m_leftMs{WorkerThread::kDefaultStopTimeoutMs};
    mutable std::mutex m_givenUpLock;
    std::vector<const void *> m_givenUp;
};

} // namespace kavrotether
