// Network cameras against the SDK stand-in: found cameras and the connect
// thread, the end of a search, selecting with the saved password, password
// requests and the password dialog, certificate files and disconnection.

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "ModalBox.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"
#include "Kvrptpif.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "camera/PasswordInput.h"
#include "camera/PtpipRecord.h"
#include "camera/SearchCameraListItemObject.h"
#include "core/ApplicationData.h"

using namespace kavrotether;
using Info = _tag_KVR_PTPIP_CONNECT_DEVICE_INFO;

namespace {

// Records that the SDK reported as found, captured by a test table.
QList<Info> *g_found = nullptr;

void captureFound(DeviceAdapter &, quint32, void *data, const char *)
{
    if (data)
        g_found->append(*static_cast<const Info *>(data));
}

constexpr PtpipEntry kCaptureTable[] = {{PtpipKind::FoundDevice, captureFound}};

using kavrotether::test::globalCallCount;
using kavrotether::test::requestPassword;
using kavrotether::test::shownPasswordDialog;
using Access = kavrotether::DeviceAdapterTestAccess;

int networkCamera()
{
    return kavrotether::test::firstCamera(kvrsim::Connection::Lan);
}

int addTlsCamera(const std::string &friendlyName, const std::string &serial)
{
    return kavrotether::test::addNetworkCamera(serial, friendlyName, true);
}

// A network camera "<serial>" named "<serial>-name" that asks for its
// password with that error type.
int waitingCamera(quint32 errorType, const std::string &serial, const std::string &friendlyName = std::string())
{
    const int index = kavrotether::test::addNetworkCamera(serial,
                                                          friendlyName.empty() ? serial + "-name" : friendlyName);
    requestPassword(index, errorType);
    return index;
}

int passwordDialogsShown()
{
    int n = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        n += qobject_cast<PasswordInput *>(widget) && widget->isVisible() ? 1 : 0;
    return n;
}

Info recordFor(int index, const QByteArray &friendlyName = QByteArray())
{
    Info info{};
    info.devIndex = uint32_t(index);
    const kvrsim::CameraProfile p = kvrsim::profileOf(index);
    const QByteArray name = friendlyName.isNull() ? QByteArray::fromStdString(p.friendlyName) : friendlyName;
    std::memcpy(info.friendlyName, name.constData(), size_t(qMin<qsizetype>(name.size(), 255)));
    std::memcpy(info.serialNo, p.serial.c_str(), qMin<size_t>(p.serial.size(), 255));
    std::memcpy(info.macAddress, p.mac.c_str(), qMin<size_t>(p.mac.size(), 31));
    info.friendlyNameLength = uint32_t(strnlen(info.friendlyName, 255));
    info.serialNoLength = uint32_t(strnlen(info.serialNo, 255));
    info.tls = p.tls ? 1 : 0;
    return info;
}

// Readable and writable by its owner, by nobody else.
bool ownerOnly(const QString &path)
{
    const QFileDevice::Permissions p = QFile::permissions(path);
    constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                                | QFileDevice::ReadOther | QFileDevice::WriteOther
                                                | QFileDevice::ExeOther;
    return (p & others) == 0 && (p & QFileDevice::ReadOwner) && (p & QFileDevice::WriteOwner);
}

uint modeOf(const QString &path)
{
    struct stat st{};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? uint(st.st_mode & 07777) : 0u;
}

} // namespace

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void foundTlsCameraSavesCertificate();
    void cameraWaitingForPasswordIsNotQueued();
    void fullTableDropsFoundCamera();
    void noConnectThreadAfterStop();
    void destroyWhileConnectThreadWaits();
    void searchEndClearsFound_data();
    void searchEndClearsFound();

    void selectWithSavedPassword_data();
    void selectWithSavedPassword();
    void savedPasswordRoundTrip();
    void passwordRequestNeedsData();

    void certificateName_data();
    void certificateName();
    void certificateSaveAndReuse();
    void certificateWithoutPem();
    void updateCerWithoutRecord();
    void certificateRenewal_data();
    void certificateRenewal();
    void certificateAuthorised_data();
    void certificateAuthorised();
    void foundCertificatesStayBounded_data();
    void foundCertificatesStayBounded();

    void disconnectOneThenLast();

    void passwordRule_data();
    void passwordRule();
    void dialogFollowsErrorType_data();
    void dialogFollowsErrorType();
    void cancelWalksTheWaitingCameras();
    void requestDuringPasswordChangeWaitsForIt();
    void fullTableEmptiesWaitingList();
    void pcNameIsCut();

private:
    void runDeferredDeletes();

    test::IsolatedSettings m_settings;
    DeviceAdapter *m_adapter = nullptr;
    QList<Info> m_found;
    DispatchTables m_capture;
};

