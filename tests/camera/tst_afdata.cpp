// The AF-frame and AF-information records against simulated cameras: the
// overlay's reads over a known record (indexes out of range on both sides,
// counts beyond their arrays), the stand-in's records read through the
// adapter, the magnification moving on the camera and read back, and the
// camera-menu touches on the camera's 0..999 grid.
#include <QSignalSpy>
#include <QtTest>

#include <functional>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"

using namespace kavrotether;
using test::callCount;
using Records = DeviceAdapterData::CapabilityRecords;
using Fill = std::function<void(Records &)>;
using Read = std::function<int(DeviceAdapter &)>;
using Setter = void (DeviceAdapter::*)(int);
Q_DECLARE_METATYPE(Fill)
Q_DECLARE_METATYPE(Read)
Q_DECLARE_METATYPE(Setter)

class TestAfData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.stop(); }

    void overlayReads_data();
    void overlayReads();
    void pdafGeometry_data();
    void pdafGeometry();
    void cameraRecordsReadBack();
    void magnificationRoundTrip_data();
    void magnificationRoundTrip();
    void magnifySetters_data();
    void magnifySetters();
    void faceInfoMovesFramePosition();
    void storedFrameWriters();
    void menuTouch_data();
    void menuTouch();
    void menuEndAndMonitor();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }
    Records &records() { return DeviceAdapterTestAccess::settingStorage(adapter()).capabilityRecords; }
    QString openCamera(int index);
    // Sends one magnification step to the selected camera as the assist
    // views do: direction 1 larger, 0 smaller, step in hundredths.
    quint8 magnify(int direction, int step);

    test::IsolatedSettings m_settings;
    test::AdapterFixture m_fixture;
    int m_index = -1;
};

QString TestAfData::openCamera(int index)
{
    const QString uuid = QString::fromStdString(test::openUsbCamera(index));
    CameraInfo info;
    info.devIndex = index;
    adapter().addCameraToTable(uuid, info);
    return uuid;
}

void TestAfData::init()
{
    QVERIFY(m_settings.isValid());
    QVERIFY(m_fixture.start());
    m_index = test::cameraByModel("Rozado Sim A1");
    const QString uuid = openCamera(m_index);
    QVERIFY(!uuid.isEmpty());
    adapter().setConnectionTypeValue(0);
    adapter().setSelectedCameraUuid(uuid);
}

quint8 TestAfData::magnify(int direction, int step)
{
    KVR_STRUCT_REC_CTRL record{};
    record.code = KVR_CMD_LV_MAG_SETRATIO_REQ;
    record.paramCount = 2;
    record.params[0] = direction;
    record.params[1] = step;
    return adapter().callSelectedCamera(KVR_func_api_Rec_Ctrl_LV_Mag, &record);
}

