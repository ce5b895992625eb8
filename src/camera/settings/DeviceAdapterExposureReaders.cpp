// DeviceAdapter: the capability readers of the exposure settings (aperture,
// shutter speed, ISO, exposure compensation), white balance, record preview,
// system frequency, and the AF information record. Each asks the selected
// camera for its group, publishes flags, counts and current values through
// the store operations (which emit), and keeps the record in the data block.
//
// Lists are walked over their counted entries only: the slots beyond a
// camera's count hold padding (or anything at all), and a zero there would
// otherwise offer the value whose code is 0.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "camera/DeviceAdapter.h"
#include "CapabilityLists.h"

namespace kavrotether {

namespace {

using capability::codeIndex;
using capability::countedEntries;
using capability::fillFlags;
using capability::kListMax;

using Records = DeviceAdapterData::CapabilityRecords;

// Exposure compensation of 0 EV: a camera reports it as a limit when it has
// none, so it never narrows the range.
constexpr int kExposureZero = Utilities::Expo_0_3;

template<typename Record>
void keepRecord(DeviceAdapterData &data, Record Records::*slot, const Record &record)
{
    QMutexLocker g(&data.capabilityRecordLock);
    data.capabilityRecords.*slot = record;
}

template<typename Record>
Record keptRecord(DeviceAdapterData &data, Record Records::*slot)
{
    QMutexLocker g(&data.capabilityRecordLock);
    return data.capabilityRecords.*slot;
}

// Stores a camera's count as it reports it; true when it changed.
bool storeCount(StoredValue<int> &count, quint16 reported)
{
    return count.store(int(reported));
}

// Only the automatic and the intelligent ISO are flags; every other ISO is a
// value of the list.
int isoFlagOf(quint32 code)
{
    const int i = codeIndex(Utilities::arrIsoVal, code);
    return i == Utilities::ISO_Auto || i == Utilities::ISO_I_Iso ? i : -1;
}

int shutterSpeedOf(quint32 code)
{
    return codeIndex(Utilities::arrSsVal, code);
}

int exposureOf(quint32 code)
{
    return codeIndex(Utilities::arrExposureVal, code);
}

int kSetOf(quint32 code)
{
    return codeIndex(Utilities::arrWBKVal, code);
}

int recPreviewOf(quint32 code)
{
    return capability::below(code, Utilities::RecPreviw_Max);
}

int systemFrequencyOf(quint32 code)
{
    return capability::below(code, Utilities::SFQ_Max);
}

// The phase-detection frame numbers close the AF record: their count and
// the 32 bytes after it.
constexpr std::size_t kPdafOffset = offsetof(KVR_STRUCT_AF_INFO, pdafFrameCount);
constexpr std::size_t kPdafSize = sizeof(KVR_STRUCT_AF_INFO) - kPdafOffset;
static_assert(kPdafSize == 34, "the phase-detection frames close the AF record");

bool samePdafFrames(const KVR_STRUCT_AF_INFO &a, const KVR_STRUCT_AF_INFO &b)
{
    return std::memcmp(reinterpret_cast<const char *>(&a) + kPdafOffset,
                       reinterpret_cast<const char *>(&b) + kPdafOffset, kPdafSize)
           == 0;
}

} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_WB_GetCapability()
{
    KVR_STRUCT_WB_CAPA_INFO record{};
    if (callSelectedCamera(KVR_func_api_WB_GetCapability, &record) == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &Records::whiteBalance, record);

    fillFlags(d->whiteBalanceFlags, record.wb, capability::wbModeCodeToIndex, countedEntries(record.wb));
    if (storeCount(d->whiteBalanceCount, record.wb.count))
        emit whiteBalanceFlgNumChanged();
    d->raw_wbMode.store(record.curWb);
    setWhiteBalanceValue(Utilities::WhiteBalance(capability::wbModeCodeToIndex(record.curWb)));

    fillFlags(d->whiteBalanceKSetFlags, record.kSet, kSetOf, countedEntries(record.kSet));
    if (storeCount(d->whiteBalanceKSetCount, record.kSet.count))
        emit whiteBalanceKSetFlgNumChanged();
    d->raw_wbKSet.store(record.curKSet);
    setWhiteBalanceKSetValue(Utilities::WhiteBalanceKSet(kSetOf(record.curKSet)));

    d->raw_wbAdjustAB.store(record.curAdjAB);
    setWbAdjustABValue(Utilities::WhiteBalanceAdjust(capability::wbAdjustCodeToIndex(record.curAdjAB)));
    d->raw_wbAdjustGM.store(record.curAdjGM);
    setWbAdjustGMValue(Utilities::WhiteBalanceAdjust(capability::wbAdjustCodeToIndex(record.curAdjGM)));
    d->raw_wbAdjustABSep.store(record.curAdjABSep);
    setWbAdjustABSepValue(Utilities::WhiteBalanceAdjust(capability::wbAdjustCodeToIndex(record.curAdjABSep)));
    return Utilities::Ternary_True;
}

// The list holds each aperture once, smallest first; the count stays the
// camera's, so the interface can tell a fixed aperture from a choice.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Aperture_GetCapability()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_APERTURE_CAPA_INFO record{};
    if (callCamera(uuid, KVR_func_api_Aperture_GetCapability, &record) == 0)
        return Utilities::Ternary_False;

