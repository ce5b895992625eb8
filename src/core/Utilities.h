#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <iterator>

namespace kavrotether {

// The camera-setting vocabulary and the services the interface calls.
//
// Every setting has an enumeration whose keys the interface shows in its own
// order; where the camera speaks another language a table maps the key's value
// to the camera's code. Writers, capability readers and the QML all read the
// same tables through the same bounded lookup, so a value from outside a table
// (the _Unknown and _Max keys included) always becomes the code 0.
class Utilities : public QObject
{
    Q_OBJECT
public:
    enum Ternary { Ternary_Unknown = -1, Ternary_False = 0, Ternary_True = 1 };
    Q_ENUM(Ternary)

    enum DialogType {
        Unknown_Dialog = -1, PowerSaving_ConfirmationDialog, FirmwareUpdate_ConfirmationDialog,
        Success_NotificationDialog, Failed_NotificationDialog
    };
    Q_ENUM(DialogType)
    enum IconType {
        No_Icon = 0, Question_Icon, Warning_Icon, Critical_Icon, Information_Icon
    };
    Q_ENUM(IconType)
    enum RecordingMode {
        RM_Unknown = -1, RM_IntelligentAuto, RM_ProgramAE, RM_AperturePriorityAE,
        RM_ShutterPriorityAE, RM_ManualExposure, RM_CreativeVideo, RM_Custom1, RM_Custom2,
        RM_Custom3, RM_CreativeControl, RM_SQMotion, RM_Custom4, RM_Custom5, RM_Custom6,
        RM_Custom7, RM_Custom8, RM_Custom9, RM_Custom10, RM_Custom11, RM_Custom12, RM_Max
    };
    Q_ENUM(RecordingMode)
    enum IntelligentAutoMode {
        RM_IA_Unknown = -1, RM_IA_IntelligentAuto, RM_IA_IntelligentAutoPlus, RM_IA_Max
    };
    Q_ENUM(IntelligentAutoMode)
    enum CreativeVideoAE {
        RM_CV_Unknown = -1, RM_CV_ProgramAE, RM_CV_AperturePriorityAE, RM_CV_ShutterPriorityAE,
        RM_CV_ManualExposure, RM_CV_Dial, RM_CV_Max
    };
    Q_ENUM(CreativeVideoAE)
    enum PhotoExposure {
        RM_PE_Unknown = -1, RM_PE_ProgramAE, RM_PE_AperturePriorityAE, RM_PE_ShutterPriorityAE,
        RM_PE_ManualExposure, RM_PE_Dial, RM_PE_Max
    };
    Q_ENUM(PhotoExposure)
    enum BtnAllCameraStatus {
        BtnAllCameraStatus_Unknown = -1, BtnAllCameraStatus_Unchecked, BtnAllCameraStatus_Checked,
        BtnAllCameraStatus_Max
    };
    Q_ENUM(BtnAllCameraStatus)
    enum Custom3Set {
        RM_C3_Unknown = -1, RM_C3_SetOFF, RM_C3_Set1, RM_C3_Set2, RM_C3_Set3, RM_C3_Set4,
        RM_C3_Set5, RM_C3_Set6, RM_C3_Set7, RM_C3_Set8, RM_C3_Set9, RM_C3_Set10, RM_C3_Max
    };
    Q_ENUM(Custom3Set)
    enum CreativeControlFilter {
        RM_CC_Unknown = -1, RM_CC_Pop, RM_CC_Retro, RM_CC_OldDays, RM_CC_HighKey, RM_CC_LowKey,
        RM_CC_Sepia, RM_CC_Monochrome, RM_CC_DynamicMonochrome, RM_CC_RoughMonochrome,
        RM_CC_SilkyMonochrome, RM_CC_ImpressiveArt, RM_CC_HighDynamic, RM_CC_CrossProcess,
        RM_CC_ToyPhoto, RM_CC_ToyPop, RM_CC_BleachBypass, RM_CC_Diorama, RM_CC_SoftFocus,
        RM_CC_Fantasy, RM_CC_CrossFilter, RM_CC_OnePointColor, RM_CC_Sunshine, RM_CC_Max
    };
    Q_ENUM(CreativeControlFilter)
    enum SceneGuideScene {
        RM_SG_Unknown = -1, RM_SG_Beautiful, RM_SG_SkinBeautiful, RM_SG_AgainstSoft,
        RM_SG_AgainstHard, RM_SG_Heartwarming, RM_SG_ChildrenCute, RM_SG_Landscape,
        RM_SG_BlueSkyCool, RM_SG_FantasticSunset, RM_SG_ImpressiveSunset, RM_SG_SparklingWater,
        RM_SG_NightBeatiful, RM_SG_NightCool, RM_SG_NightWarm, RM_SG_NightArtistic,
        RM_SG_Illumination, RM_SG_NightHand, RM_SG_NightBack, RM_SG_Flower, RM_SG_Delicious,
        RM_SG_Sweets, RM_SG_Pet, RM_SG_Sports, RM_SG_Monochrome, RM_SG_Max
    };
    Q_ENUM(SceneGuideScene)
    enum Picture4K6K {
        PQQ_Unknown = -1, PQQ_6K_30p_Burst, PQQ_6K_30p_Burst_SS, PQQ_6K_30p_PreBurst,
        PQQ_4K_60p_Burst, PQQ_4K_60p_Burst_SS, PQQ_4K_60p_PreBurst, PQQ_4K_30p_Burst,
        PQQ_4K_30p_Burst_SS, PQQ_4K_30p_PreBurst, PQQ_Max
    };
    Q_ENUM(Picture4K6K)
    enum DriveMode {
        DM_Unknown = -1, DM_Single, DM_Burst, DM_Bracket, DM_SelfTimer, DM_Interval, DM_4K6K,
        DM_Focus, DM_Burst1, DM_Burst2, DM_HRS, DM_HANDHELD_HRS, DM_Komadori, DM_Max
    };
    Q_ENUM(DriveMode)
    enum BurstSpeed {
        BS_Unknown = -1, BS_HighSpeed, BS_HighSpeedLiveView, BS_MiddleSpeedLiveView,
        BS_LowSpeedLiveView, BS_Mid, BS_Low, BS_EleFast, BS_EleFastLiveView, BS_EleFast2,
        BS_EleFastLiveView2, BS_EleFastPre, BS_EleFastPreLiveView, BS_EleFastPre2,
        BS_EleFastPreLiveView2, BS_6K4K, BS_EleFast3, BS_EleFastLiveView3, BS_EleFastPre3,
        BS_EleFastPreLiveView3, BS_EleFast20, BS_EleFastLiveView20, BS_EleFastPre20,
        BS_EleFastPreLiveView20, BS_EleFast60, BS_EleFastLiveView60, BS_EleFastPre60,
        BS_EleFastPreLiveView60, BS_EleFast75, BS_EleFastLiveView75, BS_EleFastPre75,
        BS_EleFastPreLiveView75, BS_EleFastSH, BS_EleFastLiveViewSH, BS_EleFastPreSH,
        BS_EleFastLiveViewPreSH, BS_HighSpeedPlus, BS_HighSpeedPlusLiveView, BS_EleFast30,
        BS_EleFastLiveView30, BS_EleFastPre30, BS_EleFastPreLiveView30, BS_EleFast70,
        BS_EleFastLiveView70, BS_EleFastPre70, BS_EleFastPreLiveView70, BS_EleFast40,
        BS_EleFastLiveView40, BS_EleFastPre40, BS_EleFastPreLiveView40, BS_Max
    };
    Q_ENUM(BurstSpeed)
    enum FocusSelect {
        FS_Unkown = -1, FS_6K_18M, FS_4K_8M, FS_Max
    };
    Q_ENUM(FocusSelect)
    enum SelfTimer {
        SFT_Unkown = -1, SFT_10s, SFT_10s_3, SFT_2s, SFT_Custom, SFT_Max
    };
    Q_ENUM(SelfTimer)
    enum SelfTimerCustom {
        SFT_C_Unkown = -1, SFT_C_2s, SFT_C_3s, SFT_C_4s, SFT_C_5s, SFT_C_6s, SFT_C_7s, SFT_C_8s,
        SFT_C_9s, SFT_C_10s, SFT_C_Max
    };
    Q_ENUM(SelfTimerCustom)
    enum IntervalMode {
        INTM_Unkown = -1, INTM_Interval, INTM_Komadori, INTM_Max
    };
    Q_ENUM(IntervalMode)
    enum ShutterSpeed {
        SS_Unknown = -1, SS_Bulb, SS_Time, SS_Sec_60, SS_Sec_50, SS_Sec_40, SS_Sec_30, SS_Sec_25,
        SS_Sec_20, SS_Sec_15, SS_Sec_13, SS_Sec_10, SS_Sec_8, SS_Sec_6, SS_Sec_5, SS_Sec_4,
        SS_Sec_3_2, SS_Sec_2_5, SS_Sec_2, SS_Sec_1_6, SS_Sec_1_3, SS_Sec_1, SS_1_3, SS_1_6, SS_2,
        SS_2_5, SS_3_2, SS_4, SS_5, SS_6, SS_8, SS_10, SS_13, SS_15, SS_20, SS_25, SS_30, SS_40,
        SS_50, SS_60, SS_80, SS_100, SS_125, SS_160, SS_200, SS_250, SS_320, SS_400, SS_500,
        SS_640, SS_800, SS_1000, SS_1300, SS_1600, SS_2000, SS_2500, SS_3200, SS_4000, SS_5000,
        SS_6400, SS_8000, SS_10000, SS_13000, SS_16000, SS_20000, SS_25000, SS_32000, SS_40000,
        SS_50000, SS_51200, SS_64000, SS_Max
    };
    Q_ENUM(ShutterSpeed)
    enum Iso {
        ISO_Unknown = -1, ISO_Auto, ISO_I_Iso, ISO_100, ISO_125, ISO_160, ISO_200, ISO_250,
        ISO_320, ISO_400, ISO_500, ISO_640, ISO_800, ISO_1000, ISO_1250, ISO_1600, ISO_2000,
        ISO_2500, ISO_3200, ISO_4000, ISO_5000, ISO_6400, ISO_8000, ISO_8500, ISO_10000, ISO_12500,
        ISO_12800, ISO_16000, ISO_20000, ISO_25000, ISO_25600, ISO_Max
    };
    Q_ENUM(Iso)
    enum FocusMode {
        FM_Unknown = -1, FM_AF, FM_AF_S, FM_AF_F, FM_AF_C, FM_MF, FM_Max
    };
    Q_ENUM(FocusMode)
    enum AutoFocusMode {
        AFM_Unknown = -1, AFM_Face, AFM_Tracking, AFM_225Point, AFM_CustomVertical,
        AFM_CustomHorizon, AFM_CustomCenter, AFM_CustomC1, AFM_CustomC2, AFM_CustomC3, AFM_1Point,
        AFM_Pinpoint, AFM_1PointAux, AFM_VertHori, AFM_Square, AFM_Ellipse, AFM_Custom1,
        AFM_Custom2, AFM_Custom3, AFM_FullArea, AFM_Max
    };
    Q_ENUM(AutoFocusMode)
    enum CustomMulti {
        CSTM_Unknown = -1, CSTM_Vertical, CSTM_Horizontal, CSTM_Center, CSTM_Custom1, CSTM_Custom2,
        CSTM_Custom3, CSTM_Max
    };
    Q_ENUM(CustomMulti)
    enum CursorType {
        Ct_Normal = 0, Ct_Pen, Ct_Oneshots, Ct_1point, Ct_255point, Ct_Custom_m, Ct_Face,
        Ct_tracking, Ct_Pinpoint
    };
    Q_ENUM(CursorType)
    enum MeteringMode {
        MM_Unknown = -1, MM_Pattern, MM_Center, MM_Spot, MM_Highlight, MM_Max
    };
    Q_ENUM(MeteringMode)
    enum ExTelecon {
        EXT_Unknown = -1, EXT_ZoomOff, EXT_ZoomOn, EXT_Converter, EXT_Max
    };
    Q_ENUM(ExTelecon)
    enum PhotoStyle {
        PS_Unknown = -1, PS_Standard, PS_Vivid, PS_Natural, PS_Monochrome, PS_LandScape,
        PS_Portrait, PS_Custom, PS_FilmtoneD, PS_FilmtoneV, PS_Q_Log_L, PS_Linear_Gamma,
        PS_Custom2, PS_Custom3, PS_Custom4, PS_Near_709, PS_KMonochrome, PS_Hybrid_Grama,
        PS_KMonochromeD, PS_Flat, PS_PhotoStyle1, PS_PhotoStyle2, PS_PhotoStyle3, PS_PhotoStyle4,
        PS_PhotoStyle5, PS_PhotoStyle6, PS_PhotoStyle7, PS_PhotoStyle8, PS_PhotoStyle9,
        PS_PhotoStyle10, PS_HLG_Standard, PS_HLG_Vivid, PS_HLG_Natural, PS_HLG_Flat,
        PS_HLG_Landscape, PS_HLG_Portrait, PS_HLG_Monochrome, PS_HLG_K_Monochrome,
        PS_HLG_K_Monochrome_D, PS_HLG_Filmtone_D, PS_HLG_Filmtone_V, PS_Q_Log, PS_FilmTone_D2,
        PS_FilmTone_V2, PS_HLG_For_Q_Series, PS_KClassicNeo, PS_KMonochromeS,
        PS_HLG_K_Monochrome_S, PS_HLG_K_ClassicNeo, PS_HLG_FullRange, PS_RealTime_LUT,
        PS_Classic_Monochrome, PS_Film_Log3, PS_FilmTone_A2, PS_Remote_Camera_RZ300, PS_Max
    };
    Q_ENUM(PhotoStyle)
    enum PhotoStyleComp {
        PSC_Unknown = -1, PSC_BasePhotoStyle, PSC_Contrast, PSC_Sharpness, PSC_NR, PSC_Saturation,
        PSC_Filter, PSC_ChromaPhase, PSC_Grain, PSC_KneeMode, PSC_ColorTone, PSC_HighLight,
        PSC_Shadow, PSC_ISO, PSC_WB, PSC_DualISO, PSC_ColorNoise, PSC_LUT, PSC_Gain,
        PSC_BasePhotoStyle2, PSC_LUT2, PSC_Density, PSC_Density2, PSC_Max
    };
    Q_ENUM(PhotoStyleComp)
    enum PhotoFilter {
        PF_Unknown = -1, PF_Off, PF_Yellow, PF_Orange, PF_Red, PF_Green, PF_Max
    };
    Q_ENUM(PhotoFilter)
    enum PhotoGrain {
        PG_Unknown = -1, PG_Off, PG_Low, PG_Standard, PG_High, PG_Max
    };
    Q_ENUM(PhotoGrain)
    enum PhotoKneeMode {
        PKM_Unknown = -1, PKM_Off, PKM_Auto, PKM_Manual, PKM_Max
    };
    Q_ENUM(PhotoKneeMode)
    enum Exposure {
        Expo_Unknown = -1, Expo_M15_3, Expo_M14_3, Expo_M13_3, Expo_M12_3, Expo_M11_3, Expo_M10_3,
        Expo_M9_3, Expo_M8_3, Expo_M7_3, Expo_M6_3, Expo_M5_3, Expo_M4_3, Expo_M3_3, Expo_M2_3,
        Expo_M1_3, Expo_0_3, Expo_P1_3, Expo_P2_3, Expo_P3_3, Expo_P4_3, Expo_P5_3, Expo_P6_3,
        Expo_P7_3, Expo_P8_3, Expo_P9_3, Expo_P10_3, Expo_P11_3, Expo_P12_3, Expo_P13_3,
        Expo_P14_3, Expo_P15_3, Expo_Max
    };
    Q_ENUM(Exposure)
    enum RecPreviewMode {
        RecPreviw_Unknown = -1, RecPreviw_Off, RecPreviw_Expousure, RecPreviw_Exp_SS,
        RecPreviw_Max
    };
    Q_ENUM(RecPreviewMode)
    enum AFMFMode {
        AFMFM_Unknown = -1, AFMFM_Off, AFMFM_On, AFMFM_Max
    };
    Q_ENUM(AFMFMode)
    enum MFAssistMode {
        MFASTM_Unknown = -1, MFASTM_Normal, MFASTM_Pinp, MFASTM_Max
    };
    Q_ENUM(MFAssistMode)
    enum RecCtrlMFAMode {
        RcMfaMode_Unknown = -1, RcMfaMode_Move, RcMfaMode_Zoom, RcMfaMode_Pinp, RcMfaMode_Max
    };
    Q_ENUM(RecCtrlMFAMode)
    enum AFFrameMultiAfPos {
        AFFrameMultiAfPos_Unknown = -1, AFFrameMultiAfPos_Min, AFFrameMultiAfPos_Max = 315,
        AFFrameMultiAfPos_Invalid = 65535
    };
    Q_ENUM(AFFrameMultiAfPos)
    enum AFFrameSimpleState {
        AFFrameSimpleState_Unknown = -1, AFFrameSimpleState_Off, AFFrameSimpleState_On,
        AFFrameSimpleState_Max
    };
    Q_ENUM(AFFrameSimpleState)
    enum AFFrameMinimumState {
        AFFrameMinimumState_Unknown = -1, AFFrameMinimumState_Off, AFFrameMinimumState_On,
        AFFrameMinimumState_Max
    };
    Q_ENUM(AFFrameMinimumState)
    enum AFFrameAssistType {
        AFFrameAssistType_Unknown = -1, AFFrameAssistType_MFA, AFFrameAssistType_PPA,
        AFFrameAssistType_PPAF, AFFrameAssistType_AFPS, AFFrameAssistType_LVMAG,
        AFFrameAssistType_Max
    };
    Q_ENUM(AFFrameAssistType)
    enum AssistModeCurrent {
        AsModCur_Unknown = -1, AsModCur_Move, AsModCur_Zoom, AsModCur_Pinp, AsModCur_Off = 65535,
        AsModCur_Max
    };
    Q_ENUM(AssistModeCurrent)
    enum PinpointMode {
        PINPM_Unknown = -1, PINPM_Normal, PINPM_Pinp, PINPM_Max
    };
    Q_ENUM(PinpointMode)
    enum LVMagMode {
        LVMM_Unknown = -1, LVMM_Normal, LVMM_Pinp, LVMM_Max
    };
    Q_ENUM(LVMagMode)
    enum RecCtrlLVMagMode {
        RcLVMMode_Unknown = -1, RcLVMMode_Move, RcLVMMode_Zoom, RcLVMMode_Pinp, RcLVMMode_Max
    };
    Q_ENUM(RecCtrlLVMagMode)
    enum RecCtrlLVMagMFAdjust {
        RcLVMMFAdjust_Unknown = -1, RcLVMMFAdjust_Stop, RcLVMMFAdjust_Far_Fast,
        RcLVMMFAdjust_Far_Slow, RcLVMMFAdjust_Near_Slow, RcLVMMFAdjust_Near_Fast,
        RcLVMMFAdjust_Max
    };
    Q_ENUM(RecCtrlLVMagMFAdjust)
    enum PinPAspectRatio {
        PINPAR_Unknown = -1, PINPAR_Error, PINPAR_4_3, PINPAR_3_2, PINPAR_16_9, PINPAR_1_1,
        PINPAR_Multi, PINPAR_C4K, PINPAR_7_5, PINPAR_3_1, PINPAR_65_24, PINPAR_2_1, PINPAR_5_3,
        PINPAR_2_4_1, PINPAR_Max
    };
    Q_ENUM(PinPAspectRatio)
    enum WhiteBalance {
        WB_Unknown = -1, WB_Auto, WB_Auto_Cool, WB_Daylight, WB_Cloud, WB_Shade, WB_Tengsten,
        WB_Whiteset, WB_Flash, WB_Flourescent, WB_BlackWhite, WB_Keep, WB_Keep2, WB_Keep3,
        WB_Keep4, WB_K_Set, WB_K_Set2, WB_K_Set3, WB_K_Set4, WB_Auto_Warm, WB_Max
    };
    Q_ENUM(WhiteBalance)
    enum PhotoDualISO {
        PD_Unknown = -1, PD_Auto, PD_Low, PD_High, PD_Max
    };
    Q_ENUM(PhotoDualISO)
    enum PhotoColorNoise {
        PCN_Unknown = -1, PCN_OFF, PCN_ON, PCN_Max
    };
    Q_ENUM(PhotoColorNoise)
    enum PhotoLUT {
        PLUT_Unknown = -1, PLUT_OFF, PLUT_ON, PLUT_Max
    };
    Q_ENUM(PhotoLUT)
    enum WhiteBalanceAdjust {
        WBAdj_Unknown = -1, WBAdj_M10, WBAdj_M9, WBAdj_M8, WBAdj_M7, WBAdj_M6, WBAdj_M5, WBAdj_M4,
        WBAdj_M3, WBAdj_M2, WBAdj_M1, WBAdj_Zero, WBAdj_P1, WBAdj_P2, WBAdj_P3, WBAdj_P4, WBAdj_P5,
        WBAdj_P6, WBAdj_P7, WBAdj_P8, WBAdj_P9, WBAdj_P10, WBAdj_Max
    };
    Q_ENUM(WhiteBalanceAdjust)
    enum MotionPictureFormat {
        MPF_Unknown = -1, MPF_AVCHD, MPF_MP4, MPF_MP4WithLPCM, MPF_MOV, MPF_MP4WithHEVC,
        MPF_ProRes, MPF_MP4LITE, MPF_Max
    };
    Q_ENUM(MotionPictureFormat)
    enum SystemFrequency {
        SFQ_Unknown = -1, SFQ_NTSC, SFQ_PAL, SFQ_CINEMA, SFQ_Max
    };
    Q_ENUM(SystemFrequency)
    enum FileTarget {
        FLTG_Unknown = -1, FLTG_CameraOnly, FLTG_PcAndCamera, FLTG_PcOnly, FLTG_Max
    };
    Q_ENUM(FileTarget)
    enum LiveViewImageQuality {
        LvImgQ_Unknown = -1, LvImgQ_Low, LvImgQ_Std, LvImgQ_Fine, LvImgQ_Max
    };
    Q_ENUM(LiveViewImageQuality)
    enum MovieDetailDisplay {
        MVDD_Unknown = -1, MVDD_PIXELS, MVDD_FRAME_RATE, MVDD_COMPRESSION_METHOD, MVDD_BIT_RATE,
        MVDD_VFR, MVDD_HLG, MVDD_SQ, MVDD_Max
    };
    Q_ENUM(MovieDetailDisplay)
    enum MovieFrameRate {
        MFR_ALL = -1, MFR_Max
    };
    Q_ENUM(MovieFrameRate)
    enum MoviePixel {
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
    enum MovieCompressMethod {
        MCPM_Unknown = -1, MCPM_422, MCPM_420, MCPM_10bit, MCPM_8bit, MCPM_LongGOP, MCPM_ALL_I,
        MCPM_RAW, MCPM_16bit, MCPM_RAWHQ, MCPM_422HQ, MCPM_ALL = 65535, MCPM_Max
    };
    Q_ENUM(MovieCompressMethod)
    enum MovieBitRate {
        MBR_ALL = 65535, MBR_Max
    };
    Q_ENUM(MovieBitRate)
    enum MovieVFR {
        MVFR_IMPOSSIBLE = 0, MVFR_POSSIBLE, MVFR_ALL = 65535, MVFR_Max
    };
    Q_ENUM(MovieVFR)
    enum MovieHLG {
        MHLG_IMPOSSIBLE = 0, MHLG_POSSIBLE, MHLG_HDMI_ONLY_POSSIBLE, MHLG_ALL = 65535, MHLG_Max
    };
    Q_ENUM(MovieHLG)
    enum MovieSQ {
        MSQ_IMPOSSIBLE = 0, MSQ_POSSIBLE, MSQ_Max
    };
    Q_ENUM(MovieSQ)
    enum MovieSSD {
        MSSD_IMPOSSIBLE = 0, MSSD_POSSIBLE, MSSD_NOTSUPPORT, MSSD_Max
    };
    Q_ENUM(MovieSSD)
    enum MovieSD {
        MSD_IMPOSSIBLE = 0, MSD_POSSIBLE, MSD_NOTSUPPORT, MSD_Max
    };
    Q_ENUM(MovieSD)
    enum MovieCFExpress {
        MCFEXP_IMPOSSIBLE = 0, MCFEXP_POSSIBLE, MCFEXP_NOTSUPPORT, MCFEXP_Max
    };
    Q_ENUM(MovieCFExpress)
    enum MovieFilterCtrl {
        MFC_Unknown = -1, MFC_SUBMIT, MFC_CANCEL, MFC_Max
    };
    Q_ENUM(MovieFilterCtrl)
    enum WhiteBalanceKSet {
        WBK_Unknown = -1, WBK_2500, WBK_2550, WBK_2600, WBK_2650, WBK_2700, WBK_2800, WBK_2850,
        WBK_2900, WBK_2950, WBK_3000, WBK_3100, WBK_3200, WBK_3300, WBK_3400, WBK_3500, WBK_3600,
        WBK_3700, WBK_3800, WBK_3900, WBK_4000, WBK_4100, WBK_4200, WBK_4300, WBK_4400, WBK_4500,
        WBK_4600, WBK_4700, WBK_4800, WBK_4900, WBK_5000, WBK_5100, WBK_5200, WBK_5300, WBK_5400,
        WBK_5500, WBK_5600, WBK_5700, WBK_5800, WBK_5900, WBK_6000, WBK_6100, WBK_6200, WBK_6300,
        WBK_6400, WBK_6500, WBK_6600, WBK_6700, WBK_6800, WBK_6900, WBK_7000, WBK_7100, WBK_7200,
        WBK_7300, WBK_7400, WBK_7500, WBK_7600, WBK_7700, WBK_7800, WBK_7900, WBK_8000, WBK_8100,
        WBK_8200, WBK_8300, WBK_8400, WBK_8500, WBK_8600, WBK_8700, WBK_8800, WBK_8900, WBK_9000,
        WBK_9100, WBK_9200, WBK_9300, WBK_9400, WBK_9500, WBK_9600, WBK_9700, WBK_9800, WBK_9900,
        WBK_100000, WBK_Max
    };
    Q_ENUM(WhiteBalanceKSet)
    enum ImgInfoSize {
        ImgInfoS_Unknown = -1, ImgInfoS_Large, ImgInfoS_Medium, ImgInfoS_Small, ImgInfoS_4k,
        ImgInfoS_Max
    };
    Q_ENUM(ImgInfoSize)
    enum ImgInfoQuality {
        ImgInfoQ_Unknown = -1, ImgInfoQ_Fine, ImgInfoQ_Std, ImgInfoQ_Raw_Fine, ImgInfoQ_Raw_Std,
        ImgInfoQ_Raw, ImgInfoQ_Interlock, ImgInfoQ_Heif_Fine, ImgInfoQ_Heif_Std,
        ImgInfoQ_Raw_Heif_Fine, ImgInfoQ_Raw_Heif_Std, ImgInfoQ_Max
    };
    Q_ENUM(ImgInfoQuality)
    enum ImgInfoAspect {
        ImgInfoA_Unknown = -1, ImgInfoA_Error, ImgInfoA_Normal_4_3, ImgInfoA_Film_3_2,
        ImgInfoA_Hdtv_16_9, ImgInfoA_Blog_1_1, ImgInfoA_Multi, ImgInfoA_Cinema4k, ImgInfoA_7_5,
        ImgInfoA_3_1, ImgInfoA_Check, ImgInfoA_Max
    };
    Q_ENUM(ImgInfoAspect)
    enum ImgInfoFormat {
        ImgInfoF_Unknown = -1, ImgInfoF_JPEG_HEIF, ImgInfoF_RAW_JPEG_HEIF, ImgInfoF_RAW,
        ImgInfoF_Max
    };
    Q_ENUM(ImgInfoFormat)
    enum ImgInfoJpegHeifMode {
        ImgInfoJHM_Unknown = -1, ImgInfoJHM_JPEG, ImgInfoJHM_HEIF, ImgInfoJHM_Max
    };
    Q_ENUM(ImgInfoJpegHeifMode)
    enum ImgInfoJpegHeifQuality {
        ImgInfoJHQ_Unknown = -1, ImgInfoJHQ_FINE, ImgInfoJHQ_STD, ImgInfoJHQ_Max
    };
    Q_ENUM(ImgInfoJpegHeifQuality)
    enum FlashDimmer {
        FlshDim_Unknown = -1, FlshDim_TTL, FlshDim_Manual, FlshDim_Max
    };
    Q_ENUM(FlashDimmer)
    enum FlashMode {
        FlshM_Unknown = -1, FlshM_Auto, FlshM_Forced, FlshM_ForcedRedEye, FlshM_SlowSync,
        FlshM_SlowRedEye, FlshM_Forbid, FlshM_Max
    };
    Q_ENUM(FlashMode)
    enum FlashSync {
        FlshS_Unknown = -1, FlshS_Front, FlshS_Rear, FlshS_Max
    };
    Q_ENUM(FlashSync)
    enum FlashAdjust {
        FlshAdj_Unknown = -1, FlshAdj_M3, FlshAdj_M2_2_3, FlshAdj_M2_1_3, FlshAdj_M2,
        FlshAdj_M1_2_3, FlshAdj_M1_1_3, FlshAdj_M1, FlshAdj_M2_3, FlshAdj_M1_3, FlshAdj_0,
        FlshAdj_1_3, FlshAdj_2_3, FlshAdj_1, FlshAdj_1_1_3, FlshAdj_1_2_3, FlshAdj_2,
        FlshAdj_2_1_3, FlshAdj_2_2_3, FlshAdj_3, FlshAdj_Max
    };
    Q_ENUM(FlashAdjust)
    enum FlashManual {
        FlshManual_Unknown = -1, FlshManual_1280, FlshManual_1000, FlshManual_800, FlshManual_640,
        FlshManual_500, FlshManual_400, FlshManual_320, FlshManual_250, FlshManual_200,
        FlshManual_160, FlshManual_130, FlshManual_100, FlshManual_80, FlshManual_64,
        FlshManual_50, FlshManual_40, FlshManual_32, FlshManual_25, FlshManual_20, FlshManual_17,
        FlshManual_13, FlshManual_Full, FlshManual_Max
    };
    Q_ENUM(FlashManual)
    enum ExposureLink {
        ExpL_Unknown = -1, ExpL_Off, ExpL_On, ExpL_Max
    };
    Q_ENUM(ExposureLink)
    enum WirelessMode {
        WirM_Unknown = -1, WirM_Off, WirM_On, WirM_Max
    };
    Q_ENUM(WirelessMode)
    enum WirelessChannel {
        WirC_Unknown = -1, WirC_Ch1, WirC_Ch2, WirC_Ch3, WirC_Ch4, WirC_Max
    };
    Q_ENUM(WirelessChannel)
    enum WirelessFP {
        WirFP_Unknown = -1, WirFP_Off, WirFP_On, WirFP_Max
    };
    Q_ENUM(WirelessFP)
    enum WirelessComPower {
        WirCP_Unknown = -1, WirCP_Low, WirCP_Mid, WirCP_High, WirCP_Max
    };
    Q_ENUM(WirelessComPower)
    enum BuildInFlashDimmer {
        BIFD_Unknown = -1, BIFD_Off, BIFD_TTL, BIFD_Manual, BIFD_Signal, BIFD_Max
    };
    Q_ENUM(BuildInFlashDimmer)
    enum GroupFlashDimmer {
        GFD_Unknown = -1, GFD_Off, GFD_TTL, GFD_Manual, GFD_Auto, GFD_Max
    };
    Q_ENUM(GroupFlashDimmer)
    enum GroupFlashTarget {
        GFT_Unknown = -1, GFT_External, GFT_TargetA, GFT_TargetB, GFT_TargetC, GFT_Max
    };
    Q_ENUM(GroupFlashTarget)
    enum UsbMode {
        UsbMode_NotDefined = -1, UsbMode_Unknown, UsbMode_Full, UsbMode_High, UsbMode_Super,
        UsbMode_Max
    };
    Q_ENUM(UsbMode)
    enum CameraStatus {
        CamStatus_Unknown = -1, CamStatus_Standby, CamStatus_MovRec_4k, CamStatus_MovRec_Others,
        CamStatus_Playing, CamStatus_Processing, CamStatus_Noise_Reduction,
        CamStatus_Menu_Displayed, CamStatus_IP_LiveStreaming, CamStatus_RemoteRec,
        CamStatus_MovRemoteRec, CamStatus_LiveStreamingRemoteRec, CamStatus_RemoteRecRawHDMI,
        CamStatus_Max
    };
    Q_ENUM(CameraStatus)
    enum AfAeDispStatus {
        AfAeDispStatus_Unknown = -1, AfAeDispStatus_Hide, AfAeDispStatus_Show, AfAeDispStatus_Max
    };
    Q_ENUM(AfAeDispStatus)
    enum AfcStartPosStatus {
        AfcStartPosStatus_Unknown = -1, AfcStartPosStatus_OFF, AfcStartPosStatus_ON,
        AfcStartPosStatus_Max
    };
    Q_ENUM(AfcStartPosStatus)
    enum AFInfoStatus {
        AfInfoStatus_OK = 0, AfInfoStatus_OK_NoDisp, AfInfoStatus_NotAf, AfInfoStatus_Cancel,
        AfInfoStatus_LowRight, AfInfoStatus_StrRight, AfInfoStatus_InProgress = 65534,
        AfInfoStatus_Unfocused, AfInfoStatus_Max
    };
    Q_ENUM(AFInfoStatus)
    enum AFInfoDispFrame {
        AfInfoDispFrame_Not = 0, AfInfoDispFrame_Green, AfInfoDispFrame_Red,
        AfInfoDispFrame_Green_Big, AfInfoDispFrame_Red_Big, AfInfoDispFrame_Spot,
        AfInfoDispFrame_White, AfInfoDispFrame_Star, AfInfoDispFrame_Max
    };
    Q_ENUM(AFInfoDispFrame)
    enum AFInfoPDAFInfo {
        AfInfoPDAFInfo_OFF = 0, AfInfoPDAFInfo_ON, AfInfoPDAFInfo_Max
    };
    Q_ENUM(AFInfoPDAFInfo)
    enum LvInfoPosture {
        LvInfoPosture_Unknown = -1, LvInfoPosture_0, LvInfoPosture_90, LvInfoPosture_180,
        LvInfoPosture_270, LvInfoPosture_Max
    };
    Q_ENUM(LvInfoPosture)
    enum ObjInfoAssociatType {
        ObjInfoAssType_Unknown = -1, ObjInfoAssType_Main, ObjInfoAssType_Sub, ObjInfoAssType_Max
    };
    Q_ENUM(ObjInfoAssociatType)
    enum LvShootingStatus {
        LCST_Unknown = -1, LCST_INACTIVE, LCST_PREPARE, LCST_STANDBY, LCST_SHOOTING,
        LCST_COMBINING, LCST_Max
    };
    Q_ENUM(LvShootingStatus)
    enum PtpipConnectType {
        PtpipConnType_Usb = 0, PtpipConnType_Lan, PtpipConnType_Max
    };
    Q_ENUM(PtpipConnectType)
    enum ConnectDevType {
        ConnectDevType_Remote_STD = 0, ConnectDevType_Remote_Classic,
        ConnectDevType_Remote_Other_1, ConnectDevType_Max
    };
    Q_ENUM(ConnectDevType)
    enum CameraIDList {
        CameraID_SELECTED = 65534, CameraID_ALL, CameraID_Max = 12
    };
    Q_ENUM(CameraIDList)
    enum CameraConnectStatus {
        CamConnectSts_Unknown = -1, CamConnectSts_Connecting, CamConnectSts_GetData,
        CamConnectSts_Success, CamConnectSts_Error, CamConnectSts_GetDataBackground,
        CamConnectSts_SuccessBackground
    };
    Q_ENUM(CameraConnectStatus)
    enum PowerSavingTetherMode {
        PwTether_Unknown = -1, PwTether_OFF, PwTether_ON, PwTether_StateTransition, PwTether_Max
    };
    Q_ENUM(PowerSavingTetherMode)
    enum SSGain {
        SSGain_Unknown = -1, SSGain_Sec_n_ISO, SSGain_Angle_n_ISO, SSGain_Sec_n_dB, SSGain_Max
    };
    Q_ENUM(SSGain)
    enum CameraSettingFile {
        CameraSettingFile_Unknown = -1, CameraSettingFile_Save, CameraSettingFile_Restore
    };
    Q_ENUM(CameraSettingFile)
    enum CameraSettingStatus {
        CST_Unknown = -1, CST_Success, CST_Cancel
    };
    Q_ENUM(CameraSettingStatus)
    enum PtpIpPasswordMode {
        PWM_UNKNOWN = 0, PWM_AUTHENTICATION, PWM_CHANGE, PWM_REGISTRATION
    };
    Q_ENUM(PtpIpPasswordMode)
    enum PtpIpPasswordError {
        PWE_OK = 0, PWE_OTHERS, PWE_PW_UNSET, PWE_PW_AUTH
    };
    Q_ENUM(PtpIpPasswordError)
    enum AutoRecognizeAnimal {
        AR_ANIMAL_Unknown = -1, AR_ANIMAL_OFF, AR_ANIMAL_ON, AR_ANIMAL_MAX
    };
    Q_ENUM(AutoRecognizeAnimal)
    enum AutoRecognizeGeneral {
        AR_GENERAL_Unknown = -1, AR_GENERAL_OFF, AR_GENERAL_HUMAN, AR_GENERAL_HUMAN_ANIMAL,
        AR_GENERAL_FACE_EYE, AR_GENERAL_TARGET_HUMAN, AR_GENERAL_TARGET_ANIMAL,
        AR_GENERAL_TARGET_CAR, AR_GENERAL_TARGET_BIKE, AR_GENERAL_TARGET_TRAIN,
        AR_GENERAL_TARGET_PLANE, AR_GENERAL_TARGET_BICYCLE, AR_GENERAL_MAX
    };
    Q_ENUM(AutoRecognizeGeneral)
    enum AutoRecognizeParts {
        AR_PARTS_Unknown = -1, AR_PARTS_HUMAN_EYE_FACE_BODY, AR_PARTS_HUMAN_EYE_FACE,
        AR_PARTS_ANIMAL_BODY, AR_PARTS_ANIMAL_EYE_BODY, AR_PARTS_CAR_WHOLE, AR_PARTS_CAR_PRIORITY,
        AR_PARTS_BIKE_WHOLE, AR_PARTS_BIKE_HELMET, AR_PARTS_TRAIN_LEADING_VEH,
        AR_PARTS_TRAIN_PRIORITY, AR_PARTS_PLANE_AIRCRAFT, AR_PARTS_PLANE_NOSE_PRIORITY,
        AR_PARTS_BICYCLE_WHOLE, AR_PARTS_BICYCLE_PRIORITY, AR_PARTS_HUMAN_STREET, AR_PARTS_MAX
    };
    Q_ENUM(AutoRecognizeParts)
    enum HDMI_SDI_Status {
        HDMI_SDI_Status_Unknown = -1, HDMI_SDI_Status_OFF, HDMI_SDI_Status_HDMI_ON,
        HDMI_SDI_Status_SDI_ON, HDMI_SDI_Status_HDMI_SDI_ON, HDMI_SDI_Status_MAX
    };
    Q_ENUM(HDMI_SDI_Status)
    enum Shot_Mode_Status {
        Shot_Mode_Status_Unknown = -1, Shot_Mode_Status_Photo, Shot_Mode_Status_Movie,
        Shot_Mode_Status_Slow_Quick, Shot_Mode_Status_MAX
    };
    Q_ENUM(Shot_Mode_Status)
    enum TetherModeDisableStatus {
        TETHERMODE_Enable = 0, TETHERMODE_Rec, TETHERMODE_Copy, TETHERMODE_NOT_SUPPORT = 4
    };
    Q_ENUM(TetherModeDisableStatus)
    enum AutomaticReco {
        AutoReco_Unknown = -1, AutoReco_OFF, AutoReco_ON, AutoReco_MAX
    };
    Q_ENUM(AutomaticReco)
    enum ZoomDir {
        ZOOM_DIR_WIDE = 0, ZOOM_DIR_TELE
    };
    Q_ENUM(ZoomDir)
    enum ZoomSpeed {
        ZOOM_SPEED_OFF = 0, ZOOM_SPEED_LOW, ZOOM_SPEED_HIGH, ZOOM_SPEED_MID, ZOOM_SPEED_LOWER,
        ZOOM_SPEED_HIGHER
    };
    Q_ENUM(ZoomSpeed)
    enum ZoomPosType {
        ZOOM_POSTYPE_RELATIVE = 0, ZOOM_POSTYPE_ABSOLUTE
    };
    Q_ENUM(ZoomPosType)
    enum AspectRatio {
        AR_Unknown = -1, AR_4_3, AR_3_2, AR_16_9, AR_1_1, AR_17_9, AR_7_5, AR_3_1, AR_65_24,
        AR_2_1, AR_Max
    };
    Q_ENUM(AspectRatio)
    enum AFFramesMax {
        AFFMax_Unknown = -1, AFFMax_225, AFFMax_315, AFFMax_49, AFFMax_23, AFFMax_Max
    };
    Q_ENUM(AFFramesMax)
    enum AFFrameColor {
        AF_FrameColor_White = 0, AF_FrameColor_LightBlue, AF_FrameColor_Blue, AF_FrameColor_Yellow,
        AF_FrameColor_Orange, AF_FrameColor_LightGreen, AF_FrameColor_Green, AF_FrameColor_Pink,
        AF_FrameColor_Red, AF_FrameColor_Gray, AF_FrameColor_Max
    };
    Q_ENUM(AFFrameColor)

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

