// DeviceAdapter: its data block, properties, posted-event hook, the event
// worker's thread and shutdown, the read enqueuers and the locks.

#include <QtTest>

#include <QSemaphore>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "IsolatedSettings.h"
#include "QueueTestSupport.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "core/ApplicationData.h"

using namespace kavrotether;
using kavrotether::test::itemText;
using kavrotether::test::queueText;

namespace {

// Worker-side observations of the test dispatch table.
struct WorkerProbe
{
    QSemaphore ran;
    QSemaphore entered;
    std::atomic<bool> block{false};
    std::atomic<bool> sawStopRequest{false};
    std::atomic<bool> left{false};
    std::atomic<int> runs{0};
    std::atomic<QThread *> thread{nullptr};
} *g_probe = nullptr;

void probeHandler(DeviceAdapter &adapter, const CallbackQueueItem &)
{
    g_probe->thread.store(QThread::currentThread());
    ++g_probe->runs;
    if (g_probe->block.load()) {
        // Shutdown takes the receiver away from the adapter: fetch it first.
        DeviceAdapterCallback *receiver = adapter.callbackReceiverObject();
        g_probe->entered.release();
        // Stay in the handler until shutdown has asked the worker to stop,
        // then use the adapter: it must still be alive.
        while (!receiver->IsInterruptionRequested())
            std::this_thread::yield();
        g_probe->sawStopRequest.store(true);
        (void)adapter.btnAllCameraStatus();
        adapter.setBtnAllCameraStatusValue(1);
        g_probe->left.store(true);
    }
    g_probe->ran.release();
}

constexpr DispatchEntry kProbeTable[] = {
    {0x02000040, probeHandler}, {0xFFFF0217, probeHandler}, // the battery read the shutdown case queues
};

} // namespace

class TestDeviceAdapter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startValues();
    void storeEmitsOnChange();
    void postedEventHook();
    void destroyWithoutRegistration();

    void readEnqueuers_data();
    void readEnqueuers();

    void secondRegistrationStartsNothing();
    void stopRequestBeforeWorkerStartsIsKept();
    void shutdownWhileHandlerRuns();
    void registerAgainAfterStop();
    void enqueuersDuringShutdown();

    void deviceLock_data();
    void deviceLock();
    void deviceLockRemembersItLocked();
    void deviceMutexMap();
    void deviceLockExcludes();
    void deviceLockSurvivesRemoval();

    void cameraTableLimit();
    void cameraListLoad_data();
    void cameraListLoad();

private:
    test::IsolatedSettings m_settings;
    WorkerProbe *m_probe = nullptr;
    DispatchTables m_tables;
};

void TestDeviceAdapter::initTestCase()
{
    QVERIFY(m_settings.isValid());
}

void TestDeviceAdapter::init()
{
    m_probe = new WorkerProbe;
    g_probe = m_probe;
    m_tables = DispatchTables();
    m_tables.queued = kProbeTable;
    m_tables.queuedCount = std::size(kProbeTable);
    DeviceAdapterCallback::setDispatchTables(&m_tables);
}

void TestDeviceAdapter::cleanup()
{
    ApplicationData::setDeviceAdapter(nullptr);
    DeviceAdapterCallback::setDispatchTables(nullptr);
    g_probe = nullptr;
    delete m_probe;
    m_probe = nullptr;
}

void TestDeviceAdapter::startValues()
{
    DeviceAdapter adapter;
    // Through the meta-object, as the interface reads them.
    QCOMPARE(adapter.property("isCamerasConnected").toBool(), false);
    QCOMPARE(adapter.property("btnAllCameraStatus").toInt(), -1);
    // USB until a search decides: a first search pass over the network
    // would end the search before any USB camera was listed.
    QCOMPARE(adapter.property("connectionType").toInt(), 0);
    QVERIFY(!adapter.isMultiviewMode());
    // The search is the adapter's own member, not a Qt child: it must not be
    // deleted twice.
    QCOMPARE(adapter.deviceSearch()->parent(), nullptr);
}

