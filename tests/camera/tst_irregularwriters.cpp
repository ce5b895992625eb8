// The setting writers with rules of their own, against two connected
// simulated cameras: what each sends to the selected camera and to a camera
// that follows it by both rules, how a refusal is rolled back, and the edges
// each writer has.
#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "QueueTestSupport.h"
#include "QueuedSpy.h"
#include "camera/DeviceSearch.h"

using namespace kavrotether;
using U = Utilities;

namespace {

// One writer, driven through its property: the recording mode it needs
// first (-1: any), the value it starts from and the one written, the SDK
// calls it makes, the code the selected camera then holds, whether the
// follower gets it and what announces success.
struct WriterRow
{
    const char *write;
    const char *read;
    int mode;
    int old;
    int value;
    const char *call;
    const char *call2;
    const char *setting;
    uint code;
    bool mirrored;
    const char *success;
};

// clang-format off
const WriterRow kRows[] = {
    {"recordingMode", "recordingMode", -1, U::RM_ProgramAE, U::RM_ManualExposure, "CameraMode_Set_Mode_Pos", nullptr, "recordingMode", 3, true, "reflectFocusMode"},
    {"focusMode", "focusMode", -1, U::FM_AF, U::FM_MF, "AF_Config_Set_AF_Mode_Param", nullptr, "focusMode", 3, true, "focusModeInnerChanged"},
    // The recording mode, not the property written, says which is set.
    {"sqMotion", "creativeVideoAE", U::RM_CreativeVideo, 0, 3, "Mov_Config_Set_C_Movie_mode_Param", nullptr, "creativeVideoAE", 3, true, nullptr},
    {"creativeVideoAE", "sqMotion", U::RM_SQMotion, 0, 1, "Mov_Config_Set_C_Movie_mode_Param", nullptr, "creativeVideoAE", 1, false, nullptr},
    {"intervalMode", "intervalMode", -1, U::INTM_Interval, U::INTM_Komadori, "IntervalInfo_Set_Mode", nullptr, "intervalMode", 1, true, nullptr},
    {"picture4K6K", "picture4K6K", -1, U::PQQ_6K_30p_Burst, U::PQQ_4K_60p_Burst_SS, "CameraMode_Set_4k_Mode", "RecInfo_4K6K_Set_RecFormat_Param", "picture4K6KFrame", 1, true, nullptr},
    {"pictureSize", "pictureSize", -1, 0x0100, 0x0300, "ImageInfo_Set_ImageSize", nullptr, "pictureSize", 0x0300, true, "pictureSizeInnerChanged"},
    {"pscHlgShootingType", "pscHlgShootingType", -1, 0, 2, "RecInfo_HLG_Set_Cfg", nullptr, "hlgShootingType", 2, false, "hlgShootingTypeChanged"},
};
// clang-format on

QMetaMethod signalNamed(const char *name)
{
    const QMetaObject &mo = DeviceAdapter::staticMetaObject;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i)
        if (mo.method(i).methodType() == QMetaMethod::Signal && mo.method(i).name() == name)
            return mo.method(i);
    return {};
}

// Every setting a camera holds, to see that a refusal left it as it was.
QStringList settingsOf(int index)
{
    QStringList held;
    for (const std::string &name : kvrsim::settingNames())
        held << QString::fromStdString(name) + u'=' + QString::number(kvrsim::setting(index, name));
    return held;
}

int calls(int index, const char *function)
{
    if (!function)
        return 0;
    const auto log = kvrsim::callLog(index);
    return int(std::count(log.cbegin(), log.cend(), std::string(function)));
}

} // namespace

class TestIrregularWriters : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void writerReachesEachCameraOnce_data();
    void writerReachesEachCameraOnce();
    void refusalRollsBack_data() { writerReachesEachCameraOnce_data(); }
    void refusalRollsBack();
    void refusedProgramMovieModeIsWrittenBackOnce();
    void refusedIntervalModeBringsTheDriveModeBack();
    void combinedAdjustment();
    void picture4K6KOutsideItsTable_data();
    void picture4K6KOutsideItsTable();
    void pictureSizeFollowsEachCamerasOwnCode();
    void hlgOfAnotherCameraLeavesTheSelectedAlone();
    void photoStyleRequestsRunInQueueOrder();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }
    // Brings the row's setting to its old value through its own writer.
    void prepare(int row);
    // Runs the queue until the cameras' change events of what ran have
    // arrived and run too.
    void settle()
    {
        for (kvrsim::flush(); !m_fixture.receiver().pendingItems().empty(); kvrsim::flush())
            m_fixture.deliverAndRun();
    }
    std::unique_ptr<test::IsolatedSettings> m_settings;
    test::AdapterFixture m_fixture;
    QString m_selectedUuid;
    QString m_otherUuid;
    int m_selected = -1;
    int m_other = -1;
};

