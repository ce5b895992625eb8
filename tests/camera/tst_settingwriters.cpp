// The queued setting writers against two connected simulated cameras: what
// each property write sends, to which cameras, and what a refusal undoes.
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <memory>

#include "AdapterFixture.h"
#include "DeviceAdapterTestAccess.h"
#include "IsolatedSettings.h"
#include "KvrSim.h"
#include "QueuedSpy.h"
#include "camera/DeviceSearch.h"

using namespace kavrotether;

namespace {

using U = Utilities;

int callCount(int index, const char *function)
{
    int n = 0;
    for (const std::string &call : kvrsim::callLog(index))
        n += call == function ? 1 : 0;
    return n;
}

QByteArrayList callsOf(int index)
{
    QByteArrayList calls;
    for (const std::string &call : kvrsim::callLog(index))
        calls << QByteArray::fromStdString(call);
    return calls;
}

QMetaMethod signalNamed(const QObject *object, const QByteArray &name)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Signal && m.name() == name)
            return m;
    }
    return {};
}

std::unique_ptr<QSignalSpy> spyOn(QObject *object, const QMetaMethod &signal)
{
    return std::make_unique<QSignalSpy>(object, ("2" + signal.methodSignature()).constData());
}

} // namespace

class TestSettingWriters : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void rows_data();
    void rows();
    void writersWithoutWriteAccessor();
    void mirroring_data();
    void mirroring();
    void refusalRestoresByPolicy();
    void lastQueuedValueWins();
    void encodings_data();
    void encodings();

private:
    // Runs the one write just queued, and nothing the camera answers with.
    void runWrite()
    {
        const auto pending = m_fixture.receiver().pendingItems();
        QVERIFY(!pending.empty() && (pending.front().cb_event_type & 0xFFFFFF00u) == 0xFFFF0100u);
        QVERIFY(m_fixture.receiver().runOne());
    }
    void setMirroring(bool allCameras, bool saved, quint8 power, quint8 sendCmd);

    std::unique_ptr<test::IsolatedSettings> m_settings;
    test::AdapterFixture m_fixture;
    int m_index = -1;
    int m_other = -1;
    QString m_uuid;
    QString m_otherUuid;
};

static const ConnectReadTables kNoReading{nullptr, 0, nullptr, 0};

void TestSettingWriters::init()
{
    m_settings = std::make_unique<test::IsolatedSettings>();
    DeviceSearch::setConnectReadTables(&kNoReading);
    QVERIFY(m_fixture.start());
    test::QueuedSpy reading(&m_fixture.adapter(), &DeviceAdapter::camConnectStatusChanged);
    QVERIFY(test::connectUsbCameras(m_fixture.adapter()));
    while (m_fixture->camConnectStatus() != Utilities::CamConnectSts_Success)
        QVERIFY(reading.spy.wait(5000));
    m_uuid = m_fixture->camera_list_get_selected_camera_uuid();
    m_index = kvrsim::indexOfSerial(m_fixture->camSerialNo().toStdString());
    m_fixture->withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            if (it.key() != m_uuid)
                m_otherUuid = it.key();
    });
    QVERIFY(m_index >= 0 && !m_otherUuid.isEmpty());
    for (int i : kvrsim::cameras())
        if (kvrsim::uuidOf(i) == m_otherUuid.toStdString())
            m_other = i;
    QVERIFY(m_other >= 0);
    m_fixture.deliverAndRun();
}

void TestSettingWriters::cleanup()
{
    m_fixture.stop();
    DeviceSearch::setConnectReadTables(nullptr);
    m_settings.reset();
}

void TestSettingWriters::setMirroring(bool allCameras, bool saved, quint8 power, quint8 sendCmd)
{
    QString otherSerial;
    m_fixture->withCameraTable([&](QMap<QString, CameraInfo> &table) { otherSerial = table[m_otherUuid].serialNo; });
    test::loadKnownCameras(m_fixture.adapter(),
                           saved ? QStringList{m_fixture->camSerialNo(), otherSerial} : QStringList{"none"});
    m_fixture->withCameraTable([&](QMap<QString, CameraInfo> &table) {
        table[m_otherUuid].powerOnMode = power;
        table[m_otherUuid].sendCmdEnable = sendCmd;
    });
    m_fixture->setBtnAllCameraStatusValue(allCameras ? U::BtnAllCameraStatus_Checked : U::BtnAllCameraStatus_Unchecked);
    m_fixture.deliverAndRun();
}

