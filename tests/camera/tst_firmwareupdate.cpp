// Firmware update of one camera (start, the worker's run and its outcomes)
// and the adapter's small camera queries.

#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "Kvrptpif.h"
#include "QueueTestSupport.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"

using namespace kavrotether;
using kavrotether::test::callCount;
using kavrotether::test::itemText;
using kavrotether::test::queueText;
using Access = kavrotether::DeviceAdapterTestAccess;

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startRefused_data();
    void startRefused();
    void startWithoutReceiverLeavesNothingBehind();
    void startQueuesOneUpdate();
    void missingFileSkipsTheCamera();
    void failedUpdateKeepsCamera();
    void outcome_data();
    void outcome();
    void onlyCameraRestarted();
    void cameraLostDuringUpdate();
    void endToEnd_data();
    void endToEnd();

    void liveviewDevNum_data();
    void liveviewDevNum();
    void restoreCompatible();

private:
    // Connects the default scenario's USB cameras into the table (first
    // selected) and answers their UUIDs.
    QStringList connectCameras(int count);
    QString writeFirmware(const QByteArray &content);

    test::IsolatedSettings m_settings;
    QTemporaryDir m_files;
    test::AdapterFixture m_fixture;
    DeviceAdapter *m_adapter = nullptr;
    DeviceAdapterCallback *m_receiver = nullptr;
    QMap<QString, int> m_index;
};

void TestFirmwareUpdate::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QVERIFY(m_files.isValid());
}

void TestFirmwareUpdate::init()
{
    // The SDK's callbacks are registered by the case that needs them.
    QVERIFY(m_fixture.start(std::string(), false));
    m_adapter = &m_fixture.adapter();
    m_receiver = &m_fixture.receiver();
    m_index.clear();
}

void TestFirmwareUpdate::cleanup()
{
    m_adapter = nullptr;
    m_receiver = nullptr;
    m_fixture.stop();
}

QStringList TestFirmwareUpdate::connectCameras(int count)
{
    QStringList uuids;
    int n = 0;
    for (int index : kvrsim::cameras()) {
        const kvrsim::CameraProfile profile = kvrsim::profileOf(index);
        if (profile.connection != kvrsim::Connection::Usb || n++ >= count)
            continue;
        const QString uuid = QString::fromStdString(test::openUsbCamera(index));
        if (uuid.isEmpty())
            return {};
        CameraInfo info;
        info.devIndex = index;
        info.serialNo = QString::fromStdString(profile.serial);
        info.individualId = QStringLiteral("id-%1").arg(index);
        info.powerOnMode = 1;
        m_adapter->addCameraToTable(uuid, info);
        m_adapter->getOrCreateDeviceMutex(uuid);
        m_index.insert(uuid, index);
        uuids << uuid;
    }
    if (!uuids.isEmpty()) {
        m_adapter->setSelectedCameraUuid(uuids.first());
        m_adapter->setIsCamerasConnected(true);
    }
    return uuids;
}

QString TestFirmwareUpdate::writeFirmware(const QByteArray &content)
{
    const QString path = m_files.filePath(QStringLiteral("fw-%1.bin").arg(content.size()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

void TestFirmwareUpdate::startRefused_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("259 bytes") << QString(259, QLatin1Char('p')) << true;
    QTest::newRow("260 bytes") << QString(260, QLatin1Char('p')) << false;
    // Bytes count, not characters.
    QTest::newRow("130 characters, 260 bytes") << QString(130, QChar(0x00E9)) << false;
}

void TestFirmwareUpdate::startRefused()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(QStringLiteral("u"), path, false), accepted);
    QCOMPARE(m_adapter->isFwupProcessing(), accepted);
    QCOMPARE(m_adapter->getFwupProcessingUUID().isEmpty(), !accepted);
    QCOMPARE(m_receiver->pendingItems().size(), std::size_t(accepted ? 1 : 0));
    if (accepted)
        QCOMPARE(Access::firmwareRequest(*m_adapter).pathLength, quint32(path.toLocal8Bit().size()));
}

void TestFirmwareUpdate::startWithoutReceiverLeavesNothingBehind()
{
    m_adapter->attachCallbackReceiver(nullptr);
    QVERIFY(!m_adapter->adp_KVR_func_api_FirmwareUpdate_start(QStringLiteral("u"), QStringLiteral("fw.bin"), false));
    // Nothing would ever end it: the receiver's filters must not drop this
    // camera's events.
    QVERIFY(!m_adapter->isFwupProcessing());
    QVERIFY(m_adapter->getFwupProcessingUUID().isEmpty());
    QVERIFY(m_adapter->attachCallbackReceiver(m_receiver));
    QVERIFY(
        m_adapter->adp_KVR_func_api_FirmwareUpdate_start(QStringLiteral("u"), QString(259, QLatin1Char('p')), false));
}

