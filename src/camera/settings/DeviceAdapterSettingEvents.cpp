// DeviceAdapter: the camera's setting-change events. A handler does not look
// at the event's parameter: it reads the whole setting group again, and the
// readers announce what changed.

#include "camera/DeviceAdapter.h"

namespace kavrotether {

namespace {

// Each handler's own code, under the handler's name.
namespace SettingEvent {
#define KAVRO_SETTING_EVENT_CODE(code, handler) constexpr quint32 handler = code;
KAVRO_SETTING_EVENTS(KAVRO_SETTING_EVENT_CODE)
#undef KAVRO_SETTING_EVENT_CODE
} // namespace SettingEvent

} // namespace

void DeviceAdapter::registerEventIdAfInfo(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdAfInfo)
        return;
    (void)adp_KVR_func_api_GetAFInfo();
}

void DeviceAdapter::registerEventIdPhotoStyle(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdPhotoStyle)
        return;
    (void)adp_KVR_func_api_PhotoStyle_GetCapability();
}

void DeviceAdapter::registerEventIdPhotoStyle2(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdPhotoStyle2)
        return;
    (void)adp_KVR_func_api_PhotoStyle2_GetCapability();
}

// A photo style carries its own ISO, so an ISO change may change both styles.
void DeviceAdapter::registerEventIdIso(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdIso)
        return;
    (void)adp_KVR_func_api_ISO_GetCapability();
    (void)adp_KVR_func_api_PhotoStyle_GetCapability();
    (void)adp_KVR_func_api_PhotoStyle2_GetCapability();
}

void DeviceAdapter::registerEventIdShutter(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdShutter)
        return;
    (void)adp_KVR_func_api_SS_Get_Capability();
}

// A power zoom moves the aperture continuously; the next aperture event or
// read after the zoom refreshes it.
void DeviceAdapter::registerEventIdAperture(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdAperture || d->lensZoomRunning.load())
        return;
    (void)adp_KVR_func_api_Aperture_GetCapability();
}

void DeviceAdapter::registerEventIdWhiteBalance(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdWhiteBalance)
        return;
    (void)adp_KVR_func_api_WB_GetCapability();
}

void DeviceAdapter::registerEventIdExposure(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdExposure)
        return;
    (void)adp_KVR_func_api_Exposure_GetCapability();
}

void DeviceAdapter::registerEventIdAfConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdAfConfig)
        return;
    (void)adp_KVR_func_api_AF_Config_GetCapability();
}

// A new shooting mode changes what the exposure settings offer.
void DeviceAdapter::registerEventIdCameraMode(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdCameraMode)
        return;
    (void)adp_KVR_func_api_CameraMode_GetCapability();
    (void)adp_KVR_func_api_Aperture_GetCapability();
    (void)adp_KVR_func_api_SS_Get_Capability();
    (void)adp_KVR_func_api_ISO_GetCapability();
    (void)adp_KVR_func_api_Exposure_GetCapability();
}

// Cameras without the image capability still answer the plain image read.
void DeviceAdapter::registerEventIdStillImageInfo(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdStillImageInfo)
        return;
    if (adp_KVR_func_api_ImageInfo_GetCapability() != Utilities::Ternary_True)
        (void)adp_KVR_func_api_GetImageInfo();
}

void DeviceAdapter::registerEventIdRecConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdRecConfig)
        return;
    (void)adp_KVR_func_api_RecInfo_Metering_GetCapability();
}

void DeviceAdapter::registerEventIdIntervalConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdIntervalConfig)
        return;
    (void)adp_KVR_func_api_IntervalInfo_GetCapability();
}

// The recording display is read when the interface opens it.
void DeviceAdapter::registerEventIdRecDispConfig(quint32, quint32) {}

void DeviceAdapter::registerEventIdAfConfig2(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdAfConfig2)
        return;
    (void)adp_KVR_func_api_AFMF_Cfg2_GetCapability();
}

void DeviceAdapter::registerEventIdBurstbracketConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdBurstbracketConfig)
        return;
    (void)adp_KVR_func_api_RecInfo_BurstBracket_GetCapability();
}

void DeviceAdapter::registerEventIdRecPreview(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdRecPreview)
        return;
    (void)adp_KVR_func_api_RecPreview_Cfg_GetCapability();
}

void DeviceAdapter::registerEventIdSelftimerConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdSelftimerConfig)
        return;
    (void)adp_KVR_func_api_RecInfo_SelfTimer_GetCapability();
}

void DeviceAdapter::registerEventId4k6kConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventId4k6kConfig)
        return;
    (void)adp_KVR_func_api_RecInfo_4K6K_GetCapability();
}

// The small frame exists only on cameras that can narrow the AF point.
void DeviceAdapter::registerEventIdAfFrameDispConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdAfFrameDispConfig)
        return;
    (void)adp_KVR_func_api_RecInfo_AF_Frame_GetCapability();
    if (afPointScopeEnable())
        (void)adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame();
    emit af_frame_info_Changed();
}

void DeviceAdapter::registerEventIdAfFrameSmallFrame(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdAfFrameSmallFrame)
        return;
    (void)adp_KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame();
}

// Cameras that cannot describe their movie qualities get the built-in list
// of the system frequency, filtered by the qualities the camera offers: the
// movie configuration is read first, so that filter is never the last
// camera's or the last mode's.
void DeviceAdapter::registerEventIdMoiveConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdMoiveConfig)
        return;
    (void)adp_KVR_func_api_Mov_Config_GetCapability();
    if (validDisplayMovQuality() != Utilities::Ternary_True)
        updateDisplayMovQuality();
    if (validDisplayMovQuality() == Utilities::Ternary_True)
        (void)adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List();
    else
        (void)adp_KVR_Mov_Config_Get_Quality_Detail_List_From_Built_In_Data();
    (void)adp_KVR_func_api_Aperture_GetCapability();
    (void)adp_KVR_func_api_SS_Get_Capability();
}

void DeviceAdapter::registerEventIdSetupConfig(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdSetupConfig)
        return;
    (void)adp_KVR_func_api_SetupCfgInfo_GetCapability();
}

void DeviceAdapter::registerEventIdLvImageQuality(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdLvImageQuality)
        return;
    (void)adp_KVR_func_api_LiveView_Str_Get_Recom_Img();
    (void)adp_KVR_func_api_LiveView_Str_Get_Trans_Img();
}

// Exposure during the shot: with automatic ISO (-1) the camera tells the ISO
// it chose, otherwise the ISO setting is read again.
void DeviceAdapter::registerEventIdExpInShot(quint32 cb_event_type, quint32)
{
    if (cb_event_type != SettingEvent::registerEventIdExpInShot || d->lensZoomRunning.load())
        return;
    (void)adp_KVR_func_api_Aperture_GetCapability();
    (void)adp_KVR_func_api_SS_Get_Capability();
    if (iso() == -1)
        (void)adp_KVR_func_api_ExpInShot_GetAutoISO();
    else
        (void)adp_KVR_func_api_ISO_GetCapability();
}

Utilities::Ternary DeviceAdapter::validDisplayMovQuality() const
{
    return Utilities::Ternary(d->validDisplayMovQuality.load());
}

void DeviceAdapter::updateDisplayMovQuality()
{
    d->validDisplayMovQuality.store(adp_KVR_func_api_Mov_Config_Get_Quality_Detail_Display());
}

} // namespace kavrotether