// One row per queued writer reached through its property (aliases included):
// the code the camera gets, the signal the worker sends on success, the
// rollback on refusal and the silence of an unchanged value.
void TestSettingWriters::rows_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("other");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<uint>("code");
    QTest::addColumn<QByteArray>("success"); // the worker's signal after success
    QTest::addColumn<QByteArray>("reads");   // the capabilities read again after success

    // The camera's setting of the same name unless named; "" for a function
    // that serves two settings.
    auto row = [](const char *property, int value, int other, const char *function, quint64 code,
                  const char *success = "", const char *reads = "", const char *setting = nullptr) {
        QTest::addRow("%s %d", property, value)
            << QByteArray(property) << value << other << QByteArray(function)
            << QByteArray(setting ? setting : property) << uint(code) << QByteArray(success) << QByteArray(reads);
    };
    row("intelligentAutoMode", 1, 0, "CameraMode_Set_iA_Mode", U::arrIntelligentAutoModeVal[1],
        "intelligentAutoModeInnerChanged");
    row("custom3Set", 2, 1, "CameraMode_Set_C3_Param", U::arrCustom3SetVal[2]);
    row("custom4Set", 3, 1, "CameraMode_Set_C3_Param", U::arrCustom3SetVal[3], "", "", "custom3Set");
    row("photoExposure", 2, 1, "CameraMode_Set_Exposure_Param", U::arrPhotoExposureVal[2]);
    row("creativeControlFilter", 2, 1, "CameraMode_Set_CreatvieMode", U::arrCreativeControlFilterVal[2]);
    row("creativeControlFilterRatin", 3, 1, "CameraMode_Set_CreatvieMode", U::arrCreativeControlFilterVal[3], "", "",
        "creativeControlFilter");
    row("burstSpeed", 2, 1, "RecInfo_BurstBracker_Set_Burst_Param", U::arrBurstSpeedVal[2]);
    row("burstSpeed2", 3, 1, "RecInfo_BurstBracker_Set_Burst_Param", U::arrBurstSpeedVal[3], "", "", "burstSpeed");
    row("focusSelect", 1, 0, "RecInfo_4K6K_Set_FocusSelect_Param", U::arrFocusSelectVal[1]);
    row("selfTimer", 2, 1, "RecInfo_SelfTimer_Set_Param", U::arrSelfTimerVal[2]);
    row("aperture", -5, 40, "Aperture_Set_Param", 0xFFFB);
    row("shutterSpeed", 5, 6, "SS_SetParam", U::arrSsVal[5]);
    row("shutterSpeedAngle", 270, 90, "SS_SetStAngle", 270);
    row("ssGain", 1, 2, "Mov_Config_Set_SS_Gain_Param", U::arrSSGainVal[1]);
    // "Sec & ISO" is sent as the code the camera reports for it.
    row("ssGain", 0, 2, "Mov_Config_Set_SS_Gain_Param", U::arrSSGainVal[0]);
    row("driveMode", 3, 1, "CameraMode_Set_DriveMode", U::arrDriveModeVal[3]);
    row("iso", 800, 400, "ISO_SetParam", 800);
    row("isoAuto", 400, 200, "ISO_SetParam", 400, "", "", "iso");
    row("isoGain", 70000, 12, "ISO_Set_GainValue", 4464);
    row("whiteBalanceKSet", 4, 1, "WB_Set_K_Set", U::arrWBKVal[4]);
    row("autoFocusMode", 2, 1, "AF_Config_Set_AF_Area_Param", 0, "autoFocusModeInnerChanged", "", "");
    row("customMulti", 1, 2, "AF_Config_Set_AF_Area_Param", 0, "", "", "");
    row("meteringMode", 2, 1, "MeteringInfo_Set_Mode", U::arrMetModeVal[2], "meteringModeInnerChanged");
    row("exTelecon", 1, 0, "RecInfo_ExTelecon_Set_Cfg", U::arrExTeleconVal[1]);
    row("recPreviewMode", 1, 0, "RecPreview_Cfg_Info_Set_Monitor_Disp", U::arrRecPreviewModeVal[1]);
    row("photoStyle", 3, 1, "PhotoStyle_Set_StyleMode", U::arrPhotoStyVal[3], "photoStyleChanged",
        "PhotoStyle_GetCapability,PhotoStyle2_GetCapability");
    row("pscContrast", -3, 1, "PhotoStyle_Set_Contrast", 0x8003, "pscContrastChanged");
    row("pscSharpness", 2, 1, "PhotoStyle_Set_Sharpness", 2, "pscSharpnessChanged");
    row("pscNoiseReduction", -1, 1, "PhotoStyle_Set_NoseReduction", 0x8001, "pscNoiseReductionChanged");
    row("pscSaturation", 4, 1, "PhotoStyle_Set_Saturation", 4, "pscSaturationChanged");
    row("pscFilter", 3, 1, "PhotoStyle_Set_Filter", 3, "pscFilterChanged");
    row("pscChromaPhase", -2, 1, "PhotoStyle_Set_Chroma_Phase", 0x8002, "pscChromaPhaseChanged");
    row("pscGrain", 2, 1, "PhotoStyle_Set_Grain", 2, "pscGrainChanged");
    row("pscKneeMode", 2, 1, "PhotoStyle_Set_Knee_Mode", 2, "pscKneeModeChanged");
    row("pscColorTone", 1, 2, "PhotoStyle_Set_Color_Tone", 1, "pscColorToneChanged");
    row("pscHighLight", 2, 1, "PhotoStyle_Set_High_Light", 2, "pscHighLightChanged");
    row("pscShadow", -4, 1, "PhotoStyle_Set_Shadow", 0x8004, "pscShadowChanged");
    row("pscISO", 800, 400, "PhotoStyle_Set_ISO", 800, "pscISOChanged", "ISO_GetCapability");
    row("pscWB", 2, 1, "PhotoStyle_Set_WB", U::arrWBVal[2], "pscWBChanged", "WB_GetCapability");
    row("pscBasePhotoStyle", 4, 1, "PhotoStyle_Set_Base", U::arrPhotoStyVal[4], "pscBasePhotoStyleChanged",
        "PhotoStyle_GetCapability");
    row("pscDualISO", 1, 2, "PhotoStyle2_Set_Dual_Native_ISO", 1, "pscDualISOChanged");
    row("pscColorNoise", 1, 0, "PhotoStyle2_Set_ColorNoise", 1, "pscColorNoiseChanged");
    row("pscLUT", 1, 0, "PhotoStyle2_Set_LUT", 1, "pscLUTChanged");
    row("pscGain", 6, 3, "PhotoStyle2_Set_Gain", 6, "pscGainChanged", "PhotoStyle2_GetCapability");
    row("pscBasePhotoStyle2", 5, 1, "PhotoStyle2_Set_Base", U::arrPhotoStyVal[5], "pscBasePhotoStyle2Changed",
        "PhotoStyle2_GetCapability");
    row("pscLUT2", 1, 0, "PhotoStyle2_Set_LUT2", 1, "pscLUT2Changed");
    row("pscDensity", 3, 1, "PhotoStyle2_Set_DENSITY", 30, "pscDensityChanged");
    row("pscDensity2", -2, 1, "PhotoStyle2_Set_DENSITY2", 0x8014, "pscDensity2Changed");
    row("imgInfoQuality", 2, 1, "ImageInfo_Set_ImageQuality", 0, "imgInfoQualityChanged", "", "");
    row("whiteBalance", 3, 1, "WB_Set_Param", U::arrWBVal[3], "whiteBalanceInnerChanged");
    row("whiteBalance", 99, 1, "WB_Set_Param", 0, "whiteBalanceInnerChanged");
    row("wbAdjustAB", 12, 10, "WB_Set_ADJ_AB", U::arrWBAdjVal[12]);
    row("wbAdjustGM", 8, 10, "WB_Set_ADJ_GM", U::arrWBAdjVal[8]);
    row("wbAdjustABSep", 5, 10, "WB_Set_ADJ_AB_Sep", U::arrWBAdjVal[5]);
    row("exposureVal", 20, 15, "Exposure_Set_Param", U::arrExposureVal[20], "", "", "exposure");
    row("exposureVal", 99, 14, "Exposure_Set_Param", 0, "", "", "exposure");
    row("aspectRatio", 3, 1, "ImageInfo_Set_ImageAspect", 3, "aspectRatioInnerChanged", "", "imgInfoAspect");
    row("selfTimerCustom", 4, 1, "RecInfo_SelfTimer_Set_Custom_Param", U::arrSelfTimerCustomVal[4]);
}

