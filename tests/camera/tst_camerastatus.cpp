// Camera status and notification handling against the SDK stand-in: events
// from the stand-in's threads pass the real filters and queue, the test steps
// the worker with runOne, and the handlers update the adapter's properties.

#include <QtTest>

#include <cstring>
#include <functional>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "Kvrptpif.h"
#include "QueueTestSupport.h"
#include "QueuedSpy.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"
#include "camera/DeviceAdapterCallback.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "transfer/ObjectCopy.h"

using namespace kavrotether;

namespace {

using kavrotether::test::callCount;
using kavrotether::test::cameraByModel;
using Access = kavrotether::DeviceAdapterTestAccess;

// Selects and opens a USB camera; its UUID, empty on failure.
QString connectUsb(int index)
{
    return QString::fromStdString(kavrotether::test::openUsbCamera(index));
}

// One read worker: how to set the camera up, which enqueuer queues the read
// and what the adapter shows afterwards.
struct ReadCase
{
    const char *name;
    std::function<void(kvrsim::StatusValues &)> change;
    Utilities::Ternary (DeviceAdapter::*enqueue)();
    std::function<QVariant(DeviceAdapter &)> shown;
    QVariant expected;
};

const std::vector<ReadCase> &readCases()
{
    static const std::vector<ReadCase> cases = {
        {"battery body",
         [](kvrsim::StatusValues &s) {
             s.gripState = 0;
             s.bodyLevel = 40;
             s.gripLevel = 90;
         },
         &DeviceAdapter::adp_KVR_func_api_GetBatteryInfo_Start,
         [](DeviceAdapter &a) { return QVariant(a.batteryLevel()); }, QVariant(40u)},
        {"battery grip",
         [](kvrsim::StatusValues &s) {
             s.gripState = 2;
             s.bodyLevel = 40;
             s.gripLevel = 90;
         },
         &DeviceAdapter::adp_KVR_func_api_GetBatteryInfo_Start,
         [](DeviceAdapter &a) { return QVariant(a.batteryLevel()); }, QVariant(90u)},
        {"battery mains",
         [](kvrsim::StatusValues &s) {
             s.gripState = 0;
             s.bodyLevel = 65530;
         },
         &DeviceAdapter::adp_KVR_func_api_GetBatteryInfo_Start,
         [](DeviceAdapter &a) { return QVariant(a.batteryLevel()); }, QVariant(uint(DeviceAdapter::BL_Ac))},
        {"camera status", [](kvrsim::StatusValues &s) { s.cameraStatus = 3; },
         &DeviceAdapter::adp_KVR_func_api_GetCameraStatus_Start,
         [](DeviceAdapter &a) { return QVariant(a.cameraStatus()); }, QVariant(3)},
        {"elapsed", [](kvrsim::StatusValues &s) { s.elapsedInMovieRec = 17; },
         &DeviceAdapter::adp_KVR_func_api_GetElapsedInMovieRec_Start,
         [](DeviceAdapter &a) { return QVariant(a.elapsedInMovieRec()); }, QVariant(17)},
        {"cards protected",
         [](kvrsim::StatusValues &s) {
             s.cardCount = 1;
             s.cards[0] = 2;
         },
         &DeviceAdapter::adp_KVR_func_api_GetStatusOfCards_Start,
         [](DeviceAdapter &a) { return QVariant(a.statusOfCards()); }, QVariant(int(DeviceAdapter::STOC_Protected))},
        {"cards none", [](kvrsim::StatusValues &s) { s.cardCount = 0; },
         &DeviceAdapter::adp_KVR_func_api_GetStatusOfCards_Start,
         [](DeviceAdapter &a) { return QVariant(a.statusOfCards()); }, QVariant(int(DeviceAdapter::STOC_Nocard))},
        {"free spaces",
         [](kvrsim::StatusValues &s) {
             s.freeSpaces[0] = 4000000000u;
             s.freeSpaces[1] = 7;
             s.freeSpaces[2] = 8;
             s.freeSpaces[3] = 9;
         },
         &DeviceAdapter::adp_KVR_func_api_GetDetailedFreeSpaces_Start,
         [](DeviceAdapter &a) {
             return QVariant(QStringLiteral("%1 %2 %3 %4")
                                 .arg(a.imageFreeSpace())
                                 .arg(a.image4KFreeSpace())
                                 .arg(a.secondFreeSpace())
                                 .arg(a.second4KFreeSpace()));
         },
         QVariant(QStringLiteral("4000000000 7 8 9"))},
        {"af and afae",
         [](kvrsim::StatusValues &s) {
             s.afState = 1;
             s.afaeState = 2;
         },
         &DeviceAdapter::adp_KVR_func_api_Get_AFAE_DisplayState_Start,
         [](DeviceAdapter &a) { return QVariant(a.afState() * 10 + a.afaeState()); }, QVariant(12)},
        {"afc start", [](kvrsim::StatusValues &s) { s.afcStartPosState = 1; },
         &DeviceAdapter::adp_KVR_func_api_Get_AFC_StartPositionState_Start,
         [](DeviceAdapter &a) { return QVariant(a.afcStartPosState()); }, QVariant(1)},
        {"noise reduction", [](kvrsim::StatusValues &s) { s.nrRemainingTime = 12; },
         &DeviceAdapter::adp_KVR_func_api_Get_NoiseReduction_RemainingTime_Start,
         [](DeviceAdapter &a) { return QVariant(a.nrRemainingTime()); }, QVariant(12)},
        {"shot mode", [](kvrsim::StatusValues &s) { s.shotModeStatus = 2; },
         &DeviceAdapter::adp_KVR_func_api_Get_Shot_Mode_Status_Start,
         [](DeviceAdapter &a) { return QVariant(a.shotModeStatus()); }, QVariant(2)},
        {"shot mode out of range", [](kvrsim::StatusValues &s) { s.shotModeStatus = 3; },
         &DeviceAdapter::adp_KVR_func_api_Get_Shot_Mode_Status_Start,
         [](DeviceAdapter &a) { return QVariant(a.shotModeStatus()); }, QVariant(-1)},
    };
    return cases;
}

} // namespace

