// The settings model: capability records, offered and refused writes with
// their change events, status, injected failures and scenarios.
#include "sdktestsupport.h"

#include "core/Utilities.h"

#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <set>

using namespace sdktest;

namespace {

using SetFn = uint8_t (*)(uint32_t, const char *, uint32_t *);
using GetFn = uint8_t (*)(uint32_t *, const char *, uint32_t *);

struct SettingRow
{
    const char *setting; // name in the simulator
    SetFn set;
    GetFn get;
    uint32_t event;
};

const SettingRow settingRows[] = {
    {"aperture", KVR_func_api_Aperture_Set_Param, KVR_func_api_Aperture_GetParam, KVR_EVENT_APERTURE},
    {"shutterSpeed", KVR_func_api_SS_SetParam, KVR_func_api_SS_GetParam, KVR_EVENT_SHUTTER},
    {"iso", KVR_func_api_ISO_SetParam, KVR_func_api_ISO_GetParam, KVR_EVENT_ISO},
    {"exposure", KVR_func_api_Exposure_Set_Param, KVR_func_api_Exposure_GetParam, KVR_EVENT_EXPOSURE},
    {"whiteBalance", KVR_func_api_WB_Set_Param, KVR_func_api_WB_GetParam, KVR_EVENT_WHITE_BALANCE},
    {"whiteBalanceKSet", KVR_func_api_WB_Set_K_Set, KVR_func_api_WB_Get_KSet, KVR_EVENT_WHITE_BALANCE},
    {"wbAdjustGM", KVR_func_api_WB_Set_ADJ_GM, KVR_func_api_WB_Get_ADJ_GM, KVR_EVENT_WHITE_BALANCE},
    {"driveMode", KVR_func_api_CameraMode_Set_DriveMode, KVR_func_api_CameraMode_Get_DriveMode, KVR_EVENT_CAMERA_MODE},
    {"recordingMode", KVR_func_api_CameraMode_Set_Mode_Pos, KVR_func_api_CameraMode_Get_Mode_Pos,
     KVR_EVENT_CAMERA_MODE},
    {"meteringMode", KVR_func_api_MeteringInfo_Set_Mode, KVR_func_api_MeteringInfo_Get_Mode, KVR_EVENT_REC_CONFIG},
    {"hlgShootingType", KVR_func_api_RecInfo_HLG_Set_Cfg, KVR_func_api_RecInfo_HLG_Get_Cfg, KVR_EVENT_REC_CONFIG},
    {"imgInfoQuality", KVR_func_api_ImageInfo_Set_ImageQuality, KVR_func_api_ImageInfo_Get_ImageQuality,
     KVR_EVENT_STILL_IMAGE},
    {"photoStyle", KVR_func_api_PhotoStyle_Set_StyleMode, KVR_func_api_PhotoStyle_Get_StyleMode, KVR_EVENT_PHOTOSTYLE},
    {"motionPictureFormat", KVR_func_api_Mov_Config_Set_Rec_mode_Param, KVR_func_api_Mov_Config_Get_Rec_mode_Param,
     KVR_EVENT_MOVIE_CONFIG},
    {"afmfMode", KVR_func_api_AFMF_Cfg2_Info_Set_AFMF_Mode_Param, KVR_func_api_AFMF_Cfg2_Info_Get_AFMFMode_Param,
     KVR_EVENT_AF_CONFIG_2},
    {"recPreviewMode", KVR_func_api_RecPreview_Cfg_Info_Set_Monitor_Disp,
     KVR_func_api_RecPreview_Cfg_Info_Get_Monitor_Disp, KVR_EVENT_REC_PREVIEW},
    {"tetherMode", KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode,
     KVR_func_api_Power_SavingInfo_Get_Tether_Connect_Mode, KVR_EVENT_POWER_SAVING},
};

// A code the camera does not offer for that setting.
uint32_t unoffered(const std::vector<uint32_t> &offered)
{
    for (uint32_t c = 0x7F00;; ++c) {
        if (std::find(offered.begin(), offered.end(), c) == offered.end())
            return c;
    }
}

uint16_t u16At(const void *record, size_t offset)
{
    uint16_t v;
    std::memcpy(&v, static_cast<const uint8_t *>(record) + offset, 2);
    return v;
}

// The movie filter's items in the order of a quality's columns, each with
// the code that selects every quality and its setter.
const struct
{
    const char *item;
    uint32_t all;
    SetFn set;
} movieFilterItems[] = {{"movieFrameRate", 0xFFFFFFFFu, KVR_func_api_Mov_Filter_Set_Frame_rate_Param},
                        {"moviePixel", 0xFFFF, KVR_func_api_Mov_Filter_Set_Pixel_Param},
                        {"movieCompressMethod", 0xFFFF, KVR_func_api_Mov_Filter_Set_Compression_method_Param},
                        {"movieBitRate", 0xFFFF, KVR_func_api_Mov_Filter_Set_Bit_rate_Param},
                        {"movieVFR", 0xFFFF, KVR_func_api_Mov_Filter_Set_VFR_Param},
                        {"movieHLG", 0xFFFF, KVR_func_api_Mov_Filter_Set_HLG_Param}};

// Records are packed: a program may hand them over at any address.
template<typename Record>
Record *oddlyPlaced(std::vector<uint8_t> &storage)
{
    storage.assign(sizeof(Record) + 1, 0);
    return reinterpret_cast<Record *>(storage.data() + 1);
}

} // namespace

