// The exposure, white-balance, record-preview, system-frequency and AF
// information readers against a simulated camera: a dial turned on the
// camera reaches flags, count and value through its event, and the interface
// reads them by name as a setting button does.
#include <QJSEngine>
#include <QSignalSpy>
#include <QtTest>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"

using namespace kavrotether;
using test::callCount;
using Reader = Utilities::Ternary (DeviceAdapter::*)();

class TestExposureReaders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.stop(); }

    void dialTurnedOnCamera_data();
    void dialTurnedOnCamera();
    void aperture_data();
    void aperture();
    void valueLists();
    void exposureLimits();
    void systemFrequencyFallback();
    void afInfoSignals();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();

private:
    // The camera offers these codes and is set to `current`; the event this
    // announces has run when it returns.
    void offer(const char *name, const std::vector<uint32_t> &codes, uint32_t current);
    DeviceAdapter &adapter() { return m_fixture.adapter(); }

    test::IsolatedSettings m_settings;
    test::AdapterFixture m_fixture;
    int m_index = -1;
};

void TestExposureReaders::init()
{
    QVERIFY(m_settings.isValid());
    QVERIFY(m_fixture.start());
    m_index = test::cameraByModel("Rozado Sim A1");
    const QString uuid = QString::fromStdString(test::openUsbCamera(m_index));
    QVERIFY(!uuid.isEmpty());
    adapter().setConnectionTypeValue(kConnectionUsb);
    adapter().setSelectedCameraUuid(uuid);
    CameraInfo info;
    info.devIndex = m_index;
    QVERIFY(adapter().addCameraToTable(uuid, info));
}

void TestExposureReaders::offer(const char *name, const std::vector<uint32_t> &codes, uint32_t current)
{
    kvrsim::setOffered(m_index, name, codes);
    kvrsim::turnDial(m_index, name, current);
    m_fixture.deliverAndRun();
}

void TestExposureReaders::dialTurnedOnCamera_data()
{
    QTest::addColumn<QString>("dial");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QList<uint>>("codes");
    QTest::addColumn<uint>("current");
    QTest::addColumn<QList<int>>("flags");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("count");
    QTest::newRow("white balance") << "whiteBalance"
                                   << "whiteBalance" << QList<uint>{2, 0x8014, 0x8013} << 0x8013u
                                   << QList<int>{Utilities::WB_Auto, Utilities::WB_Auto_Cool, Utilities::WB_K_Set4}
                                   << int(Utilities::WB_K_Set4) << 3;
    QTest::newRow("white balance code 3")
        << "whiteBalance"
        << "whiteBalance" << QList<uint>{3, 4} << 3u << QList<int>{Utilities::WB_Daylight} << -1 << 2;
    QTest::newRow("white balance past the table")
        << "whiteBalance"
        << "whiteBalance" << QList<uint>{0x8016} << 0x8016u << QList<int>{} << -1 << 1;
    QTest::newRow("colour temperature") << "whiteBalanceKSet"
                                        << "whiteBalanceKSet" << QList<uint>{2500, 2550, 1234} << 2550u
                                        << QList<int>{Utilities::WBK_2500, Utilities::WBK_2550}
                                        << int(Utilities::WBK_2550) << 3;
    QTest::newRow("shutter, unknown code") << "shutterSpeed"
                                           << "shutterSpeed" << QList<uint>{2000, 0x12345, 4000} << 0x12345u
                                           << QList<int>{Utilities::SS_2, Utilities::SS_4} << -1 << 3;
    // Without a list the speed read in the shot is the one offered.
    QTest::newRow("shutter without list")
        << "shutterSpeed"
        << "shutterSpeed" << QList<uint>{} << 0x1E848u << QList<int>{Utilities::SS_125} << int(Utilities::SS_125) << 0;
    QTest::newRow("iso: only automatic is a flag")
        << "iso"
        << "iso" << QList<uint>{0xFFFFFFFF, 100, 200} << 100u << QList<int>{Utilities::ISO_Auto} << 100 << 3;
    QTest::newRow("exposure") << "exposure"
                              << "exposureVal" << QList<uint>{0x8001, 3, 0x1234} << 3u
                              << QList<int>{Utilities::Expo_M1_3, Utilities::Expo_P3_3} << int(Utilities::Expo_P3_3)
                              << 3;
    QTest::newRow("exposure unknown") << "exposure"
                                      << "exposureVal" << QList<uint>{0x8001} << 0x1234u
                                      << QList<int>{Utilities::Expo_M1_3} << -1 << 1;
    // Code 3 is no record-preview mode: the value stays as it was.
    QTest::newRow("record preview code 3")
        << "recPreviewMode"
        << "recPreviewMode" << QList<uint>{0, 3} << 3u << QList<int>{Utilities::RecPreviw_Off} << -1 << 2;
    QTest::newRow("record preview") << "recPreviewMode"
                                    << "recPreviewMode" << QList<uint>{0, 1, 2} << 2u << QList<int>{0, 1, 2} << 2 << 3;
    // The frequency reader keeps no count.
    QTest::newRow("frequency") << "systemFrequency"
                               << "systemFrequency" << QList<uint>{0, 2, 7} << 2u
                               << QList<int>{Utilities::SFQ_NTSC, Utilities::SFQ_CINEMA} << int(Utilities::SFQ_CINEMA)
                               << 0;
}