class TestCameraStatus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void recInfoEventUpdatesProperties_data();
    void recInfoEventUpdatesProperties();
    void hdmiOutOfRangeAnnouncedOnce();
    void readWorkers_data();
    void readWorkers();
    void failedReadChangesNothing();
    void readRunsOnCameraSelectedThen();
    void monitorInfoReadsBattery();
    void interfaceCannotWriteStatus();
    void interfaceNamesSelectedCamera();
    void batteryLevelAc();
    void usbMode();

    void errorList_data();
    void errorList();
    void errorNotifyNamesCamera();
    void movieQualityTexts_data();
    void movieQualityTexts();

    void recordingBitOfSelectedCamera();
    void recordingInfoOfAnotherCamera();
    void streamingFunctionOfAnotherCamera();
    void statusChangeAnnouncesMovieFormat();
    void powerSaving();
    void twoCamerasTakingCommands();
    void objectAddedNotice();
    void whiteBalanceSetFailure();
    void liveViewComposite();
    void firmwareStatus();
    void lostCameras();
    void eventTypeSuppression();
    void savedFilePathReview();
    void statusThroughWorkerThread();

private:
    // Runs every waiting item; what the handlers queue meanwhile runs too.
    void drain();
    void deliver(quint32 event, quint32 param, const QString &uuid);
    void status(const std::function<void(kvrsim::StatusValues &)> &change, int index = -1);
    QString connectSecond();

    test::IsolatedSettings m_settings;
    DeviceAdapter *m_adapter = nullptr;
    DeviceAdapterCallback *m_receiver = nullptr;
    ObjectCopy *m_copy = nullptr;
    int m_index = -1;
    QString m_uuid;
};

void TestCameraStatus::initTestCase()
{
    // A zone with daylight saving, so that a skipped local hour would show.
    qputenv("TZ", "Europe/Berlin");
    QVERIFY(m_settings.isValid());
}

void TestCameraStatus::init()
{
    QVERIFY(test::startSimulator());
    m_index = cameraByModel("Rozado Sim A1");
    QVERIFY(m_index >= 0);
    m_uuid = connectUsb(m_index);
    QVERIFY(!m_uuid.isEmpty());

    m_adapter = new DeviceAdapter;
    m_copy = new ObjectCopy;
    ApplicationData::setDeviceAdapter(m_adapter);
    ApplicationData::setObjectCopy(m_copy);
    m_adapter->setConnectionTypeValue(0);
    m_adapter->setSelectedCameraUuid(m_uuid);
    CameraInfo info;
    info.devIndex = m_index;
    info.individualId = QStringLiteral("studio-left");
    info.modelName = QStringLiteral("Rozado Sim A1");
    info.powerOnMode = 1;
    QVERIFY(m_adapter->addCameraToTable(m_uuid, info));

    m_receiver = new DeviceAdapterCallback;
    QVERIFY(m_adapter->attachCallbackReceiver(m_receiver));
    DeviceAdapterCallback::CallbackRegist();
}

void TestCameraStatus::cleanup()
{
    DeviceAdapterCallback::CallbackUnRegist();
    kvrsim::flush();
    m_adapter->attachCallbackReceiver(nullptr);
    ApplicationData::setDeviceAdapter(nullptr);
    ApplicationData::setObjectCopy(nullptr);
    delete m_receiver;
    delete m_adapter;
    delete m_copy;
    m_receiver = nullptr;
    m_adapter = nullptr;
    m_copy = nullptr;
    test::stopSimulator();
}

void TestCameraStatus::drain()
{
    for (int guard = 0; guard < 1000 && m_receiver->runOne(); ++guard) {
    }
    QVERIFY(m_receiver->pendingItems().empty());
}

void TestCameraStatus::deliver(quint32 event, quint32 param, const QString &uuid)
{
    kvrsim::emitEvent(event, param, uuid.toStdString());
    kvrsim::flush();
    drain();
}

void TestCameraStatus::status(const std::function<void(kvrsim::StatusValues &)> &change, int index)
{
    kvrsim::updateStatus(index < 0 ? m_index : index, change);
    kvrsim::flush();
}

QString TestCameraStatus::connectSecond()
{
    const int index = cameraByModel("Rozado Sim B2");
    const QString uuid = connectUsb(index);
    CameraInfo info;
    info.devIndex = index;
    info.modelName = QStringLiteral("Rozado Sim B2");
    info.powerOnMode = 1;
    m_adapter->addCameraToTable(uuid, info);
    return uuid;
}

// ---- status ----

void TestCameraStatus::recInfoEventUpdatesProperties_data()
{
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<int>("card0");
    QTest::addColumn<int>("card1");
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("hdmi");
    QTest::addColumn<int>("hdmiShown");
    QTest::addColumn<int>("shot");
    QTest::addColumn<int>("shotShown");

    QTest::newRow("second card ready") << 2 << 0 << 1 << int(DeviceAdapter::STOC_Normal) << 1 << 1 << 1 << 1;
    QTest::newRow("protected, none ready") << 2 << 2 << 0 << int(DeviceAdapter::STOC_Protected) << 3 << 3 << 2 << 2;
    QTest::newRow("no card whatever the words") << 0 << 1 << 1 << int(DeviceAdapter::STOC_Nocard) << 0 << 0 << 0 << 0;
    QTest::newRow("card error") << 1 << 3 << 0 << int(DeviceAdapter::STOC_Error) << 4 << -1 << 3 << -1;
    QTest::newRow("unknown card state") << 1 << 9 << 0 << int(DeviceAdapter::STOC_Undef) << 7 << -1 << 9 << -1;
    // A slot the camera does not report is not looked at.
    QTest::newRow("ready slot beyond the count")
        << 1 << 2 << 1 << int(DeviceAdapter::STOC_Protected) << 2 << 2 << 0 << 0;
}

