// The USB road from end to end against the SDK stand-in: search, ticks,
// connect, the post-connect reading, selection, a camera pulled out and a
// refused firmware update.

#include <QtTest>

#include <QFile>

#include <memory>
#include <string>
#include <vector>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "QueueTestSupport.h"
#include "QueuedSpy.h"
#include "SimulatorFixture.h"
#include "Kvrptpif.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "camera/DeviceSearch.h"
#include "core/ApplicationData.h"

using namespace kavrotether;
using Item = SearchCameraListItemObject;

namespace {

const QString kA1 = QStringLiteral("SIMA10000001");
const QString kB2 = QStringLiteral("SIMB20000002");

// The post-connect readers of these tests: all answer as the case says.
std::atomic<bool> g_readFails{false};

Utilities::Ternary testReader(DeviceAdapter &)
{
    return g_readFails.load() ? Utilities::Ternary_False : Utilities::Ternary_True;
}

constexpr ConnectReadStep kCaps[] = {{"cap", testReader, true, false}};
constexpr ConnectReadStep kValues[] = {{"value", testReader, true, false}};
const ConnectReadTables kTables{kCaps, 1, kValues, 1};

using kavrotether::test::callCount;
using kavrotether::test::globalCallCount;
using kavrotether::test::QueuedSpy;

} // namespace

class TestUsbRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void searchConnectSelectLoseAndUpdate();
    void untickedCameraStaysOut();
    void lastCameraLost();
    void failedReadingReportsTheCamera();
    void autoSearchAlternates();
    void searchAndConnectRereadsSelected();
    void restartedCameraHandsOverSelection();

private:
    // Runs a USB search to its end; the search list then holds what it found.
    void searchUsb();
    void connectUsb();
    Item *itemOf(const QString &serialPart);
    std::unique_ptr<test::IsolatedSettings> m_settings;
    test::AdapterFixture m_fixture;
};

void TestUsbRoad::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestUsbRoad::init()
{
    m_settings = std::make_unique<test::IsolatedSettings>();
    QVERIFY(m_settings->isValid());
    g_readFails.store(false);
    DeviceSearch::setConnectReadTables(&kTables);
    QVERIFY(m_fixture.start());
}

void TestUsbRoad::cleanup()
{
    m_fixture.stop();
    DeviceSearch::setConnectReadTables(nullptr);
    m_settings.reset();
}

void TestUsbRoad::searchUsb()
{
    DeviceSearch &search = *m_fixture->deviceSearch();
    QueuedSpy status(&search, &DeviceSearch::devSearchStatusChanged);
    QVERIFY(search.startSearch(false, false, DeviceSearch::DEVSEARCH_MODE_USB));
    while (status.spy.count() < 2)
        QVERIFY(status.spy.wait(5000));
    QCOMPARE(search.devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Stop));
}

void TestUsbRoad::connectUsb()
{
    QueuedSpy reading(&m_fixture.adapter(), &DeviceAdapter::camConnectStatusChanged);
    QCOMPARE(m_fixture->connectEnableDevice(), Utilities::Ternary_True);
    while (m_fixture->camConnectStatus() != Utilities::CamConnectSts_Success)
        QVERIFY(reading.spy.wait(5000));
}

Item *TestUsbRoad::itemOf(const QString &serialPart)
{
    const int index = kvrsim::indexOfSerial(serialPart.toStdString());
    for (QObject *o : m_fixture->searchList()) {
        auto *item = qobject_cast<Item *>(o);
        if (item && item->devIndex() == index)
            return item;
    }
    return nullptr;
}