class TestSdkSettings : public QObject
{
    Q_OBJECT

private:
    int m_full = -1;
    int m_limited = -1;
    std::string m_uuid;
    std::string m_limitedUuid;

private slots:
    void init()
    {
        startDefault();
        m_full = cameraByModel("Rozado Sim A1");
        m_limited = cameraByModel("Rozado Sim B2");
        m_uuid = connectUsb(m_full);
        m_limitedUuid = connectUsb(m_limited);
        QVERIFY(!m_uuid.empty() && !m_limitedUuid.empty());
    }

    void cleanupTestCase() { kvrsim::reset(); }

    void offeredWriteIsAnnouncedAndReadBack_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < sizeof settingRows / sizeof settingRows[0]; ++i)
            QTest::newRow(settingRows[i].setting) << int(i);
    }

    void offeredWriteIsAnnouncedAndReadBack()
    {
        QFETCH(int, row);
        const SettingRow &r = settingRows[row];
        const std::vector<uint32_t> offered = kvrsim::offered(m_full, r.setting);
        QVERIFY(offered.size() >= 2);
        const uint32_t before = kvrsim::setting(m_full, r.setting);
        const uint32_t code = offered.back() != before ? offered.back() : offered.front();

        uint32_t err = 0xFFFFFFFFu;
        QCOMPARE(r.set(code, m_uuid.c_str(), &err), uint8_t(1));
        QCOMPARE(err, KVR_ERR_NONE);
        kvrsim::flush();
        QCOMPARE(recorder().count(r.event), 1);
        QCOMPARE(recorder().events().back().uuid, m_uuid);
        uint32_t read = 0;
        QCOMPARE(r.get(&read, m_uuid.c_str(), nullptr), uint8_t(1));
        if (std::string(r.setting) == "aperture")
            read &= 0xFFFFu;
        QCOMPARE(read, code);

        // A code that is not offered changes nothing and announces nothing.
        recorder().clear();
        QCOMPARE(r.set(unoffered(offered), m_uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_REFUSED);
        kvrsim::flush();
        QCOMPARE(recorder().count(r.event), 0);
        QCOMPARE(kvrsim::setting(m_full, r.setting), code);
    }

    void limitedCameraRefusesWhatItLacks()
    {
        uint32_t err = 0;
        // No HLG and no power saving on the limited camera.
        QCOMPARE(KVR_func_api_RecInfo_HLG_Set_Cfg(1, m_limitedUuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_REFUSED);
        QCOMPARE(KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode(0, m_limitedUuid.c_str(), &err), uint8_t(0));
        KVR_STRUCT_POWER_SAVING_CAPA_INFO power;
        QCOMPARE(KVR_func_api_PowerSaving_GetCapability(&power, m_limitedUuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(power.tetherMode.available, uint8_t(0));
        QCOMPARE(power.tetherMode.count, uint16_t(0));
        QCOMPARE(KVR_func_api_PowerSaving_GetCapability(&power, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(power.tetherMode.available, uint8_t(1));

        // Refused operations fail on that camera only.
        KVR_STRUCT_REC_CTRL ctrl{};
        ctrl.code = KVR_CMD_ZOOM_STOP;
        QCOMPARE(KVR_func_api_Rec_Ctrl_Zoom(&ctrl, m_limitedUuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_REFUSED);
        QCOMPARE(KVR_func_api_Rec_Ctrl_Zoom(&ctrl, m_uuid.c_str(), &err), uint8_t(1));
    }

    void capabilityRecordsCarryListsAndCurrents()
    {
        KVR_STRUCT_APERTURE_CAPA_INFO aperture;
        std::memset(&aperture, 0x5A, sizeof aperture);
        QCOMPARE(KVR_func_api_Aperture_GetCapability(&aperture, m_limitedUuid.c_str(), nullptr), uint8_t(1));
        const auto offered = kvrsim::offered(m_limited, "aperture");
        QCOMPARE(size_t(aperture.count), offered.size());
        QCOMPARE(u16At(&aperture, 0xA), uint16_t(offered.size()));
        for (size_t i = 0; i < 512; ++i)
            QCOMPARE(aperture.values[i], i < offered.size() ? uint16_t(offered[i]) : uint16_t(0xFFFF));
        QCOMPARE(uint32_t(uint16_t(aperture.current)), kvrsim::setting(m_limited, "aperture"));

        KVR_STRUCT_WB_CAPA_INFO wb;
        QCOMPARE(KVR_func_api_WB_GetCapability(&wb, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(size_t(u16At(&wb, 0x404)), kvrsim::offered(m_full, "whiteBalanceKSet").size());
        QCOMPARE(uint32_t(u16At(&wb, 0x1416)), kvrsim::setting(m_full, "whiteBalanceKSet"));
        QCOMPARE(u16At(&wb, 0x406 + 2 * wb.kSet.count), uint16_t(0xFFFF));

        KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO mode;
        QCOMPARE(KVR_func_api_CameraMode_GetCapability(&mode, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(uint32_t(u16At(&mode, 0x2020)), kvrsim::setting(m_full, "driveMode"));
        QCOMPARE(uint32_t(u16At(&mode, 0x202E)), kvrsim::setting(m_full, "photoExposure"));
        QCOMPARE(mode.reserved.count, uint16_t(0));

        KVR_STRUCT_PHOTOSTYLE_CAPA_INFO style;
        QCOMPARE(KVR_func_api_PhotoStyle_GetCapability(&style, m_uuid.c_str(), nullptr), uint8_t(1));
        uint32_t iso = 0;
        std::memcpy(&iso, reinterpret_cast<const uint8_t *>(&style) + 0x4058, 4);
        QCOMPARE(iso, kvrsim::setting(m_full, "pscISO"));
        QCOMPARE(uint32_t(u16At(&style, 0x405E)), kvrsim::setting(m_full, "pscBasePhotoStyle"));

        KVR_STRUCT_SS_CAPA_INFO ss;
        QCOMPARE(KVR_func_api_SS_Get_Capability(&ss, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(ss.current, kvrsim::setting(m_full, "shutterSpeed"));
        QCOMPARE(ss.codes[ss.count], 0u);
        QCOMPARE(uint32_t(u16At(&ss, 0x1026)), kvrsim::setting(m_full, "shutterSpeedAngle"));

        KVR_STRUCT_INTERVAL_CAPA_INFO interval;
        QCOMPARE(KVR_func_api_IntervalInfo_GetCapability(&interval, m_uuid.c_str(), nullptr), uint8_t(1));
        QVERIFY(KVR_func_api_IntervalInfo_Set_Mode(1, m_uuid.c_str(), nullptr) == 1);
        QCOMPARE(KVR_func_api_IntervalInfo_GetCapability(&interval, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(u16At(&interval, 0x838), uint16_t(1));
    }

    // The movie-quality list: a quality of its own on every row, and only the
    // rows that match each filter item the camera shows as set.
    void movieQualityListFollowsItsFilter()
    {
        const char *uuid = m_uuid.c_str();
        kvrsim::setOffered(m_full, "recMovie", {371, 373, 189, 48});
        const auto &items = movieFilterItems;
        auto list = std::make_unique<KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO>();
        const auto check = [&](int expected) {
            QCOMPARE(KVR_func_api_Mov_Config_Get_Quality_Detail_List(list.get(), uuid, nullptr), uint8_t(1));
            QCOMPARE(int(list->count), expected);
            std::set<std::vector<uint32_t>> qualities;
            for (size_t i = 0; i < list->count; ++i) {
                const KVR_STRUCT_MOV_QUALITY_DATA &e = list->entries[i];
                const std::vector<uint32_t> columns{e.frameRate, e.pixels, e.compression, e.bitRate, e.vfr, e.hlg};
                qualities.insert(columns);
                for (size_t k = 0; k < columns.size(); ++k) {
                    const uint32_t shown = kvrsim::setting(m_full, items[k].item);
                    QVERIFY2(shown == items[k].all || shown == columns[k], items[k].item);
                }
            }
            QCOMPARE(int(qualities.size()), expected);
        };
        check(4);
        QCOMPARE(KVR_func_api_MovieFilter_Ctrl_Start(uuid, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_Mov_Filter_Set_Frame_rate_Param(0x8000176Au, uuid, nullptr), uint8_t(1));
        check(2);
        QCOMPARE(KVR_func_api_Mov_Filter_Set_Pixel_Param(4, uuid, nullptr), uint8_t(1));
        check(0);
        QCOMPARE(KVR_func_api_Mov_Filter_Set_Pixel_Param(0xFFFF, uuid, nullptr), uint8_t(1));
        check(2);
        QCOMPARE(KVR_func_api_MovieFilter_Ctrl_End(1, uuid, nullptr), uint8_t(1));
        check(4);
    }

    void describedMovieQualities_data()
    {
        QTest::addColumn<bool>("limited");
        QTest::addColumn<bool>("filters");
        QTest::newRow("full camera") << false << true;
        QTest::newRow("limited camera, no filter") << true << false;
    }

    // The qualities a camera describes are progressive ones of the program's
    // built-in list of its frequency, under the same code; it starts in one
    // of them, and every value a filter item offers keeps at least one.
    void describedMovieQualities()
    {
        QFETCH(bool, limited);
        const int camera = limited ? m_limited : m_full;
        const char *uuid = limited ? m_limitedUuid.c_str() : m_uuid.c_str();
        auto builtIn = std::make_unique<KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO>();
        const uint32_t frequency = kvrsim::setting(camera, "systemFrequency");
        QVERIFY(frequency < kavrotether::Utilities::SFQ_Max);
        kavrotether::Utilities::GetMovieQualityBuiltInData(builtIn.get(),
                                                           kavrotether::Utilities::SystemFrequency(frequency), true);
        const KVR_STRUCT_MOV_QUALITY_DATA *known = builtIn->entries;
        const KVR_STRUCT_MOV_QUALITY_DATA *knownEnd = known + builtIn->count;

        auto list = std::make_unique<KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO>();
        QCOMPARE(KVR_func_api_Mov_Config_Get_Quality_Detail_List(list.get(), uuid, nullptr), uint8_t(1));
        QVERIFY(list->count > 0);
        bool startsInOne = false;
        for (size_t i = 0; i < list->count; ++i) {
            const KVR_STRUCT_MOV_QUALITY_DATA e = list->entries[i];
            const QByteArray quality = QByteArray::number(e.quality);
            QVERIFY2(e.frameRate & 0x80000000u, quality);
            const auto same = std::find_if(known, knownEnd, [&](const KVR_STRUCT_MOV_QUALITY_DATA &b) {
                return b.quality == e.quality && b.frameRate == e.frameRate && b.pixels == e.pixels
                       && b.compression == e.compression && b.bitRate == e.bitRate;
            });
            QVERIFY2(same != knownEnd, quality);
            startsInOne = startsInOne || e.quality == kvrsim::setting(camera, "recMovie");
        }
        QVERIFY(startsInOne);

        QFETCH(bool, filters);
        if (!filters)
            return;
        for (const auto &item : movieFilterItems) {
            for (uint32_t code : kvrsim::offered(camera, item.item)) {
                QCOMPARE(KVR_func_api_MovieFilter_Ctrl_Start(uuid, nullptr), uint8_t(1));
                QCOMPARE(item.set(code, uuid, nullptr), uint8_t(1));
                QCOMPARE(KVR_func_api_Mov_Config_Get_Quality_Detail_List(list.get(), uuid, nullptr), uint8_t(1));
                QVERIFY2(list->count > 0, item.item + QByteArray(" ") + QByteArray::number(code, 16));
                QCOMPARE(KVR_func_api_MovieFilter_Ctrl_End(1, uuid, nullptr), uint8_t(1));
            }
        }
    }

    // The application walks all 512 slots of a list whatever the count says.
    // For 32-bit lists the padding must not be a code: 0xFFFFFFFF is the
    // automatic ISO, bulb and every frame rate.
    void paddingOfWideListsIsNoCode()
    {
        kvrsim::setOffered(m_full, "iso", {100, 200, 400});
        kvrsim::setOffered(m_full, "shutterSpeed", {2000, 4000});
        kvrsim::setOffered(m_full, "pscISO", {200, 400});
        kvrsim::setOffered(m_full, "movieFrameRate", {0x80001770u});
        const char *uuid = m_uuid.c_str();
        auto walk = [](const uint32_t *codes, size_t count) {
            int special = 0;
            for (size_t i = 0; i < KVR_CAPA_LIST_MAX; ++i) {
                if (codes[i] == 0xFFFFFFFFu || codes[i] == 0xFFFFFFFEu)
                    ++special;
                if (i >= count && codes[i] != 0)
                    ++special;
            }
            return special;
        };
        KVR_STRUCT_ISO_CAPA_INFO iso;
        QCOMPARE(KVR_func_api_ISO_GetCapability(&iso, uuid, nullptr), uint8_t(1));
        QCOMPARE(iso.count, uint16_t(3));
        QCOMPARE(walk(iso.codes, iso.count), 0);
        KVR_STRUCT_SS_CAPA_INFO ss;
        QCOMPARE(KVR_func_api_SS_Get_Capability(&ss, uuid, nullptr), uint8_t(1));
        QCOMPARE(walk(ss.codes, ss.count), 0);
        auto *style = new KVR_STRUCT_PHOTOSTYLE_CAPA_INFO;
        QCOMPARE(KVR_func_api_PhotoStyle_GetCapability(style, uuid, nullptr), uint8_t(1));
        QCOMPARE(walk(style->iso.codes, style->iso.count), 0);
        delete style;
        KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO filter;
        QCOMPARE(KVR_func_api_Mov_Filter_GetCapability(&filter, uuid, nullptr), uint8_t(1));
        QCOMPARE(walk(filter.frameRate.codes, filter.frameRate.count), 0);
        // 16-bit lists keep the 0xFFFF padding.
        QCOMPARE(filter.pixel.codes[filter.pixel.count], uint16_t(0xFFFF));
    }

    void everyCapabilityGroupAnswers()
    {
        const char *uuid = m_uuid.c_str();
        KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO a;
        KVR_STRUCT_BURST_BRACKET_CAPA_INFO b;
        KVR_STRUCT_SELFTIMER_CAPA_INFO c;
        KVR_STRUCT_INTERVAL_CAPA_INFO d;
        KVR_STRUCT_4K6K_CAPA_INFO e;
        KVR_STRUCT_SETUP_CFG_CAPA_INFO f;
        KVR_STRUCT_SETUP_FILES_CFG_CAPA_INFO g;
        KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO h;
        KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO i;
        KVR_STRUCT_APERTURE_CAPA_INFO j;
        KVR_STRUCT_SS_CAPA_INFO k;
        KVR_STRUCT_WB_CAPA_INFO l;
        KVR_STRUCT_ISO_CAPA_INFO m;
        KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO n;
        KVR_STRUCT_AF_CONFIG_CAPA_INFO o;
        KVR_STRUCT_METERING_CAPA_INFO p;
        KVR_STRUCT_EXPOSURE_CAPA_INFO q;
        KVR_STRUCT_PHOTOSTYLE_CAPA_INFO r;
        KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO s;
        KVR_STRUCT_REC_PREVIEW_CAPA_INFO t;
        KVR_STRUCT_AF_FRAME_CAPA_INFO u;
        KVR_STRUCT_AFMF_CFG2_CAPA_INFO v;
        KVR_STRUCT_POWER_SAVING_CAPA_INFO w;
        auto *x = new KVR_STRUCT_STROBE_CAPA_INFO;
        auto *y = new KVR_STRUCT_STROBE2_CAPA_INFO;
        KVR_STRUCT_LENS_ZOOM_CAPA_INFO z;
        const uint8_t results[] = {
            KVR_func_api_CameraMode_GetCapability(&a, uuid, nullptr),
            KVR_func_api_RecInfo_BurstBracket_GetCapability(&b, uuid, nullptr),
            KVR_func_api_RecInfo_SelfTimer_GetCapability(&c, uuid, nullptr),
            KVR_func_api_IntervalInfo_GetCapability(&d, uuid, nullptr),
            KVR_func_api_RecInfo_4K6K_GetCapability(&e, uuid, nullptr),
            KVR_func_api_SetupCfgInfo_GetCapability(&f, uuid, nullptr),
            KVR_func_api_SetupFilesCfgInfo_GetCapability(&g, uuid, nullptr),
            KVR_func_api_Mov_Config_GetCapability(&h, uuid, nullptr),
            KVR_func_api_Mov_Filter_GetCapability(&i, uuid, nullptr),
            KVR_func_api_Aperture_GetCapability(&j, uuid, nullptr),
            KVR_func_api_SS_Get_Capability(&k, uuid, nullptr),
            KVR_func_api_WB_GetCapability(&l, uuid, nullptr),
            KVR_func_api_ISO_GetCapability(&m, uuid, nullptr),
            KVR_func_api_ImageInfo_GetCapability(&n, uuid, nullptr),
            KVR_func_api_AF_Config_GetCapability(&o, uuid, nullptr),
            KVR_func_api_RecInfo_Metering_GetCapability(&p, uuid, nullptr),
            KVR_func_api_Exposure_GetCapability(&q, uuid, nullptr),
            KVR_func_api_PhotoStyle_GetCapability(&r, uuid, nullptr),
            KVR_func_api_PhotoStyle2_GetCapability(&s, uuid, nullptr),
            KVR_func_api_RecPreview_Cfg_GetCapability(&t, uuid, nullptr),
            KVR_func_api_RecInfo_AF_Frame_GetCapability(&u, uuid, nullptr),
            KVR_func_api_AFMF_Cfg2_GetCapability(&v, uuid, nullptr),
            KVR_func_api_PowerSaving_GetCapability(&w, uuid, nullptr),
            KVR_func_api_Strobe_GetCapability(x, uuid, nullptr),
            KVR_func_api_Strobe2_GetCapability(y, uuid, nullptr),
            KVR_func_api_LensZoomInfo_GetCapability(&z, uuid, nullptr),
        };
        for (size_t idx = 0; idx < sizeof results; ++idx)
            QVERIFY2(results[idx] == 1, QByteArray::number(int(idx)));
        QCOMPARE(x->current[0], uint16_t(kvrsim::setting(m_full, "flashMode")));
        QCOMPARE(y->lists[14].count, uint16_t(kvrsim::offered(m_full, "groupManual4").size()));
        delete x;
        delete y;
        // Null records are refused, not written.
        uint32_t err = 0;
        QCOMPARE(KVR_func_api_WB_GetCapability(nullptr, uuid, &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_INVALID_PARAM);
    }

    void recordsAtOddAddresses()
    {
        std::vector<uint8_t> a, b, c, d, e, f;
        auto *iso = oddlyPlaced<KVR_STRUCT_ISO_CAPA_INFO>(a);
        auto *ss = oddlyPlaced<KVR_STRUCT_SS_CAPA_INFO>(b);
        auto *aperture = oddlyPlaced<KVR_STRUCT_APERTURE_CAPA_INFO>(c);
        auto *style = oddlyPlaced<KVR_STRUCT_PHOTOSTYLE_CAPA_INFO>(d);
        auto *list = oddlyPlaced<KVR_CONNECT_DEVICE_INFO>(e);
        auto *rec = oddlyPlaced<KVR_STRUCT_REC_INFO>(f);
        const char *uuid = m_uuid.c_str();
        QCOMPARE(KVR_func_api_ISO_GetCapability(iso, uuid, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_SS_Get_Capability(ss, uuid, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_Aperture_GetCapability(aperture, uuid, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_PhotoStyle_GetCapability(style, uuid, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_GetPnPDeviceInfo(list, nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_Get_Rec_Info(rec, uuid, nullptr), uint8_t(1));
        uint32_t current = 0;
        std::memcpy(&current, a.data() + 1 + 0x818, 4);
        QCOMPARE(current, kvrsim::setting(m_full, "iso"));
        QCOMPARE(u16At(c.data() + 1, 0xA), uint16_t(kvrsim::offered(m_full, "aperture").size()));
        uint32_t count = 0;
        std::memcpy(&count, e.data() + 1, 4);
        QCOMPARE(count, 2u);
    }

    void dialTurnAnnouncesTheGroupEvent()
    {
        kvrsim::turnDial(m_full, "aperture", 56);
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE), 1);
        uint32_t value = 0;
        QCOMPARE(KVR_func_api_Aperture_GetParam(&value, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(value, 56u);
    }

    void suppressedEventsAreHeldBack()
    {
        KVR_STRUCT_EVENT_TYPE_LIST list{};
        list.count = 1;
        list.codes[0] = KVR_EVENT_APERTURE;
        QCOMPARE(KVR_func_api_SetEventTypeFromCamera(1, &list, sizeof list, m_uuid.c_str(), nullptr), uint8_t(1));
        kvrsim::turnDial(m_full, "aperture", 56);
        kvrsim::turnDial(m_limited, "aperture", 56);
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE), 1); // the other camera only
        QCOMPARE(recorder().events().back().uuid, m_limitedUuid);

        list.count = 0;
        QCOMPARE(KVR_func_api_SetEventTypeFromCamera(0, &list, sizeof list, m_uuid.c_str(), nullptr), uint8_t(1));
        kvrsim::turnDial(m_full, "aperture", 40);
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_APERTURE), 2);
        // An oversized count is clamped to the record's room.
        list.count = 0xFFFFFFFFu;
        QCOMPARE(KVR_func_api_SetEventTypeFromCamera(1, &list, sizeof list, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_SetEventTypeFromCamera(1, &list, 4000, m_uuid.c_str(), nullptr), uint8_t(0));
    }

    void statusChangesAreAnnounced()
    {
        kvrsim::updateStatus(m_full, [](kvrsim::StatusValues &s) {
            s.cardCount = 2;
            s.cards[0] = 2;
            s.cards[1] = 0;
            s.hdmiSdiStatus = 3;
            s.freeSpaces[0] = 77;
        });
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_REC_INFO), 1);
        KVR_STRUCT_REC_INFO info;
        QCOMPARE(KVR_func_api_Get_Rec_Info(&info, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(info.cards.count, uint16_t(2));
        QCOMPARE(u16At(&info, 2), uint16_t(2));
        QCOMPARE(info.hdmiSdiStatus, uint16_t(3));
        QCOMPARE(info.freeSpaces.imageFreeSpace, 77u);
        uint16_t hdmi = 0;
        QCOMPARE(KVR_func_api_Get_HDMI_SDI_Status(&hdmi, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(hdmi, uint16_t(3));

        // No change, no event.
        recorder().clear();
        kvrsim::updateStatus(m_full, [](kvrsim::StatusValues &s) { s.hdmiSdiStatus = 3; });
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_REC_INFO), 0);
    }

    void movieStartWithoutCardGivesTwo()
    {
        QCOMPARE(KVR_func_api_MoveRec_Ctrl_Start(m_uuid.c_str(), nullptr), uint8_t(1));
        uint16_t status = 0;
        KVR_func_api_GetCameraStatus(&status, m_uuid.c_str(), nullptr);
        QCOMPARE(status, uint16_t(KVR_CAMERA_STATUS_MOVIE_REC));
        QCOMPARE(KVR_func_api_MoveRec_Ctrl_Stop(1, m_uuid.c_str(), nullptr), uint8_t(1));
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_REC_INFO), 2);

        kvrsim::updateStatus(m_full, [](kvrsim::StatusValues &s) { s.cardCount = 0; });
        uint32_t err = 0;
        QCOMPARE(KVR_func_api_MoveRec_Ctrl_Start(m_uuid.c_str(), &err), uint8_t(2));
        QCOMPARE(err, KVR_ERR_NO_CARD);
        KVR_STRUCT_REC_CTRL ctrl{};
        ctrl.code = KVR_CMD_RELEASE_ONE_SHOT;
        QCOMPARE(KVR_func_api_Rec_Ctrl_Release(&ctrl, m_uuid.c_str(), nullptr), uint8_t(2));
        ctrl.code = KVR_CMD_RELEASE_HALFS_START; // needs no card
        QCOMPARE(KVR_func_api_Rec_Ctrl_Release(&ctrl, m_uuid.c_str(), nullptr), uint8_t(1));
        ctrl.code = KVR_CMD_ZOOM_START; // a code of another family
        QCOMPARE(KVR_func_api_Rec_Ctrl_Release(&ctrl, m_uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_INVALID_PARAM);
    }

    void errorListIsAnnouncedAndRead()
    {
        kvrsim::setErrors(m_full, {{0x26120904u, 0x1234u}, {0x26120803u, 0x42u}});
        kvrsim::flush();
        QCOMPARE(recorder().count(KVR_EVENT_SETUP_ERROR), 1);
        KVR_STRUCT_SETUP_INFO_ERROR errors;
        QCOMPARE(KVR_func_api_GetSetupInfoError(&errors, m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(errors.count, uint16_t(2));
        QCOMPARE(errors.entries[0].code, 0x1234u);
        QCOMPARE(errors.entries[1].dateTime, 0x26120803u);
        QCOMPARE(errors.entries[2].code, 0u);
    }

    void injectedFailuresAndDelays()
    {
        // A count of none injects nothing.
        kvrsim::failNext("Aperture_Set_Param", 0, 0, KVR_ERR_BUSY);
        kvrsim::failNext("Aperture_Set_Param", -1, 0, KVR_ERR_BUSY);
        QCOMPARE(KVR_func_api_Aperture_Set_Param(40, m_uuid.c_str(), nullptr), uint8_t(1));

        kvrsim::failNext("Aperture_Set_Param", 2, 0, KVR_ERR_BUSY);
        uint32_t err = 0;
        QCOMPARE(KVR_func_api_Aperture_Set_Param(45, m_uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_BUSY);
        QCOMPARE(KVR_func_api_Aperture_Set_Param(45, m_uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(kvrsim::setting(m_full, "aperture"), 40u);
        QCOMPARE(KVR_func_api_Aperture_Set_Param(45, m_uuid.c_str(), &err), uint8_t(1));

        // An injected result other than failure, for one camera only.
        kvrsim::failNext("MoveRec_Ctrl_Start", 1, 2, KVR_ERR_NO_CARD, m_limitedUuid);
        QCOMPARE(KVR_func_api_MoveRec_Ctrl_Start(m_uuid.c_str(), nullptr), uint8_t(1));
        QCOMPARE(KVR_func_api_MoveRec_Ctrl_Start(m_limitedUuid.c_str(), nullptr), uint8_t(2));
        QCOMPARE(KVR_func_api_MoveRec_Ctrl_Start(m_limitedUuid.c_str(), nullptr), uint8_t(1));

        // A delayed call still succeeds; the log shows every call in order.
        kvrsim::clearCallLogs();
        kvrsim::delayNext("GetCameraStatus", 1, 5);
        uint16_t status = 0;
        QCOMPARE(KVR_func_api_GetCameraStatus(&status, m_uuid.c_str(), nullptr), uint8_t(1));
        const auto log = kvrsim::callLog(m_full);
        QCOMPARE(int(log.size()), 1);
        QCOMPARE(QString::fromStdString(log[0]), QStringLiteral("GetCameraStatus"));
        QVERIFY(kvrsim::callLog(m_limited).empty());
    }

    void callsNamingNoKnownCameraFail_data()
    {
        QTest::addColumn<QByteArray>("uuid");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("unknown") << QByteArray("00000000-0000-0000-0000-000000000000");
        QTest::newRow("truncated") << QByteArray("4b565253-494d");
    }

    void callsNamingNoKnownCameraFail()
    {
        QFETCH(QByteArray, uuid);
        uint32_t err = 0;
        uint32_t value = 0;
        QCOMPARE(KVR_func_api_Aperture_GetParam(&value, uuid.constData(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_NO_DEVICE);
        QCOMPARE(KVR_func_api_Aperture_Set_Param(40, uuid.constData(), &err), uint8_t(0));
        KVR_STRUCT_WB_CAPA_INFO wb;
        QCOMPARE(KVR_func_api_WB_GetCapability(&wb, uuid.constData(), &err), uint8_t(0));
        QCOMPARE(KVR_func_api_OpenSession(0, nullptr, uuid.constData(), &err), uint8_t(0));
        QCOMPARE(KVR_func_api_CloseDevice(uuid.constData(), &err), uint8_t(0));
        QCOMPARE(KVR_func_api_Aperture_GetParam(&value, nullptr, &err), uint8_t(0));
    }

    void everyCallFailsAfterFinish()
    {
        QCOMPARE(KVR_func_api_Finish(), uint8_t(1));
        QCOMPARE(KVR_func_api_Finish(), uint8_t(1));
        uint32_t err = 0;
        uint32_t value = 0;
        QCOMPARE(KVR_func_api_Aperture_GetParam(&value, m_uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_NOT_INITIALISED);
        KVR_CONNECT_DEVICE_INFO list{};
        QCOMPARE(KVR_func_api_GetPnPDeviceInfo(&list, &err), uint8_t(0));
        QCOMPARE(KVR_func_api_CloseSession(m_uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(KVR_func_api_CloseSession("All", &err), uint8_t(0));
        // Start again: the sessions are gone.
        QCOMPARE(KVR_func_api_Init(), uint8_t(1));
        QCOMPARE(KVR_func_api_Aperture_GetParam(&value, m_uuid.c_str(), &err), uint8_t(0));
        QCOMPARE(err, KVR_ERR_NO_SESSION);
    }

    void scenarioFromJson()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("scenario.json");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"cameras": [
            {"model": "Json Sim", "serial": "JS1", "connection": "usb",
             "settings": {"aperture": {"current": 28, "offered": [28, 40]}},
             "refused": ["Rec_Ctrl_Zoom"]},
            {"model": "Json Net", "connection": "lan", "passwordState": "unset", "mac": "00112233AABB"}
        ]})");
        file.close();
        std::string error;
        QVERIFY2(kvrsim::loadScenarioFile(path.toStdString(), &error), error.c_str());
        QCOMPARE(int(kvrsim::cameras().size()), 2);
        const int usb = kvrsim::indexOfSerial("JS1");
        QCOMPARE(kvrsim::setting(usb, "aperture"), 28u);
        QCOMPARE(kvrsim::offered(usb, "aperture"), (std::vector<uint32_t>{28, 40}));
        const int lan = cameraByModel("Json Net");
        QCOMPARE(kvrsim::passwordState(lan), kvrsim::PasswordState::Unset);
        QCOMPARE(kvrsim::deviceKey(lan), 0x2233AABBu);
    }

    // Scenario files come from outside: damaged text is refused or read,
    // never a crash, and a refused file leaves the cameras as they were.
    void mutatedScenariosNeverCrash()
    {
        const std::string valid = R"({"cameras": [{"model": "M", "serial": "S1", "features": [1, 2, "0x11"],
            "settings": {"iso": {"current": 400, "offered": [100, 400, "0xFFFFFFFF"]}}, "wifi": true,
            "connection": "lan", "passwordState": "set", "password": "Abcdefgh1"}]})";
        QVERIFY(kvrsim::loadScenarioJson(valid));
        uint32_t seed = 12345;
        for (int round = 0; round < 2000; ++round) {
            std::string text = valid;
            for (int flips = 0; flips < 1 + round % 4; ++flips) {
                seed = seed * 1103515245u + 12345u;
                const size_t at = (seed >> 8) % text.size();
                seed = seed * 1103515245u + 12345u;
                switch ((seed >> 16) % 3) {
                case 0:
                    text[at] = static_cast<char>(seed >> 24);
                    break;
                case 1:
                    text.erase(at, 1 + (seed >> 24) % 8);
                    break;
                default:
                    text.insert(at, 1, "{}[],:\"\\"[(seed >> 24) % 8]);
                    break;
                }
                if (text.empty())
                    text = "{";
            }
            std::string error;
            const bool ok = kvrsim::loadScenarioJson(text, &error);
            QVERIFY(ok || !error.empty());
        }
    }

    void shippedScenarioLoads()
    {
        std::string error;
        QVERIFY2(kvrsim::loadScenarioFile(KVRSIM_SCENARIO_DIR "/studio.json", &error), error.c_str());
        QCOMPARE(int(kvrsim::cameras().size()), 4);
        const int b = kvrsim::indexOfSerial("SIMB20000002");
        QCOMPARE(kvrsim::status(b).cardCount, uint16_t(0));
        QCOMPARE(kvrsim::setting(kvrsim::indexOfSerial("SIMA10000001"), "iso"), 400u);
        QCOMPARE(kvrsim::offered(kvrsim::indexOfSerial("SIMA10000001"), "iso").front(), 0xFFFFFFFFu);
        QVERIFY(kvrsim::profileOf(kvrsim::indexOfSerial("SIMT40000004")).tls);
    }

    void scenarioNamedByTheEnvironment()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("env.json");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"cameras": [{"model": "Env Sim", "serial": "ENV1"}]})");
        file.close();
        kvrsim::reset();
        qputenv("KVRSIM_SCENARIO", path.toLocal8Bit());
        QCOMPARE(KVR_func_api_Init(), uint8_t(1));
        qunsetenv("KVRSIM_SCENARIO");
        QCOMPARE(int(kvrsim::cameras().size()), 1);
        QVERIFY(kvrsim::indexOfSerial("ENV1") > 0);

        // Without it (or with a file that cannot be read) the default scenario.
        kvrsim::reset();
        qputenv("KVRSIM_SCENARIO", dir.filePath("missing.json").toLocal8Bit());
        QCOMPARE(KVR_func_api_Init(), uint8_t(1));
        qunsetenv("KVRSIM_SCENARIO");
        QCOMPARE(int(kvrsim::cameras().size()), int(kvrsim::defaultScenario().size()));
    }

    void badScenariosAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("no cameras") << QByteArray("{}");
        QTest::newRow("truncated") << QByteArray(R"({"cameras": [{"model": "x")");
        QTest::newRow("unknown setting") << QByteArray(R"({"cameras": [{"settings": {"nope": {}}}]})");
        QTest::newRow("deep") << QByteArray(200, '[');
        QTest::newRow("oversized") << QByteArray(R"({"cameras": [)") + QByteArray(5 * 1024 * 1024, ' ') + "]}";
        QTest::newRow("bad escape") << QByteArray(R"({"cameras": [{"model": "\q"}]})");
        QTest::newRow("escape not hex") << QByteArray(R"({"cameras": [{"model": "\u00zz"}]})");
        QTest::newRow("NUL escape") << QByteArray(R"({"cameras": [{"serial": "A\u0000B"}]})");
        // Codes are 32-bit: nothing else may be turned into one.
        QTest::newRow("huge code") << QByteArray(R"({"cameras": [{"tlsError": 1e300}]})");
        QTest::newRow("above 32 bits") << QByteArray(
            R"({"cameras": [{"settings": {"iso": {"current": 4294967296}}}]})");
        QTest::newRow("infinite") << QByteArray(R"({"cameras": [{"settings": {"iso": {"current": -inf}}}]})");
        QTest::newRow("not a number") << QByteArray(R"({"cameras": [{"settings": {"iso": {"offered": [100, nan]}}}]})");
        QTest::newRow("code text with junk")
            << QByteArray(R"({"cameras": [{"settings": {"iso": {"offered": ["12abc"]}}}]})");
        QTest::newRow("code of another type") << QByteArray(R"({"cameras": [{"features": [1, true]}]})");
        QTest::newRow("offered not a list") << QByteArray(R"({"cameras": [{"settings": {"iso": {"offered": 100}}}]})");
        QTest::newRow("bare hexadecimal") << QByteArray(R"({"cameras": [{"tlsError": 0x10}]})");
        QTest::newRow("half a fraction") << QByteArray(R"({"cameras": [{"tlsError": 1.}]})");
    }

    void badScenariosAreRefused()
    {
        QFETCH(QByteArray, json);
        const auto before = kvrsim::cameras();
        std::string error;
        QVERIFY(!kvrsim::loadScenarioJson(json.toStdString(), &error));
        QVERIFY(!error.empty());
        QCOMPARE(kvrsim::cameras(), before);
    }

    void numbersAtTheEdgesOfTheCodeRange()
    {
        std::string error;
        QVERIFY2(kvrsim::loadScenarioJson(R"({"cameras": [{"serial": "E1", "settings": {"iso":
            {"current": 4294967295, "offered": [-1, "0xFFFFFFFE", "-2", 4294967295, 1e3]}}}]})",
                                          &error),
                 error.c_str());
        const int index = kvrsim::indexOfSerial("E1");
        QCOMPARE(kvrsim::setting(index, "iso"), 0xFFFFFFFFu);
        QCOMPARE(kvrsim::offered(index, "iso"),
                 (std::vector<uint32_t>{0xFFFFFFFFu, 0xFFFFFFFEu, 0xFFFFFFFEu, 0xFFFFFFFFu, 1000u}));
    }

    // A scenario path may name anything; an endless device must be refused
    // after a bounded read, not read until memory runs out.
    void endlessScenarioFileIsRefused()
    {
        if (!QFile::exists("/dev/zero"))
            QSKIP("no endless device here");
        const auto before = kvrsim::cameras();
        std::string error;
        QVERIFY(!kvrsim::loadScenarioFile("/dev/zero", &error));
        QVERIFY(!error.empty());
        QCOMPARE(kvrsim::cameras(), before);
    }
};

QTEST_GUILESS_MAIN(TestSdkSettings)
#include "tst_sdk_settings.moc"
