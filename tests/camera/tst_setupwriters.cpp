// The setters that talk to the camera on the calling thread, against two
// connected simulated cameras (the second follows the selected one): what
// reaches which camera, what a refusal puts back, the movie filter's edit
// round trip, the recording target's paths, the copy mask of a camera whose
// reads fail, and the live-view quality's outcomes.
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

#include "AdapterFixture.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "QueuedSpy.h"
#include "app/Startup.h"
#include "camera/DeviceSearch.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

using namespace kavrotether;
using T = Utilities::Ternary;

class TestSetupWriters : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void setters_data();
    void setters();
    void movieFilterEditRoundTrip();
    void fileTargetPaths();
    void copyMaskOfACameraWhoseReadsFail_data();
    void copyMaskOfACameraWhoseReadsFail();
    void liveViewQuality();
    void displayAndAfmfReads();
    void settingsHlgTypeReachesTheSelectedCamera();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }
    int calls(int index, const std::string &function) const
    {
        const auto log = kvrsim::callLog(index);
        return int(std::count(log.begin(), log.end(), function));
    }

    std::unique_ptr<test::IsolatedSettings> m_isolated;
    std::unique_ptr<test::InstalledSettings> m_settings;
    test::AdapterFixture m_fixture;
    int m_index = -1; // the selected camera
    int m_other = -1; // the camera that follows it
    QString m_uuid;
    QString m_otherUuid;
};

static const ConnectReadTables kNoReading{nullptr, 0, nullptr, 0};

void TestSetupWriters::init()
{
    m_isolated = std::make_unique<test::IsolatedSettings>();
    m_settings = std::make_unique<test::InstalledSettings>();
    DeviceSearch::setConnectReadTables(&kNoReading);
    QVERIFY(m_fixture.start());
    test::QueuedSpy reading(&adapter(), &DeviceAdapter::camConnectStatusChanged);
    QVERIFY(test::connectUsbCameras(adapter()));
    while (adapter().camConnectStatus() != Utilities::CamConnectSts_Success)
        QVERIFY(reading.spy.wait(5000));
    m_index = kvrsim::indexOfSerial(adapter().camSerialNo().toStdString());
    m_uuid = QString::fromStdString(kvrsim::uuidOf(m_index));
    adapter().withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (auto it = table.begin(); it != table.end(); ++it)
            if (it.key() != m_uuid) {
                m_otherUuid = it.key();
                it->sendCmdEnable = 1;
            }
    });
    for (int i : kvrsim::cameras())
        if (QString::fromStdString(kvrsim::uuidOf(i)) == m_otherUuid)
            m_other = i;
    QVERIFY(m_index >= 0 && m_other >= 0);
    kvrsim::clearCallLogs();
}

void TestSetupWriters::cleanup()
{
    m_fixture.stop();
    DeviceSearch::setConnectReadTables(nullptr);
    m_settings.reset();
    m_isolated.reset();
}

// One row per synchronous setter (the camera's setting has the property's
// name): the value written, the camera code it becomes, a second value
// whose write the camera refuses, and whether the camera's taking it is
// announced (the movie values) or left to its next event.
struct SetterRow
{
    const char *row;
    const char *property;
    const char *function;
    qint64 value;
    uint code;
    qint64 refused;
    bool inner;
};
// clang-format off
static const SetterRow kSetters[] = {
    {"recMovie", "recMovie", "Mov_Config_Set_Quality_mode_Param", 373, 373, 189, true},
    {"MP4 is code 2", "motionPictureFormat", "Mov_Config_Set_Rec_mode_Param", Utilities::MPF_MP4, 2, Utilities::MPF_ProRes, false},
    {"movieFrameRate", "movieFrameRate", "Mov_Filter_Set_Frame_rate_Param", 0x80000BB5, 0x80000BB5, 0x8000095E, true},
    {"moviePixel", "moviePixel", "Mov_Filter_Set_Pixel_Param", 4, 4, 8, true},
    {"movieCompressMethod", "movieCompressMethod", "Mov_Filter_Set_Compression_method_Param", 0x1110, 0x1110, 0x1100, true},
    {"movieBitRate", "movieBitRate", "Mov_Filter_Set_Bit_rate_Param", 400, 400, 100, true},
    {"movieVFR", "movieVFR", "Mov_Filter_Set_VFR_Param", 1, 1, 0, true},
    {"movieHLG", "movieHLG", "Mov_Filter_Set_HLG_Param", 1, 1, 0, true},
    {"afmfMode", "afmfMode", "AFMF_Cfg2_Info_Set_AFMF_Mode_Param", 1, 1, 0, false},
    {"afmfMode outside the table is code 0", "afmfMode", "AFMF_Cfg2_Info_Set_AFMF_Mode_Param", 2, 0, 1, false},
    {"mfAssistMode", "mfAssistMode", "AFMF_Cfg2_Info_Set_MF_Assist_Mode", 1, 1, 0, false},
    {"pinpointMode", "pinpointMode", "AFMF_Cfg2_Info_Set_AF_Pinpoint_Mode", 1, 1, 0, false},
    {"lvMagMode", "lvMagMode", "AFMF_Cfg2_Info_Set_LV_Mag_Mode", 1, 1, 0, false},
    {"pinpAspectRatio is its own code", "pinpAspectRatio", "AFMF_Cfg2_Info_Set_PinP_Aspect_Info", Utilities::PINPAR_C4K, 6, Utilities::PINPAR_1_1, false},
};
// clang-format on