void TestSettingWriters::rows()
{
    QFETCH(QByteArray, property);
    QFETCH(int, value);
    QFETCH(int, other);
    QFETCH(QByteArray, function);
    QFETCH(QByteArray, setting);
    QFETCH(uint, code);
    QFETCH(QByteArray, success);
    QFETCH(QByteArray, reads);

    DeviceAdapter &adapter = m_fixture.adapter();
    const QMetaProperty meta = adapter.metaObject()->property(adapter.metaObject()->indexOfProperty(property));
    QVERIFY(meta.isWritable());
    auto notify = spyOn(&adapter, meta.notifySignal());
    std::unique_ptr<QSignalSpy> succeeded;
    if (!success.isEmpty())
        succeeded = spyOn(&adapter, signalNamed(&adapter, success));
    QSignalSpy errors(&adapter, &DeviceAdapter::settingErrorNotify);
    if (!setting.isEmpty()) {
        // The camera starts at a code no value stands for.
        kvrsim::turnDial(m_index, setting.toStdString(), 0xFFFE);
        kvrsim::setOffered(m_index, setting.toStdString(), {code});
        kvrsim::setOffered(m_other, setting.toStdString(), {code});
    }
    setMirroring(true, true, 1, 1);
    kvrsim::clearCallLogs();
    notify->clear();
    if (succeeded)
        succeeded->clear();

    // Accepted: the camera has the code, the other chosen camera got the
    // same call once, and only the row's own signal follows.
    QVERIFY(meta.write(&adapter, value));
    runWrite();
    QCOMPARE(callsOf(m_index), QByteArrayList{function} + (reads.isEmpty() ? QByteArrayList() : reads.split(',')));
    QCOMPARE(callsOf(m_other), QByteArrayList{function});
    if (!setting.isEmpty()) {
        QCOMPARE(kvrsim::setting(m_index, setting.toStdString()), code);
        QCOMPARE(kvrsim::setting(m_other, setting.toStdString()), code);
    }
    QCOMPARE(errors.count(), 0);
    if (succeeded) {
        QCOMPARE(succeeded->count(), 1);
        QCOMPARE(succeeded->at(0).at(0).toInt(), value);
    }
    QCOMPARE(notify->count(), success == meta.notifySignal().name() ? 1 : 0);
    m_fixture.deliverAndRun();

    // Refused by the selected camera: one error, the value before it back
    // and announced; the other camera still got the call.
    const int before = meta.read(&adapter).toInt();
    QVERIFY(before != other);
    notify->clear();
    m_fixture.deliverAndRun();
    kvrsim::clearCallLogs();
    kvrsim::failNext(function.toStdString(), 1, 0, KVR_ERR_REFUSED, m_uuid.toStdString());
    QVERIFY(meta.write(&adapter, other));
    runWrite();
    QCOMPARE(callsOf(m_index), QByteArrayList{function});
    QCOMPARE(errors.count(), 1);
    QCOMPARE(meta.read(&adapter).toInt(), before);
    QCOMPARE(notify->count(), 1);
    QCOMPARE(notify->at(0).at(0).toInt(), before);
    QCOMPARE(callCount(m_other, function), 1);

    // The stored value again: queued, but nothing is sent or announced.
    kvrsim::clearCallLogs();
    notify->clear();
    QVERIFY(meta.write(&adapter, before));
    runWrite();
    QCOMPARE(callCount(m_index, function), 0);
    QCOMPARE(callCount(m_other, function), 0);
    QCOMPARE(notify->count(), 0);
    QCOMPARE(errors.count(), 1);
}