void TestExposureReaders::dialTurnedOnCamera()
{
    QFETCH(QString, dial);
    QFETCH(QString, target);
    QFETCH(QList<uint>, codes);
    QFETCH(uint, current);
    QFETCH(QList<int>, flags);
    QFETCH(int, value);
    QFETCH(int, count);
    offer(dial.toLatin1().constData(), {codes.cbegin(), codes.cend()}, current);

    QJSEngine engine;
    QJSEngine::setObjectOwnership(&adapter(), QJSEngine::CppOwnership);
    engine.globalObject().setProperty(QStringLiteral("a"), engine.newQObject(&adapter()));
    engine.globalObject().setProperty(QStringLiteral("target"), target);
    QCOMPARE(engine.evaluate(QStringLiteral("a[target]")).toInt(), value);
    QCOMPARE(engine.evaluate(QStringLiteral("a[target + 'CapabilityNum']()")).toInt(), count);
    const QJSValue offered = engine.evaluate(QStringLiteral("a[target + 'Capability']"));
    for (int v = -1; v < 100; ++v)
        QCOMPARE(offered.callWithInstance(engine.globalObject().property("a"), {v}).toInt(), int(flags.contains(v)));
}

void TestExposureReaders::aperture_data()
{
    QTest::addColumn<QList<uint>>("codes");
    QTest::addColumn<QList<int>>("list");
    QTest::addColumn<int>("inShotReads");
    QTest::newRow("sorted, once each") << QList<uint>{56, 28, 40, 28} << QList<int>{28, 40, 56} << 0;
    QTest::newRow("signed") << QList<uint>{40, 0xFFF6} << QList<int>{-10, 40} << 0;
    QTest::newRow("no choices: in-shot value") << QList<uint>{} << QList<int>{} << 2;
}

