// The flash settings of a connected simulated camera: the two flash records
// decoded, the writers' three outcomes and the flash worker that follows the
// camera's flash events.
#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "QueuedSpy.h"
#include "camera/DeviceSearch.h"
#include "core/ApplicationData.h"
#include "flash/FlashAdapter.h"
#include "flash/FlashAdapterCallback.h"

using namespace kavrotether;

namespace {

int calls(const std::vector<std::string> &log, const char *function)
{
    return int(std::count(log.begin(), log.end(), std::string(function)));
}

// A signal of the flash adapter by name (the flash signals carry different
// enumeration types).
QMetaMethod flashSignal(const QByteArray &name)
{
    const QMetaObject &mo = FlashAdapter::staticMetaObject;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i)
        if (mo.method(i).methodType() == QMetaMethod::Signal && mo.method(i).name() == name)
            return mo.method(i);
    return {};
}

} // namespace

class TestFlashAdapter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void codeMappings_data();
    void codeMappings();
    void recordsAreDecoded_data();
    void recordsAreDecoded();
    void flagsAndCountsFollowTheCountedEntries_data();
    void flagsAndCountsFollowTheCountedEntries();
    void writers_data();
    void writers();
    void workerReadsOnceForEveryEvent();
    void stopDeregistersOnceAfterTheRunningRead();
    void receiverQueue();

private:
    bool readBoth()
    {
        return m_flash->adp_KVR_func_api_Strobe_GetCapability() == Utilities::Ternary_True
               && m_flash->adp_KVR_func_api_Strobe2_GetCapability() == Utilities::Ternary_True;
    }

    std::unique_ptr<test::IsolatedSettings> m_settings;
    test::AdapterFixture m_fixture;
    std::unique_ptr<FlashAdapter> m_flash;
    int m_index = -1;
    std::string m_uuid;
};

static const ConnectReadTables kNoReading{nullptr, 0, nullptr, 0};

void TestFlashAdapter::init()
{
    m_settings = std::make_unique<test::IsolatedSettings>();
    DeviceSearch::setConnectReadTables(&kNoReading);
    QVERIFY(m_fixture.start());
    m_flash = std::make_unique<FlashAdapter>();
    ApplicationData::setFlashAdapter(m_flash.get());
    test::QueuedSpy reading(&m_fixture.adapter(), &DeviceAdapter::camConnectStatusChanged);
    QVERIFY(test::connectUsbCameras(m_fixture.adapter()));
    while (m_fixture->camConnectStatus() != Utilities::CamConnectSts_Success)
        QVERIFY(reading.spy.wait(5000));
    m_index = kvrsim::indexOfSerial(m_fixture->camSerialNo().toStdString());
    QVERIFY(m_index >= 0);
    m_uuid = kvrsim::uuidOf(m_index);
}

void TestFlashAdapter::cleanup()
{
    m_flash.reset();
    ApplicationData::setFlashAdapter(nullptr);
    m_fixture.stop();
    kvrsim::clearInjections();
    DeviceSearch::setConnectReadTables(nullptr);
    m_settings.reset();
}

void TestFlashAdapter::codeMappings_data()
{
    QTest::addColumn<bool>("adjust");
    QTest::addColumn<uint>("code");
    QTest::addColumn<int>("index");
    QTest::newRow("adjust -3") << true << 0x8009u << int(Utilities::FlshAdj_M3);
    QTest::newRow("adjust +3") << true << 9u << int(Utilities::FlshAdj_3);
    QTest::newRow("adjust past -3") << true << 0x800Au << -1;
    QTest::newRow("adjust past +3") << true << 10u << -1;
    QTest::newRow("adjust minus zero") << true << 0x8000u << -1;
    QTest::newRow("manual 1/1.3") << false << 13u << int(Utilities::FlshManual_13);
    QTest::newRow("manual full") << false << 0u << int(Utilities::FlshManual_Full);
    QTest::newRow("manual unknown") << false << 15u << -1;
}

void TestFlashAdapter::codeMappings()
{
    QFETCH(bool, adjust);
    QFETCH(uint, code);
    QFETCH(int, index);
    QCOMPARE(adjust ? FlashAdapter::adjustCodeToIndex(code) : FlashAdapter::manualRatioCodeToIndex(code), index);
}

// Each row turns one dial of the camera and reads both records; kKeep: the
// property keeps what the first read gave.
constexpr int kKeep = -2;

