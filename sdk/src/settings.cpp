// Capability readers, single-value readers and setting writers: one generic
// mechanism over the settings table.
#include "settings_table.h"

#include <algorithm>
#include <cstring>

using namespace kvrsim_internal;

namespace {

SettingValue &value(Camera &camera, int id)
{
    return camera.settings[static_cast<size_t>(id)];
}

const SettingValue &value(const Camera &camera, int id)
{
    return camera.settings[static_cast<size_t>(id)];
}

bool offers(const SettingValue &v, uint32_t code)
{
    return v.available && std::find(v.offered.begin(), v.offered.end(), code) != v.offered.end();
}

// Takes the code when the camera offers it and announces the group's change.
uint8_t applySet(Call &call, int id, uint32_t code)
{
    Camera &camera = *call.camera();
    SettingValue &v = value(camera, id);
    if (!offers(v, code))
        return call.fail(KVR_ERR_REFUSED);
    v.current = code;
    postCameraEvent(camera, groupEvent(settingDef(id).group), 0);
    return call.succeed();
}

template<typename T>
uint8_t applyGet(Call &call, int id, T *out)
{
    if (!out)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *out = static_cast<T>(value(*call.camera(), id).current);
    return call.succeed();
}

template<typename Record>
uint8_t readSlots(Call &call, Group group, Record *record)
{
    if (!record)
        return call.fail(KVR_ERR_INVALID_PARAM);
    fillSlots(*call.camera(), group, record, sizeof(Record));
    return call.succeed();
}

// Records are packed and may sit at any address: lists are written by
// copying bytes, never through a typed pointer to a member.
void fillList(void *countField, void *codesField, const SettingValue &v)
{
    writeCapabilityList(v, v.available ? v.offered.size() : 0, countField, codesField, 2, KVR_CAPA_LIST_MAX);
}

void fillList32(void *countField, void *codesField, const SettingValue &v)
{
    writeCapabilityList(v, v.available ? v.offered.size() : 0, countField, codesField, 4, KVR_CAPA_LIST_MAX);
}

uint16_t rangeEnd(const SettingValue &v, bool upper)
{
    if (v.offered.empty())
        return 0;
    return static_cast<uint16_t>(upper ? v.offered.back() : v.offered.front());
}

// An item set to a code of its list narrows the movie-quality list to the
// entries with that code; set to "every code" it stops narrowing. The list
// follows the items' current codes alone, so what the filter shows is what
// narrows.
uint8_t applyFilterSet(Call &call, int item, uint32_t code)
{
    Camera &camera = *call.camera();
    if (!camera.movieFilterOpen)
        return call.fail(KVR_ERR_REFUSED);
    if (code == kMovieFilterAll[item]) {
        value(camera, kMovieFilterItems[item]).current = code;
        postCameraEvent(camera, KVR_EVENT_MOVIE_CONFIG, 0);
        return call.succeed();
    }
    return applySet(call, kMovieFilterItems[item], code);
}

} // namespace

