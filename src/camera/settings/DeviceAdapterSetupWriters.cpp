// DeviceAdapter: the setters that talk to the camera on the calling thread
// (movie quality and filter, movie file format, recording target, AF/MF
// configuration), their writers, the movie-quality list as the interface
// reads it, the record-preview and AF/MF single reads, and the recording
// target of any camera by serial number.

#include "camera/DeviceAdapter.h"
#include "CapabilityLists.h"

#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

#include <cmath>
#include <mutex>

namespace kavrotether {

using Ternary = Utilities::Ternary;

namespace {

constexpr uint kNoEntry = 0xFFFFFFFFu;

// The AF/MF switches know off and on; a code the program has no key for
// is shown as unknown.
int switchOfCode(quint32 code)
{
    return code <= 1 ? int(code) : -1;
}

// A picture-in-picture code the program has no key for leaves the value as
// it is.
constexpr int kKeepValue = -2;
int pinpAspectOfCode(quint32 code)
{
    const auto value = qint32(code);
    return value >= -1 && value < Utilities::PINPAR_Max ? value : kKeepValue;
}

// The picture-in-picture ratio is sent as its own value.
quint64 ownCode(Utilities::PinPAspectRatio value)
{
    return quint64(quint16(value));
}

} // namespace

template<typename Code>
Ternary DeviceAdapter::sendMirrored(uint8_t (*fn)(Code, const char *, uint32_t *), Code code)
{
    // The followers get it even when the selected camera refuses.
    return Utilities::ternaryOf(callSelectedAndMirrored(fn, code) == 1);
}

// ---- movie-quality list ----

int DeviceAdapter::mov_quality_list_number_of_quality() const
{
    QMutexLocker g(&d->capabilityRecordLock);
    return d->capabilityRecords.movieQualityList.count;
}

#define KAVRO_MOVIE_LIST_COLUMN(accessor, field) \
    uint DeviceAdapter::accessor(uint index) const \
    { \
        KVR_STRUCT_MOV_QUALITY_DATA entry{}; \
        return movieQualityEntry(index, &entry) ? uint(entry.field) : kNoEntry; \
    }
KAVRO_MOVIE_LIST_COLUMN(mov_quality_list_data_pixels, pixels)
KAVRO_MOVIE_LIST_COLUMN(mov_quality_list_data_vfr, vfr)
KAVRO_MOVIE_LIST_COLUMN(mov_quality_list_data_hlg, hlg)
KAVRO_MOVIE_LIST_COLUMN(mov_quality_list_data_sq, sq)
KAVRO_MOVIE_LIST_COLUMN(mov_quality_list_data_ssd, ssd)
KAVRO_MOVIE_LIST_COLUMN(mov_quality_list_data_sd, sd)
KAVRO_MOVIE_LIST_COLUMN(mov_quality_list_data_cfexpress, cfexpress)
KAVRO_MOVIE_LIST_COLUMN(mov_quality_list_data_video_quality, quality)
#undef KAVRO_MOVIE_LIST_COLUMN

// ProRes rates reach the gigabits: 1650 shows as 1.7G, rounded in tenths.
QString DeviceAdapter::mov_quality_list_data_bit_rate(uint index) const
{
    KVR_STRUCT_MOV_QUALITY_DATA entry{};
    if (!movieQualityEntry(index, &entry))
        return QString();
    const uint rate = entry.bitRate;
    if (motionPictureFormat() == Utilities::MPF_ProRes && rate >= 1000)
        return QStringLiteral("%1G").arg(std::round(rate / 100.0) / 10.0, 0, 'f', 1);
    return QStringLiteral("%1M").arg(rate);
}

int DeviceAdapter::mov_menu_config_number_of_quality_mode() const
{
    QMutexLocker g(&d->capabilityRecordLock);
    return d->capabilityRecords.movieConfig.qualityMode.count;
}

uint DeviceAdapter::mov_menu_config_quality_mode(uint index) const
{
    QMutexLocker g(&d->capabilityRecordLock);
    const KVR_STRUCT_CAPA_LIST &list = d->capabilityRecords.movieConfig.qualityMode;
    return index < uint(capability::countedEntries(list)) ? uint(list.codes[index]) : kNoEntry;
}

// ---- movie filter ----

Ternary DeviceAdapter::adp_KVR_func_api_MovieFilter_Ctrl_Start()
{
    return Utilities::ternaryOf(callSelectedCamera(KVR_func_api_MovieFilter_Ctrl_Start) == 1);
}

// The bit rate is not part of what a cancel puts back.
Ternary DeviceAdapter::adp_KVR_func_api_MovieFilter_Ctrl_End(Utilities::MovieFilterCtrl value)
{
    if (callSelectedCamera(KVR_func_api_MovieFilter_Ctrl_End, quint8(value)) != 1) {
        emit settingErrorNotify();
        return Utilities::Ternary_False;
    }
    if (value == Utilities::MFC_CANCEL) {
        d->movieFrameRate.store(m_savedMovieFrameRate.load());
        d->moviePixel.store(m_savedMoviePixel.load());
        d->movieCompressMethod.store(m_savedMovieCompressMethod.load());
        d->movieVFR.store(m_savedMovieVFR.load());
        d->movieHLG.store(m_savedMovieHLG.load());
    } else {
        m_savedMovieFrameRate.store(d->movieFrameRate.load());
        m_savedMoviePixel.store(d->moviePixel.load());
        m_savedMovieCompressMethod.store(d->movieCompressMethod.load());
        m_savedMovieVFR.store(d->movieVFR.load());
        m_savedMovieHLG.store(d->movieHLG.load());
    }
    return Utilities::Ternary_True;
}

#define KAVRO_MOVIE_FILTER_WRITER(writer, sdk, field) \
    Ternary DeviceAdapter::writer() \
    { \
        quint32 code = 0; \
        { \
            QMutexLocker g(&d->capabilityRecordLock); \
            code = d->capabilityRecords.movieFilter.field; \
        } \
        return sendMirrored(sdk, uint32_t(code)); \
    }
KAVRO_MOVIE_FILTER_WRITER(adp_KVR_func_api_Mov_Filter_Set_Frame_rate_Param,
                          KVR_func_api_Mov_Filter_Set_Frame_rate_Param, curFrameRate)
KAVRO_MOVIE_FILTER_WRITER(adp_KVR_func_api_Mov_Filter_Set_Pixel_Param, KVR_func_api_Mov_Filter_Set_Pixel_Param,
                          curPixel)
KAVRO_MOVIE_FILTER_WRITER(adp_KVR_func_api_Mov_Filter_Set_Compression_method_Param,
                          KVR_func_api_Mov_Filter_Set_Compression_method_Param, curCompression)
KAVRO_MOVIE_FILTER_WRITER(adp_KVR_func_api_Mov_Filter_Set_Bit_rate_Param, KVR_func_api_Mov_Filter_Set_Bit_rate_Param,
                          curBitRate)
KAVRO_MOVIE_FILTER_WRITER(adp_KVR_func_api_Mov_Filter_Set_VFR_Param, KVR_func_api_Mov_Filter_Set_VFR_Param, curVfr)
KAVRO_MOVIE_FILTER_WRITER(adp_KVR_func_api_Mov_Filter_Set_HLG_Param, KVR_func_api_Mov_Filter_Set_HLG_Param, curHlg)
#undef KAVRO_MOVIE_FILTER_WRITER

Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Set_Rec_mode_Param()
{
    return sendMirrored(KVR_func_api_Mov_Config_Set_Rec_mode_Param, uint32_t(d->raw_movieRecMode.load()));
}

Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Set_Quality_mode_Param()
{
    return sendMirrored(KVR_func_api_Mov_Config_Set_Quality_mode_Param, uint32_t(d->raw_movieQualityMode.load()));
}

// ---- movie setters ----

// The movie values: the argument is compared with the stored value widened,
// so one above 16 bits is never taken for unchanged. The setter stores it
// without a signal (the interface shows it already); the camera's answer
// is announced as <x>InnerChanged, a refusal with the error notice and the
// old value back (the filter values' saved copies with it). The request
// record keeps the refused code.
#define KAVRO_MOVIE_FILTER_SETTER(Name, name, width, field, writer) \
    void DeviceAdapter::set##Name(uint value) \
    { \
        const uint old = name(); \
        if (value == old) \
            return; \
        d->name.store(width(value)); \
        { \
            QMutexLocker g(&d->capabilityRecordLock); \
            d->capabilityRecords.movieFilter.field = width(value); \
        } \
        if (writer() == Utilities::Ternary_True) { \
            emit name##InnerChanged(value); \
            return; \
        } \
        emit settingErrorNotify(); \
        if (d->name.store(width(old))) { \
            m_saved##Name.store(width(old)); \
            emit name##Changed(old); \
        } \
    }
KAVRO_MOVIE_FILTER_SETTER(MovieFrameRate, movieFrameRate, quint32, curFrameRate,
                          adp_KVR_func_api_Mov_Filter_Set_Frame_rate_Param)
KAVRO_MOVIE_FILTER_SETTER(MoviePixel, moviePixel, quint16, curPixel, adp_KVR_func_api_Mov_Filter_Set_Pixel_Param)
KAVRO_MOVIE_FILTER_SETTER(MovieCompressMethod, movieCompressMethod, quint16, curCompression,
                          adp_KVR_func_api_Mov_Filter_Set_Compression_method_Param)
KAVRO_MOVIE_FILTER_SETTER(MovieBitRate, movieBitRate, quint16, curBitRate,
                          adp_KVR_func_api_Mov_Filter_Set_Bit_rate_Param)
KAVRO_MOVIE_FILTER_SETTER(MovieVFR, movieVFR, quint16, curVfr, adp_KVR_func_api_Mov_Filter_Set_VFR_Param)
KAVRO_MOVIE_FILTER_SETTER(MovieHLG, movieHLG, quint16, curHlg, adp_KVR_func_api_Mov_Filter_Set_HLG_Param)
#undef KAVRO_MOVIE_FILTER_SETTER

void DeviceAdapter::setRecMovie(uint value)
{
    const uint old = recMovie();
    if (value == old)
        return;
    d->recMovie.store(quint16(value));
    d->raw_movieQualityMode.store(quint16(value));
    if (adp_KVR_func_api_Mov_Config_Set_Quality_mode_Param() == Utilities::Ternary_True) {
        emit recMovieInnerChanged(value);
        return;
    }
    emit settingErrorNotify();
    if (d->recMovie.store(quint16(old)))
        emit recMovieChanged(old);
}

// A format outside the table goes as code 0; a refusal puts back the code
// the camera had, which is also right when the old format was unknown.
void DeviceAdapter::setMotionPictureFormat(Utilities::MotionPictureFormat value)
{
    const auto old = motionPictureFormat();
    if (value == old)
        return;
    d->motionPictureFormat.store(value);
    const quint16 oldCode = d->raw_movieRecMode.exchange(quint16(Utilities::enumMotionPictureFormatToVal(value)));
    if (adp_KVR_func_api_Mov_Config_Set_Rec_mode_Param() == Utilities::Ternary_True)
        return;
    emit settingErrorNotify();
    d->raw_movieRecMode.store(oldCode);
    if (d->motionPictureFormat.store(old))
        emit motionPictureFormatChanged(old);
}

// ---- recording target ----

// The user's choice of the selected camera's target: the cameras that follow
// it take it too. It is sent even when unchanged, and the copy mask is
// brought up to date whatever the camera answered.
void DeviceAdapter::setFileTarget(Utilities::FileTarget value)
{
    const auto old = fileTarget();
    d->fileTarget.store(value);
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.setupFiles.curTarget = quint16(Utilities::enumFileTargetToVal(value));
    }
    if (adp_KVR_func_api_SetupFilesConfig_Set_Target() != Utilities::Ternary_True) {
        emit settingErrorNotify();
        if (d->fileTarget.store(old))
            emit fileTargetChanged(old);
    }
    updateCopyPcMask();
}

