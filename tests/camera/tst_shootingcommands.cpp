// The remote-control commands against the simulated USB cameras: what each
// row packs into its record, which cameras a command reaches, what a camera
// without a card or a refusal leads to, the assist end's wait, the zoom's
// hold on the exposure handlers and what a release leaves on each camera.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

using namespace kavrotether;
using U = Utilities;

namespace {

struct PackingRow
{
    const char *name;
    std::function<U::Ternary(DeviceAdapter &)> run;
    const char *function;
    quint32 code;
    std::vector<qint32> params;
};

// Positions stored before each row: pinpoint (11, -12), assist (21, 22),
// magnification (31, 32), white-balance spot (41, 42); pinpoint mode Pinp.
const std::vector<PackingRow> &packingRows()
{
    using D = DeviceAdapter;
    // clang-format off
    static const std::vector<PackingRow> rows = {
        {"one shot", &D::adp_KVR_func_api_Rec_Ctrl_Release_one_shot, "Rec_Ctrl_Release", 0x03000011, {}},
        {"halfs end", &D::adp_KVR_func_api_Rec_Ctrl_Release_halfs_end, "Rec_Ctrl_Release", 0x03000019, {}},
        {"4k marker", &D::adp_KVR_func_api_Rec_Ctrl_4k_add_marker, "Rec_Ctrl_4k", 0x03000036, {}},
        {"1 point AF", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_AF_AE_1POINT_AF(10, 20); }, "Rec_Ctrl_AF_AE", 0x03000026, {10, 20, 0}},
        {"tracking", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_AF_AE_TRACKING_START(-10, 20); }, "Rec_Ctrl_AF_AE", 0x03000029, {-10, 20}},
        {"one-shot AF twin", &D::adp_KVR_def_lib_tag_rec_Ctrl_AfAe_af_onesht, "Rec_Ctrl_AF_AE", 0x03000024, {}},
        {"pinpoint start", &D::adp_KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_AF_START, "Rec_Ctrl_AF_AE", 0x0300002B, {0, 2, 11, -12}},
        {"pinpoint magnify", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_AF_MAGNIFY(-1, 5); }, "Rec_Ctrl_AF_AE", 0x0300002C, {-1, 0, 5}},
        {"pinpoint zoom start", &D::adp_KVR_func_api_Rec_Ctrl_AF_AE2_PINPOINT_ZOOMSTART, "Rec_Ctrl_AF_AE2", 0x030000C1, {1, 11, -12}},
        {"afae off", &D::adp_KVR_func_api_Rec_Ctrl_AF_AE2_AFAE_OFF, "Rec_Ctrl_AF_AE2", 0x030000C4, {11, -12}},
        {"scope magnify", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_AF_AE2_PSCOPE_MAG_SETTING(1, -3); }, "Rec_Ctrl_AF_AE2", 0x030000C6, {1, -3}},
        {"area move", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_AF_Area_Move(300, 400); }, "Rec_Ctrl_AF_Area", 0x030000A2, {300, 400}},
        {"assist start", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_MF_Assist_START_REQ(U::RcMfaMode_Pinp); }, "Rec_Ctrl_MF_Assist", 0x03000051, {2, 0, 21, 22, 0}},
        {"assist ratio", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_MF_Assist_SETRATIO_REQ(1, 2); }, "Rec_Ctrl_MF_Assist", 0x03000052, {1, 0, 2}},
        {"assist move", &D::adp_KVR_func_api_Rec_Ctrl_MF_Assist_MOVE_REQ, "Rec_Ctrl_MF_Assist", 0x03000053, {21, 22}},
        {"magnify start", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_LV_Mag_START_REQ(U::RcLVMMode_Zoom); }, "Rec_Ctrl_LV_Mag", 0x030000D1, {1, 31, 32}},
        {"magnify focus", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_LV_Mag_MF_Adjust(U::RcLVMMFAdjust_Near_Fast); }, "Rec_Ctrl_LV_Mag", 0x030000D4, {4}},
        {"flash test", &D::adp_KVR_func_api_Rec_Ctrl_Other_FLASH_TEST, "Rec_Ctrl_Other", 0x03000042, {}},
        {"white balance set", &D::adp_KVR_func_api_WB_Ctrl_WBSET_SET_REQ, "WB_Ctrl_WBSET", 0x03000092, {41, 42}},
        {"far slow", &D::adp_KVR_func_api_Rec_Ctrl_Far_Slow, "Rec_Ctrl_Lens", 0x03010011, {2}},
        {"lens stop", &D::adp_KVR_func_api_Rec_Ctrl_Lens_stop, "Rec_Ctrl_Lens", 0x03010011, {0}},
        {"zoom start", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_Zoom_Start(U::ZOOM_DIR_TELE, U::ZOOM_SPEED_HIGHER); }, "Rec_Ctrl_Zoom", 0x03000081, {1, 5}},
        {"zoom stop", &D::adp_KVR_func_api_Rec_Ctrl_Zoom_Stop, "Rec_Ctrl_Zoom", 0x03000082, {}},
        {"zoom position", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_Zoom_SetPos(U::ZOOM_POSTYPE_ABSOLUTE, 50, U::ZOOM_SPEED_MID); }, "Rec_Ctrl_Zoom", 0x03000083, {1, 50, 3}},
        {"monitor start", &D::adp_KVR_func_api_Mnt_Ctrl_LiveView_Start, "Mnt_Ctrl_LiveView", 0x800500F0, {}},
        {"menu start", &D::adp_KVR_func_api_Rec_Ctrl_Menu_Start_Menu, "Rec_Ctrl_Menu", 0x09000021, {}},
        {"menu touch off the grid", [](D &a) { return a.adp_KVR_func_api_Rec_Ctrl_Menu_Touch_Up_Menu(1000, -5); }, "Rec_Ctrl_Menu", 0x09000024, {999, 0}},
    };
    // clang-format on
    return rows;
}

} // namespace

class TestShootingCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void recordPacking_data();
    void recordPacking();
    void mirrorMatrix_data();
    void mirrorMatrix();
    void noCard_data();
    void noCard();
    void refusals_data();
    void refusals();
    void assistEndWaits();
    void zoomHoldsExposureHandlers_data();
    void zoomHoldsExposureHandlers();
    void releaseOnEachCameraMakesObjects();
    void focusMovesTheSimulatedCamera();
    void aCameraRefusesOneCode();
    void exposureAndBurstEffects_data();
    void exposureAndBurstEffects();
    void intervalSeries();
    void whiteBalanceSetFailure_data();
    void whiteBalanceSetFailure();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }
    int calls(int index, const std::string &function) const
    {
        const auto log = kvrsim::callLog(index);
        return int(std::count(log.begin(), log.end(), function));
    }
    int codes(int index, quint32 code) const
    {
        const auto log = kvrsim::controlLog(index);
        return int(std::count_if(log.begin(), log.end(), [&](const kvrsim::ControlCall &c) { return c.code == code; }));
    }
    void setMirroring(bool allCameras, bool saved, quint8 power, quint8 sendCmd);
    int objectCount(int index) const { return int(kvrsim::objects(index).size()); }
    quint16 cameraStatus(int index) const { return kvrsim::status(index).cameraStatus; }
    // Runs an interval series on the other camera, outside the program,
    // until it took `pictures` more: every tick due on the selected camera
    // meanwhile has run by then, as the ticks share one clock thread.
    void tickOtherCamera(int pictures);

    std::unique_ptr<test::IsolatedSettings> m_isolated;
    std::unique_ptr<test::InstalledSettings> m_settings;
    test::AdapterFixture m_fixture;
    int m_index = -1;
    int m_other = -1;
    QString m_uuid;
    QString m_otherUuid;
};

void TestShootingCommands::init()
{
    m_isolated = std::make_unique<test::IsolatedSettings>();
    m_settings = std::make_unique<test::InstalledSettings>();
    QVERIFY(m_fixture.start());
    m_index = m_fixture.connectWithoutReading();
    QVERIFY(m_index >= 0);
    m_uuid = adapter().camera_list_get_selected_camera_uuid();
    adapter().withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            if (it.key() != m_uuid)
                m_otherUuid = it.key();
    });
    for (int i : kvrsim::cameras())
        if (kvrsim::uuidOf(i) == m_otherUuid.toStdString())
            m_other = i;
    QVERIFY(m_other >= 0);
    m_fixture.deliverAndRun();
    kvrsim::clearCallLogs();
}

void TestShootingCommands::cleanup()
{
    m_fixture.stop();
    m_settings.reset();
    m_isolated.reset();
}

