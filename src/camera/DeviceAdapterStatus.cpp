// DeviceAdapter: the selected camera's running state (battery, cards, free
// space, camera status and the smaller status words) and its small texts.

#include "DeviceAdapter.h"

#include <QDate>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string_view>

#include "DeviceAdapterCallback.h"
#include "Kvrptpif.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

namespace kavrotether {

namespace {

constexpr int kErrorEntries = 16;
constexpr int kCardSlots = 16;

// Recording status words of a camera: a movie or a remote recording runs.
bool isRecordingStatus(int status)
{
    return status == 1 || (status >= 8 && status <= 11);
}

// The card state of a record whose count the camera reports: only the slots
// it says it has are looked at.
DeviceAdapter::StatusOfCards cardsState(const KVR_STRUCT_STATUS_OF_CARDS &cards)
{
    const int count = std::min<int>(cards.count, kCardSlots);
    if (count == 0)
        return DeviceAdapter::STOC_Nocard;
    for (int i = 0; i < count; ++i)
        if (cards.state[i] == 1)
            return DeviceAdapter::STOC_Normal;
    switch (cards.state[0]) {
    case 0:
        return DeviceAdapter::STOC_Nocard;
    case 2:
        return DeviceAdapter::STOC_Protected;
    case 3:
        return DeviceAdapter::STOC_Error;
    default:
        return DeviceAdapter::STOC_Undef;
    }
}

int belowOrUnknown(quint16 value, quint16 limit)
{
    return value < limit ? int(value) : -1;
}

} // namespace

int DeviceAdapter::lvShootingStatusOf(quint16 value)
{
    return belowOrUnknown(value, Utilities::LCST_Max);
}

namespace {} // namespace

// ---- properties ----

namespace {
enum StatusEmitRule { ChangedOnly, Always };
}

// The movie format's availability follows the camera status (the interface
// re-reads it), so a changed status also announces the current format.
constexpr bool announcesMotionPictureFormat(std::string_view name)
{
    return name == "cameraStatus";
}

// The USB mode is announced twice: as the enumeration the interface binds
// and as the plain number older listeners take.
constexpr bool announcesUsbModeNumber(std::string_view name)
{
    return name == "usbMode";
}

// What the computer receives from the selected camera depends on its cards.
constexpr bool recomputesCopyMask(std::string_view name)
{
    return name == "statusOfCards";
}

// clang-format off
#define KAVRO_DA_DEFINE_STATUS_ACCESSORS(type, name, Name, emitRule, write)    \
    type DeviceAdapter::name() const { return static_cast<type>(d->name.load()); } \
    void DeviceAdapter::set##Name##Value(type value)                           \
    {                                                                          \
        if (d->name.store(value)) {                                            \
            emit name##Changed(value);                                         \
            if constexpr (announcesMotionPictureFormat(#name))                 \
                emit motionPictureFormatChanged(motionPictureFormat());        \
            if constexpr (announcesUsbModeNumber(#name))                       \
                emit usbModeChanged(uint(usbMode()));                          \
            if constexpr (recomputesCopyMask(#name))                           \
                updateCopyPcMask();                                            \
        } else if ((emitRule) == Always) {                                     \
            emit name##Changed(value);                                         \
        }                                                                      \
    }
// clang-format on
KAVRO_DA_STATUS_PROPERTIES(KAVRO_DA_DEFINE_STATUS_ACCESSORS)
#undef KAVRO_DA_DEFINE_STATUS_ACCESSORS

void DeviceAdapter::setPcSavedFilePath(const QString &path)
{
    d->pcSavedFilePath.store(path);
    ApplicationSettings *settings = ApplicationData::getApplicationSettings();
    if (settings && settings->displayReviewType() == ApplicationSettings::DisRevType_On && getSendCmdDevNum(false) <= 1)
        emit pcSavedFilePathChanged(path);
}

void DeviceAdapter::pcSavedFilePathChangedExec()
{
    ApplicationSettings *settings = ApplicationData::getApplicationSettings();
    if (settings && settings->displayReviewType() == ApplicationSettings::DisRevType_On)
        emit pcSavedFilePathChanged(d->pcSavedFilePath.load());
}

// ---- readers ----

int DeviceAdapter::adp_KVR_func_api_GetBatteryInfo()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_BATTERY_INFO info{};
    uint8_t result;
    {
        DeviceLock lock(*this, uuid);
        result = KVR_func_api_GetBatteryInfo(&info, uuid.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    {
        QMutexLocker g(&d->statusRecordLock);
        d->batteryInfo = info;
    }
    const quint16 level = (info.gripState == 1 || info.gripState == 2) ? info.gripLevel : info.bodyLevel;
    setBatteryLevelValue(level);
    return 1;
}

bool DeviceAdapter::storeCameraStatusInTable(const QString &uuid, quint16 status)
{
    return withCameraTable([&](QMap<QString, CameraInfo> &table) {
        auto it = table.find(uuid);
        if (it == table.end() || it->cameraStatus == status)
            return false;
        it->cameraStatus = status;
        return true;
    });
}

int DeviceAdapter::adp_KVR_func_api_Get_Rec_Info()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_REC_INFO info{};
    uint8_t result;
    {
        DeviceLock lock(*this, uuid);
        result = KVR_func_api_Get_Rec_Info(&info, uuid.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    setStatusOfCardsValue(cardsState(info.cards));
    const bool recordChanged = storeCameraStatusInTable(uuid, info.cameraStatus);
    setCameraStatusValue(info.cameraStatus);
    if (info.elapsedInMovieRec != 0)
        d->movieRecCounter.fetch_add(1);
    // The record's word is unsigned; the property keeps the interface's int.
    setElapsedInMovieRecValue(int(std::min<quint32>(info.elapsedInMovieRec, quint32(INT_MAX))));
    setImageFreeSpaceValue(info.freeSpaces.imageFreeSpace);
    setImage4KFreeSpaceValue(info.freeSpaces.image4KFreeSpace);
    setSecondFreeSpaceValue(info.freeSpaces.secondFreeSpace);
    setSecond4KFreeSpaceValue(info.freeSpaces.second4KFreeSpace);
    setAfStateValue(info.afState);
    setAfaeStateValue(info.afaeState);
    setAfcStartPosStateValue(info.afcStartPosState);
    setNrRemainingTimeValue(info.nrRemainingTime);
    setHdmiSdiStatusValue(belowOrUnknown(info.hdmiSdiStatus, 4));
    setShotModeStatusValue(belowOrUnknown(info.shotModeStatus, 3));
    if (recordChanged)
        updateLiveviewSelectCamera();
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_GetCameraStatus()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    quint16 status = 0;
    uint8_t result;
    {
        DeviceLock lock(*this, uuid);
        result = KVR_func_api_GetCameraStatus(&status, uuid.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    const bool recordChanged = storeCameraStatusInTable(uuid, status);
    setCameraStatusValue(status);
    if (recordChanged)
        updateLiveviewSelectCamera();
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_GetElapsedInMovieRec()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    qint32 elapsed = 0;
    uint8_t result;
    {
        DeviceLock lock(*this, uuid);
        result = KVR_func_api_GetElapsedInMovieRec(&elapsed, uuid.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    if (elapsed > 0)
        d->movieRecCounter.fetch_add(1);
    setElapsedInMovieRecValue(elapsed);
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_GetDetailedFreeSpaces()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_FREE_SPACES spaces{};
    uint8_t result;
    {
        DeviceLock lock(*this, uuid);
        result = KVR_func_api_GetDetailedFreeSpaces(&spaces, uuid.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    setImageFreeSpaceValue(spaces.imageFreeSpace);
    setImage4KFreeSpaceValue(spaces.image4KFreeSpace);
    setSecondFreeSpaceValue(spaces.secondFreeSpace);
    setSecond4KFreeSpaceValue(spaces.second4KFreeSpace);
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Get_AFAE_DisplayState()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_AFAE_DISPLAY_STATE state{};
    uint8_t result;
    {
        DeviceLock lock(*this, uuid);
        result = KVR_func_api_Get_AFAE_DisplayState(&state, uuid.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    setAfStateValue(state.afState);
    setAfaeStateValue(state.afaeState);
    return 1;
}

namespace {
// The readers of one 16-bit status word differ only in the SDK function.
using WordReader = uint8_t (*)(uint16_t *, const char *, uint32_t *);

bool readWord(DeviceAdapter &adapter, WordReader read, quint16 *value)
{
    const QString uuid = adapter.camera_list_get_selected_camera_uuid();
    DeviceAdapter::DeviceLock lock(adapter, uuid);
    return read(value, uuid.toLocal8Bit().constData(), nullptr) == 1;
}
} // namespace

int DeviceAdapter::adp_KVR_func_api_Get_AFC_StartPositionState()
{
    quint16 value = 0;
    if (!readWord(*this, &KVR_func_api_Get_AFC_StartPositionState, &value))
        return 0;
    setAfcStartPosStateValue(value);
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Get_NoiseReduction_RemainingTime()
{
    quint16 value = 0;
    if (!readWord(*this, &KVR_func_api_Get_NoiseReduction_RemainingTime, &value))
        return 0;
    setNrRemainingTimeValue(value);
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Lv_Composite_Get_Shooting_Status()
{
    quint16 value = 0;
    if (!readWord(*this, &KVR_func_api_Lv_Composite_Get_Shooting_Status, &value))
        return 0;
    setLvShootingStatusValue(lvShootingStatusOf(value));
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Get_HDMI_SDI_Status()
{
    quint16 value = 0;
    if (!readWord(*this, &KVR_func_api_Get_HDMI_SDI_Status, &value))
        return 0;
    setHdmiSdiStatusValue(belowOrUnknown(value, 4));
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Get_Shot_Mode_Status()
{
    quint16 value = 0;
    if (!readWord(*this, &KVR_func_api_Get_Shot_Mode_Status, &value))
        return 0;
    setShotModeStatusValue(belowOrUnknown(value, 3));
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Lv_Composite_Get_Shooting_Information()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO info{};
    uint8_t result;
    {
        DeviceLock lock(*this, uuid);
        result = KVR_func_api_Lv_Composite_Get_Shooting_Information(&info, uuid.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    QMutexLocker g(&d->statusRecordLock);
    d->lvCompositeShootingInfo = info;
    return 1;
}

KVR_STRUCT_LV_COMPOSITE_SHOOTING_INFO DeviceAdapter::lvCompositeShootingInformation() const
{
    QMutexLocker g(&d->statusRecordLock);
    return d->lvCompositeShootingInfo;
}

int DeviceAdapter::adp_KVR_func_api_GetStatusOfCards(StatusOfCards *out, const QString &uuid)
{
    const QString target = uuid.isEmpty() ? camera_list_get_selected_camera_uuid() : uuid;
    KVR_STRUCT_STATUS_OF_CARDS cards{};
    uint8_t result;
    {
        DeviceLock lock(*this, target);
        result = KVR_func_api_GetStatusOfCards(&cards, target.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    const StatusOfCards state = cardsState(cards);
    if (out)
        *out = state;
    else
        setStatusOfCardsValue(state);
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Mnt_GetInfo_Get_UsbMode(const QString &uuid, Utilities::UsbMode *out)
{
    quint32 mode = 0;
    uint8_t result;
    if (uuid.isEmpty()) {
        result = KVR_func_api_Mnt_GetInfo_Get_UsbMode(&mode, nullptr, nullptr);
    } else {
        DeviceLock lock(*this, uuid);
        result = KVR_func_api_Mnt_GetInfo_Get_UsbMode(&mode, uuid.toLocal8Bit().constData(), nullptr);
    }
    if (result != 1)
        return 0;
    if (mode > 3)
        return 1;
    if (out)
        *out = static_cast<Utilities::UsbMode>(mode);
    else
        setUsbModeValue(static_cast<Utilities::UsbMode>(mode));
    return 1;
}

bool DeviceAdapter::isBatteryLevelAC(int devIndex)
{
    QString uuid;
    const bool found = withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            if (it->devIndex == devIndex) {
                uuid = it.key();
                return true;
            }
        }
        return false;
    });
    if (!found)
        return false;
    KVR_STRUCT_BATTERY_INFO info{};
    DeviceLock lock(*this, uuid);
    if (KVR_func_api_GetBatteryInfo(&info, uuid.toLocal8Bit().constData(), nullptr) != 1)
        return false;
    return info.bodyPower == BL_Ac || info.bodyPower == BL_Undef;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SetEventTypeFromCamera_Start(bool flag, const QString &uuid)
{
    return enqueueCommand(WorkerCommandCode::SetEventTypeFromCamera, flag ? 1 : 0, uuid);
}

int DeviceAdapter::adp_KVR_func_api_SetEventTypeFromCamera(bool flag, const QString &uuid)
{
    KVR_STRUCT_EVENT_TYPE_LIST list;
    std::memset(&list, 0, sizeof list);
    if (flag) {
        // The two events that flood the queue while several cameras show
        // live view.
        list.count = 2;
        list.codes[0] = CameraEventCode::AfInfo;
        list.codes[1] = CameraEventCode::AfFrameDisp;
    }
    DeviceLock lock(*this, uuid);
    return KVR_func_api_SetEventTypeFromCamera(flag ? 1 : 0, &list, sizeof list, uuid.toLocal8Bit().constData(),
                                               nullptr)
           == 1;
}

bool DeviceAdapter::camera_list_get_camera_streamingFunction(const QString &uuid)
{
    return withCameraTable([&](QMap<QString, CameraInfo> &table) {
        auto it = table.constFind(uuid);
        return it != table.cend() && it->basicStreaming != 0;
    });
}

// ---- firmware-update progress and the error list ----

uint DeviceAdapter::firmware_update_get_data_frame() const
{
    return d->fwupDataFrame.load();
}

quint8 DeviceAdapter::firmware_update_get_result() const
{
    return d->fwupResult.load();
}

void DeviceAdapter::firmware_update_finish_progress()
{
    d->fwupDataFrame.store(0);
    d->fwupResult.store(0);
}

uint DeviceAdapter::setup_info_error_code(int index) const
{
    if (index < 0 || index >= kErrorEntries)
        return 0;
    QMutexLocker g(&d->statusRecordLock);
    return d->setupInfoError.entries[index].code;
}

QString DeviceAdapter::setup_info_error_date_time(int index) const
{
    if (index < 0 || index >= kErrorEntries)
        return QString();
    quint32 word;
    {
        QMutexLocker g(&d->statusRecordLock);
        word = d->setupInfoError.entries[index].dateTime;
    }
    if (word == 0)
        return QString();
    // The hexadecimal digits of the word are the decimal digits yyMMddhh.
    // Read as a plain calendar date and hour: a local-time conversion would
    // move or drop hours around daylight-saving changes.
    const QString digits = QString::number(word, 16);
    if (digits.size() != 8)
        return QString();
    int parts[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        parts[i] = digits.mid(i * 2, 2).toInt(&ok, 10);
        if (!ok || !digits.at(i * 2).isDigit() || !digits.at(i * 2 + 1).isDigit())
            return QString();
    }
    if (!QDate(2000 + parts[0], parts[1], parts[2]).isValid() || parts[3] > 23)
        return QString();
    return QStringLiteral("%1/%2/%3 %4")
        .arg(parts[0], 2, 10, QLatin1Char('0'))
        .arg(parts[1], 2, 10, QLatin1Char('0'))
        .arg(parts[2], 2, 10, QLatin1Char('0'))
        .arg(parts[3], 2, 10, QLatin1Char('0'));
}

// ---- movie-quality texts ----

QString DeviceAdapter::movQualityFrameRateText(quint32 word, bool twoDecimals)
{
    const float fps = float(word & 0x0FFFFFFFu) / 100.0f;
    const QString number = twoDecimals ? QStringLiteral("%1").arg(double(fps), 0, 'f', 2)
                                       : QString::number(double(fps), 'g', 6);
    return number + ((word & 0x80000000u) ? QLatin1Char('p') : QLatin1Char('i'));
}

QString DeviceAdapter::mov_compression_method_text_keys(quint16 code)
{
    // Keys of the movie compression catalogue by each bit group's value.
    static const char *const kHigh[] = {"1", "0", "6"};
    static const char *const kMiddle[] = {"3", "2", "7"};
    static const char *const kLow[] = {"5", "4", "8", "6", "9", "0"};
    // The first two groups bring their comma with them, so a code whose last
    // group names nothing keeps a trailing comma ("6,2,"), as the catalogue
    // lookup expects.
    QString keys;
    const unsigned high = (code >> 12) & 0xF;
    const unsigned middle = (code >> 8) & 0xF;
    const unsigned low = (code >> 4) & 0xF;
    if (high < std::size(kHigh))
        keys += QLatin1String(kHigh[high]) + QLatin1Char(',');
    if (middle < std::size(kMiddle))
        keys += QLatin1String(kMiddle[middle]) + QLatin1Char(',');
    if (low < std::size(kLow))
        keys += QLatin1String(kLow[low]);
    return keys;
}

bool DeviceAdapter::movieQualityEntry(uint index, KVR_STRUCT_MOV_QUALITY_DATA *entry) const
{
    QMutexLocker g(&d->capabilityRecordLock);
    const KVR_STRUCT_MOV_QUALITY_DATA_TAG_INFO &list = d->capabilityRecords.movieQualityList;
    if (index >= list.count || index >= std::size(list.entries))
        return false;
    *entry = list.entries[index];
    return true;
}

QString DeviceAdapter::mov_quality_list_data_frame_rate(uint index) const
{
    KVR_STRUCT_MOV_QUALITY_DATA entry;
    return movieQualityEntry(index, &entry) ? movQualityFrameRateText(entry.frameRate, changeSystemFreqEnable())
                                            : QString();
}

QString DeviceAdapter::mov_quality_list_data_compression_method(uint index) const
{
    KVR_STRUCT_MOV_QUALITY_DATA entry;
    return movieQualityEntry(index, &entry) ? mov_compression_method_text_keys(entry.compression) : QString();
}

// ---- recording state in the camera table ----

bool DeviceAdapter::updateTetherRecBit(const QString &uuid, int status, bool *cleared)
{
    if (cleared)
        *cleared = false;
    return withCameraTable([&](QMap<QString, CameraInfo> &table) {
        auto it = table.find(uuid);
        if (it == table.end())
            return false;
        const quint32 before = it->tetherModeStatus;
        if (isRecordingStatus(status)) {
            it->tetherModeStatus |= Utilities::TETHERMODE_Rec;
        } else {
            it->tetherModeStatus &= ~quint32(Utilities::TETHERMODE_Rec);
            if (it->tetherModeStatus != before) {
                if (cleared)
                    *cleared = true;
                QMutexLocker g(&d->statusRecordLock);
                d->recordingEndedAt = std::chrono::steady_clock::now();
            }
        }
        const bool changed = it->tetherModeStatus != before;
        if (changed)
            touchLiveViewModeSwitch();
        return changed;
    });
}

std::chrono::steady_clock::time_point DeviceAdapter::recordingEndedAt() const
{
    QMutexLocker g(&d->statusRecordLock);
    return d->recordingEndedAt;
}

} // namespace kavrotether
