// What the program does after its event loop, against the SDK stand-in: the
// event worker has unregistered from the SDK before the SDK is finished, and
// an SDK the interface already finished is not finished again.

#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "KvrSim.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "app/Startup.h"
#include "flash/FlashAdapter.h"

using namespace kavrotether;

namespace {

int count(const std::vector<std::string> &log, const std::string &name)
{
    return int(std::count(log.begin(), log.end(), name));
}

// Position of the last entry named `name`, -1 when there is none.
int lastIndex(const std::vector<std::string> &log, const std::string &name)
{
    for (int i = int(log.size()) - 1; i >= 0; --i)
        if (log[std::size_t(i)] == name)
            return i;
    return -1;
}

} // namespace

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { kvrsim::reset(); }
    void cleanup() { ApplicationData::setDeviceAdapter(nullptr); }

    void workerLeavesBeforeTheSdkFinishes()
    {
        DeviceAdapter adapter;
        FlashAdapter flash;
        ApplicationData::setDeviceAdapter(&adapter);
        QCOMPARE(adapter.adp_KVR_func_api_Init(), 1);
        kvrsim::clearCallLogs();
        QCOMPARE(adapter.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
        // The worker registers on its own thread; shut down only once it has.
        QTRY_VERIFY(count(kvrsim::globalCallLog(), "Reg_NotifyCallback") > 0);

        startup::stopBackgroundWork(adapter, flash);

        QCOMPARE(adapter.callbackReceiverObject(), nullptr);
        const std::vector<std::string> log = kvrsim::globalCallLog();
        QCOMPARE(count(log, "Finish"), 1);
        QCOMPARE(count(log, "Delete_CallBackInfo"), count(log, "Reg_NotifyCallback"));
        QVERIFY(lastIndex(log, "Delete_CallBackInfo") < lastIndex(log, "Finish"));

        // The destructors that follow find nothing left to stop.
        startup::stopBackgroundWork(adapter, flash);
        QCOMPARE(count(kvrsim::globalCallLog(), "Finish"), 1);
    }

    void sdkFinishedByTheInterfaceIsLeftAlone()
    {
        DeviceAdapter adapter;
        FlashAdapter flash;
        ApplicationData::setDeviceAdapter(&adapter);
        QCOMPARE(adapter.adp_KVR_func_api_Init(), 1);
        QCOMPARE(adapter.adp_KVR_func_api_Finish(), 1);
        kvrsim::clearCallLogs();
        startup::stopBackgroundWork(adapter, flash);
        QCOMPARE(count(kvrsim::globalCallLog(), "Finish"), 0);
    }

    void neverStartedSdkIsNotFinished()
    {
        DeviceAdapter adapter;
        FlashAdapter flash;
        kvrsim::clearCallLogs();
        startup::stopBackgroundWork(adapter, flash);
        QCOMPARE(count(kvrsim::globalCallLog(), "Finish"), 0);
        QCOMPARE(adapter.callbackReceiverObject(), nullptr);
    }
};

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