void TestUsbRoad::searchConnectSelectLoseAndUpdate()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    kvrsim::clearCallLogs();
    searchUsb();
    // Each pass tells the SDK what it searches and clears the search filter.
    QCOMPARE(adapter.connectionType(), 0);
    QVERIFY(globalCallCount("ptpip_Set_Connection_Type") >= 1);
    QVERIFY(globalCallCount("SetSearchCondition") >= 1);

    // The two USB cameras, ticked, named by their individual ids.
    QCOMPARE(adapter.searchListCount(), 2);
    const int a1 = kvrsim::indexOfSerial(kA1.toStdString());
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    for (int index : {a1, b2}) {
        Item *item = itemOf(QString::fromStdString(kvrsim::profileOf(index).serial));
        QVERIFY(item);
        QVERIFY(item->enable());
        QVERIFY(!item->devFrlyName().isEmpty());
        // Read through a brief session that is closed again.
        QVERIFY(!kvrsim::inSession(index));
    }

    QSignalSpy connected(&adapter, &DeviceAdapter::isCamerasConnectedChanged);
    connectUsb();
    QCOMPARE(connected.count(), 1);
    QCOMPARE(adapter.cameraTableCount(), 2);
    QVERIFY(kvrsim::inSession(a1));
    QVERIFY(kvrsim::inSession(b2));
    const QString uuidA = QString::fromStdString(kvrsim::uuidOf(a1));
    const QString uuidB = QString::fromStdString(kvrsim::uuidOf(b2));
    QVERIFY(adapter.cameraInfoByUuid(uuidA, nullptr));
    QVERIFY(adapter.cameraInfoByUuid(uuidB, nullptr));

    // Selection moves to B2 on request.
    CameraInfo infoB;
    QVERIFY(adapter.cameraInfoByUuid(uuidB, &infoB));
    QSignalSpy switched(&adapter, &DeviceAdapter::switchCameraNotify);
    QCOMPARE(adapter.adp_KVR_func_api_Select_Device(infoB.devIndex), Utilities::Ternary_True);
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), uuidB);
    QCOMPARE(adapter.camSerialNo(), kB2);

    // B2 is pulled out: the other camera takes over and a re-scan runs.
    QSignalSpy listChanged(&adapter, &DeviceAdapter::cameraListChanged);
    switched.clear();
    kvrsim::clearCallLogs();
    kvrsim::unplug(b2);
    m_fixture.deliverAndRun();
    QCOMPARE(adapter.cameraTableCount(), 1);
    QVERIFY(!adapter.cameraInfoByUuid(uuidB, nullptr));
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), uuidA);
    QCOMPARE(adapter.camSerialNo(), kA1);
    QVERIFY(adapter.isCamerasConnected());
    QVERIFY(listChanged.count() >= 1);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(globalCallCount("Search_Device"), 1);

    // Plugged back in, the next re-scan brings it back under a new UUID.
    kvrsim::plug(b2);
    QCOMPARE(adapter.adp_KVR_func_api_Search_Camera_List_start(), Utilities::Ternary_True);
    m_fixture.deliverAndRun();
    QCOMPARE(adapter.cameraTableCount(), 2);
    QVERIFY(kvrsim::inSession(b2));
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), uuidA);

    // A refused firmware: the camera stays, the selection and the connection
    // are kept, the completion is announced.
    const QString file = QDir(m_settings->path()).filePath(QStringLiteral("fw.bin"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::NewOnly));
        QCOMPARE(f.write(QByteArray(1024, 'F')), qint64(1024));
    }
    QSignalSpy completed(&adapter, &DeviceAdapter::firmwareUpdateCompleted);
    connected.clear();
    kvrsim::clearCallLogs();
    kvrsim::setFirmwareOutcome(a1, kvrsim::FirmwareOutcome::Failure);
    QVERIFY(adapter.adp_KVR_func_api_FirmwareUpdate_start(uuidA, file, false));
    m_fixture.deliverAndRun();
    QCOMPARE(completed.count(), 1);
    QCOMPARE(callCount(a1, "FirmwareUpdate"), 1);
    QCOMPARE(callCount(a1, "CloseDevice"), 0);
    QCOMPARE(adapter.cameraTableCount(), 2);
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), uuidA);
    QVERIFY(adapter.isCamerasConnected());
    QCOMPARE(connected.count(), 0);
    QVERIFY(!adapter.isFwupProcessing());
}