void TestShootingCommands::setMirroring(bool allCameras, bool saved, quint8 power, quint8 sendCmd)
{
    QString otherSerial;
    adapter().withCameraTable([&](QMap<QString, CameraInfo> &table) { otherSerial = table[m_otherUuid].serialNo; });
    test::loadKnownCameras(adapter(), saved ? QStringList{adapter().camSerialNo(), otherSerial} : QStringList{"none"});
    adapter().withCameraTable([&](QMap<QString, CameraInfo> &table) {
        table[m_otherUuid].powerOnMode = power;
        table[m_otherUuid].sendCmdEnable = sendCmd;
        table[m_uuid].sendCmdEnable = 1; // the selected camera is reached once all the same
    });
    adapter().setBtnAllCameraStatusValue(allCameras ? U::BtnAllCameraStatus_Checked : U::BtnAllCameraStatus_Unchecked);
    m_fixture.deliverAndRun();
    kvrsim::clearCallLogs();
}

// Code, count and signed words of each row; stored positions are sent as
// they were stored last.
void TestShootingCommands::recordPacking_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < packingRows().size(); ++i)
        QTest::newRow(packingRows()[i].name) << int(i);
}

void TestShootingCommands::recordPacking()
{
    QFETCH(int, row);
    const PackingRow &r = packingRows()[size_t(row)];
    DeviceAdapterData &data = DeviceAdapterTestAccess::settingStorage(adapter());
    adapter().setAfFrame_pos_pin_XValue(11);
    adapter().setAfFrame_pos_pin_YValue(-12);
    data.mfFrame_pos_X.store(21);
    data.mfFrame_pos_Y.store(22);
    data.lvMag_pos_X.store(31);
    data.lvMag_pos_Y.store(32);
    data.wbset_pos_X.store(41);
    data.wbset_pos_Y.store(42);
    adapter().setPinpointModeValue(U::PINPM_Pinp);

    QCOMPARE(r.run(adapter()), U::Ternary_True);
    const auto log = kvrsim::controlLog(m_index);
    QCOMPARE(int(log.size()), 1);
    QCOMPARE(log.front().function, std::string(r.function));
    QCOMPARE(log.front().code, r.code);
    QCOMPARE(log.front().params, r.params);
}

// Which other camera a mirrored command reaches, each at most once, and
// that a single-camera command never leaves the selected one.
void TestShootingCommands::mirrorMatrix_data()
{
    QTest::addColumn<bool>("allCameras");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("sendCmd");
    QTest::addColumn<int>("reached");

    QTest::newRow("nobody chosen") << false << true << 1 << 0 << 0;
    QTest::newRow("taking commands") << false << false << 1 << 1 << 1;
    QTest::newRow("taking commands, off") << false << false << 0 << 1 << 0;
    QTest::newRow("all cameras, saved") << true << true << 1 << 0 << 1;
    QTest::newRow("all cameras, empty saved list") << true << false << 1 << 0 << 0;
    QTest::newRow("all cameras, saved, off") << true << true << 0 << 1 << 0;
    QTest::newRow("both passes: once") << true << true << 1 << 1 << 1;
}

void TestShootingCommands::mirrorMatrix()
{
    QFETCH(bool, allCameras);
    QFETCH(bool, saved);
    QFETCH(int, power);
    QFETCH(int, sendCmd);
    QFETCH(int, reached);

    setMirroring(allCameras, saved, quint8(power), quint8(sendCmd));
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Release_one_shot(), U::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Far_Fast(), U::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_MoveRec_Ctrl_Start(), U::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_AF_AE_AF(), U::Ternary_True);
    for (quint32 code : {0x03000011u, 0x03010011u, 0x03000022u})
        QCOMPARE(codes(m_index, code), 1);
    QCOMPARE(calls(m_index, "MoveRec_Ctrl_Start"), 1);
    QCOMPARE(codes(m_other, 0x03000011), reached);
    QCOMPARE(codes(m_other, 0x03010011), reached);
    QCOMPARE(calls(m_other, "MoveRec_Ctrl_Start"), reached);
    QCOMPARE(codes(m_other, 0x03000022), 0);
}

// The selected camera without a card: the rows with a stop run it in full
// (mirrored too) before the one notice; a refusal is told apart.
void TestShootingCommands::noCard_data()
{
    QTest::addColumn<int>("command"); // 0 movie, 1 burst, 2 4K burst, 3 one shot
    QTest::addColumn<QByteArray>("stopFunction");
    QTest::addColumn<uint>("stopCode");

    QTest::newRow("movie") << 0 << QByteArray("MoveRec_Ctrl_Stop") << 0u;
    QTest::newRow("burst") << 1 << QByteArray("Rec_Ctrl_Release") << 0x03000013u;
    QTest::newRow("4K burst") << 2 << QByteArray("Rec_Ctrl_4k") << 0x03000032u;
    QTest::newRow("one shot") << 3 << QByteArray() << 0u;
}

