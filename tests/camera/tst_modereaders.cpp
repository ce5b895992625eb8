// The recording-mode, drive, focus and metering capability readers against a
// connected simulated camera: the codes each camera list maps to, the rules
// that tie one reader's tables to another's, and a dial turned on the camera.

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

#include <string>
#include <vector>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "camera/DeviceAdapter.h"

using namespace kavrotether;
using Codes = std::vector<uint32_t>;
Q_DECLARE_METATYPE(Codes)

class TestModeReaders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_settings.isValid()); }
    void init();
    void cleanup() { m_fixture.stop(); }

    void readResults();
    void cameraModeTables();
    void intervalNarrowsDrive_data();
    void intervalNarrowsDrive();
    void picture4K6K_data();
    void picture4K6K();
    void customMultiAfMode_data();
    void customMultiAfMode();
    void meteringHlg();
    void driveDialTurned();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }

    test::IsolatedSettings m_settings;
    test::AdapterFixture m_fixture;
    int m_camera = -1;
};

void TestModeReaders::init()
{
    QVERIFY(m_fixture.start());
    m_camera = m_fixture.connectWithoutReading();
    QVERIFY(m_camera >= 0);
}

void TestModeReaders::readResults()
{
    // An unanswered camera-mode read fails although the status read that
    // follows it succeeds; any answer but 0 counts, except for the AF/MF
    // configuration.
    kvrsim::clearCallLogs();
    kvrsim::failNext("CameraMode_GetCapability", 1);
    QCOMPARE(adapter().adp_KVR_func_api_CameraMode_GetCapability(), Utilities::Ternary_False);
    const std::vector<std::string> calls = kvrsim::callLog(m_camera);
    QVERIFY(std::find(calls.begin(), calls.end(), "Get_Rec_Info") != calls.end());
    kvrsim::failNext("RecInfo_BurstBracket_GetCapability", 1, 2);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_BurstBracket_GetCapability(), Utilities::Ternary_True);
    kvrsim::failNext("AFMF_Cfg2_GetCapability", 1, 2);
    QCOMPARE(adapter().adp_KVR_func_api_AFMF_Cfg2_GetCapability(), Utilities::Ternary_False);
}

void TestModeReaders::cameraModeTables()
{
    kvrsim::setOffered(m_camera, "recordingMode", {0, 6, 7, 11, 12});
    kvrsim::turnDial(m_camera, "recordingMode", 11);
    QCOMPARE(adapter().adp_KVR_func_api_CameraMode_GetCapability(), Utilities::Ternary_True);
    // Codes 6 and 11 are no recording modes; the count is the camera's.
    QCOMPARE(adapter().recordingModeCapabilityNum(), 5);
    QCOMPARE(adapter().recordingModeCapability(Utilities::RM_ProgramAE), Utilities::Ternary_True);
    QCOMPARE(adapter().recordingModeCapability(Utilities::RM_IntelligentAuto), Utilities::Ternary_True);
    QCOMPARE(adapter().recordingModeCapability(Utilities::RM_SQMotion), Utilities::Ternary_True);
    QCOMPARE(adapter().recordingModeCapability(Utilities::RM_Custom1), Utilities::Ternary_False);
    QCOMPARE(int(adapter().recordingMode()), -1);
    for (int scene = 0; scene < Utilities::RM_SG_Max; ++scene)
        QCOMPARE(adapter().sceneGuideSceneCapability(Utilities::SceneGuideScene(scene)), Utilities::Ternary_True);
}

void TestModeReaders::intervalNarrowsDrive_data()
{
    QTest::addColumn<Codes>("intervalModes");
    QTest::addColumn<uint32_t>("intervalMode");
    QTest::addColumn<bool>("interval");
    QTest::addColumn<bool>("komadori");
    QTest::addColumn<Utilities::DriveMode>("drive");
    QTest::newRow("both") << Codes{0, 1} << 0u << true << true << Utilities::DM_Interval;
    QTest::newRow("komadori only") << Codes{1} << 1u << false << true << Utilities::DM_Komadori;
    QTest::newRow("interval only") << Codes{0} << 0u << true << false << Utilities::DM_Interval;
}

void TestModeReaders::intervalNarrowsDrive()
{
    QFETCH(Codes, intervalModes);
    QFETCH(uint32_t, intervalMode);
    QFETCH(bool, interval);
    QFETCH(bool, komadori);
    QFETCH(Utilities::DriveMode, drive);
    kvrsim::setOffered(m_camera, "intervalMode", intervalModes);
    kvrsim::turnDial(m_camera, "intervalMode", intervalMode);
    kvrsim::turnDial(m_camera, "driveMode", 4);
    QCOMPARE(adapter().adp_KVR_func_api_CameraMode_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().driveModeCapability(Utilities::DM_Interval), Utilities::Ternary_True);
    QCOMPARE(adapter().driveModeCapability(Utilities::DM_Komadori), Utilities::Ternary_True);
    QCOMPARE(adapter().driveMode(), Utilities::DM_Interval);

    for (int pass = 0; pass < 2; ++pass) {
        // A camera-mode read after the interval mode is known keeps the drive.
        if (pass == 1)
            QCOMPARE(adapter().adp_KVR_func_api_CameraMode_GetCapability(), Utilities::Ternary_True);
        QCOMPARE(adapter().adp_KVR_func_api_IntervalInfo_GetCapability(), Utilities::Ternary_True);
        QCOMPARE(adapter().driveModeCapability(Utilities::DM_Interval) == Utilities::Ternary_True, interval);
        QCOMPARE(adapter().driveModeCapability(Utilities::DM_Komadori) == Utilities::Ternary_True, komadori);
        QCOMPARE(adapter().driveMode(), drive);
    }
}

