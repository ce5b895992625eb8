#include <QFile>
#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

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
    static QString guardName() { return QStringLiteral("KAVROTether_shmem"); }

    // The copy holds the guard once it has mapped a segment of its own making
    // that the key of its key file names now. A copy maps other segments on
    // its way there (its probe's look at a left segment, its check of another
    // folder's stamp) and leaves them again, but it makes a segment only to
    // take the guard and keeps that one until it ends: seeing "a mapping"
    // could catch one of the passing ones.
    static bool holdsGuard(const QProcess &p)
    {
#if defined(Q_OS_LINUX)
        if (p.state() != QProcess::Running)
            return false;
        const key_t key = ftok(QFile::encodeName(QSharedMemory(guardName()).nativeKey()).constData(), 'Q');
        const int id = key == -1 ? -1 : shmget(key, 0, 0);
        shmid_ds state{};
        if (id == -1 || shmctl(id, IPC_STAT, &state) == -1 || state.shm_cpid != p.processId())
            return false;
        QFile maps(QStringLiteral("/proc/%1/maps").arg(p.processId()));
        if (!maps.open(QIODevice::ReadOnly))
            return false;
        // A System V mapping gives the segment's id as its inode.
        const QByteArray inode = QByteArray::number(id);
        for (const QByteArray &line : maps.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() >= 6 && fields.at(4) == inode && fields.at(5).startsWith("/SYSV"))
                return true;
        }
#else
        Q_UNUSED(p)
#endif
        return false;
    }

    // What a copy did, for a failure message.
    static QByteArray describe(QProcess &p)
    {
        QString state;
        if (p.state() != QProcess::NotRunning)
            state = QStringLiteral("still running (pid %1), %2the guard")
                        .arg(p.processId())
                        .arg(holdsGuard(p) ? QString() : QStringLiteral("not holding "));
        else if (p.exitStatus() == QProcess::CrashExit)
            state = QStringLiteral("ended by a signal");
        else
            state = QStringLiteral("exited with code %1").arg(p.exitCode());
        return state.toLocal8Bit() + "; stderr: " + p.readAllStandardError().right(2000);
    }

    static void startCopy(QProcess &p)
    {
        p.setProgram(program());
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start();
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
    }

    // Waits until the copy holds the guard or has ended, whichever is first.
    static bool takesGuard(QProcess &p)
    {
        (void)QTest::qWaitFor([&] { return holdsGuard(p) || p.state() == QProcess::NotRunning; }, 60000);
        return holdsGuard(p);
    }

    // Starts one more copy; empty when it was refused, else what it did.
    static QByteArray refusal()
    {
        QProcess second;
        startCopy(second);
        if (second.waitForFinished(60000) && second.exitStatus() == QProcess::NormalExit && second.exitCode() == 1)
            return {};
        return "not refused: " + describe(second);
    }

    static void stop(QProcess &p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.kill();
        p.waitForFinished(10000);
    }

    // A killed copy cannot detach: the last detach of a handle here removes
    // its segment (never one that a running process still holds).
    static void clearKilledCopysSegment()
    {
        QSharedMemory leftover(guardName());
        if (leftover.attach())
            leftover.detach();
    }

    // The guard is keyed by a file in the temporary folder: each test
    // function's copies get a folder of their own, so a copy started by
    // another run (another test function, another build tree) is not theirs.
    QByteArray m_outerTmpDir;
    std::unique_ptr<QTemporaryDir> m_keyFolder;