void TestCameraStatus::recInfoEventUpdatesProperties()
{
    QFETCH(int, cardCount);
    QFETCH(int, card0);
    QFETCH(int, card1);
    QFETCH(int, cards);
    QFETCH(int, hdmi);
    QFETCH(int, hdmiShown);
    QFETCH(int, shot);
    QFETCH(int, shotShown);

    QSignalSpy cardSpy(m_adapter, &DeviceAdapter::statusOfCardsChanged);
    QSignalSpy batterySpy(m_adapter, &DeviceAdapter::batteryLevelChanged);
    QSignalSpy spaceSpy(m_adapter, &DeviceAdapter::imageFreeSpaceChanged);
    QSignalSpy hdmiSpy(m_adapter, &DeviceAdapter::hdmiSdiStatusChanged);
    // The stand-in announces the recording information after the change.
    status([&](kvrsim::StatusValues &s) {
        s.cardCount = quint16(cardCount);
        s.cards[0] = quint16(card0);
        s.cards[1] = quint16(card1);
        s.hdmiSdiStatus = quint16(hdmi);
        s.shotModeStatus = quint16(shot);
        s.bodyLevel = 55;
        s.freeSpaces[0] = 321;
        s.afaeState = 1;
        s.nrRemainingTime = 4;
    });
    QCOMPARE(test::queueText(*m_receiver), QStringList{test::itemText(0x12000010, 0, m_uuid)});
    drain();

    QCOMPARE(m_adapter->statusOfCards(), cards);
    QCOMPARE(cardSpy.count(), cards == int(DeviceAdapter::STOC_Undef) ? 0 : 1); // -1 is the start value
    QCOMPARE(m_adapter->hdmiSdiStatus(), hdmiShown);
    QCOMPARE(hdmiSpy.count(), hdmiShown == -1 ? 0 : 1); // -1 is the start value
    QCOMPARE(m_adapter->shotModeStatus(), shotShown);
    QCOMPARE(m_adapter->batteryLevel(), 55u);
    QCOMPARE(batterySpy.count(), 1);
    QCOMPARE(m_adapter->imageFreeSpace(), 321ul);
    QCOMPARE(spaceSpy.count(), 1);
    QCOMPARE(m_adapter->afaeState(), 1);
    QCOMPARE(m_adapter->nrRemainingTime(), 4);
}

void TestCameraStatus::hdmiOutOfRangeAnnouncedOnce()
{
    status([](kvrsim::StatusValues &s) { s.hdmiSdiStatus = 2; });
    drain();
    QCOMPARE(m_adapter->hdmiSdiStatus(), 2);

    status([](kvrsim::StatusValues &s) { s.hdmiSdiStatus = 7; });
    drain();
    QSignalSpy spy(m_adapter, &DeviceAdapter::hdmiSdiStatusChanged);
    QCOMPARE(m_adapter->adp_KVR_func_api_Get_HDMI_SDI_Status_Start(), Utilities::Ternary_True);
    drain();
    QCOMPARE(m_adapter->adp_KVR_func_api_Get_HDMI_SDI_Status_Start(), Utilities::Ternary_True);
    drain();
    QCOMPARE(m_adapter->hdmiSdiStatus(), -1);
    QCOMPARE(spy.count(), 0); // the event's read already stored -1
    status([](kvrsim::StatusValues &s) { s.hdmiSdiStatus = 1; });
    drain();
    QCOMPARE(m_adapter->adp_KVR_func_api_Get_HDMI_SDI_Status_Start(), Utilities::Ternary_True);
    drain();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
}

void TestCameraStatus::readWorkers_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < readCases().size(); ++i)
        QTest::newRow(readCases()[i].name) << int(i);
}

void TestCameraStatus::readWorkers()
{
    QFETCH(int, row);
    const ReadCase &c = readCases()[std::size_t(row)];
    status(c.change);
    // The status event would read everything at once; only the queued read
    // is under test.
    quint32 type = 0, param = 0;
    QVERIFY(m_receiver->popArgument(&type, &param, nullptr));
    QCOMPARE(type, 0x12000010u);
    QVERIFY(m_receiver->pendingItems().empty());
    QCOMPARE((m_adapter->*c.enqueue)(), Utilities::Ternary_True);
    QCOMPARE((m_adapter->*c.enqueue)(), Utilities::Ternary_True);
    QCOMPARE(int(m_receiver->pendingItems().size()), 1);
    drain();
    QCOMPARE(c.shown(*m_adapter), c.expected);
}

void TestCameraStatus::failedReadChangesNothing()
{
    status([](kvrsim::StatusValues &s) {
        s.bodyLevel = 80;
        s.cameraStatus = 3;
    });
    drain();
    QCOMPARE(m_adapter->batteryLevel(), 80u);

    QSignalSpy battery(m_adapter, &DeviceAdapter::batteryLevelChanged);
    QSignalSpy camera(m_adapter, &DeviceAdapter::cameraStatusChanged);
    kvrsim::failNext("GetBatteryInfo", 1);
    kvrsim::failNext("Get_Rec_Info", 1);
    status([](kvrsim::StatusValues &s) {
        s.bodyLevel = 20;
        s.cameraStatus = 5;
    });
    drain();
    QCOMPARE(m_adapter->batteryLevel(), 80u);
    QCOMPARE(m_adapter->cameraStatus(), 3);
    QCOMPARE(battery.count(), 0);
    QCOMPARE(camera.count(), 0);
    QCOMPARE(m_adapter->adp_KVR_func_api_GetCameraStatus(), 1);
    QCOMPARE(m_adapter->cameraStatus(), 5);
}

