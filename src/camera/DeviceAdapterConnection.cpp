// DeviceAdapter: SDK registration, the event worker's thread, the camera
// table and the per-camera locks.

#include "DeviceAdapter.h"

#include "DeviceAdapterCallback.h"

#include <QDebug>
#include <QStringList>

namespace kavrotether {

namespace {
// How long shutdown waits for the event worker to leave its handler.
constexpr int kWorkerStopTimeoutMs = 5000;
} // namespace

void DeviceAdapter::camera_list_load_setting_file()
{
    auto file = DeviceAdapterData::openCameraListFile();
    // A count from the file is untrusted: the list holds at most its capacity.
    const int count = qBound(0, file->value(QStringLiteral("NumberOfCamera"), 0).toInt(),
                             DeviceAdapterData::kSavedCameraCapacity);
    QStringList serials;
    for (int i = 0; i < count; ++i)
        serials << file->value(QStringLiteral("CameraID%1").arg(i + 1)).toString();
    // A missing or empty key is a gap, not a camera: the entries close up.
    d->savedCameraList.assignSerials(serials);
}

void DeviceAdapter::ptpip_enhance_security_load_pw_list()
{
    auto file = DeviceAdapterData::openPasswordFile();
    QMap<QString, QString> passwords;
    const QStringList keys = file->allKeys();
    for (const QString &key : keys)
        passwords.insert(key, file->value(key).toString());
    QMutexLocker g(&d->savedPasswordMapLock);
    d->savedPasswordMap = passwords;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Init()
{
    // A program that finished the SDK and starts it again may run its
    // threads again.
    m_connectWorker.reopen();
    m_deviceSearch.reopenThreads();
    m_eventWorker.reopen();
    m_liveViewManager.reopen();
    QMutexLocker g(&sdkMutex);
    (void)KVR_func_api_Init();
    m_sdkInitialised = true;
    // Whoever held a lock has let it go.
    m_stopLocks.reset();
    return Utilities::Ternary_True;
}

std::unique_lock<QMutex> DeviceAdapter::lockSdkForStop(const char *step)
{
    return m_stopLocks.take(sdkMutex, "the SDK lock", step);
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Finish()
{
    // The threads take the SDK lock: they stop before it is taken here.
    stopBackgroundThreads();
    const std::unique_lock<QMutex> g = lockSdkForStop("the SDK's finish");
    if (!g.owns_lock())
        return Utilities::Ternary_False;
    return finishSdkLocked();
}

void DeviceAdapter::finishSdkIfInitialised()
{
    stopBackgroundThreads();
    const std::unique_lock<QMutex> g = lockSdkForStop("the SDK's finish");
    if (g.owns_lock() && m_sdkInitialised)
        (void)finishSdkLocked();
}

Utilities::Ternary DeviceAdapter::finishSdkLocked()
{
    const bool ok = KVR_func_api_Finish() == 1;
    if (ok)
        m_sdkInitialised = false;
    return Utilities::ternaryOf(ok);
}

const std::vector<DeviceAdapter::OwnStop> &DeviceAdapter::ownStops()
{
    // First what starts other work (a search selects cameras, the connect
    // thread lists them, the reader queues reads), last the worker that runs
    // what they queued. Each stays closed until the SDK is initialised again.
    static const std::vector<OwnStop> stops = {
        {"device search", [](DeviceAdapter &a) { a.m_deviceSearch.closeSearch(); }},
        {"network connect", [](DeviceAdapter &a) { a.stopConnectThread(); }},
        {"post-connect reader", [](DeviceAdapter &a) { a.m_deviceSearch.closeConnectInitData(); }},
        {"event worker",
         [](DeviceAdapter &a) {
             a.stopCallbackThread();
             a.m_eventWorker.close(0);
         }},
        // Started and stopped by the handlers above; its fetch threads read
        // frames until told otherwise.
        {"live view", [](DeviceAdapter &a) { a.m_liveViewManager.close(a.m_stopLocks); }},
    };
    return stops;
}

void DeviceAdapter::stopBackgroundThreads()
{
    for (const OwnStop &step : ownStops())
        step.stop(*this);
    // Walks a copy: a stop may append another.
    const std::vector<BackgroundStop> appended = m_appendedStops;
    for (const BackgroundStop &step : appended)
        step.stop();
}

void DeviceAdapter::appendBackgroundStop(const QString &name, std::function<void()> stop)
{
    m_appendedStops.push_back({name, std::move(stop)});
}

QStringList DeviceAdapter::backgroundStopNames() const
{
    QStringList names;
    for (const OwnStop &step : ownStops())
        names << QString::fromLatin1(step.name);
    for (const BackgroundStop &step : m_appendedStops)
        names << step.name;
    return names;
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Reg_NotifyCallback()
{
    // A worker that runs already keeps running (also one that did not stop
    // in time), and an attached receiver is stepped by its owner.
    if (callbackReceiverObject() || m_eventWorker.isRunning())
        return Utilities::Ternary_True;
    auto receiver = std::make_shared<DeviceAdapterCallback>();
    receiver->setWakeUp([this] { m_eventWorker.wake(); });
    if (!m_eventWorker.startQueue([receiver] { return receiver->runNext(); }))
        return Utilities::Ternary_False;
    {
        QMutexLocker g(&callbackReceiverLock);
        callbackReceiver = receiver.get();
    }
    m_ownedReceiver = std::move(receiver);
    // The callbacks queue into the receiver: registered once it is there.
    DeviceAdapterCallback::CallbackRegist();
    m_callbacksRegistered = true;
    return Utilities::Ternary_True;
}

DeviceAdapterCallback *DeviceAdapter::callbackReceiverObject() const
{
    QMutexLocker g(&callbackReceiverLock);
    return callbackReceiver;
}

bool DeviceAdapter::attachCallbackReceiver(DeviceAdapterCallback *receiver)
{
    if (m_ownedReceiver || m_eventWorker.isRunning())
        return false;
    QMutexLocker g(&callbackReceiverLock);
    callbackReceiver = receiver;
    return true;
}

void DeviceAdapter::stopCallbackThread()
{
    DeviceAdapterCallback *receiver = callbackReceiverObject();
    if (receiver)
        receiver->RequestInterruption();
    if (!m_ownedReceiver)
        return;
    // Nothing queued from now on would run: take the receiver away from the
    // enqueuers and the SDK's callbacks first.
    {
        QMutexLocker g(&callbackReceiverLock);
        callbackReceiver = nullptr;
    }
    // Bounded; a worker still in its handler keeps its receiver alive itself.
    m_eventWorker.stop(kWorkerStopTimeoutMs);
    // What waited behind it never runs: the pictures among it are named.
    std::vector<PictureAtClose> pictures;
    for (const CallbackQueueItem &item : m_ownedReceiver->pendingItems())
        if (item.cb_event_type == CameraEventCode::ObjectReqTransfer)
            pictures.emplace_back(item.cb_event_uuid, item.cb_event_param);
    const QString unsaved = picturesNamedAtClose(this, pictures);
    if (!unsaved.isEmpty())
        qWarning().noquote() << "DeviceAdapter: pictures not saved by the close, waiting behind a camera call:"
                             << unsaved;
    if (m_callbacksRegistered) {
        DeviceAdapterCallback::CallbackUnRegist();
        m_callbacksRegistered = false;
    }
    m_ownedReceiver.reset();
}

QString DeviceAdapter::camera_list_get_selected_camera_uuid() const
{
    return d->selectedCameraUuid.load();
}

void DeviceAdapter::setSelectedCameraUuid(const QString &uuid)
{
    d->selectedCameraUuid.store(uuid);
}

bool DeviceAdapter::isMultiviewMode() const
{
    return d->multiviewMode.load();
}

bool DeviceAdapter::isFwupProcessing() const
{
    return d->fwupRunning.load();
}

QString DeviceAdapter::getFwupProcessingUUID() const
{
    return d->fwupUuid.load();
}

void DeviceAdapter::setDisconnectInFwup(bool on)
{
    d->fwupDisconnected.store(on);
}

DeviceAdapter::DeviceMutex DeviceAdapter::getOrCreateDeviceMutex(const QString &uuid)
{
    QMutexLocker g(&d->deviceMutexMapLock);
    DeviceMutex &slot = d->deviceMutexMap[uuid];
    if (!slot)
        slot = std::make_shared<QMutex>();
    return slot;
}

void DeviceAdapter::deleteDeviceMutex(const QString &uuid)
{
    QMutexLocker g(&d->deviceMutexMapLock);
    d->deviceMutexMap.remove(uuid);
}

void DeviceAdapter::dev_mutex_delete_all()
{
    QMutexLocker g(&d->deviceMutexMapLock);
    d->deviceMutexMap.clear();
}

bool DeviceAdapter::hasDeviceMutex(const QString &uuid)
{
    QMutexLocker g(&d->deviceMutexMapLock);
    return d->deviceMutexMap.contains(uuid);
}

DeviceAdapter::DeviceMutex DeviceAdapter::DeviceLock::mutexOf(DeviceAdapter &adapter, const QString &uuid)
{
    // Queued commands carry an empty UUID for the selected camera; its calls
    // need its lock as much as any other's.
    const QString key = uuid.isEmpty() ? adapter.camera_list_get_selected_camera_uuid() : uuid;
    QMutexLocker g(&adapter.d->deviceMutexMapLock);
    return adapter.d->deviceMutexMap.value(key);
}

DeviceAdapter::DeviceLock::DeviceLock(DeviceAdapter &adapter, const QString &uuid) : m_mutex(mutexOf(adapter, uuid))
{
    if (m_mutex && adapter.connectionType() == kConnectionLan) {
        m_mutex->lock();
        m_locked = true;
    }
}

DeviceAdapter::DeviceLock::DeviceLock(DeviceAdapter &adapter, const QString &uuid, const char *step)
    : m_mutex(mutexOf(adapter, uuid))
{
    if (!m_mutex || adapter.connectionType() != kConnectionLan)
        return;
    const QByteArray lock = "the lock of camera "
                            + (uuid.isEmpty() ? adapter.camera_list_get_selected_camera_uuid() : uuid).toUtf8();
    std::unique_lock<QMutex> g = adapter.m_stopLocks.take(*m_mutex, lock.constData(), step);
    m_locked = g.owns_lock();
    m_givenUp = !m_locked;
    // Let go by this guard's destructor.
    (void)g.release();
}

DeviceAdapter::DeviceLock::~DeviceLock()
{
    if (m_locked)
        m_mutex->unlock();
}

bool DeviceAdapter::addCameraToTable(const QString &uuid, const CameraInfo &info)
{
    QMutexLocker g(&d->cameraTableMutex);
    if (!d->cameraTable.contains(uuid) && d->cameraTable.size() >= kMaxCameras)
        return false;
    d->cameraTable.insert(uuid, info);
    return true;
}

bool DeviceAdapter::removeCameraFromTable(const QString &uuid)
{
    QMutexLocker g(&d->cameraTableMutex);
    return d->cameraTable.remove(uuid) > 0;
}

int DeviceAdapter::cameraTableCount()
{
    QMutexLocker g(&d->cameraTableMutex);
    return int(d->cameraTable.size());
}

bool DeviceAdapter::cameraInfoByUuid(const QString &uuid, CameraInfo *out)
{
    QMutexLocker g(&d->cameraTableMutex);
    const auto it = d->cameraTable.constFind(uuid);
    if (it == d->cameraTable.constEnd())
        return false;
    if (out)
        *out = *it;
    return true;
}

QStringList DeviceAdapter::cameraTableUuids()
{
    QMutexLocker g(&d->cameraTableMutex);
    return d->cameraTable.keys();
}

QString DeviceAdapter::picturesNamedAtClose(DeviceAdapter *adapter, const std::vector<PictureAtClose> &pictures)
{
    if (pictures.empty())
        return {};
    const QString selected = adapter ? adapter->camera_list_get_selected_camera_uuid() : QString();
    std::unique_lock<std::recursive_timed_mutex> table;
    if (adapter)
        table = adapter->m_stopLocks.take(adapter->d->cameraTableMutex, "the camera table",
                                          "naming the pictures the close leaves unsaved");
    QStringList named;
    for (const auto &[uuid, handle] : pictures) {
        const QString id = uuid.isEmpty() ? selected : uuid;
        QString name;
        if (table.owns_lock()) {
            const auto it = adapter->d->cameraTable.constFind(id);
            if (it != adapter->d->cameraTable.constEnd())
                name = it->individualId.isEmpty() ? it->modelName : it->individualId;
        }
        named << QStringLiteral("%1 (object %2)").arg(name.isEmpty() ? id : name).arg(handle);
    }
    return named.join(QStringLiteral(", "));
}

} // namespace kavrotether
