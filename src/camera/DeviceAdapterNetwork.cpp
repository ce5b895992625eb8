// DeviceAdapter: network cameras. The SDK's network reports, the connect
// thread that works through the found cameras, selecting a network camera
// with its saved password, the "Rcl" list and the network configuration.

#include "DeviceAdapter.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>

#include "DeviceAdapterCallback.h"
#include "PtpipRecord.h"
#include "SearchCameraListItemObject.h"

namespace kavrotether {

namespace {

// The connect thread ends after this many empty looks at the queue, one
// every kConnectIdleWait.
constexpr int kConnectIdleLimit = 11;
constexpr auto kConnectIdleWait = std::chrono::milliseconds(100);
// Found cameras waiting for the connect thread; the SDK's device list holds
// no more, so anything beyond is a camera reported again and again.
constexpr std::size_t kFoundQueueCapacity = KVR_MAX_DEVICES;
// Password requests waiting at once; more cameras than this cannot be
// connected anyway.
constexpr int kPasswordErrorCapacity = KVR_MAX_DEVICES;
// How long a lost camera waits for live view to leave its frame read.
constexpr int kLiveViewStopWaitMs = 5000;

using Info = _tag_KVR_PTPIP_CONNECT_DEVICE_INFO;

} // namespace

quint64 ptpipDeviceKey(const Info &info)
{
    return Utilities::getEncryptionKeyFromString(ptpipRecordText(info.macAddress), 8);
}

QString ptpipSafeBaseName(const QString &name)
{
    constexpr int kMaxLength = 100;
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || c.category() == QChar::Other_Surrogate || c.category() == QChar::Other_NotAssigned)
            continue;
        static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
        out += kForbidden.contains(c) ? QChar(u'_') : c;
    }
    while (out.contains(QStringLiteral("..")))
        out.replace(QStringLiteral(".."), QStringLiteral("."));
    // Leading dots would make "." or hidden files.
    qsizetype start = 0;
    while (start < out.size() && (out[start] == u'.' || out[start].isSpace()))
        ++start;
    out = out.mid(start).left(kMaxLength).trimmed();
    return out.isEmpty() ? QStringLiteral("camera") : out;
}

// ---- network reports ----

void DeviceAdapter::registerEventPtpipFoundDeviceProc(uint cb_event_type, void *cb_event_param1, void *)
{
    if (cb_event_type != PtpipKind::FoundDevice || !cb_event_param1)
        return;
    const Info &info = *static_cast<const Info *>(cb_event_param1);
    {
        QMutexLocker g(&d->networkStateLock);
        for (const auto &waiting : d->passwordErrorList)
            if (waiting.devIndex == info.devIndex)
                return;
    }
    d->lanConnected.store(true);
    // Setting the connection type takes the SDK lock, which a thread may
    // hold while it waits for this very callback thread; the connect thread
    // sets it before it lists the camera.

    std::lock_guard<std::recursive_mutex> g(foundDeviceMutex);
    if (m_connectWorker.isClosed())
        return;
    if (foundDeviceQueue.size() >= kFoundQueueCapacity)
        return;
    foundDeviceQueue.push_back(info);
    // The thread sets "finished" under this mutex with an empty queue in
    // view, so a thread not finished yet is sure to take the record. One
    // that has finished is at its end: starting anew joins it.
    if (!m_connectThreadFinished) {
        m_connectWorker.wake();
        return;
    }
    m_connectThreadFinished = false;
    if (!m_connectWorker.start([this](WorkerThread::Run &run) { ptpipConnectThreadProc(run); })) {
        m_connectThreadFinished = true;
        foundDeviceQueue.pop_back();
    }
}

void DeviceAdapter::registerEventPtpipTimeoutSearchProc(uint cb_event_type, void *, void *)
{
    if (cb_event_type != PtpipKind::TimeoutSearch)
        return;
    d->lanConnected.store(false);
    m_deviceSearch.SetPTPIPSearchEvent(PtpipKind::TimeoutSearch);
}

void DeviceAdapter::registerEventPtpipStopSearchProc(uint cb_event_type, void *, void *)
{
    if (cb_event_type != PtpipKind::StopSearch)
        return;
    d->lanConnected.store(false);
    m_deviceSearch.SetPTPIPSearchEvent(PtpipKind::StopSearch);
}