static const ConnectReadTables kNoReading{nullptr, 0, nullptr, 0};

// Two USB cameras; the one not selected follows by both rules at once
// ("All Cameras" with it in the saved list, and its send-command flag).
void TestIrregularWriters::init()
{
    m_settings = std::make_unique<test::IsolatedSettings>();
    DeviceSearch::setConnectReadTables(&kNoReading);
    QVERIFY(m_fixture.start());
    test::QueuedSpy reading(&adapter(), &DeviceAdapter::camConnectStatusChanged);
    QVERIFY(test::connectUsbCameras(adapter()));
    while (adapter().camConnectStatus() != U::CamConnectSts_Success)
        QVERIFY(reading.spy.wait(5000));
    settle();
    m_selectedUuid = adapter().camera_list_get_selected_camera_uuid();
    const QStringList uuids = adapter().cameraTableUuids();
    QCOMPARE(uuids.size(), 2);
    m_otherUuid = uuids.at(uuids.at(0) == m_selectedUuid ? 1 : 0);
    for (int i : kvrsim::cameras()) {
        if (QString::fromStdString(kvrsim::uuidOf(i)) == m_selectedUuid)
            m_selected = i;
        if (QString::fromStdString(kvrsim::uuidOf(i)) == m_otherUuid)
            m_other = i;
    }
    QCOMPARE(QString::fromStdString(kvrsim::profileOf(m_selected).serial), QStringLiteral("SIMA10000001"));
    test::loadKnownCameras(adapter(), {QString::fromStdString(kvrsim::profileOf(m_other).serial)});
    adapter().withCameraTable([&](QMap<QString, CameraInfo> &table) {
        table[m_otherUuid].powerOnMode = 1;
        table[m_otherUuid].sendCmdEnable = 1;
    });
    adapter().setBtnAllCameraStatusValue(U::BtnAllCameraStatus_Checked);
    // The second camera takes what the first does.
    for (const char *name : {"picture4K6KType", "picture4K6KFrame", "hlgShootingType"})
        kvrsim::setOffered(m_other, name, kvrsim::offered(m_selected, name));
    settle();
    kvrsim::clearCallLogs();
}

void TestIrregularWriters::cleanup()
{
    m_fixture.stop();
    DeviceSearch::setConnectReadTables(nullptr);
    m_settings.reset();
}

void TestIrregularWriters::writerReachesEachCameraOnce_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        QTest::newRow(kRows[i].write) << int(i);
}

void TestIrregularWriters::prepare(int row)
{
    const WriterRow &r = kRows[row];
    if (r.mode >= 0)
        adapter().setProperty("recordingMode", r.mode);
    adapter().setProperty(r.write, r.old);
    settle();
    QCOMPARE(adapter().property(r.read).toInt(), r.old);
    kvrsim::clearCallLogs();
}

void TestIrregularWriters::writerReachesEachCameraOnce()
{
    QFETCH(int, row);
    const WriterRow &r = kRows[row];
    prepare(row);
    QSignalSpy success(&adapter(), signalNamed(r.success ? r.success : "settingErrorNotify"));
    QSignalSpy error(&adapter(), &DeviceAdapter::settingErrorNotify);
    adapter().setProperty(r.write, r.value);
    settle();
    QCOMPARE(error.count(), 0);
    QCOMPARE(success.count(), r.success ? 1 : 0);
    QCOMPARE(kvrsim::setting(m_selected, r.setting), r.code);
    for (const char *call : {r.call, r.call2}) {
        QCOMPARE(calls(m_selected, call), call ? 1 : 0);
        QCOMPARE(calls(m_other, call), call && r.mirrored ? 1 : 0);
    }
    // The same value again sends nothing.
    adapter().setProperty(r.write, r.value);
    settle();
    QCOMPARE(calls(m_selected, r.call), 1);
}

// Only 1 is success: the selected camera's 2 is a refusal like any other.
// A two-code writer fails also when its second code alone is refused, and
// the camera is not left holding the half it took.
void TestIrregularWriters::refusalRollsBack()
{
    QFETCH(int, row);
    const WriterRow &r = kRows[row];
    prepare(row);
    const QStringList held = settingsOf(m_selected);
    QSignalSpy changed(&adapter(), signalNamed(QByteArray(r.read) + "Changed"));
    QSignalSpy error(&adapter(), &DeviceAdapter::settingErrorNotify);
    const std::string selected = m_selectedUuid.toStdString();
    for (const char *call : {r.call, r.call2})
        if (call)
            kvrsim::failNext(call, 1, 2, KVR_ERR_REFUSED, selected);
    adapter().setProperty(r.write, r.value);
    settle();
    QCOMPARE(error.count(), 1);
    QCOMPARE(adapter().property(r.read).toInt(), r.old);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), r.old);
    // The follower keeps what it took.
    QCOMPARE(calls(m_other, r.call), r.mirrored ? 1 : 0);
    QCOMPARE(settingsOf(m_selected), held);
    if (!r.call2)
        return;
    kvrsim::failNext(r.call2, 1, 0, KVR_ERR_REFUSED, selected);
    adapter().setProperty(r.write, r.value);
    settle();
    QCOMPARE(error.count(), 2);
    QCOMPARE(changed.at(1).at(0).toInt(), r.old);
    QCOMPARE(adapter().property(r.read).toInt(), r.old);
    QCOMPARE(settingsOf(m_selected), held);
}