void TestShootingCommands::noCard()
{
    QFETCH(int, command);
    QFETCH(QByteArray, stopFunction);
    QFETCH(uint, stopCode);

    setMirroring(false, false, 1, 1);
    kvrsim::updateStatus(m_index, [](kvrsim::StatusValues &s) { s.cards[0] = 0; });
    QSignalSpy noCard(&adapter(), &DeviceAdapter::memoryCardNothingNotify);
    QSignalSpy refused(&adapter(), &DeviceAdapter::settingErrorNotify);
    bool stopFirst = false;
    connect(&adapter(), &DeviceAdapter::memoryCardNothingNotify, this, [&] {
        // The stop reached the selected camera and then the mirrored one
        // (which also got the start) before the notice.
        const int otherCalls = calls(m_other, stopFunction.toStdString());
        stopFirst = stopFunction.isEmpty()
                    || (stopCode ? codes(m_index, stopCode) == 1 && otherCalls == 2 : otherCalls == 1);
    });
    DeviceAdapter &a = adapter();
    const U::Ternary result = command == 0   ? a.adp_KVR_func_api_MoveRec_Ctrl_Start()
                              : command == 1 ? a.adp_KVR_func_api_Rec_Ctrl_Release_cont_start()
                              : command == 2 ? a.adp_KVR_func_api_Rec_Ctrl_4k_burst_start()
                                             : a.adp_KVR_func_api_Rec_Ctrl_Release_one_shot();
    QCOMPARE(result, U::Ternary_False);
    QCOMPARE(noCard.count(), 1);
    QCOMPARE(refused.count(), 0);
    QVERIFY(stopFirst);
    if (stopCode)
        QCOMPARE(codes(m_index, stopCode), 1);
    else if (!stopFunction.isEmpty())
        QCOMPARE(calls(m_index, stopFunction.toStdString()), 1);
    QVERIFY(kvrsim::objects(m_index).empty());
}

// Result 0 and other failures: only 1 counts, the notice is the row's.
void TestShootingCommands::refusals_data()
{
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("settingErrors");
    QTest::addColumn<int>("assistErrors");

    QTest::newRow("movie start") << QByteArray("MoveRec_Ctrl_Start") << 0 << 1 << 0;
    QTest::newRow("one shot") << QByteArray("Rec_Ctrl_Release") << 1 << 0 << 0;
    QTest::newRow("one-shot AF") << QByteArray("Rec_Ctrl_AF_AE") << 2 << 0 << 0;
    QTest::newRow("one-shot AF twin") << QByteArray("Rec_Ctrl_AF_AE") << 3 << 1 << 0;
    QTest::newRow("point scope start") << QByteArray("Rec_Ctrl_AF_AE2") << 4 << 0 << 1;
    QTest::newRow("far fast") << QByteArray("Rec_Ctrl_Lens") << 5 << 1 << 0;
    QTest::newRow("lens stop") << QByteArray("Rec_Ctrl_Lens") << 6 << 0 << 0;
    QTest::newRow("4K/6K control, result 3") << QByteArray("Rec_Ctrl_4K6K") << 7 << 0 << 0;
}

