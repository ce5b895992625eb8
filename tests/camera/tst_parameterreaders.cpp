// The parameter and white-balance readers against the simulated cameras:
// a code set on the camera's dial, read back through the reader, shows up
// converted in the property; failed reads leave the properties alone; and
// the copy-to-computer mask follows the recording target, cards, picture
// quality, HLG type and the transfer preferences.

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "SimulatorFixture.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

using namespace kavrotether;

namespace {

using Read = std::function<Utilities::Ternary(DeviceAdapter &)>;
using Shown = std::function<int(DeviceAdapter &)>;
constexpr auto True = Utilities::Ternary_True;
constexpr auto False = Utilities::Ternary_False;

#define R(reader) [](DeviceAdapter &a) { return a.adp_KVR_func_api_##reader(); }
#define S(getter) [](DeviceAdapter &a) { return int(a.getter()); }

// The camera is first dialled to `before` and read, so that a case whose
// value is -1 shows a change rather than the start value. With `failing`,
// the next call of that function answers `result` instead.
struct Conversion
{
    const char *name;
    const char *setting;
    quint32 before;
    quint32 code;
    Read read;
    Shown shown;
    int expected;
    Utilities::Ternary answer;
    const char *failing = nullptr;
    quint8 result = 0;
};

const std::vector<Conversion> &conversionRows()
{
    using U = Utilities;
    static const std::vector<Conversion> rows = {
        {"metering 4", "meteringMode", 3, 4, R(MeteringInfo_Get_Mode), S(meteringMode), -1, True},
        {"custom set 11", "custom3Set", 10, 11, R(CameraMode_Get_C3_Param), S(custom3Set), -1, False},
        {"mode position 6", "recordingMode", 0, 6, R(CameraMode_Get_Mode_Pos), S(recordingMode), -1, False},
        {"creative 2", "creativeControlFilter", 0, 2, R(CameraMode_Get_CreativeMode), S(creativeControlFilter),
         U::RM_CC_HighKey, False},
        {"drive 4", "driveMode", 0, 4, R(CameraMode_Get_DriveMode), S(driveMode), U::DM_Interval, False},
        {"drive 11", "driveMode", 0, 11, R(CameraMode_Get_DriveMode), S(driveMode), -1, False},
        {"movie format 1", "motionPictureFormat", 3, 1, R(Mov_Config_Get_Rec_mode_Param), S(motionPictureFormat), -1,
         True},
        {"quality 3", "imgInfoQuality", 0, 3, R(ImageInfo_Get_ImageQuality), S(imgInfoQuality), U::ImgInfoQ_Raw, True},
        {"quality 16", "imgInfoQuality", 0, 16, R(ImageInfo_Get_ImageQuality), S(imgInfoQuality),
         U::ImgInfoQ_Raw_Heif_Std, True},
        {"aperture below zero", "aperture", 40, 0xFFF0, R(Aperture_GetParam), S(aperture), -16, True},
        {"file target 1", "fileTarget", 0, 1, R(SetupFilesConfig_Get_Target), S(fileTarget), U::FLTG_PcOnly, True},
        {"file target 2", "fileTarget", 0, 2, R(SetupFilesConfig_Get_Target), S(fileTarget), U::FLTG_PcAndCamera, True},
        {"white balance 3", "whiteBalance", 2, 3, R(WB_GetParam), S(whiteBalance), -1, True},
        {"white balance 0x8016", "whiteBalance", 2, 0x8016, R(WB_GetParam), S(whiteBalance), -1, True},
        {"adjustment 0x800A", "wbAdjustAB", 0, 0x800A, R(WB_Get_ADJ_AB), S(wbAdjustAB), U::WBAdj_M10, True},
        {"adjustment 0", "wbAdjustGM", 1, 0, R(WB_Get_ADJ_GM), S(wbAdjustGM), U::WBAdj_Zero, True},
        {"adjustment 0x8000", "wbAdjustABSep", 0, 0x8000, R(WB_Get_ADJ_AB_Sep), S(wbAdjustABSep), -1, True},
        {"adjustment 11", "wbAdjustAB", 0, 11, R(WB_Get_ADJ_AB), S(wbAdjustAB), -1, True},
        {"K setting not listed", "whiteBalanceKSet", 5500, 5501, R(WB_Get_KSet), S(whiteBalanceKSet), -1, True},
        {"failed metering", "meteringMode", 0, 2, R(MeteringInfo_Get_Mode), S(meteringMode), U::MM_Spot, False,
         "MeteringInfo_Get_Mode"},
        {"system frequency result 2", "systemFrequency", 1, 2, R(SetupConfig_Get_SystemFreq_Mode), S(systemFrequency),
         U::SFQ_PAL, False, "SetupConfig_Get_SystemFreq_Mode", 2},
        // These two count a failed read as "off".
        {"failed hlg type", "hlgShootingType", 3, 2, R(RecInfo_HLG_Get_Cfg), S(pscHlgShootingType), 0, False,
         "RecInfo_HLG_Get_Cfg"},
        {"failed jpeg/heif mode", "imgInfoJpegHeifMode", 1, 1, R(GetJpegHeifMode), S(imgInfoJpegHeifMode), 0, False,
         "ImageInfo_Get_ImageJpegHeifMode"},
    };
    return rows;
}

// Camera codes: target 0 camera only, 1 computer only, 2 both; quality 0
// fine, 3 RAW, 4 RAW+fine, 12 interlock, 13 HEIF, 15/16 RAW+HEIF.
constexpr quint32 kCameraOnly = 0, kPcOnly = 1, kBoth = 2;
enum Cards { NoCard, CardIn, Protected };

} // namespace