void TestNetwork::initTestCase()
{
    QVERIFY(m_settings.isValid());
}

void TestNetwork::init()
{
    QVERIFY(test::startSimulator());
    m_adapter = new DeviceAdapter;
    ApplicationData::setDeviceAdapter(m_adapter);
    DeviceAdapterCallback::setDispatchTables(nullptr);
    DeviceAdapterCallback::CallbackRegist();
    m_found.clear();
    g_found = &m_found;
    m_capture = DispatchTables();
    m_capture.ptpip = kCaptureTable;
    m_capture.ptpipCount = std::size(kCaptureTable);
    // Every test starts from empty settings files, and where a network
    // search leaves the connection type.
    m_settings.clear();
    m_adapter->setConnectionTypeValue(kConnectionLan);
}

void TestNetwork::cleanup()
{
    DeviceAdapterCallback::CallbackUnRegist();
    DeviceAdapterCallback::setDispatchTables(nullptr);
    delete m_adapter;
    m_adapter = nullptr;
    ApplicationData::setDeviceAdapter(nullptr);
    g_found = nullptr;
    test::stopSimulator();
}

void TestNetwork::runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestNetwork::foundTlsCameraSavesCertificate()
{
    const int index = addTlsCamera("Cam A", "TLS0001");
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, index);
    kvrsim::flush();
    QVERIFY(m_adapter->ptpip_camera_is_connect_by_lan_wifi());
    QVERIFY(m_adapter->isConnectThreadRunning());

    const QString path = m_adapter->createCerSaveFolderPath() + QStringLiteral("/Cam A.cer");
    QTRY_VERIFY_WITH_TIMEOUT(!m_adapter->isConnectThreadRunning(), 10000);
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_adapter->foundDeviceCount(), 0);
    // Not accepted yet: the SDK is not given it.
    QCOMPARE(globalCallCount("ptpip_SetCerFilePath"), 0);
    QVERIFY(ownerOnly(path));

    // A later find starts the finished thread again and keeps to the file.
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, index);
    kvrsim::flush();
    QTRY_VERIFY_WITH_TIMEOUT(!m_adapter->isConnectThreadRunning(), 10000);
    QCOMPARE(globalCallCount("ptpip_SetCerFilePath"), 0);
    QCOMPARE(QDir(m_adapter->createCerSaveFolderPath()).entryList(QDir::Files).size(), 1);
}

void TestNetwork::cameraWaitingForPasswordIsNotQueued()
{
    const int index = networkCamera();
    requestPassword(index, 3);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, index);
    kvrsim::flush();
    QVERIFY(!m_adapter->isConnectThreadRunning());
    QCOMPARE(m_adapter->foundDeviceCount(), 0);
    QVERIFY(!m_adapter->ptpip_camera_is_connect_by_lan_wifi());
}

void TestNetwork::fullTableDropsFoundCamera()
{
    for (int i = 0; i < DeviceAdapter::kMaxCameras; ++i)
        QVERIFY(m_adapter->addCameraToTable(QStringLiteral("uuid-%1").arg(i), CameraInfo()));
    const int index = addTlsCamera("Cam Full", "TLS0002");
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, index);
    kvrsim::flush();
    QTRY_VERIFY_WITH_TIMEOUT(!m_adapter->isConnectThreadRunning(), 10000);
    QCOMPARE(m_adapter->foundDeviceCount(), 0);
    QCOMPARE(globalCallCount("ptpip_GetCertPEM"), 0);
    QVERIFY(!QFile::exists(m_adapter->createCerSaveFolderPath() + QStringLiteral("/Cam Full.cer")));
}

void TestNetwork::noConnectThreadAfterStop()
{
    m_adapter->stopConnectThread();
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, networkCamera());
    kvrsim::flush();
    QVERIFY(!m_adapter->isConnectThreadRunning());
    QCOMPARE(m_adapter->foundDeviceCount(), 0);
}

void TestNetwork::destroyWhileConnectThreadWaits()
{
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, networkCamera());
    kvrsim::flush();
    QVERIFY(m_adapter->isConnectThreadRunning());
    // The thread is in its idle wait: the adapter's end stops and joins it.
    DeviceAdapterCallback::CallbackUnRegist();
    ApplicationData::setDeviceAdapter(nullptr);
    delete m_adapter;
    m_adapter = new DeviceAdapter;
    ApplicationData::setDeviceAdapter(m_adapter);
    DeviceAdapterCallback::CallbackRegist();
    QVERIFY(!m_adapter->isConnectThreadRunning());
}

