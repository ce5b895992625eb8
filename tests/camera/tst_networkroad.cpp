// The network road end to end against the SDK stand-in: a network search
// lists the network camera, connecting it with its saved password, a refused
// password asking the user through the password dialog, and the camera
// leaving the network.

#include <QtTest>
#include <QtWidgets>

#include <functional>

#include "KvrSim.h"
#include "QueuedSpy.h"
#include "Kvrptpif.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "camera/PasswordInput.h"
#include "camera/SearchCameraListItemObject.h"
#include "core/ApplicationData.h"
#include "core/Utilities.h"

using namespace kavrotether;

namespace {

const QString kModel = QStringLiteral("Rozado Sim N3");
const QString kPassword = QStringLiteral("Rozado2026");

int networkCamera()
{
    for (int index : kvrsim::cameras())
        if (kvrsim::profileOf(index).connection == kvrsim::Connection::Lan)
            return index;
    return -1;
}

QList<SearchCameraListItemObject *> listed(DeviceAdapter &adapter)
{
    QList<SearchCameraListItemObject *> items;
    for (QObject *o : adapter.searchList())
        if (auto *item = qobject_cast<SearchCameraListItemObject *>(o))
            items << item;
    return items;
}

} // namespace

class TestNetworkRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void searchListsNetworkCamera();
    void savedPasswordConnectsAndDisconnectLeavesNothing();
    void refusedPasswordAskedThroughDialog_data();
    void refusedPasswordAskedThroughDialog();
    void cancelledPasswordEndsInErrorOnce();
    void connectedCameraFoundAgainIsListed();
    void connectionErrorNotice_data();
    void connectionErrorNotice();
    void refusedConfigurationIsReported_data();
    void refusedConfigurationIsReported();

private:
    // Runs a network search through the device search and waits for its end.
    void search();
    // The listed network camera, enabled; null when none.
    SearchCameraListItemObject *listedCamera();
    void runWorker();

    QTemporaryDir m_dir;
    DeviceAdapter *m_adapter = nullptr;
    DeviceAdapterCallback *m_receiver = nullptr;
    int m_index = -1;
    QString m_serial;
};

void TestNetworkRoad::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

void TestNetworkRoad::init()
{
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    kvrsim::reset();
    QCOMPARE(KVR_func_api_Init(), uint8_t(1));
    m_adapter = new DeviceAdapter;
    ApplicationData::setDeviceAdapter(m_adapter);
    DeviceAdapterCallback::setDispatchTables(nullptr);
    DeviceAdapterCallback::CallbackRegist();
    // Queued items (the disconnection) are stepped by the test.
    m_receiver = new DeviceAdapterCallback;
    QVERIFY(m_adapter->attachCallbackReceiver(m_receiver));
    m_index = networkCamera();
    QVERIFY(m_index >= 0);
    m_serial = QString::fromStdString(kvrsim::profileOf(m_index).serial);
}

void TestNetworkRoad::cleanup()
{
    m_adapter->deviceSearch()->stopSearch();
    m_adapter->ptpip_enhance_security_close_password_dialog();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DeviceAdapterCallback::CallbackUnRegist();
    DeviceAdapterCallback::setDispatchTables(nullptr);
    m_adapter->attachCallbackReceiver(nullptr);
    delete m_adapter;
    m_adapter = nullptr;
    delete m_receiver;
    m_receiver = nullptr;
    ApplicationData::setDeviceAdapter(nullptr);
    KVR_func_api_Finish();
    kvrsim::reset();
}

void TestNetworkRoad::search()
{
    QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_Set_Connection_Type(1), Utilities::Ternary_True);
    DeviceSearch *search = m_adapter->deviceSearch();
    QVERIFY(search->startSearch(false, false, DeviceSearch::DEVSEARCH_MODE_LAN));
    QTRY_COMPARE_WITH_TIMEOUT(search->devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Stop), 10000);
    // The search loop ends at the first find; the SDK's search is ended
    // here so that another may start (its end comes back as kind 3).
    QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_StopGetDeviceInfo(), Utilities::Ternary_True);
    search->stopSearch();
    kvrsim::flush();
    QVERIFY(!search->networkSearchPending());
}

SearchCameraListItemObject *TestNetworkRoad::listedCamera()
{
    for (SearchCameraListItemObject *item : listed(*m_adapter))
        if (item->devModelName() == kModel)
            return item;
    return nullptr;
}

