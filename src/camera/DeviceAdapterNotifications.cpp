// DeviceAdapter: handlers of the camera notices that are not setting changes
// (power saving, errors, objects, recording state, white-balance set, 6K/4K
// cutting, lost cameras, firmware-update status, composite live view).

#include "DeviceAdapter.h"

#include <QCoreApplication>
#include <QThread>

#include <cstring>

#include "DeviceAdapterCallback.h"
#include "Kvrptpif.h"
#include "core/ApplicationData.h"
#include "core/CustomDialog.h"
#include "transfer/ObjectCopy.h"

namespace kavrotether {

namespace {

constexpr quint32 kWbsetEndRequest = 0x03000093;
constexpr quint32 k4K6KCutCancel = 0x030000B2;

bool pcReceivesFiles(int fileTarget)
{
    return fileTarget == Utilities::FLTG_PcAndCamera || fileTarget == Utilities::FLTG_PcOnly;
}

} // namespace

int DeviceAdapter::getSendCmdDevNum(bool lockHeld)
{
    const QString selected = camera_list_get_selected_camera_uuid();
    auto count = [&](const QMap<QString, CameraInfo> &table) {
        int n = 0;
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            if (it->powerOnMode != 0 && (it->sendCmdEnable != 0 || it.key() == selected))
                ++n;
        return n;
    };
    if (lockHeld)
        return count(d->cameraTable);
    return withCameraTable(count);
}

// ---- power saving ----

void DeviceAdapter::registerEventIdPowerSavingInfo(quint32 type, quint32)
{
    if (type != CameraEventCode::PowerSavingInfo)
        return;
    // The camera calls run without the table held; the table is looked at
    // again for each answer, as a camera may have gone meanwhile.
    const QStringList uuids = withCameraTable([](QMap<QString, CameraInfo> &table) {
        QStringList out;
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            if (it->supportPowerSaving != 0)
                out << it.key();
        return out;
    });
    const QString selected = camera_list_get_selected_camera_uuid();
    for (const QString &uuid : uuids) {
        quint32 mode = 0;
        const quint8 result = callCamera(uuid, KVR_func_api_Power_SavingInfo_Get_Tether_Connect_Mode, &mode);
        if (result != 1 || (mode != Utilities::PwTether_OFF && mode != Utilities::PwTether_ON))
            continue;
        const bool changed = withCameraTable([&](QMap<QString, CameraInfo> &table) {
            auto it = table.find(uuid);
            if (it == table.end() || it->powerOnMode == mode)
                return false;
            it->powerOnMode = quint8(mode);
            return true;
        });
        if (changed) {
            emit cameraListChanged();
            updateLiveviewSelectCamera();
        }
        if (uuid == selected && d->initSetupTetherMode.exchange(int(mode)) != int(mode))
            emit initSetupTetherModeChanged(static_cast<Utilities::PowerSavingTetherMode>(mode));
    }
}

// ---- camera errors ----

int DeviceAdapter::adp_KVR_func_api_GetSetupInfoError(const QString &uuid)
{
    KVR_STRUCT_SETUP_INFO_ERROR record;
    std::memset(&record, 0, sizeof record);
    const quint8 result = callCamera(uuid, KVR_func_api_GetSetupInfoError, &record);
    if (result != 1)
        return 0;
    if (record.entries[0].code == 0)
        return 1;
    {
        QMutexLocker g(&d->statusRecordLock);
        d->setupInfoError = record;
    }
    QString name;
    const bool found = withCameraTable([&](QMap<QString, CameraInfo> &table) {
        auto it = table.constFind(uuid);
        if (it == table.cend())
            return false;
        name = it->individualId.isEmpty() ? it->modelName : it->individualId;
        return true;
    });
    if (found)
        emit cameraErrorNotify(name);
    return 1;
}

void DeviceAdapter::registerEventIdNotifyError(quint32 type, quint32, const QString &uuid)
{
    if (type != CameraEventCode::NotifyError)
        return;
    adp_KVR_func_api_GetSetupInfoError(uuid);
}

// ---- objects ----

void DeviceAdapter::registerEventIdObjectAdd(quint32 type, quint32 param)
{
    if (type != CameraEventCode::ObjectAdd)
        return;
    if (getSendCmdDevNum(false) >= 2 || btnAllCameraStatus() == Utilities::BtnAllCameraStatus_Checked)
        return;
    if (ObjectCopy *copy = ApplicationData::getObjectCopy())
        copy->startObjectAdd(int(param));
}

void DeviceAdapter::registerEventIdObjectReqTransfer(quint32 type, quint32 param, const QString &uuid)
{
    if (type != CameraEventCode::ObjectReqTransfer)
        return;
    if (ObjectCopy *copy = ApplicationData::getObjectCopy())
        copy->startObjectReqTransfer(int(param), uuid);
}

void DeviceAdapter::registerAddEventReceivedNotify(quint32 type, quint32, const QString &)
{
    if (type != CameraEventCode::ObjectAdd || !pcReceivesFiles(d->fileTarget.load()))
        return;
    int recorded = d->movieRecCounter.load();
    if (recorded >= 1 && btnAllCameraStatus() == Utilities::BtnAllCameraStatus_Checked) {
        d->movieRecCounter.store(0);
        recorded = 0;
    }
    int commanded;
    {
        // On the SDK's thread, whose callbacks the close's unregistering and
        // the SDK's finish wait for: a camera call may hold the table for good.
        const std::unique_lock<std::recursive_timed_mutex> table = lockWithin(
            d->cameraTableMutex, std::chrono::milliseconds(WorkerThread::kDefaultStopTimeoutMs));
        if (!table.owns_lock()) {
            qWarning("DeviceAdapter: a camera call holds the camera table; a picture's notice is dropped");
            return;
        }
        commanded = getSendCmdDevNum(true);
    }
    if (commanded >= 2) {
        if (recorded >= 1)
            d->movieRecCounter.store(0);
        return;
    }
    if (recorded >= 1)
        emit objectAddEventReceivedNotify();
}

// ---- recording state ----

void DeviceAdapter::registerEventIdRecInfo(quint32 type, quint32)
{
    if (type != CameraEventCode::RecInfo)
        return;
    adp_KVR_func_api_GetBatteryInfo();
    adp_KVR_func_api_Get_Rec_Info();
    const QString selected = camera_list_get_selected_camera_uuid();
    const int status = cameraStatus();
    bool cleared = false;
    if (!updateTetherRecBit(selected, status, &cleared))
        return;
    // AF information events are dropped in multi-camera view, so the
    // position after a recording is read once.
    if (cleared && isMultiviewMode())
        adp_KVR_func_api_GetAFInfo_Start();
    emit anotherCameraStatusChanged(status, selected);
}

void DeviceAdapter::registerEventIdRecInfoAnother(quint32 type, quint32, const QString &uuid)
{
    if (type != WorkerCommandCode::RecInfoAnother)
        return;
    quint16 status = 0;
    const quint8 result = callCamera(uuid, KVR_func_api_GetCameraStatus, &status);
    if (result != 1)
        return;
    const bool statusChanged = storeCameraStatusInTable(uuid, status);
    if (updateTetherRecBit(uuid, status, nullptr))
        emit anotherCameraStatusChanged(status, uuid);
    if (statusChanged)
        updateLiveviewSelectCamera();
}

void DeviceAdapter::registerEventIdRecMonitorInfo(quint32 type, quint32)
{
    if (type != 0x16000010)
        return;
    adp_KVR_func_api_GetBatteryInfo();
}

// ---- exposure and white balance ----

int DeviceAdapter::adp_KVR_func_api_ExpInShot_GetAutoISO()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    quint32 iso = 0;
    const quint8 result = callCamera(uuid, KVR_func_api_ExpInShot_GetAutoISO, &iso);
    // Only a successful read is a value; a failed one leaves the last.
    if (result != 1)
        return 0;
    d->autoIso.store(iso);
    emit isoAutoChanged(iso);
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_WB_Ctrl_WBSET_END_REQ()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_WBSET_CTRL ctrl;
    std::memset(&ctrl, 0, sizeof ctrl);
    ctrl.code = kWbsetEndRequest;
    ctrl.paramCount = 2;
    ctrl.params[0] = d->wbset_pos_X.load();
    ctrl.params[1] = d->wbset_pos_Y.load();
    const quint8 result = callCamera(uuid, KVR_func_api_WB_Ctrl_WBSET, &ctrl);
    emit wbErrorNotify();
    return result == 1;
}

