// DeviceAdapter: the readers of the still-image, movie, live-view image
// quality, AF frame and photo-style settings of the selected camera, and the
// live-view image-quality setting that goes with them.
//
// Every reader fills a record of its own, publishes it and then keeps a copy
// in the data block for the other reads. Lists are walked over their counted
// entries only: the slots beyond the count are padding whose value may well
// be a valid code.

#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

#include "camera/DeviceAdapter.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"
#include "camera/settings/CapabilityLists.h"

namespace kavrotether {

namespace {

using capability::below;
using capability::codeIndex;
using capability::countedEntries;
using capability::fillFlags;
using capability::kListMax;
using capability::switchLike;

int photoStyleIndex(quint32 code)
{
    return codeIndex(Utilities::arrPhotoStyVal, code);
}

// The picture aspects the live-view overlays draw: the width over the
// height and the angle of the diagonal. The diagonal of 3:2 is given more
// finely by the capability answer than by the image information.
struct AspectGeometry
{
    quint16 code;
    double width;
    double diagonalCapability;
    double diagonalImageInfo;
};
constexpr double kKeepDiagonal = -1.0;
constexpr AspectGeometry kAspectGeometry[] = {
    {0, 1.33333333, 36.8, 36.8},
    {1, 1.33333333, 36.8, 36.8},
    {2, 1.5, 33.56, 33.6},
    {3, 1.7777777, 29.2, 29.2},
    {4, 1.0, 45.0, 45.0},
    {10, 2.7083333, kKeepDiagonal, kKeepDiagonal},
    {11, 2.0, kKeepDiagonal, kKeepDiagonal},
};

// Aspect codes that are picture aspects of their own.
int aspectRatioOfCode(quint32 code)
{
    return (code >= 1 && code <= 4) || code == 10 || code == 11 ? int(code) : -1;
}

// A photo-style adjustment as the slider shows it.
struct Slider
{
    int min = 0;
    int max = 0;
    int step = 1;
    int current = 0;
};

// Adjustment codes: bits 0..7 the magnitude, bits 8..11 the step (0 is 1),
// bits 12..15 equal to 8 a negative value. Density codes come in tenths
// and have no sign. A code whose step is not the list's largest is counted
// in units of that step.
template<typename List>
Slider decodeSlider(const List &list, quint16 current, bool density)
{
    const auto prepare = [density](quint32 code) { return density ? code / 10 : code; };
    const auto stepOf = [](quint32 code) {
        const int s = int((code >> 8) & 0xF);
        return s == 0 ? 1 : s;
    };
    const auto decode = [&](quint32 raw, int step) {
        const quint32 code = prepare(raw);
        int v = int(code & 0xFF);
        if (!density && ((code >> 12) & 0xF) == 8)
            v = -v;
        return stepOf(code) != step ? v * step : v;
    };
    // An empty list still has its first code to go by.
    const int n = std::max(1, countedEntries(list));
    Slider s;
    for (int i = 0; i < n; ++i)
        s.step = std::max(s.step, stepOf(prepare(list.codes[i])));
    s.min = s.max = decode(list.codes[0], s.step);
    for (int i = 1; i < n; ++i) {
        const int v = decode(list.codes[i], s.step);
        s.min = std::min(s.min, v);
        s.max = std::max(s.max, v);
    }
    s.current = decode(current, s.step);
    return s;
}

// Keeps a slider's limits; its current value is for the caller to store.
template<typename List>
int storeSlider(const List &list, quint16 current, bool density, StoredValue<int> &min, StoredValue<int> &max,
                StoredValue<int> &step)
{
    const Slider s = decodeSlider(list, current, density);
    min.store(s.min);
    max.store(s.max);
    step.store(s.step);
    return s.current;
}

template<typename List>
quint8 offered(const List &list)
{
    return list.count != 0 ? 1 : 0;
}

bool isLiveCompositeShooting(int lvShootingStatus, int cameraStatus)
{
    return lvShootingStatus == Utilities::LCST_SHOOTING
           || (lvShootingStatus == Utilities::LCST_PREPARE && cameraStatus == Utilities::CamStatus_Noise_Reduction);
}

void rememberLvImageQuality(int quality)
{
    if (ApplicationSettings *settings = ApplicationData::getApplicationSettings())
        settings->setLvImageQuality(quality);
}

} // namespace

// ---- still image ----

bool DeviceAdapter::applyImageAspect(quint16 code, bool imageInfoRead)
{
    for (const AspectGeometry &g : kAspectGeometry) {
        if (g.code != code)
            continue;
        setAspectRatioValue(code);
        setAfFrame_asp_xValue(g.width);
        const double diagonal = imageInfoRead ? g.diagonalImageInfo : g.diagonalCapability;
        if (diagonal != kKeepDiagonal)
            setLvGDraw_diagonal_rotationValue(diagonal);
        return true;
    }
    // Multi-aspect (5) and "none" (255) leave the overlays as they are in the
    // capability answer; the image information has no drawable aspect then.
    return !imageInfoRead && (code == 5 || code == 255);
}

void DeviceAdapter::applyImageQuality(quint16 code)
{
    d->raw_imageQuality.store(code);
    setImgInfoQualityValue(Utilities::ImgInfoQuality(codeIndex(Utilities::arrImgInfoQualityVal, code)));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ImageInfo_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_ImageInfo_GetCapability, record.get()) == 0)
        return Utilities::Ternary_False;
    const KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO &r = *record;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.image = r;
    }

    capability::copyValues(d->pictureSizeValues, r.size);
    if (d->pictureSizeCount.store(r.size.count))
        emit pictureSizeFlgNumChanged();

    const int qualities = countedEntries(r.quality);
    fillFlags(
        d->imgInfoQualityFlags, r.quality, [](quint32 c) { return codeIndex(Utilities::arrImgInfoQualityVal, c); },
        qualities);
    for (int i = 0; i < kListMax; ++i)
        d->imgInfoQualityCodes[std::size_t(i)].store(i < qualities ? quint16(r.quality.codes[i]) : quint16(0));
    d->imgInfoQualityCodeCount.store(qualities);
    if (d->imgInfoQualityCount.store(r.quality.count))
        emit imgInfoQualityFlgNumChanged();

    const auto aspectValue = [](quint32 c) { return below(c, Utilities::ImgInfoA_Max); };
    fillFlags(d->imgInfoAspectFlags, r.aspect, aspectValue, countedEntries(r.aspect));
    if (d->imgInfoAspectCount.store(r.aspect.count))
        emit imgInfoAspectFlgNumChanged();

    fillFlags(
        d->imgInfoFormatFlags, r.format, [](quint32 c) { return below(c, Utilities::ImgInfoF_Max); },
        countedEntries(r.format));
    if (d->imgInfoFormatCount.store(r.format.count))
        emit imgInfoFormatFlgNumChanged();
    setImgInfoFormatValue(Utilities::ImgInfoFormat(r.curFormat));

    (void)adp_KVR_func_api_GetJpegHeifMode();

    fillFlags(d->imgInfoJpegHeifQualityFlags, r.jpegHeifQuality, switchLike, countedEntries(r.jpegHeifQuality));
    if (d->imgInfoJpegHeifQualityCount.store(r.jpegHeifQuality.count))
        emit imgInfoJpegHeifQualityFlgNumChanged();
    if (const int q = switchLike(r.curJpegHeifQuality); q >= 0)
        setImgInfoJpegHeifQualityValue(Utilities::ImgInfoJpegHeifQuality(q));

    fillFlags(d->aspectRatioFlags, r.aspect, aspectRatioOfCode, countedEntries(r.aspect));
    if (d->aspectRatioCount.store(r.aspect.count))
        emit aspectRatioFlgNumChanged();

    applyImageQuality(r.curQuality);
    d->raw_imageAspect.store(r.curAspect);
    if (!applyImageAspect(r.curAspect, false))
        return Utilities::Ternary_False;
    d->raw_imageSize.store(r.curSize);
    setPictureSizeValue(r.curSize);
    return Utilities::Ternary_True;
}

