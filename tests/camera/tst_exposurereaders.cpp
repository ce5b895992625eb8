// The exposure, white-balance, record-preview, system-frequency and AF
// information readers against a simulated camera: what the camera offers
// becomes flags, counts and lists, its current code the property, and a
// dial turned on the camera reaches the property through its event.
#include <QSignalSpy>
#include <QtTest>

#include <functional>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"

using namespace kavrotether;
using test::callCount;

using Reader = Utilities::Ternary (DeviceAdapter::*)();
using FlagCheck = std::function<bool(DeviceAdapter &, int)>;
Q_DECLARE_METATYPE(Reader)
Q_DECLARE_METATYPE(FlagCheck)

class TestExposureReaders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.stop(); }

    void whiteBalance_data();
    void whiteBalance();
    void whiteBalanceKSetAndAdjustments();
    void aperture_data();
    void aperture();
    void shutterSpeed();
    void isoLists();
    void exposureLimits();
    void recPreviewUnknownCode();
    void systemFrequency();
    void afInfoSignals();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();
    void dialTurnedOnCamera_data();
    void dialTurnedOnCamera();

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
    kvrsim::clearCallLogs();
}

void TestExposureReaders::whiteBalance_data()
{
    QTest::addColumn<QList<uint>>("codes");
    QTest::addColumn<uint>("current");
    QTest::addColumn<QList<int>>("offered");
    QTest::addColumn<int>("value");
    QTest::newRow("mapped") << QList<uint>{2, 0x8014, 0x8013} << 0x8013u
                            << QList<int>{Utilities::WB_Auto, Utilities::WB_Auto_Cool, Utilities::WB_K_Set4}
                            << int(Utilities::WB_K_Set4);
    QTest::newRow("code 3 skipped") << QList<uint>{3, 4} << 3u << QList<int>{Utilities::WB_Daylight} << -1;
    QTest::newRow("past the table") << QList<uint>{0x8016} << 0x8016u << QList<int>{} << -1;
}

void TestExposureReaders::whiteBalance()
{
    QFETCH(QList<uint>, codes);
    QFETCH(uint, current);
    QFETCH(QList<int>, offered);
    QFETCH(int, value);
    offer("whiteBalance", {codes.cbegin(), codes.cend()}, current);
    QCOMPARE(adapter().adp_KVR_func_api_WB_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().whiteBalanceCapabilityNum(), int(codes.size()));
    for (int v = -1; v <= Utilities::WB_Max; ++v)
        QCOMPARE(adapter().whiteBalanceCapability(Utilities::WhiteBalance(v)) == Utilities::Ternary_True,
                 offered.contains(v));
    QCOMPARE(int(adapter().whiteBalance()), value);
}

void TestExposureReaders::whiteBalanceKSetAndAdjustments()
{
    offer("whiteBalanceKSet", {2500, 2550, 1234}, 2550);
    kvrsim::turnDial(m_index, "wbAdjustAB", 0x800A);
    kvrsim::turnDial(m_index, "wbAdjustGM", 0);
    kvrsim::turnDial(m_index, "wbAdjustABSep", 11);
    QCOMPARE(adapter().adp_KVR_func_api_WB_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().whiteBalanceKSetCapabilityNum(), 3);
    QCOMPARE(adapter().whiteBalanceKSetCapability(Utilities::WBK_2550), Utilities::Ternary_True);
    QCOMPARE(adapter().whiteBalanceKSetCapability(Utilities::WBK_2600), Utilities::Ternary_False);
    QCOMPARE(adapter().whiteBalanceKSet(), Utilities::WBK_2550);
    QCOMPARE(adapter().wbAdjustAB(), Utilities::WBAdj_M10);
    QCOMPARE(adapter().wbAdjustGM(), Utilities::WBAdj_Zero);
    QCOMPARE(int(adapter().wbAdjustABSep()), -1);
}

void TestExposureReaders::aperture_data()
{
    QTest::addColumn<QList<uint>>("codes");
    QTest::addColumn<uint>("current");
    QTest::addColumn<QList<int>>("list");
    QTest::addColumn<int>("inShotReads");
    QTest::newRow("sorted, once each") << QList<uint>{56, 28, 40, 28} << 40u << QList<int>{28, 40, 56} << 0;
    QTest::newRow("signed") << QList<uint>{20, 0xFFF6} << 20u << QList<int>{-10, 20} << 0;
    QTest::newRow("no choices: in-shot value") << QList<uint>{} << 35u << QList<int>{} << 2;
}