void TestFirmwareUpdate::startQueuesOneUpdate()
{
    QVERIFY(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(QStringLiteral("cam-1"), QStringLiteral("fw.bin"), true));
    QVERIFY(m_adapter->isFwupProcessing());
    QCOMPARE(m_adapter->getFwupProcessingUUID(), QStringLiteral("cam-1"));
    QCOMPARE(queueText(*m_receiver), QStringList{itemText(0xFFFF0306, 0, QString())});
    const Access::FirmwareRequest request = Access::firmwareRequest(*m_adapter);
    QCOMPARE(request.path, QByteArray("fw.bin"));
    QCOMPARE(request.pathLength, 6u);
    QCOMPARE(request.fixedValue, 10000u);
    QCOMPARE(request.resetFlag, 1u);
    // A running update is not redirected by a second request.
    QVERIFY(!m_adapter->adp_KVR_func_api_FirmwareUpdate_start(QStringLiteral("cam-2"), QStringLiteral("x.bin"), false));
    QCOMPARE(m_adapter->getFwupProcessingUUID(), QStringLiteral("cam-1"));
    QCOMPARE(Access::firmwareRequest(*m_adapter).path, QByteArray("fw.bin"));
    QCOMPARE(m_receiver->pendingItems().size(), std::size_t(1));
}

void TestFirmwareUpdate::missingFileSkipsTheCamera()
{
    const QStringList uuids = connectCameras(1);
    QCOMPARE(uuids.size(), 1);
    const int index = m_index.value(uuids.first());
    QSignalSpy completed(m_adapter, &DeviceAdapter::firmwareUpdateCompleted);
    QVERIFY(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(uuids.first(), m_files.filePath("none.bin"), false));
    kvrsim::clearCallLogs();
    QVERIFY(m_receiver->runOne());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(callCount(index, "FirmwareUpdate"), 0);
    QCOMPARE(m_adapter->cameraTableCount(), 1);
    QVERIFY(!m_adapter->isFwupProcessing());
    QVERIFY(m_adapter->getFwupProcessingUUID().isEmpty());
    QCOMPARE(Access::firmwareRequest(*m_adapter).pathLength, 0u);

    // An empty file is no firmware either.
    QVERIFY(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(uuids.first(), writeFirmware(QByteArray()), false));
    QCOMPARE(m_adapter->adp_KVR_func_api_FirmwareUpdate(), Utilities::Ternary_False);
    QCOMPARE(callCount(index, "FirmwareUpdate"), 0);
}

void TestFirmwareUpdate::failedUpdateKeepsCamera()
{
    const QStringList uuids = connectCameras(2);
    QCOMPARE(uuids.size(), 2);
    const QString path = writeFirmware(QByteArray(4096, 'F'));
    QVERIFY(!path.isEmpty());
    m_adapter->setIsCamerasConnected(false);
    QSignalSpy completed(m_adapter, &DeviceAdapter::firmwareUpdateCompleted);
    QVERIFY(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(uuids.first(), path, false));
    kvrsim::setFirmwareOutcome(m_index.value(uuids.first()), kvrsim::FirmwareOutcome::Failure);
    kvrsim::clearCallLogs();
    QVERIFY(m_receiver->runOne());
    // The camera refuses the firmware: the call is made and fails.
    QCOMPARE(callCount(m_index.value(uuids.first()), "FirmwareUpdate"), 1);
    QCOMPARE(callCount(m_index.value(uuids.at(1)), "FirmwareUpdate"), 0);
    QCOMPARE(completed.count(), 1);
    QCOMPARE(m_adapter->cameraTableCount(), 2);
    QCOMPARE(m_adapter->camera_list_get_selected_camera_uuid(), uuids.first());
    QVERIFY(m_adapter->isCamerasConnected());
    QVERIFY(!m_adapter->isFwupProcessing());
}

void TestFirmwareUpdate::outcome_data()
{
    QTest::addColumn<quint32>("progress");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("disconnected");
    QTest::addColumn<bool>("removed");
    QTest::newRow("finished") << 100u << 1 << false << true;
    QTest::newRow("finished, other result") << 100u << 2 << false << true;
    QTest::newRow("finished without result") << 100u << 0 << false << false;
    QTest::newRow("not finished") << 99u << 1 << false << false;
    QTest::newRow("lost, no result") << 0u << 0 << true << true;
}