void DeviceAdapter::registerEventPtpipFoundConnectedDeviceProc(uint cb_event_type, void *cb_event_param1, void *)
{
    if (cb_event_type != PtpipKind::FoundConnectedDevice || !cb_event_param1)
        return;
    auto *item = new SearchCameraListItemObject;
    item->fillFromLan(*static_cast<const Info *>(cb_event_param1));
    item->setEnable(true);
    item->setAuthorize(true);
    // On the SDK's thread, whose callbacks the close's unregistering and the
    // SDK's finish wait for: a camera call may hold the list's lock (the
    // camera table) for good.
    if (!ptpipListFoundDevice(item, std::chrono::milliseconds(WorkerThread::kDefaultStopTimeoutMs)))
        qWarning("DeviceAdapter: a camera call holds the camera table; a connected camera found is not listed");
}

bool DeviceAdapter::ptpipListFoundDevice(SearchCameraListItemObject *item, std::chrono::milliseconds tableWait)
{
    if (!AddSortSearchList(item, tableWait))
        return false;
    m_deviceSearch.SetPTPIPSearchEvent(PtpipKind::FoundDevice);
    emit searchListChanged();
    return true;
}

void DeviceAdapter::registerEventPtpipAuthenticatePwProc(uint cb_event_type, void *cb_event_param1,
                                                         void *cb_event_param2)
{
    if (cb_event_type != PtpipKind::AuthenticatePw || !cb_event_param1 || !cb_event_param2)
        return;
    const quint32 errorType = *static_cast<const quint32 *>(cb_event_param2);
    if (errorType == Utilities::PWE_OK)
        return;
    const Info &info = *static_cast<const Info *>(cb_event_param1);
    DeviceAdapterData::PasswordErrorEntry entry;
    entry.errorType = errorType;
    entry.devIndex = info.devIndex;
    entry.deviceKey = ptpipDeviceKey(info);
    entry.friendlyName = ptpipRecordText(info.friendlyName);
    entry.serialNo = ptpipRecordText(info.serialNo);
    QMutexLocker g(&d->networkStateLock);
    if (d->passwordErrorList.size() < kPasswordErrorCapacity)
        d->passwordErrorList.append(entry);
}

void DeviceAdapter::registerEventPtpipDisconnectProc(uint cb_event_type, void *, void *cb_event_param2)
{
    if (cb_event_type != PtpipKind::Disconnect || !cb_event_param2)
        return;
    const QString uuid = QString::fromUtf8(static_cast<const char *>(cb_event_param2),
                                           qsizetype(strnlen(static_cast<const char *>(cb_event_param2), 64)));
    if (uuid.isEmpty())
        return;

    if (d->liveViewOn.load() && (d->multiviewMode.load() || uuid == d->selectedCameraUuid.load())) {
        adp_KVR_func_api_Ctrl_LiveView_Stop();
        waitForLiveViewStop(kLiveViewStopWaitMs);
        // Restarted below once another camera is chosen.
        d->liveViewOn.store(true);
    }

    bool erased = false;
    bool empty = false;
    {
        QMutexLocker g(&d->cameraTableMutex);
        if (d->cameraTable.contains(uuid)) {
            adp_KVR_func_api_CloseDevice(uuid);
            d->cameraTable.remove(uuid);
            erased = true;
        }
        empty = d->cameraTable.isEmpty();
    }
    if (empty) {
        m_liveViewManager.ForceStop();
        waitForLiveViewStop(kLiveViewStopWaitMs);
        m_liveViewManager.SetCameraUUID({}, VIEW_SPLIT_12_NOPAGE);
        dev_mutex_delete_all();
        adp_KVR_func_api_ptpip_Set_Connection_Type(kConnectionLan);
        setIsCamerasConnectedValue(false);
        setCamCurrentSelectedSerialNoValue(QString());
        d->multiviewMode.store(false);
        d->lanConnected.store(false);
        d->liveViewCameraChosen.store(false);
        return;
    }
    if (uuid == d->selectedCameraUuid.load()) {
        int devIndex = -1;
        {
            QMutexLocker g(&d->cameraTableMutex);
            for (auto it = d->cameraTable.constBegin(); it != d->cameraTable.constEnd(); ++it) {
                if (it.key() == uuid)
                    continue;
                d->selectedCameraUuid.store(it.key());
                devIndex = it->devIndex;
                _MULTIVIEW_DEVICE_PARAM param{};
                if (CreateMultiviewParam(it.key(), &param))
                    m_liveViewManager.SetSelectedCameraUUID(param);
                break;
            }
        }
        if (devIndex >= 0)
            adp_KVR_func_api_Select_Device(devIndex);
    }
    if (d->liveViewOn.load() && m_liveViewManager.videoImageStatus() == 0)
        adp_KVR_func_api_Ctrl_LiveView_Start();
    if (erased)
        emit cameraListChanged();
}