void TestNetworkRoad::runWorker()
{
    kvrsim::flush();
    while (m_receiver->runOne()) {
    }
}

void TestNetworkRoad::searchListsNetworkCamera()
{
    // Emitted on the connect thread.
    test::QueuedSpy changedSpy(m_adapter, &DeviceAdapter::searchListChanged);
    QSignalSpy &changed = changedSpy.spy;
    search();
    SearchCameraListItemObject *item = listedCamera();
    QVERIFY(item);
    QTRY_VERIFY(changed.count() >= 1);
    QCOMPARE(item->connectMode(), SearchCameraListItemObject::CONNECT_LAN);
    QCOMPARE(item->devSerialNo(), m_serial);
    QCOMPARE(item->devIndex(), m_index);
    // The stand-in keeps the address as upper-case text without separators.
    QCOMPARE(item->macAddress(), QStringLiteral("00:80:f0:a1:b2:c3"));
    QVERIFY(item->isWlan());
    QVERIFY(item->enable());
    QVERIFY(item->authorize());
    // The list and its items belong to the interface's thread.
    QCOMPARE(item->thread(), m_adapter->thread());
    QCOMPARE(m_adapter->connectionType(), 1);
    // Nothing is connected by a search.
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    QVERIFY(!kvrsim::inSession(m_index));
}

void TestNetworkRoad::savedPasswordConnectsAndDisconnectLeavesNothing()
{
    search();
    QVERIFY(listedCamera());
    const uint32_t key = kvrsim::deviceKey(m_index);
    const QString scrambled = Utilities::getEncryptedData(kPassword, key);
    // The program's scrambling and the camera's agree.
    QCOMPARE(scrambled, QString::fromStdString(kvrsim::scramblePassword(kPassword.toStdString(), key)));
    m_adapter->ptpip_enhance_security_update_pw_list(m_serial, scrambled);

    QSignalSpy listChanged(m_adapter, &DeviceAdapter::cameraListChanged);
    uint err = 0xFFFFFFFFu;
    QVERIFY(m_adapter->selectEnableLanDevice(&err, false));
    QCOMPARE(err, 0u);
    QVERIFY(kvrsim::inSession(m_index));
    const QStringList uuids = m_adapter->cameraTableUuids();
    QCOMPARE(uuids, QStringList{QString::fromStdString(kvrsim::uuidOf(m_index))});
    QVERIFY(listChanged.count() >= 1);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_device_encryption_key(m_serial), ulong(key));
    QCOMPARE(m_adapter->camera_list_get_selected_camera_uuid(), uuids.first());
    QCOMPARE(m_adapter->camCurrentSelectedSerialNo(), m_serial);
    QVERIFY(m_adapter->hasDeviceMutex(uuids.first()));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 0);
    // The SDK's device list gained the camera as its last entry.
    const KVR_CONNECT_DEVICE_INFO &list = m_adapter->dataBlock().deviceList;
    QVERIFY(list.count >= 1);
    QCOMPARE(int(list.devices[list.count - 1].devIndex), m_index);

    // Connecting again skips the connected camera without a second select.
    kvrsim::clearCallLogs();
    QVERIFY(!m_adapter->selectEnableLanDevice(&err, true));
    QCOMPARE(m_adapter->cameraTableCount(), 1);
    for (const std::string &call : kvrsim::globalCallLog())
        QVERIFY2(call.find("SelectPnPDevice") == std::string::npos, call.c_str());

    // The camera leaves the network: kind 4 reaches the event worker.
    QSignalSpy connected(m_adapter, &DeviceAdapter::isCamerasConnectedChanged);
    m_adapter->setIsCamerasConnected(true);
    connected.clear();
    m_adapter->adp_KVR_func_api_ptpip_Set_Connection_Type(0);
    kvrsim::setOnNetwork(m_index, false);
    runWorker();
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    QVERIFY(!m_adapter->hasDeviceMutex(uuids.first()));
    QVERIFY(!m_adapter->isCamerasConnected());
    QCOMPARE(connected.count(), 1);
    QVERIFY(m_adapter->camCurrentSelectedSerialNo().isEmpty());
    QCOMPARE(m_adapter->connectionType(), 1);
    QVERIFY(!m_adapter->ptpip_camera_is_connect_by_lan_wifi());
}