void TestFlashAdapter::recordsAreDecoded_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<uint>("code");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("expected");
    QTest::newRow("flash mode code 2") << "flashMode" << 2u << QByteArray("flashMode") << -1;
    QTest::newRow("manual 1/13") << "flashManual" << 130u << QByteArray("flashManual") << 10;
    QTest::newRow("exposure link on") << "exposureLink" << 2u << QByteArray("exposureLink") << 1;
    QTest::newRow("channel 4") << "wirelessChannel" << 4u << QByteArray("wirelessChannel") << 3;
    QTest::newRow("power high") << "wirelessComPower" << 3u << QByteArray("wirelessComPower") << 2;
    QTest::newRow("wireless mode 0 kept") << "wirelessMode" << 0u << QByteArray("wirelessMode") << kKeep;
    QTest::newRow("wireless FP 0 unknown") << "wirelessFP" << 0u << QByteArray("wirelessFP") << -1;
    QTest::newRow("group C dimmer 4") << "groupDimmer3" << 4u << QByteArray("cGroupDimmer") << -1;
    QTest::newRow("group B adjust +1") << "groupAdjust2" << 3u << QByteArray("bGroupFlashAdjust") << 12;
    QTest::newRow("group A manual 1/128") << "groupManual1" << 1280u << QByteArray("aGroupFlashManual") << 0;
    QTest::newRow("group C manual 1/1.3") << "groupManual3" << 13u << QByteArray("cGroupFlashManual") << 20;
}

void TestFlashAdapter::recordsAreDecoded()
{
    QFETCH(QString, setting);
    QFETCH(uint, code);
    QFETCH(QByteArray, property);
    QFETCH(int, expected);
    QVERIFY(readBoth());
    const int before = m_flash->property(property.constData()).toInt();
    QVERIFY(before >= 0);
    QSignalSpy changed(m_flash.get(), flashSignal(property + "Changed"));

    kvrsim::turnDial(m_index, setting.toStdString(), code);
    QVERIFY(readBoth());
    const int now = expected == kKeep ? before : expected;
    QCOMPARE(m_flash->property(property.constData()).toInt(), now);
    QCOMPARE(changed.count(), now == before ? 0 : 1);

    // A record the camera does not give changes nothing.
    kvrsim::failNext(setting.startsWith("group") ? "Strobe2_GetCapability" : "Strobe_GetCapability", 1);
    kvrsim::turnDial(m_index, setting.toStdString(), kvrsim::offered(m_index, setting.toStdString()).front());
    QVERIFY(!readBoth());
    QCOMPARE(m_flash->property(property.constData()).toInt(), now);
}

// The three settings the flag rows look at, by their flags and counts.
struct FlaggedSetting
{
    const char *setting;
    const char *countSignal;
    int (FlashAdapter::*count)() const;
    Utilities::Ternary (*flag)(const FlashAdapter &, int);
};
const FlaggedSetting kFlagged[] = {
    {"groupDimmer1", "aGroupDimFlgNumChanged", &FlashAdapter::aGroupDimmerCapabilityNum,
     [](const FlashAdapter &f, int v) { return f.aGroupDimmerCapability(Utilities::GroupFlashDimmer(v)); }},
    {"flashMode", "flashModeFlgNumChanged", &FlashAdapter::flashModeCapabilityNum,
     [](const FlashAdapter &f, int v) { return f.flashModeCapability(Utilities::FlashMode(v)); }},
    {"wirelessChannel", "wirChFlgNumChanged", &FlashAdapter::wirelessChannelCapabilityNum,
     [](const FlashAdapter &f, int v) { return f.wirelessChannelCapability(Utilities::WirelessChannel(v)); }},
};

void TestFlashAdapter::flagsAndCountsFollowTheCountedEntries_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QList<uint>>("offered");
    QTest::addColumn<int>("reportedCount");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("available");
    QTest::addColumn<QList<int>>("unavailable");
    // Slots past the count hold 0: Off of a group dimmer, which the camera
    // did not offer.
    QTest::newRow("group dimmer, zeros past the count")
        << 0 << QList<uint>{1, 2} << -1 << 2 << QList<int>{1, 2} << QList<int>{0, 3, -1, 4};
    QTest::newRow("flash mode code 2 has no flag")
        << 1 << QList<uint>{1, 2, 5} << -1 << 3 << QList<int>{0, 5} << QList<int>{1, 2, 3, 4, -1, 6};
    QTest::newRow("count beyond the capacity")
        << 2 << QList<uint>{1, 4} << 65535 << 512 << QList<int>{0, 3} << QList<int>{1, 2};
}

