#include "DeviceAdapterTestAccess.h"

#include "camera/DeviceAdapter.h"

namespace kavrotether {

QMutex &DeviceAdapterTestAccess::sdkLock(DeviceAdapter &adapter)
{
    return adapter.sdkMutex;
}

KVR_CONNECT_DEVICE_INFO DeviceAdapterTestAccess::deviceList(DeviceAdapter &adapter)
{
    QMutexLocker g(&adapter.d->deviceListLock);
    return adapter.d->deviceList;
}

void DeviceAdapterTestAccess::corruptDeviceList(DeviceAdapter &adapter, quint32 count)
{
    QMutexLocker g(&adapter.d->deviceListLock);
    adapter.d->deviceList.count = count;
    adapter.d->deviceList.devicePath[0] = nullptr;
}

int DeviceAdapterTestAccess::deviceLockCount(DeviceAdapter &adapter)
{
    QMutexLocker g(&adapter.d->deviceMutexMapLock);
    return int(adapter.d->deviceMutexMap.size());
}

bool DeviceAdapterTestAccess::liveViewOn(DeviceAdapter &adapter)
{
    return adapter.d->liveViewOn.load();
}

void DeviceAdapterTestAccess::setLiveViewOn(DeviceAdapter &adapter, bool on)
{
    adapter.d->liveViewOn.store(on);
}

bool DeviceAdapterTestAccess::liveViewCameraChosen(DeviceAdapter &adapter)
{
    return adapter.d->liveViewCameraChosen.load();
}

void DeviceAdapterTestAccess::setMultiviewMode(DeviceAdapter &adapter, bool on)
{
    adapter.d->multiviewMode.store(on);
}

int DeviceAdapterTestAccess::multiviewPage(DeviceAdapter &adapter)
{
    return adapter.d->multiviewPage.load();
}

void DeviceAdapterTestAccess::setMultiviewPage(DeviceAdapter &adapter, int splitMode, int page)
{
    adapter.d->liveviewMultiPageMode.store(splitMode);
    adapter.d->multiviewPage.store(page);
}

DeviceAdapterTestAccess::FrameRead DeviceAdapterTestAccess::lastFrameRead(DeviceAdapter &adapter)
{
    QMutexLocker g(&adapter.liveViewMutex);
    const auto &f = adapter.d->liveViewFrame;
    FrameRead read;
    read.nextBuffer = f.nextBuffer;
    read.error = f.error;
    read.firstJpegSize = f.jpegSize[0];
    read.handedJpegSize = adapter.liveViewBuffers[10];
    read.handedError = adapter.liveViewBuffers[12];
    return read;
}

DeviceAdapterTestAccess::FirmwareRequest DeviceAdapterTestAccess::firmwareRequest(DeviceAdapter &adapter)
{
    QMutexLocker g(&adapter.d->fwupRequestMutex);
    FirmwareRequest request;
    request.path = QByteArray(adapter.d->fwupPath.data());
    request.pathLength = adapter.d->fwupPathLength;
    request.fixedValue = adapter.d->fwupFixedValue;
    request.resetFlag = adapter.d->fwupResetFlag;
    return request;
}

void DeviceAdapterTestAccess::setFirmwareUpdateRunning(DeviceAdapter &adapter, const QString &uuid, bool running)
{
    adapter.d->fwupUuid.store(uuid);
    adapter.d->fwupRunning.store(running);
}

void DeviceAdapterTestAccess::setFirmwareOutcome(DeviceAdapter &adapter, quint32 dataFrame, quint8 result)
{
    adapter.d->fwupDataFrame.store(dataFrame);
    adapter.d->fwupResult.store(result);
}

bool DeviceAdapterTestAccess::firmwareCameraLost(DeviceAdapter &adapter)
{
    return adapter.d->fwupDisconnected.load();
}

void DeviceAdapterTestAccess::setFileTarget(DeviceAdapter &adapter, int target)
{
    adapter.d->fileTarget.store(target);
}

void DeviceAdapterTestAccess::setInitSetupTetherMode(DeviceAdapter &adapter, int mode)
{
    adapter.d->initSetupTetherMode.store(mode);
}

int DeviceAdapterTestAccess::movieRecCounter(DeviceAdapter &adapter)
{
    return adapter.d->movieRecCounter.load();
}

void DeviceAdapterTestAccess::setMovieRecCounter(DeviceAdapter &adapter, int count)
{
    adapter.d->movieRecCounter.store(count);
}

void DeviceAdapterTestAccess::setWbSetSpot(DeviceAdapter &adapter, qint32 x, qint32 y)
{
    adapter.d->wbset_pos_X.store(x);
    adapter.d->wbset_pos_Y.store(y);
}

void DeviceAdapterTestAccess::setLanConnected(DeviceAdapter &adapter, bool connected)
{
    adapter.d->lanConnected.store(connected);
}

DeviceAdapterData &DeviceAdapterTestAccess::settingStorage(DeviceAdapter &adapter)
{
    return *adapter.d;
}

} // namespace kavrotether