    // One entry of a built-in movie-quality list, laid out like the camera's.
    struct MovieQualityBuiltIn
    {
        quint16 qualityId;
        quint16 pixelFormat;     // a MoviePixel value
        quint32 frameRate;       // bit 31 progressive, low 28 bits 1/100 fps
        quint16 compression;     // bit groups, see movieCompressionMethodToStr
        quint16 bitRate;         // Mbit/s
        quint32 nominalFrameRate; // same encoding, 0xFFFFFFFF for none
    };
    static constexpr quint16 MovieQualityListEnd = 0xFFFF;

    // Layout of the SDK's movie-quality record that GetMovieQualityBuiltInData fills.
    static constexpr std::size_t MovieQualityRecordHeader = 4;
    static constexpr std::size_t MovieQualityRecordEntrySize = 24;

    static constexpr quint64 arrRecordingModeVal[] = {
        7, 0, 1, 2, 3, 5, 8, 9, 10, 4, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21
    };
    static constexpr quint64 arrIntelligentAutoModeVal[] = {
        0, 1
    };
    static constexpr quint64 arrCreativeVideoAEVal[] = {
        0, 1, 2, 3, 4
    };
    static constexpr quint64 arrPhotoExposureVal[] = {
        0, 1, 2, 3, 4
    };
    static constexpr quint64 arrCustom3SetVal[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10
    };
    static constexpr quint64 arrCreativeControlFilterVal[] = {
        0, 1, 15, 2, 3, 4, 11, 9, 21, 20, 10, 5, 12, 6, 18, 17, 7, 8, 19, 14, 13, 16
    };
    // Komadori is the camera's interval mode: both keys send code 4.
    static constexpr quint64 arrDriveModeVal[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 4
    };
    static constexpr quint64 arrBurstSpeedVal[] = {
        1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
        26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
        49
    };
    static constexpr quint64 arrSelfTimerVal[] = {
        1, 2, 3, 4
    };
    static constexpr quint64 arrSelfTimerCustomVal[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8
    };
    static constexpr quint64 arrIntervalModeVal[] = {
        0, 1
    };
    static constexpr quint64 arrFocusSelectVal[] = {
        3, 2
    };
    static constexpr Picture4K6KCode arrPicture4K6KVal[] = {
        {2, 2}, {3, 2}, {1, 2}, {2, 1}, {3, 1}, {1, 1}, {2, 0}, {3, 0}, {1, 0}
    };
    static constexpr quint64 arrRecPreviewModeVal[] = {
        0, 1, 2
    };
    static constexpr quint64 arrAFMFModeVal[] = {
        0, 1
    };
    static constexpr quint64 arrMFAssistModeVal[] = {
        0, 1
    };
    static constexpr quint64 arrPinpointModeVal[] = {
        0, 1
    };
    static constexpr quint64 arrLVMagModeVal[] = {
        0, 1
    };
    // Bulb and time have codes of their own; seconds are 0x80000000 + ms, fractions 1/n are n x 1000.
    static constexpr quint64 arrSsVal[] = {
        0xFFFFFFFF, 0xFFFFFFFE, 0x8000EA60, 0x8000C350, 0x80009C40, 0x80007530, 0x800061A8,
        0x80004E20, 0x80003A98, 0x800032C8, 0x80002710, 0x80001F40, 0x80001770, 0x80001388,
        0x80000FA0, 0x80000C80, 0x800009C4, 0x800007D0, 0x80000640, 0x80000514, 0x800003E8, 1300,
        1600, 2000, 2500, 3200, 4000, 5000, 6000, 8000, 10000, 13000, 15000, 20000, 25000, 30000,
        0x9C40, 0xC350, 0xEA60, 0x13880, 0x186A0, 0x1E848, 0x27100, 0x30D40, 0x3D090, 0x4E200,
        0x61A80, 0x7A120, 0x9C400, 0xC3500, 0xF4240, 0x13D620, 0x186A00, 0x1E8480, 0x2625A0,
        0x30D400, 0x3D0900, 0x4C4B40, 0x61A800, 0x7A1200, 0x989680, 0xC65D40, 0xF42400, 0x1312D00,
        0x17D7840, 0x1E84800, 0x2625A00, 0x2FAF080, 0x30D4000, 0x3D09000
    };
    // Auto and intelligent ISO have codes of their own; every other key is sent
    // as its nominal ISO number.
    static constexpr quint64 arrIsoVal[] = {
        0xFFFFFFFF, 0xFFFFFFFE, 100, 125, 160, 200, 250, 320, 400, 500, 640, 800, 1000, 1250, 1600,
        2000, 2500, 3200, 4000, 5000, 6400, 8000, 8500, 10000, 12500, 12800, 16000, 20000, 25000,
        25600
    };
    static constexpr quint64 arrFocModeVal[] = {
        0, 4, 6, 5, 3
    };
    // The six custom-multi keys are one camera mode (5); CustomMulti tells them apart.
    static constexpr quint64 arrAutoFocusVal[] = {
        1, 2, 6, 5, 5, 5, 5, 5, 5, 0, 3, 14, 15, 16, 17, 18, 19, 20, 21
    };
    static constexpr quint64 arrCustomMultiVal[] = {
        0, 1, 2, 4, 5, 6
    };
    static constexpr quint64 arrTetherModeVal[] = {
        0, 1, 2
    };
    static constexpr quint64 arrMetModeVal[] = {
        1, 2, 0, 3
    };
    static constexpr quint64 arrExTeleconVal[] = {
        0, 1, 2
    };
    static constexpr quint64 arrPhotoStyVal[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
        25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47,
        48, 49, 50, 51, 52, 53
    };
    static constexpr quint64 arrPhotoFilterVal[] = {
        0, 1, 2, 3, 4
    };
    static constexpr quint64 arrPhotoGrainVal[] = {
        0, 1, 2, 3
    };
    static constexpr quint64 arrPhotoKneeModeVal[] = {
        0, 1, 2
    };
    // Steps below zero carry the sign in bit 15 and the magnitude below it.
    static constexpr quint64 arrExposureVal[] = {
        0x800F, 0x800E, 0x800D, 0x800C, 0x800B, 0x800A, 0x8009, 0x8008, 0x8007, 0x8006, 0x8005,
        0x8004, 0x8003, 0x8002, 0x8001, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15
    };
    static constexpr quint64 arrPhotoDualISOVal[] = {
        0, 1, 2
    };
    static constexpr quint64 arrPhotoColorNoiseVal[] = {
        0, 1
    };
    static constexpr quint64 arrPhotoLUTVal[] = {
        0, 1
    };
    static constexpr quint64 arrWBVal[] = {
        2, 0x8014, 4, 0x8008, 0x800F, 6, 0x8009, 7, 5, 0x800A, 0x800B, 0x800C, 0x800D, 0x800E,
        0x8010, 0x8011, 0x8012, 0x8013, 0x8015
    };
    static constexpr quint64 arrWBAdjVal[] = {
        0x800A, 0x8009, 0x8008, 0x8007, 0x8006, 0x8005, 0x8004, 0x8003, 0x8002, 0x8001, 0, 1, 2, 3,
        4, 5, 6, 7, 8, 9, 10
    };
    static constexpr quint64 arrWBKVal[] = {
        2500, 2550, 2600, 2650, 2700, 2800, 2850, 2900, 2950, 3000, 3100, 3200, 3300, 3400, 3500,
        3600, 3700, 3800, 3900, 4000, 4100, 4200, 4300, 4400, 4500, 4600, 4700, 4800, 4900, 5000,
        5100, 5200, 5300, 5400, 5500, 5600, 5700, 5800, 5900, 6000, 6100, 6200, 6300, 6400, 6500,
        6600, 6700, 6800, 6900, 7000, 7100, 7200, 7300, 7400, 7500, 7600, 7700, 7800, 7900, 8000,
        8100, 8200, 8300, 8400, 8500, 8600, 8700, 8800, 8900, 9000, 9100, 9200, 9300, 9400, 9500,
        9600, 9700, 9800, 9900, 10000
    };
    static constexpr quint64 arrMotionPictureFormatVal[] = {
        0, 2, 4, 3, 5, 6, 7
    };
    static constexpr quint64 arrSystemFrequencyVal[] = {
        0, 1, 2
    };
    static constexpr quint64 arrFileTargetVal[] = {
        0, 2, 1
    };
    static constexpr quint64 arrImgInfoSizeVal[] = {
        0, 1, 2, 3
    };
    static constexpr quint64 arrImgInfoQualityVal[] = {
        0, 1, 4, 5, 3, 12, 13, 14, 15, 16
    };
    static constexpr quint64 arrImgInfoAspectVal[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9
    };
    static constexpr quint64 arrImgInfoFormatVal[] = {
        0, 1, 2
    };
    static constexpr quint64 arrImgInfoJpegHeifModeVal[] = {
        0, 1
    };
    static constexpr quint64 arrImgInfoJpegHeifQualityVal[] = {
        0, 1
    };
    static constexpr quint64 arrFlashModeVal[] = {
        1, 3, 6, 7, 4, 5
    };
    static constexpr quint64 arrFlashDimmerVal[] = {
        1, 2
    };
    static constexpr quint64 arrFlashSyncVal[] = {
        1, 2
    };
    static constexpr quint64 arrFlashAdjustVal[] = {
        0x8009, 0x8008, 0x8007, 0x8006, 0x8005, 0x8004, 0x8003, 0x8002, 0x8001, 0, 1, 2, 3, 4, 5,
        6, 7, 8, 9
    };
    static constexpr quint64 arrFlashManualVal[] = {
        1280, 1000, 800, 640, 500, 400, 320, 250, 200, 160, 130, 100, 80, 64, 50, 40, 32, 25, 20,
        17, 13, 0
    };
    static constexpr quint64 arrExpoLinkVal[] = {
        1, 2
    };
    static constexpr quint64 arrWirelessModeVal[] = {
        1, 2
    };
    static constexpr quint64 arrWirelessChVal[] = {
        1, 2, 3, 4
    };
    static constexpr quint64 arrWirelesFPVal[] = {
        1, 2
    };
    static constexpr quint64 arrWirelesComPowerVal[] = {
        1, 2, 3
    };
    static constexpr quint64 arrBuildInFlashDimmerVal[] = {
        0, 1, 2, 3
    };
    static constexpr quint64 arrGroupFlashDimmerVal[] = {
        0, 1, 2, 3
    };
    static constexpr quint64 arrGroupFlashTargetVal[] = {
        4, 1, 2, 3
    };
    static constexpr quint64 arrUsbModeVal[] = {
        0, 1, 2, 3
    };
    static constexpr quint64 arrAutoRecognizeAnimalVal[] = {
        0, 1
    };
    static constexpr quint64 arrAutoRecognizeGeneralVal[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10
    };
    static constexpr quint64 arrAutoRecognizePartsVal[] = {
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14
    };
    static constexpr quint64 arrHDMI_SDI_StatusVal[] = {
        0, 1, 2, 3
    };
    static constexpr quint64 arrShot_Mode_StatusVal[] = {
        0, 1, 2
    };
    static constexpr quint64 arrAutomaticRecoVal[] = {
        0, 1
    };
    // Every gain mode, the first included, has the code the camera reports back for it.
    static constexpr quint64 arrSSGainVal[] = {
        1, 2, 3
    };

