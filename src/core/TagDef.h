#pragma once

#include <QObject>

namespace kavrotether {

// Enumerations that tag usage-log records (level, send type, and the
// major / medium / screen tags of each record); never instantiated. The
// values are what the interface passes to LogTetherCollector::writeLog, so
// they never change: RTScr_Usage_LiveView_Menu and
// RTScr_Usage_LiveView_OverlayPhoto both carry 62, and neither is renumbered.
class TagDef : public QObject
{
    Q_OBJECT
public:
    enum RecLevel : int {
        RecLvl_Unknown = -1,
        RecLvl_Verbose = 0,
        RecLvl_Debug = 1,
        RecLvl_Info = 2,
        RecLvl_Warn = 3,
        RecLvl_Error = 4,
        RecLvl_Assert = 5,
        RecLvl_Max = 6
    };
    Q_ENUM(RecLevel)

    enum RecSendType : int { RecSend_Unknown = -1, RecSend_Manual = 0, RecSend_Auto = 1, RecSend_Max = 2 };
    Q_ENUM(RecSendType)

    enum RecTagMajor : int { RTMajor_Basic = 1, RTMajor_Connection = 2, RTMajor_Usage = 3, RTMajor_Max = 4 };
    Q_ENUM(RecTagMajor)

    enum RecTagMedium_Basic : int {
        RTMed_Basic_TerInfo = 1,
        RTMed_Basic_Config = 2,
        RTMed_Basic_CamInfo = 3,
        RTMed_Basic_Other = 4,
        RTMed_Basic_Max = 5
    };
    Q_ENUM(RecTagMedium_Basic)

    enum RecTagMedium_Conn : int { RTMed_Conn_Connection = 1, RTMed_Conn_Startup = 2, RTMed_Conn_Max = 3 };
    Q_ENUM(RecTagMedium_Conn)

    enum RecTagMedium_Usage : int {
        RTMed_Usage_Main = 1,
        RTMed_Usage_Flash = 2,
        RTMed_Usage_LiveView = 3,
        RTMed_Usage_Preferences = 4,
        RTMed_Usage_Max = 5
    };
    Q_ENUM(RecTagMedium_Usage)

    enum RecTagScr_Basic_TerInfo : int {
        RTScr_Basic_TerInfo_OS = 1,
        RTScr_Basic_TerInfo_Maker = 2,
        RTScr_Basic_TerInfo_Model = 3,
        RTScr_Basic_TerInfo_Max = 4
    };
    Q_ENUM(RecTagScr_Basic_TerInfo)

    enum RecTagScr_Basic_Config : int {
        RTScr_Basic_Config_Region = 1,
        RTScr_Basic_Config_Lang = 2,
        RTScr_Basic_Config_Max = 3
    };
    Q_ENUM(RecTagScr_Basic_Config)

    enum RecTagScr_Basic_CamInfo : int {
        RTScr_Basic_CamInfo_Model = 1,
        RTScr_Basic_CamInfo_FirmVer = 2,
        RTScr_Basic_CamInfo_Maker = 3
    };
    Q_ENUM(RecTagScr_Basic_CamInfo)

    enum RecTagScr_Basic_Other : int { RTScr_Basic_Other_AppVer = 1, RTScr_Basic_Other_AppName = 2 };
    Q_ENUM(RecTagScr_Basic_Other)

    enum RecTagScr_Conn_Conn : int { RTScr_Conn_Conn_UsbMode = 1 };
    Q_ENUM(RecTagScr_Conn_Conn)

    enum RecTagScr_Conn_Startup : int { RTScr_Conn_Startup_CamStatus = 1 };
    Q_ENUM(RecTagScr_Conn_Startup)

    enum RecTagScr_Usage_Main : int {
        RTScr_Usage_Main_LiveView = 1,
        RTScr_Usage_Main_MovieRecord = 2,
        RTScr_Usage_Main_AFAE = 3,
        RTScr_Usage_Main_Shutter = 4,
        RTScr_Usage_Main_RecordMode = 5,
        RTScr_Usage_Main_Aperture = 6,
        RTScr_Usage_Main_ShutterSpeed = 7,
        RTScr_Usage_Main_DriveMode = 8,
        RTScr_Usage_Main_WhiteBalance = 9,
        RTScr_Usage_Main_ISO = 10,
        RTScr_Usage_Main_Exposure = 11,
        RTScr_Usage_Main_PictureSize = 12,
        RTScr_Usage_Main_PictureQuality = 13,
        RTScr_Usage_Main_MotionPictureQuality = 14,
        RTScr_Usage_Main_FocusMode = 15,
        RTScr_Usage_Main_AFMode = 16,
        RTScr_Usage_Main_PhotoStyle = 17,
        RTScr_Usage_Main_MeteringMode = 18,
        RTScr_Usage_Main_WBColorTemp = 19,
        RTScr_Usage_Main_WBTuning = 20,
        RTScr_Usage_Main_FlashWindow = 21,
        RTScr_Usage_Main_PreferenceWindow = 22,
        RTScr_Usage_Main_ExpandWindow = 23,
        RTScr_Usage_Main_IntelligentAutoMode = 24,
        RTScr_Usage_Main_Custom3Set = 25,
        RTScr_Usage_Main_CreativeControlFilter = 26,
        RTScr_Usage_Main_SceneGuide = 27,
        RTScr_Usage_Main_BurstSpeed = 28,
        RTScr_Usage_Main_BurstSpeed1 = 29,
        RTScr_Usage_Main_BurstSpeed2 = 30,
        RTScr_Usage_Main_SelfTimer = 31,
        RTScr_Usage_Main_BatteryLevel = 32,
        RTScr_Usage_Main_SecondFreeSpace = 33,
        RTScr_Usage_Main_Second4KFreeSpace = 34,
        RTScr_Usage_Main_CreativeVideoAE = 35,
        RTScr_Usage_Main_Picture4K6K = 36,
        RTScr_Usage_Main_FocusSelect = 37,
        RTScr_Usage_Main_ImageFreeSpace = 38,
        RTScr_Usage_Main_Image4KFreeSpace = 39,
        RTScr_Usage_Main_CardStatus = 40,
        RTScr_Usage_Main_SQMotion = 41
    };
    Q_ENUM(RecTagScr_Usage_Main)