extern "C" {

// ---------------------------------------------------------------------------
// Capability readers of the common slot shape
// ---------------------------------------------------------------------------
// clang-format off
#define KVR_SLOT_READERS(R) \
    R(CameraMode_GetCapability, KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO, CameraMode) \
    R(RecInfo_BurstBracket_GetCapability, KVR_STRUCT_BURST_BRACKET_CAPA_INFO, Burst) \
    R(RecInfo_SelfTimer_GetCapability, KVR_STRUCT_SELFTIMER_CAPA_INFO, SelfTimer) \
    R(RecInfo_4K6K_GetCapability, KVR_STRUCT_4K6K_CAPA_INFO, Rec4K6K) \
    R(SetupCfgInfo_GetCapability, KVR_STRUCT_SETUP_CFG_CAPA_INFO, SetupCfg) \
    R(SetupFilesCfgInfo_GetCapability, KVR_STRUCT_SETUP_FILES_CFG_CAPA_INFO, SetupFiles) \
    R(Mov_Config_GetCapability, KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO, MovConfig) \
    R(Mov_Filter_GetCapability, KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO, MovFilter) \
    R(WB_GetCapability, KVR_STRUCT_WB_CAPA_INFO, WhiteBalance) \
    R(ImageInfo_GetCapability, KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO, Image) \
    R(AF_Config_GetCapability, KVR_STRUCT_AF_CONFIG_CAPA_INFO, AfConfig) \
    R(RecInfo_Metering_GetCapability, KVR_STRUCT_METERING_CAPA_INFO, Metering) \
    R(PhotoStyle_GetCapability, KVR_STRUCT_PHOTOSTYLE_CAPA_INFO, PhotoStyle) \
    R(PhotoStyle2_GetCapability, KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO, PhotoStyle2) \
    R(RecPreview_Cfg_GetCapability, KVR_STRUCT_REC_PREVIEW_CAPA_INFO, RecPreview) \
    R(AFMF_Cfg2_GetCapability, KVR_STRUCT_AFMF_CFG2_CAPA_INFO, AfmfCfg2) \
    R(PowerSaving_GetCapability, KVR_STRUCT_POWER_SAVING_CAPA_INFO, PowerSaving) \
    R(Strobe_GetCapability, KVR_STRUCT_STROBE_CAPA_INFO, Strobe) \
    R(Strobe2_GetCapability, KVR_STRUCT_STROBE2_CAPA_INFO, Strobe2)

#define KVR_DEFINE_SLOT_READER(fn, record, group) \
    uint8_t KVR_func_api_##fn(record *capa, const char *uuid, uint32_t *err) \
    { \
        KVR_CALL(uuid, err); \
        return readSlots(call, Group::group, capa); \
    }
// clang-format on
KVR_SLOT_READERS(KVR_DEFINE_SLOT_READER)
#undef KVR_DEFINE_SLOT_READER

uint8_t KVR_func_api_IntervalInfo_GetCapability(KVR_STRUCT_INTERVAL_CAPA_INFO *capa, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    const uint8_t r = readSlots(call, Group::Interval, capa);
    if (r == 1) {
        std::memset(capa->params, 0, sizeof capa->params);
        capa->curMode = static_cast<uint16_t>(value(*call.camera(), S_IntervalMode).current);
    }
    return r;
}

uint8_t KVR_func_api_Aperture_GetCapability(KVR_STRUCT_APERTURE_CAPA_INFO *capa, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!capa)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(capa, 0, sizeof *capa);
    const SettingValue &v = value(*call.camera(), S_Aperture);
    capa->current = static_cast<int16_t>(v.current);
    capa->lower = static_cast<int16_t>(rangeEnd(v, false));
    capa->upper = static_cast<int16_t>(rangeEnd(v, true));
    fillList(&capa->count, capa->values, v);
    return call.succeed();
}

uint8_t KVR_func_api_Exposure_GetCapability(KVR_STRUCT_EXPOSURE_CAPA_INFO *capa, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!capa)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(capa, 0, sizeof *capa);
    const SettingValue &v = value(*call.camera(), S_Exposure);
    capa->current = static_cast<uint16_t>(v.current);
    capa->lower = rangeEnd(v, false);
    capa->upper = rangeEnd(v, true);
    fillList(&capa->count, capa->codes, v);
    return call.succeed();
}

uint8_t KVR_func_api_SS_Get_Capability(KVR_STRUCT_SS_CAPA_INFO *capa, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!capa)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(capa, 0, sizeof *capa);
    const SettingValue &ss = value(*call.camera(), S_ShutterSpeed);
    const SettingValue &angle = value(*call.camera(), S_SSAngle);
    fillList32(&capa->count, capa->codes, ss);
    capa->current = ss.current;
    std::memset(capa->reserved3.codes, 0xFF, sizeof capa->reserved3.codes);
    fillList(&capa->angleCount, capa->angles, angle);
    capa->curAngle = static_cast<uint16_t>(angle.current);
    return call.succeed();
}