void TestExposureReaders::aperture()
{
    QFETCH(QList<uint>, codes);
    QFETCH(uint, current);
    QFETCH(QList<int>, list);
    QFETCH(int, inShotReads);
    offer("aperture", {codes.cbegin(), codes.cend()}, current);
    QSignalSpy changed(&adapter(), &DeviceAdapter::apertureChanged);
    for (int read = 0; read < 2; ++read)
        QCOMPARE(adapter().adp_KVR_func_api_Aperture_GetCapability(), Utilities::Ternary_True);
    // Announced on every read, changed or not.
    QCOMPARE(changed.count(), 2);
    QCOMPARE(adapter().aperture(), short(current));
    QCOMPARE(callCount(m_index, "ExpInShot_GetAperture"), inShotReads);
    // The count stays the camera's; slots past the distinct values are empty.
    QCOMPARE(adapter().apertureCapabilityNum(), int(codes.size()));
    for (int i = 0; i < codes.size(); ++i)
        QCOMPARE(int(adapter().apertureCapabilityValue(i)), i < list.size() ? list.at(i) : 0);
    QCOMPARE(adapter().apertureCapabilityValue(int(codes.size())), short(-1));
}

void TestExposureReaders::shutterSpeed()
{
    // Without a list the in-shot speed is the one offered.
    offer("shutterSpeed", {}, 0x1E848);
    QSignalSpy changed(&adapter(), &DeviceAdapter::shutterSpeedChanged);
    QCOMPARE(adapter().adp_KVR_func_api_SS_Get_Capability(), Utilities::Ternary_True);
    QCOMPARE(callCount(m_index, "ExpInShot_GetSS"), 1);
    QCOMPARE(adapter().shutterSpeedCapabilityNum(), 0);
    QCOMPARE(adapter().shutterSpeedCapability(Utilities::SS_125), Utilities::Ternary_True);
    QCOMPARE(adapter().shutterSpeed(), Utilities::SS_125);

    // An unknown code is skipped in the list and gives Unknown as value.
    offer("shutterSpeed", {2000, 0x12345, 4000}, 0x12345);
    offer("shutterSpeedAngle", {90, 180}, 180);
    changed.clear();
    QCOMPARE(adapter().adp_KVR_func_api_SS_Get_Capability(), Utilities::Ternary_True);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(callCount(m_index, "ExpInShot_GetSS"), 0);
    QCOMPARE(adapter().shutterSpeedCapabilityNum(), 3);
    QCOMPARE(adapter().shutterSpeedCapability(Utilities::SS_2), Utilities::Ternary_True);
    QCOMPARE(adapter().shutterSpeedCapability(Utilities::SS_125), Utilities::Ternary_False);
    QCOMPARE(int(adapter().shutterSpeed()), -1);
    QCOMPARE(adapter().shutterSpeedAngleCapabilityNum(), 2);
    QCOMPARE(adapter().shutterSpeedAngleCapabilityValue(1), 180);
    QCOMPARE(adapter().shutterSpeedAngleCapabilityValue(2), 0);
    QCOMPARE(adapter().shutterSpeedAngle(), 180);
}

void TestExposureReaders::isoLists()
{
    offer("iso", {0xFFFFFFFF, 100, 200}, 100);
    offer("isoGain", {0, 1}, 1);
    QCOMPARE(adapter().adp_KVR_func_api_ISO_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().isoCapability(Utilities::ISO_Auto), Utilities::Ternary_True);
    QCOMPARE(adapter().isoCapability(Utilities::ISO_100), Utilities::Ternary_False);
    QCOMPARE(adapter().isoCapabilityNum(), 3);
    QCOMPARE(adapter().isoCapabilityValue(2), 200);
    QCOMPARE(adapter().iso(), 100);
    QCOMPARE(adapter().isoGainCapabilityNum(), 2);
    QCOMPARE(adapter().isoGain(), 1);

    // A shorter list leaves nothing of the longer one behind its count.
    offer("iso", {400}, 400);
    QCOMPARE(adapter().adp_KVR_func_api_ISO_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().isoCapabilityValue(0), 400);
    QCOMPARE(adapter().isoCapabilityValue(1), 0);
    QCOMPARE(adapter().isoCapability(Utilities::ISO_Auto), Utilities::Ternary_False);
}

