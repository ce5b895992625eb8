#include <QFile>
#include <QProcess>
#include <QSharedMemory>
#include <QtTest>

#if defined(Q_OS_LINUX)
#include <sys/ipc.h>
#include <sys/shm.h>
#endif

// Runs the real program as separate processes: the guard is only meaningful
// between processes.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    static QString program() { return QStringLiteral(KAVROTETHER_PATH); }

    // The copy holds the guard segment once a System V segment is mapped into
    // it (the probe handle is always detached again before the guard attaches).
    static bool holdsGuard(const QProcess &p)
    {
        if (p.state() != QProcess::Running)
            return false;
        QFile maps(QStringLiteral("/proc/%1/maps").arg(p.processId()));
        if (!maps.open(QIODevice::ReadOnly))
            return false;
        return maps.readAll().contains("SYSV");
    }

    static void startCopy(QProcess &p)
    {
        p.setProgram(program());
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start();
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
    }

    static void expectRefused()
    {
        QProcess second;
        startCopy(second);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
    }

    static void stop(QProcess &p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.kill();
        p.waitForFinished(10000);
    }

private slots:
    void initTestCase()
    {
#if !defined(Q_OS_LINUX)
        QSKIP("reads /proc to see which copy holds the guard");
#endif
        QVERIFY(QFile::exists(program()));
    }

    void secondCopyExitsAndFirstKeepsRunning()
    {
        QProcess first;
        startCopy(first);
        QTRY_VERIFY_WITH_TIMEOUT(holdsGuard(first), 60000);

        expectRefused();
        QCOMPARE(first.state(), QProcess::Running);
        // A refused copy does not disturb the guard either.
        expectRefused();
        QVERIFY(holdsGuard(first));
        stop(first);
    }

    void killedCopyDoesNotBlockTheNext()
    {
        QProcess first;
        startCopy(first);
        QTRY_VERIFY_WITH_TIMEOUT(holdsGuard(first), 60000);
        // Killed: it cannot detach, so its segment stays behind.
        stop(first);

        QProcess next;
        startCopy(next);
        QTRY_VERIFY_WITH_TIMEOUT(holdsGuard(next) || next.state() == QProcess::NotRunning, 60000);
        QVERIFY2(next.state() == QProcess::Running, qPrintable(QStringLiteral("exit code %1").arg(next.exitCode())));
        expectRefused();
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
    }

    // A killed copy's segment can sit under the very key a brand-new key
    // file gets (the file system hands a freed inode out again): the copy
    // must clear it and hold the guard, not run unguarded. Whether the new
    // file gets the freed inode is up to the file system, so a few rounds
    // are tried and only a round that met the stale key counts.
    void staleSegmentUnderAFreshKeyFile()
    {
#if defined(Q_OS_LINUX)
        const QString keyFile = QSharedMemory(QStringLiteral("KAVROTether_shmem")).nativeKey();
        const QByteArray path = QFile::encodeName(keyFile);
        int met = 0;
        for (int round = 0; round < 12 && met == 0; ++round) {
            QFile::remove(keyFile);
            QFile file(keyFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            const key_t key = ftok(path.constData(), 'Q');
            QVERIFY(key != -1);
            const int stale = shmget(key, 1, IPC_CREAT | 0600);
            QVERIFY(stale != -1);
            QFile::remove(keyFile);

            QProcess copy;
            startCopy(copy);
            QTRY_VERIFY_WITH_TIMEOUT(holdsGuard(copy) || copy.state() == QProcess::NotRunning, 20000);
            const bool sameKey = ftok(path.constData(), 'Q') == key;
            const bool held = holdsGuard(copy);
            stop(copy);
            shmctl(stale, IPC_RMID, nullptr);
            if (sameKey) {
                ++met;
                QVERIFY(held);
            }
        }
        if (met == 0)
            QSKIP("no new key file got a freed inode back");
#endif
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