uint8_t KVR_func_api_ISO_GetCapability(KVR_STRUCT_ISO_CAPA_INFO *capa, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!capa)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(capa, 0, sizeof *capa);
    const SettingValue &iso = value(*call.camera(), S_Iso);
    const SettingValue &gain = value(*call.camera(), S_IsoGain);
    fillList32(&capa->count, capa->codes, iso);
    capa->current = iso.current;
    fillList(&capa->gainCount, capa->gains, gain);
    capa->curGain = static_cast<uint16_t>(gain.current);
    return call.succeed();
}

// ---------------------------------------------------------------------------
// Single-value readers
// ---------------------------------------------------------------------------
// clang-format off
#define KVR_GETTERS_TABLE(G) \
    G(CameraMode_Get_Mode_Pos, uint32_t, S_ModePos) \
    G(CameraMode_Get_iA_Mode, uint32_t, S_IAMode) \
    G(CameraMode_Get_C3_Param, uint32_t, S_C3Param) \
    G(CameraMode_Get_Exposure_Param, uint32_t, S_ExposureParam) \
    G(CameraMode_Get_CreativeMode, uint32_t, S_CreativeMode) \
    G(CameraMode_Get_DriveMode, uint32_t, S_DriveMode) \
    G(CameraMode_Get_4k_Mode, uint32_t, S_Mode4k) \
    G(RecInfo_4K6K_Get_RecFormat_Param, uint32_t, S_RecFormat) \
    G(RecInfo_4K6K_Get_FocusSelect_Param, uint32_t, S_FocusSelect) \
    G(IntervalInfo_Get_Interval_Mode, uint16_t, S_IntervalMode) \
    G(SS_GetParam, uint32_t, S_ShutterSpeed) \
    G(ISO_GetParam, uint32_t, S_Iso) \
    G(Exposure_GetParam, uint32_t, S_Exposure) \
    G(MeteringInfo_Get_Mode, uint32_t, S_Metering) \
    G(RecInfo_ExTelecon_Get_Cfg, uint32_t, S_ExTelecon) \
    G(RecInfo_HLG_Get_Cfg, uint32_t, S_Hlg) \
    G(ImageInfo_Get_ImageQuality, uint32_t, S_ImageQuality) \
    G(ImageInfo_Get_ImageSize, uint32_t, S_ImageSize) \
    G(ImageInfo_Get_ImageAspect, uint32_t, S_ImageAspect) \
    G(ImageInfo_Get_ImageJpegHeifMode, uint32_t, S_JpegHeifMode) \
    G(PhotoStyle_Get_StyleMode, uint32_t, S_StyleMode) \
    G(Mov_Config_Get_C_Movie_mode_Param, uint32_t, S_CMovieMode) \
    G(Mov_Config_Get_Rec_mode_Param, uint32_t, S_RecMode) \
    G(Mov_Config_Get_Quality_mode_Param, uint32_t, S_QualityMode) \
    G(SetupConfig_Get_SystemFreq_Mode, uint16_t, S_SystemFreq) \
    G(SetupFilesConfig_Get_Target, uint16_t, S_FileTarget) \
    G(RecPreview_Cfg_Info_Get_Monitor_Disp, uint32_t, S_MonitorDisp) \
    G(AFMF_Cfg2_Info_Get_AFMFMode_Param, uint32_t, S_AfmfMode) \
    G(AFMF_Cfg2_Info_Get_MFAssist_Mode, uint32_t, S_MfAssistMode) \
    G(AFMF_Cfg2_Info_Get_AF_Pinpoint_Mode, uint32_t, S_PinpointMode) \
    G(AFMF_Cfg2_Info_Get_LV_Mag_Mode, uint32_t, S_LvMagMode) \
    G(AFMF_Cfg2_Info_Get_PinP_Aspect_Info, uint32_t, S_PinpAspect) \
    G(WB_GetParam, uint32_t, S_WB) \
    G(WB_Get_KSet, uint32_t, S_WBK) \
    G(WB_Get_ADJ_AB, uint32_t, S_AdjAB) \
    G(WB_Get_ADJ_GM, uint32_t, S_AdjGM) \
    G(WB_Get_ADJ_AB_Sep, uint32_t, S_AdjABSep) \
    G(Power_SavingInfo_Get_Tether_Connect_Mode, uint32_t, S_TetherMode) \
    G(ExpInShot_GetSS, uint32_t, S_ShutterSpeed)