void TestCameraStatus::readRunsOnCameraSelectedThen()
{
    const QString second = connectSecond();
    status([](kvrsim::StatusValues &s) { s.bodyLevel = 61; });
    status([](kvrsim::StatusValues &s) { s.bodyLevel = 62; }, cameraByModel("Rozado Sim B2"));
    drain();
    QCOMPARE(m_adapter->batteryLevel(), 61u);
    QCOMPARE(m_adapter->adp_KVR_func_api_GetBatteryInfo_Start(), Utilities::Ternary_True);
    m_adapter->setSelectedCameraUuid(second);
    drain();
    QCOMPARE(m_adapter->batteryLevel(), 62u);
}

void TestCameraStatus::monitorInfoReadsBattery()
{
    status([](kvrsim::StatusValues &s) { s.bodyLevel = 44; });
    quint32 type = 0, param = 0;
    QVERIFY(m_receiver->popArgument(&type, &param, nullptr)); // the status event itself
    QVERIFY(m_adapter->batteryLevel() != 44u);
    deliver(0x16000010, 0, m_uuid);
    QCOMPARE(m_adapter->batteryLevel(), 44u);
}

void TestCameraStatus::interfaceCannotWriteStatus()
{
    status([](kvrsim::StatusValues &s) {
        s.bodyLevel = 70;
        s.cameraStatus = 3;
        s.freeSpaces[0] = 99;
    });
    drain();
    QSignalSpy spy(m_adapter, &DeviceAdapter::batteryLevelChanged);
    m_adapter->setBatteryLevel(5);
    QCOMPARE(m_adapter->batteryLevel(), 70u);
    QCOMPARE(spy.count(), 0);

    // What the interface writes is accepted and ignored, property by property.
    for (const char *name : {"batteryLevel", "statusOfCards", "imageFreeSpace", "secondFreeSpace", "image4KFreeSpace",
                             "second4KFreeSpace", "elapsedInMovieRec", "cameraStatus", "afState", "afaeState",
                             "afcStartPosState", "nrRemainingTime", "hdmiSdiStatus", "shotModeStatus"}) {
        const QMetaObject *mo = m_adapter->metaObject();
        const QMetaProperty property = mo->property(mo->indexOfProperty(name));
        QVERIFY2(property.isValid() && property.isWritable() && property.hasNotifySignal(), name);
        const QVariant before = m_adapter->property(name);
        QVERIFY2(m_adapter->setProperty(name, 2), name);
        QVERIFY2(m_adapter->property(name) == before, name);
    }
    QCOMPARE(m_adapter->cameraStatus(), 3);
    QCOMPARE(m_adapter->imageFreeSpace(), 99ul);
}

void TestCameraStatus::interfaceNamesSelectedCamera()
{
    // The camera list writes the selected row's name and serial number.
    for (const char *name : {"camName", "camCurrentSelectedSerialNo"}) {
        const QMetaObject *mo = m_adapter->metaObject();
        const QMetaProperty property = mo->property(mo->indexOfProperty(name));
        QSignalSpy spy(m_adapter, property.notifySignal());
        QVERIFY2(m_adapter->setProperty(name, QStringLiteral("1: studio-left")), name);
        QVERIFY2(m_adapter->setProperty(name, QStringLiteral("1: studio-left")), name);
        QCOMPARE(m_adapter->property(name).toString(), QStringLiteral("1: studio-left"));
        QCOMPARE(spy.count(), 1);
    }
}

void TestCameraStatus::batteryLevelAc()
{
    status([](kvrsim::StatusValues &s) { s.bodyPower = 0xFFFA; });
    drain();
    QVERIFY(m_adapter->isBatteryLevelAC(m_index));
    status([](kvrsim::StatusValues &s) { s.bodyPower = 0xFFFF; });
    QVERIFY(m_adapter->isBatteryLevelAC(m_index));
    status([](kvrsim::StatusValues &s) { s.bodyPower = 60; });
    QVERIFY(!m_adapter->isBatteryLevelAC(m_index));
    QVERIFY(!m_adapter->isBatteryLevelAC(m_index + 40)); // not in the table
    status([](kvrsim::StatusValues &s) { s.bodyPower = 0xFFFA; });
    kvrsim::failNext("GetBatteryInfo", 1);
    QVERIFY(!m_adapter->isBatteryLevelAC(m_index));
    drain();
}

void TestCameraStatus::usbMode()
{
    Utilities::UsbMode mode = Utilities::UsbMode_NotDefined;
    const int result = m_adapter->adp_KVR_func_api_Mnt_GetInfo_Get_UsbMode(m_uuid, &mode);
    QCOMPARE(result, 1);
    QVERIFY(mode >= Utilities::UsbMode_Unknown && mode <= Utilities::UsbMode_Super);
    // Both announcements, each once, and each with the value stored.
    QSignalSpy spy(m_adapter, qOverload<Utilities::UsbMode>(&DeviceAdapter::usbModeChanged));
    QSignalSpy numberSpy(m_adapter, qOverload<uint>(&DeviceAdapter::usbModeChanged));
    QCOMPARE(m_adapter->adp_KVR_func_api_Mnt_GetInfo_Get_UsbMode(m_uuid, nullptr), 1);
    QCOMPARE(m_adapter->usbMode(), mode);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(numberSpy.count(), 1);
    QCOMPARE(numberSpy.at(0).at(0).toUInt(), uint(mode));
    // QML's binding follows the enumeration's announcement.
    const QMetaObject *meta = m_adapter->metaObject();
    QCOMPARE(meta->property(meta->indexOfProperty("usbMode")).notifySignal().parameterType(0),
             QMetaType::fromType<Utilities::UsbMode>().id());
    kvrsim::failNext("Mnt_GetInfo_Get_UsbMode", 1);
    QCOMPARE(m_adapter->adp_KVR_func_api_Mnt_GetInfo_Get_UsbMode(m_uuid, nullptr), 0);
}

// ---- errors and texts ----