Ternary DeviceAdapter::adp_KVR_func_api_SetupFilesConfig_Set_Target()
{
    quint16 code = 0;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        code = d->capabilityRecords.setupFiles.curTarget;
    }
    return sendMirrored(KVR_func_api_SetupFilesConfig_Set_Target, uint16_t(code));
}

// Each camera keeps a target of its own: none of this is repeated on the
// cameras that follow the selected one.
void DeviceAdapter::setFileTargetOfSelectedCamera(Utilities::FileTarget value)
{
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.setupFiles.curTarget = quint16(Utilities::enumFileTargetToVal(value));
    }
    if (sendSelectedFileTarget(value))
        setFileTargetValue(value);
    updateCopyPcMask();
}

bool DeviceAdapter::sendSelectedFileTarget(Utilities::FileTarget value)
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    return !uuid.isEmpty()
           && callCamera(uuid, KVR_func_api_SetupFilesConfig_Set_Target,
                         uint16_t(Utilities::enumFileTargetToVal(value)))
                  == 1;
}

QString DeviceAdapter::uuidOfConnectedSerial(const QString &serialNo)
{
    QString uuid;
    withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            if (it->serialNo == serialNo) {
                uuid = it.key();
                break;
            }
    });
    return uuid;
}

// One camera only, whatever its answer; the selected camera's property is
// not touched.
void DeviceAdapter::setFileTargetById(QString serialNo, Utilities::FileTarget target)
{
    const QString uuid = uuidOfConnectedSerial(serialNo);
    if (uuid.isEmpty())
        return;
    (void)callCamera(uuid, KVR_func_api_SetupFilesConfig_Set_Target, uint16_t(Utilities::enumFileTargetToVal(target)));
}

