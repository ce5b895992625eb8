// DeviceAdapter: what a camera tells about itself, its record in the camera
// table and the properties of the selected camera.

#include "DeviceAdapter.h"

#include <cstring>

namespace kavrotether {

namespace {

constexpr std::size_t kExtIdBufferSize = 40;
constexpr std::size_t kExtIdWordsStart = 12;

QByteArray cam(const QString &uuid)
{
    return uuid.toLocal8Bit();
}

// A NUL-terminated text of at most `size` bytes.
QString boundedUtf8(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(qstrnlen(text, uint(size))));
}

} // namespace

DeviceAdapter::DeviceExtInfo DeviceAdapter::decodeExtDeviceId(const quint8 *buffer, std::size_t size)
{
    DeviceExtInfo ext;
    if (!buffer || size < kExtIdWordsStart)
        return ext;
    quint32 length;
    std::memcpy(&length, buffer + 8, 4);
    // The count comes from the camera: words beyond the buffer do not exist.
    const std::size_t words = qMin<std::size_t>((length / 4) % 256, (size - kExtIdWordsStart) / 4);
    auto word = [&](std::size_t i) {
        quint32 w;
        std::memcpy(&w, buffer + kExtIdWordsStart + 4 * i, 4);
        return w;
    };
    auto nibble = [](quint32 w, int n) { return (w >> (4 * n)) & 0xF; };
    if (words > 4) {
        const quint32 w = word(4);
        ext.afPointScope = nibble(w, 0) == 1;
        ext.animalRecognition = nibble(w, 1) == 1;
        ext.changeSystemFreq = nibble(w, 2) != 0;
        const quint32 frames = nibble(w, 3);
        ext.afFramesMax = (frames >= 1 && frames <= 3) ? frames : 0;
        ext.recCtrlMenu = quint8(nibble(w, 4));
        ext.setupFiles = quint8(nibble(w, 5));
        ext.firmwareUpdate = quint8(nibble(w, 6));
        ext.lvMagnification = nibble(w, 7) == 1;
    }
    if (words > 6)
        ext.pdaf = nibble(word(6), 0) == 1;
    return ext;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetDeviceInfo(const QString &uuid, DeviceInfo *info)
{
    if (!info)
        return Utilities::Ternary_False;
    kvr_struct_deviceinfo rec{};
    const quint8 r = callCamera(uuid, KVR_func_api_GetDeviceInfo, &rec);
    if (r != 1)
        return Utilities::Ternary_False;
    info->makerName = boundedUtf8(rec.manufacturer.text, sizeof rec.manufacturer.text);
    info->modelName = boundedUtf8(rec.model.text, sizeof rec.model.text);
    info->firmVersion = boundedUtf8(rec.deviceVersion.text, sizeof rec.deviceVersion.text);
    info->serialNo = boundedUtf8(rec.serialNumber.text, sizeof rec.serialNumber.text);
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetDeviceInfo_ExtInfo(const QString &uuid, DeviceExtInfo *info)
{
    quint8 buffer[kExtIdBufferSize] = {};
    uint32_t length = 0;
    const quint8 r = callCamera(uuid, KVR_func_api_ExtGetDeviceID, 0, 0, buffer, kExtIdBufferSize, &length);
    const DeviceExtInfo ext = r == 1 ? decodeExtDeviceId(buffer, sizeof buffer) : DeviceExtInfo();
    if (info)
        *info = ext;
    return Utilities::ternaryOf(r == 1);
}

Utilities::Ternary DeviceAdapter::readDeviceText(TextReader reader, const QString &uuid, QString *out,
                                                 void (DeviceAdapter::*store)(QString), bool clearOnFailure)
{
    char buffer[KVR_TEXT_BUFFER_SIZE] = {};
    uint32_t length = 0;
    quint8 r;
    {
        DeviceLock lock(*this, uuid);
        r = reader(buffer, sizeof buffer, &length, cam(uuid).constData(), nullptr);
    }
    if (r != 1 && !clearOnFailure)
        return Utilities::Ternary_False;
    const QString text = r == 1 ? boundedUtf8(buffer, sizeof buffer) : QString();
    if (out)
        *out = text;
    else
        (this->*store)(text);
    return Utilities::ternaryOf(r == 1);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetDeviceInfo_VendorName(const QString &uuid, QString *out)
{
    return readDeviceText(KVR_func_api_GetDeviceInfo_VendorName, uuid, out, &DeviceAdapter::setCamMakerValue, false);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetDeviceInfo_ModelName(const QString &uuid, QString *out)
{
    return readDeviceText(KVR_func_api_GetDeviceInfo_ModelName, uuid, out, &DeviceAdapter::setCamModelNameValue, false);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetDeviceInfo_VersionInfo(const QString &uuid, QString *out)
{
    return readDeviceText(KVR_func_api_GetDeviceInfo_VersionInfo, uuid, out, &DeviceAdapter::setCamFirmVerValue, false);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_GetDeviceInfo_SerialNo(const QString &uuid, QString *out)
{
    return readDeviceText(KVR_func_api_GetDeviceInfo_SerialNo, uuid, out, &DeviceAdapter::setCamSerialNoValue, true);
}

namespace {
uint8_t readIndividualId(char *buffer, uint32_t, uint32_t *, const char *uuid, uint32_t *err)
{
    return KVR_func_api_Body_SettingInfo_Get_Individual_Id(buffer, uuid, err);
}
} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Body_SettingInfo_Get_Individual_Id(const QString &uuid, QString *out)
{
    return readDeviceText(readIndividualId, uuid, out, &DeviceAdapter::setCamIndividualIdValue, true);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Power_SavingInfo_Get_Tether_Connect_Mode(
    const QString &uuid, Utilities::PowerSavingTetherMode *out)
{
    uint32_t raw = 0;
    const quint8 r = callCamera(uuid, KVR_func_api_Power_SavingInfo_Get_Tether_Connect_Mode, &raw);
    if (r != 1)
        return Utilities::Ternary_False;
    const int mode = raw <= 2 ? int(raw) : Utilities::PwTether_Unknown;
    if (out) {
        *out = Utilities::PowerSavingTetherMode(mode);
    } else if (uuid == camera_list_get_selected_camera_uuid()) {
        d->tetherConnectPowerSavingMode.store(mode);
        setPwTetherConnectModeValue(mode);
    }
    return Utilities::Ternary_True;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode(
    QString uuid, Utilities::PowerSavingTetherMode value)
{
    quint8 previous = 0;
    bool supports = false;
    withCameraByUuid(uuid, [&](CameraInfo &c) {
        supports = c.supportPowerSaving != 0;
        if (!supports)
            return;
        previous = c.powerOnMode;
        c.powerOnMode = value == Utilities::PwTether_ON ? 1 : 0;
    });
    if (!supports)
        return Utilities::Ternary_False;
    const quint8 r = callCamera(uuid, KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode, quint32(value));
    if (r != 1) {
        emit settingErrorNotify();
        withCameraByUuid(uuid, [&](CameraInfo &c) { c.powerOnMode = previous; });
        return Utilities::Ternary_False;
    }
    if (value == Utilities::PwTether_OFF) {
        DeviceLock lock(*this, QString());
        (void)KVR_func_api_Setup_Ctrl_MenuSave(cam(uuid).constData(), nullptr);
    }
    if (uuid == camera_list_get_selected_camera_uuid()) {
        d->pwTetherConnectMode.store(int(value));
        emit pwTetherConnectModeChanged(int(value));
    }
    updateLiveviewSelectCamera();
    return Utilities::Ternary_True;
}

ushort DeviceAdapter::adp_KVR_func_api_GetCameraStatus_UUID(const QString &uuid)
{
    uint16_t status = 0;
    DeviceLock lock(*this, uuid);
    (void)KVR_func_api_GetCameraStatus(&status, cam(uuid).constData(), nullptr);
    return status;
}

ushort DeviceAdapter::adp_KVR_func_api_Net_Get_BasicStreaming_Function_UUID(const QString &uuid)
{
    uint16_t value = 0;
    const quint8 r = callCamera(uuid, KVR_func_api_Net_Get_BasicStreaming_Function, &value);
    if (r != 1)
        return 0;
    withCameraByUuid(uuid, [&](CameraInfo &c) { c.basicStreaming = value == 1 ? 1 : 0; });
    return value;
}

bool DeviceAdapter::isSupportPowerSaving(const QString &uuid)
{
    auto capa = std::make_unique<KVR_STRUCT_POWER_SAVING_CAPA_INFO>();
    const quint8 r = callCamera(uuid, KVR_func_api_PowerSaving_GetCapability, capa.get());
    return r != 0 && capa->tetherMode.count != 0 && capa->tetherMode.available != 0;
}

bool DeviceAdapter::getCameraHlgInfo(const QString &uuid, CameraHlgInfo *info)
{
    if (!info)
        return false;
    info->fill(0);
    auto capa = std::make_unique<KVR_STRUCT_METERING_CAPA_INFO>();
    const quint8 r = callCamera(uuid, KVR_func_api_RecInfo_Metering_GetCapability, capa.get());
    if (r == 0)
        return false;
    if (capa->hlg.available != 0) {
        (*info)[0] = 1;
        const int count = qMin<int>(capa->hlg.count, int(std::size(capa->hlg.codes)));
        if (count > 0)
            (*info)[1] = 1;
        for (int i = 0; i < count; ++i)
            if (capa->hlg.codes[i] <= 3)
                (*info)[std::size_t(2 + capa->hlg.codes[i])] = 1;
    }
    return true;
}

bool DeviceAdapter::refreshCameraInfo(const QString &uuid)
{
    CameraInfo cached;
    if (uuid.isEmpty() || !cameraInfoByUuid(uuid, &cached))
        return false;
    CameraInfo fresh;
    if (!getCameraInfo(cached.devIndex, cached.devicePath, uuid, cached.isWlan != 0, &fresh))
        return false;
    // A transfer under way keeps its place.
    fresh.objAssociatDesc = cached.objAssociatDesc;
    fresh.objCopyFileNumber = cached.objCopyFileNumber;
    withCameraByUuid(uuid, [&](CameraInfo &c) { c = fresh; });
    return true;
}

bool DeviceAdapter::getCameraInfo(int devIndex, const QString &devicePath, const QString &uuid, bool isWlan,
                                  CameraInfo *info)
{
    if (!info)
        return false;
    DeviceInfo dev;
    adp_KVR_func_api_GetDeviceInfo(uuid, &dev);
    DeviceExtInfo ext;
    adp_KVR_func_api_GetDeviceInfo_ExtInfo(uuid, &ext);
    CameraHlgInfo hlg{};
    getCameraHlgInfo(uuid, &hlg);
    QString individualId;
    adp_KVR_func_api_Body_SettingInfo_Get_Individual_Id(uuid, &individualId);
    Utilities::PowerSavingTetherMode tether = Utilities::PwTether_Unknown;
    adp_KVR_func_api_Power_SavingInfo_Get_Tether_Connect_Mode(uuid, &tether);
    const ushort status = adp_KVR_func_api_GetCameraStatus_UUID(uuid);

    CameraInfo c;
    c.devIndex = devIndex;
    c.devicePath = devicePath;
    c.serialNo = dev.serialNo;
    c.individualId = individualId;
    c.modelName = dev.modelName;
    c.makerName = dev.makerName;
    c.firmVersion = dev.firmVersion;
    c.powerOnMode = tether == Utilities::PwTether_ON ? 1 : 0;
    const bool known = withCameraByUuid(uuid, [&](CameraInfo &old) {
        c.tetherModeStatus = old.tetherModeStatus;
        c.sendCmdEnable = old.sendCmdEnable;
        c.liveViewEnable = old.liveViewEnable;
    });
    if (!known && !c.serialNo.isEmpty())
        withCameraTable([&](QMap<QString, CameraInfo> &) {
            const auto ticks = d->pulledCameraTicks.constFind(c.serialNo);
            if (ticks == d->pulledCameraTicks.cend())
                return;
            c.sendCmdEnable = ticks->sendCmdEnable;
            c.liveViewEnable = ticks->liveViewEnable;
            d->pulledCameraTicks.erase(ticks);
        });
    if (status == 1 || (status >= 8 && status <= 11))
        c.tetherModeStatus |= Utilities::TETHERMODE_Rec;
    else
        c.tetherModeStatus &= ~quint32(Utilities::TETHERMODE_Rec);
    if (isSupportPowerSaving(uuid)) {
        c.tetherModeStatus &= ~quint32(Utilities::TETHERMODE_NOT_SUPPORT);
        c.supportPowerSaving = 1;
    } else {
        c.tetherModeStatus |= Utilities::TETHERMODE_NOT_SUPPORT;
        c.powerOnMode = 1;
        c.supportPowerSaving = 0;
    }
    c.isWlan = isWlan ? 1 : 0;
    c.basicStreaming = adp_KVR_func_api_Net_Get_BasicStreaming_Function_UUID(uuid) != 0 ? 1 : 0;
    c.extInfoHead = {{ext.afPointScope, ext.animalRecognition, ext.changeSystemFreq}};
    c.extInfoWord = ext.afFramesMax;
    c.extInfoTail = {{ext.recCtrlMenu, ext.setupFiles, ext.firmwareUpdate, ext.lvMagnification, ext.pdaf}};
    c.supportHLG = hlg[0];
    c.enableHLG = hlg[1];
    for (std::size_t i = 0; i < 4; ++i)
        c.hlgDetail[i] = hlg[2 + i];
    c.cameraStatus = status;
    c.objCopyFileNumber = -1;
    *info = c;
    return true;
}

void DeviceAdapter::applyFeatureFlags(const DeviceExtInfo &ext, bool supportPowerSaving)
{
    auto tri = [&](quint8 v, quint8 lastTrue) {
        if (v == 0)
            return false;
        if (v >= 1 && v <= lastTrue)
            return true;
        return supportPowerSaving;
    };
    setAfPointScopeEnableValue(ext.afPointScope != 0);
    setAfAnimalRecognitionEnableValue(ext.animalRecognition != 0);
    setChangeSystemFreqEnableValue(ext.changeSystemFreq != 0);
    setAfFramesMaxValue(int(ext.afFramesMax));
    setLvMagEnableValue(ext.lvMagnification != 0);
    setAfPDAFEnableValue(ext.pdaf != 0);
    setRecCtrlMenuEnableValue(tri(ext.recCtrlMenu, 1));
    setSetupFilesCfgSetEnableValue(tri(ext.setupFiles, 1));
    setCamFirmUpEnableValue(tri(ext.firmwareUpdate, 2));
}

bool DeviceAdapter::setCameraInfoOfSelectedCamera(const QString &uuid)
{
    CameraInfo c;
    if (!cameraInfoByUuid(uuid, &c))
        return false;
    d->currentDevIndex = c.devIndex;
    setCamMakerValue(c.makerName);
    setCamFirmVerValue(c.firmVersion);
    setCamSerialNoValue(c.serialNo);
    setCamCurrentSelectedSerialNoValue(c.serialNo);
    setCamIndividualIdValue(c.individualId);
    setCamModelNameValue(c.modelName);
    setCamSupportPowerSavingValue(c.supportPowerSaving != 0);
    int mode = Utilities::PwTether_Unknown;
    if (c.supportPowerSaving != 0) {
        Utilities::PowerSavingTetherMode read = Utilities::PwTether_Unknown;
        if (adp_KVR_func_api_Power_SavingInfo_Get_Tether_Connect_Mode(uuid, &read) == Utilities::Ternary_True)
            mode = read;
    }
    d->pwTetherConnectMode.store(mode);

    DeviceExtInfo ext;
    ext.afPointScope = c.extInfoHead[0];
    ext.animalRecognition = c.extInfoHead[1];
    ext.changeSystemFreq = c.extInfoHead[2];
    ext.afFramesMax = c.extInfoWord;
    ext.recCtrlMenu = c.extInfoTail[0];
    ext.setupFiles = c.extInfoTail[1];
    ext.firmwareUpdate = c.extInfoTail[2];
    ext.lvMagnification = c.extInfoTail[3];
    ext.pdaf = c.extInfoTail[4];
    applyFeatureFlags(ext, c.supportPowerSaving != 0);

    d->validDisplayMovQuality.store(-1);
    if (!d->liveViewCameraChosen.load()) {
        withCameraTable([&](QMap<QString, CameraInfo> &table) {
            const bool anyEnabled = std::any_of(table.cbegin(), table.cend(),
                                                [](const CameraInfo &x) { return x.liveViewEnable != 0; });
            d->liveViewCameraChosen.store(true);
            if (!anyEnabled) {
                const auto it = table.find(uuid);
                if (it != table.end())
                    it->liveViewEnable = 1;
            }
        });
    }
    setSelectedCameraUuid(uuid);
    _MULTIVIEW_DEVICE_PARAM param;
    if (CreateMultiviewParam(uuid, &param))
        m_liveViewManager.SetSelectedCameraUUID(param);
    return true;
}

} // namespace kavrotether
