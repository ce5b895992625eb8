// What the program does when it closes, against the SDK stand-in: every
// thread has stopped (and the event worker unregistered from the SDK, live
// view stopped on the cameras) before the SDK is finished, on every closing
// path and whichever thread is busy; an SDK the interface already finished is
// not finished again.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "KvrSim.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "camera/DeviceSearch.h"
#include "core/ApplicationData.h"
#include "core/WorkerThread.h"
#include "app/Startup.h"
#include "flash/FlashAdapter.h"
#include "liveview/LiveViewManager.h"
#include "support/AdapterFixture.h"
#include "support/SimulatorFixture.h"
#include "transfer/ObjectCopy.h"

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

bool logged(const std::string &name)
{
    return count(kvrsim::globalCallLog(), name) > 0;
}

// How long the busy thread's SDK call takes: long enough that a close that
// does not wait for it finishes the SDK first.
constexpr int kSlowCallMs = 400;
// A bound on waits for what must happen, generous for sanitizer builds.
constexpr int kWaitMs = 20000;

enum class Busy { Search, Connect, Reader, Worker, LiveView };
enum class ClosePath { InterfaceFinish, AfterEventLoop, Destructor };
// Where the held call comes from: a transfer worker's picture, the search
// (over USB or the network) or the network connect thread's certificate
// read, these three under the SDK lock; a connected network camera's call
// under its own lock: the event worker's read, its close of the camera's
// device on its disconnect (under the camera table too), live view's start;
// the post-connect reader's store location for a camera, under the table.
enum class Held {
    Still,
    Movie,
    Start6K4K,
    Search,
    NetworkSearch,
    Certificate,
    NetworkRead,
    NetworkDisconnect,
    NetworkLiveView,
    StoreLocation
};

// Closes the program the way the given path does; the destructor path
// leaves the adapter gone and finishes the SDK itself, as main would.
bool closeThrough(ClosePath path, std::unique_ptr<DeviceAdapter> &adapter)
{
    switch (path) {
    case ClosePath::InterfaceFinish:
        return adapter->adp_KVR_func_api_Finish() == 1;
    case ClosePath::AfterEventLoop:
        startup::stopBackgroundWork(*adapter);
        return true;
    case ClosePath::Destructor:
        adapter.reset();
        return KVR_func_api_Finish() == 1;
    }
    return false;
}

// The busy step of the reader and the worker: a call that shows it has
// started, then the slow one. With USB cameras neither takes the SDK lock,
// so a close that does not wait for them is not held up by it either.
void markedSlowCall(DeviceAdapter &adapter)
{
    (void)adapter.adp_KVR_func_api_ptpip_Get_Ip_Addr();
    (void)adapter.adp_KVR_func_api_ptpip_Get_Connection_Type();
}

Utilities::Ternary busyReader(DeviceAdapter &adapter)
{
    markedSlowCall(adapter);
    return Utilities::Ternary_True;
}

void busyHandler(DeviceAdapter &adapter, const CallbackQueueItem &)
{
    markedSlowCall(adapter);
}

// The other owners of background threads, registered as the program
// registers them.
struct OtherOwners
{
    explicit OtherOwners(DeviceAdapter &adapter) { startup::registerBackgroundStops(adapter, flash, copy); }
    FlashAdapter flash;
    ObjectCopy copy;
};

// A network camera with a certificate, announced: the connect thread reads
// its certificate first.
bool announceTlsCamera(DeviceAdapter &adapter)
{
    kvrsim::CameraProfile p;
    p.serial = "TLS-SHUTDOWN";
    p.friendlyName = "Closing Cam";
    p.connection = kvrsim::Connection::Lan;
    p.tls = true;
    const int index = kvrsim::addCamera(p);
    if (adapter.adp_KVR_func_api_Reg_NotifyCallback() != Utilities::Ternary_True)
        return false;
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, index);
    return true;
}