// The picture format and the JPEG/HEIF quality change only through their
// enqueuers: their properties' WRITE queues nothing.
void TestSettingWriters::writersWithoutWriteAccessor()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    for (const char *setting : {"imgInfoFormat", "imgInfoJpegHeifQuality"}) {
        kvrsim::turnDial(m_index, setting, 0xFFFE);
        kvrsim::setOffered(m_index, setting,
                           {quint32(U::arrImgInfoFormatVal[1]), quint32(U::arrImgInfoJpegHeifQualityVal[1])});
    }
    m_fixture.deliverAndRun();
    QSignalSpy format(&adapter, &DeviceAdapter::imgInfoFormatChanged);
    QSignalSpy quality(&adapter, &DeviceAdapter::imgInfoJpegHeifQualityChanged);
    kvrsim::clearCallLogs();

    QVERIFY(adapter.setProperty("imgInfoFormat", 1));
    QVERIFY(adapter.setProperty("imgInfoJpegHeifQuality", 1));
    QVERIFY(m_fixture.receiver().pendingItems().empty());

    QCOMPARE(adapter.adp_KVR_func_api_ImageInfo_Set_ImageFormat_Start(U::ImgInfoFormat(1)), U::Ternary_True);
    runWrite();
    QCOMPARE(format.count(), 1);
    m_fixture.deliverAndRun();
    QCOMPARE(adapter.adp_KVR_func_api_ImageInfo_Set_ImageJpegHeifQuality_Start(U::ImgInfoJpegHeifQuality(1)),
             U::Ternary_True);
    runWrite();
    QCOMPARE(quality.count(), 1);
    QVERIFY(callsOf(m_index).startsWith("ImageInfo_Set_ImageFormat"));
    QCOMPARE(callsOf(m_index).last(), QByteArray("ImageInfo_Set_ImageQuality"));
    QCOMPARE(kvrsim::setting(m_index, "imgInfoFormat"), quint32(U::arrImgInfoFormatVal[1]));
}

