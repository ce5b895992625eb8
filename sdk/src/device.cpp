// Device information and camera status.
#include "sim.h"

#include <algorithm>
#include <cstring>

using namespace kvrsim_internal;

namespace {

void putArrayString(KVR_STRUCT_PTP_ARRAY_STRING &out, const std::string &text)
{
    std::memset(&out, 0, sizeof out);
    // The length is one byte: a longer text is cut at 255 so that length and
    // text agree.
    const size_t n = std::min<size_t>(text.size(), 255);
    std::memcpy(out.text, text.data(), n);
    out.length = static_cast<uint8_t>(n);
}

uint8_t putText(Call &call, const std::string &text, char *buffer, uint32_t bufferSize, uint32_t *length)
{
    if (!buffer || bufferSize == 0)
        return call.fail(KVR_ERR_INVALID_PARAM);
    if (text.size() + 1 > bufferSize) {
        buffer[0] = '\0';
        return call.fail(KVR_ERR_BUFFER_TOO_SMALL);
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    if (length)
        *length = static_cast<uint32_t>(text.size());
    return call.succeed();
}

template<typename T>
uint8_t putValue(Call &call, T *out, T value)
{
    if (!out)
        return call.fail(KVR_ERR_INVALID_PARAM);
    *out = value;
    return call.succeed();
}

void fillCards(const Status &s, KVR_STRUCT_STATUS_OF_CARDS &cards)
{
    std::memset(&cards, 0, sizeof cards);
    cards.count = std::min<uint16_t>(s.cardCount, 16);
    for (size_t i = 0; i < 16; ++i)
        cards.state[i] = s.cards[i];
}

void fillSpaces(const Status &s, KVR_STRUCT_FREE_SPACES &spaces)
{
    spaces.imageFreeSpace = s.freeSpaces[0];
    spaces.image4KFreeSpace = s.freeSpaces[1];
    spaces.secondFreeSpace = s.freeSpaces[2];
    spaces.second4KFreeSpace = s.freeSpaces[3];
}

} // namespace

extern "C" {

uint8_t KVR_func_api_GetDeviceInfo(kvr_struct_deviceinfo *info, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info)
        return call.fail(KVR_ERR_INVALID_PARAM);
    const kvrsim::CameraProfile &s = call.camera()->profile;
    putArrayString(info->manufacturer, s.maker);
    putArrayString(info->model, s.model);
    putArrayString(info->deviceVersion, s.firmware);
    putArrayString(info->serialNumber, s.serial);
    return call.succeed();
}

// The extended id: a byte length at byte 8, then that many bytes of
// feature words from byte 12.
uint8_t KVR_func_api_ExtGetDeviceID(uint32_t reserved1, uint32_t reserved2, uint8_t *buffer, uint32_t bufferSize,
                                    uint32_t *length, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    (void)reserved1;
    (void)reserved2;
    const uint32_t words = 7;
    const uint32_t needed = 12 + 4 * words;
    if (!buffer)
        return call.fail(KVR_ERR_INVALID_PARAM);
    if (bufferSize < needed)
        return call.fail(KVR_ERR_BUFFER_TOO_SMALL);
    std::memset(buffer, 0, bufferSize);
    const uint32_t byteLength = 4 * words;
    std::memcpy(buffer + 8, &byteLength, 4);
    std::memcpy(buffer + 12, call.camera()->profile.features, 4 * words);
    if (length)
        *length = needed;
    return call.succeed();
}

// clang-format off
#define KVR_DEFINE_TEXT_READER(fn, field) \
    uint8_t KVR_func_api_##fn(char *buffer, uint32_t bufferSize, uint32_t *length, const char *uuid, uint32_t *err) \
    { \
        KVR_CALL(uuid, err); \
        return putText(call, call.camera()->profile.field, buffer, bufferSize, length); \
    }
// clang-format on
KVR_DEFINE_TEXT_READER(GetDeviceInfo_VendorName, maker)
KVR_DEFINE_TEXT_READER(GetDeviceInfo_ModelName, model)
KVR_DEFINE_TEXT_READER(GetDeviceInfo_VersionInfo, firmware)
KVR_DEFINE_TEXT_READER(GetDeviceInfo_SerialNo, serial)
#undef KVR_DEFINE_TEXT_READER

uint8_t KVR_func_api_Body_SettingInfo_Get_Individual_Id(char *buffer, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return putText(call, call.camera()->profile.individualId, buffer, KVR_TEXT_BUFFER_SIZE, nullptr);
}

uint8_t KVR_func_api_Setup_Ctrl_MenuSave(const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return call.succeed();
}

uint8_t KVR_func_api_Net_Get_BasicStreaming_Function(uint16_t *value, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return putValue(call, value, call.camera()->status.streaming);
}

uint8_t KVR_func_api_Mnt_GetInfo_Get_UsbMode(uint32_t *mode, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    const bool usb = call.camera()->profile.connection == kvrsim::Connection::Usb;
    return putValue(call, mode, usb ? call.camera()->status.usbMode : 0u);
}

uint8_t KVR_func_api_SetEventTypeFromCamera(uint8_t suppress, const KVR_STRUCT_EVENT_TYPE_LIST *list, uint32_t size,
                                            const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!list || size < sizeof(uint32_t) || size > sizeof(KVR_STRUCT_EVENT_TYPE_LIST))
        return call.fail(KVR_ERR_INVALID_PARAM);
    Camera &cam = *call.camera();
    cam.suppressedEvents.clear();
    if (suppress) {
        const uint32_t capacity = (size - sizeof(uint32_t)) / sizeof(uint32_t);
        const uint32_t count = std::min(list->count, capacity);
        for (uint32_t i = 0; i < count; ++i)
            cam.suppressedEvents.insert(list->codes[i]);
    }
    return call.succeed();
}

