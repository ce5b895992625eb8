// The functions of the camera-control library, as X-macro lists.
// Included by Kvrptpif.h inside extern "C"; do not include it alone.
//
// Each entry is X(return type, name, (parameters)). Lists are grouped by
// what the functions do; the comment of a group gives the rules its members
// share. Every function listed here is defined in the library.
#ifndef KVRPTPIF_FUNCTIONS_H
#define KVRPTPIF_FUNCTIONS_H

// Last two parameters of every call that addresses one camera.
#define KVR_CAM const char *uuid, uint32_t *err

// Start-up, logging and callback registration. DbgLog_Init is accepted
// before Init. A code registered twice is delivered once; registering it again
// replaces the function.
// clang-format off
#define KVR_FUNCTIONS_LIBRARY(X) \
    X(uint8_t, KVR_func_api_Init, (void)) \
    X(uint8_t, KVR_func_api_Finish, (void)) \
    X(uint8_t, KVR_func_api_DbgLog_Init, (uint8_t enable)) \
    X(uint8_t, KVR_func_api_DbgLog_Config, (uint32_t level, uint32_t *err)) \
    X(uint8_t, KVR_func_api_Set_SendCommand_RetryType_Config, (uint32_t retryType, uint32_t *err)) \
    X(uint8_t, KVR_func_api_Set_SendCommand_TimeOutVal_Config, (uint32_t timeoutMs, uint32_t *err)) \
    X(uint8_t, KVR_func_api_Set_Awake_Msg, (const char *message, uint32_t *err)) \
    X(uint32_t, Kvr_func_api_Get_Error, (void)) \
    X(uint8_t, KVR_func_api_Reg_NotifyCallback, (uint32_t event, NotifyCallbackFn fn)) \
    X(uint8_t, KVR_func_api_Delete_CallBackInfo, (uint32_t event)) \
    X(uint8_t, KVR_func_api_ptpip_Reg_Callback, (uint32_t kind, PtpipCallbackFn fn, void *context, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_Delete_Callback, (uint32_t kind, uint32_t *err))
// clang-format on

// Discovery and connection.
// - GetPnPDeviceInfo with connection type 0 fills the list with the plugged
//   USB cameras; with type 1 it empties the list and starts an asynchronous
//   network search that reports each camera as kind 1 (kind 6 when it is in
//   session already) and ends with exactly one kind 2 (time-out) or kind 3
//   (ptpip_StopGetDeviceInfo).
// - SelectPnPDevice picks the device with that index and writes its UUID
//   (37 bytes). For network cameras `password` is the scrambled password to
//   check (mode 1), to register (mode 3) or the new one (mode 2, with
//   `currentPassword` the scrambled current one). A network select without a
//   usable password fails and, when `currentPassword` is null, first delivers
//   kind 5 from the library's thread. Selecting a camera in session again
//   leaves its session alone.
// - IsConnectedUSBDevice returns 1 and writes the UUID when the camera behind
//   the path is in session; IsConnectedLANDevice returns 1 and sets *connected
//   when the network camera with that serial number is in session.
// - OpenSession, CloseSession and CloseDevice may be repeated; "All" closes
//   every camera.
// - ptpip_Set_SearchDev_TimeOutVal_Config: searchMs is how long a network
//   search runs before kind 2 ends it; timeoutMs bounds each exchange.
//   Finish ends a running search without a report.
// clang-format off
#define KVR_FUNCTIONS_CONNECTION(X) \
    X(uint8_t, KVR_func_api_GetPnPDeviceInfo, (KVR_CONNECT_DEVICE_INFO *list, uint32_t *err)) \
    X(uint8_t, KVR_func_api_Search_Device, (KVR_CONNECT_DEVICE_INFO *list, uint32_t *err)) \
    X(uint8_t, KVR_func_api_IsConnectedUSBDevice, (const wchar_t *devicePath, char *uuid)) \
    X(uint8_t, KVR_func_api_IsConnectedLANDevice, (const char *serialNo, uint8_t *connected)) \
    X(uint8_t, KVR_func_api_SelectPnPDevice, (uint32_t devIndex, KVR_CONNECT_DEVICE_INFO *list, char *uuid, const char *currentPassword, const char *password, uint16_t mode, uint32_t *err)) \
    X(uint8_t, KVR_func_api_Search_and_Connect_DEVICE_TYPE, (uint32_t deviceType, KVR_CAM)) \
    X(uint8_t, KVR_func_api_OpenSession, (uint32_t flags, uint32_t *sessionId, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CloseSession, (KVR_CAM)) \
    X(uint8_t, KVR_func_api_CloseDevice, (KVR_CAM)) \
    X(uint8_t, KVR_func_api_ptpip_Set_Connection_Type, (uint32_t type, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_Get_Connection_Type, (uint32_t *type, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config, (uint32_t timeoutMs, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config, (uint32_t searchMs, uint32_t timeoutMs, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_Set_Pc_Name, (KVR_PTPIP_PC_NAME name, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_Set_Ip_Addr, (const char *address, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_Get_Ip_Addr, (char *address /* KVR_IP_ADDR_BUFFER_SIZE */, uint32_t *err)) \
    X(uint8_t, KVR_func_api_SetSearchCondition, (uint32_t connectDevType, const char *modelName, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_StopGetDeviceInfo, (uint32_t *err)) \
    X(const char *, KVR_func_api_ptpip_GetCertPEM, (uint32_t devIndex, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_SetCerFilePath, (uint32_t devIndex, const char *path, uint32_t *err)) \
    X(uint8_t, KVR_func_api_ptpip_UpdateCer, (uint32_t devIndex, uint32_t *err))
// clang-format on

// Device information. Text readers fill at most bufferSize bytes, always
// NUL-terminated, and give the text length through *length. ExtGetDeviceID
// writes a byte length L at byte 8 and L / 4 feature words from byte 12.
// ptpip_GetCertPEM returns library-owned text, valid until the next call.
// clang-format off
#define KVR_FUNCTIONS_DEVICE(X) \
    X(uint8_t, KVR_func_api_GetDeviceInfo, (kvr_struct_deviceinfo *info, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ExtGetDeviceID, (uint32_t reserved1, uint32_t reserved2, uint8_t *buffer, uint32_t bufferSize, uint32_t *length, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetDeviceInfo_VendorName, (char *buffer, uint32_t bufferSize, uint32_t *length, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetDeviceInfo_ModelName, (char *buffer, uint32_t bufferSize, uint32_t *length, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetDeviceInfo_VersionInfo, (char *buffer, uint32_t bufferSize, uint32_t *length, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetDeviceInfo_SerialNo, (char *buffer, uint32_t bufferSize, uint32_t *length, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Body_SettingInfo_Get_Individual_Id, (char *buffer /* KVR_TEXT_BUFFER_SIZE */, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Power_SavingInfo_Get_Tether_Connect_Mode, (uint32_t *mode, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode, (uint32_t mode, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Setup_Ctrl_MenuSave, (KVR_CAM)) \
    X(uint8_t, KVR_func_api_Net_Get_BasicStreaming_Function, (uint16_t *value, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mnt_GetInfo_Get_UsbMode, (uint32_t *mode, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetEventTypeFromCamera, (uint8_t suppress, const KVR_STRUCT_EVENT_TYPE_LIST *list, uint32_t size, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetEventTag, (uint32_t *value, uint32_t eventCode, KVR_CAM)) \
    X(uint8_t, KVR_func_api_FirmwareUpdate, (const kvr_struct_fwup_param *param, KVR_CAM))
// clang-format on

// Status. Each status change of a camera is announced with KVR_EVENT_REC_INFO.
// clang-format off
#define KVR_FUNCTIONS_STATUS(X) \
    X(uint8_t, KVR_func_api_GetBatteryInfo, (KVR_STRUCT_BATTERY_INFO *info, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Rec_Info, (KVR_STRUCT_REC_INFO *info, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetStatusOfCards, (KVR_STRUCT_STATUS_OF_CARDS *cards, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetCameraStatus, (uint16_t *status, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetElapsedInMovieRec, (int32_t *elapsed, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetDetailedFreeSpaces, (KVR_STRUCT_FREE_SPACES *spaces, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_AFAE_DisplayState, (KVR_STRUCT_AFAE_DISPLAY_STATE *state, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_AFC_StartPositionState, (uint16_t *state, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_NoiseReduction_RemainingTime, (uint16_t *seconds, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_HDMI_SDI_Status, (uint16_t *status, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Shot_Mode_Status, (uint16_t *status, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Lv_Composite_Info, (KVR_STRUCT_LIVEVIEW_COMPOSITE_INFO *info, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Lv_Composite_Get_Shooting_Status, (uint16_t *status, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Lv_Composite_Get_Shooting_Information, (KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO *info, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetSetupInfoError, (KVR_STRUCT_SETUP_INFO_ERROR *errors, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ExpInShot_GetAperture, (int16_t *aperture, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ExpInShot_GetSS, (uint32_t *shutterSpeed, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ExpInShot_GetAutoISO, (uint32_t *iso, KVR_CAM))
// clang-format on

// Capability readers: fill the group's record for the camera.
// clang-format off
#define KVR_FUNCTIONS_CAPABILITY(X) \
    X(uint8_t, KVR_func_api_CameraMode_GetCapability, (KVR_STRUCT_RECINFO_CAMERA_MODE_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_BurstBracket_GetCapability, (KVR_STRUCT_BURST_BRACKET_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_SelfTimer_GetCapability, (KVR_STRUCT_SELFTIMER_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_IntervalInfo_GetCapability, (KVR_STRUCT_INTERVAL_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_4K6K_GetCapability, (KVR_STRUCT_4K6K_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupCfgInfo_GetCapability, (KVR_STRUCT_SETUP_CFG_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupFilesCfgInfo_GetCapability, (KVR_STRUCT_SETUP_FILES_CFG_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_GetCapability, (KVR_STRUCT_MOV_MENU_CONFIG_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Filter_GetCapability, (KVR_STRUCT_MOV_MENU_FILTER_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Aperture_GetCapability, (KVR_STRUCT_APERTURE_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SS_Get_Capability, (KVR_STRUCT_SS_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_GetCapability, (KVR_STRUCT_WB_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ISO_GetCapability, (KVR_STRUCT_ISO_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_GetCapability, (KVR_STRUCT_RECINFO_IMAGE_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AF_Config_GetCapability, (KVR_STRUCT_AF_CONFIG_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Metering_GetCapability, (KVR_STRUCT_METERING_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Exposure_GetCapability, (KVR_STRUCT_EXPOSURE_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_GetCapability, (KVR_STRUCT_PHOTOSTYLE_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_GetCapability, (KVR_STRUCT_PHOTO_STYLE2_CFG_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecPreview_Cfg_GetCapability, (KVR_STRUCT_REC_PREVIEW_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_AF_Frame_GetCapability, (KVR_STRUCT_AF_FRAME_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_GetCapability, (KVR_STRUCT_AFMF_CFG2_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PowerSaving_GetCapability, (KVR_STRUCT_POWER_SAVING_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Strobe_GetCapability, (KVR_STRUCT_STROBE_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Strobe2_GetCapability, (KVR_STRUCT_STROBE2_CAPA_INFO *capa, KVR_CAM)) \
    X(uint8_t, KVR_func_api_LensZoomInfo_GetCapability, (KVR_STRUCT_LENS_ZOOM_CAPA_INFO *capa, KVR_CAM))
// clang-format on

// Record readers.
// clang-format off
#define KVR_FUNCTIONS_RECORDS(X) \
    X(uint8_t, KVR_func_api_GetAFInfo, (KVR_STRUCT_AF_INFO *info, uint32_t tag, KVR_CAM)) \
    X(uint8_t, KVR_func_api_GetImageInfo, (KVR_STRUCT_IMAGE_INFO *info, uint32_t tag, KVR_CAM)) \
    X(uint8_t, KVR_func_api_LensZoom_Get_Info, (KVR_STRUCT_LENS_ZOOM_SET_INFO *info, uint32_t tag, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_WB_Info, (KVR_STRUCT_WB_INFO *info, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_4K6K_Info, (KVR_STRUCT_4K6K_INFO *info, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame, (KVR_STRUCT_AF_FRAME_SMALL_FRAME_TAG_INFO *frame, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_AF_Frame_Get_OnePoint_Frame, (KVR_STRUCT_POS_UINT16 *pos, KVR_STRUCT_SIZE_UINT16 *size, uint16_t *value, uint16_t *minimum, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_AF_Frame_Get_PinPoint_Frame, (KVR_STRUCT_AF_FRAME_PINPOINT_TAG_INFO *frame, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_AF_Frame_Get_Multi_AF_Frame, (uint16_t *posIndex, uint16_t *posCount, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_AF_Frame_Get_CMulti_AF_Frame, (uint16_t *curIndex, uint8_t *table /* KVR_CMULTI_TABLE_SIZE */, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AF_Info_Get_Disp_Frame, (KVR_STRUCT_AFINFO_DISP_FRAME *frame, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AF_Info_Get_FaceInfo, (KVR_STRUCT_AFINFO_FACEINFO *face, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AF_Info_Get_TrackingInfo, (KVR_STRUCT_AFINFO_TRACKINGINFO *tracking, KVR_CAM)) \
    X(uint8_t, KVR_func_api_LiveView_Str_Get_Recom_Img, (KVR_STRUCT_LIVEVIEW_STR_RECOM_IMG *recom, KVR_CAM)) \
    X(uint8_t, KVR_func_api_LiveView_Str_Get_Trans_Img, (KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG *trans, KVR_CAM)) \
    X(uint8_t, KVR_func_api_LiveView_Str_Set_Trans_Img, (KVR_STRUCT_LIVEVIEW_STR_TRANS_IMG trans, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Get_Quality_Detail_Display, (KVR_STRUCT_MOV_QUALITY_DETAIL_DISPLAY *display, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Get_Quality_Detail_List, (KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO *list, KVR_CAM))
// clang-format on

// Single-value readers: the current camera code of one setting. A reader
// with a 16-bit out-value writes only 16 bits.
// clang-format off
#define KVR_FUNCTIONS_GETTERS(X) \
    X(uint8_t, KVR_func_api_CameraMode_Get_Mode_Pos, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Get_iA_Mode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Get_C3_Param, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Get_Exposure_Param, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Get_CreativeMode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Get_DriveMode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Get_4k_Mode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_4K6K_Get_RecFormat_Param, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_4K6K_Get_FocusSelect_Param, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_IntervalInfo_Get_Interval_Mode, (uint16_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Aperture_GetParam, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SS_GetParam, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ISO_GetParam, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Exposure_GetParam, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_MeteringInfo_Get_Mode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_ExTelecon_Get_Cfg, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_HLG_Get_Cfg, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_Get_ImageQuality, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_Get_ImageSize, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_Get_ImageAspect, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_Get_ImageJpegHeifMode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Get_StyleMode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Get_C_Movie_mode_Param, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Get_Rec_mode_Param, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Get_Quality_mode_Param, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupConfig_Get_SystemFreq_Mode, (uint16_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupFilesConfig_Get_Target, (uint16_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecPreview_Cfg_Info_Get_Monitor_Disp, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Get_AFMFMode_Param, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Get_MFAssist_Mode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Get_AF_Pinpoint_Mode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Get_LV_Mag_Mode, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Get_PinP_Aspect_Info, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_GetParam, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Get_KSet, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Get_ADJ_AB, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Get_ADJ_GM, (uint32_t *code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Get_ADJ_AB_Sep, (uint32_t *code, KVR_CAM))
// clang-format on

// Setting writers: a code the camera offers is taken (result 1) and the
// group's change event follows from the library's thread; any other code is
// refused (result 0, KVR_ERR_REFUSED) and changes nothing.
// clang-format off
#define KVR_FUNCTIONS_SETTERS(X) \
    X(uint8_t, KVR_func_api_CameraMode_Set_Mode_Pos, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Set_iA_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Set_C3_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Set_Exposure_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Set_CreatvieMode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Set_DriveMode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_CameraMode_Set_4k_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_4K6K_Set_RecFormat_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_4K6K_Set_FocusSelect_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_BurstBracker_Set_Burst_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_SelfTimer_Set_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_SelfTimer_Set_Custom_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_IntervalInfo_Set_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Aperture_Set_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SS_SetParam, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SS_SetStAngle, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ISO_SetParam, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ISO_Set_GainValue, (uint16_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Exposure_Set_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Set_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Set_K_Set, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Set_ADJ_AB, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Set_ADJ_GM, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Set_ADJ_AB_Sep, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AF_Config_Set_AF_Mode_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AF_Config_Set_AF_Area_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_MeteringInfo_Set_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_ExTelecon_Set_Cfg, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_HLG_Set_Cfg, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecPreview_Cfg_Info_Set_Monitor_Disp, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_Set_ImageQuality, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_Set_ImageFormat, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_Set_ImageAspect, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_ImageInfo_Set_ImageSize, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Set_C_Movie_mode_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Set_SS_Gain_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Set_Rec_mode_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Config_Set_Quality_mode_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Filter_Set_Frame_rate_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Filter_Set_Pixel_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Filter_Set_Compression_method_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Filter_Set_Bit_rate_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Filter_Set_VFR_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mov_Filter_Set_HLG_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_StyleMode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Contrast, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Sharpness, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_NoseReduction, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Saturation, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Filter, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Chroma_Phase, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Grain, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Knee_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Color_Tone, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_High_Light, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Shadow, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_ISO, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_WB, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle_Set_Base, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_Set_Dual_Native_ISO, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_Set_ColorNoise, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_Set_LUT, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_Set_Gain, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_Set_Base, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_Set_LUT2, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_Set_DENSITY, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_PhotoStyle2_Set_DENSITY2, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Set_AFMF_Mode_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Set_MF_Assist_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Set_AF_Pinpoint_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Set_LV_Mag_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_AFMF_Cfg2_Info_Set_PinP_Aspect_Info, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupConfig_Set_SystemFreq_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupFilesConfig_Set_Target, (uint16_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecDisp_Config_Set_Histgram_Mode_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_StrobeInfo_Set_StrobeMode_Param, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Dimmer, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Sync, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Adjust, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Manual, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Exposure_Link, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Wireless_Mode, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Wireless_Ch, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Wireless_FP, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash_Set_Wireless_ComPower, (uint32_t code, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash2_Set_Dimmer, (uint32_t code, uint8_t group, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash2_Set_Adjust, (uint32_t code, uint8_t group, KVR_CAM)) \
    X(uint8_t, KVR_func_api_RecInfo_Flash2_Set_Manual, (uint32_t code, uint8_t group, KVR_CAM))
// clang-format on

// Remote control. Control records carry the command code (KVR_CMD_*), the
// parameter count and the parameters. Result 2: no memory card.
// clang-format off
#define KVR_FUNCTIONS_CONTROL(X) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_Release, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_4k, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_4K6K, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_Backup_Req, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_AF_AE, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_AF_AE2, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_AF_Area, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_MF_Assist, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_LV_Mag, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_Lens, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_Zoom, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_Menu, (const KVR_STRUCT_REC_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Rec_Ctrl_Other, (const KVR_STRUCT_REC_CTRL_OTHER *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_WB_Ctrl_WBSET, (const KVR_STRUCT_WBSET_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Mnt_Ctrl_LiveView, (const KVR_STRUCT_MNT_CTRL *ctrl, KVR_CAM)) \
    X(uint8_t, KVR_func_api_MoveRec_Ctrl_Start, (KVR_CAM)) \
    X(uint8_t, KVR_func_api_MoveRec_Ctrl_Stop, (uint8_t stop, KVR_CAM)) \
    X(uint8_t, KVR_func_api_MovieFilter_Ctrl_Start, (KVR_CAM)) \
    X(uint8_t, KVR_func_api_MovieFilter_Ctrl_End, (uint8_t cancel, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Ctrl_LiveView_Start, (KVR_CAM)) \
    X(uint8_t, KVR_func_api_Ctrl_LiveView_Stop, (KVR_CAM))
// clang-format on

// Live view, objects, 6K/4K frames, setting files.
// - Get_LiveView_data: on entry each size word is its buffer's capacity (the
//   record sizes, KVR_LIVEVIEW_JPEG_BUFFER_SIZE for the JPEG); on return the
//   bytes written, 0 when that part carries nothing this time. *err is 0
//   with a frame, KVR_ERR_BUSY while the camera is busy or has no frame yet,
//   KVR_ERR_NOT_SUPPORTED without live view running.
// - Object calls address the object by the handle of KVR_EVENT_OBJECT_ADDED
//   (or KVR_EVENT_OBJECT_REQ_TRANSFER); an unknown handle or a null output
//   fails with KVR_ERR_INVALID_PARAM. Get_Object_FileName writes the name's
//   length (at most 255) and its UTF-8 text, at most 256 bytes and a zero.
// - Get_Object copies the whole object; it fails with KVR_ERR_BUFFER_TOO_SMALL
//   when bufferSize is below the object's size (objects of 4 GiB and more
//   need partial reads). Get_Partial_Object and Get_Partial_ObjectEx copy
//   `length` bytes from `offset`; a range that does not lie inside the object
//   fails with KVR_ERR_INVALID_PARAM and copies nothing. The bytes are copied
//   without holding the library, so other cameras' calls go on meanwhile.
//   Skip_Object_Transfer tells the camera the computer does not take the
//   object.
// - 4k6k_Cutting_Get_StreamFrame_data: on entry *size is the buffer's
//   capacity; on return the frame's byte count. A frame larger than the
//   capacity fails with KVR_ERR_BUFFER_TOO_SMALL, its size in *size, and stays
//   next; with no frame to read it fails with KVR_ERR_NO_DATA.
//   4k6k_Cutting_GetNumOfFrames: the frame count of the burst being offered
//   or cut.
// - SetupFilesConfigSetting_Get_Data fills data up to capacity and sets
//   length; Set_Data sends length bytes.
// clang-format off
#define KVR_FUNCTIONS_DATA(X) \
    X(uint8_t, KVR_func_api_Get_LiveView_data, (KVR_STRUCT_LIVEVIEW_INFO_HISTGRAM *histogram, uint32_t *histogramSize, KVR_STRUCT_LIVEVIEW_INFO_POSTURE *posture, uint32_t *postureSize, KVR_STRUCT_LIVEVIEW_INFO_LEVEL *level, uint32_t *levelSize, uint8_t *jpeg, uint32_t *jpegSize, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Object_FormatType, (uint32_t handle, uint32_t *format, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Object_AssociatType, (uint32_t handle, uint32_t *associationType, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Object_AssociatDesc, (uint32_t handle, uint32_t *associationDesc, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Object_DataSize, (uint32_t handle, uint64_t *size, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Object_FileName, (uint32_t handle, KVR_STRUCT_PTP_ARRAY_STRING *fileName, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Object, (uint32_t handle, uint8_t *buffer, uint32_t bufferSize, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Partial_Object, (uint32_t handle, uint8_t *buffer, uint32_t offset, uint32_t length, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Get_Partial_ObjectEx, (uint32_t handle, uint8_t *buffer, uint64_t offset, uint32_t length, KVR_CAM)) \
    X(uint8_t, KVR_func_api_Skip_Object_Transfer, (uint32_t handle, KVR_CAM)) \
    X(uint8_t, KVR_func_api_4k6k_Cutting_GetNumOfFrames, (uint32_t *frames, KVR_CAM)) \
    X(uint8_t, KVR_func_api_4k6k_Cutting_Get_StreamFrame_data, (uint8_t *buffer, uint32_t *size, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupFilesConfigSetting_Get_Data, (KVR_STRUCT_SETUP_FILES_CFG_SET_DATA *data, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupFilesConfigSetting_Get_Info, (KVR_STRUCT_SETUP_FILES_CFG_SET_INFO *info, uint32_t tag, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupFilesConfigSetting_Get_Compatible, (KVR_STRUCT_SETUP_FILES_CFG_COMPATIBLE *compatible, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupFilesConfigSetting_Get_MaxRecvBuff, (KVR_STRUCT_SETUP_FILES_CFG_MAX_RECV_BUFF *maxRecv, KVR_CAM)) \
    X(uint8_t, KVR_func_api_SetupFilesConfigSetting_Set_Data, (KVR_STRUCT_SETUP_FILES_CFG_SET_DATA data, KVR_CAM))
// clang-format on

// Names of the application's own wrappers around the functions above (its
// queued forms, command shortcuts and placeholders). The library exports them
// so that code written against either list links, but they do nothing: each
// fails with KVR_ERR_NOT_SUPPORTED. Call the functions above instead.
// clang-format off
#define KVR_FUNCTIONS_APPLICATION_NAMES(X) \
    X(KVR_func_api_AFMF_Cfg2_GetCapability_Start) \
    X(KVR_func_api_AFMF_Cfg2_Info_Get_MFAssist_Guide) \
    X(KVR_func_api_AFMF_Cfg2_Info_Get_MFAssist_Param) \
    X(KVR_func_api_AF_Config_GetCapability_Start) \
    X(KVR_func_api_AF_Config_Set_AF_Area_Param_CustomMulti) \
    X(KVR_func_api_AF_Config_Set_AF_Area_Param_CustomMulti_Start) \
    X(KVR_func_api_AF_Config_Set_AF_Area_Param_Start) \
    X(KVR_func_api_AF_Config_Set_AF_Mode_Param_Start) \
    X(KVR_func_api_Aperture_GetCapability_Start) \
    X(KVR_func_api_Aperture_Set_Param_Start) \
    X(KVR_func_api_CameraMode_GetCapability_Start) \
    X(KVR_func_api_CameraMode_Set_4k_Mode_Start) \
    X(KVR_func_api_CameraMode_Set_C3_Param_Start) \
    X(KVR_func_api_CameraMode_Set_CreatvieMode_Start) \
    X(KVR_func_api_CameraMode_Set_DriveMode_Start) \
    X(KVR_func_api_CameraMode_Set_Mode_Pos_Start) \
    X(KVR_func_api_CameraMode_Set_PhotoExposure_Param) \
    X(KVR_func_api_CameraMode_Set_PhotoExposure_Param_Start) \
    X(KVR_func_api_CameraMode_Set_iA_Mode_Start) \
    X(KVR_func_api_Ctrl_LiveView_Start_Start) \
    X(KVR_func_api_Ctrl_LiveView_Stop_Start) \
    X(KVR_func_api_Exposure_GetCapability_Start) \
    X(KVR_func_api_Exposure_Set_Param_Start) \
    X(KVR_func_api_FirmwareUpdate_start) \
    X(KVR_func_api_GetAFInfo_Start) \
    X(KVR_func_api_GetBatteryInfo_Start) \
    X(KVR_func_api_GetCameraStatus_Start) \
    X(KVR_func_api_GetCameraStatus_UUID) \
    X(KVR_func_api_GetDetailedFreeSpaces_Start) \
    X(KVR_func_api_GetDeviceInfo_ExtInfo) \
    X(KVR_func_api_GetElapsedInMovieRec_Start) \
    X(KVR_func_api_GetJpegHeifMode) \
    X(KVR_func_api_GetStatusOfCards_Start) \
    X(KVR_func_api_Get_AFAE_DisplayState_Start) \
    X(KVR_func_api_Get_AFC_StartPositionState_Start) \
    X(KVR_func_api_Get_HDMI_SDI_Status_Start) \
    X(KVR_func_api_Get_LiveView_data_Start) \
    X(KVR_func_api_Get_NoiseReduction_RemainingTime_Start) \
    X(KVR_func_api_Get_Rec_Info_Start) \
    X(KVR_func_api_Get_Shot_Mode_Status_Start) \
    X(KVR_func_api_Get_WB_Info_Start) \
    X(KVR_func_api_HLG_Set_Cfg) \
    X(KVR_func_api_HLG_Set_Cfg_Start) \
    X(KVR_func_api_ISO_GetCapability_Start) \
    X(KVR_func_api_ISO_SetParam_Auto) \
    X(KVR_func_api_ISO_SetParam_Auto_Start) \
    X(KVR_func_api_ISO_SetParam_Gain) \
    X(KVR_func_api_ISO_SetParam_Gain_Start) \
    X(KVR_func_api_ISO_SetParam_Start) \
    X(KVR_func_api_ImageInfo_GetCapability_Start) \
    X(KVR_func_api_ImageInfo_Set_ImageAspect_Start) \
    X(KVR_func_api_ImageInfo_Set_ImageFormat_Start) \
    X(KVR_func_api_ImageInfo_Set_ImageJpegHeifQuality) \
    X(KVR_func_api_ImageInfo_Set_ImageJpegHeifQuality_Start) \
    X(KVR_func_api_ImageInfo_Set_ImageQuality_Start) \
    X(KVR_func_api_ImageInfo_Set_ImageSize_Start) \
    X(KVR_func_api_IntervalInfo_GetCapability_Start) \
    X(KVR_func_api_IntervalInfo_Set_Mode_Start) \
    X(KVR_func_api_LiveView_Str_Get_Recom_Img_Start) \
    X(KVR_func_api_LiveView_Str_Get_Trans_Img_Start) \
    X(KVR_func_api_MeteringInfo_Set_Mode_Start) \
    X(KVR_func_api_Mnt_Ctrl_LiveView_Start) \
    X(KVR_func_api_Mnt_Ctrl_LiveView_Stop) \
    X(KVR_func_api_Mov_Config_GetCapability_Start) \
    X(KVR_func_api_Mov_Config_Set_C_Movie_mode_Param_Start) \
    X(KVR_func_api_Mov_Config_Set_SS_Gain_Param_Start) \
    X(KVR_func_api_Mov_Filter_GetCapability_Start) \
    X(KVR_func_api_Net_Get_BasicStreaming_Function_UUID) \
    X(KVR_func_api_PhotoStyle2_GetCapability_Start) \
    X(KVR_func_api_PhotoStyle_GetCapability_Start) \
    X(KVR_func_api_PhotoStyle_Set_Base2) \
    X(KVR_func_api_PhotoStyle_Set_Base2_Start) \
    X(KVR_func_api_PhotoStyle_Set_Base_Start) \
    X(KVR_func_api_PhotoStyle_Set_ChromaPhase) \
    X(KVR_func_api_PhotoStyle_Set_ColorNoise) \
    X(KVR_func_api_PhotoStyle_Set_ColorNoise_Start) \
    X(KVR_func_api_PhotoStyle_Set_ColorTone) \
    X(KVR_func_api_PhotoStyle_Set_Density) \
    X(KVR_func_api_PhotoStyle_Set_Density2) \
    X(KVR_func_api_PhotoStyle_Set_DualISO) \
    X(KVR_func_api_PhotoStyle_Set_DualISO_Start) \
    X(KVR_func_api_PhotoStyle_Set_Filter_Start) \
    X(KVR_func_api_PhotoStyle_Set_Gain) \
    X(KVR_func_api_PhotoStyle_Set_Gain_Start) \
    X(KVR_func_api_PhotoStyle_Set_Grain_Start) \
    X(KVR_func_api_PhotoStyle_Set_HighLight) \
    X(KVR_func_api_PhotoStyle_Set_ISO_Start) \
    X(KVR_func_api_PhotoStyle_Set_KneeMode) \
    X(KVR_func_api_PhotoStyle_Set_KneeMode_Start) \
    X(KVR_func_api_PhotoStyle_Set_LUT) \
    X(KVR_func_api_PhotoStyle_Set_LUT2) \
    X(KVR_func_api_PhotoStyle_Set_LUT2_Start) \
    X(KVR_func_api_PhotoStyle_Set_LUT_Start) \
    X(KVR_func_api_PhotoStyle_Set_NoiseReduction) \
    X(KVR_func_api_PhotoStyle_Set_StyleMode_Start) \
    X(KVR_func_api_PhotoStyle_Set_WB_Start) \
    X(KVR_func_api_PowerSaving_GetCapability_Start) \
    X(KVR_func_api_RecDisp_Config_GetCapability) \
    X(KVR_func_api_RecDisp_Config_Get_Centermarker_Param) \
    X(KVR_func_api_RecDisp_Config_Get_Guidline_Param) \
    X(KVR_func_api_RecDisp_Config_Get_Guidline_Pos_Param) \
    X(KVR_func_api_RecDisp_Config_Get_Histgram_Param) \
    X(KVR_func_api_RecDisp_Config_Get_Histgram_Pos_Param) \
    X(KVR_func_api_RecDisp_Config_Set_CenterMarker_Mode_Param) \
    X(KVR_func_api_RecDisp_Config_Set_Guideline_Pos_Param) \
    X(KVR_func_api_RecDisp_Config_Set_Guidline_Mode_Param) \
    X(KVR_func_api_RecDisp_Config_Set_Histgram_Mode_Param_On) \
    X(KVR_func_api_RecDisp_Config_Set_Histgram_Pos_Param) \
    X(KVR_func_api_RecInfo_4K6K_GetCapability_Start) \
    X(KVR_func_api_RecInfo_4K6K_Set_FocusSelect_Param_Start) \
    X(KVR_func_api_RecInfo_AF_Frame_GetCapability_Start) \
    X(KVR_func_api_RecInfo_AF_Frame_Get_Small_Frame_Start) \
    X(KVR_func_api_RecInfo_AF_Frame_Set_CMulti_AF_Frame) \
    X(KVR_func_api_RecInfo_AF_Frame_Set_Multi_AF_Frame) \
    X(KVR_func_api_RecInfo_AF_Frame_Set_OnePoint_Frame) \
    X(KVR_func_api_RecInfo_AF_Frame_Set_PinPoint_Frame) \
    X(KVR_func_api_RecInfo_BurstBracker_Set_Burst_Param_Start) \
    X(KVR_func_api_RecInfo_BurstBracket_GetCapability_Start) \
    X(KVR_func_api_RecInfo_ExTelecon_Set_Cfg_Start) \
    X(KVR_func_api_RecInfo_Metering_GetCapability_Start) \
    X(KVR_func_api_RecInfo_SelfTimer_GetCapability_Start) \
    X(KVR_func_api_RecInfo_SelfTimer_Set_Custom_Param_Start) \
    X(KVR_func_api_RecInfo_SelfTimer_Set_Param_Start) \
    X(KVR_func_api_RecPreview_Cfg_GetCapability_Start) \
    X(KVR_func_api_RecPreview_Cfg_Info_Get_AlwayPreview) \
    X(KVR_func_api_RecPreview_Cfg_Info_Get_AutoPreview) \
    X(KVR_func_api_RecPreview_Cfg_Info_Set_Monitor_Disp_Start) \
    X(KVR_func_api_Rec_Ctrl_4k_add_marker) \
    X(KVR_func_api_Rec_Ctrl_4k_burst_start) \
    X(KVR_func_api_Rec_Ctrl_4k_burst_stop) \
    X(KVR_func_api_Rec_Ctrl_4k_precap_end) \
    X(KVR_func_api_Rec_Ctrl_4k_precap_start) \
    X(KVR_func_api_Rec_Ctrl_4k_prewrite_req) \
    X(KVR_func_api_Rec_Ctrl_AF_AE2_AFAE_OFF) \
    X(KVR_func_api_Rec_Ctrl_AF_AE2_PINPOINT_ZOOMMOVE) \
    X(KVR_func_api_Rec_Ctrl_AF_AE2_PINPOINT_ZOOMSTART) \
    X(KVR_func_api_Rec_Ctrl_AF_AE2_PSCOPE_END) \
    X(KVR_func_api_Rec_Ctrl_AF_AE2_PSCOPE_MAG_SETTING) \
    X(KVR_func_api_Rec_Ctrl_AF_AE2_PSCOPE_START) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_1POINT_AF) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_AE) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_AF) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_AFAE) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_AFAE_Clear) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_AF_OFF) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_AF_Oneshot) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_CUSTOM_MULTI_AF) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_MULTI_AF) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_AF_MAGNIFY) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_AF_START) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_AF_STOP) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_MOVE_POS) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_TRACKING_START) \
    X(KVR_func_api_Rec_Ctrl_AF_AE_TRACKING_STOP) \
    X(KVR_func_api_Rec_Ctrl_AF_Area_Clear) \
    X(KVR_func_api_Rec_Ctrl_AF_Area_End) \
    X(KVR_func_api_Rec_Ctrl_AF_Area_Move) \
    X(KVR_func_api_Rec_Ctrl_AF_Area_Reset) \
    X(KVR_func_api_Rec_Ctrl_AF_Area_Start) \
    X(KVR_func_api_Rec_Ctrl_Backup_PhotoStyle_Req) \
    X(KVR_func_api_Rec_Ctrl_Del_Backup_Req) \
    X(KVR_func_api_Rec_Ctrl_Far_Fast) \
    X(KVR_func_api_Rec_Ctrl_Far_Slow) \
    X(KVR_func_api_Rec_Ctrl_LV_Mag_END_REQ) \
    X(KVR_func_api_Rec_Ctrl_LV_Mag_MF_Adjust) \
    X(KVR_func_api_Rec_Ctrl_LV_Mag_MOVE_REQ) \
    X(KVR_func_api_Rec_Ctrl_LV_Mag_Reset) \
    X(KVR_func_api_Rec_Ctrl_LV_Mag_SETRATIO_REQ) \
    X(KVR_func_api_Rec_Ctrl_LV_Mag_START_REQ) \
    X(KVR_func_api_Rec_Ctrl_Lens_stop) \
    X(KVR_func_api_Rec_Ctrl_MF_Assist_END_REQ) \
    X(KVR_func_api_Rec_Ctrl_MF_Assist_MOVE_REQ) \
    X(KVR_func_api_Rec_Ctrl_MF_Assist_ONEPOINT_REQ) \
    X(KVR_func_api_Rec_Ctrl_MF_Assist_SETRATIO_REQ) \
    X(KVR_func_api_Rec_Ctrl_MF_Assist_START_REQ) \
    X(KVR_func_api_Rec_Ctrl_MF_Assist_ZOOMSTART_REQ) \
    X(KVR_func_api_Rec_Ctrl_Menu_End_Menu) \
    X(KVR_func_api_Rec_Ctrl_Menu_Start_Menu) \
    X(KVR_func_api_Rec_Ctrl_Menu_Touch_Down_Menu) \
    X(KVR_func_api_Rec_Ctrl_Menu_Touch_Up_Menu) \
    X(KVR_func_api_Rec_Ctrl_Near_Fast) \
    X(KVR_func_api_Rec_Ctrl_Near_Slow) \
    X(KVR_func_api_Rec_Ctrl_Other_FLASH_TEST) \
    X(KVR_func_api_Rec_Ctrl_Other_REC_TO_PLAY) \
    X(KVR_func_api_Rec_Ctrl_Release_cont_end) \
    X(KVR_func_api_Rec_Ctrl_Release_cont_start) \
    X(KVR_func_api_Rec_Ctrl_Release_halfs_end) \
    X(KVR_func_api_Rec_Ctrl_Release_halfs_start) \
    X(KVR_func_api_Rec_Ctrl_Release_interval_pause) \
    X(KVR_func_api_Rec_Ctrl_Release_interval_restart) \
    X(KVR_func_api_Rec_Ctrl_Release_interval_start) \
    X(KVR_func_api_Rec_Ctrl_Release_interval_stop) \
    X(KVR_func_api_Rec_Ctrl_Release_one_shot) \
    X(KVR_func_api_Rec_Ctrl_Restore_PhotoStyle_Req) \
    X(KVR_func_api_Rec_Ctrl_Zoom_SetPos) \
    X(KVR_func_api_Rec_Ctrl_Zoom_Start) \
    X(KVR_func_api_Rec_Ctrl_Zoom_Stop) \
    X(KVR_func_api_SS_Angle_SetParam) \
    X(KVR_func_api_SS_Angle_SetParam_Start) \
    X(KVR_func_api_SS_Get_Capability_Start) \
    X(KVR_func_api_SS_SetParam_Start) \
    X(KVR_func_api_Search_Camera_List) \
    X(KVR_func_api_Search_Camera_List_start) \
    X(KVR_func_api_Search_and_Connect_DEVICE_TYPE_REMOTE_STD) \
    X(KVR_func_api_SelectPnPDevice_With_EncryptPW) \
    X(KVR_func_api_Select_Device) \
    X(KVR_func_api_Select_Device_Start) \
    X(KVR_func_api_SetEventTypeFromCamera_Start) \
    X(KVR_func_api_SetupCfgInfo_GetCapability_Start) \
    X(KVR_func_api_SetupFilesCfgInfo_GetCapability_Start) \
    X(KVR_func_api_SetupFilesConfig) \
    X(KVR_func_api_Strobe2_GetCapability_Start) \
    X(KVR_func_api_Strobe_GetCapability_Start) \
    X(KVR_func_api_WB_Ctrl_WBSET_END_REQ) \
    X(KVR_func_api_WB_Ctrl_WBSET_SET_REQ) \
    X(KVR_func_api_WB_Ctrl_WBSET_START_REQ) \
    X(KVR_func_api_WB_GetCapability_Start) \
    X(KVR_func_api_WB_GetParam_Start) \
    X(KVR_func_api_WB_Get_ADJ_AB_Sep_Start) \
    X(KVR_func_api_WB_Get_ADJ_AB_Start) \
    X(KVR_func_api_WB_Get_ADJ_GM_Start) \
    X(KVR_func_api_WB_Get_KSet_Start) \
    X(KVR_func_api_WB_Set_ADJ) \
    X(KVR_func_api_WB_Set_ADJ_AB_Sep_Start) \
    X(KVR_func_api_WB_Set_ADJ_AB_Start) \
    X(KVR_func_api_WB_Set_ADJ_GM_Start) \
    X(KVR_func_api_WB_Set_ADJ_Start) \
    X(KVR_func_api_WB_Set_K_Set_Start) \
    X(KVR_func_api_WB_Set_Param_Start) \
    X(KVR_func_api_WB_Set_WSET_Set_Req_Param)

#define KVR_FUNCTIONS(X) \
    KVR_FUNCTIONS_LIBRARY(X) \
    KVR_FUNCTIONS_CONNECTION(X) \
    KVR_FUNCTIONS_DEVICE(X) \
    KVR_FUNCTIONS_STATUS(X) \
    KVR_FUNCTIONS_CAPABILITY(X) \
    KVR_FUNCTIONS_RECORDS(X) \
    KVR_FUNCTIONS_GETTERS(X) \
    KVR_FUNCTIONS_SETTERS(X) \
    KVR_FUNCTIONS_CONTROL(X) \
    KVR_FUNCTIONS_DATA(X)
// clang-format on

#define KVR_DECLARE_FUNCTION(ret, name, params) KVR_API ret name params;
KVR_FUNCTIONS(KVR_DECLARE_FUNCTION)
#undef KVR_DECLARE_FUNCTION

#define KVR_DECLARE_APPLICATION_NAME(name) KVR_API uint8_t name(uint32_t value, KVR_CAM);
KVR_FUNCTIONS_APPLICATION_NAMES(KVR_DECLARE_APPLICATION_NAME)
#undef KVR_DECLARE_APPLICATION_NAME

#endif