// The fallback of the still-image event when the capability cannot be read.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetImageInfo()
{
    KVR_STRUCT_IMAGE_INFO info{};
    if (callSelectedCamera(KVR_func_api_GetImageInfo, &info, quint32(KVR_TAG_IMAGE_INFO)) == 0)
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.image.curAspect = info.aspect;
    }
    d->raw_imageAspect.store(info.aspect);
    if (!applyImageAspect(info.aspect, true))
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.image.curQuality = info.quality;
        d->capabilityRecords.image.curSize = info.size;
    }
    applyImageQuality(info.quality);
    d->raw_imageSize.store(info.size);
    setPictureSizeValue(info.size);
    return Utilities::Ternary_True;
}

// ---- movie ----

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_Mov_Config_GetCapability, record.get()) != 1)
        return Utilities::Ternary_False;
    KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO &r = *record;

    // Movie exposure and slow-and-quick motion offer the same modes.
    const auto exposureMode = [](quint32 c) { return below(c, Utilities::RM_CV_Max); };
    fillFlags(d->creativeVideoAEFlags, r.cMovieMode, exposureMode, countedEntries(r.cMovieMode));
    fillFlags(d->sqMotionFlags, r.cMovieMode, exposureMode, countedEntries(r.cMovieMode));
    if (d->creativeVideoAECount.store(r.cMovieMode.count))
        emit creativeVideoAEFlgNumChanged();
    if (d->sqMotionCount.store(r.cMovieMode.count))
        emit sqMotionFlgNumChanged();

    // The photo exposure modes come with the camera mode.
    KVR_STRUCT_CAPA_LIST photoExposure;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        photoExposure = d->capabilityRecords.cameraMode.exposureParam;
    }
    fillFlags(
        d->photoExposureFlags, photoExposure, [](quint32 c) { return below(c, Utilities::RM_PE_Max); },
        countedEntries(photoExposure));
    if (d->photoExposureCount.store(photoExposure.count))
        emit photoExposureFlgNumChanged();

    fillFlags(
        d->ssGainFlags, r.ssGain, [](quint32 c) { return codeIndex(Utilities::arrSSGainVal, c); },
        countedEntries(r.ssGain));
    if (d->ssGainCount.store(r.ssGain.count))
        emit sSGainFlgNumChanged();
    setSsGainValue(Utilities::SSGain(codeIndex(Utilities::arrSSGainVal, r.curSsGain)));

    // The interface rebuilds the format buttons on every read.
    const auto format = [](quint32 c) { return codeIndex(Utilities::arrMotionPictureFormatVal, c); };
    fillFlags(d->motionPictureFormatFlags, r.recMode, format, countedEntries(r.recMode));
    d->motionPictureFormatCount.store(r.recMode.count);
    emit motionPictureFormatFlgNumChanged();
    d->raw_movieRecMode.store(r.curRecMode);
    setMotionPictureFormatValue(Utilities::MotionPictureFormat(format(r.curRecMode)));

    // A camera that lists no quality modes still records in its current one.
    const quint16 quality = r.curQualityMode;
    d->raw_movieQualityMode.store(quality);
    if (quality < kMovieQualityCodes)
        setRecMovieValue(quality);
    if (quality != 0 && r.qualityMode.count == 0) {
        r.qualityMode.count = 1;
        r.qualityMode.codes[0] = quality;
    }
    std::array<quint8, kMovieQualityCodes> qualities{};
    const int n = countedEntries(r.qualityMode);
    for (int i = 0; i < n; ++i) {
        const quint16 code = r.qualityMode.codes[i];
        if (code < kMovieQualityCodes)
            qualities[code] = 1;
    }
    bool qualitiesChanged = false;
    for (std::size_t i = 0; i < kMovieQualityCodes; ++i)
        qualitiesChanged |= m_recMovieFlags[i].exchange(qualities[i]) != qualities[i];
    qualitiesChanged |= d->recMovieCount.store(r.qualityMode.count);
    if (qualitiesChanged)
        emit recMovieFlgNumChanged();

    d->raw_cMovieMode.store(r.curCMovieMode);
    const auto mode = Utilities::CreativeVideoAE(exposureMode(r.curCMovieMode));
    setCreativeVideoAEValue(mode);
    setSQMotionValue(mode);

    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.movieConfig = r;
    return Utilities::Ternary_True;
}