#define KVR_DEFINE_GETTER(fn, type, id) \
    uint8_t KVR_func_api_##fn(type *code, const char *uuid, uint32_t *err) \
    { \
        KVR_CALL(uuid, err); \
        return applyGet(call, id, code); \
    }
// clang-format on
KVR_GETTERS_TABLE(KVR_DEFINE_GETTER)
#undef KVR_DEFINE_GETTER

uint8_t KVR_func_api_Aperture_GetParam(uint32_t *code, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!code)
        return call.fail(KVR_ERR_INVALID_PARAM);
    // The aperture is a signed 16-bit value, handed out sign-extended.
    *code = static_cast<uint32_t>(
        static_cast<int32_t>(static_cast<int16_t>(value(*call.camera(), S_Aperture).current)));
    return call.succeed();
}

uint8_t KVR_func_api_ExpInShot_GetAperture(int16_t *aperture, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!aperture)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *aperture = static_cast<int16_t>(value(*call.camera(), S_Aperture).current);
    return call.succeed();
}

uint8_t KVR_func_api_ExpInShot_GetAutoISO(uint32_t *iso, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!iso)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *iso = call.camera()->status.autoIso;
    return call.succeed();
}

// ---------------------------------------------------------------------------
// Setting writers
// ---------------------------------------------------------------------------
// clang-format off
#define KVR_SETTERS_TABLE(S) \
    S(CameraMode_Set_Mode_Pos, S_ModePos) \
    S(CameraMode_Set_iA_Mode, S_IAMode) \
    S(CameraMode_Set_C3_Param, S_C3Param) \
    S(CameraMode_Set_Exposure_Param, S_ExposureParam) \
    S(CameraMode_Set_CreatvieMode, S_CreativeMode) \
    S(CameraMode_Set_DriveMode, S_DriveMode) \
    S(CameraMode_Set_4k_Mode, S_Mode4k) \
    S(RecInfo_4K6K_Set_RecFormat_Param, S_RecFormat) \
    S(RecInfo_4K6K_Set_FocusSelect_Param, S_FocusSelect) \
    S(RecInfo_BurstBracker_Set_Burst_Param, S_BurstSpeed) \
    S(RecInfo_SelfTimer_Set_Param, S_SelfTimer) \
    S(RecInfo_SelfTimer_Set_Custom_Param, S_SelfTimerCustom) \
    S(IntervalInfo_Set_Mode, S_IntervalMode) \
    S(SS_SetParam, S_ShutterSpeed) \
    S(SS_SetStAngle, S_SSAngle) \
    S(ISO_SetParam, S_Iso) \
    S(Exposure_Set_Param, S_Exposure) \
    S(WB_Set_Param, S_WB) \
    S(WB_Set_K_Set, S_WBK) \
    S(WB_Set_ADJ_AB, S_AdjAB) \
    S(WB_Set_ADJ_GM, S_AdjGM) \
    S(WB_Set_ADJ_AB_Sep, S_AdjABSep) \
    S(AF_Config_Set_AF_Mode_Param, S_FocusMode) \
    S(MeteringInfo_Set_Mode, S_Metering) \
    S(RecInfo_ExTelecon_Set_Cfg, S_ExTelecon) \
    S(RecInfo_HLG_Set_Cfg, S_Hlg) \
    S(RecPreview_Cfg_Info_Set_Monitor_Disp, S_MonitorDisp) \
    S(ImageInfo_Set_ImageFormat, S_ImageFormat) \
    S(ImageInfo_Set_ImageAspect, S_ImageAspect) \
    S(ImageInfo_Set_ImageSize, S_ImageSize) \
    S(Mov_Config_Set_C_Movie_mode_Param, S_CMovieMode) \
    S(Mov_Config_Set_SS_Gain_Param, S_SsGain) \
    S(Mov_Config_Set_Rec_mode_Param, S_RecMode) \
    S(Mov_Config_Set_Quality_mode_Param, S_QualityMode) \
    S(PhotoStyle_Set_StyleMode, S_StyleMode) \
    S(PhotoStyle_Set_Contrast, S_Contrast) \
    S(PhotoStyle_Set_Sharpness, S_Sharpness) \
    S(PhotoStyle_Set_NoseReduction, S_NoiseReduction) \
    S(PhotoStyle_Set_Saturation, S_Saturation) \
    S(PhotoStyle_Set_Filter, S_Filter) \
    S(PhotoStyle_Set_Chroma_Phase, S_ChromaPhase) \
    S(PhotoStyle_Set_Grain, S_Grain) \
    S(PhotoStyle_Set_Knee_Mode, S_KneeMode) \
    S(PhotoStyle_Set_Color_Tone, S_ColorTone) \
    S(PhotoStyle_Set_High_Light, S_HighLight) \
    S(PhotoStyle_Set_Shadow, S_Shadow) \
    S(PhotoStyle_Set_ISO, S_PsIso) \
    S(PhotoStyle_Set_WB, S_PsWb) \
    S(PhotoStyle_Set_Base, S_PsBase) \
    S(PhotoStyle2_Set_Dual_Native_ISO, S_DualIso) \
    S(PhotoStyle2_Set_ColorNoise, S_ColorNoise) \
    S(PhotoStyle2_Set_LUT, S_Lut) \
    S(PhotoStyle2_Set_Gain, S_Gain) \
    S(PhotoStyle2_Set_Base, S_Base2) \
    S(PhotoStyle2_Set_LUT2, S_Lut2) \
    S(PhotoStyle2_Set_DENSITY, S_Density) \
    S(PhotoStyle2_Set_DENSITY2, S_Density2) \
    S(AFMF_Cfg2_Info_Set_AFMF_Mode_Param, S_AfmfMode) \
    S(AFMF_Cfg2_Info_Set_MF_Assist_Mode, S_MfAssistMode) \
    S(AFMF_Cfg2_Info_Set_AF_Pinpoint_Mode, S_PinpointMode) \
    S(AFMF_Cfg2_Info_Set_LV_Mag_Mode, S_LvMagMode) \
    S(AFMF_Cfg2_Info_Set_PinP_Aspect_Info, S_PinpAspect) \
    S(SetupConfig_Set_SystemFreq_Mode, S_SystemFreq) \
    S(RecDisp_Config_Set_Histgram_Mode_Param, S_Histogram) \
    S(StrobeInfo_Set_StrobeMode_Param, S_FlashMode) \
    S(RecInfo_Flash_Set_Dimmer, S_FlashDimmer) \
    S(RecInfo_Flash_Set_Sync, S_FlashSync) \
    S(RecInfo_Flash_Set_Adjust, S_FlashAdjust) \
    S(RecInfo_Flash_Set_Manual, S_FlashManual) \
    S(RecInfo_Flash_Set_Exposure_Link, S_ExposureLink) \
    S(RecInfo_Flash_Set_Wireless_Mode, S_WirelessMode) \
    S(RecInfo_Flash_Set_Wireless_Ch, S_WirelessCh) \
    S(RecInfo_Flash_Set_Wireless_FP, S_WirelessFP) \
    S(RecInfo_Flash_Set_Wireless_ComPower, S_WirelessComPower) \
    S(Power_SavingInfo_Set_Tether_Connect_Mode, S_TetherMode)