void TestAfData::overlayReads_data()
{
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<Read>("read");
    QTest::addColumn<int>("expected");

    const Fill twoFaces = [](Records &r) {
        r.afInfo.faceDetectNum = 2;
        r.afInfo.faces[1].posX = 640;
        r.afInfo.faces[2].status = 1; // beyond the count: not a face
        r.afInfo.faces[14].status = 2;
    };
    const Fill grids = [](Records &r) {
        r.afInfo.dispInfo[0] = 1;
        r.afInfo.dispInfo[314] = 6;
        r.afInfo.pdafDispInfo[778] = 2;
        r.afInfo.humans[2].leftTopX = 120;
        r.afInfo.humans[2].confidence = 88;
        r.afFrame.cmultiTable[314] = 1;
    };
    auto at = [](int (DeviceAdapter::*fn)(int) const, int i) {
        return Read([fn, i](DeviceAdapter &a) { return (a.*fn)(i); });
    };
    auto value = [](int (DeviceAdapter::*fn)() const) { return Read([fn](DeviceAdapter &a) { return (a.*fn)(); }); };

    QTest::newRow("face inside count") << twoFaces << at(&DeviceAdapter::af_faceinfo_face_detect_face_pos_pos_X, 1)
                                       << 640;
    QTest::newRow("face at count") << twoFaces << at(&DeviceAdapter::af_faceinfo_face_detect_status, 2) << -1;
    QTest::newRow("face beyond count") << twoFaces << at(&DeviceAdapter::af_faceinfo_face_detect_status, 3) << -1;
    QTest::newRow("face negative") << twoFaces << at(&DeviceAdapter::af_faceinfo_face_detect_faceid, -1) << -1;
    const Fill manyFaces = [](Records &r) {
        r.afInfo.faceDetectNum = 40;
        r.afInfo.faces[14].status = 2;
    };
    QTest::newRow("face count clamped") << manyFaces << value(&DeviceAdapter::af_faceinfo_face_detect_num) << 15;
    QTest::newRow("last face of clamped count")
        << manyFaces << at(&DeviceAdapter::af_faceinfo_face_detect_status, 14) << 2;
    QTest::newRow("face 15 of clamped count")
        << manyFaces << at(&DeviceAdapter::af_faceinfo_face_detect_status, 15) << -1;

    QTest::newRow("display first") << grids << at(&DeviceAdapter::af_display_DispInfo, 0) << 1;
    QTest::newRow("display last") << grids << at(&DeviceAdapter::af_display_DispInfo, 314) << 6;
    QTest::newRow("display beyond") << grids << at(&DeviceAdapter::af_display_DispInfo, 315) << -1;
    QTest::newRow("display negative") << grids << at(&DeviceAdapter::af_display_DispInfo, -1) << -1;
    QTest::newRow("pdaf last") << grids << at(&DeviceAdapter::af_pdaf_display_DispInfo, 778) << 2;
    QTest::newRow("pdaf beyond") << grids << at(&DeviceAdapter::af_pdaf_display_DispInfo, 779) << -1;
    QTest::newRow("pdaf negative") << grids << at(&DeviceAdapter::af_pdaf_display_DispInfo, -5) << -1;
    QTest::newRow("body last") << grids << at(&DeviceAdapter::af_human_detect_info_lefttop_pos_X, 2) << 120;
    QTest::newRow("body beyond") << grids << at(&DeviceAdapter::af_human_detect_info_lefttop_pos_X, 3) << -1;
    QTest::newRow("body negative") << grids << at(&DeviceAdapter::af_human_detect_info_rightbottom_pos_Y, -1) << -1;
    QTest::newRow("body confidence") << grids << at(&DeviceAdapter::af_human_detect_info_confidence, 2) << 88;
    QTest::newRow("body confidence beyond") << grids << at(&DeviceAdapter::af_human_detect_info_confidence, 3) << 0;
    QTest::newRow("body status negative") << grids << at(&DeviceAdapter::af_human_detect_info_status, -1) << 0;
    QTest::newRow("custom table last") << grids << at(&DeviceAdapter::af_cmulti_table_data, 314) << 1;
    QTest::newRow("custom table beyond") << grids << at(&DeviceAdapter::af_cmulti_table_data, 315) << -1;
    QTest::newRow("custom table negative") << grids << at(&DeviceAdapter::af_cmulti_table_data, -1) << -1;

    QTest::newRow("display count clamped")
        << Fill([](Records &r) { r.afInfo.dispNum = 900; }) << value(&DeviceAdapter::af_display_DispNum) << 315;
    QTest::newRow("pdaf count clamped") << Fill([](Records &r) { r.afInfo.pdafDispNum = 5000; })
                                        << value(&DeviceAdapter::af_pdaf_display_DispNum) << 779;
    QTest::newRow("not focused status") << Fill([](Records &r) { r.afInfo.afStatus = 65535; })
                                        << value(&DeviceAdapter::af_status_ulAFStatus) << 65535;
    QTest::newRow("multi area 3") << Fill([](Records &r) { r.afFrame.multiPosCount = 3; })
                                  << value(&DeviceAdapter::af_afmulti_pos_size) << 7;
    QTest::newRow("multi area 8") << Fill([](Records &r) { r.afFrame.multiPosCount = 8; })
                                  << value(&DeviceAdapter::af_afmulti_pos_size) << 0;
}

void TestAfData::overlayReads()
{
    QFETCH(Fill, fill);
    QFETCH(Read, read);
    QFETCH(int, expected);
    fill(records());
    QCOMPARE(read(adapter()), expected);
}

