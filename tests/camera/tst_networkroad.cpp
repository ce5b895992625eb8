// The network road end to end against the SDK stand-in, entered where the
// interface enters it: a network search lists the network camera, the
// connect button connects it with its saved password, a refused password
// reaches the user through the password dialog, and the camera leaves the
// network.

#include <QtTest>
#include <QtWidgets>

#include <atomic>
#include <functional>
#include <thread>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "ModalBox.h"
#include "Kvrptpif.h"
#include "QueuedSpy.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"
#include "camera/PasswordInput.h"
#include "camera/SearchCameraListItemObject.h"
#include "core/Utilities.h"

using namespace kavrotether;
using kavrotether::test::shownPasswordDialog;

namespace {

const QString kModel = QStringLiteral("Rozado Sim N3");
const QString kPassword = QStringLiteral("Rozado2026");

// The reading after a connect succeeds at once here: what it reads is the
// device search's test, not this road's.
Utilities::Ternary readingSucceeds(DeviceAdapter &)
{
    return Utilities::Ternary_True;
}
constexpr ConnectReadStep kReads[] = {{"read", readingSucceeds, true, false}};
const ConnectReadTables kReadTables{kReads, 1, kReads, 1};

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
    void autoSearchStartsWithUsb();
    void tlsConnectRegistersItsCertificate();
    void changedCertificateIsAskedForAgain();
    void enumerationKeepsCamerasListedMeanwhile_data();
    void enumerationKeepsCamerasListedMeanwhile();
    void savedPasswordConnectsAndDisconnectLeavesNothing();
    void addSearchConnectsNetworkCamera_data();
    void addSearchConnectsNetworkCamera();
    void refusedPasswordAskedThroughDialog_data();
    void refusedPasswordAskedThroughDialog();
    void cancelledPasswordEndsInErrorOnce();
    void connectedCameraFoundAgainIsListed();
    void announcedAgainKeepsItsEntry_data();
    void announcedAgainKeepsItsEntry();
    void connectionErrorNotice_data();
    void connectionErrorNotice();
    void refusedConfigurationIsReported_data();
    void refusedConfigurationIsReported();

private:
    // Runs a network search through the device search and waits for its end.
    void search();
    // The listed network camera, enabled; null when none.
    SearchCameraListItemObject *listedCamera();
    // Waits until the password request posted by a connect has opened the
    // dialog; null when none opened.
    PasswordInput *awaitPasswordDialog();

    test::IsolatedSettings m_settings;
    test::AdapterFixture m_fixture;
    DeviceAdapter *m_adapter = nullptr;
    int m_index = -1;
    QString m_serial;
};

void TestNetworkRoad::initTestCase()
{
    QVERIFY(m_settings.isValid());
}

void TestNetworkRoad::init()
{
    m_settings.clear();
    DeviceSearch::setConnectReadTables(&kReadTables);
    QVERIFY(m_fixture.start());
    m_adapter = &m_fixture.adapter();
    m_index = test::firstCamera(kvrsim::Connection::Lan);
    QVERIFY(m_index >= 0);
    m_serial = QString::fromStdString(kvrsim::profileOf(m_index).serial);
}

void TestNetworkRoad::cleanup()
{
    m_adapter = nullptr;
    m_fixture.stop();
    DeviceSearch::setConnectReadTables(nullptr);
}

void TestNetworkRoad::search()
{
    QVERIFY(m_fixture.searchNetwork());
}

SearchCameraListItemObject *TestNetworkRoad::listedCamera()
{
    for (SearchCameraListItemObject *item : listed(*m_adapter))
        if (item->devModelName() == kModel)
            return item;
    return nullptr;
}

PasswordInput *TestNetworkRoad::awaitPasswordDialog()
{
    if (!QTest::qWaitFor([] { return shownPasswordDialog() != nullptr; }, 5000))
        return nullptr;
    return shownPasswordDialog();
}