bool DeviceAdapter::updateCreativeVideoMode()
{
    auto record = std::make_unique<KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_Mov_Config_GetCapability, record.get()) != 1)
        return false;
    const KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO &r = *record;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.movieConfig = r;
    }
    fillFlags(
        d->creativeVideoAEFlags, r.cMovieMode, [](quint32 c) { return below(c, Utilities::RM_CV_Max); },
        countedEntries(r.cMovieMode));
    d->creativeVideoAECount.store(r.cMovieMode.count);
    d->creativeVideoAE.store(below(r.curCMovieMode, Utilities::RM_CV_Max));
    return true;
}

Utilities::Ternary DeviceAdapter::recMovieCapability(uint feature) const
{
    return feature < kMovieQualityCodes && m_recMovieFlags[feature].load() != 0 ? Utilities::Ternary_True
                                                                                : Utilities::Ternary_False;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_Quality_Detail_Display()
{
    KVR_STRUCT_MOV_QUALITY_DETAIL_DISPLAY r{};
    if (callSelectedCamera(KVR_func_api_Mov_Config_Get_Quality_Detail_Display, &r) != 1)
        return Utilities::Ternary_False;
    // The record's order is not the keys' order; only 1 shows a column.
    const quint16 shown[] = {r.frameRate, r.pixels, r.compression, r.bitRate, r.vfr, r.hlg, r.sq};
    constexpr Utilities::MovieDetailDisplay keys[] = {
        Utilities::MVDD_FRAME_RATE, Utilities::MVDD_PIXELS, Utilities::MVDD_COMPRESSION_METHOD,
        Utilities::MVDD_BIT_RATE,   Utilities::MVDD_VFR,    Utilities::MVDD_HLG,
        Utilities::MVDD_SQ};
    static_assert(std::size(keys) == std::size(shown));
    for (std::size_t i = 0; i < std::size(keys); ++i)
        d->movieDetailDisplayFlags[std::size_t(keys[i])].store(shown[i] == 1 ? 1 : 0);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List()
{
    auto record = std::make_unique<KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO>();
    if (callSelectedCamera(KVR_func_api_Mov_Config_Get_Quality_Detail_List, record.get()) != 1)
        return Utilities::Ternary_False;
    std::array<quint8, kMovieQualityCodes> listed{};
    const int n = std::min<int>(record->count, kListMax);
    for (int i = 0; i < n; ++i) {
        const quint16 code = record->entries[i].quality;
        if (code < kMovieQualityCodes)
            listed[code] = 1;
    }
    for (std::size_t i = 0; i < kMovieQualityCodes; ++i)
        m_movieDetailListFlags[i].store(listed[i]);
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.movieQualityList = *record;
    return Utilities::Ternary_True;
}

// Cameras that cannot describe their qualities: the program's own list of
// the system frequency, narrowed to what the camera offers.
Utilities::Ternary DeviceAdapter::adp_KVR_Mov_Config_Get_Quality_Detail_List_From_Built_In_Data()
{
    auto builtIn = std::make_unique<KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO>();
    // Cameras that can switch the frequency tell 59.94 from 60.
    Utilities::GetMovieQualityBuiltInData(builtIn.get(), systemFrequency(), changeSystemFreqEnable());
    auto list = std::make_unique<KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO>();
    std::array<quint8, kMovieQualityCodes> listed{};
    const int n = std::min<int>(builtIn->count, kListMax);
    for (int i = 0; i < n; ++i) {
        KVR_STRUCT_MOV_QUALITY_DATA entry = builtIn->entries[i];
        if (entry.quality >= kMovieQualityCodes || m_recMovieFlags[entry.quality].load() == 0)
            continue;
        entry.vfr = entry.hlg = entry.sq = entry.ssd = 0;
        entry.sd = entry.cfexpress = 1;
        list->entries[list->count++] = entry;
        listed[entry.quality] = 1;
    }
    for (std::size_t i = 0; i < kMovieQualityCodes; ++i)
        m_movieDetailListFlags[i].store(listed[i]);
    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.movieQualityList = *list;
    return Utilities::Ternary_True;
}

// ---- live-view image quality ----

// Multi view streams every camera Low, whatever the photographer prefers: a
// window opened meanwhile reads the recommendations without taking up their
// quality, which comes back with the single view.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LiveView_Str_Get_Recom_Img()
{
    if (!isMultiviewMode())
        applyLvImageQualityPreference();
    return Utilities::ternaryOf(readRecommendedFormats() == 1);
}

void DeviceAdapter::applyLvImageQualityPreference()
{
    if (ApplicationSettings *settings = ApplicationData::getApplicationSettings()) {
        const int preferred = settings->lvImageQuality();
        if (preferred >= 0 && preferred < Utilities::LvImgQ_Max)
            setImgQualityValue(preferred);
    }
}

quint8 DeviceAdapter::readRecommendedFormats()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    auto record = std::make_unique<KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG>();
    const quint8 result = callCamera(uuid, KVR_func_api_LiveView_Str_Get_Recom_Img, record.get());
    if (result == 1) {
        {
            QMutexLocker g(&d->capabilityRecordLock);
            d->capabilityRecords.recomImg = *record;
            d->capabilityRecords.recomImgUuid = uuid;
        }
        // Cleared first: another camera's qualities are not offered.
        const int n = std::min<int>(record->count, Utilities::LvImgQ_Max);
        for (int q = 0; q < Utilities::LvImgQ_Max; ++q)
            m_lvImageQualityFlags[std::size_t(q)].store(q < n ? 1 : 0);
        if (d->imageQualityFlagNum.exchange(n) != n)
            emit imageQualityFlgNumChanged();
    }
    setDisplayImgQualityValue(result != 0);
    return result;
}

// Until a live-view window has been opened nothing has read the camera's
// recommendations: the kept record would be all zeros, which every camera
// refuses (the switch to multi view sends the low quality at once).
bool DeviceAdapter::selectedRecommendedFormat(int quality, KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG *out)
{
    if (!selectedRecommendationsRead() && readRecommendedFormats() != 1)
        return false;
    QMutexLocker g(&d->capabilityRecordLock);
    *out = d->capabilityRecords.recomImg.entries[quality];
    return true;
}

bool DeviceAdapter::selectedRecommendationsRead() const
{
    const QString selected = camera_list_get_selected_camera_uuid();
    QMutexLocker g(&d->capabilityRecordLock);
    return !selected.isEmpty() && d->capabilityRecords.recomImgUuid == selected;
}

// The camera's stream format is one of its recommendations; when it is not
// the program's choice, the choice goes back to the camera, unless live
// composite shooting is running, which sets the format itself.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LiveView_Str_Get_Trans_Img()
{
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG current{};
    if (callSelectedCamera(KVR_func_api_LiveView_Str_Get_Trans_Img, &current) != 1)
        return Utilities::Ternary_False;
    int found = -1;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.transImg = current;
        const KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG &recom = d->capabilityRecords.recomImg;
        const int n = std::min<int>(recom.count, Utilities::LvImgQ_Max);
        for (int k = 0; k < n && found < 0; ++k) {
            const KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG e = recom.entries[k];
            if (e.size == current.size && e.compression == current.compression && e.reserved == current.reserved)
                found = k;
        }
    }
    if (!displayImgQuality())
        return Utilities::Ternary_True;
    const int chosen = imgQuality();
    if (found == chosen)
        return Utilities::Ternary_True;
    if (found >= 0 && isLiveCompositeShooting(lvShootingStatus(), cameraStatus()))
        setImgQualityValue(found);
    else
        setImgQuality2(Utilities::LiveViewImageQuality(chosen), false);
    return Utilities::Ternary_True;
}

