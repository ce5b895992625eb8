#pragma once

#include "WindowRelays.h"

#include <QString>

#include <cstddef>
#include <iterator>

#include "UtilitiesCodes.def"

// Readers of a code row: its key (enumerators) or its code (table entries).
#define KAVRO_ENUM_KEY(key, ...) key,
#define KAVRO_CODE_OF_KEY(key, code) code,
#define KAVRO_PICTURE_CODE_OF_KEY(key, type, frameRate) {type, frameRate},

namespace kavrotether {

// The camera-setting vocabulary and the services the interface calls. The
// services live in files of their own (WindowRelays, MouseCursor,
// ScreenGeometry, PasswordScrambling, MovieQualityBuiltIn); Utilities is the
// face QML sees them through, under the names it has always called.
//
// Every setting has an enumeration whose keys the interface shows in its own
// order; where the camera speaks another language a table maps the key's value
// to the camera's code; such an enumeration's keys and codes are the rows of
// UtilitiesCodes.def. Writers, capability readers and the QML all read the
// same tables through the same bounded lookup, so a value from outside a table
// (the _Unknown and _Max keys included) always becomes the code 0. Every
// enumeration has int as its fixed type, so any number QML passes is a value.
class Utilities : public WindowRelays
{
    Q_OBJECT
public:
    enum Ternary : int { Ternary_Unknown = -1, Ternary_False = 0, Ternary_True = 1 };
    Q_ENUM(Ternary)
    // A yes or no as the three-valued answer the interface takes.
    static constexpr Ternary ternaryOf(bool yes) { return yes ? Ternary_True : Ternary_False; }