void TestNetworkRoad::searchListsNetworkCamera()
{
    // Announced from the connect thread that lists the camera.
    test::QueuedSpy changed(m_adapter, &DeviceAdapter::searchListChanged);
    search();
    SearchCameraListItemObject *item = listedCamera();
    QVERIFY(item);
    QTRY_VERIFY(changed.spy.count() >= 1);
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

void TestNetworkRoad::autoSearchStartsWithUsb()
{
    DeviceSearch *search = m_adapter->deviceSearch();
    auto runSearch = [&] {
        test::QueuedSpy status(search, &DeviceSearch::devSearchStatusChanged);
        QVERIFY(search->startSearch());
        // Started, then ended.
        QTRY_VERIFY_WITH_TIMEOUT(status.spy.count() >= 2, 20000);
        QCOMPARE(search->devSearchStatus(), int(DeviceSearch::DEVSEARCH_STATUS_Stop));
    };
    auto listedSerials = [&] {
        QStringList serials;
        for (SearchCameraListItemObject *item : listed(*m_adapter))
            serials << item->devSerialNo();
        serials.sort();
        return serials;
    };
    // The interface's search, as it starts after the splash: the USB
    // cameras of the default scenario are listed, not hidden behind a first
    // network pass that ends at the network camera.
    QCOMPARE(m_adapter->connectionType(), kConnectionUsb);
    runSearch();
    QCOMPARE(listedSerials(), (QStringList{"SIMA10000001", "SIMB20000002"}));
    QVERIFY(!search->networkSearchPending());

    // Without USB cameras the next pass goes to the network.
    for (int index : kvrsim::cameras())
        if (kvrsim::profileOf(index).connection == kvrsim::Connection::Usb)
            kvrsim::unplug(index);
    runSearch();
    QCOMPARE(listedSerials(), QStringList{m_serial});
    QCOMPARE(m_adapter->connectionType(), kConnectionLan);
    QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_StopGetDeviceInfo(), Utilities::Ternary_True);
    search->stopSearch();
    QVERIFY(!search->networkSearchPending());
}

void TestNetworkRoad::tlsConnectRegistersItsCertificate()
{
    const int tls = test::addNetworkCamera("SIMT70000007", "Field-T7", true);
    kvrsim::setOnNetwork(m_index, false);
    search();
    SearchCameraListItemObject *item = nullptr;
    for (SearchCameraListItemObject *candidate : listed(*m_adapter))
        if (candidate->devSerialNo() == QStringLiteral("SIMT70000007"))
            item = candidate;
    QVERIFY(item);
    const QString folder = m_adapter->createCerSaveFolderPath();
    QCOMPARE(item->caFilePath(), folder + QStringLiteral("/Field-T7.cer"));

    // Connecting renews the certificate: the entry, the SDK and the folder
    // agree on one file.
    QCOMPARE(m_adapter->connectEnableDevice(), Utilities::Ternary_True);
    QVERIFY(kvrsim::inSession(tls));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Field-T7.cer")});
    QFile file(item->caFilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(file.readAll()), m_adapter->adp_KVR_func_api_ptpip_GetCertPEM(tls));
    QCOMPARE(item->caFilePath(), folder + QStringLiteral("/Field-T7.cer"));
}