// Which other camera repeats a write: with "All Cameras" the powered cameras
// of the saved list, always the powered cameras taking commands; each once.
void TestSettingWriters::mirroring_data()
{
    QTest::addColumn<bool>("allCameras");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("sendCmd");
    QTest::addColumn<int>("calls");

    QTest::newRow("nobody chosen") << false << true << 1 << 0 << 0;
    QTest::newRow("taking commands") << false << false << 1 << 1 << 1;
    QTest::newRow("taking commands, off") << false << false << 0 << 1 << 0;
    QTest::newRow("all cameras, saved") << true << true << 1 << 0 << 1;
    QTest::newRow("all cameras, not saved") << true << false << 1 << 0 << 0;
    QTest::newRow("all cameras, saved, off") << true << true << 0 << 1 << 0;
    QTest::newRow("both passes once") << true << true << 1 << 1 << 1;
}

void TestSettingWriters::mirroring()
{
    QFETCH(bool, allCameras);
    QFETCH(bool, saved);
    QFETCH(int, power);
    QFETCH(int, sendCmd);
    QFETCH(int, calls);

    setMirroring(allCameras, saved, quint8(power), quint8(sendCmd));
    kvrsim::clearCallLogs();
    QCOMPARE(m_fixture->adp_KVR_func_api_SS_Angle_SetParam(45), U::Ternary_True);
    QCOMPARE(callCount(m_index, "SS_SetStAngle"), 1);
    QCOMPARE(callCount(m_other, "SS_SetStAngle"), calls);
}