// ---- connect thread ----

void DeviceAdapter::ptpipConnectThreadProc(WorkerThread::Run &run)
{
    int idle = 0;
    while (!run.stopRequested()) {
        Info info{};
        bool have = false;
        {
            std::lock_guard<std::recursive_mutex> g(foundDeviceMutex);
            if (!foundDeviceQueue.empty()) {
                info = foundDeviceQueue.front();
                foundDeviceQueue.pop_front();
                have = true;
            } else if (idle >= kConnectIdleLimit) {
                m_connectThreadFinished = true;
                return;
            }
        }
        if (!have) {
            run.wait(kConnectIdleWait);
            ++idle;
            continue;
        }
        idle = 0;
        if (connectionType() != kConnectionLan)
            adp_KVR_func_api_ptpip_Set_Connection_Type(kConnectionLan);
        if (cameraTableCount() >= kMaxCameras)
            continue;
        auto item = std::make_unique<SearchCameraListItemObject>();
        item->fillFromLan(info);
        item->setEnable(true);
        item->setAuthorize(true);
        if (info.tls && ptpipCertificateAuthorised(&info)) {
            // Only the certificate kept for the camera goes to the SDK here.
            const QString path = ptpipKeptCertificatePath(ptpipRecordText(info.serialNo));
            (void)adp_KVR_func_api_ptpip_SetCerFilePath(int(info.devIndex), path);
            item->setCAFilePath(path);
        } else if (info.tls) {
            // Another one (a first one, or one that differs from the one
            // kept) is saved beside it and listed as not authorised: it is
            // kept only once the user connects the camera as listed. Saved
            // and listed in one turn, so that the entry it replaces, or a
            // list cleared meanwhile, cannot take the file with it.
            const QByteArray pem = adp_KVR_func_api_ptpip_GetCertPEM(int(info.devIndex)).toLocal8Bit();
            QMutexLocker files(&d->certificateFileLock);
            // A close that went on without this read has already removed
            // what nobody accepted: a certificate saved now would stay.
            if (run.stopRequested())
                break;
            QString path;
            if (!ptpipStoreCertificate(*this, info, pem, &path))
                continue;
            item->setCAFilePath(path);
            item->setAuthorize(false);
            ptpipListFoundDevice(item.release());
            continue;
        }
        ptpipListFoundDevice(item.release());
    }
    std::lock_guard<std::recursive_mutex> g(foundDeviceMutex);
    m_connectThreadFinished = true;
}

void DeviceAdapter::stopConnectThread()
{
    {
        // Under the found-camera lock: a camera found meanwhile on the SDK's
        // thread can neither start the thread again nor queue a record.
        std::lock_guard<std::recursive_mutex> g(foundDeviceMutex);
        m_connectWorker.requestClose();
        foundDeviceQueue.clear();
    }
    // The thread takes the found-camera lock: joined without it.
    m_connectWorker.close();
}

bool DeviceAdapter::isConnectThreadRunning() const
{
    return m_connectWorker.isRunning();
}

int DeviceAdapter::foundDeviceCount()
{
    std::lock_guard<std::recursive_mutex> g(foundDeviceMutex);
    return int(foundDeviceQueue.size());
}

// ---- selecting a network camera ----

bool DeviceAdapter::ptpipSelectWithSavedPassword(const Info *info, QString *uuid, uint *err)
{
    if (err)
        *err = 0;
    if (!info)
        return false;
    static_assert(sizeof(KVR_DEVINFO) == 2060, "identity part of the found-device record");
    const QString serial = ptpipRecordText(info->serialNo);
    const quint64 key = ptpipDeviceKey(*info);
    {
        QMutexLocker g(&d->networkStateLock);
        d->deviceKeyMap.insert(serial, key);
    }
    const QByteArray password = ptpip_enhance_security_get_saved_password(serial).toLocal8Bit();

    char uuidBuffer[37] = {};
    quint32 error = 0;
    uint8_t result;
    {
        // The device list is the one the USB search fills; the SDK selects
        // from a copy, so the list's lock is not held across the call.
        KVR_DEVINFO record;
        std::memcpy(&record, info, sizeof record);
        const std::unique_ptr<DeviceListCopy> list = appendToDeviceList(record);
        // A password request is delivered on the SDK's thread before the
        // select returns; its handler takes no lock held here.
        QMutexLocker g(&sdkMutex);
        result = KVR_func_api_SelectPnPDevice(info->devIndex, &list->list, uuidBuffer, nullptr, password.constData(), 1,
                                              &error);
    }
    if (err)
        *err = error;
    if (result != 1)
        return false;
    if (uuid)
        *uuid = QString::fromLatin1(uuidBuffer, qsizetype(strnlen(uuidBuffer, sizeof(uuidBuffer) - 1)));
    return true;
}