// A camera that presents another certificate under the same serial and
// name is not the camera the user accepted: listed as not authorised, as a
// camera seen for the first time, with the kept certificate untouched and
// the new one not given to the SDK, until the user connects it as listed.
void TestNetworkRoad::changedCertificateIsAskedForAgain()
{
    const QString serial = QStringLiteral("SIMT80000008");
    const int tls = test::addNetworkCamera(serial.toStdString(), "Field-T8", true);
    kvrsim::setOnNetwork(m_index, false);
    const QDir folder(m_adapter->createCerSaveFolderPath());
    auto kept = [&] { return DeviceAdapterData::openCertificateListFile()->value(serial).toString(); };
    auto holds = [&](const QString &name) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly)
               && QString::fromLocal8Bit(file.readAll()) == m_adapter->adp_KVR_func_api_ptpip_GetCertPEM(tls);
    };
    // Searches with the camera back on the network; its entry.
    auto searchAgain = [&]() -> SearchCameraListItemObject * {
        if (kvrsim::inSession(tls)) {
            kvrsim::setOnNetwork(tls, false);
            m_fixture.deliverAndRun();
            kvrsim::setOnNetwork(tls, true);
        }
        kvrsim::clearCallLogs();
        search();
        for (SearchCameraListItemObject *item : listed(*m_adapter))
            if (item->devSerialNo() == serial)
                return item;
        return nullptr;
    };

    SearchCameraListItemObject *item = searchAgain();
    QVERIFY(item && item->enable() && !item->authorize());
    QCOMPARE(m_adapter->connectEnableDevice(), Utilities::Ternary_True);
    QCOMPARE(kept(), QStringLiteral("Field-T8.cer"));
    item = searchAgain();
    QVERIFY(item && item->authorize());

    kvrsim::renewCertificate(tls, "another key");
    item = searchAgain();
    QVERIFY(item && item->enable());
    QVERIFY(!item->authorize());
    QCOMPARE(test::globalCallCount("ptpip_SetCerFilePath"), 0);
    QCOMPARE(kept(), QStringLiteral("Field-T8.cer"));
    QVERIFY(folder.exists(kept()) && !holds(kept()));

    // Accepted: the new certificate is the one kept, and the only file.
    QCOMPARE(m_adapter->connectEnableDevice(), Utilities::Ternary_True);
    QVERIFY(holds(kept()));
    QCOMPARE(folder.entryList(QDir::Files), QStringList{kept()});
    item = searchAgain();
    QVERIFY(item && item->authorize());
}

void TestNetworkRoad::enumerationKeepsCamerasListedMeanwhile_data()
{
    QTest::addColumn<int>("rounds");
    // Each round a race between the adders and the list's clearing.
    QTest::newRow("once") << 1;
    QTest::newRow("many rounds") << 100;
}

void TestNetworkRoad::enumerationKeepsCamerasListedMeanwhile()
{
    QFETCH(int, rounds);
    // The network camera is connected: the network search reports it as
    // such (kind 6) while a USB enumeration runs.
    QVERIFY(m_fixture.connectNetworkCamera(m_index, kPassword));
    m_adapter->deviceSearch()->stopGetConnectInitData();
    QVERIFY(m_adapter->adp_KVR_func_api_ptpip_StopGetDeviceInfo() == Utilities::Ternary_True);
    kvrsim::flush();
    m_adapter->setConnectionTypeValue(kConnectionUsb);
    QCOMPARE(KVR_func_api_ptpip_Set_Connection_Type(kConnectionUsb, nullptr), uint8_t(1));
    auto countOf = [&](const QString &serial) {
        int n = 0;
        for (SearchCameraListItemObject *item : listed(*m_adapter))
            n += item->devSerialNo() == serial ? 1 : 0;
        return n;
    };
    QMutex &sdkLock = DeviceAdapterTestAccess::sdkLock(*m_adapter);

    for (int round = 0; round < rounds; ++round) {
        // The SDK takes its time, so that reports can arrive meanwhile.
        kvrsim::delayNext("GetPnPDeviceInfo", 1, 20);
        std::atomic<bool> enumerating{true};
        std::thread enumeration([&] {
            m_adapter->adp_KVR_func_api_GetPnPDeviceInfo();
            enumerating.store(false);
        });
        // Once the enumeration holds the SDK lock, the list it replaces is
        // gone; what is listed from now on belongs to this search.
        while (enumerating.load() && sdkLock.tryLock())
            sdkLock.unlock();
        // Listed meanwhile from the SDK's thread and from another thread.
        kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND_CONNECTED, m_index);
        for (int added = 0; added < 50 && enumerating.load(); ++added)
            m_adapter->AddSortSearchList(new SearchCameraListItemObject);
        enumeration.join();
        kvrsim::flush();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(countOf(m_serial) == 1, qPrintable(QStringLiteral("round %1").arg(round)));
        QCOMPARE(countOf(QStringLiteral("SIMA10000001")), 1);
        QCOMPARE(countOf(QStringLiteral("SIMB20000002")), 1);
    }
    QVERIFY(kvrsim::inSession(m_index));
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
    QSignalSpy notice(m_adapter, &DeviceAdapter::notifyConnectErrorMessage);
    QSignalSpy connected(m_adapter, &DeviceAdapter::isCamerasConnectedChanged);
    QCOMPARE(m_adapter->connectEnableDevice(), Utilities::Ternary_True);
    QCOMPARE(notice.count(), 0);
    QVERIFY(m_adapter->isCamerasConnected());
    QCOMPARE(connected.count(), 1);
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
    const KVR_CONNECT_DEVICE_INFO list = DeviceAdapterTestAccess::deviceList(*m_adapter);
    QVERIFY(list.count >= 1);
    QCOMPARE(int(list.devices[list.count - 1].devIndex), m_index);

    // Adding while connected skips the connected camera without a second
    // select and keeps it.
    m_adapter->deviceSearch()->stopGetConnectInitData();
    kvrsim::clearCallLogs();
    QCOMPARE(m_adapter->searchAddedDevice(), Utilities::Ternary_False);
    QCOMPARE(m_adapter->cameraTableUuids(), uuids);
    for (const std::string &call : kvrsim::globalCallLog())
        QVERIFY2(call.find("SelectPnPDevice") == std::string::npos, call.c_str());

    // The camera leaves the network: kind 4 reaches the event worker.
    connected.clear();
    m_adapter->adp_KVR_func_api_ptpip_Set_Connection_Type(0);
    kvrsim::setOnNetwork(m_index, false);
    m_fixture.deliverAndRun();
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    QVERIFY(!m_adapter->hasDeviceMutex(uuids.first()));
    QVERIFY(!m_adapter->isCamerasConnected());
    QCOMPARE(connected.count(), 1);
    QVERIFY(m_adapter->camCurrentSelectedSerialNo().isEmpty());
    QCOMPARE(m_adapter->connectionType(), 1);
    QVERIFY(!m_adapter->ptpip_camera_is_connect_by_lan_wifi());
}

