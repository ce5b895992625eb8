// Connecting cameras against the SDK stand-in: the known-camera file, the
// SDK's configuration calls, USB selection and sessions, device information,
// the camera table's limit, a vanished camera's re-scan and switching the
// selected camera.

#include <QtTest>

#include <QSettings>
#include <QThread>

#include <atomic>
#include <memory>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "Kvrptpif.h"
#include "QueueTestSupport.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "core/ApplicationData.h"

using namespace kavrotether;
using kavrotether::test::callCount;
using kavrotether::test::countCalls;
using kavrotether::test::itemText;
using kavrotether::test::loadKnownCameras;
using kavrotether::test::queueText;
using Access = kavrotether::DeviceAdapterTestAccess;

Q_DECLARE_METATYPE(std::vector<kavrotether::LiveViewManager::Command>)

namespace {

const QString kA1 = QStringLiteral("SIMA10000001");
const QString kB2 = QStringLiteral("SIMB20000002");

std::string usbScenario(int cameras)
{
    std::string json = "{\"cameras\": [";
    for (int i = 0; i < cameras; ++i) {
        if (i)
            json += ",";
        json += "{\"model\": \"Rozado Sim U" + std::to_string(i) + "\", \"serial\": \"SER" + std::to_string(100 + i)
                + "\", \"connection\": \"usb\"}";
    }
    return json + "]}";
}

// A camera record as the connection code would enter it.
CameraInfo cameraRecord(const QString &serial, int devIndex)
{
    CameraInfo c;
    c.serialNo = serial;
    c.devIndex = devIndex;
    c.modelName = QStringLiteral("Model ") + serial;
    c.individualId = QStringLiteral("Id ") + serial;
    return c;
}

} // namespace

class TestConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // known cameras
    void knownCameraFileRoundTrip();
    void knownCameraFileWithoutGaps();
    void knownCameraFileGapsAndEmptySerials_data();
    void knownCameraFileGapsAndEmptySerials();
    void savedListReadWhileRescanAdds();
    void knownCameraListFull();
    void existenceAndIndex_data();
    void existenceAndIndex();
    void accessorsByPosition();
    void tristateBytes_data();
    void tristateBytes();
    void accessorsByUuid();

    // start-up
    void debugLogLevel_data();
    void debugLogLevel();
    void configurationCallsAnswerTrue();

    // USB connection and sessions
    void connectTwoUsbCameras();
    void connectOnlyTickedCamera();
    void selectRetriesUpToTen_data();
    void selectRetriesUpToTen();
    void failedSessionIsNoSuccess();
    void connectOpensEachSessionOnce();
    void connectWithEmptyList();
    void thirteenthCameraRefused();
    void thirteenthCameraOnAddPath();
    void sessionsAll();
    void selectedCameraWithoutIndexZero();
    void vanishedCameraRescan();
    void rescanEnqueuer();
    void disconnectAll();
    void networkSelectWithPassword();

    // device information
    void extendedIdentifier_data();
    void extendedIdentifier();
    void cameraWithoutPowerSaving();
    void recordingStatusSetsFlag_data();
    void recordingStatusSetsFlag();

    // selection and live view
    void switchSelectedCamera();
    void switchToUnknownIndex();
    void selectDeviceEnqueuer();
    void multiviewPage();
    void skipFlag_data();
    void skipFlag();
    void noFrameWhileReading_data();
    void noFrameWhileReading();
    void liveViewStartSingle_data();
    void liveViewStartSingle();
    void liveViewStopAndPause();
    void switchRestartsLiveView_data();
    void switchRestartsLiveView();

private:
    // Chooses USB and fills the device list with the plugged cameras.
    void searchUsb(DeviceAdapter &adapter);
    // Leaves only the search-list entry at position keep ticked.
    static void tickOnly(DeviceAdapter &adapter, int keep);
    std::unique_ptr<test::IsolatedSettings> m_settings;
};

void TestConnection::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestConnection::init()
{
    // A fresh folder per case: the known-camera file starts absent.
    m_settings = std::make_unique<test::IsolatedSettings>();
    QVERIFY(m_settings->isValid());
    QVERIFY(test::startSimulator());
}

void TestConnection::cleanup()
{
    ApplicationData::setDeviceAdapter(nullptr);
    test::stopSimulator();
    m_settings.reset();
}

void TestConnection::searchUsb(DeviceAdapter &adapter)
{
    QCOMPARE(adapter.adp_KVR_func_api_ptpip_Set_Connection_Type(0), Utilities::Ternary_True);
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
}

void TestConnection::tickOnly(DeviceAdapter &adapter, int keep)
{
    const QList<QObject *> items = adapter.searchList();
    for (int i = 0; i < items.size(); ++i)
        qobject_cast<SearchCameraListItemObject *>(items.at(i))->setEnable(i == keep);
}

// ---- known cameras ----

void TestConnection::knownCameraFileRoundTrip()
{
    {
        DeviceAdapter adapter;
        adapter.camera_list_load_setting_file();
        QCOMPARE(adapter.camera_list_number_of_camera(), 0);
        QVERIFY(test::connectUsbCameras(adapter));
        QCOMPARE(adapter.camera_list_number_of_camera(), 2);
        // Connecting the same cameras again remembers nothing twice.
        adapter.camera_list_update_camera_list(false);
        QCOMPARE(adapter.camera_list_number_of_camera(), 2);
    }
    QSettings file(QSettings::IniFormat, QSettings::UserScope, "(KAVROTether x64)", "CameraList");
    QCOMPARE(file.value("NumberOfCamera").toInt(), 2);
    QCOMPARE(QSet<QString>({file.value("CameraID1").toString(), file.value("CameraID2").toString()}),
             QSet<QString>({kA1, kB2}));

    DeviceAdapter later;
    later.camera_list_load_setting_file();
    QCOMPARE(later.camera_list_number_of_camera(), 2);
    QCOMPARE(later.camera_list_get_camera_serial_number(0), file.value("CameraID1").toString());
    QCOMPARE(later.camera_list_get_camera_serial_number(1), file.value("CameraID2").toString());
    // Remembered but not connected.
    QCOMPARE(later.camConnectDeviceStatus(0), Utilities::Ternary_False);
    QCOMPARE(later.camera_list_get_camera_dev_index(0), 0);
    QVERIFY(later.camera_list_get_camera_uuid(1).isEmpty());
}

void TestConnection::knownCameraFileWithoutGaps()
{
    DeviceAdapter adapter;
    loadKnownCameras(adapter, {QStringLiteral("AAA"), QString(), QStringLiteral("CCC")});
    {
        // A longer list written earlier must not leave stale keys behind.
        QSettings file(QSettings::IniFormat, QSettings::UserScope, "(KAVROTether x64)", "CameraList");
        file.setValue("NumberOfCamera", 5);
        for (int i = 1; i <= 5; ++i)
            file.setValue(QStringLiteral("CameraID%1").arg(i), QStringLiteral("OLD%1").arg(i));
    }
    adapter.camera_list_update_camera_list(false);

    DeviceAdapter later;
    later.camera_list_load_setting_file();
    QCOMPARE(later.camera_list_number_of_camera(), 2);
    QCOMPARE(later.camera_list_get_camera_serial_number(0), QStringLiteral("AAA"));
    QCOMPARE(later.camera_list_get_camera_serial_number(1), QStringLiteral("CCC"));
    QSettings file(QSettings::IniFormat, QSettings::UserScope, "(KAVROTether x64)", "CameraList");
    QVERIFY(!file.contains("CameraID3"));
    QVERIFY(!file.contains("CameraID5"));

    // Looking a serial number up rewrites the count the same way.
    QVERIFY(adapter.isFindSerialNo(QStringLiteral("ccc")));
    file.sync();
    QCOMPARE(file.value("NumberOfCamera").toInt(), 2);
}