void TestNetworkRoad::refusedPasswordAskedThroughDialog_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("typed");
    // false: the camera refuses again and the dialog asks again.
    QTest::addColumn<bool>("connects");
    QTest::newRow("wrong saved, right typed") << QStringLiteral("Wrong2026") << kPassword << true;
    QTest::newRow("none saved, right typed") << QString() << kPassword << true;
    QTest::newRow("wrong saved, wrong typed") << QStringLiteral("Wrong2026") << QStringLiteral("Other2026") << false;
    // Longer than the scrambling holds: refused without reaching the camera.
    QTest::newRow("typed too long") << QString() << kPassword + QString(30, u'x') << false;
}

void TestNetworkRoad::refusedPasswordAskedThroughDialog()
{
    QFETCH(QString, saved);
    QFETCH(QString, typed);
    QFETCH(bool, connects);

    search();
    QVERIFY(listedCamera());
    const uint32_t key = kvrsim::deviceKey(m_index);
    if (!saved.isEmpty())
        m_adapter->ptpip_enhance_security_update_pw_list(m_serial, Utilities::getEncryptedData(saved, key));

    uint err = 0;
    QVERIFY(!m_adapter->selectEnableLanDevice(&err, false));
    QVERIFY(err != 0);
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    // The request arrived before the select returned.
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_type(), int(Utilities::PWE_PW_AUTH));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_device_index(), m_index);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_encryption_key(), ulong(key));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_serial_number(), m_serial);

    m_adapter->ptpip_enhance_security_show_input_password_dialog();
    auto *dialog = qobject_cast<PasswordInput *>(m_adapter->passwordDialog);
    QVERIFY(dialog);
    const QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
    QCOMPARE(fields.size(), 1);
    fields.first()->setText(typed);
    QSignalSpy listChanged(m_adapter, &DeviceAdapter::cameraListChanged);
    QVERIFY(QMetaObject::invokeMethod(dialog, "buttonOkClicked"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (connects || typed.size() <= 31) {
        // A refusal is a new request of the camera: asked again at once.
        QCOMPARE(bool(m_adapter->passwordDialog), !connects);
        QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), connects ? 0 : 1);
    } else {
        // Refused here: the entry goes and nothing reached the camera.
        QVERIFY(!m_adapter->passwordDialog);
        QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 0);
        QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_Error));
    }
    const QString expectedSaved = connects ? Utilities::getEncryptedData(typed, key)
                                           : (saved.isEmpty() ? QString() : Utilities::getEncryptedData(saved, key));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_saved_password(m_serial), expectedSaved);
    QCOMPARE(DeviceAdapterData::openPasswordFile()->value(m_serial).toString(), expectedSaved);
    QCOMPARE(m_adapter->cameraTableCount(), connects ? 1 : 0);
    QCOMPARE(kvrsim::inSession(m_index), connects);
    if (connects) {
        QVERIFY(listChanged.count() >= 1);
        // The file keeps the scrambled text, never the clear one.
        QVERIFY(!DeviceAdapterData::openPasswordFile()->value(m_serial).toString().contains(typed));
    }
}

void TestNetworkRoad::cancelledPasswordEndsInErrorOnce()
{
    search();
    uint err = 0;
    QVERIFY(!m_adapter->selectEnableLanDevice(&err, false));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
    m_adapter->setCamConnectStatus(Utilities::CamConnectSts_Connecting);
    QSignalSpy status(m_adapter, &DeviceAdapter::camConnectStatusChanged);

    m_adapter->ptpip_enhance_security_show_input_password_dialog();
    auto *dialog = qobject_cast<PasswordInput *>(m_adapter->passwordDialog);
    QVERIFY(dialog);
    QVERIFY(QMetaObject::invokeMethod(dialog, "buttonCancelClicked"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_adapter->passwordDialog);
    QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_Error));
    QCOMPARE(status.count(), 1);
    QVERIFY(m_adapter->ptpip_enhance_security_get_saved_password(m_serial).isEmpty());

    // An empty list ends in error again without a second notice.
    QVERIFY(!m_adapter->ptpip_enhance_security_sent_password());
    QCOMPARE(status.count(), 1);
}