void TestNetworkRoad::addSearchConnectsNetworkCamera_data()
{
    QTest::addColumn<bool>("asksPassword");
    QTest::newRow("open camera") << false;
    QTest::newRow("camera asking its password") << true;
}

void TestNetworkRoad::addSearchConnectsNetworkCamera()
{
    QFETCH(bool, asksPassword);
    QVERIFY(m_fixture.connectNetworkCamera(m_index, kPassword));
    m_adapter->deviceSearch()->stopGetConnectInitData();
    const QString first = m_adapter->camera_list_get_selected_camera_uuid();
    const int added = test::addNetworkCamera("SIMT50000005", "Field-T5");
    if (asksPassword)
        kvrsim::setPassword(added, kvrsim::PasswordState::Set, "Other2026");

    // The add search finds the new camera; the connect thread lists it.
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, added);
    kvrsim::flush();
    QTRY_COMPARE_WITH_TIMEOUT(listed(*m_adapter).size(), 2, 10000);
    QSignalSpy listChanged(m_adapter, &DeviceAdapter::cameraListChanged);
    QCOMPARE(m_adapter->searchAddedDevice(), asksPassword ? Utilities::Ternary_False : Utilities::Ternary_True);
    QCOMPARE(kvrsim::inSession(added), !asksPassword);
    QCOMPARE(m_adapter->cameraTableCount(), asksPassword ? 1 : 2);
    QVERIFY(m_adapter->cameraInfoByUuid(first, nullptr));
    // The selection stays with the camera connected first.
    QCOMPARE(m_adapter->camera_list_get_selected_camera_uuid(), first);
    QCOMPARE(listChanged.count() >= 1, !asksPassword);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), asksPassword ? 1 : 0);
    PasswordInput *dialog = asksPassword ? awaitPasswordDialog() : nullptr;
    QCOMPARE(bool(dialog), asksPassword);
    if (dialog)
        QCOMPARE(m_adapter->ptpip_enhance_security_get_error_serial_number(), QStringLiteral("SIMT50000005"));
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

    {
        // Scoped: once a password is accepted the reading thread announces
        // the status from its own thread.
        QSignalSpy status(m_adapter, &DeviceAdapter::camConnectStatusChanged);
        QCOMPARE(m_adapter->connectEnableDevice(), Utilities::Ternary_False);
        QCOMPARE(status.count(), 1);
    }
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    // A camera waiting for its password is no failed connect (yet).
    QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_Connecting));
    // The request arrived before the select returned.
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_type(), int(Utilities::PWE_PW_AUTH));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_device_index(), m_index);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_encryption_key(), ulong(key));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_serial_number(), m_serial);

    // The dialog opens from the event loop, after the connect returned.
    QVERIFY(!shownPasswordDialog());
    PasswordInput *dialog = awaitPasswordDialog();
    QVERIFY(dialog);
    const QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
    QCOMPARE(fields.size(), 1);
    fields.first()->setText(typed);
    QSignalSpy listChanged(m_adapter, &DeviceAdapter::cameraListChanged);
    kvrsim::clearCallLogs();
    QString error;
    test::WhenBoxShown answer([&](QMessageBox *box) {
        error = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QVERIFY(QMetaObject::invokeMethod(dialog, "buttonOkClicked"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (connects || typed.size() <= 31) {
        // A refusal is a new request of the camera: asked again at once.
        QVERIFY(error.isEmpty());
        QCOMPARE(bool(shownPasswordDialog()), !connects);
        QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), connects ? 0 : 1);
    } else {
        // Refused here with the dialog's own error, never cut: nothing
        // reached the camera and the same dialog asks again.
        QVERIFY(error.startsWith(QStringLiteral("Condition Info")));
        QCOMPARE(shownPasswordDialog(), dialog);
        QCOMPARE(test::globalCallCount("SelectPnPDevice"), 0);
        QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
        QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_Connecting));
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
    QCOMPARE(m_adapter->connectEnableDevice(), Utilities::Ternary_False);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
    QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_Connecting));
    QSignalSpy status(m_adapter, &DeviceAdapter::camConnectStatusChanged);

    PasswordInput *dialog = awaitPasswordDialog();
    QVERIFY(dialog);
    QVERIFY(QMetaObject::invokeMethod(dialog, "buttonCancelClicked"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!shownPasswordDialog());
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
    QCOMPARE(m_adapter->connectEnableDevice(), Utilities::Ternary_True);

    // A later search reports the camera as connected already (kind 6); the
    // list is what that search made, not what the first one left.
    kvrsim::clearCallLogs();
    search();
    QVERIFY(test::globalCallCount("GetPnPDeviceInfo") >= 1);
    SearchCameraListItemObject *item = listedCamera();
    QVERIFY(item);
    QVERIFY(item->enable());
    QVERIFY(item->authorize());
    QCOMPARE(m_adapter->cameraTableCount(), 1);
}

