// The recording-target offer, the power-saving tether modes and the lens's
// zoom range, read from a connected simulated camera.
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "QueuedSpy.h"
#include "camera/DeviceSearch.h"
#include "core/ApplicationData.h"
#include "flash/FlashAdapter.h"

using namespace kavrotether;

class TestSetupReaders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void fileTargetCodes_data();
    void fileTargetCodes();
    void powerSavingSupportIsAnnouncedAgainOnEveryRead();
    void zoomInformationFollowsTheCamerasNotice();
    void movieQualityTextsByIndex();
    void connectionReadsEverySetting();

private:
    std::unique_ptr<test::IsolatedSettings> m_settings;
    test::AdapterFixture m_fixture;
    FlashAdapter m_flash;
    int m_index = -1;
};

void TestSetupReaders::init()
{
    m_settings = std::make_unique<test::IsolatedSettings>();
    ApplicationData::setFlashAdapter(&m_flash);
    QVERIFY(m_fixture.start());
    m_index = m_fixture.connectWithoutReading();
    QVERIFY(m_index >= 0);
}

void TestSetupReaders::cleanup()
{
    m_fixture.stop();
    ApplicationData::setFlashAdapter(nullptr);
    m_settings.reset();
}
// The camera counts its targets camera, PC, both; the program camera, both, PC.
void TestSetupReaders::fileTargetCodes_data()
{
    QTest::addColumn<QList<uint>>("offered");
    QTest::addColumn<uint>("current");
    QTest::addColumn<int>("target");
    QTest::addColumn<QList<bool>>("flags"); // camera only, PC and camera, PC only

    QTest::newRow("PC only") << QList<uint>{1, 2} << 1u << int(Utilities::FLTG_PcOnly)
                             << QList<bool>{false, true, true};
    QTest::newRow("PC and camera") << QList<uint>{0, 2} << 2u << int(Utilities::FLTG_PcAndCamera)
                                   << QList<bool>{true, true, false};
    QTest::newRow("unknown code") << QList<uint>{0, 7} << 7u << int(Utilities::FLTG_Unknown)
                                  << QList<bool>{true, false, false};
}

void TestSetupReaders::fileTargetCodes()
{
    QFETCH(QList<uint>, offered);
    QFETCH(uint, current);
    QFETCH(int, target);
    QFETCH(QList<bool>, flags);
    kvrsim::setOffered(m_index, "fileTarget", std::vector<uint32_t>(offered.begin(), offered.end()));
    kvrsim::turnDial(m_index, "fileTarget", current);
    QCOMPARE(m_fixture->adp_KVR_func_api_SetupFilesCfgInfo_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(int(m_fixture->fileTarget()), target);
    for (int t = 0; t < flags.size(); ++t)
        QCOMPARE(m_fixture->fileTargetCapability(Utilities::FileTarget(t)) == Utilities::Ternary_True, flags.at(t));

    // Only the SDK's 1 is success; a refused read changes nothing.
    kvrsim::turnDial(m_index, "fileTarget", 0);
    kvrsim::failNext("SetupFilesCfgInfo_GetCapability", 1, 2);
    QCOMPARE(m_fixture->adp_KVR_func_api_SetupFilesCfgInfo_GetCapability(), Utilities::Ternary_False);
    QCOMPARE(int(m_fixture->fileTarget()), target);
}

void TestSetupReaders::powerSavingSupportIsAnnouncedAgainOnEveryRead()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    QSignalSpy support(&adapter, &DeviceAdapter::camSupportPowerSavingChanged);
    kvrsim::turnDial(m_index, "tetherMode", 1);
    // Once supported, every read announces false, then true.
    QCOMPARE(adapter.adp_KVR_func_api_PowerSaving_GetCapability(), Utilities::Ternary_True);
    QVERIFY(adapter.camSupportPowerSaving());
    support.clear();
    QCOMPARE(adapter.adp_KVR_func_api_PowerSaving_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(support.count(), 2);
    QCOMPARE(support.at(0).at(0).toBool(), false);
    QCOMPARE(support.at(1).at(0).toBool(), true);
    QCOMPARE(adapter.pwTetherConnectMode(), int(Utilities::PwTether_ON));
    QCOMPARE(adapter.pwTetherConnectModeCapability(Utilities::PwTether_OFF), Utilities::Ternary_True);
    QCOMPARE(adapter.pwTetherConnectModeCapability(Utilities::PwTether_StateTransition), Utilities::Ternary_False);
    QCOMPARE(adapter.pwTetherConnectModeCapabilityNum(), 2);

    // A failed read leaves the camera without power saving.
    kvrsim::failNext("PowerSaving_GetCapability", 1);
    QCOMPARE(adapter.adp_KVR_func_api_PowerSaving_GetCapability(), Utilities::Ternary_False);
    QVERIFY(!adapter.camSupportPowerSaving());
}

void TestSetupReaders::zoomInformationFollowsTheCamerasNotice()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    QSignalSpy tele(&adapter, &DeviceAdapter::zoomLensTeleChanged);
    kvrsim::emitEvent(0x120100A0, 0, kvrsim::uuidOf(m_index));
    m_fixture.deliverAndRun();
    QCOMPARE(tele.count(), 1);
    QVERIFY(adapter.zoomLensCtrlEnable());
    QCOMPARE(adapter.zoomLensTele(), 105u);
    QCOMPARE(adapter.zoomLensWide(), 24u);
    QCOMPARE(adapter.zoomLensLen(), 24u);
    // The same answer again announces nothing; an unanswered read clears the
    // four values, each announced once.
    QCOMPARE(adapter.adp_KVR_func_api_LensZoom_Get_Info(), Utilities::Ternary_True);
    QCOMPARE(tele.count(), 1);
    QSignalSpy enable(&adapter, &DeviceAdapter::zoomLensCtrlEnableChanged);
    kvrsim::failNext("LensZoom_Get_Info", 1);
    QCOMPARE(adapter.adp_KVR_func_api_LensZoom_Get_Info(), Utilities::Ternary_False);
    QCOMPARE(tele.count(), 2);
    QCOMPARE(enable.count(), 1);
    QVERIFY(!adapter.zoomLensCtrlEnable());
    QCOMPARE(adapter.zoomLensTele(), 0u);
    QCOMPARE(adapter.zoomLensLen(), 0u);
    kvrsim::failNext("LensZoom_Get_Info", 1);
    QCOMPARE(adapter.adp_KVR_func_api_LensZoom_Get_Info(), Utilities::Ternary_False);
    QCOMPARE(tele.count(), 2);
    // The capability record tells the same.
    QCOMPARE(adapter.adp_KVR_func_api_LensZoomInfo_GetCapability(), Utilities::Ternary_True);
    QVERIFY(adapter.zoomLensTele() > 0);
}