    // The vocabulary reads as a table: keys stay packed as they are listed.
    // clang-format off
    enum DialogType : int {
        Unknown_Dialog = -1, PowerSaving_ConfirmationDialog, FirmwareUpdate_ConfirmationDialog,
        Success_NotificationDialog, Failed_NotificationDialog
    };
    Q_ENUM(DialogType)
    enum IconType : int {
        No_Icon = 0, Question_Icon, Warning_Icon, Critical_Icon, Information_Icon
    };
    Q_ENUM(IconType)
    enum RecordingMode : int { RM_Unknown = -1, KAVRO_CODES_RecordingMode(KAVRO_ENUM_KEY) RM_Max };
    Q_ENUM(RecordingMode)
    enum IntelligentAutoMode : int { RM_IA_Unknown = -1, KAVRO_CODES_IntelligentAutoMode(KAVRO_ENUM_KEY) RM_IA_Max };
    Q_ENUM(IntelligentAutoMode)
    enum CreativeVideoAE : int { RM_CV_Unknown = -1, KAVRO_CODES_CreativeVideoAE(KAVRO_ENUM_KEY) RM_CV_Max };
    Q_ENUM(CreativeVideoAE)
    enum PhotoExposure : int { RM_PE_Unknown = -1, KAVRO_CODES_PhotoExposure(KAVRO_ENUM_KEY) RM_PE_Max };
    Q_ENUM(PhotoExposure)
    enum BtnAllCameraStatus : int {
        BtnAllCameraStatus_Unknown = -1, BtnAllCameraStatus_Unchecked, BtnAllCameraStatus_Checked,
        BtnAllCameraStatus_Max
    };
    Q_ENUM(BtnAllCameraStatus)
    enum Custom3Set : int { RM_C3_Unknown = -1, KAVRO_CODES_Custom3Set(KAVRO_ENUM_KEY) RM_C3_Max };
    Q_ENUM(Custom3Set)
    enum CreativeControlFilter : int {
        RM_CC_Unknown = -1, KAVRO_CODES_CreativeControlFilter(KAVRO_ENUM_KEY) RM_CC_Max
    };
    Q_ENUM(CreativeControlFilter)
    enum SceneGuideScene : int {
        RM_SG_Unknown = -1, RM_SG_Beautiful, RM_SG_SkinBeautiful, RM_SG_AgainstSoft,
        RM_SG_AgainstHard, RM_SG_Heartwarming, RM_SG_ChildrenCute, RM_SG_Landscape,
        RM_SG_BlueSkyCool, RM_SG_FantasticSunset, RM_SG_ImpressiveSunset, RM_SG_SparklingWater,
        RM_SG_NightBeatiful, RM_SG_NightCool, RM_SG_NightWarm, RM_SG_NightArtistic,
        RM_SG_Illumination, RM_SG_NightHand, RM_SG_NightBack, RM_SG_Flower, RM_SG_Delicious,
        RM_SG_Sweets, RM_SG_Pet, RM_SG_Sports, RM_SG_Monochrome, RM_SG_Max
    };
    Q_ENUM(SceneGuideScene)
    enum Picture4K6K : int { PQQ_Unknown = -1, KAVRO_CODES_Picture4K6K(KAVRO_ENUM_KEY) PQQ_Max };
    Q_ENUM(Picture4K6K)
    enum DriveMode : int { DM_Unknown = -1, KAVRO_CODES_DriveMode(KAVRO_ENUM_KEY) DM_Max };
    Q_ENUM(DriveMode)
    enum BurstSpeed : int { BS_Unknown = -1, KAVRO_CODES_BurstSpeed(KAVRO_ENUM_KEY) BS_Max };
    Q_ENUM(BurstSpeed)
    enum FocusSelect : int { FS_Unkown = -1, KAVRO_CODES_FocusSelect(KAVRO_ENUM_KEY) FS_Max };
    Q_ENUM(FocusSelect)
    enum SelfTimer : int { SFT_Unkown = -1, KAVRO_CODES_SelfTimer(KAVRO_ENUM_KEY) SFT_Max };
    Q_ENUM(SelfTimer)
    enum SelfTimerCustom : int { SFT_C_Unkown = -1, KAVRO_CODES_SelfTimerCustom(KAVRO_ENUM_KEY) SFT_C_Max };
    Q_ENUM(SelfTimerCustom)
    enum IntervalMode : int { INTM_Unkown = -1, KAVRO_CODES_IntervalMode(KAVRO_ENUM_KEY) INTM_Max };
    Q_ENUM(IntervalMode)
    enum ShutterSpeed : int { SS_Unknown = -1, KAVRO_CODES_ShutterSpeed(KAVRO_ENUM_KEY) SS_Max };
    Q_ENUM(ShutterSpeed)
    enum Iso : int { ISO_Unknown = -1, KAVRO_CODES_Iso(KAVRO_ENUM_KEY) ISO_Max };
    Q_ENUM(Iso)
    enum FocusMode : int { FM_Unknown = -1, KAVRO_CODES_FocusMode(KAVRO_ENUM_KEY) FM_Max };
    Q_ENUM(FocusMode)
    enum AutoFocusMode : int { AFM_Unknown = -1, KAVRO_CODES_AutoFocusMode(KAVRO_ENUM_KEY) AFM_Max };
    Q_ENUM(AutoFocusMode)
    enum CustomMulti : int { CSTM_Unknown = -1, KAVRO_CODES_CustomMulti(KAVRO_ENUM_KEY) CSTM_Max };
    Q_ENUM(CustomMulti)
    enum CursorType : int {
        Ct_Normal = 0, Ct_Pen, Ct_Oneshots, Ct_1point, Ct_255point, Ct_Custom_m, Ct_Face,
        Ct_tracking, Ct_Pinpoint
    };
    Q_ENUM(CursorType)
    enum MeteringMode : int { MM_Unknown = -1, KAVRO_CODES_MeteringMode(KAVRO_ENUM_KEY) MM_Max };
    Q_ENUM(MeteringMode)
    enum ExTelecon : int { EXT_Unknown = -1, KAVRO_CODES_ExTelecon(KAVRO_ENUM_KEY) EXT_Max };
    Q_ENUM(ExTelecon)
    enum PhotoStyle : int { PS_Unknown = -1, KAVRO_CODES_PhotoStyle(KAVRO_ENUM_KEY) PS_Max };
    Q_ENUM(PhotoStyle)
    enum PhotoStyleComp : int {
        PSC_Unknown = -1, PSC_BasePhotoStyle, PSC_Contrast, PSC_Sharpness, PSC_NR, PSC_Saturation,
        PSC_Filter, PSC_ChromaPhase, PSC_Grain, PSC_KneeMode, PSC_ColorTone, PSC_HighLight,
        PSC_Shadow, PSC_ISO, PSC_WB, PSC_DualISO, PSC_ColorNoise, PSC_LUT, PSC_Gain,
        PSC_BasePhotoStyle2, PSC_LUT2, PSC_Density, PSC_Density2, PSC_Max
    };
    Q_ENUM(PhotoStyleComp)
    enum PhotoFilter : int { PF_Unknown = -1, KAVRO_CODES_PhotoFilter(KAVRO_ENUM_KEY) PF_Max };
    Q_ENUM(PhotoFilter)
    enum PhotoGrain : int { PG_Unknown = -1, KAVRO_CODES_PhotoGrain(KAVRO_ENUM_KEY) PG_Max };
    Q_ENUM(PhotoGrain)
    enum PhotoKneeMode : int { PKM_Unknown = -1, KAVRO_CODES_PhotoKneeMode(KAVRO_ENUM_KEY) PKM_Max };
    Q_ENUM(PhotoKneeMode)
    enum Exposure : int { Expo_Unknown = -1, KAVRO_CODES_Exposure(KAVRO_ENUM_KEY) Expo_Max };
    Q_ENUM(Exposure)
    enum RecPreviewMode : int { RecPreviw_Unknown = -1, KAVRO_CODES_RecPreviewMode(KAVRO_ENUM_KEY) RecPreviw_Max };
    Q_ENUM(RecPreviewMode)
    enum AFMFMode : int { AFMFM_Unknown = -1, KAVRO_CODES_AFMFMode(KAVRO_ENUM_KEY) AFMFM_Max };
    Q_ENUM(AFMFMode)
    enum MFAssistMode : int { MFASTM_Unknown = -1, KAVRO_CODES_MFAssistMode(KAVRO_ENUM_KEY) MFASTM_Max };
    Q_ENUM(MFAssistMode)
    enum RecCtrlMFAMode : int {
        RcMfaMode_Unknown = -1, RcMfaMode_Move, RcMfaMode_Zoom, RcMfaMode_Pinp, RcMfaMode_Max
    };
    Q_ENUM(RecCtrlMFAMode)
    enum AFFrameMultiAfPos : int {
        AFFrameMultiAfPos_Unknown = -1, AFFrameMultiAfPos_Min, AFFrameMultiAfPos_Max = 315,
        AFFrameMultiAfPos_Invalid = 65535
    };
    Q_ENUM(AFFrameMultiAfPos)
    enum AFFrameSimpleState : int {
        AFFrameSimpleState_Unknown = -1, AFFrameSimpleState_Off, AFFrameSimpleState_On,
        AFFrameSimpleState_Max
    };
    Q_ENUM(AFFrameSimpleState)
    enum AFFrameMinimumState : int {
        AFFrameMinimumState_Unknown = -1, AFFrameMinimumState_Off, AFFrameMinimumState_On,
        AFFrameMinimumState_Max
    };
    Q_ENUM(AFFrameMinimumState)
    enum AFFrameAssistType : int {
        AFFrameAssistType_Unknown = -1, AFFrameAssistType_MFA, AFFrameAssistType_PPA,
        AFFrameAssistType_PPAF, AFFrameAssistType_AFPS, AFFrameAssistType_LVMAG,
        AFFrameAssistType_Max
    };
    Q_ENUM(AFFrameAssistType)
    enum AssistModeCurrent : int {
        AsModCur_Unknown = -1, AsModCur_Move, AsModCur_Zoom, AsModCur_Pinp, AsModCur_Off = 65535,
        AsModCur_Max
    };
    Q_ENUM(AssistModeCurrent)
    enum PinpointMode : int { PINPM_Unknown = -1, KAVRO_CODES_PinpointMode(KAVRO_ENUM_KEY) PINPM_Max };
    Q_ENUM(PinpointMode)
    enum LVMagMode : int { LVMM_Unknown = -1, KAVRO_CODES_LVMagMode(KAVRO_ENUM_KEY) LVMM_Max };
    Q_ENUM(LVMagMode)
    enum RecCtrlLVMagMode : int {
        RcLVMMode_Unknown = -1, RcLVMMode_Move, RcLVMMode_Zoom, RcLVMMode_Pinp, RcLVMMode_Max
    };
    Q_ENUM(RecCtrlLVMagMode)
    enum RecCtrlLVMagMFAdjust : int {
        RcLVMMFAdjust_Unknown = -1, RcLVMMFAdjust_Stop, RcLVMMFAdjust_Far_Fast,
        RcLVMMFAdjust_Far_Slow, RcLVMMFAdjust_Near_Slow, RcLVMMFAdjust_Near_Fast,
        RcLVMMFAdjust_Max
    };
    Q_ENUM(RecCtrlLVMagMFAdjust)
    enum PinPAspectRatio : int {
        PINPAR_Unknown = -1, PINPAR_Error, PINPAR_4_3, PINPAR_3_2, PINPAR_16_9, PINPAR_1_1,
        PINPAR_Multi, PINPAR_C4K, PINPAR_7_5, PINPAR_3_1, PINPAR_65_24, PINPAR_2_1, PINPAR_5_3,
        PINPAR_2_4_1, PINPAR_Max
    };
    Q_ENUM(PinPAspectRatio)
    enum WhiteBalance : int { WB_Unknown = -1, KAVRO_CODES_WhiteBalance(KAVRO_ENUM_KEY) WB_Max };
    Q_ENUM(WhiteBalance)
    enum PhotoDualISO : int { PD_Unknown = -1, KAVRO_CODES_PhotoDualISO(KAVRO_ENUM_KEY) PD_Max };
    Q_ENUM(PhotoDualISO)
    enum PhotoColorNoise : int { PCN_Unknown = -1, KAVRO_CODES_PhotoColorNoise(KAVRO_ENUM_KEY) PCN_Max };
    Q_ENUM(PhotoColorNoise)
    enum PhotoLUT : int { PLUT_Unknown = -1, KAVRO_CODES_PhotoLUT(KAVRO_ENUM_KEY) PLUT_Max };
    Q_ENUM(PhotoLUT)
    enum WhiteBalanceAdjust : int { WBAdj_Unknown = -1, KAVRO_CODES_WhiteBalanceAdjust(KAVRO_ENUM_KEY) WBAdj_Max };
    Q_ENUM(WhiteBalanceAdjust)
    enum MotionPictureFormat : int { MPF_Unknown = -1, KAVRO_CODES_MotionPictureFormat(KAVRO_ENUM_KEY) MPF_Max };
    Q_ENUM(MotionPictureFormat)
    enum SystemFrequency : int { SFQ_Unknown = -1, KAVRO_CODES_SystemFrequency(KAVRO_ENUM_KEY) SFQ_Max };
    Q_ENUM(SystemFrequency)
    enum FileTarget : int { FLTG_Unknown = -1, KAVRO_CODES_FileTarget(KAVRO_ENUM_KEY) FLTG_Max };
    Q_ENUM(FileTarget)
    enum LiveViewImageQuality : int {
        LvImgQ_Unknown = -1, LvImgQ_Low, LvImgQ_Std, LvImgQ_Fine, LvImgQ_Max
    };
    Q_ENUM(LiveViewImageQuality)
    enum MovieDetailDisplay : int {
        MVDD_Unknown = -1, MVDD_PIXELS, MVDD_FRAME_RATE, MVDD_COMPRESSION_METHOD, MVDD_BIT_RATE,
        MVDD_VFR, MVDD_HLG, MVDD_SQ, MVDD_Max
    };
    Q_ENUM(MovieDetailDisplay)
    enum MovieFrameRate : int {
        MFR_ALL = -1, MFR_Max
    };
    Q_ENUM(MovieFrameRate)
    enum MoviePixel : int {
        MP_6K_3_2_5952_3968 = 0, MP_5_4K_3_2_5376_3584, MP_5_9K_16_9_5888_3312,
        MP_C4K_17_9_4096_2160, MP_4K_16_9_3840_2160, MP_ANAMO6K_52_39_4992_3744,
        MP_ANAMO4K_4_3_3328_2496, MP_QFHD_16_9_3840_2160, MP_FHD_16_9_1920_1080,
        MP_HD_16_9_1280_720, MP_WVGA_4_3_800_480, MP_VGA_4_3_640_480, MP_QVGA_4_3_320_240,
        MP_5K_4_3_4992_3744, MP_5_8K_4_3_5760_4320, MP_5_7K_17_9_5728_3024, MP_4_4K_4_3_4352_3264,
        MP_RAW4K_17_9_4096_2160, MP_RAW3_7K_4_3_3680_2760, MP_RAW3_5K_4_3_3536_2656,
        MP_RAW5_9K_16_9_5888_3312, MP_RAW4K_17_9_4128_2176, MP_RAW5_8K_4_3_5760_4320,
        MP_RAW5_7K_17_9_5728_3024, MP_RAW4_4K_4_3_4352_3264, MP_6K_17_9_5952_3136,
        MP_3_3K_4_3_3328_2496, MP_RAW4_1K_17_9_4128_2176, MP_5_8K_17_9_5776_3056,
        MP_3_8K_3_2_3840_2560, MP_RAW6K_3_2_6000_4000, MP_6K_24_1_1_5952_2512,
        MP_CS4K_24_1_1_4096_1728, MP_8_1K_3_2_8064_5376, MP_8_1K_17_9_8128_4288,
        MP_8K_16_9_7680_4320, MP_7_2K_3_2_7200_4800, MP_4_7K_4_3_4736_3552, MP_5_8K_17_9_5760_3040,
        MP_3_8K_4_3_3840_2880, MP_RAW4_8K_4_3_4800_3600, MP_RAW8_1K_3_2_8128_5418,
        MP_RAW8_1K_17_9_8128_4302, MP_RAW7_2K_3_2_7232_4820, MP_RAW4_8K_4_3_4752_3568,
        MP_5_1K_3_2_5088_3392, MP_4_8K_4_3_4800_3600, MP_6_4K_3_2_6432_4288, MP_ALL = 65535,
        MP_Max
    };
    Q_ENUM(MoviePixel)
    enum MovieCompressMethod : int {
        MCPM_Unknown = -1, MCPM_422, MCPM_420, MCPM_10bit, MCPM_8bit, MCPM_LongGOP, MCPM_ALL_I,
        MCPM_RAW, MCPM_16bit, MCPM_RAWHQ, MCPM_422HQ, MCPM_ALL = 65535, MCPM_Max
    };
    Q_ENUM(MovieCompressMethod)
    enum MovieBitRate : int {
        MBR_ALL = 65535, MBR_Max
    };
    Q_ENUM(MovieBitRate)
    enum MovieVFR : int {
        MVFR_IMPOSSIBLE = 0, MVFR_POSSIBLE, MVFR_ALL = 65535, MVFR_Max
    };
    Q_ENUM(MovieVFR)
    enum MovieHLG : int {
        MHLG_IMPOSSIBLE = 0, MHLG_POSSIBLE, MHLG_HDMI_ONLY_POSSIBLE, MHLG_ALL = 65535, MHLG_Max
    };
    Q_ENUM(MovieHLG)
    enum MovieSQ : int {
        MSQ_IMPOSSIBLE = 0, MSQ_POSSIBLE, MSQ_Max
    };
    Q_ENUM(MovieSQ)
    enum MovieSSD : int {
        MSSD_IMPOSSIBLE = 0, MSSD_POSSIBLE, MSSD_NOTSUPPORT, MSSD_Max
    };
    Q_ENUM(MovieSSD)
    enum MovieSD : int {
        MSD_IMPOSSIBLE = 0, MSD_POSSIBLE, MSD_NOTSUPPORT, MSD_Max
    };
    Q_ENUM(MovieSD)
    enum MovieCFExpress : int {
        MCFEXP_IMPOSSIBLE = 0, MCFEXP_POSSIBLE, MCFEXP_NOTSUPPORT, MCFEXP_Max
    };
    Q_ENUM(MovieCFExpress)
    enum MovieFilterCtrl : int {
        MFC_Unknown = -1, MFC_SUBMIT, MFC_CANCEL, MFC_Max
    };
    Q_ENUM(MovieFilterCtrl)
    enum WhiteBalanceKSet : int { WBK_Unknown = -1, KAVRO_CODES_WhiteBalanceKSet(KAVRO_ENUM_KEY) WBK_Max };
    Q_ENUM(WhiteBalanceKSet)
    enum ImgInfoSize : int { ImgInfoS_Unknown = -1, KAVRO_CODES_ImgInfoSize(KAVRO_ENUM_KEY) ImgInfoS_Max };
    Q_ENUM(ImgInfoSize)
    enum ImgInfoQuality : int { ImgInfoQ_Unknown = -1, KAVRO_CODES_ImgInfoQuality(KAVRO_ENUM_KEY) ImgInfoQ_Max };
    Q_ENUM(ImgInfoQuality)
    enum ImgInfoAspect : int { ImgInfoA_Unknown = -1, KAVRO_CODES_ImgInfoAspect(KAVRO_ENUM_KEY) ImgInfoA_Max };
    Q_ENUM(ImgInfoAspect)
    enum ImgInfoFormat : int { ImgInfoF_Unknown = -1, KAVRO_CODES_ImgInfoFormat(KAVRO_ENUM_KEY) ImgInfoF_Max };
    Q_ENUM(ImgInfoFormat)
    enum ImgInfoJpegHeifMode : int {
        ImgInfoJHM_Unknown = -1, KAVRO_CODES_ImgInfoJpegHeifMode(KAVRO_ENUM_KEY) ImgInfoJHM_Max
    };
    Q_ENUM(ImgInfoJpegHeifMode)
    enum ImgInfoJpegHeifQuality : int {
        ImgInfoJHQ_Unknown = -1, KAVRO_CODES_ImgInfoJpegHeifQuality(KAVRO_ENUM_KEY) ImgInfoJHQ_Max
    };
    Q_ENUM(ImgInfoJpegHeifQuality)
    enum FlashDimmer : int { FlshDim_Unknown = -1, KAVRO_CODES_FlashDimmer(KAVRO_ENUM_KEY) FlshDim_Max };
    Q_ENUM(FlashDimmer)
    enum FlashMode : int { FlshM_Unknown = -1, KAVRO_CODES_FlashMode(KAVRO_ENUM_KEY) FlshM_Max };
    Q_ENUM(FlashMode)
    enum FlashSync : int { FlshS_Unknown = -1, KAVRO_CODES_FlashSync(KAVRO_ENUM_KEY) FlshS_Max };
    Q_ENUM(FlashSync)
    enum FlashAdjust : int { FlshAdj_Unknown = -1, KAVRO_CODES_FlashAdjust(KAVRO_ENUM_KEY) FlshAdj_Max };
    Q_ENUM(FlashAdjust)
    enum FlashManual : int { FlshManual_Unknown = -1, KAVRO_CODES_FlashManual(KAVRO_ENUM_KEY) FlshManual_Max };
    Q_ENUM(FlashManual)
    enum ExposureLink : int { ExpL_Unknown = -1, KAVRO_CODES_ExposureLink(KAVRO_ENUM_KEY) ExpL_Max };
    Q_ENUM(ExposureLink)
    enum WirelessMode : int { WirM_Unknown = -1, KAVRO_CODES_WirelessMode(KAVRO_ENUM_KEY) WirM_Max };
    Q_ENUM(WirelessMode)
    enum WirelessChannel : int { WirC_Unknown = -1, KAVRO_CODES_WirelessChannel(KAVRO_ENUM_KEY) WirC_Max };
    Q_ENUM(WirelessChannel)
    enum WirelessFP : int { WirFP_Unknown = -1, KAVRO_CODES_WirelessFP(KAVRO_ENUM_KEY) WirFP_Max };
    Q_ENUM(WirelessFP)
    enum WirelessComPower : int { WirCP_Unknown = -1, KAVRO_CODES_WirelessComPower(KAVRO_ENUM_KEY) WirCP_Max };
    Q_ENUM(WirelessComPower)
    enum BuildInFlashDimmer : int { BIFD_Unknown = -1, KAVRO_CODES_BuildInFlashDimmer(KAVRO_ENUM_KEY) BIFD_Max };
    Q_ENUM(BuildInFlashDimmer)
    enum GroupFlashDimmer : int { GFD_Unknown = -1, KAVRO_CODES_GroupFlashDimmer(KAVRO_ENUM_KEY) GFD_Max };
    Q_ENUM(GroupFlashDimmer)
    enum GroupFlashTarget : int { GFT_Unknown = -1, KAVRO_CODES_GroupFlashTarget(KAVRO_ENUM_KEY) GFT_Max };
    Q_ENUM(GroupFlashTarget)
    enum UsbMode : int { UsbMode_NotDefined = -1, KAVRO_CODES_UsbMode(KAVRO_ENUM_KEY) UsbMode_Max };
    Q_ENUM(UsbMode)
    enum CameraStatus : int {
        CamStatus_Unknown = -1, CamStatus_Standby, CamStatus_MovRec_4k, CamStatus_MovRec_Others,
        CamStatus_Playing, CamStatus_Processing, CamStatus_Noise_Reduction,
        CamStatus_Menu_Displayed, CamStatus_IP_LiveStreaming, CamStatus_RemoteRec,
        CamStatus_MovRemoteRec, CamStatus_LiveStreamingRemoteRec, CamStatus_RemoteRecRawHDMI,
        CamStatus_Max
    };
    Q_ENUM(CameraStatus)
    enum AfAeDispStatus : int {
        AfAeDispStatus_Unknown = -1, AfAeDispStatus_Hide, AfAeDispStatus_Show, AfAeDispStatus_Max
    };
    Q_ENUM(AfAeDispStatus)
    enum AfcStartPosStatus : int {
        AfcStartPosStatus_Unknown = -1, AfcStartPosStatus_OFF, AfcStartPosStatus_ON,
        AfcStartPosStatus_Max
    };
    Q_ENUM(AfcStartPosStatus)
    enum AFInfoStatus : int {
        AfInfoStatus_OK = 0, AfInfoStatus_OK_NoDisp, AfInfoStatus_NotAf, AfInfoStatus_Cancel,
        AfInfoStatus_LowRight, AfInfoStatus_StrRight, AfInfoStatus_InProgress = 65534,
        AfInfoStatus_Unfocused, AfInfoStatus_Max
    };
    Q_ENUM(AFInfoStatus)
    enum AFInfoDispFrame : int {
        AfInfoDispFrame_Not = 0, AfInfoDispFrame_Green, AfInfoDispFrame_Red,
        AfInfoDispFrame_Green_Big, AfInfoDispFrame_Red_Big, AfInfoDispFrame_Spot,
        AfInfoDispFrame_White, AfInfoDispFrame_Star, AfInfoDispFrame_Max
    };
    Q_ENUM(AFInfoDispFrame)
    enum AFInfoPDAFInfo : int {
        AfInfoPDAFInfo_OFF = 0, AfInfoPDAFInfo_ON, AfInfoPDAFInfo_Max
    };
    Q_ENUM(AFInfoPDAFInfo)
    enum LvInfoPosture : int {
        LvInfoPosture_Unknown = -1, LvInfoPosture_0, LvInfoPosture_90, LvInfoPosture_180,
        LvInfoPosture_270, LvInfoPosture_Max
    };
    Q_ENUM(LvInfoPosture)
    enum ObjInfoAssociatType : int {
        ObjInfoAssType_Unknown = -1, ObjInfoAssType_Main, ObjInfoAssType_Sub, ObjInfoAssType_Max
    };
    Q_ENUM(ObjInfoAssociatType)
    enum LvShootingStatus : int {
        LCST_Unknown = -1, LCST_INACTIVE, LCST_PREPARE, LCST_STANDBY, LCST_SHOOTING,
        LCST_COMBINING, LCST_Max
    };
    Q_ENUM(LvShootingStatus)
    enum PtpipConnectType : int {
        PtpipConnType_Usb = 0, PtpipConnType_Lan, PtpipConnType_Max
    };
    Q_ENUM(PtpipConnectType)
    enum ConnectDevType : int {
        ConnectDevType_Remote_STD = 0, ConnectDevType_Remote_Classic,
        ConnectDevType_Remote_Other_1, ConnectDevType_Max
    };
    Q_ENUM(ConnectDevType)
    enum CameraIDList : int {
        CameraID_SELECTED = 65534, CameraID_ALL, CameraID_Max = 12
    };
    Q_ENUM(CameraIDList)
    enum CameraConnectStatus : int {
        CamConnectSts_Unknown = -1, CamConnectSts_Connecting, CamConnectSts_GetData,
        CamConnectSts_Success, CamConnectSts_Error, CamConnectSts_GetDataBackground,
        CamConnectSts_SuccessBackground
    };
    Q_ENUM(CameraConnectStatus)
    enum PowerSavingTetherMode : int {
        PwTether_Unknown = -1, KAVRO_CODES_PowerSavingTetherMode(KAVRO_ENUM_KEY) PwTether_Max
    };
    Q_ENUM(PowerSavingTetherMode)
    enum SSGain : int { SSGain_Unknown = -1, KAVRO_CODES_SSGain(KAVRO_ENUM_KEY) SSGain_Max };
    Q_ENUM(SSGain)
    enum CameraSettingFile : int {
        CameraSettingFile_Unknown = -1, CameraSettingFile_Save, CameraSettingFile_Restore
    };
    Q_ENUM(CameraSettingFile)
    enum CameraSettingStatus : int {
        CST_Unknown = -1, CST_Success, CST_Cancel
    };
    Q_ENUM(CameraSettingStatus)
    enum PtpIpPasswordMode : int {
        PWM_UNKNOWN = 0, PWM_AUTHENTICATION, PWM_CHANGE, PWM_REGISTRATION
    };
    Q_ENUM(PtpIpPasswordMode)
    enum PtpIpPasswordError : int {
        PWE_OK = 0, PWE_OTHERS, PWE_PW_UNSET, PWE_PW_AUTH
    };
    Q_ENUM(PtpIpPasswordError)
    enum AutoRecognizeAnimal : int {
        AR_ANIMAL_Unknown = -1, KAVRO_CODES_AutoRecognizeAnimal(KAVRO_ENUM_KEY) AR_ANIMAL_MAX
    };
    Q_ENUM(AutoRecognizeAnimal)
    enum AutoRecognizeGeneral : int {
        AR_GENERAL_Unknown = -1, KAVRO_CODES_AutoRecognizeGeneral(KAVRO_ENUM_KEY) AR_GENERAL_MAX
    };
    Q_ENUM(AutoRecognizeGeneral)
    enum AutoRecognizeParts : int {
        AR_PARTS_Unknown = -1, KAVRO_CODES_AutoRecognizeParts(KAVRO_ENUM_KEY) AR_PARTS_MAX
    };
    Q_ENUM(AutoRecognizeParts)
    enum HDMI_SDI_Status : int {
        HDMI_SDI_Status_Unknown = -1, KAVRO_CODES_HDMI_SDI_Status(KAVRO_ENUM_KEY) HDMI_SDI_Status_MAX
    };
    Q_ENUM(HDMI_SDI_Status)
    enum Shot_Mode_Status : int {
        Shot_Mode_Status_Unknown = -1, KAVRO_CODES_Shot_Mode_Status(KAVRO_ENUM_KEY) Shot_Mode_Status_MAX
    };
    Q_ENUM(Shot_Mode_Status)
    enum TetherModeDisableStatus : int {
        TETHERMODE_Enable = 0, TETHERMODE_Rec, TETHERMODE_Copy, TETHERMODE_NOT_SUPPORT = 4
    };
    Q_ENUM(TetherModeDisableStatus)
    enum AutomaticReco : int { AutoReco_Unknown = -1, KAVRO_CODES_AutomaticReco(KAVRO_ENUM_KEY) AutoReco_MAX };
    Q_ENUM(AutomaticReco)
    enum ZoomDir : int {
        ZOOM_DIR_WIDE = 0, ZOOM_DIR_TELE
    };
    Q_ENUM(ZoomDir)
    enum ZoomSpeed : int {
        ZOOM_SPEED_OFF = 0, ZOOM_SPEED_LOW, ZOOM_SPEED_HIGH, ZOOM_SPEED_MID, ZOOM_SPEED_LOWER,
        ZOOM_SPEED_HIGHER
    };
    Q_ENUM(ZoomSpeed)
    enum ZoomPosType : int {
        ZOOM_POSTYPE_RELATIVE = 0, ZOOM_POSTYPE_ABSOLUTE
    };
    Q_ENUM(ZoomPosType)
    enum AspectRatio : int {
        AR_Unknown = -1, AR_4_3, AR_3_2, AR_16_9, AR_1_1, AR_17_9, AR_7_5, AR_3_1, AR_65_24,
        AR_2_1, AR_Max
    };
    Q_ENUM(AspectRatio)
    enum AFFramesMax : int {
        AFFMax_Unknown = -1, AFFMax_225, AFFMax_315, AFFMax_49, AFFMax_23, AFFMax_Max
    };
    Q_ENUM(AFFramesMax)
    enum AFFrameColor : int {
        AF_FrameColor_White = 0, AF_FrameColor_LightBlue, AF_FrameColor_Blue, AF_FrameColor_Yellow,
        AF_FrameColor_Orange, AF_FrameColor_LightGreen, AF_FrameColor_Green, AF_FrameColor_Pink,
        AF_FrameColor_Red, AF_FrameColor_Gray, AF_FrameColor_Max
    };
    Q_ENUM(AFFrameColor)
    // clang-format on