void TestNetworkRoad::announcedAgainKeepsItsEntry_data()
{
    // Steps after the search has listed cameras A and B: "X@Y" announces X
    // at Y's address, "-X" unticks X's entry. C is a camera not listed, N one
    // without a serial number, "new" an address nobody had.
    QTest::addColumn<QStringList>("steps");
    // The list afterwards: who, at which address ("-": none), ticked.
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("same serial number") << QStringList{"-A", "A@A"} << QStringList{"A A off", "B B on"};
    QTest::newRow("same address") << QStringList{"-A", "C@A"} << QStringList{"A - off", "B B on", "C A on"};
    QTest::newRow("listed camera at its address") << QStringList{"-B", "B@A"} << QStringList{"A - on", "B A off"};
    QTest::newRow("listed camera at its address, then it is back")
        << QStringList{"-B", "B@A", "A@A"} << QStringList{"A A on", "B - off"};
    QTest::newRow("listed camera at its address, it at a new one")
        << QStringList{"-B", "B@A", "A@new"} << QStringList{"A new on", "B A off"};
    QTest::newRow("without serial numbers, then a camera with one")
        << QStringList{"N@new", "N@new", "-N", "C@new"} << QStringList{"A A on", "B B on", "C new on"};
}

void TestNetworkRoad::announcedAgainKeepsItsEntry()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    test::addNetworkCamera("SIMT50000005", "Field-T5");
    search();
    QTRY_COMPARE(listed(*m_adapter).size(), 2);
    QMap<QString, int> camera;
    QMap<QString, QString> serial{{"C", "SIMX90000009"}, {"N", ""}}, address{{"new", "198.51.100.7"}, {"-", ""}};
    for (const char *who : {"A", "B"}) {
        camera[who] = listed(*m_adapter).at(*who - 'A')->devIndex();
        serial[who] = QString::fromStdString(kvrsim::profileOf(camera[who]).serial);
        address[who] = QString::fromStdString(kvrsim::profileOf(camera[who]).ip);
    }
    camera["C"] = camera["A"];
    auto entries = [&] {
        QStringList out;
        for (SearchCameraListItemObject *item : listed(*m_adapter))
            out << serial.key(item->devSerialNo()) + u' ' + address.key(item->ip()) + (item->enable() ? " on" : " off");
        return out;
    };
    for (const QString &step : steps) {
        const QString who = step.section(u'@', 0, 0).remove(u'-'), at = address.value(step.section(u'@', 1));
        if (step.startsWith(u'-')) {
            for (SearchCameraListItemObject *item : listed(*m_adapter))
                item->setEnable(item->enable() && item->devSerialNo() != serial[who]);
        } else if (who == u"N") {
            KVR_PTPIP_CONNECT_DEVICE_INFO info{};
            info.devIndex = 99;
            qstrncpy(info.ipAddress, at.toUtf8().constData(), sizeof info.ipAddress);
            m_adapter->registerEventPtpipFoundDeviceProc(KVR_PTPIP_KIND_FOUND, &info, nullptr);
        } else {
            kvrsim::CameraProfile profile = kvrsim::profileOf(camera[who]);
            profile.serial = serial[who].toStdString();
            profile.ip = at.toStdString();
            profile.mac.clear();
            const int index = who == u"C" || at != address[who] ? kvrsim::addCamera(profile) : camera[who];
            for (int i = 0; i < 300; ++i)
                kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, index);
            kvrsim::flush();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!m_adapter->isConnectThreadRunning(), 10000);
        // One camera is never listed twice, and one address names one camera.
        QStringList seen;
        for (SearchCameraListItemObject *item : listed(*m_adapter))
            seen << u's' + item->devSerialNo() << u'a' + item->ip();
        seen.removeAll(QStringLiteral("s"));
        seen.removeAll(QStringLiteral("a"));
        QCOMPARE(seen.removeDuplicates(), 0);
    }
    QCOMPARE(entries(), expected);
    // Start connects the ticked cameras at an address, and no other camera.
    for (int index : kvrsim::cameras())
        kvrsim::setPassword(index, kvrsim::PasswordState::None);
    m_adapter->connectEnableDevice();
    QStringList connected, ticked;
    for (int index : kvrsim::cameras())
        if (kvrsim::inSession(index))
            connected << serial.key(QString::fromStdString(kvrsim::profileOf(index).serial));
    for (const QString &entry : expected)
        if (entry.endsWith(QLatin1String(" on")) && entry.section(u' ', 1, 1) != u"-")
            ticked << entry.left(1);
    connected.sort();
    QCOMPARE(connected, ticked);
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
    QCOMPARE(m_adapter->connectEnableDevice(), Utilities::Ternary_False);
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    // No password is awaited: the connect failed.
    QCOMPARE(m_adapter->camConnectStatus(), int(Utilities::CamConnectSts_Error));
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
    QTest::newRow("ip address") << QStringLiteral(
        "ptpip_Set_Ip_Addr") << ConfigCall([](DeviceAdapter &a) { return a.adp_KVR_func_api_ptpip_Set_Ip_Addr({}); });
    QTest::newRow("search condition") << QStringLiteral("SetSearchCondition") << ConfigCall([](DeviceAdapter &a) {
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
