// DeviceAdapter: the parameter readers (one setting's current value each),
// the white-balance readers, the store operations that do more than store
// and announce, and the copy-to-computer mask that follows the recording
// target, card state, picture quality and HLG type.

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "CapabilityLists.h"
#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

namespace kavrotether {

namespace {

using Ternary = Utilities::Ternary;

// The copy mask of a picture quality when every file goes to the computer,
// by ImgInfoQuality value.
constexpr std::array<quint16, Utilities::ImgInfoQ_Max> kQualityCopyMask = {
    DeviceAdapter::CM_JPEG,     DeviceAdapter::CM_JPEG,     DeviceAdapter::CM_JPEG_RAW, DeviceAdapter::CM_JPEG_RAW,
    DeviceAdapter::CM_RAW,      DeviceAdapter::CM_JPEG_RAW, DeviceAdapter::CM_HEIF,     DeviceAdapter::CM_HEIF,
    DeviceAdapter::CM_HEIF_RAW, DeviceAdapter::CM_HEIF_RAW};

// With the card kept as well, RAW files come over only when the user asks
// for them and HLG only when HLG transfer is on.
// Stand for values of a camera that are not known: every kind of file,
// and an HLG type that is shot (full).
constexpr int kEveryKind = -2;
constexpr int kHlgShot = 2;

quint16 copyMaskOf(int target, int cards, int quality, int hlgType, bool rawOn, bool hlgOn)
{
    // A quality the program has no row for (a code it does not know, or
    // not read) copies every kind, as an unanswered read does, and any HLG
    // type the camera told other than off copies HLG, a code the program
    // does not know included: skipping would lose the files when the
    // computer is their only store.
    const bool hlgShot = hlgType != DeviceAdapter::HlgShootingType_OFF
                         && hlgType != DeviceAdapter::HlgShootingType_Unknown;
    const quint16 hlg = hlgShot ? quint16(DeviceAdapter::CM_HLG) : quint16(0);
    const auto q = static_cast<unsigned>(quality);
    const quint16 all = q < kQualityCopyMask.size() ? kQualityCopyMask[q]
                                                    : quint16(DeviceAdapter::CM_JPEG_RAW | DeviceAdapter::CM_HEIF);
    if (target == Utilities::FLTG_PcOnly
        || (target == Utilities::FLTG_PcAndCamera && cards == DeviceAdapter::STOC_Nocard))
        return all | hlg;
    if (target != Utilities::FLTG_PcAndCamera || cards != DeviceAdapter::STOC_Normal)
        return DeviceAdapter::CM_NOT;
    const quint16 mask = rawOn ? all : quint16(all & ~DeviceAdapter::CM_RAW);
    return mask | (hlgOn ? hlg : quint16(0));
}

// The camera's aspect codes the program knows, the AF frame's width per
// unit of height and the live-view guide's diagonal (NaN: left as it is).
struct AspectRow
{
    quint32 code;
    double frameAspect;
    double diagonal;
};
constexpr double kKeepDiagonal = std::numeric_limits<double>::quiet_NaN();
constexpr AspectRow kAspects[] = {
    {1, 1.33333333, 36.8},          {2, 1.5, 33.6},           {3, 1.7777777, 29.2}, {4, 1.0, 45.0},
    {10, 2.7083333, kKeepDiagonal}, {11, 2.0, kKeepDiagonal},
};
constexpr double kUnknownAspectFrame = 1.7777777;

// Movie quality codes beyond this are the camera's own and have no entry
// in the quality list.
constexpr quint32 kLastListedMovieQuality = 0x41F;

int pictureOf(quint32 mode4k, quint32 recFormat)
{
    if (recFormat >= 3)
        return -1;
    const int group = 3 * int(recFormat);
    switch (mode4k) {
    case 2:
        return 6 - group;
    case 3:
        return 7 - group;
    case 1:
        return 8 - group;
    default:
        return -1;
    }
}

int focusSelectOf(quint32 code)
{
    return capability::codeIndex(Utilities::arrFocusSelectVal, code);
}

} // namespace

template<typename Code, typename T>
Ternary DeviceAdapter::readParameter(uint8_t (*fn)(Code *, const char *, uint32_t *), std::atomic<quint16> *raw,
                                     int (*convert)(quint32), void (DeviceAdapter::*store)(T), Ternary answer,
                                     bool onlyOne)
{
    Code code = 0;
    const quint8 result = callSelectedCamera(fn, &code);
    if (result == 0 || (onlyOne && result != 1))
        return Utilities::Ternary_False;
    if (raw)
        raw->store(quint16(code));
    (this->*store)(static_cast<T>(convert(quint32(code))));
    return answer;
}

void DeviceAdapter::storePicture4K6K()
{
    setPicture4K6KValue(Utilities::Picture4K6K(pictureOf(d->raw_mode4k.load(), d->raw_recFormat4K6K.load())));
}

// ---- parameter readers ----

Ternary DeviceAdapter::adp_KVR_func_api_IntervalInfo_Get_Interval_Mode()
{
    return readParameter(
        KVR_func_api_IntervalInfo_Get_Interval_Mode, &d->raw_intervalMode,
        [](quint32 c) { return capability::switchLike(c); }, &DeviceAdapter::setIntervalModeValue,
        Utilities::Ternary_True);
}

// The camera-mode and 6K/4K readers answer Ternary_False even after a good
// read; their callers follow the change signals.
Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_C3_Param()
{
    return readParameter(
        KVR_func_api_CameraMode_Get_C3_Param, &d->raw_custom3Set,
        [](quint32 c) { return capability::below(c & 0xFFFF, Utilities::RM_C3_Max); },
        &DeviceAdapter::setCustom3SetValue, Utilities::Ternary_False);
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_Exposure_Param()
{
    return readParameter(
        KVR_func_api_CameraMode_Get_Exposure_Param, &d->raw_exposureParam,
        [](quint32 c) { return capability::below(c, Utilities::RM_PE_Max); }, &DeviceAdapter::setPhotoExposureValue,
        Utilities::Ternary_False);
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_4k_Mode()
{
    quint32 code = 0;
    if (callSelectedCamera(KVR_func_api_CameraMode_Get_4k_Mode, &code) == 0)
        return Utilities::Ternary_False;
    d->raw_mode4k.store(quint16(code));
    storePicture4K6K();
    return Utilities::Ternary_False;
}

Ternary DeviceAdapter::adp_KVR_func_api_Get_4K6K_Info()
{
    KVR_STRUCT_4K6K_INFO info{};
    if (callSelectedCamera(KVR_func_api_Get_4K6K_Info, &info) == 0)
        return Utilities::Ternary_False;
    d->raw_recFormat4K6K.store(info.recFormat);
    d->raw_focusSelect4K6K.store(info.focusSelect);
    storePicture4K6K();
    setFocusSelectValue(Utilities::FocusSelect(focusSelectOf(info.focusSelect)));
    return Utilities::Ternary_False;
}

Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_4K6K_Get_RecFormat_Param()
{
    quint32 code = 0;
    if (callSelectedCamera(KVR_func_api_RecInfo_4K6K_Get_RecFormat_Param, &code) == 0)
        return Utilities::Ternary_False;
    d->raw_recFormat4K6K.store(quint16(code));
    storePicture4K6K();
    return Utilities::Ternary_False;
}

Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_4K6K_Get_FocusSelect_Param()
{
    return readParameter(KVR_func_api_RecInfo_4K6K_Get_FocusSelect_Param, &d->raw_focusSelect4K6K, focusSelectOf,
                         &DeviceAdapter::setFocusSelectValue, Utilities::Ternary_False);
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_iA_Mode()
{
    return readParameter(
        KVR_func_api_CameraMode_Get_iA_Mode, &d->raw_iAMode, [](quint32 c) { return capability::switchLike(c); },
        &DeviceAdapter::setIntelligentAutoModeValue, Utilities::Ternary_False);
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_CreativeMode()
{
    return readParameter(
        KVR_func_api_CameraMode_Get_CreativeMode, &d->raw_creativeMode,
        [](quint32 c) { return capability::codeIndex(Utilities::arrCreativeControlFilterVal, c); },
        &DeviceAdapter::setCreativeControlFilterValue, Utilities::Ternary_False);
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_DriveMode(Utilities::DriveMode *pDriveMode, QString device_uuid)
{
    const QString uuid = device_uuid.isEmpty() ? camera_list_get_selected_camera_uuid() : device_uuid;
    quint32 code = 0;
    if (callCamera(uuid, KVR_func_api_CameraMode_Get_DriveMode, &code) == 0)
        return Utilities::Ternary_False;
    if (!pDriveMode)
        d->raw_driveMode.store(quint16(code));
    // The camera has one code for both interval kinds; while the camera is
    // set to stop-motion the drive mode already says which one it is.
    if (code == 4 && intervalMode() == Utilities::INTM_Komadori)
        return Utilities::Ternary_False;
    const auto mode = Utilities::DriveMode(code == 4 ? int(Utilities::DM_Interval) : capability::below(code, 11));
    if (pDriveMode)
        *pDriveMode = mode;
    else
        setDriveModeValue(mode);
    return Utilities::Ternary_False;
}

Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_Get_Mode_Pos()
{
    return readParameter(
        KVR_func_api_CameraMode_Get_Mode_Pos, &d->raw_modePos,
        [](quint32 c) { return capability::codeIndex(Utilities::arrRecordingModeVal, c); },
        &DeviceAdapter::setRecordingModeValue, Utilities::Ternary_False);
}

Ternary DeviceAdapter::adp_KVR_func_api_Aperture_GetParam()
{
    return readParameter(
        KVR_func_api_Aperture_GetParam, nullptr, [](quint32 c) { return int(qint16(c & 0xFFFF)); },
        &DeviceAdapter::setApertureValue, Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_SS_GetParam()
{
    return readParameter(
        KVR_func_api_SS_GetParam, nullptr, [](quint32 c) { return capability::codeIndex(Utilities::arrSsVal, c); },
        &DeviceAdapter::setShutterSpeedValue, Utilities::Ternary_True);
}

// The mode is kept without a signal of its own. A RAW-only quality shows
// the JPEG/HEIF mode in its label, so a new mode makes the interface read
// the quality again.
Ternary DeviceAdapter::adp_KVR_func_api_GetJpegHeifMode()
{
    quint32 code = 0;
    if (callSelectedCamera(KVR_func_api_ImageInfo_Get_ImageJpegHeifMode, &code) == 0) {
        d->raw_jpegHeifMode.store(0);
        d->imgInfoJpegHeifMode.store(0);
        return Utilities::Ternary_False;
    }
    constexpr quint16 kRawOnlyQuality = 3;
    if (int(code) != imgInfoJpegHeifMode() && d->raw_imageQuality.load() == kRawOnlyQuality)
        emit imgInfoQualityChanged(Utilities::ImgInfoQuality(kRawOnlyQuality));
    d->raw_jpegHeifMode.store(quint16(code));
    d->imgInfoJpegHeifMode.store(int(code));
    return Utilities::Ternary_True;
}

Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_Get_ImageSize()
{
    return readParameter(
        KVR_func_api_ImageInfo_Get_ImageSize, &d->raw_imageSize, [](quint32 c) { return int(c); },
        &DeviceAdapter::setPictureSizeValue, Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_Get_ImageAspect()
{
    quint32 code = 0;
    if (callSelectedCamera(KVR_func_api_ImageInfo_Get_ImageAspect, &code) == 0)
        return Utilities::Ternary_False;
    d->raw_imageAspect.store(quint16(code));
    for (const AspectRow &row : kAspects) {
        if (row.code != code)
            continue;
        setAspectRatioValue(int(code));
        setafFrame_asp_x(row.frameAspect);
        if (!std::isnan(row.diagonal))
            setlvGDraw_diagonal_rotation(row.diagonal);
        return Utilities::Ternary_True;
    }
    setafFrame_asp_x(kUnknownAspectFrame);
    return Utilities::Ternary_False;
}

Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_Get_ImageQuality(Utilities::ImgInfoQuality *pImgInfoQ,
                                                                   QString device_uuid)
{
    const QString uuid = device_uuid.isEmpty() ? camera_list_get_selected_camera_uuid() : device_uuid;
    quint32 code = 0;
    if (callCamera(uuid, KVR_func_api_ImageInfo_Get_ImageQuality, &code) == 0)
        return Utilities::Ternary_False;
    const auto quality = Utilities::ImgInfoQuality(capability::codeIndex(Utilities::arrImgInfoQualityVal, code));
    if (pImgInfoQ) {
        *pImgInfoQ = quality;
    } else {
        d->raw_imageQuality.store(quint16(code));
        setImgInfoQualityValue(quality);
    }
    return Utilities::Ternary_True;
}

Ternary DeviceAdapter::adp_KVR_func_api_MeteringInfo_Get_Mode()
{
    return readParameter(
        KVR_func_api_MeteringInfo_Get_Mode, &d->raw_meteringMode,
        [](quint32 c) { return capability::codeIndex(Utilities::arrMetModeVal, c); },
        &DeviceAdapter::setMeteringModeValue, Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_ExTelecon_Get_Cfg()
{
    return readParameter(
        KVR_func_api_RecInfo_ExTelecon_Get_Cfg, &d->raw_exTelecon,
        [](quint32 c) { return capability::below(c, Utilities::EXT_Max); }, &DeviceAdapter::setExTeleconValue,
        Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_HLG_Get_Cfg(int *pHlgType, QString device_uuid)
{
    const QString uuid = device_uuid.isEmpty() ? camera_list_get_selected_camera_uuid() : device_uuid;
    quint32 code = 0;
    const bool ok = callCamera(uuid, KVR_func_api_RecInfo_HLG_Get_Cfg, &code) != 0;
    // A code beyond int's range would turn negative, 0xFFFFFFFF into the
    // type that was never read: it stays an unknown code, one that is shot.
    const int type = ok ? int(std::min<quint32>(code, quint32(std::numeric_limits<int>::max()))) : 0;
    if (pHlgType)
        *pHlgType = type;
    else if (ok || pscHlgShootingType() != 0)
        setHlgShootingTypeValue(type);
    return Utilities::ternaryOf(ok);
}

Ternary DeviceAdapter::adp_KVR_func_api_ISO_GetParam()
{
    return readParameter(
        KVR_func_api_ISO_GetParam, nullptr, [](quint32 c) { return int(c); }, &DeviceAdapter::setIsoValue,
        Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_Exposure_GetParam()
{
    return readParameter(
        KVR_func_api_Exposure_GetParam, nullptr,
        [](quint32 c) { return capability::codeIndex(Utilities::arrExposureVal, c); },
        &DeviceAdapter::setExposureValValue, Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_GetPhotoStyleInfo()
{
    return readParameter(
        KVR_func_api_PhotoStyle_Get_StyleMode, nullptr,
        [](quint32 c) { return capability::codeIndex(Utilities::arrPhotoStyVal, c); },
        &DeviceAdapter::setPhotoStyleValue, Utilities::Ternary_True);
}

// The second photo-style page shows the same style.
Ternary DeviceAdapter::adp_Kvr_lib_ptpif_KvrExt_GetPhotoStyle2Info()
{
    return adp_KVR_func_api_GetPhotoStyleInfo();
}

Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_C_Movie_mode_Param()
{
    quint32 code = 0;
    if (callSelectedCamera(KVR_func_api_Mov_Config_Get_C_Movie_mode_Param, &code) == 0)
        return Utilities::Ternary_False;
    d->raw_cMovieMode.store(quint16(code));
    // The creative-video and slow-and-quick pages show one camera value.
    const auto mode = Utilities::CreativeVideoAE(capability::below(code, Utilities::RM_CV_Max));
    setCreativeVideoAEValue(mode);
    setSQMotionValue(mode);
    return Utilities::Ternary_True;
}

Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_Rec_mode_Param()
{
    return readParameter(
        KVR_func_api_Mov_Config_Get_Rec_mode_Param, &d->raw_movieRecMode,
        [](quint32 c) { return capability::codeIndex(Utilities::arrMotionPictureFormatVal, c); },
        &DeviceAdapter::setMotionPictureFormatValue, Utilities::Ternary_True);
}

// The code goes back to the camera as read (the movie writers send it), but
// only a listed quality is shown.
Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_Quality_mode_Param()
{
    quint32 code = 0;
    if (callSelectedCamera(KVR_func_api_Mov_Config_Get_Quality_mode_Param, &code) == 0)
        return Utilities::Ternary_False;
    d->raw_movieQualityMode.store(quint16(code));
    if (code <= kLastListedMovieQuality)
        setRecMovieValue(code);
    return Utilities::Ternary_True;
}

Ternary DeviceAdapter::adp_KVR_func_api_SetupConfig_Get_SystemFreq_Mode()
{
    return readParameter(
        KVR_func_api_SetupConfig_Get_SystemFreq_Mode, &d->raw_systemFreq,
        [](quint32 c) { return capability::below(c, Utilities::SFQ_Max); }, &DeviceAdapter::setSystemFrequencyValue,
        Utilities::Ternary_True, true);
}

Ternary DeviceAdapter::adp_KVR_func_api_SetupFilesConfig_Get_Target()
{
    return adp_KVR_func_api_SetupFilesConfig_Get_Target(nullptr);
}

Ternary DeviceAdapter::adp_KVR_func_api_SetupFilesConfig_Get_Target(Utilities::FileTarget *pTarget, QString device_uuid)
{
    const QString uuid = device_uuid.isEmpty() ? camera_list_get_selected_camera_uuid() : device_uuid;
    quint16 code = 0;
    if (callCamera(uuid, KVR_func_api_SetupFilesConfig_Get_Target, &code) != 1)
        return Utilities::Ternary_False;
    const auto target = Utilities::FileTarget(capability::codeIndex(Utilities::arrFileTargetVal, code));
    if (pTarget) {
        *pTarget = target;
        return Utilities::Ternary_True;
    }
    setFileTargetValue(target);
    // The mask follows the stored target, so it must not keep the old one.
    updateCopyPcMask();
    return Utilities::Ternary_True;
}

// The program does not show these two.
Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_HDMI_mode_Param()
{
    return Utilities::Ternary_False;
}

Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_ExTelecon_mode_Param()
{
    return Utilities::Ternary_False;
}

// ---- white balance ----

int DeviceAdapter::wbModeCodeToIndex(quint32 code)
{
    return capability::wbModeCodeToIndex(code);
}

int DeviceAdapter::wbAdjustCodeToIndex(quint32 code)
{
    return capability::wbAdjustCodeToIndex(code);
}

namespace {
int wbKSetOf(quint32 code)
{
    return capability::codeIndex(Utilities::arrWBKVal, code);
}
} // namespace

Ternary DeviceAdapter::adp_KVR_func_api_Get_WB_Info()
{
    KVR_STRUCT_WB_INFO info{};
    if (callSelectedCamera(KVR_func_api_Get_WB_Info, &info) == 0)
        return Utilities::Ternary_False;
    d->raw_wbMode.store(info.wb);
    setWhiteBalanceValue(Utilities::WhiteBalance(wbModeCodeToIndex(info.wb)));
    d->raw_wbKSet.store(info.kSet);
    setWhiteBalanceKSetValue(Utilities::WhiteBalanceKSet(wbKSetOf(info.kSet)));
    d->raw_wbAdjustAB.store(info.adjAB);
    setWbAdjustABValue(Utilities::WhiteBalanceAdjust(wbAdjustCodeToIndex(info.adjAB)));
    d->raw_wbAdjustGM.store(info.adjGM);
    setWbAdjustGMValue(Utilities::WhiteBalanceAdjust(wbAdjustCodeToIndex(info.adjGM)));
    d->raw_wbAdjustABSep.store(info.adjABSep);
    setWbAdjustABSepValue(Utilities::WhiteBalanceAdjust(wbAdjustCodeToIndex(info.adjABSep)));
    return Utilities::Ternary_True;
}

Ternary DeviceAdapter::adp_KVR_func_api_WB_GetParam()
{
    return readParameter(KVR_func_api_WB_GetParam, &d->raw_wbMode, capability::wbModeCodeToIndex,
                         &DeviceAdapter::setWhiteBalanceValue, Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_WB_Get_KSet()
{
    return readParameter(KVR_func_api_WB_Get_KSet, &d->raw_wbKSet, wbKSetOf, &DeviceAdapter::setWhiteBalanceKSetValue,
                         Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_WB_Get_ADJ_AB()
{
    return readParameter(KVR_func_api_WB_Get_ADJ_AB, &d->raw_wbAdjustAB, capability::wbAdjustCodeToIndex,
                         &DeviceAdapter::setWbAdjustABValue, Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_WB_Get_ADJ_GM()
{
    return readParameter(KVR_func_api_WB_Get_ADJ_GM, &d->raw_wbAdjustGM, capability::wbAdjustCodeToIndex,
                         &DeviceAdapter::setWbAdjustGMValue, Utilities::Ternary_True);
}

Ternary DeviceAdapter::adp_KVR_func_api_WB_Get_ADJ_AB_Sep()
{
    return readParameter(KVR_func_api_WB_Get_ADJ_AB_Sep, &d->raw_wbAdjustABSep, capability::wbAdjustCodeToIndex,
                         &DeviceAdapter::setWbAdjustABSepValue, Utilities::Ternary_True);
}

// ---- slider encoding ----

int DeviceAdapter::getStep(int v)
{
    const int step = (v >> 8) & 0xF;
    return step != 0 ? step : 1;
}

int DeviceAdapter::getNumerator(int v)
{
    const int magnitude = v & 0xFF;
    return ((v >> 12) & 0xF) == 0x8 ? -magnitude : magnitude;
}

// ---- store operations that do more ----

void DeviceAdapter::setImgInfoQualityValue(Utilities::ImgInfoQuality value)
{
    if (d->imgInfoQuality.store(value))
        emit imgInfoQualityChanged(imgInfoQuality());
    updateCopyPcMask();
}

void DeviceAdapter::setHlgShootingTypeValue(int value)
{
    if (d->pscHlgShootingType.store(value)) {
        emit pscHlgShootingTypeChanged(pscHlgShootingType());
        emit hlgShootingTypeChanged(uint(value));
    }
    updateCopyPcMask();
}

// The camera has one drive code for both interval kinds: while the drive
// mode is one of them, the interval mode says which.
void DeviceAdapter::setIntervalModeValue(Utilities::IntervalMode value)
{
    if (d->intervalMode.store(value))
        emit intervalModeChanged(intervalMode());
    const Utilities::DriveMode drive = driveMode();
    if (drive != Utilities::DM_Interval && drive != Utilities::DM_Komadori)
        return;
    if (value == Utilities::INTM_Komadori)
        setDriveModeValue(Utilities::DM_Komadori);
    else if (value == Utilities::INTM_Interval)
        setDriveModeValue(Utilities::DM_Interval);
}

// The movie filter's values: what the camera reports is also what a
// cancelled filter edit goes back to.
void DeviceAdapter::setMovieFrameRateValue(uint value)
{
    m_savedMovieFrameRate.store(quint32(value));
    if (d->movieFrameRate.store(quint32(value)))
        emit movieFrameRateChanged(movieFrameRate());
}

void DeviceAdapter::setMoviePixelValue(uint value)
{
    m_savedMoviePixel.store(quint16(value));
    if (d->moviePixel.store(quint16(value)))
        emit moviePixelChanged(moviePixel());
}

void DeviceAdapter::setMovieCompressMethodValue(uint value)
{
    m_savedMovieCompressMethod.store(quint16(value));
    if (d->movieCompressMethod.store(quint16(value)))
        emit movieCompressMethodChanged(movieCompressMethod());
}

void DeviceAdapter::setMovieBitRateValue(uint value)
{
    m_savedMovieBitRate.store(quint16(value));
    if (d->movieBitRate.store(quint16(value)))
        emit movieBitRateChanged(movieBitRate());
}

void DeviceAdapter::setMovieVFRValue(uint value)
{
    m_savedMovieVFR.store(quint16(value));
    if (d->movieVFR.store(quint16(value)))
        emit movieVFRChanged(movieVFR());
}

void DeviceAdapter::setMovieHLGValue(uint value)
{
    m_savedMovieHLG.store(quint16(value));
    if (d->movieHLG.store(quint16(value)))
        emit movieHLGChanged(movieHLG());
}

// A NaN compares unequal to everything, itself included, so it is stored
// and announced again every time.
void DeviceAdapter::setafFrame_asp_x(double value)
{
    setAfFrame_asp_xValue(value);
}

void DeviceAdapter::setlvGDraw_diagonal_rotation(double value)
{
    setLvGDraw_diagonal_rotationValue(value);
}

void DeviceAdapter::setExposureRangeMax(int value)
{
    setExposureRangeMaxValue(value);
}

void DeviceAdapter::setExposureRangeMin(int value)
{
    setExposureRangeMinValue(value);
}

void DeviceAdapter::setPscSupportHLG(bool value)
{
    if (d->pscSupportHLG.exchange(value) != value)
        emit pscSupportHLGChanged(value);
}

// ---- copy-to-computer mask ----

quint16 DeviceAdapter::getCopyPcMaskValByUUID(QString uuid)
{
    const ApplicationSettings *settings = ApplicationData::getApplicationSettings();
    const bool rawOn = !settings || settings->rawTransferType() == ApplicationSettings::RawTransType_ON;
    const bool hlgOn = !settings || settings->hlgTransferType() == ApplicationSettings::HlgTransType_ON;
    int target = fileTarget();
    int cards = statusOfCards();
    int quality = imgInfoQuality();
    int hlgType = pscHlgShootingType();
    if (!uuid.isEmpty()) {
        // The selected camera's own values stand in for a read it does not
        // answer; another camera's unanswered values are taken as the ones
        // that copy the most, so none of its pictures is skipped because of
        // the selected camera's.
        const bool other = uuid != camera_list_get_selected_camera_uuid();
        Utilities::FileTarget readTarget;
        if (adp_KVR_func_api_SetupFilesConfig_Get_Target(&readTarget, uuid) == Utilities::Ternary_True)
            target = readTarget;
        else if (other)
            target = Utilities::FLTG_PcOnly;
        StatusOfCards readCards;
        if (adp_KVR_func_api_GetStatusOfCards(&readCards, uuid) == 1)
            cards = readCards;
        else if (other)
            cards = STOC_Nocard;
        Utilities::ImgInfoQuality readQuality;
        if (adp_KVR_func_api_ImageInfo_Get_ImageQuality(&readQuality, uuid) == Utilities::Ternary_True)
            quality = readQuality;
        else if (other)
            quality = kEveryKind;
        int readHlg = 0;
        if (adp_KVR_func_api_RecInfo_HLG_Get_Cfg(&readHlg, uuid) == Utilities::Ternary_True)
            hlgType = readHlg;
        else if (other)
            hlgType = kHlgShot;
    }
    return copyMaskOf(target, cards, quality, hlgType, rawOn, hlgOn);
}

quint16 DeviceAdapter::copyPcMaskVal() const
{
    return m_copyPcMask.load();
}

void DeviceAdapter::updateCopyPcMask()
{
    m_copyPcMask.store(getCopyPcMaskValByUUID(QString()));
}

int DeviceAdapter::getPscHlgShootingTypeByUUID(QString uuid)
{
    const QString target = uuid.isEmpty() ? camera_list_get_selected_camera_uuid() : uuid;
    bool hlgOn = false;
    withCameraByUuid(target, [&](const CameraInfo &camera) { hlgOn = camera.supportHLG && camera.enableHLG; });
    if (!hlgOn)
        return -1;
    int type = -1;
    if (adp_KVR_func_api_RecInfo_HLG_Get_Cfg(&type, target) != Utilities::Ternary_True)
        return -1;
    return type;
}

} // namespace kavrotether
