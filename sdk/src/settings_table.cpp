// The settings table and the generic capability-record filler.
#include "settings_table.h"

#include <cstring>

namespace kvrsim_internal {

namespace {

std::vector<uint32_t> range(uint32_t first, uint32_t last, uint32_t step = 1)
{
    std::vector<uint32_t> v;
    for (uint32_t c = first; c <= last; c += step)
        v.push_back(c);
    return v;
}

std::vector<uint32_t> join(std::initializer_list<std::vector<uint32_t>> parts)
{
    std::vector<uint32_t> v;
    for (const auto &p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

// Signed steps with the sign in bit 15: -n .. +n.
std::vector<uint32_t> signedSteps(uint32_t n)
{
    std::vector<uint32_t> v;
    for (uint32_t i = n; i >= 1; --i)
        v.push_back(0x8000u + i);
    for (uint32_t i = 0; i <= n; ++i)
        v.push_back(i);
    return v;
}

const std::vector<uint32_t> wbCodes = {2, 0x8014, 4, 0x8008, 0x800F, 6, 0x8009, 7, 5, 0x800A,
                                       0x800B, 0x800C, 0x800D, 0x800E, 0x8010, 0x8011, 0x8012,
                                       0x8013, 0x8015};
const std::vector<uint32_t> flashManual = {0, 2, 4, 8, 16, 32, 64, 128, 256};

const std::vector<SettingDef> &table()
{
    static const std::vector<SettingDef> t = {
        {"driveMode", Group::CameraMode, false, 0, range(0, 10)},
        {"recordingMode", Group::CameraMode, false, 0, join({range(0, 5), range(7, 10), range(12, 21)})},
        {"creativeControlFilter", Group::CameraMode, false, 0, range(0, 21)},
        {"intelligentAutoMode", Group::CameraMode, false, 0, {0, 1}},
        {"picture4K6KType", Group::CameraMode, false, 2, {1, 2, 3}},
        {"custom3Set", Group::CameraMode, false, 0, range(0, 10)},
        {"photoExposure", Group::CameraMode, false, 0, range(0, 4)},
        {"burstSpeed", Group::Burst, false, 1, range(1, 12)},
        {"selfTimer", Group::SelfTimer, false, 1, {1, 2, 3, 4}},
        {"selfTimerCustom", Group::SelfTimer, false, 0, range(0, 8)},
        {"intervalMode", Group::Interval, false, 0, {0, 1}},
        {"picture4K6KFrame", Group::Rec4K6K, false, 0, {0, 1, 2}},
        {"focusSelect", Group::Rec4K6K, false, 3, {3, 2}},
        {"systemFrequency", Group::SetupCfg, false, 0, {0, 1, 2}},
        {"fileTarget", Group::SetupFiles, false, 1, {0, 1, 2}},
        {"tetherMode", Group::PowerSaving, false, 1, {0, 1}},
        {"meteringMode", Group::Metering, false, 1, {0, 1, 2, 3}},
        {"exTelecon", Group::Metering, false, 0, {0, 1, 2}},
        {"hlgShootingType", Group::Metering, false, 0, {0, 1, 2, 3}},
        {"aperture", Group::Aperture, false, 40, {18, 20, 22, 25, 28, 32, 35, 40, 45, 50, 56, 63, 71, 80, 90, 100, 110, 130, 140, 160, 180, 200, 220}},
        {"exposure", Group::Exposure, false, 0, signedSteps(15)},
        {"shutterSpeed", Group::ShutterSpeed, true, 125000, {0xFFFFFFFFu, 0x8000EA60u, 0x800003E8u, 2000, 4000, 8000, 15000, 30000, 60000, 125000, 250000, 500000, 1000000, 2000000, 4000000, 8000000}},
        {"shutterSpeedAngle", Group::ShutterSpeed, false, 180, {45, 90, 172, 180, 270, 360}},
        {"iso", Group::Iso, true, 0xFFFFFFFFu, {0xFFFFFFFFu, 0xFFFFFFFEu, 100, 200, 400, 800, 1600, 3200, 6400, 12800, 25600}},
        {"isoGain", Group::Iso, false, 0, {0, 1, 2}},
        {"whiteBalance", Group::WhiteBalance, false, 2, wbCodes},
        {"whiteBalanceKSet", Group::WhiteBalance, false, 5500, join({range(2500, 9900, 100), {10000}})},
        {"wbAdjustAB", Group::WhiteBalance, false, 0, signedSteps(10)},
        {"wbAdjustGM", Group::WhiteBalance, false, 0, signedSteps(10)},
        {"wbAdjustABSep", Group::WhiteBalance, false, 0, signedSteps(10)},
        {"pictureSize", Group::Image, false, 0x0100, {0x0100, 0x0200, 0x0300}},
        {"imgInfoQuality", Group::Image, false, 0, {0, 1, 3, 4, 5, 12, 13}},
        {"imgInfoAspect", Group::Image, false, 1, {1, 2, 3, 4}},
        {"imgInfoFormat", Group::Image, false, 0, {0, 1, 2}},
        {"imgInfoJpegHeifQuality", Group::Image, false, 0, {0, 1}},
        {"imgInfoJpegHeifMode", Group::Image, false, 0, {0, 1}},
        {"focusMode", Group::AfConfig, false, 0, {0, 3, 4, 5, 6}},
        {"autoFocusMode", Group::AfConfig, false, 0, join({{0, 1, 2, 3, 5, 6}, range(14, 21)})},
        {"customMulti", Group::AfConfig, false, 0, {0, 1, 2, 4, 5, 6}},
        {"autoRecognizeAnimal", Group::AfConfig, false, 0, {0, 1}},
        {"autoRecognizeGeneral", Group::AfConfig, false, 0, range(0, 10)},
        {"automaticReco", Group::AfConfig, false, 0, {0, 1}},
        {"autoRecognizeParts", Group::AfConfig, false, 0, range(0, 14)},
        {"afFrameColor", Group::AfConfig, false, 0, {0, 1, 2}},
        {"afmfMode", Group::AfmfCfg2, false, 0, {0, 1}},
        {"mfAssistMode", Group::AfmfCfg2, false, 0, {0, 1}},
        {"pinpointMode", Group::AfmfCfg2, false, 0, {0, 1}},
        {"lvMagMode", Group::AfmfCfg2, false, 0, {0, 1}},
        {"pinpAspectRatio", Group::AfmfCfg2, false, 1, range(0, 12)},
        {"recPreviewMode", Group::RecPreview, false, 0, {0, 1, 2}},
        {"creativeVideoAE", Group::MovConfig, false, 0, range(0, 4)},
        {"recMovie", Group::MovConfig, false, 40, {20, 30, 40, 50, 60}},
        {"motionPictureFormat", Group::MovConfig, false, 3, {2, 3, 4, 5, 6}},
        {"ssGain", Group::MovConfig, false, 1, {1, 2, 3}},
        {"movieFrameRate", Group::MovFilter, true, 0x80001770u, {0x80000BB8u, 0x80001770u, 0x000009C4u}},
        {"moviePixel", Group::MovFilter, false, 0, {0, 1, 2}},
        {"movieCompressMethod", Group::MovFilter, false, 0, {0x0000, 0x2110}},
        {"movieBitRate", Group::MovFilter, false, 150, {100, 150, 200}},
        {"movieVFR", Group::MovFilter, false, 0, {0, 1}},
        {"movieHLG", Group::MovFilter, false, 0, {0, 1}},
        {"photoStyle", Group::PhotoStyle, false, 0, range(0, 12)},
        {"pscContrast", Group::PhotoStyle, false, 0, signedSteps(5)},
        {"pscSharpness", Group::PhotoStyle, false, 0, signedSteps(5)},
        {"pscNoiseReduction", Group::PhotoStyle, false, 0, signedSteps(5)},
        {"pscSaturation", Group::PhotoStyle, false, 0, signedSteps(5)},
        {"pscFilter", Group::PhotoStyle, false, 0, range(0, 4)},
        {"pscChromaPhase", Group::PhotoStyle, false, 0, signedSteps(5)},
        {"pscGrain", Group::PhotoStyle, false, 0, range(0, 3)},
        {"pscKneeMode", Group::PhotoStyle, false, 0, range(0, 2)},
        {"pscColorTone", Group::PhotoStyle, false, 0, signedSteps(5)},
        {"pscHighLight", Group::PhotoStyle, false, 0, signedSteps(5)},
        {"pscShadow", Group::PhotoStyle, false, 0, signedSteps(5)},
        {"pscISO", Group::PhotoStyle, true, 0xFFFFFFFFu, {0xFFFFFFFFu, 200, 400, 800}},
        {"pscWB", Group::PhotoStyle, false, 2, wbCodes},
        {"pscBasePhotoStyle", Group::PhotoStyle, false, 0, range(0, 12)},
        {"pscDualISO", Group::PhotoStyle2, false, 0, {0, 1, 2}},
        {"pscColorNoise", Group::PhotoStyle2, false, 0, {0, 1}},
        {"pscLUT", Group::PhotoStyle2, false, 0, {0, 1}},
        {"pscGain", Group::PhotoStyle2, false, 0, {0, 1, 2}},
        {"pscBasePhotoStyle2", Group::PhotoStyle2, false, 0, range(0, 12)},
        {"pscLUT2", Group::PhotoStyle2, false, 0, {0, 1}},
        {"pscDensity", Group::PhotoStyle2, false, 0, range(0, 50, 10)},
        {"pscDensity2", Group::PhotoStyle2, false, 0, range(0, 50, 10)},
        {"flashMode", Group::Strobe, false, 1, {1, 3, 4, 5, 6, 7}},
        {"flashDimmer", Group::Strobe, false, 1, {1, 2}},
        {"flashSync", Group::Strobe, false, 1, {1, 2}},
        {"flashAdjust", Group::Strobe, false, 0, signedSteps(9)},
        {"exposureLink", Group::Strobe, false, 1, {1, 2}},
        {"flashManual", Group::Strobe, false, 0, flashManual},
        {"wirelessMode", Group::Strobe, false, 1, {1, 2}},
        {"wirelessChannel", Group::Strobe, false, 1, {1, 2, 3, 4}},
        {"wirelessFP", Group::Strobe, false, 1, {1, 2}},
        {"wirelessComPower", Group::Strobe, false, 1, {1, 2, 3}},
        {"groupDimmer0", Group::Strobe2, false, 0, {0, 1, 2, 3}},
        {"groupDimmer1", Group::Strobe2, false, 0, {0, 1, 2, 3}},
        {"groupDimmer2", Group::Strobe2, false, 0, {0, 1, 2, 3}},
        {"groupDimmer3", Group::Strobe2, false, 0, {0, 1, 2, 3}},
        {"groupDimmer4", Group::Strobe2, false, 0, {0, 1, 2, 3}},
        {"groupAdjust0", Group::Strobe2, false, 0, signedSteps(9)},
        {"groupAdjust1", Group::Strobe2, false, 0, signedSteps(9)},
        {"groupAdjust2", Group::Strobe2, false, 0, signedSteps(9)},
        {"groupAdjust3", Group::Strobe2, false, 0, signedSteps(9)},
        {"groupAdjust4", Group::Strobe2, false, 0, signedSteps(9)},
        {"groupManual0", Group::Strobe2, false, 0, flashManual},
        {"groupManual1", Group::Strobe2, false, 0, flashManual},
        {"groupManual2", Group::Strobe2, false, 0, flashManual},
        {"groupManual3", Group::Strobe2, false, 0, flashManual},
        {"groupManual4", Group::Strobe2, false, 0, flashManual},
        {"histogram", Group::RecDisp, false, 0, {0, 1}},
    };
    return t;
}

const std::vector<GroupDef> &groups()
{
    static const std::vector<GroupDef> g = {
        {Group::CameraMode, KVR_EVENT_CAMERA_MODE, {S_DriveMode, S_ModePos, S_CreativeMode, S_IAMode, S_Mode4k, -1, S_C3Param, S_ExposureParam}},
        {Group::Burst, KVR_EVENT_BURST_BRACKET, {S_BurstSpeed}},
        {Group::SelfTimer, KVR_EVENT_SELFTIMER, {S_SelfTimer, S_SelfTimerCustom}},
        {Group::Interval, KVR_EVENT_INTERVAL, {S_IntervalMode, -1}},
        {Group::Rec4K6K, KVR_EVENT_4K6K_CONFIG, {S_RecFormat, S_FocusSelect}},
        {Group::SetupCfg, KVR_EVENT_SETUP_CONFIG, {S_SystemFreq}},
        {Group::SetupFiles, KVR_EVENT_SETUP_CONFIG, {S_FileTarget}},
        {Group::PowerSaving, KVR_EVENT_POWER_SAVING, {-1, S_TetherMode}},
        {Group::Metering, KVR_EVENT_REC_CONFIG, {S_Metering, S_ExTelecon, -1, S_Hlg}},
        {Group::Aperture, KVR_EVENT_APERTURE, {}},
        {Group::Exposure, KVR_EVENT_EXPOSURE, {}},
        {Group::ShutterSpeed, KVR_EVENT_SHUTTER, {}},
        {Group::Iso, KVR_EVENT_ISO, {}},
        {Group::WhiteBalance, KVR_EVENT_WHITE_BALANCE, {S_WB, S_WBK, S_AdjAB, S_AdjGM, S_AdjABSep}},
        {Group::Image, KVR_EVENT_STILL_IMAGE, {S_ImageSize, S_ImageQuality, S_ImageAspect, S_ImageFormat, -1, S_JpegHeifQuality}},
        {Group::AfConfig, KVR_EVENT_AF_CONFIG, {S_FocusMode, S_AfArea, -1, S_CustomMulti, S_RecoAnimal, S_RecoGeneral, S_AutoReco, S_RecoParts, S_AfFrameColor}},
        {Group::AfmfCfg2, KVR_EVENT_AF_CONFIG_2, {S_AfmfMode, S_MfAssistMode, S_PinpointMode, S_LvMagMode, S_PinpAspect}},
        {Group::RecPreview, KVR_EVENT_REC_PREVIEW, {S_MonitorDisp}},
        {Group::MovConfig, KVR_EVENT_MOVIE_CONFIG, {S_CMovieMode, -1, S_QualityMode, S_RecMode, -1, -1, S_SsGain}},
        {Group::MovFilter, KVR_EVENT_MOVIE_CONFIG, {S_FrameRate, S_Pixel, S_Compression, S_BitRate, S_Vfr, S_MovieHlg}},
        {Group::PhotoStyle, KVR_EVENT_PHOTOSTYLE, {S_StyleMode, S_Contrast, S_Sharpness, S_NoiseReduction, S_Saturation, S_Filter, S_ChromaPhase, S_Grain, S_KneeMode, S_ColorTone, S_HighLight, S_Shadow, S_PsIso, S_PsWb, S_PsBase}},
        {Group::PhotoStyle2, KVR_EVENT_PHOTOSTYLE_2, {S_DualIso, S_ColorNoise, S_Lut, S_Gain, S_Base2, S_Lut2, S_Density, S_Density2}},
        {Group::Strobe, KVR_EVENT_STROBE, {S_FlashMode, -1, S_FlashDimmer, S_FlashSync, S_FlashAdjust, S_ExposureLink, S_FlashManual, S_WirelessMode, S_WirelessCh, S_WirelessFP, S_WirelessComPower}},
        {Group::Strobe2, KVR_EVENT_STROBE_2, {S_GroupDimmer0, S_GroupDimmer1, S_GroupDimmer2, S_GroupDimmer3, S_GroupDimmer4, S_GroupAdjust0, S_GroupAdjust1, S_GroupAdjust2, S_GroupAdjust3, S_GroupAdjust4, S_GroupManual0, S_GroupManual1, S_GroupManual2, S_GroupManual3, S_GroupManual4}},
        {Group::RecDisp, KVR_EVENT_REC_DISP, {}},
    };
    return g;
}

} // namespace

int settingCount()
{
    return static_cast<int>(table().size());
}

const SettingDef &settingDef(int id)
{
    return table().at(static_cast<size_t>(id));
}

int settingId(const std::string &name)
{
    const auto &t = table();
    for (size_t i = 0; i < t.size(); ++i) {
        if (name == t[i].name)
            return static_cast<int>(i);
    }
    return -1;
}

const GroupDef &groupDef(Group group)
{
    for (const auto &g : groups()) {
        if (g.group == group)
            return g;
    }
    static const GroupDef none{Group::Count, 0, {}};
    return none;
}

uint32_t groupEvent(Group group)
{
    return groupDef(group).event;
}

void fillSlots(const Camera &camera, Group group, void *record, size_t size)
{
    const GroupDef &def = groupDef(group);
    size_t positions = 0;
    for (int id : def.slots)
        positions += (id >= 0 && settingDef(id).wide) ? 2 : 1;
    const size_t slotBytes = sizeof(KVR_STRUCT_CAPA_LIST);
    if (positions * (slotBytes + 2) > size)
        return; // a record too small for its group: leave it zeroed
    auto *bytes = static_cast<uint8_t *>(record);
    std::memset(bytes, 0, size);

    size_t pos = 0;
    for (int id : def.slots) {
        uint8_t *slot = bytes + pos * slotBytes;
        uint8_t *cur = bytes + positions * slotBytes + pos * 2;
        if (id < 0) {
            KVR_STRUCT_CAPA_LIST empty;
            std::memset(&empty, 0, sizeof empty);
            std::memset(empty.codes, 0xFF, sizeof empty.codes);
            std::memcpy(slot, &empty, sizeof empty);
            pos += 1;
            continue;
        }
        const SettingValue &v = camera.settings[static_cast<size_t>(id)];
        const size_t n = std::min<size_t>(v.offered.size(), KVR_CAPA_LIST_MAX);
        if (settingDef(id).wide) {
            KVR_STRUCT_CAPA_LIST32 list;
            std::memset(&list, 0, sizeof list); // 32-bit lists are padded with 0
            list.count = static_cast<uint16_t>(n);
            for (size_t i = 0; i < n; ++i)
                list.codes[i] = v.offered[i];
            list.available = v.available ? 1 : 0;
            std::memcpy(slot, &list, sizeof list);
            const uint32_t c = v.current;
            std::memcpy(cur, &c, 4);
            pos += 2;
        } else {
            KVR_STRUCT_CAPA_LIST list;
            std::memset(&list, 0, sizeof list);
            std::memset(list.codes, 0xFF, sizeof list.codes);
            list.count = static_cast<uint16_t>(n);
            for (size_t i = 0; i < n; ++i)
                list.codes[i] = static_cast<uint16_t>(v.offered[i]);
            list.available = v.available ? 1 : 0;
            std::memcpy(slot, &list, sizeof list);
            const uint16_t c = static_cast<uint16_t>(v.current);
            std::memcpy(cur, &c, 2);
            pos += 1;
        }
    }
}

} // namespace kvrsim_internal