    std::array<qint16, kListMax> sorted{};
    const int n = countedEntries(record);
    for (int i = 0; i < n; ++i)
        sorted[std::size_t(i)] = qint16(record.values[i]);
    std::sort(sorted.begin(), sorted.begin() + n);
    const int distinct = int(std::unique(sorted.begin(), sorted.begin() + n) - sorted.begin());
    capability::storeCounted(d->apertureValues, distinct, [&](int i) { return sorted[std::size_t(i)]; });
    if (storeCount(d->apertureCount, record.count))
        emit apertureFlgNumChanged();

    // A lens or mode without aperture choices still has an aperture: the
    // camera tells it through the in-shot read.
    if (d->apertureCount.load() == 0) {
        qint16 current = record.current;
        (void)callCamera(uuid, KVR_func_api_ExpInShot_GetAperture, &current);
        record.current = current;
    }
    keepRecord(*d, &Records::aperture, record);
    setApertureValue(record.current);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SS_Get_Capability()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_SS_CAPA_INFO record{};
    if (callCamera(uuid, KVR_func_api_SS_Get_Capability, &record) == 0)
        return Utilities::Ternary_False;

    fillFlags(d->shutterSpeedFlags, record, shutterSpeedOf, countedEntries(record));
    if (storeCount(d->shutterSpeedCount, record.count))
        emit shutterSpeedFlgNumChanged();

    // Without a list (bulb, automatic modes) the speed the camera shoots
    // with is read on its own and offered as the one choice.
    if (d->shutterSpeedCount.load() == 0) {
        quint32 current = record.current;
        (void)callCamera(uuid, KVR_func_api_ExpInShot_GetSS, &current);
        record.current = current;
        const int index = shutterSpeedOf(current);
        if (index >= 0)
            d->shutterSpeedFlags[std::size_t(index)].store(1);
    }
    setShutterSpeedValue(Utilities::ShutterSpeed(shutterSpeedOf(record.current)));