    static constexpr MoviePixelInfo moviePixelInfo[] = {
        {5952, 3968, AR_3_2}, {5376, 3584, AR_3_2}, {5888, 3312, AR_16_9}, {4096, 2160, AR_17_9},
        {3840, 2160, AR_16_9}, {4992, 3744, AR_4_3}, {3328, 2496, AR_4_3}, {3840, 2160, AR_16_9},
        {1920, 1080, AR_16_9}, {1280, 720, AR_16_9}, {800, 480, AR_4_3}, {640, 480, AR_4_3},
        {320, 240, AR_4_3}, {4992, 3744, AR_4_3}, {5760, 4320, AR_4_3}, {5728, 3024, AR_17_9},
        {4352, 3264, AR_4_3}, {4096, 2160, AR_17_9}, {3680, 2760, AR_4_3}, {3536, 2656, AR_4_3},
        {5888, 3312, AR_16_9}, {4128, 2176, AR_17_9}, {5760, 4320, AR_4_3}, {5728, 3024, AR_17_9},
        {4352, 3264, AR_4_3}, {5952, 3136, AR_17_9}
    };

    // The lookup rule of every table: the value read as unsigned 32 bits
    // selects an entry when it lies inside the table, anything else gives 0.
    template <typename T, std::size_t N>
    static constexpr T codeAt(const T (&table)[N], int value)
    {
        return quint32(value) < N ? table[quint32(value)] : T{};
    }