namespace {
// The known-camera file as "key=value" lines in key order.
QStringList cameraListFile()
{
    QSettings file(QSettings::IniFormat, QSettings::UserScope, "(KAVROTether x64)", "CameraList");
    QStringList out;
    const QStringList keys = file.allKeys();
    for (const QString &key : keys)
        out << key + QLatin1Char('=') + file.value(key).toString();
    return out;
}

void writeCameraListFile(const QStringList &lines)
{
    QSettings file(QSettings::IniFormat, QSettings::UserScope, "(KAVROTether x64)", "CameraList");
    file.clear();
    for (const QString &line : lines)
        file.setValue(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
}

QStringList savedSerials(DeviceAdapter &adapter)
{
    QStringList out;
    for (int i = 0; i < adapter.camera_list_number_of_camera(); ++i)
        out << adapter.camera_list_get_camera_serial_number(i);
    return out;
}
} // namespace

void TestConnection::knownCameraFileGapsAndEmptySerials_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("list");
    const QStringList compact{"CameraID1=AAA", "CameraID2=CCC", "NumberOfCamera=2"};
    const QStringList gap{"CameraID1=AAA", "CameraID3=CCC", "NumberOfCamera=3"};
    const QStringList emptyKey{"CameraID1=AAA", "CameraID2=", "CameraID3=CCC", "NumberOfCamera=3"};
    QTest::newRow("gap, loaded only") << gap << "load" << gap << QStringList{"AAA", "CCC"};
    QTest::newRow("gap, looked up") << gap << "find" << compact << QStringList{"AAA", "CCC"};
    QTest::newRow("empty key, looked up") << emptyKey << "find" << compact << QStringList{"AAA", "CCC"};
    QTest::newRow("empty key, updated") << emptyKey << "update" << compact << QStringList{"AAA", "CCC"};
    QTest::newRow("count short of its keys")
        << QStringList{"CameraID1=AAA", "CameraID2=OLD", "NumberOfCamera=1"} << "find"
        << QStringList{"CameraID1=AAA", "NumberOfCamera=1"} << QStringList{"AAA"};
    QTest::newRow("count beyond its keys") << QStringList{"CameraID1=AAA", "NumberOfCamera=4"} << "find"
                                           << QStringList{"CameraID1=AAA", "NumberOfCamera=1"} << QStringList{"AAA"};
    QTest::newRow("nameless camera connected")
        << gap << "connect nameless"
        << QStringList{"CameraID1=AAA", "CameraID2=CCC", "CameraID3=NEW", "NumberOfCamera=3"}
        << QStringList{"AAA", "CCC", "NEW"};
    QTest::newRow("empty serial set") << compact << "set empty" << compact << QStringList{"AAA", "CCC"};
    QTest::newRow("no file, looked up") << QStringList() << "find" << QStringList{"NumberOfCamera=0"} << QStringList();
}

void TestConnection::knownCameraFileGapsAndEmptySerials()
{
    QFETCH(QStringList, before);
    QFETCH(QString, call);
    QFETCH(QStringList, after);
    QFETCH(QStringList, list);
    writeCameraListFile(before);
    DeviceAdapter adapter;
    adapter.camera_list_load_setting_file();
    if (call == QLatin1String("find")) {
        QCOMPARE(adapter.isFindSerialNo(QStringLiteral("ccc")), list.contains(QStringLiteral("CCC")));
    } else if (call == QLatin1String("update")) {
        adapter.camera_list_update_camera_list(false);
    } else if (call == QLatin1String("connect nameless")) {
        QVERIFY(adapter.addCameraToTable(QStringLiteral("u1"), cameraRecord(QString(), 0)));
        QVERIFY(adapter.addCameraToTable(QStringLiteral("u2"), cameraRecord(QStringLiteral("NEW"), 1)));
        adapter.camera_list_update_camera_list(false);
    } else if (call == QLatin1String("set empty")) {
        adapter.camera_list_set_camera_value(1, QString(), true);
    }
    QCOMPARE(cameraListFile(), after);
    QCOMPARE(savedSerials(adapter), list);
    // The next start reads the same list back.
    DeviceAdapter later;
    later.camera_list_load_setting_file();
    QCOMPARE(savedSerials(later), list);
}

void TestConnection::savedListReadWhileRescanAdds()
{
    // The re-scan remembers cameras on the event worker while the interface
    // reads the list: a reader sees whole entries, and the list only grows.
    DeviceAdapter adapter;
    loadKnownCameras(adapter, {QStringLiteral("S0")});
    constexpr int kAdds = 48;
    std::atomic<bool> done{false};
    std::unique_ptr<QThread> rescan(QThread::create([&] {
        for (int i = 1; i <= kAdds; ++i) {
            const QString uuid = QStringLiteral("u%1").arg(i);
            adapter.addCameraToTable(uuid, cameraRecord(QStringLiteral("S%1").arg(i), i));
            adapter.camera_list_update_camera_list(false);
            adapter.removeCameraFromTable(uuid);
        }
        done.store(true);
    }));
    rescan->start();
    int wrong = 0;
    while (!done.load()) {
        const int n = adapter.camera_list_number_of_camera();
        const QString last = QStringLiteral("S%1").arg(n - 1);
        wrong += adapter.camera_list_get_camera_serial_number(n - 1) == last ? 0 : 1;
        wrong += adapter.GetCameraSettingListIndex(last) == n - 1 ? 0 : 1;
        wrong += adapter.camera_list_check_camera_existence(last) ? 1 : 0;
    }
    QVERIFY(rescan->wait(30000));
    QCOMPARE(wrong, 0);
    QCOMPARE(adapter.camera_list_number_of_camera(), kAdds + 1);
}

void TestConnection::knownCameraListFull()
{
    DeviceAdapter adapter;
    QStringList full;
    for (int i = 0; i < DeviceAdapterData::kSavedCameraCapacity; ++i)
        full << QStringLiteral("S%1").arg(i);
    loadKnownCameras(adapter, full);
    QVERIFY(adapter.addCameraToTable(QStringLiteral("u1"), cameraRecord(QStringLiteral("NEW"), 0)));
    adapter.camera_list_update_camera_list(false);
    QCOMPARE(adapter.camera_list_number_of_camera(), DeviceAdapterData::kSavedCameraCapacity);
    QCOMPARE(adapter.GetCameraSettingListIndex(QStringLiteral("NEW")), -1);
    // Positions outside the list read nothing.
    QVERIFY(adapter.camera_list_get_camera_serial_number(DeviceAdapterData::kSavedCameraCapacity).isEmpty());
    QVERIFY(adapter.camera_list_get_camera_serial_number(-1).isEmpty());
    QCOMPARE(adapter.camera_list_get_camera_dev_index(-1), 0);
    adapter.camera_list_set_camera_value(DeviceAdapterData::kSavedCameraCapacity, QStringLiteral("X"), true);
}

