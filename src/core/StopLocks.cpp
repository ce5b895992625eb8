#include "StopLocks.h"

#include <QtGlobal>

#include <algorithm>

namespace kavrotether {

void StopLocks::settle(const void *mutex, bool had, qint64 leftMs, const char *lock, const char *step)
{
    m_leftMs.store(int(leftMs));
    std::lock_guard<std::mutex> g(m_givenUpLock);
    const auto it = std::find(m_givenUp.begin(), m_givenUp.end(), mutex);
    if (had) {
        if (it != m_givenUp.end())
            m_givenUp.erase(it);
        return;
    }
    if (it == m_givenUp.end())
        m_givenUp.push_back(mutex);
    qWarning("a camera call holds %s; %s goes on without it", lock, step);
}

void StopLocks::reset()
{
    m_leftMs.store(WorkerThread::kDefaultStopTimeoutMs);
    std::lock_guard<std::mutex> g(m_givenUpLock);
    m_givenUp.clear();
}

bool StopLocks::anyGivenUp() const
{
    std::lock_guard<std::mutex> g(m_givenUpLock);
    return !m_givenUp.empty();
}

bool StopLocks::givenUp(const void *mutex) const
{
    std::lock_guard<std::mutex> g(m_givenUpLock);
    return std::find(m_givenUp.begin(), m_givenUp.end(), mutex) != m_givenUp.end();
}

} // namespace kavrotether