    Q_INVOKABLE static quint64 enumRecordingModeToVal(kavrotether::Utilities::RecordingMode value)
    { return codeAt(arrRecordingModeVal, value); }
    Q_INVOKABLE static quint64 enumIntelligentAutoModeToVal(kavrotether::Utilities::IntelligentAutoMode value)
    { return codeAt(arrIntelligentAutoModeVal, value); }
    Q_INVOKABLE static quint64 enumCreativeVideoAEToVal(kavrotether::Utilities::CreativeVideoAE value)
    { return codeAt(arrCreativeVideoAEVal, value); }
    Q_INVOKABLE static quint64 enumPhotoExposureToVal(kavrotether::Utilities::PhotoExposure value)
    { return codeAt(arrPhotoExposureVal, value); }
    Q_INVOKABLE static quint64 enumCustom3SetToVal(kavrotether::Utilities::Custom3Set value)
    { return codeAt(arrCustom3SetVal, value); }
    Q_INVOKABLE static quint64 enumCreativeControlFilterToVal(kavrotether::Utilities::CreativeControlFilter value)
    { return codeAt(arrCreativeControlFilterVal, value); }
    Q_INVOKABLE static quint64 enumDriveModeToVal(kavrotether::Utilities::DriveMode value)
    { return codeAt(arrDriveModeVal, value); }
    Q_INVOKABLE static quint64 enumBurstSpeedToVal(kavrotether::Utilities::BurstSpeed value)
    { return codeAt(arrBurstSpeedVal, value); }
    Q_INVOKABLE static quint64 enumSelfTimerToVal(kavrotether::Utilities::SelfTimer value)
    { return codeAt(arrSelfTimerVal, value); }
    Q_INVOKABLE static quint64 enumSelfTimerCustomToVal(kavrotether::Utilities::SelfTimerCustom value)
    { return codeAt(arrSelfTimerCustomVal, value); }
    Q_INVOKABLE static quint64 enumIntervalModeToVal(kavrotether::Utilities::IntervalMode value)
    { return codeAt(arrIntervalModeVal, value); }
    Q_INVOKABLE static quint64 enumFocusSelectToVal(kavrotether::Utilities::FocusSelect value)
    { return codeAt(arrFocusSelectVal, value); }
    Q_INVOKABLE static quint16 enumPicture4K6KToType(kavrotether::Utilities::Picture4K6K value)
    { return codeAt(arrPicture4K6KVal, value).type; }
    Q_INVOKABLE static quint16 enumPicture4K6KToFps(kavrotether::Utilities::Picture4K6K value)
    { return codeAt(arrPicture4K6KVal, value).frameRate; }
    Q_INVOKABLE static quint64 enumRecPreviewModeToVal(kavrotether::Utilities::RecPreviewMode value)
    { return codeAt(arrRecPreviewModeVal, value); }
    Q_INVOKABLE static quint64 enumAFMFModeToVal(kavrotether::Utilities::AFMFMode value)
    { return codeAt(arrAFMFModeVal, value); }
    Q_INVOKABLE static quint64 enumMFAssistModeToVal(kavrotether::Utilities::MFAssistMode value)
    { return codeAt(arrMFAssistModeVal, value); }
    Q_INVOKABLE static quint64 enumPinpointModeToVal(kavrotether::Utilities::PinpointMode value)
    { return codeAt(arrPinpointModeVal, value); }
    Q_INVOKABLE static quint64 enumLVMagModeToVal(kavrotether::Utilities::LVMagMode value)
    { return codeAt(arrLVMagModeVal, value); }
    Q_INVOKABLE static quint64 enumSsToVal(kavrotether::Utilities::ShutterSpeed value)
    { return codeAt(arrSsVal, value); }
    Q_INVOKABLE static quint64 enumIsoToVal(kavrotether::Utilities::Iso value)
    { return codeAt(arrIsoVal, value); }
    Q_INVOKABLE static quint64 enumFocusModeToVal(kavrotether::Utilities::FocusMode value)
    { return codeAt(arrFocModeVal, value); }
    Q_INVOKABLE static quint64 enumAutoFocusToVal(kavrotether::Utilities::AutoFocusMode value)
    { return codeAt(arrAutoFocusVal, value); }
    Q_INVOKABLE static quint64 enumCustomMultiToVal(kavrotether::Utilities::CustomMulti value)
    { return codeAt(arrCustomMultiVal, value); }
    Q_INVOKABLE static quint64 enumTetherModeToVal(kavrotether::Utilities::PowerSavingTetherMode value)
    { return codeAt(arrTetherModeVal, value); }
    Q_INVOKABLE static quint64 enumMetModeToVal(kavrotether::Utilities::MeteringMode value)
    { return codeAt(arrMetModeVal, value); }
    Q_INVOKABLE static quint64 enumExTeleconToVal(kavrotether::Utilities::ExTelecon value)
    { return codeAt(arrExTeleconVal, value); }
    Q_INVOKABLE static quint64 enumPhotoStyToVal(kavrotether::Utilities::PhotoStyle value)
    { return codeAt(arrPhotoStyVal, value); }
    Q_INVOKABLE static quint64 enumPhotoFilterToVal(kavrotether::Utilities::PhotoFilter value)
    { return codeAt(arrPhotoFilterVal, value); }
    Q_INVOKABLE static quint64 enumPhotoGrainToVal(kavrotether::Utilities::PhotoGrain value)
    { return codeAt(arrPhotoGrainVal, value); }
    Q_INVOKABLE static quint64 enumPhotoKneeModeToVal(kavrotether::Utilities::PhotoKneeMode value)
    { return codeAt(arrPhotoKneeModeVal, value); }
    Q_INVOKABLE static quint64 enumExposureToVal(kavrotether::Utilities::Exposure value)
    { return codeAt(arrExposureVal, value); }
    Q_INVOKABLE static quint64 enumPhotoDualISOToVal(kavrotether::Utilities::PhotoDualISO value)
    { return codeAt(arrPhotoDualISOVal, value); }
    Q_INVOKABLE static quint64 enumPhotoColorNoiseToVal(kavrotether::Utilities::PhotoColorNoise value)
    { return codeAt(arrPhotoColorNoiseVal, value); }
    Q_INVOKABLE static quint64 enumPhotoLUTToVal(kavrotether::Utilities::PhotoLUT value)
    { return codeAt(arrPhotoLUTVal, value); }
    Q_INVOKABLE static quint64 enumPhotoLUT2ToVal(kavrotether::Utilities::PhotoLUT value)
    { return codeAt(arrPhotoLUTVal, value); }
    Q_INVOKABLE static quint64 enumWbToVal(kavrotether::Utilities::WhiteBalance value)
    { return codeAt(arrWBVal, value); }
    Q_INVOKABLE static quint64 enumWbAdjToVal(kavrotether::Utilities::WhiteBalanceAdjust value)
    { return codeAt(arrWBAdjVal, value); }
    Q_INVOKABLE static quint64 enumWbKSetToVal(kavrotether::Utilities::WhiteBalanceKSet value)
    { return codeAt(arrWBKVal, value); }
    Q_INVOKABLE static quint64 enumMotionPictureFormatToVal(kavrotether::Utilities::MotionPictureFormat value)
    { return codeAt(arrMotionPictureFormatVal, value); }
    Q_INVOKABLE static quint64 enumSystemFrequencyToVal(kavrotether::Utilities::SystemFrequency value)
    { return codeAt(arrSystemFrequencyVal, value); }
    Q_INVOKABLE static quint64 enumFileTargetToVal(kavrotether::Utilities::FileTarget value)
    { return codeAt(arrFileTargetVal, value); }
    Q_INVOKABLE static quint64 enumImgInfoSizeToVal(kavrotether::Utilities::ImgInfoSize value)
    { return codeAt(arrImgInfoSizeVal, value); }
    Q_INVOKABLE static quint64 enumImgInfoQualityToVal(kavrotether::Utilities::ImgInfoQuality value)
    { return codeAt(arrImgInfoQualityVal, value); }
    Q_INVOKABLE static quint64 enumImgInfoAspectToVal(kavrotether::Utilities::ImgInfoAspect value)
    { return codeAt(arrImgInfoAspectVal, value); }
    Q_INVOKABLE static quint64 enumImgInfoFormatToVal(kavrotether::Utilities::ImgInfoFormat value)
    { return codeAt(arrImgInfoFormatVal, value); }
    Q_INVOKABLE static quint64 enumImgInfoJpegHeifModeToVal(kavrotether::Utilities::ImgInfoJpegHeifMode value)
    { return codeAt(arrImgInfoJpegHeifModeVal, value); }
    Q_INVOKABLE static quint64 enumImgInfoJpegHeifQualityToVal(kavrotether::Utilities::ImgInfoJpegHeifQuality value)
    { return codeAt(arrImgInfoJpegHeifQualityVal, value); }
    Q_INVOKABLE static quint64 enumFlashModeToVal(kavrotether::Utilities::FlashMode value)
    { return codeAt(arrFlashModeVal, value); }
    Q_INVOKABLE static quint64 enumFlashDimToVal(kavrotether::Utilities::FlashDimmer value)
    { return codeAt(arrFlashDimmerVal, value); }
    Q_INVOKABLE static quint64 enumFlashSyncToVal(kavrotether::Utilities::FlashSync value)
    { return codeAt(arrFlashSyncVal, value); }
    Q_INVOKABLE static quint64 enumFlashAdjToVal(kavrotether::Utilities::FlashAdjust value)
    { return codeAt(arrFlashAdjustVal, value); }
    Q_INVOKABLE static quint64 enumFlashManualToVal(kavrotether::Utilities::FlashManual value)
    { return codeAt(arrFlashManualVal, value); }
    Q_INVOKABLE static quint64 enumExpoLinkToVal(kavrotether::Utilities::ExposureLink value)
    { return codeAt(arrExpoLinkVal, value); }
    Q_INVOKABLE static quint64 enumWirModeToVal(kavrotether::Utilities::WirelessMode value)
    { return codeAt(arrWirelessModeVal, value); }
    Q_INVOKABLE static quint64 enumWirChToVal(kavrotether::Utilities::WirelessChannel value)
    { return codeAt(arrWirelessChVal, value); }
    Q_INVOKABLE static quint64 enumWirFPToVal(kavrotether::Utilities::WirelessFP value)
    { return codeAt(arrWirelesFPVal, value); }
    Q_INVOKABLE static quint64 enumWirCPToVal(kavrotether::Utilities::WirelessComPower value)
    { return codeAt(arrWirelesComPowerVal, value); }
    Q_INVOKABLE static quint64 enumBuildInFlashDimToVal(kavrotether::Utilities::BuildInFlashDimmer value)
    { return codeAt(arrBuildInFlashDimmerVal, value); }
    Q_INVOKABLE static quint64 enumGroupFlashDimToVal(kavrotether::Utilities::GroupFlashDimmer value)
    { return codeAt(arrGroupFlashDimmerVal, value); }
    Q_INVOKABLE static quint8 enumGroupFlashTarToVal(kavrotether::Utilities::GroupFlashTarget value)
    { return quint8(codeAt(arrGroupFlashTargetVal, value) & 0xFF); }
    Q_INVOKABLE static quint8 enumUsbModeToVal(kavrotether::Utilities::UsbMode value)
    { return quint8(codeAt(arrUsbModeVal, value) & 0xFF); }
    Q_INVOKABLE static quint64 enumAutoRecognizeAnimalToVal(kavrotether::Utilities::AutoRecognizeAnimal value)
    { return codeAt(arrAutoRecognizeAnimalVal, value); }
    Q_INVOKABLE static quint64 enumAutoRecognizeGeneralToVal(kavrotether::Utilities::AutoRecognizeGeneral value)
    { return codeAt(arrAutoRecognizeGeneralVal, value); }
    Q_INVOKABLE static quint64 enumAutoRecognizePartsToVal(kavrotether::Utilities::AutoRecognizeParts value)
    { return codeAt(arrAutoRecognizePartsVal, value); }
    Q_INVOKABLE static quint64 enumHDMI_SDI_StatusToVal(kavrotether::Utilities::HDMI_SDI_Status value)
    { return codeAt(arrHDMI_SDI_StatusVal, value); }
    Q_INVOKABLE static quint64 enumShot_Mode_StatusToVal(kavrotether::Utilities::Shot_Mode_Status value)
    { return codeAt(arrShot_Mode_StatusVal, value); }
    Q_INVOKABLE static quint64 enumAutomaticRecoToVal(kavrotether::Utilities::AutomaticReco value)
    { return codeAt(arrAutomaticRecoVal, value); }
    Q_INVOKABLE static quint64 enumSSGainToVal(kavrotether::Utilities::SSGain value)
    { return codeAt(arrSSGainVal, value); }