// A new picture of the camera, its transfer waiting in the event worker's
// queue.
bool pictureWaitsBehind(DeviceAdapter &adapter, int camera)
{
    const quint32 queued = kvrsim::addObject(camera, 1, 1000);
    const QString uuid = QString::fromStdString(kvrsim::uuidOf(camera));
    return QTest::qWaitFor(
        [&] {
            const std::deque<CallbackQueueItem> items = adapter.callbackReceiverObject()->pendingItems();
            return std::any_of(items.begin(), items.end(), [&](const CallbackQueueItem &i) {
                return i.cb_event_type == CameraEventCode::ObjectReqTransfer && i.cb_event_param == queued
                       && i.cb_event_uuid == uuid;
            });
        },
        kWaitMs);
}

// As the main window closes: its live view stops, the interface's stop
// steps (KvShell.js stopBackEnd) run, then it finishes the SDK.
Utilities::Ternary closeAsInterface(DeviceAdapter &adapter, OtherOwners &owners)
{
    if (adapter.liveViewManager()->videoImageStatus() != LiveViewManager::VIS_Stop)
        (void)adapter.adp_KVR_func_api_Ctrl_LiveView_Stop();
    adapter.deviceSearch()->stopSearch();
    adapter.stopCallbackThread();
    owners.flash.stopCallbackThread();
    (void)adapter.adp_KVR_func_api_CloseSession();
    return adapter.adp_KVR_func_api_Finish();
}

constexpr ConnectReadStep kBusyReading[] = {{"busy", busyReader, true, false}};
// A connect whose reading is nobody's concern here.
constexpr ConnectReadTables kNoReading{nullptr, 0, nullptr, 0};
constexpr DispatchEntry kBusyWorker[] = {{WorkerCommandCode::SearchCameraList, busyHandler}};

} // namespace

Q_DECLARE_METATYPE(Busy)
Q_DECLARE_METATYPE(ClosePath)
Q_DECLARE_METATYPE(Held)

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { kvrsim::reset(); }
    void cleanup();

    void workerLeavesBeforeTheSdkFinishes();
    void sdkFinishedByTheInterfaceIsLeftAlone();
    void neverStartedSdkIsNotFinished();
    void busyThreadStopsBeforeFinish_data();
    void busyThreadStopsBeforeFinish();
    void threadsStartAgainAfterInit();
    void appendedStopsRunLastBeforeFinish_data();
    void appendedStopsRunLastBeforeFinish();
    void heldTransferAtClose_data();
    void heldTransferAtClose();

private:
    // Ends the child of heldTransferAtClose as main ends.
    [[noreturn]] void endAsMain(std::unique_ptr<DeviceAdapter> &adapter, std::unique_ptr<OtherOwners> &owners,
                                bool exit);

    QTemporaryDir m_settingsDir;
    DispatchTables m_tables;
};

void TestShutdown::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
}

void TestShutdown::cleanup()
{
    ApplicationData::setDeviceAdapter(nullptr);
    ApplicationData::setObjectCopy(nullptr);
    DeviceAdapterCallback::setDispatchTables(nullptr);
    DeviceSearch::setConnectReadTables(nullptr);
    kvrsim::clearInjections();
}