void TestExposureReaders::exposureLimits()
{
    offer("exposure", {0x8003, 0, 3}, 3);
    QCOMPARE(adapter().adp_KVR_func_api_Exposure_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().exposureRangeMin(), int(Utilities::Expo_M3_3));
    QCOMPARE(adapter().exposureRangeMax(), int(Utilities::Expo_P3_3));
    QCOMPARE(adapter().exposureVal(), Utilities::Expo_P3_3);

    // 0 EV and codes outside the table leave a limit as it was.
    offer("exposure", {0, 5}, 0);
    QCOMPARE(adapter().adp_KVR_func_api_Exposure_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().exposureRangeMin(), int(Utilities::Expo_M3_3));
    QCOMPARE(adapter().exposureRangeMax(), int(Utilities::Expo_P5_3));
    offer("exposure", {0x8001, 0x1234}, 0x1234);
    QCOMPARE(adapter().adp_KVR_func_api_Exposure_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().exposureRangeMin(), int(Utilities::Expo_M1_3));
    QCOMPARE(adapter().exposureRangeMax(), int(Utilities::Expo_P5_3));
    QCOMPARE(int(adapter().exposureVal()), -1);
    QCOMPARE(adapter().exposureValCapabilityNum(), 2);
    QCOMPARE(adapter().exposureValCapability(Utilities::Expo_M1_3), Utilities::Ternary_True);
}

void TestExposureReaders::recPreviewUnknownCode()
{
    offer("recPreviewMode", {0, 3}, 1);
    kvrsim::turnDial(m_index, "recPreviewMode", 3);
    QCOMPARE(adapter().adp_KVR_func_api_RecPreview_Cfg_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().recPreviewMode(), Utilities::RecPreviw_Expousure);
    QCOMPARE(adapter().recPreviewModeCapabilityNum(), 2);
    QCOMPARE(adapter().recPreviewModeCapability(Utilities::RecPreviw_Off), Utilities::Ternary_True);
    QCOMPARE(adapter().recPreviewModeCapability(Utilities::RecPreviw_Expousure), Utilities::Ternary_False);
}