void TestConnection::existenceAndIndex_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("notYetKnown");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("index");
    QTest::newRow("empty") << QString() << false << false << -1;
    QTest::newRow("remembered") << QStringLiteral("ABC") << false << true << 1;
    QTest::newRow("other case") << QStringLiteral("abc") << true << true << -1;
    QTest::newRow("unknown") << QStringLiteral("ZZZ") << true << false << -1;
    QTest::newRow("prefix only") << QStringLiteral("AB") << true << false << -1;
}

void TestConnection::existenceAndIndex()
{
    QFETCH(QString, serial);
    QFETCH(bool, notYetKnown);
    QFETCH(bool, found);
    QFETCH(int, index);
    DeviceAdapter adapter;
    loadKnownCameras(adapter, {QStringLiteral("XYZ"), QStringLiteral("ABC")});
    QCOMPARE(adapter.camera_list_check_camera_existence(serial), notYetKnown);
    QCOMPARE(adapter.isFindSerialNo(serial), found);
    QCOMPARE(adapter.GetCameraSettingListIndex(serial), index);
}

void TestConnection::accessorsByPosition()
{
    DeviceAdapter adapter;
    loadKnownCameras(adapter, {QStringLiteral("DUP"), QStringLiteral("GONE")});
    CameraInfo first = cameraRecord(QStringLiteral("DUP"), 3);
    first.supportHLG = 1;
    first.liveViewEnable = 1;
    CameraInfo second = cameraRecord(QStringLiteral("DUP"), 4);
    // Keys sort "b" before "c": the first one in UUID order wins.
    QVERIFY(adapter.addCameraToTable(QStringLiteral("c-uuid"), second));
    QVERIFY(adapter.addCameraToTable(QStringLiteral("b-uuid"), first));

    QCOMPARE(adapter.camera_list_get_camera_dev_index(0), 3);
    QCOMPARE(adapter.camera_list_get_camera_uuid(0), QStringLiteral("b-uuid"));
    QCOMPARE(adapter.camConnectDeviceStatus(0), Utilities::Ternary_True);
    QVERIFY(adapter.camera_list_get_camera_supportHLG(0));
    QVERIFY(adapter.camera_list_get_camera_liveViewEnable(0));
    adapter.camera_list_set_camera_sendCmdEnable(0, true);
    QVERIFY(adapter.camera_list_get_camera_sendCmdEnableByUUID(QStringLiteral("b-uuid")));
    QVERIFY(!adapter.camera_list_get_camera_sendCmdEnableByUUID(QStringLiteral("c-uuid")));

    adapter.camera_list_set_camera_value(0, QStringLiteral("DUP"), true);
    QVERIFY(adapter.camera_list_get_camera_power_mode(0));
    QVERIFY(adapter.camera_list_get_camera_power_mode_DisplayList(QStringLiteral("b-uuid")));
    QVERIFY(!adapter.camera_list_get_camera_power_mode_DisplayList(QStringLiteral("c-uuid")));

    // The second saved camera is not connected: every reader gives its default.
    QCOMPARE(adapter.camConnectDeviceStatus(1), Utilities::Ternary_False);
    QCOMPARE(adapter.camera_list_get_camera_dev_index(1), 0);
    QVERIFY(adapter.camera_list_get_camera_modelName(1).isEmpty());
    QVERIFY(!adapter.camera_list_check_camera_support_power_saving(1));
    QCOMPARE(adapter.camera_list_get_camera_tether_mode_status(1), 0u);
    QCOMPARE(adapter.camera_list_get_number_of_displayed_camera(), 2);
}

void TestConnection::tristateBytes_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("powerSaving");
    QTest::addColumn<bool>("setupFiles");
    QTest::addColumn<bool>("fwup");
    QTest::newRow("0") << 0 << true << false << false;
    QTest::newRow("1") << 1 << false << true << true;
    QTest::newRow("2, no power saving") << 2 << false << false << true;
    QTest::newRow("2, power saving") << 2 << true << true << true;
    QTest::newRow("3") << 3 << false << false << false;
    QTest::newRow("not stated, power saving") << 0x0F << true << true << true;
    QTest::newRow("not stated, none") << 0x0F << false << false << false;
}

void TestConnection::tristateBytes()
{
    QFETCH(int, value);
    QFETCH(bool, powerSaving);
    QFETCH(bool, setupFiles);
    QFETCH(bool, fwup);
    DeviceAdapter adapter;
    loadKnownCameras(adapter, {QStringLiteral("S1")});
    CameraInfo c = cameraRecord(QStringLiteral("S1"), 0);
    c.supportPowerSaving = powerSaving ? 1 : 0;
    c.extInfoTail[CameraInfo::kExtSetupFilesCfgSet] = quint8(value);
    c.extInfoTail[CameraInfo::kExtSupportFwup] = quint8(value);
    QVERIFY(adapter.addCameraToTable(QStringLiteral("u"), c));
    QCOMPARE(adapter.camera_list_get_camera_setupFilesCfgSet(0), setupFiles);
    QCOMPARE(adapter.camera_list_get_camera_support_FWUP(0), fwup);
}

void TestConnection::accessorsByUuid()
{
    DeviceAdapter adapter;
    QVERIFY(adapter.addCameraToTable(QStringLiteral("u"), cameraRecord(QStringLiteral("S1"), 0)));
    QCOMPARE(adapter.camera_list_get_objCopyFileNumber(QStringLiteral("none")), -1);
    QCOMPARE(adapter.camera_list_get_objCopyFileNumber(QStringLiteral("u")), -1);
    adapter.camera_list_set_objCopyFileNumber(QStringLiteral("u"), 7);
    adapter.camera_list_set_objCopyFileNumber(QStringLiteral("none"), 9);
    QCOMPARE(adapter.camera_list_get_objCopyFileNumber(QStringLiteral("u")), 7);
    QCOMPARE(adapter.cameraTableCount(), 1); // a missing UUID inserts nothing
    adapter.camera_list_set_objAssociatDesc(QStringLiteral("u"), 0x30);
    QCOMPARE(adapter.camera_list_get_objAssociatDesc(QStringLiteral("u")), 0x30u);
    adapter.camera_list_set_camera_tether_mode_status(QStringLiteral("u"), Utilities::TETHERMODE_Copy, true);
    adapter.camera_list_set_camera_tether_mode_status(QStringLiteral("u"), Utilities::TETHERMODE_Rec, true);
    adapter.camera_list_set_camera_tether_mode_status(QStringLiteral("u"), Utilities::TETHERMODE_Copy, false);
    CameraInfo c;
    QVERIFY(adapter.cameraInfoByUuid(QStringLiteral("u"), &c));
    QCOMPARE(c.tetherModeStatus, quint32(Utilities::TETHERMODE_Rec));
    QCOMPARE(adapter.camera_list_get_camera_serialNo_DisplayList(QStringLiteral("u")), QStringLiteral("S1"));
    QVERIFY(adapter.camera_list_get_camera_serialNo_DisplayList(QStringLiteral("x")).isEmpty());
    QCOMPARE(adapter.camera_list_get_camera_individual_id(QStringLiteral("u")), QStringLiteral("Id S1"));
}

// ---- start-up ----