void DeviceAdapter::registerEventIdWbsetFailed(quint32 type, quint32)
{
    if (type != 0x12800042)
        return;
    adp_KVR_func_api_WB_Ctrl_WBSET_END_REQ();
}

// ---- 6K/4K cutting and frame data ----

void DeviceAdapter::registerEventId4K6KReady(quint32 type, quint32 param, const QString &uuid)
{
    if (type != CameraEventCode::Ready4K6K)
        return;
    if (btnAllCameraStatus() == Utilities::BtnAllCameraStatus_Checked || getSendCmdDevNum(false) >= 2) {
        // Frames are cut on one camera at a time only: the camera is told
        // to drop them.
        KVR_STRUCT_REC_CTRL ctrl;
        std::memset(&ctrl, 0, sizeof ctrl);
        ctrl.code = k4K6KCutCancel;
        DeviceLock lock(*this, uuid);
        (void)KVR_func_api_Rec_Ctrl_4K6K(&ctrl, uuid.toLocal8Bit().constData(), nullptr);
        return;
    }
    if (!pcReceivesFiles(d->fileTarget.load()))
        return;
    if (ObjectCopy *copy = ApplicationData::getObjectCopy())
        copy->startCut6K4KReady(int(param));
}

void DeviceAdapter::registerEventId4K6KStop(quint32 type, quint32 param)
{
    if (type != 0x12800113)
        return;
    // A network camera announces the stop before its last frames are done.
    if (connectionType() == kConnectionLan)
        QThread::msleep(300);
    if (ObjectCopy *copy = ApplicationData::getObjectCopy())
        copy->stop6K4K(int(param));
}