// The photographer's pick on the quality button. Taken in single view, it is
// their preference from now on; every other send is the program's (the
// multi view's Low, the single view's quality coming back, a format put
// back) and leaves the preference alone.
void DeviceAdapter::setImgQuality(int quality)
{
    if (setImgQuality2Once(quality, false, false) && !isMultiviewMode())
        rememberLvImageQuality(quality);
}

void DeviceAdapter::setImgQuality2(Utilities::LiveViewImageQuality quality, bool forceAll)
{
    setImgQuality2Once(quality, forceAll, false);
}

bool DeviceAdapter::setImgQuality2Once(int quality, bool forceAll, bool restoring)
{
    if (quality < 0 || quality >= Utilities::LvImgQ_Max)
        return false;
    const int old = imgQuality();
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG format;
    if (!selectedRecommendedFormat(quality, &format))
        return false;
    d->imgQuality.store(quality);
    applyNetworkStreamQuality(camera_list_get_selected_camera_uuid(), quality, &format);
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.transImg = format;
    }
    if (adp_KVR_func_api_LiveView_Str_Set_Trans_Img(forceAll) == Utilities::Ternary_True) {
        emit imgQualityChanged(quality);
        return true;
    }
    if (isLiveCompositeShooting(lvShootingStatus(), cameraStatus())) {
        d->imgQuality.store(old);
        emit imgQualityChanged(old);
        return false;
    }
    // The restoring attempt is the last one, whatever it gives.
    if (restoring)
        return false;
    emit settingErrorNotify();
    if (quality != old)
        setImgQuality2Once(old, false, true);
    return false;
}