void TestConnection::debugLogLevel_data()
{
    QTest::addColumn<bool>("enable");
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("level");
    QTest::newRow("off, file") << false << 1 << 0u;
    QTest::newRow("off, output") << false << 2 << 0u;
    QTest::newRow("on, none") << true << 0 << 0u;
    QTest::newRow("on, file") << true << 1 << 1u;
    QTest::newRow("on, output") << true << 2 << 2u;
    QTest::newRow("on, 3") << true << 3 << 0u;
    QTest::newRow("on, negative") << true << -1 << 0u;
}

void TestConnection::debugLogLevel()
{
    QFETCH(bool, enable);
    QFETCH(int, type);
    QFETCH(quint32, level);
    QCOMPARE(DeviceAdapter::sdkDebugLogLevel(enable, type), level);
}

void TestConnection::configurationCallsAnswerTrue()
{
    DeviceAdapter adapter;
    // The SDK refusing a configuration call is not the interface's failure;
    // the error stays readable.
    kvrsim::failNext("DbgLog_Config", 1, 0, 0x1234);
    QCOMPARE(adapter.adp_KVR_func_api_DbgLog_Config(), Utilities::Ternary_True);
    ulong error = 0;
    QCOMPARE(adapter.adp_Kvr_func_api_Get_Error(error), Utilities::Ternary_True);
    QCOMPARE(error, 0x1234ul);
    QCOMPARE(adapter.adp_KVR_func_api_Set_SendCommand_RetryType_Config(), Utilities::Ternary_True);
    QCOMPARE(adapter.adp_KVR_func_api_Set_SendCommand_TimeOutVal_Config(), Utilities::Ternary_True);
    QCOMPARE(adapter.adp_KVR_func_api_Set_Awake_Msg(QStringLiteral("KAVROTether busy. \u00e9\u4e2d")),
             Utilities::Ternary_True);
    const auto log = kvrsim::globalCallLog();
    for (const char *name :
         {"DbgLog_Config", "Set_SendCommand_RetryType_Config", "Set_SendCommand_TimeOutVal_Config", "Set_Awake_Msg"})
        QVERIFY2(countCalls(log, name) == 1, name);
}

// ---- USB connection and sessions ----

void TestConnection::connectTwoUsbCameras()
{
    DeviceAdapter adapter;
    QSignalSpy connected(&adapter, &DeviceAdapter::isCamerasConnectedChanged);
    QSignalSpy status(&adapter, &DeviceAdapter::camConnectStatusChanged);
    QSignalSpy model(&adapter, &DeviceAdapter::camModelNameChanged);
    QVERIFY(test::connectUsbCameras(adapter));
    QCOMPARE(connected.count(), 1);
    QVERIFY(adapter.isCamerasConnected());
    QCOMPARE(status.count(), 1);
    QCOMPARE(adapter.camConnectStatus(), int(Utilities::CamConnectSts_Connecting));

    QCOMPARE(adapter.cameraTableCount(), 2);
    const int a1 = kvrsim::indexOfSerial(kA1.toStdString());
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    QVERIFY(kvrsim::inSession(a1));
    QVERIFY(kvrsim::inSession(b2));
    const QString uuidA = QString::fromStdString(kvrsim::uuidOf(a1));
    CameraInfo a;
    QVERIFY(adapter.cameraInfoByUuid(uuidA, &a));
    QCOMPARE(a.serialNo, kA1);
    QCOMPARE(a.modelName, QStringLiteral("Rozado Sim A1"));
    QCOMPARE(a.individualId, QStringLiteral("Studio-A"));
    QCOMPARE(a.firmVersion, QStringLiteral("2.1"));
    QCOMPARE(a.devIndex, a1);
    QCOMPARE(a.objCopyFileNumber, -1);
    QVERIFY(adapter.hasDeviceMutex(uuidA));
    // Every camera was sent its recording target.
    QCOMPARE(callCount(a1, "SetupFilesConfig_Set_Target"), 1);
    QCOMPARE(callCount(b2, "SetupFilesConfig_Set_Target"), 1);

    // No remembered camera and none with device index 0: the first one is
    // selected, and its record fills the properties.
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), uuidA);
    QCOMPARE(model.count(), 1);
    QCOMPARE(adapter.camModelName(), QStringLiteral("Rozado Sim A1"));
    QCOMPARE(adapter.camCurrentSelectedSerialNo(), kA1);
    QVERIFY(adapter.camFirmUpEnable());
    QVERIFY(adapter.afPDAFEnable());
    QCOMPARE(adapter.afFramesMax(), 1);
}

void TestConnection::connectOnlyTickedCamera()
{
    DeviceAdapter adapter;
    searchUsb(adapter);
    QCOMPARE(adapter.searchListCount(), 2);
    // The device list is rebuilt from the ticks: it holds only the second camera.
    tickOnly(adapter, 1);
    loadKnownCameras(adapter, {kA1, kB2});
    QCOMPARE(adapter.connectEnableDevice(), Utilities::Ternary_True);
    QCOMPARE(adapter.cameraTableCount(), 1);
    QVERIFY(!kvrsim::inSession(kvrsim::indexOfSerial(kA1.toStdString())));
    QCOMPARE(adapter.camSerialNo(), kB2);
    // B2 offers no power saving: its flags follow that.
    QVERIFY(!adapter.camSupportPowerSaving());
    QCOMPARE(adapter.pwTetherConnectMode(), int(Utilities::PwTether_Unknown));
    QVERIFY(!adapter.camFirmUpEnable());
}

void TestConnection::selectRetriesUpToTen_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("connects");
    QTest::newRow("nine") << 9 << true;
    QTest::newRow("ten") << 10 << false;
}

void TestConnection::selectRetriesUpToTen()
{
    QFETCH(int, failures);
    QFETCH(bool, connects);
    DeviceAdapter adapter;
    QSignalSpy errors(&adapter, &DeviceAdapter::notifyConnectErrorMessage);
    searchUsb(adapter);
    tickOnly(adapter, 0);
    kvrsim::failNext("SelectPnPDevice", failures);
    QCOMPARE(adapter.connectEnableDevice(), connects ? Utilities::Ternary_True : Utilities::Ternary_False);
    QCOMPARE(errors.count(), failures);
    // The message names the camera by the name the search list shows.
    const QString shown = qobject_cast<SearchCameraListItemObject *>(adapter.searchList().at(0))->devFrlyName();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(errors.at(0).at(1).toString(), shown);
    QCOMPARE(adapter.isCamerasConnected(), connects);
    QCOMPARE(adapter.camConnectStatus(),
             int(connects ? Utilities::CamConnectSts_Connecting : Utilities::CamConnectSts_Error));
}