// The texts of the kept movie-quality list's entries, and nothing past it.
void TestSetupReaders::movieQualityTextsByIndex()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    QCOMPARE(adapter.mov_quality_list_data_frame_rate(0), QString());
    QCOMPARE(adapter.adp_KVR_func_api_Mov_Config_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List(), Utilities::Ternary_True);
    const QString rate = adapter.mov_quality_list_data_frame_rate(0);
    QVERIFY2(rate.endsWith(QLatin1Char('p')) || rate.endsWith(QLatin1Char('i')), qPrintable(rate));
    QVERIFY(!adapter.mov_quality_list_data_compression_method(0).isEmpty());
    QCOMPARE(adapter.mov_quality_list_data_frame_rate(512), QString());
    QCOMPARE(adapter.mov_quality_list_data_compression_method(uint(-1)), QString());
}

// The program's own reading after a connection completes, and every setting
// family has its offer and its value.
void TestSetupReaders::connectionReadsEverySetting()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    DeviceSearch::setConnectReadTables(nullptr);
    test::QueuedSpy reading(&adapter, &DeviceAdapter::camConnectStatusChanged);
    adapter.deviceSearch()->startGetConnectInitData();
    // Reading, then its outcome.
    while (reading.spy.count() < 2)
        QVERIFY(reading.spy.wait(10000));
    QCOMPARE(adapter.camConnectStatus(), int(Utilities::CamConnectSts_Success));
    QVERIFY(adapter.recordingModeCapabilityNum() > 0);
    QVERIFY(adapter.recordingMode() != Utilities::RM_Unknown);
    QVERIFY(adapter.apertureCapabilityNum() > 0);
    QVERIFY(adapter.shutterSpeedCapabilityNum() > 0);
    QVERIFY(adapter.whiteBalanceCapabilityNum() > 0);
    QVERIFY(adapter.whiteBalance() != Utilities::WB_Unknown);
    QVERIFY(adapter.imgInfoQualityCapabilityNum() > 0);
    QVERIFY(adapter.focusModeCapabilityNum() > 0);
    QVERIFY(adapter.photoStyleCapabilityNum() > 0);
    QVERIFY(adapter.movieFrameRateCapabilityNum() > 0);
    QVERIFY(adapter.fileTargetCapabilityNum() > 0 || adapter.fileTarget() != Utilities::FLTG_Unknown);
    QVERIFY(adapter.zoomLensTele() > 0);
    QVERIFY(m_flash.flashModeCapabilityNum() > 0);
}

QTEST_MAIN(TestSetupReaders)
#include "tst_setupreaders.moc"