void TestAfData::pdafGeometry_data()
{
    QTest::addColumn<quint16>("format");
    QTest::addColumn<quint16>("sensorWidth");
    QTest::addColumn<quint16>("countX");
    QTest::addColumn<uint>("frameW");
    QTest::addColumn<uint>("frameH");
    QTest::addColumn<uint>("clusterX");
    QTest::addColumn<uint>("clusterY");

    // 640 x 480 picture; older format: 576 / 35 * 0.66, 432 / 19 * 0.66 (the
    // height from the picture's height and the rows), 576 / 35, 576 / 19;
    // scaled: 640 * 16500 / 600 * 1000 / 10^6 + 1, ...
    QTest::newRow("format 33") << quint16(33) << quint16(600) << quint16(35) << 10u << 15u << 16u << 30u;
    QTest::newRow("format 34") << quint16(34) << quint16(600) << quint16(35) << 18u << 14u << 27u << 65u;
    QTest::newRow("format 33 without columns") << quint16(33) << quint16(600) << quint16(0) << 0u << 15u << 0u << 30u;
    QTest::newRow("format 34 without sensor") << quint16(34) << quint16(0) << quint16(35) << 0u << 14u << 0u << 65u;
}

void TestAfData::pdafGeometry()
{
    QFETCH(quint16, format);
    QFETCH(quint16, sensorWidth);
    QFETCH(quint16, countX);
    auto &f = records().afFrame;
    f.formatNumber = format;
    f.pdafFrameCountX = countX;
    f.pdafFrameCountY = 19;
    f.pdafFrameWidth = 16500;
    f.pdafFrameHeight = 11000;
    f.sensorWidth = sensorWidth;
    f.sensorHeight = 400;
    f.frameScaleX = 1000;
    f.frameScaleY = 1000;
    f.clusterWidth = 25;
    f.clusterHeight = 40;
    QTEST(adapter().af_pdaf_frame_size_w(640, 480), "frameW");
    QTEST(adapter().af_pdaf_frame_size_h(640, 480), "frameH");
    QTEST(adapter().af_pdaf_cluster_x(640), "clusterX");
    QTEST(adapter().af_pdaf_cluster_y(640), "clusterY");
}

// What the camera packs, the adapter reads back field by field: a focused
// camera's scene has faces inside the picture, a body and lit frames, and
// moves on from one read to the next.
void TestAfData::cameraRecordsReadBack()
{
    kvrsim::updateStatus(m_index, [](kvrsim::StatusValues &s) { s.afState = 1; });
    QCOMPARE(adapter().adp_KVR_func_api_GetAFInfo(), Utilities::Ternary_True);
    const int faces = adapter().af_faceinfo_face_detect_num();
    QVERIFY(faces >= 1 && faces <= 15);
    for (int i = 0; i < faces; ++i) {
        QVERIFY(adapter().af_faceinfo_face_detect_status(i) > 0);
        QVERIFY(adapter().af_faceinfo_face_detect_face_pos_pos_X(i) <= 1000);
        QVERIFY(adapter().af_faceinfo_face_detect_frame_length_Y(i) > 0);
    }
    QCOMPARE(adapter().af_faceinfo_face_detect_status(faces), -1);
    QCOMPARE(adapter().af_human_detect_info_status(0), 1);
    QCOMPARE(adapter().af_status_ulAFStatus(), 1);
    QCOMPARE(adapter().af_display_DispNum(), 225);
    QCOMPARE(adapter().af_display_DispInfo(7 * 15 + 7), 1);
    const int firstX = adapter().af_faceinfo_face_detect_face_pos_pos_X(0);
    QCOMPARE(adapter().adp_KVR_func_api_GetAFInfo(), Utilities::Ternary_True);
    QVERIFY(adapter().af_faceinfo_face_detect_face_pos_pos_X(0) != firstX);

    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_AF_Frame_GetCapability(), Utilities::Ternary_True);
    QCOMPARE(adapter().af_af_frame_num_X(), 19);
    QCOMPARE(adapter().af_pdaf_frame_num_Y(), 19);
    QCOMPARE(adapter().af_onepoin_frame_width(), 100);
    QCOMPARE(adapter().af_pinpoin_frame_area_height(), 200);
    QCOMPARE(adapter().af_afmulti_pos_size(), 7);
    QCOMPARE(adapter().af_cmulti_table_data(7 * 15 + 7), 1);
    QCOMPARE(adapter().af_tracking_frame_pos_x(), 500);
}

void TestAfData::magnificationRoundTrip_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");
    // The camera starts at 5x (the interface's 50 tenths); a step below a
    // tenth is lost.
    QTest::newRow("larger") << 1 << 200 << 70;
    QTest::newRow("smaller to a half") << 0 << 255 << 25;
    QTest::newRow("unchanged still announced") << 1 << 0 << 50;
    QTest::newRow("beyond the largest") << 1 << 900 << 100;
}