void TestCameraStatus::errorList_data()
{
    QTest::addColumn<quint32>("dateTime");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("entry") << 0x26031514u << 0 << QStringLiteral("26/03/15 14");
    QTest::newRow("zero entry") << 0u << 0 << QString();
    QTest::newRow("seven digits do not parse") << 0x9031514u << 0 << QString();
    QTest::newRow("not a date") << 0x26133514u << 0 << QString();
    QTest::newRow("hour 24") << 0x26031524u << 0 << QString();
    QTest::newRow("hex letters") << 0x26A31514u << 0 << QString();
    QTest::newRow("leap day of 2000") << 0x00022910u << 0 << QString(); // six digits: no
    QTest::newRow("leap day of 2024") << 0x24022910u << 0 << QStringLiteral("24/02/29 10");
    QTest::newRow("not a leap year") << 0x25022910u << 0 << QString();
    // Hours that a daylight-saving change skips in local time still show.
    QTest::newRow("spring-forward hour") << 0x96033102u << 0 << QStringLiteral("96/03/31 02");
    QTest::newRow("index 16") << 0x26031514u << 16 << QString();
    QTest::newRow("negative index") << 0x26031514u << -1 << QString();
}

void TestCameraStatus::errorList()
{
    QFETCH(quint32, dateTime);
    QFETCH(int, index);
    QFETCH(QString, text);
    kvrsim::setErrors(m_index, {{dateTime, 0x51}, {0x25120108u, 0x52}});
    kvrsim::flush();
    drain();
    QCOMPARE(m_adapter->setup_info_error_date_time(index), text);
    QCOMPARE(m_adapter->setup_info_error_code(index), (index == 0) ? 0x51u : 0u);
    QCOMPARE(m_adapter->setup_info_error_code(1), 0x52u);
    QCOMPARE(m_adapter->setup_info_error_date_time(1), QStringLiteral("25/12/01 08"));
}

void TestCameraStatus::errorNotifyNamesCamera()
{
    QSignalSpy spy(m_adapter, &DeviceAdapter::cameraErrorNotify);
    // A first code of 0 is no error.
    kvrsim::setErrors(m_index, {{0x26031514u, 0}});
    kvrsim::flush();
    drain();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_adapter->setup_info_error_date_time(0), QString());

    kvrsim::setErrors(m_index, {{0x26031514u, 7}});
    kvrsim::flush();
    drain();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("studio-left"));

    // Another camera's error passes the filter; without an id it is named
    // by its model.
    const QString second = connectSecond();
    kvrsim::setErrors(cameraByModel("Rozado Sim B2"), {{0x26031514u, 9}});
    kvrsim::flush();
    drain();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("Rozado Sim B2"));
    QCOMPARE(m_adapter->setup_info_error_code(0), 9u);

    kvrsim::failNext("GetSetupInfoError", 1);
    kvrsim::setErrors(m_index, {{0x26031514u, 11}});
    kvrsim::flush();
    drain();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(m_adapter->setup_info_error_code(0), 9u);
}

void TestCameraStatus::movieQualityTexts_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<bool>("twoDecimals");
    QTest::addColumn<QString>("rate");

    QTest::newRow("60p") << 0x80001770u << false << QStringLiteral("60p");
    QTest::newRow("60.00p") << 0x80001770u << true << QStringLiteral("60.00p");
    QTest::newRow("25i") << 0x000009C4u << false << QStringLiteral("25i");
    QTest::newRow("59.94p") << 0x8000176Au << false << QStringLiteral("59.94p");
    QTest::newRow("23.98p two decimals") << 0x8000095Eu << true << QStringLiteral("23.98p");
    QTest::newRow("flag bits ignored") << 0xF0001770u << false << QStringLiteral("60p");
}

void TestCameraStatus::movieQualityTexts()
{
    QFETCH(quint32, word);
    QFETCH(bool, twoDecimals);
    QFETCH(QString, rate);
    QCOMPARE(DeviceAdapter::movQualityFrameRateText(word, twoDecimals), rate);

    QCOMPARE(DeviceAdapter::mov_compression_method_text_keys(0x0000), QStringLiteral("1,3,5"));
    QCOMPARE(DeviceAdapter::mov_compression_method_text_keys(0x2110), QStringLiteral("6,2,4"));
    QCOMPARE(DeviceAdapter::mov_compression_method_text_keys(0x3F50), QStringLiteral("0"));
    // A group that names nothing after one that did leaves that one's comma.
    QCOMPARE(DeviceAdapter::mov_compression_method_text_keys(0x1370), QStringLiteral("0,"));
    QCOMPARE(DeviceAdapter::mov_compression_method_text_keys(0x2160), QStringLiteral("6,2,"));
    QCOMPARE(DeviceAdapter::mov_compression_method_text_keys(0xFFFF), QString());
}

// ---- recording state ----

void TestCameraStatus::recordingBitOfSelectedCamera()
{
    QSignalSpy spy(m_adapter, &DeviceAdapter::anotherCameraStatusChanged);
    test::StandInReaders afInfoReader{0xFFFF0222};
    Access::setMultiviewMode(*m_adapter, true);

    status([](kvrsim::StatusValues &s) { s.cameraStatus = 9; });
    drain();
    CameraInfo info;
    QVERIFY(m_adapter->cameraInfoByUuid(m_uuid, &info));
    QCOMPARE(info.tetherModeStatus, quint32(Utilities::TETHERMODE_Rec));
    QCOMPARE(info.cameraStatus, quint16(9));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 9);
    QCOMPARE(spy.at(0).at(1).toString(), m_uuid);

    // Still recording: the word does not change, nothing is announced.
    status([](kvrsim::StatusValues &s) {
        s.cameraStatus = 1;
        s.bodyLevel = 33;
    });
    drain();
    QCOMPARE(spy.count(), 1);

    const auto before = m_adapter->recordingEndedAt();
    status([](kvrsim::StatusValues &s) { s.cameraStatus = 5; });
    QVERIFY(m_receiver->runOne());
    // The end of a recording in multi-camera view asks for the AF position once.
    QCOMPARE(test::queueText(*m_receiver), QStringList{test::itemText(0xFFFF0222, 0, QString())});
    drain();
    QVERIFY(m_adapter->cameraInfoByUuid(m_uuid, &info));
    QCOMPARE(info.tetherModeStatus, 0u);
    QCOMPARE(spy.count(), 2);
    QVERIFY(m_adapter->recordingEndedAt() > before);

    status([](kvrsim::StatusValues &s) { s.cameraStatus = 3; });
    QVERIFY(m_receiver->runOne());
    QVERIFY(m_receiver->pendingItems().empty());
    QCOMPARE(spy.count(), 2);
}