void TestSetupWriters::setters_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kSetters)); ++i)
        QTest::newRow(kSetters[i].row) << i;
}

void TestSetupWriters::setters()
{
    QFETCH(int, row);
    const SetterRow &r = kSetters[row];
    const QByteArray property = r.property;
    const std::string setting = r.property;
    const std::string fn = r.function;
    const qint64 value = r.value;
    const uint code = r.code;
    const bool inner = r.inner;
    DeviceAdapter &a = adapter();
    // The filter items are taken only while the filter is open.
    QCOMPARE(a.adp_KVR_func_api_MovieFilter_Ctrl_Start(), T::Ternary_True);
    kvrsim::setOffered(m_other, setting, {code});

    QSignalSpy errors(&a, &DeviceAdapter::settingErrorNotify);
    const QMetaObject *meta = a.metaObject();
    QSignalSpy changed(&a, meta->property(meta->indexOfProperty(property)).notifySignal());
    const int innerIndex = meta->indexOfSignal(QByteArray(property + "InnerChanged(uint)").constData());
    QCOMPARE(innerIndex >= 0, inner);
    std::unique_ptr<QSignalSpy> innerSpy;
    if (inner)
        innerSpy = std::make_unique<QSignalSpy>(&a, meta->method(innerIndex));
    const auto innerCount = [&] { return innerSpy ? int(innerSpy->count()) : 0; };

    QVERIFY(a.setProperty(property, value));
    QCOMPARE(a.property(property).toLongLong(), value);
    QCOMPARE(kvrsim::setting(m_index, setting), code);
    // The follower cannot open its filter: it gets the item all the same.
    if (fn.rfind("Mov_Filter", 0) != 0)
        QCOMPARE(kvrsim::setting(m_other, setting), code);
    QCOMPARE(calls(m_index, fn), 1);
    QCOMPARE(calls(m_other, fn), 1);
    QCOMPARE(innerCount(), inner ? 1 : 0);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(changed.count(), 0);

    // The same value again sends nothing.
    QVERIFY(a.setProperty(property, value));
    QCOMPARE(calls(m_index, fn), 1);

    // A refusal: the notice and the old value back with its signal; the
    // follower still gets the code.
    kvrsim::failNext(fn, 1, 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    QVERIFY(a.setProperty(property, r.refused));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(a.property(property).toLongLong(), value);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toLongLong(), value);
    QCOMPARE(innerCount(), inner ? 1 : 0);
    QCOMPARE(calls(m_other, fn), 2);
    QCOMPARE(kvrsim::setting(m_index, setting), code);

    // Only 1 is success: another answer is a refusal too.
    kvrsim::failNext(fn, 1, 2, 0, m_uuid.toStdString());
    QVERIFY(a.setProperty(property, r.refused));
    QCOMPARE(errors.count(), 2);
    QCOMPARE(a.property(property).toLongLong(), value);
}