void TestNetwork::searchEndClearsFound_data()
{
    QTest::addColumn<quint32>("kind");
    QTest::newRow("time-out") << quint32(KVR_PTPIP_KIND_SEARCH_TIMEOUT);
    QTest::newRow("stopped") << quint32(KVR_PTPIP_KIND_SEARCH_STOPPED);
}

void TestNetwork::searchEndClearsFound()
{
    QFETCH(quint32, kind);
    Access::setLanConnected(*m_adapter, true);
    kvrsim::emitPtpip(kind, -1);
    kvrsim::flush();
    QVERIFY(!m_adapter->ptpip_camera_is_connect_by_lan_wifi());
}

void TestNetwork::selectWithSavedPassword_data()
{
    QTest::addColumn<bool>("unset");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("requestType");

    QTest::newRow("right") << false << QStringLiteral("Rozado2026") << true << 0;
    QTest::newRow("wrong") << false << QStringLiteral("Rozado2027") << false << 3;
    QTest::newRow("none saved") << false << QString() << false << 3;
    QTest::newRow("camera without password") << true << QString() << false << 2;
}

void TestNetwork::selectWithSavedPassword()
{
    QFETCH(bool, unset);
    QFETCH(QString, saved);
    QFETCH(bool, selected);
    QFETCH(int, requestType);

    const int index = networkCamera();
    if (unset)
        kvrsim::setPassword(index, kvrsim::PasswordState::Unset);
    // The record as the SDK reports it.
    DeviceAdapterCallback::setDispatchTables(&m_capture);
    kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, index);
    kvrsim::flush();
    DeviceAdapterCallback::setDispatchTables(nullptr);
    QCOMPARE(m_found.size(), 1);
    Info info = m_found.first();

    const quint64 key = ptpipDeviceKey(info);
    QCOMPARE(key, quint64(kvrsim::deviceKey(index)));
    if (!saved.isEmpty())
        m_adapter->ptpip_enhance_security_update_pw_list(QStringLiteral("SIMN30000003"),
                                                         Utilities::getEncryptedData(saved, ulong(key)));

    QString uuid;
    uint err = 0;
    QCOMPARE(m_adapter->ptpipSelectWithSavedPassword(&info, &uuid, &err), selected);
    kvrsim::flush();
    QCOMPARE(m_adapter->ptpip_enhance_security_get_device_encryption_key(QStringLiteral("SIMN30000003")), ulong(key));
    if (selected) {
        QCOMPARE(uuid, QString::fromStdString(kvrsim::uuidOf(index)));
        QCOMPARE(err, 0u);
        QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 0);
        return;
    }
    QVERIFY(uuid.isEmpty());
    QVERIFY(err != 0);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_type(), requestType);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_device_index(), index);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_encryption_key(), ulong(key));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_serial_number(), QStringLiteral("SIMN30000003"));
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_friendly_name(), QStringLiteral("RozadoN3-Field"));
    QVERIFY(m_adapter->isCheckingPtpipEnhanceSecurityInfo());
}

void TestNetwork::savedPasswordRoundTrip()
{
    const int index = networkCamera();
    const QString scrambled = Utilities::getEncryptedData(QStringLiteral("Rozado2026"), kvrsim::deviceKey(index));
    // The camera checks exactly what the program stores.
    QCOMPARE(scrambled, QString::fromStdString(kvrsim::scramblePassword("Rozado2026", kvrsim::deviceKey(index))));
    // Made under the usual umask, the settings folder and the file are the
    // user's alone from the start.
    const mode_t umask = ::umask(022);
    m_adapter->ptpip_enhance_security_update_pw_list(QStringLiteral("SIMN30000003"), scrambled);
    ::umask(umask);

    const QString file = DeviceAdapterData::openPasswordFile()->fileName();
    QCOMPARE(modeOf(file), 0600u);
    QCOMPARE(modeOf(QFileInfo(file).absolutePath()), 0700u);
    QFile raw(file);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(!raw.readAll().contains("Rozado2026"));

    DeviceAdapter other;
    QVERIFY(other.ptpip_enhance_security_get_saved_password(QStringLiteral("SIMN30000003")).isEmpty());
    other.ptpip_enhance_security_load_pw_list();
    QCOMPARE(other.ptpip_enhance_security_get_saved_password(QStringLiteral("SIMN30000003")), scrambled);
}