void TestModeReaders::picture4K6K_data()
{
    QTest::addColumn<uint32_t>("type");
    QTest::addColumn<uint32_t>("frame");
    QTest::addColumn<int>("value");
    QTest::newRow("pre-burst 6K") << 1u << 2u << int(Utilities::PQQ_6K_30p_PreBurst);
    QTest::newRow("burst 4K 30p") << 2u << 0u << int(Utilities::PQQ_4K_30p_Burst);
    QTest::newRow("unknown type") << 4u << 0u << -1;
    QTest::newRow("frame above 6K") << 1u << 3u << -1;
}

void TestModeReaders::picture4K6K()
{
    QFETCH(uint32_t, type);
    QFETCH(uint32_t, frame);
    QFETCH(int, value);
    kvrsim::setOffered(m_camera, "picture4K6KFrame", {2});
    kvrsim::turnDial(m_camera, "picture4K6KType", type);
    kvrsim::turnDial(m_camera, "picture4K6KFrame", frame);
    QCOMPARE(adapter().adp_KVR_func_api_CameraMode_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_4K6K_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(int(adapter().picture4K6K()), value);
    // Three burst types, one frame rate: only the 6K modes are offered.
    QCOMPARE(adapter().picture4K6KCapabilityNum(), 3);
    for (int v = 0; v < Utilities::PQQ_Max; ++v)
        QCOMPARE(adapter().picture4K6KCapability(Utilities::Picture4K6K(v)) == Utilities::Ternary_True, v <= 2);
}

void TestModeReaders::customMultiAfMode_data()
{
    QTest::addColumn<uint32_t>("shape");
    QTest::addColumn<uint32_t>("afCode");
    QTest::addColumn<int>("offeredCustom");
    QTest::addColumn<Utilities::AutoFocusMode>("afMode");
    QTest::addColumn<Utilities::CustomMulti>("customMulti");
    QTest::newRow("custom 2") << 5u << 5u << int(Utilities::AFM_CustomC2) << Utilities::AFM_CustomC2
                              << Utilities::CSTM_Custom2;
    QTest::newRow("shape code 3") << 3u << 5u << -1 << Utilities::AFM_CustomVertical << Utilities::CSTM_Unknown;
    QTest::newRow("tracking") << 4u << 2u << int(Utilities::AFM_CustomC1) << Utilities::AFM_Tracking
                              << Utilities::CSTM_Custom1;
}

void TestModeReaders::customMultiAfMode()
{
    QFETCH(uint32_t, shape);
    QFETCH(uint32_t, afCode);
    QFETCH(int, offeredCustom);
    QFETCH(Utilities::AutoFocusMode, afMode);
    QFETCH(Utilities::CustomMulti, customMulti);
    kvrsim::turnDial(m_camera, "customMulti", shape);
    kvrsim::turnDial(m_camera, "autoFocusMode", afCode);
    QCOMPARE(adapter().adp_KVR_func_api_AF_Config_GetCapability(), Utilities::Ternary_True);
    for (int v = Utilities::AFM_CustomVertical; v <= Utilities::AFM_CustomC3; ++v)
        QCOMPARE(adapter().autoFocusModeCapability(Utilities::AutoFocusMode(v)) == Utilities::Ternary_True,
                 v == offeredCustom);
    QCOMPARE(adapter().autoFocusModeCapability(Utilities::AFM_FullArea), Utilities::Ternary_True);
    QCOMPARE(adapter().autoFocusMode(), afMode);
    QCOMPARE(adapter().customMulti(), customMulti);
}

void TestModeReaders::meteringHlg()
{
    QSignalSpy support(&adapter(), &DeviceAdapter::pscSupportHLGChanged);
    kvrsim::setOffered(m_camera, "hlgShootingType", {0, 2});
    kvrsim::turnDial(m_camera, "hlgShootingType", 2);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_Metering_GetCapability(), Utilities::Ternary_True);
    QVERIFY(adapter().pscSupportHLG());
    QVERIFY(adapter().pscEnableHLG());
    QCOMPARE(adapter().pscHlgShootingType(), 2);
    for (int type = 0; type < 4; ++type)
        QCOMPARE(adapter().hlgShootingTypeCapability(type) == Utilities::Ternary_True, type == 0 || type == 2);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_Metering_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(support.count(), 1);

    // A failed read withdraws HLG at once.
    kvrsim::failNext("RecInfo_Metering_GetCapability", 1);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_Metering_GetCapability(), Utilities::Ternary_False);
    QVERIFY(!adapter().pscSupportHLG());
    QVERIFY(!adapter().pscEnableHLG());
    QCOMPARE(adapter().hlgShootingTypeCapability(2), Utilities::Ternary_False);
    QCOMPARE(support.count(), 2);
    QCOMPARE(support.last().at(0).toBool(), false);
}

void TestModeReaders::driveDialTurned()
{
    QSignalSpy drive(&adapter(), &DeviceAdapter::driveModeChanged);
    kvrsim::turnDial(m_camera, "driveMode", 1);
    m_fixture.deliverAndRun();
    QCOMPARE(adapter().driveMode(), Utilities::DM_Burst);
    QCOMPARE(drive.count(), 1);
    QCOMPARE(adapter().driveModeCapabilityNum(), 11);
    QCOMPARE(adapter().driveModeCapability(Utilities::DM_HANDHELD_HRS), Utilities::Ternary_True);
}

QTEST_MAIN(TestModeReaders)
#include "tst_modereaders.moc"