void TestNetworkRoad::connectedCameraFoundAgainIsListed()
{
    search();
    m_adapter->ptpip_enhance_security_update_pw_list(
        m_serial, Utilities::getEncryptedData(kPassword, kvrsim::deviceKey(m_index)));
    uint err = 0;
    QVERIFY(m_adapter->selectEnableLanDevice(&err, false));

    // A later search reports the camera as connected already (kind 6).
    search();
    SearchCameraListItemObject *item = listedCamera();
    QVERIFY(item);
    QVERIFY(item->enable());
    QVERIFY(item->authorize());
    QCOMPARE(m_adapter->cameraTableCount(), 1);
}

void TestNetworkRoad::connectionErrorNotice_data()
{
    QTest::addColumn<quint32>("error");
    QTest::addColumn<int>("mode"); // -1: no notice
    QTest::newRow("0x00100009") << quint32(0x00100009) << 1;
    QTest::newRow("0x0010000A") << quint32(0x0010000A) << 1;
    QTest::newRow("0x00100001") << quint32(0x00100001) << 0;
    QTest::newRow("0x00200001") << quint32(0x00200001) << -1;
}

void TestNetworkRoad::connectionErrorNotice()
{
    QFETCH(quint32, error);
    QFETCH(int, mode);
    search();
    m_adapter->updateRclIni(m_serial, QStringLiteral("RozadoN3-Field.cer"));
    QSignalSpy notice(m_adapter, &DeviceAdapter::notifyConnectErrorMessage);
    kvrsim::failNext("SelectPnPDevice", 1, 0, error);
    uint err = 0;
    QVERIFY(!m_adapter->selectEnableLanDevice(&err, false));
    QCOMPARE(err, error);
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    const QString rcl = DeviceAdapterData::openCertificateListFile()->value(m_serial).toString();
    if (mode < 0) {
        QCOMPARE(notice.count(), 0);
        QCOMPARE(rcl, QStringLiteral("RozadoN3-Field.cer"));
        return;
    }
    QCOMPARE(notice.count(), 1);
    QCOMPARE(notice.first().at(0).toInt(), mode);
    // The friendly name names the camera.
    QCOMPARE(notice.first().at(1).toString(), QStringLiteral("RozadoN3-Field"));
    QCOMPARE(quint32(notice.first().at(2).toInt()), error);
    QVERIFY(rcl.isEmpty());
}

using ConfigCall = std::function<Utilities::Ternary(DeviceAdapter &)>;
Q_DECLARE_METATYPE(ConfigCall)

void TestNetworkRoad::refusedConfigurationIsReported_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<ConfigCall>("call");
    QTest::newRow("command time-out") << QStringLiteral("ptpip_Set_SendCommand_TimeOutVal_Config")
                                      << ConfigCall([](DeviceAdapter &a) {
                                             return a.adp_KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config(5000);
                                         });
    QTest::newRow("search time-out") << QStringLiteral("ptpip_Set_SearchDev_TimeOutVal_Config")
                                     << ConfigCall([](DeviceAdapter &a) {
                                            return a.adp_KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(10000,
                                                                                                        10000);
                                        });
    QTest::newRow("pc name") << QStringLiteral("ptpip_Set_Pc_Name") << ConfigCall([](DeviceAdapter &a) {
        return a.adp_KVR_func_api_ptpip_Set_Pc_Name(11, QStringLiteral("KAVROTether"));
    });
    QTest::newRow("ip address") << QStringLiteral("ptpip_Set_Ip_Addr")
                                << ConfigCall([](DeviceAdapter &a) { return a.adp_KVR_func_api_ptpip_Set_Ip_Addr({}); });
    QTest::newRow("search condition") << QStringLiteral("SetSearchCondition")
                                      << ConfigCall([](DeviceAdapter &a) {
                                             return a.adp_KVR_func_api_SetSearchCondition(1, QString());
                                         });
}

void TestNetworkRoad::refusedConfigurationIsReported()
{
    QFETCH(QString, function);
    QFETCH(ConfigCall, call);
    QSignalSpy error(m_adapter, &DeviceAdapter::settingErrorNotify);
    QCOMPARE(call(*m_adapter), Utilities::Ternary_True);
    QCOMPARE(error.count(), 0);
    kvrsim::failNext(function.toStdString(), 1);
    QCOMPARE(call(*m_adapter), Utilities::Ternary_False);
    QCOMPARE(error.count(), 1);
}

QTEST_MAIN(TestNetworkRoad)
#include "tst_networkroad.moc"