class TestParameterReaders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void conversions_data();
    void conversions();
    void repeatedValuesAnnounceByTheirRule();
    void driveModeFollowsTheIntervalKind();
    void aspect_data();
    void aspect();
    void picture4K6K_data();
    void picture4K6K();
    void movieQualityBeyondTheList();
    void jpegHeifModeRefreshesARawOnlyQuality();
    void whiteBalanceThroughTheQueue();
    void copyMask_data();
    void copyMask();
    void hlgTypeOfACamera();

private:
    DeviceAdapter &adapter() { return m_fixture.adapter(); }
    void dial(const char *setting, quint32 code) { kvrsim::turnDial(m_index, setting, code); }

    std::unique_ptr<test::IsolatedSettings> m_isolated;
    std::unique_ptr<test::InstalledSettings> m_settings;
    test::AdapterFixture m_fixture;
    int m_index = -1;
    QString m_uuid;
};

void TestParameterReaders::init()
{
    m_isolated = std::make_unique<test::IsolatedSettings>();
    m_settings = std::make_unique<test::InstalledSettings>();
    QVERIFY(m_fixture.start(std::string(), false));
    m_index = test::cameraByModel("Rozado Sim A1");
    m_uuid = QString::fromStdString(test::openUsbCamera(m_index));
    QVERIFY(!m_uuid.isEmpty());
    adapter().setSelectedCameraUuid(m_uuid);
    CameraInfo info;
    info.devIndex = m_index;
    info.supportHLG = 1;
    info.enableHLG = 1;
    QVERIFY(adapter().addCameraToTable(m_uuid, info));
}

void TestParameterReaders::cleanup()
{
    m_fixture.stop();
    m_settings.reset();
    m_isolated.reset();
}

void TestParameterReaders::conversions_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < conversionRows().size(); ++i)
        QTest::newRow(conversionRows()[i].name) << int(i);
}

void TestParameterReaders::conversions()
{
    QFETCH(int, row);
    const Conversion &c = conversionRows()[std::size_t(row)];
    dial(c.setting, c.before);
    c.read(adapter());
    QVERIFY2(c.failing || c.shown(adapter()) != c.expected, "the row's first code must show another value");
    dial(c.setting, c.code);
    if (c.failing)
        kvrsim::failNext(c.failing, 1, c.result);
    QCOMPARE(c.read(adapter()), c.answer);
    QCOMPARE(c.shown(adapter()), c.expected);
}

void TestParameterReaders::repeatedValuesAnnounceByTheirRule()
{
    QSignalSpy aperture(&adapter(), &DeviceAdapter::apertureChanged);
    QSignalSpy metering(&adapter(), &DeviceAdapter::meteringModeChanged);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(adapter().adp_KVR_func_api_Aperture_GetParam(), True);
        QCOMPARE(adapter().adp_KVR_func_api_MeteringInfo_Get_Mode(), True);
    }
    QCOMPARE(aperture.count(), 2);
    QCOMPARE(metering.count(), 1);
}