#define KVR_DEFINE_SETTER(fn, id) \
    uint8_t KVR_func_api_##fn(uint32_t code, const char *uuid, uint32_t *err) \
    { \
        KVR_CALL(uuid, err); \
        return applySet(call, id, code); \
    }
// clang-format on
KVR_SETTERS_TABLE(KVR_DEFINE_SETTER)
#undef KVR_DEFINE_SETTER

uint8_t KVR_func_api_Aperture_Set_Param(uint32_t code, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    // Callers send the signed 16-bit aperture sign-extended to 32 bits.
    return applySet(call, S_Aperture, code & 0xFFFFu);
}

uint8_t KVR_func_api_ISO_Set_GainValue(uint16_t code, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return applySet(call, S_IsoGain, code);
}

uint8_t KVR_func_api_SetupFilesConfig_Set_Target(uint16_t code, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return applySet(call, S_FileTarget, code);
}

// The AF-area function carries both the AF area and, for the custom
// multi-area modes, the custom-multi pattern: a code the AF-area list offers
// is an area, else one the custom-multi list offers is a pattern.
uint8_t KVR_func_api_AF_Config_Set_AF_Area_Param(uint32_t code, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (offers(value(*call.camera(), S_AfArea), code))
        return applySet(call, S_AfArea, code);
    return applySet(call, S_CustomMulti, code);
}