void TestConnection::failedSessionIsNoSuccess()
{
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    {
        // One camera's session fails: it is closed again and left out.
        DeviceAdapter adapter;
        searchUsb(adapter);
        const std::string uuidB = kvrsim::uuidOf(b2);
        const int closedBefore = callCount(b2, "CloseDevice");
        kvrsim::failNext("OpenSession", 1, 0, KVR_ERR_REFUSED, uuidB);
        QCOMPARE(adapter.connectEnableDevice(), Utilities::Ternary_True);
        QCOMPARE(adapter.cameraTableCount(), 1);
        QVERIFY(!adapter.hasDeviceMutex(QString::fromStdString(uuidB)));
        QVERIFY(!kvrsim::inSession(b2));
        QCOMPARE(callCount(b2, "CloseDevice"), closedBefore + 1);
        adapter.adp_KVR_func_api_CloseSession();
    }
    {
        // No session opens at all: not a success, and no camera is kept half
        // connected: sessions and devices closed, locks and rows gone.
        DeviceAdapter adapter;
        searchUsb(adapter);
        kvrsim::clearCallLogs();
        kvrsim::failNext("OpenSession", 1000);
        QCOMPARE(adapter.connectEnableDevice(), Utilities::Ternary_False);
        QVERIFY(!adapter.isCamerasConnected());
        QCOMPARE(adapter.cameraTableCount(), 0);
        QCOMPARE(Access::deviceLockCount(adapter), 0);
        QCOMPARE(adapter.camConnectStatus(), int(Utilities::CamConnectSts_Error));
        QVERIFY(adapter.camera_list_get_selected_camera_uuid().isEmpty());
        for (int index : kvrsim::cameras()) {
            if (kvrsim::profileOf(index).connection != kvrsim::Connection::Usb)
                continue;
            QVERIFY(!kvrsim::inSession(index));
            // Each of the ten attempts selected it and closed it again.
            QCOMPARE(callCount(index, "CloseDevice"), callCount(index, "OpenSession"));
            QVERIFY(callCount(index, "CloseDevice") >= 1);
        }
    }
}

void TestConnection::connectOpensEachSessionOnce()
{
    DeviceAdapter adapter;
    searchUsb(adapter);
    kvrsim::clearCallLogs();
    QCOMPARE(adapter.connectEnableDevice(), Utilities::Ternary_True);
    QCOMPARE(adapter.cameraTableCount(), 2);
    for (const QString &serial : {kA1, kB2}) {
        const int index = kvrsim::indexOfSerial(serial.toStdString());
        QVERIFY(kvrsim::inSession(index));
        QCOMPARE(callCount(index, "OpenSession"), 1);
        QCOMPARE(callCount(index, "CloseSession"), 0);
    }
}

void TestConnection::connectWithEmptyList()
{
    DeviceAdapter adapter;
    QCOMPARE(adapter.adp_KVR_func_api_ptpip_Set_Connection_Type(0), Utilities::Ternary_True);
    QCOMPARE(adapter.connectEnableDevice(), Utilities::Ternary_False);
    QCOMPARE(adapter.adp_KVR_func_api_SelectPnPDevice(), Utilities::Ternary_False);
    QCOMPARE(adapter.selectUsbDevices(), Utilities::Ternary_False);
    QCOMPARE(adapter.camConnectStatus(), int(Utilities::CamConnectSts_Error));
    // A device count beyond the list's capacity is not walked past it.
    Access::corruptDeviceList(adapter, 1000);
    QCOMPARE(adapter.adp_KVR_func_api_SelectPnPDevice(), Utilities::Ternary_False);
}

void TestConnection::thirteenthCameraRefused()
{
    QVERIFY(test::startSimulator(usbScenario(13)));
    DeviceAdapter adapter;
    searchUsb(adapter);
    QCOMPARE(adapter.searchListCount(), 13);
    QCOMPARE(adapter.connectEnableDevice(), Utilities::Ternary_True);
    QCOMPARE(adapter.cameraTableCount(), DeviceAdapter::kMaxCameras);
    int inSession = 0;
    for (int index : kvrsim::cameras())
        inSession += kvrsim::inSession(index) ? 1 : 0;
    QCOMPARE(inSession, DeviceAdapter::kMaxCameras);
    QCOMPARE(adapter.camera_list_number_of_camera(), DeviceAdapter::kMaxCameras);
}

void TestConnection::thirteenthCameraOnAddPath()
{
    QVERIFY(test::startSimulator(usbScenario(13)));
    const int last = kvrsim::indexOfSerial("SER112");
    kvrsim::unplug(last);
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    QCOMPARE(adapter.cameraTableCount(), 12);

    kvrsim::plug(last);
    QSignalSpy listChanged(&adapter, &DeviceAdapter::cameraListChanged);
    QCOMPARE(adapter.adp_KVR_func_api_GetPnPDeviceInfo(), Utilities::Ternary_True);
    QCOMPARE(adapter.searchAddedDevice(), Utilities::Ternary_False);
    QCOMPARE(adapter.cameraTableCount(), 12);
    QCOMPARE(listChanged.count(), 0);
    // Its session was not left open for nobody.
    QVERIFY(!kvrsim::inSession(last));
    QVERIFY(!adapter.hasDeviceMutex(QString::fromStdString(kvrsim::uuidOf(last))));
}

void TestConnection::sessionsAll()
{
    DeviceAdapter adapter;
    QCOMPARE(adapter.adp_KVR_func_api_OpenSession(), Utilities::Ternary_False);
    QCOMPARE(adapter.adp_KVR_func_api_CloseSession(), Utilities::Ternary_False);
    QVERIFY(test::connectUsbCameras(adapter));
    const int a1 = kvrsim::indexOfSerial(kA1.toStdString());
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    const QString uuidB = QString::fromStdString(kvrsim::uuidOf(b2));

    QCOMPARE(adapter.adp_KVR_func_api_CloseSession(uuidB), Utilities::Ternary_True);
    QVERIFY(!kvrsim::inSession(b2));
    QVERIFY(kvrsim::inSession(a1));
    // One camera answering is enough for "All".
    QCOMPARE(adapter.adp_KVR_func_api_CloseSession(), Utilities::Ternary_True);
    QVERIFY(!kvrsim::inSession(a1));
    // "All" is a name only in that spelling.
    QCOMPARE(adapter.adp_KVR_func_api_OpenSession(QStringLiteral("all")), Utilities::Ternary_False);
    QCOMPARE(adapter.adp_KVR_func_api_OpenSession(), Utilities::Ternary_True);
    QVERIFY(kvrsim::inSession(a1));
    QVERIFY(kvrsim::inSession(b2));
    QCOMPARE(adapter.adp_KVR_func_api_CloseDevice(QString()), Utilities::Ternary_False);
}

void TestConnection::selectedCameraWithoutIndexZero()
{
    DeviceAdapter adapter;
    searchUsb(adapter);
    tickOnly(adapter, 1);
    QVERIFY(qobject_cast<SearchCameraListItemObject *>(adapter.searchList().at(1))->devIndex() != 0);
    QCOMPARE(adapter.connectEnableDevice(), Utilities::Ternary_True);
    // The only camera is selected although no camera has index 0.
    QCOMPARE(adapter.camSerialNo(), kB2);
    QVERIFY(!adapter.camera_list_get_selected_camera_uuid().isEmpty());
}

void TestConnection::vanishedCameraRescan()
{
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    const QString oldUuid = QString::fromStdString(kvrsim::uuidOf(b2));
    kvrsim::unplug(b2);
    kvrsim::flush();
    // What the lost-camera handler does with the table.
    QVERIFY(adapter.removeCameraFromTable(oldUuid));
    adapter.deleteDeviceMutex(oldUuid);

    // Nothing new yet: the re-scan adds nothing.
    QSignalSpy listChanged(&adapter, &DeviceAdapter::cameraListChanged);
    QCOMPARE(adapter.adp_KVR_func_api_Search_Camera_List(), Utilities::Ternary_False);
    QCOMPARE(adapter.cameraTableCount(), 1);

    kvrsim::plug(b2);
    QCOMPARE(adapter.adp_KVR_func_api_Search_Camera_List(), Utilities::Ternary_True);
    QCOMPARE(listChanged.count(), 1);
    QCOMPARE(adapter.cameraTableCount(), 2);
    const QString newUuid = QString::fromStdString(kvrsim::uuidOf(b2));
    QVERIFY(newUuid != oldUuid);
    CameraInfo b;
    QVERIFY(adapter.cameraInfoByUuid(newUuid, &b));
    QCOMPARE(b.serialNo, kB2);
    QVERIFY(kvrsim::inSession(b2));
    // A second pass finds both known: nothing changes.
    QCOMPARE(adapter.adp_KVR_func_api_Search_Camera_List(), Utilities::Ternary_False);
    QCOMPARE(listChanged.count(), 1);

    // A busy SDK lock with trylock gives up at once.
    Access::sdkLock(adapter).lock();
    QCOMPARE(adapter.adp_KVR_func_api_Search_Camera_List(true), Utilities::Ternary_False);
    Access::sdkLock(adapter).unlock();
}