void TestDeviceAdapter::storeEmitsOnChange()
{
    DeviceAdapter adapter;
    QSignalSpy spy(&adapter, &DeviceAdapter::btnAllCameraStatusChanged);
    QSignalSpy connected(&adapter, &DeviceAdapter::isCamerasConnectedChanged);
    adapter.setBtnAllCameraStatusValue(1);
    adapter.setBtnAllCameraStatusValue(1);
    adapter.setBtnAllCameraStatusValue(0);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(spy.at(1).at(0).toInt(), 0);
    adapter.setIsCamerasConnected(false);
    QCOMPARE(connected.count(), 0);
    adapter.setIsCamerasConnected(true);
    QCOMPARE(connected.count(), 1);
    QVERIFY(adapter.isCamerasConnected());
}

void TestDeviceAdapter::postedEventHook()
{
    DeviceAdapter adapter;
    QEvent passwordRequest(QEvent::Type(1000));
    QVERIFY(adapter.event(&passwordRequest));
    // Anything else is QObject's: it does not handle a mouse press.
    QEvent other(QEvent::MouseButtonPress);
    QVERIFY(!adapter.event(&other));
}

void TestDeviceAdapter::destroyWithoutRegistration()
{
    auto adapter = std::make_unique<DeviceAdapter>();
    QCOMPARE(adapter->callbackReceiverObject(), nullptr);
    adapter->stopCallbackThread();
    adapter.reset();
}

void TestDeviceAdapter::readEnqueuers_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<quint32>("code");
#define ROW_Enqueuer(name, code) QTest::newRow(#name) << QByteArray(#name) << quint32(code);
#define ROW_Internal(name, code)
#define ROW(kind, name, code, handler) ROW_##kind(name, code)
    KAVRO_WORKER_COMMANDS(ROW)
#undef ROW
#undef ROW_Internal
#undef ROW_Enqueuer
}

void TestDeviceAdapter::readEnqueuers()
{
    QFETCH(QByteArray, name);
    QFETCH(quint32, code);
    // The program's own routing decides which reads are queued.
    DeviceAdapterCallback::setDispatchTables(nullptr);
    DeviceAdapter adapter;
    auto call = [&] {
        Utilities::Ternary result = Utilities::Ternary_Unknown;
        // By name, the way the interface calls them.
        const bool invoked = QMetaObject::invokeMethod(&adapter, name.constData(), Qt::DirectConnection,
                                                       Q_RETURN_ARG(kavrotether::Utilities::Ternary, result));
        return invoked ? result : Utilities::Ternary_Unknown;
    };
    QCOMPARE(call(), Utilities::Ternary_False);

    DeviceAdapterCallback receiver;
    QVERIFY(adapter.attachCallbackReceiver(&receiver));
    // A read is answered as queued only when the worker will run it; one it
    // has no handler for is neither queued nor answered Ternary_True.
    const DispatchTables &production = DeviceAdapterCallback::productionTables();
    const DispatchEntry *begin = production.queued;
    const DispatchEntry *end = begin + production.queuedCount;
    const bool handled = std::any_of(begin, end, [&](const DispatchEntry &e) { return e.code == code && e.run; });
    if (handled) {
        QCOMPARE(call(), Utilities::Ternary_True);
        QCOMPARE(call(), Utilities::Ternary_True);
        QCOMPARE(queueText(receiver), QStringList{itemText(code, 0, QString())});
    } else {
        QCOMPARE(call(), Utilities::Ternary_Unknown);
        QVERIFY(queueText(receiver).isEmpty());
    }
    adapter.attachCallbackReceiver(nullptr);
}