void TestNetwork::passwordRequestNeedsData()
{
    Info info = recordFor(networkCamera());
    quint32 none = 0;
    quint32 auth = 3;
    m_adapter->registerEventPtpipAuthenticatePwProc(PtpipKind::AuthenticatePw, &info, nullptr);
    m_adapter->registerEventPtpipAuthenticatePwProc(PtpipKind::AuthenticatePw, nullptr, &auth);
    m_adapter->registerEventPtpipAuthenticatePwProc(PtpipKind::AuthenticatePw, &info, &none);
    m_adapter->registerEventPtpipAuthenticatePwProc(PtpipKind::FoundDevice, &info, &auth);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 0);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_type(), 0);
    QVERIFY(m_adapter->ptpip_enhance_security_get_error_serial_number().isEmpty());

    // A camera that asks again and again fills the list only so far.
    for (int i = 0; i < 1000; ++i)
        m_adapter->registerEventPtpipAuthenticatePwProc(PtpipKind::AuthenticatePw, &info, &auth);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), int(KVR_MAX_DEVICES));
}

void TestNetwork::certificateName_data()
{
    QTest::addColumn<QByteArray>("friendlyName");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("plain") << QByteArray("Cam A") << QStringLiteral("Cam A.cer");
    QTest::newRow("climbs up") << QByteArray("../../etc/passwd") << QStringLiteral("_._etc_passwd.cer");
    QTest::newRow("backslashes") << QByteArray("..\\x\\y") << QStringLiteral("_x_y.cer");
    QTest::newRow("only dots") << QByteArray("..") << QStringLiteral("camera.cer");
    QTest::newRow("empty") << QByteArray("") << QStringLiteral("camera.cer");
    QTest::newRow("control characters") << QByteArray("A\x01\nB\x7f") << QStringLiteral("AB.cer");
    QTest::newRow("hidden") << QByteArray(".hidden") << QStringLiteral("hidden.cer");
    QTest::newRow("long") << QByteArray(255, 'a') << QString(100, u'a') + QStringLiteral(".cer");
}

void TestNetwork::certificateName()
{
    QFETCH(QByteArray, friendlyName);
    QFETCH(QString, fileName);
    const Info info = recordFor(networkCamera(), friendlyName);
    QCOMPARE(m_adapter->createCerSaveFilePath(&info), fileName);

    // A record whose name fills its field without a NUL is read within it.
    Info full{};
    std::memset(full.friendlyName, 'b', sizeof(full.friendlyName));
    QCOMPARE(m_adapter->createCerSaveFilePath(&full), QString(100, u'b') + QStringLiteral(".cer"));
}

void TestNetwork::certificateSaveAndReuse()
{
    const int first = addTlsCamera("Cam A", "TLS0101");
    const int second = addTlsCamera("Cam A", "TLS0102");
    const Info a = recordFor(first);
    const Info b = recordFor(second);
    const QString folder = m_adapter->createCerSaveFolderPath();
    QVERIFY(!QFileInfo::exists(folder));

    QString path;
    QCOMPARE(m_adapter->saveCerFile(&a, &path), 1);
    QCOMPARE(path, folder + QStringLiteral("/Cam A.cer"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(file.readAll()), m_adapter->adp_KVR_func_api_ptpip_GetCertPEM(first));
    QVERIFY(ownerOnly(path));

    // The same certificate again: the file is used as it is.
    QString again;
    QCOMPARE(m_adapter->saveCerFile(&a, &again), 1);
    QCOMPARE(again, path);
    // Another camera of the same name: its own file, the first stays.
    QString other;
    QCOMPARE(m_adapter->saveCerFile(&b, &other), 1);
    QCOMPARE(other, folder + QStringLiteral("/Cam A_1.cer"));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    QVERIFY(m_adapter->updateCer(&a));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
}

void TestNetwork::certificateWithoutPem()
{
    const Info info = recordFor(networkCamera());
    QString path = QStringLiteral("untouched");
    QCOMPARE(m_adapter->saveCerFile(&info, &path), 0);
    QCOMPARE(path, QStringLiteral("untouched"));
    QVERIFY(!QFileInfo::exists(m_adapter->createCerSaveFolderPath()));
    QCOMPARE(m_adapter->saveCerFile(nullptr, &path), 0);
}

void TestNetwork::updateCerWithoutRecord()
{
    kvrsim::clearCallLogs();
    QVERIFY(!m_adapter->updateCer(nullptr));
    QCOMPARE(globalCallCount("ptpip_UpdateCer"), 0);
    // A camera without TLS: the SDK refuses, nothing is saved.
    const Info info = recordFor(networkCamera());
    QVERIFY(!m_adapter->updateCer(&info));
    QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_UpdateCer(-1), Utilities::Ternary_False);
}