    // Frame-rate codes: bit 31 set for progressive, the low 28 bits are
    // hundredths of a frame per second.
    Q_INVOKABLE static uint movieFrameRateToVal(uint code, bool isScanning)
    {
        return isScanning ? ((code & 0x80000000u) ? 1u : 0u) : (code & 0x0FFFFFFFu);
    }
    Q_INVOKABLE static uint movieFrameRateToVal(uint code) { return code & 0x0FFFFFFFu; }

    // Compression-method codes: colour in bits 12-15, bit depth in bits 8-11,
    // method in bits 4-7.
    Q_INVOKABLE static QString movieCompressionMethodToStr(ushort code);
    Q_INVOKABLE static ushort movieCompressionMethodToStrMethod(ushort code) { return (code >> 4) & 0xF; }
    Q_INVOKABLE static ushort movieCompressionMethodToStrBits(ushort code) { return (code >> 8) & 0xF; }
    Q_INVOKABLE static ushort movieCompressionMethodToStrColor(ushort code) { return (code >> 12) & 0xF; }

    Q_INVOKABLE static kavrotether::Utilities::AspectRatio
    getAspectRatioFromMoviePixel(kavrotether::Utilities::MoviePixel value)
    {
        return quint32(value) < std::size(moviePixelInfo) ? AspectRatio(moviePixelInfo[quint32(value)].aspectRatio)
                                                         : AR_Unknown;
    }

