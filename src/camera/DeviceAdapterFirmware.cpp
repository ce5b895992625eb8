// DeviceAdapter: firmware update of one camera and the small camera queries
// of the interface.

#include "DeviceAdapter.h"

#include <QFile>

#include <algorithm>

#include "DeviceAdapterCallback.h"
#include "core/CheckedFiles.h"

namespace kavrotether {

namespace {

constexpr quint32 kFwupFixedValue = 10000;
constexpr quint8 kFwupSupported = 2;
const QString kAllCameras = QStringLiteral("ALL");

} // namespace

bool DeviceAdapter::adp_KVR_func_api_FirmwareUpdate_start(QString device_uuid, QString path, bool bNeedReset)
{
    const QByteArray bytes = path.toLocal8Bit();
    // A second request while one runs would change the file under the
    // running update; a path that does not fit is refused, not cut.
    if (bytes.isEmpty() || bytes.size() > qsizetype(KVR_FWUP_PATH_MAX) || d->fwupRunning.load())
        return false;
    {
        QMutexLocker g(&d->fwupRequestMutex);
        d->fwupPath.fill(0);
        std::copy(bytes.cbegin(), bytes.cend(), d->fwupPath.begin());
        d->fwupPathLength = quint32(bytes.size());
        d->fwupFixedValue = kFwupFixedValue;
        d->fwupResetFlag = bNeedReset ? 1 : 0;
    }
    d->fwupResult.store(0);
    d->fwupUuid.store(device_uuid);
    d->fwupRunning.store(true);
    if (enqueueCommand(WorkerCommandCode::FirmwareUpdate, 0, QString()) == Utilities::Ternary_True)
        return true;
    // Nobody would run it: the receiver's filters must not keep dropping
    // this camera's events for an update that never comes.
    d->fwupRunning.store(false);
    d->fwupUuid.store(QString());
    QMutexLocker g(&d->fwupRequestMutex);
    d->fwupPath.fill(0);
    d->fwupPathLength = 0;
    d->fwupResetFlag = 0;
    return false;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_FirmwareUpdate()
{
    std::array<char, KVR_FWUP_PATH_MAX + 1> path{};
    kvr_struct_fwup_param param{};
    {
        QMutexLocker g(&d->fwupRequestMutex);
        path = d->fwupPath;
        param.pathLength = std::min<quint32>(d->fwupPathLength, KVR_FWUP_PATH_MAX);
        param.timeoutMs = d->fwupFixedValue;
        param.reset = quint8(d->fwupResetFlag);
    }
    path.back() = '\0';
    param.path = path.data();
    const QString uuid = d->fwupUuid.load();
    const QString file = QLatin1Char('/') + QString::fromLocal8Bit(path.data());
    // Only a file is firmware: a folder has a size too.
    QFile firmware(file);
    const qint64 size = checkedfiles::openRegularForReading(firmware) ? firmware.size() : 0;
    firmware.close();
    if (size <= 0)
        d->fwupResult.store(0);

    CameraInfo camera;
    (void)cameraInfoByUuid(uuid, &camera);
    param.fwupSupport = camera.extInfoTail[CameraInfo::kExtSupportFwup] == kFwupSupported ? 1 : 0;

    // The camera cannot stream while it takes the new firmware.
    const bool liveViewWasOn = d->liveViewOn.load();
    if (liveViewWasOn) {
        d->liveViewOn.store(false);
        m_liveViewManager.ForceStop();
        waitForLiveViewStop();
        setLiveviewPause();
    }

    if (size > 0) {
        DeviceLock lock(*this, uuid);
        // The outcome is what the firmware status handler recorded while the
        // call ran, not the call's own result.
        (void)KVR_func_api_FirmwareUpdate(&param, uuid.toLocal8Bit().constData(), nullptr);
    }

    const bool restarted = (d->fwupDataFrame.load() >= 100 && d->fwupResult.load() != 0) || d->fwupDisconnected.load();
    bool emptied = false;
    const QString selected = d->selectedCameraUuid.load();
    int switchTo = -1;
    if (restarted) {
        bool removed = false;
        withCameraTable([&](QMap<QString, CameraInfo> &table) {
            if (table.contains(uuid)) {
                adp_KVR_func_api_CloseDevice(uuid);
                table.remove(uuid);
                removed = true;
            }
            emptied = table.isEmpty();
            if (emptied || selected != uuid)
                return;
            const auto other = std::find_if(table.keyBegin(), table.keyEnd(),
                                            [&](const QString &key) { return key != uuid; });
            if (other == table.keyEnd())
                return;
            d->selectedCameraUuid.store(*other);
            _MULTIVIEW_DEVICE_PARAM p;
            if (CreateMultiviewParam(*other, &p))
                m_liveViewManager.SetSelectedCameraUUID(p);
            setCameraInfoOfSelectedCamera(*other);
            setIsCamerasConnected(true);
            switchTo = table.value(*other).devIndex;
        });
        if (removed)
            emit cameraListChanged();
    }
    if (!emptied && (restarted ? selected != uuid : selected == uuid)) {
        setCameraInfoOfSelectedCamera(selected);
        setIsCamerasConnected(true);
        CameraInfo info;
        if (cameraInfoByUuid(selected, &info))
            switchTo = info.devIndex;
    }
    if (switchTo >= 0)
        emit switchCameraNotify(switchTo);

    if (!emptied && liveViewWasOn && m_videoSource.getVideoOutVisibleStatus()) {
        if (isMultiviewMode()) {
            adp_KVR_func_api_Ctrl_LiveView_Start();
        } else if (!camSupportPowerSaving() || pwTetherConnectMode() == Utilities::PwTether_ON) {
            adp_KVR_func_api_Ctrl_LiveView_Start();
            adp_KVR_func_api_LiveView_Str_Get_Recom_Img_Start();
            adp_KVR_func_api_LiveView_Str_Get_Trans_Img_Start();
        } else {
            setLiveviewPause();
        }
    }

    {
        QMutexLocker g(&d->fwupRequestMutex);
        d->fwupPath.fill(0);
        d->fwupPathLength = 0;
        d->fwupResetFlag = 0;
    }
    d->fwupUuid.store(QString());
    d->fwupRunning.store(false);
    d->fwupDisconnected.store(false);
    const quint8 result = d->fwupResult.load();
    emit firmwareUpdateCompleted();
    if (emptied) {
        adp_KVR_func_api_ptpip_Set_Connection_Type(kConnectionLan);
        setIsCamerasConnected(false);
        setCamCurrentSelectedSerialNoValue(QString());
        if (connectionType() == kConnectionLan)
            d->lanConnected.store(false);
    }
    return Utilities::ternaryOf(result == 1);
}

int DeviceAdapter::getLiveviewDevNum()
{
    const bool multiview = isMultiviewMode();
    const QString selected = d->selectedCameraUuid.load();
    QMutexLocker g(&d->cameraTableMutex);
    int count = 0;
    for (auto it = d->cameraTable.cbegin(); it != d->cameraTable.cend(); ++it) {
        if (it->powerOnMode == 0)
            continue;
        if (multiview)
            count += it->liveViewEnable;
        else if (it->liveViewEnable != 0 || it.key() == selected)
            ++count;
    }
    return count;
}

QStringList DeviceAdapter::checkRestoreCompatible(QString uuid)
{
    auto compatible = [this](const QString &key) {
        KVR_STRUCT_SETUP_FILES_CFG_COMPATIBLE record{};
        DeviceLock lock(*this, key);
        return KVR_func_api_SetupFilesConfigSetting_Get_Compatible(&record, key.toLocal8Bit().constData(), nullptr) == 1
               && record.compatible == 1;
    };
    QStringList ids;
    // Never an empty UUID: the lock guard would read it as the selected camera.
    if (uuid.isEmpty())
        return ids;
    if (uuid != kAllCameras) {
        if (!compatible(uuid))
            return ids;
        CameraInfo info;
        if (cameraInfoByUuid(uuid, &info))
            ids << info.individualId;
        return ids;
    }
    const QStringList saved = d->savedCameraList.serials();
    QMutexLocker g(&d->cameraTableMutex);
    for (auto it = d->cameraTable.cbegin(); it != d->cameraTable.cend(); ++it) {
        for (const QString &serial : saved) {
            if (serial != it->serialNo || it->powerOnMode == 0)
                continue;
            if (compatible(it.key()))
                ids << it->individualId;
        }
    }
    return ids;
}

Utilities::AFFrameColor DeviceAdapter::afFrameColor() const
{
    return static_cast<Utilities::AFFrameColor>(d->afFrameColor.load());
}

void DeviceAdapter::setAfFrameColorValue(Utilities::AFFrameColor value)
{
    if (d->afFrameColor.store(int(value)))
        emit afFrameColorChanged(value);
}

} // namespace kavrotether