void TestUsbRoad::untickedCameraStaysOut()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    searchUsb();
    QCOMPARE(adapter.searchListCount(), 2);
    itemOf(kA1)->setEnable(false);
    connectUsb();
    QCOMPARE(adapter.cameraTableCount(), 1);
    QVERIFY(!kvrsim::inSession(kvrsim::indexOfSerial(kA1.toStdString())));
    QCOMPARE(adapter.camSerialNo(), kB2);

    // The add search runs one USB pass; the fresh entries come ticked and,
    // applied while connected, add the missing camera.
    DeviceSearch &search = *adapter.deviceSearch();
    QueuedSpy status(&search, &DeviceSearch::devSearchStatusChanged);
    adapter.camera_list_update_camera_list(true);
    while (status.spy.count() < 2)
        QVERIFY(status.spy.wait(5000));
    QVERIFY(search.addSearchMode());
    QCOMPARE(search.devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Stop));
    QCOMPARE(adapter.searchListCount(), 2);
    QVERIFY(itemOf(kA1)->enable());
    QSignalSpy listChanged(&adapter, &DeviceAdapter::cameraListChanged);
    QCOMPARE(adapter.searchAddedDevice(), Utilities::Ternary_True);
    QCOMPARE(adapter.cameraTableCount(), 2);
    QCOMPARE(listChanged.count(), 1);
    // The selection stays with the camera that was there.
    QCOMPARE(adapter.camSerialNo(), kB2);

    // Unticked while connected: its session and device are closed, it leaves
    // the table and the selection moves to the camera that stays.
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    itemOf(kB2)->setEnable(false);
    listChanged.clear();
    QSignalSpy switched(&adapter, &DeviceAdapter::switchCameraNotify);
    adapter.searchAddedDevice();
    QCOMPARE(adapter.cameraTableCount(), 1);
    QVERIFY(!kvrsim::inSession(b2));
    QVERIFY(listChanged.count() >= 1);
    QCOMPARE(adapter.camSerialNo(), kA1);
    QCOMPARE(switched.count(), 1);
    QVERIFY(adapter.isCamerasConnected());
}

void TestUsbRoad::lastCameraLost()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    searchUsb();
    itemOf(kB2)->setEnable(false);
    connectUsb();
    QCOMPARE(adapter.cameraTableCount(), 1);
    QCOMPARE(adapter.camCurrentSelectedSerialNo(), kA1);
    QSignalSpy connected(&adapter, &DeviceAdapter::isCamerasConnectedChanged);
    kvrsim::unplug(kvrsim::indexOfSerial(kA1.toStdString()));
    m_fixture.deliverAndRun();
    QCOMPARE(adapter.cameraTableCount(), 0);
    QVERIFY(!adapter.isCamerasConnected());
    QCOMPARE(connected.count(), 1);
    // Back to the network default, nothing selected.
    QCOMPARE(adapter.connectionType(), 1);
    QVERIFY(adapter.camCurrentSelectedSerialNo().isEmpty());
}

void TestUsbRoad::failedReadingReportsTheCamera()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    searchUsb();
    itemOf(kB2)->setEnable(false);
    g_readFails.store(true);
    QueuedSpy status(&adapter, &DeviceAdapter::camConnectStatusChanged);
    // The reading thread reports the error: the names reach the test queued.
    QStringList errors;
    QObject receiver;
    connect(
        &adapter, &DeviceAdapter::notifyConnectErrorMessage, &receiver,
        [&errors](int, const QString &name, int) { errors << name; }, Qt::QueuedConnection);
    QCOMPARE(adapter.connectEnableDevice(), Utilities::Ternary_True);
    while (adapter.camConnectStatus() != Utilities::CamConnectSts_Error)
        QVERIFY(status.spy.wait(5000));
    adapter.deviceSearch()->stopGetConnectInitData();
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 5000);
    const QString name = adapter.camIndividualId().isEmpty() ? adapter.camModelName() : adapter.camIndividualId();
    QVERIFY(!name.isEmpty());
    QCOMPARE(errors.at(0), name);
}

void TestUsbRoad::autoSearchAlternates()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    for (int index : kvrsim::cameras()) {
        if (kvrsim::profileOf(index).connection == kvrsim::Connection::Usb)
            kvrsim::unplug(index);
        else
            kvrsim::setOnNetwork(index, false);
    }
    QCOMPARE(adapter.adp_KVR_func_api_ptpip_Set_Connection_Type(0), Utilities::Ternary_True);
    DeviceSearch &search = *adapter.deviceSearch();
    // The SDK reports every network pass as timed out at once.
    std::vector<int> types;
    QMutex typesLock;
    connect(
        &adapter, &DeviceAdapter::connectionTypeChanged, &search,
        [&](int type) {
            {
                QMutexLocker g(&typesLock);
                types.push_back(type);
            }
            if (type == 1)
                search.SetPTPIPSearchEvent(2);
        },
        Qt::DirectConnection);
    QueuedSpy changes(&adapter, &DeviceAdapter::connectionTypeChanged);
    QVERIFY(search.startSearch());
    while (changes.spy.count() < 3)
        QVERIFY(changes.spy.wait(5000));
    search.stopSearch();
    QCOMPARE(search.devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Stop));
    QMutexLocker g(&typesLock);
    QVERIFY(types.size() >= 3);
    for (std::size_t i = 0; i < types.size(); ++i)
        QCOMPARE(types[i], i % 2 == 0 ? 1 : 0);
    // A search that is not waiting for the network may start again at once.
    g.unlock();
    QVERIFY(search.startSearch(true, true, DeviceSearch::DEVSEARCH_MODE_USB));
    search.stopSearch();
}