// In the program-to-manual modes the displaced value goes back through the
// queue to every camera; a refusal of that write is the end of it.
void TestIrregularWriters::refusedProgramMovieModeIsWrittenBackOnce()
{
    DeviceAdapter &a = adapter();
    a.setRecordingModeValue(U::RM_ProgramAE);
    a.setShotModeStatusValue(U::Shot_Mode_Status_Photo);
    a.setCreativeVideoAE(U::RM_CV_ManualExposure);
    settle();
    QCOMPARE(calls(m_selected, "Mov_Config_Set_C_Movie_mode_Param"), 0);

    a.setShotModeStatusValue(U::Shot_Mode_Status_Movie);
    a.setCreativeVideoAEValue(U::RM_CV_ProgramAE);
    QSignalSpy changed(&a, &DeviceAdapter::creativeVideoAEChanged);
    QSignalSpy error(&a, &DeviceAdapter::settingErrorNotify);
    const std::string selected = m_selectedUuid.toStdString();
    kvrsim::failNext("Mov_Config_Set_C_Movie_mode_Param", 1, 0, KVR_ERR_REFUSED, selected);
    a.setCreativeVideoAE(U::RM_CV_ManualExposure);
    settle();
    QCOMPARE(error.count(), 1);
    QCOMPARE(int(a.creativeVideoAE()), int(U::RM_CV_ProgramAE));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), int(U::RM_CV_ProgramAE));
    QCOMPARE(kvrsim::setting(m_other, "creativeVideoAE"), 0u);
    QCOMPARE(calls(m_other, "Mov_Config_Set_C_Movie_mode_Param"), 2);

    // Both refused: two errors, and no third write.
    kvrsim::clearCallLogs();
    kvrsim::failNext("Mov_Config_Set_C_Movie_mode_Param", 2, 0, KVR_ERR_REFUSED, selected);
    a.setCreativeVideoAE(U::RM_CV_Dial);
    settle();
    QCOMPARE(error.count(), 3);
    QCOMPARE(calls(m_selected, "Mov_Config_Set_C_Movie_mode_Param"), 2);
}

// The interval kinds share one drive mode: the one put back brings it along.
void TestIrregularWriters::refusedIntervalModeBringsTheDriveModeBack()
{
    DeviceAdapter &a = adapter();
    a.setIntervalModeValue(U::INTM_Interval);
    a.setDriveModeValue(U::DM_Komadori);
    QStringList order;
    QObject listening;
    connect(&a, &DeviceAdapter::intervalModeChanged, &listening, [&](int v) { order << QString("i%1").arg(v); });
    connect(&a, &DeviceAdapter::driveModeChanged, &listening, [&](int v) { order << QString("d%1").arg(v); });
    kvrsim::failNext("IntervalInfo_Set_Mode", 1, 0, KVR_ERR_REFUSED, m_selectedUuid.toStdString());
    a.setIntervalMode(U::INTM_Komadori);
    settle();
    QCOMPARE(order, QStringList({"i0", "d4"}));
}

void TestIrregularWriters::picture4K6KOutsideItsTable_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("unknown") << int(U::PQQ_Unknown);
    QTest::newRow("max") << int(U::PQQ_Max);
    QTest::newRow("from QML") << 70000;
}

void TestIrregularWriters::picture4K6KOutsideItsTable()
{
    QFETCH(int, value);
    DeviceAdapter &a = adapter();
    a.setPicture4K6KValue(U::PQQ_4K_30p_Burst);
    QCOMPARE(a.adp_KVR_func_api_CameraMode_Set_4k_Mode(U::Picture4K6K(value)), U::Ternary_False);
    QCOMPARE(int(a.picture4K6K()), int(U::PQQ_4K_30p_Burst));
    QCOMPARE(calls(m_selected, "CameraMode_Set_4k_Mode"), 0);
}

