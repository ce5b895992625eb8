// DeviceAdapter: the capability readers of the recording-mode, drive, focus
// and metering groups. Each asks the selected camera for one capability
// record, rebuilds the flag tables of the record's settings, publishes the
// counts and current values through the settings' store operations and
// keeps the record in the data block for later reads.

#include "camera/DeviceAdapter.h"
#include "CapabilityLists.h"

namespace kavrotether {

namespace {

using capability::below;
using capability::codeIndex;
using capability::countedEntries;
using capability::fillFlags;
using capability::switchLike;
using CountSignal = void (DeviceAdapter::*)();

// The camera reports a count per list; it is published as given (the lists
// themselves are read only up to their capacity).
void publishCount(DeviceAdapter &adapter, StoredValue<int> &stored, int count, CountSignal changed)
{
    if (stored.store(count))
        emit(adapter.*changed)();
}

template<typename Record>
void keepRecord(DeviceAdapterData &data, Record DeviceAdapterData::CapabilityRecords::*member, const Record &record)
{
    QMutexLocker g(&data.capabilityRecordLock);
    data.capabilityRecords.*member = record;
}

template<typename List>
bool listsCode(const List &list, quint32 code)
{
    const int n = capability::countedEntries(list);
    for (int i = 0; i < n; ++i)
        if (quint32(list.codes[i]) == code)
            return true;
    return false;
}

// A 6K/4K photo mode is a burst type and a frame rate; the camera-mode record
// lists the types and the 4K/6K record the frame rates, so each reader owns
// one half of every mode's flag pair.
enum Picture4K6KHalf : std::size_t { TypeHalf = 0, FrameHalf = 1 };

template<typename List, typename Key>
void fillPictureHalf(DeviceAdapterData &data, Picture4K6KHalf half, const List &list, Key key)
{
    std::array<bool, Utilities::PQQ_Max> next{};
    for (std::size_t v = 0; v < next.size(); ++v)
        next[v] = listsCode(list, key(Utilities::arrPicture4K6KVal[v]));
    for (std::size_t v = 0; v < next.size(); ++v)
        data.picture4K6KFlags[v][half].store(next[v] ? 1 : 0);
}

// The mode of a burst type and a frame-rate code; -1 when the pair names none.
int picture4K6KOf(quint32 type, quint32 frameRate)
{
    for (std::size_t v = 0; v < std::size(Utilities::arrPicture4K6KVal); ++v) {
        const Utilities::Picture4K6KCode &code = Utilities::arrPicture4K6KVal[v];
        if (code.type == type && code.frameRate == frameRate)
            return int(v);
    }
    return -1;
}

// Drive codes are their own drive mode; the frame-by-frame interval drive
// (Komadori) shares the interval drive's code.
int driveModeOf(quint32 code)
{
    return below(code, Utilities::DM_Komadori);
}

// The camera has one AF-area code for the six custom-multi shapes; the
// current custom-multi shape says which of them it stands for.
constexpr quint32 kCustomMultiAfCode = quint32(Utilities::arrAutoFocusVal[Utilities::AFM_CustomVertical]);
constexpr Utilities::AutoFocusMode kCustomMultiAfMode[Utilities::CSTM_Max] = {
    Utilities::AFM_CustomVertical, Utilities::AFM_CustomHorizon, Utilities::AFM_CustomCenter,
    Utilities::AFM_CustomC1,       Utilities::AFM_CustomC2,      Utilities::AFM_CustomC3};

// HLG shooting types: off, 8K, full and 4K.
constexpr int kHlgShootingTypes = 4;
constexpr int kHlgShootingTypeOff = 0;

} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CameraMode_GetCapability()
{
    KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO rec{};
    const quint8 result = callSelectedCamera(KVR_func_api_CameraMode_GetCapability, &rec);
    // A mode change also changes what the camera records and where: the
    // status follows whether or not the capabilities could be read. A good
    // status read does not make an unanswered capability read a success.
    (void)adp_KVR_func_api_Get_Rec_Info();
    if (result == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &DeviceAdapterData::CapabilityRecords::cameraMode, rec);

    // The camera's interval drive serves both interval modes; the interval
    // reader narrows the pair to the modes the camera has.
    std::array<quint8, Utilities::DM_Max> offered{};
    const int drives = capability::countedEntries(rec.driveMode);
    for (int i = 0; i < drives; ++i) {
        const int v = driveModeOf(rec.driveMode.codes[i]);
        if (v >= 0)
            offered[std::size_t(v)] = 1;
    }
    offered[Utilities::DM_Komadori] = offered[Utilities::DM_Interval];
    for (std::size_t i = 0; i < offered.size(); ++i)
        d->driveModeFlags[i].store(offered[i]);
    publishCount(*this, d->driveModeCount, rec.driveMode.count, &DeviceAdapter::driveModeFlgNumChanged);

    fillFlags(d->recordingModeFlags, rec.modePos,
              [](quint32 c) { return codeIndex(Utilities::arrRecordingModeVal, c); });
    publishCount(*this, d->recordingModeCount, rec.modePos.count, &DeviceAdapter::recordingModeCapabilityFlgNumChanged);

    fillFlags(d->creativeControlFilterFlags, rec.creativeMode,
              [](quint32 c) { return codeIndex(Utilities::arrCreativeControlFilterVal, c); });
    publishCount(*this, d->creativeControlFilterCount, rec.creativeMode.count,
                 &DeviceAdapter::creativeControlFilterFlgNumChanged);

    fillFlags(d->intelligentAutoModeFlags, rec.iAMode, switchLike);
    publishCount(*this, d->intelligentAutoModeCount, rec.iAMode.count,
                 &DeviceAdapter::intelligentAutoModeFlgNumChanged);

    fillPictureHalf(*d, TypeHalf, rec.mode4k, [](const Utilities::Picture4K6KCode &c) { return c.type; });
    publishCount(*this, d->picture4K6KCount, rec.mode4k.count, &DeviceAdapter::picture4K6KTypeFlgNumChanged);

    fillFlags(d->custom3SetFlags, rec.c3Param, [](quint32 c) { return below(c, Utilities::RM_C3_Max); });
    publishCount(*this, d->custom3SetCount, rec.c3Param.count, &DeviceAdapter::custom3SetFlgNumChanged);

    const auto photoExposure = [&rec] {
        return static_cast<Utilities::PhotoExposure>(below(rec.curExposureParam, Utilities::RM_PE_Max));
    };
    fillFlags(d->photoExposureFlags, rec.exposureParam, [](quint32 c) { return below(c, Utilities::RM_PE_Max); });
    publishCount(*this, d->photoExposureCount, rec.exposureParam.count, &DeviceAdapter::photoExposureFlgNumChanged);
    setPhotoExposureValue(photoExposure());

    // Scene guides are chosen in the program only; every one is offered.
    for (auto &flag : d->sceneGuideSceneFlags)
        flag.store(1);

    // The burst speed belongs to the drive mode shown next: read it first.
    (void)adp_KVR_func_api_RecInfo_BurstBracket_GetCapability();
    int current = driveModeOf(rec.curDriveMode);
    if (current == Utilities::DM_Interval && intervalMode() == Utilities::INTM_Komadori)
        current = Utilities::DM_Komadori;
    setDriveModeValue(static_cast<Utilities::DriveMode>(current));
    setCustom3SetValue(static_cast<Utilities::Custom3Set>(below(rec.curC3Param, Utilities::RM_C3_Max)));
    setRecordingModeValue(
        static_cast<Utilities::RecordingMode>(codeIndex(Utilities::arrRecordingModeVal, rec.curModePos)));
    setCreativeControlFilterValue(static_cast<Utilities::CreativeControlFilter>(
        codeIndex(Utilities::arrCreativeControlFilterVal, rec.curCreativeMode)));
    setIntelligentAutoModeValue(static_cast<Utilities::IntelligentAutoMode>(switchLike(rec.curIAMode)));
    d->raw_mode4k.store(rec.curMode4k);
    setPicture4K6KValue(static_cast<Utilities::Picture4K6K>(picture4K6KOf(rec.curMode4k, d->raw_recFormat4K6K.load())));
    setPhotoExposureValue(photoExposure());
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_IntervalInfo_GetCapability()
{
    KVR_STRUCT_INTERVAL_CAPA_INFO rec{};
    if (callSelectedCamera(KVR_func_api_IntervalInfo_GetCapability, &rec) == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &DeviceAdapterData::CapabilityRecords::interval, rec);

    fillFlags(d->intervalModeFlags, rec.mode, switchLike);
    publishCount(*this, d->intervalModeCount, rec.mode.count, &DeviceAdapter::intervalModeFlgNumChanged);
    // Each interval drive stays offered only with its interval mode.
    const auto narrow = [this](Utilities::DriveMode drive, Utilities::IntervalMode mode) {
        if (!d->intervalModeFlags[mode].load())
            d->driveModeFlags[drive].store(0);
    };
    narrow(Utilities::DM_Interval, Utilities::INTM_Interval);
    narrow(Utilities::DM_Komadori, Utilities::INTM_Komadori);

    const int mode = switchLike(rec.curMode);
    setIntervalModeValue(static_cast<Utilities::IntervalMode>(mode));
    const int drive = driveMode();
    if (mode >= 0 && (drive == Utilities::DM_Interval || drive == Utilities::DM_Komadori))
        setDriveModeValue(mode == Utilities::INTM_Komadori ? Utilities::DM_Komadori : Utilities::DM_Interval);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_BurstBracket_GetCapability()
{
    KVR_STRUCT_BURST_BRACKET_CAPA_INFO rec{};
    if (callSelectedCamera(KVR_func_api_RecInfo_BurstBracket_GetCapability, &rec) == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &DeviceAdapterData::CapabilityRecords::burst, rec);

    const auto burst = [](quint32 c) { return codeIndex(Utilities::arrBurstSpeedVal, c); };
    fillFlags(d->burstSpeedFlags, rec.burst, burst);
    publishCount(*this, d->burstSpeedCount, rec.burst.count, &DeviceAdapter::burstSpeedFlgNumChanged);
    setBurstSpeedValue(static_cast<Utilities::BurstSpeed>(burst(rec.curBurst)));
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_SelfTimer_GetCapability()
{
    KVR_STRUCT_SELFTIMER_CAPA_INFO rec{};
    if (callSelectedCamera(KVR_func_api_RecInfo_SelfTimer_GetCapability, &rec) == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &DeviceAdapterData::CapabilityRecords::selfTimer, rec);

    const auto selfTimer = [](quint32 c) { return codeIndex(Utilities::arrSelfTimerVal, c); };
    const auto custom = [](quint32 c) { return below(c, Utilities::SFT_C_Max); };
    fillFlags(d->selfTimerFlags, rec.selfTimer, selfTimer);
    publishCount(*this, d->selfTimerCount, rec.selfTimer.count, &DeviceAdapter::selfTimerFlgNumChanged);
    fillFlags(d->selfTimerCustomFlags, rec.custom, custom);
    publishCount(*this, d->selfTimerCustomCount, rec.custom.count, &DeviceAdapter::selfTimerCustomFlgNumChanged);
    // The custom self-timer writer puts this code back when the camera refuses.
    d->raw_selfTimerCustom.store(rec.curCustom);
    setSelfTimerValue(static_cast<Utilities::SelfTimer>(selfTimer(rec.curSelfTimer)));
    setSelfTimerCustomValue(static_cast<Utilities::SelfTimerCustom>(custom(rec.curCustom)));
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_4K6K_GetCapability()
{
    KVR_STRUCT_4K6K_CAPA_INFO rec{};
    if (callSelectedCamera(KVR_func_api_RecInfo_4K6K_GetCapability, &rec) == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &DeviceAdapterData::CapabilityRecords::rec4K6K, rec);

    fillPictureHalf(*d, FrameHalf, rec.recFormat, [](const Utilities::Picture4K6KCode &c) { return c.frameRate; });
    if (d->picture4K6KFpsCount.exchange(rec.recFormat.count) != rec.recFormat.count)
        emit picture4K6KFpsFlgNumChanged();
    const auto focusSelect = [](quint32 c) { return codeIndex(Utilities::arrFocusSelectVal, c); };
    fillFlags(d->focusSelectFlags, rec.focusSelect, focusSelect);
    publishCount(*this, d->focusSelectCount, rec.focusSelect.count, &DeviceAdapter::focusSelectFlgNumChanged);

    d->raw_recFormat4K6K.store(rec.curRecFormat);
    setPicture4K6KValue(static_cast<Utilities::Picture4K6K>(picture4K6KOf(d->raw_mode4k.load(), rec.curRecFormat)));
    setFocusSelectValue(static_cast<Utilities::FocusSelect>(focusSelect(rec.curFocusSelect)));
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_AF_Config_GetCapability()
{
    KVR_STRUCT_AF_CONFIG_CAPA_INFO rec{};
    if (callSelectedCamera(KVR_func_api_AF_Config_GetCapability, &rec) == 0)
        return Utilities::Ternary_False;
    keepRecord(*d, &DeviceAdapterData::CapabilityRecords::afConfig, rec);

    const auto focusMode = [](quint32 c) { return codeIndex(Utilities::arrFocModeVal, c); };
    fillFlags(d->focusModeFlags, rec.focusMode, focusMode, countedEntries(rec.focusMode));
    publishCount(*this, d->focusModeCount, rec.focusMode.count, &DeviceAdapter::focusModeFlgNumChanged);
    setFocusModeValue(static_cast<Utilities::FocusMode>(focusMode(rec.curFocusMode)));

    // Without a known shape the custom-multi AF mode is not offered, and a
    // current custom-multi AF code reads as the vertical shape.
    const int shape = codeIndex(Utilities::arrCustomMultiVal, rec.curCustomMulti);
    const auto afMode = [shape](quint32 c, int unknownShape) {
        if (c != kCustomMultiAfCode)
            return codeIndex(Utilities::arrAutoFocusVal, c);
        return shape >= 0 ? int(kCustomMultiAfMode[shape]) : unknownShape;
    };
    fillFlags(d->autoFocusModeFlags, rec.afArea, [&afMode](quint32 c) { return afMode(c, -1); });
    fillFlags(d->customMultiFlags, rec.customMulti,
              [](quint32 c) { return codeIndex(Utilities::arrCustomMultiVal, c); });

    setAutoRecognizeAnimalEnableValue(rec.recognizeAnimal.available & 1);
    setAutoRecognizeGeneralEnableValue(rec.recognizeGeneral.available & 1);
    setAutomaticRecoEnableValue(rec.automaticReco.available & 1);
    setAutoRecognizeAnimalValue(static_cast<Utilities::AutoRecognizeAnimal>(switchLike(rec.curRecognizeAnimal)));
    setAutoRecognizeGeneralValue(
        static_cast<Utilities::AutoRecognizeGeneral>(below(rec.curRecognizeGeneral, Utilities::AR_GENERAL_MAX)));
    setAutoRecognizePartsValue(
        static_cast<Utilities::AutoRecognizeParts>(below(rec.curRecognizeParts, Utilities::AR_PARTS_MAX)));
    setAutomaticRecoValue(static_cast<Utilities::AutomaticReco>(switchLike(rec.curAutomaticReco)));

    publishCount(*this, d->autoFocusModeCount, rec.afArea.count, &DeviceAdapter::autoFocusFlgNumChanged);
    publishCount(*this, d->customMultiCount, rec.customMulti.count, &DeviceAdapter::customMultiFlgNumChanged);
    setAutoFocusModeValue(static_cast<Utilities::AutoFocusMode>(afMode(rec.curAfArea, Utilities::AFM_CustomVertical)));
    setCustomMultiValue(static_cast<Utilities::CustomMulti>(shape));

    // A camera without frame colours draws its frames white.
    setAfFrameColorValue(rec.afFrameColor.available & 1 ? static_cast<Utilities::AFFrameColor>(rec.curAfFrameColor)
                                                        : Utilities::AF_FrameColor_White);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_RecInfo_Metering_GetCapability()
{
    KVR_STRUCT_METERING_CAPA_INFO rec{};
    const quint8 result = callSelectedCamera(KVR_func_api_RecInfo_Metering_GetCapability, &rec);
    const auto setSupportHLG = [this](bool supported) {
        if (d->pscSupportHLG.exchange(supported) != supported)
            emit pscSupportHLGChanged(supported);
    };
    // HLG is offered only while the camera says so: an unanswered read
    // withdraws it.
    if (result == 0) {
        for (auto &flag : d->hlgShootingTypeFlags)
            flag.store(0);
        setSupportHLG(false);
        d->pscEnableHLG.store(false);
        return Utilities::Ternary_False;
    }
    keepRecord(*d, &DeviceAdapterData::CapabilityRecords::metering, rec);

    const auto metering = [](quint32 c) { return codeIndex(Utilities::arrMetModeVal, c); };
    const auto exTelecon = [](quint32 c) { return below(c, Utilities::EXT_Max); };
    fillFlags(d->meteringModeFlags, rec.metering, metering);
    publishCount(*this, d->meteringModeCount, rec.metering.count, &DeviceAdapter::meteringModeFlgNumChanged);
    fillFlags(d->exTeleconFlags, rec.exTelecon, exTelecon);
    publishCount(*this, d->exTeleconCount, rec.exTelecon.count, &DeviceAdapter::exTeleconFlgNumChanged);

    // A camera that supports HLG but lists no type has it switched off;
    // only the counted types are real.
    const bool supported = rec.hlg.available != 0;
    const bool enabled = supported && rec.hlg.count != 0;
    fillFlags(
        d->hlgShootingTypeFlags, rec.hlg, [](quint32 c) { return below(c, kHlgShootingTypes); },
        enabled ? countedEntries(rec.hlg) : 0);
    setSupportHLG(supported);
    d->pscEnableHLG.store(enabled);
    if (supported)
        setHlgShootingTypeValue(enabled ? int(rec.curHlg) : kHlgShootingTypeOff);
    setMeteringModeValue(static_cast<Utilities::MeteringMode>(metering(rec.curMetering)));
    setExTeleconValue(static_cast<Utilities::ExTelecon>(exTelecon(rec.curExTelecon)));
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_AFMF_Cfg2_GetCapability()
{
    KVR_STRUCT_AFMF_CFG2_CAPA_INFO rec{};
    if (callSelectedCamera(KVR_func_api_AFMF_Cfg2_GetCapability, &rec) != 1)
        return Utilities::Ternary_False;
    // The kept record holds the camera codes the AF/MF setters send back.
    keepRecord(*d, &DeviceAdapterData::CapabilityRecords::afmfCfg2, rec);

    fillFlags(d->afmfModeFlags, rec.afmfMode, switchLike);
    fillFlags(d->mfAssistModeFlags, rec.mfAssistMode, switchLike);
    fillFlags(d->pinpointModeFlags, rec.pinpointMode, switchLike);
    fillFlags(d->lvMagModeFlags, rec.lvMagMode, switchLike);
    setAfmfModeValue(static_cast<Utilities::AFMFMode>(switchLike(rec.curAfmfMode)));
    setMfAssistModeValue(static_cast<Utilities::MFAssistMode>(switchLike(rec.curMfAssistMode)));
    setPinpointModeValue(static_cast<Utilities::PinpointMode>(switchLike(rec.curPinpointMode)));
    setLvMagModeValue(static_cast<Utilities::LVMagMode>(switchLike(rec.curLvMagMode)));
    if (rec.curPinpAspect <= Utilities::PINPAR_2_4_1)
        setPinPAspectRatioValue(static_cast<Utilities::PinPAspectRatio>(rec.curPinpAspect));
    return Utilities::Ternary_True;
}

} // namespace kavrotether