void TestConnection::rescanEnqueuer()
{
    DeviceAdapter adapter;
    QCOMPARE(adapter.adp_KVR_func_api_Search_Camera_List_start(), Utilities::Ternary_False);
    DeviceAdapterCallback receiver;
    QVERIFY(adapter.attachCallbackReceiver(&receiver));
    QCOMPARE(adapter.adp_KVR_func_api_Search_Camera_List_start(), Utilities::Ternary_True);
    QCOMPARE(adapter.adp_KVR_func_api_Search_Camera_List_start(), Utilities::Ternary_True);
    QCOMPARE(queueText(receiver), QStringList{itemText(0xFFFF0307, 0, QString())});
    adapter.attachCallbackReceiver(nullptr);
}

void TestConnection::disconnectAll()
{
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    QSignalSpy connected(&adapter, &DeviceAdapter::isCamerasConnectedChanged);
    QSignalSpy type(&adapter, &DeviceAdapter::connectionTypeChanged);
    adapter.disconnectAllNotify();
    QCOMPARE(connected.count(), 1);
    QVERIFY(!adapter.isCamerasConnected());
    QVERIFY(adapter.camCurrentSelectedSerialNo().isEmpty());
    QCOMPARE(adapter.connectionType(), 1);
    QCOMPARE(type.count(), 1);
    QCOMPARE(Access::deviceLockCount(adapter), 0);
    QVERIFY(!Access::liveViewCameraChosen(adapter));

    // Adding while connected ends in the reset when no camera is left.
    DeviceAdapter empty;
    QCOMPARE(empty.adp_KVR_func_api_ptpip_Set_Connection_Type(0), Utilities::Ternary_True);
    empty.setIsCamerasConnected(true);
    QCOMPARE(empty.searchAddedDevice(), Utilities::Ternary_False);
    QVERIFY(!empty.isCamerasConnected());
}

void TestConnection::networkSelectWithPassword()
{
    const int n3 = test::firstCamera(kvrsim::Connection::Lan);
    QVERIFY(n3 >= 0);
    const QString scrambled = QString::fromStdString(kvrsim::scramblePassword("Rozado2026", kvrsim::deviceKey(n3)));
    const QString wrong = QString::fromStdString(kvrsim::scramblePassword("nope", kvrsim::deviceKey(n3)));
    DeviceAdapter adapter;
    QCOMPARE(adapter.adp_KVR_func_api_ptpip_Set_Connection_Type(0), Utilities::Ternary_True);
    QSignalSpy listChanged(&adapter, &DeviceAdapter::cameraListChanged);

    QCOMPARE(adapter.adp_KVR_func_api_SelectPnPDevice_With_EncryptPW(n3, QString(), wrong, 1),
             Utilities::Ternary_False);
    kvrsim::flush();
    QCOMPARE(adapter.connectionType(), 1);
    QCOMPARE(adapter.cameraTableCount(), 0);
    QCOMPARE(adapter.adp_KVR_func_api_SelectPnPDevice_With_EncryptPW(-1, QString(), scrambled, 1),
             Utilities::Ternary_False);

    QCOMPARE(adapter.adp_KVR_func_api_SelectPnPDevice_With_EncryptPW(n3, QString(), scrambled, 1),
             Utilities::Ternary_True);
    QVERIFY(kvrsim::inSession(n3));
    QCOMPARE(adapter.cameraTableCount(), 1);
    const QString uuid = QString::fromStdString(kvrsim::uuidOf(n3));
    CameraInfo c;
    QVERIFY(adapter.cameraInfoByUuid(uuid, &c));
    QCOMPARE(c.isWlan, quint8(1));
    QCOMPARE(c.devIndex, n3);
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), uuid);
    QVERIFY(adapter.isCamerasConnected());
    QCOMPARE(listChanged.count(), 1);
    QCOMPARE(adapter.camera_list_number_of_camera(), 1);
    QCOMPARE(adapter.camera_list_get_camera_serial_number(0), c.serialNo);
    adapter.adp_KVR_func_api_CloseSession();
}

// ---- device information ----

void TestConnection::extendedIdentifier_data()
{
    QTest::addColumn<quint32>("length");
    QTest::addColumn<quint32>("word4");
    QTest::addColumn<quint32>("word6");
    QTest::addColumn<QList<int>>("expected"); // scope, animal, freq, frames, menu, files, fwup, mag, pdaf
    QTest::newRow("four words") << 16u << 0x11111111u << 1u << QList<int>{0, 0, 1, 0, 15, 15, 15, 0, 0};
    QTest::newRow("mixed word 4") << 28u << 0x00210111u << 0u << QList<int>{1, 1, 1, 0, 1, 2, 0, 0, 0};
    QTest::newRow("frames 3, pdaf") << 28u << 0x10003000u << 1u << QList<int>{0, 0, 0, 3, 0, 0, 0, 1, 1};
    QTest::newRow("frames 4") << 28u << 0x00004000u << 0u << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("five words") << 20u << 0x11111111u << 1u << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 0};
    // A length claiming more words than the buffer holds reads only those.
    QTest::newRow("oversized length") << 0xFFFFFFF0u << 0x11111111u << 1u << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1};
}

void TestConnection::extendedIdentifier()
{
    QFETCH(quint32, length);
    QFETCH(quint32, word4);
    QFETCH(quint32, word6);
    QFETCH(QList<int>, expected);
    quint8 buffer[40] = {};
    std::memcpy(buffer + 8, &length, 4);
    std::memcpy(buffer + 12 + 16, &word4, 4);
    std::memcpy(buffer + 12 + 24, &word6, 4);
    const DeviceAdapter::DeviceExtInfo e = DeviceAdapter::decodeExtDeviceId(buffer, sizeof buffer);
    const QList<int> got{e.afPointScope,     e.animalRecognition, e.changeSystemFreq,
                         int(e.afFramesMax), e.recCtrlMenu,       e.setupFiles,
                         e.firmwareUpdate,   e.lvMagnification,   e.pdaf};
    QCOMPARE(got, expected);
}