Utilities::Ternary DeviceAdapter::lv_image_quality_list_data_display(Utilities::LiveViewImageQuality quality) const
{
    const auto q = static_cast<unsigned>(quality);
    return q < m_lvImageQualityFlags.size() && m_lvImageQualityFlags[q].load() != 0 ? Utilities::Ternary_True
                                                                                    : Utilities::Ternary_False;
}

QString DeviceAdapter::lv_image_quality_list_data_resolution(Utilities::LiveViewImageQuality quality) const
{
    const auto q = static_cast<unsigned>(quality);
    if (q >= unsigned(Utilities::LvImgQ_Max))
        return QString();
    quint32 size = 0;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        size = d->capabilityRecords.recomImg.entries[q].size;
    }
    return QStringLiteral("%1x%2").arg(size >> 16).arg(size & 0xFFFF);
}

bool DeviceAdapter::getImgQualityParam(const QString &uuid, Utilities::LiveViewImageQuality quality,
                                       KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG *out)
{
    if (quality < 0 || quality >= Utilities::LvImgQ_Max || !out)
        return false;
    auto record = std::make_unique<KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG>();
    if (callCamera(uuid, KVR_func_api_LiveView_Str_Get_Recom_Img, record.get()) != 1 || record->count <= quality)
        return false;
    *out = record->entries[quality];
    applyNetworkStreamQuality(uuid, quality, out);
    return true;
}

