// The event queue against the SDK stand-in: registration and unregistration
// of the callbacks, and events from the stand-in's threads reaching handlers
// on the worker thread.

#include <QtTest>

#include <QSemaphore>

#include <atomic>
#include <set>

#include "KvrSim.h"
#include "Kvrptpif.h"
#include "QueueTestSupport.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "core/ApplicationData.h"

using namespace kavrotether;

namespace {

QSemaphore *g_ran = nullptr;
std::atomic<QThread *> g_handlerThread{nullptr};
std::atomic<quint32> g_lastParam{0};

void countingHandler(DeviceAdapter &, const CallbackQueueItem &item)
{
    g_handlerThread.store(QThread::currentThread());
    g_lastParam.store(item.cb_event_param);
    g_ran->release();
}

constexpr DispatchEntry kTable[] = {
    {0x02000040, countingHandler},
    {0xFFFF0209, countingHandler},
};

bool isImmediate(quint32 code)
{
    return (code >= 1 && code <= 6) || code == 0x41000015;
}

int countCalls(const std::vector<std::string> &log, const std::string &name)
{
    int n = 0;
    for (const std::string &entry : log)
        if (entry == name)
            ++n;
    return n;
}

} // namespace

class TestSdkEvents : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void registrationMirroredByUnregistration();
    void sdkEventsReachWorkerHandlers();

private:
    QSemaphore m_ran;
    DispatchTables m_tables;
};

void TestSdkEvents::init()
{
    QVERIFY(kavrotether::test::startSimulator());
    g_ran = &m_ran;
    m_tables = DispatchTables();
    m_tables.queued = kTable;
    m_tables.queuedCount = std::size(kTable);
    DeviceAdapterCallback::setDispatchTables(&m_tables);
}

void TestSdkEvents::cleanup()
{
    ApplicationData::setDeviceAdapter(nullptr);
    DeviceAdapterCallback::setDispatchTables(nullptr);
    kavrotether::test::stopSimulator();
    g_ran = nullptr;
}

void TestSdkEvents::registrationMirroredByUnregistration()
{
    DeviceAdapter adapter;
    ApplicationData::setDeviceAdapter(&adapter);
    DeviceAdapterCallback receiver;
    QVERIFY(adapter.attachCallbackReceiver(&receiver));

    std::size_t count = 0;
    const quint32 *codes = DeviceAdapterCallback::notifyRegistrations(&count);
    std::set<quint32> queuedCodes;
    for (std::size_t i = 0; i < count; ++i)
        if (!isImmediate(codes[i]))
            queuedCodes.insert(codes[i]);

    auto emitAll = [&] {
        for (quint32 code : queuedCodes)
            kvrsim::emitEvent(code, 1, std::string());
        kvrsim::flush();
    };
    auto drain = [&] {
        std::set<quint32> seen;
        quint32 type = 0, param = 0;
        while (receiver.popArgument(&type, &param, nullptr))
            seen.insert(type);
        return seen;
    };

    kvrsim::clearCallLogs();
    DeviceAdapterCallback::CallbackRegist();
    emitAll();
    QCOMPARE(drain(), queuedCodes);

    DeviceAdapterCallback::CallbackUnRegist();
    emitAll();
    QVERIFY(drain().empty());

    const std::vector<std::string> log = kvrsim::globalCallLog();
    QCOMPARE(countCalls(log, "Reg_NotifyCallback"), int(count));
    QCOMPARE(countCalls(log, "Delete_CallBackInfo"), int(count));
    QCOMPARE(countCalls(log, "ptpip_Reg_Callback"), 6);
    QCOMPARE(countCalls(log, "ptpip_Delete_Callback"), 6);
    adapter.attachCallbackReceiver(nullptr);
}

void TestSdkEvents::sdkEventsReachWorkerHandlers()
{
    DeviceAdapter adapter;
    ApplicationData::setDeviceAdapter(&adapter);
    kvrsim::clearCallLogs();
    QCOMPARE(adapter.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    QCOMPARE(adapter.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    // The worker registers before it takes its first item: once this read
    // has run, the SDK's events are routed.
    QCOMPARE(adapter.adp_KVR_func_api_Aperture_GetCapability_Start(), Utilities::Ternary_True);
    QVERIFY(m_ran.tryAcquire(1, 10000));

    kvrsim::emitEvent(0x02000040, 42, std::string());
    kvrsim::flush();
    QVERIFY(m_ran.tryAcquire(1, 10000));
    QCOMPARE(g_lastParam.load(), 42u);
    QVERIFY(g_handlerThread.load() != QThread::currentThread());

    adapter.stopCallbackThread();
    QCOMPARE(adapter.callbackReceiverObject(), nullptr);
    // One worker registered once, and took every registration away again
    // before it left.
    std::size_t count = 0;
    DeviceAdapterCallback::notifyRegistrations(&count);
    const std::vector<std::string> log = kvrsim::globalCallLog();
    QCOMPARE(countCalls(log, "Reg_NotifyCallback"), int(count));
    QCOMPARE(countCalls(log, "Delete_CallBackInfo"), int(count));
    QCOMPARE(countCalls(log, "ptpip_Reg_Callback"), 6);
    QCOMPARE(countCalls(log, "ptpip_Delete_Callback"), 6);

    kvrsim::emitEvent(0x02000040, 43, std::string());
    kvrsim::flush();
    QVERIFY(!m_ran.tryAcquire(1, 0));
}

QTEST_GUILESS_MAIN(TestSdkEvents)
#include "tst_sdkevents.moc"