void TestParameterReaders::driveModeFollowsTheIntervalKind()
{
    DeviceAdapter &a = adapter();
    dial("intervalMode", 0);
    a.adp_KVR_func_api_IntervalInfo_Get_Interval_Mode();
    dial("driveMode", 4);
    a.adp_KVR_func_api_CameraMode_Get_DriveMode();
    QCOMPARE(a.driveMode(), Utilities::DM_Interval);

    // Interval -> stop-motion while in an interval drive mode.
    QSignalSpy drive(&a, &DeviceAdapter::driveModeChanged);
    dial("intervalMode", 1);
    a.adp_KVR_func_api_IntervalInfo_Get_Interval_Mode();
    QCOMPARE(a.driveMode(), Utilities::DM_Komadori);
    QCOMPARE(drive.count(), 1);

    // Code 4 during stop-motion writes neither the property nor the out-value.
    auto out = Utilities::DriveMode(-7);
    QCOMPARE(a.adp_KVR_func_api_CameraMode_Get_DriveMode(&out, m_uuid), False);
    QCOMPARE(int(out), -7);
    a.adp_KVR_func_api_CameraMode_Get_DriveMode();
    QCOMPARE(a.driveMode(), Utilities::DM_Komadori);

    // The out-value form reads without touching the property.
    dial("driveMode", 1);
    a.adp_KVR_func_api_CameraMode_Get_DriveMode(&out, m_uuid);
    QCOMPARE(out, Utilities::DM_Burst);
    QCOMPARE(a.driveMode(), Utilities::DM_Komadori);
}

void TestParameterReaders::aspect_data()
{
    QTest::addColumn<quint32>("code");
    QTest::addColumn<Utilities::Ternary>("answer");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<double>("frame");
    QTest::addColumn<double>("diagonal");
    // The read starts from code 4: ratio 4, frame 1.0, diagonal 45.
    QTest::newRow("3:2") << 2u << True << 2 << 1.5 << 33.6;
    QTest::newRow("65:24 keeps the diagonal") << 10u << True << 10 << 2.7083333 << 45.0;
    QTest::newRow("unknown 7") << 7u << False << 4 << 1.7777777 << 45.0;
}

void TestParameterReaders::aspect()
{
    QFETCH(quint32, code);
    QFETCH(Utilities::Ternary, answer);
    DeviceAdapter &a = adapter();
    dial("imgInfoAspect", 4);
    QCOMPARE(a.adp_KVR_func_api_ImageInfo_Get_ImageAspect(), True);
    dial("imgInfoAspect", code);
    QCOMPARE(a.adp_KVR_func_api_ImageInfo_Get_ImageAspect(), answer);
    QTEST(a.aspectRatio(), "ratio");
    QTEST(a.afFrame_asp_x(), "frame");
    QTEST(a.lvGDraw_diagonal_rotation(), "diagonal");
}

void TestParameterReaders::picture4K6K_data()
{
    QTest::addColumn<quint32>("mode");
    QTest::addColumn<quint32>("format");
    QTest::addColumn<int>("picture");
    QTest::newRow("6K burst") << 2u << 2u << int(Utilities::PQQ_6K_30p_Burst);
    QTest::newRow("4K 30p pre-burst") << 1u << 0u << int(Utilities::PQQ_4K_30p_PreBurst);
    QTest::newRow("mode 4") << 4u << 0u << -1;
    QTest::newRow("format 3") << 2u << 3u << -1;
}

void TestParameterReaders::picture4K6K()
{
    QFETCH(quint32, mode);
    QFETCH(quint32, format);
    DeviceAdapter &a = adapter();
    dial("picture4K6KType", mode);
    dial("picture4K6KFrame", format);
    dial("focusSelect", 2);
    QCOMPARE(a.adp_KVR_func_api_Get_4K6K_Info(), False);
    QCOMPARE(a.focusSelect(), Utilities::FS_4K_8M);
    QCOMPARE(a.adp_KVR_func_api_CameraMode_Get_4k_Mode(), False);
    QTEST(int(a.picture4K6K()), "picture");
}

void TestParameterReaders::movieQualityBeyondTheList()
{
    DeviceAdapter &a = adapter();
    QCOMPARE(a.adp_KVR_func_api_Mov_Config_Get_Quality_mode_Param(), True);
    QCOMPARE(a.recMovie(), 371u);
    dial("recMovie", 0x420);
    QCOMPARE(a.adp_KVR_func_api_Mov_Config_Get_Quality_mode_Param(), True);
    QCOMPARE(a.recMovie(), 371u);
    QCOMPARE(DeviceAdapterTestAccess::settingStorage(a).raw_movieQualityMode.load(), quint16(0x420));
}

void TestParameterReaders::jpegHeifModeRefreshesARawOnlyQuality()
{
    DeviceAdapter &a = adapter();
    dial("imgInfoQuality", 3);
    a.adp_KVR_func_api_ImageInfo_Get_ImageQuality();
    QSignalSpy quality(&a, &DeviceAdapter::imgInfoQualityChanged);
    dial("imgInfoJpegHeifMode", 1);
    QCOMPARE(a.adp_KVR_func_api_GetJpegHeifMode(), True);
    QCOMPARE(a.adp_KVR_func_api_GetJpegHeifMode(), True);
    QCOMPARE(quality.count(), 1);
    QCOMPARE(a.imgInfoQuality(), Utilities::ImgInfoQ_Raw);
    QCOMPARE(int(a.imgInfoJpegHeifMode()), 1);
}