    capability::storeCounted(d->shutterSpeedAngleValues, record.angleCount,
                             [&](int i) { return qint32(record.angles[i]); });
    if (storeCount(d->shutterSpeedAngleCount, record.angleCount))
        emit shutterSpeedAngleFlgNumChanged();
    setShutterSpeedAngleValue(int(record.curAngle));
    keepRecord(*d, &Records::shutterSpeed, record);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ISO_GetCapability()
{
    KVR_STRUCT_ISO_CAPA_INFO record{};
    if (callSelectedCamera(KVR_func_api_ISO_GetCapability, &record) == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &Records::iso, record);

    fillFlags(d->isoFlags, record, isoFlagOf, countedEntries(record));
    // Automatic ISO is 0xFFFFFFFF: the list keeps the camera's codes as
    // they are, read back as int.
    capability::storeCounted(d->isoValues, countedEntries(record), [&](int i) { return qint32(record.codes[i]); });
    if (storeCount(d->isoCount, record.count))
        emit isoFlgNumChanged();
    setIsoValue(int(record.current));

    capability::storeCounted(d->isoGainValues, record.gainCount, [&](int i) { return qint32(record.gains[i]); });
    if (storeCount(d->isoGainCount, record.gainCount))
        emit isoGainFlgNumChanged();
    setIsoGainValue(int(record.curGain));
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Exposure_GetCapability()
{
    KVR_STRUCT_EXPOSURE_CAPA_INFO record{};
    if (callSelectedCamera(KVR_func_api_Exposure_GetCapability, &record) == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &Records::exposure, record);

    fillFlags(d->exposureValFlags, record, exposureOf, countedEntries(record));
    if (storeCount(d->exposureValCount, record.count))
        emit exposureValFlgNumChanged();

    const int upper = exposureOf(record.upper);
    if (upper >= 0 && upper != kExposureZero)
        setExposureRangeMaxValue(upper);
    const int lower = exposureOf(record.lower);
    if (lower >= 0 && lower != kExposureZero)
        setExposureRangeMinValue(lower);

    setExposureValValue(Utilities::Exposure(exposureOf(record.current)));
    return Utilities::Ternary_True;
}

// The record is applied whatever the camera answers. A failed call leaves
// the record as the last read kept it, so applying it changes nothing.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecPreview_Cfg_GetCapability()
{
    KVR_STRUCT_REC_PREVIEW_CAPA_INFO record = keptRecord(*d, &Records::recPreview);
    const quint8 result = callSelectedCamera(KVR_func_api_RecPreview_Cfg_GetCapability, &record);
    keepRecord(*d, &Records::recPreview, record);

    fillFlags(d->recPreviewModeFlags, record.monitorDisp, recPreviewOf, countedEntries(record.monitorDisp));
    if (storeCount(d->recPreviewModeCount, record.monitorDisp.count))
        emit recPreviewModeFlgNumChanged();
    const int current = recPreviewOf(record.curMonitorDisp);
    if (current >= 0)
        setRecPreviewModeValue(Utilities::RecPreviewMode(current));
    return Utilities::ternaryOf(result == 1);
}

// A camera that cannot list its frequencies can still tell the one it runs
// on. The list's count is not kept: only the flags are shown.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SetupCfgInfo_GetCapability()
{
    KVR_STRUCT_SETUP_CFG_CAPA_INFO record{};
    if (callSelectedCamera(KVR_func_api_SetupCfgInfo_GetCapability, &record) != 1)
        return adp_KVR_func_api_SetupConfig_Get_SystemFreq_Mode();
    keepRecord(*d, &Records::setupCfg, record);

    fillFlags(d->systemFrequencyFlags, record.systemFreq, systemFrequencyOf, countedEntries(record.systemFreq));
    d->raw_systemFreq.store(record.curSystemFreq);
    setSystemFrequencyValue(Utilities::SystemFrequency(systemFrequencyOf(record.curSystemFreq)));
    return Utilities::Ternary_True;
}

// The live-view overlay redraws the AF frames on every record; the
// phase-detection frames only when they moved.
Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetAFInfo()
{
    KVR_STRUCT_AF_INFO record{};
    if (callSelectedCamera(KVR_func_api_GetAFInfo, &record, quint32(KVR_TAG_AF_INFO)) != 1)
        return Utilities::Ternary_False;
    bool pdafMoved = false;
    {
        QMutexLocker g(&d->capabilityRecordLock);
        pdafMoved = !samePdafFrames(d->capabilityRecords.afInfo, record);
        d->capabilityRecords.afInfo = record;
    }
    emit af_frame_info_Changed();
    if (pdafMoved)
        emit af_pdaf_frame_numChanged();
    emit af_detect_frame_info_Changed();
    return Utilities::Ternary_True;
}

} // namespace kavrotether