    // The 6K/4K photo mode as the camera takes it: the kind of burst
    // (2 burst, 3 burst held by the shutter, 1 pre-burst) and the frame rate
    // (2 for 6K 30p, 1 for 4K 60p, 0 for 4K 30p).
    struct Picture4K6KCode
    {
        quint16 type;
        quint16 frameRate;
    };

    struct MoviePixelInfo
    {
        quint32 width;
        quint32 height;
        quint32 aspectRatio; // an AspectRatio value
    };

    // Layout of the SDK's movie-quality record that GetMovieQualityBuiltInData fills.
    static constexpr std::size_t MovieQualityRecordHeader = 4;
    static constexpr std::size_t MovieQualityRecordEntrySize = 24;

    // One code per key between _Unknown and _Max, in the keys' order.
#define KAVRO_DECLARE_CODE_TABLE(Enum, table, lookup, Result) \
    static constexpr quint64 table[] = {KAVRO_CODES_##Enum(KAVRO_CODE_OF_KEY)};
    KAVRO_CODED_ENUMERATIONS(KAVRO_DECLARE_CODE_TABLE)
#undef KAVRO_DECLARE_CODE_TABLE
    static constexpr Picture4K6KCode arrPicture4K6KVal[] = {KAVRO_CODES_Picture4K6K(KAVRO_PICTURE_CODE_OF_KEY)};

    static constexpr MoviePixelInfo moviePixelInfo[] = {
        {5952, 3968, AR_3_2},  {5376, 3584, AR_3_2},  {5888, 3312, AR_16_9}, {4096, 2160, AR_17_9},
        {3840, 2160, AR_16_9}, {4992, 3744, AR_4_3},  {3328, 2496, AR_4_3},  {3840, 2160, AR_16_9},
        {1920, 1080, AR_16_9}, {1280, 720, AR_16_9},  {800, 480, AR_4_3},    {640, 480, AR_4_3},
        {320, 240, AR_4_3},    {4992, 3744, AR_4_3},  {5760, 4320, AR_4_3},  {5728, 3024, AR_17_9},
        {4352, 3264, AR_4_3},  {4096, 2160, AR_17_9}, {3680, 2760, AR_4_3},  {3536, 2656, AR_4_3},
        {5888, 3312, AR_16_9}, {4128, 2176, AR_17_9}, {5760, 4320, AR_4_3},  {5728, 3024, AR_17_9},
        {4352, 3264, AR_4_3},  {5952, 3136, AR_17_9}};

    // The lookup rule of every table: the value read as unsigned 32 bits
    // selects an entry when it lies inside the table, anything else gives 0.
    template<typename T, std::size_t N>
    static constexpr T codeAt(const T (&table)[N], int value)
    {
        return quint32(value) < N ? table[quint32(value)] : T{};
    }

    // The camera code of a key, as QML asks for it; a narrower result keeps the
    // code's low bytes.
#define KAVRO_DECLARE_LOOKUP(Enum, table, lookup, Result) \
    Q_INVOKABLE static Result lookup(kavrotether::Utilities::Enum value) \
    { \
        return Result(codeAt(table, value)); \
    }
    KAVRO_CODED_ENUMERATIONS(KAVRO_DECLARE_LOOKUP)
#undef KAVRO_DECLARE_LOOKUP
    Q_INVOKABLE static quint16 enumPicture4K6KToType(kavrotether::Utilities::Picture4K6K value)
    {
        return codeAt(arrPicture4K6KVal, value).type;
    }
    Q_INVOKABLE static quint16 enumPicture4K6KToFps(kavrotether::Utilities::Picture4K6K value)
    {
        return codeAt(arrPicture4K6KVal, value).frameRate;
    }
    // The second photo LUT takes the same codes as the first.
    Q_INVOKABLE static quint64 enumPhotoLUT2ToVal(kavrotether::Utilities::PhotoLUT value)
    {
        return codeAt(arrPhotoLUTVal, value);
    }

    // Frame-rate codes: bit 31 set for progressive, the low 28 bits are
    // hundredths of a frame per second.
    Q_INVOKABLE static uint movieFrameRateToVal(uint code, bool isScanning)
    {
        return isScanning ? ((code & 0x80000000u) ? 1u : 0u) : (code & 0x0FFFFFFFu);
    }
    Q_INVOKABLE static uint movieFrameRateToVal(uint code)
    {
        return code & 0x0FFFFFFFu;
    }

    // Compression-method codes: colour in bits 12-15, bit depth in bits 8-11,
    // method in bits 4-7.
    Q_INVOKABLE static QString movieCompressionMethodToStr(ushort code);
    Q_INVOKABLE static ushort movieCompressionMethodToStrMethod(ushort code)
    {
        return (code >> 4) & 0xF;
    }
    Q_INVOKABLE static ushort movieCompressionMethodToStrBits(ushort code)
    {
        return (code >> 8) & 0xF;
    }
    Q_INVOKABLE static ushort movieCompressionMethodToStrColor(ushort code)
    {
        return (code >> 12) & 0xF;
    }

    Q_INVOKABLE static kavrotether::Utilities::AspectRatio getAspectRatioFromMoviePixel(
        kavrotether::Utilities::MoviePixel value)
    {
        return quint32(value) < std::size(moviePixelInfo) ? AspectRatio(moviePixelInfo[quint32(value)].aspectRatio)
                                                          : AR_Unknown;
    }

    explicit Utilities(QObject *parent = nullptr);
    ~Utilities() override;

    Q_INVOKABLE void setHoldingShutterFlg(bool flg)
    {
        m_holdingShutter = flg;
    }
    Q_INVOKABLE bool getHoldingShutterFlg() const
    {
        return m_holdingShutter;
    }

    Q_INVOKABLE static QString qUrlToLocalFile(const QString &strUrl);
    Q_INVOKABLE static QString qUrlToLocalFileWithoutNative(const QString &strUrl);
    Q_INVOKABLE static bool validateUrl(const QString &strUrl);
    Q_INVOKABLE static bool validateFolderName(const QString &folderName);
    // The signal by which `object` announces a change of `property` (its
    // NOTIFY), empty when it has no such property or signal. QML connects by
    // this name: some properties notify by a signal named otherwise than
    // "<property>Changed".
    Q_INVOKABLE static QString notifySignalOf(QObject *object, const QString &property);
    // ---- preferences ----
    // A picture folder the user typed: an absolute path that names a folder
    // that takes a file, or that could be created under the nearest folder
    // that exists and takes one; links on the way are followed as the system
    // follows them (a ".." after a link goes up from where it leads) and must
    // lead to a folder. Only a probe file is made and removed again; the
    // transfer makes the folder, under the same path, when it is used.
    Q_INVOKABLE static bool isUsableStorageFolder(const QString &path);
    // ---- end preferences ----

    // See mousecursor::apply.
    Q_INVOKABLE static void setMouseCursor(kavrotether::Utilities::CursorType cursortype);

    Q_INVOKABLE static void loadImageViewer(const QString &imgViewerUrl, const QString &argu);
    Q_INVOKABLE static bool openEula();
    Q_INVOKABLE static bool openManual();

    Q_INVOKABLE static QString get_APPLICATION_VERSION_NAME_STRING()
    {
        return QStringLiteral("2.12");
    }
    Q_INVOKABLE static QString get_APPLICATION_VERSION_STRING()
    {
        return QStringLiteral("2.12.0.5");
    }
    // The interface's macOS branches are the live ones on every platform.
    Q_INVOKABLE bool isMac() const
    {
        return true;
    }
    Q_INVOKABLE static bool isDebugMode()
    {
        return false;
    }
    Q_INVOKABLE static int get_SDK_API_DEBUG()
    {
        return 0;
    }

    Q_INVOKABLE quint16 getLanguageType() const
    {
        return m_language;
    }
    void setLanguageType(quint16 language)
    {
        m_language = language;
    }
    Q_INVOKABLE QString getFontFamily() const
    {
        return m_fontFamily;
    }
    Q_INVOKABLE void setFontFamily(const QString &str)
    {
        m_fontFamily = str;
    }
    Q_INVOKABLE bool isScaling() const
    {
        return m_scaling;
    }

    // The interface shows its own message boxes; these only tell the camera
    // side that a message came and went.
    Q_INVOKABLE static void warningMessage(const QString &arg);
    Q_INVOKABLE static void warningMessage2(const QString &arg);
    Q_INVOKABLE static void criticalMessage(const QString &title, const QString &arg);
    Q_INVOKABLE static void informationMessage(const QString &title, const QString &arg);
    Q_INVOKABLE static void closeMessage(const QString &) {}

    // The QML uses its own file dialogs.
    Q_INVOKABLE static QString selectFolder()
    {
        return QString();
    }
    Q_INVOKABLE static QString selectFileOverLay()
    {
        return QString();
    }
    Q_INVOKABLE static void selectFolderOpen() {}
    Q_INVOKABLE static void selectFolderClose() {}
    Q_INVOKABLE static kavrotether::Utilities::CameraSettingStatus selectCameraSetting(
        const QString &, kavrotether::Utilities::CameraSettingFile)
    {
        return CST_Unknown;
    }

    // Geometry of the screen whose top-left corner is (posX, posY), else of the first screen.
    Q_INVOKABLE static int availableDesktopX(int posX, int posY);
    Q_INVOKABLE static int availableDesktopY(int posX, int posY);
    Q_INVOKABLE static int availableDesktopWidth(int posX, int posY);
    Q_INVOKABLE static int availableDesktopHeight(int posX, int posY);
    Q_INVOKABLE static int desktopX(int posX, int posY);
    Q_INVOKABLE static int desktopY(int posX, int posY);
    Q_INVOKABLE static int desktopWidth(int posX, int posY);
    Q_INVOKABLE static int desktopHeight(int posX, int posY);

    // Password scrambling, see PasswordScrambling.h.
    static bool encryptData(const uchar *pBase, uchar *pEncrypted, ulong size, const uchar *pKey);
    Q_INVOKABLE static QString getEncryptedData(const QString &data, ulong key);
    // A 64-bit integer type QML knows as a number: an unsigned long would reach
    // a script as an opaque value.
    Q_INVOKABLE static quint64 getEncryptionKeyFromString(const QString &key, int length);

    // Fills an SDK movie-quality record (an unsigned 16-bit count, then 24-byte
    // entries from byte 4 + 2) from the built-in list of the frequency. With
    // exactRates false an entry's nominal rate, where it has one, replaces the
    // exact one. Only as many entries as fit in recordSize bytes are written.
    static void GetMovieQualityBuiltInData(void *record, std::size_t recordSize,
                                           kavrotether::Utilities::SystemFrequency frequency, bool exactRates);
    template<typename Record>
    static void GetMovieQualityBuiltInData(Record *record, kavrotether::Utilities::SystemFrequency frequency,
                                           bool exactRates)
    {
        GetMovieQualityBuiltInData(static_cast<void *>(record), sizeof(Record), frequency, exactRates);
    }

private:
    quint16 m_language = 0;
    bool m_holdingShutter = false;
    QString m_fontFamily;
    bool m_scaling = false;
};

// moviePixelInfo has one entry per MoviePixel key up to MP_6K_17_9_5952_3136.
static_assert(std::size(Utilities::moviePixelInfo) == Utilities::MP_6K_17_9_5952_3136 + 1);

} // namespace kavrotether