void TestFlashAdapter::flagsAndCountsFollowTheCountedEntries()
{
    QFETCH(int, which);
    QFETCH(QList<uint>, offered);
    QFETCH(int, reportedCount);
    QFETCH(int, count);
    QFETCH(QList<int>, available);
    QFETCH(QList<int>, unavailable);
    const FlaggedSetting &row = kFlagged[which];
    QSignalSpy counted(m_flash.get(), flashSignal(row.countSignal));
    kvrsim::setOffered(m_index, row.setting, std::vector<uint32_t>(offered.begin(), offered.end()));
    kvrsim::ListShape shape;
    shape.junkPastCount = true;
    shape.junk = 0;
    shape.reportedCount = reportedCount;
    kvrsim::setListShape(m_index, row.setting, shape);

    for (int round = 0; round < 2; ++round) {
        QVERIFY(readBoth());
    }
    QCOMPARE((m_flash.get()->*row.count)(), count);
    QCOMPARE(counted.count(), 1); // the second read found the same count
    for (int f : available)
        QCOMPARE(row.flag(*m_flash, f), Utilities::Ternary_True);
    for (int f : unavailable)
        QCOMPARE(row.flag(*m_flash, f), Utilities::Ternary_False);
}

void TestFlashAdapter::writers_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QByteArray>("inner");
    QTest::addColumn<QString>("outcome");
    struct Row
    {
        const char *name, *property;
        int value;
        const char *setting;
        uint code;
        const char *function, *inner;
    } rows[] = {
        {"flash mode forbid", "flashMode", Utilities::FlshM_Forbid, "flashMode", 5, "StrobeInfo_Set_StrobeMode_Param",
         ""},
        {"dimmer manual", "flashDimmer", Utilities::FlshDim_Manual, "flashDimmer", 2, "RecInfo_Flash_Set_Dimmer",
         "flashDimmerInnerChanged"},
        {"adjust -1", "flashAdjust", Utilities::FlshAdj_M1, "flashAdjust", 0x8003, "RecInfo_Flash_Set_Adjust", ""},
        {"wireless on", "wirelessMode", Utilities::WirM_On, "wirelessMode", 2, "RecInfo_Flash_Set_Wireless_Mode",
         "wirelessModeInnerChanged"},
        {"group A dimmer manual", "aGroupDimmer", Utilities::GFD_Manual, "groupDimmer1", 2, "RecInfo_Flash2_Set_Dimmer",
         "aGroupDimmerInnerChanged"},
        {"built-in dimmer signal", "buildInFlashDimmer", Utilities::BIFD_Signal, "groupDimmer4", 3,
         "RecInfo_Flash2_Set_Dimmer", ""},
        {"group C adjust +3", "cGroupFlashAdjust", Utilities::FlshAdj_3, "groupAdjust3", 9, "RecInfo_Flash2_Set_Adjust",
         ""},
        {"built-in manual 1/13", "buildInFlashManual", Utilities::FlshManual_130, "groupManual4", 130,
         "RecInfo_Flash2_Set_Manual", ""},
    };
    for (const Row &r : rows)
        for (const char *outcome : {"success", "failure", "equal"})
            QTest::addRow("%s, %s", r.name, outcome) << QByteArray(r.property) << r.value << r.setting << r.code
                                                     << r.function << QByteArray(r.inner) << outcome;
}

