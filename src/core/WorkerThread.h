#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kavrotether {

// One thread the program starts, in one of two modes:
//  - loop: a body runs until it returns; it looks at run.stopRequested() and
//    sleeps in run.wait(), which a stop request or wake() ends early;
//  - queue: the owner keeps the items (with its own push rules); the thread
//    calls drainOne() until it answers false, then sleeps until wake() or a
//    stop request.
// stop() asks the thread to end and joins it, waiting at most the given
// time; stopTogether() does so for several threads with one time limit for
// all of them. A thread that does not end in time is left running (warned
// about by name) together with everything its run holds, rather than having
// memory it still uses freed under it; the object may then be destroyed.
// start, stop and close are called by one thread at a time (the owner
// serialises them); wake, requestStop and the queries from any thread.
class WorkerThread
{
public:
    static constexpr int kDefaultStopTimeoutMs = 5000;

    // What one run of the thread sees of itself; it lives as long as the run
    // does, even past the WorkerThread that started it.
    class Run
    {
    public:
        bool stopRequested() const;
        // Sleeps until a stop request, a wake() or the time-out; true when
        // stop was requested.
        bool wait(std::chrono::milliseconds timeout);
        // Without a time-out.
        bool wait();
        // Sleeps until a stop request or the time-out, whatever wakes.
        bool waitForStop(std::chrono::milliseconds timeout);
        const QString &name() const { return m_name; }

    private:
        friend class WorkerThread;
        Run(const WorkerThread *owner, QString name) : m_owner(owner), m_name(std::move(name)) {}
        void requestStop();
        void wake();
        // True once the thread has finished (waiting until the deadline).
        bool waitFinished(std::chrono::steady_clock::time_point deadline);
        void markFinished();

        const WorkerThread *m_owner;
        const QString m_name;
        mutable std::mutex m_lock;
        std::condition_variable m_changed;
        bool m_stop = false;
        bool m_wakePending = false;
        bool m_finished = false;
    };

    explicit WorkerThread(QString name);
    ~WorkerThread();
    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    // Starts a run; an earlier run that is still there is stopped first
    // (bounded). False, starting nothing, when closed, when called from this
    // worker's own thread, or when the earlier run did not end in time.
    bool start(std::function<void(Run &)> body);
    bool startQueue(std::function<bool()> drainOne);

    // Asks the current run to end without waiting for it.
    void requestStop();
    // Wakes the current run's wait (new work, a changed condition).
    void wake();
    // Asks the current run to end and joins it, waiting at most timeoutMs;
    // false when it had to be left running. Nothing running: true at once.
    bool stop(int timeoutMs = kDefaultStopTimeoutMs);
    // Asks every one of the threads to end first, then joins them against
    // one deadline: threads that hang cost the time limit once, not once
    // each. The threads left running (also those left by an earlier stop),
    // in the order given; one warning names those this stop gave up on.
    static std::vector<WorkerThread *> stopTogether(const std::vector<WorkerThread *> &threads,
                                                    int timeoutMs = kDefaultStopTimeoutMs);
    // As requestStop(), and refuses every start until reopen().
    void requestClose();
    // As stop(), and refuses every start until reopen().
    bool close(int timeoutMs = kDefaultStopTimeoutMs);
    void reopen();
    bool isClosed() const;

    // A run was started and its body has not returned yet.
    bool isRunning() const;
    // The last run was asked to stop (false before the first start).
    bool stopRequested() const;
    // On the worker's own thread: waits on that run; elsewhere: on the latest run.
    bool waitForStop(std::chrono::milliseconds timeout);
    bool isCurrentThread() const;
    const QString &name() const { return m_name; }

    // The run of the calling thread when it is a worker's, else null.
    static Run *current();

    // Whether a stop has ever left a thread running in this process. Such a
    // thread may come back from its call at any time and reach whatever the
    // program made: from then on nothing it can reach may be destroyed, and
    // the process ends without taking its objects apart.
    static bool anyLeftRunning();
    // The names of the threads left running whose runs have not ended yet.
    static QStringList stillLeftRunning();

private:
    enum class Join { Ended, LeftRunning, NotWaited };
    // Joins the current run if it ends by the deadline; NotWaited: asked
    // from within the run, or left running by an earlier stop.
    Join joinBy(std::chrono::steady_clock::time_point deadline);
    std::shared_ptr<Run> currentRun() const;

    const QString m_name;
    // Guards the members below; never held while waiting for a thread.
    mutable std::mutex m_control;
    std::shared_ptr<Run> m_run;
    std::thread m_thread;
    bool m_closed = false;
};

} // namespace kavrotether