// A reader that already put the old value back between the camera's refusal
// and the rollback: the always-restoring rows announce it anyway, the others
// stay silent.
void TestSettingWriters::refusalRestoresByPolicy()
{
    DeviceAdapter &adapter = m_fixture.adapter();
    DeviceAdapterData &data = DeviceAdapterTestAccess::settingStorage(adapter);
    QSignalSpy apertureChanged(&adapter, &DeviceAdapter::apertureChanged);
    QSignalSpy driveChanged(&adapter, &DeviceAdapter::driveModeChanged);
    const short aperture = adapter.aperture();
    const int drive = adapter.driveMode();
    connect(&adapter, &DeviceAdapter::settingErrorNotify, this, [&] {
        data.aperture.store(aperture);
        data.driveMode.store(drive);
    });

    kvrsim::failNext("Aperture_Set_Param", 1);
    QCOMPARE(adapter.adp_KVR_func_api_Aperture_Set_Param(short(aperture + 10)), U::Ternary_False);
    QCOMPARE(apertureChanged.count(), 1);
    QCOMPARE(apertureChanged.at(0).at(0).value<short>(), aperture);

    kvrsim::failNext("CameraMode_Set_DriveMode", 1);
    QCOMPARE(adapter.adp_KVR_func_api_CameraMode_Set_DriveMode(U::DriveMode(drive == 2 ? 3 : 2)), U::Ternary_False);
    QCOMPARE(driveChanged.count(), 0);
    QCOMPARE(adapter.driveMode(), drive);

    // The camera-code field beside the value takes the old value's code.
    data.raw_selfTimerCustom.store(0x77);
    data.selfTimerCustom.store(U::SFT_C_2s);
    kvrsim::failNext("RecInfo_SelfTimer_Set_Custom_Param", 1);
    QCOMPARE(adapter.adp_KVR_func_api_RecInfo_SelfTimer_Set_Custom_Param(U::SelfTimerCustom(3)), U::Ternary_False);
    QCOMPARE(data.raw_selfTimerCustom.load(), quint16(U::arrSelfTimerCustomVal[0]));

    // The aspect's code follows the value when it is stored, and goes back
    // with it.
    data.aspectRatio.store(U::AR_3_2);
    data.raw_imageAspect.store(U::AR_3_2);
    QSignalSpy aspectChanged(&adapter, &DeviceAdapter::aspectRatioChanged);
    kvrsim::failNext("ImageInfo_Set_ImageAspect", 1);
    connect(&adapter, &DeviceAdapter::settingErrorNotify, this,
            [&] { QCOMPARE(data.raw_imageAspect.load(), quint16(U::AR_1_1)); });
    QCOMPARE(adapter.adp_KVR_func_api_ImageInfo_Set_ImageAspect(U::AR_1_1), U::Ternary_False);
    QCOMPARE(data.raw_imageAspect.load(), quint16(U::AR_3_2));
    QCOMPARE(adapter.aspectRatio(), int(U::AR_3_2));
    QCOMPARE(aspectChanged.count(), 1);
}

// A, B and A again written while the queue is busy: one write waits, with
// the last value, and the camera ends at A.
void TestSettingWriters::lastQueuedValueWins()
{
    kvrsim::setOffered(m_index, "shutterSpeedAngle", {90, 180});
    m_fixture.deliverAndRun();
    kvrsim::clearCallLogs();
    m_fixture->setShutterSpeedAngle(90);
    m_fixture->setShutterSpeedAngle(180);
    m_fixture->setShutterSpeedAngle(90);
    QCOMPARE(m_fixture.receiver().pendingItems().size(), std::size_t(1));
    m_fixture.deliverAndRun();
    QCOMPARE(callCount(m_index, "SS_SetStAngle"), 1);
    QCOMPARE(kvrsim::setting(m_index, "shutterSpeedAngle"), 90u);
    QCOMPARE(m_fixture->shutterSpeedAngle(), 90);
}

// Sign and magnitude, never wrapped: a magnitude the field cannot hold stops
// at the field's largest.
void TestSettingWriters::encodings_data()
{
    QTest::addColumn<bool>("density");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<uint>("code");

    QTest::newRow("slider -3 step 1") << false << -3 << 1 << 0x8003u;
    QTest::newRow("slider -3 step 2") << false << -3 << 2 << 0x8203u;
    QTest::newRow("slider 4 step 2") << false << 4 << 2 << 0x0204u;
    QTest::newRow("slider -2 step 5") << false << -2 << 5 << 0x8502u;
    QTest::newRow("slider 0 step 1") << false << 0 << 1 << 0u;
    QTest::newRow("slider 0 step 2") << false << 0 << 2 << 0x0200u;
    QTest::newRow("slider 300") << false << 300 << 1 << 0x00FFu;
    QTest::newRow("slider -300") << false << -300 << 1 << 0x80FFu;
    QTest::newRow("slider lowest int") << false << INT_MIN << 1 << 0x80FFu;
    QTest::newRow("density 3") << true << 3 << 0 << 30u;
    QTest::newRow("density -3") << true << -3 << 0 << 0x801Eu;
    QTest::newRow("density 5000") << true << 5000 << 0 << 0x7FFFu;
    QTest::newRow("density lowest int") << true << INT_MIN << 0 << 0xFFFFu;
}

void TestSettingWriters::encodings()
{
    QFETCH(bool, density);
    QFETCH(int, value);
    QFETCH(int, step);
    QFETCH(uint, code);
    QCOMPARE(density ? DeviceAdapter::convertDensityValue(value) : DeviceAdapter::convertSliderValue(value, step),
             code);
}

QTEST_MAIN(TestSettingWriters)
#include "tst_settingwriters.moc"