void TestFirmwareUpdate::outcome()
{
    QFETCH(quint32, progress);
    QFETCH(int, result);
    QFETCH(bool, disconnected);
    QFETCH(bool, removed);
    const QStringList uuids = connectCameras(2);
    QCOMPARE(uuids.size(), 2);
    QVERIFY(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(uuids.first(), writeFirmware("fw"), false));
    // What the firmware status handler and the receiver record during the
    // SDK call.
    Access::setFirmwareOutcome(*m_adapter, progress, quint8(result));
    if (disconnected)
        m_adapter->setDisconnectInFwup(true);
    const Utilities::Ternary answer = m_adapter->adp_KVR_func_api_FirmwareUpdate();
    QCOMPARE(answer, result == 1 ? Utilities::Ternary_True : Utilities::Ternary_False);
    QCOMPARE(m_adapter->cameraInfoByUuid(uuids.first(), nullptr), !removed);
    QVERIFY(m_adapter->cameraInfoByUuid(uuids.at(1), nullptr));
    // The selection moves off a camera that went.
    QCOMPARE(m_adapter->camera_list_get_selected_camera_uuid(), removed ? uuids.at(1) : uuids.first());
    QVERIFY(m_adapter->isCamerasConnected());
    QVERIFY(!Access::firmwareCameraLost(*m_adapter));
    QVERIFY(!m_adapter->isFwupProcessing());
}

void TestFirmwareUpdate::onlyCameraRestarted()
{
    const QStringList uuids = connectCameras(1);
    QCOMPARE(uuids.size(), 1);
    QVERIFY(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(uuids.first(), writeFirmware("fw"), false));
    Access::setFirmwareOutcome(*m_adapter, 100, 1);
    QSignalSpy connected(m_adapter, &DeviceAdapter::isCamerasConnectedChanged);
    QSignalSpy completed(m_adapter, &DeviceAdapter::firmwareUpdateCompleted);
    QVERIFY(m_receiver->runOne());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    QVERIFY(!m_adapter->isCamerasConnected());
    QCOMPARE(connected.count(), 1);
}

void TestFirmwareUpdate::cameraLostDuringUpdate()
{
    const QStringList uuids = connectCameras(2);
    QCOMPARE(uuids.size(), 2);
    QVERIFY(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(uuids.at(1), writeFirmware("fw"), false));
    // The SDK reports the camera lost through the receiver's filters.
    DeviceAdapterCallback::CallbackRegist();
    kvrsim::loseCamera(m_index.value(uuids.at(1)));
    kvrsim::flush();
    DeviceAdapterCallback::CallbackUnRegist();
    QVERIFY(Access::firmwareCameraLost(*m_adapter));
    // The updating camera's events were dropped, not queued.
    QCOMPARE(m_receiver->pendingItems().size(), std::size_t(1));
    QVERIFY(m_receiver->runOne());
    QVERIFY(!m_adapter->cameraInfoByUuid(uuids.at(1), nullptr));
    QCOMPARE(m_adapter->camera_list_get_selected_camera_uuid(), uuids.first());
    QCOMPARE(m_adapter->cameraTableCount(), 1);
}

void TestFirmwareUpdate::endToEnd_data()
{
    // How the camera ends the update (-1: no firmware file at all, -2: a folder chosen).
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("succeeded");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<uint>("progress");
    // Whether a removed camera answers a new connection afterwards.
    QTest::addColumn<bool>("foundAgain");
    QTest::newRow("success, restarted") << int(kvrsim::FirmwareOutcome::Success) << true << true << 100u << true;
    QTest::newRow("failure") << int(kvrsim::FirmwareOutcome::Failure) << false << false << 0u << true;
    QTest::newRow("camera lost midway") << int(kvrsim::FirmwareOutcome::CameraLost) << false << true << 40u << false;
    QTest::newRow("missing file") << -1 << false << false << 0u << true;
    QTest::newRow("a folder") << -2 << false << false << 0u << true;
}