void TestNetwork::certificateRenewal_data()
{
    // Where the camera's certificate file was before the renewal.
    QTest::addColumn<QString>("before");
    // An older certificate in the program's own folder, written for the
    // camera earlier: replaced, and removed once the new one is registered.
    QTest::newRow("changed, own file") << QStringLiteral("own");
    // The registered file already holds the certificate: kept as it is.
    QTest::newRow("unchanged") << QStringLiteral("same");
    // A file from outside the program's folder is never removed.
    QTest::newRow("changed, outside file") << QStringLiteral("outside");
    QTest::newRow("changed, outside file named through a link") << QStringLiteral("link");
    // Nothing registered yet.
    QTest::newRow("none") << QString();
}

void TestNetwork::certificateRenewal()
{
    QFETCH(QString, before);
    const int index = addTlsCamera("Cam A", "TLS0301");
    const Info info = recordFor(index);
    const QString folder = m_adapter->createCerSaveFolderPath();
    const QByteArray pem = m_adapter->adp_KVR_func_api_ptpip_GetCertPEM(index).toLocal8Bit();
    QTemporaryDir outside;
    QString old;
    if (!before.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        old = before == QLatin1String("outside") ? outside.filePath(QStringLiteral("Cam A.cer"))
                                                 : folder + QStringLiteral("/Cam A.cer");
        if (before == QLatin1String("link")) {
            QVERIFY(QDir(outside.path()).mkdir("sub") && QFile::link(outside.filePath("sub"), folder + "/link"));
            old = folder + QStringLiteral("/link/../Cam A.cer");
        }
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::NewOnly));
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        file.write(before == QLatin1String("same") ? pem : QByteArray("an older certificate\n"));
        file.close();
        QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_SetCerFilePath(index, old), Utilities::Ternary_True);
    }
    // The file the SDK reads for the camera, as its next report names it.
    DeviceAdapterCallback::setDispatchTables(&m_capture);
    auto sdkPath = [&] {
        m_found.clear();
        kvrsim::emitPtpip(KVR_PTPIP_KIND_FOUND, index);
        kvrsim::flush();
        return m_found.isEmpty() ? QString() : ptpipRecordText(m_found.last().certFilePath);
    };

    // Renewed again and again: one file, the one registered, holding the
    // certificate; never a growing series of numbered copies.
    QString registered = old;
    for (int renewal = 0; renewal < 4; ++renewal) {
        QVERIFY(m_adapter->updateCer(&info, &registered));
        QCOMPARE(sdkPath(), registered);
        QFile file(registered);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), pem);
        QVERIFY(ownerOnly(registered));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    }
    if (before == QLatin1String("same"))
        QCOMPARE(registered, old);
    else if (before == QLatin1String("own"))
        QCOMPARE(registered, folder + QStringLiteral("/Cam A_1.cer"));
    else
        QCOMPARE(registered, folder + QStringLiteral("/Cam A.cer"));
    QCOMPARE(QFile::exists(old), before == QLatin1String("same") || before == QLatin1String("outside")
                                     || before == QLatin1String("link"));

    // The SDK refuses the new file: the old one stays, as it is what the
    // SDK still reads.
    if (before == QLatin1String("own")) {
        const QString kept = folder + QStringLiteral("/Cam A.cer");
        QFile stale(kept);
        QVERIFY(stale.open(QIODevice::WriteOnly | QIODevice::NewOnly));
        stale.write("an older certificate\n");
        stale.close();
        QString current = kept;
        kvrsim::failNext("ptpip_SetCerFilePath", 1);
        QVERIFY(m_adapter->updateCer(&info, &current));
        QVERIFY(QFile::exists(kept));
    }
}

void TestNetwork::certificateAuthorised_data()
{
    QTest::addColumn<QString>("registered"); // the name "Rcl" holds
    QTest::addColumn<QString>("file");       // the file of that name holds: "same" or "other" certificate
    QTest::addColumn<bool>("authorised");
    QTest::newRow("kept") << QStringLiteral("Cam A.cer") << QStringLiteral("same") << true;
    QTest::newRow("same name, other certificate") << QStringLiteral("Cam A.cer") << QStringLiteral("other") << false;
    QTest::newRow("kept under an older name") << QStringLiteral("Cam B.cer") << QStringLiteral("same") << true;
    QTest::newRow("file gone") << QStringLiteral("Cam A.cer") << QString() << false;
    QTest::newRow("outside the folder") << QStringLiteral("../Cam A.cer") << QStringLiteral("same") << false;
    QTest::newRow("emptied") << QString(QLatin1String("")) << QString() << false;
    QTest::newRow("never") << QString() << QString() << false;
}