void TestDeviceAdapter::secondRegistrationStartsNothing()
{
    DeviceAdapter adapter;
    ApplicationData::setDeviceAdapter(&adapter);
    adapter.adp_KVR_func_api_Reg_NotifyCallback();
    DeviceAdapterCallback *first = adapter.callbackReceiverObject();
    QCOMPARE(adapter.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    QCOMPARE(adapter.callbackReceiverObject(), first);
    first->pushArgumentLast(0x02000040, 1, QString());
    QVERIFY(m_probe->ran.tryAcquire(1, 10000));
    adapter.stopCallbackThread();
    QCOMPARE(m_probe->runs.load(), 1);
}

void TestDeviceAdapter::stopRequestBeforeWorkerStartsIsKept()
{
    DeviceAdapter adapter;
    ApplicationData::setDeviceAdapter(&adapter);
    DeviceAdapterCallback receiver;
    receiver.pushArgumentLast(0x02000040, 1, QString());
    receiver.RequestInterruption();
    WorkerThread worker(QStringLiteral("test event worker"));
    QVERIFY(worker.startQueue([&] { return receiver.runNext(); }));
    worker.requestStop();
    // Bounded, so a lost request shows as a failure, not a hang.
    QVERIFY(worker.stop(30000));
    QCOMPARE(m_probe->runs.load(), 0);
}

void TestDeviceAdapter::shutdownWhileHandlerRuns()
{
    auto adapter = std::make_unique<DeviceAdapter>();
    ApplicationData::setDeviceAdapter(adapter.get());
    m_probe->block.store(true);
    adapter->adp_KVR_func_api_Reg_NotifyCallback();
    DeviceAdapterCallback *receiver = adapter->callbackReceiverObject();
    receiver->pushArgumentLast(0x02000040, 1, QString());
    receiver->pushArgumentLast(0x02000040, 2, QString()); // still queued at stop: never runs
    QVERIFY(m_probe->entered.tryAcquire(1, 10000));

    adapter->stopCallbackThread();
    // The worker left its handler before stopCallbackThread returned.
    QVERIFY(m_probe->sawStopRequest.load());
    QVERIFY(m_probe->left.load());
    QCOMPARE(m_probe->runs.load(), 1);
    QCOMPARE(adapter->callbackReceiverObject(), nullptr);
    ApplicationData::setDeviceAdapter(nullptr);
    adapter.reset();
}

void TestDeviceAdapter::registerAgainAfterStop()
{
    DeviceAdapter adapter;
    ApplicationData::setDeviceAdapter(&adapter);
    adapter.adp_KVR_func_api_Reg_NotifyCallback();
    adapter.stopCallbackThread();
    QCOMPARE(adapter.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    QVERIFY(adapter.callbackReceiverObject());
    adapter.callbackReceiverObject()->pushArgumentLast(0x02000040, 9, QString());
    QVERIFY(m_probe->ran.tryAcquire(1, 10000));
    // The destructor stops it.
}

void TestDeviceAdapter::enqueuersDuringShutdown()
{
    // Threads other than the worker may queue reads while the program
    // closes: once the receiver is gone they get Ternary_False, and none
    // ever pushes into a receiver that shutdown has freed.
    for (int round = 0; round < 20; ++round) {
        DeviceAdapter adapter;
        ApplicationData::setDeviceAdapter(&adapter);
        adapter.adp_KVR_func_api_Reg_NotifyCallback();
        std::atomic<bool> started{false};
        std::thread producer([&] {
            while (adapter.adp_KVR_func_api_GetBatteryInfo_Start() == Utilities::Ternary_True)
                started.store(true);
        });
        while (!started.load())
            std::this_thread::yield();
        adapter.stopCallbackThread();
        producer.join();
        QCOMPARE(adapter.callbackReceiverObject(), nullptr);
        ApplicationData::setDeviceAdapter(nullptr);
    }
}

void TestDeviceAdapter::deviceLock_data()
{
    QTest::addColumn<int>("connectionType");
    QTest::addColumn<bool>("withMutex");
    QTest::addColumn<QString>("lockedUuid");
    QTest::addColumn<bool>("locks");
    const QString cam = QStringLiteral("cam");
    QTest::newRow("network camera") << 1 << true << cam << true;
    QTest::newRow("USB camera") << 0 << true << cam << false;
    QTest::newRow("camera without lock") << 1 << false << cam << false;
    QTest::newRow("empty UUID: the selected camera") << 1 << true << QString() << true;
    QTest::newRow("UUID differing in case") << 1 << true << QStringLiteral("CAM") << false;
}

void TestDeviceAdapter::deviceLock()
{
    QFETCH(int, connectionType);
    QFETCH(bool, withMutex);
    QFETCH(QString, lockedUuid);
    QFETCH(bool, locks);
    DeviceAdapter adapter;
    adapter.setConnectionTypeValue(connectionType);
    adapter.setSelectedCameraUuid(QStringLiteral("cam"));
    const DeviceAdapter::DeviceMutex mutex = withMutex ? adapter.getOrCreateDeviceMutex(QStringLiteral("cam"))
                                                       : nullptr;
    {
        DeviceAdapter::DeviceLock lock(adapter, lockedUuid);
        QCOMPARE(lock.isLocked(), locks);
        if (mutex) {
            const bool free = mutex->tryLock();
            QCOMPARE(free, !locks);
            if (free)
                mutex->unlock();
        }
    }
    if (mutex) {
        QVERIFY(mutex->tryLock());
        mutex->unlock();
    }
}

void TestDeviceAdapter::deviceLockRemembersItLocked()
{
    DeviceAdapter adapter;
    adapter.setConnectionTypeValue(1);
    const DeviceAdapter::DeviceMutex mutex = adapter.getOrCreateDeviceMutex(QStringLiteral("cam"));
    {
        DeviceAdapter::DeviceLock lock(adapter, QStringLiteral("cam"));
        QVERIFY(lock.isLocked());
        adapter.setConnectionTypeValue(0); // the type changes while held
    }
    QVERIFY(mutex->tryLock());
    mutex->unlock();
}

void TestDeviceAdapter::deviceMutexMap()
{
    DeviceAdapter adapter;
    const DeviceAdapter::DeviceMutex a = adapter.getOrCreateDeviceMutex(QStringLiteral("cam"));
    QCOMPARE(adapter.getOrCreateDeviceMutex(QStringLiteral("cam")), a);
    QVERIFY(adapter.getOrCreateDeviceMutex(QStringLiteral("CAM")) != a);
    adapter.deleteDeviceMutex(QStringLiteral("other"));
    QVERIFY(adapter.hasDeviceMutex(QStringLiteral("cam")));
    QVERIFY(adapter.hasDeviceMutex(QStringLiteral("CAM")));
    adapter.deleteDeviceMutex(QStringLiteral("cam"));
    QVERIFY(!adapter.hasDeviceMutex(QStringLiteral("cam")));
    adapter.dev_mutex_delete_all();
    QVERIFY(!adapter.hasDeviceMutex(QStringLiteral("CAM")));
}

void TestDeviceAdapter::deviceLockExcludes()
{
    DeviceAdapter adapter;
    adapter.setConnectionTypeValue(1);
    adapter.getOrCreateDeviceMutex(QStringLiteral("cam"));
    constexpr int kThreads = 8;
    constexpr int kRounds = 2000;
    int counter = 0; // deliberately not atomic: only the camera lock guards it
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i) {
                DeviceAdapter::DeviceLock lock(adapter, QStringLiteral("cam"));
                ++counter;
            }
        });
    for (std::thread &t : threads)
        t.join();
    QCOMPARE(counter, kThreads * kRounds);
}