// The update against the stand-in, its status reports running through the
// receiver's filters and the status handler while the SDK call blocks.
void TestFirmwareUpdate::endToEnd()
{
    QFETCH(int, outcome);
    QFETCH(bool, succeeded);
    QFETCH(bool, removed);
    QFETCH(uint, progress);
    QFETCH(bool, foundAgain);
    const QStringList uuids = connectCameras(2);
    QCOMPARE(uuids.size(), 2);
    const QString target = uuids.first();
    const int index = m_index.value(target);
    if (outcome >= 0)
        kvrsim::setFirmwareOutcome(index, kvrsim::FirmwareOutcome(outcome));
    const QString path = outcome >= 0    ? writeFirmware(QByteArray(2048, 'F'))
                         : outcome == -1 ? m_files.filePath("none.bin")
                                         : m_files.path();
    QSignalSpy completed(m_adapter, &DeviceAdapter::firmwareUpdateCompleted);
    DeviceAdapterCallback::CallbackRegist();
    QVERIFY(m_adapter->adp_KVR_func_api_FirmwareUpdate_start(target, path, true));
    const Utilities::Ternary answer = m_adapter->adp_KVR_func_api_FirmwareUpdate();
    kvrsim::flush();
    DeviceAdapterCallback::CallbackUnRegist();

    QCOMPARE(answer, succeeded ? Utilities::Ternary_True : Utilities::Ternary_False);
    QCOMPARE(completed.count(), 1);
    QCOMPARE(m_adapter->firmware_update_get_data_frame(), progress);
    QCOMPARE(m_adapter->firmware_update_get_result(), quint8(succeeded ? 1 : 0));
    QCOMPARE(m_adapter->cameraInfoByUuid(target, nullptr), !removed);
    QCOMPARE(m_adapter->camera_list_get_selected_camera_uuid(), removed ? uuids.at(1) : target);
    QVERIFY(!m_adapter->isFwupProcessing());
    QVERIFY(!Access::firmwareCameraLost(*m_adapter));
    // The updating camera's own events were held back, not queued: only the
    // start's command (run here directly) waits.
    QCOMPARE(queueText(*m_receiver), QStringList{itemText(0xFFFF0306, 0, QString())});

    // A restarted camera comes back under a new UUID; one that stopped
    // answering stays away.
    if (removed) {
        const std::string again = test::openUsbCamera(index);
        QCOMPARE(!again.empty(), foundAgain);
        QVERIFY(QString::fromStdString(again) != target);
    }
}

void TestFirmwareUpdate::liveviewDevNum_data()
{
    QTest::addColumn<bool>("multiview");
    // powerOnMode, liveViewEnable per camera; the first one is selected.
    QTest::addColumn<QList<int>>("power");
    QTest::addColumn<QList<int>>("enabled");
    QTest::addColumn<int>("count");
    QTest::newRow("none") << false << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("single, selected on") << false << QList<int>{1} << QList<int>{0} << 1;
    QTest::newRow("single, selected off") << false << QList<int>{0} << QList<int>{1} << 0;
    QTest::newRow("single, others enabled") << false << QList<int>{1, 1, 1} << QList<int>{0, 1, 0} << 2;
    QTest::newRow("multi, enabled only") << true << QList<int>{1, 1, 1} << QList<int>{0, 1, 1} << 2;
    QTest::newRow("multi, off cameras not counted") << true << QList<int>{1, 0} << QList<int>{1, 1} << 1;
}

void TestFirmwareUpdate::liveviewDevNum()
{
    QFETCH(bool, multiview);
    QFETCH(QList<int>, power);
    QFETCH(QList<int>, enabled);
    QFETCH(int, count);
    Access::setMultiviewMode(*m_adapter, multiview);
    for (int i = 0; i < power.size(); ++i) {
        CameraInfo info;
        info.powerOnMode = quint8(power.at(i));
        info.liveViewEnable = quint8(enabled.at(i));
        m_adapter->addCameraToTable(QStringLiteral("cam-%1").arg(i), info);
    }
    m_adapter->setSelectedCameraUuid(QStringLiteral("cam-0"));
    QCOMPARE(m_adapter->getLiveviewDevNum(), count);
}

void TestFirmwareUpdate::restoreCompatible()
{
    QVERIFY(m_adapter->checkRestoreCompatible(QStringLiteral("ALL")).isEmpty());
    const QStringList uuids = connectCameras(2);
    QCOMPARE(uuids.size(), 2);
    CameraInfo first;
    CameraInfo second;
    QVERIFY(m_adapter->cameraInfoByUuid(uuids.at(0), &first));
    QVERIFY(m_adapter->cameraInfoByUuid(uuids.at(1), &second));
    // The first camera is in the saved list twice, the second once but off.
    test::loadKnownCameras(*m_adapter, {first.serialNo, second.serialNo, first.serialNo});
    second.powerOnMode = 0;
    m_adapter->addCameraToTable(uuids.at(1), second);
    kvrsim::clearCallLogs();
    // Asked once per saved entry; the second camera model has no setting files.
    QCOMPARE(m_adapter->checkRestoreCompatible(QStringLiteral("ALL")),
             QStringList({first.individualId, first.individualId}));
    const std::string call = "SetupFilesConfigSetting_Get_Compatible";
    QCOMPARE(callCount(m_index.value(uuids.at(0)), call), 2);
    QCOMPARE(callCount(m_index.value(uuids.at(1)), call), 0);
    QVERIFY(m_adapter->checkRestoreCompatible(uuids.at(1)).isEmpty());
    QCOMPARE(callCount(m_index.value(uuids.at(1)), call), 1);
    QVERIFY(m_adapter->checkRestoreCompatible(QString()).isEmpty());
}

QTEST_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