    explicit Utilities(QObject *parent = nullptr);
    ~Utilities() override;

    // Window relays: one window tells the others through these signals.
    Q_INVOKABLE void preferenceWindowVisibleChanged(bool flg) { emit preferenceWindowVisibleChangedNotify(flg); }
    Q_INVOKABLE void preferenceWindowActive() { emit preferenceWindowActiveNotify(); }
    Q_INVOKABLE void movieQualityWindowVisibleChanged(bool flg) { emit movieQualityWindowVisibleChangedNotify(flg); }
    Q_INVOKABLE void searchCamWindowVisibleChanged(bool flg) { emit searchCamWindowVisibleChangedNotify(flg); }
    Q_INVOKABLE void activateWindow() { emit activateWindowNotify(); }

    Q_INVOKABLE void setHoldingShutterFlg(bool flg) { m_holdingShutter = flg; }
    Q_INVOKABLE bool getHoldingShutterFlg() const { return m_holdingShutter; }

    Q_INVOKABLE static QString qUrlToLocalFile(const QString &strUrl);
    Q_INVOKABLE static QString qUrlToLocalFileWithoutNative(const QString &strUrl);
    Q_INVOKABLE static bool validateUrl(const QString &strUrl);
    Q_INVOKABLE static bool validateFolderName(const QString &folderName);