void TestShootingCommands::refusals()
{
    QFETCH(QByteArray, function);
    QFETCH(int, command);
    QFETCH(int, settingErrors);
    QFETCH(int, assistErrors);

    kvrsim::failNext(function.toStdString(), 1, command == 7 ? 3 : 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    QSignalSpy refused(&adapter(), &DeviceAdapter::settingErrorNotify);
    QSignalSpy assist(&adapter(), &DeviceAdapter::mfAssistStartErrorNotify);
    QSignalSpy noCard(&adapter(), &DeviceAdapter::memoryCardNothingNotify);
    DeviceAdapter &a = adapter();
    KVR_STRUCT_REC_CTRL cut{};
    cut.code = KVR_CMD_4K6K_CUT_CANCEL;
    const std::vector<std::function<U::Ternary()>> commands = {
        [&] { return a.adp_KVR_func_api_MoveRec_Ctrl_Start(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_Release_one_shot(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_AF_AE_AF_Oneshot(); },
        [&] { return a.adp_KVR_def_lib_tag_rec_Ctrl_AfAe_af_onesht(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_AF_AE2_PSCOPE_START(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_Far_Fast(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_Lens_stop(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_4K6K(&cut); },
    };
    QCOMPARE(commands[size_t(command)](), U::Ternary_False);
    QCOMPARE(refused.count(), settingErrors);
    QCOMPARE(assist.count(), assistErrors);
    QCOMPARE(noCard.count(), 0);
    QCOMPARE(calls(m_index, "MoveRec_Ctrl_Stop"), 0);
}

// The end request is built at once and sent no sooner than 50 ms later.
void TestShootingCommands::assistEndWaits()
{
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_MF_Assist_END_REQ(), U::Ternary_True);
    QVERIFY(timer.elapsed() >= 50);
    QCOMPARE(codes(m_index, 0x03000054), 1);
}

// While a zoom runs the aperture and exposure-in-shot events read nothing;
// a refused start does not hold them.
void TestShootingCommands::zoomHoldsExposureHandlers_data()
{
    QTest::addColumn<bool>("refused");
    QTest::addColumn<uint>("event");
    QTest::newRow("aperture") << false << uint(KVR_EVENT_APERTURE);
    QTest::newRow("exposure in shot") << false << uint(KVR_EVENT_EXP_IN_SHOT);
    QTest::newRow("aperture, refused start") << true << uint(KVR_EVENT_APERTURE);
}

void TestShootingCommands::zoomHoldsExposureHandlers()
{
    QFETCH(bool, refused);
    QFETCH(uint, event);

    if (refused)
        kvrsim::failNext("Rec_Ctrl_Zoom", 1, 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Zoom_Start(U::ZOOM_DIR_TELE, U::ZOOM_SPEED_HIGH),
             refused ? U::Ternary_False : U::Ternary_True);
    m_fixture.deliverAndRun();
    kvrsim::clearCallLogs();
    kvrsim::emitEvent(event, 0, m_uuid.toStdString());
    m_fixture.deliverAndRun();
    QCOMPARE(calls(m_index, "Aperture_GetCapability"), refused ? 1 : 0);

    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Zoom_Stop(), U::Ternary_True);
    m_fixture.deliverAndRun();
    kvrsim::clearCallLogs();
    kvrsim::emitEvent(event, 0, m_uuid.toStdString());
    m_fixture.deliverAndRun();
    QCOMPARE(calls(m_index, "Aperture_GetCapability"), 1);
    // The lens moved and its notice was read back.
    const kvrsim::LensState lens = kvrsim::lensState(m_index);
    QCOMPARE(lens.focalLength > lens.wideEnd, !refused);
    QCOMPARE(adapter().zoomLensLen(), uint(lens.focalLength));
}

// A one-shot release mirrored to the other camera: each camera writes its
// still in the formats its picture quality asks for and announces each.
void TestShootingCommands::releaseOnEachCameraMakesObjects()
{
    setMirroring(false, false, 1, 1);
    kvrsim::turnDial(m_other, "imgInfoQuality", 4); // RAW and JPEG
    m_fixture.deliverAndRun();
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Release_one_shot(), U::Ternary_True);
    QCOMPARE(int(kvrsim::objects(m_index).size()), 1);
    QCOMPARE(kvrsim::objects(m_index).front().second, quint32(KVR_OBJECT_FORMAT_JPEG));
    QCOMPARE(int(kvrsim::objects(m_other).size()), 2);
    uint announced = 0;
    QCOMPARE(adapter().adp_KVR_func_api_GetEventTag(&announced, KVR_EVENT_OBJECT_ADDED), U::Ternary_True);
    QCOMPARE(announced, kvrsim::objects(m_index).front().first);

    QCOMPARE(adapter().adp_KVR_func_api_MoveRec_Ctrl_Start(), U::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_MoveRec_Ctrl_Stop(), U::Ternary_True);
    for (int index : {m_index, m_other})
        QCOMPARE(kvrsim::objects(index).back().second, quint32(KVR_OBJECT_FORMAT_MOVIE));
}

// Half-press and AF report the focus state; the focus drive moves the lens
// of every camera it reaches.
void TestShootingCommands::focusMovesTheSimulatedCamera()
{
    setMirroring(false, false, 1, 1);
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Release_halfs_start(), U::Ternary_True);
    QCOMPARE(kvrsim::status(m_index).afState, quint16(1));
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Release_halfs_end(), U::Ternary_True);
    QCOMPARE(kvrsim::status(m_index).afState, quint16(0));
    const int before = kvrsim::lensState(m_other).focus;
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Near_Fast(), U::Ternary_True);
    QVERIFY(kvrsim::lensState(m_other).focus < before);
    QCOMPARE(kvrsim::lensState(m_index).focus, kvrsim::lensState(m_other).focus);
}

// A camera may refuse one code of a function and take the others.
void TestShootingCommands::aCameraRefusesOneCode()
{
    m_fixture.stop();
    QVERIFY(m_fixture.start(R"({"cameras": [{"serial": "SIMR1", "refused": ["0x03000024"]}]})"));
    const int index = m_fixture.connectWithoutReading();
    QVERIFY(index >= 0);
    QSignalSpy refused(&adapter(), &DeviceAdapter::settingErrorNotify);
    QCOMPARE(adapter().adp_KVR_def_lib_tag_rec_Ctrl_AfAe_af_onesht(), U::Ternary_False);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_AF_AE_AF(), U::Ternary_True);
}