void TestCameraStatus::recordingInfoOfAnotherCamera()
{
    const QString second = connectSecond();
    const int secondIndex = cameraByModel("Rozado Sim B2");
    QSignalSpy spy(m_adapter, &DeviceAdapter::anotherCameraStatusChanged);
    QSignalSpy own(m_adapter, &DeviceAdapter::cameraStatusChanged);

    status([](kvrsim::StatusValues &s) { s.cameraStatus = 10; }, secondIndex);
    QCOMPARE(test::queueText(*m_receiver), QStringList{test::itemText(0xFFFF0309, 0, second)});
    drain();
    CameraInfo info;
    QVERIFY(m_adapter->cameraInfoByUuid(second, &info));
    QCOMPARE(info.cameraStatus, quint16(10));
    QCOMPARE(info.tetherModeStatus, quint32(Utilities::TETHERMODE_Rec));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toString(), second);
    QCOMPARE(own.count(), 0); // the selected camera's properties stay

    kvrsim::failNext("GetCameraStatus", 1);
    status([](kvrsim::StatusValues &s) { s.cameraStatus = 0; }, secondIndex);
    drain();
    QVERIFY(m_adapter->cameraInfoByUuid(second, &info));
    QCOMPARE(info.cameraStatus, quint16(10));
    QCOMPARE(spy.count(), 1);
}

// ---- power saving, objects, white balance, composite ----

void TestCameraStatus::streamingFunctionOfAnotherCamera()
{
    // Reported by a camera that is not the selected one: its own record
    // follows what the camera says now (no streaming here), and keeps its
    // value when the read fails.
    const QString second = connectSecond();
    m_adapter->setSelectedCameraUuid(second);
    auto streaming = [&] {
        CameraInfo info;
        return m_adapter->cameraInfoByUuid(m_uuid, &info) ? int(info.basicStreaming) : -1;
    };
    m_adapter->withCameraTable([&](QMap<QString, CameraInfo> &table) { table[m_uuid].basicStreaming = 1; });
    kvrsim::failNext("Net_Get_BasicStreaming_Function", 1, 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    deliver(0x0E000020, 0, m_uuid);
    QCOMPARE(streaming(), 1);
    deliver(0x0E000020, 0, m_uuid);
    QCOMPARE(streaming(), 0);
}

void TestCameraStatus::statusChangeAnnouncesMovieFormat()
{
    QSignalSpy spy(m_adapter, &DeviceAdapter::motionPictureFormatChanged);
    for (const quint16 cameraStatus : {quint16(9), quint16(9), quint16(3)}) {
        status([&](kvrsim::StatusValues &s) { s.cameraStatus = cameraStatus; });
        QCOMPARE(m_adapter->adp_KVR_func_api_GetCameraStatus(), 1);
    }
    // Once per change, never for a status read again unchanged.
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).value<Utilities::MotionPictureFormat>(), m_adapter->motionPictureFormat());
}

void TestCameraStatus::powerSaving()
{
    m_adapter->withCameraTable([&](QMap<QString, CameraInfo> &table) {
        table[m_uuid].supportPowerSaving = 1;
        table[m_uuid].powerOnMode = 0;
    });
    QSignalSpy list(m_adapter, &DeviceAdapter::cameraListChanged);
    QSignalSpy initial(m_adapter, &DeviceAdapter::initSetupTetherModeChanged);

    kvrsim::turnDial(m_index, "tetherMode", 1);
    kvrsim::flush();
    drain();
    CameraInfo info;
    QVERIFY(m_adapter->cameraInfoByUuid(m_uuid, &info));
    QCOMPARE(info.powerOnMode, quint8(1));
    QCOMPARE(list.count(), 1);
    QCOMPARE(initial.count(), 1);
    QCOMPARE(initial.at(0).at(0).value<Utilities::PowerSavingTetherMode>(), Utilities::PwTether_ON);

    // A mode in transition changes nothing.
    kvrsim::turnDial(m_index, "tetherMode", 2);
    kvrsim::flush();
    drain();
    QVERIFY(m_adapter->cameraInfoByUuid(m_uuid, &info));
    QCOMPARE(info.powerOnMode, quint8(1));
    QCOMPARE(list.count(), 1);
    QCOMPARE(initial.count(), 1);

    // The record already holds the mode: no list change, but the initial
    // mode follows.
    m_adapter->withCameraTable([&](QMap<QString, CameraInfo> &table) { table[m_uuid].powerOnMode = 0; });
    Access::setInitSetupTetherMode(*m_adapter, 1);
    kvrsim::turnDial(m_index, "tetherMode", 0);
    kvrsim::flush();
    drain();
    QCOMPARE(list.count(), 1);
    QCOMPARE(initial.count(), 2);
    QCOMPARE(initial.at(1).at(0).value<Utilities::PowerSavingTetherMode>(), Utilities::PwTether_OFF);
}