bool DeviceAdapter::selectPtpipDevice(Info *info, uint *err)
{
    return ptpipConnectDevice(info, err, true);
}

bool DeviceAdapter::connectPtpipDevice(Info *info, uint *err)
{
    return ptpipConnectDevice(info, err, false);
}

bool DeviceAdapter::ptpipConnectDevice(Info *info, uint *err, bool select)
{
    QString uuid;
    if (!ptpipSelectWithSavedPassword(info, &uuid, err))
        return false;
    getOrCreateDeviceMutex(uuid);
    if (adp_KVR_func_api_OpenSession(uuid) != Utilities::Ternary_True) {
        releaseUnusedCamera(uuid);
        return false;
    }
    if (select && cameraTableCount() == 0)
        adp_KVR_func_api_Ctrl_LiveView_Stop();
    CameraInfo camera;
    getCameraInfo(int(info->devIndex), uuid, uuid, info->wifi != 0, &camera);
    if (!addCameraToTable(uuid, camera)) {
        // A thirteenth camera: a session nobody uses would keep it busy.
        releaseUnusedCamera(uuid);
        return false;
    }
    applyStoredFileTargetById(camera.serialNo);
    if (select) {
        QString chosen;
        const QStringList saved = d->savedCameraList.serials();
        withCameraTable([&](QMap<QString, CameraInfo> &table) {
            for (const QString &serial : saved) {
                const auto it = std::find_if(table.cbegin(), table.cend(),
                                             [&](const CameraInfo &c) { return c.serialNo == serial; });
                if (it != table.cend()) {
                    if (table.size() == 1)
                        chosen = it.key();
                    break;
                }
            }
        });
        if (!chosen.isEmpty())
            setCameraInfoOfSelectedCamera(chosen);
        if (camCurrentSelectedSerialNo().isEmpty()) {
            const QString first = withCameraTable(
                [](QMap<QString, CameraInfo> &table) { return table.isEmpty() ? QString() : table.firstKey(); });
            if (!first.isEmpty())
                setCameraInfoOfSelectedCamera(first);
        }
    }
    camera_list_update_camera_list(false);
    emit cameraListChanged();
    return true;
}

bool DeviceAdapter::selectEnableLanDevice(uint *err, bool add)
{
    QList<QPointer<SearchCameraListItemObject>> entries;
    {
        QMutexLocker g(&d->cameraTableMutex);
        for (SearchCameraListItemObject *item : std::as_const(d->searchList))
            entries.append(item);
    }
    bool any = false;
    for (const QPointer<SearchCameraListItemObject> &entry : std::as_const(entries)) {
        // An entry at no address lost it to another camera: connecting it
        // would reach the camera that is there now.
        if (!entry || !entry->enable() || entry->connectMode() != SearchCameraListItemObject::CONNECT_LAN
            || entry->ip().isEmpty())
            continue;
        Info info{};
        entry->GetConnectLanDevInfo(&info);
        const QString serial = entry->devSerialNo();
        if (entry->enableTls())
            ptpipAcceptCertificate(serial, info, entry->caFilePath());
        uint8_t connected = 0;
        {
            const QByteArray serialText = serial.toLocal8Bit();
            QMutexLocker g(&sdkMutex);
            KVR_func_api_IsConnectedLANDevice(serialText.constData(), &connected);
        }
        if (connected)
            continue;
        if (entry->enableTls()) {
            // The renewed certificate replaces the entry's file only once
            // the SDK reads the new one.
            QString registered = entry->caFilePath();
            if (updateCer(&info, &registered) && entry && registered != entry->caFilePath()) {
                entry->setCAFilePath(registered);
                updateRclIni(serial, QFileInfo(registered).fileName());
            }
        }
        const bool liveView = d->liveViewOn.load();
        if (add ? connectPtpipDevice(&info, err) : selectPtpipDevice(&info, err)) {
            d->liveViewOn.store(liveView);
            any = true;
            continue;
        }
        if (!err || (*err & 0xFFFF0000u) != 0x00100000u)
            continue;
        updateRclIni(serial, QString());
        const QString name = entry->devFrlyName().isEmpty() ? entry->devModelName() : entry->devFrlyName();
        const quint32 low = *err & 0xFFFFu;
        // No other event is let in half-way through this walk.
        emit notifyConnectErrorMessage(low == 9 || low == 10 ? 1 : 0, name, int(*err));
    }
    return any;
}