Utilities::FileTarget DeviceAdapter::getFileTargetById(QString serialNo)
{
    const QString uuid = uuidOfConnectedSerial(serialNo);
    if (uuid.isEmpty())
        return Utilities::FLTG_Unknown;
    Utilities::FileTarget target = Utilities::FLTG_Unknown;
    (void)adp_KVR_func_api_SetupFilesConfig_Get_Target(&target, uuid);
    return target;
}

// Every connected known camera gets its own saved store location. The table
// is held for the walk, so no camera leaves or joins between being found
// known and being sent its target; the selected camera's property follows
// once the table is let go.
void DeviceAdapter::set_file_target_for_camera_list()
{
    ApplicationSettings *settings = ApplicationData::getApplicationSettings();
    const QString selected = camera_list_get_selected_camera_uuid();
    const QStringList saved = d->savedCameraList.serials();
    int selectedTarget = -1;
    {
        std::lock_guard<std::recursive_timed_mutex> g(d->cameraTableMutex);
        for (auto it = d->cameraTable.cbegin(); it != d->cameraTable.cend(); ++it) {
            if (it->serialNo.isEmpty() || !saved.contains(it->serialNo))
                continue;
            const int type = settings ? int(settings->getStoreLocationTypeFromFile(it->serialNo))
                                      : int(ApplicationSettings::StoLocType_SdCardPc);
            if (type < ApplicationSettings::StoLocType_SdCard || type > ApplicationSettings::StoLocType_Pc)
                continue;
            if (it.key() == selected)
                selectedTarget = type;
            else
                setFileTargetById(it->serialNo, Utilities::FileTarget(type));
        }
    }
    if (selectedTarget >= 0)
        setFileTargetOfSelectedCamera(Utilities::FileTarget(selectedTarget));
    else
        updateCopyPcMask();
}