// The quality function carries the picture quality and the JPEG/HEIF quality.
uint8_t KVR_func_api_ImageInfo_Set_ImageQuality(uint32_t code, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (offers(value(*call.camera(), S_ImageQuality), code))
        return applySet(call, S_ImageQuality, code);
    return applySet(call, S_JpegHeifQuality, code);
}

// clang-format off
#define KVR_DEFINE_FILTER_SETTER(fn, item) \
    uint8_t KVR_func_api_##fn(uint32_t code, const char *uuid, uint32_t *err) \
    { \
        KVR_CALL(uuid, err); \
        return applyFilterSet(call, item, code); \
    }
// clang-format on
KVR_DEFINE_FILTER_SETTER(Mov_Filter_Set_Frame_rate_Param, 0)
KVR_DEFINE_FILTER_SETTER(Mov_Filter_Set_Pixel_Param, 1)
KVR_DEFINE_FILTER_SETTER(Mov_Filter_Set_Compression_method_Param, 2)
KVR_DEFINE_FILTER_SETTER(Mov_Filter_Set_Bit_rate_Param, 3)
KVR_DEFINE_FILTER_SETTER(Mov_Filter_Set_VFR_Param, 4)
KVR_DEFINE_FILTER_SETTER(Mov_Filter_Set_HLG_Param, 5)
#undef KVR_DEFINE_FILTER_SETTER

// clang-format off
#define KVR_DEFINE_GROUP_SETTER(fn, first) \
    uint8_t KVR_func_api_##fn(uint32_t code, uint8_t group, const char *uuid, uint32_t *err) \
    { \
        KVR_CALL(uuid, err); \
        if (group > 4) \
            return call.fail(KVR_ERR_INVALID_PARAM); \
        return applySet(call, (first) + group, code); \
    }
// clang-format on
KVR_DEFINE_GROUP_SETTER(RecInfo_Flash2_Set_Dimmer, S_GroupDimmer0)
KVR_DEFINE_GROUP_SETTER(RecInfo_Flash2_Set_Adjust, S_GroupAdjust0)
KVR_DEFINE_GROUP_SETTER(RecInfo_Flash2_Set_Manual, S_GroupManual0)
#undef KVR_DEFINE_GROUP_SETTER

uint8_t KVR_func_api_MovieFilter_Ctrl_Start(const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    Camera &camera = *call.camera();
    if (!camera.movieFilterOpen) {
        for (size_t i = 0; i < camera.movieFilterSaved.size(); ++i)
            camera.movieFilterSaved[i] = value(camera, kMovieFilterItems[i]).current;
    }
    camera.movieFilterOpen = true;
    return call.succeed();
}

uint8_t KVR_func_api_MovieFilter_Ctrl_End(uint8_t cancel, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!call.camera()->movieFilterOpen)
        return call.fail(KVR_ERR_REFUSED);
    if (cancel > 1)
        return call.fail(KVR_ERR_INVALID_PARAM);
    Camera &camera = *call.camera();
    camera.movieFilterOpen = false;
    if (cancel == 1) {
        for (size_t i = 0; i < camera.movieFilterSaved.size(); ++i)
            value(camera, kMovieFilterItems[i]).current = camera.movieFilterSaved[i];
        postCameraEvent(camera, KVR_EVENT_MOVIE_CONFIG, 0);
    }
    return call.succeed();
}