void TestExposureReaders::systemFrequency()
{
    offer("systemFrequency", {0, 2, 7}, 2);
    QCOMPARE(adapter().adp_KVR_func_api_SetupCfgInfo_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().systemFrequency(), Utilities::SFQ_CINEMA);
    QCOMPARE(adapter().systemFrequencyCapability(Utilities::SFQ_PAL), Utilities::Ternary_False);
    QCOMPARE(adapter().systemFrequencyCapability(Utilities::SFQ_CINEMA), Utilities::Ternary_True);
    QCOMPARE(callCount(m_index, "SetupConfig_Get_SystemFreq_Mode"), 0);
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

void TestExposureReaders::failedReadChangesNothing_data()
{
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<QString>("function");
    QTest::newRow("white balance") << &DeviceAdapter::adp_KVR_func_api_WB_GetCapability << "WB_GetCapability";
    QTest::newRow("aperture") << &DeviceAdapter::adp_KVR_func_api_Aperture_GetCapability << "Aperture_GetCapability";
    QTest::newRow("shutter") << &DeviceAdapter::adp_KVR_func_api_SS_Get_Capability << "SS_Get_Capability";
    QTest::newRow("iso") << &DeviceAdapter::adp_KVR_func_api_ISO_GetCapability << "ISO_GetCapability";
    QTest::newRow("exposure") << &DeviceAdapter::adp_KVR_func_api_Exposure_GetCapability << "Exposure_GetCapability";
    QTest::newRow("record preview") << &DeviceAdapter::adp_KVR_func_api_RecPreview_Cfg_GetCapability
                                    << "RecPreview_Cfg_GetCapability";
}

void TestExposureReaders::failedReadChangesNothing()
{
    QFETCH(Reader, reader);
    QFETCH(QString, function);
    const Reader all[] = {&DeviceAdapter::adp_KVR_func_api_WB_GetCapability,
                          &DeviceAdapter::adp_KVR_func_api_Aperture_GetCapability,
                          &DeviceAdapter::adp_KVR_func_api_SS_Get_Capability,
                          &DeviceAdapter::adp_KVR_func_api_ISO_GetCapability,
                          &DeviceAdapter::adp_KVR_func_api_Exposure_GetCapability,
                          &DeviceAdapter::adp_KVR_func_api_RecPreview_Cfg_GetCapability};
    for (Reader r : all)
        QCOMPARE((adapter().*r)(), Utilities::Ternary_True);
    DeviceAdapter &a = adapter();
    auto shown = [&] {
        return QVariantList{a.whiteBalance(),
                            a.whiteBalanceCapabilityNum(),
                            a.aperture(),
                            a.apertureCapabilityNum(),
                            a.shutterSpeed(),
                            a.shutterSpeedAngle(),
                            a.iso(),
                            a.isoCapabilityNum(),
                            a.isoGain(),
                            a.exposureVal(),
                            a.exposureRangeMin(),
                            a.recPreviewMode(),
                            a.recPreviewModeCapabilityNum()};
    };
    const QVariantList before = shown();
    kvrsim::setOffered(m_index, "whiteBalance", {2});
    kvrsim::setOffered(m_index, "aperture", {});
    for (const char *name : {"shutterSpeedAngle", "iso", "isoGain", "exposure", "recPreviewMode"})
        kvrsim::setOffered(m_index, name, {1});
    kvrsim::failNext(function.toStdString(), 1);
    QSignalSpy apertureShown(&a, &DeviceAdapter::apertureChanged);
    QCOMPARE((a.*reader)(), Utilities::Ternary_False);
    QCOMPARE(shown(), before);
    QCOMPARE(apertureShown.count(), 0);
}

void TestExposureReaders::dialTurnedOnCamera_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<uint>("code");
    QTest::addColumn<int>("value");
    QTest::addColumn<FlagCheck>("offered");
    QTest::newRow("white balance") << "whiteBalance" << 0x8008u << int(Utilities::WB_Cloud)
                                   << FlagCheck([](DeviceAdapter &a, int v) {
                                          return a.whiteBalanceCapability(Utilities::WhiteBalance(v));
                                      });
    QTest::newRow("exposure") << "exposureVal" << 3u << int(Utilities::Expo_P3_3)
                              << FlagCheck([](DeviceAdapter &a, int v) {
                                     return a.exposureValCapability(Utilities::Exposure(v));
                                 });
    QTest::newRow("shutter speed") << "shutterSpeed" << 0x3D090u << int(Utilities::SS_250)
                                   << FlagCheck([](DeviceAdapter &a, int v) {
                                          return a.shutterSpeedCapability(Utilities::ShutterSpeed(v));
                                      });
    QTest::newRow("aperture") << "aperture" << 56u << 56
                              << FlagCheck([](DeviceAdapter &a, int v) { return a.apertureCapability(short(v)); });
    QTest::newRow("record preview") << "recPreviewMode" << 2u << 2 << FlagCheck([](DeviceAdapter &a, int v) {
        return a.recPreviewModeCapability(Utilities::RecPreviewMode(v));
    });
    QTest::newRow("frequency") << "systemFrequency" << 1u << int(Utilities::SFQ_PAL)
                               << FlagCheck([](DeviceAdapter &a, int v) {
                                      return a.systemFrequencyCapability(Utilities::SystemFrequency(v));
                                  });
}

void TestExposureReaders::dialTurnedOnCamera()
{
    QFETCH(QString, setting);
    QFETCH(uint, code);
    QFETCH(int, value);
    QFETCH(FlagCheck, offered);
    const QString simName = setting == QLatin1String("exposureVal") ? QStringLiteral("exposure") : setting;
    const QMetaProperty property = adapter().metaObject()->property(
        adapter().metaObject()->indexOfProperty(setting.toLatin1().constData()));
    QSignalSpy changed(&adapter(), property.notifySignal());
    kvrsim::turnDial(m_index, simName.toStdString(), code);
    m_fixture.deliverAndRun();
    QVERIFY(changed.count() >= 1);
    QCOMPARE(property.read(&adapter()).toInt(), value);
    QVERIFY(offered(adapter(), value));
    int count = -1;
    QVERIFY(QMetaObject::invokeMethod(&adapter(), (setting + "CapabilityNum").toLatin1().constData(),
                                      Q_RETURN_ARG(int, count)));
    // The frequency reader keeps no count.
    const int offeredCount = int(kvrsim::offered(m_index, simName.toStdString()).size());
    QCOMPARE(count, setting == QLatin1String("systemFrequency") ? 0 : offeredCount);
}

QTEST_GUILESS_MAIN(TestExposureReaders)
#include "tst_exposurereaders.moc"