void TestNetwork::certificateAuthorised()
{
    QFETCH(QString, registered);
    QFETCH(QString, file);
    QFETCH(bool, authorised);
    const int index = addTlsCamera("Cam A", "TLS0201");
    const Info info = recordFor(index);
    const QString folder = m_adapter->createCerSaveFolderPath();
    if (!file.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        QFile kept(QDir(folder).filePath(registered));
        QVERIFY(kept.open(QIODevice::WriteOnly | QIODevice::NewOnly));
        kept.write(file == QLatin1String("same") ? m_adapter->adp_KVR_func_api_ptpip_GetCertPEM(index).toLocal8Bit()
                                                 : QByteArray("another certificate\n"));
    }
    if (!registered.isNull())
        m_adapter->updateRclIni(QStringLiteral("TLS0201"), registered);
    QCOMPARE(m_adapter->ptpipCertificateAuthorised(&info), authorised);
    if (!registered.isNull()) {
        const QString list = DeviceAdapterData::openCertificateListFile()->fileName();
        QVERIFY(ownerOnly(list));
    }
}

void TestNetwork::foundCertificatesStayBounded_data()
{
    QTest::addColumn<int>("announcements");
    QTest::addColumn<bool>("renewed");  // another certificate each time
    QTest::addColumn<bool>("renamed");  // another name each time
    QTest::addColumn<bool>("accepted"); // connected once before
    // A file holding the camera's certificate that something else made: in
    // the folder, in the folder the certificate folder links to, or named by
    // the record through a link inside the folder.
    QTest::addColumn<QString>("foreign");
    QTest::newRow("renewed") << 30 << true << false << false << QString();
    QTest::newRow("renamed") << 40 << false << true << false << QString();
    QTest::newRow("renewed and renamed, accepted before") << 30 << true << true << true << QString();
    QTest::newRow("same bytes made by another") << 3 << false << false << false << QStringLiteral("in folder");
    QTest::newRow("same bytes where the folder links") << 3 << false << false << false << QStringLiteral("linked");
    QTest::newRow("record path through a link") << 3 << false << false << false << QStringLiteral("through link");
}