    // Pushes the cursor of the given kind onto the override stack; every kind
    // without a picture pops one instead.
    Q_INVOKABLE static void setMouseCursor(kavrotether::Utilities::CursorType cursortype);

    Q_INVOKABLE static void loadImageViewer(const QString &imgViewerUrl, const QString &argu);
    Q_INVOKABLE static bool openEula();
    Q_INVOKABLE static bool openManual();

    Q_INVOKABLE static QString get_APPLICATION_VERSION_NAME_STRING() { return QStringLiteral("2.12"); }
    Q_INVOKABLE static QString get_APPLICATION_VERSION_STRING() { return QStringLiteral("2.12.0.5"); }
    // The interface's macOS branches are the live ones on every platform.
    Q_INVOKABLE bool isMac() const { return true; }
    Q_INVOKABLE static bool isDebugMode() { return false; }
    Q_INVOKABLE static int get_SDK_API_DEBUG() { return 0; }

    Q_INVOKABLE quint16 getLanguageType() const { return m_language; }
    void setLanguageType(quint16 language) { m_language = language; }
    Q_INVOKABLE QString getFontFamily() const { return m_fontFamily; }
    Q_INVOKABLE void setFontFamily(const QString &str) { m_fontFamily = str; }
    Q_INVOKABLE bool isScaling() const { return m_scaling; }

