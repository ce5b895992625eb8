// DeviceAdapter: SDK registration, the event worker's thread, the camera
// table and the per-camera locks.

#include "DeviceAdapter.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>

#include "DeviceAdapterCallback.h"

namespace kavrotether {

namespace {
// How long shutdown waits for the event worker to leave its handler.
constexpr int kWorkerStopTimeoutMs = 5000;
}

void DeviceAdapter::camera_list_load_setting_file()
{
    auto file = DeviceAdapterData::openCameraListFile();
    // A count from the file is untrusted: the list holds at most its capacity.
    const int count = qBound(0, file->value(QStringLiteral("NumberOfCamera"), 0).toInt(),
                             DeviceAdapterData::kSavedCameraCapacity);
    d->savedCameraCount = count;
    for (int i = 0; i < count; ++i)
        d->savedCameraList[std::size_t(i)].serialNo =
            file->value(QStringLiteral("CameraID%1").arg(i + 1)).toString();
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

int DeviceAdapter::adp_KVR_func_api_Init()
{
    QMutexLocker g(&sdkMutex);
    (void)KVR_func_api_Init();
    m_sdkInitialised = true;
    return 1;
}

int DeviceAdapter::adp_KVR_func_api_Finish()
{
    QMutexLocker g(&sdkMutex);
    const bool ok = KVR_func_api_Finish() == 1;
    if (ok)
        m_sdkInitialised = false;
    return ok ? 1 : 0;
}

void DeviceAdapter::finishSdkIfInitialised()
{
    bool initialised;
    {
        QMutexLocker g(&sdkMutex);
        initialised = m_sdkInitialised;
    }
    if (initialised)
        adp_KVR_func_api_Finish();
}

Utilities::Ternary DeviceAdapter::adp_KVR_func_api_Reg_NotifyCallback()
{
    DeviceAdapterCallback *receiver = callbackReceiverObject();
    // A worker that runs already keeps running; a second start would queue a
    // second loop that registers everything again once the first one stops.
    if (receiver && callbackThread && callbackThread->isRunning())
        return Utilities::Ternary_True;
    // An attached receiver is stepped by its owner, never by a worker.
    if (receiver && !callbackThread)
        return Utilities::Ternary_True;
    if (!receiver && callbackThread) {
        // A worker that did not stop in time: its thread deletes its own
        // receiver when it ends; a new one must not be put on that thread.
        if (callbackThread->isRunning())
            return Utilities::Ternary_True;
        delete callbackThread;
        callbackThread = nullptr;
    }
    if (!receiver) {
        receiver = new DeviceAdapterCallback;
        QMutexLocker g(&callbackReceiverLock);
        callbackReceiver = receiver;
    }
    if (!callbackThread)
        callbackThread = new QThread;
    receiver->moveToThread(callbackThread);
    connect(callbackThread, &QThread::finished, receiver, &QObject::deleteLater, Qt::UniqueConnection);
    connect(this, &DeviceAdapter::operateDeviceAdapterCallback, receiver, &DeviceAdapterCallback::doWork,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    callbackThread->start(QThread::InheritPriority);
    emit operateDeviceAdapterCallback();
    return Utilities::Ternary_True;
}

DeviceAdapterCallback *DeviceAdapter::callbackReceiverObject() const
{
    QMutexLocker g(&callbackReceiverLock);
    return callbackReceiver;
}

bool DeviceAdapter::attachCallbackReceiver(DeviceAdapterCallback *receiver)
{
    if (callbackThread)
        return false;
    QMutexLocker g(&callbackReceiverLock);
    callbackReceiver = receiver;
    return true;
}

void DeviceAdapter::stopCallbackThread()
{
    DeviceAdapterCallback *receiver = callbackReceiverObject();
    if (!receiver)
        return;
    receiver->RequestInterruption();
    if (!callbackThread)
        return;
    // Nothing queued from now on would run, and the thread's end deletes the
    // receiver (finished -> deleteLater): take it away from the enqueuers and
    // the SDK's callbacks first, so none of them can reach it once freed.
    {
        QMutexLocker g(&callbackReceiverLock);
        callbackReceiver = nullptr;
    }
    QPointer<DeviceAdapterCallback> alive(receiver);
    callbackThread->quit();
    if (!callbackThread->wait(QDeadlineTimer(kWorkerStopTimeoutMs))) {
        // Still in a handler: keep both alive rather than free what it uses.
        qWarning("DeviceAdapter: the event worker did not stop in time");
        return;
    }
    delete alive.data();
    delete callbackThread;
    callbackThread = nullptr;
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

DeviceAdapter::DeviceLock::DeviceLock(DeviceAdapter &adapter, const QString &uuid)
{
    // Queued commands carry an empty UUID for the selected camera; its calls
    // need its lock as much as any other's.
    const QString key = uuid.isEmpty() ? adapter.camera_list_get_selected_camera_uuid() : uuid;
    {
        QMutexLocker g(&adapter.d->deviceMutexMapLock);
        const auto it = adapter.d->deviceMutexMap.constFind(key);
        if (it != adapter.d->deviceMutexMap.constEnd())
            m_mutex = *it;
    }
    if (m_mutex && adapter.connectionType() == kConnectionLan) {
        m_mutex->lock();
        m_locked = true;
    }
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

} // namespace kavrotether