void TestCameraStatus::twoCamerasTakingCommands()
{
    Access::setFileTarget(*m_adapter, Utilities::FLTG_PcOnly);
    QSignalSpy fetched(m_copy, &ObjectCopy::objectAddErrorNotify);

    deliver(0x10000040, 0x00000101, m_uuid);
    QCOMPARE(fetched.count(), 1);
    deliver(0x12800111, 0, m_uuid);
    QCOMPARE(callCount(m_index, "Rec_Ctrl_4K6K"), 0);

    const QString second = connectSecond();
    m_adapter->withCameraTable([&](QMap<QString, CameraInfo> &table) { table[second].sendCmdEnable = 1; });
    QCOMPARE(m_adapter->getSendCmdDevNum(false), 2);

    deliver(0x10000040, 0x00000102, m_uuid);
    QCOMPARE(fetched.count(), 1);
    kvrsim::clearCallLogs();
    deliver(0x12800111, 0, m_uuid);
    QCOMPARE(callCount(m_index, "Rec_Ctrl_4K6K"), 1);

    // A powered-off camera takes no commands.
    m_adapter->withCameraTable([&](QMap<QString, CameraInfo> &table) { table[second].powerOnMode = 0; });
    QCOMPARE(m_adapter->getSendCmdDevNum(false), 1);
    m_adapter->setBtnAllCameraStatusValue(Utilities::BtnAllCameraStatus_Checked);
    deliver(0x10000040, 0x00000103, m_uuid);
    QCOMPARE(fetched.count(), 1);
}

void TestCameraStatus::objectAddedNotice()
{
    Access::setFileTarget(*m_adapter, Utilities::FLTG_PcAndCamera);
    QSignalSpy notice(m_adapter, &DeviceAdapter::objectAddEventReceivedNotify);

    deliver(0x10000040, 0x00000201, m_uuid);
    QCOMPARE(notice.count(), 0); // no movie was recorded

    status([](kvrsim::StatusValues &s) {
        s.elapsedInMovieRec = 5;
        s.cameraStatus = 1;
    });
    drain();
    QCOMPARE(Access::movieRecCounter(*m_adapter), 1);
    deliver(0x10000040, 0x00000202, m_uuid);
    QCOMPARE(notice.count(), 1);
    // A thumbnail-kind object (1 in bits 24 to 27) gives no notice.
    deliver(0x10000040, 0x01000203, m_uuid);
    QCOMPARE(notice.count(), 1);

    // Working all cameras at once resets the counter instead.
    m_adapter->setBtnAllCameraStatusValue(Utilities::BtnAllCameraStatus_Checked);
    deliver(0x10000040, 0x00000204, m_uuid);
    QCOMPARE(notice.count(), 1);
    QCOMPARE(Access::movieRecCounter(*m_adapter), 0);

    Access::setMovieRecCounter(*m_adapter, 2);
    m_adapter->setBtnAllCameraStatusValue(Utilities::BtnAllCameraStatus_Unchecked);
    Access::setFileTarget(*m_adapter, Utilities::FLTG_CameraOnly);
    deliver(0x10000040, 0x00000205, m_uuid);
    QCOMPARE(notice.count(), 1);
    QCOMPARE(Access::movieRecCounter(*m_adapter), 2);
}

void TestCameraStatus::whiteBalanceSetFailure()
{
    QSignalSpy spy(m_adapter, &DeviceAdapter::wbErrorNotify);
    Access::setWbSetSpot(*m_adapter, 120, 80);
    kvrsim::clearCallLogs();
    deliver(0x12800042, 0, m_uuid);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(callCount(m_index, "WB_Ctrl_WBSET"), 1);

    kvrsim::failNext("WB_Ctrl_WBSET", 1);
    QCOMPARE(m_adapter->adp_KVR_func_api_WB_Ctrl_WBSET_END_REQ(), 0);
    QCOMPARE(spy.count(), 2);
}

void TestCameraStatus::liveViewComposite()
{
    QSignalSpy spy(m_adapter, &DeviceAdapter::lvShootingStatusChanged);
    status([](kvrsim::StatusValues &s) { s.lvShootingStatus = 3; });
    drain();
    deliver(0x12000070, 0, m_uuid);
    QCOMPARE(m_adapter->lvShootingStatus(), int(Utilities::LCST_SHOOTING));
    QCOMPARE(spy.count(), 1);
    deliver(0x12000070, 0, m_uuid);
    QCOMPARE(spy.count(), 1);

    kvrsim::failNext("Get_Lv_Composite_Info", 1);
    status([](kvrsim::StatusValues &s) { s.lvShootingStatus = 4; });
    drain();
    deliver(0x12000070, 0, m_uuid);
    QCOMPARE(m_adapter->lvShootingStatus(), int(Utilities::LCST_SHOOTING));
    QCOMPARE(m_adapter->adp_KVR_func_api_Lv_Composite_Get_Shooting_Status(), 1);
    QCOMPARE(m_adapter->lvShootingStatus(), int(Utilities::LCST_COMBINING));
    QCOMPARE(m_adapter->adp_KVR_func_api_Lv_Composite_Get_Shooting_Information(), 1);

    // A state the interface does not know is shown as unknown.
    status([](kvrsim::StatusValues &s) { s.lvShootingStatus = 9; });
    drain();
    deliver(0x12000070, 0, m_uuid);
    QCOMPARE(m_adapter->lvShootingStatus(), int(Utilities::LCST_Unknown));
}

void TestCameraStatus::firmwareStatus()
{
    // These run on the SDK's thread at once; nothing is queued.
    auto send = [](quint32 code, quint32 param) {
        kvrsim::emitEvent(code, param, std::string());
        kvrsim::flush();
    };
    send(1, 0);
    send(4, 77);
    QVERIFY(m_receiver->pendingItems().empty());
    QCOMPARE(m_adapter->firmware_update_get_data_frame(), 77u);
    QCOMPARE(m_adapter->firmware_update_get_result(), quint8(0));
    send(6, 0);
    QCOMPARE(m_adapter->firmware_update_get_data_frame(), 77u);
    QCOMPARE(m_adapter->firmware_update_get_result(), quint8(1));
    send(0x41000015, 5);
    QCOMPARE(m_adapter->firmware_update_get_result(), quint8(1));
    send(4, 90);
    send(6, 3);
    QCOMPARE(m_adapter->firmware_update_get_data_frame(), 0u);
    QCOMPARE(m_adapter->firmware_update_get_result(), quint8(0));
    send(4, 12);
    send(5, 0);
    QCOMPARE(m_adapter->firmware_update_get_result(), quint8(1));
    m_adapter->firmware_update_finish_progress();
    QCOMPARE(m_adapter->firmware_update_get_data_frame(), 0u);
    QCOMPARE(m_adapter->firmware_update_get_result(), quint8(0));
}

