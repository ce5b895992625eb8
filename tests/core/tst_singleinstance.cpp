#include <QFile>
#include <QProcess>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