void TestAfData::magnificationRoundTrip()
{
    QFETCH(int, direction);
    QFETCH(int, step);
    QFETCH(int, expected);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame(), Utilities::Ternary_True);
    QCOMPARE(adapter().af_magnify(), 50);
    QCOMPARE(magnify(direction, step), quint8(1));

    QSignalSpy af(&adapter(), &DeviceAdapter::af_magnifyChanged);
    QSignalSpy mf(&adapter(), &DeviceAdapter::mf_magnifyChanged);
    QSignalSpy lv(&adapter(), &DeviceAdapter::lvMag_magnifyChanged);
    QSignalSpy assist(&adapter(), &DeviceAdapter::assistTypeChanged);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame(), Utilities::Ternary_True);
    for (QSignalSpy *spy : {&af, &mf, &lv}) {
        QCOMPARE(spy->count(), 1);
        QCOMPARE(spy->first().first().toInt(), expected);
    }
    QCOMPARE(adapter().mf_magnify(), expected);
    QCOMPARE(adapter().lvMag_magnify(), expected);
    QCOMPARE(assist.count(), 0);
}

void TestAfData::magnifySetters_data()
{
    QTest::addColumn<Setter>("setter");
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("announced");

    const Setter lv = &DeviceAdapter::setLvMag_magnify;
    const Setter af = &DeviceAdapter::setAf_magnify;
    const Setter mf = &DeviceAdapter::setMf_magnify;
    // Ratios in the tenths the interface shows; the camera starts at 5x.
    QTest::newRow("live view larger") << lv << "Rec_Ctrl_LV_Mag" << 70 << false << 70 << 1;
    QTest::newRow("live view refused") << lv << "Rec_Ctrl_LV_Mag" << 70 << true << 50 << 1;
    QTest::newRow("live view same ratio") << lv << "Rec_Ctrl_LV_Mag" << 50 << false << 50 << 0;
    QTest::newRow("mf assist smaller") << mf << "Rec_Ctrl_MF_Assist" << 35 << false << 35 << 1;
    QTest::newRow("pinpoint larger") << af << "Rec_Ctrl_AF_AE" << 90 << false << 90 << 0;
    QTest::newRow("pinpoint refused") << af << "Rec_Ctrl_AF_AE" << 90 << true << 50 << 0;
}

// A ratio set from the interface reaches the camera as a step and is read
// back from it; a refusal leaves the camera's ratio in all three.
void TestAfData::magnifySetters()
{
    QFETCH(Setter, setter);
    QFETCH(QString, function);
    QFETCH(int, ratio);
    QFETCH(bool, refused);
    QFETCH(int, expected);
    QFETCH(int, announced);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame(), Utilities::Ternary_True);
    if (refused)
        kvrsim::failNext(function.toStdString(), 1);
    QSignalSpy mf(&adapter(), &DeviceAdapter::mf_magnifyChanged);
    QSignalSpy lv(&adapter(), &DeviceAdapter::lvMag_magnifyChanged);
    (adapter().*setter)(ratio);
    QCOMPARE(callCount(m_index, function.toStdString()), ratio == 50 ? 0 : 1);
    QCOMPARE(adapter().af_magnify(), expected);
    QCOMPARE(adapter().mf_magnify(), expected);
    QCOMPARE(adapter().lvMag_magnify(), expected);
    QCOMPARE(mf.count() + lv.count(), announced);
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame(), Utilities::Ternary_True);
    QCOMPARE(adapter().af_magnify(), expected);
}

void TestAfData::faceInfoMovesFramePosition()
{
    adapter().setAfFrame_pos_X(10);
    adapter().setAfFrame_pos_Y(500);
    QSignalSpy x(&adapter(), &DeviceAdapter::afFrame_pos_XChanged);
    QSignalSpy y(&adapter(), &DeviceAdapter::afFrame_pos_YChanged);
    QCOMPARE(adapter().adp_KVR_func_api_AF_Info_Get_FaceInfo(), Utilities::Ternary_True);
    QCOMPARE(adapter().afFrame_pos_X(), 500);
    QCOMPARE(x.count(), 1);
    QCOMPARE(y.count(), 0); // 500 was stored already
    QCOMPARE(adapter().adp_KVR_func_api_AF_Info_Get_FaceInfo(), Utilities::Ternary_True);
    QCOMPARE(x.count(), 1);

    kvrsim::failNext("AF_Info_Get_TrackingInfo", 1, 2, 0);
    QCOMPARE(adapter().adp_KVR_func_api_AF_Info_Get_TrackingInfo(), Utilities::Ternary_True);
    kvrsim::emitEvent(0x12800111, 42, kvrsim::uuidOf(m_index));
    kvrsim::flush();
    uint tag = 0;
    QCOMPARE(adapter().adp_KVR_func_api_GetEventTag(&tag, 0x12800111), Utilities::Ternary_True);
    QCOMPARE(tag, 42u);
    kvrsim::failNext("GetEventTag", 1, 2, 0);
    QCOMPARE(adapter().adp_KVR_func_api_GetEventTag(&tag, 0x12800111), Utilities::Ternary_False);
}

