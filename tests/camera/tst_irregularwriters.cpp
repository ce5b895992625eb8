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

// One writer: how the test brings the stored value to `old`, writes, reads
// the property back; which SDK calls it makes and what the camera then holds.
struct WriterRow
{
    const char *name;
    void (*prepare)(DeviceAdapter &);
    void (*write)(DeviceAdapter &);
    int (*get)(DeviceAdapter &);
    int old;
    const char *call;    // the SDK function (without prefix)
    const char *call2;   // the second one of the two-code writers
    const char *setting; // what the selected camera holds after success
    uint code;
    bool mirrored;
    const char *changed; // emitted with the old value on rollback
    const char *success; // emitted on success, if any
};

const WriterRow kRows[] = {
    {"recordingMode", [](DeviceAdapter &a) { a.setRecordingModeValue(U::RM_ProgramAE); },
     [](DeviceAdapter &a) { a.setRecordingMode(U::RM_ManualExposure); },
     [](DeviceAdapter &a) { return int(a.recordingMode()); }, U::RM_ProgramAE, "CameraMode_Set_Mode_Pos", nullptr,
     "recordingMode", 3, true, "recordingModeChanged", "reflectFocusMode"},
    {"focusMode", [](DeviceAdapter &a) { a.setFocusModeValue(U::FM_AF); },
     [](DeviceAdapter &a) { a.setFocusMode(U::FM_MF); }, [](DeviceAdapter &a) { return int(a.focusMode()); }, U::FM_AF,
     "AF_Config_Set_AF_Mode_Param", nullptr, "focusMode", 3, true, "focusModeChanged", "focusModeInnerChanged"},
    {"creative video",
     [](DeviceAdapter &a) {
         a.setRecordingModeValue(U::RM_CreativeVideo);
         a.setCreativeVideoAEValue(U::RM_CV_ProgramAE);
     },
     [](DeviceAdapter &a) { a.setSQMotion(U::RM_CV_ManualExposure); },
     [](DeviceAdapter &a) { return int(a.creativeVideoAE()); }, U::RM_CV_ProgramAE, "Mov_Config_Set_C_Movie_mode_Param",
     nullptr, "creativeVideoAE", 3, true, "creativeVideoAEChanged", nullptr},
    {"slow and quick",
     [](DeviceAdapter &a) {
         a.setRecordingModeValue(U::RM_SQMotion);
         a.setSQMotionValue(U::RM_CV_ProgramAE);
     },
     [](DeviceAdapter &a) { a.setCreativeVideoAE(U::RM_CV_AperturePriorityAE); },
     [](DeviceAdapter &a) { return int(a.sqMotion()); }, U::RM_CV_ProgramAE, "Mov_Config_Set_C_Movie_mode_Param",
     nullptr, "creativeVideoAE", 1, false, "sqMotionChanged", nullptr},
    {"intervalMode", [](DeviceAdapter &a) { a.setIntervalModeValue(U::INTM_Interval); },
     [](DeviceAdapter &a) { a.setIntervalMode(U::INTM_Komadori); },
     [](DeviceAdapter &a) { return int(a.intervalMode()); }, U::INTM_Interval, "IntervalInfo_Set_Mode", nullptr,
     "intervalMode", 1, true, "intervalModeChanged", nullptr},
    {"picture4K6K", [](DeviceAdapter &a) { a.setPicture4K6KValue(U::PQQ_6K_30p_Burst); },
     [](DeviceAdapter &a) { a.setPicture4K6K(U::PQQ_4K_60p_Burst_SS); },
     [](DeviceAdapter &a) { return int(a.picture4K6K()); }, U::PQQ_6K_30p_Burst, "CameraMode_Set_4k_Mode",
     "RecInfo_4K6K_Set_RecFormat_Param", "picture4K6KFrame", 1, true, "picture4K6KChanged", nullptr},
    {"pictureSize", [](DeviceAdapter &a) { a.setPictureSizeValue(0x0100); },
     [](DeviceAdapter &a) { a.setPictureSize(0x0300); }, [](DeviceAdapter &a) { return a.pictureSize(); }, 0x0100,
     "ImageInfo_Set_ImageSize", nullptr, "pictureSize", 0x0300, true, "pictureSizeChanged", "pictureSizeInnerChanged"},
    {"pscHlgShootingType", [](DeviceAdapter &a) { a.setHlgShootingTypeValue(0); },
     [](DeviceAdapter &a) { a.setPscHlgShootingType(2); }, [](DeviceAdapter &a) { return a.pscHlgShootingType(); }, 0,
     "RecInfo_HLG_Set_Cfg", nullptr, "hlgShootingType", 2, false, "hlgShootingTypeChanged", "hlgShootingTypeChanged"},
    {"wbAdjust",
     [](DeviceAdapter &a) {
         a.setWbAdjustABValue(U::WBAdj_Zero);
         a.setWbAdjustGMValue(U::WBAdj_Zero);
     },
     [](DeviceAdapter &a) { a.setWbAdjust(U::WBAdj_P3, U::WBAdj_M2); },
     [](DeviceAdapter &a) { return int(a.wbAdjustAB()); }, U::WBAdj_Zero, "WB_Set_ADJ_AB", "WB_Set_ADJ_GM",
     "wbAdjustGM", 0x8002, true, "wbAdjustABChanged", nullptr},
};