void TestSetupWriters::movieFilterEditRoundTrip()
{
    DeviceAdapter &a = adapter();
    QSignalSpy errors(&a, &DeviceAdapter::settingErrorNotify);
    QCOMPARE(a.adp_KVR_func_api_Mov_Filter_GetCapability(), T::Ternary_True);
    const uint before = a.movieFrameRate();
    // every frame rate: the list is not narrowed
    QCOMPARE(before, 0xFFFFFFFFu);
    QCOMPARE(a.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List(), T::Ternary_True);
    QCOMPARE(a.mov_quality_list_number_of_quality(), 5);

    // Each filter item narrows the camera's list; a cancel puts the camera's
    // and the program's values back without announcing them.
    QCOMPARE(a.adp_KVR_func_api_MovieFilter_Ctrl_Start(), T::Ternary_True);
    a.setMovieFrameRate(0x8000176A);
    a.setMovieBitRate(100);
    QCOMPARE(a.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List(), T::Ternary_True);
    QCOMPARE(a.mov_quality_list_number_of_quality(), 1);
    QCOMPARE(a.mov_quality_list_data_video_quality(0), 48u);
    QCOMPARE(a.mov_quality_list_data_bit_rate(0), QStringLiteral("100M"));
    QCOMPARE(a.mov_quality_list_data_pixels(1), 0xFFFFFFFFu);
    QSignalSpy frameRate(&a, &DeviceAdapter::movieFrameRateChanged);
    QCOMPARE(a.adp_KVR_func_api_MovieFilter_Ctrl_End(Utilities::MFC_CANCEL), T::Ternary_True);
    QCOMPARE(a.movieFrameRate(), before);
    QCOMPARE(a.movieBitRate(), 100u);
    QCOMPARE(frameRate.count(), 0);
    QCOMPARE(kvrsim::setting(m_index, "movieFrameRate"), before);
    QCOMPARE(a.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List(), T::Ternary_True);
    QCOMPARE(a.mov_quality_list_number_of_quality(), 5);

    // A submit keeps the values: a later cancel goes back to them.
    QCOMPARE(a.adp_KVR_func_api_MovieFilter_Ctrl_Start(), T::Ternary_True);
    a.setMovieFrameRate(0x8000095E);
    QCOMPARE(a.adp_KVR_func_api_MovieFilter_Ctrl_End(Utilities::MFC_SUBMIT), T::Ternary_True);
    QCOMPARE(a.adp_KVR_func_api_MovieFilter_Ctrl_Start(), T::Ternary_True);
    a.setMovieFrameRate(0x80000BB5);
    QCOMPARE(a.adp_KVR_func_api_MovieFilter_Ctrl_End(Utilities::MFC_CANCEL), T::Ternary_True);
    QCOMPARE(a.movieFrameRate(), 0x8000095Eu);
    QCOMPARE(kvrsim::setting(m_index, "movieFrameRate"), 0x8000095Eu);
    QCOMPARE(errors.count(), 0);

    // Ending a filter that is not open is refused and told.
    QCOMPARE(a.adp_KVR_func_api_MovieFilter_Ctrl_End(Utilities::MFC_SUBMIT), T::Ternary_False);
    QCOMPARE(errors.count(), 1);
}

