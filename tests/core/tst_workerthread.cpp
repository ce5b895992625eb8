// The worker-thread class where it can go wrong: a request made before the
// body waits must not be lost, a thread that does not stop must neither
// hang its owner nor lose what it still uses, and threads stopped together
// share one time limit.

#include <QSemaphore>
#include <QTest>

#include <atomic>
#include <memory>

#include "core/WorkerThread.h"

using namespace kavrotether;

class TestWorkerThread : public QObject
{
    Q_OBJECT

private slots:
    void requestBeforeWaitIsKept_data();
    void requestBeforeWaitIsKept();
    void stuckThreadIsLeftRunning();
    void threadsStoppedTogether();
};

void TestWorkerThread::requestBeforeWaitIsKept_data()
{
    QTest::addColumn<bool>("stop");
    QTest::newRow("stop request") << true;
    QTest::newRow("wake-up") << false;
}

void TestWorkerThread::requestBeforeWaitIsKept()
{
    QFETCH(bool, stop);
    QSemaphore posted;
    QSemaphore woken;
    WorkerThread worker(QStringLiteral("test worker"));
    QVERIFY(worker.start([&](WorkerThread::Run &run) {
        // The request is made while the body has not reached its wait.
        posted.acquire();
        if (run.wait())
            return;
        woken.release();
        while (!run.wait()) {
        }
    }));
    if (stop)
        worker.requestStop();
    else
        worker.wake();
    posted.release();
    if (!stop)
        QVERIFY(woken.tryAcquire(1, 30000));
    // Bounded, so a lost request shows as a failure, not a hang.
    QVERIFY(worker.stop(30000));
    QVERIFY(!worker.isRunning());
}

void TestWorkerThread::stuckThreadIsLeftRunning()
{
    auto release = std::make_shared<QSemaphore>();
    auto used = std::make_shared<std::atomic<int>>(0);
    {
        WorkerThread worker(QStringLiteral("stuck worker"));
        QVERIFY(worker.start([release, used](WorkerThread::Run &run) {
            // Ignores the stop request until the test lets it go.
            release->acquire();
            // What it holds is still there after its owner is gone.
            used->store(run.stopRequested() ? 2 : 1);
        }));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("\"stuck worker\" did not stop")));
        QVERIFY(!worker.stop(50));
        QVERIFY(worker.isRunning());
        // A second thread of the same role does not start beside it.
        QVERIFY(!worker.start([](WorkerThread::Run &) {}));
    }
    release->release();
    QTRY_COMPARE(used->load(), 2);
}

// A stuck thread among others that end: it alone is left running, named in
// the one warning of the stop.
void TestWorkerThread::threadsStoppedTogether()
{
    auto release = std::make_shared<QSemaphore>();
    WorkerThread first(QStringLiteral("ends first")), stuck(QStringLiteral("stuck")), last(QStringLiteral("ends last"));
    QVERIFY(stuck.start([release](WorkerThread::Run &) { release->acquire(); }));
    for (WorkerThread *w : {&first, &last})
        QVERIFY(w->start([](WorkerThread::Run &run) { run.wait(); }));
    // Idle threads end within the limit even on a loaded machine or in the
    // sanitizer build; only the stuck one outlasts it.
    QTest::ignoreMessage(QtWarningMsg, "WorkerThread: \"stuck\" did not stop within 2000 ms; left running");
    QTest::failOnWarning(QRegularExpression(QStringLiteral("did not stop")));
    const std::vector<WorkerThread *> left = WorkerThread::stopTogether({&first, &stuck, &last}, 2000);
    QCOMPARE(left, std::vector<WorkerThread *>{&stuck});
    QVERIFY(!first.isRunning() && !last.isRunning());
    release->release();
    QTRY_VERIFY(!stuck.isRunning());
}

QTEST_GUILESS_MAIN(TestWorkerThread)
#include "tst_workerthread.moc"