// ---- AF/MF configuration ----

// The setters store the value without a signal and put its camera code in
// the kept record (a value outside the table goes as code 0); a refusal
// brings the error notice and the old value back. The record keeps the
// refused code.
#define KAVRO_AFMF_SETTER(Name, name, Enum, field, toCode, writer) \
    void DeviceAdapter::set##Name(Utilities::Enum value) \
    { \
        const auto old = name(); \
        if (value == old) \
            return; \
        d->name.store(value); \
        { \
            QMutexLocker g(&d->capabilityRecordLock); \
            d->capabilityRecords.afmfCfg2.field = quint16(toCode(value)); \
        } \
        if (writer() == Utilities::Ternary_True) \
            return; \
        emit settingErrorNotify(); \
        if (d->name.store(old)) \
            emit name##Changed(old); \
    }
KAVRO_AFMF_SETTER(AfmfMode, afmfMode, AFMFMode, curAfmfMode, Utilities::enumAFMFModeToVal,
                  adp_KVR_func_api_AFMF_Cfg2_Info_Set_AFMF_Mode_Param)
KAVRO_AFMF_SETTER(MfAssistMode, mfAssistMode, MFAssistMode, curMfAssistMode, Utilities::enumMFAssistModeToVal,
                  adp_KVR_func_api_AFMF_Cfg2_Info_Set_MF_Assist_Mode)