void TestNetwork::foundCertificatesStayBounded()
{
    QFETCH(int, announcements);
    QFETCH(bool, renewed);
    QFETCH(bool, renamed);
    QFETCH(bool, accepted);
    QFETCH(QString, foreign);
    const int index = addTlsCamera("Cam A", "TLS0401");
    const QDir folder(m_adapter->createCerSaveFolderPath());
    QTemporaryDir outside;
    const bool throughLink = foreign == QLatin1String("through link");
    const QString foreignPath = foreign.isEmpty() ? QString()
                                : throughLink     ? outside.filePath("victim.cer")
                                                  : folder.filePath("Cam A.cer");
    const QString recordPath = throughLink ? folder.filePath("link/../victim.cer") : QString();
    if (!foreign.isEmpty()) {
        QVERIFY(foreign == QLatin1String("linked") ? QFile::link(outside.path(), folder.path()) : folder.mkpath("."));
        QVERIFY(
            !throughLink
            || (QDir(outside.path()).mkdir("sub") && QFile::link(outside.filePath("sub"), folder.filePath("link"))));
        QFile file(foreignPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(m_adapter->adp_KVR_func_api_ptpip_GetCertPEM(index).toLocal8Bit());
    }
    if (accepted) {
        const Info info = recordFor(index);
        QString path;
        QCOMPARE(m_adapter->saveCerFile(&info, &path), 1);
        m_adapter->ptpipAcceptCertificate(QStringLiteral("TLS0401"), info, path);
    }
    for (int i = 0; i < announcements; ++i) {
        if (renewed)
            kvrsim::renewCertificate(index, std::to_string(i));
        const QByteArray name = renamed ? "Cam " + QByteArray::number(i) : QByteArray("Cam A");
        Info info = recordFor(index, name);
        qstrncpy(info.certFilePath, QFile::encodeName(recordPath).constData(), sizeof info.certFilePath);
        m_adapter->registerEventPtpipFoundDeviceProc(KVR_PTPIP_KIND_FOUND, &info, nullptr);
        const QByteArray pem = m_adapter->adp_KVR_func_api_ptpip_GetCertPEM(index).toLocal8Bit();
        // Listed under its name with the certificate it presents.
        const auto listedWithIt = [&] {
            const QList<QObject *> list = m_adapter->searchList();
            return std::any_of(list.cbegin(), list.cend(), [&](QObject *o) {
                QFile file(static_cast<SearchCameraListItemObject *>(o)->caFilePath());
                return o->property("devFrlyName").toString() == name && file.open(QIODevice::ReadOnly)
                       && file.readAll() == pem;
            });
        };
        QTRY_VERIFY(listedWithIt());
        // The certificate accepted and the one waiting for an answer; the
        // entry replaced takes its file with it once listed.
        QTRY_VERIFY2(folder.entryList(QDir::Files).size() <= (accepted ? 2 : 1),
                     qPrintable(folder.entryList(QDir::Files).join(u',')));
    }
    // The search list is left: what nobody accepted goes with it.
    QTRY_VERIFY_WITH_TIMEOUT(!m_adapter->isConnectThreadRunning(), 10000);
    m_adapter->ClearSearchList();
    const int foreignFiles = foreignPath.startsWith(folder.path()) ? 1 : 0;
    QCOMPARE(folder.entryList(QDir::Files).size(), (accepted ? 1 : 0) + foreignFiles);
    QVERIFY(foreignPath.isEmpty() || QFile::exists(foreignPath));
}

void TestNetwork::disconnectOneThenLast()
{
    const int index = networkCamera();
    const QString lan = QString::fromStdString(kvrsim::uuidOf(index));
    const QString other = QStringLiteral("ffffffff-0000-0000-0000-000000000001");
    QVERIFY(m_adapter->addCameraToTable(lan, CameraInfo()));
    QVERIFY(m_adapter->addCameraToTable(other, CameraInfo()));
    m_adapter->getOrCreateDeviceMutex(lan);
    m_adapter->getOrCreateDeviceMutex(other);
    m_adapter->setSelectedCameraUuid(lan);
    m_adapter->setIsCamerasConnected(true);
    Access::setMultiviewMode(*m_adapter, true);
    Access::setLanConnected(*m_adapter, true);

    DeviceAdapterCallback receiver;
    QVERIFY(m_adapter->attachCallbackReceiver(&receiver));
    QSignalSpy connected(m_adapter, &DeviceAdapter::isCamerasConnectedChanged);

    // The SDK reports the loss; the worker handles it.
    kvrsim::emitPtpip(KVR_PTPIP_KIND_DISCONNECTED, index);
    kvrsim::flush();
    QVERIFY(receiver.runOne());
    QCOMPARE(m_adapter->cameraTableUuids(), QStringList{other});
    QCOMPARE(m_adapter->camera_list_get_selected_camera_uuid(), other);
    QVERIFY(m_adapter->isCamerasConnected());
    QVERIFY(m_adapter->ptpip_camera_is_connect_by_lan_wifi());

    receiver.pushArgumentLast(WorkerCommandCode::PtpipDisconnect, 0, other);
    QVERIFY(receiver.runOne());
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    QVERIFY(!m_adapter->hasDeviceMutex(lan));
    QVERIFY(!m_adapter->hasDeviceMutex(other));
    QVERIFY(!m_adapter->isCamerasConnected());
    QCOMPARE(connected.count(), 1);
    QVERIFY(!m_adapter->isMultiviewMode());
    QVERIFY(!m_adapter->ptpip_camera_is_connect_by_lan_wifi());
    m_adapter->attachCallbackReceiver(nullptr);
}

void TestNetwork::passwordRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("8 letters and digits") << QStringLiteral("abcD1234") << 0;
    QTest::newRow("31") << QString(31, u'x') << 0;
    QTest::newRow("7") << QStringLiteral("abcD123") << 1;
    QTest::newRow("32") << QString(32, u'x') << 1;
    QTest::newRow("hyphen") << QStringLiteral("abcd-1234") << 1;
    QTest::newRow("space") << QStringLiteral("abcd 1234") << 1;
    QTest::newRow("accented") << QStringLiteral("abcd\u00e91234") << 1;
    QTest::newRow("empty") << QString() << 1;
}

void TestNetwork::passwordRule()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    PasswordInput dialog(false, 0, 2, QString(), QString(), 0);
    QCOMPARE(dialog.validateInputPassword(text), result);
}

void TestNetwork::dialogFollowsErrorType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("withRule");
    QTest::newRow("enter") << 3 << "SER1-name" << QStringLiteral("Enter Password Message") << false;
    QTest::newRow("set") << 2 << "SER1-name" << QStringLiteral("Set Password Message") << true;
    // The camera's name is shown as typed.
    QTest::newRow("enter, markup in the name")
        << 3 << "<b>x</b><img src='file:///nonexistent/id.png'>" << QStringLiteral("Enter Password Message") << false;
    QTest::newRow("set, written-out markup in the name")
        << 2 << "a &lt;b&gt; & c" << QStringLiteral("Set Password Message") << true;
}