void TestExposureReaders::aperture()
{
    QFETCH(QList<uint>, codes);
    QFETCH(QList<int>, list);
    QFETCH(int, inShotReads);
    offer("aperture", {codes.cbegin(), codes.cend()}, 40);
    kvrsim::clearCallLogs();
    QSignalSpy changed(&adapter(), &DeviceAdapter::apertureChanged);
    for (int read = 0; read < 2; ++read)
        QCOMPARE(adapter().adp_KVR_func_api_Aperture_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(changed.count(), 2); // changed or not
    QCOMPARE(adapter().aperture(), short(40));
    QCOMPARE(callCount(m_index, "ExpInShot_GetAperture"), inShotReads);
    // The count stays the camera's; slots past the distinct values are empty.
    QCOMPARE(adapter().apertureCapabilityNum(), int(codes.size()));
    for (int i = 0; i <= codes.size(); ++i)
        QCOMPARE(int(adapter().apertureCapabilityValue(i)), i < list.size() ? list.at(i) : i < codes.size() ? 0 : -1);
}

void TestExposureReaders::valueLists()
{
    offer("iso", {0xFFFFFFFF, 100, 200}, 100);
    offer("isoGain", {0, 3}, 3);
    offer("shutterSpeedAngle", {90, 180}, 180);
    QCOMPARE(adapter().isoCapabilityValue(2), 200);
    QCOMPARE(adapter().isoGainCapabilityNum(), 2);
    QCOMPARE(adapter().isoGainCapabilityValue(1), 3);
    QCOMPARE(adapter().isoGain(), 3);
    QCOMPARE(adapter().shutterSpeedAngleCapabilityNum(), 2);
    QCOMPARE(adapter().shutterSpeedAngleCapabilityValue(1), 180);
    QCOMPARE(adapter().shutterSpeedAngle(), 180);
    // A shorter list leaves nothing of the longer one behind its count.
    offer("iso", {400}, 400);
    offer("shutterSpeedAngle", {90}, 90);
    QCOMPARE(adapter().isoCapabilityValue(1), 0);
    QCOMPARE(adapter().shutterSpeedAngleCapabilityValue(1), 0);
}

void TestExposureReaders::exposureLimits()
{
    offer("exposure", {0x8003, 0, 3}, 0);
    QCOMPARE(adapter().exposureRangeMin(), int(Utilities::Expo_M3_3));
    QCOMPARE(adapter().exposureRangeMax(), int(Utilities::Expo_P3_3));
    // 0 EV and codes outside the table leave a limit as it was.
    offer("exposure", {0, 5}, 0);
    QCOMPARE(adapter().exposureRangeMin(), int(Utilities::Expo_M3_3));
    QCOMPARE(adapter().exposureRangeMax(), int(Utilities::Expo_P5_3));
    offer("exposure", {0x8001, 0x1234}, 0);
    QCOMPARE(adapter().exposureRangeMin(), int(Utilities::Expo_M1_3));
    QCOMPARE(adapter().exposureRangeMax(), int(Utilities::Expo_P5_3));
}

void TestExposureReaders::systemFrequencyFallback()
{
    offer("systemFrequency", {0, 2}, 2);
    // Only result 1 counts: anything else falls back to the frequency read,
    // which leaves the offered frequencies as they were.
    kvrsim::setOffered(m_index, "systemFrequency", {1});
    kvrsim::failNext("SetupCfgInfo_GetCapability", 1, 2);
    adapter().adp_KVR_func_api_SetupCfgInfo_GetCapability();
    QCOMPARE(adapter().systemFrequencyCapability(Utilities::SFQ_PAL), Utilities::Ternary_False);
    QCOMPARE(adapter().systemFrequencyCapability(Utilities::SFQ_CINEMA), Utilities::Ternary_True);
}

void TestExposureReaders::afInfoSignals()
{
    QStringList order;
    connect(&adapter(), &DeviceAdapter::af_frame_info_Changed, this, [&] { order << "frame"; });
    connect(&adapter(), &DeviceAdapter::af_pdaf_frame_numChanged, this, [&] { order << "pdaf"; });
    connect(&adapter(), &DeviceAdapter::af_detect_frame_info_Changed, this, [&] { order << "detect"; });
    auto read = [&](quint16 afState) {
        kvrsim::updateStatus(m_index, [&](kvrsim::StatusValues &s) { s.afState = afState; });
        order.clear();
        return adapter().adp_KVR_func_api_GetAFInfo();
    };
    QCOMPARE(read(0), Utilities::Ternary_True);
    QCOMPARE(order, QStringList({"frame", "detect"}));
    // The phase-detection frames are announced only when they moved.
    QCOMPARE(read(3), Utilities::Ternary_True);
    QCOMPARE(order, QStringList({"frame", "pdaf", "detect"}));
    QCOMPARE(read(3), Utilities::Ternary_True);
    QCOMPARE(order, QStringList({"frame", "detect"}));
    kvrsim::failNext("GetAFInfo", 1);
    QCOMPARE(read(4), Utilities::Ternary_False);
    QVERIFY(order.isEmpty());
}

// The readers that change nothing when the camera's answer is a failure.
const struct
{
    const char *row;
    Reader reader;
    const char *function;
} kStrictReaders[] = {
    {"white balance", &DeviceAdapter::adp_KVR_func_api_WB_GetCapability, "WB_GetCapability"},
    {"aperture", &DeviceAdapter::adp_KVR_func_api_Aperture_GetCapability, "Aperture_GetCapability"},
    {"shutter", &DeviceAdapter::adp_KVR_func_api_SS_Get_Capability, "SS_Get_Capability"},
    {"iso", &DeviceAdapter::adp_KVR_func_api_ISO_GetCapability, "ISO_GetCapability"},
    {"exposure", &DeviceAdapter::adp_KVR_func_api_Exposure_GetCapability, "Exposure_GetCapability"},
    {"record preview", &DeviceAdapter::adp_KVR_func_api_RecPreview_Cfg_GetCapability, "RecPreview_Cfg_GetCapability"},
};

void TestExposureReaders::failedReadChangesNothing_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kStrictReaders)); ++i)
        QTest::newRow(kStrictReaders[i].row) << i;
}

void TestExposureReaders::failedReadChangesNothing()
{
    QFETCH(int, row);
    DeviceAdapter &a = adapter();
    for (const auto &r : kStrictReaders)
        QCOMPARE((a.*r.reader)(), Utilities::Ternary_True);
    auto shown = [&] {
        QVariantList v;
        v << a.whiteBalance() << a.whiteBalanceCapabilityNum() << a.aperture() << a.apertureCapabilityNum()
          << a.shutterSpeed() << a.shutterSpeedAngle() << a.iso() << a.isoCapabilityNum() << a.isoGain()
          << a.exposureVal() << a.exposureRangeMin() << a.recPreviewMode() << a.recPreviewModeCapabilityNum();
        return v;
    };
    const QVariantList before = shown();
    kvrsim::setOffered(m_index, "whiteBalance", {2});
    kvrsim::setOffered(m_index, "aperture", {});
    for (const char *name : {"shutterSpeedAngle", "iso", "isoGain", "exposure", "recPreviewMode"})
        kvrsim::setOffered(m_index, name, {1});
    const auto &failing = kStrictReaders[row];
    kvrsim::failNext(failing.function, 1);
    QSignalSpy apertureShown(&a, &DeviceAdapter::apertureChanged);
    QCOMPARE((a.*failing.reader)(), Utilities::Ternary_False);
    QCOMPARE(shown(), before);
    QCOMPARE(apertureShown.count(), 0);
}

QTEST_GUILESS_MAIN(TestExposureReaders)
#include "tst_exposurereaders.moc"