void TestDeviceAdapter::deviceLockSurvivesRemoval()
{
    // A camera going away (its lock removed from the map) while other
    // threads hold or wait on its lock must not free the lock under them.
    DeviceAdapter adapter;
    adapter.setConnectionTypeValue(1);
    const QString cam = QStringLiteral("cam");
    adapter.getOrCreateDeviceMutex(cam);
    std::atomic<bool> stop{false};
    std::atomic<int> locked{0};
    std::vector<std::thread> users;
    for (int t = 0; t < 4; ++t)
        users.emplace_back([&] {
            while (!stop.load()) {
                DeviceAdapter::DeviceLock lock(adapter, cam);
                if (lock.isLocked())
                    ++locked;
            }
        });
    while (locked.load() == 0)
        std::this_thread::yield();
    for (int i = 0; i < 2000; ++i) {
        adapter.deleteDeviceMutex(cam);
        adapter.getOrCreateDeviceMutex(cam);
        if (i % 100 == 0)
            adapter.dev_mutex_delete_all();
    }
    stop.store(true);
    for (std::thread &t : users)
        t.join();
    QVERIFY(locked.load() > 0);
}

void TestDeviceAdapter::cameraTableLimit()
{
    DeviceAdapter adapter;
    for (int i = 0; i < 12; ++i)
        QVERIFY(adapter.addCameraToTable(QStringLiteral("cam%1").arg(i, 2, 10, QLatin1Char('0')), CameraInfo()));
    QVERIFY(!adapter.addCameraToTable(QStringLiteral("cam12"), CameraInfo()));
    CameraInfo info;
    info.serialNo = QStringLiteral("S1");
    QVERIFY(adapter.addCameraToTable(QStringLiteral("cam03"), info)); // replacing is no addition
    QCOMPARE(adapter.cameraTableCount(), 12);
    CameraInfo out;
    QVERIFY(adapter.cameraInfoByUuid(QStringLiteral("cam03"), &out));
    QCOMPARE(out.serialNo, QStringLiteral("S1"));
    QVERIFY(!adapter.cameraInfoByUuid(QStringLiteral("CAM03"), &out));
    QVERIFY(adapter.removeCameraFromTable(QStringLiteral("cam00")));
    QVERIFY(adapter.addCameraToTable(QStringLiteral("cam12"), CameraInfo()));
}