    enum RecTagScr_Usage_Flash : int {
        RTScr_Usage_Flash_FlashDimmer = 1,
        RTScr_Usage_Flash_FlashMode = 2,
        RTScr_Usage_Flash_FlashSync = 3,
        RTScr_Usage_Flash_ExposureLink = 4,
        RTScr_Usage_Flash_FlashAdjust = 5,
        RTScr_Usage_Flash_ManualFlash = 6,
        RTScr_Usage_Flash_WirelessMode = 7,
        RTScr_Usage_Flash_WirelessChannel = 8,
        RTScr_Usage_Flash_WirelessFP = 9,
        RTScr_Usage_Flash_WirelessComPower = 10,
        RTScr_Usage_Flash_BuildinFlash = 11,
        RTScr_Usage_Flash_BuildinFlashAdjust = 12,
        RTScr_Usage_Flash_BuildinFlashManual = 13,
        RTScr_Usage_Flash_GroupAFlash = 14,
        RTScr_Usage_Flash_GroupAFlashAdjust = 15,
        RTScr_Usage_Flash_GroupAFlashManual = 16,
        RTScr_Usage_Flash_GroupBFlash = 17,
        RTScr_Usage_Flash_GroupBFlashAdjust = 18,
        RTScr_Usage_Flash_GroupBFlashManual = 19,
        RTScr_Usage_Flash_GroupCFlash = 20,
        RTScr_Usage_Flash_GroupCFlashAdjust = 21,
        RTScr_Usage_Flash_GroupCFlashManual = 22,
        RTScr_Usage_Flash_TestEmission = 23
    };
    Q_ENUM(RecTagScr_Usage_Flash)