// The camera may still be waking up: a camera that is not (yet) in the table
// or is powering on is asked again a few times.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_LiveView_Str_Set_Trans_Img(bool forceAll)
{
    using namespace std::chrono_literals;
    constexpr int kCalls = 4;
    std::this_thread::sleep_for(200ms);
    const QString selected = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG format;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        format = d->capabilityRecords.transImg;
    }
    quint8 result = 0;
    int calls = 0;
    while (true) {
        result = callCamera(selected, KVR_func_api_LiveView_Str_Set_Trans_Img, format);
        ++calls;
        if (result == 1 || calls == kCalls)
            break;
        bool powering = true;
        withCameraByUuid(selected, [&](const CameraInfo &camera) { powering = camera.powerOnMode != 0; });
        if (!powering)
            break;
        std::this_thread::sleep_for(100ms);
    }

    // The cameras that follow the selected one, each once: forced, the "All
    // Cameras" pass alone; otherwise both passes as for any write.
    const auto quality = Utilities::LiveViewImageQuality(imgQuality());
    const auto send = [&](const QString &uuid) {
        KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG own = format;
        if (quality != Utilities::LvImgQ_Low)
            getImgQualityParam(uuid, quality, &own);
        (void)callCamera(uuid, KVR_func_api_LiveView_Str_Set_Trans_Img, own);
    };
    if (forceAll)
        forEachMirroredCamera(true, false, send);
    else
        forEachMirroredCamera(send);
    return Utilities::ternaryOf(result == 1);
}

// ---- AF frame ----

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_AF_FRAME_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_RecInfo_AF_Frame_GetCapability, record.get()) == 0)
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.afFrame = *record;
    }
    // One magnification serves the AF, MF and live-view magnifiers alike.
    const int magnify = record->pinPoint.magnification / 10;
    setAf_magnifyValue(magnify);
    setMf_magnifyValue(magnify);
    setLvMag_magnifyValue(magnify);
    setAssistTypeValue(record->pinPoint.assistType);
    setMfa_modeValue(record->pinPoint.mfAssistMode);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame()
{
    KVR_STRUCT_AF_FRAME_SMALL_FRAME_TAG_INFO f{};
    if (callSelectedCamera(KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame, &f) == 0)
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.smallFrame = f;
    }
    setSFrame_outer_posXValue(f.outerPosX);
    setSFrame_outer_posYValue(f.outerPosY);
    setSFrame_outer_sizeWValue(f.outerWidth);
    setSFrame_outer_sizeHValue(f.outerHeight);
    setSFrame_mag_posXValue(f.magPosX);
    setSFrame_mag_posYValue(f.magPosY);
    setSFrame_mag_sizeWValue(f.magWidth);
    setSFrame_mag_sizeHValue(f.magHeight);
    // The small frame shows in the MF assist's picture-in-picture only.
    const int mode = mfa_mode();
    setSFrame_infoValue(assistType() == 3 && (mode == 1 || mode == 2));
    return Utilities::Ternary_True;
}

// ---- photo styles ----

