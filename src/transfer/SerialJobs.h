#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <mutex>

#include "core/WorkerThread.h"

namespace kavrotether {

// One transfer worker's thread: jobs run one after the other, in the order
// they were posted. The thread starts with the first job; after close()
// nothing runs any more.
class SerialJobs
{
public:
    explicit SerialJobs(const QString &name) : m_thread(name) {}
    ~SerialJobs() { close(); }

    void post(std::function<void()> job)
    {
        {
            std::lock_guard<std::mutex> g(m_lock);
            if (m_closed)
                return;
            m_jobs.push_back(std::move(job));
            if (!m_started)
                m_started = m_thread.startQueue([this] { return runOne(); });
        }
        m_thread.wake();
    }

    // Drops the jobs not started yet and joins the thread (bounded).
    bool close(int timeoutMs = WorkerThread::kDefaultStopTimeoutMs)
    {
        {
            std::lock_guard<std::mutex> g(m_lock);
            m_closed = true;
            m_jobs.clear();
        }
        return m_thread.close(timeoutMs);
    }

    bool isCurrentThread() const { return m_thread.isCurrentThread(); }

private:
    bool runOne()
    {
        std::function<void()> job;
        {
            std::lock_guard<std::mutex> g(m_lock);
            if (m_jobs.empty())
                return false;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
        return true;
    }

    WorkerThread m_thread;
    std::mutex m_lock;
    std::deque<std::function<void()>> m_jobs;
    bool m_started = false;
    bool m_closed = false;
};

} // namespace kavrotether