// A dial turned on the camera, read by the queued read command; then a
// failed read that changes none of the five.
void TestParameterReaders::whiteBalanceThroughTheQueue()
{
    DeviceAdapter &a = adapter();
    QStringList order;
    const auto note = [&order](const char *name) { return [&order, name] { order << QLatin1String(name); }; };
    connect(&a, &DeviceAdapter::whiteBalanceChanged, this, note("mode"));
    connect(&a, &DeviceAdapter::whiteBalanceKSetChanged, this, note("k"));
    connect(&a, &DeviceAdapter::wbAdjustABChanged, this, note("ab"));
    connect(&a, &DeviceAdapter::wbAdjustGMChanged, this, note("gm"));
    connect(&a, &DeviceAdapter::wbAdjustABSepChanged, this, note("absep"));
    dial("whiteBalance", 0x8008);
    dial("wbAdjustAB", 0x8003);
    dial("wbAdjustABSep", 3);
    QCOMPARE(a.adp_KVR_func_api_Get_WB_Info_Start(), True);
    m_fixture.deliverAndRun();
    QCOMPARE(order, QStringList({"mode", "k", "ab", "gm", "absep"}));
    QCOMPARE(a.whiteBalance(), Utilities::WB_Cloud);
    QCOMPARE(a.wbAdjustAB(), Utilities::WBAdj_M3);
    QCOMPARE(a.wbAdjustGM(), Utilities::WBAdj_Zero);
    QCOMPARE(a.wbAdjustABSep(), Utilities::WBAdj_P3);

    order.clear();
    dial("whiteBalance", 2);
    dial("wbAdjustGM", 5);
    kvrsim::failNext("Get_WB_Info", 1);
    QCOMPARE(a.adp_KVR_func_api_Get_WB_Info(), False);
    QVERIFY(order.isEmpty());
    QCOMPARE(a.whiteBalance(), Utilities::WB_Cloud);
    QCOMPARE(a.wbAdjustGM(), Utilities::WBAdj_Zero);
}

void TestParameterReaders::copyMask_data()
{
    QTest::addColumn<quint32>("target");
    QTest::addColumn<int>("cards");
    QTest::addColumn<quint32>("quality");
    QTest::addColumn<quint32>("hlg");
    QTest::addColumn<bool>("rawOn");
    QTest::addColumn<bool>("hlgOn");
    QTest::addColumn<int>("mask");
    using D = DeviceAdapter;
    QTest::newRow("both, card, RAW, RAW off") << kBoth << int(CardIn) << 3u << 0u << false << true << int(D::CM_NOT);
    QTest::newRow("both, no card, RAW, RAW off") << kBoth << int(NoCard) << 3u << 0u << false << true << int(D::CM_RAW);
    QTest::newRow("both, card, RAW+fine") << kBoth << int(CardIn) << 4u << 0u << true << true << int(D::CM_JPEG_RAW);
    QTest::newRow("both, card, RAW+fine, RAW off")
        << kBoth << int(CardIn) << 4u << 0u << false << true << int(D::CM_JPEG);
    QTest::newRow("both, card, interlock") << kBoth << int(CardIn) << 12u << 0u << true << true << int(D::CM_JPEG_RAW);
    QTest::newRow("both, card, RAW+HEIF, RAW off")
        << kBoth << int(CardIn) << 16u << 0u << false << true << int(D::CM_HEIF);
    QTest::newRow("both, card, HLG 4K, HLG off")
        << kBoth << int(CardIn) << 0u << 3u << true << false << int(D::CM_JPEG);
    QTest::newRow("both, card, HLG 4K") << kBoth << int(CardIn) << 0u << 3u << true << true << int(D::CM_JPEG_HLG);
    QTest::newRow("both, protected") << kBoth << int(Protected) << 0u << 0u << true << true << int(D::CM_NOT);
    QTest::newRow("computer, fine, HLG 4K, HLG off")
        << kPcOnly << int(CardIn) << 0u << 3u << true << false << int(D::CM_JPEG_HLG);
    QTest::newRow("computer, HEIF") << kPcOnly << int(CardIn) << 13u << 0u << false << false << int(D::CM_HEIF);
    // A quality code the program does not know copies every kind.
    QTest::newRow("computer, unknown quality 2, HLG 8K")
        << kPcOnly << int(CardIn) << 2u << 1u << true << true << int(D::CM_HEIF_RAW | D::CM_JPEG_HLG);
    QTest::newRow("both, card, unknown quality, RAW off")
        << kBoth << int(CardIn) << 0x7777u << 0u << false << true << int(D::CM_JPEG | D::CM_HEIF);
    // An HLG type code the program does not know copies HLG as a known one does.
    QTest::newRow("computer, unknown HLG code")
        << kPcOnly << int(CardIn) << 0u << 7u << true << false << int(D::CM_JPEG_HLG);
    QTest::newRow("both, card, unknown HLG code")
        << kBoth << int(CardIn) << 0u << 7u << true << true << int(D::CM_JPEG_HLG);
    // The code that, read as a signed type, would be the one never read.
    QTest::newRow("computer, HLG code 0xFFFFFFFF")
        << kPcOnly << int(CardIn) << 0u << 0xFFFFFFFFu << true << false << int(D::CM_JPEG_HLG);
    QTest::newRow("both, card, HLG code 0xFFFFFFFF")
        << kBoth << int(CardIn) << 0u << 0xFFFFFFFFu << true << true << int(D::CM_JPEG_HLG);
    QTest::newRow("camera only, no card") << kCameraOnly << int(NoCard) << 0u << 0u << true << true << int(D::CM_NOT);
}