void TestCameraStatus::lostCameras()
{
    const QString second = connectSecond();
    m_adapter->setIsCamerasConnectedValue(true);
    Access::setMultiviewMode(*m_adapter, true);
    QSignalSpy list(m_adapter, &DeviceAdapter::cameraListChanged);
    QSignalSpy connected(m_adapter, &DeviceAdapter::isCamerasConnectedChanged);

    kvrsim::loseCamera(cameraByModel("Rozado Sim B2"));
    kvrsim::flush();
    drain();
    QCOMPARE(m_adapter->cameraTableCount(), 1);
    QCOMPARE(list.count(), 1);
    QCOMPARE(connected.count(), 0);

    // A camera not in the table changes nothing there.
    deliver(0x1FF20001, 0, QStringLiteral("no-such-camera"));
    QCOMPARE(m_adapter->cameraTableCount(), 1);
    QCOMPARE(list.count(), 1);

    kvrsim::loseCamera(m_index);
    kvrsim::flush();
    drain();
    QCOMPARE(m_adapter->cameraTableCount(), 0);
    QCOMPARE(connected.count(), 1);
    QVERIFY(!m_adapter->isCamerasConnected());
    QVERIFY(!m_adapter->isMultiviewMode());
    QVERIFY(!m_adapter->liveViewManager()->IsLiveViewWorking());
}

void TestCameraStatus::eventTypeSuppression()
{
    QCOMPARE(m_adapter->adp_KVR_func_api_SetEventTypeFromCamera_Start(true, m_uuid), Utilities::Ternary_True);
    QCOMPARE(test::queueText(*m_receiver), QStringList{test::itemText(0xFFFF030A, 1, m_uuid)});
    kvrsim::clearCallLogs();
    drain();
    QCOMPARE(callCount(m_index, "SetEventTypeFromCamera"), 1);
    QCOMPARE(m_adapter->adp_KVR_func_api_SetEventTypeFromCamera(false, m_uuid), 1);
    kvrsim::failNext("SetEventTypeFromCamera", 1);
    QCOMPARE(m_adapter->adp_KVR_func_api_SetEventTypeFromCamera(true, m_uuid), 0);

    QVERIFY(!m_adapter->camera_list_get_camera_streamingFunction(m_uuid));
    m_adapter->withCameraTable([&](QMap<QString, CameraInfo> &table) { table[m_uuid].basicStreaming = 1; });
    QVERIFY(m_adapter->camera_list_get_camera_streamingFunction(m_uuid));
    QVERIFY(!m_adapter->camera_list_get_camera_streamingFunction(QStringLiteral("other")));
}

void TestCameraStatus::savedFilePathReview()
{
    test::InstalledSettings settings;
    settings.setDisplayReviewType(ApplicationSettings::DisRevType_On);
    QSignalSpy spy(m_adapter, &DeviceAdapter::pcSavedFilePathChanged);

    const QString first = QDir(m_settings.path()).filePath(QStringLiteral("P0001.JPG"));
    m_adapter->setPcSavedFilePath(first);
    m_adapter->setPcSavedFilePath(first); // shown again for a second save
    QCOMPARE(spy.count(), 2);
    QCOMPARE(m_adapter->pcSavedFilePath(), first);

    // With two cameras taking commands the review is not shown.
    const QString second = connectSecond();
    m_adapter->withCameraTable([&](QMap<QString, CameraInfo> &table) { table[second].sendCmdEnable = 1; });
    const QString other = QDir(m_settings.path()).filePath(QStringLiteral("P0002.JPG"));
    m_adapter->setPcSavedFilePath(other);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(m_adapter->pcSavedFilePath(), other);
    m_adapter->pcSavedFilePathChangedExec();
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(0).toString(), other);

    settings.setDisplayReviewType(ApplicationSettings::DisRevType_Off);
    m_adapter->pcSavedFilePathChangedExec();
    m_adapter->withCameraTable([&](QMap<QString, CameraInfo> &table) { table[second].sendCmdEnable = 0; });
    m_adapter->setPcSavedFilePath(first);
    QCOMPARE(spy.count(), 3);
}

void TestCameraStatus::statusThroughWorkerThread()
{
    // The real worker thread in place of the stepped queue.
    QVERIFY(m_adapter->attachCallbackReceiver(nullptr));
    QCOMPARE(m_adapter->adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    // Emitted on the worker thread.
    test::QueuedSpy batterySpy(m_adapter, &DeviceAdapter::batteryLevelChanged);
    test::QueuedSpy cardsSpy(m_adapter, &DeviceAdapter::statusOfCardsChanged);
    test::QueuedSpy elapsedSpy(m_adapter, &DeviceAdapter::elapsedInMovieRecChanged);
    QSignalSpy &battery = batterySpy.spy;
    QSignalSpy &cards = cardsSpy.spy;
    QSignalSpy &elapsed = elapsedSpy.spy;

    kvrsim::updateStatus(m_index, [](kvrsim::StatusValues &s) {
        s.bodyLevel = 12;
        s.cardCount = 0;
        s.elapsedInMovieRec = 42;
    });
    QTRY_COMPARE(elapsed.count(), 1);
    QTRY_COMPARE(battery.count(), 1);
    QTRY_COMPARE(cards.count(), 1);
    m_adapter->stopCallbackThread();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(battery.count(), 1);
    QCOMPARE(cards.count(), 1);
    QCOMPARE(m_adapter->batteryLevel(), 12u);
    QCOMPARE(m_adapter->statusOfCards(), int(DeviceAdapter::STOC_Nocard));
    QCOMPARE(m_adapter->elapsedInMovieRec(), 42);
}

QTEST_GUILESS_MAIN(TestCameraStatus)
#include "tst_camerastatus.moc"