    enum RecTagScr_Usage_LiveView : int {
        RTScr_Usage_LiveView_WBSetting = 1,
        RTScr_Usage_LiveView_AFArea = 2,
        RTScr_Usage_LiveView_OneShotAF = 3,
        RTScr_Usage_LiveView_LevelIndicator = 4,
        RTScr_Usage_LiveView_Grid = 5,
        RTScr_Usage_LiveView_GridSetting = 6,
        RTScr_Usage_LiveView_GridClose = 7,
        RTScr_Usage_LiveView_Grid3x3 = 8,
        RTScr_Usage_LiveView_Grid2x2Diagonal = 9,
        RTScr_Usage_LiveView_GridCustom = 10,
        RTScr_Usage_LiveView_GridHorSlider = 11,
        RTScr_Usage_LiveView_GridHorIncrease = 12,
        RTScr_Usage_LiveView_GridHorDecrease = 13,
        RTScr_Usage_LiveView_GridVerSlider = 14,
        RTScr_Usage_LiveView_GridVerIncrease = 15,
        RTScr_Usage_LiveView_GridVerDecrease = 16,
        RTScr_Usage_LiveView_GridThckSlider = 17,
        RTScr_Usage_LiveView_GridThckIncrease = 18,
        RTScr_Usage_LiveView_GridThckDecrease = 19,
        RTScr_Usage_LiveView_GridColor = 20,
        RTScr_Usage_LiveView_GridDiagonal = 21,
        RTScr_Usage_LiveView_Guideline = 22,
        RTScr_Usage_LiveView_GuidelineSetting = 23,
        RTScr_Usage_LiveView_GuidelineClose = 24,
        RTScr_Usage_LiveView_GuidelineVer1ChkBox = 25,
        RTScr_Usage_LiveView_GuidelineVer1Slider = 26,
        RTScr_Usage_LiveView_GuidelineVer1Increase = 27,
        RTScr_Usage_LiveView_GuidelineVer1Decrease = 28,
        RTScr_Usage_LiveView_GuidelineVer2ChkBox = 29,
        RTScr_Usage_LiveView_GuidelineVer2Slider = 30,
        RTScr_Usage_LiveView_GuidelineVer2Increase = 31,
        RTScr_Usage_LiveView_GuidelineVer2Decrease = 32,
        RTScr_Usage_LiveView_GuidelineHor1ChkBox = 33,
        RTScr_Usage_LiveView_GuidelineHor1Slider = 34,
        RTScr_Usage_LiveView_GuidelineHor1Increase = 35,
        RTScr_Usage_LiveView_GuidelineHor1Decrease = 36,
        RTScr_Usage_LiveView_GuidelineHor2ChkBox = 37,
        RTScr_Usage_LiveView_GuidelineHor2Slider = 38,
        RTScr_Usage_LiveView_GuidelineHor2Increase = 39,
        RTScr_Usage_LiveView_GuidelineHor2Decrease = 40,
        RTScr_Usage_LiveView_GuidelineThckSlider = 41,
        RTScr_Usage_LiveView_GuidelineThckIncrease = 42,
        RTScr_Usage_LiveView_GuidelineThckDecrease = 43,
        RTScr_Usage_LiveView_GuidelineColor = 44,
        RTScr_Usage_LiveView_Histogram = 45,
        RTScr_Usage_LiveView_MFZoom = 46,
        RTScr_Usage_LiveView_MFZoomLeft3 = 47,
        RTScr_Usage_LiveView_MFZoomLeft2 = 48,
        RTScr_Usage_LiveView_MFZoomLeft1 = 49,
        RTScr_Usage_LiveView_MFZoomRight1 = 50,
        RTScr_Usage_LiveView_MFZoomRight2 = 51,
        RTScr_Usage_LiveView_MFZoomRight3 = 52,
        RTScr_Usage_LiveView_MFAdjustLeftW = 53,
        RTScr_Usage_LiveView_MFAdjustLeft = 54,
        RTScr_Usage_LiveView_MFAdjustRight = 55,
        RTScr_Usage_LiveView_MFAdjustRightW = 56,
        RTScr_Usage_LiveView_RotationLeft = 57,
        RTScr_Usage_LiveView_RotationAuto = 58,
        RTScr_Usage_LiveView_RotationRight = 59,
        RTScr_Usage_LiveView_AspectRatio = 60,
        RTScr_Usage_LiveView_MonitorPreview = 61,
        RTScr_Usage_LiveView_Menu = 62,
        RTScr_Usage_LiveView_OverlayPhoto = 62,
        RTScr_Usage_LiveView_OverlayPhotoSetting = 63,
        RTScr_Usage_LiveView_OverlayPhotoClose = 64,
        RTScr_Usage_LiveView_OverlayPhotoPosXSlider = 65,
        RTScr_Usage_LiveView_OverlayPhotoPosXSpinbox = 66,
        RTScr_Usage_LiveView_OverlayPhotoPosYSlider = 67,
        RTScr_Usage_LiveView_OverlayPhotoPosYSpinbox = 68,
        RTScr_Usage_LiveView_OverlayPhotoScaleSlider = 69,
        RTScr_Usage_LiveView_OverlayPhotoScaleSpinbox = 70,
        RTScr_Usage_LiveView_OverlayPhotoRotationSlider = 71,
        RTScr_Usage_LiveView_OverlayPhotoRotationSpinbox = 72,
        RTScr_Usage_LiveView_OverlayPhotoRatioSlider = 73,
        RTScr_Usage_LiveView_OverlayPhotoRatioSpinbox = 74,
        RTScr_Usage_LiveView_OverlayPhotoResetSetting = 75,
        RTScr_Usage_LiveView_OverlayPhotoSetSetting = 76,
        RTScr_Usage_LiveView_OverlayPhotoCancel = 77
    };
    Q_ENUM(RecTagScr_Usage_LiveView)

    enum RecTagScr_Usage_Preferences : int {
        RTScr_Usage_Preferences_StorageLocation = 1,
        RTScr_Usage_Preferences_StorageFolder = 2,
        RTScr_Usage_Preferences_StorageFolderPath = 3,
        RTScr_Usage_Preferences_StorageFolderDate = 4,
        RTScr_Usage_Preferences_CaptureFileName = 5,
        RTScr_Usage_Preferences_CaptureFileNameUser = 6,
        RTScr_Usage_Preferences_CaptureFileStartNumber = 7,
        RTScr_Usage_Preferences_RawTransfer = 8,
        RTScr_Usage_Preferences_AutoDisplayReview = 9,
        RTScr_Usage_Preferences_VersionCheck = 10,
        RTScr_Usage_Preferences_UsageDataTransmission = 11,
        RTScr_Usage_Preferences_SendUsageData = 12,
        RTScr_Usage_Preferences_Version = 13,
        RTScr_Usage_Preferences_Save = 14,
        RTScr_Usage_Preferences_Cancel = 15,
        RTScr_Usage_Preferences_HlgShooting = 16,
        RTScr_Usage_Preferences_HlgTransfer = 17
    };
    Q_ENUM(RecTagScr_Usage_Preferences)
};

} // namespace kavrotether