uint8_t KVR_func_api_GetEventTag(uint32_t *value, uint32_t eventCode, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!value)
        return call.fail(KVR_ERR_INVALID_PARAM);
    auto it = call.camera()->eventTags.find(eventCode);
    if (it == call.camera()->eventTags.end())
        return call.fail(KVR_ERR_NO_DATA);
    *value = it->second;
    return call.succeed();
}

// ---------------------------------------------------------------------------
// Status
// ---------------------------------------------------------------------------
uint8_t KVR_func_api_GetBatteryInfo(KVR_STRUCT_BATTERY_INFO *info, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info)
        return call.fail(KVR_ERR_INVALID_PARAM);
    const Status &s = call.camera()->status;
    std::memset(info, 0, sizeof *info);
    info->bodyPower = s.bodyPower;
    info->gripState = s.gripState;
    info->bodyLevel = s.bodyLevel;
    info->gripLevel = s.gripLevel;
    return call.succeed();
}

uint8_t KVR_func_api_Get_Rec_Info(KVR_STRUCT_REC_INFO *info, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info)
        return call.fail(KVR_ERR_INVALID_PARAM);
    const Status &s = call.camera()->status;
    std::memset(info, 0, sizeof *info);
    fillCards(s, info->cards);
    info->cameraStatus = s.cameraStatus;
    info->elapsedInMovieRec = s.elapsedInMovieRec;
    fillSpaces(s, info->freeSpaces);
    info->afState = s.afState;
    info->afaeState = s.afaeState;
    info->afcStartPosState = s.afcStartPosState;
    info->nrRemainingTime = s.nrRemainingTime;
    info->hdmiSdiStatus = s.hdmiSdiStatus;
    info->shotModeStatus = s.shotModeStatus;
    return call.succeed();
}

uint8_t KVR_func_api_GetStatusOfCards(KVR_STRUCT_STATUS_OF_CARDS *cards, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!cards)
        return call.fail(KVR_ERR_INVALID_PARAM);
    fillCards(call.camera()->status, *cards);
    return call.succeed();
}

uint8_t KVR_func_api_GetCameraStatus(uint16_t *status, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return putValue(call, status, call.camera()->status.cameraStatus);
}

uint8_t KVR_func_api_GetElapsedInMovieRec(int32_t *elapsed, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    return putValue(call, elapsed, static_cast<int32_t>(call.camera()->status.elapsedInMovieRec));
}

uint8_t KVR_func_api_GetDetailedFreeSpaces(KVR_STRUCT_FREE_SPACES *spaces, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!spaces)
        return call.fail(KVR_ERR_INVALID_PARAM);
    fillSpaces(call.camera()->status, *spaces);
    return call.succeed();
}

uint8_t KVR_func_api_Get_AFAE_DisplayState(KVR_STRUCT_AFAE_DISPLAY_STATE *state, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!state)
        return call.fail(KVR_ERR_INVALID_PARAM);
    state->afState = call.camera()->status.afState;
    state->afaeState = call.camera()->status.afaeState;
    return call.succeed();
}

// clang-format off
#define KVR_DEFINE_STATUS_WORD(fn, field) \
    uint8_t KVR_func_api_##fn(uint16_t *out, const char *uuid, uint32_t *err) \
    { \
        KVR_CALL(uuid, err); \
        return putValue(call, out, call.camera()->status.field); \
    }
// clang-format on
KVR_DEFINE_STATUS_WORD(Get_AFC_StartPositionState, afcStartPosState)
KVR_DEFINE_STATUS_WORD(Get_NoiseReduction_RemainingTime, nrRemainingTime)
KVR_DEFINE_STATUS_WORD(Get_HDMI_SDI_Status, hdmiSdiStatus)
KVR_DEFINE_STATUS_WORD(Get_Shot_Mode_Status, shotModeStatus)
KVR_DEFINE_STATUS_WORD(Lv_Composite_Get_Shooting_Status, lvShootingStatus)
#undef KVR_DEFINE_STATUS_WORD

uint8_t KVR_func_api_Lv_Composite_Get_Shooting_Information(KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO *info,
                                                           const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(info, 0, sizeof *info);
    return call.succeed();
}

uint8_t KVR_func_api_Get_Lv_Composite_Info(KVR_STRUCT_LIVEVIEW_COMPOSITE_INFO *info, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!info)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(info, 0, sizeof *info);
    info->shootingStatus = call.camera()->status.lvShootingStatus;
    return call.succeed();
}

uint8_t KVR_func_api_GetSetupInfoError(KVR_STRUCT_SETUP_INFO_ERROR *errors, const char *uuid, uint32_t *err)
{
    KVR_CALL(uuid, err);
    if (!errors)
        return call.fail(KVR_ERR_INVALID_PARAM);
    std::memset(errors, 0, sizeof *errors);
    const auto &list = call.camera()->status.errors;
    const size_t n = std::min<size_t>(list.size(), 16);
    for (size_t i = 0; i < n; ++i) {
        errors->entries[i].dateTime = list[i].first;
        errors->entries[i].code = list[i].second;
    }
    errors->count = static_cast<uint16_t>(n);
    return call.succeed();
}

} // extern "C"