KAVRO_AFMF_SETTER(PinpointMode, pinpointMode, PinpointMode, curPinpointMode, Utilities::enumPinpointModeToVal,
                  adp_KVR_func_api_AFMF_Cfg2_Info_Set_AF_Pinpoint_Mode)
KAVRO_AFMF_SETTER(LvMagMode, lvMagMode, LVMagMode, curLvMagMode, Utilities::enumLVMagModeToVal,
                  adp_KVR_func_api_AFMF_Cfg2_Info_Set_LV_Mag_Mode)
KAVRO_AFMF_SETTER(PinPAspectRatio, pinpAspectRatio, PinPAspectRatio, curPinpAspect, ownCode,
                  adp_KVR_func_api_AFMF_Cfg2_Info_Set_PinP_Aspect_Info)
#undef KAVRO_AFMF_SETTER

#define KAVRO_AFMF_WRITER(writer, sdk, field) \
    Ternary DeviceAdapter::writer() \
    { \
        quint16 code = 0; \
        { \
            QMutexLocker g(&d->capabilityRecordLock); \
            code = d->capabilityRecords.afmfCfg2.field; \
        } \
        return sendMirrored(sdk, uint32_t(code)); \
    }
KAVRO_AFMF_WRITER(adp_KVR_func_api_AFMF_Cfg2_Info_Set_AFMF_Mode_Param, KVR_func_api_AFMF_Cfg2_Info_Set_AFMF_Mode_Param,
                  curAfmfMode)
KAVRO_AFMF_WRITER(adp_KVR_func_api_AFMF_Cfg2_Info_Set_MF_Assist_Mode, KVR_func_api_AFMF_Cfg2_Info_Set_MF_Assist_Mode,
                  curMfAssistMode)
KAVRO_AFMF_WRITER(adp_KVR_func_api_AFMF_Cfg2_Info_Set_AF_Pinpoint_Mode,
                  KVR_func_api_AFMF_Cfg2_Info_Set_AF_Pinpoint_Mode, curPinpointMode)
KAVRO_AFMF_WRITER(adp_KVR_func_api_AFMF_Cfg2_Info_Set_LV_Mag_Mode, KVR_func_api_AFMF_Cfg2_Info_Set_LV_Mag_Mode,
                  curLvMagMode)
KAVRO_AFMF_WRITER(adp_KVR_func_api_AFMF_Cfg2_Info_Set_PinP_Aspect_Info,
                  KVR_func_api_AFMF_Cfg2_Info_Set_PinP_Aspect_Info, curPinpAspect)
#undef KAVRO_AFMF_WRITER