// The bulb exposure opens at the burst start and ends on one picture; a
// 6K/4K burst or pre-capture records while it runs and leaves a movie.
void TestShootingCommands::exposureAndBurstEffects_data()
{
    QTest::addColumn<int>("kind"); // 0 bulb, 1 burst, 2 6K/4K burst, 3 pre-capture with a pre-burst write
    QTest::addColumn<int>("statusWhileRunning");
    QTest::addColumn<int>("objectsWhileRunning");
    QTest::addColumn<int>("objectsAtEnd");
    QTest::addColumn<uint>("lastFormat");

    QTest::newRow("bulb") << 0 << int(KVR_CAMERA_STATUS_REMOTE_REC) << 0 << 1 << uint(KVR_OBJECT_FORMAT_JPEG);
    QTest::newRow("burst") << 1 << int(KVR_CAMERA_STATUS_IDLE) << 3 << 3 << uint(KVR_OBJECT_FORMAT_JPEG);
    QTest::newRow("6K/4K burst") << 2 << int(KVR_CAMERA_STATUS_MOVIE_REC) << 0 << 1 << uint(KVR_OBJECT_FORMAT_MOVIE);
    QTest::newRow("pre-capture") << 3 << int(KVR_CAMERA_STATUS_MOVIE_REC) << 1 << 2 << uint(KVR_OBJECT_FORMAT_MOVIE);
}