void TestConnection::cameraWithoutPowerSaving()
{
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    const QString uuid = QString::fromStdString(kvrsim::uuidOf(b2));
    CameraInfo b;
    QVERIFY(adapter.cameraInfoByUuid(uuid, &b));
    QCOMPARE(b.powerOnMode, quint8(1));
    QVERIFY(b.tetherModeStatus & Utilities::TETHERMODE_NOT_SUPPORT);
    QCOMPARE(b.supportPowerSaving, quint8(0));
    kvrsim::clearCallLogs();
    QCOMPARE(adapter.adp_KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode(uuid, Utilities::PwTether_OFF),
             Utilities::Ternary_False);
    QCOMPARE(callCount(b2, "Power_SavingInfo_Set_Tether_Connect_Mode"), 0);

    // A camera with power saving whose write is refused keeps its mode.
    const int a1 = kvrsim::indexOfSerial(kA1.toStdString());
    const QString uuidA = QString::fromStdString(kvrsim::uuidOf(a1));
    CameraInfo before;
    QVERIFY(adapter.cameraInfoByUuid(uuidA, &before));
    QCOMPARE(before.supportPowerSaving, quint8(1));
    QSignalSpy settingError(&adapter, &DeviceAdapter::settingErrorNotify);
    const auto other = before.powerOnMode ? Utilities::PwTether_OFF : Utilities::PwTether_ON;
    kvrsim::failNext("Power_SavingInfo_Set_Tether_Connect_Mode", 1);
    QCOMPARE(adapter.adp_KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode(uuidA, other), Utilities::Ternary_False);
    QCOMPARE(settingError.count(), 1);
    CameraInfo after;
    QVERIFY(adapter.cameraInfoByUuid(uuidA, &after));
    QCOMPARE(after.powerOnMode, before.powerOnMode);
}

void TestConnection::recordingStatusSetsFlag_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("rec");
    QTest::newRow("idle") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("2") << 2 << false;
    QTest::newRow("7") << 7 << false;
    QTest::newRow("8") << 8 << true;
    QTest::newRow("9") << 9 << true;
    QTest::newRow("11") << 11 << true;
    QTest::newRow("12") << 12 << false;
}

void TestConnection::recordingStatusSetsFlag()
{
    QFETCH(int, status);
    QFETCH(bool, rec);
    const int a1 = kvrsim::indexOfSerial(kA1.toStdString());
    kvrsim::updateStatus(a1, [&](kvrsim::StatusValues &s) { s.cameraStatus = uint16_t(status); });
    kvrsim::flush();
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    CameraInfo a;
    QVERIFY(adapter.cameraInfoByUuid(QString::fromStdString(kvrsim::uuidOf(a1)), &a));
    QCOMPARE(a.cameraStatus, quint16(status));
    QCOMPARE(bool(a.tetherModeStatus & Utilities::TETHERMODE_Rec), rec);
}

// ---- selection and live view ----

void TestConnection::switchSelectedCamera()
{
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    QSignalSpy switched(&adapter, &DeviceAdapter::switchCameraNotify);
    QSignalSpy serial(&adapter, &DeviceAdapter::camSerialNoChanged);
    QCOMPARE(adapter.adp_KVR_func_api_Select_Device(b2), Utilities::Ternary_True);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(switched.at(0).at(0).toInt(), b2);
    QCOMPARE(serial.count(), 1);
    QCOMPARE(adapter.camSerialNo(), kB2);
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), QString::fromStdString(kvrsim::uuidOf(b2)));
    QCOMPARE(adapter.camera_list_get_camera_current_dev_index(), b2);
    QVERIFY(!adapter.camFirmUpEnable());
    QVERIFY(!adapter.changeSystemFreqEnable());
}

void TestConnection::switchToUnknownIndex()
{
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    const QString before = adapter.camera_list_get_selected_camera_uuid();
    QSignalSpy switched(&adapter, &DeviceAdapter::switchCameraNotify);
    QCOMPARE(adapter.adp_KVR_func_api_Select_Device(42), Utilities::Ternary_True);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(adapter.camera_list_get_selected_camera_uuid(), before);
    QCOMPARE(adapter.camSerialNo(), kA1);
}

void TestConnection::selectDeviceEnqueuer()
{
    DeviceAdapter adapter;
    QCOMPARE(adapter.adp_KVR_func_api_Select_Device_Start(1), Utilities::Ternary_False);
    QCOMPARE(adapter.adp_KVR_func_api_Get_LiveView_data_Start(), Utilities::Ternary_False);
    DeviceAdapterCallback receiver;
    QVERIFY(adapter.attachCallbackReceiver(&receiver));
    QCOMPARE(adapter.adp_KVR_func_api_Select_Device_Start(1), Utilities::Ternary_True);
    QCOMPARE(adapter.adp_KVR_func_api_Get_LiveView_data_Start(), Utilities::Ternary_True);
    QCOMPARE(adapter.adp_KVR_func_api_Get_LiveView_data_Start(), Utilities::Ternary_True);
    QCOMPARE(queueText(receiver),
             (QStringList{itemText(0xFFFF030B, 1, QString()), itemText(0xFFFF0301, 0, QString())}));
    adapter.attachCallbackReceiver(nullptr);
}

void TestConnection::multiviewPage()
{
    DeviceAdapter adapter;
    QStringList serials;
    for (int i = 0; i < 5; ++i) {
        const QString serial = QStringLiteral("M%1").arg(i);
        serials << serial;
        CameraInfo c = cameraRecord(serial, i);
        c.liveViewEnable = 1;
        c.powerOnMode = 1;
        QVERIFY(adapter.addCameraToTable(QStringLiteral("uuid-%1").arg(i), c));
    }
    loadKnownCameras(adapter, serials);
    Access::setMultiviewPage(adapter, VIEW_SPLIT_4, 2);
    const auto page = adapter.multiviewPageCameras();
    QCOMPARE(Access::multiviewPage(adapter), 1);
    QCOMPARE(int(page.size()), 1);
    QCOMPARE(page[0].uuid, QByteArray("uuid-4"));
    QCOMPARE(page[0].devIndex, 4);

    // A camera not shown in live view leaves the page.
    adapter.withCameraTable([](QMap<QString, CameraInfo> &t) { t[QStringLiteral("uuid-4")].liveViewEnable = 0; });
    QVERIFY(adapter.multiviewPageCameras().empty());

    DeviceAdapter none;
    QVERIFY(none.multiviewPageCameras().empty());
    QCOMPARE(Access::multiviewPage(none), -1);
    // Cameras that come back after none was connected are shown again.
    CameraInfo back = cameraRecord(serials[0], 0);
    back.liveViewEnable = 1;
    back.powerOnMode = 1;
    QVERIFY(none.addCameraToTable(QStringLiteral("uuid-back"), back));
    loadKnownCameras(none, serials);
    QCOMPARE(int(none.multiviewPageCameras().size()), 1);
    QCOMPARE(Access::multiviewPage(none), 0);
}

void TestConnection::skipFlag_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("powerOn");
    QTest::addColumn<int>("skip");
    QTest::newRow("standby, on") << 0 << 1 << 0;
    QTest::newRow("standby, off") << 0 << 0 << 1;
    for (int s : {2, 3, 4, 7, 10})
        QTest::addRow("status %d", s) << s << 1 << 1;
    QTest::newRow("menu, on") << 6 << 1 << 0;
}