void TestFlashAdapter::writers()
{
    QFETCH(QByteArray, property);
    QFETCH(int, value);
    QFETCH(QString, setting);
    QFETCH(uint, code);
    QFETCH(QString, function);
    QFETCH(QByteArray, inner);
    QFETCH(QString, outcome);
    const char *prop = property.constData();
    const std::string name = setting.toStdString();
    QVERIFY(readBoth());
    const int before = m_flash->property(prop).toInt();
    const uint cameraBefore = kvrsim::setting(m_index, name);
    QVERIFY(before != value);
    if (outcome == "equal") {
        kvrsim::turnDial(m_index, name, code);
        QVERIFY(readBoth());
        QCOMPARE(m_flash->property(prop).toInt(), value);
    }
    if (outcome == "failure")
        kvrsim::failNext(function.toStdString(), 1);
    kvrsim::clearCallLogs();
    QSignalSpy error(m_flash.get(), &FlashAdapter::settingErrorNotify);
    QSignalSpy changed(m_flash.get(), flashSignal(property + "Changed"));
    std::unique_ptr<QSignalSpy> innerSpy;
    if (!inner.isEmpty())
        innerSpy = std::make_unique<QSignalSpy>(m_flash.get(), flashSignal(inner));

    QVERIFY(m_flash->setProperty(prop, value));

    const int sent = calls(kvrsim::callLog(m_index), function.toLatin1().constData());
    if (outcome == "equal") {
        QCOMPARE(sent, 0);
        QCOMPARE(error.count(), 0);
    } else if (outcome == "failure") {
        QCOMPARE(sent, 1);
        QCOMPARE(error.count(), 1);
        QCOMPARE(m_flash->property(prop).toInt(), before);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), before);
        QCOMPARE(kvrsim::setting(m_index, name), cameraBefore);
    } else {
        QCOMPARE(sent, 1);
        QCOMPARE(error.count(), 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_flash->property(prop).toInt(), value);
        QCOMPARE(kvrsim::setting(m_index, name), code);
    }
    if (innerSpy) {
        QCOMPARE(innerSpy->count(), outcome == "success" ? 1 : 0);
        if (outcome == "success")
            QCOMPARE(innerSpy->at(0).at(0).toInt(), value);
    } // A flash-mode write has the event worker read the flash record again,
    // whatever the camera answered.
    m_fixture.deliverAndRun();
    const bool reread = property == "flashMode" && outcome != "equal";
    QCOMPARE(calls(kvrsim::callLog(m_index), "Strobe_GetCapability"), reread ? 1 : 0);
}

void TestFlashAdapter::workerReadsOnceForEveryEvent()
{
    kvrsim::clearCallLogs();
    QCOMPARE(m_flash->adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    QTRY_COMPARE(calls(kvrsim::globalCallLog(), "Reg_NotifyCallback"), 2);
    for (int i = 0; i < 3; ++i)
        kvrsim::emitEvent(FlashAdapterCallback::kStrobeEvent, 0, m_uuid);
    QVERIFY(m_flash->queueFlashEvent(0x02000111u, 0)); // no flash event: dropped
    kvrsim::emitEvent(FlashAdapterCallback::kStrobe2Event, 0, m_uuid);
    kvrsim::flush();
    QTRY_COMPARE(calls(kvrsim::callLog(m_index), "Strobe2_GetCapability"), 1);
    QTRY_COMPARE(calls(kvrsim::callLog(m_index), "Strobe_GetCapability"), 3);
}

void TestFlashAdapter::stopDeregistersOnceAfterTheRunningRead()
{
    kvrsim::clearCallLogs();
    FlashAdapter idle;
    idle.stopCallbackThread();
    QCOMPARE(calls(kvrsim::globalCallLog(), "Delete_CallBackInfo"), 0);

    QCOMPARE(m_flash->adp_KVR_func_api_Reg_NotifyCallback(), Utilities::Ternary_True);
    QTRY_COMPARE(calls(kvrsim::globalCallLog(), "Reg_NotifyCallback"), 2);
    kvrsim::delayNext("Strobe_GetCapability", 1, 300, m_uuid);
    kvrsim::turnDial(m_index, "flashMode", 5); // raises the flash event
    kvrsim::flush();
    QTRY_COMPARE(calls(kvrsim::callLog(m_index), "Strobe_GetCapability"), 1);
    m_flash->stopCallbackThread();
    QCOMPARE(int(m_flash->flashMode()), int(Utilities::FlshM_Forbid)); // the read ended first
    QCOMPARE(calls(kvrsim::globalCallLog(), "Delete_CallBackInfo"), 2);
    m_flash->stopCallbackThread();
    QCOMPARE(calls(kvrsim::globalCallLog(), "Delete_CallBackInfo"), 2);
}

void TestFlashAdapter::receiverQueue()
{
    FlashAdapterCallback receiver;
    uint id = 0, param = 0;
    receiver.pushArgumentLast(1, 10);
    receiver.pushArgumentLast(2, 20);
    QVERIFY(!receiver.popArgument(nullptr, &param));
    QVERIFY(!receiver.popArgument(&id, nullptr));
    for (uint expected : {1u, 2u}) {
        QVERIFY(receiver.popArgument(&id, &param));
        QCOMPARE(qMakePair(id, param), qMakePair(expected, 10 * expected));
    }
    QVERIFY(!receiver.popArgument(&id, &param));
}

QTEST_MAIN(TestFlashAdapter)
#include "tst_flashadapter.moc"