// The code is kept as read; the value is what the program has a key for
// (a picture-in-picture code it has no key for leaves the value alone).
#define KAVRO_AFMF_READER(reader, sdk, field, Enum, storeOp, valueOf) \
    Ternary DeviceAdapter::reader() \
    { \
        quint32 code = 0; \
        if (callSelectedCamera(sdk, &code) != 1) \
            return Utilities::Ternary_False; \
        { \
            QMutexLocker g(&d->capabilityRecordLock); \
            d->capabilityRecords.afmfCfg2.field = quint16(code); \
        } \
        const int value = valueOf(code); \
        if (value != kKeepValue) \
            storeOp(Utilities::Enum(value)); \
        return Utilities::Ternary_True; \
    }
KAVRO_AFMF_READER(adp_KVR_func_api_AFMF_Cfg2_Info_Get_AFMFMode_Param, KVR_func_api_AFMF_Cfg2_Info_Get_AFMFMode_Param,
                  curAfmfMode, AFMFMode, setAfmfModeValue, switchOfCode)
KAVRO_AFMF_READER(adp_KVR_func_api_AFMF_Cfg2_Info_Get_MFAssist_Mode, KVR_func_api_AFMF_Cfg2_Info_Get_MFAssist_Mode,
                  curMfAssistMode, MFAssistMode, setMfAssistModeValue, switchOfCode)
KAVRO_AFMF_READER(adp_KVR_func_api_AFMF_Cfg2_Info_Get_AF_Pinpoint_Mode,
                  KVR_func_api_AFMF_Cfg2_Info_Get_AF_Pinpoint_Mode, curPinpointMode, PinpointMode, setPinpointModeValue,
                  switchOfCode)
KAVRO_AFMF_READER(adp_KVR_func_api_AFMF_Cfg2_Info_Get_LV_Mag_Mode, KVR_func_api_AFMF_Cfg2_Info_Get_LV_Mag_Mode,
                  curLvMagMode, LVMagMode, setLvMagModeValue, switchOfCode)
KAVRO_AFMF_READER(adp_KVR_func_api_AFMF_Cfg2_Info_Get_PinP_Aspect_Info,
                  KVR_func_api_AFMF_Cfg2_Info_Get_PinP_Aspect_Info, curPinpAspect, PinPAspectRatio,
                  setPinPAspectRatioValue, pinpAspectOfCode)
#undef KAVRO_AFMF_READER

// ---- recording display and record preview ----

Ternary DeviceAdapter::adp_KVR_func_api_RecDisp_Config_Set_Histgram_Mode_Param_On()
{
    return sendMirrored(KVR_func_api_RecDisp_Config_Set_Histgram_Mode_Param, uint32_t(1));
}

// The preview mode is taken silently: the interface reads it when it opens
// its page. A mode the program has no key for counts as off.
Ternary DeviceAdapter::adp_KVR_func_api_RecPreview_Cfg_Info_Get_Monitor_Disp()
{
    quint32 mode = 0;
    if (callSelectedCamera(KVR_func_api_RecPreview_Cfg_Info_Get_Monitor_Disp, &mode) == 0)
        return Utilities::Ternary_False;
    const bool known = mode < quint32(Utilities::RecPreviw_Max);
    d->recPreviewMode.store(known ? int(mode) : int(Utilities::RecPreviw_Off));
    return Utilities::ternaryOf(known);
}

// ---- live-view image quality ----

void DeviceAdapter::applyNetworkStreamQuality(const QString &uuid, int quality,
                                              KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG *format)
{
    if (quality != Utilities::LvImgQ_Std && quality != Utilities::LvImgQ_Fine)
        return;
    bool wlan = false;
    withCameraByUuid(uuid, [&](const CameraInfo &camera) { wlan = camera.isWlan != 0; });
    if (wlan)
        format->compression = quality == Utilities::LvImgQ_Std ? 64 : 128;
}

} // namespace kavrotether