int rowIndex(const char *name)
{
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (qstrcmp(kRows[i].name, name) == 0)
            return int(i);
    return -1;
}

QMetaMethod signalNamed(const char *name)
{
    const QMetaObject &mo = DeviceAdapter::staticMetaObject;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i)
        if (mo.method(i).methodType() == QMetaMethod::Signal && mo.method(i).name() == name)
            return mo.method(i);
    return {};
}

int calls(int index, const char *function)
{
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
    void picture4K6KOutsideItsTable_data();
    void picture4K6KOutsideItsTable();
    void pictureSizeFollowsEachCamerasOwnCode();
    void hlgOfAnotherCameraLeavesTheSelectedAlone();
    void negativeAdjustmentDoesNotBorrow();
    void photoStyleRequestsRunInQueueOrder();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }
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
    for (const WriterRow &row : kRows)
        QTest::newRow(row.name) << rowIndex(row.name);
}

void TestIrregularWriters::writerReachesEachCameraOnce()
{
    QFETCH(int, row);
    const WriterRow &r = kRows[row];
    r.prepare(adapter());
    std::unique_ptr<QSignalSpy> success;
    if (r.success)
        success = std::make_unique<QSignalSpy>(&adapter(), signalNamed(r.success));
    QSignalSpy error(&adapter(), &DeviceAdapter::settingErrorNotify);
    r.write(adapter());
    settle();
    QCOMPARE(error.count(), 0);
    QCOMPARE(kvrsim::setting(m_selected, r.setting), r.code);
    for (const char *call : {r.call, r.call2}) {
        if (!call)
            continue;
        QCOMPARE(calls(m_selected, call), 1);
        QCOMPARE(calls(m_other, call), r.mirrored ? 1 : 0);
    }
    if (success)
        QCOMPARE(success->count(), 1);
    // The same value again sends nothing.
    kvrsim::clearCallLogs();
    r.write(adapter());
    settle();
    QCOMPARE(calls(m_selected, r.call), 0);
}