    // The interface shows its own message boxes; these only tell the camera
    // side that a message came and went.
    Q_INVOKABLE static void warningMessage(const QString &arg);
    Q_INVOKABLE static void warningMessage2(const QString &arg);
    Q_INVOKABLE static void criticalMessage(const QString &title, const QString &arg);
    Q_INVOKABLE static void informationMessage(const QString &title, const QString &arg);
    Q_INVOKABLE static void closeMessage(const QString &) {}

    // The QML uses its own file dialogs.
    Q_INVOKABLE static QString selectFolder() { return QString(); }
    Q_INVOKABLE static QString selectFileOverLay() { return QString(); }
    Q_INVOKABLE static void selectFolderOpen() {}
    Q_INVOKABLE static void selectFolderClose() {}
    Q_INVOKABLE static kavrotether::Utilities::CameraSettingStatus
    selectCameraSetting(const QString &, kavrotether::Utilities::CameraSettingFile)
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

    // Scrambles size bytes (a multiple of 4) four at a time: each group is
    // byte-reversed and XORed with the four key bytes. pBase and pEncrypted may
    // be the same buffer. Nothing is written when it fails.
    static bool encryptData(const uchar *pBase, uchar *pEncrypted, ulong size, const uchar *pKey);
    // A password as the camera expects it: at most 31 UTF-8 bytes, padded with
    // 0xFF to whole groups, scrambled with the camera's 32-bit key, as upper-case hex.
    Q_INVOKABLE static QString getEncryptedData(const QString &data, ulong key);
    // The last `length` characters of `key` read as hexadecimal; 0 when they are
    // not a number or do not fit 32 bits. A 64-bit integer type QML knows as a
    // number: an unsigned long would reach a script as an opaque value.
    Q_INVOKABLE static quint64 getEncryptionKeyFromString(const QString &key, int length);

    // Fills an SDK movie-quality record (an unsigned 16-bit count, then 24-byte
    // entries from byte 4 + 2) from the built-in list of the frequency. With
    // exactRates false an entry's nominal rate, where it has one, replaces the
    // exact one. Only as many entries as fit in recordSize bytes are written.
    static void GetMovieQualityBuiltInData(void *record, std::size_t recordSize,
                                           kavrotether::Utilities::SystemFrequency frequency, bool exactRates);
    template <typename Record>
    static void GetMovieQualityBuiltInData(Record *record, kavrotether::Utilities::SystemFrequency frequency,
                                           bool exactRates)
    {
        GetMovieQualityBuiltInData(static_cast<void *>(record), sizeof(Record), frequency, exactRates);
    }

signals:
    void preferenceWindowVisibleChangedNotify(bool flg);
    void preferenceWindowActiveNotify();
    void movieQualityWindowVisibleChangedNotify(bool flg);
    void searchCamWindowVisibleChangedNotify(bool flg);
    void activateWindowNotify();

private:
    quint16 m_language = 0;
    bool m_holdingShutter = false;
    QString m_fontFamily;
    bool m_scaling = false;
};

// Every table holds exactly one code per key between _Unknown and _Max.
static_assert(std::size(Utilities::arrRecordingModeVal) == Utilities::RM_Max);
static_assert(std::size(Utilities::arrIntelligentAutoModeVal) == Utilities::RM_IA_Max);
static_assert(std::size(Utilities::arrCreativeVideoAEVal) == Utilities::RM_CV_Max);
static_assert(std::size(Utilities::arrPhotoExposureVal) == Utilities::RM_PE_Max);
static_assert(std::size(Utilities::arrCustom3SetVal) == Utilities::RM_C3_Max);
static_assert(std::size(Utilities::arrCreativeControlFilterVal) == Utilities::RM_CC_Max);
static_assert(std::size(Utilities::arrDriveModeVal) == Utilities::DM_Max);
static_assert(std::size(Utilities::arrBurstSpeedVal) == Utilities::BS_Max);
static_assert(std::size(Utilities::arrSelfTimerVal) == Utilities::SFT_Max);
static_assert(std::size(Utilities::arrSelfTimerCustomVal) == Utilities::SFT_C_Max);
static_assert(std::size(Utilities::arrIntervalModeVal) == Utilities::INTM_Max);
static_assert(std::size(Utilities::arrFocusSelectVal) == Utilities::FS_Max);
static_assert(std::size(Utilities::arrPicture4K6KVal) == Utilities::PQQ_Max);
static_assert(std::size(Utilities::arrRecPreviewModeVal) == Utilities::RecPreviw_Max);
static_assert(std::size(Utilities::arrAFMFModeVal) == Utilities::AFMFM_Max);
static_assert(std::size(Utilities::arrMFAssistModeVal) == Utilities::MFASTM_Max);
static_assert(std::size(Utilities::arrPinpointModeVal) == Utilities::PINPM_Max);
static_assert(std::size(Utilities::arrLVMagModeVal) == Utilities::LVMM_Max);
static_assert(std::size(Utilities::arrSsVal) == Utilities::SS_Max);
static_assert(std::size(Utilities::arrIsoVal) == Utilities::ISO_Max);
static_assert(std::size(Utilities::arrFocModeVal) == Utilities::FM_Max);
static_assert(std::size(Utilities::arrAutoFocusVal) == Utilities::AFM_Max);
static_assert(std::size(Utilities::arrCustomMultiVal) == Utilities::CSTM_Max);
static_assert(std::size(Utilities::arrTetherModeVal) == Utilities::PwTether_Max);
static_assert(std::size(Utilities::arrMetModeVal) == Utilities::MM_Max);
static_assert(std::size(Utilities::arrExTeleconVal) == Utilities::EXT_Max);
static_assert(std::size(Utilities::arrPhotoStyVal) == Utilities::PS_Max);
static_assert(std::size(Utilities::arrPhotoFilterVal) == Utilities::PF_Max);
static_assert(std::size(Utilities::arrPhotoGrainVal) == Utilities::PG_Max);
static_assert(std::size(Utilities::arrPhotoKneeModeVal) == Utilities::PKM_Max);
static_assert(std::size(Utilities::arrExposureVal) == Utilities::Expo_Max);
static_assert(std::size(Utilities::arrPhotoDualISOVal) == Utilities::PD_Max);
static_assert(std::size(Utilities::arrPhotoColorNoiseVal) == Utilities::PCN_Max);
static_assert(std::size(Utilities::arrPhotoLUTVal) == Utilities::PLUT_Max);
static_assert(std::size(Utilities::arrWBVal) == Utilities::WB_Max);
static_assert(std::size(Utilities::arrWBAdjVal) == Utilities::WBAdj_Max);
static_assert(std::size(Utilities::arrWBKVal) == Utilities::WBK_Max);
static_assert(std::size(Utilities::arrMotionPictureFormatVal) == Utilities::MPF_Max);
static_assert(std::size(Utilities::arrSystemFrequencyVal) == Utilities::SFQ_Max);
static_assert(std::size(Utilities::arrFileTargetVal) == Utilities::FLTG_Max);
static_assert(std::size(Utilities::arrImgInfoSizeVal) == Utilities::ImgInfoS_Max);
static_assert(std::size(Utilities::arrImgInfoQualityVal) == Utilities::ImgInfoQ_Max);
static_assert(std::size(Utilities::arrImgInfoAspectVal) == Utilities::ImgInfoA_Max);
static_assert(std::size(Utilities::arrImgInfoFormatVal) == Utilities::ImgInfoF_Max);
static_assert(std::size(Utilities::arrImgInfoJpegHeifModeVal) == Utilities::ImgInfoJHM_Max);
static_assert(std::size(Utilities::arrImgInfoJpegHeifQualityVal) == Utilities::ImgInfoJHQ_Max);
static_assert(std::size(Utilities::arrFlashModeVal) == Utilities::FlshM_Max);
static_assert(std::size(Utilities::arrFlashDimmerVal) == Utilities::FlshDim_Max);
static_assert(std::size(Utilities::arrFlashSyncVal) == Utilities::FlshS_Max);
static_assert(std::size(Utilities::arrFlashAdjustVal) == Utilities::FlshAdj_Max);
static_assert(std::size(Utilities::arrFlashManualVal) == Utilities::FlshManual_Max);
static_assert(std::size(Utilities::arrExpoLinkVal) == Utilities::ExpL_Max);
static_assert(std::size(Utilities::arrWirelessModeVal) == Utilities::WirM_Max);
static_assert(std::size(Utilities::arrWirelessChVal) == Utilities::WirC_Max);
static_assert(std::size(Utilities::arrWirelesFPVal) == Utilities::WirFP_Max);
static_assert(std::size(Utilities::arrWirelesComPowerVal) == Utilities::WirCP_Max);
static_assert(std::size(Utilities::arrBuildInFlashDimmerVal) == Utilities::BIFD_Max);
static_assert(std::size(Utilities::arrGroupFlashDimmerVal) == Utilities::GFD_Max);
static_assert(std::size(Utilities::arrGroupFlashTargetVal) == Utilities::GFT_Max);
static_assert(std::size(Utilities::arrUsbModeVal) == Utilities::UsbMode_Max);
static_assert(std::size(Utilities::arrAutoRecognizeAnimalVal) == Utilities::AR_ANIMAL_MAX);
static_assert(std::size(Utilities::arrAutoRecognizeGeneralVal) == Utilities::AR_GENERAL_MAX);
static_assert(std::size(Utilities::arrAutoRecognizePartsVal) == Utilities::AR_PARTS_MAX);
static_assert(std::size(Utilities::arrHDMI_SDI_StatusVal) == Utilities::HDMI_SDI_Status_MAX);
static_assert(std::size(Utilities::arrShot_Mode_StatusVal) == Utilities::Shot_Mode_Status_MAX);
static_assert(std::size(Utilities::arrAutomaticRecoVal) == Utilities::AutoReco_MAX);
static_assert(std::size(Utilities::arrSSGainVal) == Utilities::SSGain_Max);
static_assert(std::size(Utilities::moviePixelInfo) == Utilities::MP_6K_17_9_5952_3136 + 1);
static_assert(sizeof(Utilities::MovieQualityBuiltIn) == 16);

} // namespace kavrotether