void TestNetwork::dialogFollowsErrorType()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(bool, withRule);
    waitingCamera(quint32(type), "SER1", name.toStdString());
    QCoreApplication::postEvent(m_adapter, new QEvent(QEvent::Type(QEvent::User)));
    QCoreApplication::sendPostedEvents(m_adapter);
    PasswordInput *dialog = shownPasswordDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QStringList shown;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        shown << kavrotether::test::shownText(*label);
    QVERIFY2(shown.contains(message + "\n[Camera Id: " + name + "]"), qPrintable(shown.join(" | ")));
    QCOMPARE(dialog->ruleText().contains(QStringLiteral("Condition Info")), withRule);
    QCOMPARE(dialog->passwordField()->echoMode(), QLineEdit::Password);
    dialog->buttonCurrEyeClicked();
    QCOMPARE(dialog->passwordField()->echoMode(), QLineEdit::Normal);
    // A second request while it is open opens nothing more.
    m_adapter->ptpip_enhance_security_show_input_password_dialog();
    QCOMPARE(shownPasswordDialog(), dialog);
    QCOMPARE(passwordDialogsShown(), 1);
    m_adapter->clearPwInfoAndDialog();
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 0);
    QPointer<PasswordInput> gone(dialog);
    runDeferredDeletes();
    QVERIFY(!gone);
    QVERIFY(!shownPasswordDialog());
}

void TestNetwork::cancelWalksTheWaitingCameras()
{
    waitingCamera(3, "SER1");
    waitingCamera(2, "SER2");
    m_adapter->ptpip_enhance_security_show_input_password_dialog();
    QPointer<PasswordInput> first = shownPasswordDialog();
    QVERIFY(first);
    first->buttonCancelClicked();
    // The next camera's dialog follows at once; the first goes later.
    PasswordInput *second = shownPasswordDialog();
    QVERIFY(second && second != first);
    QCOMPARE(passwordDialogsShown(), 1);
    QCOMPARE(second->errorType(), 2);
    QCOMPARE(m_adapter->ptpip_enhance_security_get_error_serial_number(), QStringLiteral("SER2"));
    QVERIFY(first);
    runDeferredDeletes();
    QVERIFY(!first);

    // Closing the window of the last one ends the connection in error.
    second->close();
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 0);
    QCOMPARE(m_adapter->camConnectStatus(), 3);
    runDeferredDeletes();
    QVERIFY(!shownPasswordDialog());
    QVERIFY(!m_adapter->ptpip_enhance_security_sent_password());
    QCOMPARE(m_adapter->camConnectStatus(), 3);
}

// One dialog at a time: a camera that asks for its password while the
// change dialog is open gets its own dialog once that one closes.
void TestNetwork::requestDuringPasswordChangeWaitsForIt()
{
    m_adapter->ptpip_enhance_security_show_change_password_dialog(0, QStringLiteral("SER0"));
    QPointer<PasswordInput> change = shownPasswordDialog();
    QVERIFY(change && change->isChangeMode());
    waitingCamera(3, "SER1");
    m_adapter->ptpip_enhance_security_show_input_password_dialog();
    QCOMPARE(shownPasswordDialog(), change.data());

    change->buttonCancelClicked();
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
    PasswordInput *entry = shownPasswordDialog();
    QVERIFY(entry && entry != change);
    QVERIFY(!entry->isChangeMode());
    QCOMPARE(entry->errorType(), 3);
    QCOMPARE(passwordDialogsShown(), 1);
    runDeferredDeletes();
    QVERIFY(!change);
}

void TestNetwork::fullTableEmptiesWaitingList()
{
    for (int i = 0; i < DeviceAdapter::kMaxCameras; ++i)
        QVERIFY(m_adapter->addCameraToTable(QStringLiteral("uuid-%1").arg(i), CameraInfo()));
    waitingCamera(3, "SER1");
    m_adapter->ptpip_enhance_security_show_input_password_dialog();
    QVERIFY(!shownPasswordDialog());
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 0);

    // Over USB no dialog opens at all.
    m_adapter->removeCameraFromTable(QStringLiteral("uuid-0"));
    m_adapter->setConnectionTypeValue(0);
    requestPassword(kvrsim::indexOfSerial("SER1"), 3);
    m_adapter->ptpip_enhance_security_show_input_password_dialog();
    QVERIFY(!shownPasswordDialog());
    QCOMPARE(m_adapter->ptpip_enhance_security_get_number_of_error(), 1);
}

void TestNetwork::pcNameIsCut()
{
    QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_Set_Pc_Name(11, QStringLiteral("KAVROTether")), Utilities::Ternary_True);
    // A length beyond the text or the field is cut to what is there.
    QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_Set_Pc_Name(40, QStringLiteral("KAVROTether")), Utilities::Ternary_True);
    QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_Set_Pc_Name(400, QString(300, u'p')), Utilities::Ternary_True);
    // A refused read gives USB, whatever the SDK left.
    kvrsim::failNext("ptpip_Get_Connection_Type", 1);
    QCOMPARE(m_adapter->adp_KVR_func_api_ptpip_Get_Connection_Type(), 0);
}

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