// ---- "Rcl" ----

void DeviceAdapter::updateRclIni(QString key, QString value)
{
    auto file = DeviceAdapterData::openCertificateListFile();
    file->setValue(key, value);
    file->sync();
    if (file->status() != QSettings::NoError)
        qWarning("DeviceAdapter: the certificate list could not be written");
    QFile::setPermissions(file->fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool DeviceAdapter::ptpip_camera_is_connect_by_lan_wifi()
{
    return d->lanConnected.load();
}

// ---- network configuration ----

namespace {

// The SDK's network configuration is serialised only while cameras are
// reached over the network.
template<typename F>
uint8_t callNetworkConfig(DeviceAdapter &adapter, QMutex &sdkLock, F &&call)
{
    if (adapter.connectionType() == kConnectionLan) {
        QMutexLocker g(&sdkLock);
        return call();
    }
    return call();
}

// A refused configuration is reported to the interface.
Utilities::Ternary reported(DeviceAdapter &adapter, uint8_t result)
{
    if (result != 1)
        emit adapter.settingErrorNotify();
    return Utilities::ternaryOf(result == 1);
}

} // namespace

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config(int timeOutVal_ms)
{
    if (timeOutVal_ms < 0)
        return reported(*this, 0);
    return reported(*this, callNetworkConfig(*this, sdkMutex, [&] {
        return KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config(uint32_t(timeOutVal_ms), nullptr);
    }));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(int mSearchVal_ms,
                                                                                         int timeOutVal_ms)
{
    if (mSearchVal_ms < 0 || timeOutVal_ms < 0)
        return reported(*this, 0);
    return reported(*this, callNetworkConfig(*this, sdkMutex, [&] {
        return KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(uint32_t(mSearchVal_ms), uint32_t(timeOutVal_ms),
                                                                  nullptr);
    }));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ptpip_Set_Pc_Name(int pc_Name_Length, QString pc_Name)
{
    KVR_PTPIP_PC_NAME name{};
    const QByteArray bytes = pc_Name.toUtf8();
    // The field holds 255 bytes and a NUL; a length beyond the text or the
    // field is cut to what is really there.
    const qsizetype length = qMin<qsizetype>(qMin<qsizetype>(qMax(pc_Name_Length, 0), bytes.size()),
                                             qsizetype(sizeof(name.name)) - 1);
    std::memcpy(name.name, bytes.constData(), std::size_t(length));
    name.length = uint32_t(length);
    return reported(*this,
                    callNetworkConfig(*this, sdkMutex, [&] { return KVR_func_api_ptpip_Set_Pc_Name(name, nullptr); }));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ptpip_Set_Ip_Addr(QString ipAddr)
{
    const QByteArray address = ipAddr.toLocal8Bit();
    return reported(*this, callNetworkConfig(*this, sdkMutex, [&] {
        return KVR_func_api_ptpip_Set_Ip_Addr(address.constData(), nullptr);
    }));
}

QString DeviceAdapter::adp_KVR_func_api_ptpip_Get_Ip_Addr()
{
    char address[KVR_IP_ADDR_BUFFER_SIZE] = {};
    const uint8_t result = callNetworkConfig(*this, sdkMutex,
                                             [&] { return KVR_func_api_ptpip_Get_Ip_Addr(address, nullptr); });
    if (result != 1)
        return QString();
    return QString::fromLocal8Bit(address, qsizetype(strnlen(address, sizeof(address))));
}

int DeviceAdapter::adp_KVR_func_api_ptpip_Get_Connection_Type()
{
    uint32_t type = 0;
    callNetworkConfig(*this, sdkMutex, [&] { return KVR_func_api_ptpip_Get_Connection_Type(&type, nullptr); });
    return int(type);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_SetSearchCondition(int connectDevType, QString modelName)
{
    if (connectDevType < 0)
        return reported(*this, 0);
    const QByteArray model = modelName.toLocal8Bit();
    return reported(*this, callNetworkConfig(*this, sdkMutex, [&] {
        return KVR_func_api_SetSearchCondition(uint32_t(connectDevType), model.constData(), nullptr);
    }));
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_ptpip_StopGetDeviceInfo()
{
    // The search's stop: the search thread it could not join may hold the
    // lock in its call.
    const std::unique_lock<QMutex> g = lockSdkForStop("the network search's stop");
    if (!g.owns_lock())
        return Utilities::Ternary_False;
    return Utilities::ternaryOf(KVR_func_api_ptpip_StopGetDeviceInfo(nullptr) == 1);
}

} // namespace kavrotether
