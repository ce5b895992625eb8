// DeviceAdapter: selecting USB cameras, their sessions, adding cameras while
// connected and the reset after every camera is gone.

#include "DeviceAdapter.h"

#include <cstring>
#include <cwchar>

#include "DeviceAdapterCallback.h"
#include "core/ApplicationData.h"
#include "core/ApplicationSettings.h"

namespace kavrotether {

namespace {

constexpr int kSelectAttempts = 10;
constexpr quint32 kNetworkCommandTimeoutMs = 12000;
constexpr quint32 kUsbCommandTimeoutMs = 5000;
constexpr std::size_t kPasswordBufferSize = 256;
// Device paths are the SDK's; a path without its end is not read beyond this.
constexpr std::size_t kMaxDevicePath = 1024;

const QString kAll = QStringLiteral("All");

QString uuidText(const char *buffer)
{
    return QString::fromUtf8(buffer, int(qstrnlen(buffer, KVR_UUID_BUFFER_SIZE)));
}

QString devicePathText(const wchar_t *path)
{
    if (!path)
        return QString();
    return QString::fromWCharArray(path, int(wcsnlen(path, kMaxDevicePath)));
}

quint32 deviceCount(const KVR_CONNECT_DEVICE_INFO &list)
{
    return qMin<quint32>(list.count, KVR_MAX_DEVICES);
}

} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ptpip_Set_Connection_Type(int type)
{
    setConnectionTypeValue(type);
    quint8 r;
    if (type == kConnectionLan) {
        QMutexLocker g(&sdkMutex);
        r = KVR_func_api_ptpip_Set_Connection_Type(quint32(type), nullptr);
    } else {
        r = KVR_func_api_ptpip_Set_Connection_Type(quint32(type), nullptr);
    }
    if (r != 1) {
        emit settingErrorNotify();
        return Utilities::Ternary_False;
    }
    QMutexLocker g(&sdkMutex);
    (void)KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config(
        type == kConnectionLan ? kNetworkCommandTimeoutMs : kUsbCommandTimeoutMs, nullptr);
    return Utilities::Ternary_True;
}

namespace {
// One session call for one camera, or for every camera of the table.
template<typename Call>
Utilities::Ternary forCameras(DeviceAdapter &adapter, const QString &uuid, Call call)
{
    if (uuid != kAll) {
        DeviceAdapter::DeviceLock lock(adapter, uuid);
        return Utilities::ternaryOf(call(uuid.toLocal8Bit()) == 1);
    }
    return adapter.withCameraTable([&](QMap<QString, CameraInfo> &table) {
        bool any = false;
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            DeviceAdapter::DeviceLock lock(adapter, it.key());
            if (call(it.key().toLocal8Bit()) == 1)
                any = true;
        }
        return Utilities::ternaryOf(any);
    });
}
} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_OpenSession(QString uuid)
{
    return forCameras(*this, uuid, [](const QByteArray &id) {
        uint32_t session = 0;
        return KVR_func_api_OpenSession(0, &session, id.constData(), nullptr);
    });
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CloseSession(QString uuid)
{
    const auto close = [](const QByteArray &id) { return KVR_func_api_CloseSession(id.constData(), nullptr); };
    if (uuid != kAll)
        return forCameras(*this, uuid, close);
    // Every camera's session is closed by the close only, after its stops:
    // a thread one of them left in a camera call may hold the table or that
    // camera's lock for good. Each is waited for within the close's
    // allowance; a camera whose lock stays taken is not called.
    const std::unique_lock<std::recursive_timed_mutex> table = m_stopLocks.take(d->cameraTableMutex, "the camera table",
                                                                                "closing the cameras' sessions");
    if (!table.owns_lock())
        return Utilities::Ternary_False;
    bool any = false;
    for (auto it = d->cameraTable.cbegin(); it != d->cameraTable.cend(); ++it) {
        const DeviceLock lock(*this, it.key(), "closing the camera's session");
        if (!lock.givenUp() && close(it.key().toLocal8Bit()) == 1)
            any = true;
    }
    return Utilities::ternaryOf(any);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_CloseDevice(QString uuid)
{
    DeviceLock lock(*this, uuid);
    return KVR_func_api_CloseDevice(uuid.toLocal8Bit().constData(), nullptr) == 1 ? Utilities::Ternary_True
                                                                                  : Utilities::Ternary_False;
}

std::unique_ptr<DeviceListCopy> DeviceAdapter::deviceListSnapshot()
{
    auto copy = std::make_unique<DeviceListCopy>();
    QMutexLocker g(&d->deviceListLock);
    copy->assign(d->deviceList);
    return copy;
}

void DeviceAdapter::storeDeviceList(const KVR_CONNECT_DEVICE_INFO &source)
{
    // Built outside the lock: the copy reads the caller's paths.
    auto copy = std::make_unique<DeviceListCopy>();
    copy->assign(source);
    QMutexLocker g(&d->deviceListLock);
    d->deviceList = copy->list;
    for (quint32 i = 0; i < KVR_MAX_DEVICES; ++i) {
        d->deviceListPaths[i] = copy->paths[i];
        d->deviceList.devicePath[i] = i < copy->count() ? d->deviceListPaths[i].c_str() : nullptr;
    }
}

std::unique_ptr<DeviceListCopy> DeviceAdapter::appendToDeviceList(const KVR_DEVINFO &record)
{
    auto copy = std::make_unique<DeviceListCopy>();
    QMutexLocker g(&d->deviceListLock);
    // Only a new search empties the list: appends stop at its capacity.
    const quint32 at = qMin<quint32>(d->deviceList.count, KVR_MAX_DEVICES);
    if (at < KVR_MAX_DEVICES) {
        d->deviceList.devices[at] = record;
        d->deviceListPaths[at].clear();
        d->deviceList.devicePath[at] = nullptr;
        d->deviceList.count = at + 1;
    }
    copy->assign(d->deviceList);
    return copy;
}

quint32 DeviceAdapter::deviceListFromTickedEntries()
{
    auto list = std::make_unique<DeviceListCopy>();
    {
        QMutexLocker g(&d->cameraTableMutex);
        for (SearchCameraListItemObject *item : std::as_const(d->searchList)) {
            if (!item->enable() || item->connectMode() != SearchCameraListItemObject::CONNECT_USB)
                continue;
            KVR_DEVINFO record{};
            item->GetConnectUsbDevInfo(&record);
            if (!list->append(record, item->GetConnectUsbDevID()))
                break;
        }
    }
    storeDeviceList(list->list);
    return list->count();
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SelectPnPDevice()
{
    const std::unique_ptr<DeviceListCopy> copy = deviceListSnapshot();
    KVR_CONNECT_DEVICE_INFO &list = copy->list;
    const quint32 count = copy->count();
    if (count == 0)
        return Utilities::Ternary_False;
    // Every device is selected first and enters the table; then the sessions
    // of all of them are opened in one pass, each once.
    QMap<QString, quint32> selected;
    for (quint32 i = 0; i < count; ++i) {
        char uuidBuffer[KVR_UUID_BUFFER_SIZE] = {};
        quint8 r;
        {
            QMutexLocker g(&sdkMutex);
            r = KVR_func_api_SelectPnPDevice(list.devices[i].devIndex, &list, uuidBuffer, nullptr, nullptr, 0, nullptr);
        }
        if (r != 1) {
            if (connectionType() == kConnectionUsb) {
                const QString path = devicePathText(list.devicePath[i]);
                QStringList names;
                {
                    QMutexLocker g(&d->cameraTableMutex);
                    for (SearchCameraListItemObject *item : std::as_const(d->searchList))
                        if (item->connectMode() == SearchCameraListItemObject::CONNECT_USB
                            && devicePathText(item->GetConnectUsbDevID()) == path)
                            names << (item->devFrlyName().isEmpty() ? item->devModelName() : item->devFrlyName());
                }
                // Signals leave the table lock first: a slot may read the list.
                for (const QString &name : std::as_const(names))
                    emit notifyConnectErrorMessage(0, name, 0);
            }
            continue;
        }
        const QString uuid = uuidText(uuidBuffer);
        getOrCreateDeviceMutex(uuid);
        // Its row until the camera has been read; a thirteenth camera is let
        // go again before a session would keep it busy.
        CameraInfo row;
        row.devIndex = qint32(list.devices[i].devIndex);
        row.devicePath = devicePathText(list.devicePath[i]);
        if (!addCameraToTable(uuid, row)) {
            releaseUnusedCamera(uuid);
            continue;
        }
        selected.insert(uuid, i);
    }
    if (selected.isEmpty())
        return Utilities::Ternary_False;
    // The camera answers its identity and takes its recording target only
    // inside a session. One whose session does not open leaves the table
    // with its session, device and lock closed: a failed connect keeps no
    // camera that is not connected.
    QStringList failed;
    openSessions(selected.keys(), &failed);
    releaseCameras(failed);
    for (const QString &uuid : std::as_const(failed))
        selected.remove(uuid);
    if (selected.isEmpty())
        return Utilities::Ternary_False;
    for (auto it = selected.cbegin(); it != selected.cend(); ++it) {
        const quint32 i = it.value();
        CameraInfo info;
        getCameraInfo(int(list.devices[i].devIndex), devicePathText(list.devicePath[i]), it.key(), false, &info);
        addCameraToTable(it.key(), info);
        applyStoredFileTargetById(info.serialNo);
    }
    camera_list_update_camera_list(false);

    // The selected camera: the first remembered one that is connected.
    const QStringList saved = d->savedCameraList.serials();
    QString chosen;
    withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (const QString &serial : saved) {
            for (auto it = table.cbegin(); it != table.cend(); ++it) {
                if (it->serialNo == serial) {
                    chosen = it.key();
                    break;
                }
            }
            if (!chosen.isEmpty())
                break;
        }
        for (auto it = table.cbegin(); chosen.isEmpty() && it != table.cend(); ++it)
            if (it->devIndex == 0)
                chosen = it.key();
        // Without a camera of index 0 there would be no selected camera at
        // all: the first one is taken instead.
        if (chosen.isEmpty() && !table.isEmpty())
            chosen = table.firstKey();
        if (!chosen.isEmpty())
            setCameraInfoOfSelectedCamera(chosen);
    });
    return Utilities::Ternary_True;
}

void DeviceAdapter::openSessions(const QStringList &uuids, QStringList *failed)
{
    for (const QString &uuid : uuids)
        if (adp_KVR_func_api_OpenSession(uuid) != Utilities::Ternary_True && failed)
            *failed << uuid;
}

void DeviceAdapter::releaseCameras(const QStringList &uuids)
{
    for (const QString &uuid : uuids) {
        releaseUnusedCamera(uuid);
        removeCameraFromTable(uuid);
    }
}

Utilities::Ternary DeviceAdapter::connectEnableDevice()
{
    if (camConnectStatus() != Utilities::CamConnectSts_Connecting)
        setCamConnectStatusValue(Utilities::CamConnectSts_Connecting);
    Utilities::Ternary result = Utilities::Ternary_False;
    const bool lan = connectionType() == kConnectionLan;
    if (lan) {
        uint err = 0;
        result = selectEnableLanDevice(&err, false) ? Utilities::Ternary_True : Utilities::Ternary_False;
    } else if (connectionType() == kConnectionUsb && deviceListFromTickedEntries() != 0) {
        // The selection opens the sessions of the cameras it selects: an
        // "All" pass here would open each a second time.
        for (int attempt = 0; attempt < kSelectAttempts; ++attempt) {
            result = adp_KVR_func_api_SelectPnPDevice();
            if (result == Utilities::Ternary_True)
                break;
        }
    }
    const bool passwordAwaited = postPasswordRequestIfAwaited();
    if (result != Utilities::Ternary_True) {
        // A camera waiting for its password is no error yet: the dialog decides.
        if (!passwordAwaited && camConnectStatus() != Utilities::CamConnectSts_Error)
            setCamConnectStatusValue(Utilities::CamConnectSts_Error);
        return result;
    }
    setIsCamerasConnected(true);
    m_deviceSearch.startGetConnectInitData();
    return result;
}

bool DeviceAdapter::addSelectedUsbDevice(DeviceListCopy &copy, quint32 i, bool underSelectedCameraLock)
{
    KVR_CONNECT_DEVICE_INFO &list = copy.list;
    char uuidBuffer[KVR_UUID_BUFFER_SIZE] = {};
    quint8 r;
    {
        std::unique_ptr<DeviceLock> selected;
        if (underSelectedCameraLock)
            selected = std::make_unique<DeviceLock>(*this, QString());
        QMutexLocker g(&sdkMutex);
        r = KVR_func_api_SelectPnPDevice(list.devices[i].devIndex, &list, uuidBuffer, nullptr, nullptr, 0, nullptr);
    }
    if (r != 1)
        return false;
    const QString uuid = uuidText(uuidBuffer);
    const int devIndex = int(list.devices[i].devIndex);
    const bool known = withCameraTable([&](QMap<QString, CameraInfo> &table) {
        const auto it = table.find(uuid);
        if (it == table.end())
            return false;
        if (it->devIndex != devIndex) {
            it->devIndex = devIndex;
            if (uuid == camera_list_get_selected_camera_uuid())
                d->currentDevIndex = devIndex;
        }
        return true;
    });
    if (known)
        return false;
    getOrCreateDeviceMutex(uuid);
    if (adp_KVR_func_api_OpenSession(uuid) != Utilities::Ternary_True) {
        releaseUnusedCamera(uuid);
        return false;
    }
    CameraInfo info;
    getCameraInfo(devIndex, devicePathText(list.devicePath[i]), uuid, false, &info);
    if (!addCameraToTable(uuid, info)) {
        // Over the limit: a session nobody uses would keep the camera busy.
        releaseUnusedCamera(uuid);
        return false;
    }
    applyStoredFileTargetById(info.serialNo);
    return true;
}

void DeviceAdapter::publishSearchedCameras()
{
    camera_list_update_camera_list(false);
    // A camera back from a pull joins the view, as one added through the
    // connect button does; its tile would stay dark otherwise. The view may
    // still be waiting to start again after the pull: that start takes the
    // new list.
    if (d->liveViewOn.load())
        updateLiveviewSelectCamera();
    emit cameraListChanged();
}

Utilities::Ternary DeviceAdapter::selectUsbDevices()
{
    const std::unique_ptr<DeviceListCopy> copy = deviceListSnapshot();
    const quint32 count = copy->count();
    bool added = false;
    for (quint32 i = 0; i < count; ++i) {
        char uuidBuffer[KVR_UUID_BUFFER_SIZE] = {};
        if (copy->list.devicePath[i]) {
            // Names no camera: serialised like every such call.
            QMutexLocker g(&sdkMutex);
            if (KVR_func_api_IsConnectedUSBDevice(copy->list.devicePath[i], uuidBuffer) == 1)
                continue;
        }
        if (addSelectedUsbDevice(*copy, i, true))
            added = true;
    }
    if (added)
        publishSearchedCameras();
    return Utilities::ternaryOf(added);
}

Utilities::Ternary DeviceAdapter::searchAddedDevice()
{
    closeDisableDevice();
    Utilities::Ternary result = Utilities::Ternary_False;
    if (connectionType() == kConnectionLan) {
        uint err = 0;
        result = selectEnableLanDevice(&err, true) ? Utilities::Ternary_True : Utilities::Ternary_False;
    } else {
        result = selectEnableUsbDevice();
    }
    if (cameraTableCount() == 0) {
        disconnectAllNotify();
        return Utilities::Ternary_False;
    }
    updateSelectedDevice();
    if (d->liveViewOn.load()) {
        if (!m_liveViewManager.IsLiveViewWorking()) {
            if (isMultiviewMode()) {
                adp_KVR_func_api_Ctrl_LiveView_Start();
            } else if (camSupportPowerSaving() && pwTetherConnectMode() != Utilities::PwTether_ON) {
                setLiveviewPause();
            } else {
                adp_KVR_func_api_Ctrl_LiveView_Start();
                adp_KVR_func_api_LiveView_Str_Get_Recom_Img_Start();
                adp_KVR_func_api_LiveView_Str_Get_Trans_Img_Start();
            }
        } else {
            updateLiveviewSelectCamera();
        }
    }
    postPasswordRequestIfAwaited();
    return result;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Search_Camera_List_start()
{
    const bool queued = withCallbackReceiver([](DeviceAdapterCallback &receiver) {
        receiver.pushArgumentCheck(WorkerCommandCode::SearchCameraList, 0, QString());
    });
    // Without the event worker nothing would ever run the re-scan.
    return Utilities::ternaryOf(queued);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Search_Camera_List(bool trylock)
{
    quint32 count = 0;
    auto found = std::make_unique<KVR_CONNECT_DEVICE_INFO>();
    std::memset(found.get(), 0, sizeof *found);
    {
        if (trylock) {
            if (!sdkMutex.tryLock())
                return Utilities::Ternary_False;
        } else {
            sdkMutex.lock();
        }
        (void)KVR_func_api_ptpip_StopGetDeviceInfo(nullptr);
        // Filled outside the shared list: the table lock comes before the
        // SDK lock and is not waited for while the SDK lock is held.
        const quint8 r = KVR_func_api_Search_Device(found.get(), nullptr);
        count = r == 1 ? deviceCount(*found) : 0;
        sdkMutex.unlock();
    }
    if (count == 0)
        return Utilities::Ternary_False;
    storeDeviceList(*found);
    const std::unique_ptr<DeviceListCopy> copy = deviceListSnapshot();
    bool added = false;
    for (quint32 i = 0; i < copy->count(); ++i)
        if (addSelectedUsbDevice(*copy, i, false))
            added = true;
    if (added)
        publishSearchedCameras();
    return Utilities::ternaryOf(added);
}

bool DeviceAdapter::updateSelectedDevice()
{
    const QString selected = camera_list_get_selected_camera_uuid();
    QString first;
    int devIndex = 0;
    const bool stillThere = withCameraTable([&](QMap<QString, CameraInfo> &table) {
        if (table.contains(selected))
            return true;
        if (!table.isEmpty()) {
            first = table.firstKey();
            devIndex = table.first().devIndex;
        }
        return false;
    });
    if (stillThere)
        return false;
    if (first.isEmpty()) {
        setSelectedCameraUuid(QString());
        return false;
    }
    d->liveViewCameraChosen.store(true);
    setCameraInfoOfSelectedCamera(first);
    setIsCamerasConnected(true);
    emit switchCameraNotify(devIndex);
    return true;
}

void DeviceAdapter::disconnectAllNotify()
{
    m_liveViewManager.ForceStop();
    waitForLiveViewStop();
    m_liveViewManager.SetCameraUUID({}, VIEW_SPLIT_12_NOPAGE);
    dev_mutex_delete_all();
    adp_KVR_func_api_ptpip_Set_Connection_Type(kConnectionLan);
    {
        QMutexLocker g(&d->networkStateLock);
        d->passwordErrorList.clear();
    }
    ClearSearchList();
    setIsCamerasConnected(false);
    setCamCurrentSelectedSerialNoValue(QString());
    d->multiviewMode.store(false);
    d->lanConnected.store(false);
    d->liveViewCameraChosen.store(false);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SelectPnPDevice_With_EncryptPW(int index, QString password,
                                                                                  QString text, ushort mode)
{
    // Zeroed and bounded: the SDK reads them as NUL-terminated text.
    char passwordBuffer[kPasswordBufferSize] = {};
    char textBuffer[kPasswordBufferSize] = {};
    const QByteArray pw = password.toLocal8Bit();
    const QByteArray tx = text.toLocal8Bit();
    memcpy(passwordBuffer, pw.constData(), qMin<std::size_t>(std::size_t(pw.size()), kPasswordBufferSize - 1));
    memcpy(textBuffer, tx.constData(), qMin<std::size_t>(std::size_t(tx.size()), kPasswordBufferSize - 1));
    if (connectionType() != kConnectionLan)
        adp_KVR_func_api_ptpip_Set_Connection_Type(kConnectionLan);
    if (index < 0)
        return Utilities::Ternary_False;
    char uuidBuffer[KVR_UUID_BUFFER_SIZE] = {};
    quint8 r;
    const std::unique_ptr<DeviceListCopy> copy = deviceListSnapshot();
    {
        QMutexLocker g(&sdkMutex);
        r = KVR_func_api_SelectPnPDevice(quint32(index), &copy->list, uuidBuffer,
                                         password.isEmpty() ? nullptr : passwordBuffer,
                                         text.isEmpty() ? nullptr : textBuffer, mode, nullptr);
    }
    if (r != 1)
        return Utilities::Ternary_False;
    if (mode != 1 && mode != 3)
        return Utilities::Ternary_True;
    const QString uuid = uuidText(uuidBuffer);
    getOrCreateDeviceMutex(uuid);
    if (adp_KVR_func_api_OpenSession(uuid) != Utilities::Ternary_True) {
        releaseUnusedCamera(uuid);
        return Utilities::Ternary_False;
    }
    CameraInfo info;
    getCameraInfo(index, QString(), uuid, true, &info);
    if (!addCameraToTable(uuid, info)) {
        releaseUnusedCamera(uuid);
        return Utilities::Ternary_False;
    }
    applyStoredFileTargetById(info.serialNo);
    const QStringList saved = d->savedCameraList.serials();
    withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (const QString &serial : saved) {
            auto it = std::find_if(table.cbegin(), table.cend(),
                                   [&](const CameraInfo &c) { return c.serialNo == serial; });
            if (it == table.cend())
                continue;
            if (table.size() == 1)
                setCameraInfoOfSelectedCamera(it.key());
            break;
        }
        if (camCurrentSelectedSerialNo().isEmpty() && !table.isEmpty())
            setCameraInfoOfSelectedCamera(table.firstKey());
    });
    setIsCamerasConnected(true);
    camera_list_update_camera_list(false);
    emit cameraListChanged();
    return Utilities::Ternary_True;
}

void DeviceAdapter::applyStoredFileTargetById(QString serialNo)
{
    int type = ApplicationSettings::StoLocType_SdCardPc;
    if (ApplicationSettings *settings = ApplicationData::getApplicationSettings())
        type = int(settings->getStoreLocationTypeFromFile(serialNo));
    setFileTargetById(serialNo, Utilities::FileTarget(type));
}

void DeviceAdapter::notifyConnectErrMsg(QString name)
{
    emit notifyConnectErrorMessage(0, name, 0);
}

void DeviceAdapter::waitForLiveViewStop(int timeoutMs)
{
    // Bounded: a manager that never reports its end must not hang the caller.
    // The manager's fetch work runs on threads of its own, so nothing it
    // waits for needs this thread's events.
    (void)m_liveViewManager.waitUntilStopped(timeoutMs);
}

void DeviceAdapter::stopLiveViewFor(const QString &uuid)
{
    if (!d->liveViewOn.load() || (!isMultiviewMode() && uuid != camera_list_get_selected_camera_uuid()))
        return;
    adp_KVR_func_api_Ctrl_LiveView_Stop();
    waitForLiveViewStop();
    // Live view is still wanted; it comes back for the cameras that stay.
    d->liveViewOn.store(true);
}

void DeviceAdapter::closeDisableDevice()
{
    QStringList unticked;
    withCameraTable([&](QMap<QString, CameraInfo> &table) {
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            for (SearchCameraListItemObject *item : std::as_const(d->searchList))
                if (item->devSerialNo() == it->serialNo) {
                    if (!item->enable())
                        unticked << it.key();
                    break;
                }
    });
    for (const QString &uuid : std::as_const(unticked)) {
        adp_KVR_func_api_CloseSession(uuid);
        adp_KVR_func_api_CloseDevice(uuid);
        stopLiveViewFor(uuid);
        removeCameraFromTable(uuid);
    }
    if (unticked.isEmpty())
        return;
    camera_list_update_camera_list(false);
    emit cameraListChanged();
}

Utilities::Ternary DeviceAdapter::selectEnableUsbDevice()
{
    deviceListFromTickedEntries();
    return selectUsbDevices();
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Search_and_Connect_DEVICE_TYPE_REMOTE_STD(bool trylock)
{
    const QString uuid = camera_list_get_selected_camera_uuid();
    quint8 r;
    {
        if (trylock) {
            if (!sdkMutex.tryLock())
                return Utilities::Ternary_False;
        } else {
            sdkMutex.lock();
        }
        r = KVR_func_api_Search_and_Connect_DEVICE_TYPE(0, uuid.toLocal8Bit().constData(), nullptr);
        sdkMutex.unlock();
    }
    if (r != 1)
        return Utilities::Ternary_False;
    adp_KVR_func_api_GetPnPDeviceInfo(false);
    // Re-reads the selected camera's identity, power saving and feature flags
    // from the camera, not from what the table held.
    if (refreshCameraInfo(uuid))
        setCameraInfoOfSelectedCamera(uuid);
    return Utilities::Ternary_True;
}

void DeviceAdapter::releaseUnusedCamera(const QString &uuid)
{
    adp_KVR_func_api_CloseSession(uuid);
    adp_KVR_func_api_CloseDevice(uuid);
    deleteDeviceMutex(uuid);
}

} // namespace kavrotether