void DeviceAdapter::registerEventIdFrameDataTransferRead(quint32 type, quint32 param, const QString &)
{
    if (type != 0x1FF10000)
        return;
    if (!pcReceivesFiles(d->fileTarget.load()) || getSendCmdDevNum(false) > 1)
        return;
    if (ObjectCopy *copy = ApplicationData::getObjectCopy())
        copy->startCut6K4KData(int(param));
}

// ---- lost camera ----

void DeviceAdapter::registerEventIdDeviceStray(quint32 type, quint32, const QString &uuid)
{
    if (type != CameraEventCode::DeviceStray)
        return;
    const bool wasSelected = !uuid.isEmpty() && uuid == camera_list_get_selected_camera_uuid();
    if (d->liveViewOn.load() && (isMultiviewMode() || wasSelected)) {
        adp_KVR_func_api_Ctrl_LiveView_Stop();
        waitForLiveViewStop();
        // Still wanted: it comes back for the cameras that stay.
        d->liveViewOn.store(true);
    }
    bool remaining = false;
    const bool removed = withCameraTable([&](QMap<QString, CameraInfo> &table) {
        bool gone = false;
        if (table.contains(uuid)) {
            const CameraInfo &pulled = table[uuid];
            d->pulledCameraTicks.insert(pulled.serialNo, {pulled.sendCmdEnable, pulled.liveViewEnable});
            adp_KVR_func_api_CloseDevice(uuid);
            gone = table.remove(uuid) > 0;
        }
        remaining = !table.isEmpty();
        return gone;
    });
    if (remaining) {
        if (wasSelected) {
            QString next;
            int devIndex = -1;
            withCameraTable([&](QMap<QString, CameraInfo> &table) {
                for (auto it = table.cbegin(); it != table.cend(); ++it)
                    if (it.key() != uuid) {
                        next = it.key();
                        devIndex = it->devIndex;
                        break;
                    }
                _MULTIVIEW_DEVICE_PARAM p;
                if (!next.isEmpty() && CreateMultiviewParam(next, &p))
                    m_liveViewManager.SetSelectedCameraUUID(p);
            });
            if (devIndex >= 0)
                adp_KVR_func_api_Select_Device(devIndex);
        }
        if (d->liveViewOn.load() && m_liveViewManager.videoImageStatus() == LiveViewManager::VIS_Stop)
            adp_KVR_func_api_Ctrl_LiveView_Start();
        if (removed)
            emit cameraListChanged();
        adp_KVR_func_api_Search_Camera_List_start();
        return;
    }
    m_liveViewManager.ForceStop();
    waitForLiveViewStop();
    m_liveViewManager.SetCameraUUID({}, VIEW_SPLIT_12_NOPAGE);
    adp_KVR_func_api_ptpip_Set_Connection_Type(kConnectionLan);
    setIsCamerasConnectedValue(false);
    setCamCurrentSelectedSerialNoValue(QString());
    d->multiviewMode.store(false);
}