void TestConnection::skipFlag()
{
    QFETCH(int, status);
    QFETCH(int, powerOn);
    QFETCH(int, skip);
    DeviceAdapter adapter;
    CameraInfo c = cameraRecord(QStringLiteral("S"), 2);
    c.cameraStatus = quint16(status);
    c.powerOnMode = quint8(powerOn);
    c.tetherModeStatus = Utilities::TETHERMODE_Copy;
    QVERIFY(adapter.addCameraToTable(QStringLiteral("u"), c));
    adapter.getOrCreateDeviceMutex(QStringLiteral("u"));
    _MULTIVIEW_DEVICE_PARAM p;
    QVERIFY(adapter.CreateMultiviewParam(QStringLiteral("u"), &p));
    QCOMPARE(p.skip, skip);
    QCOMPARE(p.devIndex, 2);
    QCOMPARE(p.tetherModeStatus, quint32(Utilities::TETHERMODE_Copy));
    QVERIFY(p.devMutex);
    // The record keeps its camera's lock alive after the camera drops it.
    adapter.dev_mutex_delete_all();
    QVERIFY(p.devMutex->tryLock());
    p.devMutex->unlock();
    QVERIFY(!adapter.CreateMultiviewParam(QStringLiteral("other"), &p));
    QVERIFY(!adapter.CreateMultiviewParam(QStringLiteral("u"), nullptr));
}

void TestConnection::noFrameWhileReading_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("reads");
    QTest::newRow("connecting") << int(Utilities::CamConnectSts_Connecting) << false;
    QTest::newRow("reading") << int(Utilities::CamConnectSts_GetData) << false;
    QTest::newRow("background reading") << int(Utilities::CamConnectSts_GetDataBackground) << false;
    QTest::newRow("connected") << int(Utilities::CamConnectSts_Success) << true;
}

void TestConnection::noFrameWhileReading()
{
    QFETCH(int, status);
    QFETCH(bool, reads);
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    const int a1 = kvrsim::indexOfSerial(kA1.toStdString());
    // Live view off: nothing is read whatever the status.
    adapter.setCamConnectStatusValue(status);
    QCOMPARE(adapter.adp_KVR_func_api_Get_LiveView_data(), Utilities::Ternary_False);
    Access::setLiveViewOn(adapter, true);
    kvrsim::clearCallLogs();
    const Utilities::Ternary r = adapter.adp_KVR_func_api_Get_LiveView_data();
    QCOMPARE(callCount(a1, "Get_LiveView_data"), reads ? 1 : 0);
    // The stand-in offers no frames yet: a read is a refused one, kept with
    // its error and nothing in the buffer.
    QCOMPARE(r, Utilities::Ternary_False);
    const Access::FrameRead f = Access::lastFrameRead(adapter);
    if (reads) {
        QCOMPARE(f.nextBuffer, 1);
        QCOMPARE(f.error, quint32(KVR_ERR_NOT_SUPPORTED));
        QCOMPARE(f.firstJpegSize, 0u);
        QCOMPARE(f.handedJpegSize, quintptr(0));
        QCOMPARE(f.handedError, quintptr(KVR_ERR_NOT_SUPPORTED));
    } else {
        QCOMPARE(f.nextBuffer, 0);
    }
}

void TestConnection::liveViewStartSingle_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("powerOn");
    QTest::addColumn<int>("shown");
    QTest::newRow("standby") << 0 << 1 << int(LiveViewManager::VIS_Start);
    QTest::newRow("playing starts paused") << 3 << 1 << int(LiveViewManager::VIS_Pause);
    QTest::newRow("streaming") << 7 << 1 << int(LiveViewManager::VIS_Pause);
    QTest::newRow("power off") << 0 << 0 << int(LiveViewManager::VIS_Pause);
}

void TestConnection::liveViewStartSingle()
{
    QFETCH(int, status);
    QFETCH(int, powerOn);
    QFETCH(int, shown);
    DeviceAdapter adapter;
    CameraInfo c = cameraRecord(QStringLiteral("S"), 0);
    c.cameraStatus = quint16(status);
    c.powerOnMode = quint8(powerOn);
    QVERIFY(adapter.addCameraToTable(QStringLiteral("u"), c));
    QVERIFY(adapter.setCameraInfoOfSelectedCamera(QStringLiteral("u")));
    QCOMPARE(adapter.adp_KVR_func_api_Ctrl_LiveView_Start(), Utilities::Ternary_True);
    QCOMPARE(int(adapter.liveViewManager()->videoImageStatus()), shown);
    QVERIFY(Access::liveViewOn(adapter));
}

void TestConnection::liveViewStopAndPause()
{
    DeviceAdapter adapter;
    LiveViewManager &lv = *adapter.liveViewManager();
    lv.holdCommands(true);
    adapter.setLiveviewPause();
    QCOMPARE(lv.videoImageStatus(), LiveViewManager::VIS_Pause);
    const auto queued = lv.pendingCommands().size();
    // Paused already: nothing more is asked of the manager.
    adapter.setLiveviewPause();
    QCOMPARE(lv.pendingCommands().size(), queued);
    Access::setLiveViewOn(adapter, true);
    QCOMPARE(adapter.adp_KVR_func_api_Ctrl_LiveView_Stop(), Utilities::Ternary_True);
    QCOMPARE(lv.videoImageStatus(), LiveViewManager::VIS_Stop);
    QVERIFY(!Access::liveViewOn(adapter));
}

void TestConnection::switchRestartsLiveView_data()
{
    using C = LiveViewManager::Command;
    QTest::addColumn<bool>("liveViewOn");
    QTest::addColumn<bool>("multiview");
    QTest::addColumn<bool>("windowShown");
    QTest::addColumn<std::vector<C>>("commands");
    // Without power saving B2 is always on: live view is stopped for the old
    // camera and started for the new one with its image-quality reads.
    QTest::newRow("running, single view") << true << false << false << std::vector<C>{C::Stop, C::Start};
    QTest::newRow("off, window shown") << false << false << true << std::vector<C>{C::Start};
    QTest::newRow("off, window hidden") << false << false << false << std::vector<C>{};
    // Multi view shows every camera already, running or not.
    QTest::newRow("running, multi view") << true << true << false << std::vector<C>{};
    QTest::newRow("off, window shown, multi view") << false << true << true << std::vector<C>{};
}

void TestConnection::switchRestartsLiveView()
{
    QFETCH(bool, liveViewOn);
    QFETCH(bool, multiview);
    QFETCH(bool, windowShown);
    QFETCH(std::vector<LiveViewManager::Command>, commands);
    DeviceAdapter adapter;
    QVERIFY(test::connectUsbCameras(adapter));
    DeviceAdapterCallback receiver;
    QVERIFY(adapter.attachCallbackReceiver(&receiver));
    test::StandInReaders readers{0xFFFF0228, 0xFFFF0229};
    Access::setLiveViewOn(adapter, liveViewOn);
    Access::setMultiviewMode(adapter, multiview);
    adapter.videoSource()->setVideoOutVisibleStatus(windowShown);
    LiveViewManager &lv = *adapter.liveViewManager();
    lv.holdCommands(true);
    const int b2 = kvrsim::indexOfSerial(kB2.toStdString());
    QCOMPARE(adapter.adp_KVR_func_api_Select_Device(b2), Utilities::Ternary_True);
    QCOMPARE(lv.pendingCommands(), commands);
    const bool started = !commands.empty() && commands.back() == LiveViewManager::Command::Start;
    QCOMPARE(lv.videoImageStatus(), started ? LiveViewManager::VIS_Start : LiveViewManager::VIS_Stop);
    QCOMPARE(Access::liveViewOn(adapter), liveViewOn || started);
    const QStringList reads{itemText(0xFFFF0228, 0, QString()), itemText(0xFFFF0229, 0, QString())};
    QCOMPARE(queueText(receiver), started ? reads : QStringList());
    adapter.attachCallbackReceiver(nullptr);
}

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