void TestShutdown::workerLeavesBeforeTheSdkFinishes()
{
    DeviceAdapter adapter;
    OtherOwners owners(adapter);
    ApplicationData::setDeviceAdapter(&adapter);
    QCOMPARE(adapter.adp_KVR_func_api_Init(), 1);
    kvrsim::clearCallLogs();
    QCOMPARE(adapter.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    QTRY_VERIFY(logged("Reg_NotifyCallback"));

    startup::stopBackgroundWork(adapter);

    QCOMPARE(adapter.callbackReceiverObject(), nullptr);
    const std::vector<std::string> log = kvrsim::globalCallLog();
    QCOMPARE(count(log, "Finish"), 1);
    QCOMPARE(count(log, "Delete_CallBackInfo"), count(log, "Reg_NotifyCallback"));
    QVERIFY(lastIndex(log, "Delete_CallBackInfo") < lastIndex(log, "Finish"));

    // The destructors that follow find nothing left to stop.
    startup::stopBackgroundWork(adapter);
    QCOMPARE(count(kvrsim::globalCallLog(), "Finish"), 1);
}

void TestShutdown::sdkFinishedByTheInterfaceIsLeftAlone()
{
    DeviceAdapter adapter;
    OtherOwners owners(adapter);
    ApplicationData::setDeviceAdapter(&adapter);
    QCOMPARE(adapter.adp_KVR_func_api_Init(), 1);
    QCOMPARE(adapter.adp_KVR_func_api_Finish(), 1);
    kvrsim::clearCallLogs();
    startup::stopBackgroundWork(adapter);
    QCOMPARE(count(kvrsim::globalCallLog(), "Finish"), 0);
}

void TestShutdown::neverStartedSdkIsNotFinished()
{
    DeviceAdapter adapter;
    OtherOwners owners(adapter);
    kvrsim::clearCallLogs();
    startup::stopBackgroundWork(adapter);
    QCOMPARE(count(kvrsim::globalCallLog(), "Finish"), 0);
    QCOMPARE(adapter.callbackReceiverObject(), nullptr);
}

void TestShutdown::busyThreadStopsBeforeFinish_data()
{
    QTest::addColumn<Busy>("busy");
    QTest::addColumn<ClosePath>("path");
    QTest::addColumn<QString>("slowCall");

    const struct
    {
        const char *name;
        Busy busy;
        const char *slowCall;
    } threads[] = {
        {"search", Busy::Search, "GetPnPDeviceInfo"},
        {"network connect", Busy::Connect, "ptpip_GetCertPEM"},
        {"post-connect reader", Busy::Reader, "ptpip_Get_Connection_Type"},
        {"event worker", Busy::Worker, "ptpip_Get_Connection_Type"},
        {"live view", Busy::LiveView, "Get_LiveView_data"},
    };
    const struct
    {
        const char *name;
        ClosePath path;
    } paths[] = {
        {"interface finishes the SDK", ClosePath::InterfaceFinish},
        {"after the event loop", ClosePath::AfterEventLoop},
        {"adapter destroyed", ClosePath::Destructor},
    };
    for (const auto &t : threads)
        for (const auto &p : paths)
            QTest::addRow("%s, %s", t.name, p.name) << t.busy << p.path << QString::fromLatin1(t.slowCall);
}

void TestShutdown::busyThreadStopsBeforeFinish()
{
    QFETCH(Busy, busy);
    QFETCH(ClosePath, path);
    QFETCH(QString, slowCall);

    auto adapter = std::make_unique<DeviceAdapter>();
    OtherOwners owners(*adapter);
    // The live-view camera's calls as the stop list had them once it had
    // run (they go to the camera's own log, not the global one).
    int liveCamera = -1;
    std::vector<std::string> liveCameraLogAtStop;
    bool listRan = false;
    adapter->appendBackgroundStop(QStringLiteral("last owner"), [&] {
        if (!listRan && liveCamera >= 0)
            liveCameraLogAtStop = kvrsim::callLog(liveCamera);
        listRan = true;
    });
    ApplicationData::setDeviceAdapter(adapter.get());
    QCOMPARE(adapter->adp_KVR_func_api_Init(), 1);
    const std::string slow = slowCall.toStdString();
    kvrsim::delayNext(slow, 1, kSlowCallMs);
    kvrsim::clearCallLogs();

    // Make the thread busy in its slow call (or just about to make it).
    switch (busy) {
    case Busy::Search:
        // No camera is found: the search would go on pass after pass.
        for (int index : kvrsim::cameras())
            kvrsim::unplug(index);
        QVERIFY(adapter->deviceSearch()->startSearch(false, false, DeviceSearch::DEVSEARCH_MODE_USB));
        QTRY_VERIFY(logged("SetSearchCondition"));
        break;
    case Busy::Connect:
        QVERIFY(announceTlsCamera(*adapter));
        QTRY_VERIFY(logged("ptpip_GetCertPEM"));
        break;
    case Busy::Reader: {
        static const ConnectReadTables tables{kBusyReading, std::size(kBusyReading), nullptr, 0};
        DeviceSearch::setConnectReadTables(&tables);
        adapter->setConnectionTypeValue(0);
        adapter->deviceSearch()->startGetConnectInitData();
        QTRY_VERIFY(logged("ptpip_Get_Ip_Addr"));
        break;
    }
    case Busy::Worker:
        m_tables = DispatchTables();
        m_tables.queued = kBusyWorker;
        m_tables.queuedCount = std::size(kBusyWorker);
        DeviceAdapterCallback::setDispatchTables(&m_tables);
        adapter->setConnectionTypeValue(0);
        QCOMPARE(adapter->adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
        QCOMPARE(adapter->enqueueCommand(WorkerCommandCode::SearchCameraList), Utilities::Ternary_True);
        QTRY_VERIFY(logged("ptpip_Get_Ip_Addr"));
        break;
    case Busy::LiveView: {
        QVERIFY(test::connectUsbCameras(*adapter));
        const std::string uuid = adapter->camera_list_get_selected_camera_uuid().toStdString();
        for (int index : kvrsim::cameras())
            if (kvrsim::uuidOf(index) == uuid)
                liveCamera = index;
        QVERIFY(liveCamera >= 0);
        // Every frame read is slow, one after the other: whenever the close
        // comes, a fetch thread is in one (or about to make the next).
        kvrsim::delayNext(slow, 1 << 20, kSlowCallMs);
        QCOMPARE(adapter->adp_KVR_func_api_Ctrl_LiveView_Start(), Utilities::Ternary_True);
        QTRY_VERIFY_WITH_TIMEOUT(count(kvrsim::callLog(liveCamera), slow) > 0, kWaitMs);
        break;
    }
    }

    QVERIFY(closeThrough(path, adapter));
    if (adapter) {
        // Closed, not merely outrun.
        switch (busy) {
        case Busy::Search:
            QCOMPARE(adapter->deviceSearch()->devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Stop));
            break;
        case Busy::Connect:
            QVERIFY(!adapter->isConnectThreadRunning());
            break;
        case Busy::Reader:
            QVERIFY(adapter->deviceSearch()->IsConnectTreadCancel(0));
            break;
        case Busy::Worker:
            QCOMPARE(adapter->callbackReceiverObject(), nullptr);
            break;
        case Busy::LiveView:
            QVERIFY(!adapter->liveViewManager()->IsLiveViewWorking());
            break;
        }
    }
    // What the program destroys after its loop finds nothing to do.
    adapter.reset();

    const std::vector<std::string> log = kvrsim::globalCallLog();
    QCOMPARE(count(log, "Finish"), 1);
    if (busy == Busy::LiveView) {
        // The read under way ended within the list, live view was stopped on
        // the camera, and no read followed: not after the SDK's finish, not
        // when the adapter went.
        QVERIFY(listRan);
        QVERIFY(count(liveCameraLogAtStop, "Ctrl_LiveView_Stop") > 0);
        QVERIFY(lastIndex(liveCameraLogAtStop, slow) < lastIndex(liveCameraLogAtStop, "Ctrl_LiveView_Stop"));
        QCOMPARE(count(kvrsim::callLog(liveCamera), slow), count(liveCameraLogAtStop, slow));
    } else {
        QVERIFY2(count(log, slow) == 1, "the busy call was made once and finished");
    }
    // Nothing ran after the SDK was finished.
    QCOMPARE(log.back(), std::string("Finish"));
    QCOMPARE(count(log, "Delete_CallBackInfo"), count(log, "Reg_NotifyCallback"));
    kvrsim::flush();
    QCOMPARE(kvrsim::globalCallLog().back(), std::string("Finish"));
}

void TestShutdown::threadsStartAgainAfterInit()
{
    // The stop list closes the threads until the SDK starts again.
    DeviceAdapter adapter;
    ApplicationData::setDeviceAdapter(&adapter);
    QCOMPARE(adapter.adp_KVR_func_api_Init(), 1);
    QCOMPARE(adapter.adp_KVR_func_api_Finish(), 1);
    QVERIFY(!adapter.deviceSearch()->startSearch(false, true, DeviceSearch::DEVSEARCH_MODE_USB));
    QCOMPARE(adapter.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_False);

    QCOMPARE(adapter.adp_KVR_func_api_Init(), 1);
    QCOMPARE(adapter.adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    QVERIFY(adapter.callbackReceiverObject());
    QVERIFY(adapter.deviceSearch()->startSearch(false, true, DeviceSearch::DEVSEARCH_MODE_USB));
    QTRY_VERIFY(logged("GetPnPDeviceInfo"));
    // Live view runs its commands again (here: the paused picture).
    adapter.liveViewManager()->StartLiveAsync();
    QVERIFY(adapter.liveViewManager()->waitCommandsDone(kWaitMs));
    QVERIFY(adapter.liveViewManager()->IsLiveViewWorking());
    adapter.finishSdkIfInitialised();
}

void TestShutdown::appendedStopsRunLastBeforeFinish_data()
{
    QTest::addColumn<ClosePath>("path");
    QTest::newRow("interface finishes the SDK") << ClosePath::InterfaceFinish;
    QTest::newRow("after the event loop") << ClosePath::AfterEventLoop;
    QTest::newRow("adapter destroyed") << ClosePath::Destructor;
}

void TestShutdown::appendedStopsRunLastBeforeFinish()
{
    // The flash adapter has no thread of its own yet: its row is checked for
    // its place, and a row appended after it for when it runs.
    QFETCH(ClosePath, path);

    bool ran = false;
    std::vector<std::string> logWhenRun;
    auto adapter = std::make_unique<DeviceAdapter>();
    OtherOwners owners(*adapter);
    adapter->appendBackgroundStop(QStringLiteral("last owner"), [&] {
        if (!ran)
            logWhenRun = kvrsim::globalCallLog();
        ran = true;
    });
    QCOMPARE(adapter->backgroundStopNames(),
             QStringList({"device search", "network connect", "post-connect reader", "event worker", "live view",
                          "flash worker", "transfer workers", "last owner"}));

    ApplicationData::setDeviceAdapter(adapter.get());
    QCOMPARE(adapter->adp_KVR_func_api_Init(), 1);
    kvrsim::clearCallLogs();
    QCOMPARE(adapter->adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    QTRY_VERIFY(logged("Reg_NotifyCallback"));

    QVERIFY(closeThrough(path, adapter));
    adapter.reset();

    QVERIFY(ran);
    // After the adapter's own threads, before the SDK was finished.
    QVERIFY(count(logWhenRun, "Delete_CallBackInfo") > 0);
    QCOMPARE(count(logWhenRun, "Delete_CallBackInfo"), count(logWhenRun, "Reg_NotifyCallback"));
    QCOMPARE(count(logWhenRun, "Finish"), 0);
    QCOMPARE(count(kvrsim::globalCallLog(), "Finish"), 1);
}

void TestShutdown::heldTransferAtClose_data()
{
    QTest::addColumn<QString>("call"); // the stand-in function that hangs
    QTest::addColumn<Held>("held");
    QTest::addColumn<uint>("format");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("exit"); // the program ends with the call still held
    const qint64 natural = kvrsim::NaturalSize;
    const struct
    {
        const char *name;
        const char *call;
        Held held;
        uint format;
        qint64 size;
    } calls[] = {
        {"JPEG", "Get_Object", Held::Still, 1, natural},
        {"JPEG above one chunk", "Get_Partial_Object", Held::Still, 1, qint64(ObjectCopy::kChunkSize) + 1},
        {"RAW", "Get_Partial_Object", Held::Still, 2, natural},
        {"HLG", "Get_Partial_Object", Held::Still, 6, natural},
        {"HEIF", "Get_Partial_Object", Held::Still, 7, natural},
        {"association type", "Get_Object_AssociatType", Held::Still, 1, natural},
        {"format", "Get_Object_FormatType", Held::Still, 1, natural},
        {"size", "Get_Object_DataSize", Held::Still, 1, natural},
        {"file name", "Get_Object_FileName", Held::Still, 1, natural},
        {"movie chunk, import cancelled", "Get_Partial_ObjectEx", Held::Movie, 5, qint64(3 << 20)},
        {"6K/4K start", "Rec_Ctrl_4K6K", Held::Start6K4K, 0, 0},
        {"camera search", "GetPnPDeviceInfo", Held::Search, 0, 0},
        {"network camera search", "GetPnPDeviceInfo", Held::NetworkSearch, 0, 0},
        {"certificate of a camera found", "ptpip_GetCertPEM", Held::Certificate, 0, 0},
        {"network camera's read", "GetBatteryInfo", Held::NetworkRead, 0, 0},
        {"network camera's device closed at its disconnect", "CloseDevice", Held::NetworkDisconnect, 0, 0},
        {"network camera's live view start", "Ctrl_LiveView_Start", Held::NetworkLiveView, 0, 0},
        {"store location sent after the connect", "SetupFilesConfig_Set_Target", Held::StoreLocation, 1, natural},
    };
    for (const auto &c : calls)
        for (const bool exit : {false, true})
            QTest::addRow("%s, %s", c.name, exit ? "held at exit" : "let go after the close")
                << QString::fromLatin1(c.call) << c.held << c.format << c.size << exit;
}

void TestShutdown::heldTransferAtClose()
{
    // A camera call hangs past the close: the program ends all the same
    // (also where the call holds the SDK lock), and whatever comes back
    // touches nothing destroyed and keeps nothing. A fault shows as a crash,
    // a hang or a sanitizer report at the process's end, so each case runs
    // in a child whose end is checked.
    QFETCH(QString, call);
    QFETCH(Held, held);
    QFETCH(uint, format);
    QFETCH(qint64, size);
    QFETCH(bool, exit);
    if (!qEnvironmentVariableIsSet("KAVRO_TEST_FOLDER")) {
        QTemporaryDir folder;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KAVRO_TEST_FOLDER"), folder.path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels); // the test log too
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("heldTransferAtClose:") + QString::fromUtf8(QTest::currentDataTag())});
        const bool ended = child.waitForFinished(3 * kWaitMs);
        if (!ended)
            child.kill();
        const QString errors = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(ended, "the program did not end while a camera call was held");
        // A crash in a thread while the process exits can leave the exit
        // code at 0: the crash reports count too.
        const bool crashed = errors.contains(QRegularExpression(
            QStringLiteral("Received signal|Sanitizer|runtime error|terminate called")));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 && !crashed,
                 qPrintable(QStringLiteral("exit code %1: %2").arg(child.exitCode()).arg(errors.right(700))));
        QVERIFY2(errors.contains(QLatin1String("nothing is taken apart")), qPrintable(errors.right(700)));
        // Not the picture, and not its temporary (whether the call came back
        // or not).
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        // The pictures the close leaves unsaved stay named in the log (here
        // the held one and the one behind it, or one of them).
        int named = 0;
        if (held == Held::Still)
            named = 2;
        else if (held == Held::NetworkDisconnect || held == Held::StoreLocation)
            named = 1;
        if (named > 0)
            QVERIFY2(errors.split(QLatin1Char('\n')).filter(QLatin1String("not saved by the close")).join(' ').count(
                         QLatin1String("(object "))
                         == named,
                     qPrintable(errors.right(3000)));
        return;
    }
    const QString folder = qEnvironmentVariable("KAVRO_TEST_FOLDER");
    test::InstalledSettings settings;
    settings.setStoreFolderType(ApplicationSettings::StoFolderType_User);
    settings.setStoreFolderUrl(folder);
    auto adapter = std::make_unique<DeviceAdapter>();
    auto owners = std::make_unique<OtherOwners>(*adapter);
    ApplicationData::setDeviceAdapter(adapter.get());
    ApplicationData::setObjectCopy(&owners->copy);
    QCOMPARE(adapter->adp_KVR_func_api_Init(), 1);
    if (held == Held::Search || held == Held::NetworkSearch || held == Held::Certificate) {
        kvrsim::delayNext(call.toStdString(), 1, 3'600'000);
        if (held == Held::Certificate) {
            QVERIFY(announceTlsCamera(*adapter));
        } else {
            // No camera is found: the search would go on pass after pass.
            for (int index : kvrsim::cameras())
                kvrsim::unplug(index);
            QVERIFY(adapter->deviceSearch()->startSearch(false, false,
                                                         held == Held::Search ? DeviceSearch::DEVSEARCH_MODE_USB
                                                                              : DeviceSearch::DEVSEARCH_MODE_LAN));
        }
        QTRY_COMPARE_WITH_TIMEOUT(kvrsim::delayedCalls(call.toStdString()), 1, kWaitMs);
        // Without the SDK lock the close does not call the SDK at all.
        QCOMPARE(closeAsInterface(*adapter, *owners), Utilities::Ternary_False);
        QVERIFY(!logged("Finish"));
        endAsMain(adapter, owners, exit);
    }
    if (held == Held::NetworkRead || held == Held::NetworkDisconnect || held == Held::NetworkLiveView) {
        QCOMPARE(adapter->adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
        const int camera = test::firstCamera(kvrsim::Connection::Lan);
        DeviceSearch::setConnectReadTables(&kNoReading);
        QVERIFY(test::connectNetworkCamera(*adapter, camera, QStringLiteral("Rozado2026")));
        QTRY_COMPARE_WITH_TIMEOUT(adapter->camConnectStatus(), Utilities::CamConnectSts_Success, kWaitMs);
        if (held == Held::NetworkDisconnect) {
            // Its pictures come to the computer: the SDK's notice of one
            // counts the cameras in the table.
            kvrsim::turnDial(camera, "fileTarget", 1);
            QTRY_VERIFY_WITH_TIMEOUT(adapter->fileTarget() == Utilities::FLTG_PcOnly
                                         || adapter->fileTarget() == Utilities::FLTG_PcAndCamera,
                                     kWaitMs);
        }
        kvrsim::delayNext(call.toStdString(), 1, 3'600'000, kvrsim::uuidOf(camera));
        switch (held) {
        case Held::NetworkRead:
            QCOMPARE(adapter->adp_KVR_func_api_GetBatteryInfo_Start(), Utilities::Ternary_True);
            break;
        case Held::NetworkDisconnect:
            kvrsim::emitPtpip(KVR_PTPIP_KIND_DISCONNECTED, camera);
            break;
        default:
            QCOMPARE(adapter->adp_KVR_func_api_Ctrl_LiveView_Start(), Utilities::Ternary_True);
            break;
        }
        QTRY_COMPARE_WITH_TIMEOUT(kvrsim::delayedCalls(call.toStdString()), 1, kWaitMs);
        // Meanwhile the SDK's threads report a picture (named in the log all
        // the same) and a camera connected already, both needing the table.
        if (held == Held::NetworkDisconnect) {
            QVERIFY(pictureWaitsBehind(*adapter, camera));
            kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND_CONNECTED, camera);
        }
        // The SDK is finished all the same; the camera whose lock stayed
        // taken is not called.
        QCOMPARE(closeAsInterface(*adapter, *owners), Utilities::Ternary_True);
        QCOMPARE(test::callCount(camera, "CloseSession"), 0);
        endAsMain(adapter, owners, exit);
    }
    const std::vector<int> cameras = kvrsim::cameras();
    QVERIFY(cameras.size() >= 2);
    if (held == Held::StoreLocation) {
        // Both cameras are known: the post-connect reader sends the one not
        // selected its store location, with the camera table held.
        test::loadKnownCameras(*adapter, {QString::fromStdString(kvrsim::profileOf(cameras[0]).serial),
                                          QString::fromStdString(kvrsim::profileOf(cameras[1]).serial)});
        DeviceSearch::setConnectReadTables(&kNoReading);
        QCOMPARE(adapter->adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
        QVERIFY(test::connectUsbCameras(*adapter));
        QTRY_COMPARE_WITH_TIMEOUT(adapter->camConnectStatus(), Utilities::CamConnectSts_Success, kWaitMs);
        // The selected camera's picture is held in its transfer, which the
        // close names as not saved.
        kvrsim::delayNext("Get_Object_DataSize", 1, 3'600'000, kvrsim::uuidOf(cameras[0]));
        (void)kvrsim::addObject(cameras[0], format, size);
        QTRY_COMPARE_WITH_TIMEOUT(kvrsim::delayedCalls("Get_Object_DataSize"), 1, kWaitMs);
        kvrsim::delayNext(call.toStdString(), 1, 3'600'000, kvrsim::uuidOf(cameras[1]));
        adapter->deviceSearch()->startGetConnectInitData();
        QTRY_COMPARE_WITH_TIMEOUT(kvrsim::delayedCalls(call.toStdString()), 1, kWaitMs);
        QCOMPARE(closeAsInterface(*adapter, *owners), Utilities::Ternary_True);
        endAsMain(adapter, owners, exit);
    }
    QVERIFY(test::connectUsbCameras(*adapter));
    QCOMPARE(adapter->adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    for (int i : {0, 1})
        kvrsim::turnDial(cameras[size_t(i)], "fileTarget", 1);
    // The quality and HLG setting under which the camera's kind of still is copied.
    kvrsim::turnDial(cameras[0], "imgInfoQuality", format == 2 ? 4 : format == 7 ? 13 : 0);
    kvrsim::turnDial(cameras[0], "hlgShootingType", format == 6 ? 2 : 0);
    kvrsim::delayNext(call.toStdString(), 1, 3'600'000, kvrsim::uuidOf(cameras[0]));
    switch (held) {
    case Held::Still:
        (void)kvrsim::addObject(cameras[0], format, size);
        break;
    case Held::Movie:
        owners->copy.setMovieHandle(kvrsim::addObject(cameras[0], format, size, false));
        owners->copy.setObjectAddState(ObjectCopy::OAS_Movie_Start);
        break;
    case Held::Start6K4K:
        owners->copy.setCut6K4KDataNum(3);
        owners->copy.setCut6K4KState(ObjectCopy::CT6K4K_Start);
        break;
    default:
        break;
    }
    QTRY_COMPARE_WITH_TIMEOUT(kvrsim::delayedCalls(call.toStdString()), 1, kWaitMs);
    if (held == Held::Movie) // the photographer gives up on the stuck import
        owners->copy.setObjectAddState(ObjectCopy::OAS_Movie_Stop);
    if (held == Held::Still) // another camera's picture waits behind the held one
        QVERIFY(pictureWaitsBehind(*adapter, cameras[1]));

    QCOMPARE(closeAsInterface(*adapter, *owners), Utilities::Ternary_True);
    endAsMain(adapter, owners, exit);
}

void TestShutdown::endAsMain(std::unique_ptr<DeviceAdapter> &adapter, std::unique_ptr<OtherOwners> &owners, bool exit)
{
    // As main ends, after the interface's close; what comes back after the
    // close does so at the last step.
    const QString certificates = adapter->createCerSaveFolderPath();
    const int code = startup::endProgram(
        *adapter, 0,
        [&] {
            owners.reset();
            adapter.reset();
        },
        [&] {
            if (!exit) {
                kvrsim::clearInjections();
                if (!QTest::qWaitFor([] { return WorkerThread::stillLeftRunning().isEmpty(); }, kWaitMs))
                    std::_Exit(3); // the call came back, the worker did not end
            }
            // A certificate read after the close is nobody's.
            const bool certificateLeft = !QDir(certificates).isEmpty(QDir::Files | QDir::NoDotAndDotDot);
            // No destructor runs after this: the child's settings go now.
            (void)m_settingsDir.remove();
            if (certificateLeft) {
                std::fputs("a certificate nobody accepted stayed\n", stderr);
                std::_Exit(4);
            }
        });
    std::exit(code);
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