private slots:
    void initTestCase()
    {
#if !defined(Q_OS_LINUX)
        QSKIP("reads /proc to see which copy holds the guard");
#endif
        QVERIFY(QFile::exists(program()));
        m_outerTmpDir = qgetenv("TMPDIR");
    }

    void init()
    {
        m_keyFolder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_keyFolder->isValid());
        // The copies inherit it, and the handles made here name the same key.
        qputenv("TMPDIR", QFile::encodeName(m_keyFolder->path()));
    }

    void cleanup()
    {
        clearKilledCopysSegment();
        if (m_outerTmpDir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_outerTmpDir);
        m_keyFolder.reset();
    }

    void secondCopyExitsAndFirstKeepsRunning()
    {
        QProcess first;
        startCopy(first);
        QVERIFY2(takesGuard(first), describe(first).constData());

        QByteArray second = refusal();
        QVERIFY2(second.isEmpty(), second.constData());
        QVERIFY2(first.state() == QProcess::Running, describe(first).constData());
        // A refused copy does not disturb the guard either.
        second = refusal();
        QVERIFY2(second.isEmpty(), second.constData());
        QVERIFY2(holdsGuard(first), describe(first).constData());
        stop(first);
    }

    void killedCopyDoesNotBlockTheNext()
    {
        QProcess first;
        startCopy(first);
        QVERIFY2(takesGuard(first), describe(first).constData());
        // Killed: it cannot detach, so its segment stays behind.
        stop(first);

        QProcess next;
        startCopy(next);
        QVERIFY2(takesGuard(next), describe(next).constData());
        const QByteArray second = refusal();
        QVERIFY2(second.isEmpty(), second.constData());
        QVERIFY2(next.state() == QProcess::Running, describe(next).constData());
        stop(next);
    }

    // A segment can sit under the very key of our key file: one a killed
    // copy left under another file of that key (the file system hands a
    // freed inode out again), or one that a copy started with another
    // temporary folder holds (a System V key keeps only 16 bits of the
    // inode). The copy must hold a guard of its own under the key its key
    // file names, so that the next copy is refused, and it must not take the
    // other folder's copy for its own. Whether a new key file gets the freed
    // inode is up to the file system, so a few rounds are tried and only a
    // round that met the planted key counts.
    void segmentUnderOurKey_data()
    {
        QTest::addColumn<bool>("freshKeyFile");
        QTest::addColumn<bool>("held");
        QTest::newRow("killed copy's, fresh key file") << true << false;
        QTest::newRow("another folder's copy's, fresh key file") << true << true;
        QTest::newRow("another folder's copy's, key file in place") << false << true;
    }
    void segmentUnderOurKey()
    {
#if defined(Q_OS_LINUX)
        QFETCH(bool, freshKeyFile);
        QFETCH(bool, held);
        const QString keyFile = QSharedMemory(guardName()).nativeKey();
        const QByteArray path = QFile::encodeName(keyFile);
        int rounds = 0;
        for (int round = 0; round < 12 && rounds == 0; ++round) {
            QFile::remove(keyFile);
            QFile file(keyFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            const key_t key = ftok(path.constData(), 'Q');
            QVERIFY(key != -1);
            // Never one that is already there: it could be another run's guard.
            const int planted = shmget(key, 1, IPC_CREAT | IPC_EXCL | 0600);
            void *attached = planted != -1 && held ? shmat(planted, nullptr, 0) : nullptr;
            if (freshKeyFile)
                QFile::remove(keyFile);
            if (planted == -1)
                continue;

            QProcess copy;
            startCopy(copy);
            const qint64 pid = copy.processId();
            const bool holds = takesGuard(copy);
            // The copy met the planted segment when it removed it or attached to it.
            shmid_ds state{};
            const bool met = shmctl(planted, IPC_STAT, &state) == -1 || state.shm_lpid == pid;
            const QByteArray next = holds ? refusal() : QByteArray();
            const QByteArray what = describe(copy);
            stop(copy);
            if (attached && attached != reinterpret_cast<void *>(-1))
                shmdt(attached);
            shmctl(planted, IPC_RMID, nullptr);
            clearKilledCopysSegment();
            if (met) {
                ++rounds;
                QVERIFY2(holds, what.constData());
                QVERIFY2(next.isEmpty(), next.constData());
            }
        }
        if (rounds == 0)
            QSKIP("no new key file got a freed inode back");
#endif
    }

    // A copy of another folder whose key file names our key clears what it
    // finds under that key as it starts, as ours does: it may remove the
    // segment our copy has just made before our copy has it attached, or
    // mark it removed just as our copy attaches it. Our copy must not run on
    // without a guard then. A few such clearings run in a loop here to meet
    // that moment; the rounds go on until they removed a segment of our
    // copy's making once.
    void segmentClearedByAnotherFolder()
    {
#if defined(Q_OS_LINUX)
        const QString keyFile = QSharedMemory(guardName()).nativeKey();
        bool met = false;
        for (int round = 0; round < 40 && !met; ++round) {
            QFile::remove(keyFile);
            QFile file(keyFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            const key_t key = ftok(QFile::encodeName(keyFile).constData(), 'Q');
            QVERIFY(key != -1);
            // Never beside one that is already there: it could be another run's.
            if (shmget(key, 0, 0) != -1)
                continue;

            std::atomic<qint64> copyPid{0};
            std::atomic<bool> done{false};
            std::atomic<bool> cleared{false};
            const auto clearing = [&] {
                while (!done) {
                    const int id = shmget(key, 0, 0);
                    shmid_ds state{};
                    if (id == -1 || shmctl(id, IPC_STAT, &state) == -1 || state.shm_cpid != copyPid)
                        continue;
                    if (state.shm_nattch == 0 && shmctl(id, IPC_RMID, nullptr) == 0)
                        cleared = true;
                }
            };
            std::thread others[] = {std::thread(clearing), std::thread(clearing), std::thread(clearing)};
            QProcess copy;
            startCopy(copy);
            copyPid = copy.processId();
            const bool holds = takesGuard(copy);
            done = true;
            for (std::thread &other : others)
                other.join();
            met = cleared;
            const QByteArray next = holds && met ? refusal() : QByteArray();
            const QByteArray what = describe(copy);
            stop(copy);
            clearKilledCopysSegment();
            QVERIFY2(holds, what.constData());
            QVERIFY2(next.isEmpty(), next.constData());
        }
        if (!met)
            QSKIP("the clearings never met a segment of ours unattached");
#endif
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