void DeviceAdapter::publishPhotoStyleComponents(int reader, int first, int last,
                                                const std::array<quint8, Utilities::PSC_Max> &offered)
{
    bool flagsChanged = false;
    int count = 0;
    for (int i = first; i <= last; ++i) {
        count += offered[std::size_t(i)];
        flagsChanged |= d->photoStyleCompFlags[std::size_t(i)].exchange(offered[std::size_t(i)])
                        != offered[std::size_t(i)];
    }
    if (m_photoStyleCompCounts[std::size_t(reader)].exchange(count) != count) {
        d->photoStyleCompCount.store(m_photoStyleCompCounts[0].load() + m_photoStyleCompCounts[1].load());
        emit photoStyleCompFlgNumChanged();
    } else if (flagsChanged) {
        emit photoStyleCapabilityChanged();
    }
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_PhotoStyle_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_PHOTOSTYLE_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_PhotoStyle_GetCapability, record.get()) == 0)
        return Utilities::Ternary_False;
    KVR_STRUCT_PHOTOSTYLE_CAPA_INFO &r = *record;

    fillFlags(d->pscBasePhotoStyleFlags, r.base, photoStyleIndex, countedEntries(r.base));
    if (d->pscBasePhotoStyleCount.store(r.base.count))
        emit photoStyleBaseFlgNumChanged();
    setBasePhotoStyleValue(photoStyleIndex(r.curBase));

    // Min, max and step need no signal: the slider reads them with the value.
    setPhotoContrastValue(
        storeSlider(r.contrast, r.curContrast, false, d->pscContrastMin, d->pscContrastMax, d->pscContrastStep));
    setPhotoSharpnessValue(
        storeSlider(r.sharpness, r.curSharpness, false, d->pscSharpnessMin, d->pscSharpnessMax, d->pscSharpnessStep));
    setPhotoNoiseReductionValue(storeSlider(r.noiseReduction, r.curNoiseReduction, false, d->pscNoiseReductionMin,
                                            d->pscNoiseReductionMax, d->pscNoiseReductionStep));
    setPhotoSaturationValue(storeSlider(r.saturation, r.curSaturation, false, d->pscSaturationMin, d->pscSaturationMax,
                                        d->pscSaturationStep));
    setPhotoChromaPhaseValue(storeSlider(r.chromaPhase, r.curChromaPhase, false, d->pscChromaPhaseMin,
                                         d->pscChromaPhaseMax, d->pscChromaPhaseStep));
    setPhotoColorToneValue(
        storeSlider(r.colorTone, r.curColorTone, false, d->pscColorToneMin, d->pscColorToneMax, d->pscColorToneStep));
    setPhotoHighLightValue(
        storeSlider(r.highLight, r.curHighLight, false, d->pscHighLightMin, d->pscHighLightMax, d->pscHighLightStep));
    setPhotoShadowValue(storeSlider(r.shadow, r.curShadow, false, d->pscShadowMin, d->pscShadowMax, d->pscShadowStep));

    fillFlags(
        d->pscFilterFlags, r.filter, [](quint32 c) { return below(c, Utilities::PF_Max); }, countedEntries(r.filter));
    if (d->pscFilterCount.store(r.filter.count))
        emit photoFilterFlgNumChanged();
    setPhotoFilterValue(below(r.curFilter, Utilities::PF_Max));
    fillFlags(
        d->pscGrainFlags, r.grain, [](quint32 c) { return below(c, Utilities::PG_Max); }, countedEntries(r.grain));
    if (d->pscGrainCount.store(r.grain.count))
        emit photoGrainFlgNumChanged();
    setPhotoGrainValue(below(r.curGrain, Utilities::PG_Max));
    fillFlags(
        d->pscKneeModeFlags, r.kneeMode, [](quint32 c) { return below(c, Utilities::PKM_Max); },
        countedEntries(r.kneeMode));
    if (d->pscKneeModeCount.store(r.kneeMode.count))
        emit photoKneeModeFlgNumChanged();
    setPhotoKneeModeValue(below(r.curKneeMode, Utilities::PKM_Max));

    capability::copyValues(d->pscISOValues, r.iso);
    if (d->pscISOCount.store(r.iso.count))
        emit photoISOFlgNumChanged();
    setPhotoISOValue(int(r.curIso));
    fillFlags(d->pscWBFlags, r.wb, capability::wbModeCodeToIndex, countedEntries(r.wb));
    if (d->pscWBCount.store(r.wb.count))
        emit photoWBFlgNumChanged();
    setPhotoWBValue(capability::wbModeCodeToIndex(r.curWb));

    // A camera without a style list still has its current style.
    if (r.styleMode.count == 0) {
        r.styleMode.count = 1;
        r.styleMode.codes[0] = r.curStyleMode;
    }
    fillFlags(d->photoStyleFlags, r.styleMode, photoStyleIndex, countedEntries(r.styleMode));
    if (d->photoStyleCount.store(r.styleMode.count))
        emit photoStyleFlgNumChanged();
    setPhotoStyleValue(Utilities::PhotoStyle(photoStyleIndex(r.curStyleMode)));

    std::array<quint8, Utilities::PSC_Max> components{};
    components[Utilities::PSC_BasePhotoStyle] = offered(r.base);
    components[Utilities::PSC_Contrast] = offered(r.contrast);
    components[Utilities::PSC_Sharpness] = offered(r.sharpness);
    components[Utilities::PSC_NR] = offered(r.noiseReduction);
    components[Utilities::PSC_Saturation] = offered(r.saturation);
    components[Utilities::PSC_Filter] = offered(r.filter);
    components[Utilities::PSC_ChromaPhase] = offered(r.chromaPhase);
    components[Utilities::PSC_Grain] = offered(r.grain);
    components[Utilities::PSC_KneeMode] = offered(r.kneeMode);
    components[Utilities::PSC_ColorTone] = offered(r.colorTone);
    components[Utilities::PSC_HighLight] = offered(r.highLight);
    components[Utilities::PSC_Shadow] = offered(r.shadow);
    components[Utilities::PSC_ISO] = offered(r.iso);
    components[Utilities::PSC_WB] = offered(r.wb);
    publishPhotoStyleComponents(0, Utilities::PSC_BasePhotoStyle, Utilities::PSC_WB, components);

    QMutexLocker g(&d->capabilityRecordLock);
    d->capabilityRecords.photoStyle = r;
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_PhotoStyle2_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_PhotoStyle2_GetCapability, record.get()) == 0)
        return Utilities::Ternary_False;
    const KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO &r = *record;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.photoStyle2 = r;
    }

    fillFlags(d->pscBasePhotoStyle2Flags, r.base, photoStyleIndex, countedEntries(r.base));
    if (d->pscBasePhotoStyle2Count.store(r.base.count))
        emit photoStyleBase2FlgNumChanged();
    setBasePhotoStyle2Value(photoStyleIndex(r.curBase));

    fillFlags(
        d->pscDualISOFlags, r.dualIso, [](quint32 c) { return below(c, Utilities::PD_Max); },
        countedEntries(r.dualIso));
    if (d->pscDualISOCount.store(r.dualIso.count))
        emit photoDualISOFlgNumChanged();
    setPhotoDualISOValue(below(r.curDualIso, Utilities::PD_Max));
    fillFlags(d->pscColorNoiseFlags, r.colorNoise, switchLike, countedEntries(r.colorNoise));
    if (d->pscColorNoiseCount.store(r.colorNoise.count))
        emit photoColorNoiseFlgNumChanged();
    setPhotoColorNoiseValue(switchLike(r.curColorNoise));
    fillFlags(d->pscLUTFlags, r.lut, switchLike, countedEntries(r.lut));
    if (d->pscLUTCount.store(r.lut.count))
        emit photoLUTFlgNumChanged();
    setPhotoLUTValue(switchLike(r.curLut));
    fillFlags(d->pscLUT2Flags, r.lut2, switchLike, countedEntries(r.lut2));
    if (d->pscLUT2Count.store(r.lut2.count))
        emit photoLUT2FlgNumChanged();
    setPhotoLUT2Value(switchLike(r.curLut2));

    capability::copyValues(d->pscGainValues, r.gain);
    if (d->pscGainCount.store(r.gain.count))
        emit photoGainFlgNumChanged();
    setPhotoGainValue(r.curGain);

    setPhotoDensityValue(
        storeSlider(r.density, r.curDensity, true, d->pscDensityMin, d->pscDensityMax, d->pscDensityStep));
    setPhotoDensity2Value(
        storeSlider(r.density2, r.curDensity2, true, d->pscDensity2Min, d->pscDensity2Max, d->pscDensity2Step));

    std::array<quint8, Utilities::PSC_Max> components{};
    components[Utilities::PSC_DualISO] = offered(r.dualIso);
    components[Utilities::PSC_ColorNoise] = offered(r.colorNoise);
    components[Utilities::PSC_LUT] = offered(r.lut);
    // The style's gain is set through its ISO; it is never a component.
    components[Utilities::PSC_Gain] = 0;
    // Some cameras mark the base style 2 in the slot's last byte instead.
    components[Utilities::PSC_BasePhotoStyle2] = r.base.count != 0 || r.base.reserved == 3 ? 1 : 0;
    components[Utilities::PSC_LUT2] = offered(r.lut2);
    components[Utilities::PSC_Density] = offered(r.density);
    components[Utilities::PSC_Density2] = offered(r.density2);
    d->pscLUT2Available.store(components[Utilities::PSC_LUT2] != 0);
    d->pscDensity2Available.store(components[Utilities::PSC_Density2] != 0);
    publishPhotoStyleComponents(1, Utilities::PSC_DualISO, Utilities::PSC_Density2, components);
    return Utilities::Ternary_True;
}

} // namespace kavrotether