// Only 1 is success: the selected camera's 2 is a refusal like any other.
// A two-code writer fails when its second code alone is refused, after
// which the camera's report of the first code follows the rollback.
void TestIrregularWriters::refusalRollsBack()
{
    QFETCH(int, row);
    const WriterRow &r = kRows[row];
    r.prepare(adapter());
    QSignalSpy changed(&adapter(), signalNamed(r.changed));
    QSignalSpy error(&adapter(), &DeviceAdapter::settingErrorNotify);
    const std::string selected = m_selectedUuid.toStdString();
    for (const char *call : {r.call, r.call2})
        if (call)
            kvrsim::failNext(call, 1, 2, KVR_ERR_REFUSED, selected);
    r.write(adapter());
    settle();
    QCOMPARE(error.count(), 1);
    QCOMPARE(r.get(adapter()), r.old);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), r.old);
    // The other camera keeps what it took.
    if (r.mirrored)
        QCOMPARE(calls(m_other, r.call), 1);
    if (!r.call2)
        return;
    kvrsim::failNext(r.call2, 1, 0, KVR_ERR_REFUSED, selected);
    r.write(adapter());
    settle();
    QCOMPARE(error.count(), 2);
    QVERIFY(changed.count() >= 2);
    QCOMPARE(changed.at(1).at(0).toInt(), r.old);
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

void TestIrregularWriters::refusedIntervalModeBringsTheDriveModeBack()
{
    DeviceAdapter &a = adapter();
    a.setDriveModeValue(U::DM_Komadori);
    a.setIntervalModeValue(U::INTM_Interval);
    QCOMPARE(int(a.driveMode()), int(U::DM_Interval));
    QStringList order;
    QObject listening;
    connect(&a, &DeviceAdapter::intervalModeChanged, &listening,
            [&](U::IntervalMode v) { order << QString("i%1").arg(int(v)); });
    connect(&a, &DeviceAdapter::driveModeChanged, &listening,
            [&](U::DriveMode v) { order << QString("d%1").arg(int(v)); });
    kvrsim::failNext("IntervalInfo_Set_Mode", 1, 0, KVR_ERR_REFUSED, m_selectedUuid.toStdString());
    a.setDriveModeValue(U::DM_Komadori);
    order.clear();
    a.setIntervalMode(U::INTM_Komadori);
    settle();
    QCOMPARE(order, (QStringList{QString("i%1").arg(int(U::INTM_Interval)), QString("d%1").arg(int(U::DM_Interval))}));
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

// Another camera's type is written to that camera alone, even when equal
// to the selected one's, and nothing of the selected camera changes.
void TestIrregularWriters::hlgOfAnotherCameraLeavesTheSelectedAlone()
{
    DeviceAdapter &a = adapter();
    a.setHlgShootingTypeValue(1);
    QSignalSpy changed(&a, &DeviceAdapter::hlgShootingTypeChanged);
    QSignalSpy error(&a, &DeviceAdapter::settingErrorNotify);
    a.setPscHlgShootingTypeByUUID(m_otherUuid, 1);
    settle();
    QCOMPARE(kvrsim::setting(m_other, "hlgShootingType"), 1u);
    kvrsim::failNext("RecInfo_HLG_Set_Cfg", 1, 0, KVR_ERR_REFUSED, m_otherUuid.toStdString());
    a.setPscHlgShootingTypeByUUID(m_otherUuid, 3);
    settle();
    QCOMPARE(error.count(), 1);
    QCOMPARE(calls(m_other, "RecInfo_HLG_Set_Cfg"), 2);
    QCOMPARE(calls(m_selected, "RecInfo_HLG_Set_Cfg"), 0);
    QCOMPARE(a.pscHlgShootingType(), 1);
    QCOMPARE(changed.count(), 0);
}

// The unknown G-M key packs without touching the A-B half and is sent as 0.
void TestIrregularWriters::negativeAdjustmentDoesNotBorrow()
{
    DeviceAdapter &a = adapter();
    a.setWbAdjust(U::WBAdj_P2, U::WBAdj_Unknown);
    settle();
    QCOMPARE(int(a.wbAdjustAB()), int(U::WBAdj_P2));
    QCOMPARE(kvrsim::setting(m_selected, "wbAdjustAB"), uint(U::arrWBAdjVal[U::WBAdj_P2]));
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