void TestUsbRoad::searchAndConnectRereadsSelected()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    // Nothing selected: the SDK is given no camera and refuses.
    QCOMPARE(adapter.adp_KVR_func_api_Search_and_Connect_DEVICE_TYPE_REMOTE_STD(), Utilities::Ternary_False);
    searchUsb();
    connectUsb();
    const QString selected = adapter.camera_list_get_selected_camera_uuid();
    adapter.setCamModelNameValue(QString());
    const int selectedIndex = kvrsim::indexOfSerial(adapter.camSerialNo().toStdString());
    kvrsim::clearCallLogs();
    QCOMPARE(adapter.adp_KVR_func_api_Search_and_Connect_DEVICE_TYPE_REMOTE_STD(), Utilities::Ternary_True);
    // Asked of the camera itself, not copied from the table.
    QCOMPARE(callCount(selectedIndex, "GetDeviceInfo"), 1);
    // The selected camera's information is read again; the search list is
    // filled anew and the table is left alone.
    QVERIFY(!adapter.camModelName().isEmpty());
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), selected);
    QCOMPARE(adapter.searchListCount(), 2);
    QCOMPARE(adapter.cameraTableCount(), 2);
    // A busy SDK lock with trylock gives up at once.
    DeviceAdapterTestAccess::sdkLock(adapter).lock();
    QCOMPARE(adapter.adp_KVR_func_api_Search_and_Connect_DEVICE_TYPE_REMOTE_STD(true), Utilities::Ternary_False);
    DeviceAdapterTestAccess::sdkLock(adapter).unlock();
    kvrsim::failNext("Search_and_Connect_DEVICE_TYPE", 1);
    QCOMPARE(adapter.adp_KVR_func_api_Search_and_Connect_DEVICE_TYPE_REMOTE_STD(), Utilities::Ternary_False);
}

void TestUsbRoad::restartedCameraHandsOverSelection()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    searchUsb();
    connectUsb();
    const int a1 = kvrsim::indexOfSerial(kA1.toStdString());
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    const QString uuidA = QString::fromStdString(kvrsim::uuidOf(a1));
    const QString uuidB = QString::fromStdString(kvrsim::uuidOf(b2));
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), uuidA);
    const QString file = QDir(m_settings->path()).filePath(QStringLiteral("fw.bin"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::NewOnly));
        QCOMPARE(f.write(QByteArray(16, 'F')), qint64(16));
    }
    QVERIFY(adapter.adp_KVR_func_api_FirmwareUpdate_start(uuidA, file, true));
    // What the firmware status handler records for a finished update.
    DeviceAdapterTestAccess::setFirmwareOutcome(adapter, 100, 1);
    QSignalSpy listChanged(&adapter, &DeviceAdapter::cameraListChanged);
    QSignalSpy switched(&adapter, &DeviceAdapter::switchCameraNotify);
    kvrsim::clearCallLogs();
    QVERIFY(test::runThrough(m_fixture.receiver(), WorkerCommandCode::FirmwareUpdate));
    // The restarting camera is closed and gone; the other one is selected.
    QCOMPARE(callCount(a1, "CloseDevice"), 1);
    QVERIFY(!adapter.cameraInfoByUuid(uuidA, nullptr));
    QCOMPARE(listChanged.count(), 1);
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), uuidB);
    QCOMPARE(adapter.camSerialNo(), kB2);
    CameraInfo infoB;
    QVERIFY(adapter.cameraInfoByUuid(uuidB, &infoB));
    QCOMPARE(switched.count(), 1);
    QCOMPARE(switched.at(0).at(0).toInt(), infoB.devIndex);
    QVERIFY(adapter.isCamerasConnected());
}

QTEST_MAIN(TestUsbRoad)
#include "tst_usbroad.moc"