// The user's change of the selected camera's target reaches the cameras that
// follow it; a camera's own target (by serial number, from the saved store
// locations) reaches that camera alone. The copy mask follows every time.
void TestSetupWriters::fileTargetPaths()
{
    DeviceAdapter &a = adapter();
    QSignalSpy errors(&a, &DeviceAdapter::settingErrorNotify);
    QSignalSpy changed(&a, &DeviceAdapter::fileTargetChanged);
    const QString otherSerial = QString::fromStdString(kvrsim::profileOf(m_other).serial);
    const QString serial = a.camSerialNo();

    QCOMPARE(a.adp_KVR_func_api_ImageInfo_Get_ImageQuality(), T::Ternary_True);
    a.setFileTarget(Utilities::FLTG_PcOnly);
    QCOMPARE(kvrsim::setting(m_index, "fileTarget"), 1u);
    QCOMPARE(kvrsim::setting(m_other, "fileTarget"), 1u);
    QCOMPARE(a.copyPcMaskVal(), a.getCopyPcMaskValByUUID(QString()));
    QCOMPARE(a.copyPcMaskVal(), quint16(DeviceAdapter::CM_JPEG));
    // Unchanged, it is still sent; refused, it comes back with its signal.
    a.setFileTarget(Utilities::FLTG_PcOnly);
    QCOMPARE(calls(m_index, "SetupFilesConfig_Set_Target"), 2);
    changed.clear();
    kvrsim::failNext("SetupFilesConfig_Set_Target", 1, 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    a.setFileTarget(Utilities::FLTG_CameraOnly);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(a.fileTarget(), Utilities::FLTG_PcOnly);
    QCOMPARE(a.copyPcMaskVal(), a.getCopyPcMaskValByUUID(QString()));

    kvrsim::clearCallLogs();
    a.setFileTargetById(otherSerial, Utilities::FLTG_CameraOnly);
    a.setFileTargetById(serial, Utilities::FLTG_PcAndCamera);
    QCOMPARE(kvrsim::setting(m_other, "fileTarget"), 0u);
    QCOMPARE(kvrsim::setting(m_index, "fileTarget"), 2u);
    QCOMPARE(a.fileTarget(), Utilities::FLTG_PcOnly);
    QCOMPARE(calls(m_index, "SetupFilesConfig_Set_Target"), 1);
    QCOMPARE(calls(m_other, "SetupFilesConfig_Set_Target"), 1);

    // The store locations chosen in the preferences, then as a connection
    // applies them: each camera gets its own, once.
    startup::bindCameraAccess(*m_settings, a);
    m_settings->setTargetCameraListLength(1);
    m_settings->setTargetCameraListByID(serial, ApplicationSettings::StoLocType_Pc, 0);
    m_settings->setStoreLocationType();
    QCOMPARE(kvrsim::setting(m_index, "fileTarget"), 1u);
    QCOMPARE(kvrsim::setting(m_other, "fileTarget"), 0u);
    kvrsim::clearCallLogs();
    kvrsim::turnDial(m_index, "fileTarget", 0);
    a.set_file_target_for_camera_list();
    QCOMPARE(kvrsim::setting(m_index, "fileTarget"), 1u);
    QCOMPARE(kvrsim::setting(m_other, "fileTarget"), 2u); // nothing saved: card and computer
    QCOMPARE(calls(m_index, "SetupFilesConfig_Set_Target"), 1);
    QCOMPARE(calls(m_other, "SetupFilesConfig_Set_Target"), 1);
    QCOMPARE(a.fileTarget(), Utilities::FLTG_PcOnly);
    QCOMPARE(a.copyPcMaskVal(), a.getCopyPcMaskValByUUID(QString()));
    QCOMPARE(errors.count(), 1);
}

// The selected camera records on its card alone: were its values borrowed,
// every mask below would be 0.
void TestSetupWriters::copyMaskOfACameraWhoseReadsFail_data()
{
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<uint>("target"); // camera codes: 1 PC, 2 both
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<uint>("quality"); // 0 fine, 3 RAW
    QTest::addColumn<bool>("rawOn");
    QTest::addColumn<int>("mask");
    using D = DeviceAdapter;
    const QStringList all{"SetupFilesConfig_Get_Target", "GetStatusOfCards", "ImageInfo_Get_ImageQuality",
                          "RecInfo_HLG_Get_Cfg"};
    QTest::newRow("nothing answered") << all << 2u << 1 << 0u << false << int(D::CM_HEIF_RAW | D::CM_JPEG_HLG);
    QTest::newRow("target") << QStringList{all[0]} << 2u << 1 << 0u << true << int(D::CM_JPEG);
    QTest::newRow("cards") << QStringList{all[1]} << 2u << 1 << 3u << false << int(D::CM_RAW);
    QTest::newRow("quality, RAW off") << QStringList{all[2]} << 2u << 1 << 0u << false << int(D::CM_JPEG | D::CM_HEIF);
    QTest::newRow("quality, computer only") << QStringList{all[2]} << 1u << 1 << 0u << false << 11;
    QTest::newRow("HLG") << QStringList{all[3]} << 1u << 1 << 0u << true << int(D::CM_JPEG_HLG);
    QTest::newRow("all answered") << QStringList{} << 2u << 1 << 3u << false << int(D::CM_NOT);
}

void TestSetupWriters::copyMaskOfACameraWhoseReadsFail()
{
    QFETCH(QStringList, failing);
    QFETCH(uint, target);
    QFETCH(int, cardCount);
    QFETCH(uint, quality);
    QFETCH(bool, rawOn);
    QFETCH(int, mask);
    DeviceAdapter &a = adapter();
    m_settings->setRawTransferType(rawOn ? ApplicationSettings::RawTransType_ON
                                         : ApplicationSettings::RawTransType_OFF);
    kvrsim::turnDial(m_index, "fileTarget", 0);
    QCOMPARE(a.adp_KVR_func_api_SetupFilesConfig_Get_Target(), T::Ternary_True);
    QCOMPARE(a.fileTarget(), Utilities::FLTG_CameraOnly);
    kvrsim::turnDial(m_other, "fileTarget", target);
    kvrsim::turnDial(m_other, "imgInfoQuality", quality);
    kvrsim::turnDial(m_other, "hlgShootingType", 0);
    kvrsim::updateStatus(m_other, [cardCount](kvrsim::StatusValues &s) { s.cardCount = uint16_t(cardCount); });
    for (const QString &fn : failing)
        kvrsim::failNext(fn.toStdString(), 1, 0, KVR_ERR_REFUSED, m_otherUuid.toStdString());
    QCOMPARE(int(a.getCopyPcMaskValByUUID(m_otherUuid)), mask);
}

void TestSetupWriters::liveViewQuality()
{
    DeviceAdapter &a = adapter();
    QCOMPARE(a.adp_KVR_func_api_LiveView_Str_Get_Recom_Img(), T::Ternary_True);
    QSignalSpy errors(&a, &DeviceAdapter::settingErrorNotify);
    QSignalSpy quality(&a, &DeviceAdapter::imgQualityChanged);
    const std::string fn = "LiveView_Str_Set_Trans_Img";

    // Values outside the three qualities are refused before any call.
    a.setImgQuality2(Utilities::LiveViewImageQuality(3), false);
    a.setImgQuality2(Utilities::LvImgQ_Unknown, false);
    QCOMPARE(calls(m_index, fn), 0);
    QCOMPARE(quality.count(), 0);

    // A camera on wireless LAN is told the quality by the compression.
    a.withCameraTable([&](QMap<QString, CameraInfo> &table) { table[m_otherUuid].isWlan = 1; });
    a.setImgQuality2(Utilities::LvImgQ_Fine, false);
    QCOMPARE(a.imgQuality(), int(Utilities::LvImgQ_Fine));
    QCOMPARE(quality.count(), 1);
    QCOMPARE(calls(m_other, fn), 1);
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG sent{};
    QCOMPARE(KVR_func_api_LiveView_Str_Get_Trans_Img(&sent, m_otherUuid.toLocal8Bit().constData(), nullptr), 1);
    QCOMPARE(int(sent.compression), 128);
    QCOMPARE(KVR_func_api_LiveView_Str_Get_Trans_Img(&sent, m_uuid.toLocal8Bit().constData(), nullptr), 1);
    QCOMPARE(int(sent.compression), 0);
    QCOMPARE(sent.size, (1920u << 16) | 1080u);

    // An answer other than 1 on every try is a refusal: the notice, then
    // one attempt to restore the old quality.
    kvrsim::failNext(fn, 4, 2, 0, m_uuid.toStdString());
    QCOMPARE(a.adp_KVR_func_api_LiveView_Str_Set_Trans_Img(false), T::Ternary_False);
    kvrsim::failNext(fn, 4, 2, 0, m_uuid.toStdString());
    a.setImgQuality2(Utilities::LvImgQ_Low, false);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(a.imgQuality(), int(Utilities::LvImgQ_Fine));
    QCOMPARE(quality.last().at(0).toInt(), int(Utilities::LvImgQ_Fine));

    // Forced, the known cameras are served even with "All Cameras" off, and
    // the send-command pass does not run.
    a.withCameraTable([&](QMap<QString, CameraInfo> &table) { table[m_otherUuid].sendCmdEnable = 0; });
    kvrsim::clearCallLogs();
    QCOMPARE(a.adp_KVR_func_api_LiveView_Str_Set_Trans_Img(false), T::Ternary_True);
    QCOMPARE(calls(m_other, fn), 0);
    QCOMPARE(a.adp_KVR_func_api_LiveView_Str_Set_Trans_Img(true), T::Ternary_True);
    QCOMPARE(calls(m_other, fn), 1);
}

void TestSetupWriters::displayAndAfmfReads()
{
    DeviceAdapter &a = adapter();
#define KAVRO_TEST_UNUSED(name) QCOMPARE(a.name(), T::Ternary_True);
    KAVRO_SETUP_WRITERS_UNUSED(KAVRO_TEST_UNUSED)
#undef KAVRO_TEST_UNUSED
    QVERIFY(kvrsim::callLog(m_index).empty());

    // The histogram goes on for the followers even when the selected camera
    // refuses.
    kvrsim::failNext("RecDisp_Config_Set_Histgram_Mode_Param", 1, 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    QCOMPARE(a.adp_KVR_func_api_RecDisp_Config_Set_Histgram_Mode_Param_On(), T::Ternary_False);
    QCOMPARE(kvrsim::setting(m_other, "histogram"), 1u);
    QCOMPARE(a.adp_KVR_func_api_RecDisp_Config_Set_Histgram_Mode_Param_On(), T::Ternary_True);
    QCOMPARE(kvrsim::setting(m_index, "histogram"), 1u);

    QSignalSpy preview(&a, &DeviceAdapter::recPreviewModeChanged);
    kvrsim::turnDial(m_index, "recPreviewMode", 2);
    QCOMPARE(a.adp_KVR_func_api_RecPreview_Cfg_Info_Get_Monitor_Disp(), T::Ternary_True);
    QCOMPARE(a.recPreviewMode(), Utilities::RecPreviw_Exp_SS);
    kvrsim::turnDial(m_index, "recPreviewMode", 5);
    QCOMPARE(a.adp_KVR_func_api_RecPreview_Cfg_Info_Get_Monitor_Disp(), T::Ternary_False);
    QCOMPARE(a.recPreviewMode(), Utilities::RecPreviw_Off);
    QCOMPARE(preview.count(), 0);

    QSignalSpy afmf(&a, &DeviceAdapter::afmfModeChanged);
    kvrsim::turnDial(m_index, "afmfMode", 1);
    QCOMPARE(a.adp_KVR_func_api_AFMF_Cfg2_Info_Get_AFMFMode_Param(), T::Ternary_True);
    kvrsim::turnDial(m_index, "afmfMode", 7);
    QCOMPARE(a.adp_KVR_func_api_AFMF_Cfg2_Info_Get_AFMFMode_Param(), T::Ternary_True);
    QCOMPARE(afmf.count(), 2);
    QCOMPARE(a.afmfMode(), Utilities::AFMFM_Unknown);
    kvrsim::turnDial(m_index, "pinpAspectRatio", 3);
    QCOMPARE(a.adp_KVR_func_api_AFMF_Cfg2_Info_Get_PinP_Aspect_Info(), T::Ternary_True);
    kvrsim::turnDial(m_index, "pinpAspectRatio", 13);
    QCOMPARE(a.adp_KVR_func_api_AFMF_Cfg2_Info_Get_PinP_Aspect_Info(), T::Ternary_True);
    QCOMPARE(a.pinpAspectRatio(), Utilities::PINPAR_16_9);
    kvrsim::failNext("AFMF_Cfg2_Info_Get_PinP_Aspect_Info", 1, 2);
    QCOMPARE(a.adp_KVR_func_api_AFMF_Cfg2_Info_Get_PinP_Aspect_Info(), T::Ternary_False);
}

// The preferences write the HLG shooting type through the settings object:
// it is queued for the selected camera alone.
void TestSetupWriters::settingsHlgTypeReachesTheSelectedCamera()
{
    startup::bindCameraAccess(*m_settings, adapter());
    m_settings->setProperty("hlgShootingType", int(DeviceAdapter::HlgShootingType_Full));
    m_fixture.deliverAndRun();
    QCOMPARE(kvrsim::setting(m_index, "hlgShootingType"), uint(DeviceAdapter::HlgShootingType_Full));
    QCOMPARE(calls(m_index, "RecInfo_HLG_Set_Cfg"), 1);
    QCOMPARE(calls(m_other, "RecInfo_HLG_Set_Cfg"), 0);
    QCOMPARE(m_settings->hlgShootingType(), int(DeviceAdapter::HlgShootingType_Full));
}

QTEST_MAIN(TestSetupWriters)
#include "tst_setupwriters.moc"