// ---- firmware update ----

namespace {
// How long a firmware status report may spend on the calling thread's events.
constexpr int kFwupEventSliceMs = 10;
} // namespace

void DeviceAdapter::registerEventFWUPStatusProc(quint32 type, quint32 param)
{
    switch (type) {
    case 1:
        d->fwupDataFrame.store(0);
        d->fwupResult.store(0);
        break;
    case 3:
        // The camera is writing: let whatever waits on this thread run.
        QCoreApplication::processEvents(QEventLoop::AllEvents, kFwupEventSliceMs);
        break;
    case 4:
        d->fwupDataFrame.store(param);
        break;
    case 5:
        QCoreApplication::processEvents(QEventLoop::AllEvents, kFwupEventSliceMs);
        [[fallthrough]];
    case 6:
        if (param != 0) {
            d->fwupDataFrame.store(0);
            d->fwupResult.store(0);
        } else {
            d->fwupResult.store(1);
        }
        break;
    default:
        // 2 carries nothing the progress shows.
        break;
    }
}

// ---- composite live view ----

int DeviceAdapter::adp_KVR_func_api_Get_Lv_Composite_Info()
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    KVR_STRUCT_LIVEVIEW_COMPOSITE_INFO info;
    std::memset(&info, 0, sizeof info);
    const quint8 result = callCamera(uuid, KVR_func_api_Get_Lv_Composite_Info, &info);
    if (result != 1)
        return 0;
    setLvShootingStatusValue(lvShootingStatusOf(info.shootingStatus));
    QMutexLocker g(&d->statusRecordLock);
    d->lvCompositeShootingInfo = info.shootingInfo;
    return 1;
}

void DeviceAdapter::registerEventIdLiveViewComposite(quint32 type, quint32)
{
    if (type != 0x12000070)
        return;
    adp_KVR_func_api_Get_Lv_Composite_Info();
}

// ---- custom dialog ----

bool DeviceAdapter::isCustomDialogVisible() const
{
    return m_customDialog && m_customDialog->isVisible();
}

void DeviceAdapter::closeCustomDialog(Utilities::DialogType type)
{
    if (!m_customDialog)
        return;
    if (type == Utilities::Unknown_Dialog || type == m_customDialog->getDialogType())
        m_customDialog->close();
}

} // namespace kavrotether