// ---------------------------------------------------------------------------
// Records built from the settings
// ---------------------------------------------------------------------------
uint8_t KVR_func_api_Get_WB_Info(KVR_STRUCT_WB_INFO *info, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(info, 0, sizeof *info);
    Camera &c = *call.camera();
    info->wb = static_cast<uint16_t>(value(c, S_WB).current);
    info->kSet = static_cast<uint16_t>(value(c, S_WBK).current);
    info->adjAB = static_cast<uint16_t>(value(c, S_AdjAB).current);
    info->adjGM = static_cast<uint16_t>(value(c, S_AdjGM).current);
    info->adjABSep = static_cast<uint16_t>(value(c, S_AdjABSep).current);
    return call.succeed();
}

uint8_t KVR_func_api_Get_4K6K_Info(KVR_STRUCT_4K6K_INFO *info, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(info, 0, sizeof *info);
    Camera &c = *call.camera();
    info->mode4k = static_cast<uint16_t>(value(c, S_Mode4k).current);
    info->recFormat = static_cast<uint16_t>(value(c, S_RecFormat).current);
    info->focusSelect = static_cast<uint16_t>(value(c, S_FocusSelect).current);
    return call.succeed();
}

uint8_t KVR_func_api_GetImageInfo(KVR_STRUCT_IMAGE_INFO *info, uint32_t tag, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info || tag != KVR_TAG_IMAGE_INFO)
        return call.fail(KVR_ERR_INVALID_PARAM);
    Camera &c = *call.camera();
    info->size = static_cast<uint16_t>(value(c, S_ImageSize).current);
    info->quality = static_cast<uint16_t>(value(c, S_ImageQuality).current);
    info->aspect = static_cast<uint16_t>(value(c, S_ImageAspect).current);
    info->format = static_cast<uint16_t>(value(c, S_ImageFormat).current);
    info->jpegHeifMode = static_cast<uint16_t>(value(c, S_JpegHeifMode).current);
    info->jpegHeifQuality = static_cast<uint16_t>(value(c, S_JpegHeifQuality).current);
    return call.succeed();
}

uint8_t KVR_func_api_Mov_Config_Get_Quality_Detail_Display(KVR_STRUCT_MOV_QUALITY_DETAIL_DISPLAY *display,
                                                           const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!display)
        return call.fail(KVR_ERR_INVALID_PARAM);
    display->frameRate = display->pixels = display->compression = display->bitRate = 1;
    display->vfr = display->hlg = display->sq = 1;
    return call.succeed();
}

uint8_t KVR_func_api_Mov_Config_Get_Quality_Detail_List(KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO *list, const char *uuid,
                                                        uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!list)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(list, 0, sizeof *list);
    const Camera &camera = *call.camera();
    // The offered qualities in their order, each described by its row; a
    // code without a row is left out, as is a quality that differs from an
    // item not set to every quality.
    size_t listed = 0;
    for (uint32_t code : value(camera, S_QualityMode).offered) {
        if (listed == std::size(list->entries))
            break;
        const MovieQuality *row = std::find_if(std::begin(kMovieQualities), std::end(kMovieQualities),
                                               [code](const MovieQuality &q) { return q.quality == code; });
        if (row == std::end(kMovieQualities))
            continue;
        bool kept = true;
        for (size_t k = 0; k < kMovieFilterColumns; ++k) {
            const uint32_t filter = value(camera, kMovieFilterItems[k]).current;
            if (filter != kMovieFilterAll[k] && row->columns[k] != filter)
                kept = false;
        }
        if (!kept)
            continue;
        KVR_STRUCT_MOV_QUALITY_DATA e{};
        e.quality = static_cast<uint16_t>(code);
        e.frameRate = row->columns[0];
        e.pixels = static_cast<uint16_t>(row->columns[1]);
        e.compression = static_cast<uint16_t>(row->columns[2]);
        e.bitRate = static_cast<uint16_t>(row->columns[3]);
        e.vfr = static_cast<uint16_t>(row->columns[4]);
        e.hlg = static_cast<uint16_t>(row->columns[5]);
        e.sd = 1;
        list->entries[listed++] = e;
    }
    list->count = static_cast<uint16_t>(listed);
    return call.succeed();
}

} // extern "C"
