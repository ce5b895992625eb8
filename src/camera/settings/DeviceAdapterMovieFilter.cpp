// DeviceAdapter: the movie filter, the camera's narrowing of the movie
// qualities by frame rate, pixels, compression, bit rate, VFR and HLG.

#include "camera/DeviceAdapter.h"
#include "CapabilityLists.h"

#include <memory>

namespace kavrotether {

namespace {

// Entry `index` of a kept list, within what it counts; 0 elsewhere.
template<typename List>
uint filterEntry(const List &list, int index)
{
    return index >= 0 && index < capability::countedEntries(list) ? uint(list.codes[index]) : 0u;
}

} // namespace

// Each item's count and current code; the store operations keep the code as
// the value a cancelled filter edit goes back to as well.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Mov_Filter_GetCapability()
{
    auto record = std::make_unique<KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO>();
    if (callSelectedCamera(KVR_func_api_Mov_Filter_GetCapability, record.get()) != 1)
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        d->capabilityRecords.movieFilter = *record;
    }
    const KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO &r = *record;
    if (d->movieFrameRateCount.store(r.frameRate.count))
        emit movieFrameRateFlgNumChanged();
    setMovieFrameRateValue(r.curFrameRate);
    if (d->moviePixelCount.store(r.pixel.count))
        emit moviePixelFlgNumChanged();
    setMoviePixelValue(r.curPixel);
    if (d->movieCompressMethodCount.store(r.compression.count))
        emit movieCompressMethodFlgNumChanged();
    setMovieCompressMethodValue(r.curCompression);
    if (d->movieBitRateCount.store(r.bitRate.count))
        emit movieBitRateFlgNumChanged();
    setMovieBitRateValue(r.curBitRate);
    if (d->movieVFRCount.store(r.vfr.count))
        emit movieVFRFlgNumChanged();
    setMovieVFRValue(r.curVfr);
    if (d->movieHLGCount.store(r.hlg.count))
        emit movieHLGFlgNumChanged();
    setMovieHLGValue(r.curHlg);
    return Utilities::Ternary_True;
}

#define KAVRO_MOVIE_FILTER_VALUE(accessor, list) \
    uint DeviceAdapter::accessor(int index) const \
    { \
        QMutexLocker g(&d->capabilityRecordLock); \
        return filterEntry(d->capabilityRecords.movieFilter.list, index); \
    }
KAVRO_MOVIE_FILTER_VALUE(mov_quality_filter_frame_rate_value, frameRate)
KAVRO_MOVIE_FILTER_VALUE(mov_quality_filter_pixel_value, pixel)
KAVRO_MOVIE_FILTER_VALUE(mov_quality_filter_compression_method_value, compression)
KAVRO_MOVIE_FILTER_VALUE(mov_quality_filter_vfr_value, vfr)
KAVRO_MOVIE_FILTER_VALUE(mov_quality_filter_hlg_value, hlg)
#undef KAVRO_MOVIE_FILTER_VALUE

QString DeviceAdapter::mov_quality_filter_frame_rate_string(int index) const
{
    if (index < 0)
        return QString();
    return movQualityFrameRateText(mov_quality_filter_frame_rate_value(index), changeSystemFreqEnable());
}

QString DeviceAdapter::mov_quality_filter_compression_method_string(int index) const
{
    if (index < 0)
        return QString();
    return mov_compression_method_text_keys(quint16(mov_quality_filter_compression_method_value(index)));
}

} // namespace kavrotether
