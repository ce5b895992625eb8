#include "WorkerThread.h"

#include <QStringList>
#include <QtGlobal>

namespace kavrotether {

namespace {
thread_local WorkerThread::Run *t_currentRun = nullptr;

// The runs every stop gave up on; kept for the whole process.
struct LeftRuns
{
    std::mutex lock;
    std::vector<std::shared_ptr<WorkerThread::Run>> runs;
};

LeftRuns &leftRuns()
{
    // Never destroyed: a thread left running may outlast every static.
    static LeftRuns *const runs = new LeftRuns;
    return *runs;
}
} // namespace

bool WorkerThread::Run::stopRequested() const
{
    std::lock_guard<std::mutex> g(m_lock);
    return m_stop;
}

bool WorkerThread::Run::wait(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> g(m_lock);
    m_changed.wait_for(g, timeout, [this] { return m_stop || m_wakePending; });
    m_wakePending = false;
    return m_stop;
}

bool WorkerThread::Run::wait()
{
    std::unique_lock<std::mutex> g(m_lock);
    m_changed.wait(g, [this] { return m_stop || m_wakePending; });
    m_wakePending = false;
    return m_stop;
}

bool WorkerThread::Run::waitForStop(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> g(m_lock);
    if (timeout.count() > 0)
        m_changed.wait_for(g, timeout, [this] { return m_stop; });
    return m_stop;
}

void WorkerThread::Run::requestStop()
{
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_stop = true;
    }
    m_changed.notify_all();
}

void WorkerThread::Run::wake()
{
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_wakePending = true;
    }
    m_changed.notify_all();
}

bool WorkerThread::Run::waitFinished(std::chrono::steady_clock::time_point deadline)
{
    std::unique_lock<std::mutex> g(m_lock);
    m_changed.wait_until(g, deadline, [this] { return m_finished; });
    return m_finished;
}

void WorkerThread::Run::markFinished()
{
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_finished = true;
    }
    m_changed.notify_all();
}

WorkerThread::WorkerThread(QString name) : m_name(std::move(name)) {}

WorkerThread::~WorkerThread()
{
    stop();
}

WorkerThread::Run *WorkerThread::current()
{
    return t_currentRun;
}

std::shared_ptr<WorkerThread::Run> WorkerThread::currentRun() const
{
    std::lock_guard<std::mutex> g(m_control);
    return m_run;
}

bool WorkerThread::start(std::function<void(Run &)> body)
{
    // A run cannot replace itself: it would have to join its own thread.
    if (isCurrentThread() || isClosed())
        return false;
    if (!stop())
        return false;
    std::lock_guard<std::mutex> g(m_control);
    if (m_closed)
        return false;
    std::shared_ptr<Run> run(new Run(this, m_name));
    m_run = run;
    m_thread = std::thread([run, body = std::move(body)] {
        t_currentRun = run.get();
        body(*run);
        t_currentRun = nullptr;
        run->markFinished();
    });
    return true;
}

bool WorkerThread::startQueue(std::function<bool()> drainOne)
{
    return start([drainOne = std::move(drainOne)](Run &run) {
        while (!run.stopRequested()) {
            if (!drainOne())
                run.wait();
        }
    });
}

void WorkerThread::requestStop()
{
    if (const std::shared_ptr<Run> run = currentRun())
        run->requestStop();
}

void WorkerThread::wake()
{
    if (const std::shared_ptr<Run> run = currentRun())
        run->wake();
}

bool WorkerThread::stop(int timeoutMs)
{
    return stopTogether({this}, timeoutMs).empty();
}

std::vector<WorkerThread *> WorkerThread::stopTogether(const std::vector<WorkerThread *> &threads, int timeoutMs)
{
    for (WorkerThread *thread : threads)
        thread->requestStop();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(qMax(timeoutMs, 0));
    std::vector<WorkerThread *> running;
    QStringList givenUp;
    for (WorkerThread *thread : threads) {
        const Join join = thread->joinBy(deadline);
        if (join != Join::Ended)
            running.push_back(thread);
        if (join == Join::LeftRunning)
            givenUp << QLatin1Char('"') + thread->name() + QLatin1Char('"');
    }
    if (!givenUp.isEmpty())
        qWarning("WorkerThread: %s did not stop within %d ms; left running", qUtf8Printable(givenUp.join(", ")),
                 timeoutMs);
    return running;
}

WorkerThread::Join WorkerThread::joinBy(std::chrono::steady_clock::time_point deadline)
{
    std::shared_ptr<Run> run;
    std::thread thread;
    {
        std::lock_guard<std::mutex> g(m_control);
        run = m_run;
        thread = std::move(m_thread);
    }
    if (!run)
        return Join::Ended;
    run->requestStop();
    if (!thread.joinable()) {
        // Already joined, or left running by an earlier stop: that one was
        // waited for once, it is not waited for again.
        return run->waitFinished(std::chrono::steady_clock::now()) ? Join::Ended : Join::NotWaited;
    }
    if (thread.get_id() == std::this_thread::get_id()) {
        // Asked from within the run: it ends when its body returns.
        std::lock_guard<std::mutex> g(m_control);
        m_thread = std::move(thread);
        return Join::NotWaited;
    }
    if (run->waitFinished(deadline)) {
        thread.join();
        return Join::Ended;
    }
    // The run keeps what it uses alive itself (its body and its state).
    thread.detach();
    {
        LeftRuns &left = leftRuns();
        std::lock_guard<std::mutex> g(left.lock);
        left.runs.push_back(run);
    }
    return Join::LeftRunning;
}

void WorkerThread::requestClose()
{
    {
        std::lock_guard<std::mutex> g(m_control);
        m_closed = true;
    }
    requestStop();
}

bool WorkerThread::close(int timeoutMs)
{
    requestClose();
    return stop(timeoutMs);
}

void WorkerThread::reopen()
{
    std::lock_guard<std::mutex> g(m_control);
    m_closed = false;
}

bool WorkerThread::isClosed() const
{
    std::lock_guard<std::mutex> g(m_control);
    return m_closed;
}

bool WorkerThread::isRunning() const
{
    const std::shared_ptr<Run> run = currentRun();
    return run && !run->waitFinished(std::chrono::steady_clock::now());
}

bool WorkerThread::stopRequested() const
{
    const std::shared_ptr<Run> run = currentRun();
    return run && run->stopRequested();
}

bool WorkerThread::waitForStop(std::chrono::milliseconds timeout)
{
    if (Run *own = current(); own && own->m_owner == this)
        return own->waitForStop(timeout);
    const std::shared_ptr<Run> run = currentRun();
    return run && run->waitForStop(timeout);
}

bool WorkerThread::anyLeftRunning()
{
    LeftRuns &left = leftRuns();
    std::lock_guard<std::mutex> g(left.lock);
    return !left.runs.empty();
}

QStringList WorkerThread::stillLeftRunning()
{
    LeftRuns &left = leftRuns();
    std::lock_guard<std::mutex> g(left.lock);
    QStringList names;
    for (const std::shared_ptr<Run> &run : left.runs)
        if (!run->waitFinished(std::chrono::steady_clock::now()))
            names << run->name();
    return names;
}

bool WorkerThread::isCurrentThread() const
{
    const Run *own = current();
    return own && own->m_owner == this;
}

} // namespace kavrotether