// Each follower gets the first code of its own list with the same size
// class; one without such a code gets nothing. A, B, A written while the
// queue is busy ends at A.
void TestIrregularWriters::pictureSizeFollowsEachCamerasOwnCode()
{
    DeviceAdapter &a = adapter();
    kvrsim::setOffered(m_other, "pictureSize", {0x0101, 0x0201, 0x0202});
    a.setPictureSize(0x0200);
    a.setPictureSize(0x0100);
    a.setPictureSize(0x0200);
    QCOMPARE(test::queueText(m_fixture.receiver()).size(), 1);
    settle();
    QCOMPARE(kvrsim::setting(m_selected, "pictureSize"), 0x0200u);
    QCOMPARE(kvrsim::setting(m_other, "pictureSize"), 0x0201u);
    kvrsim::clearCallLogs();
    a.setPictureSize(0x0300);
    settle();
    QCOMPARE(kvrsim::setting(m_selected, "pictureSize"), 0x0300u);
    QCOMPARE(calls(m_other, "ImageInfo_GetCapability"), 1);
    QCOMPARE(calls(m_other, "ImageInfo_Set_ImageSize"), 0);
}

// Another camera's type goes to that camera alone, even when equal to the
// selected one's; whatever it answers, nothing of the selected one changes.
void TestIrregularWriters::hlgOfAnotherCameraLeavesTheSelectedAlone()
{
    DeviceAdapter &a = adapter();
    a.setHlgShootingTypeValue(1);
    QSignalSpy changed(&a, &DeviceAdapter::hlgShootingTypeChanged);
    QSignalSpy error(&a, &DeviceAdapter::settingErrorNotify);
    kvrsim::failNext("RecInfo_HLG_Set_Cfg", 1, 0, KVR_ERR_REFUSED, m_otherUuid.toStdString());
    a.setPscHlgShootingTypeByUUID(m_otherUuid, 1);
    settle();
    QCOMPARE(error.count(), 1);
    QCOMPARE(calls(m_other, "RecInfo_HLG_Set_Cfg"), 1);
    QCOMPARE(calls(m_selected, "RecInfo_HLG_Set_Cfg"), 0);
    QCOMPARE(a.pscHlgShootingType(), 1);
    QCOMPARE(changed.count(), 0);
}

// Both codes go to each camera once; the second refused rolls both back.
// An unknown G-M key packs without borrowing from the A-B half.
void TestIrregularWriters::combinedAdjustment()
{
    DeviceAdapter &a = adapter();
    a.setWbAdjust(U::WBAdj_P3, U::WBAdj_M2);
    settle();
    QCOMPARE(kvrsim::setting(m_selected, "wbAdjustAB"), 3u);
    QCOMPARE(kvrsim::setting(m_other, "wbAdjustGM"), 0x8002u);
    QCOMPARE(calls(m_other, "WB_Set_ADJ_AB"), 1);
    QSignalSpy ab(&a, &DeviceAdapter::wbAdjustABChanged);
    QSignalSpy gm(&a, &DeviceAdapter::wbAdjustGMChanged);
    kvrsim::failNext("WB_Set_ADJ_GM", 1, 0, KVR_ERR_REFUSED, m_selectedUuid.toStdString());
    a.setWbAdjust(U::WBAdj_P1, U::WBAdj_P1);
    settle();
    QCOMPARE(ab.at(0).at(0).toInt(), int(U::WBAdj_P3));
    QCOMPARE(gm.at(0).at(0).toInt(), int(U::WBAdj_M2));
    a.setWbAdjust(U::WBAdj_P2, U::WBAdj_Unknown);
    settle();
    QCOMPARE(kvrsim::setting(m_selected, "wbAdjustAB"), 2u);
    QCOMPARE(kvrsim::setting(m_selected, "wbAdjustGM"), 0u);
}

// Cancel's restore and delete follow the writes queued before them; two
// equal requests in one queue both run.
void TestIrregularWriters::photoStyleRequestsRunInQueueOrder()
{
    DeviceAdapter &a = adapter();
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Del_Backup_Req(), U::Ternary_True);
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Backup_PhotoStyle_Req(), U::Ternary_True);
    a.setWbAdjust(U::WBAdj_P1, U::WBAdj_P1);
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Restore_PhotoStyle_Req(), U::Ternary_True);
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Del_Backup_Req(), U::Ternary_True);
    QCOMPARE(calls(m_selected, "Rec_Ctrl_Backup_Req"), 0);
    settle();
    for (int camera : {m_selected, m_other}) {
        auto log = kvrsim::callLog(camera);
        log.erase(
            std::remove_if(log.begin(), log.end(),
                           [](const std::string &f) { return f != "Rec_Ctrl_Backup_Req" && f != "WB_Set_ADJ_GM"; }),
            log.end());
        QCOMPARE(log, (std::vector<std::string>{"Rec_Ctrl_Backup_Req", "Rec_Ctrl_Backup_Req", "WB_Set_ADJ_GM",
                                                "Rec_Ctrl_Backup_Req", "Rec_Ctrl_Backup_Req"}));
    }
}

QTEST_MAIN(TestIrregularWriters)
#include "tst_irregularwriters.moc"