void TestDeviceAdapter::cameraListLoad_data()
{
    // The file holds keys 1 and 3: the missing key 2 is a gap, not a camera
    // without a serial number.
    QTest::addColumn<QVariant>("count");
    QTest::addColumn<QStringList>("expected");
    const QStringList both{QStringLiteral("SER-1"), QStringLiteral("SER-3")};
    QTest::newRow("absent") << QVariant() << QStringList();
    QTest::newRow("two") << QVariant(2) << QStringList{QStringLiteral("SER-1")};
    QTest::newRow("three") << QVariant(3) << both;
    QTest::newRow("negative") << QVariant(-4) << QStringList();
    QTest::newRow("beyond the list") << QVariant(100000) << both;
    QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << QStringList();
}

void TestDeviceAdapter::cameraListLoad()
{
    QFETCH(QVariant, count);
    QFETCH(QStringList, expected);
    {
        auto file = DeviceAdapterData::openCameraListFile();
        QVERIFY(file->fileName().startsWith(m_settings.path()));
        file->clear();
        if (count.isValid())
            file->setValue(QStringLiteral("NumberOfCamera"), count);
        file->setValue(QStringLiteral("CameraID1"), QStringLiteral("SER-1"));
        file->setValue(QStringLiteral("CameraID3"), QStringLiteral("SER-3"));
        file->sync();
    }
    DeviceAdapter adapter;
    adapter.camera_list_load_setting_file();
    QCOMPARE(adapter.camera_list_number_of_camera(), int(expected.size()));
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(adapter.camera_list_get_camera_serial_number(i), expected.at(i));
    QVERIFY(adapter.camera_list_get_camera_serial_number(int(expected.size())).isEmpty());
    // Known from the file, not connected: no device index, no status.
    QCOMPARE(adapter.camConnectDeviceStatus(0), Utilities::Ternary_False);
}

QTEST_GUILESS_MAIN(TestDeviceAdapter)
#include "tst_deviceadapter.moc"