// The mask of a camera read from it by UUID, and the selected camera's mask
// kept as its readers store the same values.
void TestParameterReaders::copyMask()
{
    QFETCH(quint32, target);
    QFETCH(int, cards);
    QFETCH(quint32, quality);
    QFETCH(quint32, hlg);
    QFETCH(bool, rawOn);
    QFETCH(bool, hlgOn);
    QFETCH(int, mask);
    m_settings->setRawTransferType(rawOn ? ApplicationSettings::RawTransType_ON
                                         : ApplicationSettings::RawTransType_OFF);
    m_settings->setHlgTransferType(hlgOn ? ApplicationSettings::HlgTransType_ON
                                         : ApplicationSettings::HlgTransType_OFF);
    dial("fileTarget", target);
    dial("imgInfoQuality", quality);
    dial("hlgShootingType", hlg);
    kvrsim::updateStatus(m_index, [cards](kvrsim::StatusValues &s) {
        s.cardCount = cards == NoCard ? 0 : 1;
        s.cards[0] = cards == Protected ? 2 : 1;
    });
    DeviceAdapter &a = adapter();
    QCOMPARE(int(a.getCopyPcMaskValByUUID(m_uuid)), mask);

    // The card state last: its change alone must bring the mask up to date.
    a.adp_KVR_func_api_SetupFilesConfig_Get_Target();
    a.adp_KVR_func_api_ImageInfo_Get_ImageQuality();
    a.adp_KVR_func_api_RecInfo_HLG_Get_Cfg();
    a.adp_KVR_func_api_GetStatusOfCards(nullptr, QString());
    QCOMPARE(int(a.copyPcMaskVal()), mask);
    QCOMPARE(int(a.getCopyPcMaskValByUUID(QString())), mask);
}

void TestParameterReaders::hlgTypeOfACamera()
{
    DeviceAdapter &a = adapter();
    dial("hlgShootingType", 2);
    QCOMPARE(a.getPscHlgShootingTypeByUUID(m_uuid), 2);
    kvrsim::failNext("RecInfo_HLG_Get_Cfg", 1);
    QCOMPARE(a.getPscHlgShootingTypeByUUID(m_uuid), -1);
    QCOMPARE(a.getPscHlgShootingTypeByUUID(QStringLiteral("not-connected")), -1);
    a.withCameraTable([&](QMap<QString, CameraInfo> &table) { table[m_uuid].enableHLG = 0; });
    QCOMPARE(a.getPscHlgShootingTypeByUUID(m_uuid), -1);
    // Read for another camera, the selected camera's stored type stays.
    QCOMPARE(a.pscHlgShootingType(), -1);
    // The interface calls the out-value readers by name without arguments.
    Utilities::Ternary answer = False;
    QVERIFY(QMetaObject::invokeMethod(&a, "adp_KVR_func_api_RecInfo_HLG_Get_Cfg",
                                      Q_RETURN_ARG(kavrotether::Utilities::Ternary, answer)));
    QCOMPARE(answer, True);
    QCOMPARE(a.pscHlgShootingType(), 2);
}

QTEST_MAIN(TestParameterReaders)
#include "tst_parameterreaders.moc"