// The writers keep positions in the stored record only; the one-argument
// custom-area form has no table to copy and keeps the stored one.
void TestAfData::storedFrameWriters()
{
    QCOMPARE(adapter().adp_KVR_func_api_RecInfo_AF_Frame_Set_OnePoint_Frame(70000, 5), Utilities::Ternary_False);
    QCOMPARE(adapter().af_onepoin_frame_pos_X(), 4464);
    QCOMPARE(adapter().af_onepoin_frame_pos_Y(), 5);
    QCOMPARE(callCount(m_index, "RecInfo_AF_Frame_Set_OnePoint_Frame"), 0);

    records().afFrame.cmultiTable[3] = 1;
    Utilities::Ternary answer = Utilities::Ternary_Unknown;
    QVERIFY(QMetaObject::invokeMethod(&adapter(), "adp_KVR_func_api_RecInfo_AF_Frame_Set_CMulti_AF_Frame",
                                      Q_RETURN_ARG(kavrotether::Utilities::Ternary, answer), Q_ARG(int, 9)));
    QCOMPARE(answer, Utilities::Ternary_False);
    QCOMPARE(adapter().af_cmulti_table_cur_index(), 9);
    QCOMPARE(adapter().af_cmulti_table_data(3), 1);
    std::array<uchar, 315> table{};
    adapter().adp_KVR_func_api_RecInfo_AF_Frame_Set_CMulti_AF_Frame(4, table.data());
    QCOMPARE(adapter().af_cmulti_table_data(3), 0);
}

void TestAfData::menuTouch_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    // The camera refuses anything off its 0..999 grid: only a clamped
    // position reaches it.
    QTest::newRow("inside") << 500 << 500;
    QTest::newRow("far edge") << 1000 << 1000;
    QTest::newRow("left of the picture") << -1 << 10;
    QTest::newRow("far below") << 999 << 5000;
}

void TestAfData::menuTouch()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Menu_Touch_Down_Menu(x, y), Utilities::Ternary_True);
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Menu_Touch_Up_Menu(x, y), Utilities::Ternary_True);
    QCOMPARE(callCount(m_index, "Rec_Ctrl_Menu"), 2);
}

void TestAfData::menuEndAndMonitor()
{
    const int other = test::cameraByModel("Rozado Sim B2");
    const QString otherUuid = openCamera(other);
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Menu_Start_Menu(), Utilities::Ternary_True);
    QCOMPARE(kvrsim::status(m_index).cameraStatus, quint16(KVR_CAMERA_STATUS_MENU));
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Menu_End_Menu(), Utilities::Ternary_True);
    QCOMPARE(kvrsim::status(m_index).cameraStatus, quint16(KVR_CAMERA_STATUS_IDLE));
    // The other camera refuses its menu: the close reaches it, not the selected one.
    QCOMPARE(adapter().adp_KVR_func_api_Rec_Ctrl_Menu_End_Menu(otherUuid), Utilities::Ternary_False);
    QCOMPARE(callCount(other, "Rec_Ctrl_Menu"), 1);
    QCOMPARE(callCount(m_index, "Rec_Ctrl_Menu"), 2);

    QCOMPARE(adapter().adp_KVR_func_api_Mnt_Ctrl_LiveView_Start(), Utilities::Ternary_True);
    kvrsim::failNext("Mnt_Ctrl_LiveView", 1, 2, 0);
    QCOMPARE(adapter().adp_KVR_func_api_Mnt_Ctrl_LiveView_Stop(), Utilities::Ternary_False);
}

QTEST_MAIN(TestAfData)
#include "tst_afdata.moc"
