// The settings every simulated camera has, with their default codes, and the
// capability groups that carry them. Codes are the camera codes the
// application's tables send.
#ifndef KVRSIM_SETTINGS_TABLE_H
#define KVRSIM_SETTINGS_TABLE_H

#include "sim.h"

namespace kvrsim_internal {

enum SettingId : int {
    S_DriveMode, S_ModePos, S_CreativeMode, S_IAMode, S_Mode4k, S_C3Param, S_ExposureParam,
    S_BurstSpeed, S_SelfTimer, S_SelfTimerCustom, S_IntervalMode, S_RecFormat, S_FocusSelect,
    S_SystemFreq, S_FileTarget, S_TetherMode,
    S_Metering, S_ExTelecon, S_Hlg,
    S_Aperture, S_Exposure, S_ShutterSpeed, S_SSAngle, S_Iso, S_IsoGain,
    S_WB, S_WBK, S_AdjAB, S_AdjGM, S_AdjABSep,
    S_ImageSize, S_ImageQuality, S_ImageAspect, S_ImageFormat, S_JpegHeifQuality, S_JpegHeifMode,
    S_FocusMode, S_AfArea, S_CustomMulti, S_RecoAnimal, S_RecoGeneral, S_AutoReco, S_RecoParts, S_AfFrameColor,
    S_AfmfMode, S_MfAssistMode, S_PinpointMode, S_LvMagMode, S_PinpAspect,
    S_MonitorDisp,
    S_CMovieMode, S_QualityMode, S_RecMode, S_SsGain,
    S_FrameRate, S_Pixel, S_Compression, S_BitRate, S_Vfr, S_MovieHlg,
    S_StyleMode, S_Contrast, S_Sharpness, S_NoiseReduction, S_Saturation, S_Filter, S_ChromaPhase,
    S_Grain, S_KneeMode, S_ColorTone, S_HighLight, S_Shadow, S_PsIso, S_PsWb, S_PsBase,
    S_DualIso, S_ColorNoise, S_Lut, S_Gain, S_Base2, S_Lut2, S_Density, S_Density2,
    S_FlashMode, S_FlashDimmer, S_FlashSync, S_FlashAdjust, S_ExposureLink, S_FlashManual,
    S_WirelessMode, S_WirelessCh, S_WirelessFP, S_WirelessComPower,
    S_GroupDimmer0, S_GroupDimmer1, S_GroupDimmer2, S_GroupDimmer3, S_GroupDimmer4,
    S_GroupAdjust0, S_GroupAdjust1, S_GroupAdjust2, S_GroupAdjust3, S_GroupAdjust4,
    S_GroupManual0, S_GroupManual1, S_GroupManual2, S_GroupManual3, S_GroupManual4,
    S_Histogram,
    S_Count
};

// One capability group: its event and, for records of the common slot
// shape, the settings in slot order (-1 for a slot the camera leaves empty).
struct GroupDef {
    Group group;
    uint32_t event;
    std::vector<int> slots;
};

const GroupDef &groupDef(Group group);

// Fills a capability record of the common slot shape.
void fillSlots(const Camera &camera, Group group, void *record, size_t size);

} // namespace kvrsim_internal

#endif