void TestShootingCommands::exposureAndBurstEffects()
{
    QFETCH(int, kind);
    QFETCH(int, statusWhileRunning);
    QFETCH(int, objectsWhileRunning);
    QFETCH(int, objectsAtEnd);
    QFETCH(uint, lastFormat);

    DeviceAdapter &a = adapter();
    if (kind == 0) {
        kvrsim::turnDial(m_index, "shutterSpeed", 0xFFFFFFFFu);
        m_fixture.deliverAndRun();
    }
    const std::vector<std::function<U::Ternary()>> starts = {
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_Release_cont_start(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_Release_cont_start(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_4k_burst_start(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_4k_precap_start(); },
    };
    const std::vector<std::function<U::Ternary()>> ends = {
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_Release_cont_end(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_Release_cont_end(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_4k_burst_stop(); },
        [&] { return a.adp_KVR_func_api_Rec_Ctrl_4k_precap_end(); },
    };
    QCOMPARE(starts[size_t(kind)](), U::Ternary_True);
    if (kind == 3)
        QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_4k_prewrite_req(), U::Ternary_True);
    QCOMPARE(int(cameraStatus(m_index)), statusWhileRunning);
    QCOMPARE(objectCount(m_index), objectsWhileRunning);
    // The program follows the camera's recording state.
    m_fixture.deliverAndRun();
    QCOMPARE(a.cameraStatus(), statusWhileRunning);

    QCOMPARE(ends[size_t(kind)](), U::Ternary_True);
    QCOMPARE(cameraStatus(m_index), quint16(KVR_CAMERA_STATUS_IDLE));
    QCOMPARE(objectCount(m_index), objectsAtEnd);
    QCOMPARE(kvrsim::objects(m_index).back().second, quint32(lastFormat));
    m_fixture.deliverAndRun();
    QCOMPARE(a.cameraStatus(), int(U::CamStatus_Standby));
}

void TestShootingCommands::tickOtherCamera(int pictures)
{
    const std::string uuid = m_otherUuid.toStdString();
    const auto send = [&](quint32 code) {
        KVR_STRUCT_REC_CTRL record{};
        record.code = code;
        return KVR_func_api_Rec_Ctrl_Release(&record, uuid.c_str(), nullptr);
    };
    const int before = objectCount(m_other);
    QCOMPARE(send(KVR_CMD_RELEASE_INTERVAL_START), quint8(1));
    QTRY_VERIFY(objectCount(m_other) >= before + pictures);
    QCOMPARE(send(KVR_CMD_RELEASE_INTERVAL_STOP), quint8(1));
}

// An interval series: a picture at once and one per period while it runs;
// pause holds it, restart resumes it, stop and the camera's loss end it.
void TestShootingCommands::intervalSeries()
{
    // A long first period keeps the picture taken at the start alone.
    kvrsim::setIntervalPeriod(m_index, 60000);
    kvrsim::setIntervalPeriod(m_other, 5);
    DeviceAdapter &a = adapter();
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_restart(), U::Ternary_False); // nothing to resume

    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_start(), U::Ternary_True);
    QCOMPARE(objectCount(m_index), 1);
    QCOMPARE(cameraStatus(m_index), quint16(KVR_CAMERA_STATUS_REMOTE_REC));
    kvrsim::setIntervalPeriod(m_index, 5);
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_pause(), U::Ternary_True);
    QCOMPARE(cameraStatus(m_index), quint16(KVR_CAMERA_STATUS_IDLE));
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_pause(), U::Ternary_False); // already held
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_restart(), U::Ternary_True);
    QCOMPARE(cameraStatus(m_index), quint16(KVR_CAMERA_STATUS_REMOTE_REC));
    QTRY_VERIFY(objectCount(m_index) >= 3);

    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_pause(), U::Ternary_True);
    int taken = objectCount(m_index);
    tickOtherCamera(3);
    QCOMPARE(objectCount(m_index), taken);
    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_restart(), U::Ternary_True);
    QTRY_VERIFY(objectCount(m_index) > taken);

    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_stop(), U::Ternary_True);
    QCOMPARE(cameraStatus(m_index), quint16(KVR_CAMERA_STATUS_IDLE));
    taken = objectCount(m_index);
    tickOtherCamera(3);
    QCOMPARE(objectCount(m_index), taken);
    for (quint32 code : {0x03000014u, 0x03000015u, 0x03000016u, 0x03000017u})
        QVERIFY(codes(m_index, code) >= 1);

    QCOMPARE(a.adp_KVR_func_api_Rec_Ctrl_Release_interval_start(), U::Ternary_True);
    kvrsim::loseCamera(m_index);
    taken = objectCount(m_index);
    tickOtherCamera(3);
    QCOMPARE(objectCount(m_index), taken);
}

// The camera that cannot set its white balance from the spot says so; the
// program then ends the spot operation and tells the user.
void TestShootingCommands::whiteBalanceSetFailure_data()
{
    QTest::addColumn<bool>("fails");
    QTest::newRow("set") << false;
    QTest::newRow("set failed") << true;
}

void TestShootingCommands::whiteBalanceSetFailure()
{
    QFETCH(bool, fails);
    DeviceAdapterData &data = DeviceAdapterTestAccess::settingStorage(adapter());
    data.wbset_pos_X.store(41);
    data.wbset_pos_Y.store(42);
    if (fails)
        kvrsim::failNext("WB_Ctrl_WBSET", 1, 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    QSignalSpy wbError(&adapter(), &DeviceAdapter::wbErrorNotify);
    QCOMPARE(adapter().adp_KVR_func_api_WB_Ctrl_WBSET_SET_REQ(), fails ? U::Ternary_False : U::Ternary_True);
    m_fixture.deliverAndRun();
    QCOMPARE(wbError.count(), fails ? 1 : 0);
    const auto log = kvrsim::controlLog(m_index);
    const bool ended = !log.empty() && log.back().code == KVR_CMD_WBSET_END_REQ;
    QCOMPARE(ended, fails);
    if (ended)
        QCOMPARE(log.back().params, (std::vector<qint32>{41, 42}));
}

QTEST_GUILESS_MAIN(TestShootingCommands)
#include "tst_shootingcommands.moc"
